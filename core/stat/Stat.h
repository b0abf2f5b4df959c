#pragma once
// The statistics procedures of the shared module `Stat`: second-order
// experiment plans over 2 to 6 factors, the regression of the full quadratic
// model on a plan, its evaluation at a coded point, and the optimum of the
// fitted model by elimination with a printable transcript.
//
// The windows call them in one order: plan (SetZeroPointCount,
// BuildPlanMatrix, ComputeRotatableCoefficients), the runs of the plan,
// regression (ComputeRegressionCoefficients, then EvaluateRegression per
// run), optimum (BuildOptimumSystem, then FormatOptimumSystem). None of them
// has an error trap or shows a message: a refused input or a division by
// zero raises a RuntimeError that ends the whole chain in the calling
// window's trap. Values written before the error stay written.
//
// Coded model terms, the same numbering in PlanMatrix, RegressionCoefficients
// and the moment sums (k = Nf factors, M = 2k + k(k-1)/2 terms):
//   1..k                      linear terms x_i
//   k+1..k+InteractionCount   pair products x_i*x_j in the order
//                             (1,2), (1,3) .. (1,k), (2,3) .. (k-1,k)
//   k+InteractionCount+1..M   squares x_i^2 (less MeanX2 in PlanMatrix)
//   RegressionCoefficients(0) is the free term b0.

// fillDesignColumns: the twenty design strings of the central-composite plans.
// Writes:   Stat.DesignColumns(k, i) for k = 2..6, i = 1..k
// Notes:    Each string is a run of two-character fields "+1", "-1", "+0",
//           one per run, 20, 24, 34, 52 and 91 fields for k = 2..6: the full
//           two-level factorial first (factor 1 varies slowest, "+1" before
//           "-1"), then the star runs (factor i is "+1" in star run 2i - 1 and
//           "-1" in star run 2i), then zero runs to the end of the string.
//           The start-up window calls it once from its load handler.
void fillDesignColumns();

// SetZeroPointCount: the default number of zero-point runs of a plan.
// Reads:    Stat.PlanType, Stat.Nf
// Writes:   Stat.N0
// Notes:    k = 2..6: orthogonal 1; rotatable 3, 2, 2, 3, 3; uniform-
//           rotatable (uniform precision) 5, 6, 7, 10, 15; D-optimal 0; Box
//           composite 1. Any other combination gives 1.
void SetZeroPointCount();

// BuildPlanMatrix: the coded model matrix of the current plan and its moments.
// Reads:    Stat.PlanType, Stat.Nf (2..6), Stat.N0, Stat.DesignColumns,
//           Stat.PlanK1..PlanK7 (only to print them)
// Writes:   Stat.CorePoints (2^k), StarPoints (2k), InteractionCount, RunCount
//           (n = 2^k + 2k + N0), StarArm, MeanX2, DesignTable, PlanMatrix
//           (terms 1..M, runs 1..n), EXi, EXi2, EXi4 (terms 1..M), la2, la4,
//           la4z; the tabulated PlanK1..PlanK7 of the uniform-rotatable plan
//           and PlanK1..PlanK6 of the D-optimal plan for k = 4 and 5;
//           Main.ScratchText4 = "табличные коэффициенты  k1= ..." with the
//           seven constants as they stand after that.
// Notes:    Star arm: orthogonal sqrt((sqrt(n 2^k) - 2^k) / 2) with MeanX2 =
//           sqrt(2^k / n), which makes the square columns orthogonal to the
//           free term and to each other; rotatable and uniform-rotatable
//           2^(k/4); D-optimal and Box composite 1 (face-centred).
//           la2 = EXi2(1)/n, la4 = EXi4(1)/n/3, la4z = la4/la2^2.
//           Term 0 and run 0 are not written, so the ET-UT law cells (1,0)
//           and (2,0) that share the table keep their values.
//           Refused before anything is written, so that the previous plan
//           stays whole and the calling window's trap reports the error:
//           a factor count outside 2..6 and an N0 below 0 or above what the
//           design strings hold (12, 10, 10, 10, 15 for k = 2..6) with
//           RuntimeError(InvalidCall), whose text names the allowed range
//           ("К-во нулевых точек должно быть от 0 до 12 при 2 факторах");
//           a design string without a field for a run with TypeMismatch.
// Reference: Box & Hunter (1957), Ann. Math. Stat. 28, 195; Adler, Markova,
//           Granovsky, The Design of Experiments to Find Optimal Conditions
//           (Mir, 1975), ch. 7.
void BuildPlanMatrix();

// ComputeRotatableCoefficients: constants of the regression formulas of the
// rotatable (type 2) and uniform-rotatable (type 3) plans.
// Reads:    Stat.PlanType, Stat.Nf, Stat.RunCount, Stat.la2, Stat.la4, Stat.la4z
// Writes:   Stat.Azimuth (the constant A), Stat.PlanK1..PlanK7
// Notes:    Other plan types: nothing changes. Type 2 uses la2 and la4, type 3
//           the same formulas written with la4z; both give the least-squares
//           coefficients of a rotatable central-composite plan.
void ComputeRotatableCoefficients();

// ComputeRegressionCoefficients: the quadratic model fitted to the runs.
// Reads:    Stat.PlanType, Nf, CorePoints, InteractionCount, RunCount,
//           PlanMatrix, EXi2, MeanX2, PlanK1..PlanK7, Criterion(1..n)
// Writes:   Stat.RegressionCoefficients(0..M) in the term order above; the
//           sums SumY, SumYCore, SumYOuter, SumXY, SumXYOuter, SumSquareXY;
//           SumSquareCoefficients (orthogonal plan).
// Notes:    The square coefficients always apply to plain x_i^2. Orthogonal,
//           rotatable and uniform-rotatable plans give the least-squares fit;
//           the D-optimal plan (k = 4, 5) the least-squares fit to the
//           precision of its tabulated constants; the Box composite plan uses
//           its short formulas, which are not least squares. A zero divisor
//           (no plan built) raises RuntimeError(DivisionByZero).
void ComputeRegressionCoefficients();

// EvaluateRegression: the fitted quadratic model at one coded point.
// Reads:    Stat.Nf, Stat.RegressionCoefficients, Main.X(1..k), Stat.RunIndex
// Writes:   Main.Z(RunIndex) = b0 + sum b_i x_i + sum b_ij x_i x_j
//           + sum b_ii x_i^2; Stat.Yopt = the number of model coefficients
//           (6, 10, 15, 21, 28 for k = 2..6).
// Notes:    For k outside 2..6 nothing is written.
void EvaluateRegression();

// BuildOptimumSystem: the stationary point of the fitted quadratic model.
// Reads:    Stat.Nf, Stat.RegressionCoefficients
// Writes:   Main.TextLines(1..6) cleared; Stat.CurrentOrder = k; plane k of
//           Stat.EquationMatrix with the equations dy/dx_i = 0: row i is
//           (b_i, b_i1, .., 2 b_ii, .., b_ik), constant term first; then all
//           that the solver for k unknowns writes (Xopt(1..k) in coded units).
// Notes:    For k outside 2..6 only the six lines are cleared.
void BuildOptimumSystem();

// EliminateLastUnknown: one step of Gaussian elimination without row exchange.
// Reads:    Stat.CurrentOrder (m), plane m of Stat.EquationMatrix
// Writes:   plane m-1 (rows 1..m-1, columns 0..m) = row r + f * row m with
//           f = -M(m,r,m)/M(m,m,m), so the last unknown drops out;
//           Stat.EliminationFactor; Main.TextLines(m-1) = the new rows, each
//           value truncated to three decimals, a CR LF after each row;
//           Main.ScratchText = the text of the last row.
// Notes:    A zero pivot M(m,m,m) raises RuntimeError(DivisionByZero).
void EliminateLastUnknown();

// SolveTwoUnknowns .. SolveSixUnknowns: the system of order m = 2..6 in plane
// m of Stat.EquationMatrix, 0 = M(m,i,0) + sum_j M(m,i,j) X_j, i = 1..m.
// Reads:    plane m of Stat.EquationMatrix
// Writes:   Stat.Xopt(1..m); the reduced systems in planes m-1..1 and their
//           texts in Main.TextLines(1..m-1); the back-substitution lines of
//           X_1..X_m in Main.TextLines(11..10+m); Main.ScratchText;
//           Stat.CurrentOrder ends at 2.
// Notes:    SolveThreeUnknowns..SolveSixUnknowns set CurrentOrder = m
//           themselves before they eliminate; SolveTwoUnknowns works on plane
//           2 whatever CurrentOrder holds.
//           No row exchange: a zero pivot raises RuntimeError(DivisionByZero)
//           there, and the values and lines written before it stay.
void SolveTwoUnknowns();
void SolveThreeUnknowns();
void SolveFourUnknowns();
void SolveFiveUnknowns();
void SolveSixUnknowns();

// FormatOptimumSystem: the text of the initial system of the optimum.
// Reads:    Stat.Nf (k), plane k of Stat.EquationMatrix
// Writes:   Main.TextLines(i), i = 1..k, the line of equation i with its
//           coefficients truncated to two decimals; each line and a CR LF are
//           appended to Main.ScratchText, which the caller prepares.
// Notes:    For k outside 2..6 nothing is written.
void FormatOptimumSystem();

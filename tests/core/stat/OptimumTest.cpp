// Optimum of the quadratic model: the stationary point against an independent
// linear solve and against known optima, the elimination solver, and the
// transcript texts.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/runtime/RuntimeError.h"
#include "StatTestSupport.h"

using namespace stat_test;

namespace {

int termCount(int k) { return 2 * k + k * (k - 1) / 2; }

// Coefficients b0..bM with a negative definite, diagonally dominant Hessian
// (b_ii = -(1.5 + i), small pair terms), so the model has one maximum.
std::vector<double> concaveModel(int k) {
  std::vector<double> b(termCount(k) + 1);
  for (std::size_t t = 0; t < b.size(); ++t) b[t] = 0.4 * std::sin(2.0 + 1.3 * t);
  for (int i = 1; i <= k; ++i) b[k + k * (k - 1) / 2 + i] = -(1.5 + i);
  return b;
}

void setModel(int k, const std::vector<double>& b) {
  Stat.Nf = static_cast<int16_t>(k);
  for (std::size_t t = 0; t < b.size(); ++t) Stat.RegressionCoefficients[static_cast<long>(t)] = b[t];
}

// Gradient of the model: d/dx_i = b_i + 2 b_ii x_i + sum_j b_ij x_j, written as
// the linear system H x = -g for the independent solve.
std::vector<double> stationaryPoint(int k, const std::vector<double>& b) {
  std::vector<std::vector<long double>> h(k, std::vector<long double>(k, 0.0L));
  std::vector<long double> rhs(k);
  int pair = k + 1;
  for (int i = 0; i < k; ++i) {
    rhs[i] = -b[i + 1];
    h[i][i] = 2 * b[k + k * (k - 1) / 2 + i + 1];
    for (int j = i + 1; j < k; ++j, ++pair) h[i][j] = h[j][i] = b[pair];
  }
  return solveLinearSystem(h, rhs);
}

}  // namespace

TEST(BuildOptimumSystem, SolvesTheGradientSystemOfTheModel) {
  for (int k = 2; k <= 6; ++k) {
    SCOPED_TRACE("k " + std::to_string(k));
    resetSharedState();
    const std::vector<double> b = concaveModel(k);
    setModel(k, b);
    BuildOptimumSystem();
    const std::vector<double> expected = stationaryPoint(k, b);
    for (int i = 1; i <= k; ++i) EXPECT_NEAR(Stat.Xopt[i], expected[i - 1], 1e-12) << "X" << i;
    EXPECT_EQ(Stat.CurrentOrder, 2);
  }
}

// All coefficients 1: x_i = -1/(k+1), and the model there is (k+2)/(2(k+1)).
TEST(BuildOptimumSystem, AllOnesModel) {
  for (int k = 2; k <= 6; ++k) {
    SCOPED_TRACE("k " + std::to_string(k));
    resetSharedState();
    setModel(k, std::vector<double>(termCount(k) + 1, 1.0));
    BuildOptimumSystem();
    for (int i = 1; i <= k; ++i) {
      EXPECT_NEAR(Stat.Xopt[i], -1.0 / (k + 1), 1e-14);
      Main.X[i] = Stat.Xopt[i];
    }
    Stat.RunIndex = 1;
    EvaluateRegression();
    EXPECT_NEAR(Main.Z[1], (k + 2) / (2.0 * (k + 1)), 1e-14);
  }
}

// The whole chain on a criterion that is a quadratic with a known maximum at
// a: the plan, the runs, the regression and the optimum give back a.
TEST(BuildOptimumSystem, ChainFindsTheKnownMaximumOfAQuadraticCriterion) {
  static const double a[] = {0.3, -0.6, 0.45, -0.15, 0.8, -0.35};
  const auto criterion = [](const Point& x) {
    double y = 10.0, cross = 0.0;
    for (std::size_t i = 0; i < x.size(); ++i) {
      const double d = x[i] - a[i];
      y -= (1.0 + 0.5 * i) * d * d;
      if (i > 0) cross += (x[i - 1] - a[i - 1]) * d;
    }
    return y - 0.3 * cross;
  };
  for (int type : {1, 2, 3})
    for (int k = 2; k <= 6; ++k) {
      SCOPED_TRACE("type " + std::to_string(type) + " k " + std::to_string(k));
      resetSharedState();
      buildPlan(type, k);
      fillCriterion(criterion);
      ComputeRegressionCoefficients();
      BuildOptimumSystem();
      for (int i = 1; i <= k; ++i) EXPECT_NEAR(Stat.Xopt[i], a[i - 1], 1e-11) << "X" << i;
    }
}

// Each reduced system keeps the solution: the rows of plane m-1 vanish at
// Xopt and no longer hold X_m; plane k keeps the initial system.
TEST(SolveFourUnknowns, ReducedPlanesKeepTheSolutionAndTheInitialSystemStays) {
  resetSharedState();
  const std::vector<double> b = concaveModel(4);
  setModel(4, b);
  BuildOptimumSystem();
  EXPECT_EQ(Stat.CurrentOrder, 2);
  EXPECT_EQ(Stat.EquationMatrix(4, 1, 0), b[1]);
  EXPECT_EQ(Stat.EquationMatrix(4, 2, 2), 2 * b[12]);
  EXPECT_EQ(Stat.EquationMatrix(4, 1, 2), b[5]);
  EXPECT_EQ(Stat.EquationMatrix(4, 2, 1), b[5]);
  EXPECT_EQ(Stat.EquationMatrix(4, 3, 4), b[10]);
  for (int m = 1; m <= 3; ++m)
    for (int r = 1; r <= m; ++r) {
      double residual = Stat.EquationMatrix(m, r, 0);
      for (int j = 1; j <= m; ++j) residual += Stat.EquationMatrix(m, r, j) * Stat.Xopt[j];
      EXPECT_NEAR(residual, 0.0, 1e-13) << "plane " << m << " row " << r;
      EXPECT_NEAR(Stat.EquationMatrix(m, r, m + 1), 0.0, 1e-15) << "plane " << m << " row " << r;
    }
}

// The quadratic trend of the statistics window: normal equations of
// y = c0 + c1 t + c2 t^2 written into plane 3 as 0 = -sum y t^i + sum c_j t^(i+j).
TEST(SolveThreeUnknowns, FitsAParabolaThroughItsNormalEquations) {
  resetSharedState();
  const double c[] = {1.5, -0.25, 0.125};
  double moments[5] = {};
  double right[3] = {};
  for (int n = 0; n < 9; ++n) {
    const double t = n - 3.0;
    const double y = c[0] + c[1] * t + c[2] * t * t;
    for (int p = 0; p < 5; ++p) moments[p] += std::pow(t, p);
    for (int p = 0; p < 3; ++p) right[p] += y * std::pow(t, p);
  }
  for (int i = 1; i <= 3; ++i) {
    Stat.EquationMatrix(3, i, 0) = -right[i - 1];
    for (int j = 1; j <= 3; ++j) Stat.EquationMatrix(3, i, j) = moments[i + j - 2];
  }
  Stat.Nf = 3;
  Stat.CurrentOrder = 3;
  SolveThreeUnknowns();
  for (int i = 1; i <= 3; ++i) EXPECT_NEAR(Stat.Xopt[i], c[i - 1], 1e-12);
}

// b1 = 2, b2 = -4, b12 = 0, b11 = -1, b22 = 2: rows (2, -2, 0) and (-4, 0, 4),
// factor +0, X1 = X2 = 1.
TEST(OptimumTranscript, TwoFactorExample) {
  resetSharedState();
  setModel(2, {0.0, 2.0, -4.0, 0.0, -1.0, 2.0});
  Main.TextLines[13] = "older";
  Main.ScratchText = "Исходная система линейных уравнений и ее решение";
  BuildOptimumSystem();
  EXPECT_EQ(Stat.Xopt[1], 1.0);
  EXPECT_EQ(Stat.Xopt[2], 1.0);
  EXPECT_EQ(Stat.EliminationFactor, 0.0);
  EXPECT_FALSE(std::signbit(Stat.EliminationFactor));
  EXPECT_EQ(Main.TextLines[1], "    2    -2    0");
  EXPECT_EQ(Main.TextLines[11], " X1opt= -k110/k111 =  2 / -2 = 1");
  EXPECT_EQ(Main.TextLines[12],
            " X2opt =  - ( k220 + k221 * X1opt  )  /  k222 =  -  (  -4 + 0 * 1  )  /  4 = 1");
  EXPECT_EQ(Main.TextLines[13], "older");
  for (int line = 2; line <= 6; ++line) EXPECT_EQ(Main.TextLines[line], "") << line;

  Main.ScratchText = "";
  FormatOptimumSystem();
  const std::string first = "    1 -е       0 =   2  +  -2 * X1  +  0 * X2  ";
  const std::string second = "    2 -е       0 =   -4  +  0 * X1  +  4 * X2  ";
  EXPECT_EQ(Main.TextLines[1], first);
  EXPECT_EQ(Main.TextLines[2], second);
  EXPECT_EQ(Main.ScratchText, first + "\r\n" + second + "\r\n");
}

// Three factors, all coefficients 1, worked by hand: rows (1, 2, 1, 1),
// (1, 1, 2, 1), (1, 1, 1, 2); eliminating X3 with f = -1/2 leaves
// (0,5 1,5 0,5 0) and (0,5 0,5 1,5 0); eliminating X2 with f = -1/3 leaves
// (1/3, 4/3, 0); then X1 = X2 = X3 = -1/4.
TEST(OptimumTranscript, ThreeFactorExampleWorkedByHand) {
  resetSharedState();
  setModel(3, std::vector<double>(termCount(3) + 1, 1.0));
  BuildOptimumSystem();
  EXPECT_EQ(Main.TextLines[2],
            "    0,5    1,5    0,5    0    \r\n    0,5    0,5    1,5    0    \r\n");
  EXPECT_EQ(Main.TextLines[1], "    0,333    1,333    0");
  EXPECT_EQ(Main.ScratchText, Main.TextLines[1]);
  EXPECT_EQ(Main.TextLines[11], " X1opt= -k110/k111 =  0,333 / 1,333 = -0,25");
  EXPECT_EQ(Main.TextLines[12],
            " X2opt =  - ( k220 + k221 * X1opt  )  /  k222 =  -  (  0,5 + 0,5 * -0,25  )  /  1,5 = "
            "-0,25");
  EXPECT_EQ(Main.TextLines[13], " X3opt =  - ( k330 + k331 * X1opt + k332 * X2opt )  /  k333 = -0,25");
  EXPECT_NEAR(Stat.EliminationFactor, -1.0 / 3.0, 1e-15);
}

// Coefficients are cut toward zero, not rounded: 0.1239 shows as 0,123 in a
// reduced row and 0,12 in the system line, -0.1239 as -0,123 and -0,12.
TEST(OptimumTranscript, CoefficientsAreTruncatedTowardZero) {
  resetSharedState();
  setModel(2, {0.0, 0.1239, 1.0, 0.0, -0.06195, 0.5});
  BuildOptimumSystem();
  EXPECT_EQ(Main.TextLines[1], "    0,123    -0,123    0");
  Main.ScratchText = "\r\n";
  FormatOptimumSystem();
  EXPECT_EQ(Main.TextLines[1], "    1 -е       0 =   0,12  +  -0,12 * X1  +  0 * X2  ");
  EXPECT_EQ(Main.ScratchText.substr(0, 2), "\r\n");
}

// Six factors: reduced systems of orders 5..1 in lines 5..1, one row per line
// each with a CR LF, and the six back-substitution lines.
TEST(OptimumTranscript, SixFactorTranscriptLines) {
  resetSharedState();
  setModel(6, std::vector<double>(termCount(6) + 1, 1.0));
  BuildOptimumSystem();
  for (int m = 2; m <= 5; ++m) {
    const std::string& text = Main.TextLines[m];
    int rows = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2))
      ++rows;
    EXPECT_EQ(rows, m) << "line " << m;
    EXPECT_EQ(text.substr(0, 4), "    ");
  }
  EXPECT_EQ(Main.TextLines[6], "");
  // X6 = -1/7 is cut to -0,14.
  EXPECT_EQ(Main.TextLines[16],
            " X6opt =  - ( k660 + k661 * X1opt + k662 * X2opt + k663 * X3opt + k664 * X4opt + "
            "k665 * X5opt ) / k666 = -0,14");
  EXPECT_EQ(Main.TextLines[13],
            " X3opt =  - ( k330 + k331 * X1opt + k332 * X2opt )  /  k333 = -0,14");
  Main.ScratchText = "";
  FormatOptimumSystem();
  EXPECT_EQ(Main.TextLines[6],
            "    6 -е       0 =   1  +  1 * X1  +  1 * X2    +  1 * X3  +  1 * X4  +  1 * X5  +  "
            "2 * X6");
}

// A saddle without square terms: the pivot of the last equation is 0, so the
// solve stops with a division by zero although the system has a solution;
// Xopt keeps its earlier values.
TEST(BuildOptimumSystem, ZeroPivotIsADivisionByZero) {
  resetSharedState();
  setModel(2, {0.0, 1.0, -1.0, 2.0, 0.0, 0.0});
  Stat.Xopt[1] = 7.0;
  Stat.Xopt[2] = 8.0;
  Main.TextLines[11] = "older";
  try {
    BuildOptimumSystem();
    FAIL() << "no error";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.code(), ErrorCode::DivisionByZero);
  }
  EXPECT_EQ(Stat.Xopt[1], 7.0);
  EXPECT_EQ(Stat.Xopt[2], 8.0);
  EXPECT_EQ(Main.TextLines[11], "older");
}

TEST(BuildOptimumSystem, OutsideTwoToSixFactorsOnlyClearsTheLines) {
  resetSharedState();
  for (int line = 1; line <= 6; ++line) Main.TextLines[line] = "x";
  Main.TextLines[11] = "kept";
  Stat.Nf = 7;
  Stat.Xopt[1] = 3.0;
  BuildOptimumSystem();
  for (int line = 1; line <= 6; ++line) EXPECT_EQ(Main.TextLines[line], "");
  EXPECT_EQ(Main.TextLines[11], "kept");
  EXPECT_EQ(Stat.Xopt[1], 3.0);
}

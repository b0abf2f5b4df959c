#include "core/stat/Stat.h"
#include "core/stat/StatHelpers.h"
#include "core/state/SharedState.h"

using namespace stat_detail;

namespace {

// Sums of the criterion and of each model column times the criterion.
void sumCriterion(int k, int core, int runs) {
  const int terms = modelTermCount(k);
  const int firstSquare = squareTerm(k, 1);
  for (int t = 1; t <= terms; ++t) Stat.SumXY[t] = 0.0;
  Stat.SumY = Stat.SumYOuter = Stat.SumYCore = Stat.SumSquareXY = 0.0;
  for (int r = 1; r <= runs; ++r) {
    const double y = Stat.Criterion[r];
    Stat.SumY += y;
    (r <= core ? Stat.SumYCore : Stat.SumYOuter) += y;
  }
  for (int t = 1; t <= terms; ++t) {
    for (int r = 1; r <= runs; ++r) Stat.SumXY[t] += Stat.PlanMatrix(t, r) * Stat.Criterion[r];
    if (t < firstSquare) continue;
    Stat.SumSquareXY += Stat.SumXY[t];
    Stat.SumXYOuter[t] = 0.0;
    for (int r = core + 1; r <= runs; ++r)
      Stat.SumXYOuter[t] += Stat.PlanMatrix(t, r) * Stat.Criterion[r];
  }
}

// Orthogonal plan: every column is orthogonal to the others, so each
// coefficient is its own projection; b0 then moves the model from the
// centred squares x_i^2 - MeanX2 to plain x_i^2.
void fitOrthogonal(int k, int runs) {
  auto& b = Stat.RegressionCoefficients;
  for (int t = 1; t <= modelTermCount(k); ++t) b[t] = divideOrThrow(Stat.SumXY[t], Stat.EXi2[t]);
  Stat.SumSquareCoefficients = 0.0;
  for (int i = 1; i <= k; ++i) Stat.SumSquareCoefficients += b[squareTerm(k, i)];
  b[0] = divideOrThrow(Stat.SumY, runs) - Stat.MeanX2 * Stat.SumSquareCoefficients;
}

// Rotatable, uniform-rotatable and D-optimal plans: the closed formulas with
// the plan constants k1..k7. The D-optimal square term takes k2 where the
// rotatable ones take k7, and subtracts k6 * S where they add it.
void fitWithPlanConstants(int k, bool dOptimal) {
  auto& b = Stat.RegressionCoefficients;
  const double sumY = Stat.SumY;
  const double squares = Stat.SumSquareXY;
  b[0] = Stat.PlanK1 * sumY - Stat.PlanK2 * squares;
  for (int t = 1; t <= k; ++t) b[t] = Stat.PlanK3 * Stat.SumXY[t];
  for (int t = k + 1; t <= k + pairTermCount(k); ++t) b[t] = Stat.PlanK4 * Stat.SumXY[t];
  for (int i = 1; i <= k; ++i) {
    const int t = squareTerm(k, i);
    b[t] = dOptimal ? Stat.PlanK5 * Stat.SumXY[t] - Stat.PlanK6 * squares - Stat.PlanK2 * sumY
                    : Stat.PlanK5 * Stat.SumXY[t] + Stat.PlanK6 * squares - Stat.PlanK7 * sumY;
  }
}

// Box composite plan: short formulas from the core and the outer runs; b_ii
// uses the b0 just found.
void fitBoxComposite(int k, int core) {
  auto& b = Stat.RegressionCoefficients;
  const double coreMean = divideOrThrow(Stat.SumYCore, core);
  b[0] = divideOrThrow((Stat.SumYOuter - coreMean) / 4, k - 1);
  for (int t = 1; t <= k; ++t) b[t] = Stat.SumXY[t] / (core + 2);
  for (int t = k + 1; t <= k + pairTermCount(k); ++t) b[t] = Stat.SumXY[t] / core;
  for (int i = 1; i <= k; ++i) b[squareTerm(k, i)] = Stat.SumXYOuter[squareTerm(k, i)] / 2 - b[0];
}

}  // namespace

void ComputeRegressionCoefficients() {
  const int k = Stat.Nf;
  const int core = Stat.CorePoints;
  const int runs = Stat.RunCount;
  sumCriterion(k, core, runs);
  switch (Stat.PlanType) {
    case kOrthogonal: fitOrthogonal(k, runs); break;
    case kRotatable:
    case kUniformRotatable: fitWithPlanConstants(k, false); break;
    case kDOptimal: fitWithPlanConstants(k, true); break;
    case kBoxComposite: fitBoxComposite(k, core); break;
    default: break;
  }
}

#include "core/stat/Stat.h"
#include "core/stat/StatHelpers.h"
#include "core/state/SharedState.h"

using namespace stat_detail;

void EvaluateRegression() {
  const int k = Stat.Nf;
  if (k < 2 || k > 6) return;
  const auto& b = Stat.RegressionCoefficients;
  const auto& x = Main.X;
  // Summed in term order: free term, linear terms, pair products, squares.
  double y = b[0];
  for (int i = 1; i <= k; ++i) y += b[i] * x[i];
  for (int i = 1; i < k; ++i)
    for (int j = i + 1; j <= k; ++j) y += b[pairTerm(k, i, j)] * x[i] * x[j];
  for (int i = 1; i <= k; ++i) y += b[squareTerm(k, i)] * x[i] * x[i];
  Main.Z[Stat.RunIndex] = y;
  Stat.Yopt = modelTermCount(k) + 1;
}

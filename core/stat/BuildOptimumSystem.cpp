#include <algorithm>

#include "core/stat/Stat.h"
#include "core/stat/StatHelpers.h"
#include "core/state/SharedState.h"

using namespace stat_detail;

namespace {

// Plane k of EquationMatrix: row i is dy/dx_i = 0 of the fitted model,
// b_i + 2 b_ii x_i + sum over j != i of b_ij x_j.
void writeGradientSystem(int k) {
  const auto& b = Stat.RegressionCoefficients;
  for (int i = 1; i <= k; ++i) {
    Stat.EquationMatrix(k, i, 0) = b[i];
    for (int j = 1; j <= k; ++j) {
      Stat.EquationMatrix(k, i, j) =
          i == j ? 2 * b[squareTerm(k, i)] : b[pairTerm(k, std::min(i, j), std::max(i, j))];
    }
  }
}

}  // namespace

void BuildOptimumSystem() {
  for (int line = 1; line <= 6; ++line) Main.TextLines[line].clear();
  const int k = Stat.Nf;
  if (k < 2 || k > 6) return;
  Stat.CurrentOrder = static_cast<int16_t>(k);
  writeGradientSystem(k);
  switch (k) {
    case 2: SolveTwoUnknowns(); break;
    case 3: SolveThreeUnknowns(); break;
    case 4: SolveFourUnknowns(); break;
    case 5: SolveFiveUnknowns(); break;
    case 6: SolveSixUnknowns(); break;
  }
}

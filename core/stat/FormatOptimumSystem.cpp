#include <string>

#include "core/stat/Stat.h"
#include "core/stat/StatHelpers.h"
#include "core/state/SharedState.h"

using namespace stat_detail;

namespace {

// "    1 -е       0 =   b1  +  2b11 * X1  +  b12 * X2    +  b13 * X3 ..."
std::string equationLine(int k, int i) {
  const auto coefficient = [&](int j) { return truncatedText(Stat.EquationMatrix(k, i, j), 2); };
  std::string line = "    " + std::to_string(i) + " -е       0 =   " + coefficient(0) + "  +  " +
                     coefficient(1) + " * X1  +  " + coefficient(2) + " * X2  ";
  for (int j = 3; j <= k; ++j) line += "  +  " + coefficient(j) + " * X" + std::to_string(j);
  return line;
}

}  // namespace

void FormatOptimumSystem() {
  const int k = Stat.Nf;
  if (k < 2 || k > 6) return;
  for (int i = 1; i <= k; ++i) {
    Main.TextLines[i] = equationLine(k, i);
    Main.ScratchText += Main.TextLines[i] + "\r\n";
  }
}

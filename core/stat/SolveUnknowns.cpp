#include <cmath>
#include <string>

#include "core/runtime/NumberText.h"
#include "core/stat/Stat.h"
#include "core/stat/StatHelpers.h"
#include "core/state/SharedState.h"

using namespace stat_detail;

namespace {

constexpr const char* kRowGap = "    ";
constexpr const char* kLineEnd = "\r\n";

// Transcript labels of the back substitution of X3..X6.
constexpr const char* kBackSubstitutionLabels[] = {
    " X3opt =  - ( k330 + k331 * X1opt + k332 * X2opt )  /  k333 = ",
    " X4opt =  - ( k440 + k441 * X1opt + k442 * X2opt + k443 * X3opt )  /  k444 = ",
    " X5opt =  - ( k550 + k551 * X1opt + k552 * X2opt + k553 * X3opt + k554 * X4opt )  /  k555 = ",
    " X6opt =  - ( k660 + k661 * X1opt + k662 * X2opt + k663 * X3opt + k664 * X4opt + k665 * X5opt ) / k666 = ",
};

std::string text2(double value) { return truncatedText(value, 2); }
std::string text3(double value) { return truncatedText(value, 3); }

// Row r of plane m-1 := row r + f * row m of plane m, with f chosen so that
// the coefficient of X_m becomes zero: f = -M(m,r,m)/M(m,m,m), written as
// |M(m,r,m)/M(m,m,m)| negated when both have the same sign, so that a zero
// M(m,r,m) gives f = +0 and copies the row. The pivot is always row m: rows
// are never exchanged.
void eliminateIntoRow(int m, int r) {
  auto& M = Stat.EquationMatrix;
  const double coefficient = M(m, r, m);
  const double pivot = M(m, m, m);
  double f = std::abs(divideOrThrow(coefficient, pivot));
  if (Sgn(coefficient) == Sgn(pivot)) f = -f;
  Stat.EliminationFactor = f;
  for (int c = 0; c <= m; ++c) M(m - 1, r, c) = f * M(m, m, c) + M(m, r, c);
}

// Row r of a plane as transcript text: each value truncated to three
// decimals after four blanks, and four more blanks after the last when asked.
std::string rowText(int plane, int r, int lastColumn, bool blanksAfterLast) {
  std::string text;
  for (int c = 0; c <= lastColumn; ++c) text += kRowGap + text3(Stat.EquationMatrix(plane, r, c));
  return blanksAfterLast ? text + kRowGap : text;
}

// X_m from the last equation of plane m and the unknowns already found.
void backSubstitute(int m) {
  const auto& M = Stat.EquationMatrix;
  double sum = M(m, m, 0);
  for (int j = 1; j < m; ++j) sum += M(m, m, j) * Stat.Xopt[j];
  Stat.Xopt[m] = -divideOrThrow(sum, M(m, m, m));
  Main.TextLines[10 + m] = kBackSubstitutionLabels[m - 3] + text2(Stat.Xopt[m]);
}

// Solver for m = 3..6 unknowns: eliminate X_m, solve the m-1 unknowns left,
// substitute back.
void solveUnknowns(int m) {
  Stat.CurrentOrder = static_cast<int16_t>(m);
  EliminateLastUnknown();
  Stat.CurrentOrder = static_cast<int16_t>(m - 1);
  if (m - 1 == 2)
    SolveTwoUnknowns();
  else
    solveUnknowns(m - 1);
  backSubstitute(m);
}

}  // namespace

void EliminateLastUnknown() {
  const int m = Stat.CurrentOrder;
  Main.TextLines[m - 1].clear();
  for (int r = 1; r <= m - 1; ++r) {
    eliminateIntoRow(m, r);
    Main.ScratchText = rowText(m - 1, r, m, true);
    Main.TextLines[m - 1] += Main.ScratchText + kLineEnd;
  }
}

void SolveTwoUnknowns() {
  const auto& M = Stat.EquationMatrix;
  eliminateIntoRow(2, 1);
  Main.ScratchText = rowText(1, 1, 2, false);
  Main.TextLines[1] = Main.ScratchText;

  Stat.Xopt[1] = -divideOrThrow(M(1, 1, 0), M(1, 1, 1));
  Main.TextLines[11] = " X1opt= -k110/k111 =  " + text3(M(1, 1, 0)) + " / " + text3(M(1, 1, 1)) +
                       " = " + text2(Stat.Xopt[1]);

  Stat.Xopt[2] = -divideOrThrow(M(2, 2, 1) * Stat.Xopt[1] + M(2, 2, 0), M(2, 2, 2));
  Main.TextLines[12] = " X2opt =  - ( k220 + k221 * X1opt  )  /  k222 =  -  (  " +
                       text3(M(2, 2, 0)) + " + " + text3(M(2, 2, 1)) + " * " +
                       text3(Stat.Xopt[1]) + "  )  /  " + text3(M(2, 2, 2)) + " = " +
                       text2(Stat.Xopt[2]);
}

void SolveThreeUnknowns() { solveUnknowns(3); }
void SolveFourUnknowns() { solveUnknowns(4); }
void SolveFiveUnknowns() { solveUnknowns(5); }
void SolveSixUnknowns() { solveUnknowns(6); }

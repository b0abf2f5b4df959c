#include "statistics/PlanRegression.h"

#include "core/runtime/RuntimeError.h"
#include "core/runtime/NumberText.h"
#include "core/stat/Stat.h"
#include "core/state/SharedState.h"
#include "core/stat/ScaledNumbers.h"
#include "statistics/ScrolledPicture.h"

namespace planregression {

double regressionAt(const std::array<double, 7>& point, int run) {
  for (int i = 1; i <= Stat.Nf; ++i) Main.X[i] = point[i];
  Stat.RunIndex = static_cast<int16_t>(run);
  EvaluateRegression();
  return Main.Z[run];
}

double evaluateRegressionAtRuns() {
  double largest = -Main.MK;
  for (int r = 1; r <= Stat.RunCount; ++r) {
    std::array<double, 7> point{};
    for (int j = 1; j <= Stat.Nf; ++j) point[j] = Stat.PlanMatrix(j, r);
    Stat.CriterionCalc[r] = regressionAt(point, r);
    if (Stat.CriterionCalc[r] > largest) largest = Stat.CriterionCalc[r];
  }
  return largest;
}

void printRegressionCoefficients(ui::PictureBox& picture, double listX, double below) {
  scrolled::printAt(picture, 15, below - 0.5, "Номер коэффициента уравнения регрессии и его значение");
  const int k = Stat.Nf;
  const int lastTerm = 2 * k + k * (k - 1) / 2;
  for (int i = 0; i <= lastTerm; ++i)
    scrolled::printAt(picture, listX, below - 1.5 - i / 2.0,
                      "b" + Str(i) + "  =  " + Str(cutToMillionths(Stat.RegressionCoefficients[i])));
}

void printOptimumSystem(ui::PictureBox& picture, double below, const ReducedSystemRows& rows,
                        const std::string& systemLead) {
  Main.ScratchText = "Исходная система линейных уравнений и ее решение";
  scrolled::printAt(picture, 1, below - 0.5, Main.ScratchText);
  BuildOptimumSystem();
  throwOnFloatingPointFlags();
  for (int line = 5; line >= 1; --line) scrolled::printAt(picture, 0, below + rows[line], Main.TextLines[line]);
  Main.ScratchText = systemLead;
  FormatOptimumSystem();
  scrolled::printAt(picture, 0, below - 2, Main.ScratchText);
}

}  // namespace planregression

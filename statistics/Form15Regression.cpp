// The last steps of the optimisation window: "5-" fits the quadratic
// regression over the plan and compares it with the criterion, "6-" solves
// for its stationary point and shows the optimum of each plan factor, "7-"
// makes the optimum the new zero level, "8-" draws the regression along each
// plan factor.
#include <string>

#include "core/runtime/ErrorTrap.h"
#include "core/runtime/NumberText.h"
#include "core/stat/Stat.h"
#include "core/state/SharedState.h"
#include "statistics/Form15.h"
#include "statistics/Form15Texts.h"
#include "statistics/PlanRegression.h"
#include "core/stat/ScaledNumbers.h"
#include "statistics/ScrolledPicture.h"

namespace {

const int32_t kComputedColour = RGB(250, 0, 0);
const int32_t kMeasuredColour = RGB(0, 0, 250);
// Colour value 1 (red 1, green 0, blue 0): practically black.
constexpr int32_t kGraphColour = 1;
// "8-": 33 points per plan column from x = -1 to +1 in steps of 1/16, the
// column's graph 4 picture units wide, 5 units apart.
constexpr int kGraphSteps = 32;

}  // namespace

// Command1_Click "5- Найти коэффициенты уравнения регрессии".
// Reads:    the plan, Stat.Criterion, Main.MinValue and MP (as "4-2" left them)
// Writes:   Stat.RegressionCoefficients, CriterionCalc, RunIndex; Main.X, Z;
//           the coefficients, the computed criterion and the legend on the
//           picture
// Notes:    Any fault: "Ошибка при рассчете коэффициентов" ("Celvan7m").
void Form15::Command1_Click() {
  withErrorTrap("Ошибка при рассчете коэффициентов", form15text::kTitle7m, [this] { fitRegression(); });
}

void Form15::fitRegression() {
  ComputeRegressionCoefficients();
  planregression::printRegressionCoefficients(Picture1, 26, layout_.lineBelow);
  planregression::evaluateRegressionAtRuns();
  scrolled::printAt(Picture1, 1, -1, "расчет");
  Picture1.Circle(5, -1.3, 0.2, kComputedColour);
  scrolled::printAt(Picture1, 1, -1.5, "эксперимент");
  Picture1.Circle(5, -1.8, 0.1, kMeasuredColour);
  for (int e = 1; e <= Stat.RunCount; ++e) {
    Picture1.Circle(e / 2.0, (Stat.CriterionCalc[e] - Main.MinValue) / Main.MP, 0.2, kComputedColour);
    scrolled::printAt(Picture1, layout_.columnRight + 5, experimentRow(e), Fix(1000 * Stat.CriterionCalc[e]) / 1000);
  }
}

// Command7_Click "6- Оптимизировать параметры".
// Reads:    Stat.RegressionCoefficients, FactorIndex, ZeroLevels,
//           VariationIntervals
// Writes:   Stat.Xopt(1..k) by plan column and the solver's work state;
//           Main.TextLines, ScratchText; Text14 and Text15 of the plan factors
// Notes:    Any fault (a zero pivot, an optimum too large for the boxes):
//           "Ошибка при решение системы линейных уравнений" ("Celvan7m").
void Form15::Command7_Click() {
  withErrorTrap("Ошибка при решение системы линейных уравнений", form15text::kTitle7m, [this] { solveOptimum(); });
}

void Form15::solveOptimum() {
  const double below = layout_.lineBelow;
  // The reduced systems, from six unknowns down to two.
  planregression::printOptimumSystem(Picture1, below, {0, -14.5, -13, -11, -8.5, -5.5}, "");
  optimumFactors_.clear();
  for (int j = 1; j <= Stat.Nf; ++j) {
    const int f = Stat.FactorIndex[j];
    optimumFactors_.push_back(f);
    scrolled::printAt(Picture1, 12, below - 16.5 - j / 2.0, Main.TextLines[10 + j]);
    Text14[f].setText(Str(cutToMillionths(Stat.Xopt[j])));
    Text15[f].setText(Str(cutToMillionths(Stat.VariationIntervals[f] * Stat.Xopt[j] + Stat.ZeroLevels[f])));
  }
}

// Command9_Click "7- задать X0(i) = X(i)opt": the natural optimum of each
// factor of the plan, as its box shows it, becomes its zero level. A factor
// outside the plan has no optimum (its box shows only its start text) and
// keeps its zero level.
void Form15::Command9_Click() {
  for (const int f : optimumFactors_) Text11[f].setText(Text15[f].Text());
}

// Command13_Click "8- Построить графики": the regression along each plan
// column from -1 to +1, the other columns at 0 or, with "+X(i)=X(i)opt", at
// their coded optima, on the base and scale of Text1 and Text2.
// Notes:    Any fault (a box that is no number, a scale of 0, a point too far
//           off the picture): "Ошибка при построение графиков" CR LF
//           "Попробуйте увеличить масштаб" ("Celvan7m").
void Form15::Command13_Click() {
  withErrorTrap("Ошибка при построение графиков\r\nПопробуйте увеличить масштаб", form15text::kTitle7m,
                [this] { drawGraphs(); });
}

void Form15::drawGraphs() {
  Main.MP = CDbl(Text2.Text());
  Main.MinValue = CDbl(Text1.Text());
  const int k = Stat.Nf;
  for (int f = 1; f <= k; ++f) {
    Stat.RunIndex = static_cast<int16_t>(f);
    for (int j = 1; j <= k; ++j) Main.X[j] = Check4.Value() == 1 ? CDbl(Text14[Stat.FactorIndex[j]].Text()) : 0;
    for (int g = 0; g <= kGraphSteps; ++g) {
      Main.X[f] = g / 16.0 - 1;
      EvaluateRegression();
      Main.Y[f] = Main.Z[f];
      Picture1.Circle(5 * f - 4 + g / 8.0, (Main.Y[f] - Main.MinValue) / Main.MP, 0.04, kGraphColour);
    }
  }
}

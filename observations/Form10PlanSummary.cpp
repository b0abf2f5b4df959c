// The plan over the observations on the result picture Picture4: the
// summary of the plan the plan window has loaded (its levels, the velocity
// of the Solar System, the coded levels of every run), the quadratic
// regression of the runs' criterion with the computed beside the measured
// criterion, and the regression along each factor through the coded optima
// of the plan window.
#include <array>
#include <string>

#include "core/Constants.h"
#include "core/runtime/ErrorTrap.h"
#include "core/runtime/NumberText.h"
#include "core/runtime/RuntimeError.h"
#include "core/stat/Stat.h"
#include "core/state/SharedState.h"
#include "observations/Form10.h"
#include "observations/Form13.h"
#include "observations/ModelBodiesKeeper.h"
#include "statistics/PlanRegression.h"
#include "core/stat/ScaledNumbers.h"
#include "statistics/ScrolledPicture.h"

namespace {

constexpr const char* kTitle = "Celvan7";
constexpr const char* kRegressionError = "Ошибка при расчете коэффициентов уравнения регрессии";
constexpr const char* kPlotError = "Ошибка при построение графиков";

using astro::kMetresPerKilometre;
// The chart of the runs: the largest computed criterion stands this high.
constexpr double kChartHeight = 10;
const int32_t kComputedColour = RGB(250, 0, 0);
// Colour value 1 (red 1, green 0, blue 0): practically black.
constexpr int32_t kMeasuredColour = 1;
// The response plots: 33 dots per factor over the coded range -1..+1, each
// factor's panel 4 units wide.
constexpr int kResponseSteps = 32;
constexpr double kPanelWidth = 4;

// The rows of the summary's table under the picture's top H: the run table
// starts 10.5 units down, one run every half unit.
constexpr double kRunTableTop = 10.5;

double runRow(double top, int run) { return top - kRunTableTop - run / 2.0; }

// The number of factors of the current plan, refused outside 2..6: a
// refused selection of factors leaves no plan to fit or to plot.
int planFactors() {
  const int k = Stat.Nf;
  if (k < 2 || k > 6) throw RuntimeError(ErrorCode::InvalidCall, "К-во факторов должно быть от 2 до 6");
  return k;
}

// A filled disc.
void disc(ui::PictureBox& picture, double x, double y, double radius, int32_t colour) {
  picture.setFillStyle(ui::Fill::Solid);
  picture.setFillColor(colour);
  picture.Circle(x, y, radius, colour);
}

// A length kept in metres shown in thousand km, cut to the metre; any other
// plan value cut to six decimals.
double shownLevel(int parameter, double value) {
  return parameter == 1 ? wholeUnits(value) / Main.MK : cutToMillionths(value);
}

std::string parameterLine(int i) {
  const std::string gap = i == 1 ? "          " : "             ";
  return "X" + Str(i) + gap + Str(shownLevel(i, Stat.ZeroLevels[i])) + "          " +
         Str(shownLevel(i, Stat.VariationIntervals[i])) + "            Xopt" + Str(i) + "             " +
         Str(cutToMillionths(Stat.Xopt[i])) + "          " + Str(shownLevel(i, Stat.XoptNatural[i]));
}

}  // namespace

// Text52_Change: written by the plan window when it has loaded plan data.
void Form10::Text52_Change() { PrintPlanSummary(); }

// PrintPlanSummary: a fresh result picture with the plan's title, its dates,
// the levels of all nine parameters, the velocity of the Solar System, the
// precession and the weight of the data point, and one row per run with its
// coded levels. The regression and the optimum print below the run table.
// Reads:    Main.TextLines(2), StartDay, StartMonth, StartYear, EndYear, MK;
//           Stat.ZeroLevels, VariationIntervals, Xopt, XoptNatural (1..10),
//           Nf, RunCount, PlanMatrix; the plan window's velocity and precession
// Writes:   Picture4; PlanLineBelow
void Form10::PrintPlanSummary() {
  PrepareResultPicture();
  const double top = pictureHeight_;
  const Form13& plan = form13();
  scrolled::printAt(Picture4, 0, top, Main.TextLines[2]);
  scrolled::printAt(Picture4, 0, top - 1,
                    "Данные оптимизированы с " + Str(Main.StartDay) + "." + Str(Main.StartMonth) + "." +
                        Str(Main.StartYear) + " по " + Str(Main.EndYear));
  scrolled::printAt(Picture4, 0, top - 2, "Нулевые уровни, интервалы варьирования и оптимальные значения параметров");
  scrolled::printAt(Picture4, 1, top - 3, parameterLine(1));
  for (int i = 2; i <= 9; ++i) scrolled::printAt(Picture4, 1, top - 2.5 - i / 2.0, parameterLine(i));
  scrolled::printAt(Picture4, 0, top - 8,
                    "Скорость Солнечной системы по осям X Y Z км/с и прецессия (угл. сек.) за 100 лет и вес точки\r\n");
  const std::string gap = "     ";
  scrolled::printAt(Picture4, 0, top - 9,
                    Str(Fix(plan.VXsys) / kMetresPerKilometre) + gap + Str(Fix(plan.VYsys) / kMetresPerKilometre) +
                        gap + Str(Fix(plan.VZsys) / kMetresPerKilometre) + gap +
                        Str(cutToMillionths(plan.PrecessionRate)) + gap + Str(cutToMillionths(Stat.ZeroLevels[10])));
  scrolled::printAt(Picture4, 0, top - 10, "Номер эксперимента, уровни и значение критерия (экспериментальное и расчетное)");
  const int factors = Stat.Nf >= 1 && Stat.Nf <= 6 ? Stat.Nf : 0;
  for (int run = 1; run <= Stat.RunCount; ++run) {
    scrolled::printAt(Picture4, 0, runRow(top, run), static_cast<double>(run));
    for (int i = 1; i <= factors; ++i)
      scrolled::printAt(Picture4, i + 1, runRow(top, run), Fix(100 * Stat.PlanMatrix(i, run)) / 100);
  }
  PlanLineBelow = top - kRunTableTop - (Stat.RunCount + 1) / 2.0;
}

// Command10_Click "Найти коэффициенты уравнения регрессии": the plan built
// again, the quadratic regression fitted to the runs' criterion, its
// coefficients listed right of the run table, its value at every run on the
// run's row and on the chart of the runs (red, the measured criterion in
// black), scaled so that the largest computed value stands 10 units high.
// Reads:    Stat.Nf, PlanType, N0, Criterion(1..n)
// Writes:   Stat.PlanMatrix and the plan's moments and constants,
//           RegressionCoefficients, CriterionCalc(1..n); Picture4 (the
//           model's bodies, through which the regression is evaluated, are
//           put back)
// Notes:    no plan of 2..6 factors or a singular plan: "Ошибка при расчете
//           коэффициентов уравнения регрессии". When the largest computed
//           criterion is 0 the chart is drawn unscaled.
void Form10::Command10_Click() {
  // The regression reads its point from the bodies' X and leaves its value
  // in their Z: the model's bodies are kept.
  const auto modelBodies = keepModelBodies();
  withErrorTrap(kRegressionError, kTitle, [this] {
    planFactors();
    BuildPlanMatrix();
    ComputeRotatableCoefficients();
    ComputeRegressionCoefficients();
    throwOnFloatingPointFlags();
    planregression::printRegressionCoefficients(Picture4, 18, PlanLineBelow);
    const double largest = planregression::evaluateRegressionAtRuns();
    const double scale = largest != 0 ? kChartHeight / largest : 1;
    scrolled::printAt(Picture4, 1, -1, "расчет");
    disc(Picture4, 5, -1.3, 0.2, kComputedColour);
    scrolled::printAt(Picture4, 1, -1.5, "эксперимент");
    disc(Picture4, 5, -1.8, 0.1, kMeasuredColour);
    const double top = pictureHeight_;
    for (int r = 1; r <= Stat.RunCount; ++r) {
      scrolled::printAt(Picture4, 14.5, runRow(top, r), cutToMillionths(Stat.CriterionCalc[r]));
      disc(Picture4, r / 2.0, scale * Stat.CriterionCalc[r], 0.2, kComputedColour);
      disc(Picture4, r / 2.0, scale * Stat.Criterion[r], 0.1, kMeasuredColour);
    }
  });
}

// Command12_Click "Построить графики при X(i)=X(i)opt": for each factor a
// panel 4 units wide from x = 4 (i - 1), the regression along that factor
// from -1 at the panel's left edge to +1 at its right edge, the other
// factors at the coded optima of the plan window, each value divided by the
// scale of the criterion ("MdR,тыс.км/см", or "MdAlfa, угл.сек/см" with
// "Abs(dL)") and raised by "dY, см". Nothing is cleared first.
// Reads:    Text53, Text49 or Text20; the plan window's Text3 of each factor
// Writes:   Stat.RunIndex; Picture4 (the model's bodies are put back)
// Notes:    every box is read first; one that holds no number, a scale of 0
//           or no plan of 2..6 factors shows "Ошибка при построение
//           графиков" and draws nothing.
void Form10::Command12_Click() {
  const auto modelBodies = keepModelBodies();
  withErrorTrap(kPlotError, kTitle, [this] {
    const int k = planFactors();
    const double offset = CDbl(Text53.Text());
    const double scale = CDbl(Option18.Value() ? Text20.Text() : Text49.Text());
    if (scale == 0) throw RuntimeError(ErrorCode::DivisionByZero, "response plot: scale 0");
    std::array<double, 7> optimum{};
    Form13& plan = form13();
    for (int j = 1; j <= k; ++j) optimum[j] = CDbl(plan.Text3[Stat.FactorIndex[j]].Text());

    scrolled::printAt(Picture4, 2, 7.4,
                      "X1                           X2                             X3"
                      "                          X4                           X5                           X6");
    for (int i = 1; i <= k; ++i) {
      const int32_t colour = RGB(Main.ColorR[i + 1], Main.ColorG[i + 1], Main.ColorB[i + 1]);
      const double left = (i - 1) * kPanelWidth;
      std::array<double, 7> point = optimum;
      for (int t = 0; t <= kResponseSteps; ++t) {
        point[i] = t / 16.0 - 1;
        const double response = planregression::regressionAt(point, i);
        disc(Picture4, left + t / 8.0, response / scale + offset, 0.04, colour);
      }
      Picture4.Line(left, 6, left, 0, kMeasuredColour);
    }
  });
}

// The regression of the criterion and what follows from it: its
// coefficients and its values at the runs beside the experiments, its curves
// along each factor through the optimum boxes, its stationary point with the
// transcript of the solved system, and its value at a typed point.
#include <array>
#include <string>

#include "core/runtime/ErrorTrap.h"
#include "core/runtime/MessageBox.h"
#include "core/runtime/NumberText.h"
#include "core/runtime/RuntimeError.h"
#include "core/stat/Stat.h"
#include "core/state/SharedState.h"
#include "statistics/Form18.h"
#include "statistics/Form18Texts.h"
#include "statistics/PlanRegression.h"

namespace {

const int32_t kCalculatedColour = RGB(250, 0, 0);
const int32_t kExperimentColour = RGB(0, 0, 250);
constexpr double kCalculatedRadius = 0.2;
constexpr double kExperimentRadius = 0.1;
// The curves: 33 dots of radius 0.04 in colour value 1 (nearly black) over
// the coded range -1..+1 of each factor, in steps of 1/16.
const int32_t kCurveColour = 1;
constexpr double kCurveDotRadius = 0.04;
constexpr int kCurveSteps = 32;

constexpr int kDOptimalPlan = 4;

int modelColumnCount(int k) { return 2 * k + k * (k - 1) / 2; }

// The number of factors of the current plan, refused outside 2..6 (the
// regression has no value there).
int planFactors() {
  const int k = Stat.Nf;
  if (k < 2 || k > 6) throw RuntimeError(ErrorCode::InvalidCall, "К-во факторов должно быть от 2 до 6");
  return k;
}

}  // namespace

// Command1_Click "Найти коэффициенты уравнения регрессии".
// Reads:    the plan, Stat.Criterion(1..n); Main.MinValue, MP, PrintLineY,
//           PrintColumnX, PictureHeight
// Writes:   Stat.RegressionCoefficients and the sums of the fit,
//           CriterionCalc(1..n), Yopt, RunIndex; Main.X, Z; the picture
// Notes:    A D-optimal plan has constants for four and five factors only:
//           for any other count "D план только для 4-х или 5-и факторов".
//           The created plan's type decides, not the option chosen now, so
//           a plan is never fitted with the constants of another.
//           A run-time error: "Ошибка при обработке данных".
void Form18::Command1_Click() {
  if (Stat.PlanType == kDOptimalPlan && Stat.Nf != 4 && Stat.Nf != 5) {
    MsgBox(form18text::kDPlanFactors, form18text::kTitle);
    return;
  }
  withErrorTrap(form18text::kRegressionError, form18text::kTitle, [this] {
    planFactors();
    ComputeRegressionCoefficients();
    throwOnFloatingPointFlags();
    printRegressionCoefficients();
    plotRegressionAtRuns();
  });
}

// b0 .. bM down the picture at x = 26, each cut to six decimals, labelled by
// its index in RegressionCoefficients.
void Form18::printRegressionCoefficients() {
  for (int i = 0; i <= modelColumnCount(Stat.Nf); ++i)
    printAt(26, Main.PrintLineY - 2 - i / 2.0,
            "b" + std::to_string(i) + "  =  " + Str(truncateDecimals(Stat.RegressionCoefficients[i], 6)));
}

// The regression at each run's coded point: a red circle above the run (the
// experiments are the blue ones) and its value on the run's row.
void Form18::plotRegressionAtRuns() {
  planregression::evaluateRegressionAtRuns();
  printAt(1, -1, "расчет");
  Picture1.Circle(5, -1.3, kCalculatedRadius, kCalculatedColour);
  printAt(1, -1.5, "эксперимент");
  Picture1.Circle(5, -1.8, kExperimentRadius, kExperimentColour);
  for (int r = 1; r <= Stat.RunCount; ++r) {
    Picture1.Circle(r / 2.0, plotHeight(Stat.CriterionCalc[r]), kCalculatedRadius, kCalculatedColour);
    printAt(Main.PrintColumnX + 6, Main.PictureHeight - (r - 1) / 2.0,
            Str(truncateDecimals(Stat.CriterionCalc[r], 6)));
  }
}

// Command13_Click "Построить графики по уравнению регрессии при
// X(i)=X(i)opt": the regression along each factor over its coded range, the
// other factors at their optimum boxes; factor b's 33 dots over x = 5b - 4
// to 5b. The picture is not cleared first.
// Reads:    Text20 (MP), Text7 (Ymin), Text3(1..k)
// Writes:   Main.MP, MinValue, X, Y(1..k), Z; Stat.RunIndex, Yopt
// Notes:    A run-time error (boxes that are no numbers, a zero scale):
//           "Ошибка при построение графиков".
void Form18::Command13_Click() {
  withErrorTrap(form18text::kGraphsError, form18text::kTitle, [this] { drawRegressionCurves(); });
}

void Form18::drawRegressionCurves() {
  Main.MP = CDbl(Text20.Text());
  Main.MinValue = CDbl(Text7.Text());
  const int k = planFactors();
  for (int b = 1; b <= k; ++b) {
    std::array<double, 7> point{};
    for (int j = 1; j <= k; ++j) point[j] = CDbl(Text3[j].Text());
    for (int g = 0; g <= kCurveSteps; ++g) {
      point[b] = g / 16.0 - 1;
      Main.Y[b] = planregression::regressionAt(point, 1);
      Picture1.Circle(5.0 * b - 4 + g / 8.0, plotHeight(Main.Y[b]), kCurveDotRadius, kCurveColour);
    }
  }
}

// Command5_Click "Оптимизировать параметры": the stationary point of the
// regression, with the system dy/dXi = 0, its reduction and solution printed
// below the plan table, the optimum in the boxes and the regression's value
// there.
// Reads:    Stat.RegressionCoefficients, ZeroLevels, VariationIntervals;
//           Main.MK, PrintLineY
// Writes:   Text3(1..k) (coded optimum), Text4(1..k) (natural, cut to six
//           decimals); all that BuildOptimumSystem and FormatOptimumSystem
//           write; Main.X, Z, ScratchText; Stat.RunIndex, Yopt; the picture
// Notes:    The value at the optimum is the regression's: it is in the
//           units of the criterion the regression was fitted to, and the
//           experiments' criterion values stay as they are. A singular
//           system (no row exchange is made) ends in "Ошибка при решение
//           системы линейных уравнений".
void Form18::Command5_Click() {
  withErrorTrap(form18text::kOptimumError, form18text::kTitle, [this] { solveForOptimum(); });
}

void Form18::solveForOptimum() {
  const int k = planFactors();
  const double y = Main.PrintLineY;
  Main.ScratchText = "Исходная система линейных уравнений и ее решение";
  printAt(1, y - 6.5, Main.ScratchText);
  BuildOptimumSystem();
  throwOnFloatingPointFlags();
  const std::array<double, 5> reducedSystemY{-20, -18.5, -16.5, -14, -11};  // TextLines(1..5)
  for (int line = 1; line <= 5; ++line) printAt(0, y + reducedSystemY[line - 1], Main.TextLines[line]);
  Main.ScratchText = "";
  FormatOptimumSystem();
  printAt(0, y - 7.5, Main.ScratchText);

  std::array<double, 7> optimum{};
  for (int i = 1; i <= k; ++i) {
    printAt(12, y - 16.5 - i / 2.0, Main.TextLines[10 + i]);
    Text3[i].setText(Str(Stat.Xopt[i]));
    const double natural = Stat.VariationIntervals[i] * Stat.Xopt[i] + Stat.ZeroLevels[i];
    Text4[i].setText(Str(Fix(Main.MK * natural) / Main.MK));
  }
  for (int i = 1; i <= k; ++i) optimum[i] = CDbl(Text3[i].Text());
  const double valueAtOptimum = planregression::regressionAt(optimum, 1);
  Main.ScratchText = "       X0        X1        X2        X3        X4        X5        X6                   Yopt= " +
                     Str(truncateDecimals(valueAtOptimum, 6));
  printAt(0, y - 21, Main.ScratchText);
}

// Command6_Click "задать X(i)opt=0": the optimum boxes of the plan's factors
// back to 0 (the curves then pass through the zero levels).
void Form18::Command6_Click() {
  const int k = Stat.Nf < 6 ? Stat.Nf : 6;
  for (int i = 1; i <= k; ++i) {
    Text4[i].setText("0");
    Text3[i].setText("0");
  }
}

// Command9_Click "f (X1...X6)=": the regression at the coded point typed
// into the zero-level boxes Text1(1..k), shown in Text9 in the units of the
// criterion it was fitted to.
// Notes:    A box that is not a number, or no plan of 2..6 factors, shows
//           "Введите правильно X1...X6 в поля нулевых уровней".
void Form18::Command9_Click() {
  withErrorTrap(form18text::kPointError, form18text::kTitle, [this] {
    const int k = planFactors();
    std::array<double, 7> point{};
    for (int i = 1; i <= k; ++i) point[i] = CDbl(Text1[i].Text());
    const double value = planregression::regressionAt(point, 1);
    throwOnFloatingPointFlags();
    Text9.setText(Str(value));
  });
}

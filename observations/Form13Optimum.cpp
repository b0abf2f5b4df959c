// The optimum of a plan over the observations: the stationary point of the
// regression the observation window has fitted, printed with its system of
// equations on that window's result picture and shown in the optimum boxes;
// the natural optimum made the zero levels of the next plan; the coded
// optima cleared.
#include "core/runtime/ErrorTrap.h"
#include "core/runtime/NumberText.h"
#include "core/runtime/RuntimeError.h"
#include "core/state/SharedState.h"
#include "observations/Form10.h"
#include "observations/Form13.h"
#include "statistics/PlanRegression.h"
#include "core/stat/ScaledNumbers.h"
#include "statistics/ScrolledPicture.h"

namespace {

constexpr double kThousand = 1000;

// The factors of the plan in force, refused outside 2..6 so that a refused
// selection of factors never reaches the solver.
int planFactors() {
  const int k = Stat.Nf;
  if (k < 2 || k > 6) throw RuntimeError(ErrorCode::InvalidCall, "К-во факторов должно быть от 2 до 6");
  return k;
}

// The parameter of plan factor j, or 0 when the factor list holds none.
int parameterOf(int j) {
  const int i = Stat.FactorIndex[j];
  return i >= 1 && i <= 9 ? i : 0;
}

}  // namespace

// Command3_Click "Оптимизировать отмеченные параметры": the stationary
// point of the regression as it stands (the boxes are not read first), the
// system dy/dx = 0 with its reduced forms and solution printed below the
// run table of the observation window's result picture, the coded optimum
// of each factor in Text3 (six decimals) and the natural one, zero level +
// interval × coded optimum, in Text4 (nine decimals; the mean distance in
// thousand km to the metre). Boxes of parameters that are no factors keep
// their texts; the coded optimum may lie outside the plan's region.
// Reads:    Stat.Nf, FactorIndex, RegressionCoefficients, ZeroLevels,
//           VariationIntervals; the observation window's PlanLineBelow
// Writes:   Stat.Xopt(1..Nf) and the solver's work state; Main.TextLines,
//           ScratchText; the observation window's Picture4; Text3, Text4
// Notes:    a zero pivot or no plan of 2..6 factors: "Ошибка при решение
//           системы линейных уравнений" ("Celvan7"); what was printed or
//           filled before stays.
void Form13::Command3_Click() {
  withErrorTrap("Ошибка при решение системы линейных уравнений", "Celvan7", [this] {
    const int k = planFactors();
    Form10& observations = form10();
    const double below = observations.PlanLineBelow;
    planregression::printOptimumSystem(observations.Picture4, below, {0, -14.5, -13, -11, -8.5, -4.5}, "\r\n");
    for (int j = 1; j <= k; ++j) {
      scrolled::printAt(observations.Picture4, 12, below - 1.5 - j / 2.0, Stat.Xopt[j]);
      const int i = parameterOf(j);
      if (i == 0) continue;
      const double natural = Stat.VariationIntervals[i] * Stat.Xopt[j] + Stat.ZeroLevels[i];
      Text3[i].setText(Str(cutToMillionths(Stat.Xopt[j])));
      Text4[i].setText(Str(i == 1 ? wholeUnits(natural) / Main.MK : wholeUnits(natural * Main.MK * kThousand) / kThousand / Main.MK));
    }
  });
}

// Command5_Click "Задать нулевые уровни = X(i)opt": the natural optimum of
// each plan factor, as its box shows it, into its zero-level box. The plan
// state takes it at the next reading of the boxes.
void Form13::Command5_Click() {
  const int k = Stat.Nf >= 0 && Stat.Nf <= 9 ? Stat.Nf : 0;
  for (int j = 1; j <= k; ++j)
    if (const int i = parameterOf(j)) Text1[i].setText(Text4[i].Text());
}

// Command6_Click "X(i)opt=0": every coded-optimum box to 0, factor or not.
void Form13::Command6_Click() {
  for (int i = 1; i <= 9; ++i) Text3[i].setText("0");
}

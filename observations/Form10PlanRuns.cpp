// "Выполнить эксперименты с": the experiments of the plan built on the plan
// window. Each experiment from Text26 to Text27 is one full reduction of the
// same observations with the orbit of its plan row (parameters 1..9: the
// zero levels, a factor's parameter moved by its coded level times its
// interval); its criterion is printed on the result picture, one line per
// experiment. With "использовать тест" the criteria come instead from the
// quadratic test function whose regression coefficients are all 1.
#include <string>

#include "core/runtime/ErrorTrap.h"
#include "core/runtime/NumberText.h"
#include "core/runtime/ProgramFolder.h"
#include "core/runtime/RuntimeError.h"
#include "core/stat/Stat.h"
#include "core/state/SharedState.h"
#include "observations/Form10.h"
#include "observations/Form10Texts.h"
#include "observations/Form13.h"
#include "observations/ModelBodiesKeeper.h"
#include "statistics/ScrolledPicture.h"
#include "ui/Runtime.h"

namespace {

// Where the criteria stand on the result picture: the column, and how far
// below the top the line of experiment 0 would stand (each experiment half
// a unit lower).
constexpr double kCriterionColumn = 8.5;
constexpr double kRunsBelowTop = 10.5;
constexpr double kTestBelowTop = 9.5;
constexpr int kModelTerms = 27;

// The natural values of parameters 1..9 in experiments 1..last.
void fillRunValues(int last) {
  for (int j = 1; j <= last; ++j) {
    for (int p = 1; p <= 9; ++p) Stat.RunValues(p, j) = Stat.ZeroLevels[p];
    for (int i = 1; i <= Stat.Nf; ++i) {
      const int p = Stat.FactorIndex[i];
      Stat.RunValues(p, j) = Stat.PlanMatrix(i, j) * Stat.VariationIntervals[p] + Stat.ZeroLevels[p];
    }
  }
}

}  // namespace

void Form10::Command7_Click() {
  if (Check8.Value() == 1)
    runTestFunction();
  else
    runPlanExperiments();
}

// The experiments are checked before any runs: both numbers whole numbers,
// the first at least 1, the last an experiment of the plan (at most 91).
// After the last one the date boxes go back to the start date and the end
// sound plays; a stop, a refused reopening of the observatory file or the
// window's closing ends the series where it stands.
void Form10::runPlanExperiments() {
  ReadObservationInputs();
  if (Main.StopFlag == 1) return;
  int first = 0, last = 0;
  const bool numbered = withErrorTrap(form10text::kBadData, form10text::kRunTitle, [&] {
    first = CInt(Text26.Text());
    last = CInt(Text27.Text());
    if (first < 1 || last > Stat.RunCount)
      throw RuntimeError(ErrorCode::SubscriptOutOfRange, "experiment beyond the plan");
  });
  if (!numbered) return;
  Stat.LastRun = static_cast<int16_t>(last);
  fillRunValues(last);
  for (int run = first; run <= last; ++run)
    if (!runExperiment(run)) return;
  if (!tableSourceChosen() &&
      !withErrorTrap(form10text::kBadData, form10text::kRunTitle, [this] { reopenObservatoryFile(); }))
    return;
  Command18_Click();
  if (Check30.Value() == 1) ui::playWaveFile(programPath("\\Arhiv\\tada.wav"));
}

// One experiment from clean sums, from the start epoch and, for an
// observatory, from the first record of its file. False when the series
// must end.
bool Form10::runExperiment(int run) {
  Stat.RunIndex = static_cast<int16_t>(run);
  Text26.setText(Str(run));
  if (!tableSourceChosen() &&
      !withErrorTrap(form10text::kBadData, form10text::kRunTitle, [this] { reopenObservatoryFile(); }))
    return false;
  Main.StopFlag = 0;
  Main.DateErrorFlag = 0;
  clearRunStatistics();
  Main.JD = Main.JD0 - inputs_.step;
  jdWhole_ = static_cast<long>(Fix(Main.JD));
  jdFraction_ = Main.JD - jdWhole_;
  ReduceObservations();
  if (!isLoaded()) return false;
  printCriterion(run, kRunsBelowTop);
  return Main.StopFlag != 1;
}

// The test function 1 + Σx_i + Σx_i·x_j + Σx_i² at every run of the plan.
// Its factors get zero level 0 and interval 1 in the plan window's boxes
// and in the plan state alike, so that natural values equal coded ones and
// the boxes, the master copy of the plan, say what the state holds.
void Form10::runTestFunction() {
  for (int i = 0; i <= kModelTerms; ++i) Stat.RegressionCoefficients[i] = 1;
  Form13& plan = form13();
  for (int i = 1; i <= Stat.Nf; ++i) {
    const int p = Stat.FactorIndex[i];
    plan.Text1[p].setText("0");
    plan.Text2[p].setText("1");
    Stat.ZeroLevels[p] = 0;
    Stat.VariationIntervals[p] = 1;
  }
  for (int run = 1; run <= Stat.RunCount; ++run) {
    {
      // The regression reads its point from the bodies' X and leaves its
      // value in their Z: the model's bodies are kept.
      const auto modelBodies = keepModelBodies();
      Stat.RunIndex = static_cast<int16_t>(run);
      for (int i = 1; i <= Stat.Nf; ++i) Main.X[i] = Stat.PlanMatrix(i, run);
      EvaluateRegression();
      Stat.Criterion[run] = Main.Z[run];
    }
    printCriterion(run, kTestBelowTop);
  }
}

// The criterion of a run cut to six decimals, half a unit lower for each
// run.
void Form10::printCriterion(int run, double belowTop) {
  scrolled::printAt(Picture4, kCriterionColumn, pictureHeight_ - belowTop - run / 2.0,
                    Fix(Main.MK * Stat.Criterion[run]) / Main.MK);
}

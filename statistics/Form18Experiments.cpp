// "Выполнить эксперименты и рассчитать критерий": every run of the current
// plan gets its experiment value from the standard quadratic test, from the
// test function chosen on Form8, or from the model window's test-plan result
// file; the values become the chosen kind of criterion, printed beside the
// plan table and plotted above the axis.
#include <QPoint>
#include <QWidget>

#include <array>
#include <cmath>
#include <string>

#include "core/runtime/ErrorTrap.h"
#include "core/runtime/MessageBox.h"
#include "core/runtime/NumberText.h"
#include "core/runtime/ProgramFolder.h"
#include "core/runtime/RuntimeError.h"
#include "core/runtime/TextFile.h"
#include "core/stat/Stat.h"
#include "core/state/SharedState.h"
#include "statistics/Form18.h"
#include "statistics/Form18Texts.h"
#include "statistics/Form8.h"

namespace {

const int32_t kExperimentColour = RGB(0, 0, 250);
constexpr double kExperimentRadius = 0.1;
// The test functions of Form8 read four factors.
constexpr int kTestFunctionFactors = 4;

// What the test-plan result file holds, read whole before any of it is used.
struct TestPlanResults {
  double factorCount = 0;
  double experimentCount = 0;
  double referenceValue = 0;             // Yopt
  std::array<double, 7> zeroLevels{};    // factors 1..6
  std::array<double, 7> intervals{};
  std::array<double, 92> values{};       // runs 1..91
};

// The value of a file item that carries the factor MK.
double withoutMK(double item) {
  if (Main.MK == 0) throw RuntimeError(ErrorCode::DivisionByZero, "Division by zero");
  return item / Main.MK;
}

}  // namespace

// Command4_Click "Выполнить эксперименты и рассчитать критерий".
// Reads:    Frame3's options ("ст. теста", "доп. тестов", "из файла"),
//           Frame9's options, Check4, Text1(1..6), Text2(1..6), Form8's
//           options, the test-plan result file; the current plan
// Writes:   Stat.Criterion(1..n) and Criterion(99), Yopt, RunValues,
//           ZeroLevels, VariationIntervals, RegressionCoefficients (all 1 for
//           the tests); Main.X, Z, MinValue, MaxValue, MP; Text6, Text7,
//           Text20; from the file also Check3, Text1, Text2 and
//           Stat.LastRun; the picture
// Notes:    Each message ends the click; what was stored before stays.
void Form18::Command4_Click() {
  const bool haveExperiments = Option7.Value() ? readTestPlanResultFile() : computeTestExperiments();
  if (!haveExperiments) return;
  withErrorTrap(form18text::kCriterionError, form18text::kTitle, [this] { turnExperimentsIntoCriterion(); });
}

// Option8_Click "доп. тестов": the window of the test functions comes up
// over the top left corner of the picture, clear of this window's controls.
void Form18::Option8_Click() {
  if (!Option8.Value()) return;
  Form8& tests = form8();
  tests.window()->move(Picture3.widget()->mapToGlobal(QPoint(0, 0)));
  tests.Show();
}

// The experiments from the standard test or from the test function of
// Form8, at the natural factor values zero level + coded level x interval.
// A factor that the plan does not have (the test functions read four) stays
// at its zero level. Returns false after a message.
bool Form18::computeTestExperiments() {
  bool stoppedByZeroDivisor = false;
  const bool computed = withErrorTrap(form18text::kBadLevels, form18text::kTitle, [&] {
    for (int t = 0; t <= 27; ++t) Stat.RegressionCoefficients[t] = 1;
    for (int i = 1; i <= 6; ++i) {
      Stat.ZeroLevels[i] = CDbl(Text1[i].Text());
      Stat.VariationIntervals[i] = CDbl(Text2[i].Text());
    }
    const int k = Stat.Nf;
    for (int r = 1; r <= Stat.RunCount; ++r) {
      Stat.RunIndex = static_cast<int16_t>(r);
      if (Option6.Value()) {
        for (int i = 1; i <= k; ++i) {
          Main.X[i] = Stat.PlanMatrix(i, r) * Stat.VariationIntervals[i] + Stat.ZeroLevels[i];
          Stat.RunValues(i, r) = Stat.PlanMatrix(i, r);
        }
        EvaluateRegression();
        Stat.Criterion[r] = Main.Z[r];
      } else {
        for (int i = 1; i <= k; ++i)
          Stat.RunValues(i, r) = Stat.PlanMatrix(i, r) * Stat.VariationIntervals[i] + Stat.ZeroLevels[i];
        for (int i = k + 1; i <= kTestFunctionFactors; ++i) Stat.RunValues(i, r) = Stat.ZeroLevels[i];
        if (form8().Option5.Value() && Stat.RunValues(4, r) == 0) {
          MsgBox(form18text::kDivisionInRun + Str(r), form18text::kTitle);
          stoppedByZeroDivisor = true;
          return;
        }
        EvaluateTestFunction();
      }
      throwOnFloatingPointFlags();
    }
  });
  return computed && !stoppedByZeroDivisor;
}

// The experiments of the model window's test runs, from "\Dat\NabPlan" & k &
// ".txt": its counts must match the plan. The whole file is read before any
// of it is used, so a short or malformed file changes nothing.
bool Form18::readTestPlanResultFile() {
  const std::string fileName = form18text::testPlanResultFileName(Stat.Nf);
  int file = 0;
  const bool opened = withErrorTrap(form18text::fileMessage(form18text::kFileMissing, fileName), form18text::kTitle,
                                    [&] {
                                      file = FreeFile();
                                      Open(programPath(fileName), OpenMode::Input, file);
                                    });
  if (!opened) return false;

  TestPlanResults results;
  bool countsMatch = true;
  const bool read = withErrorTrap(form18text::fileMessage(form18text::kFileUnreadable, fileName),
                                  form18text::kTitle, [&] {
    InputText(file);
    results.factorCount = InputNumber(file);
    results.experimentCount = InputNumber(file);
    results.referenceValue = withoutMK(InputNumber(file));
    countsMatch = results.factorCount == Stat.Nf && results.experimentCount == Stat.RunCount;
    if (!countsMatch) return;
    for (int i = 1; i <= Stat.Nf; ++i) {
      results.zeroLevels[i] = withoutMK(InputNumber(file));
      results.intervals[i] = withoutMK(InputNumber(file));
    }
    InputText(file);
    for (int r = 1; r <= Stat.RunCount; ++r) {
      InputNumber(file);  // the experiment number
      results.values[r] = withoutMK(InputNumber(file));
    }
  });
  Close(file);
  if (!read) return false;
  if (!countsMatch) {
    MsgBox(form18text::fileMessage(form18text::kFileCounts, fileName), form18text::kTitle);
    return false;
  }

  const int k = Stat.Nf;
  Stat.LastRun = Stat.RunCount;
  Stat.Yopt = results.referenceValue;
  for (int i = 1; i <= 6; ++i) Check3[i].setValue(i <= k ? 1 : 0);
  for (int i = 1; i <= k; ++i) {
    Stat.ZeroLevels[i] = results.zeroLevels[i];
    Stat.VariationIntervals[i] = results.intervals[i];
    Text1[i].setText(Str(results.zeroLevels[i]));
    Text2[i].setText(Str(results.intervals[i]));
  }
  for (int r = 1; r <= Stat.RunCount; ++r) Stat.Criterion[r] = results.values[r];
  return true;
}

// The experiments turned into the chosen kind of criterion ("Y", "dY= Y -
// Yopt", "dY^2", "Abs(dY)"), each divided by Yopt with its sign when "dY/Yopt"
// is ticked; printed beside the plan table (run number, value) and drawn as
// circles scaled so that the criterion spans y = 0 to 10.
void Form18::turnExperimentsIntoCriterion() {
  Text6.setText(Str(Stat.Yopt));
  const int runs = Stat.RunCount;
  if (runs < 1) throw RuntimeError(ErrorCode::InvalidCall, "No plan");
  const double divisor = criterionDivisor();
  Stat.Criterion[99] = divisor;
  for (int r = 1; r <= runs; ++r) {
    const double deviation = Stat.Criterion[r] - Stat.Yopt;
    double value = Stat.Criterion[r];
    if (Option19.Value()) value = deviation;
    if (Option20.Value()) value = deviation * deviation;
    if (Option21.Value()) value = std::abs(deviation);
    Stat.Criterion[r] = value / divisor;
    if (r == 1 || Stat.Criterion[r] > Main.MaxValue) Main.MaxValue = Stat.Criterion[r];
    if (r == 1 || Stat.Criterion[r] < Main.MinValue) Main.MinValue = Stat.Criterion[r];
  }
  throwOnFloatingPointFlags();

  for (int r = 1; r <= runs; ++r) {
    const double y = Main.PictureHeight - (r - 1) / 2.0;
    printNumberAt(Main.PrintColumnX, y, r);
    printNumberAt(Main.PrintColumnX + 2, y, truncateDecimals(Stat.Criterion[r], 6));
  }
  Main.MP = (Main.MaxValue - Main.MinValue) / 10;
  Text20.setText(Str(truncateDecimals(Main.MP, 6)));
  Text7.setText(Str(truncateDecimals(Main.MinValue, 6)));
  for (int r = 1; r <= runs; ++r)
    Picture1.Circle(r / 2.0, plotHeight(Stat.Criterion[r]), kExperimentRadius, kExperimentColour);
}

// The divisor of the criterion: 1, or Yopt with its sign when "dY/Yopt" is
// ticked. A zero Yopt cannot divide.
double Form18::criterionDivisor() const {
  if (Check4.Value() != 1) return 1;
  if (Stat.Yopt == 0) throw RuntimeError(ErrorCode::DivisionByZero, "Division by zero");
  return Stat.Yopt;
}

// The height of a criterion value on the picture: (value - Ymin) / MP.
double Form18::plotHeight(double value) const {
  if (Main.MP == 0) throw RuntimeError(ErrorCode::DivisionByZero, "Division by zero");
  return (value - Main.MinValue) / Main.MP;
}

// "3-Загрузить наблюдаемые вековые смещения параметров орбит планет" and
// "4-2- Рассчитать критерий оптимизации по данным": the observed shifts of
// the planets, and the criterion of every experiment of the plan, either
// from the test function of the plan itself or from the model shift files
// of the runs compared with the observed shifts.
#include <cmath>
#include <string>

#include "core/runtime/ErrorTrap.h"
#include "core/runtime/MessageBox.h"
#include "core/runtime/NumberText.h"
#include "core/runtime/TextFile.h"
#include "core/stat/Stat.h"
#include "core/state/SharedState.h"
#include "statistics/Form15.h"
#include "statistics/Form15Texts.h"
#include "core/runtime/ProgramFiles.h"
#include "core/stat/ScaledNumbers.h"
#include "statistics/ScrolledPicture.h"
#include "core/stat/ShiftFiles.h"

namespace {

constexpr int kPlanetRows = 10;  // rows of the observed file read: the Moon's row 11 is not
constexpr int kCoefficientSlots = 27;
constexpr double kPercent = 100;

// The listing of an observed row: label and mask of each shift.
constexpr const char* kShiftLabels[kShiftCount + 1] = {
    "", "    dAlfaP100  = ", "    dAlfaU100  = ", "    dBetta100  = ",
    "    dEks100  = ", "    dRsr100  = ", "    dW100  = "};
constexpr const char* kShiftMasks[kShiftCount + 1] = {
    "", "0000.0000", "0000.0000", "000.00000", "000.0000", "0000.0000", "000.0000"};

std::string observedRowLine(double number, const ShiftRow& shifts) {
  std::string line = Str(number);
  for (int s = 1; s <= kShiftCount; ++s)
    line += kShiftLabels[s] + Format(truncateDecimals(shifts[s], 4), kShiftMasks[s]);
  return line;
}

enum class CriterionKind { Value, Deviation, SquaredDeviation, AbsoluteDeviation };

// One term of the criterion: a value against its reference, weighted in per
// cent. The test function's y against Yopt with weight 100 gives the test
// option's criterion; a model shift against the observed one, the model's.
double criterionTerm(CriterionKind kind, double value, double reference, double weight) {
  switch (kind) {
    case CriterionKind::Value:
      return value * weight / kPercent;
    case CriterionKind::Deviation:
      return (value - reference) * weight / std::fabs(reference) / kPercent;
    case CriterionKind::SquaredDeviation: {
      const double relative = (value - reference) * weight / reference / kPercent;
      return relative * relative;
    }
    case CriterionKind::AbsoluteDeviation:
      return std::fabs((value - reference) / reference) * weight / kPercent;
  }
  return 0;
}

void updateExtremes(double criterion) {
  if (criterion > Main.MaxValue) Main.MaxValue = criterion;
  if (criterion < Main.MinValue) Main.MinValue = criterion;
}

}  // namespace

// Command4_Click: the observed shift file of the source chosen in Frame5,
// planets 1..10, listed at the top of the picture.
// Writes:   Main.ImitatorFolder, FilePath; Main.ObservedShifts(1..10, 1..6);
//           the window counts observed shifts as loaded from the press on
// Notes:    Titles "Celvan7m": "Не могу найти файл " & path; "Ошибка при
//           чтении данных из файла " & path, with the rows read kept.
void Form15::Command4_Click() {
  observedShiftsLoaded_ = true;
  Main.ImitatorFolder = Option11.Value() ? "\\JPL" : Option12.Value() ? "\\Ser" : "\\NEW";
  Main.FilePath = observedShiftFileName(Main.ImitatorFolder);
  readProgramFile(Main.FilePath,
                  {"Не могу найти файл " + Main.FilePath, "Ошибка при чтении данных из файла " + Main.FilePath,
                   form15text::kTitle7m},
                  [this](int file) { readObservedShifts(file); });
}

void Form15::readObservedShifts(int file) {
  const double top = layout_.height;
  scrolled::printAt(Picture1, 1.6, top, LineInput(file));
  LineInput(file);
  scrolled::printAt(Picture1, 0.2, top - 1,
                    "№ планеты      перигелий        угол восходящего узла       наклон орбиты"
                    "               эксцентриситет    большая полуось эллипса    угловая скорость");
  for (int i = 1; i <= kPlanetRows; ++i) {
    double number = 0;
    const ShiftRow shifts = readShiftRow(file, number);
    for (int s = 1; s <= kShiftCount; ++s) Main.ObservedShifts(i, s) = shifts[s];
    scrolled::printAt(Picture1, 0.5, top - 1 - i / 2.0, observedRowLine(number, shifts));
  }
}

// Command10_Click: the criterion of experiments 1..RunCount, its extremes
// and scale, printed beside the plan table and plotted above the axis.
// Reads:    Option5/Option6, the kind in Frame9; test: the plan; model: the
//           ticked planets Check1 and parameters Check2, the model shift
//           files of plan PlanNumber, ObservedShifts, ShiftWeights
// Writes:   Stat.Criterion, Main.MaxValue, MinValue, MP, Text1, Text2;
//           RegressionCoefficients(0..27) = 1; test: Text11, Text12,
//           ZeroLevels and VariationIntervals of the plan factors (0 and 1),
//           Yopt; model: Main.FilePath, Stat.LastRun, ModelShifts
// Notes:    Model option: "Загрузите данные наблюдений" without observed
//           shifts; "К-во экспериментов в плане не равно к-ву в файле " CR LF
//           path when a file's count differs from the plan's; any other fault
//           "Ошибка чтения данных из файла" CR LF the last path (all
//           "Celvan7"). Test option: any fault "Ошибка при обработке данных"
//           ("Celvan7m"). What was computed before a fault stays.
void Form15::Command10_Click() {
  Main.MaxValue = -Main.MK;
  Main.MinValue = Main.MK * Main.MK;
  for (int i = 0; i <= kCoefficientSlots; ++i) Stat.RegressionCoefficients[i] = 1;
  if (Option5.Value()) {
    withErrorTrap("Ошибка при обработке данных", form15text::kTitle7m, [this] {
      computeTestCriterion();
      plotCriterion();
    });
    return;
  }
  if (!observedShiftsLoaded_) {
    MsgBox("Загрузите данные наблюдений", form15text::kTitle7);
    return;
  }
  if (!readModelShifts()) return;
  withErrorTrap("Ошибка чтения данных из файла\r\n" + Main.FilePath, form15text::kTitle7, [this] {
    computeModelCriterion();
    plotCriterion();
  });
}

namespace {

CriterionKind chosenKind(const Form15& form) {
  if (form.Option18.Value()) return CriterionKind::Value;
  if (form.Option19.Value()) return CriterionKind::Deviation;
  if (form.Option20.Value()) return CriterionKind::SquaredDeviation;
  return CriterionKind::AbsoluteDeviation;
}

}  // namespace

// The test option: the plan factors become coded (zero level 0, interval
// 1), and the criterion of experiment e is the test function, the quadratic
// with every coefficient 1, at the plan point of e, against Yopt.
void Form15::computeTestCriterion() {
  const int k = Stat.Nf;
  for (int j = 1; j <= k; ++j) {
    const int f = Stat.FactorIndex[j];
    Text11[f].setText("0");
    Text12[f].setText("1");
    Stat.ZeroLevels[f] = 0;
    Stat.VariationIntervals[f] = 1;
  }
  const CriterionKind kind = chosenKind(*this);
  for (int e = 1; e <= Stat.RunCount; ++e) {
    for (int j = 1; j <= k; ++j) Main.X[j] = Stat.PlanMatrix(j, e);
    Stat.RunIndex = static_cast<int16_t>(e);
    EvaluateRegression();
    Stat.Criterion[e] = criterionTerm(kind, Main.Z[e], Stat.Yopt, kPercent);
    updateExtremes(Stat.Criterion[e]);
  }
}

// The model shift file of every ticked planet, each refused when its count
// of experiments is not the plan's. False (after the message) on a refusal
// or a fault.
bool Form15::readModelShifts() {
  for (int p = 1; p <= kPlanetRows; ++p) {
    if (Check1[p].Value() != 1) continue;
    Main.FilePath = modelShiftFileName(Main.PlanNumber, p);
    const std::string failed = "Ошибка чтения данных из файла\r\n" + Main.FilePath;
    bool countMatches = true;
    const bool read = readProgramFile(Main.FilePath, {failed, failed, form15text::kTitle7}, [&](int file) {
      LineInput(file);
      Stat.LastRun = CInt(InputNumber(file));
      LineInput(file);
      countMatches = Stat.LastRun == Stat.RunCount;
      if (!countMatches) return;
      for (int e = 1; e <= Stat.LastRun; ++e) {
        double number = 0;
        const ShiftRow shifts = readShiftRow(file, number);
        for (int s = 1; s <= kShiftCount; ++s) Main.ModelShifts(p, s, e) = shifts[s];
      }
    });
    if (!read) return false;
    if (!countMatches) {
      MsgBox("К-во экспериментов в плане не равно к-ву в файле \r\n" + Main.FilePath, form15text::kTitle7);
      return false;
    }
  }
  return true;
}

void Form15::computeModelCriterion() {
  for (int e = 1; e <= Stat.RunCount; ++e) {
    Stat.Criterion[e] = modelCriterionOf(e);
    updateExtremes(Stat.Criterion[e]);
  }
}

// The sum over the ticked planets and parameters of the model shift of
// experiment e against the observed shift, weighted by ShiftWeights.
double Form15::modelCriterionOf(int e) const {
  const CriterionKind kind = chosenKind(*this);
  double criterion = 0;
  for (int p = 1; p <= kPlanetRows; ++p) {
    if (Check1[p].Value() != 1) continue;
    for (int s = 1; s <= kShiftCount; ++s)
      if (Check2[s].Value() == 1)
        criterion += criterionTerm(kind, Main.ModelShifts(p, s, e), Main.ObservedShifts(p, s), Stat.ShiftWeights(p, s));
  }
  return criterion;
}

// The scale (a tenth of the criterion's range per picture unit) and the
// lowest criterion into their boxes, each criterion cut to three decimals
// in its experiment's row and as a blue point above the axis.
void Form15::plotCriterion() {
  Main.MP = (Main.MaxValue - Main.MinValue) / 10;
  Text2.setText(Str(cutToMillionths(Main.MP)));
  Text1.setText(Str(cutToMillionths(Main.MinValue)));
  for (int e = 1; e <= Stat.RunCount; ++e) {
    scrolled::printAt(Picture1, layout_.columnRight + 1, experimentRow(e), Fix(1000 * Stat.Criterion[e]) / 1000);
    Picture1.Circle(e / 2.0, (Stat.Criterion[e] - Main.MinValue) / Main.MP, 0.1, RGB(0, 0, 250));
  }
}

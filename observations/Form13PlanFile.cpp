// The plan-experiment file of Form13: the start date and last year of the
// observations, the zero levels, intervals and optima of the nine orbit
// parameters, the velocity of the Solar System, the precession rate and the
// weight, then the runs of the plan with their criteria and the regression
// coefficients. "Записать план опыта в файл" writes it whole; "Загрузить
// параметры плана из" "файла" reads its first fifteen lines.
//
// Numbers are kept as whole numbers: parameter 1 in km, the zero levels of
// parameters 2..9 in billionths (parameter 7, the mean longitude, in
// millionths of a degree), every other value in millionths.
#include <array>
#include <string>
#include <vector>

#include "core/Constants.h"
#include "core/runtime/Clock.h"
#include "core/runtime/MessageBox.h"
#include "core/runtime/NumberText.h"
#include "core/runtime/RuntimeError.h"
#include "core/runtime/TextFile.h"
#include "core/state/SharedState.h"
#include "observations/Form10.h"
#include "observations/Form13.h"
#include "observations/Form13Texts.h"
#include "core/runtime/ProgramFiles.h"
#include "core/stat/ScaledNumbers.h"

namespace {

using astro::kMetresPerKilometre;
constexpr int kMeanLongitude = 7;
// Parameters 2..9 keep their zero levels to nine decimals, the mean
// longitude to six.
double zeroLevelScale(int i) { return i == kMeanLongitude ? 1 : 1000; }

// What the first fifteen lines of the file hold, in the units of the plan
// state.
struct PlanExperimentHead {
  std::string title;
  double day = 0;
  int month = 0, year = 0, endYear = 0;
  double meanJulianDay = 0;
  std::array<double, 10> zero{}, interval{}, coded{}, natural{};
  double vx = 0, vy = 0, vz = 0, precession = 0, weight = 0;
};

PlanExperimentHead readHead(int file) {
  const double mk = Main.MK;
  PlanExperimentHead head;
  head.title = LineInput(file);  // one line: the title may hold commas
  LineInput(file);
  head.day = InputNumber(file) / mk;
  head.month = CLng(InputNumber(file));
  head.year = CLng(InputNumber(file));
  head.endYear = CLng(InputNumber(file));
  head.meanJulianDay = InputNumber(file) / mk;
  LineInput(file);
  for (int i = 1; i <= 9; ++i) {
    InputNumber(file);  // the parameter's number
    const double zero = InputNumber(file), interval = InputNumber(file);
    head.coded[i] = InputNumber(file) / mk;
    const double natural = InputNumber(file);
    if (i == 1) {
      head.zero[i] = zero * kMetresPerKilometre;
      head.interval[i] = interval * kMetresPerKilometre;
      head.natural[i] = natural * kMetresPerKilometre;
    } else {
      head.zero[i] = zero / mk / zeroLevelScale(i);
      head.interval[i] = interval / mk;
      head.natural[i] = natural / mk;
    }
  }
  LineInput(file);
  head.vx = InputNumber(file);
  head.vy = InputNumber(file);
  head.vz = InputNumber(file);
  head.precession = InputNumber(file) / mk;
  head.weight = InputNumber(file) / mk;
  return head;
}

// The criterion the observation window shows for the runs: "dRsr", or the
// mean of the longitude deviations with "Abs(dL)"; 0 while the box shows
// no number yet.
double shownCriterion(const Form10& observations) {
  const std::string& text = observations.Option18.Value() ? observations.Text11.Text() : observations.Text13.Text();
  try {
    return CDbl(text);
  } catch (const RuntimeError&) {
    return 0;
  }
}

}  // namespace

std::string Form13::planExperimentPath(int plan, int experiment, int object) const {
  const Form10& observations = form10();
  std::string path = "\\" + Main.SourceKind + "\\Plan" + std::to_string(plan) + "\\" + Main.TheoryName +
                     std::to_string(object);
  if (observations.Option2.Value()) path += "_" + std::to_string(FileNumberFromText(observations.Text56.Text()));
  return path + "_" + std::to_string(experiment) + ".dat";
}

// Everything is read before anything is taken: a file that ends early or
// holds a field that is no number changes nothing.
bool Form13::loadPlanExperimentFile(int plan, int experiment) {
  if (Main.SourceIndex == 0) {
    MsgBox(form13text::kChooseSource, form13text::kTitle);
    return false;
  }
  const std::string path = planExperimentPath(plan, experiment, Main.SelectedObject);
  const FileMessages messages{std::string(form13text::kFileNotFound) + "\r\n" + path,
                              std::string(form13text::kReadFailed) + "\r\n" + path, form13text::kTitle};
  PlanExperimentHead head;
  if (!readProgramFile(path, messages, [&](int file) { head = readHead(file); })) return false;

  Main.TextLines[2] = head.title;
  Main.ObsDayWithTime = head.day;
  Main.ObsMonth = head.month;
  Main.ObsYear = head.year;
  Main.EndYear = head.endYear;
  Main.StartDay = head.day;
  Main.StartMonth = head.month;
  Main.StartYear = head.year;
  for (int i = 1; i <= 9; ++i) {
    Stat.ZeroLevels[i] = head.zero[i];
    Stat.VariationIntervals[i] = head.interval[i];
    Stat.Xopt[i] = head.coded[i];
    Stat.XoptNatural[i] = head.natural[i];
  }
  VXsys = head.vx;
  VYsys = head.vy;
  VZsys = head.vz;
  PrecessionRate = head.precession;
  Stat.ZeroLevels[10] = head.weight;

  Form10& observations = form10();
  observations.Text65.setText(Str(head.endYear));
  observations.Text4.setText(Str(head.year));
  observations.Text3.setText(Str(head.month));
  observations.Text2.setText(Str(head.day));
  observations.Text51.setText(TimeText() + " " + Str(Timer()));  // JD of the date boxes
  Main.JD0 = Main.JD;
  Main.JDet2 = head.meanJulianDay;
  return true;
}

void Form13::Command2_Click() {
  if (Main.SourceIndex == 0) {
    MsgBox(form13text::kChooseObservationSource, form13text::kTitle);
    return;
  }
  int plan = 0, experiment = 0;
  if (!readExperimentNumbers(form13text::kBadWriteNumbers, plan, experiment)) return;
  if (!ReadPlanBoxes()) return;
  const std::string path = planExperimentPath(plan, experiment, Main.SelectedObject);
  const std::string failed = std::string(form13text::kWriteFailed) + "\r\n" + path;
  writeProgramFile(path, {failed, failed, form13text::kTitle},
                   [&](int file) { writePlanExperimentFile(file, plan, experiment); });
}

void Form13::writePlanExperimentFile(int file, int plan, int experiment) const {
  const Form10& observations = form10();
  const double mk = Main.MK;
  const auto whole = [](double scaled) { return wholeUnits(scaled); };
  const std::string epoch = observations.Option13.Value() ? "J2000" : "JD";
  const std::string criterion =
      std::string(observations.Check7.Value() == 1 ? "Sigma" : "") + (observations.Option17.Value() ? "R" : "L");
  PrintZones(file, {"план № " + std::to_string(plan) + " опыт № " + std::to_string(experiment) + " по планете № " +
                    std::to_string(Main.SelectedObject) + " для " + Main.TheoryName + " в эпохе " + epoch + " по " +
                    criterion + " от " + DateText()});
  PrintZones(file, {form13text::kDatesLine});
  PrintZones(file, {whole(Main.StartDay * mk), Main.StartMonth, Main.StartYear, Main.EndYear,
                    whole(Main.JDet2 * mk)});
  PrintZones(file, {form13text::kLevelsLine});
  PrintZones(file, {1, whole(Stat.ZeroLevels[1] / kMetresPerKilometre),
                    whole(Stat.VariationIntervals[1] / kMetresPerKilometre), whole(mk * Stat.Xopt[1]),
                    whole(Stat.XoptNatural[1] / kMetresPerKilometre)});
  for (int i = 2; i <= 9; ++i)
    PrintZones(file, {i, whole(Stat.ZeroLevels[i] * zeroLevelScale(i) * mk), whole(mk * Stat.VariationIntervals[i]),
                      whole(mk * Stat.Xopt[i]), whole(mk * Stat.XoptNatural[i])});
  PrintZones(file, {form13text::kVelocityLine});
  PrintZones(file, {whole(VXsys), whole(VYsys), whole(VZsys), whole(PrecessionRate * mk),
                    whole(mk * Stat.ZeroLevels[10])});
  PrintZones(file, {form13text::kRunsLine});
  for (int r = 1; r <= Stat.RunCount; ++r) {
    std::string levels = std::to_string(r) + "    ";
    for (int j = 1; j <= Stat.Nf; ++j) levels += Str(whole(1000 * Stat.PlanMatrix(j, r))) + "       ";
    PrintZones(file, {levels, whole(mk * Stat.Criterion[r]), whole(mk * Stat.CriterionCalc[r])});
  }
  PrintZones(file, {form13text::kCoefficientsLine + Str(whole(mk * shownCriterion(observations)))});
  for (int i = 0; i <= 27; ++i) PrintZones(file, {i, whole(mk * Stat.RegressionCoefficients[i])});
}

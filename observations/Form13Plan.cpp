// Form13's plan: "Создать план" over the ticked orbit parameters, and
// "Загрузить параметры плана из" the template of the observed object's
// theory or the plan-experiment file.
#include <string>

#include "core/Constants.h"
#include "core/runtime/Clock.h"
#include "core/runtime/ErrorTrap.h"
#include "core/runtime/MessageBox.h"
#include "core/runtime/NumberText.h"
#include "core/runtime/RuntimeError.h"
#include "core/stat/Stat.h"
#include "core/state/SharedState.h"
#include "core/theory/Theory.h"
#include "observations/Form10.h"
#include "observations/Form13.h"
#include "observations/Form13Texts.h"
#include "observations/ModelBodiesKeeper.h"

namespace {

constexpr int kEarth = 3;
constexpr int kMoon = 11;
constexpr int kLeastFactors = 2;
constexpr int kMostFactors = 6;
// Years of observations the template's plan covers from its start.
constexpr int kTemplateYears = 20;
// The Moon's perigee and node move by these many degrees per Julian
// century relative to the equinox of the date.
constexpr double kMoonPerigeeRate = 4069.037111;
constexpr double kMoonNodeRate = -1934.136185;
// General precession used to refer the rates to J2000, arc seconds per
// Julian century, and the template's precession rate.
constexpr double kTemplatePrecession = 5029;
using astro::kArcSecondsPerDegree;
constexpr double kKilometresPerInterval = 10;  // thousand km of parameter 1's interval

// The template's intervals of parameters 2..9: 0.0001, 0.01 degree, 0.1
// degree, 0.1 degree, 0.001 radian per century, 0.01 degree, 0.1 and 0.1
// radian per century.
constexpr double kTemplateIntervals[] = {0, 0, 0.0001, 0.01, 0.1, 0.1, 0.001, 0.01, 0.1, 0.1};

}  // namespace

void Form13::Command4_Click() {
  int count = 0;
  for (int i = 1; i <= 9; ++i)
    if (Check1[i].Value() == 1) ++count;
  if (count < kLeastFactors || count > kMostFactors) {
    MsgBox(form13text::kFactorCount, form13text::kTitle);
    return;
  }
  withErrorTrap(form13text::kPlanError, form13text::kTitle, [this] {
    Stat.PlanType = static_cast<int16_t>(Option4.Value() ? 2 : 1);
    Stat.Nf = 0;
    for (int i = 1; i <= 9; ++i) {
      if (Check1[i].Value() != 1) continue;
      ++Stat.Nf;
      Stat.FactorIndex[Stat.Nf] = static_cast<int16_t>(i);
    }
    SetZeroPointCount();
    BuildPlanMatrix();
    ComputeRotatableCoefficients();
    form10().Text27.setText(Str(Stat.RunCount));
  });
}

bool Form13::readExperimentNumbers(const char* refusal, int& plan, int& experiment) {
  return withErrorTrap(refusal, form13text::kTitle, [&] {
    const int16_t planNumber = CInt(Text26.Text());
    experiment = FileNumberFromText(Text27.Text());
    const Form10& observations = form10();
    Main.SelectedObject = WholeNumberFromText(observations.Text1.Text());
    if (observations.Option2.Value()) FileNumberFromText(observations.Text56.Text());
    plan = planNumber;
    Main.PlanNumber = planNumber;
  });
}

void Form13::Command1_Click() {
  int plan = 0, experiment = 0;
  if (!readExperimentNumbers(form13text::kBadLoadNumbers, plan, experiment)) return;
  if (Option2.Value()) {
    if (!withErrorTrap(form13text::kTemplateError, form13text::kTitle, [this] { loadTemplate(); })) return;
  } else if (!loadPlanExperimentFile(plan, experiment)) {
    return;
  }
  showPlanCaption();
  ShowPlanBoxes();
  form10().Text52.setText(TimeText() + " " + Str(Timer()));  // the plan summary
}

// The template: the observation window's date as the start, twenty years
// of observations, the object's elements of that date as the zero levels.
void Form13::loadTemplate() {
  Form10& observations = form10();
  Main.ObsYear = CLng(observations.Text4.Text());
  Main.ObsMonth = CLng(observations.Text3.Text());
  Main.ObsDayWithTime = CDbl(observations.Text2.Text());
  Main.StartYear = Main.ObsYear;
  Main.StartMonth = Main.ObsMonth;
  Main.StartDay = Main.ObsDayWithTime;
  Main.EndYear = Main.ObsYear + kTemplateYears;
  observations.Text65.setText(Str(Main.EndYear));
  observations.Text51.setText(TimeText() + " " + Str(Timer()));  // JD of the date boxes
  Main.JD0 = Main.JD;
  Main.JDet2 = 1000;  // the mean Julian Day of the observations: a run replaces it

  const int object = Main.SelectedObject == 0 ? kEarth : Main.SelectedObject;
  if (object < 0 || object > 13) throw RuntimeError(ErrorCode::SubscriptOutOfRange, "object number");
  double perigeeRate = 0, nodeRate = 0;
  if (object == kMoon) {
    perigeeRate = kMoonPerigeeRate / Main.kUgol;
    nodeRate = kMoonNodeRate / Main.kUgol;
  }
  Main.CurrentObject = static_cast<int16_t>(object);
  const auto modelBodies = keepModelBodies();
  if (observations.Option13.Value()) {
    SetElementsJPL0();
    if (object == kMoon) ReduceMoonElementsToJ2000();
    const double precession = kTemplatePrecession / kArcSecondsPerDegree / Main.kUgol;
    perigeeRate -= precession;
    nodeRate -= precession;
  } else {
    SetElementsNew0();
  }
  Main.TextLines[2] = form13text::kTemplateTitle;

  const double zero[] = {0,
                         Main.Rsr[object],
                         Main.Eks[object],
                         Main.Betta[object] * Main.kUgol,
                         Main.AlfaP[object] * Main.kUgol,
                         Main.AlfaU[object] * Main.kUgol,
                         Main.Wsr[object] * 100 * Main.sekG,
                         Main.AlfaL[object] * Main.kUgol,
                         perigeeRate,
                         nodeRate};
  for (int i = 1; i <= 9; ++i) {
    Stat.ZeroLevels[i] = zero[i];
    Stat.VariationIntervals[i] = i == 1 ? kKilometresPerInterval * Main.MK : kTemplateIntervals[i];
    Stat.Xopt[i] = 0;
    Stat.XoptNatural[i] = zero[i];
  }
  VXsys = VYsys = VZsys = 0;
  PrecessionRate = kTemplatePrecession;
  Stat.ZeroLevels[10] = 1;  // the weight of the data point
}

// Label20: the source and object of the plan and its years of observations.
void Form13::showPlanCaption() {
  Label20.setCaption(Main.TheoryName + std::to_string(Main.SelectedObject) + "  (с " + Str(Main.StartDay) + "." +
                     std::to_string(Main.StartMonth) + "." + std::to_string(Main.StartYear) + " по " +
                     std::to_string(Main.EndYear) + ")");
}

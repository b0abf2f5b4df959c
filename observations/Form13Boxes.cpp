// Form13's boxes and the plan state: the defaults the window opens with and
// the copy of the boxes into the plan variables that the observation window
// asks for before every run.
#include <array>

#include "core/Constants.h"
#include "core/runtime/ErrorTrap.h"
#include "core/runtime/NumberText.h"
#include "core/state/SharedState.h"
#include "observations/Form10.h"
#include "observations/Form13.h"
#include "observations/Form13Texts.h"
#include "core/stat/ScaledNumbers.h"

namespace {

constexpr double kMillion = 1000000;
using astro::kMetresPerKilometre;

// The intervals of variation of the nine parameters, in the units of the
// boxes: 10 thousand km, then 0.0001, 0.01 degree, 0.1 degree, 0.1 degree,
// 0.001 radian per century, 0.01 degree, 0.1 and 0.1 radian per century.
const char* const kDefaultIntervals[] = {"10", "0,0001", "0,01", "0,1", "0,1", "0,001", "0,01", "0,1", "0,1"};

}  // namespace

// Form_Load: plan and experiment 1; zero levels and optima 0, the default
// intervals, no velocity of the Solar System; then the default plan and
// the template of the observation window's object and date.
void Form13::Form_Load() {
  Text26.setText("1");
  Text27.setText("1");
  for (int i = 1; i <= 9; ++i) {
    Text1[i].setText("0");
    Text2[i].setText(kDefaultIntervals[i - 1]);
    Text3[i].setText("0");
    Text4[i].setText("0");
  }
  Text5.setText("0");
  Text6.setText("0");
  Text7.setText("0");
  Command4_Click();
  Command1_Click();
}

void Form13::Text16_Change() { ReadPlanBoxes(); }

bool Form13::ReadPlanBoxes() {
  PlanBoxesRead = withErrorTrap(form13text::kBadPlanData, form13text::kTitle, [this] {
    std::array<double, 10> zero{}, interval{}, coded{}, natural{};
    for (int i = 1; i <= 9; ++i) {
      const double scale = i == 1 ? kMillion : 1;
      zero[i] = CDbl(Text1[i].Text()) * scale;
      interval[i] = CDbl(Text2[i].Text()) * scale;
      coded[i] = CDbl(Text3[i].Text());
      natural[i] = CDbl(Text4[i].Text()) * scale;
    }
    const double vx = CDbl(Text5.Text()) * kMetresPerKilometre;
    const double vy = CDbl(Text6.Text()) * kMetresPerKilometre;
    const double vz = CDbl(Text7.Text()) * kMetresPerKilometre;
    const double rate = CDbl(form10().Text47.Text());

    for (int i = 1; i <= 9; ++i) {
      Stat.ZeroLevels[i] = zero[i];
      Stat.VariationIntervals[i] = interval[i];
      Stat.Xopt[i] = coded[i];
      Stat.XoptNatural[i] = natural[i];
    }
    VXsys = vx;
    VYsys = vy;
    VZsys = vz;
    PrecessionRate = rate;
    PerturbationPlan = Check2.Value() == 1 ? 1 : 0;
    PlannedPerturber = Option6.Value() ? 2 : 1;
  });
  return PlanBoxesRead;
}

void Form13::ShowPlanBoxes() {
  const double mk = Main.MK;
  Text1[1].setText(Str(wholeUnits(Stat.ZeroLevels[1]) / mk));
  Text2[1].setText(Str(wholeUnits(Stat.VariationIntervals[1]) / mk));
  Text3[1].setText(Str(cutToMillionths(Stat.Xopt[1])));
  Text4[1].setText(Str(wholeUnits(Stat.XoptNatural[1]) / mk));
  for (int i = 2; i <= 9; ++i) {
    Text1[i].setText(Str(wholeUnits(mk * 1000 * Stat.ZeroLevels[i]) / 1000 / mk));
    Text2[i].setText(Str(Stat.VariationIntervals[i]));
    Text3[i].setText(Str(cutToMillionths(Stat.Xopt[i])));
    Text4[i].setText(Str(cutToMillionths(Stat.XoptNatural[i])));
  }
  Text5.setText(Str(VXsys / kMetresPerKilometre));
  Text6.setText(Str(VYsys / kMetresPerKilometre));
  Text7.setText(Str(VZsys / kMetresPerKilometre));
  form10().Text47.setText(Str(cutToMillionths(PrecessionRate)));
}

// Form17's laws of ET - UT and the diameters: the load, the presets of the
// law items, "Задать значения", its trigger box and "Закрыть форму".
//
// Reference: Meeus, Astronomical Algorithms, 2nd ed., ch. 10 (ET - UT, or
// ΔT, and its parabolic fits).
#include <array>
#include <string>

#include "core/runtime/ErrorTrap.h"
#include "core/runtime/NumberText.h"
#include "core/state/SharedState.h"
#include "core/time/TimeScales.h"
#include "tools/Form17.h"
#include "tools/Form17Texts.h"

namespace {

// A law item's coefficients: a (s), b (s per century), c (s per century
// squared), the year of its epoch and the size of its selector (1 the
// quadratic, 2 the piecewise law).
struct LawPreset {
  double a, b, c;
  double epochYear;
  double selector;
};

// Item 0 ("задать вручную") has no preset: the boxes keep what was typed.
constexpr int kTypedItem = 0;
constexpr int kPiecewiseItem = 5;
constexpr std::array<LawPreset, 6> kPresets{{
    {0, 0, 0, 0, 1},
    {24.35, 72.32, 29.95, 1900, 1},
    {0, 0, 31.5, 1800, 1},
    {0, 0, 31.5, 1800, 1},
    {0, 0, 31.5, 1800, 1},
    {0, 0, 0, 1900, 2},
}};

// Metres in a thousand kilometres.
constexpr double kMetresPerThousandKm = 1e6;
constexpr int kSunEntry = 0, kEarthEntry = 3, kMoonEntry = 11;

// The boxes of one law.
struct LawBoxes {
  ui::TextBox &a, &b, &c, &epochYear;
};

int chosenItem(const ui::ControlArray<ui::OptionButton>& items) {
  for (int item = items.LBound(); item <= items.UBound(); ++item)
    if (items[item].Value()) return item;
  return kTypedItem;
}

void showPreset(const LawBoxes& boxes, const LawPreset& preset) {
  boxes.a.setText(Str(preset.a));
  boxes.b.setText(Str(preset.b));
  boxes.c.setText(Str(preset.c));
  boxes.epochYear.setText(Str(preset.epochYear));
}

// A law as its boxes hold it, not yet stored.
struct TypedLaw {
  double a, b, c;
  int32_t epochYear;
  double selector;
};

// Reads the law's boxes; a box that holds no number raises a run-time error
// before anything is stored.
TypedLaw readLaw(const LawBoxes& boxes, int item, bool subtracted) {
  const double size = item == kPiecewiseItem ? 2.0 : 1.0;
  return {CDbl(boxes.a.Text()), CDbl(boxes.b.Text()), CDbl(boxes.c.Text()),
          CLng(boxes.epochYear.Text()), subtracted ? -size : size};
}

// Julian Day of the noon of 1 January of the year, through the shared
// calendar-date triple.
double epochOfYear(int32_t year) {
  Main.CalendarDay = 1.5;
  Main.CalendarMonth = 1;
  Main.CalendarYear = year;
  return JulianDayFromDate(Main.CalendarDay, Main.CalendarMonth, Main.CalendarYear);
}

}  // namespace

// Form_Load: the default coefficients as text, then the laws applied.
void Form17::Form_Load() {
  showPreset({Text1, Text2, Text3, Text10}, kPresets[1]);
  showPreset({Text11, Text12, Text13, Text20}, kPresets[2]);
  Command1_Click();
}

// Command1_Click "Задать значения": the presets of the chosen items into the
// boxes, then both laws, their epochs and the three diameters into the shared
// state. Every box is read before anything is stored, so a box that holds no
// number shows the message and leaves the laws as they were.
void Form17::Command1_Click() {
  const LawBoxes law1{Text1, Text2, Text3, Text10};
  const LawBoxes law2{Text11, Text12, Text13, Text20};
  const int item1 = chosenItem(Option8);
  const int item2 = chosenItem(Option9);
  if (item1 != kTypedItem) showPreset(law1, kPresets[item1]);
  if (item2 != kTypedItem) showPreset(law2, kPresets[item2]);

  withErrorTrap(form17text::kBadData, form17text::kTitle, [&] {
    const TypedLaw et1 = readLaw(law1, item1, Option2.Value());
    const TypedLaw et2 = readLaw(law2, item2, Option4.Value());
    const double sun = CDbl(Text6.Text()) * kMetresPerThousandKm;
    const double earth = CDbl(Text7.Text()) * kMetresPerThousandKm;
    const double moon = CDbl(Text8.Text()) * kMetresPerThousandKm;

    Main.CalendarMode = 0;
    Main.DayStartHour = 0;
    Main.DateErrorFlag = 0;
    const double epoch1 = epochOfYear(et1.epochYear);
    const double epoch2 = epochOfYear(et2.epochYear);
    // A year the calendar refuses has shown its own message already.
    if (Main.DateErrorFlag == 1) return;

    setDeltaTLaw(1, et1.a, et1.b, et1.c, et1.selector);
    setDeltaTLaw(2, et2.a, et2.b, et2.c, et2.selector);
    Main.ET1Epoch = epoch1;
    Main.ET2Epoch = epoch2;
    Main.Diameter[kSunEntry] = sun;
    Main.Diameter[kEarthEntry] = earth;
    Main.Diameter[kMoonEntry] = moon;
  });
}

// Text5_Change: the eclipse window writes the time of day here to have both
// laws applied again.
void Form17::Text5_Change() { Command1_Click(); }

// Command2_Click "Закрыть форму": the shared values stay.
void Form17::Command2_Click() { Unload(); }

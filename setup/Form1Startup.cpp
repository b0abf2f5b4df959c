// Start-up of the program and activation of Form1; which bodies take part;
// the drawing colours of the bodies.
#include <array>

#include "core/runtime/NumberText.h"
#include "core/state/SharedState.h"
#include "core/state/StartUpState.h"
#include "core/stat/Stat.h"
#include "setup/Form1.h"
#include "setup/Form1Texts.h"

namespace {

// Object colours: red, green, blue of objects 0..10.
struct ObjectColour {
  int16_t red, green, blue;
};
constexpr std::array<ObjectColour, 11> kObjectColours{{
    {240, 240, 0},  // Sun
    {200, 0, 200},  // Mercury
    {0, 200, 0},    // Venus
    {0, 0, 255},    // Earth
    {255, 0, 0},    // Mars
    {0, 0, 191},    // Jupiter
    {0, 191, 0},    // Saturn
    {189, 0, 0},    // Uranus
    {255, 0, 0},    // Neptune
    {0, 0, 255},    // Pluto
    {0, 250, 0},    // "Ксена"
}};

}  // namespace

// Form_Load: prepares the shared state in a fixed order, then loads the
// default parameters and computes the default initial data with the start
// states of the controls. Each of the two buttons reports its own errors.
void Form1::Form_Load() {
  Main.LastObjectIndex = 10;
  Main.LastStateIndex = 65;
  Check2_Click(0);
  SetObjectColours();
  Main.ImageScale = imageScaleFromScrollBar();
  setStartUpConstants();
  setMonthLengths();
  clearShiftTables();
  fillDesignColumns();
  setDE405RecordLayout();
  setSiderealPeriods();
  Command3_Click();
  Command12_Click();
}

// Form_Activate: the calendar, the picture scale and the length of the state
// vector as this window wants them; other windows change them on their own
// activation.
void Form1::Form_Activate() {
  Main.CalendarMode = 0;
  Main.DayStartHour = 0;
  Main.ScratchText = "Масштаб изображения=" + Str(HScroll1.Value() / 10.0) + "млн.км/см";
  Label10.setCaption(Main.ScratchText);
  Main.ImageScale = imageScaleFromScrollBar();
  Main.LastStateIndex = static_cast<int16_t>(6 * Main.LastObjectIndex + 5);
}

// Check2_Click: ObjectIncluded, PairIncluded and IncludedCount from the
// object boxes; a body that does not take part cannot be followed.
// Reads:    Check2(0..10)
// Writes:   Main.ObjectIncluded, Main.PairIncluded, Main.IncludedCount;
//           the enabled state of Option1 (the Sun's is always disabled)
void Form1::Check2_Click(int /*Index*/) {
  Main.IncludedCount = 0;
  for (int i = 0; i <= 10; ++i) {
    const bool included = Check2[i].Value() == 1;
    Main.ObjectIncluded[i] = included ? 1 : 0;
    if (included) ++Main.IncludedCount;
    Option1[i].setEnabled(included);
    for (int k = 0; k <= 10; ++k)
      Main.PairIncluded(i, k) = included && Check2[k].Value() == 1 ? 1 : 0;
  }
  Option1[0].setEnabled(false);
}

// Check3_Click: object 10 becomes the Moon ("Луна", taking part) or the
// spare body "Ксена" (not taking part). The Earth cannot be followed alone
// while the Moon moves apart from it. Setting Check2(10) runs Check2_Click.
void Form1::Check3_Click() {
  const bool moon = Check3.Value() == 1;
  const char* name = moon ? form1text::kMoonName : form1text::kObjectNames[10];
  Check2[10].setCaption(name);
  Check2[10].setValue(moon ? 1 : 0);
  Option1[10].setCaption(name);
  Option1[3].setEnabled(!moon);
  Option1[10].setEnabled(Check2[10].Value() == 1);
}

// SetObjectColours: the drawing colour of objects 0..LastObjectIndex.
void Form1::SetObjectColours() {
  for (int i = 0; i <= Main.LastObjectIndex; ++i) {
    const ObjectColour colour = i < static_cast<int>(kObjectColours.size())
                                    ? kObjectColours[i]
                                    : ObjectColour{0, 0, 0};
    Main.ColorR[i] = colour.red;
    Main.ColorG[i] = colour.green;
    Main.ColorB[i] = colour.blue;
  }
}

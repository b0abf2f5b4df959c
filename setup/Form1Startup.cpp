// Start-up of the program and activation of Form1; which bodies take part;
// the drawing colours of the bodies.
#include <array>

#include "core/runtime/NumberText.h"
#include "core/state/SharedState.h"
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

// Diameters, m: Sun, Mercury, Venus, Earth, Mars; the Moon is object 11.
constexpr std::array<double, 5> kPlanetDiameters{1.392e9, 4.879e6, 1.2104e7, 1.2756e7, 6.794e6};
constexpr double kMoonDiameter = 3.475e6;

// Sidereal periods of objects 0..11, days ("Ксена" and the Sun are nominal).
constexpr std::array<double, 12> kSiderealPeriods{4444,     87.96926, 224.7008, 365.2564,
                                                  686.9796, 4332.82,  10755.7,  30687.15,
                                                  60190.03, 90553.02, 99999,    27.32265};

// Days per month in the Julian and Gregorian calendars (February of a common
// year) and in the Egyptian calendar (the five extra days counted in month 12).
constexpr std::array<int32_t, 12> kCivilMonthDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr int32_t kEgyptianMonthDays = 30;
constexpr int32_t kEgyptianLastMonthDays = 35;

// Layout of a DE405 record: first value, coefficients per component and days
// per sub-interval of items 1..11 (Mercury .. Pluto, Moon, Sun).
struct DE405Item {
  int16_t coefStart, coefCount, subDays;
};
constexpr std::array<DE405Item, 11> kDE405Layout{{
    {3, 14, 8},
    {171, 10, 16},
    {231, 13, 16},
    {309, 11, 32},
    {342, 8, 32},
    {366, 7, 32},
    {387, 6, 32},
    {405, 6, 32},
    {423, 6, 32},
    {441, 13, 4},
    {753, 11, 16},
}};
constexpr int16_t kDE405BlockSize = 1020;

void setConstants() {
  Main.MK = 1e6;
  for (std::size_t i = 0; i < kPlanetDiameters.size(); ++i) Main.Diameter[i] = kPlanetDiameters[i];
  Main.Diameter[11] = kMoonDiameter;
  Main.SunRadius = Main.Diameter[0] / 2;
  Main.JD1900 = 2415020.0;
  Main.SecondsPerDay = 86400;
  Main.sekG = 31557600;
  Main.VXsys = 0;
  Main.VYsys = 0;
  Main.VZsys = 0;
  Main.Lae = 149597870691;
  Main.Pi = 3.14159265359;
  Main.JD2000 = 2451545.0;
  Main.Vsv = 299792500;
  // Degrees per radian from the stored value of pi, not from full precision.
  Main.kUgol = 180 / 3.14159265359;
  Main.ObliquityJ2000 = 23.43929111 / Main.kUgol;
}

void setMonthLengths() {
  for (int calendar = 0; calendar <= 1; ++calendar)
    for (int month = 1; month <= 12; ++month)
      Main.MonthLength(calendar, month) = kCivilMonthDays[month - 1];
  for (int month = 1; month <= 11; ++month) Main.MonthLength(2, month) = kEgyptianMonthDays;
  Main.MonthLength(2, 12) = kEgyptianLastMonthDays;
}

void clearShiftTables() {
  for (int planet = 1; planet <= 11; ++planet)
    for (int shift = 1; shift <= 6; ++shift) {
      Main.ObservedShifts(planet, shift) = 0;
      for (int experiment = 1; experiment <= 91; ++experiment)
        Main.ModelShifts(planet, shift, experiment) = 0;
    }
}

void setDE405Layout() {
  for (std::size_t item = 1; item <= kDE405Layout.size(); ++item) {
    Main.DE405CoefStart[item] = kDE405Layout[item - 1].coefStart;
    Main.DE405CoefCount[item] = kDE405Layout[item - 1].coefCount;
    Main.DE405SubDays[item] = kDE405Layout[item - 1].subDays;
  }
  Main.DE405BlockSize = kDE405BlockSize;
}

void setSiderealPeriods() {
  for (std::size_t i = 0; i < kSiderealPeriods.size(); ++i)
    Main.SiderealPeriod[i] = kSiderealPeriods[i];
}

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
  setConstants();
  setMonthLengths();
  clearShiftTables();
  fillDesignColumns();
  setDE405Layout();
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

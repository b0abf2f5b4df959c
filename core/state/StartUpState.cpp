#include "core/state/StartUpState.h"

#include <array>
#include <cstddef>
#include <cstdint>

#include "core/Constants.h"
#include "core/state/SharedState.h"

namespace {

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
// Values held by one DE405 record: its 1018 numbers and two fillers.
constexpr int16_t kDE405BlockSize = 1020;

}  // namespace

void setStartUpConstants() {
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
  Main.JD2000 = astro::kJulianDayJ2000;
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

void setDE405RecordLayout() {
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

void startWithStartUpState() {
  resetSharedState();
  setStartUpConstants();
  setMonthLengths();
  setDE405RecordLayout();
  setSiderealPeriods();
}

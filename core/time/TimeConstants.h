#pragma once
#include "core/Constants.h"
// Constants of the calendars and time scales, each with its meaning and unit.

namespace timeconst {

using astro::kDaysPerJulianCentury;

// Year + month/100 + day/10000 above which a date of calendar mode 0 is
// Gregorian: 1582-10-15.0 is the first Gregorian date (1582-10-04 the last
// Julian one).
inline constexpr double kGregorianSwitchDecimalDate = 1582.101499;
// The last whole Julian Day (counted from noon) still in the Julian calendar
// of mode 0: JD 2299160.5 is 1582-10-15.0.
inline constexpr double kLastJulianCalendarDayNumber = 2299160.0;

// Egyptian calendar of the era of Nabonassar: years of twelve 30-day months
// and five extra days (kept as days 31..35 of month 12). kNabonassarDayZero
// is the whole-day count origin: 1 Thoth of year 1, day 1.0, is
// kNabonassarDayZero + 365 + 1 - 0.5 = JD 1448637.5 (midnight start).
inline constexpr long kNabonassarDayZero = 1448272;
inline constexpr int kEgyptianYearDays = 365;
inline constexpr int kEgyptianMonthDays = 30;
inline constexpr int kEgyptianMonths = 12;

// The Julian Days a run over dates may stand on: from -1e7 to +1e7 (years
// about -32 000 to +22 000), where every calendar of the date procedures
// converts a date both ways (their years are 16-bit numbers).
inline constexpr double kLargestRunJulianDay = 1e7;
// The shortest and the longest step between the dates of a run, days: about
// a tenth of a second, finer than any time the windows show (a shorter step
// is lost in the sum with a Julian Day, or takes years of passes to cross a
// year), and the whole span of the run dates.
inline constexpr double kShortestDayStep = 1e-6;
inline constexpr double kLongestDayStep = 2 * kLargestRunJulianDay;

// Messages and title of the two date conversions.
inline constexpr const char* kBadDateMessage = "Введите правильно дату";
inline constexpr const char* kBadJulianDayMessage = "Введите правильно юлианскую дату";
inline constexpr const char* kDateMessageTitle = "Celvan7.0";

}  // namespace timeconst

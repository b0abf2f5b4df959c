// DateFromJulianDay: Julian Day to calendar date.
// Reads:    Main.CalendarMode, Main.DayStartHour
// Given:    julianDay, the Julian Day (taken as a value: the caller's
//           variable never changes)
// Returns:  Main.CalendarYear, Main.CalendarMonth, and Main.CalendarDay, the
//           day of the month with the fraction of the day counted from
//           Main.DayStartHour (the inverse of JulianDayFromDate)
// Notes:    Mode 0: Julian calendar up to JD 2299160.5 (1582-10-15.0), then
//           Gregorian; mode 1: Julian only; mode 2: Egyptian era of
//           Nabonassar, days 1..30 of months 1..12 and the five extra days as
//           days 31..35 of month 12. A Julian Day whose whole part does not
//           fit a 32-bit integer, or that is not a number, shows "Введите
//           правильно юлианскую дату" (title "Celvan7.0") and sets
//           Main.DateErrorFlag = 1; the outputs then keep their values.
//           In mode 2 every day of a month comes back with its own number
//           (day 30 as day 30, the fifth extra day as day 35), so that a
//           date converted to a Julian Day and back is the same date.
// Reference: Meeus, Astronomical Algorithms, 2nd ed., ch. 7.
#include <algorithm>
#include <cmath>

#include "core/runtime/ErrorTrap.h"
#include "core/runtime/NumberText.h"
#include "core/runtime/RuntimeError.h"
#include "core/state/SharedState.h"
#include "core/time/TimeConstants.h"
#include "core/time/TimeScales.h"

namespace {

using namespace timeconst;

// Whole part of a day count as a checked 32-bit integer (an overflow error
// beyond it, or for a value that is not a number).
double checkedWholeDays(double days) {
  if (!std::isfinite(days)) throw RuntimeError(ErrorCode::Overflow, "Julian Day is not a number");
  return CLng(Int(days));
}

void egyptianDate(double julianDay) {
  // Days since the count origin: day 1.0 of year 1 is day 366.
  const double days = julianDay + 0.5 - Main.DayStartHour / 24.0 - kNabonassarDayZero;
  const double year = checkedWholeDays((days - 1.0) / kEgyptianYearDays);
  const double dayOfYear = days - kEgyptianYearDays * year;  // 1.0 up to 366
  const double month =
      std::min(Int((dayOfYear - 1.0) / kEgyptianMonthDays) + 1.0, double{kEgyptianMonths});
  Main.CalendarDay = dayOfYear - kEgyptianMonthDays * (month - 1.0);
  Main.CalendarMonth = static_cast<int32_t>(month);
  Main.CalendarYear = static_cast<int32_t>(year);
}

void calendarDate(double julianDay) {
  const double wholeDay = checkedWholeDays(julianDay + 0.5);
  const double dayFraction = julianDay + 0.5 - wholeDay;
  double a = wholeDay;
  if (Main.CalendarMode != 1 && wholeDay > kLastJulianCalendarDayNumber) {
    const double alpha = Int((wholeDay - 1867216.25) / 36524.25);
    a = wholeDay + 1.0 + alpha - Fix(alpha / 4.0);
  }
  const double b = a + 1524.0;
  const double c = Int((b - 122.1) / 365.25);
  const double d = Int(365.25 * c);
  const double e = Int((b - d) / 30.6001);
  const double month = e < 13.5 ? e - 1.0 : e - 13.0;
  Main.CalendarDay = b - d - Int(30.6001 * e) + dayFraction - Main.DayStartHour / 24.0;
  Main.CalendarMonth = static_cast<int32_t>(month);
  Main.CalendarYear = static_cast<int32_t>(month > 2.5 ? c - 4716.0 : c - 4715.0);
}

}  // namespace

void DateFromJulianDay(double julianDay) {
  const bool converted = withErrorTrap(kBadJulianDayMessage, kDateMessageTitle, [&] {
    if (Main.CalendarMode == 2)
      egyptianDate(julianDay);
    else
      calendarDate(julianDay);
  });
  if (!converted) Main.DateErrorFlag = 1;
}

// JulianDayFromDate: calendar date and day fraction to Julian Day.
// Reads:    Main.CalendarMode, Main.DayStartHour
// Given:    day of the month with the fraction of the day (day 1.0 is the
//           start of the first day), month, year (astronomical numbering:
//           year 0 is 1 BC); in the Egyptian calendar month 12 takes the five
//           extra days as its days 31..35
// Returns:  the Julian Day; writes Main.DecimalDate (calendar modes 0 and 1)
// Notes:    Mode 0: Julian calendar up to 1582-10-04, Gregorian from
//           1582-10-15; mode 1: Julian for every date; mode 2: Egyptian era
//           of Nabonassar, 1 Thoth of year 1 = JD 1448637.5 when the day
//           starts at hour 0. A year or month beyond a 16-bit integer (modes
//           0, 1), a day count beyond 32 bits (mode 2) or a day that is not a
//           finite number shows "Введите правильно дату" (title "Celvan7.0"),
//           sets Main.DateErrorFlag = 1 and returns 0.
// Reference: Meeus, Astronomical Algorithms, 2nd ed., ch. 7.
#include <cmath>

#include "core/runtime/ErrorTrap.h"
#include "core/runtime/NumberText.h"
#include "core/runtime/RuntimeError.h"
#include "core/state/SharedState.h"
#include "core/time/TimeConstants.h"
#include "core/time/TimeScales.h"

namespace {

using namespace timeconst;

// Days from 0 January of year 0 back to the origin of the Julian Day count
// in the classic calendar-to-Julian-Day rule.
constexpr double kJulianDayOfYearZero = 1720994.5;

double egyptianJulianDay(double day, int32_t month, int32_t year) {
  // The whole-day part is a 32-bit count: beyond it the date is refused.
  const long long wholeDays = static_cast<long long>(kEgyptianYearDays) * year +
                              static_cast<long long>(kEgyptianMonthDays) * (month - 1) +
                              kNabonassarDayZero;
  const double checkedDays = CLng(static_cast<double>(wholeDays));
  return checkedDays + day - 0.5 + Main.DayStartHour / 24.0;
}

// Days from the start of the shifted year (March-based) to the start of its
// year 0, with the rule's correction for negative years.
double daysToShiftedYear(int year) {
  return year < 0 ? Fix(365.25 * year - 0.75) : Fix(365.25 * year);
}

double calendarJulianDay(double day, int32_t month, int32_t year) {
  const double dayFromStart = day + Main.DayStartHour / 24.0;
  Main.DecimalDate = year + month / 100.0 + dayFromStart / 10000.0;
  int shiftedYear = CInt(static_cast<double>(year));
  int shiftedMonth = CInt(static_cast<double>(month));
  if (shiftedMonth < 3) {
    shiftedYear = CInt(static_cast<double>(shiftedYear - 1));
    shiftedMonth += 12;
  }
  double gregorianCorrection = 0.0;
  if (Main.CalendarMode == 0 && Main.DecimalDate > kGregorianSwitchDecimalDate) {
    const double century = Fix(shiftedYear / 100.0);
    gregorianCorrection = 2.0 - century + Fix(century / 4.0);
  }
  return Fix(30.6001 * (shiftedMonth + 1)) + daysToShiftedYear(shiftedYear) + dayFromStart +
         kJulianDayOfYearZero + gregorianCorrection;
}

}  // namespace

double JulianDayFromDate(double day, int32_t month, int32_t year) {
  double julianDay = 0.0;
  const bool converted = withErrorTrap(kBadDateMessage, kDateMessageTitle, [&] {
    if (!std::isfinite(day)) throw RuntimeError(ErrorCode::Overflow, "day is not a number");
    julianDay = Main.CalendarMode == 2 ? egyptianJulianDay(day, month, year)
                                       : calendarJulianDay(day, month, year);
  });
  if (converted) return julianDay;
  Main.DateErrorFlag = 1;
  return 0.0;
}

// NormalizeCalendarDate: carries a day count that runs past the end of its
// month into the following months and years.
// Reads:    Main.CalendarMode, Main.MonthLength
// Given:    day (whole days and the fraction of a day), month, year
// Returns:  Main.CalendarYear, Main.CalendarMonth, Main.CalendarDay; the whole
//           day count in Main.ObsDay and the fraction times 24 in
//           Main.DayHours; in calendars 0 and 1 February of
//           Main.MonthLength is set for the year reached and Main.DecimalDate
//           to year + month/100 + day/10000 of the given day
// Notes:    Never borrows backwards: a day count below 1 stays as it is. A
//           month of 13 on entry has no days and carries into January of the
//           next year; a month of 14 or more is outside the table (subscript
//           error in the caller). A carry past the largest year of 32 bits
//           throws RuntimeError(Overflow). Calendar 0 has Gregorian leap
//           years after 1582-10-15, Julian ones before; calendar 1 Julian
//           ones always.
#include <limits>

#include "core/runtime/NumberText.h"
#include "core/runtime/RuntimeError.h"
#include "core/state/SharedState.h"
#include "core/time/TimeConstants.h"
#include "core/time/TimeScales.h"

namespace {

bool divides(int32_t divisor, int32_t year) { return year % divisor == 0; }

// February of calendars 0 and 1 for this year (calendar 2 keeps its table).
void setFebruaryFor(int32_t year, int32_t month, double day) {
  const int16_t mode = Main.CalendarMode;
  if (mode >= 2) return;
  Main.DecimalDate = year + month / 100.0 + day / 10000.0;
  int32_t february = divides(4, year) ? 29 : 28;
  if (mode == 0 && Main.DecimalDate > timeconst::kGregorianSwitchDecimalDate && divides(100, year))
    february = divides(400, year) ? 29 : 28;
  Main.MonthLength(mode, 2) = february;
}

int32_t monthLength(int32_t month) {
  const int32_t days = Main.MonthLength(Main.CalendarMode, month);
  // A month of the calendar without days would never be left: the table was
  // not set up.
  if (days <= 0 && month >= 1 && month <= 12)
    throw RuntimeError(ErrorCode::InvalidCall, "month length table is not set");
  return days;
}

}  // namespace

void NormalizeCalendarDate(double day, int32_t month, int32_t year) {
  Main.ObsDay = CLng(Fix(day));
  Main.DayHours = (day - Main.ObsDay) * 24.0;
  setFebruaryFor(year, month, day);
  while (Main.ObsDay > monthLength(month)) {
    Main.ObsDay -= monthLength(month);
    if (++month <= 12) continue;
    if (year == std::numeric_limits<int32_t>::max())
      throw RuntimeError(ErrorCode::Overflow, "the year runs past 32 bits");
    ++year;
    month = 1;
    if (Main.ObsDay >= monthLength(1)) setFebruaryFor(year, month, day);
  }
  Main.CalendarMonth = month;
  Main.CalendarYear = year;
  Main.CalendarDay = Main.ObsDay + Main.DayHours / 24.0;
}

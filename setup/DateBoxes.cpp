// The date conversions between three date boxes and a Julian Day box.
#include "setup/DateBoxes.h"

#include "core/runtime/NumberText.h"
#include "core/state/SharedState.h"
#include "core/time/TimeScales.h"

namespace {

void showCalendarDate(ui::TextBox& year, ui::TextBox& month, ui::TextBox& day) {
  year.setText(Str(Main.CalendarYear));
  month.setText(Str(Main.CalendarMonth));
  day.setText(Str(Main.CalendarDay));
}

}  // namespace

void showCarriedDateAndJulianDay(ui::TextBox& year, ui::TextBox& month, ui::TextBox& day,
                                 ui::TextBox& julianDay) {
  Main.InputYear = CLng(year.Text());
  Main.InputMonth = CLng(month.Text());
  Main.InputDay = CDbl(day.Text());
  NormalizeCalendarDate(Main.InputDay, Main.InputMonth, Main.InputYear);
  showCalendarDate(year, month, day);
  Main.DateErrorFlag = 0;
  Main.JD = JulianDayFromDate(Main.CalendarDay, Main.CalendarMonth, Main.CalendarYear);
  if (Main.DateErrorFlag == 0) julianDay.setText(Str(Main.JD));
}

void showDateOfJulianDay(ui::TextBox& julianDay, ui::TextBox& year, ui::TextBox& month,
                         ui::TextBox& day) {
  Main.JD = CDbl(julianDay.Text());
  Main.DateErrorFlag = 0;
  DateFromJulianDay(Main.JD);
  if (Main.DateErrorFlag == 1) return;
  showCalendarDate(year, month, day);
}

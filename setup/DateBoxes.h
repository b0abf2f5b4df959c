#pragma once
// The two date conversions of the windows that show a date in three boxes
// (year, month, day with its fraction) beside a box with its Julian Day:
// "G->J" and "J->G" of the start-up window, the DE405 test window and the
// Moon window. Neither has an error trap: a box that is no number raises a
// run-time error in the caller's trap, which shows the window's own message.
#include "ui/Controls.h"

// The typed date carried over into the following months when its day count
// runs past its month, shown back in the date boxes, and its Julian Day in
// the day box.
// Reads:    the date boxes; Main.CalendarMode, Main.DayStartHour
// Writes:   Main.InputYear, InputMonth, InputDay, CalendarYear,
//           CalendarMonth, CalendarDay, JD, DateErrorFlag
// Notes:    A date the date procedure refuses shows its message (title
//           "Celvan7.0") and leaves the Julian Day box as it was.
void showCarriedDateAndJulianDay(ui::TextBox& year, ui::TextBox& month, ui::TextBox& day,
                                 ui::TextBox& julianDay);

// The Julian Day typed in its box to the calendar date in the date boxes.
// Reads:    the Julian Day box; Main.CalendarMode, Main.DayStartHour
// Writes:   Main.JD, CalendarYear, CalendarMonth, CalendarDay, DateErrorFlag
// Notes:    A Julian Day the date procedure refuses shows its message and
//           leaves the date boxes as they were.
void showDateOfJulianDay(ui::TextBox& julianDay, ui::TextBox& year, ui::TextBox& month,
                         ui::TextBox& day);

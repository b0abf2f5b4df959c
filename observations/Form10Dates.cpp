// Form10's dates: "DMY->JD" and "JD->DMY" between the date boxes and the
// Julian Day in the chosen calendar and day start, "JD = JD0", and the
// civil date and time of an epoch shown in Text58.
#include <cmath>
#include <cstdlib>
#include <string>

#include "core/runtime/ErrorTrap.h"
#include "core/runtime/NumberText.h"
#include "core/state/SharedState.h"
#include "core/time/TimeScales.h"
#include "observations/Form10.h"
#include "observations/Form10Texts.h"
#include "setup/DateBoxes.h"

// The calendar and the hour at which the day starts, from the options, into
// the shared settings the date procedures read.
void Form10::readCalendarChoice() {
  Main.CalendarMode = 0;
  if (Option6.Value()) Main.CalendarMode = 1;
  if (Option7.Value()) Main.CalendarMode = 2;
  Main.DayStartHour = Option16.Value() ? 12 : 0;
}

// The run's own calendar and day start into the shared settings, before a
// date of the run is converted (another window may have changed them).
void Form10::useRunCalendar() const {
  Main.CalendarMode = static_cast<int16_t>(runCalendarMode);
  Main.DayStartHour = runDayStartHour;
}

// The typed date carried over its month, shown back, and its Julian Day cut
// to four decimals.
void Form10::convertDateBoxes() {
  Main.ObsYear = CLng(Text4.Text());
  Main.ObsMonth = CLng(Text3.Text());
  Main.ObsDayWithTime = CDbl(Text2.Text());
  readCalendarChoice();
  NormalizeCalendarDate(Main.ObsDayWithTime, Main.ObsMonth, Main.ObsYear);
  Text4.setText(Str(Main.CalendarYear));
  Text3.setText(Str(Main.CalendarMonth));
  Text2.setText(Str(Main.CalendarDay));
  Main.DateErrorFlag = 0;
  Main.JD = JulianDayFromDate(Main.CalendarDay, Main.CalendarMonth, Main.CalendarYear);
  if (Main.DateErrorFlag == 0) Text5.setText(Str(truncateDecimals(Main.JD, 4)));
}

// Command2_Click "DMY->JD".
void Form10::Command2_Click() {
  withErrorTrap(form10text::kBadDate, form10text::kTitle, [this] { convertDateBoxes(); });
}

// Command3_Click "JD->DMY": the day shown with its whole fraction.
void Form10::Command3_Click() {
  withErrorTrap(form10text::kBadDate, form10text::kTitle, [this] {
    readCalendarChoice();
    showDateOfJulianDay(Text5, Text4, Text3, Text2);
  });
}

// Command18_Click "JD = JD0": the start date of the last run back into the
// date boxes, the first experiment 1, and its Julian Day.
void Form10::Command18_Click() {
  Text4.setText(Str(Main.StartYear));
  Text3.setText(Str(Main.StartMonth));
  Text2.setText(Str(Main.StartDay));
  Text26.setText("1");
  Command2_Click();
}

// Text58: "hh:mm - dd.mm.yyyy года н.э." of the date in Main.CalendarDay,
// CalendarMonth, CalendarYear; a year below 1 is shown as its absolute
// value plus 1 with "до н.э.".
void Form10::showEpochDate() {
  const double day = Main.CalendarDay;
  DayFractionToHMS(day);
  const int year = Main.CalendarYear;
  const bool beforeEra = year < 1;
  const int shownYear = beforeEra ? std::abs(year) + 1 : year;
  Text58.setText(Format(Main.Hours, "00") + ":" + Format(Main.Minutes, "00") + " - " + Format(Fix(day), "00") +
                 "." + Format(Main.CalendarMonth, "00") + "." + std::to_string(shownYear) + " года " +
                 (beforeEra ? "до н.э." : "н.э."));
}

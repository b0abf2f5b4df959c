// Form12's date tools: "G->J" turns the universal-time date of the window
// into a Julian Day and "J->G" the Julian Day back into the date; both show
// the observer's local mean time and the time of the chosen zone for the
// same moment.
//
// The calendar procedures use Main.DecimalDate as scratch, and this window
// keeps its angle register there: the register is put back after each date
// conversion, so that converting a date loses no angle.
#include <string>

#include "core/Constants.h"
#include "core/runtime/ErrorTrap.h"
#include "core/runtime/NumberText.h"
#include "core/state/KeptValues.h"
#include "core/state/SharedState.h"
#include "core/time/TimeScales.h"
#include "setup/DateBoxes.h"
#include "tools/Form12.h"
#include "tools/Form12Texts.h"

namespace {

using astro::kHoursPerDay;
using astro::kDegreesPerHour;

// "hh:mm:ss" of the hours, minutes and seconds left by DayFractionToHMS.
std::string clockText(double day) {
  DayFractionToHMS(day);
  return Format(Main.Hours, "00") + ":" + Format(Main.Minutes, "00") + ":" +
         Format(Main.Seconds, "00");
}

}  // namespace

void Form12::readObserver() {
  Main.ObsL = CDbl(Text21.Text());
  Main.ObsB = CDbl(Text22.Text());
}

// The local mean time of the observer and the zone time of the moment whose
// universal date is (Main.CalendarDay, Month, Year) and Julian Day julianDay.
void Form12::showLocalTimes(double julianDay) {
  const double day = Main.CalendarDay;
  const int32_t month = Main.CalendarMonth;
  const int32_t year = Main.CalendarYear;
  const double zoneHours = CDbl(Text28.Text());

  DateFromJulianDay(julianDay + Main.ObsL / kDegreesPerHour / kHoursPerDay);
  Text30.setText(std::string(form12text::kLocalMeanTimeHead) + clockText(Main.CalendarDay));

  NormalizeCalendarDate(day + zoneHours / kHoursPerDay, month, year);
  Text27.setText(std::string(form12text::kZoneTimeHead) + clockText(Main.CalendarDay));
}

// Command10_Click "G->J": the typed date carried past the end of its month,
// shown back, and its Julian Day. A date the calendar refuses shows its
// message and leaves Main.JD as it was.
void Form12::Command10_Click() {
  const KeptValues angleRegister(Main.DecimalDate);  // put back however the conversion ends
  const double previousJulianDay = Main.JD;
  withErrorTrap(form12text::kBadDate, form12text::kTitle, [&] {
    readObserver();
    showCarriedDateAndJulianDay(Text34, Text33, Text32, Text31);
    if (Main.DateErrorFlag == 1) {
      Main.JD = previousJulianDay;
      return;
    }
    showLocalTimes(Main.JD);
  });
}

// Command11_Click "J->G": the universal date of the typed Julian Day and its
// local times. A Julian Day the calendar refuses leaves Main.JD as it was.
void Form12::Command11_Click() {
  const KeptValues angleRegister(Main.DecimalDate);  // put back however the conversion ends
  const double previousJulianDay = Main.JD;
  withErrorTrap(form12text::kBadJulianDay, form12text::kTitle, [&] {
    readObserver();
    showDateOfJulianDay(Text31, Text34, Text33, Text32);
    if (Main.DateErrorFlag == 1) {
      Main.JD = previousJulianDay;
      return;
    }
    showLocalTimes(Main.JD);
  });
}

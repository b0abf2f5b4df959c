// DayFractionToHMS: the fraction of a day as whole hours, minutes, seconds.
// Given:    day, a day count with its fraction (not changed)
// Returns:  Main.Hours, Main.Minutes, Main.Seconds: each truncated toward
//           zero, in single precision as they are kept
// Notes:    The hours of the fraction are held in single precision before
//           they are split, so the seconds carry that precision (about
//           0.01 s for a day fraction).
#include "core/runtime/NumberText.h"
#include "core/state/SharedState.h"
#include "core/time/TimeScales.h"

void DayFractionToHMS(double day) {
  const float hours = static_cast<float>((day - Fix(day)) * 24.0);
  const float wholeHours = static_cast<float>(Fix(hours));
  const float hourFraction = hours - wholeHours;
  Main.Minutes = static_cast<float>(Fix(hourFraction * 60.0f));
  Main.Seconds = static_cast<float>(Fix((hourFraction - Main.Minutes / 60.0f) * 3600.0f));
  Main.Hours = wholeHours;
}

#pragma once
// Test helpers for the calendars, coordinates and DE405 reader: the constants
// and tables that the start-up window sets before any procedure runs, a
// recorder of message boxes, and angle conversions for the textbook rows.
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "core/runtime/MessageBoxRecorder.h"
#include "core/state/SharedState.h"
#include "core/state/StartUpState.h"

namespace astro_test {

// Fresh shared state with the start-up constants the procedures read.
inline void setStartupConstants() { startWithStartUpState(); }

// Records every message box and answers it.
using MessageBoxRecorder = ::MessageBoxRecorder;

inline double hoursToDegrees(double hours, double minutes, double seconds) {
  return 15.0 * (hours + minutes / 60.0 + seconds / 3600.0);
}
inline double dmsToDegrees(double degrees, double minutes, double seconds) {
  const double sign = degrees < 0.0 ? -1.0 : 1.0;
  return sign * (std::fabs(degrees) + minutes / 60.0 + seconds / 3600.0);
}
// Angle reduced to [0, 360).
inline double reduceDegrees(double degrees) {
  const double r = std::fmod(degrees, 360.0);
  return r < 0.0 ? r + 360.0 : r;
}
// Julian centuries from J2000 of a Julian Day.
inline double centuriesFromJ2000(double julianDay) { return (julianDay - 2451545.0) / 36525.0; }

}  // namespace astro_test

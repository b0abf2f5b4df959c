// GreenwichMeanSiderealTime: Greenwich mean sidereal time of a UT instant.
// Reads:    nothing of the shared state
// Given:    modifiedJulianDay, JD - 2400000.5 of the instant (UT)
// Returns:  the sidereal time in hours, not reduced to 0..24
// Notes:    GMST = 6.697374558 h + 1.0027379093 UT + (8640184.812866 T0 +
//           0.093104 T0² - 6.2e-6 T0³) s, UT the hours of the day and T0 the
//           Julian centuries from J2000 to 0h UT of the day (the IAU 1982
//           expression). Its intermediate times stay local: it runs inside
//           loops whose model time lives in the shared variables.
// Reference: Montenbruck and Pfleger, Astronomy on the Personal Computer,
//           ch. 3; Meeus, Astronomical Algorithms, 2nd ed., ch. 12.
#include "core/Constants.h"
#include "core/runtime/NumberText.h"
#include "core/time/TimeConstants.h"
#include "core/time/TimeScales.h"

namespace {
// Modified Julian Day of J2000.0 (2000-01-01 12h).
constexpr double kJ2000ModifiedJulianDay = 51544.5;
using astro::kSecondsPerHour;
}  // namespace

double GreenwichMeanSiderealTime(double modifiedJulianDay) {
  const double dayStart = Fix(modifiedJulianDay);
  const double universalHours = (modifiedJulianDay - dayStart) * 24.0;
  const double t0 = (dayStart - kJ2000ModifiedJulianDay) / timeconst::kDaysPerJulianCentury;
  const double secondsTerm = ((-6.2e-6 * t0 + 0.093104) * t0 + 8640184.812866) * t0;
  return 6.697374558 + 1.0027379093 * universalHours + secondsTerm / kSecondsPerHour;
}

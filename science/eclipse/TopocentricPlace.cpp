// TopocentricPlace: the Sun, the followed body and the centre of the Earth's
// shadow as seen by the observer.
// Reads:    Main.JDet2 (Julian Day of the Earth's rotation), Main.ObsL (east
//           longitude), Main.ObsB (latitude), degrees; Main.SelectedObject
//           (n); Main.X/Y/Z of 0, n and 13, geocentric equatorial of date, m
// Returns:  Main.SiderealTimeHours = Greenwich mean sidereal time, hours
//           0..24; Main.LocalSiderealTime = local mean sidereal time, degrees
//           0..360; Main.TopoRadius = 6378140 m; slot 12 = the observer's
//           geocentric equatorial vector, m; slots 0, n and 13 made
//           topocentric with Main.LonL, Main.LatB = topocentric right
//           ascension and declination, degrees, and Main.PairDistance(12, k) =
//           their distances from the observer, m; Main.PairDistance(15, 16) =
//           the Sun's topocentric distance
// Notes:    The Earth is a sphere of radius TopoRadius and the geographic
//           latitude serves as the geocentric one. A local time of exactly
//           24 h stays 24 h; one above is reduced by a day and one below zero
//           (an observer west of Greenwich shortly after 0 h) raised by a day.
// Reference: Meeus, Astronomical Algorithms, 2nd ed., ch. 12 and 40.
#include "core/Constants.h"
#include "core/coordinates/Coordinates.h"
#include "core/state/SharedState.h"
#include "core/theory/Theory.h"
#include "core/time/TimeScales.h"
#include "science/eclipse/DirectionFromSlot.h"
#include "science/eclipse/EclipseSteps.h"

namespace {

constexpr double kModifiedJulianDayOffset = 2400000.5;
using astro::kHoursPerDay;
using astro::kDegreesPerHour;
constexpr int16_t kSun = 0;
constexpr int16_t kObserver = 12;
constexpr int16_t kShadowCentre = 13;
constexpr int16_t kOrigin = 15;
constexpr int16_t kSunDistanceSlot = 16;

// Local mean sidereal time in hours, 0..24 (24 itself kept), from the
// Greenwich time reduced to 0..24 and the east longitude in degrees.
double localSiderealHours(double greenwichHours, double eastLongitude) {
  double hours = eastLongitude / kDegreesPerHour + greenwichHours;
  if (hours > kHoursPerDay) hours -= kHoursPerDay;
  if (hours < 0.0) hours += kHoursPerDay;
  return hours;
}

// Slot k moved from the Earth's centre to the observer; its direction and
// distance from there.
void moveToObserver(int16_t k) {
  Main.X[k] -= Main.X[kObserver];
  Main.Y[k] -= Main.Y[kObserver];
  Main.Z[k] -= Main.Z[kObserver];
  eclipse::takeDirectionFrom(kOrigin, k);
  Main.PairDistance(kObserver, k) = Main.Rpl;
}

}  // namespace

void TopocentricPlace() {
  const double greenwichHours = GreenwichMeanSiderealTime(Main.JDet2 - kModifiedJulianDayOffset);
  Main.SiderealTimeHours = FractionPositive(greenwichHours / kHoursPerDay) * kHoursPerDay;
  Main.LocalSiderealTime =
      localSiderealHours(Main.SiderealTimeHours, Main.ObsL) * kDegreesPerHour;

  Main.TopoRadius = astro::kEarthEquatorialRadius;
  SphericalToRectangular(kObserver, Main.LocalSiderealTime, Main.ObsB, Main.TopoRadius);

  moveToObserver(kSun);
  Main.PairDistance(kOrigin, kSunDistanceSlot) = Main.Rpl;
  moveToObserver(static_cast<int16_t>(Main.SelectedObject));
  moveToObserver(kShadowCentre);
}

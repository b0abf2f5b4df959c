// HorizontalPlace: azimuth and altitude of one object for the observer.
// Reads:    Main.LocalSiderealTime (degrees, left by TopocentricPlace),
//           Main.LonL(k), Main.LatB(k) (topocentric right ascension and
//           declination, degrees), Main.ObsB (latitude, degrees)
// Given:    k, the object slot 0..38; places, the caller's tables
// Returns:  Main.HourAngle (degrees); Main.X/Y/Z(k) = the object's unit
//           vector in the horizon frame (X south, Y west, Z zenith);
//           places.HorizonAzimuth(k) in -180..180 (0 south, +90 west, 180
//           north) and places.HorizonAltitude(k), degrees
// Reference: Meeus, Astronomical Algorithms, 2nd ed., ch. 13.
#include "core/coordinates/Coordinates.h"
#include "core/state/SharedState.h"
#include "science/eclipse/EclipseSteps.h"

namespace {
constexpr int16_t kOrigin = 15;
constexpr double kFullTurn = 360.0;
constexpr double kHalfTurn = 180.0;
}  // namespace

void HorizontalPlace(int16_t k, HorizonPlaces& places) {
  Main.HourAngle = Main.LocalSiderealTime - Main.LonL[k];
  if (Main.HourAngle < 0.0) Main.HourAngle += kFullTurn;
  EquatorialToHorizontal(k);
  RelativeEclipticPosition(kOrigin, k);
  double azimuth = Main.RelativeLongitude[k];
  if (azimuth > kHalfTurn) azimuth -= kFullTurn;
  places.HorizonAzimuth[k] = azimuth;
  places.HorizonAltitude[k] = Main.RelativeLatitude;
}

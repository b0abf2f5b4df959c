// EquatorialToEcliptic, EclipticToEquatorial: turn the position of
// Main.CurrentObject between the equator and the ecliptic of a date, a
// rotation about the X axis (the equinox) by the mean obliquity.
// Reads:    Main.CurrentObject, Main.Y, Main.Z, Main.kUgol
// Given:    t, Julian centuries from J2000 (the date of the equator and
//           ecliptic)
// Returns:  Main.Y, Main.Z(CurrentObject) rotated (X does not change);
//           Main.RelativeLatitude = the obliquity in radians
// Notes:    Mean obliquity ε = 23°26'21.448" - 46.8150" t - 0.00059" t² +
//           0.001813" t³ (IAU 1976).
// Reference: Meeus, Astronomical Algorithms, 2nd ed., (13.1)-(13.4), (22.2).
#include <cmath>

#include "core/coordinates/Coordinates.h"
#include "core/state/SharedState.h"

namespace {

// Mean obliquity of the date, radians.
double meanObliquity(double t) {
  const double arcSeconds = ((-0.001813 * t + 0.00059) * t + 46.815) * t;
  return (23.43929111 - arcSeconds / 3600.0) / Main.kUgol;
}

// Rotates Y, Z of the current object by `angle` about X: positive angles turn
// the equator onto the ecliptic.
void rotateAboutX(double angle) {
  const long i = Main.CurrentObject;
  const double y = Main.Y[i], z = Main.Z[i];
  Main.Y[i] = y * std::cos(angle) + z * std::sin(angle);
  Main.Z[i] = z * std::cos(angle) - y * std::sin(angle);
}

}  // namespace

void EquatorialToEcliptic(double t) {
  Main.RelativeLatitude = meanObliquity(t);
  rotateAboutX(Main.RelativeLatitude);
}

void EclipticToEquatorial(double t) {
  Main.RelativeLatitude = meanObliquity(t);
  rotateAboutX(-Main.RelativeLatitude);
}

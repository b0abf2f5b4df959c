// ApplyNutation: adds or removes the nutation in an equatorial vector.
// Reads:    Main.Pi
// Given:    t, Julian centuries from J2000; x, y, z, the vector (any unit),
//           changed in place; mode 0 = mean to true equator and equinox of
//           the date (add the nutation), 1 = true to mean (remove it), any
//           other mode = leave the vector alone
// Notes:    First order in the nutation in longitude Δψ and in obliquity Δε
//           from the five largest terms of the series (each angle in
//           revolutions): truncated at about 0.2" in Δψ and 0.1" in Δε.
// Reference: Montenbruck and Pfleger, Astronomy on the Personal Computer,
//           ch. 2 (nutation matrix, low precision).
#include <cmath>

#include "core/coordinates/Coordinates.h"
#include "core/state/SharedState.h"
#include "core/theory/Theory.h"

namespace {

constexpr double kArcSecondsPerRadian = 206264.8062;

// An angle given in revolutions at t, reduced to one turn, in radians.
double revolutionsToRadians(double revolutions) { return 2.0 * Main.Pi * FractionSigned(revolutions); }

}  // namespace

void ApplyNutation(double t, double& x, double& y, double& z, int16_t mode) {
  if (mode != 0 && mode != 1) return;
  const double sunAnomaly = revolutionsToRadians(0.993133 + 99.997306 * t);        // l'
  const double elongation = revolutionsToRadians(0.827362 + 1236.853087 * t);      // D
  const double latitudeArgument = revolutionsToRadians(0.259089 + 1342.227826 * t);  // F
  const double node = revolutionsToRadians(0.347346 - 5.372447 * t);              // Ω
  const double obliquity = 0.4090928 - 0.00022696 * t;                            // radians

  const double lunarTerm = 2.0 * (latitudeArgument - elongation + node);  // 2(F - D + Ω)
  const double moonTerm = 2.0 * (latitudeArgument + node);                // 2(F + Ω)
  const double deltaPsi = (-17.2 * std::sin(node) - 1.319 * std::sin(lunarTerm) -
                           0.227 * std::sin(moonTerm) + 0.206 * std::sin(2.0 * node) +
                           0.143 * std::sin(sunAnomaly)) /
                          kArcSecondsPerRadian;
  const double deltaEpsilon = (9.203 * std::cos(node) + 0.574 * std::cos(lunarTerm) +
                               0.098 * std::cos(moonTerm) - 0.09 * std::cos(2.0 * node)) /
                              kArcSecondsPerRadian;

  const double c = deltaPsi * std::cos(obliquity);
  const double s = deltaPsi * std::sin(obliquity);
  const double dx = -(c * y + s * z);
  const double dy = c * x - deltaEpsilon * z;
  const double dz = s * x + deltaEpsilon * y;
  const double sign = mode == 0 ? 1.0 : -1.0;
  x += sign * dx;
  y += sign * dy;
  z += sign * dz;
}

#pragma once
// What the tests of the element theories and orbits share: the start-up
// constants of the shared state, and angle helpers in degrees.
#include <cmath>

#include "core/state/SharedState.h"
#include "core/state/StartUpState.h"
#include "core/theory/Theory.h"

namespace theory_test {

// A clean shared state with the constants the start-up window sets before any
// theory runs.
inline void startWithStartUpConstants() { startWithStartUpState(); }

// Gravitational constant of the theories with the DE405 masses, m³/(kg s²).
inline constexpr double kGammaDE405 = 66.7259e-12;

// The start-up constants with the DE405 masses and their gravitational
// constant, as "JPL0 (J2000)" loads them.
inline void startWithDE405Masses() {
  startWithStartUpConstants();
  SetMassesDE405();
  Main.gamma = kGammaDE405;
}

// Mean elements of a body: axis (m), eccentricity, and the angles in
// radians: inclination, node, perihelion, mean longitude.
struct OrbitElements {
  double axis, eccentricity, inclination, node, perihelion, meanLongitude;
};

inline void setOrbitElements(int body, const OrbitElements& elements) {
  Main.Rsr[body] = elements.axis;
  Main.Eks[body] = elements.eccentricity;
  Main.Betta[body] = elements.inclination;
  Main.AlfaU[body] = elements.node;
  Main.AlfaP[body] = elements.perihelion;
  Main.AlfaL[body] = elements.meanLongitude;
}

// Julian Day of t Julian centuries from J2000.
inline double julianDayOfCenturies(double t) { return 2451545.0 + 36525.0 * t; }

// Difference of two angles in degrees, brought into [-180, 180).
inline double angleDifference(double a, double b) {
  double d = std::fmod(a - b, 360.0);
  if (d >= 180.0) d -= 360.0;
  if (d < -180.0) d += 360.0;
  return d;
}

// An angle of the element tables (rad, with the program's kUgol) in degrees.
inline double degreesOf(double radians) { return radians * Main.kUgol; }

}  // namespace theory_test

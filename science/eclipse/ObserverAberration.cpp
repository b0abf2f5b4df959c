// ObserverAberration: the annual aberration of the Sun and of the followed
// body, from the Earth's motion.
// Reads:    Main.SelectedObject (n); Main.X/Y/Z of 0 (Sun) and n, geocentric
//           ecliptic J2000, m; Main.VX/VY/VZ(3), the Earth's heliocentric
//           velocity, m/s; Main.PropagationTime(3, 0) and (3, n), their light
//           times, s
// Returns:  Main.X/Y/Z of 0 and n moved along the Earth's velocity by their
//           own light times; Main.LonL, Main.LatB of 0 and n = the apparent
//           geocentric longitude and latitude, degrees
// Notes:    A position of length ρ moved by (ρ / c) v turns its direction by
//           v / c towards the Earth's motion: the Sun's longitude falls by
//           about 20.5".
// Reference: Meeus, Astronomical Algorithms, 2nd ed., ch. 23 and 25.
#include "core/state/SharedState.h"
#include "science/eclipse/DirectionFromSlot.h"
#include "science/eclipse/EclipseSteps.h"

namespace {

constexpr int16_t kSun = 0;
constexpr int16_t kEarth = 3;

// Slot k moved by its light time along the Earth's velocity, then its
// direction from the Earth.
void shiftAlongEarthMotion(int16_t k) {
  const double lightTime = Main.PropagationTime(kEarth, k);
  Main.X[k] += lightTime * Main.VX[kEarth];
  Main.Y[k] += lightTime * Main.VY[kEarth];
  Main.Z[k] += lightTime * Main.VZ[kEarth];
  eclipse::takeDirectionFrom(kEarth, k);
}

}  // namespace

void ObserverAberration() {
  shiftAlongEarthMotion(kSun);
  shiftAlongEarthMotion(static_cast<int16_t>(Main.SelectedObject));
}

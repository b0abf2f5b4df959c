// SourceLightTime: the followed body's place corrected for the light time.
// Reads:    Main.SelectedObject (n), Main.X/Y/Z(n) (geocentric ecliptic J2000,
//           m, with the Earth's slot 3 at the origin), Main.VX/VY/VZ(n)
//           (heliocentric velocity, m/s), Main.PropagationTime(3, n) (a first
//           light time, s), Main.Vsv
// Returns:  Main.X0/Y0/Z0(n) = the geometric position; Main.X/Y/Z(n) = the
//           position at the time the light left the body; Main.LonL(n),
//           Main.LatB(n) = its geocentric longitude and latitude, degrees;
//           Main.PropagationTime(3, n) = the light time of that position
// Notes:    Three passes of "back along the velocity by the light time, then
//           the light time of the new distance", each from the saved
//           geometric position, so the place after the third pass is retarded
//           by the second light time. Three passes leave a change far below
//           a millisecond for bodies of the solar system.
// Reference: Meeus, Astronomical Algorithms, 2nd ed., ch. 33 (light time).
#include "core/coordinates/LightTime.h"
#include "core/state/SharedState.h"
#include "science/eclipse/DirectionFromSlot.h"
#include "science/eclipse/EclipseSteps.h"

namespace {
constexpr int16_t kEarth = 3;
constexpr int kLightTimePasses = 3;
}  // namespace

void SourceLightTime() {
  const auto n = static_cast<int16_t>(Main.SelectedObject);
  retardForLightTime(kEarth, n, kLightTimePasses);
  eclipse::keepDirection(n);
}

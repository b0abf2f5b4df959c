#pragma once
// A body's place corrected for the light time, as the observation reduction
// and the eclipse run both correct it.
#include <cstdint>

// retardForLightTime: the body moved back along its velocity by the light
// time, `passes` times, each pass from the saved geometric position with the
// light time of the previous pass's distance.
// Reads:    Main.X/Y/Z(body) (the geometric position, m), Main.VX/VY/VZ(body)
//           (m/s), Main.PropagationTime(observer, body) (a first light time,
//           s), Main.Vsv
// Writes:   Main.X0/Y0/Z0(body) = the geometric position; Main.X/Y/Z(body) =
//           the position when the light left the body; what
//           RelativeEclipticPosition(observer, body) leaves (Rpl, LonL,
//           LatB, ...); Main.PropagationTime(observer, body) = the light time
//           of the last distance
// Notes:    After three passes the place is retarded by the second light
//           time; the change left is far below a millisecond for bodies of
//           the solar system.
// Reference: Meeus, Astronomical Algorithms, 2nd ed., ch. 33.
void retardForLightTime(int16_t observer, int16_t body, int passes);

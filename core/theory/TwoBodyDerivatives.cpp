// TwoBodyDerivatives: right-hand side of the two-body orbit checks.
#include <cmath>
#include <numbers>

#include "core/state/SharedState.h"
#include "core/theory/Theory.h"

// TwoBodyDerivatives: Newton's mutual attraction of a central body and one
// orbiting body, with no speed of gravity and no other body.
// Reads:    StateVector(1..12): 1..3 position of the central body, 4..6 of
//           the orbiting body (m), 7..9 and 10..12 their velocities (m/s);
//           SelectedObject (the orbiting body s), SecondObject (the central
//           body c), Mass (kg), gamma (m³/(kg s²)), VsolConstFlag (1 the
//           centre is accelerated by the orbiting body, 0 it keeps its
//           velocity)
// Writes:   StateDerivative(1..12); Rpl = the distance (m); in row 0 of the
//           pair tables, column s: PairDistanceXY (m), Force (N),
//           PairLongitude (rad), ForceX, ForceY, ForceZ (N, the force on the
//           orbiting body); RelativeLatitude = the absolute latitude angle of
//           the pair (rad)
// Notes:    The force goes through its direction angles, both taken as
//           absolute values, the signs of its components from the coordinate
//           differences, as in the n-body model. A body straight above or
//           below the other (no X and Y difference) has the latitude angle
//           pi/2; only two bodies at the same place make the force infinite,
//           which raises the floating-point division flag for the caller's
//           trap.
void TwoBodyDerivatives() {
  Table1<double, 69>& state = Main.StateVector;
  Table1<double, 66>& rate = Main.StateDerivative;
  for (int i = 1; i <= 6; ++i) rate[i] = state[i + 6];

  const double dx = state[4] - state[1];
  const double dy = state[5] - state[2];
  const double dz = state[6] - state[3];
  const int s = Main.SelectedObject;
  const int centre = Main.SecondObject;

  const double distanceXY = std::sqrt(dy * dy + dx * dx);
  Main.Rpl = std::sqrt(dy * dy + dx * dx + dz * dz);
  Main.PairDistanceXY(0, s) = distanceXY;
  const double force = Main.Mass[s] * Main.Mass[centre] * Main.gamma / (Main.Rpl * Main.Rpl);
  Main.Force(0, s) = force;

  const double longitude = dx == 0.0 ? std::numbers::pi / 2.0 : std::fabs(std::atan(dy / dx));
  const double latitude = std::atan2(std::fabs(dz), distanceXY);
  Main.PairLongitude(0, s) = longitude;
  Main.RelativeLatitude = latitude;

  // Components point from the orbiting body towards the centre.
  const double fx = force * std::cos(longitude) * std::cos(latitude);
  const double fy = force * std::sin(longitude) * std::cos(latitude);
  const double fz = force * std::sin(latitude);
  Main.ForceX(0, s) = dx > 0.0 ? -fx : fx;
  Main.ForceY(0, s) = dy > 0.0 ? -fy : fy;
  Main.ForceZ(0, s) = dz > 0.0 ? -fz : fz;

  const double centreFactor = Main.VsolConstFlag / Main.Mass[centre];
  rate[7] = -Main.ForceX(0, s) * centreFactor;
  rate[8] = -Main.ForceY(0, s) * centreFactor;
  rate[9] = -Main.ForceZ(0, s) * centreFactor;
  rate[10] = Main.ForceX(0, s) / Main.Mass[s];
  rate[11] = Main.ForceY(0, s) / Main.Mass[s];
  rate[12] = Main.ForceZ(0, s) / Main.Mass[s];
}

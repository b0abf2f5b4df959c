#pragma once
// The direction angles of a pair, as the model's bookkeeping and the
// retardation test bench measure them, in radians with the stored Main.Pi.
#include <cmath>

#include "core/state/SharedState.h"

namespace nbody {

// Direction of (dx, dy) in the XY plane, in (0, 2π]: π/2 or 3π/2 on the Y
// axis, else the angle from the X axis in its quadrant (a direction along +X
// counts as a full turn).
inline double directionInPlane(double dx, double dy) {
  const double pi = Main.Pi;
  if (dx == 0) return dy < 0 ? 1.5 * pi : 0.5 * pi;
  const double angle = std::atan(dy / dx);
  if (dx < 0) return angle + pi;
  return dy <= 0 ? angle + 2 * pi : angle;
}

// An angle difference brought into −π..π by one turn.
inline double withinHalfTurn(double angle) {
  const double pi = Main.Pi;
  if (angle > pi) return angle - 2 * pi;
  if (angle < -pi) return angle + 2 * pi;
  return angle;
}

}  // namespace nbody

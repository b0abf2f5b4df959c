// RelativeEclipticPosition: where object `to` lies as seen from object `from`.
// Reads:    Main.X, Main.Y, Main.Z of both objects, Main.kUgol
// Given:    from (0..15), to (0..38): object slots in any one frame and unit
// Returns:  Main.PairDX/DY/DZ(from, to) = coordinates of `to` minus those of
//           `from`; Main.PairDistanceXY(from, to) = the length of that vector
//           in the XY plane; Main.Rpl = its length; Main.RelativeLongitude(to)
//           = its direction in the XY plane from the X axis, degrees in
//           [0, 360); Main.RelativeLatitude = its elevation above the XY
//           plane, degrees
// Notes:    Two objects one above the other (no XY distance) make the
//           latitude a division by zero, which reaches the caller's trap
//           through the floating-point flags.
#include <cmath>

#include "core/coordinates/Coordinates.h"
#include "core/state/SharedState.h"

namespace {

// Direction of (dx, dy) in degrees, 0..360: the quadrant of atan(dy/dx)
// follows the signs of the two differences.
double directionDegrees(double dx, double dy) {
  if (dx == 0.0) return dy < 0.0 ? 270.0 : 90.0;
  double degrees = std::atan(dy / dx) * Main.kUgol;
  if (dx > 0.0 && dy < 0.0) degrees += 360.0;
  if (dx < 0.0) degrees += 180.0;
  return degrees;
}

}  // namespace

void RelativeEclipticPosition(int16_t from, int16_t to) {
  const double dx = Main.X[to] - Main.X[from];
  const double dy = Main.Y[to] - Main.Y[from];
  const double dz = Main.Z[to] - Main.Z[from];
  Main.PairDX(from, to) = dx;
  Main.PairDY(from, to) = dy;
  Main.PairDZ(from, to) = dz;
  const double distanceXY = std::sqrt(dy * dy + dx * dx);
  Main.PairDistanceXY(from, to) = distanceXY;
  Main.Rpl = std::sqrt(distanceXY * distanceXY + dz * dz);
  Main.RelativeLongitude[to] = directionDegrees(dx, dy);
  Main.RelativeLatitude = std::atan(dz / distanceXY) * Main.kUgol;
}

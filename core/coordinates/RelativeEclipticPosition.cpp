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

// The model run calls this at every step: the two slots are checked once
// against the narrowest bounds of the tables below, which are then indexed
// directly.
void RelativeEclipticPosition(int16_t from, int16_t to) {
  checkIndex(from, 0, decltype(Main.PairDX)::upper1);
  checkIndex(to, 0, decltype(Main.X)::upper);
  static_assert(decltype(Main.PairDX)::upper1 <= decltype(Main.PairDistanceXY)::upper1 &&
                decltype(Main.X)::upper <= decltype(Main.PairDX)::upper2 &&
                decltype(Main.X)::upper <= decltype(Main.Y)::upper && decltype(Main.X)::upper <= decltype(Main.Z)::upper &&
                decltype(Main.X)::upper <= decltype(Main.RelativeLongitude)::upper);
  const double* x = Main.X.data();
  const double* y = Main.Y.data();
  const double* z = Main.Z.data();
  const double dx = x[to] - x[from];
  const double dy = y[to] - y[from];
  const double dz = z[to] - z[from];
  constexpr long pairStride = decltype(Main.PairDX)::upper2 + 1;
  static_assert(pairStride == decltype(Main.PairDistanceXY)::upper2 + 1);
  const long pair = from * pairStride + to;
  (&Main.PairDX(0, 0))[pair] = dx;
  (&Main.PairDY(0, 0))[pair] = dy;
  (&Main.PairDZ(0, 0))[pair] = dz;
  const double distanceXY = std::sqrt(dy * dy + dx * dx);
  (&Main.PairDistanceXY(0, 0))[pair] = distanceXY;
  Main.Rpl = std::sqrt(distanceXY * distanceXY + dz * dz);
  Main.RelativeLongitude.data()[to] = directionDegrees(dx, dy);
  Main.RelativeLatitude = std::atan(dz / distanceXY) * Main.kUgol;
}

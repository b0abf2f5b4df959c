// AtmosphericRefraction: the refraction for an apparent zenith distance.
// Given:    zenithDistance, degrees
// Returns:  the refraction in degrees
// Notes:    Up to 86° the series 57.1" tan z - 0.0208" tan³ z; from 86° to
//           90° straight lines between tabulated values every half degree
//           (joining the series at 86°: 755.736" against 755.74"); beyond
//           90° the horizon value 2040" (34').
#include <cmath>
#include <numbers>

#include "core/coordinates/Coordinates.h"

namespace {

constexpr double kSeriesLimitDegrees = 86.0;
constexpr double kTableStepDegrees = 0.5;
// Refraction in arc seconds at 86°, 86.5°, ..., 90°.
constexpr double kTableArcSeconds[] = {755.74, 832.67, 925.0,  1026.0, 1147.0,
                                       1321.5, 1536.0, 1788.0, 2040.0};
constexpr int kTableIntervals = 8;
constexpr double kHorizonArcSeconds = 2040.0;

double refractionArcSeconds(double z) {
  if (z <= kSeriesLimitDegrees) {
    const double tangent = std::tan(z * std::numbers::pi / 180.0);
    return 57.1 * tangent - 0.0208 * tangent * tangent * tangent;
  }
  // Interval i covers (86 + 0.5 i, 86 + 0.5 (i + 1)].
  for (int i = 0; i < kTableIntervals; ++i) {
    const double start = kSeriesLimitDegrees + kTableStepDegrees * i;
    if (z <= start + kTableStepDegrees) {
      const double slope = (kTableArcSeconds[i + 1] - kTableArcSeconds[i]) / kTableStepDegrees;
      return kTableArcSeconds[i] + (z - start) * slope;
    }
  }
  return kHorizonArcSeconds;
}

}  // namespace

double AtmosphericRefraction(double zenithDistance) {
  return refractionArcSeconds(zenithDistance) / 3600.0;
}

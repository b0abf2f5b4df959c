// SphericalToRectangular: spherical coordinates of a slot to rectangular.
// Reads:    Main.kUgol
// Given:    index, the object slot; longitude and latitude in degrees; radius
//           in any unit
// Returns:  Main.X, Main.Y, Main.Z(index) in the unit of the radius
#include <cmath>

#include "core/coordinates/Coordinates.h"
#include "core/state/SharedState.h"

void SphericalToRectangular(int16_t index, double longitude, double latitude, double radius) {
  const double lon = longitude / Main.kUgol;
  const double lat = latitude / Main.kUgol;
  Main.X[index] = radius * std::cos(lat) * std::cos(lon);
  Main.Y[index] = radius * std::cos(lat) * std::sin(lon);
  Main.Z[index] = radius * std::sin(lat);
}

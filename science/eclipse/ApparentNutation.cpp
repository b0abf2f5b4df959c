// ApparentNutation: the Sun and the followed body from the mean to the true
// equator and equinox of the date.
// Reads:    Main.SelectedObject (n); Main.X/Y/Z of 0 (Sun) and n, geocentric
//           equatorial vectors of the mean equinox of the date; Main.JD (UT),
//           Main.JD2000
// Returns:  the same vectors with the nutation added; Main.LonL, Main.LatB of
//           0 and n = apparent right ascension and declination, degrees
// Reference: Meeus, Astronomical Algorithms, 2nd ed., ch. 22 and 23.
#include "core/coordinates/Coordinates.h"
#include "core/state/SharedState.h"
#include "core/Constants.h"
#include "science/eclipse/DirectionFromSlot.h"
#include "science/eclipse/EclipseSteps.h"

namespace {

constexpr int16_t kSun = 0;
constexpr int16_t kEarth = 3;
constexpr int16_t kMeanToTrue = 0;

void addNutation(double centuries, int16_t k) {
  ApplyNutation(centuries, Main.X[k], Main.Y[k], Main.Z[k], kMeanToTrue);
  eclipse::takeDirectionFrom(kEarth, k);
}

}  // namespace

void ApparentNutation() {
  const double centuries = (Main.JD - Main.JD2000) / astro::kDaysPerJulianCentury;
  addNutation(centuries, kSun);
  addNutation(centuries, static_cast<int16_t>(Main.SelectedObject));
}

// PlanetElementsFromPlanRow: the orbit of Main.CurrentObject from the row of
// the current plan experiment, then its position and velocity.
// Reads:    Main.CurrentObject (i), Stat.RunIndex (row r), Stat.RunValues
//           (parameter, r): 1 semi-major axis (m), 2 eccentricity, 3
//           inclination, 4 perihelion, 5 node (degrees), 6 mean motion
//           (radians per Julian century), 7 mean longitude at Main.JD0
//           (degrees), for the Moon 8 and 9 the motions of the perigee and
//           the node (radians per Julian century); Main.JDut, Main.JD0,
//           Main.kUgol
// Given:    elementsOfDate, true when the perihelion and the node are to
//           refer to the equinox of the date rather than J2000, and the
//           precession rate in arc seconds per Julian century
// Returns:  Main.TheoryT = Julian centuries since Main.JD0; Main.JD =
//           Main.JDut; Rsr, Eks, Betta, AlfaP, AlfaU, Wsr (radians per
//           Julian century while the reduction uses it) and AlfaL of i; the
//           Ser0 masses; X, Y, Z and VX, VY, VZ of i
#include "core/Constants.h"
#include "core/state/SharedState.h"
#include "core/theory/Theory.h"
#include "science/reduction/Reduction.h"

namespace {

constexpr int kMoon = 11;

}  // namespace

void PlanetElementsFromPlanRow(bool elementsOfDate, double precessionRate) {
  const long i = Main.CurrentObject;
  const long row = Stat.RunIndex;
  Main.TheoryT = (Main.JDut - Main.JD0) / astro::kDaysPerJulianCentury;
  Main.JD = Main.JDut;

  Main.Rsr[i] = Stat.RunValues(1, row);
  Main.Eks[i] = Stat.RunValues(2, row);
  Main.Betta[i] = Stat.RunValues(3, row) / Main.kUgol;
  Main.AlfaP[i] = Stat.RunValues(4, row) / Main.kUgol;
  Main.AlfaU[i] = Stat.RunValues(5, row) / Main.kUgol;
  Main.Wsr[i] = Stat.RunValues(6, row);
  Main.AlfaL[i] = Stat.RunValues(7, row) / Main.kUgol + Main.TheoryT * Main.Wsr[i];

  if (i == kMoon) {
    Main.AlfaP[kMoon] += Main.TheoryT * Stat.RunValues(8, row);
    Main.AlfaU[kMoon] += Main.TheoryT * Stat.RunValues(9, row);
  } else if (elementsOfDate) {
    const double precession = precessionRate * Main.TheoryT / 3600 / Main.kUgol;
    Main.AlfaP[i] += precession;
    Main.AlfaU[i] += precession;
  }

  SetMassesSer0();
  PositionFromElements();
  VelocityFromElements();
}

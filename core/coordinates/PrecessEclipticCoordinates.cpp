// PrecessEclipticCoordinates: the rotation of ecliptic coordinates from the
// ecliptic and equinox of epoch t0 to those of epoch t.
// Reads:    Main.kUgol
// Given:    t0, t: the two epochs, Julian centuries from J2000
// Returns:  Main.PrecessionMatrix (rows and columns 1..3) such that
//           PrecessPosition turns a vector of epoch t0 into epoch t;
//           Main.TheoryT = t - t0; Main.GeneralPrecession = the general
//           precession in longitude p, radians
// Notes:    The matrix is R3(-(Π + p)) R1(π) R3(Π) with Lieske's angles: π
//           the inclination of the ecliptic of t on that of t0, Π the
//           longitude of its node, p the general precession.
// Reference: Lieske et al. 1977 (IAU 1976 precession); Meeus, Astronomical
//           Algorithms, 2nd ed., (21.5)-(21.7).
#include <cmath>

#include "core/coordinates/Coordinates.h"
#include "core/coordinates/GeneralPrecession.h"
#include "core/coordinates/PrecessionAngles.h"
#include "core/state/SharedState.h"

using namespace precession;

void PrecessEclipticCoordinates(double t0, double t) {
  const double interval = t - t0;
  Main.TheoryT = interval;
  const double node = degreesToRadians(174.876383889) +
                      arcSecondsToRadians((3289.4789 + 0.60622 * t0) * t0 +
                                          (-869.8089 - 0.50491 * t0 + 0.03536 * interval) * interval);
  const double inclination = arcSecondsToRadians(
      ((47.0029 - 0.06603 * t0 + 0.000598 * t0 * t0) +
       (-0.03302 + 0.000598 * t0 + 0.00006 * interval) * interval) *
      interval);
  const double generalPrecession = arcSecondsToRadians(generalPrecessionNested(t0, interval));
  Main.GeneralPrecession = generalPrecession;

  const double sinNode = std::sin(node), cosNode = std::cos(node);
  const double nodeLongitude = generalPrecession + node;
  const double sinA = std::sin(nodeLongitude), cosA = std::cos(nodeLongitude);
  const double sinI = std::sin(inclination), cosI = std::cos(inclination);
  Rotation m{};
  m[1][1] = cosNode * cosA + sinNode * sinA * cosI;
  m[1][2] = sinNode * cosA - cosNode * sinA * cosI;
  m[1][3] = -sinA * sinI;
  m[2][1] = cosNode * sinA - sinNode * cosA * cosI;
  m[2][2] = sinNode * sinA + cosNode * cosA * cosI;
  m[2][3] = cosA * sinI;
  m[3][1] = sinNode * sinI;
  m[3][2] = -cosNode * sinI;
  m[3][3] = cosI;
  storeMatrix(m);
}

// BuildEquatorialPrecessionMatrix: the rotation of equatorial coordinates
// from the mean equator and equinox of epoch t0 to those of epoch t.
// Reads:    Main.kUgol
// Given:    t0, t: the two epochs, Julian centuries from J2000
// Returns:  Main.PrecessionMatrix (rows and columns 1..3) such that
//           PrecessPosition turns a vector of epoch t0 into epoch t;
//           Main.TheoryT = t - t0
// Notes:    The matrix is R3(-z) R2(θ) R3(-ζ) with the IAU 1976 angles.
// Reference: Lieske et al. 1977; Meeus, Astronomical Algorithms, 2nd ed.,
//           (21.2)-(21.4).
#include <cmath>

#include "core/coordinates/Coordinates.h"
#include "core/coordinates/PrecessionAngles.h"
#include "core/state/SharedState.h"

using namespace precession;

void BuildEquatorialPrecessionMatrix(double t0, double t) {
  const double interval = t - t0;
  Main.TheoryT = interval;
  const double zetaArcSeconds = ((2306.2181 + 1.39656 * t0 - 0.000139 * t0 * t0) +
                                 (0.30188 - 0.000345 * t0 + 0.017998 * interval) * interval) *
                                interval;
  const double zeta = arcSecondsToRadians(zetaArcSeconds);
  const double z = arcSecondsToRadians(
      zetaArcSeconds + (0.7928 + 0.000411 * t0 + 0.000205 * interval) * interval * interval);
  const double theta = arcSecondsToRadians(
      ((2004.3109 - 0.8533 * t0 - 0.000217 * t0 * t0) -
       (0.42665 + 0.000217 * t0 + 0.041833 * interval) * interval) *
      interval);

  const double sinZeta = std::sin(zeta), cosZeta = std::cos(zeta);
  const double sinZ = std::sin(z), cosZ = std::cos(z);
  const double sinTheta = std::sin(theta), cosTheta = std::cos(theta);
  Rotation m{};
  m[1][1] = cosZeta * cosTheta * cosZ - sinZeta * sinZ;
  m[1][2] = -sinZeta * cosTheta * cosZ - cosZeta * sinZ;
  m[1][3] = -cosZ * sinTheta;
  m[2][1] = cosZeta * cosTheta * sinZ + sinZeta * cosZ;
  m[2][2] = cosZeta * cosZ - sinZeta * cosTheta * sinZ;
  m[2][3] = -sinZ * sinTheta;
  m[3][1] = cosZeta * sinTheta;
  m[3][2] = -sinZeta * sinTheta;
  m[3][3] = cosTheta;
  storeMatrix(m);
}

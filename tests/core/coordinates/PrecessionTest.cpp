// Precession of equatorial and ecliptic coordinates and the nutation, against
// Meeus, Astronomical Algorithms, 2nd ed., examples 21.b, 21.c and 22.a.
#include <gtest/gtest.h>

#include <cmath>

#include "core/coordinates/Coordinates.h"
#include "core/state/SharedState.h"
#include "core/support/AstroTestSupport.h"

namespace {

using astro_test::centuriesFromJ2000;
using astro_test::dmsToDegrees;
using astro_test::hoursToDegrees;

constexpr int16_t kOrigin = 15;
constexpr int16_t kBody = 1;

void placeUnitVector(double longitude, double latitude) {
  SphericalToRectangular(kBody, longitude, latitude, 1.0);
}

void expectDirection(double longitude, double latitude, double toleranceDegrees) {
  RelativeEclipticPosition(kOrigin, kBody);
  EXPECT_NEAR(Main.RelativeLongitude[kBody], longitude, toleranceDegrees);
  EXPECT_NEAR(Main.RelativeLatitude, latitude, toleranceDegrees);
}

// Meeus ex. 21.b: θ Persei, α0 = 2h44m11.986s, δ0 = +49°13'42.48" (J2000),
// proper motion +0.03425 s and -0.0895" a year, to 2028 Nov 13.19 TD
// (JDE 2462088.69): α = 2h46m11.331s, δ = +49°20'54.54".
TEST(EquatorialPrecession, ThetaPersei) {
  astro_test::setStartupConstants();
  const double jde = 2462088.69;
  const double years = (jde - 2451545.0) / 365.25;
  const double alpha0 = hoursToDegrees(2, 44, 11.986 + 0.03425 * years);
  const double delta0 = dmsToDegrees(49, 13, 42.48 - 0.0895 * years);
  Main.CurrentObject = kBody;
  placeUnitVector(alpha0, delta0);
  BuildEquatorialPrecessionMatrix(0.0, centuriesFromJ2000(jde));
  PrecessPosition();
  // Printed to 0.001 s and 0.01": 5e-6 degrees.
  expectDirection(hoursToDegrees(2, 46, 11.331), dmsToDegrees(49, 20, 54.54), 5e-6);
  EXPECT_NEAR(Main.TheoryT, centuriesFromJ2000(jde), 1e-15);

  // A velocity turns by the same matrix.
  Main.VX[kBody] = Main.VY[kBody] = Main.VZ[kBody] = 0.0;
  placeUnitVector(alpha0, delta0);
  Main.VX[kBody] = Main.X[kBody];
  Main.VY[kBody] = Main.Y[kBody];
  Main.VZ[kBody] = Main.Z[kBody];
  PrecessVelocity();
  PrecessPosition();
  EXPECT_EQ(Main.VX[kBody], Main.X[kBody]);
  EXPECT_EQ(Main.VY[kBody], Main.Y[kBody]);
  EXPECT_EQ(Main.VZ[kBody], Main.Z[kBody]);
}

// Meeus ex. 21.c: λ0 = 149.48194°, β0 = +1.76549° (J2000) referred to the
// ecliptic and equinox of -214 June 30.0 TD (JDE 1643074.5): λ = 118.704°,
// β = +1.615°.
TEST(EclipticPrecession, VenusTwentyTwoCenturiesBack) {
  astro_test::setStartupConstants();
  Main.CurrentObject = kBody;
  placeUnitVector(149.48194, 1.76549);
  PrecessEclipticCoordinates(0.0, centuriesFromJ2000(1643074.5));
  PrecessPosition();
  expectDirection(118.704, 1.615, 1e-3);  // printed to 0.001°
}

// The equatorial and the ecliptic angles of the IAU 1976 precession describe
// one motion: going through the equator (ecliptic of J2000 to equator, the
// equatorial precession, equator of the date to its ecliptic) gives the
// same ecliptic position as the ecliptic precession.
TEST(EclipticPrecession, AgreesWithTheEquatorialPrecession) {
  astro_test::setStartupConstants();
  Main.CurrentObject = kBody;
  for (double t : {-3.0, -0.5, 0.8, 2.0}) {
    for (double longitude : {10.0, 100.0, 200.0, 300.0}) {
      SCOPED_TRACE(::testing::Message() << "T " << t << ", longitude " << longitude);
      placeUnitVector(longitude, 20.0);
      PrecessEclipticCoordinates(0.0, t);
      PrecessPosition();
      RelativeEclipticPosition(kOrigin, kBody);
      const double eclipticLongitude = Main.RelativeLongitude[kBody];
      const double eclipticLatitude = Main.RelativeLatitude;

      placeUnitVector(longitude, 20.0);
      EclipticToEquatorial(0.0);
      BuildEquatorialPrecessionMatrix(0.0, t);
      PrecessPosition();
      EquatorialToEcliptic(t);
      expectDirection(eclipticLongitude, eclipticLatitude, 0.01 / 3600.0);
    }
  }
}

// Both builders leave a rotation: the identity over no interval, and an
// orthonormal matrix with determinant +1 over any interval.
TEST(Precession, MatricesAreRotations) {
  astro_test::setStartupConstants();
  for (bool ecliptic : {true, false}) {
    for (const auto& [t0, t] : {std::pair{0.3, 0.3}, {-2.0, 1.5}, {1.0, -4.0}}) {
      SCOPED_TRACE(::testing::Message() << (ecliptic ? "ecliptic " : "equatorial ") << t0 << " -> " << t);
      if (ecliptic)
        PrecessEclipticCoordinates(t0, t);
      else
        BuildEquatorialPrecessionMatrix(t0, t);
      EXPECT_NEAR(Main.TheoryT, t - t0, 1e-15);
      const auto& m = Main.PrecessionMatrix;
      for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 3; ++j) {
          double product = 0.0;
          for (int k = 1; k <= 3; ++k) product += m(i, k) * m(j, k);
          EXPECT_NEAR(product, i == j ? 1.0 : 0.0, 1e-14);
          if (t == t0) {
            EXPECT_NEAR(m(i, j), i == j ? 1.0 : 0.0, 1e-15);
          }
        }
      const double determinant = m(1, 1) * (m(2, 2) * m(3, 3) - m(2, 3) * m(3, 2)) -
                                 m(1, 2) * (m(2, 1) * m(3, 3) - m(2, 3) * m(3, 1)) +
                                 m(1, 3) * (m(2, 1) * m(3, 2) - m(2, 2) * m(3, 1));
      EXPECT_NEAR(determinant, 1.0, 1e-14);
    }
  }
}

// Meeus ex. 22.a, 1987 April 10, 0h TD: Δψ = -3.788", Δε = +9.443". The
// series keeps the five largest terms; the terms it leaves out reach about
// 0.2" in Δψ and 0.1" in Δε.
TEST(ApplyNutation, MeeusExample22a) {
  astro_test::setStartupConstants();
  const double t = -0.127296372348;
  const double arcSecondsPerRadian = 3600.0 * 180.0 / M_PI;
  // The nutation turns the x axis by Δψ about the pole of the ecliptic, and
  // the y axis by Δε about the x axis (first order).
  double x = 1.0, y = 0.0, z = 0.0;
  ApplyNutation(t, x, y, z, 0);
  const double deltaPsi = std::hypot(y, z) * (y < 0.0 ? -1.0 : 1.0) * arcSecondsPerRadian;
  double x2 = 0.0, y2 = 1.0, z2 = 0.0;
  ApplyNutation(t, x2, y2, z2, 0);
  const double deltaEpsilon = z2 * arcSecondsPerRadian;
  EXPECT_NEAR(deltaPsi, -3.788, 0.2);
  EXPECT_NEAR(deltaEpsilon, 9.443, 0.1);
}

TEST(ApplyNutation, RemovingUndoesAddingAndOtherModesDoNothing) {
  astro_test::setStartupConstants();
  for (double t : {-2.0, 0.0, 0.7}) {
    double x = 0.3, y = -0.5, z = 0.81;
    ApplyNutation(t, x, y, z, 0);
    EXPECT_GT(std::fabs(x - 0.3) + std::fabs(y + 0.5) + std::fabs(z - 0.81), 1e-6);
    ApplyNutation(t, x, y, z, 1);
    // Second order in the nutation angles (1e-4 rad): 1e-8.
    EXPECT_NEAR(x, 0.3, 1e-8);
    EXPECT_NEAR(y, -0.5, 1e-8);
    EXPECT_NEAR(z, 0.81, 1e-8);
    ApplyNutation(t, x, y, z, 2);
    double x0 = x, y0 = y, z0 = z;
    ApplyNutation(t, x, y, z, 2);
    EXPECT_EQ(x, x0);
    EXPECT_EQ(y, y0);
    EXPECT_EQ(z, z0);
  }
}

}  // namespace

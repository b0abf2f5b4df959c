// Relative and spherical positions, equator and ecliptic, equator and horizon,
// against Meeus, Astronomical Algorithms, 2nd ed., ch. 13 and 22.
#include <gtest/gtest.h>

#include <cmath>

#include "core/coordinates/Coordinates.h"
#include "core/runtime/RuntimeError.h"
#include "core/state/SharedState.h"
#include "core/support/AstroTestSupport.h"

namespace {

using astro_test::dmsToDegrees;
using astro_test::hoursToDegrees;

constexpr int16_t kOrigin = 15;  // the origin of coordinates: slot 15 stays 0, 0, 0
constexpr int16_t kBody = 1;

struct Spherical {
  double longitude, latitude, radius;
};

// Longitude, latitude and distance of the slot as seen from the origin.
Spherical sphericalOf(int16_t slot) {
  RelativeEclipticPosition(kOrigin, slot);
  return {Main.RelativeLongitude[slot], Main.RelativeLatitude, Main.Rpl};
}

TEST(RelativeEclipticPosition, DirectionInEveryQuadrantAndOnTheAxes) {
  astro_test::setStartupConstants();
  struct Row {
    double dx, dy, degrees;
  };
  const Row rows[] = {
      {1, 0, 0},       {1, 1, 45},       {0, 1, 90},   {-1, 1, 135}, {-1, 0, 180},
      {-1, -1, 225},   {0, -1, 270},     {1, -1, 315}, {2, -1e-9, 360.0 - 2.864788975654116e-8},
      {0, 0, 90},      // no XY difference: 90 unless DY is negative
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(::testing::Message() << "dx " << row.dx << ", dy " << row.dy);
    Main.X[3] = 5.0;
    Main.Y[3] = 0.0;
    Main.X[4] = 5.0 + row.dx;
    Main.Y[4] = row.dy;
    Main.Z[3] = 1.0;
    Main.Z[4] = 1.0 + 0.5;
    RelativeEclipticPosition(3, 4);
    EXPECT_NEAR(Main.RelativeLongitude[4], row.degrees, 1e-9);
    EXPECT_GE(Main.RelativeLongitude[4], 0.0);
    EXPECT_LT(Main.RelativeLongitude[4], 360.0);
    EXPECT_EQ(Main.PairDX(3, 4), row.dx);
    EXPECT_EQ(Main.PairDY(3, 4), row.dy);
    EXPECT_EQ(Main.PairDZ(3, 4), 0.5);
    if (row.dx == 0 && row.dy == 0) continue;
    const double xy = std::hypot(row.dx, row.dy);
    EXPECT_NEAR(Main.PairDistanceXY(3, 4), xy, 1e-15);
    EXPECT_NEAR(Main.Rpl, std::hypot(xy, 0.5), 1e-15);
    EXPECT_NEAR(Main.RelativeLatitude, std::atan2(0.5, xy) * 180.0 / M_PI, 1e-9);
  }
}

TEST(RelativeEclipticPosition, ObjectsOneAboveTheOtherReachTheCallersTrap) {
  astro_test::setStartupConstants();
  Main.Z[kBody] = 2.0;
  clearFloatingPointFlags();
  RelativeEclipticPosition(kOrigin, kBody);
  EXPECT_THROW(throwOnFloatingPointFlags(), RuntimeError);
}

TEST(SphericalToRectangular, IsTheInverseOfTheRelativePosition) {
  astro_test::setStartupConstants();
  const Spherical rows[] = {{0, 0, 1}, {113.2, 6.7, 2.5e11}, {250.0, -80.0, 3.0}, {359.9, 45.0, 1e-3}};
  for (const Spherical& row : rows) {
    SCOPED_TRACE(row.longitude);
    SphericalToRectangular(kBody, row.longitude, row.latitude, row.radius);
    const Spherical back = sphericalOf(kBody);
    EXPECT_NEAR(back.longitude, row.longitude, 1e-9);
    EXPECT_NEAR(back.latitude, row.latitude, 1e-9);
    EXPECT_NEAR(back.radius, row.radius, 1e-14 * row.radius);
  }
}

// Meeus ex. 13.a: Pollux, α = 7h45m18.946s, δ = +28°01'34.26" (J2000), with
// ε = 23.4392911° gives λ = 113.215630°, β = +6.684170°.
TEST(EclipticRotations, PolluxBetweenEquatorAndEcliptic) {
  astro_test::setStartupConstants();
  const double alpha = hoursToDegrees(7, 45, 18.946), delta = dmsToDegrees(28, 1, 34.26);
  const double lambda = 113.215630, beta = 6.684170;
  const double tolerance = 2e-6;  // Meeus prints six decimals of a degree
  Main.CurrentObject = kBody;

  SphericalToRectangular(kBody, alpha, delta, 1.0);
  EquatorialToEcliptic(0.0);
  Spherical ecliptic = sphericalOf(kBody);
  EXPECT_NEAR(ecliptic.longitude, lambda, tolerance);
  EXPECT_NEAR(ecliptic.latitude, beta, tolerance);

  SphericalToRectangular(kBody, lambda, beta, 1.0);
  EclipticToEquatorial(0.0);
  Spherical equatorial = sphericalOf(kBody);
  EXPECT_NEAR(equatorial.longitude, alpha, tolerance);
  EXPECT_NEAR(equatorial.latitude, delta, tolerance);
}

// Meeus ex. 22.a: mean obliquity ε0 = 23°26'27.407" on 1987 April 10, 0h TD.
TEST(EclipticRotations, LeaveTheMeanObliquityOfTheDate) {
  astro_test::setStartupConstants();
  Main.CurrentObject = kBody;
  const double t = -0.127296372348;
  const double expected = dmsToDegrees(23, 26, 27.407) / Main.kUgol;
  const double tolerance = 0.001 / 3600.0 / Main.kUgol;  // printed to 0.001"
  EquatorialToEcliptic(t);
  EXPECT_NEAR(Main.RelativeLatitude, expected, tolerance);
  EclipticToEquatorial(t);
  EXPECT_NEAR(Main.RelativeLatitude, expected, tolerance);
}

TEST(EclipticRotations, ThereAndBackKeepsTheVectorAndItsX) {
  astro_test::setStartupConstants();
  Main.CurrentObject = 30;  // any slot of the coordinate tables
  for (double t : {-20.0, 0.0, 3.5}) {
    Main.X[30] = 1.5e11;
    Main.Y[30] = -7.0e10;
    Main.Z[30] = 2.0e9;
    EquatorialToEcliptic(t);
    EXPECT_EQ(Main.X[30], 1.5e11);
    EclipticToEquatorial(t);
    EXPECT_NEAR(Main.Y[30], -7.0e10, 1e-4);
    EXPECT_NEAR(Main.Z[30], 2.0e9, 1e-4);
  }
}

// Meeus ex. 13.b: Venus from the US Naval Observatory (φ = +38°55'17"),
// 1987 April 10, 19h21m UT: H = 64.352133°, δ = -6.719892° give the azimuth
// A = 68.0337° (from the south, westward) and the altitude h = 15.1249°.
TEST(HorizonRotations, VenusSeenFromWashington) {
  astro_test::setStartupConstants();
  Main.ObsB = dmsToDegrees(38, 55, 17);
  Main.HourAngle = 64.352133;
  Main.LatB[kBody] = -6.719892;
  EquatorialToHorizontal(kBody);
  const double azimuth = std::atan2(Main.Y[kBody], Main.X[kBody]) * Main.kUgol;
  const double altitude = std::asin(Main.Z[kBody]) * Main.kUgol;
  EXPECT_NEAR(azimuth, 68.0337, 1e-4);
  EXPECT_NEAR(altitude, 15.1249, 1e-4);
  EXPECT_NEAR(std::hypot(Main.X[kBody], Main.Y[kBody], Main.Z[kBody]), 1.0, 1e-15);

  // And back: the hour-angle frame gives (cos δ cos H, cos δ sin H, sin δ).
  Main.Altitude = altitude;
  Stat.Azimuth = azimuth;
  HorizontalToEquatorial(2);
  const Spherical back = sphericalOf(2);
  EXPECT_NEAR(back.longitude, 64.352133, 1e-9);
  EXPECT_NEAR(back.latitude, -6.719892, 1e-9);
}

}  // namespace

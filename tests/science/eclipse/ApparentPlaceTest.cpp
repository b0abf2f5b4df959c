// The apparent-place steps of the eclipse run against textbook examples and
// plain geometry: light time, annual aberration, nutation, sidereal time,
// the observer's place and horizontal coordinates.
#include <gtest/gtest.h>

#include <cmath>

#include "core/coordinates/Coordinates.h"
#include "core/state/SharedState.h"
#include "core/state/StartUpState.h"
#include "science/eclipse/EclipseSteps.h"

namespace {

constexpr double kArcSecondsPerDegree = 3600.0;
constexpr double kAstronomicalUnit = 1.495978707e11;  // m
constexpr double kEarthRadius = 6378140.0;            // m, the radius the observer stands on
constexpr int16_t kSun = 0;
constexpr int16_t kEarth = 3;
constexpr int16_t kMars = 4;
constexpr int16_t kShadowCentre = 13;

double radians(double degrees) { return degrees / Main.kUgol; }
double degrees(int d, int m, double s) {
  const double sign = d < 0 ? -1.0 : 1.0;
  return sign * (std::abs(d) + m / 60.0 + s / 3600.0);
}
double hoursToDegrees(int h, int m, double s) { return 15.0 * (h + m / 60.0 + s / 3600.0); }

// Difference of two directions in degrees, folded into -180..180.
double angleDifference(double a, double b) {
  double d = std::fmod(a - b, 360.0);
  if (d > 180.0) d -= 360.0;
  if (d < -180.0) d += 360.0;
  return d;
}

class ApparentPlaceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    startWithStartUpState();
    Main.SelectedObject = kMars;
    Main.X[kEarth] = Main.Y[kEarth] = Main.Z[kEarth] = 0.0;
    Main.X[15] = Main.Y[15] = Main.Z[15] = 0.0;
    // Far enough apart that no slot lies on another.
    SphericalToRectangular(kSun, 10.0, 0.0, kAstronomicalUnit);
    SphericalToRectangular(kShadowCentre, 190.0, 0.0, 3.8e8);
  }
  void placeBody(int16_t k, double longitude, double latitude, double distance) {
    SphericalToRectangular(k, longitude, latitude, distance);
  }
  void setVelocity(int16_t k, double vx, double vy, double vz) {
    Main.VX[k] = vx;
    Main.VY[k] = vy;
    Main.VZ[k] = vz;
  }
  // The azimuths and altitudes HorizontalPlace writes, as the eclipse
  // window keeps them.
  HorizonPlaces Horizon;
};

// --- Light time ---

TEST_F(ApparentPlaceTest, BodyAtRestKeepsItsPlaceAndGetsTheLightTimeOfItsDistance) {
  const double distance = 1.5 * kAstronomicalUnit;
  placeBody(kMars, 123.0, -1.5, distance);
  setVelocity(kMars, 0.0, 0.0, 0.0);
  Main.PropagationTime(kEarth, kMars) = 1.0;  // a poor first guess
  SourceLightTime();
  EXPECT_NEAR(Main.PropagationTime(kEarth, kMars), distance / Main.Vsv, 1e-9);
  EXPECT_NEAR(Main.LonL[kMars], 123.0, 1e-9);
  EXPECT_NEAR(Main.LatB[kMars], -1.5, 1e-9);
  EXPECT_DOUBLE_EQ(Main.X0[kMars], Main.X[kMars]);
}

// A body moving across the line of sight at v: the light time τ solves
// c τ = |P - τ v|, so τ = ρ / sqrt(c² - v²), and the body is seen behind its
// place by atan(v τ / ρ).
TEST_F(ApparentPlaceTest, MovingBodyIsSeenWhereItWasWhenTheLightLeftIt) {
  const double distance = 1.5 * kAstronomicalUnit;
  const double speed = 24.1e3;  // m/s, about Mars's orbital speed
  placeBody(kMars, 0.0, 0.0, distance);
  setVelocity(kMars, 0.0, speed, 0.0);
  Main.PropagationTime(kEarth, kMars) = distance / Main.Vsv;
  SourceLightTime();
  const double c = Main.Vsv;
  const double lightTime = distance / std::sqrt(c * c - speed * speed);
  EXPECT_NEAR(Main.PropagationTime(kEarth, kMars), lightTime, 1e-9);
  const double lagArcSeconds = std::atan(speed * lightTime / distance) * Main.kUgol * kArcSecondsPerDegree;
  EXPECT_NEAR(angleDifference(Main.LonL[kMars], 0.0) * kArcSecondsPerDegree, -lagArcSeconds, 1e-6);
  EXPECT_NEAR(Main.X0[kMars], distance, 1e-3);
}

// At half the speed of light the iteration converges slowly, which shows the
// number of passes: τ₀ = 1 s, τ₁ = √1.25, τ₂ = √1.3125, τ₃ = √1.328125; the
// place is retarded by τ₂ and the table keeps τ₃.
TEST_F(ApparentPlaceTest, LightTimeTakesExactlyThreePasses) {
  const double c = Main.Vsv;
  placeBody(kMars, 0.0, 0.0, c * 1.0);
  setVelocity(kMars, 0.0, 0.5 * c, 0.0);
  Main.PropagationTime(kEarth, kMars) = 1.0;
  SourceLightTime();
  EXPECT_NEAR(Main.PropagationTime(kEarth, kMars), std::sqrt(1.328125), 1e-12);
  EXPECT_NEAR(Main.Y[kMars], -0.5 * c * std::sqrt(1.3125), 1e-3);
  EXPECT_NEAR(Main.X[kMars], c, 1e-6);
}

// --- Annual aberration ---

// With the Earth on a circular orbit moving at κ c (κ = 20.49552", Meeus
// ch. 23), a body at ecliptic (λ, β) is displaced by Δλ = -κ cos(☉ - λ) /
// cos β and Δβ = -κ sin(☉ - λ) sin β (Meeus 23.2 without the e terms); the
// Sun itself by -κ in longitude. The formula is first order in κ / cos β:
// up to 60° of latitude the terms it leaves out stay under 0.005".
TEST_F(ApparentPlaceTest, AberrationFollowsTheEarthsMotion) {
  const double kappa = 20.49552 / kArcSecondsPerDegree;  // degrees
  const double sunLongitude = 200.0;
  const double earthSpeed = radians(kappa) * Main.Vsv;
  const double motionDirection = radians(sunLongitude - 90.0);
  setVelocity(kEarth, earthSpeed * std::cos(motionDirection), earthSpeed * std::sin(motionDirection), 0.0);
  placeBody(kSun, sunLongitude, 0.0, kAstronomicalUnit);
  Main.PropagationTime(kEarth, kSun) = kAstronomicalUnit / Main.Vsv;

  struct Row { double longitude, latitude; };
  const Row rows[] = {{200.0, 0.0}, {20.0, 0.0}, {110.0, 0.0}, {250.0, 30.0}, {140.0, -60.0}, {0.0, 45.0}};
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << "body at " << row.longitude << ", " << row.latitude);
    const double distance = 2.0 * kAstronomicalUnit;
    placeBody(kMars, row.longitude, row.latitude, distance);
    placeBody(kSun, sunLongitude, 0.0, kAstronomicalUnit);
    Main.PropagationTime(kEarth, kMars) = distance / Main.Vsv;
    ObserverAberration();
    const double elongation = radians(sunLongitude - row.longitude);
    const double dLongitude = -kappa * std::cos(elongation) / std::cos(radians(row.latitude));
    const double dLatitude = -kappa * std::sin(elongation) * std::sin(radians(row.latitude));
    EXPECT_NEAR(angleDifference(Main.LonL[kMars], row.longitude) * kArcSecondsPerDegree,
                dLongitude * kArcSecondsPerDegree, 0.005);
    EXPECT_NEAR((Main.LatB[kMars] - row.latitude) * kArcSecondsPerDegree, dLatitude * kArcSecondsPerDegree, 0.005);
    EXPECT_NEAR(angleDifference(Main.LonL[kSun], sunLongitude) * kArcSecondsPerDegree, -20.49552, 0.005);
    EXPECT_NEAR(Main.LatB[kSun], 0.0, 1e-12);
  }
}

// --- Nutation ---

// Meeus example 22.a, 1987 April 10, 0h TD: Δψ = -3.788", Δε = +9.443",
// ε₀ = 23°26'27.407". A point of the ecliptic given on the mean equator must
// come out at ecliptic longitude λ + Δψ on the equator of obliquity ε₀ + Δε.
// Tolerance 0.3": the nutation series in use keeps its largest terms only.
TEST_F(ApparentPlaceTest, NutationMovesTheMeanPlaceToTheTruePlace) {
  Main.JD = 2446895.5;
  const double meanObliquity = radians(degrees(23, 26, 27.407));
  const double trueObliquity = meanObliquity + radians(9.443 / kArcSecondsPerDegree);
  const double deltaPsi = radians(-3.788 / kArcSecondsPerDegree);
  const double longitudes[] = {0.0, 45.0, 90.0, 200.0, 300.0};
  for (const double longitude : longitudes) {
    SCOPED_TRACE(testing::Message() << "ecliptic longitude " << longitude);
    for (const int16_t k : {kSun, kMars}) {
      const double lambda = radians(longitude);
      Main.X[k] = kAstronomicalUnit * std::cos(lambda);
      Main.Y[k] = kAstronomicalUnit * std::sin(lambda) * std::cos(meanObliquity);
      Main.Z[k] = kAstronomicalUnit * std::sin(lambda) * std::sin(meanObliquity);
    }
    ApparentNutation();
    const double lambda = radians(longitude) + deltaPsi;
    const double x = std::cos(lambda), y = std::sin(lambda) * std::cos(trueObliquity);
    const double z = std::sin(lambda) * std::sin(trueObliquity);
    const double rightAscension = std::atan2(y, x) * Main.kUgol;
    const double declination = std::asin(z) * Main.kUgol;
    for (const int16_t k : {kSun, kMars}) {
      EXPECT_NEAR(angleDifference(Main.LonL[k], rightAscension) * kArcSecondsPerDegree, 0.0, 0.3);
      EXPECT_NEAR((Main.LatB[k] - declination) * kArcSecondsPerDegree, 0.0, 0.3);
    }
  }
}

// --- Sidereal time and the observer ---

// Meeus example 12.b: 1987 April 10, 19h21m00s UT, mean sidereal time at
// Greenwich 8h34m57.0896s; the local time adds the east longitude and stays
// within one day also west of Greenwich.
TEST_F(ApparentPlaceTest, LocalSiderealTimeAddsTheEastLongitude) {
  Main.JDet2 = 2446896.30625;
  const double greenwich = hoursToDegrees(8, 34, 57.0896);
  struct Row { const char* place; double eastLongitude, expected; };
  const Row rows[] = {
      {"Greenwich", 0.0, greenwich},
      {"Washington (Meeus 13.b)", -degrees(77, 3, 56.0), greenwich - degrees(77, 3, 56.0)},
      {"far east", 170.0, greenwich + 170.0},
      {"far west, before 0h local", -150.0, greenwich - 150.0 + 360.0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.place);
    Main.ObsL = row.eastLongitude;
    Main.ObsB = 10.0;
    TopocentricPlace();
    EXPECT_NEAR(Main.SiderealTimeHours * 15.0, greenwich, 1e-5);
    EXPECT_NEAR(Main.LocalSiderealTime, row.expected, 1e-5);
    EXPECT_NEAR(Main.TopoRadius, kEarthRadius, 0.0);
  }
}

// A body on the observer's meridian at a declination equal to the observer's
// latitude stands in line with the Earth's centre: same direction, one Earth
// radius nearer. A body on the geocentric horizon, due west of an observer
// on the equator, sinks by atan(R / ρ) and moves away to √(ρ² + R²).
TEST_F(ApparentPlaceTest, ObserverStandsOneEarthRadiusFromTheCentreAtItsLatitude) {
  Main.JDet2 = 2446896.30625;
  Main.ObsL = 0.0;
  const double distance = 3.844e8;

  Main.ObsB = 40.0;
  TopocentricPlace();
  const double meridian = Main.LocalSiderealTime;
  placeBody(kMars, meridian, 40.0, distance);
  TopocentricPlace();
  EXPECT_NEAR(Main.LonL[kMars], meridian, 1e-6);
  EXPECT_NEAR(Main.LatB[kMars], 40.0, 1e-6);
  EXPECT_NEAR(Main.PairDistance(12, kMars), distance - kEarthRadius, 1e-3);
  EXPECT_NEAR(std::hypot(Main.X[12], Main.Y[12], Main.Z[12]), kEarthRadius, 1e-6);

  Main.ObsB = 0.0;
  placeBody(kMars, meridian - 90.0, 0.0, distance);
  TopocentricPlace();
  HorizontalPlace(kMars, Horizon);
  EXPECT_NEAR(Horizon.HorizonAzimuth[kMars], 90.0, 1e-6);
  EXPECT_NEAR(Horizon.HorizonAltitude[kMars], -std::atan(kEarthRadius / distance) * Main.kUgol, 1e-6);
  EXPECT_NEAR(Main.PairDistance(12, kMars), std::hypot(distance, kEarthRadius), 1e-3);
}

TEST_F(ApparentPlaceTest, SunsTopocentricDistanceIsKeptForTheInverseChain) {
  Main.JDet2 = 2446896.30625;
  Main.ObsL = 30.0;
  Main.ObsB = 50.0;
  placeBody(kMars, 10.0, 5.0, 1e11);
  TopocentricPlace();
  EXPECT_DOUBLE_EQ(Main.PairDistance(15, 16), Main.PairDistance(12, kSun));
  EXPECT_NEAR(Main.PairDistance(12, kSun), kAstronomicalUnit, 2.0 * kEarthRadius);
}

// --- Horizontal coordinates ---

// Meeus example 13.b: Venus from the U.S. Naval Observatory, 1987 April 10,
// 19h21m00s UT, apparent α = 23h09m16.641s, δ = -6°43'11.61", observer
// 77°03'56" W, 38°55'17" N: A = 68.0337°, h = 15.1249°. The run uses the
// mean sidereal time (0.24 s later than the apparent one of the example),
// which moves the hour angle by 0.001°: tolerance 0.002°. The body is put at
// a star's distance so that the parallax plays no part.
TEST_F(ApparentPlaceTest, VenusFromWashingtonAsInMeeus) {
  Main.JDet2 = 2446896.30625;
  Main.ObsL = -degrees(77, 3, 56.0);
  Main.ObsB = degrees(38, 55, 17.0);
  placeBody(kMars, hoursToDegrees(23, 9, 16.641), degrees(-6, 43, 11.61), 1e20);
  TopocentricPlace();
  HorizontalPlace(kMars, Horizon);
  EXPECT_NEAR(Main.HourAngle, 64.352133, 0.002);
  EXPECT_NEAR(Horizon.HorizonAzimuth[kMars], 68.0337, 0.002);
  EXPECT_NEAR(Horizon.HorizonAltitude[kMars], 15.1249, 0.002);
}

// Cardinal directions for an observer at 50° N: azimuth from the south,
// positive to the west; exactly north stays +180, a little east of north is
// near -180.
TEST_F(ApparentPlaceTest, AzimuthCountsFromTheSouthThroughTheWest) {
  Main.ObsB = 50.0;
  Main.LocalSiderealTime = 100.0;
  struct Row { const char* where; double rightAscension, declination, azimuth, altitude; };
  const Row rows[] = {
      {"due south on the meridian", 100.0, 20.0, 0.0, 60.0},
      {"due west on the horizon", 10.0, 0.0, 90.0, 0.0},
      {"due east on the horizon", 190.0, 0.0, -90.0, 0.0},
      {"due north above the pole", 100.0, 80.0, 180.0, 60.0},
      // Meeus (13.5) with H = -0.5° and +0.5°: tan A = sin H / (cos H sin φ - tan δ cos φ).
      {"just east of north", 100.5, 80.0, -179.8264, 59.9995},
      {"just west of north", 99.5, 80.0, 179.8264, 59.9995},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.where);
    Main.LonL[kMars] = row.rightAscension;
    Main.LatB[kMars] = row.declination;
    HorizontalPlace(kMars, Horizon);
    EXPECT_NEAR(Horizon.HorizonAzimuth[kMars], row.azimuth, 1e-4);
    EXPECT_NEAR(Horizon.HorizonAltitude[kMars], row.altitude, 1e-4);
    EXPECT_GE(Main.HourAngle, 0.0);
  }
}

TEST_F(ApparentPlaceTest, BodyNumberBeyondTheLightTimeTableIsARunTimeError) {
  Main.SelectedObject = 12;
  EXPECT_ANY_THROW(SourceLightTime());
}

}  // namespace

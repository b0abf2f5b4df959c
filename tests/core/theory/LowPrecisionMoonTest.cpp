// The low-precision Moon and its user-set perturbations against published
// lunar positions and the phases of the Moon.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "core/state/SharedState.h"
#include "core/theory/Theory.h"
#include "tests/core/theory/TheoryTestSupport.h"

namespace {

using theory_test::angleDifference;
using theory_test::degreesOf;

double centuriesFromJ2000(double jde) { return (jde - 2451545.0) / 36525.0; }

double sinDegrees(double degrees) { return std::sin(degrees * std::numbers::pi / 180.0); }

// Geometric longitude of the Sun of the date less the aberration (20.5"),
// degrees: Meeus, Astronomical Algorithms, 2nd ed., ch. 25 (eqs. 25.2-25.4,
// accuracy 0.01 degree).
double sunLongitude(double jde) {
  const double t = centuriesFromJ2000(jde);
  const double meanLongitude = 280.46646 + 36000.76983 * t + 0.0003032 * t * t;
  const double meanAnomaly = 357.52911 + 35999.05029 * t - 0.0001537 * t * t;
  const double centre = (1.914602 - 0.004817 * t - 0.000014 * t * t) * sinDegrees(meanAnomaly) +
                        (0.019993 - 0.000101 * t) * sinDegrees(2.0 * meanAnomaly) +
                        0.000289 * sinDegrees(3.0 * meanAnomaly);
  return meanLongitude + centre - 0.00569;
}

TEST(LowPrecisionMoon, PlaceAndDistanceOfMeeusExample47a) {
  theory_test::startWithStartUpConstants();
  // Meeus, example 47.a: 1992 April 12, 0h TD (JDE 2448724.5): geocentric
  // longitude 133.162655 and latitude -3.229126 degrees (mean equinox of the
  // date), distance 368409.7 km. The short series is good to a few arc
  // minutes; its distance is the Keplerian ellipse only, without evection
  // (3700 km) and variation (3000 km).
  MoonElementsFromLowPrecisionTheory(centuriesFromJ2000(2448724.5));
  EXPECT_NEAR(Main.LonL[11], 133.162655, 0.05);
  EXPECT_NEAR(Main.LatB[11], -3.229126, 0.05);
  EXPECT_NEAR(Main.PairDistance(3, 11) / 1000.0, 368409.7, 7000.0);
}

TEST(LowPrecisionMoon, LongitudeKeepsStepWithTheSunAtPublishedPhases) {
  theory_test::startWithStartUpConstants();
  struct Phase {
    double jde;
    double moonMinusSun;  // degrees
    const char* source;
  };
  const Phase phases[] = {
      {2443192.65118, 0.0, "Meeus, example 49.a: New Moon 1977 February 18, 3h37m42s TD"},
      {2467636.49186, 270.0, "Meeus, example 49.b: Last Quarter 2044 January 21, 23h48m17s TD"},
  };
  for (const Phase& phase : phases) {
    SCOPED_TRACE(phase.source);
    MoonElementsFromLowPrecisionTheory(centuriesFromJ2000(phase.jde));
    EXPECT_GE(Main.LonL[11], 0.0);
    EXPECT_LT(Main.LonL[11], 360.0);
    EXPECT_NEAR(angleDifference(Main.LonL[11] - sunLongitude(phase.jde), phase.moonMinusSun), 0.0,
                0.05);
  }
}

TEST(LowPrecisionMoon, MeanElementsAreThoseOfTheLunarTheory) {
  theory_test::startWithStartUpConstants();
  // Meeus, Astronomical Algorithms, 2nd ed., eqs. 47.1-47.5 (mean equinox of
  // the date): mean longitude L', mean anomaly M', argument of latitude F;
  // the node is L' - F and the perigee L' - M'.
  for (const double t : {-0.75, -0.2, 0.0, 0.4}) {
    SCOPED_TRACE(t);
    MoonElementsFromLowPrecisionTheory(t);
    const double meanLongitude = 218.3164477 + 481267.88123421 * t;
    const double meanAnomaly = 134.9633964 + 477198.8675055 * t;
    const double latitudeArgument = 93.2720950 + 483202.0175233 * t;
    EXPECT_NEAR(angleDifference(degreesOf(Main.AlfaL[11]), meanLongitude), 0.0, 0.01);
    EXPECT_NEAR(angleDifference(degreesOf(Main.AlfaU[11]), meanLongitude - latitudeArgument), 0.0,
                0.01);
    EXPECT_NEAR(angleDifference(degreesOf(Main.AlfaP[11]), meanLongitude - meanAnomaly), 0.0, 0.01);
    for (const double angle : {Main.AlfaL[11], Main.AlfaU[11], Main.AlfaP[11]}) {
      EXPECT_GE(angle, 0.0);
      EXPECT_LT(angle, 2.0 * Main.Pi);
    }
    // Inclination 5.145 degrees, eccentricity 0.0549, mean distance
    // 384400 km (IAU).
    EXPECT_NEAR(degreesOf(Main.Betta[11]), 5.145, 0.001);
    EXPECT_NEAR(Main.Eks[11], 0.0549, 1e-4);
    EXPECT_NEAR(Main.Rsr[11], 384.4e6, 5e3);
  }
  // The mean motion of the mean longitude of the date is one tropical month,
  // 27.321582 days.
  EXPECT_NEAR(2.0 * Main.Pi / Main.Wsr[11] / 86400.0, 27.321582, 1e-6);
}

// Main periodic terms of the Moon's longitude and latitude (Meeus, table 47.A
// and 47.B, coefficients of sin in degrees) set as the user would set them,
// each on the argument it belongs to (D elongation, l the Moon's and l' the
// Sun's mean anomaly, F the argument of latitude).
void setMainLunarInequalities() {
  double* c = Main.MoonPerturbationCoefficients.data();
  c[1] = 6.288774;    // sin l
  c[2] = 0.213618;    // sin 2l
  c[3] = -1.274027;   // sin(l - 2D): evection +1.274027 sin(2D - l)
  c[4] = 0.658314;    // sin 2D
  c[5] = -0.185116;   // sin l'
  c[6] = -0.114332;   // sin 2F
  c[7] = -0.034720;   // sin D
  c[8] = 0.058793;    // sin(2D - 2l)
  c[9] = 0.057066;    // sin(2D - l - l')
  c[10] = 0.053322;   // sin(2D + l)
  c[25] = -0.045758;  // sin(l' - 2D): +0.045758 sin(2D - l')
  c[26] = 0.040923;   // sin(l - l'): -0.040923 sin(l' - l)
  c[27] = -0.030383;  // sin(l + l')
  c[28] = -0.015327;  // sin(2F - 2D): +0.015327 sin(2D - 2F)
  c[11] = 0.280602;   // sin(F + l)
  c[12] = 0.277693;   // sin(l - F)
  c[13] = 0.173237;   // sin(2D - F)
  c[14] = 0.055413;   // sin(2D - l + F)
  c[15] = 0.046271;   // sin(2D - l - F)
  c[16] = 0.032573;   // sin(2D + F)
}

TEST(MoonPerturbationsDLDB, MainLunarInequalitiesGiveThePlaceOfExample47a) {
  theory_test::startWithStartUpConstants();
  // Mean elements of the Moon and of the Earth for 1992 April 12, 0h TD;
  // the mean longitude plus the inequalities, and the main latitude term
  // 5.128122 sin F plus the rest, must come to Meeus's place within the
  // terms left out (the largest 0.011 degree in longitude, 0.017 in
  // latitude).
  Main.JD = 2448724.5;
  Main.CurrentObject = 3;
  SetElementsJPL0();
  Main.CurrentObject = 11;
  SetElementsJPL0();
  const double meanLongitude = 360.0 * FractionPositive(Main.AlfaL[11] / 2.0 / Main.Pi);
  const double latitudeArgument = Main.AlfaL[11] - Main.AlfaU[11];
  const double mainLatitudeTerm = 5.128122 * std::sin(latitudeArgument);
  Main.LonL[11] = meanLongitude;
  Main.LatB[11] = mainLatitudeTerm;
  MoonPerturbationsDLDB();
  EXPECT_EQ(Main.LonL[11], meanLongitude) << "all coefficients 0: nothing added";
  EXPECT_EQ(Main.LatB[11], mainLatitudeTerm);

  setMainLunarInequalities();
  // Terms 17 to 24 take no part.
  for (int i = 17; i <= 24; ++i) Main.MoonPerturbationCoefficients[i] = 100.0;
  MoonPerturbationsDLDB();
  EXPECT_NEAR(Main.LonL[11], 133.162655, 0.03);
  EXPECT_NEAR(Main.LatB[11], -3.229126, 0.05);
}

}  // namespace

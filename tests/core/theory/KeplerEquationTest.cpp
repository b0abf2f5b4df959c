// Kepler's equation inside PositionFromElements.
#include <gtest/gtest.h>

#include <cmath>

#include "core/runtime/RuntimeError.h"
#include "core/state/SharedState.h"
#include "core/theory/Theory.h"
#include "tests/core/theory/TheoryTestSupport.h"

namespace {

using theory_test::degreesOf;

// A body on an orbit of axis 1 m in the ecliptic with perihelion at
// longitude 0, so that its mean longitude is its mean anomaly.
void solveForMeanAnomaly(double e, double meanAnomalyRadians) {
  Main.CurrentObject = 5;
  theory_test::setOrbitElements(5, {1.0, e, 0.0, 0.0, 0.0, meanAnomalyRadians});
  PositionFromElements();
}

struct KeplerExample {
  double e, meanAnomalyDegrees, eccentricAnomalyDegrees;
  bool fixedPointConverges;  // within its 99 steps
  const char* source;
};

TEST(KeplerEquation, PublishedExamplesIncludingOneTheFixedPointIterationCannotFinish) {
  theory_test::startWithStartUpConstants();
  const KeplerExample examples[] = {
      {0.1, 5.0, 5.554589, true, "Meeus, Astronomical Algorithms, example 30.a"},
      {0.99, 2.0, 32.361007, false, "Meeus, Astronomical Algorithms, ch. 30 (e = 0.99, M = 2)"},
  };
  for (const KeplerExample& example : examples) {
    SCOPED_TRACE(example.source);
    solveForMeanAnomaly(example.e, example.meanAnomalyDegrees / Main.kUgol);
    EXPECT_NEAR(degreesOf(Main.DecimalDate), example.eccentricAnomalyDegrees, 5e-7);
    EXPECT_EQ(Main.KeplerTolerance, 1e-10);
    EXPECT_NEAR(degreesOf(Main.KeplerIterates[0]), example.meanAnomalyDegrees, 1e-12);
    if (example.fixedPointConverges) {
      EXPECT_EQ(Main.LoopIndexJ, 101);
    } else {
      // All 99 fixed-point steps ran without two iterates meeting the
      // tolerance: only Newton's method gave the answer.
      EXPECT_GT(std::fabs(Main.KeplerIterates[99] - Main.KeplerIterates[98]), 1e-10);
    }
  }
}

TEST(KeplerEquation, EccentricAnomalySolvesTheEquationUpToNearlyParabolicOrbits) {
  theory_test::startWithStartUpConstants();
  for (const double e : {0.0, 0.3, 0.9, 0.967, 0.99, 0.999, 0.99999}) {
    for (const double m : {1e-6, 0.001, 0.05, 0.5, 2.0, 3.14, 4.0, 6.28}) {
      SCOPED_TRACE(e);
      SCOPED_TRACE(m);
      solveForMeanAnomaly(e, m);
      const double meanAnomaly = Main.MeanAnomaly[5];
      const double eccentricAnomaly = Main.DecimalDate;
      // The residual of the equation is within the iteration's tolerance.
      EXPECT_NEAR(eccentricAnomaly - e * std::sin(eccentricAnomaly), meanAnomaly, 1e-10);
      // The radius from the true anomaly equals a (1 - e cos E).
      EXPECT_NEAR(Main.RadiusVector[5], 1.0 - e * std::cos(eccentricAnomaly), 1e-10);
    }
  }
}

TEST(KeplerEquation, PerihelionAndCircularOrbit) {
  theory_test::startWithStartUpConstants();
  // At perihelion (L = ϖ): M = E = v = 0, r = a (1 - e), the body on the
  // line of the perihelion.
  Main.CurrentObject = 2;
  theory_test::setOrbitElements(2, {1.0e11, 0.2, 0.0, 0.0, 1.2, 1.2});
  PositionFromElements();
  EXPECT_EQ(Main.MeanAnomaly[2], 0.0);
  EXPECT_EQ(Main.TrueAnomaly[2], 0.0);
  EXPECT_NEAR(Main.RadiusVector[2], 0.8e11, 1e-3);
  EXPECT_NEAR(std::atan2(Main.Y[2], Main.X[2]), 1.2, 1e-14);

  // e = 0: v = M, r = a.
  theory_test::setOrbitElements(2, {1.0e11, 0.0, 0.0, 0.0, 0.5, 2.0});
  PositionFromElements();
  EXPECT_NEAR(Main.TrueAnomaly[2], 1.5, 1e-12);
  EXPECT_EQ(Main.RadiusVector[2], 1.0e11);
  EXPECT_EQ(Main.LoopIndexJ, 101);
}

TEST(KeplerEquation, ManyTurnsOfMeanLongitudeGiveThePositionOfOneTurn) {
  theory_test::startWithStartUpConstants();
  Main.CurrentObject = 1;
  theory_test::setOrbitElements(1, {5.79e10, 0.2056, 0.122, 0.84, 1.35, 0.7});
  PositionFromElements();
  const double x = Main.X[1], y = Main.Y[1], z = Main.Z[1];
  Main.AlfaL[1] = 0.7 + 2000.0 * 2.0 * Main.Pi;  // New0 Mercury about 1900 + 480 years
  PositionFromElements();
  EXPECT_NEAR(Main.X[1], x, 1e-9 * Main.Rsr[1]);
  EXPECT_NEAR(Main.Y[1], y, 1e-9 * Main.Rsr[1]);
  EXPECT_NEAR(Main.Z[1], z, 1e-9 * Main.Rsr[1]);
}

TEST(KeplerEquation, EccentricityOfOneOrMoreIsARunTimeError) {
  theory_test::startWithStartUpConstants();
  for (const double e : {1.0, 1.5, -1.0, std::nan("")}) {
    SCOPED_TRACE(e);
    Main.CurrentObject = 4;
    Main.Eks[4] = e;
    Main.Rsr[4] = 1.0;
    EXPECT_THROW(PositionFromElements(), RuntimeError);
  }
}

}  // namespace

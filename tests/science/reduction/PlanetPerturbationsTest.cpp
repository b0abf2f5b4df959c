// The periodic perturbations of a planet's longitude against sums worked out
// by hand from chosen coefficients and mean longitudes, and the orbit taken
// from a plan row against Kepler's ellipse.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "core/runtime/RuntimeError.h"
#include "core/state/SharedState.h"
#include "core/state/StartUpState.h"
#include "science/reduction/Reduction.h"

namespace {

constexpr int kEarth = 3;
constexpr int kMars = 4;

double radians(double degrees) { return degrees * std::numbers::pi / 180; }

class PlanetPerturbationsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    startWithStartUpState();
    // The Earth is perturbed by Venus (2) and Mars (4), Mars by the Earth (3)
    // and Jupiter (5).
    Main.PerturberFirst[kEarth] = 2;
    Main.PerturberSecond[kEarth] = 4;
    Main.PerturberFirst[kMars] = 3;
    Main.PerturberSecond[kMars] = 5;
  }

  static void setMeanLongitudeAndPerihelion(int object, double longitude, double perihelion) {
    Main.AlfaL[object] = radians(longitude);
    Main.AlfaP[object] = radians(perihelion);
  }

  // Adds the series to a longitude of 100 degrees and returns the change;
  // plannedPerturber as a plan over the perturbations gives it.
  static double correctionFor(int planet, int plannedPerturber = 0) {
    Main.CurrentObject = static_cast<int16_t>(planet);
    Main.LonL[planet] = 100;
    PlanetPerturbationsDL(plannedPerturber);
    return Main.LonL[planet] - 100;
  }
};

// Each row puts the Earth (L, P), its first perturber Venus (L1, P1) and its
// second perturber Mars (L2, P2) at chosen places and sets one coefficient
// of the first perturber; the expected change is that one term by hand.
TEST_F(PlanetPerturbationsTest, SingleTermsWorkedByHand) {
  struct Case {
    const char* name;
    double l, p, l1, p1, l2, p2;
    int term;
    double coefficient;
    double expected;
  };
  const Case cases[] = {
      {"no coefficients", 100, 20, 30, 40, 50, 60, 0, 0, 0},
      // c3 sin D: D = 0 at the same mean longitude, 90 degrees of elongation
      // gives the whole coefficient.
      {"sin D, conjunction", 75, 20, 75, 40, 50, 60, 3, 1, 0},
      {"sin D, elongation 90", 165, 20, 75, 40, 50, 60, 3, 1, 1},
      // c1 sin(M - 2D) with D = 0: L = 10, P = 350 is M = 20, not -340.
      {"sin M across 0", 10, 350, 10, 40, 50, 60, 1, 1, std::sin(radians(20))},
      // c4 sin M1: Venus 30 degrees past its perihelion.
      {"sin M1", 100, 20, 130, 100, 50, 60, 4, 0.5, 0.5 * std::sin(radians(30))},
      // c2 sin 2D with D = 60: sin 120.
      {"sin 2D", 130, 20, 70, 40, 50, 60, 2, 2, 2 * std::sin(radians(120))},
      // c7 sin(2D + M): D = 30, M = 80.
      {"sin(2D + M)", 100, 20, 70, 40, 50, 60, 7, 1, std::sin(radians(140))},
      // c6 sin(2D - M - M1): D = 30, M = 80, M1 = 30 -> sin(-50).
      {"sin(2D - M - M1)", 100, 20, 70, 40, 50, 60, 6, 1, std::sin(radians(-50))},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    setMeanLongitudeAndPerihelion(kEarth, c.l, c.p);
    setMeanLongitudeAndPerihelion(2, c.l1, c.p1);
    setMeanLongitudeAndPerihelion(kMars, c.l2, c.p2);
    if (c.term > 0) Main.PlanetPerturbationCoefficients(1, 10 * kEarth + c.term) = c.coefficient;
    EXPECT_NEAR(correctionFor(kEarth), c.expected, 1e-12);
  }
}

// Both perturbers add: a whole turn in the angles changes nothing.
TEST_F(PlanetPerturbationsTest, BothPerturbersAddAndWholeTurnsDoNotMatter) {
  setMeanLongitudeAndPerihelion(kEarth, 100 + 720, 20 - 360);
  setMeanLongitudeAndPerihelion(2, 70, 40);
  setMeanLongitudeAndPerihelion(kMars, 10, 60 + 360);
  Main.PlanetPerturbationCoefficients(1, 10 * kEarth + 3) = 1;  // sin D1, D1 = 30
  Main.PlanetPerturbationCoefficients(2, 10 * kEarth + 3) = 2;  // sin D2, D2 = 90
  EXPECT_NEAR(correctionFor(kEarth), 0.5 + 2, 1e-12);
}

// A plan over the second perturber's coefficients of Mars: the observed
// Mars takes them from the plan row, the Earth keeps its own.
TEST_F(PlanetPerturbationsTest, PlanRowReplacesOnlyTheObservedPlanetsPerturber) {
  for (int object : {2, kEarth, kMars, 5}) setMeanLongitudeAndPerihelion(object, 0, 0);
  setMeanLongitudeAndPerihelion(kEarth, 180, 0);  // D from Mars = 90
  setMeanLongitudeAndPerihelion(kMars, 90, 0);   // D from Jupiter = 90
  Main.PlanetPerturbationCoefficients(2, 10 * kEarth + 3) = 0.25;
  Main.PlanetPerturbationCoefficients(2, 10 * kMars + 3) = 0.25;
  Main.SelectedObject = kMars;
  Stat.RunIndex = 5;
  Stat.RunValues(3 + 1, 5) = 3;  // the third coefficient is plan parameter 4

  EXPECT_NEAR(correctionFor(kEarth, 2), 0.25, 1e-12);
  EXPECT_NEAR(correctionFor(kMars, 2), 3, 1e-12);
  EXPECT_NEAR(correctionFor(kMars, 0), 0.25, 1e-12);  // no plan over the perturbations
}

TEST_F(PlanetPerturbationsTest, PlanetBeyondMarsIsARunTimeError) {
  Main.CurrentObject = 5;
  EXPECT_THROW(PlanetPerturbationsDL(), RuntimeError);
}

class PlanRowOrbitTest : public ::testing::Test {
 protected:
  static constexpr int kRow = 7;
  static constexpr double kAxis = 1.5e11;

  void SetUp() override {
    startWithStartUpState();
    Stat.RunIndex = kRow;
    Main.JD0 = 2451545;
    Main.JDut = Main.JD0;
  }
  static void setRow(double eccentricity, double perihelion, double node, double meanLongitude) {
    const double values[] = {kAxis, eccentricity, 0, perihelion, node, 62.8, meanLongitude, 4, 2};
    for (int p = 1; p <= 9; ++p) Stat.RunValues(p, kRow) = values[p - 1];
  }
  static double distance(int object) {
    return std::hypot(Main.X[object], Main.Y[object], Main.Z[object]);
  }
};

// At the start epoch the mean longitude is the row's; a planet at its
// perihelion lies at a(1 - e) in the direction of the perihelion (Kepler).
TEST_F(PlanRowOrbitTest, PlanetAtPerihelionOnTheStartEpoch) {
  Main.CurrentObject = kMars;
  setRow(0.5, 60, 0, 60);
  PlanetElementsFromPlanRow(true, 5030);
  EXPECT_NEAR(Main.AlfaL[kMars], radians(60), 1e-12);
  EXPECT_NEAR(distance(kMars) / kAxis, 0.5, 1e-9);
  EXPECT_NEAR(std::atan2(Main.Y[kMars], Main.X[kMars]), radians(60), 1e-9);
}

// A century later the mean longitude has gone on by the mean motion; with
// elements of the date the perihelion and the node have precessed by the
// rate (5030" per century), the Moon's by its own motions instead.
TEST_F(PlanRowOrbitTest, ElementsACenturyLater) {
  Main.JDut = Main.JD0 + 36525;
  const double precession = radians(5030.0 / 3600);
  struct Case {
    int object;
    bool ofDate;
    double perihelionGain, nodeGain;
  };
  const Case cases[] = {
      {kMars, true, precession, precession},
      {kMars, false, 0, 0},
      {11, true, 4, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.object);
    Main.CurrentObject = static_cast<int16_t>(c.object);
    setRow(0.1, 30, 40, 10);
    PlanetElementsFromPlanRow(c.ofDate, 5030);
    EXPECT_NEAR(Main.AlfaL[c.object], radians(10) + 62.8, 1e-12);
    EXPECT_NEAR(Main.AlfaP[c.object], radians(30) + c.perihelionGain, 1e-12);
    EXPECT_NEAR(Main.AlfaU[c.object], radians(40) + c.nodeGain, 1e-12);
  }
}

}  // namespace

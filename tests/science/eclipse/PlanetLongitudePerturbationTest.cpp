// The periodic perturbation of a planet's longitude by two others, against
// sums worked out by hand from angles whose sines are known exactly.
#include <gtest/gtest.h>

#include <cmath>

#include "core/state/SharedState.h"
#include "core/state/StartUpState.h"
#include "science/eclipse/EclipseSteps.h"

namespace {

constexpr int kVenus = 2;
constexpr int kEarth = 3;
constexpr int kJupiter = 5;

class PlanetLongitudePerturbationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    startWithStartUpState();
    Main.PlanetPerturbationCoefficients.fill(0.0);
    Main.PerturberFirst[kEarth] = kVenus;
    Main.PerturberSecond[kEarth] = kJupiter;
  }
  // Mean longitude and perihelion of object i, given in degrees.
  void setElements(int i, double meanLongitude, double perihelion) {
    Main.AlfaL[i] = meanLongitude / Main.kUgol;
    Main.AlfaP[i] = perihelion / Main.kUgol;
  }
  void setTerms(int perturber, int planet, const double (&terms)[8]) {
    for (int k = 1; k <= 8; ++k) Main.PlanetPerturbationCoefficients(perturber, 10 * planet + k) = terms[k - 1];
  }
  double perturbationOfEarth(double longitudeBefore) {
    Main.CurrentObject = kEarth;
    Main.LonL[kEarth] = longitudeBefore;
    PlanetLongitudePerturbation();
    return Main.LonL[kEarth] - longitudeBefore;
  }
};

// Earth at L = 90°, perihelion 0° (M = 90°); Venus at L = 0°, perihelion 0°
// (D = 90°, M1 = 0°): the eight sines are -1, 0, 1, 0, 0, 1, -1, 0, so with
// terms 1..8 the sum is -1 + 3 + 6 - 7 = 1°. Jupiter at L = 30°, perihelion
// 300° (M2 = 90°, D = 60°): the sines are -1/2, √3/2, √3/2, 1, -√3/2, -√3/2,
// -1/2, -1/2, so with terms 0.01..0.08 the sum is -0.04 - 0.03·√3 =
// -0.0919615°. Together +0.9080385°.
TEST_F(PlanetLongitudePerturbationTest, SumOfTheTermsOfBothPerturbers) {
  setElements(kEarth, 90.0, 0.0);
  setElements(kVenus, 0.0, 0.0);
  setElements(kJupiter, 30.0, -60.0);
  setTerms(1, kEarth, {1, 2, 3, 4, 5, 6, 7, 8});
  setTerms(2, kEarth, {0.01, 0.02, 0.03, 0.04, 0.05, 0.06, 0.07, 0.08});
  EXPECT_NEAR(perturbationOfEarth(100.0), 1.0 - 0.04 - 0.03 * std::sqrt(3.0), 1e-9);
}

// One term alone, c3 = 1 of the first perturber: dL = sin(Lp - L1) degrees,
// whatever number of turns the mean longitudes carry.
TEST_F(PlanetLongitudePerturbationTest, ElongationTermAloneForAnglesOfAnySize) {
  setTerms(1, kEarth, {0, 0, 1, 0, 0, 0, 0, 0});
  struct Row { double earthLongitude, venusLongitude, expected; };
  const Row rows[] = {
      {90.0, 60.0, 0.5},                 // sin 30°
      {90.0 + 3 * 360.0, 60.0, 0.5},     // three turns more
      {-270.0, 60.0 - 720.0, 0.5},       // negative, two turns less
      {10.0, 280.0, 1.0},                // D = -270° = 90°
      {200.0, 20.0, 0.0},                // D = 180°
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << row.earthLongitude << " and " << row.venusLongitude);
    setElements(kEarth, row.earthLongitude, 17.0);
    setElements(kVenus, row.venusLongitude, 131.0);
    setElements(kJupiter, 55.0, 14.0);
    EXPECT_NEAR(perturbationOfEarth(250.0), row.expected, 1e-9);
  }
}

TEST_F(PlanetLongitudePerturbationTest, NoTermsLeaveTheLongitudeAlone) {
  setElements(kEarth, 123.0, 45.0);
  setElements(kVenus, 300.0, 131.0);
  setElements(kJupiter, 55.0, 14.0);
  EXPECT_EQ(perturbationOfEarth(77.0), 0.0);
}

// The working rows 1..8 hold the terms of the planet handled last.
TEST_F(PlanetLongitudePerturbationTest, WorkingRowsHoldTheLastPlanetsTerms) {
  Main.PerturberFirst[kVenus] = kEarth;
  Main.PerturberSecond[kVenus] = kJupiter;
  setTerms(1, kEarth, {1, 2, 3, 4, 5, 6, 7, 8});
  setTerms(2, kEarth, {9, 10, 11, 12, 13, 14, 15, 16});
  setTerms(1, kVenus, {-1, -2, -3, -4, -5, -6, -7, -8});
  setTerms(2, kVenus, {-9, -10, -11, -12, -13, -14, -15, -16});
  perturbationOfEarth(0.0);
  for (int k = 1; k <= 8; ++k) {
    EXPECT_EQ(Main.PlanetPerturbationCoefficients(1, k), k);
    EXPECT_EQ(Main.PlanetPerturbationCoefficients(2, k), 8 + k);
  }
  Main.CurrentObject = kVenus;
  PlanetLongitudePerturbation();
  for (int k = 1; k <= 8; ++k) {
    EXPECT_EQ(Main.PlanetPerturbationCoefficients(1, k), -k);
    EXPECT_EQ(Main.PlanetPerturbationCoefficients(2, k), -(8 + k));
  }
}

TEST_F(PlanetLongitudePerturbationTest, PlanetBeyondMarsOrUnknownPerturberIsARunTimeError) {
  Main.CurrentObject = 5;
  EXPECT_ANY_THROW(PlanetLongitudePerturbation());
  Main.CurrentObject = kEarth;
  Main.PerturberSecond[kEarth] = 14;
  EXPECT_ANY_THROW(PlanetLongitudePerturbation());
}

}  // namespace

// The right-hand side of the two-body orbit checks against Newton's law of
// gravitation and the conservation laws of the pair.
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "core/state/SharedState.h"
#include "core/theory/Theory.h"
#include "tests/core/theory/TheoryTestSupport.h"

namespace {

using theory_test::kGammaDE405;
constexpr int kPlanet = 4;  // the orbiting body (Mars)
constexpr int kSun = 0;     // the central body

struct Vector {
  double x, y, z;
};

double norm(const Vector& a) { return std::sqrt(a.x * a.x + a.y * a.y + a.z * a.z); }

// The state of the pair in the layout of the orbit checks: 1..3 the centre,
// 4..6 the orbiting body, 7..9 and 10..12 their velocities.
void setPairState(const Vector& centre, const Vector& body, const Vector& centreVelocity,
                  const Vector& bodyVelocity) {
  const Vector parts[] = {centre, body, centreVelocity, bodyVelocity};
  for (int part = 0; part < 4; ++part) {
    Main.StateVector[1 + 3 * part] = parts[part].x;
    Main.StateVector[2 + 3 * part] = parts[part].y;
    Main.StateVector[3 + 3 * part] = parts[part].z;
  }
}

// The Sun at an arbitrary place, the planet at an offset from it, both moving.
void placePair(const Vector& centre, const Vector& offset) {
  setPairState(centre, {centre.x + offset.x, centre.y + offset.y, centre.z + offset.z},
               {12.0, -7.0, 3.0}, {-2.0e4, 1.5e4, 400.0});
}

void startSunAndPlanet(int16_t vsolConstFlag) {
  theory_test::startWithDE405Masses();
  Main.SelectedObject = kPlanet;
  Main.SecondObject = kSun;
  Main.VsolConstFlag = vsolConstFlag;
}

TEST(TwoBodyDerivatives, AccelerationsAreNewtonsAttractionAlongTheLineOfThePair) {
  // Offsets of the planet from the Sun in every octant, on the axes, and
  // straight above and below the Sun (no X and Y difference).
  const Vector offsets[] = {
      {2.0e11, 0.0, 0.0},       {0.0, 2.0e11, 0.0},         {-1.5e11, -1.0e11, 0.0},
      {1.0e11, 2.0e11, 3.0e10}, {-3.0e11, 1.0e11, -2.0e10}, {4.0e10, -2.0e11, 5.0e9},
      {0.0, -2.0e11, 1.0e11},   {0.0, 0.0, 2.0e11},         {0.0, 0.0, -2.0e11}};
  startSunAndPlanet(1);
  for (const Vector& d : offsets) {
    SCOPED_TRACE(testing::Message() << d.x << ", " << d.y << ", " << d.z);
    placePair({1.0e9, -2.0e9, 3.0e8}, d);
    TwoBodyDerivatives();
    const double r = norm(d);
    const double planetAcceleration = kGammaDE405 * Main.Mass[kSun] / (r * r);
    const double sunAcceleration = kGammaDE405 * Main.Mass[kPlanet] / (r * r);
    // a(planet) = -G M d/r³, a(Sun) = +G m d/r³.
    const double planetExpected[] = {-d.x / r * planetAcceleration, -d.y / r * planetAcceleration,
                                     -d.z / r * planetAcceleration};
    const double sunExpected[] = {d.x / r * sunAcceleration, d.y / r * sunAcceleration,
                                  d.z / r * sunAcceleration};
    for (int k = 0; k < 3; ++k) {
      EXPECT_NEAR(Main.StateDerivative[10 + k], planetExpected[k], 1e-12 * planetAcceleration);
      EXPECT_NEAR(Main.StateDerivative[7 + k], sunExpected[k], 1e-12 * sunAcceleration);
      // Positions change with the velocities.
      EXPECT_EQ(Main.StateDerivative[1 + k], Main.StateVector[7 + k]);
      EXPECT_EQ(Main.StateDerivative[4 + k], Main.StateVector[10 + k]);
    }
    EXPECT_NEAR(Main.Rpl / r, 1.0, 1e-15);
    EXPECT_NEAR(
        Main.Force(0, kPlanet) / (kGammaDE405 * Main.Mass[kSun] * Main.Mass[kPlanet] / (r * r)),
        1.0, 1e-15);
    EXPECT_NEAR(Main.PairDistanceXY(0, kPlanet), std::hypot(d.x, d.y), 1e-4);
    // Action and reaction: the momentum of the pair does not change.
    for (int k = 0; k < 3; ++k) {
      const double momentumRate = Main.Mass[kSun] * Main.StateDerivative[7 + k] +
                                  Main.Mass[kPlanet] * Main.StateDerivative[10 + k];
      EXPECT_NEAR(momentumRate, 0.0, 1e-12 * Main.Mass[kPlanet] * planetAcceleration);
    }
  }
}

TEST(TwoBodyDerivatives, CentreHeldAtConstantVelocityFeelsNoForce) {
  startSunAndPlanet(0);
  placePair({0.0, 0.0, 0.0}, {1.0e11, -2.0e11, 3.0e10});
  TwoBodyDerivatives();
  for (int k = 7; k <= 9; ++k) EXPECT_EQ(Main.StateDerivative[k], 0.0);
  const double r = norm({1.0e11, -2.0e11, 3.0e10});
  const double planet =
      std::hypot(Main.StateDerivative[10], Main.StateDerivative[11], Main.StateDerivative[12]);
  EXPECT_NEAR(planet / (kGammaDE405 * Main.Mass[kSun] / (r * r)), 1.0, 1e-12);
}

// The Moon check: the pair's columns are those of the Moon in row 0 (the
// Sun's row), whatever the central body.
TEST(TwoBodyDerivatives, MoonAboutTheEarthWritesRowZeroOfThePairTables) {
  theory_test::startWithDE405Masses();
  Main.SelectedObject = 11;
  Main.SecondObject = 13;
  Main.VsolConstFlag = 1;
  placePair({1.5e11, 0.0, 0.0}, {3.0e8, 2.0e8, 1.0e7});
  TwoBodyDerivatives();
  const double r = norm({3.0e8, 2.0e8, 1.0e7});
  EXPECT_NEAR(Main.Force(0, 11) / (kGammaDE405 * Main.Mass[11] * Main.Mass[13] / (r * r)), 1.0,
              1e-15);
  EXPECT_NEAR(
      std::hypot(Main.ForceX(0, 11), Main.ForceY(0, 11), Main.ForceZ(0, 11)) / Main.Force(0, 11),
      1.0, 1e-15);
}

// One revolution of a two-body orbit with the classical fourth-order
// Runge-Kutta method on this right-hand side: the pair comes back to its
// start after the period of Kepler's third law, P = 2 pi sqrt(a³/(G (M + m))),
// and the centre of mass keeps its velocity.
TEST(TwoBodyDerivatives, OrbitClosesAfterTheKeplerPeriod) {
  startSunAndPlanet(1);
  Main.CurrentObject = kPlanet;
  Main.kodBary = 1;  // relative orbit of the pair: μ = G (M + m)
  theory_test::setOrbitElements(kPlanet, {2.28e11, 0.3, 0.4, 0.8, 1.1, 2.0});
  PositionFromElements();
  VelocityFromElements();
  const double m = Main.Mass[kPlanet], M = Main.Mass[kSun];
  // The Sun at rest at the origin at the start; the planet relative to it.
  const Vector startPosition{Main.X[kPlanet], Main.Y[kPlanet], Main.Z[kPlanet]};
  const Vector startVelocity{Main.VX[kPlanet], Main.VY[kPlanet], Main.VZ[kPlanet]};
  setPairState({0.0, 0.0, 0.0}, startPosition, {0.0, 0.0, 0.0}, startVelocity);

  const double a = Main.Rsr[kPlanet];
  const double period = 2.0 * Main.Pi * std::sqrt(a * a * a / (kGammaDE405 * (M + m)));
  const int steps = 4000;
  const double h = period / steps;
  std::array<double, 13> y0{}, k1{}, k2{}, k3{}, k4{};
  const std::array<double, 13> none{};
  // One stage: the right-hand side at y0 + factor × previous increment.
  auto stage = [&](std::array<double, 13>& k, const std::array<double, 13>& previous,
                   double factor) {
    for (int i = 1; i <= 12; ++i) Main.StateVector[i] = y0[i] + factor * previous[i];
    TwoBodyDerivatives();
    for (int i = 1; i <= 12; ++i) k[i] = h * Main.StateDerivative[i];
  };
  for (int step = 0; step < steps; ++step) {
    for (int i = 1; i <= 12; ++i) y0[i] = Main.StateVector[i];
    stage(k1, none, 0.0);
    stage(k2, k1, 0.5);
    stage(k3, k2, 0.5);
    stage(k4, k3, 1.0);
    for (int i = 1; i <= 12; ++i) {
      Main.StateVector[i] = y0[i] + (k1[i] + 2.0 * k2[i] + 2.0 * k3[i] + k4[i]) / 6.0;
    }
  }
  const double startRelative[] = {startPosition.x, startPosition.y, startPosition.z};
  const double startBodyVelocity[] = {startVelocity.x, startVelocity.y, startVelocity.z};
  for (int k = 0; k < 3; ++k) {
    // Relative position back at its start, to 1e-6 of the axis.
    const double relative = Main.StateVector[4 + k] - Main.StateVector[1 + k];
    EXPECT_NEAR(relative, startRelative[k], 1e-6 * a);
    const double centreOfMassVelocity =
        (M * Main.StateVector[7 + k] + m * Main.StateVector[10 + k]) / (M + m);
    EXPECT_NEAR(centreOfMassVelocity, m * startBodyVelocity[k] / (M + m), 1e-9);
  }
}

}  // namespace

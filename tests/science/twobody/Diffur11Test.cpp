// Tests of the two-body right-hand side against Newton's law of gravitation,
// the light-cone condition of the retarded attracting body, and the
// definitions of the drag and the tangential force.
#include <gtest/gtest.h>

#include <cmath>

#include "core/state/SharedState.h"
#include "core/state/StartUpState.h"
#include "science/twobody/TwoBody.h"

namespace {

constexpr double kGamma = 66.7259e-12;
constexpr double kLightSpeed = 299792458;

struct Body {
  double x, y, z, vx, vy, vz;
};

class Diffur11Test : public ::testing::Test {
 protected:
  void SetUp() override {
    startWithStartUpState();
    Main.gamma = kGamma;
    Main.SelectedObject = 11;
    Main.SecondObject = 13;
    Main.Mass[11] = 7.35e22;
    Main.Mass[13] = 5.97e24;
    Main.Vgr = kLightSpeed;
    Main.FiniteVgrFlag = 0;
  }

  static void place(const Body& m2, const Body& m1) {
    const double values[12] = {m2.x, m2.y, m2.z, m1.x, m1.y, m1.z,
                               m2.vx, m2.vy, m2.vz, m1.vx, m1.vy, m1.vz};
    for (int j = 0; j < 12; ++j) Main.StateVector[j + 1] = values[j];
  }
  // The two-body window's options the right-hand side is given.
  twobody::ForceOptions options;

  static double accelerationM2(int axis) { return Main.StateDerivative[7 + axis]; }
  static double accelerationM1(int axis) { return Main.StateDerivative[10 + axis]; }
};

// With the interval closed the attraction is Newton's at the instantaneous
// places, whatever drag and Ft mode are set: equal and opposite forces,
// gamma·m1·m2/r² along the line between the bodies.
TEST_F(Diffur11Test, ClosedIntervalIsNewtonsLawWhateverTheOtherOptions) {
  const Body m2{1e6, -2e6, 3e5, 10, 20, -5};
  const Body m1{3.0e8, 2.0e8, -4.0e7, -300, 900, 40};
  const twobody::FtMode modes[] = {twobody::FtMode::Numerically, twobody::FtMode::Analytically,
                                   twobody::FtMode::FromScreen};
  for (const twobody::FtMode mode : modes) {
    SCOPED_TRACE(static_cast<int>(mode));
    options = {false, mode, true, true, 1e18};
    options.drag = 1e9;
    place(m2, m1);
    Diffur11(options);
    const double d[3] = {m1.x - m2.x, m1.y - m2.y, m1.z - m2.z};
    const double r = std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
    const double force = kGamma * Main.Mass[11] * Main.Mass[13] / (r * r);
    for (int axis = 0; axis < 3; ++axis) {
      EXPECT_NEAR(accelerationM1(axis), -force / Main.Mass[11] * d[axis] / r,
                  1e-12 * force / Main.Mass[11]);
      EXPECT_NEAR(accelerationM2(axis), force / Main.Mass[13] * d[axis] / r,
                  1e-12 * force / Main.Mass[13]);
    }
    EXPECT_DOUBLE_EQ(Main.StateDerivative[1], m2.vx);
    EXPECT_DOUBLE_EQ(Main.StateDerivative[6], m1.vz);
  }
}

// The retarded m2 lies on m1's past light cone: m2 at the origin moving
// along +Y with speed v, m1 at distance d on the X axis; the place of m2 a
// propagation time t ago is (0, -v t, 0) with c t = sqrt(d² + v² t²), so
// t = d / sqrt(c² - v²). Two passes of the iteration reach it to (v/c)⁴.
TEST_F(Diffur11Test, RetardedAttractorLiesOnTheLightCone) {
  Main.FiniteVgrFlag = 1;
  options.intervalOpen = true;
  const double d = 3.844e8;
  const double speeds[] = {1.0e3, 3.0e4, 1.0e6};
  for (const double v : speeds) {
    SCOPED_TRACE(v);
    place({0, 0, 0, 0, v, 0}, {d, 0, 0, 0, 1, 0});
    Diffur11(options);
    const double t = d / std::sqrt(kLightSpeed * kLightSpeed - v * v);
    const double beta2 = v * v / (kLightSpeed * kLightSpeed);
    EXPECT_NEAR(Main.PropagationTime(0, 11), t, t * (beta2 * beta2 + 1e-15));
    EXPECT_NEAR(Main.PairDY(0, 11), v * t, v * t * (beta2 + 1e-12));
    // The force on m1 points at the retarded place of m2.
    EXPECT_NEAR(accelerationM1(1) / accelerationM1(0), v * t / d, 1e-9 * v * t / d);
  }
}

// Drag acts per velocity component: a body moving along +X with speed v
// feels -k v² along X and nothing along Y and Z.
TEST_F(Diffur11Test, DragActsPerVelocityComponentAgainstItsSign) {
  const double k = 2.5e12;
  const Body m2{0, 0, 0, 0, 0, 0};
  const struct {
    double vx, vy;
  } cases[] = {{1000, 0}, {-1000, 0}, {0, 400}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.vx + c.vy);
    options.drag = 0;
    options.intervalOpen = false;
    place(m2, {3.844e8, 0, 0, c.vx, c.vy, 0});
    Diffur11(options);
    const double newtonX = accelerationM1(0), newtonY = accelerationM1(1);
    options.drag = k;
    options.intervalOpen = true;
    // No Ft in the numerical mode without retardation (FiniteVgrFlag 0).
    Diffur11(options);
    EXPECT_NEAR(accelerationM1(0) - newtonX, -k * c.vx * std::fabs(c.vx) / Main.Mass[11], 1e-15);
    EXPECT_NEAR(accelerationM1(1) - newtonY, -k * c.vy * std::fabs(c.vy) / Main.Mass[11], 1e-15);
    EXPECT_EQ(accelerationM1(2), 0);
  }
}

// The analytical Ft is V·F/Vgr along the body's velocity; "Ft1 определять
// по V2" swaps the speeds; "с экрана" applies the typed Ft1 to m1 and none
// to m2.
TEST_F(Diffur11Test, TangentialForceFollowsItsMode) {
  const Body m2{0, 0, 0, 0, -12, 0};
  const Body m1{3.844e8, 0, 0, 0, 1000, 0};
  const double r = 3.844e8;
  const double force = kGamma * Main.Mass[11] * Main.Mass[13] / (r * r);
  const double vgr = Main.Vgr;
  const struct {
    twobody::FtMode mode;
    bool swap;
    double ft1, ft2;
  } cases[] = {
      {twobody::FtMode::Analytically, false, 1000 * force / vgr, 12 * force / vgr},
      {twobody::FtMode::Analytically, true, 12 * force / vgr, 1000 * force / vgr},
      {twobody::FtMode::FromScreen, false, 5e15, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.ft1);
    options = {false, c.mode, c.swap, true, 5e15};
    place(m2, m1);
    Diffur11(options);
    const double newtonM1 = accelerationM1(1), newtonM2 = accelerationM2(1);
    options.intervalOpen = true;
    Diffur11(options);
    // m1 moves along +Y, m2 along -Y: each force along its own velocity.
    EXPECT_NEAR((accelerationM1(1) - newtonM1) * Main.Mass[11], c.ft1, 1e-9 * c.ft1 + 1e-3);
    EXPECT_NEAR((accelerationM2(1) - newtonM2) * Main.Mass[13], -c.ft2, 1e-9 * c.ft2 + 1e-3);
  }
}

// Energy and angular momentum of an isolated pair are conserved by the
// Newtonian right-hand side over many Runge-Kutta steps.
TEST_F(Diffur11Test, IsolatedPairKeepsEnergyAndAngularMomentum) {
  const double m1 = Main.Mass[11], m2 = Main.Mass[13];
  place({-4.9e6, 0, 0, 0, -12.0, 0.3}, {4.05e8, 0, 0, 0, 960.0, -25.0});
  auto energy = [&] {
    double kinetic = 0;
    for (int axis = 0; axis < 3; ++axis) {
      kinetic += m2 * std::pow(Main.StateVector[7 + axis], 2) / 2 +
                 m1 * std::pow(Main.StateVector[10 + axis], 2) / 2;
    }
    const double dx = Main.StateVector[4] - Main.StateVector[1];
    const double dy = Main.StateVector[5] - Main.StateVector[2];
    const double dz = Main.StateVector[6] - Main.StateVector[3];
    return kinetic - kGamma * m1 * m2 / std::sqrt(dx * dx + dy * dy + dz * dz);
  };
  auto angularMomentumZ = [&] {
    return m2 * (Main.StateVector[1] * Main.StateVector[8] -
                 Main.StateVector[2] * Main.StateVector[7]) +
           m1 * (Main.StateVector[4] * Main.StateVector[11] -
                 Main.StateVector[5] * Main.StateVector[10]);
  };
  const double e0 = energy(), l0 = angularMomentumZ();
  for (int step = 0; step < 40000; ++step) twobody::rungeKuttaStep(60, options);
  EXPECT_NEAR(energy() / e0, 1, 1e-9);
  EXPECT_NEAR(angularMomentumZ() / l0, 1, 1e-9);
}

}  // namespace

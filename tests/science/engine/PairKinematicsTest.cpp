// The pair kinematics that the run loop keeps between steps under a law of
// gravity pressure, against the geometry of a known motion: a body passing
// the Sun on a straight line at constant speed, whose distance
// R(t) = √(b² + v²·t²) has dR/dt = v²·t / R and d²R/dt² = b²·v² / R³; and
// the direction angles of the pair vector against its polar angles.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/science/engine/SolarSystemSetup.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

// Bodies that exert no force on each other (no pair attracts), a law of
// gravity pressure chosen so that the run loop keeps the kinematics, and
// the sources acting from their present positions.
void placeWithoutForces(bool everyStage) {
  solar::resetModel();
  solar::placeBodies({});
  Main.FiniteVgrFlag = 1;
  Main.kodDX = 0;
  Main.kodPgr = 2;
  Main.kPgr1 = 0.5;
  Main.kPgr2 = 1;
  Main.EveryStageKinematicsFlag = static_cast<int16_t>(everyStage ? 1 : 0);
}

void startAt(int body, double x, double y, double z, double vx, double vy, double vz) {
  Main.X0[body] = x;
  Main.Y0[body] = y;
  Main.Z0[body] = z;
  Main.VX0[body] = vx;
  Main.VY0[body] = vy;
  Main.VZ0[body] = vz;
}

struct PassCase {
  const char* name;
  bool everyStage;
  int steps;
  // The moment the kept values stand for, from the end of the last step:
  // 0 when the right-hand side recomputes them at every stage, half a step
  // on when they are moved to the middle of the next step.
  double ahead;
  double rateTolerance;          // relative to v
  double accelerationTolerance;  // relative to d²R/dt² at that moment
};

// After each step the loop measures dR/dt from the velocities along the
// pair and d²R/dt² from their change over the steps, with rates of rates
// carrying it to the moment it stands for. The first step already measures
// against the start state (not against values an earlier run left).
TEST(PairKinematics, RatesOfTheDistanceFollowAStraightPass) {
  const double h = 3600, b = 1e10, v = 3e4;
  const double closest = b / v;  // the body starts b before the closest approach, s
  const PassCase cases[] = {
      {"recomputed at every stage, first step", true, 1, 0, 1e-9, 2e-2},
      {"recomputed at every stage", true, 60, 0, 1e-9, 1e-3},
      {"once per step, middle of the next step", false, 60, h / 2, 5e-4, 1e-3},
  };
  for (const PassCase& k : cases) {
    SCOPED_TRACE(k.name);
    placeWithoutForces(k.everyStage);
    startAt(1, b, -b, 0, 0, v, 0);
    // Whatever an earlier run left in the tables plays no part.
    Main.StepStartTargetRadialVelocity(0, 1) = 1e6;
    Main.TargetRadialAcceleration(0, 1) = 1e3;
    solar::Experiment experiment;
    experiment.window.controls.trackOrbit = false;
    experiment.start();
    experiment.runSteps(k.steps);

    const double t = k.steps * h - closest + k.ahead;
    const double distance = std::sqrt(b * b + v * v * t * t);
    const double rate = v * v * t / distance;
    const double acceleration = b * b * v * v / (distance * distance * distance);
    EXPECT_NEAR(Main.RangeRate(0, 1), rate, k.rateTolerance * v);
    EXPECT_NEAR(Main.RangeAcceleration(0, 1), acceleration, k.accelerationTolerance * acceleration);
    // The source is at rest: everything is the target's.
    EXPECT_EQ(Main.SourceRadialVelocity(0, 1), 0);
    EXPECT_EQ(Main.PrevStep, h);
  }
}

// The direction angles of the pair vector from body 0 to body 1: the
// elevation above the XY plane, and the polar angle in the XY plane in
// (0, 2π] (a vector along +X is 2π, as the model counts it).
TEST(PairKinematics, DirectionAnglesAreThePolarAnglesOfThePairVector) {
  const struct {
    double dx, dy, dz;
  } directions[] = {{1, 0, 0.3}, {1, 1, 0.3},  {0, 1, -0.3}, {-1, 1, 0},
                    {-1, 0, 1},  {-1, -1, 0.3}, {0, -1, 0.3}, {1, -1, -2}};
  for (const auto& d : directions) {
    SCOPED_TRACE(::testing::Message() << d.dx << ", " << d.dy << ", " << d.dz);
    placeWithoutForces(true);
    const double unit = 1e10;
    startAt(1, d.dx * unit, d.dy * unit, d.dz * unit, 0, 0, 0);
    solar::Experiment experiment;
    experiment.window.controls.trackOrbit = false;
    experiment.start();
    experiment.runSteps(1);
    double longitude = std::atan2(d.dy, d.dx);
    if (longitude <= 0) longitude += 2 * kPi;
    EXPECT_NEAR(Main.PairLongitude(0, 1), longitude, 1e-9);
    EXPECT_NEAR(Main.PairLatitude(0, 1), std::atan2(d.dz, std::hypot(d.dx, d.dy)), 1e-12);
  }
}

}  // namespace

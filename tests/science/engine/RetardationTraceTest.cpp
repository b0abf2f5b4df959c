// Retardation: with a finite speed of gravity the attracting body acts from
// its trace, the place it had when the gravity now arriving left it. For a
// source in uniform motion the trace is given by the light-time equation
// |x_k(t) − x_i(t − T)| = Vgr·T with x_i(t − T) = x_i(t) − v_i·T, whose
// positive root is the propagation time.
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

#include "core/state/SharedState.h"
#include "tests/science/engine/SolarSystemSetup.h"

namespace {

struct TraceCase {
  int variant;                    // kodDX
  double gravitySpeedInLightSpeeds;
};
// Printed as words in the test output, not as the bytes of the struct.
void PrintTo(const TraceCase& c, std::ostream* out) { *out << "DX" << c.variant << ", gravity at " << c.gravitySpeedInLightSpeeds << " c"; }

// Propagation time T of the light-time equation for a source moving with
// constant velocity v, seen from a target at d0 from its present position:
// (v·v − c²) T² + 2 (d0·v) T + d0·d0 = 0.
double lightTime(const double d0[3], const double v[3], double c) {
  const double a = v[0] * v[0] + v[1] * v[1] + v[2] * v[2] - c * c;
  const double b = 2 * (d0[0] * v[0] + d0[1] * v[1] + d0[2] * v[2]);
  const double cc = d0[0] * d0[0] + d0[1] * d0[1] + d0[2] * d0[2];
  return (-b - std::sqrt(b * b - 4 * a * cc)) / (2 * a);
}

class UniformSourceTrace : public ::testing::TestWithParam<TraceCase> {};

// The Sun moves uniformly (Mercury does not pull it back) and is the origin
// of the drawn coordinates, so that a trace kept in shifted coordinates
// would stand still; the steps change on the way, so that records of the
// stored traces are not evenly spaced.
TEST_P(UniformSourceTrace, TraceLiesWhereTheLightTimeEquationPutsIt) {
  const TraceCase c = GetParam();
  solar::resetModel();
  solar::placeBodies({0, 1});
  Main.PairIncluded(1, 0) = 0;
  Main.VX0[0] = 20000;
  Main.VY0[0] = -5000;
  Main.VZ0[0] = 3000;
  Main.FiniteVgrFlag = 1;
  Main.kodDX = static_cast<int16_t>(c.variant);
  Main.Vgr = c.gravitySpeedInLightSpeeds * Main.Vsv;
  solar::Experiment experiment;
  experiment.window.controls.trackOrbit = false;
  experiment.start();
  for (const double step : {3600.0, 700.0, 3600.0, 1300.0}) {
    Main.Step = step;
    experiment.runSteps(9);
  }

  const double* s = Main.StateVector.data();
  const double v[3] = {s[nbody::kVelocityOffset], s[nbody::kVelocityOffset + 11], s[nbody::kVelocityOffset + 22]};
  const double d0[3] = {s[1] - s[0], s[12] - s[11], s[23] - s[22]};
  const double T = lightTime(d0, v, Main.Vgr);
  const double speed = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
  const double beta = speed / Main.Vgr;
  // Two iterations of T = R / Vgr leave an error of about β³·T in T.
  const double tolerance = 2 * speed * beta * beta * beta * T + 0.01;
  EXPECT_NEAR(Main.PairDX(0, 1), d0[0] + v[0] * T, tolerance);
  EXPECT_NEAR(Main.PairDY(0, 1), d0[1] + v[1] * T, tolerance);
  EXPECT_NEAR(Main.PairDZ(0, 1), d0[2] + v[2] * T, tolerance);
  EXPECT_NEAR(Main.PairDistance(0, 1), Main.Vgr * T, tolerance);
  EXPECT_NEAR(Main.PropagationTime(0, 1), T, tolerance / Main.Vgr + 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Variants, UniformSourceTrace,
                         ::testing::Values(TraceCase{1, 1.0}, TraceCase{1, 0.01}, TraceCase{2, 1.0},
                                           TraceCase{2, 0.01}, TraceCase{3, 1.0}, TraceCase{3, 0.01}),
                         [](const auto& info) {
                           return "DX" + std::to_string(info.param.variant) +
                                  (info.param.gravitySpeedInLightSpeeds == 1.0 ? "_SpeedOfLight" : "_HundredthOfIt");
                         });

}  // namespace

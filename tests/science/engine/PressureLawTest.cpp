// The laws of gravity pressure in the classical model, against what
// physics says of them: Newton's force for a pair that does not move
// relative to itself, the Liénard–Wiechert field of a uniformly moving
// source, Newton's law again with the coefficients at zero, the energy and
// momentum that Weber's law conserves, and the perihelion advance of
// Gerber's and Weber's laws.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <ostream>
#include <vector>

#include "tests/science/engine/PerihelionTurn.h"

namespace {

using orbit::Vector;

constexpr double kPi = 3.14159265358979323846;

Vector scaled(const Vector& a, double f) { return {a.x * f, a.y * f, a.z * f}; }

// The law and how its kinematics are found.
void chooseLaw(int law, double k1, double k2, int retardation) {
  Main.FiniteVgrFlag = 1;
  Main.kodPgr = static_cast<int16_t>(law);
  Main.kPgr1 = k1;
  Main.kPgr2 = k2;
  Main.kodDX = static_cast<int16_t>(retardation);
  Main.EveryStageKinematicsFlag = 1;
}

// The Sun (body 0) and the test body (1) attracting each other at the given
// start data; the other planets stand apart and take no part.
void placePair(const Vector& sourcePosition, const Vector& sourceVelocity, const Vector& targetPosition,
               const Vector& targetVelocity) {
  solar::resetModel();
  solar::placeBodies({0, 1});
  const Vector data[2][2] = {{sourcePosition, sourceVelocity}, {targetPosition, targetVelocity}};
  for (int b = 0; b < 2; ++b) {
    Main.X0[b] = data[b][0].x;
    Main.Y0[b] = data[b][0].y;
    Main.Z0[b] = data[b][0].z;
    Main.VX0[b] = data[b][1].x;
    Main.VY0[b] = data[b][1].y;
    Main.VZ0[b] = data[b][1].z;
  }
}

Vector accelerationOf(int body) {
  return {Main.StateDerivative[33 + body], Main.StateDerivative[44 + body], Main.StateDerivative[55 + body]};
}

// The right-hand side's first stage of a run started on the placed bodies.
void evaluateFirstStage() {
  solar::Experiment experiment;
  experiment.window.controls.trackOrbit = false;
  experiment.start();
  experiment.run.readPassState(experiment.window);
  Main.StageCounter = 0;
  Main.StageOffset = 0;
  experiment.run.Diffur();
}

void expectVectorNear(const Vector& actual, const Vector& expected, double tolerance) {
  EXPECT_NEAR(actual.x, expected.x, tolerance);
  EXPECT_NEAR(actual.y, expected.y, tolerance);
  EXPECT_NEAR(actual.z, expected.z, tolerance);
}

// The field of body 0 moving uniformly along X at β = v/c, at `target`
// from its present place: the Liénard–Wiechert field of a uniformly moving
// source, G·M·(1 − β²) / (R²·(1 − β²·sin²θ)^(3/2)) towards its present place.
void expectUniformSourceField(const Vector& acceleration, const Vector& target, double beta) {
  const double present = orbit::length(target);
  const double sine2 = 1 - std::pow(target.x / present, 2);
  const double strength =
      Main.gamma * Main.Mass[0] * (1 - beta * beta) / (present * present * std::pow(1 - beta * beta * sine2, 1.5));
  expectVectorNear(acceleration, scaled(target, -strength / present), 2e-6 * strength);
}

struct StillPairCase {
  const char* name;
  int law;
  double k1, k2;
  int retardation;
  Vector commonVelocity;  // of both bodies, m/s
  double recession;       // the target's speed away from the source, m/s
  double gravitySpeed;    // m/s
  double factor;          // F / F0 that physics expects
  bool finiteSpeed = true;  // "Vgr=Vsv *": without it no law acts
};

// A pair at rest, or moving together (no relative motion: dR/dt = 0), is
// attracted by Newton's force under every law that depends on the
// relative motion, whatever the common velocity (Galilean invariance);
// the Л-В law too when the source is at rest. Weber's law with the bodies
// parting faster than Vgr/√k1 turns the attraction into a repulsion, but
// only with a finite speed of gravity: without one the law does not act
// and the stages are not counted.
TEST(PressureLaws, PairWithoutRelativeMotionFeelsNewtonsForce) {
  const double c = solar::kSpeedOfLight;
  const Vector moving{3.0e4, -2.0e4, 1.0e4};
  const StillPairCase cases[] = {
      {"Weber at rest", 2, 0.5, 1, 1, {}, 0, c, 1},
      {"Gerber series at rest", 3, 3, 6, 1, {}, 0, c, 1},
      {"Gerber closed at rest", 4, 3, 6, 1, {}, 0, c, 1},
      {"Л-В at rest", 5, 1, 1, 1, {}, 0, c, 1},
      {"Зорвен at rest", 6, 1, 1, 1, {}, 0, c, 1},
      {"relative speeds at rest", 7, 0, 0, 1, {}, 0, c, 1},
      {"Weber moving together", 2, 0.5, 1, 0, moving, 0, c, 1},
      {"Gerber series moving together", 3, 3, 6, 0, moving, 0, c, 1},
      {"Gerber closed moving together", 4, 3, 6, 0, moving, 0, c, 1},
      {"Зорвен moving together", 6, 1, 1, 0, moving, 0, c, 1},
      {"relative speeds moving together", 7, 0, 0, 0, moving, 0, c, 1},
      {"Weber parting at twice Vgr", 2, 0.5, 1, 0, {}, 2.0e4, 1.0e4, 1 - 0.5 * 4},
      {"Weber without a finite speed of gravity", 2, 0.5, 1, 0, {}, 2.0e4, 1.0e4, 1, false},
  };
  const Vector target{0.3 * solar::kAU, 0.2 * solar::kAU, 0.05 * solar::kAU};
  const double distance = orbit::length(target);
  const Vector away = scaled(target, 1 / distance);
  for (const StillPairCase& k : cases) {
    SCOPED_TRACE(k.name);
    const Vector targetVelocity{k.commonVelocity.x + k.recession * away.x, k.commonVelocity.y + k.recession * away.y,
                                k.commonVelocity.z + k.recession * away.z};
    placePair({}, k.commonVelocity, target, targetVelocity);
    chooseLaw(k.law, k.k1, k.k2, k.retardation);
    Main.FiniteVgrFlag = static_cast<int16_t>(k.finiteSpeed ? 1 : 0);
    Main.Vgr = k.gravitySpeed;
    evaluateFirstStage();
    EXPECT_EQ(Main.StageCounter, k.finiteSpeed ? 1 : 0);
    // Newton: each body pulled towards the other by G·m(other)/R².
    const double pullOnTarget = Main.gamma * Main.Mass[0] / (distance * distance) * k.factor;
    const double pullOnSource = Main.gamma * Main.Mass[1] / (distance * distance) * k.factor;
    expectVectorNear(accelerationOf(1), scaled(away, -pullOnTarget), 1e-12 * std::fabs(pullOnTarget));
    expectVectorNear(accelerationOf(0), scaled(away, pullOnSource), 1e-12 * std::fabs(pullOnSource));
  }
}

// A source in uniform motion at β = v/Vgr acts by the Л-В law (k1 = k2 = 1)
// as the Liénard–Wiechert field of a uniformly moving charge: directed from
// the source's present position, of strength
// G·M·(1 − β²) / (R_p²·(1 − β²·sin²θ)^(3/2)), θ the angle between the
// present vector R_p and the velocity. The source acts from its trace
// along its velocity (DX1), found by two iterations of the light time.
// Reference: Jackson, Classical Electrodynamics, 3rd ed., eq. 11.154.
TEST(PressureLaws, LienardWiechertLawGivesTheFieldOfAUniformlyMovingSource) {
  const double c = solar::kSpeedOfLight;
  const double beta = 0.005;
  const Vector velocity{beta * c, 0, 0};
  const struct {
    const char* name;
    Vector target;
  } cases[] = {
      {"ahead of the source", {0.4 * solar::kAU, 0, 0}},
      {"abeam", {0, 0.3 * solar::kAU, 0.1 * solar::kAU}},
      {"behind and aside", {-0.2 * solar::kAU, 0.3 * solar::kAU, 0.1 * solar::kAU}},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(k.name);
    placePair({}, velocity, k.target, {});
    chooseLaw(5, 1, 1, 1);
    evaluateFirstStage();
    expectUniformSourceField(accelerationOf(1), k.target, beta);
  }
}

// The same field at nine bodies of no mass around the source at once: the
// pairs of a system of ten bodies are computed side by side.
TEST(PressureLaws, LienardWiechertFieldReachesEveryBodyOfATenBodySystem) {
  const double beta = 0.005;
  solar::resetModel();
  solar::placeBodies({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
  Vector targets[10];
  for (int b = 0; b <= 9; ++b) {
    const double turn = 0.7 * b, tilt = 0.3 * std::sin(1.3 * b), distance = (0.2 + 0.05 * b) * solar::kAU;
    targets[b] = b == 0 ? Vector{} : Vector{distance * std::cos(turn) * std::cos(tilt),
                                           distance * std::sin(turn) * std::cos(tilt), distance * std::sin(tilt)};
    if (b > 0) Main.Mass[b] = 0;
    Main.X0[b] = targets[b].x;
    Main.Y0[b] = targets[b].y;
    Main.Z0[b] = targets[b].z;
    Main.VX0[b] = b == 0 ? beta * solar::kSpeedOfLight : 0.0;
    Main.VY0[b] = Main.VZ0[b] = 0;
  }
  chooseLaw(5, 1, 1, 1);
  evaluateFirstStage();
  for (int b = 1; b <= 9; ++b) {
    SCOPED_TRACE(b);
    expectUniformSourceField(accelerationOf(b), targets[b], beta);
  }
}

// A source at rest with the acceleration Ai' acts by the Л-В law (k1 = k2 =
// 1) as the Liénard–Wiechert field of an accelerated charge at rest: the
// static field and the acceleration field, G·M·[n/R² + (n·(n·a) − a)/(c²·R)]
// towards the source. At the first stage of a step Ai' is the value the run
// loop left for it.
// Reference: Jackson, Classical Electrodynamics, 3rd ed., eq. 14.14.
TEST(PressureLaws, LienardWiechertLawGivesTheFieldOfAnAcceleratedSource) {
  const double c = solar::kSpeedOfLight;
  const Vector a{2.0e4, 1.0e4, -0.5e4};  // m/s², the acceleration field a few thousandths of the static one
  const Vector targets[] = {{0.4 * solar::kAU, 0, 0}, {0.1 * solar::kAU, -0.3 * solar::kAU, 0.2 * solar::kAU}};
  for (const Vector& target : targets) {
    SCOPED_TRACE(::testing::Message() << target.x << ", " << target.y << ", " << target.z);
    placePair({}, {}, target, {});
    chooseLaw(5, 1, 1, 1);
    solar::Experiment experiment;
    experiment.window.controls.trackOrbit = false;
    experiment.start();
    experiment.run.readPassState(experiment.window);
    Main.SourceAccelerationX(0, 1) = a.x;
    Main.SourceAccelerationY(0, 1) = a.y;
    Main.SourceAccelerationZ(0, 1) = a.z;
    Main.StageCounter = 0;
    Main.StageOffset = 0;
    experiment.run.Diffur();

    const double R = orbit::length(target);
    const Vector n = scaled(target, 1 / R);
    const double along = orbit::dot(n, a);
    const double GM = Main.gamma * Main.Mass[0];
    const Vector expected{-GM * (n.x / (R * R) + (n.x * along - a.x) / (c * c * R)),
                          -GM * (n.y / (R * R) + (n.y * along - a.y) / (c * c * R)),
                          -GM * (n.z / (R * R) + (n.z * along - a.z) / (c * c * R))};
    expectVectorNear(accelerationOf(1), expected, 1e-9 * GM / (R * R));
  }
}

// With their coefficients at zero, the laws of Weber, Gerber (series) and
// Зорвен are Newton's law: a year of the Sun and three planets, the sources
// acting from their traces (DX1), moves as without a law.
TEST(PressureLaws, CoefficientsAtZeroLeaveNewtonsMotion) {
  auto finalState = [](int law) {
    solar::resetModel();
    solar::placeBodies({0, 1, 2, 3});
    chooseLaw(law, 0, 0, 1);
    solar::Experiment experiment;
    experiment.start();
    experiment.runYears(1, 1000);
    return std::vector<double>(Main.StateVector.data(), Main.StateVector.data() + 33);
  };
  const std::vector<double> newton = finalState(0);
  for (int law : {2, 3, 6}) {
    SCOPED_TRACE(law);
    const std::vector<double> withLaw = finalState(law);
    for (int j = 0; j < 33; ++j) EXPECT_NEAR(withLaw[j], newton[j], 1.0) << "element " << j;
  }
}

// Weber's law conserves the energy E = T + U with Weber's potential energy
// U = −G·M·m/r·(1 − ṙ²/(2·Vgr²)); the forces of a pair are equal and
// opposite, so the momentum is conserved too. Newton's energy T − G·M·m/r
// is not: it swings with ṙ over each revolution. The model's d²R/dt² comes
// from differences of the radial velocities over the stages of a step, so
// Weber's energy holds to an error of the first order in the step: it
// halves with the step, while Newton's swing stays what it is.
// Reference: A. K. T. Assis, Weber's Electrodynamics, Kluwer 1994, §3.3.
struct WeberBalance {
  double weberSwing = 0;   // greatest |E/E0 − 1| of Weber's energy
  double newtonSwing = 0;  // the same of Newton's energy
  double momentumChange = 0;  // greatest change of a momentum component, kg·m/s
};

WeberBalance weberBalanceOverAYear(double step) {
  solar::resetModel();
  solar::placeBodies({0, 1});
  chooseLaw(2, 0.5, 1, 0);
  Main.Vgr = 0.01 * solar::kSpeedOfLight;  // the law's effect a hundred times that at Vgr = c
  Main.P00 = step;
  solar::Experiment experiment;
  experiment.window.controls.trackOrbit = false;
  experiment.start();
  const double M = Main.Mass[0], m = Main.Mass[1];
  struct Energies {
    double weber, newton;
    Vector momentum;
  };
  auto measure = [&] {
    Vector r, v;
    orbit::relativeState(1, 0, r, v);
    auto velocity = [](int b) {
      return Vector{Main.StateVector[33 + b], Main.StateVector[44 + b], Main.StateVector[55 + b]};
    };
    const Vector v0 = velocity(0), v1 = velocity(1);
    const double kinetic = 0.5 * M * orbit::dot(v0, v0) + 0.5 * m * orbit::dot(v1, v1);
    const double distance = orbit::length(r);
    const double rate = orbit::dot(r, v) / distance;
    const double potential = Main.gamma * M * m / distance;
    return Energies{kinetic - potential * (1 - rate * rate / (2 * Main.Vgr * Main.Vgr)), kinetic - potential,
                    {M * v0.x + m * v1.x, M * v0.y + m * v1.y, M * v0.z + m * v1.z}};
  };
  const Energies start = measure();
  WeberBalance b;
  experiment.runYears(1, static_cast<int>(86400 / step), [&] {
    const Energies now = measure();
    b.weberSwing = std::max(b.weberSwing, std::fabs(now.weber / start.weber - 1));
    b.newtonSwing = std::max(b.newtonSwing, std::fabs(now.newton / start.newton - 1));
    b.momentumChange = std::max({b.momentumChange, std::fabs(now.momentum.x - start.momentum.x),
                                 std::fabs(now.momentum.y - start.momentum.y),
                                 std::fabs(now.momentum.z - start.momentum.z)});
  });
  return b;
}

TEST(PressureLaws, WebersLawConservesWebersEnergyAndTheMomentum) {
  const WeberBalance hour = weberBalanceOverAYear(3600);
  const WeberBalance halfHour = weberBalanceOverAYear(1800);
  EXPECT_LT(hour.weberSwing, 0.05 * hour.newtonSwing);
  EXPECT_LT(halfHour.weberSwing, 0.6 * hour.weberSwing);
  EXPECT_NEAR(halfHour.newtonSwing / hour.newtonSwing, 1.0, 0.05);
  const double mercuryMomentum = solar::planetMass(1) * 4.7e4;
  EXPECT_LT(hour.momentumChange, 1e-12 * mercuryMomentum);
}

// A force F0·(1 − γ·ṙ²/c² + 2γ·r·r̈/c²) (the second-order form of a
// potential −G·M/r·(1 + γ·ṙ²/c²)) turns the perihelion by
// 2γ·π·G(M + m) / (c²·a·(1 − e²)) per revolution: Gerber's laws (γ = 3)
// give the 42.98" per century of Mercury that general relativity gives,
// Weber's law (γ = 1/2) one sixth of it, whichever way the kinematics of
// the pair are found.
// References: P. Gerber, Z. Math. Phys. 43 (1898) 93; the perturbation of a
//   Kepler orbit by a radial force, e.g. Danby, Fundamentals of Celestial
//   Mechanics, 2nd ed., §11.5.
struct AdvanceCase {
  const char* name;
  int law;
  double k1, k2, gamma;
  double tolerance;  // arc seconds per century
  bool everyStage = true;  // the kinematics recomputed at every stage
  bool fromJerks = false;  // d²R/dt² from rates of the radial accelerations
};
// Printed by its name in the test output, not as the bytes of the struct.
void PrintTo(const AdvanceCase& c, std::ostream* out) { *out << c.name; }

class PerihelionUnderLaw : public ::testing::TestWithParam<AdvanceCase> {};

TEST_P(PerihelionUnderLaw, MercuryAdvancesAsTheLawsPotentialPredicts) {
  const AdvanceCase k = GetParam();
  solar::resetModel();
  solar::placeBodies({0, 1});
  chooseLaw(k.law, k.k1, k.k2, 0);
  Main.EveryStageKinematicsFlag = static_cast<int16_t>(k.everyStage ? 1 : 0);
  Main.JerkKinematicsFlag = static_cast<int16_t>(k.fromJerks ? 1 : 0);
  const double advance = orbit::perihelionTurnPerCentury(1, 10);

  const double mu = Main.gamma * (Main.Mass[0] + Main.Mass[1]);
  const double a = solar::kJ2000[1].a * solar::kAU, e = solar::kJ2000[1].e;
  const double c = solar::kSpeedOfLight;
  const double perRevolution = 2 * k.gamma * kPi * mu / (c * c * a * (1 - e * e));
  const double period = 2 * kPi * std::sqrt(a * a * a / mu);
  const double expected = perRevolution * orbit::kSecondsPerCentury / period * orbit::kArcsecondsPerRadian;
  EXPECT_NEAR(advance, expected, k.tolerance) << "expected " << expected << "\" per century";
}

INSTANTIATE_TEST_SUITE_P(Laws, PerihelionUnderLaw,
                         ::testing::Values(AdvanceCase{"GerberClosed", 4, 3, 6, 3, 0.05},
                                           AdvanceCase{"GerberSeries", 3, 3, 6, 3, 0.05},
                                           AdvanceCase{"Weber", 2, 0.5, 1, 0.5, 0.02},
                                           AdvanceCase{"GerberClosedOncePerStep", 4, 3, 6, 3, 0.05, false},
                                           AdvanceCase{"GerberClosedFromJerks", 4, 3, 6, 3, 0.05, true, true}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

// The Sun and one planet alone (the other bodies not taking part): the
// model's orbit against the laws of the two-body problem.
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>

#include "tests/science/engine/PerihelionTurn.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

struct PlanetCase {
  const char* name;
  int body;
  int years;
};
// Printed by its name in the test output, not as the bytes of the struct.
void PrintTo(const PlanetCase& c, std::ostream* out) { *out << c.name; }

class TwoBodyOrbit : public ::testing::TestWithParam<PlanetCase> {};

// Kepler's third law, P = 2π √(a³ / G(M + m)), from the period and the
// semi-major axis that the run's own orbit tracking measures: the period
// between crossings of longitude 0 seen from the Sun, the semi-axis as half
// the sum of the least and greatest distances at the passages.
TEST_P(TwoBodyOrbit, MeasuredPeriodAndSemiAxisObeyKeplersThirdLaw) {
  const PlanetCase planet = GetParam();
  solar::resetModel();
  solar::placeBodies({0, planet.body});
  Main.SelectedObject = planet.body;
  solar::Experiment experiment;
  experiment.start();
  experiment.runYears(planet.years, 24);

  ASSERT_GE(Main.RevolutionCount, 3);
  const double a = Main.RadiusVector[planet.body];
  const double mu = Main.gamma * (Main.Mass[0] + Main.Mass[planet.body]);
  const double keplerDays = 2 * kPi * std::sqrt(a * a * a / mu) / 86400;
  // Crossing and passage found to the reduced step (3.6 s) out of months.
  EXPECT_NEAR(Main.Period / keplerDays, 1.0, 2e-6) << "period " << Main.Period << " d";
  // The semi-axis is the one of the J2000 elements the planet started on.
  EXPECT_NEAR(a / (solar::kJ2000[planet.body].a * solar::kAU), 1.0, 1e-6);
}

// Without other bodies and with Newton's law the orbit does not turn: the
// eccentricity vector keeps its direction (below 0.1" per century over
// twenty years of one-hour steps).
TEST_P(TwoBodyOrbit, PerihelionStaysFixedUnderNewtonsLaw) {
  const PlanetCase planet = GetParam();
  solar::resetModel();
  solar::placeBodies({0, planet.body});
  Main.SelectedObject = planet.body;
  const double drift = orbit::perihelionTurnPerCentury(planet.body, 20);
  EXPECT_LT(std::fabs(drift), 0.1) << drift << "\" per century";
}

INSTANTIATE_TEST_SUITE_P(Planets, TwoBodyOrbit,
                         ::testing::Values(PlanetCase{"Mercury", 1, 2}, PlanetCase{"Venus", 2, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

// The relativistic model with the speed of gravity Vgr: Mercury's
// perihelion advances by 6πG(M + m) / (Vgr² a (1 − e²)) per revolution,
// 42.98" per century at the speed of light, and by (Vsv / Vgr)² times that
// at another speed.
// Reference: Einstein (1915); Weinberg, Gravitation and Cosmology, §8.6
//   (43.03" with a, e of the epoch 1900; 42.98" for the J2000 elements).
struct SpeedCase {
  double gravitySpeedInLightSpeeds;
};
// Printed as words in the test output, not as the bytes of the struct.
void PrintTo(const SpeedCase& c, std::ostream* out) { *out << "gravity at " << c.gravitySpeedInLightSpeeds << " c"; }

class RelativisticPerihelion : public ::testing::TestWithParam<SpeedCase> {};

TEST_P(RelativisticPerihelion, MercuryAdvancesBy43ArcsecondsPerCenturyTimesTheSpeedRatioSquared) {
  const double f = GetParam().gravitySpeedInLightSpeeds;
  solar::resetModel();
  solar::placeBodies({0, 1});
  Main.ForceModel = 1;
  Main.FiniteVgrFlag = 1;
  Main.Vgr = f * Main.Vsv;
  const double advance = orbit::perihelionTurnPerCentury(1, 10);
  const double expected = 42.98 / (f * f);
  EXPECT_NEAR(advance, expected, 0.5 / (f * f)) << "Vgr = " << f << " Vsv";
}

INSTANTIATE_TEST_SUITE_P(GravitySpeeds, RelativisticPerihelion,
                         ::testing::Values(SpeedCase{1.0}, SpeedCase{0.5}, SpeedCase{2.0}),
                         [](const auto& info) {
                           const double speed = info.param.gravitySpeedInLightSpeeds;
                           return std::string(speed == 1.0 ? "SpeedOfLight" : speed < 1.0 ? "HalfOfIt" : "TwiceIt");
                         });

}  // namespace

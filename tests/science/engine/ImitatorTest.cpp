// The imitators of the model run: the positions of each pass come from the
// element theories or from DE405 for the model's date. Against the
// published elements of the theory JPL0 and against JPL's own test values
// of DE405 (testpo.405), forwards and backwards in time across the blocks
// of the ephemeris.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/de405/DE405.h"
#include "core/runtime/ProgramFolder.h"
#include "core/support/KeptProgramFolder.h"
#include "core/state/StartUpState.h"
#include "core/theory/Theory.h"
#include "tests/science/engine/SolarSystemSetup.h"

namespace {

constexpr double kHour = 3600;
constexpr double kUnset = 12345.0;  // a position no imitator writes

class Imitator : public ::testing::Test {
 protected:
  void SetUp() override {
    solar::resetModel();
    setStartUpConstants();
    setMonthLengths();
    setDE405RecordLayout();
    solar::placeBodies({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    Main.ModelMode = 0;
    SetMassesDE405();
    experiment.window.controls.trackOrbit = false;
  }
  void TearDown() override { closeDE405File(); }

  // The start of an imitator run at the day given, followed object 8.
  void startAt(double day) {
    Main.InitialDataJD = Main.SeriesStartJD = day;
    Main.SelectedObject = 8;
    experiment.start();
  }

  // The start of a JPL2 run: the DE405 block of the start day loaded, as
  // "Начать" loads it.
  void startDE405At(double day) {
    setProgramFolder(std::string(CELVAN_FIXTURES_DIR) + "/de405");
    Main.DE405ImitatorFlag = 1;
    Main.JD = day;
    closeDE405File();
    LoadDE405Block();
    startAt(day);
  }

  // `passes` passes as "NC0 шагов" makes them; the positions are those of
  // the last pass, taken at the start of its step.
  double runPasses(int passes) {
    const double start = Main.EphemerisJD;
    experiment.runSteps(passes);
    EXPECT_DOUBLE_EQ(Main.ModelTime, passes * kHour);
    return start + Main.TimeDirection * (passes - 1) * kHour / 86400;
  }

  solar::Experiment experiment;

 private:
  const KeptProgramFolder keptFolder_;
};

struct Position {
  double x, y, z;
};
Position positionOf(int body) { return {Main.X[body], Main.Y[body], Main.Z[body]}; }

// The theories New0 and JPL0 serve the planets at the model's date, the
// Sun stands still at the origin, the bodies 10 and 11 keep what they held,
// and the integrated state is left alone.
TEST_F(Imitator, ElementTheoriesServeThePlanetsAtTheModelsDate) {
  const struct {
    const char* name;
    bool new0;
    void (*setElements)();
  } theories[] = {{"New0", true, SetElementsNew0}, {"JPL0", false, SetElementsJPL0}};
  for (const auto& theory : theories) {
    SCOPED_TRACE(theory.name);
    experiment.window.controls.imitatorNew0 = theory.new0;
    experiment.window.controls.imitatorJPL0 = !theory.new0;
    startAt(2451545.0);
    const std::vector<double> state(Main.StateVector.data(), Main.StateVector.data() + 66);
    for (int body : {10, 11}) Main.X[body] = Main.Y[body] = Main.Z[body] = kUnset;
    const double day = runPasses(240);

    std::vector<Position> imitated;
    for (int body = 0; body <= 9; ++body) imitated.push_back(positionOf(body));
    Main.JD = day;
    for (int16_t body = 1; body <= 9; ++body) {
      Main.CurrentObject = body;
      theory.setElements();
      PositionFromElements();
      EXPECT_EQ(imitated[body].x, Main.X[body]) << "body " << body;
      EXPECT_EQ(imitated[body].y, Main.Y[body]) << "body " << body;
      EXPECT_EQ(imitated[body].z, Main.Z[body]) << "body " << body;
    }
    EXPECT_EQ(imitated[0].x, 0);
    EXPECT_EQ(Main.VY[0], 0);
    EXPECT_EQ(Main.X[10], kUnset);
    EXPECT_EQ(Main.Z[11], kUnset);
    EXPECT_EQ(std::vector<double>(Main.StateVector.data(), Main.StateVector.data() + 66), state);
  }
}

// JPL0 is the table of mean elements of J2000 with their rates per century:
// a planet imitated by it stands on the Kepler orbit of those elements at
// the model's date.
// Reference: E. M. Standish, "Keplerian Elements for Approximate Positions
//   of the Major Planets", JPL Solar System Dynamics, table 1 (1800-2050).
TEST_F(Imitator, JPL0FollowsThePublishedElementsAndTheirRates) {
  struct Published {
    const char* name;
    int body;
    solar::Elements at2000, perCentury;
  };
  const Published planets[] = {
      {"Mercury", 1,
       {0.38709927, 0.20563593, 7.00497902, 252.25032350, 77.45779628, 48.33076593},
       {0.00000037, 0.00001906, -0.00594749, 149472.67411175, 0.16047689, -0.12534081}},
      {"Mars", 4,
       {1.52371034, 0.09339410, 1.84969142, -4.55343205, -23.94362959, 49.55953891},
       {0.00001847, 0.00007882, -0.00813131, 19140.30268499, 0.44441088, -0.29257343}},
  };
  startAt(2451545.0);
  const double day = runPasses(24 * 400);
  const double centuries = (day - 2451545.0) / 36525;
  for (const Published& p : planets) {
    SCOPED_TRACE(p.name);
    const solar::Elements& e0 = p.at2000;
    const solar::Elements& rate = p.perCentury;
    const solar::Elements now{e0.a + rate.a * centuries, e0.e + rate.e * centuries, e0.i + rate.i * centuries,
                              e0.L + rate.L * centuries, e0.perihelion + rate.perihelion * centuries,
                              e0.node + rate.node * centuries};
    double r[3], v[3];
    solar::keplerState(now, Main.gamma * Main.Mass[0], r, v);
    // Metres: the program's π (3.14159265359) turns the degrees of the
    // elements a few tenths of a metre apart.
    EXPECT_NEAR(Main.X[p.body], r[0], 5.0);
    EXPECT_NEAR(Main.Y[p.body], r[1], 5.0);
    EXPECT_NEAR(Main.Z[p.body], r[2], 5.0);
  }
}

// JPL's test values (testpo.405) of the days used, AU, equatorial J2000.
constexpr double kNeptuneFromEarthZ = -9.9176038208711;  // 2451604.5, target 8, centre 3, z
constexpr double kMoonFromBarycentreY = -0.0015614617894;  // 2451544.5, target 10, centre 13, y
constexpr double kEarthMoonMassRatio = 81.30056;  // EMRAT of DE405

// Ecliptic metres to equatorial AU (the J2000 frame of DE405).
double equatorialY(const Position& p) {
  return (std::cos(Main.ObliquityJ2000) * p.y - std::sin(Main.ObliquityJ2000) * p.z) / solar::kAU;
}
double equatorialZ(const Position& p) {
  return (std::sin(Main.ObliquityJ2000) * p.y + std::cos(Main.ObliquityJ2000) * p.z) / solar::kAU;
}

// A JPL2 run of sixty days reads the ephemeris on block after block (two
// blocks begin on the way) and serves the Sun, the Earth-Moon barycentre
// and the followed planet at each day; the other planets keep what they
// held. The passes are made as "NC0 шагов" makes them: the stop requested
// before them does not end the run after its first evaluation.
TEST_F(Imitator, JPL2ReadsTheEphemerisOnForwards) {
  startDE405At(2451544.5);
  Main.X[5] = kUnset;
  const double day = runPasses(24 * 60 + 1);
  ASSERT_EQ(day, 2451604.5);
  EXPECT_EQ(Main.X[5], kUnset);

  const Position neptune = positionOf(8), barycentre = positionOf(3);
  Main.EphemerisJD = day;
  EvaluateDE405Body(11, 1);  // the geocentric Moon of that day
  const double share = 1 / (1 + kEarthMoonMassRatio);
  const Position earth{barycentre.x - share * Main.X[11], barycentre.y - share * Main.Y[11],
                       barycentre.z - share * Main.Z[11]};
  const Position fromEarth{neptune.x - earth.x, neptune.y - earth.y, neptune.z - earth.z};
  EXPECT_NEAR(equatorialZ(fromEarth), kNeptuneFromEarthZ, 1e-10);
}

// Backwards in time the day falls before the block in memory: the block of
// the day is loaded, so that every pass evaluates a block that holds it.
// With the Earth and the Moon apart the Moon is followed as body 10.
TEST_F(Imitator, JPL2RunsBackwardsWithTheBlockOfEachDay) {
  Main.TimeDirection = -1;
  startDE405At(2451604.5);
  Main.kodMoon = 1;
  Main.SelectedObject = 10;
  // A longitude for the Moon away from the seam of longitude 0, where a run
  // shortens its step (the start measured Neptune's).
  Main.RelativeLongitude[10] = 180;
  const double day = runPasses(24 * 60 + 1);
  ASSERT_EQ(day, 2451544.5);

  const Position moon = positionOf(11), barycentre = positionOf(3), body10 = positionOf(10);
  const double share = kEarthMoonMassRatio / (1 + kEarthMoonMassRatio);
  EXPECT_NEAR(equatorialY({share * moon.x, share * moon.y, share * moon.z}), kMoonFromBarycentreY, 1e-12);
  EXPECT_EQ(body10.x, moon.x + barycentre.x);
  EXPECT_EQ(body10.z, moon.z + barycentre.z);
}

}  // namespace

// The orbit check of one planet on Form1, driven through its controls: the
// measured orbit against the two-body laws (Kepler's third law, vis-viva,
// the elements the start data were made from), the energy of the pair
// against the order of the Runge-Kutta method, the centre held or moving,
// the running of the loop and its refusals.
#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include "model/Form2.h"
#include "tests/windows/setup/OrbitCheckFixture.h"

namespace {

constexpr int kMars = 4;
constexpr int kJupiter = 5;
constexpr int kMercury = 1;
constexpr double kSecondsPerDay = 86400;

// What the start tables say of a body's orbit about its centre in the check.
struct CheckedPair {
  int startSlot;   // start data of the body
  int centreSlot;  // start data and mass of the centre
  int massSlot;    // mass of the body
};

double gravitationalParameter(const CheckedPair& pair, bool centreHeld) {
  const double centreMass = Main.Mass[pair.centreSlot];
  return Main.gamma * (centreHeld ? centreMass : centreMass + Main.Mass[pair.massSlot]);
}

// Energy of the pair now, from the state vector (J).
double pairEnergyNow(const CheckedPair& pair) {
  const double* s = &Main.StateVector[1];
  double r2 = 0, centreV2 = 0, bodyV2 = 0;
  for (int k = 0; k < 3; ++k) {
    r2 += (s[3 + k] - s[k]) * (s[3 + k] - s[k]);
    centreV2 += s[6 + k] * s[6 + k];
    bodyV2 += s[9 + k] * s[9 + k];
  }
  const double centreMass = Main.Mass[pair.centreSlot];
  const double bodyMass = Main.Mass[pair.massSlot];
  return (bodyMass * bodyV2 + centreMass * centreV2) / 2 -
         Main.gamma * centreMass * bodyMass / std::sqrt(r2);
}

// --- Kepler's third law ---

struct KeplerCase {
  const char* name;
  int body;               // the option chosen
  bool moon;              // "Земля-Луна и Ксена=Луна": object 10 is the Moon
  bool centreHeld;        // "при Vsol=const"
  double systemVelocity;  // VXsys, km/s
  const char* step;       // base step, s
  const char* divisor;    // divisor of the step in the search windows
  const char* halfWidth;  // +/-dAlfa, degrees
};
// Printed by its name in the test output, not as the bytes of the struct.
void PrintTo(const KeplerCase& c, std::ostream* out) { *out << c.name; }

class KeplerPeriod : public OrbitCheckTest, public ::testing::WithParamInterface<KeplerCase> {};

// The second perihelion passage measures one whole revolution. Its period
// is 2 pi sqrt(a³/mu) of the pair's start orbit, with mu = G M when the
// centre keeps its velocity and G (M + m) when the body pulls it along
// (the relative orbit then is a different ellipse, so the search windows
// are wide). A system velocity moves the whole pair and changes nothing.
// The passage is found to within one reduced step.
TEST_P(KeplerPeriod, SecondRevolutionFollowsThirdLaw) {
  const KeplerCase c = GetParam();
  Form1& form = startProgram();
  if (c.moon) {
    click(form.Check3);
    click(form.Command3);
    click(form.Command12);
  }
  if (c.centreHeld) click(form.Check5);
  Main.VXsys = c.systemVelocity;
  type(form.Text31, c.divisor);
  type(form.Text10, c.halfWidth);
  startCheck(form, c.body, c.step, "1000");
  ASSERT_EQ(boxes.count(), 0);
  runRevolutions(form, 2);

  const CheckedPair pair = c.moon ? CheckedPair{11, 13, 10} : CheckedPair{c.body, 0, c.body};
  const double expected = startOrbit(pair.startSlot, pair.centreSlot,
                                     gravitationalParameter(pair, c.centreHeld)).period / kSecondsPerDay;
  const double otherCentre = startOrbit(pair.startSlot, pair.centreSlot,
                                        gravitationalParameter(pair, !c.centreHeld)).period / kSecondsPerDay;
  const double reducedStep = CDbl(c.step) / CDbl(c.divisor) / kSecondsPerDay;
  const double tolerance = 2 * reducedStep + 1e-6;
  ASSERT_GT(std::fabs(expected - otherCentre), 10 * tolerance) << "the case tells the centres apart";
  EXPECT_NEAR(shown(form.Text13), expected, tolerance);
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, KeplerPeriod,
    ::testing::Values(KeplerCase{"JupiterCentreHeld", kJupiter, false, true, 0, "36000", "10", "10"},
                      KeplerCase{"JupiterCentreMoves", kJupiter, false, false, 0, "36000", "10", "10"},
                      KeplerCase{"JupiterCentreHeldSystemMoving", kJupiter, false, true, 20, "36000", "10", "10"},
                      KeplerCase{"JupiterCentreMovesSystemMoving", kJupiter, false, false, 20, "36000", "10", "10"},
                      KeplerCase{"MoonAboutTheEarth", 10, true, false, 0, "600", "10", "30"}),
    [](const auto& info) { return std::string(info.param.name); });

// --- The elements of the start data ---

// With the Sun held, Mars moves on exactly the ellipse of the elements its
// start data were made from (about G M_sun): the check measures them back.
// Each measurement is one of samples, so its tolerance is what the body
// moves in a sample, plus the cut of the display.
TEST_F(OrbitCheckTest, MeasuresTheElementsOfTheStartData) {
  Form1& form = startProgram();
  click(form.Check5);
  startCheck(form, kMars, "3600", "1000");
  runRevolutions(form, 2);

  const double a = Main.Rsr[kMars];
  const double e = Main.Eks[kMars];
  const double mu = Main.gamma * Main.Mass[0];
  const double q = a * (1 - e);
  const double bigQ = a * (1 + e);
  const double pi = std::acos(-1.0);
  const double degrees = 180 / pi;
  const double fineStep = 3600.0 / 100;
  // Angular speed at perihelion, the fastest of the orbit (rad/s).
  const double fastest = std::sqrt(mu * a * (1 - e * e)) / (q * q);
  const double angleTolerance = 2 * fastest * fineStep * degrees;  // degrees

  EXPECT_NEAR(shown(form.Text13), 2 * pi * std::sqrt(a * a * a / mu) / kSecondsPerDay,
              2 * fineStep / kSecondsPerDay);
  EXPECT_NEAR(shown(form.Text14), e, 2e-6);
  // The aphelion is sampled every hour: at most r'' t²/2 below Q.
  const double aphelionSampling = mu * e / (bigQ * bigQ) * 1800 * 1800 / 2;
  EXPECT_NEAR(shown(form.Text16), a / 1e6, (aphelionSampling / 2) / 1e6 + 0.01);
  EXPECT_NEAR(shown(form.Text21), Main.AlfaP[kMars] * degrees, angleTolerance);
  EXPECT_NEAR(shown(form.Text8), 0, angleTolerance * 3600);
  EXPECT_NEAR(shown(form.Text35), Main.AlfaU[kMars] * degrees, angleTolerance);
  EXPECT_NEAR(shown(form.Text12), 0, angleTolerance * 3600);
  // Mean speed (Vmax + Vmin)/2 = sqrt(mu/a)/sqrt(1 - e²), and over a that
  // is n/sqrt(1 - e²) in radians per Julian year.
  const double meanSpeed = std::sqrt(mu / a) / std::sqrt(1 - e * e);
  EXPECT_NEAR(shown(form.Text15), meanSpeed, 0.02);
  EXPECT_NEAR(shown(form.Text27), meanSpeed / a * 31557600, 2e-6);

  // Most of a revolution later, before the next passage: the extremes of
  // the distance since the passage and the largest latitude.
  const double lastPassage = Main.PrevRevolutionTime;
  runFor(form, 0.9 * 2 * pi * std::sqrt(a * a * a / mu));
  ASSERT_EQ(Main.PrevRevolutionTime, lastPassage);
  EXPECT_NEAR(shown(form.Text17), bigQ / 1e6, aphelionSampling / 1e6 + 0.01);
  // The first sample after the passage comes one base step after it.
  const double afterPassage = mu * e / (q * q) * std::pow(3600 + fineStep, 2) / 2;
  EXPECT_NEAR(shown(form.Text18), q / 1e6, afterPassage / 1e6 + 0.01);
  EXPECT_NEAR(shown(form.Text36), Main.Betta[kMars] * degrees, 2e-6);
}

// The check's own reference values at its start: the sidereal period of
// the body and the period its mean elements imply, against the published
// sidereal periods (Astronomical Almanac: Mars 686.980 d; the Moon
// 27.321661 d, Meeus, Astronomical Algorithms, ch. 47).
TEST_F(OrbitCheckTest, ShowsTheReferencePeriodsAtTheStart) {
  Form1& form = startProgram();
  startCheck(form, kMars, "3600", "10");
  const std::string label = form.Label13.Caption();
  const std::string head = "(справочно T= ";
  const std::string tail = " дней)";
  ASSERT_EQ(label.substr(0, head.size()), head);
  ASSERT_EQ(label.substr(label.size() - tail.size()), tail);
  EXPECT_NEAR(CDbl(label.substr(head.size(), label.size() - head.size() - tail.size())), 686.980,
              0.001);
  EXPECT_NEAR(shown(form.Text22), 686.980, 0.01);

  click(form.Check3);
  click(form.Command3);
  click(form.Command12);
  startCheck(form, 10, "600", "10");
  EXPECT_NE(form.Label13.Caption().find("27,32"), std::string::npos) << form.Label13.Caption();
  EXPECT_EQ(boxes.count(), 0);
}

// --- Energy ---

// The classical Runge-Kutta method is of fourth order: halving its step
// cuts the energy error over the same time at least 16-fold. Mercury, the
// most eccentric of the planets, run for the same 90 days with steps of two
// and of four hours (no search windows, so the step stays as typed). The
// shown drift is the change of the pair's energy over its kinetic energy at
// the start, in percent.
TEST_F(OrbitCheckTest, EnergyDriftFollowsTheOrderOfTheMethod) {
  const CheckedPair mercury{kMercury, 0, kMercury};
  std::vector<double> drift;
  for (const auto& [step, stepsPerPass] : {std::pair{"7200", "120"}, std::pair{"14400", "60"}}) {
    Form1& form = startProgram();
    type(form.Text10, "0");
    startCheck(form, kMercury, step, stepsPerPass);
    const double startEnergy = Main.E0sys - Main.gamma * Main.Mass[0] * Main.Mass[kMercury] / Main.StartDistance;
    for (int pass = 0; pass < 7; ++pass) click(form.Command7);
    ASSERT_DOUBLE_EQ(Main.ModelTime, 90 * kSecondsPerDay);
    const double change = pairEnergyNow(mercury) - startEnergy;
    const double percent = 100 * change / Main.E0sys;
    // Both sides take the difference of energies of some 10^33 J: a few
    // units of the 16th digit, some 10^-13 percent.
    EXPECT_NEAR(shown(form.Text9), percent, 1e-12);
    drift.push_back(std::fabs(change / startEnergy));
    ui::unloadAllForms();
    ui::destroyUnloadedForms();
  }
  ASSERT_GT(drift[0], 1e-13) << "the drift stands above the rounding";
  EXPECT_GE(drift[1] / drift[0], 16 * 0.9);
}

// --- The centre held or moving ---

// "при Vsol=const": the Sun keeps its start velocity (here the system
// velocity) and moves uniformly however the body pulls; where it stands
// tells the time of the state, at every pass end, also while the wide
// search windows cut the step.
TEST_F(OrbitCheckTest, HeldCentreMovesUniformly) {
  Form1& form = startProgram();
  click(form.Check5);
  Main.VXsys = 20;
  Main.VYsys = -5;
  Main.VZsys = 1;
  type(form.Text10, "30");
  type(form.Text31, "10");
  startCheck(form, kMars, "3600", "1000");
  int passesInWindows = 0;
  while (Main.ModelTime < 700 * kSecondsPerDay) {
    click(form.Command7);
    if (Main.Step < Main.P00) ++passesInWindows;
    const double t = Main.ModelTime;
    ASSERT_NEAR(Main.X[0], Main.X0[0] + (20000 + Main.VX0[0]) * t, 10.0) << t;
    ASSERT_NEAR(Main.Y[0], Main.Y0[0] + (-5000 + Main.VY0[0]) * t, 10.0) << t;
    ASSERT_NEAR(Main.Z[0], Main.Z0[0] + (1000 + Main.VZ0[0]) * t, 10.0) << t;
  }
  EXPECT_GT(passesInWindows, 10);
  EXPECT_EQ(Main.VX[0], 20000 + Main.VX0[0]);
  EXPECT_EQ(Main.VY[0], -5000 + Main.VY0[0]);
  EXPECT_EQ(Main.VZ[0], 1000 + Main.VZ0[0]);
}

// Without it the Sun and Jupiter pull each other: the Sun's velocity
// changes, and the momentum of the pair is kept, so the pair's centre of
// mass (slot 14, set at each pass end) moves uniformly.
TEST_F(OrbitCheckTest, MovingCentreKeepsThePairsMomentum) {
  Form1& form = startProgram();
  Main.VXsys = 20;
  startCheck(form, kJupiter, "36000", "100");
  const double m = Main.Mass[kJupiter];
  const double sunMass = Main.Mass[0];
  const double total = m + sunMass;
  const double x0 = (m * Main.X0[kJupiter] + sunMass * Main.X0[0]) / total;
  const double y0 = (m * Main.Y0[kJupiter] + sunMass * Main.Y0[0]) / total;
  const double vx = 20000 + (m * Main.VX0[kJupiter] + sunMass * Main.VX0[0]) / total;
  const double vy = (m * Main.VY0[kJupiter] + sunMass * Main.VY0[0]) / total;
  runFor(form, 2000 * kSecondsPerDay);
  const double t = Main.ModelTime;
  EXPECT_GT(std::fabs(Main.VY[0] - Main.VY0[0]), 1.0) << "the Sun is pulled";
  EXPECT_NEAR(Main.X[14], x0 + vx * t, 100.0);
  EXPECT_NEAR(Main.Y[14], y0 + vy * t, 100.0);
}

// --- Running the loop ---

// With search windows of width 0 every step is the base step, so the clock
// counts the steps: the start runs two passes ("Остановить" at the first
// pass end), "сделать NC0 шагов" one pass of the steps typed now,
// "Продолжить " goes on until the next stop, and "сделать NC0 шагов"
// pressed while the loop runs adds its own pass, after which the loop ends
// at its next pass end. Rows 0 and s of the grid follow the check while it
// shows the initial data.
TEST_F(OrbitCheckTest, PassesAndTheButtonsThatRunThem) {
  Form1& form = startProgram();
  click(form.Option3);
  type(form.Text10, "0");
  startCheck(form, kMars, "3600", "10");
  EXPECT_EQ(Main.ModelTime, 2 * 10 * 3600.0);

  type(form.Text29, "7");
  click(form.Command7);
  EXPECT_EQ(Main.ModelTime, (20 + 7) * 3600.0);

  pressAtNextPass(form.Command5);
  click(form.Command6);
  EXPECT_EQ(Main.ModelTime, (27 + 2 * 7) * 3600.0);

  pressAtNextPass(form.Command7);
  click(form.Command6);
  EXPECT_EQ(Main.ModelTime, (41 + 3 * 7) * 3600.0);
  EXPECT_EQ(Main.StepCounter, 0);
  EXPECT_NEAR(shown(form.Text40), Main.ModelTime / 31557600, 0.01);

  EXPECT_NEAR(shown(form.Text1[kMars]), Main.X[kMars] / 1e6, 1e-9);
  EXPECT_NEAR(shown(form.Text5[kMars]), Main.VY[kMars], 1e-5);
  EXPECT_NE(Main.X[kMars], Main.X0[kMars]);
  EXPECT_EQ(boxes.count(), 0);
}

// Closing the window ends its check, even while another window keeps the
// program open: nothing else could stop it.
TEST_F(OrbitCheckTest, ClosingTheWindowEndsTheCheck) {
  Form1& form = startProgram();
  form2();  // another window stays loaded
  type(form.Text10, "0");
  type(form.Text29, "10");
  QTimer::singleShot(0, form.window(), [&form] { ui::closeAsUser(form); });
  // Should the check go on regardless, it is stopped at the fifth pass end.
  int pumps = 0;
  QTimer guard;
  QObject::connect(&guard, &QTimer::timeout, [&pumps] {
    if (++pumps == 5) Main.StopFlag = 1;
  });
  guard.start(0);
  click(form.Command13);
  EXPECT_FALSE(ui::isFormLoaded<Form1>());
  EXPECT_EQ(Main.ModelTime, 10 * 3600.0);
}

struct RefusalCase {
  const char* name;
  ui::TextBox Form1::*box;
  const char* text;
};
// Printed by its name in the test output, not as the bytes of the struct.
void PrintTo(const RefusalCase& c, std::ostream* out) { *out << c.name; }

class OrbitCheckRefusal : public OrbitCheckTest, public ::testing::WithParamInterface<RefusalCase> {};

// A box that is no number, a step or divisor that would stall the check or
// fill it with infinities, a pass too long for its counter: the start says
// so and the loop does not run.
TEST_P(OrbitCheckRefusal, WrongDataIsRefused) {
  const RefusalCase c = GetParam();
  Form1& form = startProgram();
  type(form.*c.box, c.text);
  pressAtNextPass(form.Command5);  // ends the loop should it start
  click(form.Command13);
  ASSERT_EQ(boxes.count(), 1);
  EXPECT_EQ(boxes.last().text, "Задайте правильно данные");
  EXPECT_EQ(boxes.last().title, "Celvan7m");
  EXPECT_EQ(Main.ModelTime, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, OrbitCheckRefusal,
    ::testing::Values(RefusalCase{"StepNoNumber", &Form1::Text30, "час"},
                      RefusalCase{"StepZero", &Form1::Text30, "0"},
                      RefusalCase{"StepNegative", &Form1::Text30, "-3600"},
                      RefusalCase{"DivisorZero", &Form1::Text31, "0"},
                      RefusalCase{"StepsPerPassTooMany", &Form1::Text29, "40000"},
                      RefusalCase{"HalfWidthNoNumber", &Form1::Text10, "1.5"}),
    [](const auto& info) { return std::string(info.param.name); });

// The Sun has no mean orbital speed, so it cannot be checked.
TEST_F(OrbitCheckTest, TheSunIsRefused) {
  Form1& form = startProgram();
  form.Option1[0].setValue(true);
  pressAtNextPass(form.Command5);
  click(form.Command13);
  ASSERT_EQ(boxes.count(), 1);
  EXPECT_EQ(boxes.last().text, "Задайте правильно данные");
  EXPECT_EQ(Main.ModelTime, 0);
}

// "сделать NC0 шагов" with a step count that is no whole number says so
// and runs nothing.
TEST_F(OrbitCheckTest, OnePassRefusesAStepCountThatIsNoNumber) {
  Form1& form = startProgram();
  startCheck(form, kMars, "3600", "10");
  const double time = Main.ModelTime;
  type(form.Text29, "много");
  click(form.Command7);
  ASSERT_EQ(boxes.count(), 1);
  EXPECT_EQ(boxes.last().text, "Задайте правильно данные");
  EXPECT_EQ(Main.ModelTime, time);
}

// A pair at rest has no kinetic energy to measure the drift against: the
// first pass end fails, says so, and the loop ends.
TEST_F(OrbitCheckTest, AnErrorInTheLoopEndsIt) {
  Form1& form = startProgram();
  Main.VX0[kMars] = Main.VY0[kMars] = Main.VZ0[kMars] = 0;
  type(form.Text10, "0");
  startCheck(form, kMars, "3600", "10");
  ASSERT_EQ(boxes.count(), 1);
  EXPECT_EQ(boxes.last().text, "Ошибка решения уравнений");
  EXPECT_EQ(boxes.last().title, "Celvan7m");
  EXPECT_EQ(Main.ModelTime, 10 * 3600.0);
}

// --- The ascending node ---

// Start data typed for a body on a circular orbit about a Sun at rest at
// the origin: at ecliptic longitude `longitude` (degrees), `below` metres
// under the ecliptic, climbing at `inclination` (degrees; negative: going
// down).
void placeOnInclinedCircle(int body, double longitude, double below, double inclination) {
  const double pi = std::acos(-1.0);
  const double r = 1.5e11;
  const double v = std::sqrt(Main.gamma * Main.Mass[0] / r);
  const double l = longitude * pi / 180;
  const double i = inclination * pi / 180;
  Main.X0[body] = r * std::cos(l);
  Main.Y0[body] = r * std::sin(l);
  Main.Z0[body] = -below;
  Main.VX0[body] = -v * std::cos(i) * std::sin(l);
  Main.VY0[body] = v * std::cos(i) * std::cos(l);
  Main.VZ0[body] = v * std::sin(i);
}

// A node crossed in the very first step lies between the start longitude
// and the longitude after the step, and its deviation from a given node
// just below 360 is counted across 0.
TEST_F(OrbitCheckTest, NodeInTheFirstStepAcrossZero) {
  struct Row {
    double startLongitude, givenNode, expectedNode, expectedDeviation;  // degrees, arc seconds
  };
  for (const Row& row : {Row{100, 100, 100.02, 72}, Row{0.01, 359.995, 0.03, 126}}) {
    SCOPED_TRACE(row.startLongitude);
    Form1& form = startProgram();
    click(form.Check5);
    placeOnInclinedCircle(kMars, row.startLongitude, 1, 1);
    Main.AlfaU[kMars] = row.givenNode * std::acos(-1.0) / 180;
    startCheck(form, kMars, "3600", "10");
    // One hour on the circle is 0.04 degrees.
    EXPECT_NEAR(shown(form.Text35), row.expectedNode, 0.02);
    EXPECT_NEAR(shown(form.Text12), row.expectedDeviation, 72);
    ui::unloadAllForms();
    ui::destroyUnloadedForms();
  }
}

// Starting in the ecliptic on the way down is a descending node, not an
// ascending one: the node shown stays the given one until the body climbs
// through the ecliptic half a turn later.
TEST_F(OrbitCheckTest, StartGoingDownIsNoAscendingNode) {
  Form1& form = startProgram();
  click(form.Check5);
  placeOnInclinedCircle(kMars, 100, 0, -1);
  startCheck(form, kMars, "3600", "10");
  const std::string given = Str(Main.AlfaU[kMars] * Main.kUgol);
  EXPECT_EQ(form.Text35.Text(), given);
  type(form.Text29, "1000");
  runFor(form, 250 * kSecondsPerDay);
  EXPECT_NEAR(shown(form.Text35), 280, 0.05);
}

}  // namespace

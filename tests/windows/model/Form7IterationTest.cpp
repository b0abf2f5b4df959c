// One iteration of the retarded interaction on the test bench ("Сделать 1
// итерацию с заданными условиями движения"), pressed as a user presses it:
// the fixed-point iteration T := |x_k(t) − x_i(t − T)| / Vgr settles on the
// retarded time of the source's motion, and the force on each body is
// Newton's, by the distance from the other's trace, toward that trace.
#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include "tests/windows/model/Form7Fixture.h"

using namespace bench_test;

namespace {

struct UniformCase {
  const char* name;
  int first, second;           // objects ticked
  const char* alfa1;           // longitudes typed, degrees
  const char* alfa2;
  const char* gravitySpeed;    // "Vgr=Vsv*"
  bool systemVelocity;         // "+" with 20, -5, 3 km/s
  const char* forceScale;      // "MF, 10^12 Н/см": the Sun's pull needs a coarse one
  int presses;
};

// Test logs name a case by its name.
void PrintTo(const UniformCase& c, std::ostream* out) { *out << c.name; }

// Positions of every object that the pair loops see, all apart, as a
// model run leaves them in its snapshot.
void spreadSnapshot() {
  for (int body = 0; body <= 10; ++body) {
    Main.DE405SumX[body] = (body + 1) * 9.1e10;
    Main.DE405SumY[body] = -(body + 3) * 4.3e10;
    Main.DE405SumZ[body] = body * 2.2e9;
  }
}

}  // namespace

class RetardedTimeOfUniformMotion : public Form7Test, public ::testing::WithParamInterface<UniformCase> {};

// DX1 traces each body back along its present velocity: its motion is taken
// as uniform, and the iteration must end on the retarded time of that
// motion in both directions of the pair.
TEST_P(RetardedTimeOfUniformMotion, IterationSettlesOnTheRetardedTime) {
  const UniformCase c = GetParam();
  Form7& form = openBench();
  tickObjects(form, {c.first, c.second});
  type(form.Text1, c.alfa1);
  type(form.Text2, c.alfa2);
  type(form.Text6, c.gravitySpeed);
  type(form.Text23, c.forceScale);
  if (c.systemVelocity) {
    form.Check3.setValue(1);
    type(form.Text3, "20");
    type(form.Text4, "-5");
    type(form.Text5, "3");
  }
  click(form.Command1);
  press(form, c.presses);
  ASSERT_EQ(boxes.count(), 0);
  EXPECT_EQ(form.Text10.Text(), std::to_string(c.presses));

  const double speed = Main.Vgr;
  const int n1 = c.first, n2 = c.second;
  const double t12 = retardedTime(minus(position(n2), position(n1)), velocity(n1), speed);
  const double t21 = retardedTime(minus(position(n1), position(n2)), velocity(n2), speed);
  EXPECT_NEAR(Main.PropagationTime(n1, n2), t12, 1e-10 * t12);
  EXPECT_NEAR(Main.PropagationTime(n2, n1), t21, 1e-10 * t21);
  EXPECT_NEAR(shown(form.Text59), t12, 1e-10 * t12);
  // The light-time condition at the trace: |x_k(t) − x_i(t − T)| = Vgr·T.
  EXPECT_NEAR(length(minus(position(n2), trace(n1))), speed * t12, 1e-9 * speed * t12);
  EXPECT_NEAR(shown(form.Text55) * 1e6, speed * t12, 1e-9 * speed * t12);
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, RetardedTimeOfUniformMotion,
    ::testing::Values(UniformCase{"MercuryVenus", 1, 2, "0", "135", "0,001", false, "1000", 40},
                      UniformCase{"MercuryVenusSlowGravity", 1, 2, "0", "135", "0,0002", false, "1000", 300},
                      UniformCase{"EarthJupiterMovingSystem", 3, 5, "10", "200", "0,001", true, "1000", 60},
                      UniformCase{"SunEarth", 0, 3, "0", "300", "0,01", true, "1E10", 30},
                      UniformCase{"MarsNeptune", 4, 8, "-45", "400", "0,1", false, "1000", 20}),
    [](const auto& info) { return std::string(info.param.name); });

// DX2 traces along velocity and acceleration: the iteration ends where the
// light-time condition holds for the uniformly accelerated motion
// x(t − T) = x − v·T + a·T²/2; without accelerations it is DX1.
TEST_F(Form7Test, AcceleratedSourceSettlesOnItsLightTimeCondition) {
  struct Case {
    const char* name;
    Vector acceleration;
  };
  for (const Case& c : {Case{"no acceleration", {0, 0, 0}}, Case{"accelerated", {-4e-2, 2.5e-2, 7e-3}}}) {
    SCOPED_TRACE(c.name);
    Form7& form = openBench();
    spreadSnapshot();
    putInModelSnapshot(3, {1.2e11, 8.5e10, 3e8}, {-17000, 24000, 150}, c.acceleration);
    putInModelSnapshot(4, {-2.1e11, 1.1e11, -2e9}, {-9000, -21000, 400}, {1e-3, -2e-3, 0});
    Main.Vgr = 0.001 * Main.Vsv;
    Main.kodDX = 2;
    tickObjects(form, {3, 4});
    form.Check2.setValue(1);
    click(form.Command1);
    press(form, 40);
    ASSERT_EQ(boxes.count(), 0);
    const double t = Main.PropagationTime(3, 4);
    Vector retarded;
    for (int d = 0; d < 3; ++d)
      retarded[d] = position(3)[d] - velocity(3)[d] * t + c.acceleration[d] * t * t / 2;
    EXPECT_NEAR(length(minus(position(4), retarded)), Main.Vgr * t, 1e-9 * Main.Vgr * t);
    if (c.acceleration == Vector{0, 0, 0}) {
      const double uniform = retardedTime(minus(position(4), position(3)), velocity(3), Main.Vgr);
      EXPECT_NEAR(t, uniform, 1e-10 * uniform);
    }
    ui::unloadAllForms();
    ui::destroyUnloadedForms();
    form1().Show();
  }
}

// Without "учитывать DX" the traces are the present positions: every press
// gives the delay between the present positions, and Newton's third law
// makes the two directions equal.
TEST_F(Form7Test, WithoutRetardationTracesStayOnTheBodies) {
  Form7& form = openBench();
  form.Check4.setValue(0);
  click(form.Command1);
  const double startingDelay = Main.PropagationTime(1, 2);
  for (int n = 1; n <= 3; ++n) {
    click(form.Command3);
    EXPECT_EQ(trace(1), position(1));
    EXPECT_EQ(trace(2), position(2));
    EXPECT_NEAR(Main.PropagationTime(1, 2), startingDelay, 1e-12 * startingDelay);
    EXPECT_NEAR(shown(form.Text61), 1, 1e-14);
    EXPECT_NEAR(shown(form.Text30), 1, 1e-14);
  }
  EXPECT_EQ(boxes.count(), 0);
}

// Variant 0 with "учитывать DX" ticked forms no traces: the press measures
// from the traces the tables already hold.
TEST_F(Form7Test, VariantZeroMeasuresFromTheTracesAlreadyHeld) {
  Form7& form = openBench();
  click(form.Command1);
  Main.kodDX = 0;
  const Vector held = {3e10, -4e10, 1e9};
  Main.Xsled[1] = held[0];
  Main.Ysled[1] = held[1];
  Main.Zsled[1] = held[2];
  click(form.Command3);
  ASSERT_EQ(boxes.count(), 0);
  EXPECT_EQ(trace(1), held);
  const double distance = length(minus(position(2), held));
  EXPECT_NEAR(Main.PairDistance(1, 2), distance, 1e-9 * distance);
  EXPECT_NEAR(Main.PropagationTime(1, 2), distance / Main.Vgr, 1e-9 * distance / Main.Vgr);
}

// The force on k is Newton's by the distance from the trace of i, and
// points from k toward that trace; without the law of pressure the sum is
// that Newton force.
TEST_F(Form7Test, ForceIsNewtonsByTheTracedDistanceTowardTheTrace) {
  Form7& form = openBench();
  click(form.Command1);
  press(form, 5);
  ASSERT_EQ(boxes.count(), 0);
  for (const auto& [i, k] : {std::pair{1, 2}, std::pair{2, 1}}) {
    SCOPED_TRACE(i);
    const Vector fromTrace = minus(position(k), trace(i));
    const double distance = length(fromTrace);
    const double force = newtonForce(i, k, distance);
    const Vector f = forceOn(i, k);
    EXPECT_NEAR(length(f), force, 1e-12 * force);
    EXPECT_NEAR(dot(f, fromTrace), -force * distance, 1e-12 * force * distance);
    EXPECT_NEAR(length(cross(f, fromTrace)), 0, 1e-12 * force * distance);
  }
  EXPECT_NEAR(shown(form.Text41), newtonForce(1, 2, length(minus(position(2), trace(1)))), 1e-12 * shown(form.Text41));
  EXPECT_EQ(form.Text41.Text(), form.Text42.Text());
  for (ui::TextBox* difference : {&form.Text56, &form.Text57, &form.Text58}) EXPECT_EQ(difference->Text(), "0");
}

// "F12" and "F21" show the pair in its two directions: the ratios of the
// distances and forces are each other's reciprocals.
TEST_F(Form7Test, TheTwoDirectionsShowReciprocalRatios) {
  Form7& form = openBench();
  click(form.Command1);
  press(form, 40);  // settled: further presses change nothing
  const double distances12 = shown(form.Text61), forces12 = shown(form.Text30);
  click(form.Option4);
  click(form.Command3);
  ASSERT_EQ(boxes.count(), 0);
  EXPECT_NE(distances12, 1.0);
  EXPECT_NEAR(shown(form.Text61) * distances12, 1, 1e-12);
  EXPECT_NEAR(shown(form.Text30) * forces12, 1, 1e-12);
  EXPECT_NEAR(shown(form.Text59), Main.PropagationTime(2, 1), 1e-9);
}

// The bench's law of pressure: F = F0·(1 − k1·Vk/Vgr) / (1 − k2·Vi/Vgr),
// Vi the source's velocity at its trace and Vk the target's present
// velocity, both projected on the unit vector from the trace to the target.
// The case "turning" has a source whose X velocity changes sign between its
// trace and now.
TEST_F(Form7Test, PressureLawScalesNewtonsForceByTheProjectedVelocities) {
  struct Case {
    const char* name;
    Vector sourceVelocity, sourceAcceleration;
    const char* k1;
    const char* k2;
  };
  const Case cases[] = {{"uncorrected", {-17000, 24000, 150}, {0, 0, 0}, "0", "0"},
                        {"Зорвен1", {-17000, 24000, 150}, {0, 0, 0}, "1", "1"},
                        {"turning", {300, 24000, -150}, {4e-2, 0, -1e-2}, "1", "2"},
                        {"repulsion", {-17000, 24000, 150}, {1e-3, 0, 0}, "-40", "0"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Form7& form = openBench();
    spreadSnapshot();
    putInModelSnapshot(3, {1.2e11, 8.5e10, 3e8}, c.sourceVelocity, c.sourceAcceleration);
    putInModelSnapshot(4, {-2.1e11, 1.1e11, -2e9}, {-9000, -21000, 400});
    Main.Vgr = 0.001 * Main.Vsv;
    Main.kPgr1 = CDbl(c.k1);
    Main.kPgr2 = CDbl(c.k2);
    tickObjects(form, {3, 4});
    form.Check2.setValue(1);
    form.Check5.setValue(1);
    click(form.Command1);
    press(form, 3);
    ASSERT_EQ(boxes.count(), 0);

    const double t = Main.PropagationTime(3, 4);
    const Vector fromTrace = minus(position(4), trace(3));
    const Vector u = {fromTrace[0] / length(fromTrace), fromTrace[1] / length(fromTrace),
                      fromTrace[2] / length(fromTrace)};
    Vector atTrace;
    for (int d = 0; d < 3; ++d) atTrace[d] = c.sourceVelocity[d] - t * c.sourceAcceleration[d];
    const double vi = dot(u, atTrace), vk = dot(u, velocity(4));
    const double newton = newtonForce(3, 4, length(fromTrace));
    const double expected = newton * (1 - Main.kPgr1 * vk / Main.Vgr) / (1 - Main.kPgr2 * vi / Main.Vgr);
    EXPECT_NEAR(shown(form.Text34), vi, 1e-9 * std::fabs(vi));
    EXPECT_NEAR(shown(form.Text38), vk, 1e-9 * std::fabs(vk));
    EXPECT_NEAR(shown(form.Text41), newton, 1e-12 * newton);
    EXPECT_NEAR(shown(form.Text42), expected, 1e-12 * std::fabs(expected));
    EXPECT_NEAR(shown(form.Text43), -expected * u[0], 1e-12 * std::fabs(expected));
    EXPECT_NEAR(shown(form.Text56), -(expected - newton) * u[0], 1e-9 * std::fabs(expected));
    EXPECT_NEAR(shown(form.Text47), atTrace[0], 1e-9 * std::fabs(atTrace[0]) + 1e-9);
    ui::unloadAllForms();
    ui::destroyUnloadedForms();
    form1().Show();
  }
}

// When k2 · Vi equals Vgr the law divides by zero: the press stops with the
// message. The pair lies on the X axis, so that Vi is exactly VX.
TEST_F(Form7Test, PressureLawDivisionByZeroIsRefused) {
  Form7& form = openBench();
  spreadSnapshot();
  putInModelSnapshot(1, {5e10, 0, 0}, {1000, 0, 0});
  putInModelSnapshot(2, {5.1e10, 0, 0}, {0, 0, 0});
  Main.Vgr = 2000;
  Main.kPgr1 = 0;
  Main.kPgr2 = 2;
  form.Check2.setValue(1);
  click(form.Command1);
  click(form.Command3);
  ASSERT_EQ(boxes.count(), 0);
  form.Check5.setValue(1);
  click(form.Command3);
  expectBadDataMessage();
  EXPECT_EQ(form.Text10.Text(), "2");
}

// The count of iterations is a 16-bit number: past 32767 every press is
// refused and the count stays.
TEST_F(Form7Test, IterationCountBeyondItsRangeIsRefused) {
  Form7& form = openBench();
  click(form.Command1);
  Main.StageCounter = 32766;
  click(form.Command3);
  EXPECT_EQ(form.Text10.Text(), "32767");
  ASSERT_EQ(boxes.count(), 0);
  for (int n = 1; n <= 2; ++n) {
    click(form.Command3);
    EXPECT_EQ(boxes.count(), n);
    EXPECT_EQ(boxes.last().text, form7text::kBadData);
    EXPECT_EQ(form.Text10.Text(), "32767");
  }
  click(form.Command1);
  click(form.Command3);
  EXPECT_EQ(form.Text10.Text(), "1");
}

// The pair loops cover every object: a trace of another object lying on a
// third object is a zero distance, and the press stops with the message.
TEST_F(Form7Test, TraceOfAnotherObjectOnAThirdObjectStopsThePress) {
  Form7& form = openBench();
  click(form.Command1);
  Main.Xsled[5] = Main.X[6];
  Main.Ysled[5] = Main.Y[6];
  Main.Zsled[5] = Main.Z[6];
  click(form.Command3);
  expectBadDataMessage();
}

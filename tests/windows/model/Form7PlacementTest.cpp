// The test bench's placement of two bodies ("Задать положение 2-х планет"):
// on the circles of their mean distances at typed longitudes, or from the
// model's snapshot; the starting distance by the law of cosines, the delay
// R / Vgr, Newton's force, the circular speed by Kepler's third law; and the
// refusals.
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "tests/windows/model/Form7Fixture.h"

using namespace bench_test;

namespace {

constexpr double kDegree = std::numbers::pi / 180;

// Radius of the circle a body is placed on: its mean distance projected by
// its latitude, as the bench places it.
double projectedRadius(int body) { return Main.Rsr[body] * std::cos(Main.Betta[body]); }

}  // namespace

TEST_F(Form7Test, TheModelWindowsButtonShowsTheBench) {
  Form7& form = openBench();
  EXPECT_TRUE(form.Visible());
  EXPECT_EQ(form.Caption(), "Тестирование алгоритма учета скорости гравитации    Celvan7m  - форма 7");
  EXPECT_EQ(form.Check1[1].Value(), 1);
  EXPECT_EQ(form.Check1[2].Value(), 1);
  EXPECT_EQ(form.Label23.Caption(), "Масштаб = 14 млн.км/см");
  EXPECT_EQ(boxes.count(), 0);
}

// "Закрыть форму" unloads the bench; opened again it shows its defaults.
TEST_F(Form7Test, ClosedBenchOpensAgainWithItsDefaults) {
  Form7& form = openBench();
  type(form.Text2, "270");
  click(form.Command4);
  EXPECT_FALSE(ui::isFormLoaded<Form7>());
  click(form2().Command7);
  EXPECT_EQ(form7().Text2.Text(), "135");
  EXPECT_EQ(boxes.count(), 0);
}

// N1 and N2 serve other windows as scratch numbers; the bench opens without
// an error whatever they hold, and its placement sets them again.
TEST_F(Form7Test, BenchOpensWhateverTheSharedPairNumbersHold) {
  click(form1().Command1);
  form2().Show();
  Main.N1 = 500;
  Main.N2 = -3;
  click(form2().Command7);
  EXPECT_EQ(boxes.count(), 0);
  EXPECT_TRUE(form7().Visible());
  click(form7().Command1);
  EXPECT_EQ(boxes.count(), 0);
  EXPECT_EQ(Main.N1, 1);
  EXPECT_EQ(Main.N2, 2);
}

// The defaults: Mercury at longitude 0, Venus at 135 degrees, the speed of
// gravity a thousandth of the speed of light.
TEST_F(Form7Test, DefaultPairLiesWhereTheLawOfCosinesPutsItAndItsDelayIsDistanceOverVgr) {
  Form7& form = openBench();
  click(form.Command1);
  ASSERT_EQ(boxes.count(), 0);
  EXPECT_EQ(Main.N1, 1);
  EXPECT_EQ(Main.N2, 2);

  // Mercury on the +X axis moving toward +Y; Venus at 135 degrees.
  EXPECT_GT(Main.X[1], 0);
  EXPECT_NEAR(Main.Y[1], 0, 1e-6 * Main.X[1]);
  EXPECT_GT(Main.VY[1], 0);
  EXPECT_NEAR(Main.VX[1], 0, 1e-9 * Main.VY[1]);
  EXPECT_NEAR(std::atan2(Main.Y[2], Main.X[2]) / kDegree, 135, 1e-9);

  const double a1 = projectedRadius(1), a2 = projectedRadius(2);
  const double distance = std::sqrt(a1 * a1 + a2 * a2 - 2 * a1 * a2 * std::cos(135 * kDegree));
  const double gravitySpeed = 0.001 * 299792500.0;
  EXPECT_NEAR(shown(form.Text7), distance / 1e6, 1e-9 * distance / 1e6);
  EXPECT_NEAR(shown(form.Text8), distance / gravitySpeed, 1e-9 * distance / gravitySpeed);
  EXPECT_NEAR(Main.PropagationTime(2, 1), distance / gravitySpeed, 1e-9 * distance / gravitySpeed);
  const double force = newtonForce(1, 2, distance);
  EXPECT_NEAR(shown(form.Text9), force, 1e-9 * force);
  // The shown positions are thousands of km.
  EXPECT_NEAR(shown(form.Text11), a1 / 1e6, 1e-3);
  EXPECT_NEAR(shown(form.Text18), Main.VX[2], 1e-9 * std::fabs(Main.VX[2]));
}

// The circular speed of the mean motion satisfies Kepler's third law,
// v² · a = G · (M_sun + m), to the precision of the theory's mean elements:
// a few parts in 10^5 for the terrestrial planets, and about 10^-3 for the
// giants, whose mean distances carry their mutual perturbations.
TEST_F(Form7Test, CircularSpeedObeysKeplersThirdLaw) {
  Form7& form = openBench();
  for (const auto& [first, second] : {std::pair{1, 2}, std::pair{3, 4}, std::pair{5, 6}, std::pair{7, 8}}) {
    SCOPED_TRACE(form7text::kObjectNames[first]);
    tickObjects(form, {first, second});
    click(form.Command1);
    ASSERT_EQ(boxes.count(), 0);
    for (const int body : {first, second}) {
      const double speed = length(velocity(body));
      const double gm = Main.gamma * (Main.Mass[0] + Main.Mass[body]);
      EXPECT_NEAR(speed * speed * Main.Rsr[body] / gm, 1.0, body <= 4 ? 3e-5 : 2e-3);
    }
  }
}

// Counter-clockwise on the circle for any typed longitude, also below 0 or
// beyond a full turn: position at the longitude, velocity along the circle.
TEST_F(Form7Test, TypedLongitudeOfAnySizeGivesCounterClockwiseCircularMotion) {
  Form7& form = openBench();
  tickObjects(form, {3, 4});
  type(form.Text2, "60");
  for (const double longitude : {-90.0, -30.0, 0.0, 45.0, 90.0, 180.0, 270.0, 315.0, 450.0, 720.5}) {
    SCOPED_TRACE(longitude);
    type(form.Text1, Str(longitude));
    click(form.Command1);
    ASSERT_EQ(boxes.count(), 0);
    const Vector r = position(3), v = velocity(3);
    const double expected = std::remainder(longitude, 360.0);
    EXPECT_NEAR(std::remainder(std::atan2(r[1], r[0]) / kDegree - expected, 360.0), 0, 1e-9);
    EXPECT_NEAR(dot(r, v) / (length(r) * length(v)), 0, 1e-12);
    EXPECT_GT(cross(r, v)[2], 0);
    EXPECT_NEAR(length(v), Main.Wsr[3] * Main.Rsr[3], 1e-9 * length(v));
  }
}

// The Sun ticked with a planet stays at the origin at rest; only the planet
// is placed.
TEST_F(Form7Test, SunTickedWithAPlanetStaysAtTheOriginAtRest) {
  Form7& form = openBench();
  tickObjects(form, {0, 3});
  type(form.Text23, "1E10");  // the Sun's pull drawn short enough
  type(form.Text1, "25");
  type(form.Text2, "40");
  click(form.Command1);
  ASSERT_EQ(boxes.count(), 0);
  EXPECT_EQ(Main.N1, 0);
  EXPECT_EQ(Main.N2, 3);
  for (const double value : {Main.X[0], Main.Y[0], Main.Z[0], Main.VX[0], Main.VY[0], Main.VZ[0]})
    EXPECT_EQ(value, 0);
  EXPECT_NEAR(shown(form.Text7), projectedRadius(3) / 1e6, 1e-9 * projectedRadius(3) / 1e6);
  EXPECT_NEAR(std::atan2(Main.Y[3], Main.X[3]) / kDegree, 40, 1e-9);
}

// "+" adds the typed system velocity (km/s) to both bodies.
TEST_F(Form7Test, SystemVelocityIsAddedToBothBodies) {
  Form7& form = openBench();
  click(form.Command1);
  const Vector circular1 = velocity(1), circular2 = velocity(2);
  form.Check3.setValue(1);
  type(form.Text3, "20");
  type(form.Text4, "-5,5");
  type(form.Text5, "3");
  click(form.Command1);
  ASSERT_EQ(boxes.count(), 0);
  const Vector system = {20000, -5500, 3000};
  for (int c = 0; c < 3; ++c) {
    EXPECT_NEAR(velocity(1)[c], circular1[c] + system[c], 1e-6);
    EXPECT_NEAR(velocity(2)[c], circular2[c] + system[c], 1e-6);
  }
  EXPECT_EQ(Main.VYsys, -5.5);
}

// Anything but exactly two ticked objects is refused, and nothing changes.
TEST_F(Form7Test, OnlyTwoTickedObjectsMakeAPair) {
  Form7& form = openBench();
  const std::vector<std::vector<int>> refused = {{}, {4}, {1, 2, 3}, {0, 5, 6, 9}};
  for (const std::vector<int>& ticked : refused) {
    SCOPED_TRACE(ticked.size());
    for (int object = 0; object <= 9; ++object) form.Check1[object].setValue(0);
    for (const int object : ticked) form.Check1[object].setValue(1);
    boxes.clear();
    click(form.Command1);
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, "Должно быть отмечено только 2 объекта");
    EXPECT_EQ(boxes.last().title, "Celvan7");
    EXPECT_EQ(Main.N1, 1);
    EXPECT_EQ(Main.N2, 2);
    EXPECT_EQ(form.Text7.Text(), "");
  }
}

// A box that holds no number, or a speed of gravity of zero, ends the press
// with the bench's message.
TEST_F(Form7Test, BadInputEndsThePlacementWithTheMessage) {
  struct Case {
    const char* name;
    ui::TextBox Form7::*box;
    const char* text;
  };
  const Case cases[] = {{"MF", &Form7::Text23, "много"},  {"MV", &Form7::Text46, ""},
                        {"Vgr", &Form7::Text6, "0.001"},  {"Vgr zero", &Form7::Text6, "0"},
                        {"kPgr1", &Form7::Text40, "k"},   {"kPgr2", &Form7::Text62, "--1"},
                        {"Alfa1", &Form7::Text1, "север"}, {"Alfa2", &Form7::Text2, "1,2,3"}};
  Form7& form = openBench();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ui::TextBox& box = form.*c.box;
    const std::string typical = box.Text();
    type(box, c.text);
    boxes.clear();
    click(form.Command1);
    expectBadDataMessage();
    type(box, typical);
  }
  boxes.clear();
  click(form.Command1);
  EXPECT_EQ(boxes.count(), 0);
}

// The model's snapshot: positions, velocities and accelerations of every
// object, the model's speed of gravity and law coefficients into the boxes,
// and the heliocentric longitudes of the pair.
TEST_F(Form7Test, SnapshotOfTheModelGivesTheStateLongitudesAndTheModelsOptions) {
  Form7& form = openBench();
  const double au = 1.496e11;
  for (int body = 0; body <= 10; ++body)
    putInModelSnapshot(body, {(body + 1) * 7e10, -(body + 2) * 3e10, body * 1e9}, {body * 100.0, 5, -1});
  putInModelSnapshot(0, {1e8, -2e8, 3e7}, {12, -9, 1});
  const Vector earth = {1e8 + au * std::cos(30 * kDegree), -2e8 + au * std::sin(30 * kDegree), 3e7};
  const Vector mars = {1e8 + 1.52 * au * std::cos(200 * kDegree), -2e8 + 1.52 * au * std::sin(200 * kDegree),
                       3e7 + 2e9};
  putInModelSnapshot(3, earth, {-14900, 25800, 0}, {-5e-3, -3e-3, 0});
  putInModelSnapshot(4, mars, {8200, -22500, 900}, {2e-3, 9e-4, 1e-5});
  Main.Vgr = 0.5 * Main.Vsv;
  Main.kPgr1 = 0.5;
  Main.kPgr2 = 2;
  tickObjects(form, {3, 4});
  form.Check2.setValue(1);
  click(form.Command1);
  ASSERT_EQ(boxes.count(), 0);

  EXPECT_EQ(form.Text6.Text(), "0,5");
  EXPECT_EQ(form.Text40.Text(), "0,5");
  EXPECT_EQ(form.Text62.Text(), "2");
  EXPECT_NEAR(shown(form.Text1), 30, 1e-9);
  EXPECT_NEAR(shown(form.Text2), 200, 1e-9);
  EXPECT_EQ(Main.AccelerationX[3], -5e-3);
  EXPECT_EQ(Main.AccelerationZ[4], 1e-5);
  EXPECT_EQ(shown(form.Text18), 8200);
  const double distance = length(minus(mars, earth));
  EXPECT_NEAR(shown(form.Text8), distance / Main.Vgr, 1e-9 * distance / Main.Vgr);
}

// A snapshot never taken (the model has not run with "текст теста") holds
// the bodies at one point: a zero distance, refused with the message.
TEST_F(Form7Test, SnapshotNeverTakenIsRefused) {
  Form7& form = openBench();
  form.Check2.setValue(1);
  Main.Vgr = Main.Vsv;
  click(form.Command1);
  expectBadDataMessage();
}

// The centre-of-mass tools of Form1, driven through their buttons: the
// centre of mass of the ticked bodies is sum(m r) / sum(m) of their start
// data; moving the data to it leaves it at the origin; the Sun's velocity
// found balances the momentum of the ticked planets.
#include <QColor>

#include <algorithm>
#include <array>
#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include "tests/windows/setup/Form1Fixture.h"

namespace {

struct Vec {
  double x, y, z;
};

// sum(m r) / sum(m) over the given objects' start data (m).
Vec centreOfMass(const std::vector<int>& objects) {
  double mass = 0;
  Vec moment{0, 0, 0};
  for (int i : objects) {
    mass += Main.Mass[i];
    moment.x += Main.Mass[i] * Main.X0[i];
    moment.y += Main.Mass[i] * Main.Y0[i];
    moment.z += Main.Mass[i] * Main.Z0[i];
  }
  return {moment.x / mass, moment.y / mass, moment.z / mass};
}

// sum(m v) over the given objects' start data (kg m/s).
Vec momentum(const std::vector<int>& objects) {
  Vec p{0, 0, 0};
  for (int i : objects) {
    p.x += Main.Mass[i] * Main.VX0[i];
    p.y += Main.Mass[i] * Main.VY0[i];
    p.z += Main.Mass[i] * Main.VZ0[i];
  }
  return p;
}

// Ticks exactly the given objects in Check2.
void tickOnly(Form1& form, const std::vector<int>& objects) {
  for (int i = 0; i <= 10; ++i) {
    const bool wanted = std::find(objects.begin(), objects.end(), i) != objects.end();
    if ((form.Check2[i].Value() == 1) != wanted) ui::clickAsUser(form.Check2[i]);
  }
}

// The three boxes of the centre, thousands of km.
Vec shownCentre(const Form1& form) {
  return {CDbl(form.Text17.Text()), CDbl(form.Text18.Text()), CDbl(form.Text19.Text())};
}

struct CentreCase {
  const char* name;
  std::vector<int> ticked;
};
// Printed by its name in the test output, not as the bytes of the struct.
void PrintTo(const CentreCase& c, std::ostream* out) { *out << c.name; }

class CentreOfMass : public Form1Test, public ::testing::WithParamInterface<CentreCase> {};

// "Найти координаты ЦМ системы" shows sum(m r)/sum(m) of the ticked bodies
// in thousands of km; with only the Sun ticked that is the Sun, at the
// origin of the initial data.
TEST_P(CentreOfMass, ShowsTheMassWeightedMeanOfTheTickedBodies) {
  Form1& form = startProgram();
  tickOnly(form, GetParam().ticked);
  click(form.Command15);
  ASSERT_EQ(boxes.count(), 0);
  const Vec expected = centreOfMass(GetParam().ticked);
  const Vec shown = shownCentre(form);
  // The boxes show whole metres.
  EXPECT_NEAR(shown.x, expected.x / 1e6, 1e-6);
  EXPECT_NEAR(shown.y, expected.y / 1e6, 1e-6);
  EXPECT_NEAR(shown.z, expected.z / 1e6, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(
    TickedBodies, CentreOfMass,
    ::testing::Values(CentreCase{"SunOnly", {0}}, CentreCase{"SunAndJupiter", {0, 5}},
                      CentreCase{"PlanetsWithoutTheSun", {1, 2, 3, 4, 5, 6, 7, 8, 9}},
                      CentreCase{"AllAtStart", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Form1Test, CentreOfMassWithNoBodyTickedIsAnError) {
  Form1& form = startProgram();
  click(form.Command15);
  const std::array<std::string, 3> before{form.Text17.Text(), form.Text18.Text(), form.Text19.Text()};
  const double centreX = Main.X[14];
  tickOnly(form, {});
  click(form.Command15);
  ASSERT_EQ(boxes.count(), 1);
  EXPECT_EQ(boxes.last().text, "Ошибка");
  EXPECT_EQ(boxes.last().title, "Celvan7m");
  EXPECT_EQ(form.Text17.Text(), before[0]);
  EXPECT_EQ(form.Text18.Text(), before[1]);
  EXPECT_EQ(form.Text19.Text(), before[2]);
  EXPECT_EQ(Main.X[14], centreX);

  click(form.Command2);
  EXPECT_EQ(boxes.count(), 2);
  EXPECT_EQ(Main.X[14], centreX);
}

// "ЦМ системы в начало координат" moves every body, ticked or not, by the
// same vector: afterwards the centre of the ticked ones is at the origin,
// the distances between bodies and the velocities are as before, and a
// second press finds nothing left to move. The grid shows the moved data.
TEST_F(Form1Test, MovingTheCentreOfMassToTheOrigin) {
  Form1& form = startProgram();
  tickOnly(form, {0, 4, 5, 6});
  const Vec centre = centreOfMass({0, 4, 5, 6});
  const double spareX = Main.X0[10];  // not ticked
  const double marsFromJupiter = Main.Y0[4] - Main.Y0[5];
  const double marsVelocity = Main.VX0[4];
  click(form.Command2);
  ASSERT_EQ(boxes.count(), 0);

  const Vec after = centreOfMass({0, 4, 5, 6});
  const double scale = std::fabs(Main.X0[6]);  // Saturn's distance: the size of the sums
  EXPECT_NEAR(after.x, 0, 1e-12 * scale);
  EXPECT_NEAR(after.y, 0, 1e-12 * scale);
  EXPECT_NEAR(after.z, 0, 1e-12 * scale);
  EXPECT_NEAR(Main.X0[10], spareX - centre.x, 1e-3);
  EXPECT_NEAR(Main.Y0[4] - Main.Y0[5], marsFromJupiter, 1e-3);
  EXPECT_EQ(Main.VX0[4], marsVelocity);
  EXPECT_EQ(Main.X[4], Main.X0[4]);
  EXPECT_EQ(shownCentre(form).x, 0);
  EXPECT_TRUE(form.Option3.Value());
  EXPECT_EQ(form.Label1.Caption(), "X, тыс.км");
  EXPECT_NEAR(shown(form.Text1[4]), Main.X0[4] / 1e6, 1e-6);

  const double marsX = Main.X0[4];
  click(form.Command2);
  EXPECT_NEAR(Main.X0[4], marsX, 1e-3);
}

// "Найти по Vpl скорость Солнца Vsol" gives the Sun the velocity that
// makes the momentum of the ticked planets and the Sun zero, whether the
// Sun itself is ticked or not.
TEST_F(Form1Test, SunVelocityBalancesTheMomentumOfTheTickedPlanets) {
  for (const std::vector<int>& planets : {std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9},
                                          std::vector<int>{5, 6}}) {
    for (const bool sunTicked : {true, false}) {
      SCOPED_TRACE(std::to_string(planets.size()) + (sunTicked ? " with the Sun" : " without the Sun"));
      Form1& form = startProgram();
      std::vector<int> ticked = planets;
      if (sunTicked) ticked.push_back(0);
      tickOnly(form, ticked);
      click(form.Command16);
      ASSERT_EQ(boxes.count(), 0);
      std::vector<int> all = planets;
      all.push_back(0);
      const Vec total = momentum(all);
      const Vec planetsOnly = momentum(planets);
      const double size = std::hypot(planetsOnly.x, planetsOnly.y, planetsOnly.z);
      ASSERT_GT(size, 0);
      EXPECT_NEAR(total.x, 0, 1e-12 * size);
      EXPECT_NEAR(total.y, 0, 1e-12 * size);
      EXPECT_NEAR(total.z, 0, 1e-12 * size);
      EXPECT_EQ(Main.VX[0], Main.VX0[0]);
      EXPECT_TRUE(form.Option3.Value());
      ui::unloadAllForms();
      ui::destroyUnloadedForms();
    }
  }
}

TEST_F(Form1Test, SunVelocityWithoutSunMassIsAnError) {
  Form1& form = startProgram();
  Main.Mass[0] = 0;
  const double sunVelocity = Main.VX0[0];
  click(form.Command16);
  ASSERT_EQ(boxes.count(), 1);
  EXPECT_EQ(boxes.last().text, "Ошибка");
  EXPECT_EQ(Main.VX0[0], sunVelocity);
}

// Both moving buttons in turn: initial data with the centre of mass at the
// origin and no total momentum, so a model run would keep the system in
// place.
TEST_F(Form1Test, CentreAtOriginAndNoMomentumTogether) {
  Form1& form = startProgram();
  click(form.Command2);
  click(form.Command16);
  ASSERT_EQ(boxes.count(), 0);
  const std::vector<int> ticked{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
  const Vec centre = centreOfMass(ticked);
  const Vec p = momentum(ticked);
  const Vec planets = momentum({1, 2, 3, 4, 5, 6, 7, 8, 9});
  EXPECT_NEAR(std::hypot(centre.x, centre.y, centre.z), 0, 1e-12 * std::fabs(Main.X0[8]));
  EXPECT_NEAR(std::hypot(p.x, p.y, p.z), 0, 1e-12 * std::hypot(planets.x, planets.y, planets.z));
}

// With "ЦМ системы" ticked the centre is marked by a blue cross two units
// wide over the picture as it stands.
TEST_F(Form1Test, CentreOfMassCrossInThePicture) {
  Form1& form = startProgram();
  click(form.Check7);
  click(form.Command15);
  const QImage& image = form.Picture1.image();
  // User scale (-10, 12)-(10, -10): one unit up from the centre and half a
  // unit to the right lie on the cross's arms.
  const double cx = Main.X[14] / Main.ImageScale;
  const double cy = Main.Y[14] / Main.ImageScale;
  auto pixel = [&](double x, double y) {
    return QColor(image.pixel(static_cast<int>(std::lround((x + 10) / 20 * image.width())),
                              static_cast<int>(std::lround((12 - y) / 22 * image.height()))));
  };
  EXPECT_EQ(pixel(cx, cy + 0.5), QColor(0, 0, 250));
  EXPECT_EQ(pixel(cx + 0.5, cy), QColor(0, 0, 250));
  EXPECT_NE(pixel(cx + 0.5, cy + 0.5), QColor(0, 0, 250));
}

}  // namespace

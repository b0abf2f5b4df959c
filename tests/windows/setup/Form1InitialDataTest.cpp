// "Рассчитать по параметрам орбит начальные данные": start positions and
// velocities of the bodies from their elements, checked against the laws of
// the two-body problem, and the Earth-Moon split against the barycentre.
#include <cmath>

#include "Form1Fixture.h"

namespace {

constexpr double kAU = 149597870691.0;  // m

struct Vector {
  double x, y, z;
  double length() const { return std::sqrt(x * x + y * y + z * z); }
};

// Position (m) and velocity (m/s) of object i as the grid shows them in its
// initial-data mode: thousands of km and m/s.
struct ShownState {
  Vector r, v;
};
ShownState shownState(const Form1& form, int i) {
  auto at = [](const ui::TextBox& box) { return CDbl(box.Text()); };
  return {{at(form.Text1[i]) * 1e6, at(form.Text2[i]) * 1e6, at(form.Text3[i]) * 1e6},
          {at(form.Text4[i]), at(form.Text5[i]), at(form.Text6[i])}};
}

}  // namespace

TEST_F(Form1Test, EveryBodyMovesOnItsKeplerEllipseAroundTheSunAtRest) {
  Form1& form = startProgram();
  // The gravitational parameter of the Sun from the boxes the user sees.
  const double mu = shown(form.Text26) * shown(form.Text25);
  std::vector<double> axes(11);
  for (int i = 1; i <= 10; ++i) axes[i] = shown(form.Text2[i]) * 1e6;  // R0sr, thousands of km
  click(form.Option3);
  EXPECT_EQ(form.Label1.Caption(), "X, тыс.км");
  EXPECT_EQ(form.Label7.Caption(), "mSol/mPl");

  const ShownState sun = shownState(form, 0);
  EXPECT_EQ(sun.r.length(), 0);
  EXPECT_EQ(sun.v.length(), 0);
  for (int i = 1; i <= 10; ++i) {
    SCOPED_TRACE(i);
    const ShownState body = shownState(form, i);
    const double r = body.r.length();
    const double v = body.v.length();
    // Vis-viva: v² = mu (2/r - 1/a); the grid keeps millimetres and µm/s.
    EXPECT_NEAR(v * v / (mu * (2 / r - 1 / axes[i])), 1.0, 1e-9);
    // The start data are the data the grid shows (15 significant digits).
    EXPECT_NEAR(Main.X0[i], body.r.x, 1e-14 * std::abs(body.r.x) + 1e-3);
    EXPECT_NEAR(Main.VY0[i], body.v.y, 1e-6);
  }
  // 1801 January 1: the Earth a day or two before its perihelion.
  const ShownState earth = shownState(form, 3);
  EXPECT_NEAR(earth.r.length() / kAU, 0.983, 0.001);
  EXPECT_NEAR(earth.v.length() / 1000, 30.3, 0.05);
}

TEST_F(Form1Test, TheEarthMoonSplitKeepsTheBarycentreAndItsMomentum) {
  // Without "Bary" the Moon's velocity is reduced to the barycentre; with it
  // the Moon's data already describe its motion about the barycentre. Either
  // way the Earth and the Moon balance each other about the barycentre,
  // which stays where the theory puts the Earth-Moon pair.
  for (const bool bary : {false, true}) {
    SCOPED_TRACE(bary ? "Bary" : "without Bary");
    Form1& form = startProgram();
    click(form.Check3);
    if (bary) click(form.Check4);
    click(form.Command3);
    click(form.Command12);
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_EQ(Main.kodMoon, 1);
    EXPECT_EQ(Main.kodBary, bary ? 2 : 0);

    const double earthMass = Main.Mass[3];
    const double moonMass = Main.Mass[10];
    EXPECT_NEAR(earthMass / moonMass, 81.3, 1e-9);       // Earth alone over the Moon
    EXPECT_NEAR(earthMass, 5.97e24, 0.01e24);             // the Earth alone
    EXPECT_EQ(Main.MassRatio[3], Main.Mass[0] / earthMass);
    const double pairMass = earthMass + moonMass;
    // The barycentre: object 3's current position and velocity from its
    // elements (the current tables are not split).
    const Vector barycentre{Main.X[3], Main.Y[3], Main.Z[3]};
    const Vector barycentreVelocity{Main.VX[3], Main.VY[3], Main.VZ[3]};
    const double centreX = (earthMass * Main.X0[3] + moonMass * Main.X0[10]) / pairMass;
    const double centreY = (earthMass * Main.Y0[3] + moonMass * Main.Y0[10]) / pairMass;
    EXPECT_NEAR(centreX, barycentre.x, 1e-3);
    EXPECT_NEAR(centreY, barycentre.y, 1e-3);
    const double momentumX = earthMass * Main.VX0[3] + moonMass * Main.VX0[10];
    const double momentumY = earthMass * Main.VY0[3] + moonMass * Main.VY0[10];
    EXPECT_NEAR(momentumX / pairMass, barycentreVelocity.x, 1e-9);
    EXPECT_NEAR(momentumY / pairMass, barycentreVelocity.y, 1e-9);
    // The Moon stays about 384 400 km from the Earth's side of the pair.
    const Vector moonFromEarth{Main.X0[10] - Main.X0[3], Main.Y0[10] - Main.Y0[3],
                               Main.Z0[10] - Main.Z0[3]};
    EXPECT_NEAR(moonFromEarth.length() / 1e6, 390, 30);
    if (!bary) {
      // Geocentric data split about the barycentre keep the Moon where the
      // theory puts it relative to the Earth (object 10's current tables).
      const Vector moonVelocityFromEarth{Main.VX0[10] - Main.VX0[3], Main.VY0[10] - Main.VY0[3],
                                         Main.VZ0[10] - Main.VZ0[3]};
      EXPECT_NEAR(moonFromEarth.x, Main.X[10], 1e-3);  // mm, rounding of AU-sized sums
      EXPECT_NEAR(moonFromEarth.y, Main.Y[10], 1e-3);  // mm, rounding of AU-sized sums
      EXPECT_NEAR(moonFromEarth.z, Main.Z[10], 1e-3);  // mm, rounding of AU-sized sums
      EXPECT_NEAR(moonVelocityFromEarth.x, Main.VX[10], 1e-9);
      EXPECT_NEAR(moonVelocityFromEarth.y, Main.VY[10], 1e-9);
      EXPECT_NEAR(moonVelocityFromEarth.z, Main.VZ[10], 1e-9);
    }

    ui::unloadAllForms();
    ui::destroyUnloadedForms();
  }
}

TEST_F(Form1Test, AnOpenOrbitStopsTheComputationAfterTheBodiesBeforeIt) {
  Form1& form = startProgram();
  click(form.Option7);
  type(form.Text4[5], "1");  // Jupiter on a parabola
  click(form.Command3);
  Main.X0[4] = Main.X0[6] = 0;
  boxes.clear();
  click(form.Command12);
  ASSERT_EQ(boxes.count(), 1);
  EXPECT_EQ(boxes.last().text, "Задайте правильно данные");
  EXPECT_EQ(boxes.last().title, "Celvan7m");
  EXPECT_NE(Main.X0[4], 0);  // Mars was computed before
  EXPECT_EQ(Main.X0[6], 0);  // Saturn was not reached
}

TEST_F(Form1Test, TheSunsMassForTheVelocitiesIsTheOneTyped) {
  Form1& form = startProgram();
  const double mSol = Main.mSol;
  const double earthSpeed = std::hypot(Main.VX0[3], Main.VY0[3]);
  type(form.Text25, Str(4 * mSol));
  click(form.Command12);
  EXPECT_EQ(Main.mSol, mSol);
  EXPECT_EQ(Main.Mass[0], 4 * mSol);
  // Speed on the same ellipse scales with the square root of the mass.
  EXPECT_NEAR(std::hypot(Main.VX0[3], Main.VY0[3]) / earthSpeed, 2, 1e-12);
}

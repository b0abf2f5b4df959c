// "Проверить параметры орбиты Луны": the Earth and the Moon integrated alone
// keep Kepler's laws (the period of the relative orbit 2π sqrt(a³ / G(mz +
// ml)), the elements they started with), their energy, angular momentum and
// momentum; the Moon seen from the barycentre; refusals and errors.
#include "Form20Fixture.h"

namespace {

using namespace reference;

// Kepler's third law for the relative orbit of the Earth and the Moon, days.
double keplerPeriodDays(double axis) {
  const double mu = kGamma * (earthMass() + moonMass());
  return 2 * kPi * std::sqrt(axis * axis * axis / mu) / kSecondsPerDay;
}

// Perigee passages are taken at the step after the least distance; inside
// the perigee window the step is 360 s / 10, so a period is known to 36 s.
constexpr double kPeriodResolutionDays = 36.0 / kSecondsPerDay;

}  // namespace

TEST_F(Form20Test, TheRelativeOrbitKeepsKeplersThirdLawAndItsElements) {
  // With the barycentre in the focus and "mz+ml" the typed ellipse is the
  // Moon's orbit about the Earth: a = 384 400 km, the mean distance of the
  // Moon, whose two-body period falls short of the sidereal month only by
  // what the Sun's pull adds (about 0,04 day).
  Form20& form = openMoonWindow();
  click(form.Option6);
  click(form.Command6);

  // The third perigee passage gives the reference period, the fourth the
  // first period measured against it.
  runCheckUntil(form, revolutions(3));
  EXPECT_EQ(form.Text3.Text(), "0");
  const double reference = shown(form.Text37);
  continueCheckUntil(form, revolutions(4));
  EXPECT_EQ(boxes.count(), 0);
  EXPECT_EQ(form.Text6.Text(), Str(Main.RevolutionCount));

  const double axis = shown(form.Text30) * 1e6;
  for (const double period : {reference, shown(form.Text3)}) {
    EXPECT_NEAR(period, keplerPeriodDays(axis), kPeriodResolutionDays);
    EXPECT_NEAR(period, kSiderealMonth, 0.06);
  }
  EXPECT_NEAR(shown(form.Text2), 0, kPeriodResolutionDays);
  EXPECT_NEAR(shown(form.Text30), 384.4, 0.001);   // thousand km
  EXPECT_NEAR(shown(form.Text27), 0.05, 2e-6);     // eccentricity, 6 decimals cut
  EXPECT_NEAR(shown(form.Text28), 180, 0.01);      // perigee, degrees
  EXPECT_NEAR(shown(form.Text29), 270, 0.01);      // node, degrees
  EXPECT_NEAR(shown(form.Text39), 5.1454, 1e-5);   // inclination, degrees
  EXPECT_NEAR(shown(form.Text18), 0, 0.01);
  EXPECT_NEAR(shown(form.Text19), 0, 0.01);
  // Energy and angular momentum of the pair are conserved; a fourth-order
  // step of 360 s leaves them to far below a millionth of a percent.
  EXPECT_NEAR(shown(form.Text41), 0, 1e-6);
  EXPECT_NEAR(shown(form.Text42), 0, 1e-6);
}

TEST_F(Form20Test, FromTheBarycentreTheMoonsOrbitShrinksByTheEarthsShareOfTheMass) {
  // With the Earth in the focus and the corrections a, b, d the barycentre
  // rests at the origin; the Moon's distance from it is mz / (mz + ml) of
  // its distance from the Earth at every instant: the same eccentricity, and
  // the typed semi-major axis is the one about the barycentre.
  Form20& form = openMoonWindow();
  click(form.Command6);
  runCheckUntil(form, revolutions(2));
  const double fromEarth = shown(form.Text30);
  const double eccentricityFromEarth = shown(form.Text27);

  click(form.Check1);
  runCheckUntil(form, revolutions(2));
  EXPECT_EQ(boxes.count(), 0);
  const double share = earthMass() / (earthMass() + moonMass());
  EXPECT_NEAR(shown(form.Text30) / fromEarth, share, 1e-8);
  EXPECT_NEAR(shown(form.Text27), eccentricityFromEarth, 2e-6);
  EXPECT_NEAR(shown(form.Text30), 384.4, 0.001);
  EXPECT_NEAR(shown(form.Text20), 0, 0.001);
}

TEST_F(Form20Test, TheCentreOfMassMovesWithTheTypedSystemVelocity) {
  // The same system velocity added to both bodies moves their centre of
  // mass at that velocity; the pair's momentum stays what it was. A pair
  // balanced about its barycentre has no momentum to compare with, so its
  // drift is not shown then.
  struct Case {
    const char* typed;       // "VYsys, км/с"
    double centreVelocityY;  // m/s
    bool momentumShown;
  };
  const Case cases[] = {{"0", 0, false}, {"1", 1000, true}, {"-2,5", -2500, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    Form20& form = openMoonWindow();
    click(form.Command6);
    type(form.Text44, c.typed);
    runCheckUntil(form, revolutions(1));
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_NEAR(shown(form.Text13), c.centreVelocityY, 1e-9 + 1e-12 * std::fabs(c.centreVelocityY));
    EXPECT_NEAR(shown(form.Text12), 0, 1e-9);
    // The shared system velocity stays in km/s, as every other reader takes it.
    EXPECT_EQ(Main.VYsys, CDbl(c.typed));
    if (c.momentumShown)
      EXPECT_NEAR(shown(form.Text43), 0, 1e-9);
    else
      EXPECT_EQ(form.Text43.Text(), "");
    form.Unload();
  }
}

// The start momentum of a pair balanced about its barycentre is what its
// state holds, found in extended precision here: not the rounding of the
// two momenta of some 7e25 kg m/s (it used to show -2^33 = -8589934592).
TEST_F(Form20Test, TheStartMomentumIsTheStatesOwn) {
  Form20& form = openMoonWindow();
  click(form.Command6);
  runCheckUntil(form, [] { return true; });
  ASSERT_EQ(boxes.count(), 0);
  const ModelStartData& pair = form.PairStartData;
  const long double moon = static_cast<long double>(pair.Mass[11]) * pair.VY0[11];
  const long double earth = static_cast<long double>(pair.Mass[13]) * pair.VY0[0];
  EXPECT_GT(std::fabs(static_cast<double>(moon)), 1e25);
  EXPECT_NEAR(form.KD0sysY, static_cast<double>(moon + earth), 1e7);
}

TEST_F(Form20Test, ABoxThatIsNoPositiveStepStartsNoCheck) {
  struct Case {
    ui::TextBox Form20::*box;
    const char* text;
  };
  const Case cases[] = {{&Form20::Text36, "сто"},
                        {&Form20::Text22, "0"},
                        {&Form20::Text23, "-10"},
                        {&Form20::Text44, "1.5"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    Form20& form = openMoonWindow();
    click(form.Command6);
    type(form.*c.box, c.text);
    boxes.clear();
    click(form.Command1);
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, "Задайте правильно данные");
    EXPECT_EQ(boxes.last().title, "Celvan7m");
    EXPECT_EQ(form.Text6.Text(), "");
    form.Unload();
  }
}

TEST_F(Form20Test, APairAtRestEndsTheCheckWithTheSolverMessage) {
  // Start tables that another window left with the Earth and the Moon at
  // rest: their kinetic energy at the start is zero, so the energy drift in
  // percent cannot be formed at the first pass end.
  Form20& form = openMoonWindow();
  for (const int slot : {0, 11}) {
    Main.X0[slot] = slot == 11 ? 384.4e6 : 0;
    Main.Y0[slot] = Main.Z0[slot] = 0;
    Main.VX0[slot] = Main.VY0[slot] = Main.VZ0[slot] = 0;
  }
  runCheckUntil(form, [] { return true; });
  ASSERT_EQ(boxes.count(), 1);
  EXPECT_EQ(boxes.last().text, "Ошибка решения уравнений");
  EXPECT_EQ(boxes.last().title, "Celvan7m");
  // It ended at its first pass end, which showed the time before the drifts.
  EXPECT_NE(form.Text25.Text(), "");
  EXPECT_EQ(form.Text41.Text(), "");
}

TEST_F(Form20Test, ClosingTheWindowEndsItsCheck) {
  Form20& form = openMoonWindow();
  click(form.Command6);
  runCheckUntil(form, revolutions(1), [&] { click(form.Command9); });
  EXPECT_FALSE(ui::isFormLoaded<Form20>());
  EXPECT_EQ(boxes.count(), 0);
}

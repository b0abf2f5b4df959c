// The start of the program: which bodies take part, object 10 as "Ксена" or
// the Moon, the constants and the scale of the picture.
#include <cmath>
#include <numbers>

#include "Form1Fixture.h"

TEST_F(Form1Test, AtStartTheSunAndNinePlanetsTakePartAndTheSpareBodyDoesNot) {
  Form1& form = startProgram();
  EXPECT_EQ(Main.IncludedCount, 10);
  for (int i = 0; i <= 10; ++i) {
    SCOPED_TRACE(i);
    const int included = i <= 9 ? 1 : 0;
    EXPECT_EQ(Main.ObjectIncluded[i], included);
    for (int k = 0; k <= 10; ++k)
      EXPECT_EQ(Main.PairIncluded(i, k), included == 1 && k <= 9 ? 1 : 0) << "pair " << k;
    // The Sun is never followed, even while it takes part.
    EXPECT_EQ(form.Option1[i].Enabled(), i >= 1 && i <= 9);
  }
  EXPECT_TRUE(form.Option1[1].Value());
}

TEST_F(Form1Test, UntickingAPlanetTakesItOutOfThePairsAndTheOrbitCheck) {
  Form1& form = startProgram();
  click(form.Check2[5]);
  EXPECT_EQ(Main.IncludedCount, 9);
  EXPECT_EQ(Main.ObjectIncluded[5], 0);
  EXPECT_EQ(Main.PairIncluded(5, 5), 0);
  EXPECT_EQ(Main.PairIncluded(3, 5), 0);
  EXPECT_EQ(Main.PairIncluded(3, 4), 1);
  EXPECT_FALSE(form.Option1[5].Enabled());
}

TEST_F(Form1Test, Check3TurnsObject10IntoTheMoonAndBack) {
  Form1& form = startProgram();
  click(form.Check3);
  EXPECT_EQ(form.Check2[10].Caption(), "Луна");
  EXPECT_EQ(form.Option1[10].Caption(), "Луна");
  EXPECT_EQ(form.Check2[10].Value(), 1);
  EXPECT_EQ(Main.ObjectIncluded[10], 1);  // the inclusion tables followed at once
  EXPECT_EQ(Main.IncludedCount, 11);
  EXPECT_TRUE(form.Option1[10].Enabled());
  EXPECT_FALSE(form.Option1[3].Enabled());  // the Earth is not followed alone

  click(form.Check3);
  EXPECT_EQ(form.Check2[10].Caption(), "Ксена");
  EXPECT_EQ(form.Option1[10].Caption(), "Ксена");
  EXPECT_EQ(form.Check2[10].Value(), 0);
  EXPECT_EQ(Main.ObjectIncluded[10], 0);
  EXPECT_EQ(Main.IncludedCount, 10);
  EXPECT_FALSE(form.Option1[10].Enabled());
  EXPECT_TRUE(form.Option1[3].Enabled());
}

TEST_F(Form1Test, ActivationShowsTheScaleOfTheScrollBarAndSetsIt) {
  Form1& form = startProgram();
  EXPECT_EQ(form.Label10.Caption(), "Масштаб изображения=300млн.км/см");
  EXPECT_EQ(Main.ImageScale, 3e11);  // 300 million km per picture unit
  EXPECT_EQ(Main.LastStateIndex, 65);

  // Another window changes the shared scale, calendar and state length; coming
  // back to Form1 restores them.
  Main.ImageScale = 1;
  Main.CalendarMode = 2;
  Main.DayStartHour = 12;
  Main.LastStateIndex = 0;
  form1().Hide();
  form1().Show();
  EXPECT_EQ(Main.ImageScale, 3e11);
  EXPECT_EQ(Main.CalendarMode, 0);
  EXPECT_EQ(Main.DayStartHour, 0);
  EXPECT_EQ(Main.LastStateIndex, 65);
}

TEST_F(Form1Test, DegreesPerRadianComeFromTheStoredValueOfPi) {
  startProgram();
  EXPECT_EQ(Main.Pi, 3.14159265359);
  EXPECT_DOUBLE_EQ(Main.kUgol, 57.29577951307855);
  // Full-precision pi would give a value about 4e-12 lower.
  EXPECT_GT(std::abs(Main.kUgol - 180 / std::numbers::pi), 1e-12);
}

TEST_F(Form1Test, TheStartUpSequenceLeavesNoMessage) {
  startProgram();
  EXPECT_EQ(boxes.count(), 0);
}

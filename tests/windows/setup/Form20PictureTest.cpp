// The focus and central-mass options of the Moon window, with the
// schematics of the focus, and the picture's scale.
#include "Form20Fixture.h"

namespace {

bool isBlack(const QColor& c) { return c.red() == 0 && c.green() == 0 && c.blue() == 0; }
bool isMoonGreen(const QColor& c) { return c.red() == 0 && c.blue() == 0 && c.green() >= 170; }

// Black pixels of the schematic area left (x -10..-1) or right (x 1..10) of
// the band y = 3..9.
int blackInSchemeArea(const Form20& form, bool right) {
  return right ? countPixels(form.Picture1, 1.2, 3.2, 9.8, 8.8, isBlack)
               : countPixels(form.Picture1, -9.8, 3.2, -1.2, 8.8, isBlack);
}

}  // namespace

TEST_F(Form20Test, TheFocusDecidesTheCorrectionsOfferedAndTheSchematicShown) {
  Form20& form = openMoonWindow();
  EXPECT_GT(blackInSchemeArea(form, false), 0);
  EXPECT_EQ(blackInSchemeArea(form, true), 0);

  click(form.Option6);  // "в барицентре Земля+Луна"
  EXPECT_EQ(form.KodBary, 1);  // "mz+ml" of the barycentre's frame
  EXPECT_EQ(form.Check5.Value(), 1);
  EXPECT_TRUE(form.Check5.Enabled());
  EXPECT_EQ(form.Check12.Value(), 0);
  EXPECT_FALSE(form.Check12.Enabled());
  EXPECT_EQ(form.Check9.Value(), 1);
  EXPECT_TRUE(form.Check9.Enabled());
  EXPECT_EQ(blackInSchemeArea(form, false), 0);
  EXPECT_GT(blackInSchemeArea(form, true), 0);

  click(form.Option4);
  EXPECT_EQ(form.KodBary, 2);
  click(form.Option5);  // back: the Earth's frame still says "mz"
  EXPECT_EQ(form.KodBary, 0);
  EXPECT_EQ(form.Check12.Value(), 1);
  EXPECT_TRUE(form.Check12.Enabled());
  EXPECT_EQ(form.Check5.Value(), 0);
  EXPECT_FALSE(form.Check5.Enabled());
  EXPECT_EQ(form.Check9.Value(), 0);
  EXPECT_GT(blackInSchemeArea(form, false), 0);
  EXPECT_EQ(blackInSchemeArea(form, true), 0);
}

TEST_F(Form20Test, EachCentralMassOptionSetsItsCentralMassWhateverTheFocus) {
  Form20& form = openMoonWindow();
  struct Case {
    ui::OptionButton Form20::*option;
    int16_t kodBary;
  };
  // Clicked in an order in which each one changes the value.
  const Case cases[] = {{&Form20::Option2, 1}, {&Form20::Option4, 2}, {&Form20::Option1, 0},
                        {&Form20::Option3, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kodBary);
    click(form.*c.option);
    EXPECT_EQ(form.KodBary, c.kodBary);
  }
}

TEST_F(Form20Test, ANewScaleClearsTheTrailsOfTheCheck) {
  Form20& form = openMoonWindow();
  click(form.Command6);
  runCheckUntil(form, revolutions(1));
  // A revolution of Moon marks, a circle of radius 0,07 each.
  const int trail = countPixels(form.Picture1, -10, -10, 10, 10, isMoonGreen);

  ui::dragAsUser(form.HScroll1, 200);
  EXPECT_EQ(form.Label10.Caption(), "Масштаб изображения= 200 тыс.км/см");
  EXPECT_EQ(Main.ImageScale, 2e8);
  // Only one mark of the Moon is left (a circle of radius 0,05 picture units).
  const int left = countPixels(form.Picture1, -10, -10, 10, 10, isMoonGreen);
  EXPECT_GT(left, 0);
  EXPECT_LT(left, 20);
  EXPECT_GT(trail, 20 * left);
}

TEST_F(Form20Test, CloseUnloadsTheWindow) {
  Form20& form = openMoonWindow();
  click(form.Command9);
  EXPECT_FALSE(ui::isFormLoaded<Form20>());
  EXPECT_TRUE(ui::isFormLoaded<Form1>());
}

// The start sums that a check prints replace those of the check before:
// after checks with two system velocities the lines hold the ink of the
// second sums alone, as a window that ran only the second check shows them.
TEST_F(Form20Test, StartSumsOfACheckReplaceThoseOfTheCheckBefore) {
  const auto blackOfSums = [](const Form20& form) { return countPixels(form.Picture1, -9.8, -6.8, 9.8, -4.0, isBlack); };
  const auto firstPass = [] { return true; };
  Form20& form = openMoonWindow();
  click(form.Command6);
  runCheckUntil(form, firstPass);
  const double firstMomentum = form.KD0sysY;
  type(form.Text44, "30");
  runCheckUntil(form, firstPass);
  ASSERT_NE(form.KD0sysY, firstMomentum);  // the sums printed differ
  const int afterTwo = blackOfSums(form);
  ASSERT_GT(afterTwo, 0);
  form.Unload();
  ui::destroyUnloadedForms();

  Form20& fresh = openMoonWindow();
  click(fresh.Command6);
  type(fresh.Text44, "30");
  runCheckUntil(fresh, firstPass);
  EXPECT_EQ(afterTwo, blackOfSums(fresh));
}

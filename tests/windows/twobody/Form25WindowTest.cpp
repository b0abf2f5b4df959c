// Tests of the two-body window as the start-up window shows it.
#include "Form25Fixture.h"
#include "science/twobody/TwoBody.h"

namespace {

TEST_F(Form25Test, StartUpButtonShowsTheTwoBodyWindow) {
  click(form1().Command27);
  ASSERT_TRUE(ui::isFormLoaded<Form25>());
  EXPECT_TRUE(form25().Visible());
  EXPECT_EQ(form25().Caption(), "   Celvan7mm  - форма 25    Задача двух тел");
  // Its activation takes the picture scale from the scroll bar.
  EXPECT_DOUBLE_EQ(Main.ImageScale, 100e6);
}

// A fresh load of the window has its own curves off and forward motion,
// whatever the options applied before it was closed; the model's last state
// index, direction and equations stay as they were.
TEST_F(Form25Test, LoadSetsItsOwnCurveSwitchesOff) {
  Main.LastStateIndex = 65;
  Main.TimeDirection = -1;
  Main.ForceModel = 0;
  openTwoBodyWindow().Timing.srDelayCurve = true;
  form25().Timing.timeDirection = -1;
  click(form25().Command9);  // "Закрыть форму"
  ASSERT_FALSE(ui::isFormLoaded<Form25>());
  const Form25& form = openTwoBodyWindow();
  EXPECT_FALSE(form.Timing.srDelayCurve);
  EXPECT_EQ(form.Timing.timeDirection, 1);
  EXPECT_EQ(Main.LastStateIndex, 65);
  EXPECT_EQ(Main.TimeDirection, -1);
  EXPECT_EQ(Main.ForceModel, 0);
}

}  // namespace

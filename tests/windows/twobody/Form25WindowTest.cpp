// Tests of the two-body window as the start-up window shows it.
#include "Form25Fixture.h"
#include "twobody/engine/TwoBody.h"

namespace {

TEST_F(Form25Test, StartUpButtonShowsTheTwoBodyWindow) {
  click(form1().Command27);
  ASSERT_TRUE(ui::isFormLoaded<Form25>());
  EXPECT_TRUE(form25().Visible());
  EXPECT_EQ(form25().Caption(), "   Celvan7mm  - форма 25    Задача двух тел");
  // Its activation takes the picture scale from the scroll bar.
  EXPECT_DOUBLE_EQ(Main.ImageScale, 100e6);
}

// Loading the window switches its own curves off and sets forward motion;
// the model's last state index, direction and equations stay as they were.
TEST_F(Form25Test, LoadSetsItsOwnCurveSwitchesOff) {
  twobody::timingOptions().srDelayCurve = true;
  twobody::timingOptions().timeDirection = -1;
  Main.LastStateIndex = 65;
  Main.TimeDirection = -1;
  Main.ForceModel = 0;
  openTwoBodyWindow();
  EXPECT_FALSE(twobody::timingOptions().srDelayCurve);
  EXPECT_EQ(twobody::timingOptions().timeDirection, 1);
  EXPECT_EQ(Main.LastStateIndex, 65);
  EXPECT_EQ(Main.TimeDirection, -1);
  EXPECT_EQ(Main.ForceModel, 0);
}

}  // namespace

// Tests of the two-body window as the start-up window shows it.
#include "Form25Fixture.h"

namespace {

TEST_F(Form25Test, StartUpButtonShowsTheTwoBodyWindow) {
  click(form1().Command27);
  ASSERT_TRUE(ui::isFormLoaded<Form25>());
  EXPECT_TRUE(form25().Visible());
  EXPECT_EQ(form25().Caption(), "   Celvan7mm  - форма 25    Задача двух тел");
  // Its activation takes the picture scale from the scroll bar.
  EXPECT_DOUBLE_EQ(Main.ImageScale, 100e6);
}

// Loading the window switches the velocity-delay curve off through
// LastStateIndex, which the start-up window otherwise keeps at 65.
TEST_F(Form25Test, LoadSetsTheSharedCurveSwitchesOff) {
  Main.LastStateIndex = 65;
  Main.TimeDirection = -1;
  openTwoBodyWindow();
  EXPECT_EQ(Main.LastStateIndex, 0);
  EXPECT_EQ(Main.TimeDirection, 1);
  EXPECT_EQ(Main.ForceModel, 1);
}

}  // namespace

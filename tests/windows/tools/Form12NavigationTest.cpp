// The start-up window's "Координаты*" shows the coordinate converter.
#include "../setup/Form1Fixture.h"
#include "tools/Form12.h"

TEST_F(Form1Test, CoordinatesButtonShowsTheConverter) {
  Form1& form = startProgram();
  click(form.Command22);
  ui::Form* shown = ui::activeForm();
  ASSERT_NE(shown, nullptr);
  EXPECT_EQ(shown->Number(), 12);
  EXPECT_TRUE(shown->Visible());
  EXPECT_EQ(form12().Text31.Text(), "2451545");
}

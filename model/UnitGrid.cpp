#include "model/UnitGrid.h"

void drawUnitGrid(ui::PictureBox& picture, int32_t axisColour) {
  const int32_t gridColour = RGB(200, 200, 200);
  picture.Cls();
  picture.Scale(-10, 10, 10, -10);
  for (int unit = -10; unit <= 10; ++unit) {
    picture.Line(-10, unit, 10, unit, gridColour);
    picture.Line(unit, -10, unit, 10, gridColour);
  }
  picture.Line(-10, 0, 10, 0, axisColour);
  picture.Line(0, 10, 0, -10, axisColour);
}

#pragma once
// The unit grid of the square orbit pictures of the test bench Form7 and the
// two-body window Form25: the picture cleared and scaled to −10..10 both
// ways (y upward), a light grey line at every whole unit across the square,
// and the two axes in the window's own grey.
#include <cstdint>

#include "ui/PictureBox.h"

void drawUnitGrid(ui::PictureBox& picture, int32_t axisColour);

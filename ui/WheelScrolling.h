#pragma once
// The mouse wheel over a picture that scroll bars pan: the wheel moves the
// vertical bar, the wheel with Shift (or a sideways wheel) the horizontal
// one, each as the bar's own arrows would, and the bar's Change handler
// pans the picture as after a click on the bar.
#include "ui/Controls.h"

namespace ui {

void scrollWithWheel(Control& area, ScrollBar& vertical, ScrollBar& horizontal);

}  // namespace ui

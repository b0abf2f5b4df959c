#pragma once
// Faces of the window's font for texts that must fit a fixed width: the
// long numbers of a narrow grid column, the numbers along a short axis, a
// table or a title printed into a picture.
#include "ui/Controls.h"

namespace ui {

// The windows' font: DejaVu Sans at 9 points, which has Cyrillic letters.
// installRuntime sets it for the whole application.
void useProgramFont();

// DejaVu Sans Condensed (which has Cyrillic letters) at the given size, for
// the control's texts; a picture prints with it from then on.
void useCondensedFont(Control& control, double points);
// The same for a whole window (or another widget) and all it holds.
void useCondensedFont(QWidget* widget, double points);

}  // namespace ui

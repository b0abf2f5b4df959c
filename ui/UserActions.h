#pragma once
// What a user does to a window, for tests that drive windows as a user
// would. Each action goes through the window system as real input does, so
// it activates the window first and runs the handler behind the event edge
// (EventDispatch.h), exactly as a click or keystroke would. A disabled or
// locked control ignores it, as it ignores the user.
#include <string>

#include "ui/Controls.h"
#include "ui/PictureBox.h"

namespace ui {

class Form;

// A left click on a button, check box or option button.
void clickAsUser(Control& control);
// Replaces the text of a box as if the user selected it all and typed text.
void typeAsUser(TextBox& box, const std::string& text);
// Moves the scroll bar by one small step up or down, as an arrow click does.
void stepAsUser(ScrollBar& bar, int smallSteps);
// Drags the thumb of the scroll bar to value (Scroll during the drag,
// Change when it is released).
void dragAsUser(ScrollBar& bar, int value);
// A mouse press at user coordinates (x, y); button 1 left, 2 right.
void pressMouseAsUser(PictureBox& picture, double x, double y, int button = 1);
// Closes the window by its title bar.
void closeAsUser(Form& form);
// The window system makes the window the active one (a click on its title).
void activateAsUser(Form& form);

}  // namespace ui

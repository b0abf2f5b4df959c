#pragma once
// Where a window opens: wholly on the screen, whatever the window manager
// would choose. Form::Show places each window so before its first showing.
#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

namespace ui {

// What a window frame of the usual desktops takes around a window: a title
// bar and thin borders, pixels.
inline constexpr QMargins kWindowFrame{4, 32, 4, 4};

// The frame of a window of the given size placed on the available area of
// a screen: centred, and shrunk to the area when it is larger (a window
// whose layout cannot shrink that far does not fit, which the windows'
// layouts are made to avoid).
QRect placedOnScreen(QSize windowSize, const QRect& available);

// Gives a top-level window its size and centres it on its screen before its
// first showing, unless the code has already moved it to a place of its own.
// A window shown before keeps the place and size the user gave it.
void placeOnScreen(QWidget& window);

}  // namespace ui

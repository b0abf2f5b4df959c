#pragma once
// The run-time services of the windows that need the window system: start
// of the application, letting events run, message boxes as dialogs, sounds.
#include <functional>
#include <string>

class QApplication;

// DoEvents: lets the pending events of the window system run (clicks,
// typing, repaints), so that their handlers run nested inside the caller's
// loop. Returns the number of loaded windows; a loop ends when it is 0.
int DoEvents();

namespace ui {

// Prepares the application for the windows; app/main.cpp calls it once,
// before showing the start-up window:
// - message boxes become dialogs (installDialogMessageBoxes);
// - the font is DejaVu Sans, which has Cyrillic letters;
// - the process ends when the last window is unloaded (hidden loaded
//   windows keep it alive; a close by the title bar is an unload);
// - windows still loaded when the application quits are freed before it.
void installRuntime(QApplication& application);

// Shows every MsgBox as a modal dialog with the box's text, title and
// buttons (OK, or Yes and No) and returns the button pressed.
void installDialogMessageBoxes();

// Starts playing a wave file and returns at once. A missing file, no
// player or no sound device is silent. Plays with the system's "aplay",
// unless a test has put a player of its own in place.
void playWaveFile(const std::string& path);
// Puts a player in place of the system's (an empty one restores it) and
// returns the previous one; tests record what would be played.
std::function<void(const std::string&)> setWaveFilePlayer(std::function<void(const std::string&)> player);

}  // namespace ui

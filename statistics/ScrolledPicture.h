#pragma once
// The large result picture of the plan windows: Picture1 lies inside the
// smaller frame Picture3 and is panned under it by two scroll bars. One
// picture unit (what the windows call a centimetre) is 24.91 pixels.
//
//   scrolled::sizeInUnits(Picture1, 32, 58);
//   Picture1.Scale(0, 58, 32, -2);
//   scrolled::panVertically(Picture1, Picture3, VScroll1.Value());
//   scrolled::printAt(Picture1, 1.6, 50, "текст");
#include <string>
#include <vector>

#include "ui/PictureBox.h"

namespace scrolled {

inline constexpr double kPixelsPerUnit = 24.91;

// The two bars: 0 to 100 with a small change of 3 and a large change of 10,
// the horizontal one at 0 (the left end in view), the vertical one at 100
// (the bottom in view).
void setUpScrollBars(ui::HScrollBar& horizontal, ui::VScrollBar& vertical);

// The value of the vertical bar that brings a line `unitsBelowTop` picture
// units below the picture's top to the top of the frame (0..100).
int valueShowingFromTop(const ui::PictureBox& picture, const ui::PictureBox& frame, double unitsBelowTop);

// Sizes picture to width × height picture units, in pixels of its frame.
void sizeInUnits(ui::PictureBox& picture, double width, double height);

// Left of picture := (its width − the frame's width) × (−value) / 100: value
// 0 shows the left end, 100 the right end.
void panHorizontally(ui::PictureBox& picture, const ui::PictureBox& frame, int value);
// Top of picture := (the frame's height − its height − 4) × value / 100:
// value 0 shows the top, 100 the bottom 4 pixels above the frame's edge.
void panVertically(ui::PictureBox& picture, const ui::PictureBox& frame, int value);

// A text printed with its top left corner at (x, y), user units.
void printAt(ui::PictureBox& picture, double x, double y, const std::string& text);
// A number printed by itself: a blank (or the minus sign) before its digits.
void printAt(ui::PictureBox& picture, double x, double y, double number);
// A block of lines: the first at (x, y), each further one below it at the
// picture's left edge.
void printBlockAt(ui::PictureBox& picture, double x, double y, const std::vector<std::string>& lines);

}  // namespace scrolled

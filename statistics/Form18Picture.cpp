// The picture of the plan designer: Picture1, sized and gridded for the
// current plan, panned inside the frame Picture3 by the two scroll bars;
// "Очистить рисунок", "Закрыть форму" and the print helpers of the window.
#include <cmath>
#include <string>

#include "core/state/SharedState.h"
#include "statistics/Form18.h"
#include "statistics/Form8.h"

namespace {

// Pixels of the picture per unit of its user scale, across and down.
constexpr double kPixelsPerUnit = 24.91;
// Extents beyond this many units (another window's plot may leave such
// shared extents) would make a picture too large to keep in memory; the
// largest plan needs 74.
constexpr double kLargestExtent = 400;
// The picture's lowest y: room below the axis for the grid labels and the
// legend.
constexpr double kBottomY = -2;
// Gap kept between the bottom of the picture and the frame's lower edge
// when the bottom is in view, pixels.
constexpr int kBottomGap = 4;

const int32_t kGridColour = RGB(200, 200, 200);
const int32_t kAxisColour = RGB(100, 100, 100);

bool usableExtent(double units) { return units > 0 && units <= kLargestExtent; }

}  // namespace

// PreparePlanPicture: the picture cleared, sized for the plan's extents and
// gridded, with the axis y = 0.
// Reads:    Main.PictureHeight, Main.PictureScaleWidth; VScroll1
// Notes:    The user scale runs from (0, PictureHeight) at the top left to
//           (PictureScaleWidth, -2) at the bottom right. Extents that no
//           plan gives (0 before any plan, or huge ones left by another
//           window) only clear the picture.
void Form18::PreparePlanPicture() {
  Picture1.Cls();
  const double height = Main.PictureHeight;
  const double width = Main.PictureScaleWidth;
  if (!usableExtent(height) || !usableExtent(width)) return;
  Picture1.setSizePixels(static_cast<int>(std::lround(kPixelsPerUnit * width)),
                         static_cast<int>(std::lround(kPixelsPerUnit * height)));
  Picture1.Scale(0, height, width, kBottomY);
  const int right = static_cast<int>(std::nearbyint(width));
  const int top = static_cast<int>(std::nearbyint(height));
  for (int x = 0; x <= right - 1; ++x) {
    Picture1.Line(x, kBottomY, x, height, kGridColour);
    printNumberAt(x, -0.5, x);
  }
  for (int y = static_cast<int>(kBottomY); y <= top; ++y) Picture1.Line(0, y, width, y, kGridColour);
  Picture1.Line(0, 0, width, 0, kAxisColour);
  placePictureVertically();
}

// HScroll1_Change (also its Scroll): value 0 shows the left end of the
// picture, 100 its right end.
void Form18::HScroll1_Change() {
  placePictureHorizontally();
  Picture1.Refresh();
}

// VScroll1_Change (also its Scroll): value 0 shows the top of the picture,
// where the plan table starts; 100 its bottom with the axis and the plots.
void Form18::VScroll1_Change() {
  placePictureVertically();
  Picture1.Refresh();
}

void Form18::placePictureHorizontally() {
  const int hidden = Picture1.widthPixels() - Picture3.widthPixels();
  Picture1.setLeftPixels(static_cast<int>(std::lround(hidden * (-HScroll1.Value()) / 100.0)));
}

void Form18::placePictureVertically() {
  const int room = Picture3.heightPixels() - Picture1.heightPixels() - kBottomGap;
  Picture1.setTopPixels(static_cast<int>(std::lround(room * VScroll1.Value() / 100.0)));
}

// Command7_Click "Очистить рисунок": the picture prepared again with the
// extents of the last plan; the plan itself stays.
void Form18::Command7_Click() { PreparePlanPicture(); }

// Command3_Click "Закрыть форму": this window and the test window Form8 go.
void Form18::Command3_Click() {
  Unload();
  ui::unloadForm<Form8>();
}
void Form18::closeByTitleBar() { Command3_Click(); }

// Prints a text, or a number with a blank in place of its plus sign, with
// its top left corner at (x, y) of the picture.
void Form18::printAt(double x, double y, const std::string& text) {
  Picture1.setCurrentX(x);
  Picture1.setCurrentY(y);
  Picture1.Print(text);
}

void Form18::printNumberAt(double x, double y, double value) {
  Picture1.setCurrentX(x);
  Picture1.setCurrentY(y);
  Picture1.Print(value);
}

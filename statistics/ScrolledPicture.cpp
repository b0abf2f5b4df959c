#include "statistics/ScrolledPicture.h"

#include <algorithm>
#include <cmath>

namespace scrolled {

namespace {

// Room left below the picture when its bottom is in view, pixels.
constexpr int kBottomMargin = 4;
constexpr double kPercent = 100.0;

int pixels(double value) { return static_cast<int>(std::lround(value)); }

}  // namespace

void setUpScrollBars(ui::HScrollBar& horizontal, ui::VScrollBar& vertical) {
  for (ui::ScrollBar* bar : {static_cast<ui::ScrollBar*>(&horizontal), static_cast<ui::ScrollBar*>(&vertical)}) {
    bar->setMin(0);
    bar->setMax(100);
    bar->setSmallChange(3);
    bar->setLargeChange(10);
  }
  horizontal.setValue(0);
  vertical.setValue(100);
}

void sizeInUnits(ui::PictureBox& picture, double width, double height) {
  picture.setSizePixels(pixels(kPixelsPerUnit * width), pixels(kPixelsPerUnit * height));
}

void panHorizontally(ui::PictureBox& picture, const ui::PictureBox& frame, int value) {
  picture.setLeftPixels(pixels((picture.widthPixels() - frame.widthPixels()) * -value / kPercent));
  picture.Refresh();
}

void panVertically(ui::PictureBox& picture, const ui::PictureBox& frame, int value) {
  picture.setTopPixels(
      pixels((frame.heightPixels() - picture.heightPixels() - kBottomMargin) * value / kPercent));
  picture.Refresh();
}

int valueShowingFromTop(const ui::PictureBox& picture, const ui::PictureBox& frame, double unitsBelowTop) {
  const double travel = picture.heightPixels() + kBottomMargin - frame.heightPixels();
  if (!(travel > 0)) return 0;
  return static_cast<int>(std::clamp(std::lround(kPercent * kPixelsPerUnit * unitsBelowTop / travel), 0L, 100L));
}

void printAt(ui::PictureBox& picture, double x, double y, const std::string& text) {
  picture.setCurrentX(x);
  picture.setCurrentY(y);
  picture.Print(text);
}

void printAt(ui::PictureBox& picture, double x, double y, double number) {
  picture.setCurrentX(x);
  picture.setCurrentY(y);
  picture.Print(number);
}

void printBlockAt(ui::PictureBox& picture, double x, double y, const std::vector<std::string>& lines) {
  if (lines.empty()) return;
  printAt(picture, x, y, lines.front());
  for (std::size_t i = 1; i < lines.size(); ++i) picture.Print(lines[i]);
}

}  // namespace scrolled

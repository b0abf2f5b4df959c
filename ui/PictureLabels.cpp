#include "ui/PictureLabels.h"

#include <algorithm>
#include <cmath>

namespace ui {

namespace {

double pixelsPerUnitX(const PictureBox& picture) {
  return picture.widthPixels() / picture.ScaleWidth();
}
double pixelsPerUnitY(const PictureBox& picture) {
  return picture.heightPixels() / picture.ScaleHeight();
}

// How far a span [from, to) of pixels must move to lie within [0, limit):
// a span longer than the limit starts at 0.
int shiftInside(int from, int to, int limit) {
  if (to > limit) return std::max(limit - to, -from);
  return std::max(0, -from);
}

}  // namespace

QPoint PictureLabels::pixelOf(double x, double y) const {
  return {static_cast<int>(std::lround((x - picture_.ScaleLeft()) * pixelsPerUnitX(picture_))),
          static_cast<int>(std::lround((y - picture_.ScaleTop()) * pixelsPerUnitY(picture_)))};
}

bool PictureLabels::touchesPrinted(const QRect& ink) const {
  const int blank =
      static_cast<int>(std::ceil(picture_.TextWidth(" ") * std::abs(pixelsPerUnitX(picture_))));
  const QRect keptClear = ink.adjusted(-blank, -1, blank, 1);
  return std::any_of(printed_.begin(), printed_.end(),
                     [&](const QRect& other) { return keptClear.intersects(other); });
}

bool PictureLabels::print(double x, double y, const std::string& text) {
  const QRect inkAtCorner = picture_.printedInk(text);
  QRect ink = inkAtCorner.translated(pixelOf(x, y));
  ink.translate(shiftInside(ink.left(), ink.left() + ink.width(), picture_.widthPixels()),
                shiftInside(ink.top(), ink.top() + ink.height(), picture_.heightPixels()));
  if (touchesPrinted(ink)) return false;
  const QPoint corner = ink.topLeft() - inkAtCorner.topLeft();
  picture_.setCurrentX(picture_.ScaleLeft() + corner.x() / pixelsPerUnitX(picture_));
  picture_.setCurrentY(picture_.ScaleTop() + corner.y() / pixelsPerUnitY(picture_));
  picture_.Print(text);
  printed_.push_back(ink);
  return true;
}

void PictureLabels::printAxis(const std::vector<AxisLabel>& labels) {
  if (labels.empty()) return;
  const auto printLabel = [this](const AxisLabel& label) { print(label.x, label.y, label.text); };
  printLabel(labels.front());
  if (labels.size() > 1) printLabel(labels.back());
  for (std::size_t i = 1; i + 1 < labels.size(); ++i) printLabel(labels[i]);
}

void PrintedLines::print(double x, double y, const std::string& text) {
  if (clearings_ != picture_.clearings()) {
    printed_.clear();
    clearings_ = picture_.clearings();
  }
  const auto place = std::make_pair(x, y);
  if (const auto earlier = printed_.find(place); earlier != printed_.end())
    picture_.putPixels(earlier->second.corner, earlier->second.under);
  const QPoint corner(static_cast<int>(std::lround((x - picture_.ScaleLeft()) * pixelsPerUnitX(picture_))),
                      static_cast<int>(std::lround((y - picture_.ScaleTop()) * pixelsPerUnitY(picture_))));
  // The ink with a pixel around it, so that no letter below touches it.
  const QRect area = picture_.printedInk(text).adjusted(-1, -1, 1, 1).translated(corner);
  printed_[place] = {area.topLeft(), picture_.image().copy(area)};
  QImage background(area.size(), QImage::Format_RGB32);
  const int32_t back = picture_.BackColor();
  background.fill(QColor(back & 0xFF, (back >> 8) & 0xFF, (back >> 16) & 0xFF));
  picture_.putPixels(area.topLeft(), background);
  picture_.setCurrentX(x);
  picture_.setCurrentY(y);
  picture_.Print(text);
}

}  // namespace ui

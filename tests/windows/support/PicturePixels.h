#pragma once
// Reading what a picture shows: the pixels of one colour near a point of
// its user scale, or anywhere in it.
#include <QColor>
#include <QImage>

#include <cmath>
#include <cstdint>

#include "ui/PictureBox.h"

namespace picturepixels {

// Pixels of the given colour within a square of half-side `reach` pixels
// around the user point (x, y) of the picture.
inline int pixelsNear(const ui::PictureBox& picture, double x, double y, int reach, int32_t colour) {
  const QImage& image = picture.image();
  const double px = (x - picture.ScaleLeft()) * image.width() / picture.ScaleWidth();
  const double py = (y - picture.ScaleTop()) * image.height() / picture.ScaleHeight();
  const QColor wanted(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
  int count = 0;
  for (int dx = -reach; dx <= reach; ++dx)
    for (int dy = -reach; dy <= reach; ++dy) {
      const int ix = static_cast<int>(std::lround(px)) + dx;
      const int iy = static_cast<int>(std::lround(py)) + dy;
      if (image.valid(ix, iy) && image.pixelColor(ix, iy) == wanted) ++count;
    }
  return count;
}

// Pixels of the given colour anywhere in the picture.
inline int pixelsOfColour(const ui::PictureBox& picture, int32_t colour) {
  const QImage& image = picture.image();
  const QColor wanted(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixelColor(x, y) == wanted) ++count;
  return count;
}

}  // namespace picturepixels

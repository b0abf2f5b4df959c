// The picture of Form1: bodies at the scale of the scroll bar on the grey
// unit grid, seen from the north ecliptic pole.
#include <QColor>
#include <QImage>

#include <cmath>

#include "Form1Fixture.h"

namespace {

constexpr double kAU = 149597870691.0;

// The field is x -10..10 and y -10..12 user units over the picture's pixels.
QPoint pixelOf(const QImage& image, double x, double y) {
  return {static_cast<int>(std::lround((x + 10) / 20 * image.width())),
          static_cast<int>(std::lround((12 - y) / 22 * image.height()))};
}

// Centre of the pixels of one colour within a few pixels around `near`, or
// (-1, -1) when there are none.
QPointF centreOfColour(const QImage& image, QPoint near, QRgb colour) {
  double sumX = 0, sumY = 0;
  int count = 0;
  for (int y = near.y() - 6; y <= near.y() + 6; ++y)
    for (int x = near.x() - 6; x <= near.x() + 6; ++x)
      if (image.valid(x, y) && (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF)) {
        sumX += x;
        sumY += y;
        ++count;
      }
  return count == 0 ? QPointF(-1, -1) : QPointF(sumX / count, sumY / count);
}

}  // namespace

TEST_F(Form1Test, TheEarthIsDrawnWhereTheScaleOfTheScrollBarPutsIt) {
  Form1& form = startProgram();
  const QRgb earthBlue = qRgb(0, 0, 255);
  const QRgb sunYellow = qRgb(240, 240, 0);
  const double earthX = Main.X[3], earthY = Main.Y[3];
  ASSERT_NEAR(std::hypot(earthX, earthY) / kAU, 0.983, 0.001);

  // At 3000 a unit is 300 million km: 1 AU is about half a unit.
  const QImage& image = form.Picture1.image();
  const QPoint earthAt3000 = pixelOf(image, earthX / 3e11, earthY / 3e11);
  const QPointF drawn = centreOfColour(image, earthAt3000, earthBlue);
  EXPECT_NEAR(drawn.x(), earthAt3000.x(), 1.0);
  EXPECT_NEAR(drawn.y(), earthAt3000.y(), 1.0);
  const QPoint sun = pixelOf(image, 0, 0);
  EXPECT_NEAR(centreOfColour(image, sun, sunYellow).x(), sun.x(), 1.0);

  // Down to 1500 (150 million km a unit) the Earth moves out to about one
  // unit; the grid and the Sun stay where they were.
  for (int step = 0; step < 150; ++step) ui::stepAsUser(form.HScroll1, -1);
  EXPECT_EQ(form.HScroll1.Value(), 1500);
  EXPECT_EQ(form.Label10.Caption(), "Масштаб изображения=150 млн.км/см");
  EXPECT_EQ(Main.ImageScale, 1.5e11);
  const QImage& redrawn = form.Picture1.image();
  const QPoint earthAt1500 = pixelOf(redrawn, earthX / 1.5e11, earthY / 1.5e11);
  const QPointF moved = centreOfColour(redrawn, earthAt1500, earthBlue);
  EXPECT_NEAR(moved.x(), earthAt1500.x(), 1.0);
  EXPECT_NEAR(moved.y(), earthAt1500.y(), 1.0);
  EXPECT_EQ(centreOfColour(redrawn, earthAt3000, earthBlue), QPointF(-1, -1));
  EXPECT_NEAR(centreOfColour(redrawn, sun, sunYellow).x(), sun.x(), 1.0);
  // Unit grid lines in grey, the axes lighter, on black.
  const QPoint gridLine = pixelOf(redrawn, 3, -5.5);
  EXPECT_EQ(QColor(redrawn.pixel(gridLine)), QColor(120, 120, 120));
  const QPoint axis = pixelOf(redrawn, 0, -5.5);
  EXPECT_EQ(QColor(redrawn.pixel(axis)), QColor(220, 220, 220));
  const QPoint between = pixelOf(redrawn, 3.5, -5.5);
  EXPECT_EQ(QColor(redrawn.pixel(between)), QColor(0, 0, 0));
}

// The converter's picture: its scale from the scroll bar, the Earth drawn
// where its distance from the Sun puts it (0.98333 AU on 2000 January 1.5,
// Meeus's radius vector of the Earth near perihelion), and a new scale that
// clears the bodies and leaves the grid.
#include <QColor>
#include <QImage>

#include <cmath>

#include "ToolWindowFixture.h"
#include "tools/Form12.h"

namespace {

using Form12PictureTest = ToolWindowTest;

constexpr double kAUMetres = 1.495978707e11;

// The pixel of a point in the picture's units: x from -10 to 10, y from 16
// at the top to -10 at the bottom.
QColor colourAt(const ui::PictureBox& picture, double x, double y) {
  const QImage& image = picture.image();
  const int px = static_cast<int>(std::lround((x + 10) / 20 * image.width()));
  const int py = static_cast<int>(std::lround((16 - y) / 26 * image.height()));
  return image.pixelColor(px, py);
}

int bluePixels(const ui::PictureBox& picture) {
  const QImage& image = picture.image();
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixelColor(x, y) == QColor(0, 0, 255)) ++count;
  return count;
}

// How many of eight points of the circle of radius r about (cx, cy) have a
// blue pixel within two pixels of the rim (the observer's dot and the sight
// line may cover one or two of them).
int blueRimPoints(const ui::PictureBox& picture, double cx, double cy, double r) {
  const double unit = 20.0 / picture.image().width();  // units per pixel
  int count = 0;
  for (int k = 0; k < 8; ++k) {
    const double a = k * M_PI / 4;
    bool found = false;
    for (double dr = -2 * unit; dr <= 2 * unit && !found; dr += unit / 2)
      found = colourAt(picture, cx + (r + dr) * std::cos(a), cy + (r + dr) * std::sin(a)) ==
              QColor(0, 0, 255);
    if (found) ++count;
  }
  return count;
}

TEST_F(Form12PictureTest, EarthStandsAtItsDistanceOnTheStartScale) {
  Form12& form = form12();
  form.Show();
  EXPECT_EQ(form.Label10.Caption(), "Масштаб изображения=30млн.км/см");
  EXPECT_DOUBLE_EQ(Main.ImageScale, 3e10);
  click(form.Option1[3]);
  click(form.Command6);

  // The Earth's symbol: a circle of 1.2 units about the Earth, whose
  // distance from the Sun is 0.98333 AU / 3e10 m = 4.903 units.
  const double direction = std::atan2(form.Saved.Y[3], form.Saved.X[3]);
  const double distance = 0.98333 * kAUMetres / 3e10;
  EXPECT_GE(blueRimPoints(form.Picture1, distance * std::cos(direction),
                          distance * std::sin(direction), 1.2),
            6);
  // The Sun: a yellow disc at the origin of the plan view.
  EXPECT_EQ(colourAt(form.Picture1, 0.3, 0.3), QColor(255, 255, 0));
  EXPECT_EQ(boxes.count(), 0);
}

TEST_F(Form12PictureTest, NewScaleClearsTheBodiesAndKeepsTheGrid) {
  Form12& form = form12();
  form.Show();
  click(form.Command6);
  ASSERT_GT(bluePixels(form.Picture1), 0);

  ui::dragAsUser(form.HScroll1, 1);
  EXPECT_EQ(form.Label10.Caption(), "Масштаб изображения=0,1млн.км/см");
  EXPECT_DOUBLE_EQ(Main.ImageScale, 1e8);
  EXPECT_EQ(bluePixels(form.Picture1), 0);
  EXPECT_EQ(colourAt(form.Picture1, 5, 5), QColor(200, 200, 200));   // a grid crossing
  EXPECT_EQ(colourAt(form.Picture1, 5, 13), QColor(120, 120, 120));  // the side view's axis

  // At this scale the Earth lies far outside the picture; the bodies are
  // still computed and the grid drawn.
  click(form.Command6);
  EXPECT_EQ(boxes.count(), 0);
  EXPECT_EQ(colourAt(form.Picture1, 0, 5), QColor(120, 120, 120));
}

}  // namespace

// The notation window: its picture shows the frame, the orbit and each
// named angle in its own colour, and nothing of it runs over the edge of
// the picture.
#include <set>

#include "Form1Fixture.h"
#include "setup/Form5.h"

namespace {

QRgb asImageColour(int red, int green, int blue) { return qRgb(red, green, blue) & 0xFFFFFF; }

std::set<QRgb> coloursOf(const QImage& image) {
  std::set<QRgb> colours;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y) & 0xFFFFFF);
  return colours;
}

class Form5Test : public Form1Test {};

}  // namespace

TEST_F(Form5Test, TheNotationPictureShowsEveryNamedPartInsideItsEdges) {
  Form5& form = form5();
  form.Show();
  EXPECT_EQ(form.Caption(), "Система координат и обозначения в программе    Celvan7m - форма 5");
  const QImage& picture = form.Picture1.image();
  const std::set<QRgb> colours = coloursOf(picture);
  struct Part {
    const char* what;
    QRgb colour;
  };
  const Part parts[] = {
      {"axes", asImageColour(0, 0, 0)},      {"Sun", asImageColour(255, 190, 0)},
      {"orbit", asImageColour(0, 0, 200)},   {"AlfaU", asImageColour(190, 0, 190)},
      {"AlfaP", asImageColour(220, 0, 0)},   {"AlfaL", asImageColour(0, 140, 0)},
      {"Betta", asImageColour(230, 120, 0)}, {"ecliptic", asImageColour(150, 150, 150)},
  };
  for (const Part& part : parts) EXPECT_EQ(colours.count(part.colour), 1u) << part.what;

  // A margin of three pixels all round stays blank: no line or text is cut
  // off by the edge.
  const QRgb white = asImageColour(255, 255, 255);
  constexpr int kMargin = 3;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) {
      const bool inMargin = x < kMargin || y < kMargin || x >= picture.width() - kMargin ||
                            y >= picture.height() - kMargin;
      if (inMargin) {
        ASSERT_EQ(picture.pixel(x, y) & 0xFFFFFF, white) << x << ", " << y;
      }
    }
  EXPECT_EQ(boxes.count(), 0);
}

// Axis numbers and captions read whole and apart: the ink of each label, as
// found in the picture, is the ink of the same text printed freely in the
// middle of a large picture.
#include <QImage>

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "DemoForm.h"
#include "ui/PictureLabels.h"

namespace {

bool inked(const QImage& image, int x, int y) { return image.pixel(x, y) != qRgb(255, 255, 255); }

// The smallest rectangle holding every non-white pixel of the region (empty
// when there is none).
QRect inkWithin(const QImage& image, const QRect& region) {
  QRect ink;
  for (int y = region.top(); y <= region.bottom(); ++y)
    for (int x = region.left(); x <= region.right(); ++x)
      if (inked(image, x, y)) ink |= QRect(x, y, 1, 1);
  return ink;
}

// A text's ink as one cut-out: where it stands against its print position
// and which pixels are inked.
struct Ink {
  QPoint offset;  // of the ink's top left from the print position, pixels
  QImage pixels;
};

class PictureLabelsTest : public FormsTest {
 protected:
  void TearDown() override {
    pictures_.clear();
    FormsTest::TearDown();
  }

  ui::PictureBox& newPicture(int width, int height) {
    pictures_.push_back(std::make_unique<ui::PictureBox>(&demoForm<3>(), width, height));
    return *pictures_.back();
  }

  // The text printed with nothing near it and no edge in reach.
  Ink freeInk(const std::string& text) {
    constexpr int margin = 100;
    ui::PictureBox& p = newPicture(600, 200);
    p.setCurrentX(margin);
    p.setCurrentY(margin);
    p.Print(text);
    const QRect ink = inkWithin(p.image(), p.image().rect());
    return {ink.topLeft() - QPoint(margin, margin), p.image().copy(ink)};
  }

  static bool sameInk(const QImage& image, const QRect& where, const Ink& ink) {
    return where.size() == ink.pixels.size() && image.copy(where) == ink.pixels;
  }

 private:
  std::vector<std::unique_ptr<ui::PictureBox>> pictures_;
};

}  // namespace

// 200 x 100 pixels for x from -10 to 10 and y from 5 (top) down to -5: ten
// pixels a unit, the point (x, y) on pixel ((x + 10) * 10, (5 - y) * 10).
TEST_F(PictureLabelsTest, ALabelAtAnEdgeMovesJustInsideAndOneThatFitsStaysPut) {
  struct Case {
    const char* what;
    double x, y;
    std::string text;
    std::optional<int> rightInk, leftInk, topInk, bottomInk;  // the edge it must lie against
  };
  const Case cases[] = {
      {"last azimuth past the right edge", 9.6, 0, "180", 199, {}, {}, {}},
      {"first azimuth past the left edge", -10.4, 0, "-180", {}, 0, {}, {}},
      {"top altitude above the top edge", 0, 5.3, "90", {}, {}, 0, {}},
      {"caption in the bottom right corner", 9.5, -4.6, "dL, град", 199, {}, {}, 99},
      {"caption below the bottom edge", -2, -5.5, "-0,75", {}, {}, {}, 99},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const Ink whole = freeInk(c.text);
    ui::PictureBox& p = newPicture(200, 100);
    p.Scale(-10, 5, 10, -5);
    ui::PictureLabels labels(p);
    EXPECT_TRUE(labels.print(c.x, c.y, c.text));
    const QRect ink = inkWithin(p.image(), p.image().rect());
    EXPECT_TRUE(sameInk(p.image(), ink, whole)) << "ink " << ink.width() << " x " << ink.height();
    if (c.rightInk) { EXPECT_EQ(ink.right(), *c.rightInk); }
    if (c.leftInk) { EXPECT_EQ(ink.left(), *c.leftInk); }
    if (c.topInk) { EXPECT_EQ(ink.top(), *c.topInk); }
    if (c.bottomInk) { EXPECT_EQ(ink.bottom(), *c.bottomInk); }
  }

  const Ink zero = freeInk("0,25");
  ui::PictureBox& p = newPicture(200, 100);
  p.Scale(-10, 5, 10, -5);
  ui::PictureLabels(p).print(1, 2, "0,25");  // pixel (110, 30)
  EXPECT_TRUE(sameInk(p.image(), QRect(QPoint(110, 30) + zero.offset, zero.pixels.size()), zero));
}

// Seven numbers a sixth of the width apart: the ends, moved inside, reach
// their neighbours, and a caption printed first covers some in the middle.
TEST_F(PictureLabelsTest, NumbersThatWouldRunTogetherAreLeftOutAndTheEndsKept) {
  const std::vector<std::string> numbers = {"-0,75", "-0,5", "-0,25", "0", "0,25", "0,5", "0,75"};
  const std::string caption = "азимут";
  ui::PictureBox& p = newPicture(180, 20);
  p.Scale(-3, 1, 3, -1);
  ui::PictureLabels labels(p);
  ASSERT_TRUE(labels.print(-0.6, 1, caption));
  std::vector<ui::AxisLabel> row;
  for (int i = -3; i <= 3; ++i) row.push_back({i - 0.2, 1, numbers[i + 3]});
  labels.printAxis(row);

  // Runs of inked columns split where a blank's width stays clear; each run
  // must be the whole ink of one label.
  const QImage& image = p.image();
  const int blank = static_cast<int>(std::lround(newPicture(10, 10).TextWidth(" ")));
  std::vector<QRect> runs;
  int clear = blank;
  for (int x = 0; x < image.width(); ++x) {
    const QRect column = inkWithin(image, QRect(x, 0, 1, image.height()));
    if (column.isEmpty()) {
      ++clear;
      continue;
    }
    if (clear < blank && !runs.empty())
      runs.back() |= column;
    else
      runs.push_back(column);
    clear = 0;
  }
  std::vector<std::string> read;
  for (const QRect& run : runs) {
    std::string match = "?";
    for (const std::string& text : numbers)
      if (sameInk(image, run, freeInk(text))) match = text;
    if (sameInk(image, run, freeInk(caption))) match = caption;
    read.push_back(match);
  }
  ASSERT_GE(read.size(), 3u);
  EXPECT_EQ(read.front(), "-0,75");
  EXPECT_EQ(read.back(), "0,75");
  EXPECT_NE(std::find(read.begin(), read.end(), caption), read.end());
  EXPECT_EQ(std::find(read.begin(), read.end(), "?"), read.end()) << "labels run together";
}

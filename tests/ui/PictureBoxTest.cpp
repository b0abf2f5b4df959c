// Drawing in user coordinates, the persistent image, printing, mouse presses
// and bitmap files.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <tuple>

#include "DemoForm.h"
#include "core/runtime/RuntimeError.h"
#include "ui/PassDrawing.h"
#include "ui/UserActions.h"

namespace {

constexpr double pi = std::numbers::pi;
const int32_t white = RGB(255, 255, 255);
const int32_t red = RGB(255, 0, 0);
const int32_t green = RGB(0, 200, 0);
const int32_t blue = RGB(0, 0, 255);
const int32_t yellow = RGB(240, 240, 0);

int32_t colourAt(const QImage& image, int x, int y) {
  const QRgb pixel = image.pixel(x, y);
  return RGB(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

// True when a pixel within one pixel of (x, y) has the colour: where a
// curve passes, its rasterisation may lie one pixel to either side.
bool colourNear(const QImage& image, int x, int y, int32_t colour) {
  for (int dx = -1; dx <= 1; ++dx)
    for (int dy = -1; dy <= 1; ++dy)
      if (colourAt(image, x + dx, y + dy) == colour) return true;
  return false;
}

int pixelsNotOf(const QImage& image, int32_t colour) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) count += colourAt(image, x, y) != colour;
  return count;
}

// 200 x 200 pixels for x from -10 to 10 and y from 10 (top) down to -10:
// ten pixels a unit, the point (x, y) on pixel ((x + 10) * 10, (10 - y) * 10).
class PictureTest : public FormsTest {
 protected:
  void SetUp() override {
    FormsTest::SetUp();
    picture_ = std::make_unique<ui::PictureBox>(&demoForm<3>(), 200, 200);
    picture().Scale(-10, 10, 10, -10);
  }
  void TearDown() override {
    picture_.reset();
    FormsTest::TearDown();
  }
  ui::PictureBox& picture() { return *picture_; }

 private:
  std::unique_ptr<ui::PictureBox> picture_;
};

}  // namespace

TEST_F(PictureTest, FiguresLandOnTheirPixelsWithYPointingUp) {
  ui::PictureBox& p = picture();
  EXPECT_EQ(p.ScaleWidth(), 20);
  EXPECT_EQ(p.ScaleHeight(), -20);
  p.Line(-5, 0, 5, 0, red);
  p.PSet(0, 5, green);
  p.Line(1, 1, 3, 3, blue, ui::LineShape::FilledBox);
  p.Line(-8, -2, -6, -4, red, ui::LineShape::Box);
  p.Circle(-5, -5, 2, blue);
  p.setFillStyle(ui::Fill::Solid);
  p.setFillColor(yellow);
  p.Circle(5, -5, 1, red);
  const QImage& image = p.image();

  struct Point {
    const char* what;
    int x, y;
    int32_t colour;
  };
  const Point points[] = {
      {"line start", 50, 100, red},        {"line middle", 100, 100, red},
      {"line end", 150, 100, red},         {"above the line", 100, 99, white},
      {"point at y = 5", 100, 50, green},  {"mirror of the point", 100, 150, white},
      {"filled box corner", 110, 70, blue}, {"filled box corner", 130, 90, blue},
      {"filled box inside", 120, 80, blue}, {"left of the box", 109, 80, white},
      {"box edge", 20, 130, red},          {"box edge", 30, 140, red},
      {"inside the open box", 30, 130, white}, {"open circle centre", 50, 150, white},
      {"filled circle centre", 150, 150, yellow},
  };
  for (const Point& point : points) {
    SCOPED_TRACE(point.what);
    EXPECT_EQ(colourAt(image, point.x, point.y), point.colour);
  }
  for (auto [x, y] : {std::pair{70, 150}, {30, 150}, {50, 130}, {50, 170}})
    EXPECT_TRUE(colourNear(image, x, y, blue)) << x << "," << y;
}

TEST_F(PictureTest, ASavedBitmapHoldsThePictureAtItsFullSize) {
  ui::PictureBox& p = picture();
  p.Line(-10, 10, 9.9, -9.9, red);
  p.Line(0, 0, 2, -2, blue, ui::LineShape::FilledBox);
  QTemporaryDir folder;
  const std::string path = folder.filePath("Celvan1.bmp").toStdString();
  SavePicture(p, path);
  SavePicture(p, path);  // an existing file is replaced

  QFile file(QString::fromStdString(path));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.read(2), QByteArray("BM"));
  const QImage saved(QString::fromStdString(path));
  ASSERT_EQ(saved.size(), QSize(200, 200));
  EXPECT_EQ(colourAt(saved, 0, 0), red);
  EXPECT_EQ(colourAt(saved, 110, 110), blue);
  EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), p.image());

  EXPECT_THROW(SavePicture(p, folder.filePath("Нет/Celvan1.bmp").toStdString()), RuntimeError);
}

TEST_F(PictureTest, RedrawingInTheBackgroundColourLeavesNoTrace) {
  ui::PictureBox& p = picture();
  p.setFillStyle(ui::Fill::Solid);
  auto drawEverything = [&p](int32_t lineColour, int32_t fillColour, int32_t textColour) {
    p.setFillColor(fillColour);
    p.Line(-9.3, 7.1, 8.7, -3.3, lineColour);
    p.Line(-2.2, -2.2, 3.7, 1.9, lineColour, ui::LineShape::Box);
    p.Line(4.1, 4.1, 6.3, 8.2, lineColour, ui::LineShape::FilledBox);
    p.Circle(-4.37, 3.11, 0.06, lineColour);
    p.Circle(-4.37, -3.11, 2.45, lineColour);
    p.Circle(-5, 6, 3, lineColour, {.aspect = 0.5});
    p.Circle(5, -6, 2.2, lineColour, {.start = -0.3, .end = -2.5});
    p.Circle(5, -6, 3.3, lineColour, {.start = 4.0, .end = 1.0});
    p.PSet(7.77, -8.88, lineColour);
    p.setDrawWidth(3);
    p.Line(-9, -9, -1, -7, lineColour);
    p.PSet(9, 9, lineColour);
    p.setDrawWidth(1);
    p.setForeColor(textColour);
    p.setCurrentX(-9.5);
    p.setCurrentY(-7.5);
    p.Print("E0sys (Дж)=  -1,5E+33\nвторая строка");
  };
  // Drawn from a click, as windows draw: the drawing itself must raise no
  // floating-point flag that the event edge would report as an error.
  DemoForm<3>& form = demoForm<3>();
  form.Show();
  form.alsoOnCommand1 = [&] { drawEverything(red, blue, green); };
  ui::clickAsUser(form.Command1);
  ASSERT_GT(pixelsNotOf(p.image(), white), 1000);
  form.alsoOnCommand1 = [&] { drawEverything(white, white, white); };
  ui::clickAsUser(form.Command1);
  EXPECT_EQ(pixelsNotOf(p.image(), white), 0);
  EXPECT_EQ(boxes.count(), 0);
}

// A run's passes while the window holds its drawing: marks painted over in
// white at their last place and drawn at the next, rays from a centre, a
// trail of points, texts and arcs in between. Whatever the window shows or
// the program reads, during the run and after it, is what drawing every
// figure at once gives.
TEST_F(PictureTest, AHeldPictureIsWhatDrawingEveryFigureAtOnceGives) {
  ui::PictureBox& p = picture();
  const auto passes = [&p](int from, int to) {
    for (int k = from; k < to; ++k) {
      const double x = 8 * std::cos(0.13 * k), y = 6 * std::sin(0.17 * k);
      const double lastX = 8 * std::cos(0.13 * (k - 1)), lastY = 6 * std::sin(0.17 * (k - 1));
      p.setFillStyle(ui::Fill::Solid);
      for (const auto& [atX, atY, colour] : {std::tuple{lastX, lastY, white}, std::tuple{x, y, red}}) {
        p.setFillColor(colour);
        p.Circle(atX, atY, 0.23, colour);
        p.Circle(0.1, 0.1, 0.6, colour);  // a mark that stays where it is
        p.Line(0, 0, atX * 1.1, atY * 1.1, colour == white ? white : blue);
      }
      if (k % 5 == 0) {  // a disc, then its outline alone in another colour
        p.setFillColor(red);
        p.Circle(x / 3, y / 3, 0.5, red);
        p.setFillStyle(ui::Fill::Transparent);
        p.Circle(x / 3, y / 3, 0.5, green);
      }
      p.setFillStyle(ui::Fill::Transparent);
      p.Circle(x / 2, y / 2, 0.4, green);
      p.PSet(0.05 * k - 9, 0.3 * y, yellow);
      p.Line(x, -9, x + 0.5, -8.5, k % 2 == 0 ? blue : white, ui::LineShape::FilledBox);
      p.setDrawWidth(3);
      p.PSet(-y, x, k % 3 == 0 ? white : green);
      p.setDrawWidth(1);
      if (k % 7 == 0) {
        p.setCurrentX(x - 0.5);
        p.setCurrentY(y + 0.5);
        p.Print(std::to_string(k));
        p.Circle(-5, 5, 1 + 0.1 * k, red, {.start = 0.5, .end = 2.5});
      }
    }
  };
  passes(0, 60);
  const QImage atOnce = p.image().copy();
  ASSERT_GT(pixelsNotOf(atOnce, white), 500);

  p.Cls();
  p.Line(-10, 10, 10, -10, red);  // cleared away below
  p.Cls();
  DemoForm<3>& form = demoForm<3>();
  form.Show();
  {
    const ui::HeldDrawing held(form);
    passes(0, 30);
    form.showHeldDrawing();
    passes(30, 45);
    const QImage midway = p.image().copy();
    passes(45, 60);
    EXPECT_EQ(p.image(), atOnce);
    p.Cls();
    passes(0, 45);
    EXPECT_EQ(p.image(), midway);
    passes(45, 60);
  }
  EXPECT_EQ(p.image(), atOnce);
}

// A figure put back through a stamp leaves the picture, its pen and its
// print position as drawing it again does, whatever lies under it, and is
// drawn anew when the caller's key or the picture's settings change.
TEST_F(PictureTest, AStampedFigureEndsAsTheSameFigureDrawnAgain) {
  ui::PictureBox& stamped = picture();
  ui::PictureBox drawn(&demoForm<3>(), 200, 200);
  drawn.Scale(-10, 10, 10, -10);
  const int32_t black = RGB(0, 0, 0);
  // Black and white ink among the figure's colours.
  const auto figure = [black](ui::PictureBox& p, double size) {
    for (int i = -3; i <= 3; ++i) p.Line(i * size, -9, i * size, 9, i == 0 ? white : RGB(200, 200, 200));
    p.Line(-9, 0, 9, 0, black);
    p.setForeColor(black);
    p.setCurrentX(-size);
    p.setCurrentY(size);
    p.Print("dL, град " + std::to_string(size));
  };
  const auto marks = [](ui::PictureBox& p, double x) {
    p.setFillStyle(ui::Fill::Solid);
    p.setFillColor(yellow);
    p.Circle(x, 0.3, 2.5, red);
    p.setFillStyle(ui::Fill::Transparent);
  };
  ui::PictureStamp stamp;
  const auto passes = [&](bool lookAtEach, double shift) {
    for (const auto& place : {std::pair{0.0, 2.0}, {3.7, 2.0}, {-6.1, 2.0}, {1.3, 2.5}, {2.2, 2.5}}) {
      const double x = place.first, size = place.second;  // clang 14 lets no lambda capture a structured binding
      for (ui::PictureBox* p : {&stamped, &drawn}) {
        marks(*p, x + shift);
        p->setForeColor(blue);
      }
      stamped.drawStamped(stamp, size, [&] { figure(stamped, size); });
      figure(drawn, size);
      if (lookAtEach) {
        EXPECT_EQ(stamped.image(), drawn.image()) << x << " " << size;
      }
      EXPECT_EQ(stamped.CurrentX(), drawn.CurrentX());
      EXPECT_EQ(stamped.CurrentY(), drawn.CurrentY());
      EXPECT_EQ(stamped.ForeColor(), drawn.ForeColor());
    }
  };
  passes(true, 0);
  {  // the figures kept while the window holds its drawing
    DemoForm<3>& form = demoForm<3>();
    form.Show();
    const ui::HeldDrawing held(form);
    passes(false, 0.5);
    EXPECT_EQ(stamped.image(), drawn.image());
  }
  // Another scale is another figure.
  for (ui::PictureBox* p : {&stamped, &drawn}) p->Scale(-5, 5, 5, -5);
  stamped.drawStamped(stamp, 2.5, [&] { figure(stamped, 2.5); });
  figure(drawn, 2.5);
  EXPECT_EQ(stamped.image(), drawn.image());
}

TEST_F(PictureTest, TheAspectSquashesOrStretchesTheCircleAroundTheGivenRadius) {
  ui::PictureBox& p = picture();
  p.Circle(0, 0, 5, red, {.aspect = 0.5});  // 50 pixels across, 25 up
  EXPECT_TRUE(colourNear(p.image(), 150, 100, red));
  EXPECT_TRUE(colourNear(p.image(), 100, 75, red));
  EXPECT_FALSE(colourNear(p.image(), 100, 50, red));
  p.Cls();
  p.Circle(0, 0, 5, red, {.aspect = 2});  // the radius given is the vertical one
  EXPECT_TRUE(colourNear(p.image(), 100, 50, red));
  EXPECT_TRUE(colourNear(p.image(), 125, 100, red));
  EXPECT_FALSE(colourNear(p.image(), 150, 100, red));
}

TEST_F(PictureTest, ANegativeArcAngleAlsoDrawsTheRadiusToThatEnd) {
  struct Case {
    double start, end;
    bool radiusUp, radiusLeft;
  };
  const Case cases[] = {{pi / 2, pi, false, false},
                        {-pi / 2, pi, true, false},
                        {pi / 2, -pi, false, true},
                        {-pi / 2, -pi, true, true}};
  ui::PictureBox& p = picture();
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.start) + " .. " + std::to_string(c.end));
    p.Cls();
    p.Circle(0, 0, 5, red, {.start = c.start, .end = c.end});
    EXPECT_TRUE(colourNear(p.image(), 65, 65, red));     // the arc at 135 degrees
    EXPECT_FALSE(colourNear(p.image(), 135, 135, red));  // nothing at 315 degrees
    EXPECT_EQ(colourAt(p.image(), 100, 75) == red, c.radiusUp);
    EXPECT_EQ(colourAt(p.image(), 75, 100) == red, c.radiusLeft);
  }
  EXPECT_THROW(p.Circle(0, 0, 1, red, {.start = 7}), RuntimeError);
}

TEST_F(PictureTest, PrintGoesBackToTheLeftAndOneLineDownAfterEachText) {
  ui::PictureBox& p = picture();
  p.setCurrentX(-9);
  p.setCurrentY(9);
  p.Print("Alfa");
  const double lineHeight = 9 - p.CurrentY();  // y points up: down is less
  EXPECT_GT(lineHeight, 0.5);
  EXPECT_LT(lineHeight, 3);
  EXPECT_EQ(p.CurrentX(), -10);
  p.setCurrentX(0);
  p.Print("два\nряда");
  EXPECT_NEAR(p.CurrentY(), 9 - 3 * lineHeight, 1e-9);
  EXPECT_GT(pixelsNotOf(p.image(), white), 0);
}

TEST_F(PictureTest, NumbersArePrintedWithABlankInPlaceOfAPlusSign) {
  struct Case {
    double number;
    const char* text;
  };
  const Case cases[] = {{5, " 5"}, {-5, "-5"}, {0, " 0"}, {2.5, " 2,5"}, {-0.001, "-0,001"}};
  ui::PictureBox& asNumber = picture();
  ui::PictureBox asText(&demoForm<3>(), 200, 200);
  asText.Scale(-10, 10, 10, -10);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    asNumber.Cls();
    asText.Cls();
    asNumber.Print(c.number);
    asText.Print(c.text);
    EXPECT_EQ(asNumber.image(), asText.image());
  }
}

TEST_F(PictureTest, AMousePressReportsTheButtonAndTheUserCoordinates) {
  ui::PictureBox& p = picture();
  demoForm<3>().Show();
  double seenX = 0, seenY = 0;
  int seenButton = 0;
  p.onMouseDown([&](int button, int shift, double x, double y) {
    seenButton = button;
    seenX = x;
    seenY = y;
  });
  ui::pressMouseAsUser(p, 2.5, -3, 2);
  EXPECT_EQ(seenButton, 2);
  EXPECT_NEAR(seenX, 2.5, 0.1);  // one pixel is a tenth of a unit
  EXPECT_NEAR(seenY, -3, 0.1);
}

TEST_F(PictureTest, ResizingKeepsWhatIsDrawnWhereItFitsAndKeepsTheUserScale) {
  ui::PictureBox& p = picture();
  p.PSet(-9, -9, red);  // pixel (10, 190)
  p.setSizePixels(300, 400);
  EXPECT_EQ(p.widthPixels(), 300);
  EXPECT_EQ(colourAt(p.image(), 10, 190), red);
  EXPECT_EQ(colourAt(p.image(), 299, 399), white);
  EXPECT_EQ(p.ScaleWidth(), 20);
  EXPECT_EQ(p.ScaleHeight(), -20);
  p.setSizePixels(100, 100);
  EXPECT_EQ(p.image().size(), QSize(100, 100));
  p.setSizePixels(200, 200);
  EXPECT_EQ(colourAt(p.image(), 10, 190), white);  // cut off by the small size
}

TEST_F(PictureTest, APictureInsideAnotherIsPannedByItsLeftAndTop) {
  ui::PictureBox frame(&demoForm<3>(), 100, 80);
  ui::PictureBox& plot = picture();
  frame.embed(plot);
  plot.Line(5, -5, 10, -10, red, ui::LineShape::FilledBox);  // pixels 150..200
  plot.setLeftPixels(-150);
  plot.setTopPixels(-150);
  EXPECT_EQ(plot.leftPixels(), -150);
  const QImage seen = frame.widget()->grab().toImage();
  EXPECT_EQ(colourAt(seen, 10, 10), red);
  EXPECT_EQ(colourAt(seen, 60, 60), frame.BackColor());  // beyond the plot's edge
}

TEST(PictureUnits, ColoursAndTwips) {
  EXPECT_EQ(RGB(255, 0, 0), 255);
  EXPECT_EQ(RGB(0, 255, 0), 65280);
  EXPECT_EQ(RGB(0, 0, 255), 16711680);
  EXPECT_EQ(RGB(1, 0, 0), 1);
  EXPECT_EQ(RGB(300, -5, 0), 255);
  EXPECT_EQ(ui::twipsToPixels(3735), 249);
  EXPECT_EQ(ui::twipsToPixels(6765), 451);
  EXPECT_EQ(ui::twipsToPixels(15), 1);
}

TEST_F(PictureTest, APositionFarOutsideThePictureIsAnOverflowAndNearerOnesAreClipped) {
  ui::PictureBox& p = picture();
  p.setFillStyle(ui::Fill::Solid);
  p.setFillColor(blue);
  p.Line(-1e5, 0, 1e5, 0, red);  // a million pixels beyond each edge
  p.Circle(0, -1e5 - 5, 1e5, red);  // a huge filled circle reaching into view
  p.Circle(5e5, 0, 1, red);
  EXPECT_EQ(colourAt(p.image(), 0, 100), red);
  EXPECT_EQ(colourAt(p.image(), 100, 190), blue);

  struct Case {
    const char* what;
    std::function<void()> draw;
  };
  const double huge = 1e9;
  const Case cases[] = {
      {"line end", [&] { p.Line(0, 0, huge, 0, red); }},
      {"point", [&] { p.PSet(0, -huge, red); }},
      {"circle centre", [&] { p.Circle(huge, 0, 1, red); }},
      {"circle radius", [&] { p.Circle(0, 0, huge, red); }},
      {"not a number", [&] { p.Line(0, 0, std::nan(""), 0, red); }},
      {"print position", [&] { p.setCurrentX(huge); p.Print("x"); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    try {
      c.draw();
      ADD_FAILURE() << "drawn without an error";
    } catch (const RuntimeError& error) {
      EXPECT_EQ(error.code(), ErrorCode::Overflow);
    }
  }
  EXPECT_THROW(p.Circle(0, 0, 1, red, {.aspect = 0}), RuntimeError);
}

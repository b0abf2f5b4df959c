// The test bench's picture at its user scale: −10..10 both ways with y
// upward, positions at metres / ImageScale (the scale bar's value × 10^8 m
// per unit), the grid, the bodies in their colours, the traces of a press,
// and the scale bar that wipes what the presses drew.
#include <QImage>

#include <cmath>
#include <cstdint>
#include <string>

#include "tests/windows/model/Form7Fixture.h"

using namespace bench_test;

namespace {

int32_t colourOf(int body) { return RGB(Main.ColorR[body], Main.ColorG[body], Main.ColorB[body]); }

int32_t pixelColour(const QImage& image, int x, int y) {
  const QRgb p = image.pixel(x, y);
  return RGB(qRed(p), qGreen(p), qBlue(p));
}

// True when a pixel of the colour lies within `reach` pixels of the picture
// point (x, y) in user units.
bool colourNear(const ui::PictureBox& picture, double x, double y, int32_t colour, int reach = 1) {
  const QImage& image = picture.image();
  const int px = static_cast<int>(std::lround((x + 10) * image.width() / 20));
  const int py = static_cast<int>(std::lround((10 - y) * image.height() / 20));
  for (int dx = -reach; dx <= reach; ++dx)
    for (int dy = -reach; dy <= reach; ++dy) {
      const int ix = px + dx, iy = py + dy;
      if (ix >= 0 && iy >= 0 && ix < image.width() && iy < image.height() && pixelColour(image, ix, iy) == colour)
        return true;
    }
  return false;
}

int countOf(const ui::PictureBox& picture, int32_t colour) {
  const QImage& image = picture.image();
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) count += pixelColour(image, x, y) == colour;
  return count;
}

double units(double metres) { return metres / Main.ImageScale; }

}  // namespace

TEST_F(Form7Test, ScaleBarGivesTheScaleInMillionsOfKmPerUnit) {
  Form7& form = openBench();
  struct Case {
    int value;
    const char* label;
  };
  for (const Case& c : {Case{1, "Масштаб = 0,1 млн.км/см"}, Case{140, "Масштаб = 14 млн.км/см"},
                        Case{2505, "Масштаб = 250,5 млн.км/см"}, Case{10000, "Масштаб = 1000 млн.км/см"}}) {
    SCOPED_TRACE(c.value);
    form.HScroll1.setValue(c.value);
    EXPECT_EQ(form.Label23.Caption(), c.label);
    EXPECT_EQ(Main.ImageScale, c.value * 1e8);
  }
  // The picture scale is shared: the model window takes its own when it is
  // activated, the bench its own again on its activation.
  ui::activateAsUser(form2());
  EXPECT_EQ(Main.ImageScale, 3e11);
  ui::activateAsUser(form);
  EXPECT_EQ(Main.ImageScale, 10000 * 1e8);
}

// The grid: a light grey line at every whole unit, the axes darker.
TEST_F(Form7Test, GridLinesStandAtEveryWholeUnit) {
  Form7& form = openBench();
  form.DrawGrid();
  const int32_t grid = RGB(200, 200, 200), axis = RGB(100, 100, 100), white = RGB(255, 255, 255);
  for (const int unit : {-9, -4, 3, 7}) {
    SCOPED_TRACE(unit);
    EXPECT_TRUE(colourNear(form.Picture1, unit, 2.5, grid, 0));
    EXPECT_TRUE(colourNear(form.Picture1, 2.5, unit, grid, 0));
  }
  EXPECT_TRUE(colourNear(form.Picture1, 0, 4.5, axis, 0));
  EXPECT_TRUE(colourNear(form.Picture1, -6.5, 0, axis, 0));
  EXPECT_TRUE(colourNear(form.Picture1, 2.5, 3.5, white, 0));
}

// The bodies at their positions / ImageScale in their colours, with the
// mean orbits about the Sun in the plan view only.
TEST_F(Form7Test, PairIsDrawnAtItsPositionsOverTheScale) {
  Form7& form = openBench();
  type(form.Text2, "200");
  type(form.Text23, "100000");  // short force arrows
  for (const bool planView : {true, false}) {
    SCOPED_TRACE(planView ? "XY" : "XZ");
    click(planView ? form.Option1 : form.Option2);
    form.HScroll1.setValue(planView ? 140 : 150);  // a clean picture, both bodies in it
    click(form.Command1);
    ASSERT_EQ(boxes.count(), 0);
    for (const int body : {1, 2}) {
      const double x = units(Main.X[body]), y = units(planView ? Main.Y[body] : Main.Z[body]);
      EXPECT_TRUE(colourNear(form.Picture1, x + 0.15, y, colourOf(body)));
      EXPECT_TRUE(colourNear(form.Picture1, x, y - 0.15, colourOf(body)));
    }
    // The far side of Mercury's mean orbit, away from both bodies.
    EXPECT_EQ(colourNear(form.Picture1, -units(Main.Rsr[1]), 0, colourOf(1)), planView);
  }
}

// A press draws the traces: without "учитывать DX" the trace circles lie on
// the bodies, nearly black in the plan view. Moving the scale bar wipes them.
TEST_F(Form7Test, TracesOfAPressLieOnTheBodiesUntilTheScaleChanges) {
  Form7& form = openBench();
  form.Check4.setValue(0);
  click(form.Command1);
  const int32_t traceColour = 1;
  EXPECT_EQ(countOf(form.Picture1, traceColour), 0);
  click(form.Command3);
  ASSERT_EQ(boxes.count(), 0);
  for (const int body : {1, 2})
    EXPECT_TRUE(colourNear(form.Picture1, units(Main.X[body]) + 0.15, units(Main.Y[body]), traceColour));
  ui::stepAsUser(form.HScroll1, 1);
  EXPECT_EQ(countOf(form.Picture1, traceColour), 0);
  for (const int body : {1, 2})
    EXPECT_TRUE(colourNear(form.Picture1, units(Main.X[body]) + 0.15, units(Main.Y[body]), colourOf(body)));
}

// A force or velocity arrow that would end too far outside the picture (a
// tiny MF) ends the press with the message.
TEST_F(Form7Test, ArrowFarOutsideThePictureIsRefused) {
  Form7& form = openBench();
  type(form.Text23, "1E-20");
  click(form.Command1);
  expectBadDataMessage();
}

// The history's working printed over the window's note at the top clears
// its place: the line's area holds its own ink alone, as on a clean picture.
TEST_F(Form7Test, WorkingPrintedOverTheNoteClearsItsPlace) {
  Form7& form = openBench();
  ui::PictureBox& picture = form.Picture1;
  const std::string line = "kmax= " + Str(Main.HistoryPoints);
  click(form.Command1);
  const QRect area = picture.printedInk(line).translated(
      static_cast<int>(std::lround((-2 - picture.ScaleLeft()) * picture.widthPixels() / picture.ScaleWidth())),
      static_cast<int>(std::lround((10 - picture.ScaleTop()) * picture.heightPixels() / picture.ScaleHeight())));
  const QImage printed = picture.image().copy(area);
  picture.Cls();
  picture.setCurrentX(-2);
  picture.setCurrentY(10);
  picture.Print(line);
  EXPECT_TRUE(printed == picture.image().copy(area));
}

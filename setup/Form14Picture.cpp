// Form14's pictures: the grid and the constructions of the ellipse, the
// eccentric and the equant in Picture1, the grid of the graph in Picture3.
#include "core/runtime/ErrorTrap.h"
#include "core/state/SharedState.h"
#include "setup/Form14.h"
#include "setup/Form14Texts.h"

namespace {

// The near-black of the deferent, the axes and the epicycle lines.
constexpr int32_t kNearBlack = 1;
// Radius of the marks at the bodies and points, picture units.
constexpr double kMarkRadius = 0.1;

int32_t white() { return RGB(255, 255, 255); }
int32_t red() { return RGB(255, 0, 0); }
int32_t blue() { return RGB(0, 0, 255); }
int32_t green() { return RGB(0, 220, 0); }

// A unit grid over the picture: the lines x = i and y = j over the whole
// ranges, then the axes through the origin.
void drawUnitGrid(ui::PictureBox& picture, int xLow, int xHigh, int yLow, int yHigh) {
  const int32_t grey = RGB(200, 200, 200);
  for (int j = yLow; j <= yHigh; ++j) picture.Line(-xHigh, j, xHigh, j, grey);
  for (int i = xLow; i <= xHigh; ++i) picture.Line(i, yLow, i, yHigh, grey);
}

void printAt(ui::PictureBox& picture, double x, double y, const char* text, int32_t colour) {
  picture.setForeColor(colour);
  picture.setCurrentX(x);
  picture.setCurrentY(y);
  picture.Print(text);
}

}  // namespace

// Command8_Click "Очистить рисунки": both pictures cleared, scaled and
// given their grids.
void Form14::Command8_Click() {
  Picture1.Cls();
  Picture1.Scale(-10, 10, 14, -10);
  DrawOrbitGrid();
  Picture3.Cls();
  Picture3.Scale(0, 4, 16, -4);
  DrawTimeGrid();
}

// DrawOrbitGrid: the unit grid of Picture1 in grey, the axes near-black.
void Form14::DrawOrbitGrid() {
  drawUnitGrid(Picture1, -10, 14, -10, 10);
  Picture1.Line(-10, 0, 14, 0, kNearBlack);
  Picture1.Line(0, 10, 0, -10, kNearBlack);
}

// DrawTimeGrid: the unit grid of Picture3 in grey, the time axis darker.
void Form14::DrawTimeGrid() {
  drawUnitGrid(Picture3, 0, 16, -4, 4);
  Picture3.Line(0, 0, 16, 0, RGB(120, 120, 120));
}

// DrawComparisonScene: the marks of the previous pass erased in white, the
// current positions kept as the previous ones, then the deferent, the
// ellipse with its body and the eccentric construction with its body, all
// at Mx thousand km per picture unit.
// Notes:    A drawing error (Mx = 0, a figure far outside the picture):
//           "Ошибка при рисовании" (title "Celvan7.0") and false, so that the
//           loop ends with that one message instead of repeating it at every
//           pass.
bool Form14::DrawComparisonScene() {
  return withErrorTrap(form14text::kDrawError, form14text::kTitle, [&] {
    eraseLastScene();
    for (int i = 0; i <= 3; ++i) {
      Main.Xsled[i] = Main.X[i];
      Main.Ysled[i] = Main.Y[i];
    }
    drawDeferentAndEllipse();
    drawEccentric();
  });
}

// eraseLastScene: the marks at the previous bodies and construction points
// drawn over in white.
void Form14::eraseLastScene() {
  const double m = Main.Mx;
  for (int i = 0; i <= 1; ++i) {
    Picture1.Circle(Main.Xsled[i] / m, Main.Ysled[i] / m, kMarkRadius, white());
    Picture1.Line(0, 0, Main.Xsled[i] / m, Main.Ysled[i] / m, white());
  }
  if (Option2.Value()) {
    drawEquantRay(Main.Xsled[2], Main.Ysled[2], white());
  } else {
    drawSimpleEccentricEpicycle(Main.Xsled[3], Main.Ysled[3], Main.Xsled[1], Main.Ysled[1], white(),
                                white());
  }
}

// drawDeferentAndEllipse: the deferent circle of radius R about the
// observer; the ellipse about its centre with the line to its body and a
// mark at it, in red.
void Form14::drawDeferentAndEllipse() {
  const double m = Main.Mx;
  const double R = Main.ScratchRadius;
  Picture1.Circle(0, 0, R / m, kNearBlack);
  printAt(Picture1, -9, 10, "деферент (эклиптика)", RGB(0, 0, 0));
  printAt(Picture1, 0.5, 10, "эллипс ", red());
  Picture1.Circle(CentreX[0] / m, CentreY[0] / m, R / m, red(), {.aspect = Main.TopoRadius / R});
  Picture1.Line(0, 0, Main.X[0] / m, Main.Y[0] / m, red());
  Picture1.Circle(Main.X[0] / m, Main.Y[0] / m, kMarkRadius, red());
}

// drawEccentric: the eccentric circle about its centre with its vertical
// line, the line to its body and a mark at it, in blue; then the simple
// eccentric's epicycle or the equant's construction.
void Form14::drawEccentric() {
  const double m = Main.Mx;
  const double R = Main.ScratchRadius;
  const double cx = CentreX[1] / m;
  const double cy = CentreY[1] / m;
  Picture1.Circle(cx, cy, R / m, blue());
  Picture1.Line(cx, 10, cx, -10, blue());
  Picture1.Line(0, 0, Main.X[1] / m, Main.Y[1] / m, blue());
  Picture1.Circle(Main.X[1] / m, Main.Y[1] / m, kMarkRadius, blue());
  if (Option2.Value()) {
    printAt(Picture1, 7, 10, "эквант", green());
    printAt(Picture1, 0.5, 9, "эксцентр", blue());
    const double ex = CentreX[2] / m;
    const double ey = CentreY[2] / m;
    Picture1.Circle(ex, ey, R / m, green());
    Picture1.Line(ex, 10, ex, -10, green());
    drawEquantRay(Main.X[2], Main.Y[2], green());
  } else {
    printAt(Picture1, 7, 10, "эксцентр", blue());
    drawSimpleEccentricEpicycle(Main.X[3], Main.Y[3], Main.X[1], Main.Y[1], kNearBlack, blue());
  }
}

// drawSimpleEccentricEpicycle: the epicycle of radius e2 R about the point
// of the circle (thousand km), the line from the observer to twice that
// point, the epicycle's radius along +x and a mark at the point, in
// lineColour; the line from the eccentric centre through the eccentric body
// (bodyX, bodyY) to twice the body's distance, in eccentricColour.
void Form14::drawSimpleEccentricEpicycle(double circleX, double circleY, double bodyX,
                                         double bodyY, int32_t lineColour,
                                         int32_t eccentricColour) {
  const double m = Main.Mx;
  const double px = circleX / m;
  const double py = circleY / m;
  Picture1.Circle(px, py, Main.SunRadius / m, lineColour);
  Picture1.Line(0, 0, 2 * px, 2 * py, lineColour);
  Picture1.Line(px, py, px + Main.SunRadius / m, py, lineColour);
  Picture1.Circle(px, py, kMarkRadius, lineColour);
  const double cx = CentreX[1] / m;
  const double cy = CentreY[1] / m;
  const double bx = bodyX / m;
  const double by = bodyY / m;
  Picture1.Line(cx, cy, cx + 2 * (bx - cx), cy + 2 * (by - cy), eccentricColour);
}

// drawEquantRay: the line from the equant through the point of the
// construction (thousand km) to twice its distance, and a mark at the point.
void Form14::drawEquantRay(double pointX, double pointY, int32_t colour) {
  const double m = Main.Mx;
  const double ex = CentreX[2] / m;
  const double ey = CentreY[2] / m;
  const double px = pointX / m;
  const double py = pointY / m;
  Picture1.Line(ex, ey, ex + 2 * (px - ex), ey + 2 * (py - ey), colour);
  Picture1.Circle(px, py, kMarkRadius, colour);
}

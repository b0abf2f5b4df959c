// The picture of Form1: the bodies seen from the north ecliptic pole on a
// grey unit grid, one picture unit = ImageScale metres, set by the scroll
// bar under the picture.
#include "core/runtime/NumberText.h"
#include "core/state/SharedState.h"
#include "setup/Form1.h"

namespace {

// The field of the picture in user units: x -10..10, y -10..12 (y up); the
// strip above y = 10 holds the side view of the orbit check.
constexpr double kLeft = -10, kTop = 12, kRight = 10, kBottom = -10;
constexpr double kSideViewAxisY = 11;
// Half the length of the arms of the centre-of-mass cross, picture units.
constexpr double kCrossArm = 1;

// Metres per picture unit for one step of the scroll bar (3000 steps: 3e11 m,
// 300 million km).
constexpr double kMetresPerScaleStep = 1e5 * 1e3;

int32_t gridColour() { return RGB(120, 120, 120); }
int32_t axisColour() { return RGB(220, 220, 220); }

}  // namespace

// DrawOrbitPicture: grid, axes and every object 0..LastObjectIndex (taking
// part or not) at its current X, Y; no clearing, no scale call.
// Reads:    Main.X, Main.Y, Main.ImageScale, Main.ColorR/G/B, LastObjectIndex
void Form1::DrawOrbitPicture() {
  // Every horizontal unit line across the field and every vertical one over
  // the full height of the grid (-12..12).
  for (int k = -10; k <= 12; ++k) Picture1.Line(kLeft, k, kRight, k, gridColour());
  for (int i = -10; i <= 10; ++i) Picture1.Line(i, -12, i, 12, gridColour());
  Picture1.Line(kLeft, 0, kRight, 0, axisColour());
  Picture1.Line(0, kTop, 0, kBottom, axisColour());
  Picture1.Line(kLeft, kSideViewAxisY, kRight, kSideViewAxisY, axisColour());
  for (int i = 0; i <= Main.LastObjectIndex; ++i) {
    const int32_t colour = RGB(Main.ColorR[i], Main.ColorG[i], Main.ColorB[i]);
    Picture1.Circle(Main.X[i] / Main.ImageScale, Main.Y[i] / Main.ImageScale, kBodyMarkRadius,
                    colour);
  }
}

// drawInBothViews: the plan view at (x, y) / ImageScale and the side view
// at (x / ImageScale, z / ImageScale + 11), the axis of the top strip.
void Form1::drawInBothViews(const Vector3& position, double radius, int32_t colour) {
  const double x = position.x / Main.ImageScale;
  Picture1.Circle(x, position.y / Main.ImageScale, radius, colour);
  Picture1.Circle(x, position.z / Main.ImageScale + kSideViewAxisY, radius, colour);
}

// drawCentreOfMassCross: a vertical and a horizontal line through
// (x, y) / ImageScale, one unit to each side.
void Form1::drawCentreOfMassCross(double x, double y, int32_t colour) {
  const double px = x / Main.ImageScale;
  const double py = y / Main.ImageScale;
  Picture1.Line(px, py - kCrossArm, px, py + kCrossArm, colour);
  Picture1.Line(px - kCrossArm, py, px + kCrossArm, py, colour);
}

double Form1::imageScaleFromScrollBar() const { return HScroll1.Value() * kMetresPerScaleStep; }

void Form1::redrawOrbitPicture() {
  Picture1.Cls();
  Picture1.Scale(kLeft, kTop, kRight, kBottom);
  DrawOrbitPicture();
}

// HScroll1_Change: the new scale in the label and in ImageScale, and the
// bodies drawn again at it in the user scale already set.
void Form1::HScroll1_Change() {
  Main.ScratchText = "Масштаб изображения=" + Str(HScroll1.Value() / 10.0) + " млн.км/см";
  Label10.setCaption(Main.ScratchText);
  Main.ImageScale = imageScaleFromScrollBar();
  Picture1.Cls();
  DrawOrbitPicture();
}

// The two views of the model window: the orbit view Picture1 (the plane of
// the ecliptic, with the side view of Z eleven units higher) and the
// overview Picture2, on which a box marks the area of the orbit view; the
// scale bar and the pan by a click on the overview.
#include "core/runtime/ErrorTrap.h"
#include "core/runtime/NumberText.h"
#include "core/state/SharedState.h"
#include "model/Form2.h"

namespace {

constexpr int32_t kGridColour = 0x464646;       // RGB(70, 70, 70)
constexpr int32_t kReferenceColour = 0x646464;  // RGB(100, 100, 100)
// Height of the side view above the plane view, picture units.
constexpr double kSideViewOffset = 11;

int32_t colourOf(int body) { return RGB(Main.ColorR[body], Main.ColorG[body], Main.ColorB[body]); }

}  // namespace

void Form2::DrawOrbits() {
  const double cx = Main.ClickX * Main.OverviewScale / Main.ImageScale;
  const double cy = Main.ClickY * Main.OverviewScale / Main.ImageScale;
  Picture1.Cls();
  Picture1.Scale(cx - 10, cy + 12, cx + 10, cy - 10);
  for (int y = -10; y <= 12; ++y) Picture1.Line(-10, y, 10, y, kGridColour);
  for (int x = -10; x <= 10; ++x) Picture1.Line(x, -12, x, 12, kGridColour);
  Picture1.Line(-10, Main.PlotOffsetY, 10, Main.PlotOffsetY, kReferenceColour);
  Picture1.Line(-10, 0, 10, 0, kReferenceColour);
  Picture1.Line(-10, kSideViewOffset, 10, kSideViewOffset, kReferenceColour);
  Picture1.Line(0, 12, 0, -10, kReferenceColour);
  const int s = Main.SecondObject;
  for (int i = 0; i <= Main.LastObjectIndex; ++i) {
    const double x = (Main.X[i] - Main.X[s]) / Main.ImageScale;
    Picture1.setFillColor(colourOf(i));
    Picture1.Circle(x, (Main.Y[i] - Main.Y[s]) / Main.ImageScale, 0.06, colourOf(i));
    Picture1.Circle(x, (Main.Z[i] - Main.Z[s]) / Main.ImageScale + kSideViewOffset, 0.06, colourOf(i));
  }
}

void Form2::DrawOverview() {
  Picture2.Cls();
  Picture2.Line(-5, 0, 5, 0, kReferenceColour);
  Picture2.Line(0, 4, 0, -4, kReferenceColour);
  for (int i = 0; i <= Main.LastObjectIndex; ++i) {
    Picture2.setFillColor(colourOf(i));
    Picture2.Circle(Main.X[i] / Main.OverviewScale, Main.Y[i] / Main.OverviewScale, 0.05, colourOf(i));
  }
  const double unit = Main.ImageScale / Main.OverviewScale;
  const double left = Main.ClickX - 10 * unit, bottom = Main.ClickY - 10 * unit;
  Picture2.Line(left, bottom, left + 20 * unit, bottom + 22 * unit, kReferenceColour, ui::LineShape::Box);
}

// HScroll1_Change: the scale of the orbit view, value × 10^8 metres per
// unit, shown in millions of km per unit; then both views are redrawn. A
// "dY, см" that is no number is refused before anything is redrawn.
void Form2::HScroll1_Change() {
  Main.ScratchText = "Масштаб = " + Str(HScroll1.Value() / 10.0) + " млн.км/см";
  Label1.setCaption(Main.ScratchText);
  Main.ImageScale = HScroll1.Value() * 1e5 * 1e3;
  if (!withErrorTrap("Задайте правильно данные", "Celvan7",
                     [this] { Main.PlotOffsetY = static_cast<float>(CDbl(Text36.Text())); }))
    return;
  DrawOrbits();
  DrawOverview();
}

// Picture2_MouseDown: a left click centres the orbit view on the point of
// the overview clicked.
void Form2::Picture2_MouseDown(int Button, int Shift, double X, double Y) {
  if (Button != 1) return;
  Main.ClickX = static_cast<float>(X);
  Main.ClickY = static_cast<float>(Y);
  DrawOrbits();
  DrawOverview();
}

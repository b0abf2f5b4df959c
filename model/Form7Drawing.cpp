// The test bench's picture: the grid, the pair with its mean orbits, the
// traces and vectors of an iteration, the scale bar, and closing the window.
// Positions are drawn at metres / ImageScale, forces at newtons / MF and
// velocities at (m/s) / MT (the velocity scale MV of this window). Nothing
// but the grid clears the picture: the drawings of the presses accumulate.
#include <utility>

#include "core/runtime/NumberText.h"
#include "core/state/SharedState.h"
#include "model/Form7.h"
#include "model/UnitGrid.h"

namespace {

// The colour value 1 (RGB 1, 0, 0), practically black: the traces in the
// plan view.
constexpr int32_t kTraceColour = 1;
constexpr double kBodyRadius = 0.15;

}  // namespace

int32_t Form7::colourOf(int body) const { return RGB(Main.ColorR[body], Main.ColorG[body], Main.ColorB[body]); }

double Form7::pictureX(double metres) const { return metres / Main.ImageScale; }

void Form7::DrawGrid() { drawUnitGrid(Picture1, RGB(100, 100, 100)); }

// DrawPair: both bodies as small circles in their colours; in the plan view
// also their mean orbits about the Sun. N1 and N2 serve other windows as
// scratch numbers too: until they name two objects of the bench (0..9) there
// is no pair to draw.
void Form7::DrawPair() {
  const int n1 = Main.N1, n2 = Main.N2;
  const auto isObject = [this](int n) { return n >= Check1.LBound() && n <= Check1.UBound(); };
  if (!isObject(n1) || !isObject(n2)) return;
  if (Option1.Value()) {
    for (const int body : {n1, n2})
      Picture1.Circle(pictureX(Main.X[body]), pictureX(Main.Y[body]), kBodyRadius, colourOf(body));
    for (const int body : {n1, n2})
      Picture1.Circle(pictureX(Main.X[0]), pictureX(Main.Y[0]), pictureX(Main.Rsr[body]), colourOf(body));
  }
  if (Option2.Value()) {
    for (const int body : {n1, n2})
      Picture1.Circle(pictureX(Main.X[body]), pictureX(Main.Z[body]), kBodyRadius, colourOf(body));
  }
}

// The picture of one press: the traces, the force on each body from the
// trace of the other (in the colour of the other) and each body's present
// velocity as its X part and its Y (or Z) part.
void Form7::drawIteration() {
  const int n1 = Main.N1, n2 = Main.N2;
  for (const bool side : {false, true}) {
    if (side ? !Option2.Value() : !Option1.Value()) continue;
    const auto& second = side ? Main.Z : Main.Y;
    const auto& secondTrace = side ? Main.Zsled : Main.Ysled;
    const auto& secondVelocity = side ? Main.VZ : Main.VY;
    for (const int body : {n1, n2})
      Picture1.Circle(pictureX(Main.Xsled[body]), pictureX(secondTrace[body]), kBodyRadius,
                      side ? colourOf(body) : kTraceColour);
    for (const auto& [body, source] : {std::pair{n1, n2}, std::pair{n2, n1}}) {
      const double x = pictureX(Main.X[body]), y = pictureX(second[body]);
      const double fy = side ? Main.ForceZ(source, body) : Main.ForceY(source, body);
      Picture1.Line(x, y, x + Main.ForceX(source, body) / Main.MF, y + fy / Main.MF, colourOf(source));
    }
    for (const int body : {n1, n2}) {
      const double x = pictureX(Main.X[body]), y = pictureX(second[body]);
      Picture1.Line(x, y, x + Main.VX[body] / Main.MT, y, colourOf(body));
      Picture1.Line(x, y, x, y + secondVelocity[body] / Main.MT, colourOf(body));
    }
  }
}

// HScroll1_Change: the scale, value × 10^8 metres (value / 10 million km)
// per unit, in the label and in ImageScale; then the grid and the pair,
// which wipes the traces and vectors of earlier presses.
void Form7::HScroll1_Change() {
  Main.ScratchText = "Масштаб = " + Str(HScroll1.Value() / 10.0) + " млн.км/см";
  Label23.setCaption(Main.ScratchText);
  Main.ImageScale = HScroll1.Value() * 1e5 * 1e3;
  DrawGrid();
  DrawPair();
}

// Command4_Click "Закрыть форму".
void Form7::Command4_Click() { Unload(); }

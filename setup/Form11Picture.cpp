// Form11's picture: the grid, the orbit circles, the scale bar, the
// constructions of the light time and of the aberrations, the plots against
// time and in the phase plane, clearing and closing.
#include <array>
#include <cmath>

#include "core/coordinates/Coordinates.h"
#include "core/runtime/NumberText.h"
#include "core/runtime/RuntimeError.h"
#include "core/state/SharedState.h"
#include "setup/Form11.h"

namespace {

constexpr int kSun = 0;
constexpr int kEarth = 3;
constexpr int kStar = 10;
constexpr int kEarthEarlier = 13;
// The near-black of the construction lines.
constexpr int32_t kNearBlack = 1;
constexpr double kMarkRadius = 0.15;
constexpr double kPointRadius = 0.01;
// Velocity arrows: one picture unit for 10 km/s whatever the scale.
constexpr double kVelocityPerUnit = 10000.0;
constexpr double kDaysPerYear = 365.25;

int32_t white() { return RGB(255, 255, 255); }
int32_t red() { return RGB(255, 0, 0); }
int32_t blue() { return RGB(0, 0, 255); }

}  // namespace

void Form11::drawUnlessFarOutside(const std::function<void()>& draw) {
  try {
    draw();
  } catch (const RuntimeError& error) {
    if (error.code() != ErrorCode::Overflow) throw;
  }
}

double Form11::planeY(int slot) const { return Option2.Value() ? Main.Z[slot] : Main.Y[slot]; }

double Form11::planeY0(int slot) const {
  return Option2.Value() ? Z0[slot] : Y0[slot];
}

double Form11::planeSled(int slot) const {
  return Option2.Value() ? Main.Zsled[slot] : Main.Ysled[slot];
}

double Form11::planeVY0(int slot) const {
  return Option2.Value() ? VZ0[slot] : VY0[slot];
}

// DrawAberrationGrid: grey lines at every whole unit, then green axes; its
// counters are the shared CurrentObject and LoopIndexK, left at 11.
void Form11::DrawAberrationGrid() {
  const int32_t grey = RGB(200, 200, 200);
  for (Main.CurrentObject = -10; Main.CurrentObject <= 10; ++Main.CurrentObject) {
    Picture1.Line(-10, Main.CurrentObject, 10, Main.CurrentObject, grey);
    Picture1.Line(Main.CurrentObject, -10, Main.CurrentObject, 10, grey);
  }
  Main.LoopIndexK = 11;
  const int32_t green = RGB(0, 255, 0);
  Picture1.Line(-10, 0, 10, 0, green);
  Picture1.Line(0, 10, 0, -10, green);
}

// DrawAberrationOrbits: in the plane XY the orbits of the Earth (blue) and
// the target (red) as circles of their mean distance about the Sun; in
// both planes marks at the two bodies.
void Form11::DrawAberrationOrbits() {
  const int t = Main.SelectedObject;
  const double s = Main.ImageScale;
  if (Option1.Value()) {
    Picture1.Circle(Main.X[kSun] / s, Main.Y[kSun] / s, Rsr[kEarth] / s, blue());
    if (t != kStar) Picture1.Circle(Main.X[kSun] / s, Main.Y[kSun] / s, Rsr[t] / s, red());
  }
  Picture1.Circle(Main.X[kEarth] / s, planeY(kEarth) / s, kMarkRadius, blue());
  Picture1.Circle(Main.X[t] / s, planeY(t) / s, kMarkRadius, red());
}

// HScroll1_Change: the new scale shown and taken; the grid and the orbits
// drawn over what the picture shows.
void Form11::HScroll1_Change() {
  Label23.setCaption("Масштаб = " + Str(HScroll1.Value() / 10.0) + " млн.км/см");
  Main.ImageScale = HScroll1.Value() * 1e8;
  DrawAberrationGrid();
  DrawAberrationOrbits();
}

// Command2_Click "Очистить".
void Form11::Command2_Click() {
  Picture1.Cls();
  DrawAberrationGrid();
}

// Command4_Click "Закрыть форму".
void Form11::Command4_Click() { Unload(); }

// drawTrueConstructions: blue cross lines through the Earth; near-black
// lines from the Earth to the target and the velocity arrows of both.
void Form11::drawTrueConstructions(int target) {
  const double s = Main.ImageScale;
  const double ex = Main.X[kEarth] / s, ey = planeY(kEarth) / s;
  const double tx = Main.X[target] / s, ty = planeY(target) / s;
  Picture1.Line(ex, 10, ex, -10, blue());
  Picture1.Line(10, ey, -10, ey, blue());
  Picture1.Line(ex, ey, tx, ty, kNearBlack);
  Picture1.Line(ex, ey, ex + VX0[kEarth] / kVelocityPerUnit,
                ey + planeVY0(kEarth) / kVelocityPerUnit, kNearBlack);
  Picture1.Line(tx, ty, tx + VX0[target] / kVelocityPerUnit,
                ty + planeVY0(target) / kVelocityPerUnit, kNearBlack);
}

// drawSourceConstructions: a red mark at the target's light-time place; the
// Sun's velocity in the moving system as an arrow from its start point; the
// line of sight from the Earth to the light-time place in red of the
// iteration's shade.
void Form11::drawSourceConstructions(int target, int shade) {
  const double s = Main.ImageScale;
  const double tx = Main.X[target] / s, ty = planeY(target) / s;
  Picture1.Circle(tx, ty, kMarkRadius, red());
  const double sunX = X0[kSun] / s, sunY = planeY0(kSun) / s;
  const double systemVY = Option2.Value() ? Main.VZsys : Main.VYsys;
  Picture1.Line(sunX, sunY, sunX + (VX0[kSun] + 1000 * Main.VXsys) / kVelocityPerUnit,
                sunY + (planeVY0(kSun) + 1000 * systemVY) / kVelocityPerUnit, kNearBlack);
  Picture1.Line(Main.X[kEarth] / s, planeY(kEarth) / s, tx, ty, RGB(shade, 0, 0));
}

// drawReceiverConstructions: the light-time place in red, the Earth one
// light time earlier in blue and the line between them in blue of the
// iteration's shade.
void Form11::drawReceiverConstructions(int target, int shade) {
  const double s = Main.ImageScale;
  const double tx = Main.X[target] / s, ty = planeY(target) / s;
  const double px = Main.X[kEarthEarlier] / s, py = planeY(kEarthEarlier) / s;
  Picture1.Circle(tx, ty, kMarkRadius, red());
  Picture1.Circle(px, py, kMarkRadius, blue());
  Picture1.Line(px, py, tx, ty, RGB(0, 0, shade));
}

// drawTotalConstructions: a green mark at the displaced place, the line of
// sight to it and its continuation beyond it by the same length.
void Form11::drawTotalConstructions(int target, int shade) {
  const double s = Main.ImageScale;
  const double tx = Main.X[target] / s, ty = planeY(target) / s;
  const double ex = Main.X[kEarth] / s, ey = planeY(kEarth) / s;
  Picture1.Circle(tx, ty, kMarkRadius, RGB(0, 150, 0));
  Picture1.Line(ex, ey, tx, ty, RGB(0, shade, 0));
  Picture1.Line(2 * tx - ex, 2 * ty - ey, tx, ty, RGB(0, shade, 0));
}

// plotAgainstTime: the ticked components against the years since the
// series' start, from the left edge.
void Form11::plotAgainstTime() {
  const double x = (Main.JD - SeriesStartJD) / kDaysPerYear / Main.MT - 10;
  plotComponents(x, 0, false);
}

// plotPhasePlane: each ticked component along the Earth's heliocentric
// longitude, at its size; with "+abs" the components become their sizes.
void Form11::plotPhasePlane() {
  RelativeEclipticPosition(kSun, kEarth);
  EarthL = Main.RelativeLongitude[kEarth] / Main.kUgol;
  EarthB = Main.RelativeLatitude / Main.kUgol;
  if (Check6.Value() == 1) {
    for (double* a : {&AisL, &AisB, &AprL, &AprB, &AsL, &AsB}) *a = std::abs(*a);
  }
  plotComponents(std::cos(EarthL), std::sin(EarthL), true);
}

// plotComponents: the ticked components of the plane (longitudes in XY,
// latitudes in XZ), source red, receiver blue, total green; at (x, A) over
// the angle scale, or along the direction (x, y) when polar.
void Form11::plotComponents(double x, double y, bool polar) {
  const bool longitudes = Option1.Value();
  struct Component {
    const ui::CheckBox& ticked;
    double value;
    int32_t colour;
  };
  const std::array<Component, 3> components{{
      {Check3, longitudes ? AisL : AisB, RGB(250, 0, 0)},
      {Check4, longitudes ? AprL : AprB, RGB(0, 0, 250)},
      {Check5, longitudes ? AsL : AsB, RGB(0, 250, 0)},
  }};
  for (const Component& c : components) {
    if (c.ticked.Value() != 1) continue;
    const double size = c.value / Main.MAlfa;
    if (polar) {
      Picture1.Circle(size * x, size * y, kPointRadius, c.colour);
    } else {
      Picture1.Circle(x, size, kPointRadius, c.colour);
    }
  }
}

// drawOrbitMarkers: the Earth's mark moved to its place; the target's mark
// moved to its true place when its displaced place lies within the picture's
// reach; the marks remembered for the next pass.
void Form11::drawOrbitMarkers(int target) {
  const double s = Main.ImageScale;
  Picture1.Circle(Main.Xsled[kEarth] / s, planeSled(kEarth) / s, kMarkRadius, white());
  Picture1.Circle(Main.X[kEarth] / s, planeY(kEarth) / s, kMarkRadius, blue());
  if (Main.X[target] / s < 20 && planeY(target) / s < 20) {
    Picture1.Circle(Main.Xsled[target] / s, planeSled(target) / s, kMarkRadius, white());
    Picture1.Circle(X0[target] / s, planeY0(target) / s, kMarkRadius, red());
  }
  Main.Xsled[kEarth] = Main.X[kEarth];
  Main.Ysled[kEarth] = Main.Y[kEarth];
  Main.Zsled[kEarth] = Main.Z[kEarth];
  Main.Xsled[target] = X0[target];
  Main.Ysled[target] = Y0[target];
  Main.Zsled[target] = Z0[target];
}

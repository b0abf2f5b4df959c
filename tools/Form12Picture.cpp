// Form12's picture: the Sun, the Earth with the observer, the Moon with its
// unlit half and the chosen body from their saved vectors (heliocentric,
// ecliptic of the date) in a plan view on the ecliptic and a side view above
// it (its ecliptic the line y = 13), with the sight line from the origin of
// the options to the body; the scale from the scroll bar.
#include <cmath>
#include <string>

#include "core/coordinates/Coordinates.h"
#include "core/runtime/NumberText.h"
#include "core/state/SharedState.h"
#include "tools/Form12.h"
#include "tools/Form12Shared.h"

namespace {

using form12slot::kEarth;
using form12slot::kMoon;
using form12slot::kObserverOrigin;
using form12slot::kSun;

constexpr double kLeft = -10, kRight = 10, kTop = 16, kBottom = -10;
constexpr double kSideViewLift = 13;  // the side view's ecliptic
constexpr double kMetresPerScrollStep = 100000.0 * 1000.0;
constexpr double kEarthSymbolRadius = 1.2;
constexpr int kMoonMarkSlot = 14;
constexpr int kEclipticObserverSlot = 16;

const int32_t kGrid = RGB(200, 200, 200);
const int32_t kAxes = RGB(120, 120, 120);
const int32_t kBlue = RGB(0, 0, 255);
const int32_t kYellow = RGB(255, 255, 0);
const int32_t kBlack = RGB(0, 0, 0);

// A point of the picture in both views.
struct ViewPoint {
  double x, planY, sideY;
};

ViewPoint savedPoint(const Form12Places& saved, int slot) {
  const double s = Main.ImageScale;
  return {saved.X[slot] / s, saved.Y[slot] / s, saved.Z[slot] / s + kSideViewLift};
}

ViewPoint offsetBy(ViewPoint p, double dx, double dy, double dz) {
  return {p.x + dx, p.planY + dy, p.sideY + dz};
}

ViewPoint moonMark(const Form12Places& saved) {
  return offsetBy(savedPoint(saved, kEarth), Main.X[kMoonMarkSlot], Main.Y[kMoonMarkSlot],
                  Main.Z[kMoonMarkSlot]);
}

// The observer's dot on the rim of the Earth's symbol.
ViewPoint observerDot(const Form12Places& saved) {
  const double k = kEarthSymbolRadius / Main.ScratchRadius;
  return offsetBy(savedPoint(saved, kEarth), Main.X[kEclipticObserverSlot] * k,
                  Main.Y[kEclipticObserverSlot] * k, Main.Z[kEclipticObserverSlot] * k);
}

// Points farther than this from the picture's centre, in picture units, are
// left out (circles) or stood in for by a point this far in their direction
// (the end of a sight line): the picture can only reach so far, and a body
// typed at a star's distance must not stop the conversion.
constexpr double kReach = 1000.0;

bool withinReach(ViewPoint p) {
  return std::fabs(p.x) < kReach && std::fabs(p.planY) < kReach && std::fabs(p.sideY) < kReach;
}

// A point of the line from start to end no farther from start than kReach
// in either view.
ViewPoint towards(ViewPoint start, ViewPoint end) {
  const double plan = std::hypot(end.x - start.x, end.planY - start.planY);
  const double side = std::hypot(end.x - start.x, end.sideY - start.sideY);
  const double longest = std::max(plan, side);
  if (longest <= kReach) return end;
  const double k = kReach / longest;
  return {start.x + k * (end.x - start.x), start.planY + k * (end.planY - start.planY),
          start.sideY + k * (end.sideY - start.sideY)};
}

int32_t colourOf(int body) { return RGB(Main.ColorR[body], Main.ColorG[body], Main.ColorB[body]); }

void circleInBothViews(ui::PictureBox& picture, ViewPoint p, double radius, int32_t colour) {
  if (!withinReach(p)) return;
  picture.Circle(p.x, p.planY, radius, colour);
  picture.Circle(p.x, p.sideY, radius, colour);
}

void drawEarthSymbol(ui::PictureBox& picture, ViewPoint earth) {
  const double ex = earth.x, ey = earth.planY, ez = earth.sideY - kSideViewLift;
  picture.Circle(ex, ey + 0.25, kEarthSymbolRadius, kGrid, {.start = M_PI, .end = 0.01});
  picture.Line(ex - 0.2, ey + 0.5, ex + 0.2, ey + 0.5, kGrid);
  picture.Line(ex, ey + 0.3, ex, ey + 0.7, kGrid);
  picture.Circle(ex, ey, kEarthSymbolRadius, kBlue);
  picture.Circle(ex, ez + 10.9, 2.5, kGrid, {.start = M_PI / 3, .end = 2 * M_PI / 3});
  picture.Line(ex - 0.2, ez + 12.1, ex + 0.2, ez + 12.1, kGrid);
  picture.Line(ex, ez + 11.9, ex, ez + 12.3, kGrid);
  picture.Circle(ex, ez + kSideViewLift, kEarthSymbolRadius, kBlue);
}

// The Moon's half turned away from the Sun, as a black sector in each view.
void drawUnlitHalfOfTheMoon(ui::PictureBox& picture, ViewPoint moon) {
  constexpr double kMoonRadius = 0.4;
  RelativeEclipticPosition(kSun, kEarth);
  double a1 = Main.RelativeLongitude[kEarth] - 90;
  if (a1 < 0) a1 += 360;
  a1 /= Main.kUgol;
  double a2 = a1 + M_PI;
  if (a2 > 2 * M_PI) a2 -= 2 * M_PI;
  Main.PreviousStepLongitude = a1;
  Main.PerihelionWindowHigh = a2;
  picture.setFillColor(kBlack);
  // A zero angle cannot carry the sign that closes the sector: the
  // smallest angle stands in for it.
  const auto closed = [](double a) { return -std::max(a, 1e-9); };
  picture.Circle(moon.x, moon.planY, kMoonRadius, kBlack, {.start = closed(a1), .end = closed(a2)});

  a1 = M_PI / 2;
  a2 = 3 * M_PI / 2;
  if (Main.X[kEarth] > 0) std::swap(a1, a2);
  picture.Circle(moon.x, moon.sideY, kMoonRadius, kBlack, {.start = -a1, .end = -a2});
}

}  // namespace

// The user scale of the picture and the grid, for the window's load.
void Form12::preparePicture() {
  Picture1.Scale(kLeft, kTop, kRight, kBottom);
  DrawConverterGrid();
}

// DrawConverterGrid: a clear picture with the grid of whole units and the
// axes of both views.
void Form12::DrawConverterGrid() {
  Picture1.Cls();
  for (int y = static_cast<int>(kBottom); y <= static_cast<int>(kTop); ++y)
    Picture1.Line(kLeft, y, kRight, y, kGrid);
  for (int x = static_cast<int>(kLeft); x <= static_cast<int>(kRight); ++x)
    Picture1.Line(x, kTop, x, kBottom, kGrid);
  Picture1.Line(kLeft, 0, kRight, 0, kAxes);
  Picture1.Line(kLeft, kSideViewLift, kRight, kSideViewLift, kAxes);
  Picture1.Line(0, kTop, 0, kBottom, kAxes);
}

// The drawing steps of "Задать координаты": the Earth with the observer, the
// Sun, the Moon with its unlit half, the chosen body and the sight line.
void Form12::drawScene() {
  const int body = Main.SelectedObject;
  Main.CurrentObject = kEarth;
  Picture1.setFillStyle(ui::Fill::Transparent);
  drawEarthSymbol(Picture1, savedPoint(Saved, kEarth));
  circleInBothViews(Picture1, observerDot(Saved), 0.1, kBlack);

  Picture1.setFillStyle(ui::Fill::Solid);
  Picture1.setFillColor(kYellow);
  circleInBothViews(Picture1, savedPoint(Saved, kSun), 0.6, kYellow);
  circleInBothViews(Picture1, moonMark(Saved), 0.4, kYellow);
  drawUnlitHalfOfTheMoon(Picture1, moonMark(Saved));

  Main.CurrentObject = static_cast<int16_t>(body);
  if (body != kMoon) {
    Picture1.setFillColor(colourOf(body));
    circleInBothViews(Picture1, savedPoint(Saved, body), 0.2, colourOf(body));
  }
  Picture1.setFillStyle(ui::Fill::Transparent);
  DrawSightLines();
}

// DrawSightLines: from the origin of the options to the chosen body
// (Main.CurrentObject) in both views; Main.LoopIndexJ becomes the origin's
// object number.
void Form12::DrawSightLines() {
  Main.LoopIndexJ = originObject();
  ViewPoint start = savedPoint(Saved, kSun);
  if (Main.LoopIndexJ == kEarth) start = savedPoint(Saved, kEarth);
  if (Main.LoopIndexJ == kObserverOrigin) start = observerDot(Saved);
  const int body = Main.CurrentObject;
  const bool moon = body == kMoon;
  const ViewPoint end = towards(start, moon ? moonMark(Saved) : savedPoint(Saved, body));
  const int32_t colour = moon ? kYellow : colourOf(body);
  Picture1.Line(start.x, start.planY, end.x, end.planY, colour);
  Picture1.Line(start.x, start.sideY, end.x, end.sideY, colour);
}

// The scale of the pictures from the scroll bar, with its label.
void Form12::takeScaleFromScrollBar() {
  Main.ScratchText =
      "Масштаб изображения=" + Str(HScroll1.Value() / 10.0) + "млн.км/см";
  Label10.setCaption(Main.ScratchText);
  Main.ImageScale = HScroll1.Value() * kMetresPerScrollStep;
}

// HScroll1_Change: a new scale and a clear picture with its grid.
void Form12::HScroll1_Change() {
  takeScaleFromScrollBar();
  DrawConverterGrid();
}

// Form10's pictures: the geocentric view Picture1 and the heliocentric view
// Picture3 (plan view, and the side view 11 units above it), their scale,
// the result picture Picture4 panned in its frame Picture2, and what a pass
// of the run draws on them.
#include <cmath>
#include <stdexcept>

#include "core/Constants.h"
#include "core/coordinates/Coordinates.h"
#include "core/runtime/NumberText.h"
#include "core/state/SharedState.h"
#include "observations/Form10.h"
#include "statistics/ScrolledPicture.h"

namespace {

constexpr double kMetresPerScaleStep = 100000.0 * 1000.0;
constexpr double kSideView = 11;      // the side view stands this many units above the plan view
constexpr double kMarkRadius = 0.2;
constexpr double kRayLength = 20;
constexpr double kBelowAxis = 2;
constexpr int kValueScaleRows = 10;
const int32_t kWhite = RGB(255, 255, 255);
const int32_t kSunColour = RGB(240, 240, 0);

int32_t objectColour(int object) { return RGB(Main.ColorR[object], Main.ColorG[object], Main.ColorB[object]); }

// The factor count the result picture is sized for: the plan's, or three
// when no plan of two to six factors stands.
int factorCount() { return Stat.Nf >= 2 && Stat.Nf <= 6 ? Stat.Nf : 3; }

}  // namespace

void Form10::DrawViewGrid(ui::PictureBox& picture) {
  picture.Cls();
  picture.Scale(-10, 12, 10, -10);
  const int32_t grid = RGB(200, 200, 200);
  for (int y = -10; y <= 12; y += 2) picture.Line(-10, y, 10, y, grid);
  for (int x = -10; x <= 10; x += 2) picture.Line(x, -10, x, 12, grid);
  const int32_t axis = RGB(120, 120, 120);
  picture.Line(-10, 0, 10, 0, axis);
  picture.Line(0, 10, 0, -10, axis);
}

// HScroll2_Change: the scale of the two views, 0,2 million km per unit for
// each step of the bar; both views cleared.
void Form10::HScroll2_Change() {
  const int value = HScroll2.Value();
  Label4.setCaption("Масштаб = " + Str(value * 2 / 10.0) + " млн.км/см");
  Main.ImageScale = value * kMetresPerScaleStep;
  DrawViewGrid(Picture1);
  DrawViewGrid(Picture3);
}

// PrepareResultPicture: Picture4 cleared and sized for the factor count and
// the width factor kW, its one-unit grid numbered along the bottom and up
// the left edge, the base line y = 0 and the line y = 4 of the angle
// deviations.
void Form10::PrepareResultPicture() {
  const int factors = factorCount();
  pictureHeight_ = 48;
  if (factors > 3) pictureHeight_ += 4.0 * (factors - 3) * (factors - 3);
  pictureWidth_ = factors > 5 ? 42 : 32;
  int widthFactor = 1;
  try {
    widthFactor = CInt(Text28.Text());
  } catch (const std::exception&) {
    Text28.setText("1");
  }
  if (widthFactor < 1) widthFactor = 1;
  const double width = widthFactor * pictureWidth_;
  const double height = pictureHeight_;
  Picture4.Cls();
  scrolled::sizeInUnits(Picture4, width, height);
  Picture4.Scale(0, height, width, -kBelowAxis);
  const int32_t grid = RGB(200, 200, 200);
  for (int y = -static_cast<int>(kBelowAxis); y <= static_cast<int>(height); ++y) Picture4.Line(0, y, width, y, grid);
  for (int x = 0; x <= static_cast<int>(width) - 1; ++x) {
    Picture4.Line(x, -kBelowAxis, x, height, grid);
    scrolled::printAt(Picture4, x, -0.5, x);
  }
  for (int y = -static_cast<int>(kBelowAxis); y <= kValueScaleRows; ++y) scrolled::printAt(Picture4, 0, y + 0.5, y);
  Picture4.Line(0, 0, width, 0, RGB(100, 100, 100));
  Picture4.Line(0, 4, width, 4, RGB(120, 120, 120));
  VScroll1_Change();
  HScroll1_Change();
}

void Form10::VScroll1_Change() { scrolled::panVertically(Picture4, Picture2, VScroll1.Value()); }
void Form10::HScroll1_Change() { scrolled::panHorizontally(Picture4, Picture2, HScroll1.Value()); }

// Command8_Click "Очистить рисунки".
void Form10::Command8_Click() {
  DrawViewGrid(Picture1);
  DrawViewGrid(Picture3);
  PrepareResultPicture();
  PlanLineBelow = pictureHeight_;
}

// DrawBodyMark: the disc of Main.CurrentObject in the plan and side views
// of the picture; unless "траектории" is ticked the previous disc, at the
// kept position, is painted over in white first.
void Form10::DrawBodyMark(ui::PictureBox& picture, std::array<double, 12>& keptX, std::array<double, 12>& keptY,
                          std::array<double, 12>& keptZ) {
  const int i = Main.CurrentObject;
  const double s = Main.ImageScale;
  picture.setFillStyle(ui::Fill::Solid);
  if (Check2.Value() != 1) {
    picture.setFillColor(kWhite);
    picture.Circle(keptX[i] / s, keptY[i] / s, kMarkRadius, kWhite);
    picture.Circle(keptX[i] / s, keptZ[i] / s + kSideView, kMarkRadius, kWhite);
  }
  keptX[i] = Main.X[i];
  keptY[i] = Main.Y[i];
  keptZ[i] = Main.Z[i];
  const int32_t colour = objectColour(i);
  picture.setFillColor(colour);
  picture.Circle(Main.X[i] / s, Main.Y[i] / s, kMarkRadius, colour);
  picture.Circle(Main.X[i] / s, Main.Z[i] / s + kSideView, kMarkRadius, colour);
}

// DrawEarthSightLines: the line of sight from the Earth to
// Main.CurrentObject in Picture3; the previous one, between the kept ends,
// is painted over in white.
void Form10::DrawEarthSightLines() {
  const int i = Main.CurrentObject;
  const double s = Main.ImageScale;
  constexpr int earth = 3;
  Picture3.Line(keptScreenX_[earth], keptScreenY_[earth], keptScreenX_[i], keptScreenY_[i], kWhite);
  Picture3.Line(keptScreenX_[earth], keptScreenZ_[earth] + kSideView, keptScreenX_[i], keptScreenZ_[i] + kSideView,
                kWhite);
  keptScreenX_[i] = Main.X[i] / s;
  keptScreenY_[i] = Main.Y[i] / s;
  keptScreenZ_[i] = Main.Z[i] / s;
  const int32_t colour = objectColour(i);
  Picture3.Line(Main.X[earth] / s, Main.Y[earth] / s, keptScreenX_[i], keptScreenY_[i], colour);
  Picture3.Line(Main.X[earth] / s, Main.Z[earth] / s + kSideView, keptScreenX_[i], keptScreenZ_[i] + kSideView,
                colour);
}

// DrawDirectionRays: rays of 20 units from the centre of Picture1 toward
// the longitude (plan view) and up to the latitude (side view) of the
// current ray angles; the previous rays painted over in white.
void Form10::DrawDirectionRays() {
  Picture1.Line(0, 0, rayEndX_, rayEndY_, kWhite);
  Picture1.Line(0, kSideView, rayEndX_, rayEndZ_ + kSideView, kWhite);
  rayEndX_ = kRayLength * std::cos(rayAngleL_ / Main.kUgol);
  rayEndY_ = kRayLength * std::sin(rayAngleL_ / Main.kUgol);
  rayEndZ_ = kRayLength * std::sin(rayAngleB_ / Main.kUgol);
  const int32_t colour = objectColour(Main.CurrentObject);
  Picture1.Line(0, 0, rayEndX_, rayEndY_, colour);
  Picture1.Line(0, kSideView, rayEndX_, rayEndZ_ + kSideView, colour);
}

// The heliocentric view of a pass: the Sun, the Earth and the object at
// their places of the date, and the lines of sight.
void Form10::drawHeliocentricView() {
  const int p = Main.SelectedObject;
  const double s = Main.ImageScale;
  Picture3.setFillStyle(ui::Fill::Solid);
  Picture3.setFillColor(kSunColour);
  Picture3.Circle(Main.X[0] / s, Main.Y[0] / s, kMarkRadius, kSunColour);
  for (int object : {3, p}) {
    Main.CurrentObject = static_cast<int16_t>(object);
    DrawBodyMark(Picture3, sledX_, sledY_, sledZ_);
  }
  if (Check5.Value() == 1) {
    for (int object : {0, p}) {
      Main.CurrentObject = static_cast<int16_t>(object);
      DrawEarthSightLines();
    }
  }
  keptScreenX_[3] = Main.X[3] / s;
  keptScreenY_[3] = Main.Y[3] / s;
  keptScreenZ_[3] = Main.Z[3] / s;
}

// The geocentric view of a pass ("ГЕО ЭКЛ"): for an observatory the
// observed direction, already compared, turned to the ecliptic of the date,
// and the computed vector put back and turned likewise; the Sun, the Earth
// and the object, and the rays of the observed and the computed direction.
void Form10::drawGeocentricView() {
  if (!Option8.Value()) return;
  const int p = Main.SelectedObject;
  const auto slot = static_cast<int16_t>(p);
  const double t = (Main.JDut - Main.JD2000) / astro::kDaysPerJulianCentury;
  if (!tableSourceChosen()) {
    Main.CurrentObject = slot;
    EquatorialToEcliptic(t);
    RelativeEclipticPosition(3, slot);
    Lnab = Main.RelativeLongitude[p];
    Bnab = Main.RelativeLatitude;
  }
  Main.X[p] = Xras;
  Main.Y[p] = Yras;
  Main.Z[p] = Zras;
  if (!tableSourceChosen()) {
    Main.CurrentObject = slot;
    EquatorialToEcliptic(t);
  }
  for (int object : {0, 3, p}) {
    Main.CurrentObject = static_cast<int16_t>(object);
    DrawBodyMark(Picture1, keptBodyX_, keptBodyY_, keptBodyZ_);
  }
  if (Check5.Value() != 1) return;
  Main.CurrentObject = slot;
  rayAngleL_ = Lnab;
  rayAngleB_ = Bnab;
  DrawDirectionRays();
  RelativeEclipticPosition(3, slot);
  rayAngleL_ = Main.RelativeLongitude[p];
  rayAngleB_ = Main.RelativeLatitude;
  DrawDirectionRays();
}

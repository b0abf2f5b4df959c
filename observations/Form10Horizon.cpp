// ShowHorizonView: whether the observed object stands high enough above the
// observer's horizon (and, with "++Hsol<", the Sun low enough) at the
// epoch, its azimuth and altitude, and the observing situation drawn in
// Picture1 when the view "ТОПО ГОР" is chosen.
#include <cmath>

#include "core/Constants.h"
#include "core/coordinates/Coordinates.h"
#include "core/runtime/NumberText.h"
#include "core/state/SharedState.h"
#include "observations/Form10.h"

namespace {

constexpr int kSun = 0;
constexpr int kEarth = 3;
constexpr int kObserver = 12;
const int32_t kWhite = RGB(255, 255, 255);
const int32_t kBlue = RGB(0, 0, 255);
const int32_t kSunColour = RGB(240, 240, 0);
const int32_t kObjectColour = RGB(0, 200, 0);
constexpr double kSunRadius = 0.5;
constexpr double kObjectRadius = 0.2;
constexpr double kUpperView = 6;   // the horizon line of the view from the observer
constexpr double kLowerView = -5;  // the observer in the plan seen from above

// The object's vector, heliocentric ecliptic of the date with the Earth at
// its place, turned to the horizon of the observer: topocentric right
// ascension and declination in LonL, LatB, its hour angle, azimuth and
// altitude, and its horizontal rectangular coordinates at its distance.
void placeInHorizon(int object, double t) {
  const auto slot = static_cast<int16_t>(object);
  Main.CurrentObject = slot;
  EclipticToEquatorial(t);
  Main.X[object] -= Main.X[kObserver];
  Main.Y[object] -= Main.Y[kObserver];
  Main.Z[object] -= Main.Z[kObserver];
  RelativeEclipticPosition(kEarth, slot);
  Main.LonL[object] = Main.RelativeLongitude[object];
  Main.LatB[object] = Main.RelativeLatitude;
  Main.StartDistance = Main.Rpl;
  Main.HourAngle = Main.LocalSiderealTime - Main.LonL[object];
  if (Main.HourAngle < 0) Main.HourAngle += 360;
  EquatorialToHorizontal(slot);
  RelativeEclipticPosition(kEarth, slot);
  Stat.Azimuth = Main.RelativeLongitude[object];
  Main.Altitude = Main.RelativeLatitude;
  SphericalToRectangular(slot, Stat.Azimuth, Main.Altitude, Main.StartDistance);
}

}  // namespace

bool Form10::ShowHorizonView() {
  const int p = Main.SelectedObject;
  for (int object : {p, kSun}) {
    if (object == kSun && p == kSun) continue;
    Main.X[object] = object == kSun ? -Main.X[kEarth] : Main.X[object] - Main.X[kEarth];
    Main.Y[object] = object == kSun ? -Main.Y[kEarth] : Main.Y[object] - Main.Y[kEarth];
    Main.Z[object] = object == kSun ? -Main.Z[kEarth] : Main.Z[object] - Main.Z[kEarth];
  }
  Main.X[kEarth] = 0;
  Main.Y[kEarth] = 0;
  Main.Z[kEarth] = 0;
  const double t = (Main.JD - Main.JD2000) / astro::kDaysPerJulianCentury;

  placeInHorizon(p, t);
  double azimuth = Stat.Azimuth;
  if (azimuth > 180) azimuth -= 360;
  Stat.Azimuth = azimuth;
  Text54.setText(Str(truncateDecimals(azimuth, 3)));
  Text55.setText(Str(truncateDecimals(Main.Altitude, 3)));
  if (Main.Altitude < inputs_.leastAltitude) return false;
  if (p != kSun) {
    placeInHorizon(kSun, t);
    if (Check25.Value() == 1 && Main.Altitude > inputs_.greatestSunAltitude) return false;
  }
  if (Check4.Value() == 1 || !Option3.Value()) return true;
  drawHorizonSituation();
  return true;
}

// The view from the observer facing south (the horizon at y = 6) and the
// plan seen from above (the observer at (0, -5)), with the Sun and the
// object at their horizontal places.
void Form10::drawHorizonSituation() {
  const int p = Main.SelectedObject;
  const double s = Main.ImageScale;
  ui::PictureBox& view = Picture1;
  const auto printAt = [&view](double x, double y, const char* text) {
    view.setCurrentX(x);
    view.setCurrentY(y);
    view.Print(text);
  };
  printAt(0.5, 12, "Юг");
  printAt(-10, kUpperView, "горизонт");
  printAt(-10, -6, "Восток");
  printAt(7, -6, "Запад");
  view.Line(-10, kUpperView, 10, kUpperView, kBlue);
  view.setFillStyle(ui::Fill::Solid);
  view.setFillColor(kBlue);
  view.Circle(0, kUpperView - 1, 1, kBlue);
  view.Circle(0, kLowerView, 1, kBlue);

  const auto mark = [&](int object, double radius, int32_t colour) {
    view.setFillColor(kWhite);
    if (Check2.Value() != 1) {
      view.Circle(keptBodyY_[object] / s, keptBodyZ_[object] / s + kUpperView, radius, kWhite);
      view.Circle(keptBodyY_[object] / s, keptBodyX_[object] / s + kLowerView, radius, kWhite);
    }
    if (object != kSun && Check5.Value() == 1)
      view.Line(0, kLowerView, keptBodyY_[object] / s, keptBodyX_[object] / s + kLowerView, kWhite);
    keptBodyX_[object] = Main.X[object];
    keptBodyY_[object] = Main.Y[object];
    keptBodyZ_[object] = Main.Z[object];
    view.setFillColor(colour);
    view.Circle(Main.Y[object] / s, Main.Z[object] / s + kUpperView, radius, colour);
    view.Circle(Main.Y[object] / s, Main.X[object] / s + kLowerView, radius, colour);
    if (object != kSun && Check5.Value() == 1)
      view.Line(0, kLowerView, Main.Y[object] / s, Main.X[object] / s + kLowerView, colour);
  };
  mark(kSun, kSunRadius, kSunColour);
  if (p != kSun) mark(p, kObjectRadius, kObjectColour);
}

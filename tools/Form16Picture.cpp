// The four pictures of Form16: the heliocentric view (Picture2), the two
// topocentric views (Picture1), the azimuth-altitude chart (Picture4) and
// the offsets "dAlfa" around the Sun or the Moon (Picture3), where eclipses
// and transits show as overlapping disks. Moving marks are erased by drawing
// them again in white at their previous place, unless "траектории" keeps
// them as trails.
#include <string>
#include <vector>

#include "core/runtime/NumberText.h"
#include "core/runtime/RuntimeError.h"
#include "core/state/SharedState.h"
#include "tools/Form16.h"
#include "science/eclipse/EclipseSteps.h"
#include "ui/PictureLabels.h"

namespace {

constexpr int kSun = 0, kEarth = 3, kMoon = 11, kShadow = 13;
constexpr int kLimbFirst = 30, kLimbOpposite = 34;
constexpr double kSideViewShift = 11.0;
constexpr double kTopViewShift = 6.0;
constexpr double kDegreesPerChartUnit = 30.0;

int32_t white() { return RGB(255, 255, 255); }
int32_t grey() { return RGB(200, 200, 200); }
int32_t sunColour() { return RGB(240, 240, 0); }
int32_t bodyColour() { return RGB(0, 200, 0); }
int32_t shadowColour() { return RGB(220, 220, 220); }
int32_t earthColour() { return RGB(0, 200, 255); }
int32_t equatorColour() { return RGB(0, 0, 250); }
int32_t objectColour(int k) { return RGB(Main.ColorR[k], Main.ColorG[k], Main.ColorB[k]); }

void disk(ui::PictureBox& picture, double x, double y, double radius, int32_t colour) {
  picture.setFillStyle(ui::Fill::Solid);
  picture.setFillColor(colour);
  picture.Circle(x, y, radius, colour);
  picture.setFillStyle(ui::Fill::Transparent);
}

// The grey grid every two units over (-10, 12)-(10, -10).
void squareGrid(ui::PictureBox& picture) {
  picture.Cls();
  picture.Scale(-10, 12, 10, -10);
  for (int y = -10; y <= 12; y += 2) picture.Line(-10, y, 10, y, grey());
  for (int x = -10; x <= 10; x += 2) picture.Line(x, 12, x, -10, grey());
}

}  // namespace

void Form16::ClearHelioPicture() {
  squareGrid(Picture2);
  const int32_t black = RGB(0, 0, 0);
  Picture2.Line(-10, 0, 10, 0, black);
  Picture2.Line(-10, kSideViewShift, 10, kSideViewShift, black);
  Picture2.Line(0, 12, 0, -10, black);
}

void Form16::ClearTopoPicture() {
  squareGrid(Picture1);
  const int32_t black = RGB(0, 0, 0);
  Picture1.Line(-10, -kTopViewShift, 10, -kTopViewShift, black);
  Picture1.Line(-10, kTopViewShift, 10, kTopViewShift, black);
  Picture1.Line(0, 12, 0, -10, black);
  Picture1.setForeColor(black);
  ui::PictureLabels labels(Picture1);
  labels.print(0.5, 12, "Z");
  labels.print(0.5, 0, "Юг");
  labels.print(9, 7, "Y");
  labels.print(-10, 6, "горизонт                          вид на юг");
  labels.print(-1, 0, "X");
  labels.print(-10, -6, "Восток");
  labels.print(9, -5, "Y");
  labels.print(7, -6, "Запад");
  disk(Picture1, 0, 5, 1, earthColour());
  disk(Picture1, 0, -6, 1, earthColour());
}

// The offsets picture spans three times "MdAlfa" each way; the disk of the
// Sun (solar eclipses) or of the Moon (lunar ones) at its centre.
void Form16::ClearOffsetPicture() {
  try {
    const double scale = CDbl(Text27.Text());
    if (scale > 0.0) OffsetScale = scale;
  } catch (const RuntimeError&) {
    // A box that holds no number keeps the scale in use.
  }
  const double m = OffsetScale;
  Picture3.Cls();
  Picture3.Scale(-3 * m, 3 * m, 3 * m, -3 * m);
  if (Option3.Value())
    disk(Picture3, 0, 0, AngularSemidiameter[kSun], sunColour());
  else
    disk(Picture3, 0, 0, AngularSemidiameter[kMoon], bodyColour());
  DrawOffsetGrid();
}

// The numbers of each axis every "MdAlfa", those that would run together
// left out; "dL, град" right above the numbers along the bottom edge, at the
// right edge, and "dB, град" beside the top number.
// The grid and its numbers are the same at every pass of a run, so they are
// drawn once and put back as a stamp after that.
void Form16::DrawOffsetGrid() {
  Picture3.drawStamped(offsetGrid_, OffsetScale, [this] { drawOffsetGridAnew(); });
}

void Form16::drawOffsetGridAnew() {
  const double m = OffsetScale;
  for (int i = -3; i <= 3; ++i) {
    Picture3.Line(i * m, 3 * m, i * m, -3 * m, grey());
    Picture3.Line(-3 * m, i * m, 3 * m, i * m, grey());
  }
  Picture3.setForeColor(RGB(0, 0, 0));
  const double textLine = Picture3.TextHeight("0");
  const double bottomRow = -3 * m + textLine;
  ui::PictureLabels labels(Picture3);
  labels.print(-3 * m + Picture3.TextWidth(Str(3 * m) + "  "), 2.9 * m, "dB, град");
  labels.print(3 * m, bottomRow + textLine, "dL, град");
  std::vector<ui::AxisLabel> across, up;
  for (int i = -3; i <= 3; ++i) {
    across.push_back({(i - 0.2) * m, bottomRow, Str(i * m)});
    up.push_back({-3 * m, i * m, Str(i * m)});
  }
  labels.printAxis(across);
  labels.printAxis(up);
}

// One unit is 30 degrees; azimuth to the right, altitude up. The azimuths
// along the bottom edge with "азимут, град" right above them.
void Form16::ClearHorizonChart() {
  Picture4.Cls();
  Picture4.Scale(-6, 3, 6, -4);
  for (int x = -6; x <= 6; ++x) Picture4.Line(x, 3, x, -4, grey());
  for (int y = -4; y <= 3; ++y) Picture4.Line(-6, y, 6, y, grey());
  Picture4.setForeColor(RGB(0, 0, 0));
  const double textLine = Picture4.TextHeight("0");
  const double bottomRow = -4 + textLine;
  ui::PictureLabels labels(Picture4);
  labels.print(2.7, bottomRow + textLine, "азимут, град");
  labels.print(-5, 3, "высота, град");
  std::vector<ui::AxisLabel> azimuths, altitudes;
  for (int azimuth = -180; azimuth <= 180; azimuth += 30)
    azimuths.push_back({azimuth / kDegreesPerChartUnit - 0.3, bottomRow, Str(azimuth)});
  for (int altitude = -120; altitude <= 90; altitude += 30)
    altitudes.push_back({-6, altitude / kDegreesPerChartUnit + 0.1, Str(altitude)});
  labels.printAxis(azimuths);
  labels.printAxis(altitudes);
  const int32_t axes = RGB(120, 120, 120);
  Picture4.Line(-6, 0, 6, 0, axes);
  Picture4.Line(0, 3, 0, -4, axes);
}

void Form16::DrawHelioMarker() {
  const int k = Main.CurrentObject;
  const double s = Main.ImageScale;
  if (Check2.Value() != 1) {
    Picture2.Circle(Main.Xsled[k] / s, Main.Ysled[k] / s, 0.2, white());
    Picture2.Circle(Main.Xsled[k] / s, Main.Zsled[k] / s + kSideViewShift, 0.2, white());
  }
  Main.Xsled[k] = Main.X[k];
  Main.Ysled[k] = Main.Y[k];
  Main.Zsled[k] = Main.Z[k];
  Picture2.Circle(Main.X[k] / s, Main.Y[k] / s, 0.2, objectColour(k));
  Picture2.Circle(Main.X[k] / s, Main.Z[k] / s + kSideViewShift, 0.2, objectColour(k));
}

void Form16::DrawEarthLines() {
  const int k = Main.CurrentObject;
  const double s = Main.ImageScale;
  Picture2.Line(PictureX[kEarth], PictureY[kEarth], PictureX[k], PictureY[k], white());
  Picture2.Line(PictureX[kEarth], PictureZ[kEarth] + kSideViewShift, PictureX[k],
                PictureZ[k] + kSideViewShift, white());
  PictureX[k] = Main.X[k] / s;
  PictureY[k] = Main.Y[k] / s;
  PictureZ[k] = Main.Z[k] / s;
  Picture2.Line(Main.X[kEarth] / s, Main.Y[kEarth] / s, PictureX[k], PictureY[k], objectColour(k));
  Picture2.Line(Main.X[kEarth] / s, Main.Z[kEarth] / s + kSideViewShift, PictureX[k],
                PictureZ[k] + kSideViewShift, objectColour(k));
}

// The view to the south (Y west to the right, Z up) above the plan from
// above (Y to the right, X south up); vectors in metres, X south, Y west,
// Z up.
void Form16::DrawTopoViews() {
  const double s = Main.ImageScale;
  disk(Picture1, 0, 5, 1, earthColour());
  disk(Picture1, 0, -6, 1, earthColour());
  struct Mark {
    int slot;
    double radius;
    int32_t colour;
  };
  for (const Mark& mark : {Mark{kSun, 0.5, sunColour()}, Mark{body_, 0.2, bodyColour()}}) {
    const int k = mark.slot;
    if (Check2.Value() != 1) {
      Picture1.Circle(PrevTopoY[k] / s, PrevTopoZ[k] / s + kTopViewShift, mark.radius, white());
      Picture1.Circle(PrevTopoY[k] / s, PrevTopoX[k] / s - kTopViewShift, mark.radius, white());
    }
    PrevTopoX[k] = Main.X[k];
    PrevTopoY[k] = Main.Y[k];
    PrevTopoZ[k] = Main.Z[k];
    Picture1.Circle(Main.Y[k] / s, Main.Z[k] / s + kTopViewShift, mark.radius, mark.colour);
    Picture1.Circle(Main.Y[k] / s, Main.X[k] / s - kTopViewShift, mark.radius, mark.colour);
  }
}

void Form16::DrawSunInSky() {
  const auto& h = Horizon;
  if (Check2.Value() != 1)
    Picture4.Circle(PrevAzimuth[kSun] / kDegreesPerChartUnit, PrevAltitude[kSun] / kDegreesPerChartUnit,
                    0.5, white());
  Picture4.Circle(h.HorizonAzimuth[kSun] / kDegreesPerChartUnit,
                  h.HorizonAltitude[kSun] / kDegreesPerChartUnit, 0.5, sunColour());
  if (Option3.Value() && Check3.Value() != 1) {
    disk(Picture3, 0, 0, PrevSemidiameter[kSun], white());
    disk(Picture3, 0, 0, AngularSemidiameter[kSun], sunColour());
  }
  if (Option13.Value() && Check7.Value() == 1) {
    const auto equator = [&](const Table1<double, 38>& a, const Table1<double, 38>& hh, int32_t c) {
      Picture3.Line((a[kLimbFirst] - a[kSun]) / HorizonSecant, hh[kLimbFirst] - hh[kSun],
                    (a[kLimbOpposite] - a[kSun]) / HorizonSecant, hh[kLimbOpposite] - hh[kSun], c);
    };
    equator(PrevAzimuth, PrevAltitude, white());
    equator(h.HorizonAzimuth, h.HorizonAltitude, equatorColour());
  }
}

// West to the right and up up, relative to the Sun, in both frames.
void Form16::DrawBodyInSky() {
  const int k = body_;
  const auto& h = Horizon;
  if (Check2.Value() != 1)
    Picture4.Circle(PrevAzimuth[k] / kDegreesPerChartUnit, PrevAltitude[k] / kDegreesPerChartUnit,
                    0.2, white());
  Picture4.Circle(h.HorizonAzimuth[k] / kDegreesPerChartUnit,
                  h.HorizonAltitude[k] / kDegreesPerChartUnit, 0.2, bodyColour());
  if (!Option3.Value()) return;
  if (Option12.Value()) {
    if (Check2.Value() != 1)
      disk(Picture3, (PrevRightAscension[kSun] - PrevRightAscension[k]) / LimbSecant,
           PrevDeclination[k] - PrevDeclination[kSun], PrevSemidiameter[k], white());
    disk(Picture3, (TopoRightAscension[kSun] - TopoRightAscension[k]) / LimbSecant,
         TopoDeclination[k] - TopoDeclination[kSun], AngularSemidiameter[k], bodyColour());
  } else {
    if (Check2.Value() != 1)
      disk(Picture3, (PrevAzimuth[k] - PrevAzimuth[kSun]) / HorizonSecant,
           PrevAltitude[k] - PrevAltitude[kSun], PrevSemidiameter[k], white());
    disk(Picture3, (h.HorizonAzimuth[k] - h.HorizonAzimuth[kSun]) / HorizonSecant,
         h.HorizonAltitude[k] - h.HorizonAltitude[kSun], AngularSemidiameter[k], bodyColour());
  }
}

// The umbra relative to the Moon, then the Moon at the centre.
void Form16::DrawShadowInSky() {
  const auto& h = Horizon;
  if (Option12.Value()) {
    if (Check2.Value() != 1)
      disk(Picture3, (PrevRightAscension[kMoon] - PrevRightAscension[kShadow]) / LimbSecant,
           PrevDeclination[kShadow] - PrevDeclination[kMoon], PrevSemidiameter[kShadow], white());
    disk(Picture3, (TopoRightAscension[kMoon] - TopoRightAscension[kShadow]) / LimbSecant,
         TopoDeclination[kShadow] - TopoDeclination[kMoon], AngularSemidiameter[kShadow],
         shadowColour());
  } else {
    if (Check2.Value() != 1)
      disk(Picture3, (PrevAzimuth[kShadow] - PrevAzimuth[kMoon]) / HorizonSecant,
           PrevAltitude[kShadow] - PrevAltitude[kMoon], PrevSemidiameter[kShadow], white());
    disk(Picture3, (h.HorizonAzimuth[kShadow] - h.HorizonAzimuth[kMoon]) / HorizonSecant,
         h.HorizonAltitude[kShadow] - h.HorizonAltitude[kMoon], AngularSemidiameter[kShadow],
         shadowColour());
  }
  disk(Picture3, 0, 0, PrevSemidiameter[kMoon], white());
  disk(Picture3, 0, 0, AngularSemidiameter[kMoon], bodyColour());
  if (Option13.Value() && Check7.Value() == 1)
    Picture3.Line((h.HorizonAzimuth[kLimbFirst] - h.HorizonAzimuth[kMoon]) / HorizonSecant,
                  h.HorizonAltitude[kLimbFirst] - h.HorizonAltitude[kMoon],
                  (h.HorizonAzimuth[kLimbOpposite] - h.HorizonAzimuth[kMoon]) / HorizonSecant,
                  h.HorizonAltitude[kLimbOpposite] - h.HorizonAltitude[kMoon], equatorColour());
}

// The outline of the Sun's disk over the marks of a solar pass.
void Form16::drawSunOutline() {
  Picture3.setFillStyle(ui::Fill::Transparent);
  Picture3.Circle(0, 0, AngularSemidiameter[kSun], sunColour());
}

// HScroll1_Change: the scale of the two upper pictures, 10^8 m per unit per
// value, shown in millions of km per centimetre.
void Form16::HScroll1_Change() {
  Label4.setCaption("Масштаб = " + Str(HScroll1.Value() / 5.0) + " млн.км/см");
  Main.ImageScale = HScroll1.Value() * 1e8;
  ClearTopoPicture();
  ClearHelioPicture();
}

// Command8_Click "Очистить все рисунки".
void Form16::Command8_Click() {
  ClearTopoPicture();
  ClearOffsetPicture();
  ClearHelioPicture();
  ClearHorizonChart();
}

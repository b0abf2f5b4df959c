// Form12's source coordinates: "Задать координаты" finds the Earth, the
// Moon and the chosen body for the date and the observer by the theory JPL0
// and the low-precision Moon (or takes the typed body), saves them in the
// internal frame and shows the chosen one in the frame of the options;
// "Задать координаты для JD = JD + " steps the date and does it again.
#include "core/Constants.h"
#include "core/coordinates/Coordinates.h"
#include "core/runtime/ErrorTrap.h"
#include "core/runtime/MessageBox.h"
#include "core/runtime/NumberText.h"
#include "core/state/ModelStartData.h"
#include "core/state/SharedState.h"
#include "core/theory/Theory.h"
#include "core/time/TimeScales.h"
#include "tools/Form12.h"
#include "tools/Form12Shared.h"
#include "tools/Form12Texts.h"

namespace {

using form12slot::kEarth;
using form12slot::kMoon;
using form12slot::kSun;
using form12slot::kTyped;

using astro::kSecondsPerDay;
using astro::kSecondsPerMinute;
// Slot of the Earth's offset from the Earth-Moon barycentre, then of the
// Moon's mark in picture units.
constexpr int kOffsetSlot = 14;
constexpr double kMoonMarkUnits = 2.5;

void saveSlot(Form12Places& saved, int slot) {
  saved.X[slot] = Main.X[slot];
  saved.Y[slot] = Main.Y[slot];
  saved.Z[slot] = Main.Z[slot];
}

// A planet (or the Earth-Moon barycentre) by JPL0 at the ephemeris time,
// turned from J2000 to the ecliptic and equinox of the date.
void placePlanetOfTheDate(int slot) {
  Main.JD = Main.JDet1;
  Main.CurrentObject = static_cast<int16_t>(slot);
  SetElementsJPL0();
  PositionFromElements();
  Main.JD = Main.JDut;
  PrecessEclipticCoordinates(0.0, centuriesFromJ2000(Main.JDut));
  Main.CurrentObject = static_cast<int16_t>(slot);
  PrecessPosition();
}

bool isPlanet(int body) { return body >= 1 && body <= 9 && body != kEarth; }

}  // namespace

// The Sun (zero), the Earth's centre and the Moon for the date, saved.
void Form12::placeEarthAndMoon() {
  Main.X[kSun] = Main.Y[kSun] = Main.Z[kSun] = 0.0;
  saveSlot(Saved, kSun);

  placePlanetOfTheDate(kEarth);  // the Earth-Moon barycentre
  Main.JD = Main.JDet1;
  MoonElementsFromLowPrecisionTheory(centuriesFromJ2000(Main.JDet1));

  // Mass(3) is that of the Earth and the Moon together: the Earth's centre
  // lies this far from the barycentre, away from the Moon.
  const double moonDistance = Main.PairDistance(kEarth, kTyped);
  Main.TopoRadius = moonDistance * Main.Mass[kTyped] / Main.Mass[kEarth];
  Main.LonL[kMoon] = Main.LonL[kTyped];
  Main.LatB[kMoon] = Main.LatB[kTyped];
  SphericalToRectangular(kOffsetSlot, Main.LonL[kMoon], Main.LatB[kMoon], Main.TopoRadius);
  Main.X[kEarth] -= Main.X[kOffsetSlot];
  Main.Y[kEarth] -= Main.Y[kOffsetSlot];
  Main.Z[kEarth] -= Main.Z[kOffsetSlot];
  saveSlot(Saved, kEarth);

  SphericalToRectangular(kMoon, Main.LonL[kMoon], Main.LatB[kMoon], moonDistance);
  Main.X[kMoon] += Main.X[kEarth];
  Main.Y[kMoon] += Main.Y[kEarth];
  Main.Z[kMoon] += Main.Z[kEarth];
  saveSlot(Saved, kMoon);

  // The Moon's mark for the picture: 2.5 units from the Earth towards it.
  Main.TopoRadius = kMoonMarkUnits;
  SphericalToRectangular(kOffsetSlot, Main.LonL[kMoon], Main.LatB[kMoon], Main.TopoRadius);
}

// The chosen body by theory (the Sun, the Earth and the Moon are saved
// already), shown in the frame of the options.
void Form12::placeChosenBody(int body) {
  if (isPlanet(body)) {
    placePlanetOfTheDate(body);
    saveSlot(Saved, body);
  }
  InternalToSelectedFrame();
  Text1.setText(Str(form12ShownLength(Main.X[body])));
  Text2.setText(Str(form12ShownLength(Main.Y[body])));
  Text3.setText(Str(form12ShownLength(Main.Z[body])));
  showPolarFromOrigin(body, Text11, Text12, Text13);
}

// Command6_Click "Задать координаты".
void Form12::Command6_Click() {
  withErrorTrap(form12text::kBadData, form12text::kTitle, [&] {
    // The DE405 masses and the JPL0 elements serve this computation only.
    const KeepModelStartData keep;
    for (int k = Option1.LBound(); k <= Option1.UBound(); ++k) {
      Main.CurrentObject = static_cast<int16_t>(k);
      if (Option1[k].Value()) Main.SelectedObject = k;
    }
    if (horizonWithoutObserver()) {
      MsgBox(form12text::kHorizonOnlyTopocentric, MsgBoxButtons::Ok, form12text::kTitle);
      return;
    }
    Main.ObsL = CDbl(Text21.Text());
    Main.ObsB = CDbl(Text22.Text());
    Command10_Click();
    Main.JDut = Main.JD;

    Main.TheoryT = DeltaTParabola();
    Text23.setText(Str(form12ShownAngle(Main.TheoryT / kSecondsPerMinute)));
    Main.JDet1 = Main.TheoryT / kSecondsPerDay + Main.JDut;
    SetMassesDE405();
    placeEarthAndMoon();
    prepareContext();

    const int body = Main.SelectedObject;
    if (body == kTyped) SelectedFrameToInternal();
    else placeChosenBody(body);
    if (Check3.Value() == 1) DrawConverterGrid();
    drawScene();
  });
}

// Command2_Click "Задать координаты для JD = JD + ": the date moved by the
// day step from the last computed date, then "Задать координаты".
void Form12::Command2_Click() {
  withErrorTrap(form12text::kBadDayStep, form12text::kTitle, [&] {
    Main.TheoryT = CDbl(Text29.Text());
    Text31.setText(Str(Main.JDut + Main.TheoryT));
    Command11_Click();
    Command6_Click();
  });
}

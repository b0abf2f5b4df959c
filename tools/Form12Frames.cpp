// Form12's frames: the context of a date and an observer, the conversion of
// the chosen body from the internal frame (heliocentric, ecliptic and
// equinox of the date, metres) into the frame of the options and back, and
// the two buttons of the converted coordinates.
//
// Two rules keep the positions right:
// - the equator of J2000 is reached with the obliquity of J2000 (the
//   precession first takes the ecliptic to J2000, so the equator must be
//   that of J2000 too);
// - the observer's vector from the Earth's centre is subtracted (or added
//   back) whole, so that a topocentric position is the geocentric one less
//   the observer's place and the reverse step is the exact inverse.
//
// Reference: Meeus, Astronomical Algorithms, 2nd ed., ch. 12 (sidereal
// time), ch. 13 (ecliptic, equator, horizon), ch. 21 (precession), ch. 40
// (the observer's place and the parallax).
#include <cmath>

#include "core/Constants.h"
#include "core/coordinates/Coordinates.h"
#include "core/runtime/ErrorTrap.h"
#include "core/runtime/MessageBox.h"
#include "core/runtime/NumberText.h"
#include "core/runtime/RuntimeError.h"
#include "core/state/BodyState.h"
#include "core/state/SharedState.h"
#include "core/theory/Theory.h"
#include "core/time/TimeScales.h"
#include "tools/Form12.h"
#include "tools/Form12Shared.h"
#include "tools/Form12Texts.h"

namespace {

using form12slot::kEarth;
using form12slot::kObserverOrigin;
using form12slot::kSun;

constexpr double kModifiedJulianDayOrigin = 2400000.5;
using astro::kEarthEquatorialRadius;
using astro::kHoursPerDay;
using astro::kDegreesPerHour;
// Slot bases of the context: the equinox of the date and J2000. Base + 2 is
// the observer on the equator, + 3 the Earth, + 6 the observer on the
// ecliptic.
constexpr int kDateBase = 10;
constexpr int kJ2000Base = 20;
constexpr int kEquatorialObserver = 2, kEarthOfBase = 3, kEclipticObserver = 6;

void precessSlot(int slot) {
  Main.CurrentObject = static_cast<int16_t>(slot);
  PrecessPosition();
}

void eclipticToEquatorSlot(int slot, double t) {
  Main.CurrentObject = static_cast<int16_t>(slot);
  EclipticToEquatorial(t);
}

void equatorToEclipticSlot(int slot, double t) {
  Main.CurrentObject = static_cast<int16_t>(slot);
  EquatorialToEcliptic(t);
}

// slot += sign × other
void addSlot(int slot, int other, double sign) {
  Main.X[slot] += sign * Main.X[other];
  Main.Y[slot] += sign * Main.Y[other];
  Main.Z[slot] += sign * Main.Z[other];
}

void loadSaved(const Form12Places& saved, int slot) {
  Main.X[slot] = saved.X[slot];
  Main.Y[slot] = saved.Y[slot];
  Main.Z[slot] = saved.Z[slot];
}

}  // namespace

double form12ShownAngle(double degrees) { return truncateDecimals(degrees, 6); }

double form12ShownLength(double metres) { return Fix(metres) / Main.MK; }

double centuriesFromJ2000(double julianDay) { return (julianDay - Main.JD2000) / astro::kDaysPerJulianCentury; }

bool Form12::horizonWithoutObserver() const { return Option10.Value() && !Option20.Value(); }

// The object number of the origin: the Sun, the Earth's centre or the
// observer (slot 15, always the zero vector in the converted frame).
int Form12::originObject() const {
  if (Option20.Value()) return kObserverOrigin;
  if (Option19.Value()) return kEarth;
  return kSun;
}

// The epoch of the equator: J2000 (t = 0) or the date.
double Form12::epochOfPlane() const {
  return Option17.Value() ? 0.0 : centuriesFromJ2000(Main.JDut);
}

// The context of the date Main.JDut and the observer (Main.ObsL, ObsB):
// sidereal times, the observer's vectors from the Earth's centre and the
// Earth's vector, in the equinoxes of the date and of J2000.
void Form12::prepareContext() {
  Main.SiderealTimeHours = GreenwichMeanSiderealTime(Main.JDut - kModifiedJulianDayOrigin);
  Main.SiderealTimeHours = kHoursPerDay * FractionPositive(Main.SiderealTimeHours / kHoursPerDay);
  Text26.setText(Str(form12ShownAngle(Main.SiderealTimeHours)));
  double localHours = Main.ObsL / kDegreesPerHour + Main.SiderealTimeHours;
  if (localHours > kHoursPerDay) localHours -= kHoursPerDay;
  Text24.setText(Str(form12ShownAngle(localHours)));
  Main.LocalSiderealTime = localHours * kDegreesPerHour;

  const double tDate = centuriesFromJ2000(Main.JDut);
  Main.ScratchRadius = kEarthEquatorialRadius;
  const int equatorDate = kDateBase + kEquatorialObserver;
  const int eclipticDate = kDateBase + kEclipticObserver;
  SphericalToRectangular(equatorDate, Main.LocalSiderealTime, Main.ObsB, kEarthEquatorialRadius);
  copyPosition(equatorDate, eclipticDate);
  equatorToEclipticSlot(eclipticDate, tDate);
  loadSaved(Saved, kEarth);
  copyPosition(kEarth, kDateBase + kEarthOfBase);
  copyPosition(kEarth, kJ2000Base + kEarthOfBase);
  copyPosition(equatorDate, kJ2000Base + kEquatorialObserver);
  copyPosition(eclipticDate, kJ2000Base + kEclipticObserver);

  Main.JD = Main.JDut;
  PrecessEclipticCoordinates(tDate, 0.0);
  precessSlot(kJ2000Base + kEarthOfBase);
  precessSlot(kJ2000Base + kEclipticObserver);
  BuildEquatorialPrecessionMatrix(tDate, 0.0);
  precessSlot(kJ2000Base + kEquatorialObserver);
}

// The chosen body, the Sun and the Earth from their saved vectors into the
// frame of the options. For the Earth or the observer as origin the Earth's
// slot ends as zero and the Sun's holds the Sun seen from the Earth.
void Form12::InternalToSelectedFrame() {
  const int body = Main.SelectedObject;
  checkIndex(body, 0, 11);
  loadSaved(Saved, kSun);
  loadSaved(Saved, kEarth);
  loadSaved(Saved, body);
  Main.JD = Main.JDut;
  const double tDate = centuriesFromJ2000(Main.JDut);
  const bool bodyIsEarth = body == kEarth;

  if (Option17.Value()) {
    PrecessEclipticCoordinates(tDate, 0.0);
    precessSlot(kEarth);
    if (!bodyIsEarth) precessSlot(body);
  }
  if (Option9.Value() || Option10.Value()) {
    eclipticToEquatorSlot(kEarth, epochOfPlane());
    if (!bodyIsEarth) eclipticToEquatorSlot(body, epochOfPlane());
  }
  if (Option19.Value() || Option20.Value()) {
    Main.X[kSun] = -Main.X[kEarth];
    Main.Y[kSun] = -Main.Y[kEarth];
    Main.Z[kSun] = -Main.Z[kEarth];
    if (body != kSun) addSlot(body, kEarth, -1.0);
    Main.X[kEarth] = Main.Y[kEarth] = Main.Z[kEarth] = 0.0;
  }
  if (!Option20.Value()) return;

  Main.LoopIndexK = static_cast<int16_t>(Option17.Value() ? kJ2000Base : kDateBase);
  const int observer =
      Main.LoopIndexK + (Option8.Value() ? kEclipticObserver : kEquatorialObserver);
  addSlot(body, observer, -1.0);
  if (!Option10.Value()) return;

  RelativeEclipticPosition(kObserverOrigin, static_cast<int16_t>(body));
  Main.LonL[body] = Main.RelativeLongitude[body];
  Main.LatB[body] = Main.RelativeLatitude;
  Main.StartDistance = Main.Rpl;
  Main.HourAngle = Main.LocalSiderealTime - Main.RelativeLongitude[body];
  Text25.setText(Str(form12ShownAngle(Main.HourAngle)));
  EquatorialToHorizontal(static_cast<int16_t>(body));
  RelativeEclipticPosition(kObserverOrigin, static_cast<int16_t>(body));
  SphericalToRectangular(static_cast<int16_t>(body), Main.RelativeLongitude[body],
                         Main.RelativeLatitude, Main.StartDistance);
}

// The typed coordinates into slot 11 and the chosen body's slot, completed
// in the other form (polar from Cartesian or Cartesian from polar).
void Form12::readTypedCoordinates(int body) {
  constexpr int kTypedSlot = form12slot::kTyped;
  if (Option2.Value()) {
    Main.RelativeLongitude[kTypedSlot] = CDbl(Text11.Text());
    Main.RelativeLatitude = CDbl(Text12.Text());
    Main.Rpl = CDbl(Text13.Text()) * Main.MK;
    SphericalToRectangular(static_cast<int16_t>(body), Main.RelativeLongitude[kTypedSlot],
                           Main.RelativeLatitude, Main.Rpl);
    Text1.setText(Str(form12ShownLength(Main.X[body])));
    Text2.setText(Str(form12ShownLength(Main.Y[body])));
    Text3.setText(Str(form12ShownLength(Main.Z[body])));
  } else {
    Main.X[kTypedSlot] = CDbl(Text1.Text()) * Main.MK;
    Main.Y[kTypedSlot] = CDbl(Text2.Text()) * Main.MK;
    Main.Z[kTypedSlot] = CDbl(Text3.Text()) * Main.MK;
    // The origin of the polar form is the zero vector of slot 15.
    RelativeEclipticPosition(kObserverOrigin, static_cast<int16_t>(body));
    Text11.setText(Str(form12ShownAngle(Main.RelativeLongitude[body])));
    Text12.setText(Str(form12ShownAngle(Main.RelativeLatitude)));
    Text13.setText(Str(form12ShownLength(Main.Rpl)));
  }
  Main.StartDistance = Main.Rpl;
}

// The typed body from the frame of the options into the internal frame,
// saved. Typed text that is no number, or a vector of three zeros given in
// Cartesian form, shows its message and saves nothing.
void Form12::SelectedFrameToInternal() {
  withErrorTrap(form12text::kBadSourceCoordinates, form12text::kTitle, [&] {
    const int body = Main.SelectedObject;
    checkIndex(body, 0, 11);
    readTypedCoordinates(body);
    const auto slot = static_cast<int16_t>(body);
    Main.LoopIndexK = static_cast<int16_t>(Option17.Value() ? kJ2000Base : kDateBase);
    if (Option20.Value()) {
      if (Option10.Value()) {
        Main.Altitude = Main.RelativeLatitude;
        Stat.Azimuth = Main.RelativeLongitude[body];
        HorizontalToEquatorial(slot);
        RelativeEclipticPosition(kObserverOrigin, slot);
        Main.HourAngle = Main.RelativeLongitude[body];
        Main.LonL[body] = Main.LocalSiderealTime - Main.HourAngle;
        if (Main.LonL[body] < 0) Main.LonL[body] += 360.0;
        SphericalToRectangular(slot, Main.LonL[body], Main.RelativeLatitude, Main.StartDistance);
      }
      const int observer =
          Main.LoopIndexK + (Option8.Value() ? kEclipticObserver : kEquatorialObserver);
      addSlot(body, observer, 1.0);
    }
    if (Option9.Value() || Option10.Value()) equatorToEclipticSlot(body, epochOfPlane());
    if (Option19.Value() || Option20.Value()) addSlot(body, Main.LoopIndexK + kEarthOfBase, 1.0);
    if (Option17.Value()) {
      PrecessEclipticCoordinates(0.0, centuriesFromJ2000(Main.JD));
      precessSlot(body);
    }
    Saved.X[body] = Main.X[body];
    Saved.Y[body] = Main.Y[body];
    Saved.Z[body] = Main.Z[body];
  });
}

// The polar form of the body seen from the origin of the converted frame
// (whose slot is zero there): latitude and distance in their boxes, the
// longitude into the angle register, its box and the angle tool.
void Form12::showPolarFromOrigin(int body, ui::TextBox& longitude, ui::TextBox& latitude,
                                 ui::TextBox& distance) {
  Main.LoopIndexJ = originObject();
  RelativeEclipticPosition(static_cast<int16_t>(Main.LoopIndexJ), static_cast<int16_t>(body));
  latitude.setText(Str(form12ShownAngle(Main.RelativeLatitude)));
  distance.setText(Str(form12ShownLength(Main.Rpl)));
  Main.DecimalDate = Main.RelativeLongitude[body];
  longitude.setText(Str(form12ShownAngle(Main.DecimalDate)));
  Command5_Click();
}

// Command7_Click "Преобразовать координаты": the saved position in the frame
// the options describe now. A body whose direction from the origin is
// undefined (the body at the origin) shows the message of the window.
void Form12::Command7_Click() {
  if (horizonWithoutObserver()) {
    MsgBox(form12text::kHorizonConversionOnlyTopocentric, MsgBoxButtons::Ok, form12text::kTitle);
    return;
  }
  withErrorTrap(form12text::kBadData, form12text::kTitle, [&] {
    InternalToSelectedFrame();
    const int body = Main.SelectedObject;
    Text4.setText(Str(form12ShownLength(Main.X[body])));
    Text5.setText(Str(form12ShownLength(Main.Y[body])));
    Text6.setText(Str(form12ShownLength(Main.Z[body])));
    Main.CurrentObject = static_cast<int16_t>(body);
    DrawSightLines();
    showPolarFromOrigin(body, Text14, Text15, Text16);
  });
}

// Command1_Click: the converted coordinates into the source boxes, to be
// taken in again as typed ones.
void Form12::Command1_Click() {
  Text1.setText(Text4.Text());
  Text2.setText(Text5.Text());
  Text3.setText(Text6.Text());
  Text11.setText(Text14.Text());
  Text12.setText(Text15.Text());
  Text13.setText(Text16.Text());
}

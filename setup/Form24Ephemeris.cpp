// Form24's "рассчитать по DE405 координаты и скорости для объекта №": the
// position and velocity of one body from the DE405 ephemeris, in the origin,
// plane, epoch and units the option buttons choose.
#include <cmath>

#include "core/Constants.h"
#include "core/coordinates/Coordinates.h"
#include "core/de405/DE405.h"
#include "core/runtime/ErrorTrap.h"
#include "core/runtime/NumberText.h"
#include "core/runtime/RuntimeError.h"
#include "core/state/SharedState.h"
#include "core/time/TimeScales.h"
#include "setup/Form24.h"
#include "setup/Form24Texts.h"

namespace {

// Objects the ephemeris gives: 0 the Sun, 1..9 the planets (3 the
// Earth-Moon barycentre), 10 and 11 the Moon.
constexpr int kLastEphemerisObject = 11;
constexpr int16_t kEquatorialAU = 0;
using astro::kDaysPerJulianCentury;

// The ephemeris holds the Moon relative to the Earth, not to the barycentre
// of the Solar System.
bool isMoon(int object) { return object == 10 || object == 11; }

// Refuses an object the ephemeris does not give, before any file is read.
void checkEphemerisObject(int object) {
  if (object < 0 || object > kLastEphemerisObject)
    throw RuntimeError(ErrorCode::SubscriptOutOfRange, "no DE405 object " + std::to_string(object));
}

// True when the block in memory holds the day of Main.JD: the load found the
// day in the files. The loader has shown its message when it did not.
bool blockHoldsTheDay() {
  return Main.DE405BlockStartJD <= Main.JD && Main.JD < Main.DE405BlockEndJD;
}

}  // namespace

// Command1_Click: the date of the boxes (ephemeris time), its Julian Day in
// Text10, and the position and velocity of the object of Text11 in Text1 to
// Text6.
// Reads:    Text9, Text8, Text7, Text11, the four frames; Main.CalendarMode,
//           Main.DayStartHour, Main.JD2000, Main.ObliquityJ2000, Main.Lae,
//           Main.SecondsPerDay
// Writes:   Main.StartYear, StartMonth, StartDay, JD, SelectedObject,
//           CurrentObject, the DE405 reader state (its file closed again),
//           Main.PrecessionMatrix; X, Y, Z, VX, VY, VZ of the Sun and of the
//           object
// Notes:    A box that is no number or an object other than 0..11:
//           "Задайте правильно данные" (title "Celvan7"). A date the files do
//           not hold (none for its range, or its file missing) ends the
//           handler after the reader's own message, with the result boxes as
//           they were. The Moon (10, 11)
//           is always given relative to the Earth, as the ephemeris holds it.
void Form24::Command1_Click() {
  withErrorTrap(form24text::kBadData, form24text::kTitle, [&] {
    Main.StartYear = CLng(Text9.Text());
    Main.StartMonth = CLng(Text8.Text());
    Main.StartDay = CDbl(Text7.Text());
    Main.DateErrorFlag = 0;
    Main.JD = JulianDayFromDate(Main.StartDay, Main.StartMonth, Main.StartYear);
    if (Main.DateErrorFlag == 1) return;
    Text10.setText(Str(Main.JD));
    Main.SelectedObject = CLng(Text11.Text());
    const int s = Main.SelectedObject;
    checkEphemerisObject(s);

    closeDE405File();
    LoadDE405Block();
    if (!blockHoldsTheDay()) return;
    EvaluateDE405Body(0, kEquatorialAU);
    EvaluateDE405Body(s, kEquatorialAU);
    closeDE405File();

    if (Option4.Value() && !isMoon(s)) moveOriginToTheSun(s);
    const double t = (Main.JD - Main.JD2000) / kDaysPerJulianCentury;
    BuildEquatorialPrecessionMatrix(0, t);
    if (Option8.Value()) {
      PrecessEclipticCoordinates(0, t);
      turnToTheEcliptic(s);
    }
    if (Option6.Value()) precessToTheDate(s);
    if (Option1.Value()) convertToMetres(s);
    showResult(s);
  });
}

void Form24::moveOriginToTheSun(int s) {
  Main.X[s] = Main.X[s] - Main.X[0];
  Main.Y[s] = Main.Y[s] - Main.Y[0];
  Main.Z[s] = Main.Z[s] - Main.Z[0];
  Main.VX[s] = Main.VX[s] - Main.VX[0];
  Main.VY[s] = Main.VY[s] - Main.VY[0];
  Main.VZ[s] = Main.VZ[s] - Main.VZ[0];
}

// From the equator of J2000 to the ecliptic of J2000: a turn about X by the
// obliquity of J2000, position and velocity alike.
void Form24::turnToTheEcliptic(int s) {
  const double sinE = std::sin(Main.ObliquityJ2000), cosE = std::cos(Main.ObliquityJ2000);
  const auto turn = [&](double& y, double& z) {
    const double eclipticY = sinE * z + cosE * y;
    z = cosE * z - sinE * y;
    y = eclipticY;
  };
  turn(Main.Y[s], Main.Z[s]);
  turn(Main.VY[s], Main.VZ[s]);
}

// From the equinox of J2000 to that of the date, by the matrix built last
// (of the equator or of the ecliptic).
void Form24::precessToTheDate(int s) {
  Main.CurrentObject = static_cast<int16_t>(s);
  PrecessPosition();
  PrecessVelocity();
}

void Form24::convertToMetres(int s) {
  const double perSecond = Main.Lae / Main.SecondsPerDay;
  Main.X[s] = Main.X[s] * Main.Lae;
  Main.Y[s] = Main.Y[s] * Main.Lae;
  Main.Z[s] = Main.Z[s] * Main.Lae;
  Main.VX[s] = Main.VX[s] * perSecond;
  Main.VY[s] = Main.VY[s] * perSecond;
  Main.VZ[s] = Main.VZ[s] * perSecond;
}

void Form24::showResult(int s) {
  Text1.setText(Str(Main.X[s]));
  Text2.setText(Str(Main.Y[s]));
  Text3.setText(Str(Main.Z[s]));
  Text4.setText(Str(Main.VX[s]));
  Text5.setText(Str(Main.VY[s]));
  Text6.setText(Str(Main.VZ[s]));
}

// The orbit check of one planet on Form1: the chosen body and its centre
// (the Sun, or the Earth alone when the Moon is followed) integrated alone
// from their start data, the orbit measured once per revolution beside the
// given elements, the drift of the pair's energy followed, both bodies drawn
// in the plan view and the side view. The loop runs until "Остановить";
// "Продолжить " goes on and "сделать NC0 шагов" runs one pass.
#include <cmath>

#include "core/Constants.h"
#include "core/runtime/ErrorTrap.h"
#include "core/runtime/NumberText.h"
#include "core/state/SharedState.h"
#include "setup/Form1.h"
#include "setup/Form1Texts.h"
#include "science/twobody/TwoBodyOrbitCheck.h"

namespace {

constexpr const char* kSolveError = "Ошибка решения уравнений";

constexpr int16_t kCentreSlot = 0;
constexpr int kCentreOfMassSlot = 14;
constexpr int kSpareBody = 10;
constexpr int kMoonSlot = 11;
constexpr int kEarthAloneSlot = 13;
constexpr int kEarth = 3;

using astro::kArcSecondsPerDegree;

// A value cut toward zero to the given decimals, as text.
std::string cut(double value, int decimals) { return Str(truncateDecimals(value, decimals)); }

// The relative change (now - start) / start in percent, cut to 14 decimals.
std::string percentText(double now, double start) {
  const double ratio = (now - start) / start;
  const double mk2 = Main.MK * Main.MK;
  return Str(Fix(mk2 * 10000 * ratio) / mk2 / 100);
}

// Slot `slot` of the current tables from start slot `startSlot`, moved by
// the system velocity (km/s).
void placeFromStartData(int slot, int startSlot) {
  const BodyState start = startState(startSlot);
  const Vector3 systemVelocity{Main.VXsys * 1000, Main.VYsys * 1000, Main.VZsys * 1000};
  setCurrentState(slot, {start.position, systemVelocity + start.velocity});
}

bool followsMoon(int s) { return Main.kodMoon == 1 && s == kSpareBody; }

}  // namespace

// Command13_Click "Проверить параметры орбиты и ошибку их определения
// программой": the start of a new check, then its loop.
// Notes:    A box that is no number, a step or divisor that is not positive,
//           the Sun chosen (its mean speed is 0): "Задайте правильно данные"
//           (title "Celvan7m"); what was set before stays and the loop does
//           not start.
void Form1::Command13_Click() {
  if (withErrorTrap(form1text::kBadData, form1text::kTitle7m, [&] { startOrbitCheck(); }))
    RunOrbitCheck();
}

// startOrbitCheck: the followed body s and its centre c, their start data
// with the system velocity into slots s and 0, the given perihelion and node
// longitudes with their search windows, the state of the check and the
// start displays.
// Reads:    Option1, Check5, Text29, Text30, Text31, Text10; kodMoon; X0..VZ0
//           of c and of the body's start slot; VXsys, VYsys, VZsys (km/s);
//           AlfaP, AlfaU, Betta, Rsr, V0sr of s; SiderealPeriod
// Writes:   SelectedObject, BodyNumber, SecondObject, CurrentObject (11),
//           X..VZ slots 0 and s, AlfaPPrevious, AlfaUPrevious,
//           AlfaPCurrent, AlfaUCurrent (degrees), VsolConstFlag, NC0, P00,
//           StepDivisor, Step, dAlfa, the four window bounds and the state
//           of prepareOrbitCheck; Label13, Text8, Text12, Text21, Text35,
//           Text22
// Notes:    A base step or divisor that is not positive is refused: it
//           would stall the check or fill it with infinities.
void Form1::startOrbitCheck() {
  for (Main.CurrentObject = 0; Main.CurrentObject <= 10; ++Main.CurrentObject)
    if (Option1[Main.CurrentObject].Value()) Main.SelectedObject = Main.CurrentObject;
  const int s = Main.SelectedObject;
  Main.BodyNumber = followsMoon(s) ? kMoonSlot : s;
  Main.SecondObject = followsMoon(s) ? kEarthAloneSlot : 0;
  Label13.setCaption("(справочно T= " + Str(Main.SiderealPeriod[Main.BodyNumber]) + " дней)");

  placeFromStartData(0, Main.SecondObject);
  placeFromStartData(s, Main.BodyNumber);
  Main.AlfaPPrevious = Main.kUgol * Main.AlfaP[s];
  Main.AlfaUPrevious = Main.kUgol * Main.AlfaU[s];
  Main.VsolConstFlag = Check5.Value() == 1 ? 0 : 1;
  orbitcheck::prepareOrbitCheck(Main.Betta[s]);
  orbitcheck::setOrbitCheckSteps(CInt(Text29.Text()), CDbl(Text30.Text()), CInt(Text31.Text()));

  Text8.setText("0");
  Text12.setText("0");
  Main.AlfaUCurrent = Main.AlfaUPrevious;
  Main.AlfaPCurrent = Main.AlfaPPrevious;
  Text21.setText(Str(Main.AlfaPPrevious));
  Text35.setText(Str(Main.AlfaUPrevious));
  const double meanPeriod = 2 * Main.Pi * Main.Rsr[s] / Main.V0sr[s] / Main.SecondsPerDay;
  throwOnFloatingPointFlags();  // the Sun's mean speed is 0
  Text22.setText(cut(meanPeriod, 6));

  orbitcheck::setSearchWindows(CDbl(Text10.Text()));
}

// RunOrbitCheck: steps of the check, a pass end every NC0 steps. Returns at
// a pass end with StopFlag = 1, when no window is left open or this window
// is closed, or on a run-time error ("Ошибка решения уравнений", title
// "Celvan7m"; the state stays as the error found it).
void Form1::RunOrbitCheck() {
  withErrorTrap(kSolveError, form1text::kTitle7m, [&] {
    for (;;) {
      orbitcheck::orbitCheckStep(kCentreSlot, *this);
      if (Main.StepCounter < Main.NC0) continue;
      if (!endOrbitCheckPass()) return;
    }
  });
}

// endOrbitCheckPass: the picture, the grid and the displays of a pass, then
// the stop request and the pending window events. False when the loop ends.
bool Form1::endOrbitCheckPass() {
  Main.StepCounter = 0;
  throwOnFloatingPointFlags();
  const int s = Main.SelectedObject;
  Main.RefRadius = followsMoon(s) ? Main.Diameter[kEarth] / 2 : Main.SunRadius;
  drawCheckedPair();
  if (Option3.Value()) {
    showInitialDataColumn(0);
    showInitialDataColumn(s);
  }
  Main.Esys = orbitcheck::pairEnergy(Main.Rpl);
  showPassResults();
  Main.VsolConstFlag = Check5.Value() == 1 ? 0 : 1;
  throwOnFloatingPointFlags();
  if (Main.StopFlag == 1) return false;
  const int openWindows = DoEvents();
  clearFloatingPointFlags();
  return openWindows > 0 && isLoaded();
}

// drawCheckedPair: the marks of the last pass drawn over in black (unless
// "траектории" keeps them), the pair's centre of mass into slot 14, the
// traces moved to the present, the two bodies and (with "ЦМ системы") the
// centre-of-mass cross drawn anew.
void Form1::drawCheckedPair() {
  const int s = Main.SelectedObject;
  const double centreRadius = Main.RefRadius / Main.ImageScale;
  const int32_t black = RGB(0, 0, 0);
  if (Check1.Value() == 0) {
    Picture1.setFillColor(black);
    drawInBothViews({Main.Xsled[0], Main.Ysled[0], Main.Zsled[0]}, centreRadius, black);
    drawInBothViews({Main.Xsled[s], Main.Ysled[s], Main.Zsled[s]}, kBodyMarkRadius, black);
  }
  const bool markCentreOfMass = Check7.Value() == 1;
  if (markCentreOfMass)
    drawCentreOfMassCross(Main.Xsled[kCentreOfMassSlot], Main.Ysled[kCentreOfMassSlot], black);
  const Vector3 centreOfMass = orbitcheck::pairCentreOfMass();
  Main.X[kCentreOfMassSlot] = centreOfMass.x;
  Main.Y[kCentreOfMassSlot] = centreOfMass.y;
  Main.Z[kCentreOfMassSlot] = centreOfMass.z;
  for (int slot : {0, s, kCentreOfMassSlot}) {
    Main.Xsled[slot] = Main.X[slot];
    Main.Ysled[slot] = Main.Y[slot];
    Main.Zsled[slot] = Main.Z[slot];
  }
  drawCheckedBody(0, centreRadius);
  drawCheckedBody(s, kBodyMarkRadius);
  if (markCentreOfMass)
    drawCentreOfMassCross(centreOfMass.x, centreOfMass.y, RGB(0, 0, 250));
}

// drawCheckedBody: object `slot` in its colour, half as bright below the
// ecliptic.
void Form1::drawCheckedBody(int slot, double radius) {
  Main.ColorFactor = Main.Z[slot] < 0 ? 0.5f : 1.0f;
  const auto shaded = [](int16_t component) {
    return CInt(static_cast<double>(component * Main.ColorFactor));
  };
  const int32_t colour =
      RGB(shaded(Main.ColorR[slot]), shaded(Main.ColorG[slot]), shaded(Main.ColorB[slot]));
  Picture1.setFillColor(colour);
  drawInBothViews(currentState(slot).position, radius, colour);
}

// showPassResults: energy drift, distance and speed extremes since the last
// perihelion, largest latitude, present longitude and the time since the
// start.
void Form1::showPassResults() {
  Text9.setText(percentText(Main.Esys, Main.E0sys));
  Text17.setText(cut(Main.MaxValue / Main.MK, 2));
  Text18.setText(cut(Main.MinValue / Main.MK, 2));
  Text19.setText(cut(Main.Ymax, 2));
  Text20.setText(cut(Main.Ymin, 2));
  Text36.setText(cut(Main.BettaCurrent * Main.kUgol, 6));
  Text37.setText(Str(Main.RelativeLongitude[Main.SelectedObject]));
  Text40.setText(cut(Main.StageTime / Main.sekG, 2));
}

// showAscendingNode: the measured node (degrees) and its deviation from the
// given one (arc seconds).
void Form1::showAscendingNode() {
  Text35.setText(cut(Main.AlfaUCurrent, 4));
  const double deviation = orbitcheck::angleDeviation(Main.AlfaUCurrent, Main.AlfaUPrevious);
  Text12.setText(cut(deviation * kArcSecondsPerDegree, 4));
}

// showRevolution: period (days), eccentricity, mean speed (m/s), mean
// distance (thousands of km), perihelion (degrees) and its deviation (arc
// seconds), mean angular speed (radians per year).
void Form1::showRevolution() {
  const double meanSpeed = (Main.Ymax + Main.Ymin) / 2;
  const double meanDistance = Main.RadiusVector[Main.SelectedObject];
  Text13.setText(cut(Main.Period, 6));
  Text14.setText(cut(Main.EksCurrent, 6));
  Text15.setText(cut(meanSpeed, 2));
  Text16.setText(cut(meanDistance / Main.MK, 2));
  Text21.setText(cut(Main.AlfaPCurrent, 6));
  Text27.setText(cut(meanSpeed / meanDistance * Main.sekG, 6));
  const double deviation = orbitcheck::angleDeviation(Main.AlfaPCurrent, Main.AlfaPPrevious);
  Text8.setText(cut(deviation * kArcSecondsPerDegree, 4));
}

// Command5_Click "Остановить": a running check ends at its next pass end.
void Form1::Command5_Click() { Main.StopFlag = 1; }

// Command6_Click "Продолжить ": the check goes on from where it stands.
void Form1::Command6_Click() {
  Main.StopFlag = 0;
  RunOrbitCheck();
}

// Command7_Click "сделать NC0 шагов": exactly one pass of NC0 steps (Text29)
// from where the check stands. A Text29 that is no whole number of 16 bits:
// "Задайте правильно данные" (title "Celvan7m"), and nothing runs.
void Form1::Command7_Click() {
  int16_t steps = 0;
  if (!withErrorTrap(form1text::kBadData, form1text::kTitle7m,
                     [&] { steps = CInt(Text29.Text()); }))
    return;
  Main.StopFlag = 1;
  Main.StepCounter = 0;
  Main.NC0 = steps;
  RunOrbitCheck();
}

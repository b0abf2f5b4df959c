// Form11's first button and its stepping loop: the true states of the Earth
// and the target for a date, their distance and the light time between
// them, repeated with the second button over a series of dates.
#include <cmath>

#include "core/Constants.h"
#include "core/coordinates/Coordinates.h"
#include "core/runtime/ErrorTrap.h"
#include "core/runtime/MessageBox.h"
#include "core/runtime/NumberText.h"
#include "core/runtime/RuntimeError.h"
#include "core/state/ModelStartData.h"
#include "core/state/SharedState.h"
#include "core/theory/Theory.h"
#include "core/time/TimeScales.h"
#include "core/state/BodyState.h"
#include "setup/Form11.h"
#include "setup/Form11Texts.h"
#include "ui/Runtime.h"

namespace {

constexpr int kEarth = 3;
constexpr int kSun = 0;
constexpr int kStar = 10;
using astro::kMetresPerKilometre;

// A velocity (m/s) shown in km/s cut to six decimals.
std::string velocityText(double metresPerSecond) {
  return Str(Fix(kMetresPerKilometre * metresPerSecond) / Main.MK);
}

}  // namespace

void Form11::Form_Load() {
  takeModelStartStates();
  SeriesStartJD = Main.SeriesStartJD;
  Picture1.Cls();
  Picture1.Scale(-10, 10, 10, -10);
}

// Form_Activate: the picture scale of the scale bar, the calendar and the
// start of the day, and the grid.
void Form11::Form_Activate() {
  Main.ImageScale = HScroll1.Value() * 1e8;
  Main.CalendarMode = 0;
  Main.DayStartHour = 0;
  DrawAberrationGrid();
}

// Command1_Click "Найти параметры Земли и объекта наблюдения ": the Earth and
// the target at their true places for the date of the boxes, the Sun at
// rest at the origin; the target's geocentric longitude and latitude, the
// distance and the light time at the reduced speed of light.
// Reads:    Text7, Text8, Text6, Check1(0..10), the date boxes, Check2,
//           Text1, Text2, the star's boxes Text12..Text22; Main.Vsv
// Writes:   Main.MT, MAlfa, StageCounter = 0, Vgr = Vsv / N, LoopIndexJ,
//           SelectedObject, CurrentObject, the calendar date and JD, X..VZ
//           of 0, 3 and the target, PropagationTime(3, target), the pair
//           geometry; the window's own start states X0..VZ0 and mean
//           distances; GeoL0, GeoB0; the boxes of the states and results.
//           The New0 masses and elements serve the computation only: the
//           model's masses, elements and start data are put back after it.
// Notes:    More than one target ticked: StopFlag = 1 and "Должен быть
//           отмечен только 1 объект"; none ticked: the target last chosen
//           in any window. A box that is no number, N = 0 or a target out
//           of the tables: "Введите правильно данные " (title "Celvan7");
//           what was written before stays.
bool Form11::Command1_Click() {
  return withErrorTrap(form11text::kBadData, form11text::kTitle, [&] {
    const KeepModelStartData keep;
    takeModelStartStates();
    Main.MT = CDbl(Text7.Text());
    Main.MAlfa = CDbl(Text8.Text());
    Main.StageCounter = 0;
    Main.Vgr = Main.Vsv / CDbl(Text6.Text());
    throwOnFloatingPointFlags();
    if (!chooseTarget()) return;
    Main.CalendarYear = CLng(Text43.Text());
    Main.CalendarMonth = CLng(Text33.Text());
    Main.CalendarDay = CDbl(Text23.Text());
    Main.JD = JulianDayFromDate(Main.CalendarDay, Main.CalendarMonth, Main.CalendarYear);
    SetMassesNew0();
    placeEarth();
    for (double* v : {&Main.X[kSun], &Main.Y[kSun], &Main.Z[kSun], &Main.VX[kSun],
                      &Main.VY[kSun], &Main.VZ[kSun]})
      *v = 0;
    const int target = Main.SelectedObject;
    placeTarget(target);
    for (int object : {kEarth, target}) keepStartState(object, currentState(object));
    findTrueDirection(target);
    if (Option3.Value()) drawUnlessFarOutside([&] { drawTrueConstructions(target); });
  });
}

// takeModelStartStates: the model's start states and mean distances as the
// window's own, before it places the Earth and the target.
void Form11::takeModelStartStates() {
  for (int i = 0; i <= 10; ++i) {
    keepStartState(i, startState(i));
    Rsr[i] = Main.Rsr[i];
  }
}

void Form11::keepStartState(int object, const BodyState& state) {
  X0[object] = state.position.x;
  Y0[object] = state.position.y;
  Z0[object] = state.position.z;
  VX0[object] = state.velocity.x;
  VY0[object] = state.velocity.y;
  VZ0[object] = state.velocity.z;
}

// chooseTarget: the ticked target into SelectedObject (the last ticked in
// index order); false, with the stop flag raised and the message, when more
// than one is ticked.
bool Form11::chooseTarget() {
  Main.LoopIndexJ = 0;
  for (int i = 0; i <= 10; ++i) {
    if (Check1[i].Value() != 1) continue;
    ++Main.LoopIndexJ;
    Main.SelectedObject = i;
  }
  if (Main.LoopIndexJ <= 1) return true;
  Main.StopFlag = 1;
  MsgBox(form11text::kOneTarget, form11text::kTitle);
  return false;
}

// placeEarth: the Earth by theory New0 at the date, its mean longitude from
// the theory or typed in Text1; its state shown.
void Form11::placeEarth() {
  placeByTheory(kEarth, Text1);
  showTrueState(kEarth, Text11, Text13, Text15, Text17, Text19, Text21);
}

// placeTarget: the star's typed state, the Sun at rest at the origin, or a
// planet by theory New0 with its mean longitude from the theory or typed in
// Text2; the state of the Sun or the planet shown.
void Form11::placeTarget(int target) {
  Main.CurrentObject = static_cast<int16_t>(target);
  if (target == kStar) {
    Main.X[kStar] = Main.MK * CDbl(Text12.Text());
    Main.Y[kStar] = Main.MK * CDbl(Text14.Text());
    Main.Z[kStar] = Main.MK * CDbl(Text16.Text());
    Main.VX[kStar] = kMetresPerKilometre * CDbl(Text18.Text());
    Main.VY[kStar] = kMetresPerKilometre * CDbl(Text20.Text());
    Main.VZ[kStar] = kMetresPerKilometre * CDbl(Text22.Text());
    return;
  }
  if (target != kSun) placeByTheory(target, Text2);
  showTrueState(target, Text12, Text14, Text16, Text18, Text20, Text22);
  if (Option3.Value()) DrawAberrationOrbits();
}

// placeByTheory: the New0 elements of the object at JD, the mean longitude
// typed (when the theory is not ticked) or shown reduced to one turn, then
// its position and velocity.
void Form11::placeByTheory(int object, ui::TextBox& meanLongitude) {
  Main.CurrentObject = static_cast<int16_t>(object);
  SetElementsNew0();
  if (Check2.Value() != 1) Main.AlfaL[object] = CDbl(meanLongitude.Text()) / Main.kUgol;
  Main.MeanAnomaly[object] = 2 * Main.Pi * FractionPositive(Main.AlfaL[object] / 2 / Main.Pi);
  if (Check2.Value() == 1) meanLongitude.setText(Str(Main.kUgol * Main.MeanAnomaly[object]));
  PositionFromElements();
  VelocityFromElements();
  Rsr[object] = Main.Rsr[object];
}

// showTrueState: position in thousand km in full, velocity in km/s cut to
// six decimals.
void Form11::showTrueState(int object, ui::TextBox& x, ui::TextBox& y, ui::TextBox& z,
                           ui::TextBox& vx, ui::TextBox& vy, ui::TextBox& vz) {
  x.setText(Str(Main.X[object] / Main.MK));
  y.setText(Str(Main.Y[object] / Main.MK));
  z.setText(Str(Main.Z[object] / Main.MK));
  vx.setText(velocityText(Main.VX[object]));
  vy.setText(velocityText(Main.VY[object]));
  vz.setText(velocityText(Main.VZ[object]));
}

// findTrueDirection: the target's geocentric longitude and latitude at its
// true place, the distance and the light time at the reduced speed.
void Form11::findTrueDirection(int target) {
  RelativeEclipticPosition(kEarth, static_cast<int16_t>(target));
  GeoL0 = Main.RelativeLongitude[target];
  GeoB0 = Main.RelativeLatitude;
  Text37.setText(Str(GeoL0));
  Text47.setText(Str(Fix(Main.MK * GeoB0) / Main.MK));
  Text30.setText(Str(Main.Rpl / Main.MK));
  Main.PropagationTime(kEarth, target) = Main.Rpl / Main.Vgr;
  Text31.setText(Str(Main.PropagationTime(kEarth, target)));
}

// Command5_Click "С шагом": theory New0 ticked, the step and the start date
// read and kept as the series' start, then passes until stopped.
// Notes:    A step or date that is no number: "Введите правильно данные "
//           (title "Celvan7") and no pass is made.
void Form11::Command5_Click() {
  const bool ready = withErrorTrap(form11text::kBadData, form11text::kTitle, [&] {
    Main.StopFlag = 0;
    Check2.setValue(1);
    StepDays = CDbl(Text9.Text());
    Main.CalendarYear = CLng(Text43.Text());
    Main.CalendarMonth = CLng(Text33.Text());
    Main.CalendarDay = CDbl(Text23.Text());
    Main.JD = JulianDayFromDate(Main.CalendarDay, Main.CalendarMonth, Main.CalendarYear);
    SeriesStartJD = Main.JD;
    Main.StartYear = Main.CalendarYear;
    Main.StartMonth = Main.CalendarMonth;
    Main.StartDay = Main.CalendarDay;
  });
  if (ready) runSteppingLoop();
}

void Form11::Command6_Click() { Main.StopFlag = 1; }

void Form11::Command7_Click() {
  Main.StopFlag = 0;
  runSteppingLoop();
}

void Form11::Command9_Click() { makeSteppingPass(); }

// Command8_Click "JD=JD0": the start date of the series back in the boxes.
void Form11::Command8_Click() {
  Text43.setText(Str(Main.StartYear));
  Text33.setText(Str(Main.StartMonth));
  Text23.setText(Str(Main.StartDay));
}

// runSteppingLoop: passes until one ends with StopFlag = 1 or with a
// message, no window is left open or this window is closed; at least one
// pass.
void Form11::runSteppingLoop() {
  while (makeSteppingPass() && Main.StopFlag != 1 && DoEvents() > 0 && isLoaded()) {
  }
}

// makeSteppingPass: both buttons at the date of the boxes, then the date
// moved on by StepDays into the boxes (a day of the month beyond the
// month's end carries into the next). False, with the date left where it
// was, when a button ended with its message.
bool Form11::makeSteppingPass() {
  if (!Command1_Click() || !Command3_Click()) return false;
  Main.InputYear = Main.CalendarYear;
  Main.InputMonth = Main.CalendarMonth;
  Main.InputDay = Main.CalendarDay + StepDays;
  NormalizeCalendarDate(Main.InputDay, Main.InputMonth, Main.InputYear);
  Text43.setText(Str(Main.CalendarYear));
  Text33.setText(Str(Main.CalendarMonth));
  Text23.setText(Str(Main.CalendarDay));
  return true;
}

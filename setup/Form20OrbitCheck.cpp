// "Проверить параметры орбиты Луны": the Earth and the Moon integrated alone
// from their start data, the Moon's orbit measured once per revolution from
// the Earth's centre or from the barycentre, and the energy, the angular
// momentum and the Y momentum of the pair followed pass by pass.
#include <cmath>
#include <string>

#include "core/runtime/ErrorTrap.h"
#include "core/runtime/NumberText.h"
#include "core/runtime/RuntimeError.h"
#include "core/state/ModelStartData.h"
#include "core/state/SharedState.h"
#include "core/state/BodyState.h"
#include "setup/Form20.h"
#include "setup/Form20Texts.h"

namespace {

// Slots of the check: the Earth's coordinates in 0, the Moon in 11, the
// Earth's mass in 13, the centre of mass of the pair in 14.
constexpr int kEarth = 0;
constexpr int kMoon = 11;
constexpr int kEarthMass = 13;
constexpr int16_t kCentreOfMass = 14;

// The side view lies along y = 11 of the picture.
constexpr double kSideViewAxisY = 11;
constexpr double kEarthMarkRadius = 0.1;
constexpr double kMoonMarkRadius = 0.07;
// Below the ecliptic the Earth is drawn at half and the Moon at 0.7 of their
// brightness.
constexpr float kEarthBelowFactor = 0.5F;
constexpr float kMoonBelowFactor = 0.7F;
constexpr int kBrightness = 250;
// The start Y momentum of the pair counts as none, and its drift is not
// shown, up to 1e9 kg m/s, and up to this fraction of the bodies' own Y
// momenta: a pair balanced about its barycentre keeps a remainder of a few
// rounding units of them (some 1e10 kg m/s for the Earth and the Moon),
// whose drift in percent would be rounding noise.
constexpr double kSmallestShownMomentum = 1e9;
constexpr double kMomentumRounding = 1e-12;
constexpr double kMetresPerSecondPerKmPerSecond = 1000;

std::string sixDecimals(double value) { return Str(truncateDecimals(value, 6)); }
std::string twelveDecimals(double value) { return Str(truncateDecimals(value, 12)); }

// The change of a balance since the start, percent, to 12 decimals. A zero
// start value is a division by zero for the check's trap.
std::string percentChange(double now, double start) {
  return twelveDecimals(100 * (now - start) / start);
}

Vector3 trace(int slot) { return {Main.Xsled[slot], Main.Ysled[slot], Main.Zsled[slot]}; }

void setTrace(int slot, const Vector3& p) {
  Main.Xsled[slot] = p.x;
  Main.Ysled[slot] = p.y;
  Main.Zsled[slot] = p.z;
}

double distance(const Vector3& a, const Vector3& b) {
  const double dx = a.x - b.x, dy = a.y - b.y, dz = a.z - b.z;
  return std::sqrt(dx * dx + dy * dy + dz * dz);
}

// Z of the Moon's angular momentum about the Earth: the Moon's mass times the
// cross product of its position and velocity relative to the Earth, kg m²/s.
double relativeAngularMomentumZ() {
  const BodyState earth = currentState(kEarth);
  const BodyState moon = currentState(kMoon);
  return ((moon.position.x - earth.position.x) * (moon.velocity.y - earth.velocity.y) -
          (moon.position.y - earth.position.y) * (moon.velocity.x - earth.velocity.x)) *
         Main.Mass[kMoon];
}

// Y momentum of the pair, kg m/s. The two momenta nearly cancel (a pair at
// rest about its barycentre: some 7e25 each), so their plain sum would keep
// only the rounding of the two products, a unit in the last place of 7e25
// (2^33 = 8589934592), and not the momentum of the state. The rounding
// error of each product, which fma finds exactly, is added back.
double pairMomentumY() {
  const double moon = Main.Mass[kMoon] * Main.VY[kMoon];
  const double earth = Main.Mass[kEarthMass] * Main.VY[kEarth];
  const double moonError = std::fma(Main.Mass[kMoon], Main.VY[kMoon], -moon);
  const double earthError = std::fma(Main.Mass[kEarthMass], Main.VY[kEarth], -earth);
  return (moon + earth) + (moonError + earthError);
}

// Whether the pair's start Y momentum is one of its own and not what the
// rounding of the bodies' momenta leaves of a balanced pair.
bool hasOwnMomentumY(double pairMomentum) {
  const double bodiesMomenta = std::fabs(Main.Mass[kMoon] * Main.VY[kMoon]) +
                               std::fabs(Main.Mass[kEarthMass] * Main.VY[kEarth]);
  return std::fabs(pairMomentum) > kSmallestShownMomentum &&
         std::fabs(pairMomentum) > kMomentumRounding * bodiesMomenta;
}

void setCentreOfMassPosition(const Vector3& p) {
  Main.X[kCentreOfMass] = p.x;
  Main.Y[kCentreOfMass] = p.y;
  Main.Z[kCentreOfMass] = p.z;
}

// The brightness of a body's colour: full above the ecliptic, the factor
// below it; kept in the shared ColorFactor.
int shade(double z, float belowFactor) {
  Main.ColorFactor = z < 0 ? belowFactor : 1.0F;
  return CInt(kBrightness * static_cast<double>(Main.ColorFactor));
}

}  // namespace

// Command1_Click "Проверить параметры орбиты Луны": the start of the check
// from the start tables, then its loop. A box that is no number shows
// "Задайте правильно данные" (title "Celvan7m") and starts nothing.
void Form20::Command1_Click() {
  const KeepModelStartData keep;
  usePairStartData();
  if (!withErrorTrap(form20text::kBadCheckData, form20text::kTitle7m,
                     [&] { startMoonOrbitCheck(); }))
    return;
  RunMoonOrbitCheck();
}

// The start of the check.
// Reads:    Text44 (km/s), Check1, Text36, Text22, Text23; X0..VZ0 of slots
//           0 (the Earth) and 11 (the Moon); Mass; Betta(11); the reference
//           elements and windows that Command6_Click left
// Writes:   VYsys (km/s, as the system velocity is kept everywhere);
//           RevolutionCount = 0, SelectedObject = 11, SecondObject = 13;
//           X..VZ of slots 0 and 11 with the system velocity added to VY;
//           the start of the measurement (TwoBodyOrbitCheck.h); M0sys,
//           KD0sysY and whether its drift is shown; NC0, P00, StepDivisor,
//           Step; the result boxes
void Form20::startMoonOrbitCheck() {
  Main.VYsys = CDbl(Text44.Text());
  Main.RevolutionCount = 0;
  Main.SelectedObject = kMoon;
  Main.SecondObject = kEarthMass;
  CentreObject = Check1.Value() == 1 ? kCentreOfMass : static_cast<int16_t>(kEarth);
  const Vector3 systemVelocity{0, Main.VYsys * kMetresPerSecondPerKmPerSecond, 0};
  for (const int slot : {kEarth, kMoon}) {
    BodyState body = startState(slot);
    body.velocity = body.velocity + systemVelocity;
    setCurrentState(slot, body);
  }
  orbitcheck::prepareOrbitCheck(Main.Betta[kMoon]);
  setCentreOfMassPosition({0, 0, 0});
  Main.M0sys = relativeAngularMomentumZ();
  KD0sysY = pairMomentumY();
  showsMomentumDrift_ = hasOwnMomentumY(KD0sysY);

  orbitcheck::setOrbitCheckSteps(CInt(Text36.Text()), CDbl(Text22.Text()), CInt(Text23.Text()));

  printLine(-4.1, "E0sys (Дж)=              " + Str(Main.E0sys));
  printLine(-4.8, "M0sys (кг*м^2/с) =   " + Str(Main.M0sys));
  printLine(-5.5, "KD0sysY (кг*м/с) =   " + Str(KD0sysY));
  printLine(-6.2, "KD0(11)Y (кг*м/с) =   " + Str(Main.Mass[kMoon] * Main.VY[kMoon]));
  for (ui::TextBox* box : {&Text17, &Text18, &Text19, &Text20, &Text38, &Text2, &Text27, &Text28,
                           &Text29, &Text30, &Text39, &Text3})
    box->setText("0");
}

// RunMoonOrbitCheck: passes of NC0 steps until a pass ends with StopFlag =
// 1, this window is closed or no window is left. Any run-time error shows
// "Ошибка решения уравнений" (title "Celvan7m") and ends the loop with the
// state of the step that failed.
void Form20::RunMoonOrbitCheck() {
  withErrorTrap(form20text::kSolveError, form20text::kTitle7m, [&] {
    while (runMoonCheckPass()) {
    }
  });
}

// One pass and its end; false when the loop is to end.
bool Form20::runMoonCheckPass() {
  do {
    orbitcheck::orbitCheckStep(CentreObject, *this);
    throwOnFloatingPointFlags();
  } while (Main.StepCounter < Main.NC0);
  endMoonCheckPass();
  if (Main.StopFlag == 1) return false;
  const int open = DoEvents();
  return open > 0 && isLoaded();
}

// Command2_Click "Остановить": the check ends at its next pass end.
void Form20::Command2_Click() { Main.StopFlag = 1; }

// Command3_Click "Продолжить": the check goes on from where it stopped.
void Form20::Command3_Click() {
  const KeepModelStartData keep;
  usePairStartData();
  Main.StopFlag = 0;
  RunMoonOrbitCheck();
}

// After every step: the centre of mass of the pair in slot 14 and the Moon
// relative to it.
void Form20::stateAdvanced() {
  setCentreOfMassPosition(orbitcheck::pairCentreOfMass());
  Main.PairDX(kCentreOfMass, kMoon) = Main.X[kMoon] - Main.X[kCentreOfMass];
  Main.PairDY(kCentreOfMass, kMoon) = Main.Y[kMoon] - Main.Y[kCentreOfMass];
  Main.PairDZ(kCentreOfMass, kMoon) = Main.Z[kMoon] - Main.Z[kCentreOfMass];
}

// At an ascending node: the measured node longitude and its deviation from
// the given one, degrees.
void Form20::showAscendingNode() {
  Text19.setText(sixDecimals(orbitcheck::angleDeviation(Main.AlfaUCurrent, Main.AlfaUPrevious)));
  Text29.setText(sixDecimals(Main.AlfaUCurrent));
}

// At a perigee passage: the period from the third passage on (the third
// gives the reference period, later ones the period and its change), the
// mean distance, the eccentricity, the perigee longitude and the inclination
// beside their given values.
void Form20::showRevolution() {
  if (Main.RevolutionCount == 2) {
    Text37.setText(sixDecimals(Main.Period));
    Main.PrevPeriod = Main.Period;
  }
  if (Main.RevolutionCount > 2) {
    Text3.setText(sixDecimals(Main.Period));
    Text2.setText(sixDecimals(Main.Period - Main.PrevPeriod));
  }
  const double measuredDistance = Main.RadiusVector[kMoon];
  Text20.setText(Str(Fix(measuredDistance - Main.Rsr[kMoon]) / Main.MK));
  Text30.setText(Str(Fix(measuredDistance) / Main.MK));
  Text17.setText(sixDecimals(Main.EksCurrent - Main.Eks[kMoon]));
  Text27.setText(sixDecimals(Main.EksCurrent));
  Text18.setText(sixDecimals(orbitcheck::angleDeviation(Main.AlfaPCurrent, Main.AlfaPPrevious)));
  Text28.setText(sixDecimals(Main.AlfaPCurrent));
  Text39.setText(sixDecimals(Main.BettaCurrent * Main.kUgol));
  Text38.setText(sixDecimals((Main.BettaCurrent - Main.Betta[kMoon]) * Main.kUgol));
  Main.PrevRevolutionTime = Main.ModelTime;
  ++Main.RevolutionCount;
}

// The end of a pass: time and revolutions, the balances of the pair, the
// picture, the velocity of the centre of mass.
void Form20::endMoonCheckPass() {
  Main.StepCounter = 0;
  Text25.setText(sixDecimals(Main.ModelTime / Main.sekG));
  Text6.setText(Str(Main.RevolutionCount));
  showPairBalances();
  drawPairMarks();
  const double earthMass = Main.Mass[kEarthMass];
  const double moonMass = Main.Mass[kMoon];
  const Vector3 velocity =
      (moonMass * currentState(kMoon).velocity + earthMass * currentState(kEarth).velocity) /
      (moonMass + earthMass);
  Main.VX[kCentreOfMass] = velocity.x;
  Main.VY[kCentreOfMass] = velocity.y;
  Main.VZ[kCentreOfMass] = velocity.z;
  Text12.setText(twelveDecimals(velocity.x));
  Text13.setText(twelveDecimals(velocity.y));
}

// The drifts of the energy, of the angular momentum about the Earth and of
// the Y momentum of the pair since the start, percent. The Y momentum's
// drift is shown only when the pair started with one; otherwise its box
// keeps its text.
void Form20::showPairBalances() {
  Main.SunRadius = distance({Main.StateVector[1], Main.StateVector[2], Main.StateVector[3]},
                            {Main.StateVector[4], Main.StateVector[5], Main.StateVector[6]});
  Main.Esys = orbitcheck::pairEnergy(Main.SunRadius);
  Main.MKDsys = relativeAngularMomentumZ();
  KDsysY = pairMomentumY();
  Text41.setText(percentChange(Main.Esys, Main.E0sys));
  Text42.setText(percentChange(Main.MKDsys, Main.M0sys));
  if (showsMomentumDrift_) Text43.setText(percentChange(KDsysY, KD0sysY));
}

// The Earth and the Moon in the plan view and the side view, and the centre
// of mass when it is asked for; without "траектории" the marks of the pass
// before are drawn over in the background's white first.
void Form20::drawPairMarks() {
  const int32_t white = RGB(255, 255, 255);
  const bool trails = Check3.Value() == 1;
  const bool centreOfMass = Check4.Value() == 1;
  const double s = Main.ImageScale;
  if (!trails) {
    drawBodyMark(trace(kEarth), kEarthMarkRadius, white);
    drawBodyMark(trace(kMoon), kMoonMarkRadius, white);
  }
  if (centreOfMass) drawCross(Main.Xsled[kCentreOfMass] / s, Main.Ysled[kCentreOfMass] / s, white);

  setCentreOfMassPosition(orbitcheck::pairCentreOfMass());
  for (const int slot : {kEarth, kMoon, static_cast<int>(kCentreOfMass)})
    setTrace(slot, currentState(slot).position);

  drawBodyMark(currentState(kEarth).position, kEarthMarkRadius,
               RGB(0, 0, shade(Main.Z[kEarth], kEarthBelowFactor)));
  drawBodyMark(currentState(kMoon).position, kMoonMarkRadius,
               RGB(0, shade(Main.Z[kMoon], kMoonBelowFactor), 0));
  if (centreOfMass)
    drawCross(Main.X[kCentreOfMass] / s, Main.Y[kCentreOfMass] / s, RGB(250, 0, 0));
}

// A body as a circle at its place in the plan view and in the side view.
void Form20::drawBodyMark(const Vector3& position, double radius, int32_t colour) {
  const double s = Main.ImageScale;
  Picture1.Circle(position.x / s, position.y / s, radius, colour);
  Picture1.Circle(position.x / s, position.z / s + kSideViewAxisY, radius, colour);
}

// The run of the two-body window: "Проверить параметры орбиты m1" prepares
// the pair from the saved start state and RunTwoBody integrates it step
// after step with Diffur11, measuring m1's orbit at each periastron passage
// (mean distance, eccentricity, longitude of periastron, inclination), the
// node and the period, and following the energy and angular momentum of the
// pair. "Остановить" ends the loop at its next output, "Продолжить" goes on.
#include <cmath>
#include <string>

#include "core/coordinates/Coordinates.h"
#include "core/runtime/ErrorTrap.h"
#include "core/runtime/NumberText.h"
#include "core/runtime/RuntimeError.h"
#include "core/state/ModelStartData.h"
#include "core/state/SharedState.h"
#include "science/twobody/TwoBodyOrbitCheck.h"
#include "twobody/Form25.h"
#include "twobody/Form25Texts.h"
#include "science/twobody/TwoBody.h"

using twobody::kCentreOfMass;
using twobody::kM1;
using twobody::kM2;

namespace {

constexpr double kMetresPerSecondPerKmPerSecond = 1000;
constexpr double kM2MarkRadius = 0.1;
constexpr double kM1MarkRadius = 0.05;
constexpr int kBrightness = 250;

std::string sixDecimals(double value) { return Str(truncateDecimals(value, 6)); }
std::string twelveDecimals(double value) { return Str(truncateDecimals(value, 12)); }

double distanceOfPair() {
  const double dx = Main.X[kM1] - Main.X[kM2];
  const double dy = Main.Y[kM1] - Main.Y[kM2];
  const double dz = Main.Z[kM1] - Main.Z[kM2];
  return std::sqrt(dx * dx + dy * dy + dz * dz);
}

double speedOf(int slot) {
  return std::sqrt(Main.VX[slot] * Main.VX[slot] + Main.VY[slot] * Main.VY[slot] +
                   Main.VZ[slot] * Main.VZ[slot]);
}

// Z of m1's angular momentum about m2 times m1's mass, kg m²/s.
double relativeAngularMomentum() {
  return ((Main.X[kM1] - Main.X[kM2]) * (Main.VY[kM1] - Main.VY[kM2]) -
          (Main.VX[kM1] - Main.VX[kM2]) * (Main.Y[kM1] - Main.Y[kM2])) *
         Main.Mass[Main.SelectedObject];
}

void packState() {
  const int bodySlots[2] = {kM2, kM1};
  for (int b = 0; b < 2; ++b) {
    const int s = bodySlots[b];
    Main.StateVector[1 + 3 * b] = Main.X[s];
    Main.StateVector[2 + 3 * b] = Main.Y[s];
    Main.StateVector[3 + 3 * b] = Main.Z[s];
    Main.StateVector[7 + 3 * b] = Main.VX[s];
    Main.StateVector[8 + 3 * b] = Main.VY[s];
    Main.StateVector[9 + 3 * b] = Main.VZ[s];
  }
}

void unpackState() {
  const int bodySlots[2] = {kM2, kM1};
  for (int b = 0; b < 2; ++b) {
    const int s = bodySlots[b];
    Main.X[s] = Main.StateVector[1 + 3 * b];
    Main.Y[s] = Main.StateVector[2 + 3 * b];
    Main.Z[s] = Main.StateVector[3 + 3 * b];
    Main.VX[s] = Main.StateVector[7 + 3 * b];
    Main.VY[s] = Main.StateVector[8 + 3 * b];
    Main.VZ[s] = Main.StateVector[9 + 3 * b];
  }
}

void setDifference(int from, int to) {
  Main.PairDX(from, to) = Main.X[to] - Main.X[from];
  Main.PairDY(from, to) = Main.Y[to] - Main.Y[from];
  Main.PairDZ(from, to) = Main.Z[to] - Main.Z[from];
}

// A value that must be a positive number for the run to make sense.
double positive(double value) {
  if (!(value > 0)) throw RuntimeError(ErrorCode::InvalidCall, "must be positive");
  return value;
}

int32_t shaded(int r, int g, int b, double z) {
  Main.ColorFactor = z < 0 ? 0.5F : 1.0F;
  const double f = Main.ColorFactor;
  return RGB(CInt(r * f), CInt(g * f), CInt(b * f));
}

}  // namespace

// Command1_Click "Проверить параметры орбиты m1": the set-up, then the loop.
// Wrong boxes show "Задайте правильно данные" (title "Celvan7mm") and start
// nothing.
void Form25::Command1_Click() {
  const KeepModelStartData keep;
  usePairStartData();
  if (!withErrorTrap(form25text::kBadData, form25text::kTitle7mm, [&] { setUpRun(); })) return;
  RunTwoBody();
}

// The set-up of a run.
// Reads:    the run boxes (Check1, Text31, Text32, Text6, Text43..Text46,
//           Text3, Text21, Text36, Text23, Text22, Text24), the options,
//           X0..VZ0 of slots 0 and 11, Mass, the elements at SelectedObject
// Writes:   the run variables of the window and of the shared state, the
//           state vector, the result boxes; prints E0sys and M0sys
// Notes:    a step, divisor, speed of gravity or time scale that is not
//           positive is refused, as it would stall the loop or fill it with
//           infinities.
void Form25::setUpRun() {
  OrbitCentre = Check1.Value() == 1 ? kCentreOfMass : kM2;
  Text35.setText("0");
  Main.RevolutionCount = 0;
  Main.VXsys = CDbl(Text31.Text()) * kMetresPerSecondPerKmPerSecond;
  Main.VYsys = CDbl(Text32.Text()) * kMetresPerSecondPerKmPerSecond;
  Main.MT = positive(CDbl(Text6.Text())) * Main.SecondsPerDay;
  Main.Z[23] = CDbl(Text43.Text());
  Main.Z[24] = CDbl(Text44.Text());
  Main.Z[25] = CDbl(Text45.Text());
  Main.Z[26] = CDbl(Text46.Text());
  Forces.FtScreen = CDbl(Text3.Text());
  Main.Vgr = positive(CDbl(Text21.Text())) * Main.Vsv;
  const int16_t stepsPerOutput = CInt(Text36.Text());
  const int16_t divisor = CInt(Text23.Text());
  const double baseStep = positive(CDbl(Text22.Text()));
  positive(divisor);
  const double halfWidth = CDbl(Text24.Text());
  setFiniteVgrFlag();
  refreshForceOptions();

  for (const int slot : {kM2, kM1}) {
    Main.X[slot] = Main.X0[slot];
    Main.Y[slot] = Main.Y0[slot];
    Main.Z[slot] = Main.Z0[slot];
    Main.VX[slot] = Main.VX0[slot] + Main.VXsys;
    Main.VY[slot] = Main.VY0[slot] + Main.VYsys;
    Main.VZ[slot] = Main.VZ0[slot];
    Main.Xsled[slot] = Main.X[slot];
    Main.Ysled[slot] = Main.Y[slot];
    Main.Zsled[slot] = Main.Z[slot];
  }
  packState();

  Main.Rpl = distanceOfPair();
  Main.Vsol = speedOf(kM2);
  Main.Vpl = speedOf(kM1);
  Main.StartDistance = Main.Rpl;
  Main.FollowedRelativeZ = Main.Z[kM1] - Main.Z[kM2];
  Main.RelativeLongitude[kM1] = 0;
  const double m1 = Main.Mass[Main.SelectedObject];
  const double m2 = Main.Mass[Main.SecondObject];
  Main.E0sys = m1 * Main.Vpl * Main.Vpl / 2 + m2 * Main.Vsol * Main.Vsol / 2;
  Main.M0sys = relativeAngularMomentum();
  printAt(Picture1, -9, -6.8, "E0sys (Дж)=               " + Str(Main.E0sys));
  printAt(Picture1, -9, -7.5, "M0sys (кг*м^2/с) =   " + Str(Main.M0sys));

  Main.MinValue = 2 * Main.Rpl;
  Main.MaxValue = Main.Rpl / 2;
  Main.PrevDistance = 2 * Main.Rpl;
  Main.ModelTime = 0;
  Main.PrevRevolutionTime = 0;
  IntervalStartTime = 0;
  Main.BettaCurrent = Main.Betta[Main.SelectedObject];
  Main.StopFlag = 0;
  Main.StepReductionState = 0;
  Main.StepCounter = 0;
  Main.NC0 = stepsPerOutput;
  Main.StepDivisor = divisor;
  Main.P00 = baseStep;
  Main.Step = Main.P00;
  startTiming();

  for (ui::TextBox* box : {&Text17, &Text18, &Text19, &Text20, &Text38, &Text27, &Text28,
                           &Text29, &Text30, &Text39, &Text40, &Text33, &Text34, &Text13,
                           &Text14, &Text15})
    box->setText("0");

  const int s = Main.SelectedObject;
  Main.AlfaPPrevious = Main.AlfaPCurrent = Main.kUgol * Main.AlfaP[s];
  Main.AlfaUPrevious = Main.AlfaUCurrent = Main.kUgol * Main.AlfaU[s];
  Main.EksPrevious = Main.Eks[s];
  Main.RefRadius = Main.Rsr[s];
  Main.BettaPrevious = Main.Betta[s];
  Main.dAlfa = halfWidth;
  orbitcheck::setSearchWindow(Main.AlfaPPrevious, Main.dAlfa, Main.PerihelionWindowLow,
                              Main.PerihelionWindowHigh);
  orbitcheck::setSearchWindow(Main.AlfaPPrevious, Timing.dragWindow, DragWindowLow,
                              DragWindowHigh);
  orbitcheck::setSearchWindow(Main.AlfaUPrevious, Main.dAlfa, Main.NodeWindowLow,
                              Main.NodeWindowHigh);
}

// RunTwoBody: passes until "Остановить", the last window closed or a
// run-time error, which shows "Ошибка решения уравнений" (title
// "Celvan7mm").
void Form25::RunTwoBody() {
  withErrorTrap(form25text::kSolveError, form25text::kTitle7mm, [&] {
    while (runPass()) {
    }
  });
}

// One pass; at every NC0-th the output and the window events. False when the
// loop is to end.
bool Form25::runPass() {
  const double h = Main.Step;
  advancePair();
  Main.PreviousStepLongitude = Main.RelativeLongitude[kM1];
  RelativeEclipticPosition(OrbitCentre, kM1);
  Main.RelativeLatitude = std::fabs(Main.RelativeLatitude) / Main.kUgol;
  if (Main.BettaCurrent < Main.RelativeLatitude) Main.BettaCurrent = Main.RelativeLatitude;
  Main.SunRadius = distanceOfPair();
  if (Main.Rpl < Main.MinValue) Main.MinValue = Main.Rpl;
  if (Main.Rpl > Main.MaxValue) Main.MaxValue = Main.Rpl;
  Main.Vsol = speedOf(kM2);
  Main.Vpl = speedOf(kM1);
  updateTimingPerPass();

  const double longitude = Main.RelativeLongitude[kM1];
  if (longitude < Main.PreviousStepLongitude) takeRevolutionEvent();
  takeAscendingNode(longitude);
  Main.FollowedRelativeZ = Main.PairDZ(OrbitCentre, kM1);
  controlStepNearPeriastron(longitude);
  const bool inDragWindow =
      orbitcheck::isInsideSearchWindow(longitude, DragWindowLow, DragWindowHigh, Timing.dragWindow);
  Forces.drag = inDragWindow ? Timing.dragCoefficient : 0;

  Text16.setText(sixDecimals(Main.Vpl));
  drawDriftCurves();
  drawTimingCurves();
  Main.StepCounter = static_cast<int16_t>(Main.StepCounter + 1);
  // The clock follows the step integrated in this pass, so that it is the
  // time of the state also where the windows change the step.
  Main.ModelTime += h;
  throwOnFloatingPointFlags();
  if (Main.StepCounter < Main.NC0) return true;

  showOutput();
  throwOnFloatingPointFlags();
  if (Main.StopFlag == 1) return false;
  const int open = DoEvents();
  refreshForceOptions();
  return open > 0 && isLoaded();
}

// The Runge-Kutta step, the state back in the tables, the centre of mass
// and m1 seen from m2 and from it.
void Form25::advancePair() {
  twobody::rungeKuttaStep(Main.Step, Forces);
  unpackState();
  setDifference(kM2, kM1);
  const double m1 = Main.Mass[Main.SelectedObject];
  const double m2 = Main.Mass[Main.SecondObject];
  Main.X[kCentreOfMass] = (m1 * Main.X[kM1] + m2 * Main.X[kM2]) / (m1 + m2);
  Main.Y[kCentreOfMass] = (m1 * Main.Y[kM1] + m2 * Main.Y[kM2]) / (m1 + m2);
  Main.Z[kCentreOfMass] = (m1 * Main.Z[kM1] + m2 * Main.Z[kM2]) / (m1 + m2);
  setDifference(kCentreOfMass, kM1);
}

// m1's longitude passed 360° to 0°: the period of the revolution.
void Form25::takeRevolutionEvent() {
  const int32_t count = Main.RevolutionCount;
  if (count > 0) Main.Period = Main.ModelTime - Main.PrevRevolutionTime;
  if (count == 1 && Timing.delaysFromNode) takeDelayOrigin();
  if (count == 2) {
    Main.PrevPeriod = Main.Period;
    Text40.setText(sixDecimals(Main.PrevPeriod / Main.SecondsPerDay));
    Text13.setText(sixDecimals(Main.PrevPeriod));
    if (Timing.delaysFromNode) printDelays(true);
  }
  if (count > 2) {
    Text34.setText(sixDecimals(Main.Period / Main.SecondsPerDay));
    Text33.setText(Str((Main.Period - Main.PrevPeriod) / Main.SecondsPerDay));
    Text15.setText(sixDecimals(Main.Period));
    Text14.setText(Str(Main.Period - Main.PrevPeriod));
  }
  Main.PrevRevolutionTime = Main.ModelTime;
}

// The ascending node: m1 rises through the reference plane of the orbit
// centre (from below or from the plane to above it).
void Form25::takeAscendingNode(double longitude) {
  const double z = Main.PairDZ(OrbitCentre, kM1);
  if (!(z > 0 && Main.FollowedRelativeZ <= 0)) return;
  Main.AlfaUCurrent = orbitcheck::midLongitude(Main.PreviousStepLongitude, longitude);
  Text19.setText(Str(Main.AlfaUCurrent - Main.AlfaUPrevious));
  Text29.setText(sixDecimals(Main.AlfaUCurrent));
  orbitcheck::setSearchWindow(Main.AlfaUCurrent, Main.dAlfa, Main.NodeWindowLow,
                              Main.NodeWindowHigh);
}

// The step near periastron: P00 / StepDivisor inside the periastron window
// while m1 approaches; the first pass at which the distance no longer
// decreases is the periastron passage. The node window and the last degree
// before 360 shorten the step as well.
void Form25::controlStepNearPeriastron(double longitude) {
  const double shortStep = Main.P00 / Main.StepDivisor;
  const bool inWindow = orbitcheck::isInsideSearchWindow(
      longitude, Main.PerihelionWindowLow, Main.PerihelionWindowHigh, Main.dAlfa);
  bool testNode = true;
  if (!inWindow) {
    Main.PrevDistance = Main.Rpl;
    Main.Step = Main.P00;
    Main.StepReductionState = 0;
  } else if (Main.StepReductionState == 2) {
    testNode = false;
  } else {
    Main.Step = shortStep;
    Main.StepReductionState = 0;
    if (Main.PrevDistance > Main.Rpl) {
      Main.StepReductionState = 1;
      Main.PrevDistance = Main.Rpl;
    }
    if (Main.StepReductionState == 0) {
      Main.StepReductionState = 2;
      Main.Step = Main.P00;
      measureAtPeriastron(longitude);
    }
  }
  if (testNode && orbitcheck::isInsideSearchWindow(longitude, Main.NodeWindowLow,
                                                   Main.NodeWindowHigh, Main.dAlfa))
    Main.Step = shortStep;
  if (longitude > 359) Main.Step = shortStep;
}

// The orbit of m1 measured at its periastron passage.
void Form25::measureAtPeriastron(double longitude) {
  Main.AlfaPCurrent = orbitcheck::midLongitude(Main.PreviousStepLongitude, longitude);
  double d = Main.AlfaPCurrent - Main.AlfaUCurrent;
  if (std::fabs(d) >= 180) {
    if (d <= -180) d = Main.AlfaPCurrent + 360 - Main.AlfaUCurrent;
    if (d >= 180) d = Main.AlfaPCurrent - 360 - Main.AlfaUCurrent;
  }
  if (d != 90 && d != -90) {
    double p = Main.AlfaUCurrent + orbitcheck::orbitPlaneAngle(d, Main.BettaCurrent);
    if (p < 0) p += 360;
    if (p > 360) p -= 360;
    Main.AlfaPCurrent = p;
    orbitcheck::setSearchWindow(p, Main.dAlfa, Main.PerihelionWindowLow,
                                Main.PerihelionWindowHigh);
    orbitcheck::setSearchWindow(p, Timing.dragWindow, DragWindowLow, DragWindowHigh);
  }
  Main.RevolutionCount = Main.RevolutionCount + 1;
  Text35.setText(Str(Main.RevolutionCount));
  Main.RadiusVector[kM1] = (Main.MaxValue + Main.MinValue) / 2;
  Text20.setText(Str((Main.RadiusVector[kM1] - Main.RefRadius) / Main.MK));
  Text30.setText(Str(Fix(Main.RadiusVector[kM1]) / Main.MK));
  Main.EksCurrent = 1 - Main.MinValue / Main.RadiusVector[kM1];
  Text17.setText(Str(Main.EksCurrent - Main.EksPrevious));
  Text27.setText(sixDecimals(Main.EksCurrent));
  Text18.setText(Str(Main.AlfaPCurrent - Main.AlfaPPrevious));
  Text28.setText(sixDecimals(Main.AlfaPCurrent));
  Text38.setText(Str((Main.BettaCurrent - Main.BettaPrevious) * Main.kUgol));
  Text39.setText(sixDecimals(Main.BettaCurrent * Main.kUgol));
  Main.MinValue = 2 * Main.MinValue;
  Main.MaxValue = Main.MaxValue / 2;
  if (Main.RevolutionCount == 1 && !Timing.delaysFromNode) takeDelayOrigin();
  if (Main.RevolutionCount == 2) {
    if (Check10.Value() == 1) retakeReference();
    printExtremes();
    const double m1 = Main.Mass[Main.SelectedObject];
    const double m2 = Main.Mass[Main.SecondObject];
    const double a = Main.RadiusVector[kM1];
    // Kepler's third law for the relative orbit of the pair; printed only,
    // so the measured period stays in Period.
    const double analyticDays =
        2 * Main.Pi * std::sqrt(a * a * a / Main.gamma / (m1 + m2)) / Main.SecondsPerDay;
    printAt(Picture1, -9, 6.4, "P1 дни (аналитически)=  " + Str(analyticDays));
    if (!Timing.delaysFromNode) printDelays(false);
  }
  Main.BettaCurrent = 0;
  rearmTimingExtremes();
}

// The element drifts of the ticked rows, one point per pass.
void Form25::drawDriftCurves() {
  const double x = Main.ModelTime / Main.MT;
  if (Check5.Value() == 1)
    Picture2.PSet(x, (Main.EksCurrent - Main.EksPrevious) / Main.Z[23], RGB(1, 0, 0));
  if (Check6.Value() == 1)
    Picture2.PSet(x, (Main.AlfaPCurrent - Main.AlfaPPrevious) / Main.Z[24], RGB(0, 200, 0));
  if (Check7.Value() == 1)
    Picture2.PSet(x, (Main.RadiusVector[kM1] - Main.RefRadius) / Main.MK / Main.Z[25],
                  RGB(250, 0, 0));
  if (Check8.Value() == 1)
    Picture2.PSet(x, (Main.Period - Main.PrevPeriod) / Main.Z[26], RGB(0, 0, 250));
}

// Every NC0 passes: years, the pulse rate, the force, the balances of the
// pair and the orbit picture.
void Form25::showOutput() {
  Main.StepCounter = 0;
  Text25.setText(sixDecimals(Main.ModelTime / Main.sekG));
  drawPulseRate();
  Text11.setText(Str(Main.Force(kM2, kM1)));
  Main.SunRadius = distanceOfPair();
  Main.Esys = orbitcheck::pairEnergy(Main.SunRadius);
  Main.MKDsys = relativeAngularMomentum();
  Text41.setText(twelveDecimals(100 * (Main.Esys - Main.E0sys) / Main.E0sys));
  Text42.setText(twelveDecimals(100 * (Main.MKDsys - Main.M0sys) / Main.M0sys));
  drawOrbitPicture();
}

// The bodies in the orbit picture from the origin the display options
// choose; without "+ траектории" the marks of the last output are painted
// over first.
void Form25::drawOrbitPicture() {
  const double s = Main.ImageScale;
  const int32_t faded = RGB(250, 250, 250);
  auto mark = [&](int slot, double originX, double originY, double originZ, bool erase) {
    const double x = Main.Xsled[slot] - originX, y = Main.Ysled[slot] - originY;
    const double radius = slot == kM1 ? kM1MarkRadius : kM2MarkRadius;
    int32_t colour = faded;
    if (!erase) {
      const double z = Main.Zsled[slot] - originZ;
      colour = slot == kM1 ? shaded(0, kBrightness, 0, z) : shaded(0, 0, kBrightness, z);
    }
    Picture1.Circle(x / s, y / s, radius, colour);
  };
  auto drawMarks = [&](bool erase) {
    const double cx = Main.Xsled[kCentreOfMass], cy = Main.Ysled[kCentreOfMass],
                 cz = Main.Zsled[kCentreOfMass];
    if (Option1.Value() || Option7.Value()) {
      mark(kM1, cx, cy, cz, erase);
      if (Option7.Value()) mark(kM2, cx, cy, cz, erase);
    } else if (Option2.Value() || Option8.Value()) {
      mark(kM1, 0, 0, 0, erase);
      if (Option8.Value()) mark(kM2, 0, 0, 0, erase);
    } else if (Option6.Value()) {
      mark(kM1, Main.Xsled[kM2], Main.Ysled[kM2], Main.Zsled[kM2], erase);
    }
  };
  if (Check3.Value() == 0) drawMarks(true);
  if (Check4.Value() == 1)
    drawCross(Main.Xsled[kCentreOfMass] / s, Main.Ysled[kCentreOfMass] / s, 1, RGB(255, 255, 255));
  for (const int16_t slot : {kM2, kM1, kCentreOfMass}) {
    Main.Xsled[slot] = Main.X[slot];
    Main.Ysled[slot] = Main.Y[slot];
    Main.Zsled[slot] = Main.Z[slot];
  }
  drawMarks(false);
  if (Check4.Value() == 1)
    drawCross(Main.Xsled[kCentreOfMass] / s, Main.Ysled[kCentreOfMass] / s, 1, RGB(0, 200, 0));
}

// Command2_Click "Остановить".
void Form25::Command2_Click() { Main.StopFlag = 1; }

// Command3_Click "Продолжить": the loop from where it stopped.
void Form25::Command3_Click() {
  const KeepModelStartData keep;
  usePairStartData();
  Main.StopFlag = 0;
  RunTwoBody();
}

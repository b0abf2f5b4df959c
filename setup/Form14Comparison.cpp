// Form14's computation: the inputs, the loop of passes under the shared stop
// flag, the ellipse and eccentric series of each pass and what a pass shows.
#include <cmath>

#include "core/runtime/ErrorTrap.h"
#include "core/runtime/RuntimeError.h"
#include "core/runtime/NumberText.h"
#include "core/state/SharedState.h"
#include "setup/Form14.h"
#include "setup/Form14Texts.h"
#include "ui/Runtime.h"

namespace {

constexpr double kDaysPerYear = 365.25;

// Form_Load's texts of the inputs, in the user's number format.
constexpr double kStartRadius = 150000;
constexpr double kStartEllipseEks = 0.2;
constexpr double kStartEccentricEks = 0.4;
constexpr double kStartMeanMotion = 6.28;
constexpr double kStartStep = 0.1;
constexpr double kStartMx = 20000;
constexpr double kStartMT = 36.525;
constexpr double kStartMdAlfa = 1;
constexpr double kStartMdR = 10000;

// An angle (radians) counted from the apsidal line on the side of the larger
// distance, and the distance in units of the radius R.
struct Place {
  double angle, distance;
};

// The body on the Kepler ellipse of eccentricity e at mean anomaly M (both
// counted from the aphelion): the equation of the centre (kept in
// AngleDiffProjected) and the radius vector to the second order in e.
Place onEllipse(double e, double M) {
  const double centre = 2 * e * std::sin(M) - 1.25 * e * e * std::sin(2 * M);
  Main.AngleDiffProjected = centre;
  return {M - centre, 1 + e * std::cos(M) + 0.5 * e * e - 0.5 * e * e * std::cos(2 * M)};
}

// The body moving uniformly on a circle of radius 1 whose centre is e away
// from the observer, seen from the observer; its equation of the centre is
// kept in AngleDiff.
Place onSimpleEccentric(double e, double M) {
  const double centre = e * std::sin(M) - 0.5 * e * e * std::sin(2 * M);
  Main.AngleDiff = centre;
  return {M - centre, 1 + e * std::cos(M) + 0.25 * e * e - 0.25 * e * e * std::cos(2 * M)};
}

// The body on a circle of radius 1 centred e/2 away from the observer,
// moving uniformly as seen from the equant, e away; its equation of the
// centre is kept in AngleDiff.
Place onEccentricWithEquant(double e, double M) {
  const double centre = e * std::sin(M) - 0.25 * e * e * std::sin(2 * M);
  Main.AngleDiff = centre;
  const double k = 3.0 / 16.0 * e * e;
  return {M - centre, 1 + 0.5 * e * std::cos(M) + k - k * std::cos(2 * M)};
}

}  // namespace

// Form_Load: the start values of the inputs, then clean pictures.
void Form14::Form_Load() {
  Text1.setText(Str(kStartRadius));
  Text2.setText(Str(kStartEllipseEks));
  Text3.setText(Str(kStartEccentricEks));
  Text4.setText(Str(kStartMeanMotion));
  Text10.setText(Str(kStartStep));
  Text5.setText(Str(kStartMx));
  Text6.setText(Str(kStartMT));
  Text8.setText(Str(kStartMdAlfa));
  Text9.setText(Str(kStartMdR));
  Command8_Click();
}

// Command1_Click "Начать расчет": the inputs, the centres of the three
// constructions and the starting marks, then the loop from T = 0. The
// pictures are not cleared.
// Reads:    Text1..Text6, Text8..Text10, Option2
// Writes:   Main.ScratchRadius (R), EksPrevious (e1), EksCurrent (e2),
//           AngularSpeed(0) (W, rad/day), Mx, MT, MdAlfa, MF; the window's
//           TimeStep and centres (0 ellipse, 1 eccentric, 2 equant); the marks
//           Xsled, Ysled (0..3); TopoRadius (b); SunRadius (e2 R);
//           ModelTime = 0; StopFlag = 0
// Notes:    A box that is no number: "Введите правильно данные" (title
//           "Celvan7.0"), the loop is not started and what was read stays.
void Form14::Command1_Click() {
  if (!withErrorTrap(form14text::kBadData, form14text::kTitle, [&] { readInputs(); })) return;
  const double R = Main.ScratchRadius;
  const double e1 = Main.EksPrevious;
  const double e2 = Main.EksCurrent;
  CentreX[0] = e1 * R;
  CentreX[1] = Option2.Value() ? e2 * R / 2 : e2 * R;
  CentreX[2] = e2 * R;
  for (double& y : CentreY) y = 0;
  Main.TopoRadius = std::sqrt((1 - e1 * e1) * R * R);
  Main.SunRadius = e2 * R;
  for (int i = 0; i <= 2; ++i) {
    Main.Xsled[i] = CentreX[i];
    Main.Ysled[i] = CentreY[i];
  }
  Main.Xsled[3] = R;
  Main.Ysled[3] = 0;
  Main.AngularSpeed[0] /= kDaysPerYear;
  Main.ModelTime = 0;
  Main.StopFlag = 0;
  RunComparisonLoop();
}

void Form14::readInputs() {
  Main.ScratchRadius = CDbl(Text1.Text());
  Main.EksPrevious = CDbl(Text2.Text());
  Main.EksCurrent = CDbl(Text3.Text());
  Main.AngularSpeed[0] = CDbl(Text4.Text());
  Main.Mx = CDbl(Text5.Text());
  Main.MT = CDbl(Text6.Text());
  Main.MdAlfa = CDbl(Text8.Text());
  Main.MF = CDbl(Text9.Text());
  TimeStep = CDbl(Text10.Text());
}

void Form14::Command4_Click() { Main.StopFlag = 1; }

void Form14::Command5_Click() {
  Main.StopFlag = 0;
  RunComparisonLoop();
}

// "Сделать 1 шаг": the stop flag is raised first, so the loop makes exactly
// one pass.
void Form14::Command6_Click() {
  Main.StopFlag = 1;
  RunComparisonLoop();
}

void Form14::Command14_Click() { Unload(); }

// RunComparisonLoop: passes at T, T + step, ... until a pass ends with
// StopFlag = 1, no window is left open or this window is closed. Each pass
// places the bodies at M = W T, shows the angles, distances and
// differences, draws the scene and the graph points, and reads the step and
// the graph scales again, so they can be changed while the loop runs.
// Notes:    A run-time error (a graph scale of 0, a box that is no number)
//           ends the loop with "Ошибка при расчете координат" (title
//           "Celvan7.0"); a drawing error ends it with its own message.
void Form14::RunComparisonLoop() {
  withErrorTrap(form14text::kComputeError, form14text::kTitle, [&] {
    do {
      placeBodies();
      showPass();
      DrawOrbitGrid();
      if (!DrawComparisonScene()) return;
      plotDifferences();
      Main.ModelTime += TimeStep;
      Text17.setText(Str(Main.ModelTime));
      Main.MT = CDbl(Text6.Text());
      Main.MdAlfa = CDbl(Text8.Text());
      Main.MF = CDbl(Text9.Text());
      TimeStep = CDbl(Text10.Text());
      throwOnFloatingPointFlags();
    } while (endPass());
  });
}

// placeBodies: the ellipse body in slot 0, the eccentric body in slot 1 and
// the point of the construction (2 the equant's, 3 the simple eccentric's
// circle) at the mean anomaly of the time; their differences.
void Form14::placeBodies() {
  const double R = Main.ScratchRadius;
  const double M = Main.ModelTime * Main.AngularSpeed[0];
  Main.MeanAnomaly[0] = M;
  const Place ellipse = onEllipse(Main.EksPrevious, M);
  const double e2 = Main.EksCurrent;
  const Place eccentric = Option2.Value() ? onEccentricWithEquant(e2, M) : onSimpleEccentric(e2, M);
  AlfaL[0] = ellipse.angle;
  AlfaL[1] = eccentric.angle;
  Main.StartDistance = R * ellipse.distance;
  Main.Rpl = R * eccentric.distance;
  for (int i = 0; i <= 1; ++i) {
    const double r = i == 0 ? Main.StartDistance : Main.Rpl;
    Main.X[i] = r * std::cos(AlfaL[i]);
    Main.Y[i] = r * std::sin(AlfaL[i]);
  }
  if (Option2.Value()) {
    Main.X[2] = R * (e2 + std::cos(M));
    Main.Y[2] = R * std::sin(M);
  } else {
    Main.X[3] = R * std::cos(M);
    Main.Y[3] = R * std::sin(M);
  }
  DeltaAlfa = AlfaL[0] - AlfaL[1];
  DeltaR = Main.StartDistance - Main.Rpl;
}

// showPass: the angles (degrees) and distances in full, the differences cut
// to six decimals.
void Form14::showPass() {
  Text11.setText(Str(AlfaL[0] * Main.kUgol));
  Text12.setText(Str(AlfaL[1] * Main.kUgol));
  Text13.setText(Str(truncateDecimals(DeltaAlfa * Main.kUgol, 6)));
  Text16.setText(Str(truncateDecimals(DeltaR, 6)));
  Text14.setText(Str(Main.StartDistance));
  Text15.setText(Str(Main.Rpl));
}

// plotDifferences: the ticked differences against time, the angle in red,
// the distance in blue.
void Form14::plotDifferences() {
  const double t = Main.ModelTime / Main.MT;
  if (Check1.Value() == 1) Picture3.PSet(t, DeltaAlfa * Main.kUgol / Main.MdAlfa, RGB(255, 0, 0));
  if (Check2.Value() == 1) Picture3.PSet(t, DeltaR / Main.MF, RGB(0, 0, 255));
}

// endPass: false when the loop ends: the stop flag raised, no window left
// open, or this window closed (its loop has nothing left to show).
bool Form14::endPass() {
  if (Main.StopFlag == 1) return false;
  const int openWindows = DoEvents();
  clearFloatingPointFlags();
  return openWindows > 0 && isLoaded();
}

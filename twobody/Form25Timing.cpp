// Pulsar timing quantities of the two-body run, for an observer far away
// along the Y axis: the radial velocity VY of m1, the Roemer delay Y/c, the
// special-relativity delay of m1's clock from its speed, the general-
// relativity delay in m2's field, and the received pulse rate when one step
// stands for one pulse period. The options of Form26 switch the curves,
// give their scales and the mean rates to take off.
#include <cmath>
#include <string>

#include "core/runtime/NumberText.h"
#include "core/state/SharedState.h"
#include "twobody/Form25.h"
#include "science/twobody/TwoBody.h"

using twobody::kM1;

namespace {

// The timing curves sit on the axis y = 4 of the graph.
constexpr double kTimingAxis = 4;

double roemerDelay() { return Main.Y[kM1] / Main.Vsv; }

}  // namespace

// The start values of a run: the arrival time of the first pulse, the
// emitted pulse rate, the extremes armed, both delays zero.
void Form25::startTiming() {
  Main.TCenturies = roemerDelay() + Main.ModelTime;
  Main.PrevStep = 1 / Main.P00;
  rearmTimingExtremes();
  dTv = 0;
  dTm = 0;
}

// The extremes of VY (Y(30), Y(31)) and of the Roemer delay (Y(40), Y(41))
// armed for the next revolution.
void Form25::rearmTimingExtremes() {
  Main.Y[30] = Main.Vsv;
  Main.Y[31] = -Main.Vsv;
  Main.Y[40] = Main.MK;
  Main.Y[41] = -Main.MK;
}

// After each step: the extremes, and the clock delays of m1 over the step
// just integrated.
// Notes:    dTv grows by the time dilation of special relativity,
//           1 - 1/sqrt(1 - v²/c²) per second (a speed of c or more is an
//           invalid operation for the run's trap); dTm by the weak-field
//           gravitational delay gamma·m2/(r c²) per second. Both less the
//           mean rates of Form26.
// Reference: Blandford & Teukolsky, ApJ 205 (1976) 580: the Einstein delay
//           as the sum of the second-order Doppler and gravitational
//           redshift terms.
void Form25::updateTimingPerPass() {
  const double vy = Main.VY[kM1];
  if (vy < Main.Y[30]) Main.Y[30] = vy;
  if (vy > Main.Y[31]) Main.Y[31] = vy;
  const double r = roemerDelay();
  if (r < Main.Y[40]) Main.Y[40] = r;
  if (r > Main.Y[41]) Main.Y[41] = r;
  const double h = Main.Step;
  const double c2 = Main.Vsv * Main.Vsv;
  dTv = dTv - (1 - 1 / std::sqrt(1 - Main.Vpl * Main.Vpl / c2)) * h - h * Timing.srMeanRate;
  dTm = dTm + Main.gamma * h * Main.Mass[Main.SecondObject] / Main.SunRadius / c2 -
        h * Timing.grMeanRate;
}

// The origin of both delays: now.
void Form25::takeDelayOrigin() {
  DelayOriginTime = Main.ModelTime;
  dTv = 0;
  dTm = 0;
}

// One revolution after the origin: both delays and their mean rates per
// second, when one of the two delay curves is on.
void Form25::printDelays(bool fromNode) {
  const twobody::TimingOptions& options = Timing;
  if (!options.srDelayCurve && !options.grDelayCurve) return;
  printAt(Picture2, 17, 8.5, "dTv=  " + Str(dTv));
  printAt(Picture2, 17, 7.5, "dTm=  " + Str(dTm));
  const double elapsed = Main.ModelTime - DelayOriginTime;
  Main.Y[50] = dTv / elapsed;
  Main.Y[51] = dTm / elapsed;
  printAt(Picture2, 16, 6.5, std::string(fromNode ? "dTv/P2=  " : "dTv/P1=  ") + Str(Main.Y[50]));
  printAt(Picture2, 16, 5.5, std::string(fromNode ? "dTm/P2=  " : "dTm/P1=  ") + Str(Main.Y[51]));
}

// The extremes of the radial velocity (km/s) and the Roemer delay (s) over
// the revolution, when one of their curves is on.
void Form25::printExtremes() {
  const twobody::TimingOptions& options = Timing;
  if (!options.velocityCurve && !options.roemerCurve) return;
  printAt(Picture2, 20, 4, "Vmin=  " + Str(Fix(Main.Y[30]) / 1000));
  printAt(Picture2, 20, 3, "Vmax=  " + Str(Fix(Main.Y[31]) / 1000));
  printAt(Picture2, 20, 2, "dTmin=  " + Str(Fix(1000 * Main.Y[40]) / 1000));
  printAt(Picture2, 20, 1, "dTmax=  " + Str(Fix(1000 * Main.Y[41]) / 1000));
}

// The switched-on timing curves, one point per pass.
void Form25::drawTimingCurves() {
  const double x = Main.ModelTime / Main.MT;
  const int32_t axis = RGB(120, 120, 120);
  const twobody::TimingOptions& o = Timing;
  if (o.pulseRateCurve || o.velocityCurve || o.roemerCurve)
    Picture2.Line(0, kTimingAxis, 25, kTimingAxis, axis);
  if (o.velocityCurve)
    Picture2.PSet(x, o.velocitySign * Main.VY[kM1] / o.velocityScale + kTimingAxis,
                  RGB(250, 0, 0));
  if (o.roemerCurve) Picture2.PSet(x, roemerDelay() / o.roemerScale + kTimingAxis, RGB(0, 0, 250));
  if (o.srDelayCurve || o.grDelayCurve) Picture2.Line(0, kTimingAxis, 25, kTimingAxis, axis);
  if (o.srDelayCurve) Picture2.PSet(x, dTv / o.srDelayScale + kTimingAxis, RGB(0, 160, 0));
  if (o.grDelayCurve) Picture2.PSet(x, dTm / o.grDelayScale + kTimingAxis, RGB(0, 250, 0));
}

// At every output: the received pulse rate over the last NC0 steps (NC0
// pulses between two arrival times) less the emitted rate.
void Form25::drawPulseRate() {
  Main.TimeScratch = roemerDelay() + Main.ModelTime;
  const twobody::TimingOptions& options = Timing;
  if (options.pulseRateCurve) {
    const double received = Main.NC0 / (Main.TimeScratch - Main.TCenturies);
    Picture2.PSet(Main.ModelTime / Main.MT,
                  (received - Main.PrevStep) / options.pulseRateScale + kTimingAxis, RGB(1, 0, 0));
  }
  Main.TCenturies = Main.TimeScratch;
}

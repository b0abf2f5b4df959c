// Command3_Click "Сделать 1 итерацию с заданными условиями движения": one
// pass of the fixed-point iteration of the retarded interaction. The traces
// are formed from the delays of the press before (or of the placement), the
// distance from the trace of each body to every other body gives the new
// delay R / Vgr and the Newton force, and with "учитывать Pgr" the bench's
// law of gravity pressure changes the forces. The bodies never move: only
// the traces, the delays, the forces and the boxes change. Repeated presses
// let the delay settle on the retarded time.
#include <string>
#include <utility>

#include "core/runtime/ErrorTrap.h"
#include "core/runtime/NumberText.h"
#include "core/runtime/RuntimeError.h"
#include "core/state/SharedState.h"
#include "model/Form7.h"
#include "model/Form7HistoryTrace.h"
#include "model/Form7Physics.h"
#include "model/Form7Texts.h"

namespace {

// Degrees of an angle in radians, cut to the given decimals.
std::string degreesCut(double radians, int decimals) {
  return Str(truncateDecimals(radians * Main.kUgol, decimals));
}

}  // namespace

void Form7::Command3_Click() {
  withErrorTrap(form7text::kBadData, form7text::kTitle, [this] {
    const int n1 = Main.N1, n2 = Main.N2;
    countIteration();
    bench::setVelocityDirections();
    formTraces();
    showTraces();
    bench::measureTracedPairs();
    throwOnFloatingPointFlags();
    newton12_ = bench::newtonValues(n1, n2);
    newton21_ = bench::newtonValues(n2, n1);
    bench::setSourceVelocities(Check4.Value() == 1);
    if (Check5.Value() == 1) bench::applyPressureLaw();
    throwOnFloatingPointFlags();
    showSourceVelocities();
    drawIteration();
    if (Option3.Value()) showCalculation(n1, n2);
    if (Option4.Value()) showCalculation(n2, n1);
  });
}

// The iteration count, a 16-bit whole number: one more than 32767 is an
// overflow, and the count stays where it was.
void Form7::countIteration() {
  Main.StageCounter = CInt(Main.StageCounter + 1.0);
  Text10.setText(Str(Main.StageCounter));
}

// The traces of the pair for the delays T(N1, N2), T(N2, N1) found before:
// the present positions without "учитывать DX"; otherwise by the
// retardation variant kodDX: 1 back along the present velocity, 2 along
// velocity and acceleration, 3 from the model's position history; any other
// variant leaves the traces as they are.
void Form7::formTraces() {
  const int n1 = Main.N1, n2 = Main.N2;
  if (Check4.Value() != 1) {
    bench::traceAtPresentPosition(n1);
    bench::traceAtPresentPosition(n2);
    return;
  }
  const double t12 = Main.PropagationTime(n1, n2), t21 = Main.PropagationTime(n2, n1);
  switch (Main.kodDX) {
    case 1:
    case 2:
      bench::traceAlongMotion(n1, t12, Main.kodDX == 2);
      bench::traceAlongMotion(n2, t21, Main.kodDX == 2);
      break;
    case 3:
      TraceFromHistory(n1, n2);
      TraceFromHistory(n2, n1);
      break;
    default:
      break;
  }
}

void Form7::TraceFromHistory(int i, int k) {
  const bench::HistoryTrace trace = bench::traceFromHistorySnapshot(i, Main.PropagationTime(i, k));
  Main.Xsled[i] = trace.x;
  Main.Ysled[i] = trace.y;
  Main.Zsled[i] = trace.z;
  const bool first = i == Main.N1;
  if (trace.source != bench::HistoryTraceSource::Records || (!first && i != Main.N2)) return;
  const int n = trace.newerRecord;
  const std::pair<double, std::string> lines[6] = {
      {10, (first ? "k1=   " : "k2=   ") + Str(n)},
      {9.2, "Xk+1= " + Str(Main.HistorySnapshotX(i, n + 1))},
      {8.4, "Xsled= " + Str(Main.Xsled[i])},
      {7.6, "Xk=   " + Str(Main.HistorySnapshotX(i, n))},
      {6.8, first ? "X1=  " + Str(Main.X[Main.N1]) : "X2=  " + Str(Main.X[Main.N2])},
      {6.0, first ? "T12=  " + Str(Main.PropagationTime(Main.N1, Main.N2))
                  : "T21=  " + Str(Main.PropagationTime(Main.N2, Main.N1))}};
  for (const auto& [y, text] : lines) PictureLines.print(first ? -9.5 : 3, y, text);
}

// The traces in thousands of km, cut to whole metres.
void Form7::showTraces() {
  const int n1 = Main.N1, n2 = Main.N2;
  showThousandsOfKm(Text24, Text25, Text26, Main.Xsled[n1], Main.Ysled[n1], Main.Zsled[n1]);
  showThousandsOfKm(Text27, Text28, Text29, Main.Xsled[n2], Main.Ysled[n2], Main.Zsled[n2]);
}

// The velocity each body had at its trace, m/s.
void Form7::showSourceVelocities() {
  const int n1 = Main.N1, n2 = Main.N2;
  Text47.setText(Str(Main.SourceVelocityX(n1, n2)));
  Text49.setText(Str(Main.SourceVelocityY(n1, n2)));
  Text51.setText(Str(Main.SourceVelocityZ(n1, n2)));
  Text48.setText(Str(Main.SourceVelocityX(n2, n1)));
  Text50.setText(Str(Main.SourceVelocityY(n2, n1)));
  Text52.setText(Str(Main.SourceVelocityZ(n2, n1)));
}

// The calculation of the pair (i, k): angles in degrees, velocities in m/s,
// the distance in thousands of km, the delay in s, forces in N.
void Form7::showCalculation(int i, int k) {
  const bench::NewtonValues& newton = i == Main.N1 ? newton12_ : newton21_;
  Text31.setText(degreesCut(Main.dAlfaVX1(i, k), 2));
  Text32.setText(degreesCut(Main.dAlfaVY1(i, k), 2));
  Text33.setText(degreesCut(Main.dBettaVZ1(i, k), 2));
  Text34.setText(Str(Main.SourceRadialVelocity(i, k)));
  Text35.setText(degreesCut(Main.dAlfaVX2(i, k), 2));
  Text36.setText(degreesCut(Main.dAlfaVY2(i, k), 2));
  Text37.setText(degreesCut(Main.dBettaVZ2(i, k), 2));
  Text38.setText(Str(Main.TargetRadialVelocity(i, k)));
  Text53.setText(degreesCut(Main.PairLongitude(i, k), 3));
  Text54.setText(degreesCut(Main.PairLatitude(i, k), 3));
  Text55.setText(Str(Main.PairDistance(i, k) / Main.MK));
  Text59.setText(Str(Main.PropagationTime(i, k)));
  Text60.setText(Str(Main.TargetRadialVelocity(i, k) - Main.SourceRadialVelocity(i, k)));
  Text61.setText(Str(Main.PairDistance(i, k) / Main.PairDistance(k, i)));
  Text30.setText(Str(Main.Force(i, k) / Main.Force(k, i)));
  Text41.setText(Str(newton.total));
  Text42.setText(Str(Main.Force(i, k)));
  Text43.setText(Str(Main.ForceX(i, k)));
  Text44.setText(Str(Main.ForceY(i, k)));
  Text45.setText(Str(Main.ForceZ(i, k)));
  Text56.setText(Str(Main.ForceX(i, k) - newton.x));
  Text57.setText(Str(Main.ForceY(i, k) - newton.y));
  Text58.setText(Str(Main.ForceZ(i, k) - newton.z));
}

// PositionFromElements: Kepler's equation and the place of a body on its
// ellipse.
#include <algorithm>
#include <cmath>

#include "core/runtime/RuntimeError.h"
#include "core/state/SharedState.h"
#include "core/theory/Theory.h"
#include "core/theory/TheoryConstants.h"

namespace {

// Newton's method on f(E) = E - e sin E - M from a start value, kept inside
// the interval [M - |e|, M + |e|] that holds the root (f rises steadily, as
// f'(E) = 1 - e cos E > 0): a step that would leave the interval halves it
// instead. Used where the fixed-point iteration converges too slowly
// (eccentricities near 1 at small mean anomalies).
double finishKeplerByNewton(double e, double m, double start) {
  double low = m - std::fabs(e);
  double high = m + std::fabs(e);
  double anomaly = std::clamp(start, low, high);
  // Each pass takes a Newton step or halves the interval: 200 passes reach
  // the rounding of any double.
  for (int pass = 0; pass < 200; ++pass) {
    const double f = anomaly - e * std::sin(anomaly) - m;
    const double step = f / (1.0 - e * std::cos(anomaly));
    if (std::fabs(step) <= theory::kKeplerTolerance) return anomaly - step;
    if (f > 0.0) {
      high = anomaly;
    } else {
      low = anomaly;
    }
    const double next = anomaly - step;
    anomaly = (next > low && next < high) ? next : 0.5 * (low + high);
  }
  return anomaly;
}

// Eccentric anomaly E (rad) of the mean anomaly m (rad): the fixed-point
// iteration E = e sin E + M with its iterates in KeplerIterates(0..99), the
// shared LoopIndexJ as counter (left at 101 after convergence); when 99 steps
// do not bring two iterates within KeplerTolerance, Newton's method finishes
// from the last iterate.
double solveKepler(double e, double m) {
  Main.KeplerTolerance = theory::kKeplerTolerance;
  Main.KeplerIterates[0] = m;
  for (Main.LoopIndexJ = 1; Main.LoopIndexJ <= theory::kKeplerFixedPointSteps; ++Main.LoopIndexJ) {
    const double previous = Main.KeplerIterates[Main.LoopIndexJ - 1];
    const double next = e * std::sin(previous) + m;
    Main.KeplerIterates[Main.LoopIndexJ] = next;
    if (std::fabs(previous - next) <= Main.KeplerTolerance) {
      Main.LoopIndexJ = 101;
      return next;
    }
  }
  return finishKeplerByNewton(e, m, Main.KeplerIterates[theory::kKeplerFixedPointSteps]);
}

}  // namespace

// PositionFromElements: position of a body from its mean elements.
// Reads:    CurrentObject (0..13) and its AlfaL, AlfaP, AlfaU, Betta (rad),
//           Eks, Rsr (m); Pi
// Writes:   MeanAnomaly, TrueAnomaly, ArgumentOfLatitude (rad),
//           RadiusVector (m), X, Y, Z (m) of the body; KeplerTolerance,
//           KeplerIterates, LoopIndexJ; DecimalDate = the eccentric anomaly
//           E (rad), used here as scratch.
// Returns:  the position relative to the central body in the frame of the
//           elements (ecliptic and equinox of the theory).
// Notes:    M = 2 Pi frac(AlfaL / 2 Pi) - AlfaP, raised once by 2 Pi when
//           negative. E from Kepler's equation E - e sin E = M: the fixed-
//           point iteration, finished by Newton's method when it has not met
//           the tolerance of 1e-10 rad after 99 steps. An eccentricity of
//           magnitude 1 or more has no ellipse: a run-time error (invalid
//           call) for the caller's trap.
// Reference: Meeus, Astronomical Algorithms, 2nd ed., ch. 30 (Kepler's
//           equation) and ch. 33 (position from the elements).
void PositionFromElements() {
  const int body = Main.CurrentObject;
  const double e = Main.Eks[body];
  if (!(std::fabs(e) < 1.0)) {
    throw RuntimeError(ErrorCode::InvalidCall, "eccentricity of 1 or more: no elliptic orbit");
  }
  double turns = Main.AlfaL[body] / 2.0 / Main.Pi;
  FractionPositive(turns);
  double meanAnomaly = 2.0 * Main.Pi * turns - Main.AlfaP[body];
  if (meanAnomaly < 0.0) meanAnomaly += 2.0 * Main.Pi;
  Main.MeanAnomaly[body] = meanAnomaly;

  Main.DecimalDate = solveKepler(e, meanAnomaly);
  const double v =
      2.0 * std::atan(std::sqrt((1.0 + e) / (1.0 - e)) * std::tan(Main.DecimalDate / 2.0));
  Main.TrueAnomaly[body] = v;
  const double r = (1.0 - e * e) * Main.Rsr[body] / (1.0 + e * std::cos(v));
  Main.RadiusVector[body] = r;
  const double u = v + Main.AlfaP[body] - Main.AlfaU[body];
  Main.ArgumentOfLatitude[body] = u;

  const double node = Main.AlfaU[body];
  const double inclination = Main.Betta[body];
  Main.X[body] =
      r * (std::cos(node) * std::cos(u) - std::sin(node) * std::sin(u) * std::cos(inclination));
  Main.Y[body] =
      r * (std::cos(node) * std::sin(u) * std::cos(inclination) + std::sin(node) * std::cos(u));
  Main.Z[body] = r * std::sin(u) * std::sin(inclination);
}

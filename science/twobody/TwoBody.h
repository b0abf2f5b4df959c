#pragma once
// The two-body problem without windows: the right-hand side Diffur11 of the
// pair m1 (slot 11) and m2 (slot 0), the Runge-Kutta step over its twelve
// values and the options of the two-body window that the right-hand side
// reads at every call.
//
// StateVector(1..12): 1..3 position of m2, 4..6 of m1, 7..9 velocity of m2,
// 10..12 of m1 (m, m/s). m1's mass is Mass(SelectedObject), m2's
// Mass(SecondObject).
#include <cstdint>

namespace twobody {

// Slots of the pair in the shared per-object tables.
constexpr int16_t kM2 = 0;
constexpr int16_t kM1 = 11;
constexpr int16_t kCentreOfMass = 14;

// How the tangential force Ft is found while the finite-speed interval is
// open: "численно" (none, the retardation acts instead), "аналитически"
// (V·F/Vgr), "с экрана" (the typed Ft1).
enum class FtMode { Numerically, Analytically, FromScreen };

// The two-body window's options that act inside the right-hand side. The
// window keeps them and refreshes them whenever an option changes, so a
// change acts at the next step of a running integration.
struct ForceOptions {
  bool intervalOpen = false;        // "начать" selected in "расчет с учетом Vgr"
  FtMode ftMode = FtMode::Numerically;
  bool ftBySecondSpeed = false;     // "Ft1 определять по V2": the two speeds swapped
  bool ftOnM2 = false;              // "+ Ft2"
  double FtScreen = 0;              // "Ft1, н", N
  double drag = 0;                  // drag coefficient acting now, N/(m/s)²
};

// The options of the options window Form26 ("Задать дополнительные
// параметры"), kept by the two-body window apart from the model's options:
// which timing curves the run draws and their scales, the mean clock rates
// to take off, the drag and its window about periastron, the origin of the
// delay count, the direction of motion and the sign of VY on the graph. A
// fresh load of the two-body window starts from these defaults.
struct TimingOptions {
  bool pulseRateCurve = false;   // "1/P - 1/P0"
  bool velocityCurve = false;    // radial velocity VY
  bool roemerCurve = false;      // Roemer delay Y/c
  bool srDelayCurve = false;     // special-relativity delay dTv
  bool grDelayCurve = false;     // general-relativity delay dTm
  double pulseRateScale = 0;
  double velocityScale = 0;      // m/s per picture unit
  double roemerScale = 0;
  double srDelayScale = 0;
  double grDelayScale = 0;
  double srMeanRate = 0;         // taken off dTv per second
  double grMeanRate = 0;         // taken off dTm per second
  double dragWindow = 0;         // half-width about periastron, degrees
  double dragCoefficient = 0;    // drag / V², N/(m/s)²
  bool delaysFromNode = false;   // the delay count from the ascending node
  int timeDirection = 1;         // -1: reversed motion
  int velocitySign = 1;          // sign of VY on the graph
};

// One classical fourth-order Runge-Kutta step of h seconds over
// StateVector(1..12) with Diffur11 under the given options; StepStartState
// and RungeKuttaK1..K4 are its work arrays. Arithmetic failures stay in the
// floating-point flags for the caller's trap.
void rungeKuttaStep(double h, const ForceOptions& options);

}  // namespace twobody

// Diffur11: the time derivatives of the two-body state.
// Reads:    StateVector(1..12); Mass(SelectedObject), Mass(SecondObject);
//           gamma; Vgr; FiniteVgrFlag
// Given:    options, the two-body window's options (with the drag
//           coefficient in force)
// Writes:   X..VZ of slots 0 and 11 (the stage state); Vpl, Vsol; for the
//           pairs (0, 11) (m2 attracting m1) and (11, 0): PairDX/DY/DZ,
//           PairDistanceXY, PairDistance, PropagationTime, PairLatitude,
//           PairLongitude, Force, ForceX/Y/Z; TransverseSpeed; IterIndex;
//           StateDerivative(1..12)
// Notes:    Newton's attraction at the instantaneous places, unless the
//           finite-speed interval is open: then drag k·v² per velocity
//           component against its sign, a tangential force Ft along each
//           body's velocity, and with FiniteVgrFlag the attracting body
//           taken where it was one propagation time ago along its current
//           velocity (two passes). Bodies at one place, Vgr = 0 or a zero
//           mass raise a floating-point flag for the caller's trap. A body
//           at rest gets no tangential force (its direction is undefined).
// Reference: Newton's law of gravitation, F = gamma·m1·m2/R².
void Diffur11(const twobody::ForceOptions& options);

#pragma once
// The eleven bodies of the model and the coefficients of their interaction,
// read from the shared state between steps. The right-hand sides read these
// flat copies instead of the shared tables, so that their pair loops touch
// no table with checked bounds and test no option per pair.
//
// State layout (the shared StateVector): with N = 11 bodies, X of body b at
// b, Y at N + b, Z at 2N + b, VX at 3N + b, VY at 4N + b, VZ at 5N + b
// (metres, m/s); the derivative has the same layout (velocities, then
// accelerations in m/s²).

#include "science/engine/PressureLaws.h"

namespace nbody {

constexpr int kBodyCount = 11;                   // 0 Sun .. 10 "Ксена"
constexpr int kStateSize = 6 * kBodyCount;       // 66 equations
constexpr int kVelocityOffset = 3 * kBodyCount;  // first velocity element, 33

// Element of coordinate c (0 X, 1 Y, 2 Z) of body b; its velocity is at
// kVelocityOffset + coordinateIndex(c, b).
constexpr int coordinateIndex(int c, int b) { return c * kBodyCount + b; }

// Equations of motion (ForceModel): 0 classical, 1 relativistic; any other
// value evaluates nothing and the step reuses the last derivatives.
enum class ForceModelKind { Classical, Relativistic, NoEvaluation };

// Unordered pairs among n bodies, and that count rounded up to whole
// vectors of eight.
constexpr int pairCount(int n) { return n * (n - 1) / 2; }
constexpr int paddedPairCount(int n) { return (pairCount(n) + 7) / 8 * 8; }
constexpr int kPairSlots = paddedPairCount(kBodyCount);

// The ordered pairs of ten or eleven bodies as the traced loops take them,
// in two tables: rows by source with the first kTargetLanes bodies as
// targets in the lanes, then a row for each later target with the sources
// in kTracedLanes lanes (the origin past the last body); the slots of both
// rounded up to whole vectors of eight. A body and itself, the lanes past
// the last body and the rounding add nothing.
constexpr int kTargetLanes = 8;
constexpr int kTracedLanes = 12;
constexpr int tracedTableSlots(int count) {
  return count * kTargetLanes + (count - kTargetLanes) * kTracedLanes;
}
constexpr int tracedSlotCount(int count) { return (tracedTableSlots(count) + 7) / 8 * 8; }
constexpr int tracedSlot(int count, int source, int target) {
  return target < kTargetLanes ? source * kTargetLanes + target
                               : count * kTargetLanes + (target - kTargetLanes) * kTracedLanes + source;
}
constexpr int kTracedSlots = tracedSlotCount(kBodyCount);

// The coefficients of the unordered pairs (a, b), a < b, of the attracting
// bodies in the order (0, 1), (0, 2), ..., (1, 2), ...: given[p] what a
// gives b, received[p] what a receives from b (m³/s²); 0 past the last pair.
struct PairCoefficients {
  double given[kPairSlots] = {};
  double received[kPairSlots] = {};
};

// Where an attracting body acts from (kodDX, only with a finite speed of
// gravity): its present position, or its trace from the present velocity
// (DX1), from velocity and acceleration (DX2), or from the stored positions
// (DX3). Cost: Instant is one pass over the unordered pairs; the traces are
// two fixed-point iterations over the 110 ordered pairs.
enum class RetardationKind { Instant, PresentVelocity, VelocityAndAcceleration, StoredTrace };

struct Interaction {
  ForceModelKind model = ForceModelKind::Classical;
  RetardationKind retardation = RetardationKind::Instant;
  double gravitationalConstant = 0;  // gamma, m³/(kg s²)
  double gravitySpeed = 0;           // Vgr, m/s
  double distanceExponent = 2;       // p of F = G m m / R^p
  bool inverseSquare = true;         // p = 2: the fast form R^-3 of every pair
  double mass[kBodyCount] = {};      // kg
  // PairIncluded(i, k) · gamma · Mass(i): what source i contributes to the
  // acceleration of k per unit of R^-(p+1) times the pair vector, m³/s².
  double sourceGM[kBodyCount][kBodyCount] = {};
  // receivedBySource[i][k] = sourceGM[k][i]: what i receives from k.
  double receivedBySource[kBodyCount][kBodyCount] = {};
  // Bodies that take part in an attracting pair, in ascending order, and
  // sourceGM among them: attractingGM[a][b] is what the a-th of them gives
  // the b-th, and receivedGM[a][b] = attractingGM[b][a], what the a-th
  // receives from the b-th (rows of both run over b, for the inner loops).
  int attractingBodies[kBodyCount] = {};
  int attractingBodyCount = 0;
  // The attracting bodies are 0, 1, 2, ...: their places among them are
  // their places in the state.
  bool attractingBodiesLeadTheState = false;
  double attractingGM[kBodyCount][kBodyCount] = {};
  double receivedGM[kBodyCount][kBodyCount] = {};
  PairCoefficients attractingPairs;
  // attractingGM by tracedSlot when ten or eleven bodies attract (0 where
  // a pair adds nothing): what the traced loops for them read.
  double tracedGM[kTracedSlots] = {};

  // Gravity pressure (classical model with a finite speed of gravity only;
  // None otherwise): the law, its coefficients, and how the pair
  // kinematics are found (EveryStageKinematicsFlag, JerkKinematicsFlag,
  // ShortLWFlag).
  PressureLaw law = PressureLaw::None;
  LawCoefficients lawCoefficients;
  bool kinematicsEveryStage = true;
  bool kinematicsFromJerks = false;
  bool shortLienardWiechert = false;
};

// Reads ForceModel, FiniteVgrFlag, kodDX, kodPgr, kPgr1, kPgr2, the
// kinematics flags, gamma, Vgr, DistanceExponent, Mass and PairIncluded of
// bodies 0..10 from the shared state.
Interaction readInteraction();

}  // namespace nbody

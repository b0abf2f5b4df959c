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

namespace nbody {

constexpr int kBodyCount = 11;                   // 0 Sun .. 10 "Ксена"
constexpr int kStateSize = 6 * kBodyCount;       // 66 equations
constexpr int kVelocityOffset = 3 * kBodyCount;  // first velocity element, 33
constexpr int kOrderedPairCount = kBodyCount * (kBodyCount - 1);
constexpr int kUnorderedPairCount = kOrderedPairCount / 2;

// Element of coordinate c (0 X, 1 Y, 2 Z) of body b; its velocity is at
// kVelocityOffset + coordinateIndex(c, b).
constexpr int coordinateIndex(int c, int b) { return c * kBodyCount + b; }

// Equations of motion (ForceModel): 0 classical, 1 relativistic; any other
// value evaluates nothing and the step reuses the last derivatives.
enum class ForceModelKind { Classical, Relativistic, NoEvaluation };

// Where an attracting body acts from (kodDX, only with a finite speed of
// gravity): its present position, or its trace from the present velocity
// (DX1), from velocity and acceleration (DX2), or from the stored positions
// (DX3). Cost: Instant is one pass over the unordered pairs; the traces are
// two fixed-point iterations over the 110 ordered pairs.
enum class RetardationKind { Instant, PresentVelocity, VelocityAndAcceleration, StoredTrace };

struct BodyPair {
  int source;  // the attracting body i
  int target;  // the attracted body k
};

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
  // Pairs that attract (sourceGM not 0), and every pair, for the loops
  // that only move the bodies and for those that also record the tables.
  BodyPair attractingOrdered[kOrderedPairCount] = {};
  int attractingOrderedCount = 0;
  BodyPair attractingUnordered[kUnorderedPairCount] = {};
  int attractingUnorderedCount = 0;
  BodyPair allOrdered[kOrderedPairCount] = {};
  BodyPair allUnordered[kUnorderedPairCount] = {};
};

// Reads ForceModel, FiniteVgrFlag, kodDX, gamma, Vgr, DistanceExponent,
// Mass and PairIncluded of bodies 0..10 from the shared state.
Interaction readInteraction();

}  // namespace nbody

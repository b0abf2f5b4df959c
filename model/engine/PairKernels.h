#pragma once
// The pair loops of the two right-hand sides. Each pair body is written once
// as an inline function; the loops are templates over the retardation
// variant, the form of the distance law and a Record that may copy every
// pair into the shared tables. The run loop picks the instance once per
// call (never per pair) and, with the NoPairRecord, the loops store nothing
// but the accelerations, allocate nothing and read no checked table.
//
// acceleration points to 33 values: X, Y, Z components of bodies 0..10 in
// blocks of eleven (the layout of StateDerivative from element 33 on).
#include <cmath>

#include "model/engine/Interaction.h"
#include "model/engine/TraceHistory.h"

namespace nbody {

// Vector from the source (or its trace) to the target, metres, and its
// length R.
struct PairVector {
  double x, y, z, r;
};

// The stage being evaluated: its state and what the traces need.
struct StageContext {
  const double* state = nullptr;                       // 66 values
  const double* lastAcceleration[3] = {};              // AccelerationX, Y, Z by body
  const TraceHistory* history = nullptr;               // stored traces (DX3)
  double stageTime = 0;                                // ModelTime + StageOffset, s
};

// A Record that keeps nothing: the fast path.
struct NoPairRecord {
  static constexpr bool active = false;
  void pair(int, int, const PairVector&, double, double, double) {}
};

inline double norm(double x, double y, double z) { return std::sqrt(x * x + y * y + z * z); }

inline double coordinate(const double* state, int c, int body) {
  return state[coordinateIndex(c, body)];
}
inline double velocity(const double* state, int c, int body) {
  return state[kVelocityOffset + coordinateIndex(c, body)];
}

inline PairVector withLength(double x, double y, double z) { return {x, y, z, norm(x, y, z)}; }

// Vector from the present position of source i to target k.
inline PairVector presentPairVector(const double* s, int i, int k) {
  return withLength(coordinate(s, 0, k) - coordinate(s, 0, i), coordinate(s, 1, k) - coordinate(s, 1, i),
                    coordinate(s, 2, k) - coordinate(s, 2, i));
}

// Trace T seconds back along the present velocity (DX1):
// DX = T·VX(i) + (X(k) − X(i)).
inline PairVector velocityTraceVector(const StageContext& c, int i, const PairVector& present, double T) {
  const double* s = c.state;
  return withLength(T * velocity(s, 0, i) + present.x, T * velocity(s, 1, i) + present.y,
                    T * velocity(s, 2, i) + present.z);
}

// Trace along velocity and acceleration (DX2):
// DX = T·VX(i) + (X(k) − X(i)) − (T²/2)·AccelerationX(i).
inline PairVector accelerationTraceVector(const StageContext& c, int i, const PairVector& present, double T) {
  const double* s = c.state;
  const double half = T * T / 2;
  return withLength(T * velocity(s, 0, i) + present.x - half * c.lastAcceleration[0][i],
                    T * velocity(s, 1, i) + present.y - half * c.lastAcceleration[1][i],
                    T * velocity(s, 2, i) + present.z - half * c.lastAcceleration[2][i]);
}

// Trace from the stored positions (DX3): the position of i at the moment
// stageTime − T, interpolated on the real times of the records, between the
// present position and record 0 when the moment is newer than record 0;
// older than the oldest record, the trace of DX2.
inline PairVector storedTraceVector(const StageContext& c, int i, int k, const PairVector& present, double T) {
  const TraceHistory& h = *c.history;
  const double* s = c.state;
  const double when = c.stageTime - T;
  double trace[3];
  if (when >= h.time(0)) {
    const double span = c.stageTime - h.time(0);
    const double f = span > 0 ? T / span : 0.0;
    const double* newest = h.position(0, i);
    for (int d = 0; d < 3; ++d) trace[d] = coordinate(s, d, i) - (coordinate(s, d, i) - newest[d]) * f;
  } else if (when >= h.time(h.lastRecord())) {
    const int j = h.firstRecordNotAfter(when);
    const double* later = h.position(j - 1, i);
    const double* earlier = h.position(j, i);
    const double f = (h.time(j - 1) - when) / (h.time(j - 1) - h.time(j));
    for (int d = 0; d < 3; ++d) trace[d] = later[d] + (earlier[d] - later[d]) * f;
  } else {
    return accelerationTraceVector(c, i, present, T);
  }
  return withLength(coordinate(s, 0, k) - trace[0], coordinate(s, 1, k) - trace[1],
                    coordinate(s, 2, k) - trace[2]);
}

// The retarded pair vector: two fixed-point iterations of the propagation
// time T = R / Vgr, starting from the present distance.
template <RetardationKind kind>
inline PairVector retardedPairVector(const StageContext& c, int i, int k, double gravitySpeed) {
  const PairVector present = presentPairVector(c.state, i, k);
  PairVector p = present;
  for (int iteration = 0; iteration < 2; ++iteration) {
    const double T = p.r / gravitySpeed;
    if constexpr (kind == RetardationKind::PresentVelocity) p = velocityTraceVector(c, i, present, T);
    if constexpr (kind == RetardationKind::VelocityAndAcceleration) p = accelerationTraceVector(c, i, present, T);
    if constexpr (kind == RetardationKind::StoredTrace) p = storedTraceVector(c, i, k, present, T);
  }
  return p;
}

// R^-(p+1): the factor that turns G·m(i) and the pair vector into the
// acceleration of k, −G·m(i)·r / R^(p+1) (Newton's law for p = 2).
template <bool inverseSquare>
inline double attractionFactor(double r, double exponent) {
  if constexpr (inverseSquare) return 1.0 / (r * r * r);
  else return std::pow(r, -(exponent + 1.0));
}

// Classical law with the bodies acting from their present positions: each
// unordered pair once, both bodies accelerated (Newton's third law).
template <bool inverseSquare, class Record>
void instantClassicalPairs(const StageContext& c, const Interaction& in, double* acceleration, Record& record) {
  const BodyPair* pairs = Record::active ? in.allUnordered : in.attractingUnordered;
  const int count = Record::active ? kUnorderedPairCount : in.attractingUnorderedCount;
  for (int n = 0; n < count; ++n) {
    const int i = pairs[n].source, k = pairs[n].target;
    const PairVector p = presentPairVector(c.state, i, k);
    const double gmTarget = in.sourceGM[i][k], gmSource = in.sourceGM[k][i];
    // A recorded pair that does not attract is only measured: no division
    // by its distance, which may be zero.
    const double f = Record::active && gmTarget == 0 && gmSource == 0
                         ? 0.0
                         : attractionFactor<inverseSquare>(p.r, in.distanceExponent);
    const double onTarget = gmTarget * f;  // towards i, along −r
    const double onSource = gmSource * f;  // towards k, along +r
    acceleration[k] -= onTarget * p.x;
    acceleration[kBodyCount + k] -= onTarget * p.y;
    acceleration[2 * kBodyCount + k] -= onTarget * p.z;
    acceleration[i] += onSource * p.x;
    acceleration[kBodyCount + i] += onSource * p.y;
    acceleration[2 * kBodyCount + i] += onSource * p.z;
    if constexpr (Record::active) {
      record.pair(i, k, p, -onTarget * p.x, -onTarget * p.y, -onTarget * p.z);
      record.pair(k, i, PairVector{-p.x, -p.y, -p.z, p.r}, onSource * p.x, onSource * p.y, onSource * p.z);
    }
  }
}

// Classical law with the sources acting from their traces: each ordered
// pair on its own, since the trace of i seen from k is not that of k seen
// from i.
template <RetardationKind kind, bool inverseSquare, class Record>
void retardedClassicalPairs(const StageContext& c, const Interaction& in, double* acceleration, Record& record) {
  const BodyPair* pairs = Record::active ? in.allOrdered : in.attractingOrdered;
  const int count = Record::active ? kOrderedPairCount : in.attractingOrderedCount;
  for (int n = 0; n < count; ++n) {
    const int i = pairs[n].source, k = pairs[n].target;
    const PairVector p = retardedPairVector<kind>(c, i, k, in.gravitySpeed);
    const double gm = in.sourceGM[i][k];
    const double g = Record::active && gm == 0 ? 0.0 : gm * attractionFactor<inverseSquare>(p.r, in.distanceExponent);
    acceleration[k] -= g * p.x;
    acceleration[kBodyCount + k] -= g * p.y;
    acceleration[2 * kBodyCount + k] -= g * p.z;
    if constexpr (Record::active) record.pair(i, k, p, -g * p.x, -g * p.y, -g * p.z);
  }
}

// First post-Newtonian acceleration that source i gives target k, with the
// speed of gravity c in place of the speed of light (present positions):
// a = A/c²·(B·r + C·(v(k) − v(i))) − A·r, A = G·m(i)/R³,
// B = (4·m(i) + 5·m(k))·G/R − |v(k)|² − 2·|v(i)|² + 4·v(k)·v(i) + 1.5·(r·v(i))²/R²,
// C = r·(4·v(k) − 3·v(i)).
template <class Record>
void relativisticPairs(const StageContext& c, const Interaction& in, double* acceleration, Record& record) {
  const double* s = c.state;
  const double inverseSpeedSquared = 1.0 / (in.gravitySpeed * in.gravitySpeed);
  const BodyPair* pairs = Record::active ? in.allOrdered : in.attractingOrdered;
  const int count = Record::active ? kOrderedPairCount : in.attractingOrderedCount;
  for (int n = 0; n < count; ++n) {
    const int i = pairs[n].source, k = pairs[n].target;
    const PairVector p = presentPairVector(s, i, k);
    if (Record::active && in.sourceGM[i][k] == 0) {
      record.pair(i, k, p, 0.0, 0.0, 0.0);
      continue;
    }
    const double vi[3] = {velocity(s, 0, i), velocity(s, 1, i), velocity(s, 2, i)};
    const double vk[3] = {velocity(s, 0, k), velocity(s, 1, k), velocity(s, 2, k)};
    const double rvi = p.x * vi[0] + p.y * vi[1] + p.z * vi[2];
    const double A = in.sourceGM[i][k] / (p.r * p.r * p.r);
    const double B = (4 * in.mass[i] + 5 * in.mass[k]) * in.gravitationalConstant / p.r -
                     (vk[0] * vk[0] + vk[1] * vk[1] + vk[2] * vk[2]) -
                     2 * (vi[0] * vi[0] + vi[1] * vi[1] + vi[2] * vi[2]) +
                     4 * (vk[0] * vi[0] + vk[1] * vi[1] + vk[2] * vi[2]) + 1.5 * rvi * rvi / (p.r * p.r);
    const double C = p.x * (4 * vk[0] - 3 * vi[0]) + p.y * (4 * vk[1] - 3 * vi[1]) + p.z * (4 * vk[2] - 3 * vi[2]);
    const double a[3] = {A * inverseSpeedSquared * (B * p.x + C * (vk[0] - vi[0])) - A * p.x,
                         A * inverseSpeedSquared * (B * p.y + C * (vk[1] - vi[1])) - A * p.y,
                         A * inverseSpeedSquared * (B * p.z + C * (vk[2] - vi[2])) - A * p.z};
    for (int d = 0; d < 3; ++d) acceleration[d * kBodyCount + k] += a[d];
    if constexpr (Record::active) record.pair(i, k, p, a[0], a[1], a[2]);
  }
}

// Classical accelerations with the retardation and distance law of the
// interaction (the one switch of a call).
template <class Record>
void classicalAccelerations(const StageContext& c, const Interaction& in, double* acceleration, Record& record) {
  RetardationKind kind = in.retardation;
  if (kind == RetardationKind::StoredTrace && (c.history == nullptr || c.history->empty()))
    kind = RetardationKind::VelocityAndAcceleration;
  const bool square = in.inverseSquare;
  switch (kind) {
    case RetardationKind::Instant:
      return square ? instantClassicalPairs<true>(c, in, acceleration, record)
                    : instantClassicalPairs<false>(c, in, acceleration, record);
    case RetardationKind::PresentVelocity:
      return square ? retardedClassicalPairs<RetardationKind::PresentVelocity, true>(c, in, acceleration, record)
                    : retardedClassicalPairs<RetardationKind::PresentVelocity, false>(c, in, acceleration, record);
    case RetardationKind::VelocityAndAcceleration:
      return square
                 ? retardedClassicalPairs<RetardationKind::VelocityAndAcceleration, true>(c, in, acceleration, record)
                 : retardedClassicalPairs<RetardationKind::VelocityAndAcceleration, false>(c, in, acceleration, record);
    case RetardationKind::StoredTrace:
      return square ? retardedClassicalPairs<RetardationKind::StoredTrace, true>(c, in, acceleration, record)
                    : retardedClassicalPairs<RetardationKind::StoredTrace, false>(c, in, acceleration, record);
  }
}

}  // namespace nbody

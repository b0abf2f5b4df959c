#pragma once
// The pair loops of the two right-hand sides. The bodies of a call are first
// gathered into short contiguous arrays (only those that attract or are
// attracted, unless every pair is recorded), or read in place when they are
// the first ones of the state, so that the inner loops run over plain arrays
// and the compiler can vectorise them. Each pair body is
// written once as an inline function; the loops are templates over the
// retardation variant, the form of the distance law and a Record that may
// copy every pair into the shared tables. The right-hand sides pick the
// instance once per call (never per pair) and, with the NoPairRecord, the
// loops store nothing but the accelerations, allocate nothing and read no
// checked table.
//
// acceleration points to 33 values: X, Y, Z components of bodies 0..10 in
// blocks of eleven (the layout of StateDerivative from element 33 on).
#include <algorithm>
#include <cmath>
#include <cstring>
#include <type_traits>

#include "science/engine/Interaction.h"
#include "science/engine/RootEstimates.h"
#include "science/engine/TraceHistory.h"

// CELVAN_NARROW_VECTORS: a loop compiled for 256-bit vector registers
// whatever the engine's preferred width (GCC on x86; elsewhere nothing).
#if defined(__GNUC__) && !defined(__clang__) && (defined(__x86_64__) || defined(__i386__))
#define CELVAN_NARROW_VECTORS __attribute__((target("prefer-vector-width=256")))
#else
#define CELVAN_NARROW_VECTORS
#endif

namespace nbody {

// Eight doubles handled as one value: a 512-bit register, or two of 256.
using Eight = double __attribute__((vector_size(64)));
// (Passed by reference: a build without 512-bit registers has no way of
// its own to pass one by value.)
inline void loadEight(const double* from, Eight& to) { std::memcpy(&to, from, sizeof to); }
inline void storeEight(double* to, const Eight& from) { std::memcpy(to, &from, sizeof from); }
// v in every lane of V (double: v itself).
template <class V>
inline V spread(double v) {
  if constexpr (std::is_same_v<V, double>) return v;
  else return V{v, v, v, v, v, v, v, v};
}
// Three coordinates of one lane (V = double) or of eight.
template <class V>
struct Xyz {
  V x, y, z;
};

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
  // For the laws of gravity pressure: the number of the Runge-Kutta stage
  // (1..4, StageCounter) and the step h, s.
  int stage = 1;
  double step = 0;
};

// The bodies of one call, gathered: their numbers, positions, velocities
// and the accelerations of the last step.
struct Bodies {
  int count = 0;
  int number[kBodyCount] = {};
  double x[kBodyCount], y[kBodyCount], z[kBodyCount];
  double vx[kBodyCount], vy[kBodyCount], vz[kBodyCount];
  double ax[kBodyCount], ay[kBodyCount], az[kBodyCount];
};

// The bodies of a call read in place, when they are the first ones of
// the state: the state's blocks of positions and velocities and the last
// accelerations, by body number.
struct StateBodies {
  int count = 0;
  const double *x, *y, *z, *vx, *vy, *vz, *ax, *ay, *az;

  StateBodies(const StageContext& c, int bodies)
      : count(bodies),
        x(c.state + coordinateIndex(0, 0)),
        y(c.state + coordinateIndex(1, 0)),
        z(c.state + coordinateIndex(2, 0)),
        vx(c.state + kVelocityOffset + coordinateIndex(0, 0)),
        vy(c.state + kVelocityOffset + coordinateIndex(1, 0)),
        vz(c.state + kVelocityOffset + coordinateIndex(2, 0)),
        ax(c.lastAcceleration[0]),
        ay(c.lastAcceleration[1]),
        az(c.lastAcceleration[2]) {}
};

// A Record that keeps nothing: the fast path.
struct NoPairRecord {
  static constexpr bool active = false;
  void pair(int, int, const PairVector&, double, double, double) {}
  void pairWithForce(int, int, const PairVector&, double, double, double, double) {}
};

inline double norm(double x, double y, double z) { return std::sqrt(x * x + y * y + z * z); }
inline PairVector withLength(double x, double y, double z) { return {x, y, z, norm(x, y, z)}; }

inline constexpr int kEveryBody[kBodyCount] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};

// The bodies that the call needs: every body when pairs are recorded, else
// those of the attracting pairs.
template <class Record>
inline void gatherBodies(const StageContext& c, const Interaction& in, Bodies& bodies) {
  const int* list = Record::active ? kEveryBody : in.attractingBodies;
  bodies.count = Record::active ? kBodyCount : in.attractingBodyCount;
  const double* s = c.state;
  for (int a = 0; a < bodies.count; ++a) {
    const int b = list[a];
    bodies.number[a] = b;
    bodies.x[a] = s[coordinateIndex(0, b)];
    bodies.y[a] = s[coordinateIndex(1, b)];
    bodies.z[a] = s[coordinateIndex(2, b)];
    bodies.vx[a] = s[kVelocityOffset + coordinateIndex(0, b)];
    bodies.vy[a] = s[kVelocityOffset + coordinateIndex(1, b)];
    bodies.vz[a] = s[kVelocityOffset + coordinateIndex(2, b)];
    bodies.ax[a] = c.lastAcceleration[0][b];
    bodies.ay[a] = c.lastAcceleration[1][b];
    bodies.az[a] = c.lastAcceleration[2][b];
  }
}

// The coefficient tables among the gathered bodies: given[a][b] what a
// gives b, received[a][b] what a receives from b (m³/s², see Interaction).
struct Coefficients {
  const double (*given)[kBodyCount];
  const double (*received)[kBodyCount];
};

template <class Record>
inline Coefficients coefficientsOf(const Interaction& in) {
  if constexpr (Record::active) return {in.sourceGM, in.receivedBySource};
  return {in.attractingGM, in.receivedGM};
}

// Adds the gathered accelerations into the derivative's accelerations.
inline void scatterAccelerations(const Bodies& bodies, const double* ax, const double* ay, const double* az,
                                 double* acceleration) {
  for (int a = 0; a < bodies.count; ++a) {
    acceleration[bodies.number[a]] += ax[a];
    acceleration[kBodyCount + bodies.number[a]] += ay[a];
    acceleration[2 * kBodyCount + bodies.number[a]] += az[a];
  }
}

// Vector from the present position of source a to target b.
template <class BodySet>
inline PairVector presentPairVector(const BodySet& B, int a, int b) {
  return withLength(B.x[b] - B.x[a], B.y[b] - B.y[a], B.z[b] - B.z[a]);
}

// Trace T seconds back along the present velocity (DX1):
// DX = T·VX(i) + (X(k) − X(i)).
template <class BodySet>
inline PairVector velocityTraceVector(const BodySet& B, int a, const PairVector& present, double T) {
  return withLength(T * B.vx[a] + present.x, T * B.vy[a] + present.y, T * B.vz[a] + present.z);
}

// Trace along velocity and acceleration (DX2):
// DX = T·VX(i) + (X(k) − X(i)) − (T²/2)·AccelerationX(i).
template <class BodySet>
inline PairVector accelerationTraceVector(const BodySet& B, int a, const PairVector& present, double T) {
  const double half = T * T / 2;
  return withLength(T * B.vx[a] + present.x - half * B.ax[a], T * B.vy[a] + present.y - half * B.ay[a],
                    T * B.vz[a] + present.z - half * B.az[a]);
}

// Trace from the stored positions (DX3): the position of the source at the
// moment stageTime − T, interpolated on the real times of the records,
// between the present position and record 0 when the moment is newer than
// record 0; older than the oldest record, the trace of DX2.
inline PairVector storedTraceVector(const StageContext& c, const Bodies& B, int a, int b, const PairVector& present,
                                    double T) {
  const TraceHistory& h = *c.history;
  const int source = B.number[a];
  const double when = c.stageTime - T;
  const double here[3] = {B.x[a], B.y[a], B.z[a]};
  double trace[3];
  if (when >= h.time(0)) {
    const double span = c.stageTime - h.time(0);
    const double f = span > 0 ? T / span : 0.0;
    const double* newest = h.position(0, source);
    for (int d = 0; d < 3; ++d) trace[d] = here[d] - (here[d] - newest[d]) * f;
  } else if (when >= h.time(h.lastRecord())) {
    const int j = h.firstRecordNotAfter(when);
    const double* later = h.position(j - 1, source);
    const double* earlier = h.position(j, source);
    const double f = (h.time(j - 1) - when) / (h.time(j - 1) - h.time(j));
    for (int d = 0; d < 3; ++d) trace[d] = later[d] + (earlier[d] - later[d]) * f;
  } else {
    return accelerationTraceVector(B, a, present, T);
  }
  return withLength(B.x[b] - trace[0], B.y[b] - trace[1], B.z[b] - trace[2]);
}

// The retarded pair vector: two fixed-point iterations of the propagation
// time T = R / Vgr, starting from the present distance.
template <RetardationKind kind, class BodySet>
inline PairVector retardedPairVector(const StageContext& c, const BodySet& B, int a, int b, double gravitySpeed) {
  const PairVector present = presentPairVector(B, a, b);
  PairVector p = present;
  for (int iteration = 0; iteration < 2; ++iteration) {
    const double T = p.r / gravitySpeed;
    if constexpr (kind == RetardationKind::PresentVelocity) p = velocityTraceVector(B, a, present, T);
    if constexpr (kind == RetardationKind::VelocityAndAcceleration) p = accelerationTraceVector(B, a, present, T);
    if constexpr (kind == RetardationKind::StoredTrace) p = storedTraceVector(c, B, a, b, present, T);
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

// A recorded pair that does not attract is only measured: no division by
// its distance, which may be zero. (Two bodies at one point that attract
// each other are a division by zero, the run's error.)
template <class Record>
inline bool measuredOnly(double coefficient, double otherCoefficient) {
  return Record::active && coefficient == 0 && otherCoefficient == 0;
}

// The gathered bodies' count as the loops see it: fixed at compile time
// for the usual systems (the Sun and nine planets, with the Moon eleven),
// so that the compiler unrolls and vectorises the inner loops; 0 for any
// other count, read at run time.
template <int fixedCount>
inline int loopCount(const Bodies& B) {
  if constexpr (fixedCount > 0) return fixedCount;
  else return B.count;
}

// Calls body.template operator()<n>() with n = 10 or 11 when the gathered
// count is that and the loops keep nothing but accelerations, else with 0.
template <class Record, class Body>
inline void withFixedCount(const Bodies& B, Body&& body) {
  if constexpr (!Record::active) {
    if (B.count == 10) return body.template operator()<10>();
    if (B.count == 11) return body.template operator()<11>();
  }
  body.template operator()<0>();
}

// Classical law with the bodies acting from their present positions: each
// unordered pair once, both bodies accelerated (Newton's third law).
template <int fixedCount, bool inverseSquare, class Record>
inline void instantPairLoop(const Bodies& B, const Coefficients& k, const Interaction& in, double* ax, double* ay,
                            double* az, Record& record) {
  const int n = loopCount<fixedCount>(B);
  for (int a = 0; a + 1 < n; ++a) {
    double axa = 0, aya = 0, aza = 0;
    for (int b = a + 1; b < n; ++b) {
      const PairVector p = presentPairVector(B, a, b);
      const double f = measuredOnly<Record>(k.given[a][b], k.received[a][b])
                           ? 0.0
                           : attractionFactor<inverseSquare>(p.r, in.distanceExponent);
      const double onTarget = k.given[a][b] * f;     // b towards a, along −r
      const double onSource = k.received[a][b] * f;  // a towards b, along +r
      ax[b] -= onTarget * p.x;
      ay[b] -= onTarget * p.y;
      az[b] -= onTarget * p.z;
      axa += onSource * p.x;
      aya += onSource * p.y;
      aza += onSource * p.z;
      if constexpr (Record::active) {
        record.pair(B.number[a], B.number[b], p, -onTarget * p.x, -onTarget * p.y, -onTarget * p.z);
        record.pair(B.number[b], B.number[a], PairVector{-p.x, -p.y, -p.z, p.r}, onSource * p.x, onSource * p.y,
                    onSource * p.z);
      }
    }
    ax[a] += axa;
    ay[a] += aya;
    az[a] += aza;
  }
}

// Newton's law among a fixed count of bodies, each unordered pair once, in
// three passes: the pair vectors gathered in pair order, then the distance
// and the two pulls of every pair in one loop over all the pairs (padded to
// whole vectors with harmless pairs, so that the square roots and divisions
// run at full vector width), then the sums. The sums take the pairs in the
// order of instantPairLoop, and every pull is computed as there, so the
// accelerations are the same to the last bit. Where the engine prefers
// 512-bit registers, this loop keeps to 256-bit ones: its 45 or 55 pairs
// fill few wide registers, and with them workload W took a tenth longer on
// AMD processors, while the traced loops gain a fifth and more from them.
template <int count>
CELVAN_NARROW_VECTORS inline void newtonPairLoop(const double* x, const double* y, const double* z,
                                                 const PairCoefficients& k, double* __restrict ax,
                                                 double* __restrict ay, double* __restrict az) {
  constexpr int pairs = pairCount(count);
  constexpr int slots = paddedPairCount(count);
  alignas(64) double dx[slots], dy[slots], dz[slots];
  int p = 0;
#pragma GCC unroll 16
  for (int a = 0; a + 1 < count; ++a)
#pragma GCC unroll 16
    for (int b = a + 1; b < count; ++b, ++p) {
      dx[p] = x[b] - x[a];
      dy[p] = y[b] - y[a];
      dz[p] = z[b] - z[a];
    }
  for (int q = pairs; q < slots; ++q) {
    dx[q] = 1;  // a unit distance and no mass: finite, adds nothing
    dy[q] = dz[q] = 0;
  }
  alignas(64) double tx[slots], ty[slots], tz[slots], sx[slots], sy[slots], sz[slots];
  for (int q = 0; q < slots; ++q) {
    const double r = std::sqrt(dx[q] * dx[q] + dy[q] * dy[q] + dz[q] * dz[q]);
    const double f = 1.0 / (r * r * r);
    const double onTarget = k.given[q] * f, onSource = k.received[q] * f;
    tx[q] = onTarget * dx[q];
    ty[q] = onTarget * dy[q];
    tz[q] = onTarget * dz[q];
    sx[q] = onSource * dx[q];
    sy[q] = onSource * dy[q];
    sz[q] = onSource * dz[q];
  }
  p = 0;
#pragma GCC unroll 16
  for (int a = 0; a + 1 < count; ++a) {
    double axa = 0, aya = 0, aza = 0;
#pragma GCC unroll 16
    for (int b = a + 1; b < count; ++b, ++p) {
      ax[b] -= tx[p];
      ay[b] -= ty[p];
      az[b] -= tz[p];
      axa += sx[p];
      aya += sy[p];
      aza += sz[p];
    }
    ax[a] += axa;
    ay[a] += aya;
    az[a] += aza;
  }
}

// When the attracting bodies are the first ten or eleven, they need no
// gathering: the pair loop reads their positions straight from the state
// and sums into the derivative, whose accelerations start at 0.
template <class Record>
inline bool newtonOnTheState(const StageContext& c, const Interaction& in, double* acceleration) {
  if constexpr (Record::active) return false;
  if (!in.inverseSquare || !in.attractingBodiesLeadTheState) return false;
  const double* s = c.state;
  const PairCoefficients& k = in.attractingPairs;
  double* ax = acceleration;
  double* ay = acceleration + kBodyCount;
  double* az = acceleration + 2 * kBodyCount;
  if (in.attractingBodyCount == 10) newtonPairLoop<10>(s, s + kBodyCount, s + 2 * kBodyCount, k, ax, ay, az);
  else if (in.attractingBodyCount == 11) newtonPairLoop<11>(s, s + kBodyCount, s + 2 * kBodyCount, k, ax, ay, az);
  else return false;
  return true;
}

template <bool inverseSquare, class Record>
void instantClassicalPairs(const StageContext& c, const Interaction& in, double* acceleration, Record& record) {
  if (newtonOnTheState<Record>(c, in, acceleration)) return;
  Bodies B;
  gatherBodies<Record>(c, in, B);
  const Coefficients k = coefficientsOf<Record>(in);
  double ax[kBodyCount] = {}, ay[kBodyCount] = {}, az[kBodyCount] = {};
  withFixedCount<Record>(B, [&]<int n>() {
    if constexpr (n > 0 && inverseSquare) newtonPairLoop<n>(B.x, B.y, B.z, in.attractingPairs, ax, ay, az);
    else instantPairLoop<n, inverseSquare>(B, k, in, ax, ay, az, record);
  });
  scatterAccelerations(B, ax, ay, az, acceleration);
}

// The vector from the trace of a source T seconds back to the target, p
// the present one: along the source's velocity v (DX1), or along velocity
// and acceleration a (DX2).
template <RetardationKind kind>
inline void traceOfSource(double T, double px, double py, double pz, double vx, double vy, double vz, double ax,
                          double ay, double az, double& qx, double& qy, double& qz) {
  if constexpr (kind == RetardationKind::PresentVelocity) {
    qx = T * vx + px;
    qy = T * vy + py;
    qz = T * vz + pz;
  } else {
    const double half = T * T / 2;
    qx = T * vx + px - half * ax;
    qy = T * vy + py - half * ay;
    qz = T * vz + pz - half * az;
  }
}

// 1 where a pair of the traced tables adds nothing (a body and itself, a
// lane past the last body, the slots that round the tables up), else 0.
template <int count>
struct TracedLift {
  double value[tracedSlotCount(count)] = {};
  constexpr TracedLift() {
    for (int q = 0; q < tracedSlotCount(count); ++q) value[q] = 1.0;
    for (int source = 0; source < count; ++source)
      for (int target = 0; target < count; ++target)
        if (source != target) value[tracedSlot(count, source, target)] = 0.0;
  }
  constexpr double operator[](int q) const { return value[q]; }
};

// Copies eight lanes as one piece and the next four as one store of four,
// 0 past the count: the loops read them back a register at a time, and a
// read that spans two stores waits until both reach the cache.
template <int count>
inline void copyTwelveLanes(const double* from, double* to) {
  static_assert(count > 8 && count <= 12);
  for (int b = 0; b < 8; ++b) to[b] = from[b];
  using Four = double __attribute__((vector_size(32)));
  const Four tail = {from[8], count > 9 ? from[9] : 0.0, count > 10 ? from[10] : 0.0, 0.0};
  std::memcpy(to + 8, &tail, sizeof tail);
}

// The ordered pairs of a fixed count of bodies for the traced loops, in the
// two tables of tracedSlot: rows by source with the first eight bodies as
// targets in the lanes, then a row for each later target with the sources
// in the lanes. Every lane of the first table is a pair, so that the
// registers are full; the later targets' rows are few. For each pair: the
// vector from the source's trace to the target, and the pull towards it.
// The pulls (a root and a division per pair, which wait on the divider)
// are one pass over all the pairs once every trace is in place: the roots
// and divisions of many pairs then run at once.
template <int count>
struct TracedPairs {
  static constexpr int slots = tracedSlotCount(count);
  // Every body's place, velocity and last acceleration by lane (0 past the
  // last body): the first eight places are the targets of the first table,
  // all of them the sources of the later targets' rows.
  alignas(64) double x[kTracedLanes], y[kTracedLanes], z[kTracedLanes];
  alignas(64) double vx[kTracedLanes], vy[kTracedLanes], vz[kTracedLanes];
  alignas(64) double ax[kTracedLanes], ay[kTracedLanes], az[kTracedLanes];
  alignas(64) double qx[slots], qy[slots], qz[slots], pull[slots];
  // What the source gives the target (the interaction's tracedGM), and the
  // lift that keeps the factor of a pair that adds nothing finite.
  const double* given;
  static constexpr TracedLift<count> lift{};

  template <class BodySet>
  TracedPairs(const BodySet& B, const Interaction& in) : given(in.tracedGM) {
    copyTwelveLanes<count>(B.x, x);
    copyTwelveLanes<count>(B.y, y);
    copyTwelveLanes<count>(B.z, z);
    copyTwelveLanes<count>(B.vx, vx);
    copyTwelveLanes<count>(B.vy, vy);
    copyTwelveLanes<count>(B.vz, vz);
    copyTwelveLanes<count>(B.ax, ax);
    copyTwelveLanes<count>(B.ay, ay);
    copyTwelveLanes<count>(B.az, az);
    for (int q = tracedTableSlots(count); q < slots; ++q) qx[q] = qy[q] = qz[q] = 0;
  }
  // The pulls of all pairs from their vectors q.
  void pulls() {
    for (int q = 0; q < slots; ++q) {
      const double finite = std::sqrt(qx[q] * qx[q] + qy[q] * qy[q] + qz[q] * qz[q]) + lift[q];
      pull[q] = given[q] * (1.0 / (finite * finite * finite));
    }
  }
  // Each target's sum takes the sources in their order.
  void addTo(double* toX, double* toY, double* toZ) const {
    // The first table row by row, its eight targets at a time.
    static_assert(kTargetLanes == 8);
    Eight sumX = {}, sumY = {}, sumZ = {};
    for (int a = 0; a < count; ++a) {
      const int row = a * kTargetLanes;  // tracedSlot(count, a, 0)
      Eight p, x, y, z;
      loadEight(pull + row, p);
      loadEight(qx + row, x);
      loadEight(qy + row, y);
      loadEight(qz + row, z);
      sumX -= p * x;
      sumY -= p * y;
      sumZ -= p * z;
    }
    for (int b = 0; b < kTargetLanes; ++b) {
      toX[b] += sumX[b];
      toY[b] += sumY[b];
      toZ[b] += sumZ[b];
    }
    for (int t = kTargetLanes; t < count; ++t) addRowTo(t, toX, toY, toZ);
  }
  // The sum of a later target along its row. Kept to plain arithmetic: the
  // compiler would otherwise vectorise the sum, which must take the terms
  // in order, with a shuffle for every term.
#if defined(__GNUC__) && !defined(__clang__)
  __attribute__((optimize("no-tree-vectorize")))
#endif
  void addRowTo(int t, double* toX, double* toY, double* toZ) const {
    double sumX = 0, sumY = 0, sumZ = 0;
    for (int a = 0; a < count; ++a) {
      const int q = tracedSlot(count, a, t);
      sumX -= pull[q] * qx[q];
      sumY -= pull[q] * qy[q];
      sumZ -= pull[q] * qz[q];
    }
    toX[t] += sumX;
    toY[t] += sumY;
    toZ[t] += sumZ;
  }
};

// The present distances R of the pairs of P, and with an estimate their
// reciprocals perR, estimated without the divider (see RootEstimates.h);
// exact roots otherwise.
template <bool estimated, int count, class BodySet>
inline void presentDistances(const BodySet& B, const TracedPairs<count>& P, double* __restrict R,
                             double* __restrict perR) {
  constexpr int slots = TracedPairs<count>::slots;
  static_assert(slots % 8 == 0);
  for (int a = 0; a < count; ++a) {
    // A loop of its own: unrolled, the compiler would vectorise across the
    // rows and transpose them.
#pragma GCC unroll 1
    for (int b = 0; b < kTargetLanes; ++b) {
      const int q = tracedSlot(count, a, b);
      const double px = P.x[b] - B.x[a], py = P.y[b] - B.y[a], pz = P.z[b] - B.z[a];
      R[q] = px * px + py * py + pz * pz + P.lift[q];  // a pair that adds nothing stays finite
    }
  }
  for (int t = kTargetLanes; t < count; ++t)
    for (int l = 0; l < kTracedLanes; ++l) {
      const int q = tracedSlot(count, l, t);
      const double px = B.x[t] - P.x[l], py = B.y[t] - P.y[l], pz = B.z[t] - P.z[l];
      R[q] = px * px + py * py + pz * pz + P.lift[q];
    }
  for (int q = tracedTableSlots(count); q < slots; ++q) R[q] = P.lift[q];
  if constexpr (estimated) {
    rootEstimates(R, perR, slots);
  } else {
    for (int q = 0; q < slots; ++q) R[q] = std::sqrt(R[q]);
  }
}

// Whether the first traces of a source's pairs lie near enough their
// present positions for rootOfOnePlusMinusOne (see
// velocityTracePairLoop): |u| ≤ 2·ratio + ratio², ratio = |w|/Vgr,
// which stays within kRootSeriesLimit while ratio is at most
// √(1 + kRootSeriesLimit) − 1. The source's velocity squared is vv, its
// acceleration squared aa, and the longest distance of its pairs squared
// RR: |w| ≤ |v| + (R/Vgr)·|a|/2, so |w|² ≤ 2·(|v|² + (R/Vgr)²·|a|²/4).
// False for a NaN.
template <RetardationKind kind>
inline bool traceNearPresent(double vv, double aa, double RR, double perSpeedSquared) {
  double ww = vv;
  if constexpr (kind == RetardationKind::VelocityAndAcceleration) ww = 2 * (vv + 0.25 * RR * perSpeedSquared * aa);
  constexpr double largestRatio = 4.9987e-4;  // √(1 + 1e-3) − 1 = 4.99875e-4, with room for rounding
  static_assert(kRootSeriesLimit == 1e-3);
  return ww * perSpeedSquared <= largestRatio * largestRatio;
}

// The longest of the distances R of the pairs of P and of the bodies' from
// the origin, squared (the bound of traceNearPresent).
template <int count>
inline double longestDistanceSquared(const TracedPairs<count>& P, const double* R) {
  alignas(64) double fromOrigin[kTracedLanes], perFromOrigin[kTracedLanes];
  for (int l = 0; l < kTracedLanes; ++l) {
    const double px = 0 - P.x[l], py = 0 - P.y[l], pz = 0 - P.z[l];
    fromOrigin[l] = px * px + py * py + pz * pz + 1.0;
  }
  rootEstimates(fromOrigin, perFromOrigin, kTracedLanes);
  // Eight lanes at a time, then the longest of the eight (the order of the
  // comparisons changes nothing).
  Eight longestOfLane = {};
  for (int q = 0; q < TracedPairs<count>::slots; q += 8) {
    Eight r;
    loadEight(R + q, r);
    longestOfLane = r > longestOfLane ? r : longestOfLane;
  }
  double longest = 0;
  for (int l = 0; l < 8; ++l) longest = std::max(longestOfLane[l], longest);
  for (int l = 0; l < kTracedLanes; ++l) longest = std::max(fromOrigin[l], longest);
  return longest * longest;
}

// What every trace along the velocity of one call shares.
struct TraceSpeeds {
  double perSpeed, twicePerSpeed, perSpeedSquared;
  explicit TraceSpeeds(double gravitySpeed)
      : perSpeed(1.0 / gravitySpeed), twicePerSpeed(2 * perSpeed), perSpeedSquared(perSpeed * perSpeed) {}
};

// The vector q from the trace of a source to the target: p the present
// one, R its length and perR 1/R, v and a the source's velocity and last
// acceleration, vv, va and aa their products (see velocityTracePairLoop).
template <RetardationKind kind, bool estimated>
[[gnu::always_inline]] inline void velocityTraceVector(const TraceSpeeds& s, double R, double perR, double px,
                                                       double py, double pz, double vx, double vy, double vz,
                                                       double ax, double ay, double az, double vv, double va,
                                                       double aa, double& qx, double& qy, double& qz) {
  double T1;
  if constexpr (estimated) {
    double pw = fusedMultiplyAdd(px, vx, fusedMultiplyAdd(py, vy, pz * vz)), ww = vv;
    if constexpr (kind == RetardationKind::VelocityAndAcceleration) {
      const double T0 = R * s.perSpeed;
      const double pa = fusedMultiplyAdd(px, ax, fusedMultiplyAdd(py, ay, pz * az));
      pw = fusedMultiplyAdd(-0.5 * T0, pa, pw);
      ww = fusedMultiplyAdd(T0, fusedMultiplyAdd(0.25 * T0, aa, -va), vv);
    }
    const double u = fusedMultiplyAdd(pw * perR, s.twicePerSpeed, ww * s.perSpeedSquared);
    T1 = fusedMultiplyAdd(R, rootOfOnePlusMinusOne(u), R) * s.perSpeed;
  } else {
    double tx, ty, tz;
    traceOfSource<kind>(R * s.perSpeed, px, py, pz, vx, vy, vz, ax, ay, az, tx, ty, tz);
    T1 = std::sqrt(tx * tx + ty * ty + tz * tz) * s.perSpeed;
  }
  traceOfSource<kind>(T1, px, py, pz, vx, vy, vz, ax, ay, az, qx, qy, qz);
}

// The traces along the present velocity (and acceleration) under Newton's
// law for a fixed count of bodies.
//
// The propagation time only places the trace: an error e in it moves the
// trace by v·e, some 1e-4 of the error it would make in the distance. The
// first trace lies at T0 = R/Vgr along w = v − (T0/2)·a (a = 0 for the
// trace along the velocity alone), so its distance is
// R·√(1 + u), u = 2·(r·w)/(R·Vgr) + |w|²/Vgr²,
// which a short series gives to rounding, from R and 1/R estimated without
// the divider, while the traces lie near the present positions
// (traceNearPresent); where one does not, the estimated loop adds nothing
// and answers false. Only the distance of the pull is then an exact root.
// Without the estimate every distance is an exact root.
template <int count, RetardationKind kind, bool estimated, class BodySet>
inline bool velocityTracePairLoop(const BodySet& B, const Interaction& in, double* ax, double* ay, double* az) {
  TracedPairs<count> P(B, in);
  constexpr int slots = TracedPairs<count>::slots;
  // The present distances (and their reciprocals), in a pass of their own:
  // its chains are short enough for many pairs to run at once.
  alignas(64) double R[slots], perR[slots];
  presentDistances<estimated>(B, P, R, perR);
  double RR = 0;  // the longest distance squared, for the traces along the acceleration
  if constexpr (estimated && kind == RetardationKind::VelocityAndAcceleration) RR = longestDistanceSquared(P, R);
  const TraceSpeeds speeds(in.gravitySpeed);
  // Each source's velocity and acceleration squared and their product, a
  // lane per source, so that the rows below hold nothing but their pairs.
  alignas(64) double vv[kTracedLanes], va[kTracedLanes], aa[kTracedLanes];
  for (int l = 0; l < kTracedLanes; ++l) {
    vv[l] = P.vx[l] * P.vx[l] + P.vy[l] * P.vy[l] + P.vz[l] * P.vz[l];
    va[l] = P.vx[l] * P.ax[l] + P.vy[l] * P.ay[l] + P.vz[l] * P.az[l];
    aa[l] = P.ax[l] * P.ax[l] + P.ay[l] * P.ay[l] + P.az[l] * P.az[l];
  }
  bool near = true;
  if constexpr (estimated)
    for (int a = 0; a < count; ++a) near = near && traceNearPresent<kind>(vv[a], aa[a], RR, speeds.perSpeedSquared);
  // The first table: a source per row.
  for (int a = 0; a < count; ++a) {
    // A loop of its own: unrolled, the compiler would vectorise across the
    // rows and transpose them.
#pragma GCC unroll 1
    for (int b = 0; b < kTargetLanes; ++b) {
      const int q = tracedSlot(count, a, b);
      velocityTraceVector<kind, estimated>(speeds, R[q], perR[q], P.x[b] - P.x[a], P.y[b] - P.y[a],
                                           P.z[b] - P.z[a], P.vx[a], P.vy[a], P.vz[a], P.ax[a], P.ay[a],
                                           P.az[a], vv[a], va[a], aa[a], P.qx[q], P.qy[q], P.qz[q]);
    }
  }
  // The later targets: a target per row, a source per lane.
  for (int t = kTargetLanes; t < count; ++t)
    for (int l = 0; l < kTracedLanes; ++l) {
      const int q = tracedSlot(count, l, t);
      velocityTraceVector<kind, estimated>(speeds, R[q], perR[q], B.x[t] - P.x[l], B.y[t] - P.y[l],
                                           B.z[t] - P.z[l], P.vx[l], P.vy[l], P.vz[l], P.ax[l], P.ay[l],
                                           P.az[l], vv[l], va[l], aa[l], P.qx[q], P.qy[q], P.qz[q]);
    }
  if (!near) return false;
  P.pulls();
  P.addTo(ax, ay, az);
  return true;
}

// The traced loop for a fixed count of bodies: estimated where it holds.
template <int count, RetardationKind kind, class BodySet>
inline void tracePairLoop(const BodySet& B, const Interaction& in, double* ax, double* ay, double* az) {
  if (!velocityTracePairLoop<count, kind, true>(B, in, ax, ay, az))
    velocityTracePairLoop<count, kind, false>(B, in, ax, ay, az);
}

// Records that the stored-trace loop for a fixed count of bodies takes at
// most: the history of the speed of light at one-hour steps holds six.
inline constexpr int kCountedRecords = 8;

// The number in the state of the a-th body of a call.
inline int bodyNumber(const Bodies& B, int a) { return B.number[a]; }
inline int bodyNumber(const StateBodies&, int a) { return a; }

// What the stored traces of every source share for one stage: the
// history, the stage's time, the record times (after the last record,
// times that no moment follows) and the reciprocal of the gap before each
// record.
template <int records>
struct StoredTraceTimes {
  const TraceHistory& history;
  int last;
  double stageTime, newestTime, oldestTime, perSpan;
  double t[records], perGap[records];

  explicit StoredTraceTimes(const StageContext& c) : history(*c.history), last(c.history->lastRecord()) {
    stageTime = c.stageTime;
    newestTime = history.time(0);
    oldestTime = history.time(last);
    const double span = stageTime - newestTime;
    perSpan = span > 0 ? 1.0 / span : 0.0;
    for (int j = 0; j < records; ++j) t[j] = j <= last ? history.time(j) : -HUGE_VAL;
    // From the history, not from t: reading back what was just stored in t
    // would wait until the stores reach the cache.
    perGap[0] = 1;
    for (int j = 1; j < records; ++j) {
      const double gap = j <= last ? history.time(j - 1) - history.time(j) : 0.0;
      perGap[j] = gap > 0 ? 1.0 / gap : 1.0;
    }
#if defined(CELVAN_WIDE_VECTORS)
    for (int j = 0; j < 8; ++j) {
      eightTimes[j] = t[j < records ? j : records - 1];
      eightPerGaps[j] = perGap[j < records ? j : records - 1];
    }
#endif
  }
#if defined(CELVAN_WIDE_VECTORS)
  Eight eightTimes, eightPerGaps;  // t and perGap as one value each, the last repeated
#endif
  // Stored position j (the last one past the last record) of a body.
  const double* position(int j, int body) const { return history.position(j <= last ? j : last, body); }
};

// One source for every lane of a row: its present place, velocity, last
// acceleration and stored positions.
template <int records>
struct StoredTraceSource {
  double xa, ya, za, vxa, vya, vza, axa, aya, aza;
  double rx[records], ry[records], rz[records];

  template <class BodySet>
  StoredTraceSource(const StoredTraceTimes<records>& times, const BodySet& B, int a) {
    xa = B.x[a], ya = B.y[a], za = B.z[a];
    vxa = B.vx[a], vya = B.vy[a], vza = B.vz[a];
    axa = B.ax[a], aya = B.ay[a], aza = B.az[a];
    for (int j = 0; j < records; ++j) {
      const double* p = times.position(j, bodyNumber(B, a));
      rx[j] = p[0];
      ry[j] = p[1];
      rz[j] = p[2];
    }
  }
  double x(int) const { return xa; }
  double y(int) const { return ya; }
  double z(int) const { return za; }
  double vx(int) const { return vxa; }
  double vy(int) const { return vya; }
  double vz(int) const { return vza; }
  double ax(int) const { return axa; }
  double ay(int) const { return aya; }
  double az(int) const { return aza; }
  double recordX(int j, int) const { return rx[j]; }
  double recordY(int j, int) const { return ry[j]; }
  double recordZ(int j, int) const { return rz[j]; }
};

// A source for each lane of a row (the bodies in their order, the origin
// past the last): the stored positions by record and lane, the rest from
// the lanes of TracedPairs.
template <int count, int records>
struct StoredTraceLanes {
  const TracedPairs<count>& P;
  alignas(64) double rx[records][kTracedLanes], ry[records][kTracedLanes], rz[records][kTracedLanes];

  template <class BodySet>
  StoredTraceLanes(const StoredTraceTimes<records>& times, const BodySet& B, const TracedPairs<count>& pairs)
      : P(pairs) {
    for (int j = 0; j < records; ++j)
      for (int l = 0; l < kTracedLanes; ++l) {
        const double* p = l < count ? times.position(j, bodyNumber(B, l)) : nullptr;
        rx[j][l] = p ? p[0] : 0.0;
        ry[j][l] = p ? p[1] : 0.0;
        rz[j][l] = p ? p[2] : 0.0;
      }
  }
  double x(int l) const { return P.x[l]; }
  double y(int l) const { return P.y[l]; }
  double z(int l) const { return P.z[l]; }
  double vx(int l) const { return P.vx[l]; }
  double vy(int l) const { return P.vy[l]; }
  double vz(int l) const { return P.vz[l]; }
  double ax(int l) const { return P.ax[l]; }
  double ay(int l) const { return P.ay[l]; }
  double az(int l) const { return P.az[l]; }
  double recordX(int j, int l) const { return rx[j][l]; }
  double recordY(int j, int l) const { return ry[j][l]; }
  double recordZ(int j, int l) const { return rz[j][l]; }
};

// The vector q from the trace T seconds back of a source to the target
// at `target`, `present` the present vector from the source, for one lane
// (V = double) or eight at once: the trace of the lane's own case (newer
// than record 0, between the records `later` and `earlier` picked by the
// caller, older than the oldest) by selection among the three, each
// computed as the general loop computes it; the divisors of the cases a
// lane does not take are kept non-zero so that they raise no flag.
template <class V, int records>
[[gnu::always_inline]] inline Xyz<V> storedTraceFromItsCases(const StoredTraceTimes<records>& times, const V& T,
                                                             const V& when, const Xyz<V>& here,
                                                             const Xyz<V>& newest, const Xyz<V>& later,
                                                             const Xyz<V>& earlier, const V& laterTime,
                                                             const V& perLaterGap, const Xyz<V>& velocity,
                                                             const Xyz<V>& acceleration, const Xyz<V>& target,
                                                             const Xyz<V>& present) {
  // Newer than record 0: between the present position and record 0.
  const V fNewest = T * spread<V>(times.perSpan);
  const V newX = here.x - (here.x - newest.x) * fNewest, newY = here.y - (here.y - newest.y) * fNewest,
          newZ = here.z - (here.z - newest.z) * fNewest;
  // Between the two records.
  const V f = (laterTime - when) * perLaterGap;
  const V midX = later.x + (earlier.x - later.x) * f, midY = later.y + (earlier.y - later.y) * f,
          midZ = later.z + (earlier.z - later.z) * f;
  // Older than the oldest: along velocity and acceleration.
  const V half = T * T / 2;
  const V oldX = T * velocity.x + present.x - half * acceleration.x,
          oldY = T * velocity.y + present.y - half * acceleration.y,
          oldZ = T * velocity.z + present.z - half * acceleration.z;
  const auto newer = when >= spread<V>(times.newestTime);
  const auto stored = when >= spread<V>(times.oldestTime);  // newer ones too: the records run back in time
  const V traceX = newer ? newX : midX, traceY = newer ? newY : midY, traceZ = newer ? newZ : midZ;
  return {stored ? target.x - traceX : oldX, stored ? target.y - traceY : oldY, stored ? target.z - traceZ : oldZ};
}

// The vector from the trace T seconds back of the source of lane l of S to
// the target at (tx, ty, tz), p the present vector from the source; the
// records around the moment are picked by a pass over the few records.
template <int records, class Source>
[[gnu::always_inline]] inline void storedTraceVector(const StoredTraceTimes<records>& times, const Source& S, int l,
                                                     double T, double tx, double ty, double tz, double px,
                                                     double py, double pz, double& qx, double& qy, double& qz) {
  const double* t = times.t;
  const double* perGap = times.perGap;
  const double when = times.stageTime - T;
  // Records j - 1 and j, j the first record not after the moment (1 at
  // least, the last at most): the latest pair of records whose earlier one
  // lies after the moment.
  double laterTime = t[0], perLaterGap = perGap[1];
  double laterX = S.recordX(0, l), laterY = S.recordY(0, l), laterZ = S.recordZ(0, l);
  double earlierX = S.recordX(1, l), earlierY = S.recordY(1, l), earlierZ = S.recordZ(1, l);
#pragma GCC unroll 8
  for (int j = 2; j < records; ++j) {
    const bool past = t[j - 1] > when;  // false past the last record
    laterTime = past ? t[j - 1] : laterTime;
    perLaterGap = past ? perGap[j] : perLaterGap;
    laterX = past ? S.recordX(j - 1, l) : laterX;
    laterY = past ? S.recordY(j - 1, l) : laterY;
    laterZ = past ? S.recordZ(j - 1, l) : laterZ;
    earlierX = past ? S.recordX(j, l) : earlierX;
    earlierY = past ? S.recordY(j, l) : earlierY;
    earlierZ = past ? S.recordZ(j, l) : earlierZ;
  }
  const Xyz<double> q = storedTraceFromItsCases<double>(
      times, T, when, {S.x(l), S.y(l), S.z(l)}, {S.recordX(0, l), S.recordY(0, l), S.recordZ(0, l)},
      {laterX, laterY, laterZ}, {earlierX, earlierY, earlierZ}, laterTime, perLaterGap, {S.vx(l), S.vy(l), S.vz(l)},
      {S.ax(l), S.ay(l), S.az(l)}, {tx, ty, tz}, {px, py, pz});
  qx = q.x;
  qy = q.y;
  qz = q.z;
}

#if defined(CELVAN_WIDE_VECTORS)
using EightIndices = long long __attribute__((vector_size(64)));
// The values of `table` at each lane's index.
inline Eight permuted(const Eight& table, const EightIndices& index) {
  return (Eight)_mm512_maskz_permutexvar_pd(0xFF, (__m512i)index, (__m512d)table);
}

// storedTraceVector for the eight lanes of a row of the first table at
// once, the same values lane by lane; the records around each lane's
// moment are found by comparisons with the record times and taken from
// the source's records by a permutation, instead of by a pass that carries
// every candidate along.
template <int records>
inline Xyz<Eight> storedTraceRow(const StoredTraceTimes<records>& times, const StoredTraceSource<records>& S,
                                 int source, const Eight& T, const Xyz<Eight>& target) {
  const Eight when = spread<Eight>(times.stageTime) - T;
  Eight recordsX, recordsY, recordsZ;
  loadEight(times.history.recordRow(source, 0), recordsX);
  loadEight(times.history.recordRow(source, 1), recordsY);
  loadEight(times.history.recordRow(source, 2), recordsZ);
  // Records j - 1 and j, j the last record from 2 on whose predecessor
  // lies after the moment, else 1. (Past the last record a row holds
  // values that mean nothing; a lane whose moment lies there takes the
  // trace of DX2.)
  EightIndices j = {1, 1, 1, 1, 1, 1, 1, 1};
  for (int k = 2; k < records; ++k) {
    const EightIndices candidate = {k, k, k, k, k, k, k, k};
    j = spread<Eight>(times.t[k - 1]) > when ? candidate : j;
  }
  const EightIndices later = j - 1;
  const Xyz<Eight> here = {spread<Eight>(S.xa), spread<Eight>(S.ya), spread<Eight>(S.za)};
  return storedTraceFromItsCases<Eight>(
      times, T, when, here, {spread<Eight>(recordsX[0]), spread<Eight>(recordsY[0]), spread<Eight>(recordsZ[0])},
      {permuted(recordsX, later), permuted(recordsY, later), permuted(recordsZ, later)},
      {permuted(recordsX, j), permuted(recordsY, j), permuted(recordsZ, j)}, permuted(times.eightTimes, later),
      permuted(times.eightPerGaps, j), {spread<Eight>(S.vxa), spread<Eight>(S.vya), spread<Eight>(S.vza)},
      {spread<Eight>(S.axa), spread<Eight>(S.aya), spread<Eight>(S.aza)}, target,
      {target.x - here.x, target.y - here.y, target.z - here.z});
}
#endif

// The traces from the stored positions (DX3) under Newton's law for a
// fixed count of bodies and a history of at most `records` records, in the
// tables of TracedPairs. Each step is a pass of its own over all the pairs
// (the traces at the first time, their distances, the traces at the second
// time, the pulls, the sums), so that the chains of a pass are short and
// many pairs run at once. The present distance only sets the first time
// and is estimated as along the velocity; the trace's distance that sets
// the second time is an exact root.
template <int count, int records, class BodySet>
inline void storedTracePairLoop(const StageContext& c, const BodySet& B, const Interaction& in, double* ax,
                                double* ay, double* az) {
  const StoredTraceTimes<records> times(c);
  const double perSpeed = 1.0 / in.gravitySpeed;
  TracedPairs<count> P(B, in);
  const StoredTraceLanes<count, records> laneSources(times, B, P);
  constexpr int slots = TracedPairs<count>::slots;
  alignas(64) double T[slots], perR[slots];
  presentDistances<true>(B, P, T, perR);
  for (int q = 0; q < slots; ++q) T[q] *= perSpeed;
  // The vectors from the traces T[q] seconds back, at the first time, then
  // at the second time that their distances give.
  for (int iteration = 0; iteration < 2; ++iteration) {
    if (iteration == 1)
      for (int q = 0; q < slots; ++q)
        T[q] = std::sqrt(P.qx[q] * P.qx[q] + P.qy[q] * P.qy[q] + P.qz[q] * P.qz[q]) * perSpeed;
    for (int a = 0; a < count; ++a) {
      const StoredTraceSource<records> source(times, B, a);
#if defined(CELVAN_WIDE_VECTORS)
      const int row = a * kTargetLanes;  // tracedSlot(count, a, 0)
      Eight rowT;
      Xyz<Eight> targets;
      loadEight(T + row, rowT);
      loadEight(P.x, targets.x);
      loadEight(P.y, targets.y);
      loadEight(P.z, targets.z);
      const Xyz<Eight> q = storedTraceRow(times, source, bodyNumber(B, a), rowT, targets);
      storeEight(P.qx + row, q.x);
      storeEight(P.qy + row, q.y);
      storeEight(P.qz + row, q.z);
#else
      for (int b = 0; b < kTargetLanes; ++b) {
        const int q = tracedSlot(count, a, b);
        const double px = P.x[b] - source.xa, py = P.y[b] - source.ya, pz = P.z[b] - source.za;
        storedTraceVector(times, source, b, T[q], P.x[b], P.y[b], P.z[b], px, py, pz, P.qx[q], P.qy[q], P.qz[q]);
      }
#endif
    }
    for (int t = kTargetLanes; t < count; ++t)
      for (int l = 0; l < kTracedLanes; ++l) {
        const int q = tracedSlot(count, l, t);
        const double px = B.x[t] - P.x[l], py = B.y[t] - P.y[l], pz = B.z[t] - P.z[l];
        storedTraceVector(times, laneSources, l, T[q], B.x[t], B.y[t], B.z[t], px, py, pz, P.qx[q], P.qy[q],
                          P.qz[q]);
      }
  }
  P.pulls();
  P.addTo(ax, ay, az);
}

// Calls body.template operator()<n>() with n the fewest of 4, 6 and 8 that
// is at least the number of records.
template <class Body>
inline void withRecordCount(int records, Body&& body) {
  if (records <= 4) return body.template operator()<4>();
  if (records <= 6) return body.template operator()<6>();
  body.template operator()<8>();
}

// The stored-trace loop for a fixed count of bodies and the history's
// records.
template <int count, class BodySet>
inline void storedTracePairs(const StageContext& c, const BodySet& B, const Interaction& in, double* ax, double* ay,
                             double* az) {
  withRecordCount(c.history->lastRecord() + 1,
                  [&]<int records>() { storedTracePairLoop<count, records>(c, B, in, ax, ay, az); });
}

// Whether the traced loops for a fixed count of bodies take `count`
// attracting bodies: ten or eleven, and for the stored traces a history of
// at most kCountedRecords records.
template <RetardationKind kind>
inline bool fixedCountTracedLoopTakes(const StageContext& c, int count) {
  if (count != 10 && count != 11) return false;
  return kind != RetardationKind::StoredTrace || c.history->lastRecord() < kCountedRecords;
}

// The traced loop of the variant for the ten or eleven bodies B.
template <RetardationKind kind, class BodySet>
inline void fixedCountTracedPairs(const StageContext& c, const BodySet& B, const Interaction& in, double* ax,
                                  double* ay, double* az) {
  if constexpr (kind == RetardationKind::StoredTrace) {
    if (B.count == 10) storedTracePairs<10>(c, B, in, ax, ay, az);
    else storedTracePairs<11>(c, B, in, ax, ay, az);
  } else {
    if (B.count == 10) tracePairLoop<10, kind>(B, in, ax, ay, az);
    else tracePairLoop<11, kind>(B, in, ax, ay, az);
  }
}

// Classical law with the sources acting from their traces: each ordered
// pair on its own, since the trace of i seen from k is not that of k seen
// from i. For each source, the targets before it and after it.
template <RetardationKind kind, bool inverseSquare, class Record>
void retardedClassicalPairs(const StageContext& c, const Interaction& in, double* acceleration, Record& record) {
  const bool fixedCount = fixedCountTracedLoopTakes<kind>(c, in.attractingBodyCount);
  if constexpr (inverseSquare && !Record::active) {
    // The attracting bodies are the first ten or eleven of the state: read
    // in place, summed straight into the derivative.
    if (fixedCount && in.attractingBodiesLeadTheState)
      return fixedCountTracedPairs<kind>(c, StateBodies(c, in.attractingBodyCount), in, acceleration,
                                         acceleration + kBodyCount, acceleration + 2 * kBodyCount);
  }
  Bodies B;
  gatherBodies<Record>(c, in, B);
  const Coefficients k = coefficientsOf<Record>(in);
  double ax[kBodyCount] = {}, ay[kBodyCount] = {}, az[kBodyCount] = {};
  if constexpr (inverseSquare && !Record::active) {
    if (fixedCount) {
      fixedCountTracedPairs<kind>(c, B, in, ax, ay, az);
      return scatterAccelerations(B, ax, ay, az, acceleration);
    }
  }
  auto targets = [&](int a, int first, int end) {
    for (int b = first; b < end; ++b) {
      const PairVector p = retardedPairVector<kind>(c, B, a, b, in.gravitySpeed);
      const double gm = k.given[a][b];
      const double g = measuredOnly<Record>(gm, 0.0) ? 0.0 : gm * attractionFactor<inverseSquare>(p.r, in.distanceExponent);
      ax[b] -= g * p.x;
      ay[b] -= g * p.y;
      az[b] -= g * p.z;
      if constexpr (Record::active) record.pair(B.number[a], B.number[b], p, -g * p.x, -g * p.y, -g * p.z);
    }
  };
  for (int a = 0; a < B.count; ++a) {
    targets(a, 0, a);
    targets(a, a + 1, B.count);
  }
  scatterAccelerations(B, ax, ay, az, acceleration);
}

// First post-Newtonian acceleration that source i gives target k, with the
// speed of gravity c in place of the speed of light (present positions):
// a = A/c²·(B·r + C·(v(k) − v(i))) − A·r, A = G·m(i)/R³,
// B = (4·m(i) + 5·m(k))·G/R − |v(k)|² − 2·|v(i)|² + 4·v(k)·v(i) + 1.5·(r·v(i))²/R²,
// C = r·(4·v(k) − 3·v(i)).
template <class Record>
void relativisticPairs(const StageContext& c, const Interaction& in, double* acceleration, Record& record) {
  Bodies B;
  gatherBodies<Record>(c, in, B);
  const Coefficients k = coefficientsOf<Record>(in);
  const double inverseSpeedSquared = 1.0 / (in.gravitySpeed * in.gravitySpeed);
  const double G = in.gravitationalConstant;
  double ax[kBodyCount] = {}, ay[kBodyCount] = {}, az[kBodyCount] = {};
  auto targets = [&](int a, int first, int end) {
    const double vi[3] = {B.vx[a], B.vy[a], B.vz[a]};
    const double vi2 = vi[0] * vi[0] + vi[1] * vi[1] + vi[2] * vi[2];
    const double massI = in.mass[B.number[a]];
    for (int b = first; b < end; ++b) {
      const PairVector p = presentPairVector(B, a, b);
      if (measuredOnly<Record>(k.given[a][b], 0.0)) {
        record.pair(B.number[a], B.number[b], p, 0.0, 0.0, 0.0);
        continue;
      }
      const double vk[3] = {B.vx[b], B.vy[b], B.vz[b]};
      const double rvi = p.x * vi[0] + p.y * vi[1] + p.z * vi[2];
      const double A = k.given[a][b] / (p.r * p.r * p.r);
      const double Bterm = (4 * massI + 5 * in.mass[B.number[b]]) * G / p.r -
                           (vk[0] * vk[0] + vk[1] * vk[1] + vk[2] * vk[2]) - 2 * vi2 +
                           4 * (vk[0] * vi[0] + vk[1] * vi[1] + vk[2] * vi[2]) + 1.5 * rvi * rvi / (p.r * p.r);
      const double C = p.x * (4 * vk[0] - 3 * vi[0]) + p.y * (4 * vk[1] - 3 * vi[1]) + p.z * (4 * vk[2] - 3 * vi[2]);
      const double correction = A * inverseSpeedSquared;
      const double pull[3] = {correction * (Bterm * p.x + C * (vk[0] - vi[0])) - A * p.x,
                              correction * (Bterm * p.y + C * (vk[1] - vi[1])) - A * p.y,
                              correction * (Bterm * p.z + C * (vk[2] - vi[2])) - A * p.z};
      ax[b] += pull[0];
      ay[b] += pull[1];
      az[b] += pull[2];
      if constexpr (Record::active) record.pair(B.number[a], B.number[b], p, pull[0], pull[1], pull[2]);
    }
  };
  for (int a = 0; a < B.count; ++a) {
    targets(a, 0, a);
    targets(a, a + 1, B.count);
  }
  scatterAccelerations(B, ax, ay, az, acceleration);
}

// Classical accelerations with the retardation and distance law of the
// interaction (the one switch of a call).
// The retardation of a stage: the stored traces need a history, and without
// one the trace of DX2 stands in.
inline RetardationKind retardationOfStage(const StageContext& c, const Interaction& in) {
  if (in.retardation == RetardationKind::StoredTrace && (c.history == nullptr || c.history->empty()))
    return RetardationKind::VelocityAndAcceleration;
  return in.retardation;
}

template <class Record>
void classicalAccelerations(const StageContext& c, const Interaction& in, double* acceleration, Record& record) {
  const RetardationKind kind = retardationOfStage(c, in);
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

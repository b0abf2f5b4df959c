#pragma once
// The pair loop of the classical right-hand side under a law of gravity
// pressure. The laws are not symmetric in the two bodies of a pair, so each
// ordered pair (i, k) is met on its own: its vector from the source's trace
// (or from its present position without retardation), the pair kinematics
// of the stage when they are recomputed at every stage, and the law's force
// on k. The loop is a template over the retardation, the law and the
// Record (as in PairKernels.h); pressureLawAccelerations picks the instance
// once per call.
//
// The kinematics live in the shared tables (PairKinematics.h): the run loop
// keeps the step-start values and rates there between steps, and a stage
// reads and writes them there.
#include <cmath>
#include <cstddef>
#include <cstring>
#include <iterator>

#include "science/engine/PairKernels.h"
#include "science/engine/PairKinematics.h"
#include "science/engine/PressureLaws.h"

namespace nbody {

// One ordered pair of the gathered bodies: a, b their places in Bodies,
// i, k their numbers; the vector from the source to k, its unit vector and
// the propagation time T = R / Vgr.
struct LawPair {
  int a = 0, b = 0, i = 0, k = 0;
  PairVector p{};
  double u[3] = {};
  double T = 0;
};

template <RetardationKind kind, class BodySet>
inline PairVector stagePairVector(const StageContext& c, const BodySet& B, int a, int b, double gravitySpeed) {
  if constexpr (kind == RetardationKind::Instant) return presentPairVector(B, a, b);
  else return retardedPairVector<kind>(c, B, a, b, gravitySpeed);
}

// What a stage does with the kinematics of its pairs: its number n (1..4,
// the Runge-Kutta stage), whether the rates come from jerks rather than
// from differences of velocities, and whether the Л-В law takes its short
// form. The stages 2 to 4 move the rates on; the first keeps them. The
// law rows fix all but the number at compile time (FixedStageRules), so
// that their loops hold no branch.
struct StageRules {
  int stage = 1;
  bool fromJerks = false;
  bool shortForm = false;
  bool movesRates() const { return stage >= 2 && stage <= 4; }
};

inline StageRules stageRulesOf(const StageContext& c, const Interaction& in) {
  return {c.stage, in.kinematicsFromJerks, in.shortLienardWiechert};
}

template <bool moves, bool jerks, bool shortLW>
struct FixedStageRules {
  int stage = 1;
  static constexpr bool fromJerks = jerks;
  static constexpr bool shortForm = shortLW;
  static constexpr bool movesRates() { return moves; }
};

// d²R/dt² of the stage n with step h (never 0). From differences of the radial
// velocities against the step's start: (ΔVk − ΔVi)·2/h at stages 2 and 3,
// (ΔVk − ΔVi)/h at stage 4, the value on entry at stage 1. From the rates
// of the radial velocities extrapolated with their own rates (jerks) from
// the previous step: h ahead at stages 2 and 3, 1.5·h at stage 4 (the rates
// kept stand for the middle of the previous step), then Ṙ̇ = rate of Vk −
// rate of Vi at every stage.
template <class Rules, class Tables>
inline void stageRangeAcceleration(const StageContext& c, const Rules& rules, const Tables& t, int i, int k, double vi,
                                   double vk) {
  const int n = rules.stage;
  const double h = c.step;
  if (!rules.fromJerks) {
    if (rules.movesRates()) {
      const double change =
          (vk - t.StepStartTargetRadialVelocity(i, k)) - (vi - t.StepStartSourceRadialVelocity(i, k));
      t.RangeAcceleration(i, k) = change * (n == 4 ? 1 / h : 2 / h);
    }
    return;
  }
  if (rules.movesRates()) {
    const double ahead = n == 4 ? 1.5 * h : h;
    t.SourceRadialAcceleration(i, k) = t.SavedSourceRadialAcceleration(i, k) + ahead * t.SourceRadialJerk(i, k);
    t.TargetRadialAcceleration(i, k) = t.SavedTargetRadialAcceleration(i, k) + ahead * t.TargetRadialJerk(i, k);
  }
  t.RangeAcceleration(i, k) = t.TargetRadialAcceleration(i, k) - t.SourceRadialAcceleration(i, k);
}

// The kinematics of the stage: Vi' (the source's velocity less T times its
// acceleration of the last step when it acts from its trace), Vi = Vi'·u,
// Vk = V(k)·u, dR/dt = Vk − Vi and d²R/dt².
template <RetardationKind kind, class Rules, class Tables, class BodySet>
inline void stagePairKinematics(const StageContext& c, const Rules& rules, const Tables& t, const BodySet& B,
                                const LawPair& q) {
  double vs[3] = {B.vx[q.a], B.vy[q.a], B.vz[q.a]};
  if constexpr (kind != RetardationKind::Instant) {
    vs[0] -= q.T * B.ax[q.a];
    vs[1] -= q.T * B.ay[q.a];
    vs[2] -= q.T * B.az[q.a];
  }
  const double vi = vs[0] * q.u[0] + vs[1] * q.u[1] + vs[2] * q.u[2];
  const double vk = B.vx[q.b] * q.u[0] + B.vy[q.b] * q.u[1] + B.vz[q.b] * q.u[2];
  t.SourceVelocityX(q.i, q.k) = vs[0];
  t.SourceVelocityY(q.i, q.k) = vs[1];
  t.SourceVelocityZ(q.i, q.k) = vs[2];
  t.SourceRadialVelocity(q.i, q.k) = vi;
  t.TargetRadialVelocity(q.i, q.k) = vk;
  t.RangeRate(q.i, q.k) = vk - vi;
  stageRangeAcceleration(c, rules, t, q.i, q.k, vi, vk);
}

// The source of the Л-В law at the stage: |Vi'|, and Ai' from the change of
// Vi' since the step's start (·2/h at stages 2 and 3, /h at stage 4) or
// from the Ai' kept by the run loop and the source's jerk (h/2 ahead at
// stages 2 and 3, h at stage 4); Ai' keeps its value at stage 1. Then Ai'·u.
template <class Rules, class Tables>
inline void stageRetardedSource(const StageContext& c, const Rules& rules, const Tables& t, const LawPair& q) {
  const int i = q.i, k = q.k, n = rules.stage;
  const double h = c.step;
  t.SourceSpeed(i, k) = norm(t.SourceVelocityX(i, k), t.SourceVelocityY(i, k), t.SourceVelocityZ(i, k));
  if (rules.movesRates()) {
    const double span = n == 4 ? h : h / 2;  // also how far ahead the jerk takes Ai'
    const auto take = [&](const auto& acceleration, double v, const auto& start, const auto& saved, const double* jerk) {
      if (!rules.fromJerks) acceleration(i, k) = (v - start(i, k)) / span;
      else acceleration(i, k) = saved(i, k) + jerk[i] * span;
    };
    take(t.SourceAccelerationX, t.SourceVelocityX(i, k), t.StepStartSourceVelocityX, t.SavedSourceAccelerationX,
         t.JerkX);
    take(t.SourceAccelerationY, t.SourceVelocityY(i, k), t.StepStartSourceVelocityY, t.SavedSourceAccelerationY,
         t.JerkY);
    take(t.SourceAccelerationZ, t.SourceVelocityZ(i, k), t.StepStartSourceVelocityZ, t.SavedSourceAccelerationZ,
         t.JerkZ);
  }
  t.SourceAccelerationAlong(i, k) = t.SourceAccelerationX(i, k) * q.u[0] + t.SourceAccelerationY(i, k) * q.u[1] +
                                    t.SourceAccelerationZ(i, k) * q.u[2];
}

template <class Tables>
inline RetardedSource retardedSourceOf(const Tables& t, int i, int k) {
  RetardedSource s;
  s.velocity[0] = t.SourceVelocityX(i, k);
  s.velocity[1] = t.SourceVelocityY(i, k);
  s.velocity[2] = t.SourceVelocityZ(i, k);
  s.speed = t.SourceSpeed(i, k);
  s.acceleration[0] = t.SourceAccelerationX(i, k);
  s.acceleration[1] = t.SourceAccelerationY(i, k);
  s.acceleration[2] = t.SourceAccelerationZ(i, k);
  s.accelerationAlong = t.SourceAccelerationAlong(i, k);
  return s;
}

// The motion of the pair that a factor law reads: the kinematics in the
// tables and, for the relative-speed law, the present speeds of the bodies.
template <PressureLaw law, class Tables, class BodySet>
inline PairMotion pairMotionOf(const Tables& t, const BodySet& B, const LawPair& q) {
  PairMotion m;
  m.distance = q.p.r;
  m.rangeRate = t.RangeRate(q.i, q.k);
  m.rangeAcceleration = t.RangeAcceleration(q.i, q.k);
  m.sourceRadialVelocity = t.SourceRadialVelocity(q.i, q.k);
  m.targetRadialVelocity = t.TargetRadialVelocity(q.i, q.k);
  if constexpr (law == PressureLaw::RelativeSpeed) {
    m.sourceSpeed = norm(B.vx[q.a], B.vy[q.a], B.vz[q.a]);
    m.targetSpeed = norm(B.vx[q.b], B.vy[q.b], B.vz[q.b]);
  }
  return m;
}

// R^-p, the Newtonian magnitude per G·m(i)·m(k), from R and 1/R.
inline double inversePower(double r, double inverseR, const Interaction& in) {
  return in.inverseSquare ? inverseR * inverseR : std::pow(r, -in.distanceExponent);
}

// One pair under the law, its vector q.p from the source (or its trace)
// to k in place: the propagation time and unit vector, the kinematics of
// the stage when they are recomputed at every stage, and the law's pull on
// k per unit of its mass (m/s², in pull); returns the force per unit of
// k's mass along the pair (negative: attraction). `given` is
// PairIncluded·G·m(i). t holds the kinematics of the pair, whether the
// shared tables or a row of them.
template <RetardationKind kind, PressureLaw law, class Rules, class Tables, class BodySet>
inline double lawPull(const StageContext& c, const Interaction& in, const Rules& rules, const Tables& t,
                      const BodySet& B, LawPair& q, double given, double inverseGravitySpeed,
                      bool kinematicsEveryStage, double pull[3]) {
  const double inverseR = 1 / q.p.r;
  q.T = q.p.r * inverseGravitySpeed;
  q.u[0] = q.p.x * inverseR;
  q.u[1] = q.p.y * inverseR;
  q.u[2] = q.p.z * inverseR;
  if (kinematicsEveryStage) {
    stagePairKinematics<kind>(c, rules, t, B, q);
    if constexpr (law == PressureLaw::LienardWiechert) stageRetardedSource(c, rules, t, q);
  }
  if constexpr (law == PressureLaw::LienardWiechert) {
    const double r[3] = {q.p.x, q.p.y, q.p.z};
    const LienardWiechertResult f = lienardWiechertForce(r, q.p.r, t.SourceRadialVelocity(q.i, q.k),
                                                         retardedSourceOf(t, q.i, q.k), given, in.lawCoefficients,
                                                         rules.shortForm);
    t.Rf(q.i, q.k) = f.rf;
    for (int d = 0; d < 3; ++d) pull[d] = f.force[d];
    return f.scalar;
  } else {
    const double factor = pressureFactor<law>(pairMotionOf<law>(t, B, q), in.lawCoefficients);
    const double force = factor * given * inversePower(q.p.r, inverseR, in);
    for (int d = 0; d < 3; ++d) pull[d] = -force * q.u[d];
    return force;
  }
}

// The law rows below give every source one row of kLawLanes lanes, a
// target per lane: the pairs of a row are then computed side by side, as
// many at once as the vector registers hold. The lane of the source itself
// and the lanes past the last body are harmless pairs (finite, and
// dropped).
inline constexpr int kLawLanes = 12;
// The rows serve this many bodies or more (the Sun and the planets, with or
// without the Moon), so that the lanes past the last body are among the last
// four of a row.
inline constexpr int kFewestBodiesInLawRows = kLawLanes - 4;
static_assert(kLawLanes >= kBodyCount && kLawLanes % 4 == 0);

// The gathered bodies in lanes, those past the last at the origin at rest.
struct LaneBodies {
  alignas(64) double x[kLawLanes] = {}, y[kLawLanes] = {}, z[kLawLanes] = {};
  alignas(64) double vx[kLawLanes] = {}, vy[kLawLanes] = {}, vz[kLawLanes] = {};
  alignas(64) double ax[kLawLanes] = {}, ay[kLawLanes] = {}, az[kLawLanes] = {};

  explicit LaneBodies(const Bodies& B) {
    for (int a = 0; a < B.count; ++a) {
      x[a] = B.x[a], y[a] = B.y[a], z[a] = B.z[a];
      vx[a] = B.vx[a], vy[a] = B.vy[a], vz[a] = B.vz[a];
      ax[a] = B.ax[a], ay[a] = B.ay[a], az[a] = B.az[a];
    }
  }
};

// One row of a kinematics table: (i, k) is lane k, whatever i.
struct LaneView {
  double* lane;
  double& operator()(int, int k) const { return lane[k]; }
};

// The kinematics tables that the pairs of a stage read or write (what each
// stage does with which: lawRowUse below): first those a stage may write,
// then those it only reads.
inline constexpr KinematicsView PairKinematicsTables::*kLawRowTables[] = {
    &PairKinematicsTables::SourceVelocityX,          &PairKinematicsTables::SourceVelocityY,
    &PairKinematicsTables::SourceVelocityZ,          &PairKinematicsTables::SourceSpeed,
    &PairKinematicsTables::SourceRadialVelocity,     &PairKinematicsTables::TargetRadialVelocity,
    &PairKinematicsTables::RangeRate,                &PairKinematicsTables::RangeAcceleration,
    &PairKinematicsTables::SourceRadialAcceleration, &PairKinematicsTables::TargetRadialAcceleration,
    &PairKinematicsTables::SourceAccelerationX,      &PairKinematicsTables::SourceAccelerationY,
    &PairKinematicsTables::SourceAccelerationZ,      &PairKinematicsTables::SourceAccelerationAlong,
    &PairKinematicsTables::Rf,
    // read only
    &PairKinematicsTables::StepStartSourceRadialVelocity, &PairKinematicsTables::StepStartTargetRadialVelocity,
    &PairKinematicsTables::SavedSourceRadialAcceleration, &PairKinematicsTables::SavedTargetRadialAcceleration,
    &PairKinematicsTables::SourceRadialJerk,              &PairKinematicsTables::TargetRadialJerk,
    &PairKinematicsTables::StepStartSourceVelocityX,      &PairKinematicsTables::StepStartSourceVelocityY,
    &PairKinematicsTables::StepStartSourceVelocityZ,      &PairKinematicsTables::SavedSourceAccelerationX,
    &PairKinematicsTables::SavedSourceAccelerationY,      &PairKinematicsTables::SavedSourceAccelerationZ};
inline constexpr int kLawRowTableCount = std::size(kLawRowTables);

// Which of kLawRowTables a stage under the rules reads before it writes
// them (Read) and which it writes (Written): the rest it leaves alone.
enum LawRowUse { Read = 1, Written = 2 };
template <class Rules>
constexpr int lawRowUse(int table) {
  const bool moves = Rules::movesRates(), jerks = Rules::fromJerks;
  if (table <= 6 || table == 13 || table == 14) return Written;  // Vi', |Vi'|, Vi, Vk, dR/dt, Ai'·u, Rf
  if (table == 7) return moves || jerks ? Written : 0;            // d²R/dt²
  if (table <= 9) return jerks ? (Read | (moves ? Written : 0)) : 0;  // rates of Vi and Vk
  if (table <= 12) return moves ? Written : Read;                     // Ai'
  const bool stepStart = table == 15 || table == 16 || (table >= 21 && table <= 23);
  if (stepStart) return moves && !jerks ? Read : 0;
  return moves && jerks ? Read : 0;  // the rates kept, their rates, the Ai' kept
}

// The kinematics of one source's pairs in lanes, under the names of the
// shared tables: read from them (0 in the harmless lanes), computed on, and
// the tables that a stage writes written back. `harmless` is 1 in the
// harmless lanes, else 0. A row of a shared table has room for all the
// lanes; a harmless lane keeps its entry.
struct LawRow {
  alignas(64) double lanes[kLawRowTableCount][kLawLanes];
  LaneView SourceVelocityX{lanes[0]}, SourceVelocityY{lanes[1]}, SourceVelocityZ{lanes[2]}, SourceSpeed{lanes[3]},
      SourceRadialVelocity{lanes[4]}, TargetRadialVelocity{lanes[5]}, RangeRate{lanes[6]},
      RangeAcceleration{lanes[7]}, SourceRadialAcceleration{lanes[8]}, TargetRadialAcceleration{lanes[9]},
      SourceAccelerationX{lanes[10]}, SourceAccelerationY{lanes[11]}, SourceAccelerationZ{lanes[12]},
      SourceAccelerationAlong{lanes[13]}, Rf{lanes[14]}, StepStartSourceRadialVelocity{lanes[15]},
      StepStartTargetRadialVelocity{lanes[16]}, SavedSourceRadialAcceleration{lanes[17]},
      SavedTargetRadialAcceleration{lanes[18]}, SourceRadialJerk{lanes[19]}, TargetRadialJerk{lanes[20]},
      StepStartSourceVelocityX{lanes[21]}, StepStartSourceVelocityY{lanes[22]}, StepStartSourceVelocityZ{lanes[23]},
      SavedSourceAccelerationX{lanes[24]}, SavedSourceAccelerationY{lanes[25]}, SavedSourceAccelerationZ{lanes[26]};
  const double *JerkX, *JerkY, *JerkZ;

  template <class Rules>
  LawRow(const PairKinematicsTables& t, int source, const double* harmless, const Rules&)
      : JerkX(t.JerkX), JerkY(t.JerkY), JerkZ(t.JerkZ) {
    for (int j = 0; j < kLawRowTableCount; ++j) {
      if (!(lawRowUse<Rules>(j) & Read)) continue;
      const double* table = &(t.*kLawRowTables[j])(source, 0);
      for (int k = 0; k < kLawLanes; ++k) lanes[j][k] = harmless[k] != 0 ? 0.0 : table[k];
    }
  }
  LawRow(const LawRow&) = delete;

  // The whole row at once, then the entries of the harmless lanes put back:
  // the source's own and those past the last body.
  template <class Rules>
  void writeBack(const PairKinematicsTables& t, int source, int count, const Rules&) const {
    for (int j = 0; j < kLawRowTableCount; ++j) {
      if (!(lawRowUse<Rules>(j) & Written)) continue;
      double* table = &(t.*kLawRowTables[j])(source, 0);
      double kept[kLawLanes];
      std::memcpy(kept, table, sizeof kept);
      std::memcpy(table, lanes[j], sizeof lanes[j]);
      table[source] = kept[source];
      // The lanes past the last body lie among the last four (see
      // kFewestBodiesInLawRows): a blend of four, with no call or branch.
      for (int k = kLawLanes - 4; k < kLawLanes; ++k) table[k] = k < count ? lanes[j][k] : kept[k];
    }
  }
};

// The pairs under the law among bodies that lead the state (body a is the
// a-th), with the kinematics recomputed at every stage: a
// row per source, the pairs of a row computed as lanes, each target's sum
// taking the sources in order as pressureLawPairs does. The same arithmetic
// pair by pair, so the same results to the last bit.
template <RetardationKind kind, PressureLaw law, class Rules>
void pressureLawRows(const StageContext& c, const Interaction& in, const Rules& rules, const Bodies& B, double* ax,
                     double* ay, double* az) {
  const int count = B.count;
  const LaneBodies L(B);
  const PairKinematicsTables& t = pairKinematicsTables();
  const double inverseGravitySpeed = 1 / in.gravitySpeed;
  alignas(64) double sumX[kLawLanes] = {}, sumY[kLawLanes] = {}, sumZ[kLawLanes] = {};
  for (int a = 0; a < count; ++a) {
    // What the source gives each target, and 1 in the harmless lanes.
    alignas(64) double given[kLawLanes] = {}, lift[kLawLanes];
    for (int b = 0; b < kLawLanes; ++b) lift[b] = b == a || b >= count ? 1.0 : 0.0;
    for (int b = 0; b < count; ++b) given[b] = in.attractingGM[a][b];
    LawRow row(t, a, lift, rules);
    for (int b = 0; b < kLawLanes; ++b) {
      LawPair q;
      q.a = q.i = a;
      q.b = q.k = b;
      q.p = stagePairVector<kind>(c, L, a, b, in.gravitySpeed);
      q.p.r += lift[b];  // R ≥ 0: the other pairs keep theirs
      double pull[3];
      lawPull<kind, law>(c, in, rules, row, L, q, given[b], inverseGravitySpeed, true, pull);
      sumX[b] += lift[b] != 0 ? 0.0 : pull[0];
      sumY[b] += lift[b] != 0 ? 0.0 : pull[1];
      sumZ[b] += lift[b] != 0 ? 0.0 : pull[2];
    }
    row.writeBack(t, a, count, rules);
  }
  for (int b = 0; b < count; ++b) {
    ax[b] += sumX[b];
    ay[b] += sumY[b];
    az[b] += sumZ[b];
  }
}

// Calls body(FixedStageRules<...>) with the rules r.
template <class Body>
inline void withFixedStageRules(const StageRules& r, Body&& body) {
  const auto with = [&]<bool moves, bool jerks>() {
    if (r.shortForm) body(FixedStageRules<moves, jerks, true>{r.stage});
    else body(FixedStageRules<moves, jerks, false>{r.stage});
  };
  if (r.movesRates()) {
    if (r.fromJerks) with.template operator()<true, true>();
    else with.template operator()<true, false>();
  } else {
    if (r.fromJerks) with.template operator()<false, true>();
    else with.template operator()<false, false>();
  }
}

// The law rows serve the Л-В law without pair records, with the sources
// acting from their present places or from traces along their motion; a
// stage takes them when the kinematics are recomputed at every stage and
// at least kFewestBodiesInLawRows bodies of the call lead the state.
template <RetardationKind kind, PressureLaw law, class Record>
constexpr bool lawRowsApply() {
  return !Record::active && law == PressureLaw::LienardWiechert && kind != RetardationKind::StoredTrace;
}

// The pairs under the law: every ordered pair of the gathered bodies.
template <RetardationKind kind, PressureLaw law, class Record>
void pressureLawPairs(const StageContext& c, const Interaction& in, double* acceleration, Record& record) {
  Bodies B;
  gatherBodies<Record>(c, in, B);
  double ax[kBodyCount] = {}, ay[kBodyCount] = {}, az[kBodyCount] = {};
  if constexpr (lawRowsApply<kind, law, Record>()) {
    if (in.kinematicsEveryStage && in.attractingBodiesLeadTheState && B.count >= kFewestBodiesInLawRows) {
      withFixedStageRules(stageRulesOf(c, in), [&](const auto& rules) {
        pressureLawRows<kind, law>(c, in, rules, B, ax, ay, az);
      });
      scatterAccelerations(B, ax, ay, az, acceleration);
      return;
    }
  }
  const Coefficients coefficients = coefficientsOf<Record>(in);
  const PairKinematicsTables& t = pairKinematicsTables();
  const StageRules rules = stageRulesOf(c, in);
  const double inverseGravitySpeed = 1 / in.gravitySpeed;
  for (int a = 0; a < B.count; ++a) {
    for (int b = 0; b < B.count; ++b) {
      if (b == a) continue;
      LawPair q;
      q.a = a;
      q.b = b;
      q.i = B.number[a];
      q.k = B.number[b];
      q.p = stagePairVector<kind>(c, B, a, b, in.gravitySpeed);
      const double given = coefficients.given[a][b];  // PairIncluded·G·m(i)
      if (measuredOnly<Record>(given, 0.0) && q.p.r == 0) {
        record.pairWithForce(q.i, q.k, q.p, 0.0, 0.0, 0.0, 0.0);
        continue;
      }
      double pull[3];
      const double force =
          lawPull<kind, law>(c, in, rules, t, B, q, given, inverseGravitySpeed, in.kinematicsEveryStage, pull);
      ax[b] += pull[0];
      ay[b] += pull[1];
      az[b] += pull[2];
      if constexpr (Record::active) {
        const double m = in.mass[q.k];
        record.pairWithForce(q.i, q.k, q.p, force * m, pull[0] * m, pull[1] * m, pull[2] * m);
      }
    }
  }
  scatterAccelerations(B, ax, ay, az, acceleration);
}

template <RetardationKind kind, class Record>
void pressureLawPairsOfKind(const StageContext& c, const Interaction& in, double* acceleration, Record& record) {
  switch (in.law) {
    case PressureLaw::Weber: return pressureLawPairs<kind, PressureLaw::Weber>(c, in, acceleration, record);
    case PressureLaw::GerberSeries:
      return pressureLawPairs<kind, PressureLaw::GerberSeries>(c, in, acceleration, record);
    case PressureLaw::GerberClosed:
      return pressureLawPairs<kind, PressureLaw::GerberClosed>(c, in, acceleration, record);
    case PressureLaw::LienardWiechert:
      return pressureLawPairs<kind, PressureLaw::LienardWiechert>(c, in, acceleration, record);
    case PressureLaw::Zorven: return pressureLawPairs<kind, PressureLaw::Zorven>(c, in, acceleration, record);
    case PressureLaw::RelativeSpeed:
      return pressureLawPairs<kind, PressureLaw::RelativeSpeed>(c, in, acceleration, record);
    default: return pressureLawPairs<kind, PressureLaw::Unchanged>(c, in, acceleration, record);
  }
}

// Classical accelerations under the law of the interaction (the one switch
// of a call over the retardation and the law).
template <class Record>
void pressureLawAccelerations(const StageContext& c, const Interaction& in, double* acceleration, Record& record) {
  switch (retardationOfStage(c, in)) {
    case RetardationKind::Instant:
      return pressureLawPairsOfKind<RetardationKind::Instant>(c, in, acceleration, record);
    case RetardationKind::PresentVelocity:
      return pressureLawPairsOfKind<RetardationKind::PresentVelocity>(c, in, acceleration, record);
    case RetardationKind::VelocityAndAcceleration:
      return pressureLawPairsOfKind<RetardationKind::VelocityAndAcceleration>(c, in, acceleration, record);
    case RetardationKind::StoredTrace:
      return pressureLawPairsOfKind<RetardationKind::StoredTrace>(c, in, acceleration, record);
  }
}

}  // namespace nbody

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

template <RetardationKind kind>
inline PairVector stagePairVector(const StageContext& c, const Bodies& B, int a, int b, double gravitySpeed) {
  if constexpr (kind == RetardationKind::Instant) return presentPairVector(B, a, b);
  else return retardedPairVector<kind>(c, B, a, b, gravitySpeed);
}

// d²R/dt² of the stage n with step h. From differences of the radial
// velocities against the step's start: (ΔVk − ΔVi)·2/h at stages 2 and 3,
// (ΔVk − ΔVi)/h at stage 4, the value on entry at stage 1. From the rates
// of the radial velocities extrapolated with their own rates (jerks) from
// the previous step: h ahead at stages 2 and 3, 1.5·h at stage 4 (the rates
// kept stand for the middle of the previous step), then Ṙ̇ = rate of Vk −
// rate of Vi at every stage.
inline void stageRangeAcceleration(const StageContext& c, const Interaction& in, const PairKinematicsTables& t, int i,
                                   int k, double vi, double vk) {
  const int n = c.stage;
  const double h = c.step;
  if (!in.kinematicsFromJerks) {
    const double change = (vk - t.StepStartTargetRadialVelocity(i, k)) - (vi - t.StepStartSourceRadialVelocity(i, k));
    if (n == 2 || n == 3) t.RangeAcceleration(i, k) = change * (2 / h);
    if (n == 4) t.RangeAcceleration(i, k) = change * (1 / h);
    return;
  }
  const double ahead = (n == 2 || n == 3) ? h : (n == 4 ? 1.5 * h : 0.0);
  if (ahead != 0) {
    t.SourceRadialAcceleration(i, k) = t.SavedSourceRadialAcceleration(i, k) + ahead * t.SourceRadialJerk(i, k);
    t.TargetRadialAcceleration(i, k) = t.SavedTargetRadialAcceleration(i, k) + ahead * t.TargetRadialJerk(i, k);
  }
  t.RangeAcceleration(i, k) = t.TargetRadialAcceleration(i, k) - t.SourceRadialAcceleration(i, k);
}

// The kinematics of the stage: Vi' (the source's velocity less T times its
// acceleration of the last step when it acts from its trace), Vi = Vi'·u,
// Vk = V(k)·u, dR/dt = Vk − Vi and d²R/dt².
template <RetardationKind kind>
inline void stagePairKinematics(const StageContext& c, const Interaction& in, const PairKinematicsTables& t,
                                const Bodies& B, const LawPair& q) {
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
  stageRangeAcceleration(c, in, t, q.i, q.k, vi, vk);
}

// The source of the Л-В law at the stage: |Vi'|, and Ai' from the change of
// Vi' since the step's start (·2/h at stages 2 and 3, /h at stage 4) or
// from the Ai' kept by the run loop and the source's jerk (h/2 ahead at
// stages 2 and 3, h at stage 4); Ai' keeps its value at stage 1. Then Ai'·u.
inline void stageRetardedSource(const StageContext& c, const Interaction& in, const PairKinematicsTables& t,
                                const LawPair& q) {
  const int i = q.i, k = q.k, n = c.stage;
  const double h = c.step;
  const double vs[3] = {t.SourceVelocityX(i, k), t.SourceVelocityY(i, k), t.SourceVelocityZ(i, k)};
  t.SourceSpeed(i, k) = norm(vs[0], vs[1], vs[2]);
  KinematicsView const* acceleration[3] = {&t.SourceAccelerationX, &t.SourceAccelerationY, &t.SourceAccelerationZ};
  if (n >= 2 && n <= 4) {
    if (!in.kinematicsFromJerks) {
      const KinematicsView* start[3] = {&t.StepStartSourceVelocityX, &t.StepStartSourceVelocityY,
                                        &t.StepStartSourceVelocityZ};
      const double span = n == 4 ? h : h / 2;
      for (int d = 0; d < 3; ++d) (*acceleration[d])(i, k) = (vs[d] - (*start[d])(i, k)) / span;
    } else {
      const KinematicsView* saved[3] = {&t.SavedSourceAccelerationX, &t.SavedSourceAccelerationY,
                                        &t.SavedSourceAccelerationZ};
      const double* jerk[3] = {t.JerkX, t.JerkY, t.JerkZ};
      const double ahead = n == 4 ? h : h / 2;
      for (int d = 0; d < 3; ++d) (*acceleration[d])(i, k) = (*saved[d])(i, k) + jerk[d][i] * ahead;
    }
  }
  t.SourceAccelerationAlong(i, k) = t.SourceAccelerationX(i, k) * q.u[0] + t.SourceAccelerationY(i, k) * q.u[1] +
                                    t.SourceAccelerationZ(i, k) * q.u[2];
}

inline RetardedSource retardedSourceOf(const PairKinematicsTables& t, int i, int k) {
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
template <PressureLaw law>
inline PairMotion pairMotionOf(const PairKinematicsTables& t, const Bodies& B, const LawPair& q) {
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

// The pairs under the law: every ordered pair of the gathered bodies.
template <RetardationKind kind, PressureLaw law, class Record>
void pressureLawPairs(const StageContext& c, const Interaction& in, double* acceleration, Record& record) {
  Bodies B;
  gatherBodies<Record>(c, in, B);
  const Coefficients coefficients = coefficientsOf<Record>(in);
  const PairKinematicsTables& t = pairKinematicsTables();
  const double inverseGravitySpeed = 1 / in.gravitySpeed;
  double ax[kBodyCount] = {}, ay[kBodyCount] = {}, az[kBodyCount] = {};
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
      const double inverseR = 1 / q.p.r;
      q.T = q.p.r * inverseGravitySpeed;
      q.u[0] = q.p.x * inverseR;
      q.u[1] = q.p.y * inverseR;
      q.u[2] = q.p.z * inverseR;
      if (in.kinematicsEveryStage) {
        stagePairKinematics<kind>(c, in, t, B, q);
        if constexpr (law == PressureLaw::LienardWiechert) stageRetardedSource(c, in, t, q);
      }
      // The pull on k per unit of its mass (m/s²) and the force (N).
      double pull[3];
      double force;
      if constexpr (law == PressureLaw::LienardWiechert) {
        const double r[3] = {q.p.x, q.p.y, q.p.z};
        const LienardWiechertResult f = lienardWiechertForce(r, q.p.r, t.SourceRadialVelocity(q.i, q.k),
                                                             retardedSourceOf(t, q.i, q.k), given,
                                                             in.lawCoefficients, in.shortLienardWiechert);
        t.Rf(q.i, q.k) = f.rf;
        for (int d = 0; d < 3; ++d) pull[d] = f.force[d];
        force = f.scalar;
      } else {
        const double factor = pressureFactor<law>(pairMotionOf<law>(t, B, q), in.lawCoefficients);
        force = factor * given * inversePower(q.p.r, inverseR, in);
        for (int d = 0; d < 3; ++d) pull[d] = -force * q.u[d];
      }
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

// The force-law state between steps. Under a law of gravity pressure the
// run loop measures, after every model step, the kinematics of every
// ordered pair (i, k) in the new state: the pair's (retarded) geometry and
// direction angles, the velocity Vi' of the source when its gravity left,
// the velocities Vi and Vk along the pair, and from the values of the
// previous step their rates (the radial accelerations) and the rates of
// those (jerks); for the Л-В law also each body's jerk and the source's
// acceleration Ai'. The right-hand side differences its stages against
// these step-start values, or, when it does not recompute the kinematics,
// uses them moved to the middle of the next step.
//
// Differences are taken only when the step did not change. A run starts
// with the kinematics of its start state and no rates: the first step
// takes the first rates, the second the first rates of rates.
#include <cmath>

#include "core/state/SharedState.h"
#include "science/engine/PairAngles.h"
#include "science/engine/ModelRun.h"
#include "science/engine/PairKinematics.h"

using namespace nbody;

namespace {

constexpr int kBodies = kBodyCount;  // 0 Sun .. 10

// The geometry tables of the pairs, seen unchecked.
struct PairGeometryTables {
  PairTableView<decltype(Main.PairDX)> PairDX{Main.PairDX}, PairDY{Main.PairDY}, PairDZ{Main.PairDZ};
  PairTableView<decltype(Main.PairDistanceXY)> PairDistanceXY{Main.PairDistanceXY};
  PairTableView<decltype(Main.PairDistance)> PairDistance{Main.PairDistance};
  PairTableView<decltype(Main.PropagationTime)> PropagationTime{Main.PropagationTime};
  KinematicsView PairLatitude{Main.PairLatitude}, PairLongitude{Main.PairLongitude};
  KinematicsView dAlfaVX1{Main.dAlfaVX1}, dAlfaVY1{Main.dAlfaVY1}, dBettaVZ1{Main.dBettaVZ1};
  KinematicsView dAlfaVX2{Main.dAlfaVX2}, dAlfaVY2{Main.dAlfaVY2}, dBettaVZ2{Main.dBettaVZ2};
  KinematicsView dVX1{Main.dVX1}, dVY1{Main.dVY1}, dVZ1{Main.dVZ1};
  KinematicsView dVX2{Main.dVX2}, dVY2{Main.dVY2}, dVZ2{Main.dVZ2};
};

const PairGeometryTables& geometryTables() {
  static const PairGeometryTables tables;
  return tables;
}

// The bodies as the step left them: positions (shifted to the drawing
// origin, which no difference sees), velocities, the mean accelerations of
// the step, and the direction angles of the velocity components: AlfaVX 0
// or π, AlfaVY π/2 or 3π/2, BettaVZ π/2 or −π/2 (the second when the
// component is negative), which are also kept in the shared tables. By
// coordinate, a body per lane, so that the pairs of one source are measured
// side by side; the lanes past the last body hold a body at the origin at
// rest, whose pairs are measured and dropped.
constexpr int kLanes = 12;
static_assert(kLanes > kBodies);

struct BodyState {
  alignas(64) double position[3][kLanes] = {};
  alignas(64) double velocity[3][kLanes] = {};
  alignas(64) double acceleration[3][kLanes] = {};
  double alfaVX[kBodies], alfaVY[kBodies], bettaVZ[kBodies];
};

void gatherBodies(BodyState& s) {
  const double pi = Main.Pi;
  const double* position[3] = {Main.X.data(), Main.Y.data(), Main.Z.data()};
  const double* velocity[3] = {Main.VX.data(), Main.VY.data(), Main.VZ.data()};
  const double* acceleration[3] = {Main.AccelerationX.data(), Main.AccelerationY.data(),
                                   Main.AccelerationZ.data()};
  for (int b = 0; b < kBodies; ++b) {
    for (int d = 0; d < 3; ++d) {
      s.position[d][b] = position[d][b];
      s.velocity[d][b] = velocity[d][b];
      s.acceleration[d][b] = acceleration[d][b];
    }
    s.alfaVX[b] = Main.AlfaVX[b] = s.velocity[0][b] < 0 ? pi : 0.0;
    s.alfaVY[b] = Main.AlfaVY[b] = s.velocity[1][b] < 0 ? 1.5 * pi : 0.5 * pi;
    s.bettaVZ[b] = Main.BettaVZ[b] = s.velocity[2][b] < 0 ? -0.5 * pi : 0.5 * pi;
  }
}

// How the pairs are traced: Vgr, and the trace of the source along its
// velocity (DX1) or along velocity and acceleration (DX2, and DX3 too: the
// stored traces stay the right-hand side's), or none.
struct TraceRules {
  double inverseGravitySpeed = 0;
  bool retarded = false;
  bool withAcceleration = false;
};

TraceRules traceRules() {
  TraceRules rules;
  rules.inverseGravitySpeed = 1 / Main.Vgr;
  rules.retarded = Main.FiniteVgrFlag == 1 && Main.kodDX >= 1;
  rules.withAcceleration = Main.kodDX >= 2;
  return rules;
}

// The vector from the source's trace to k, two iterations of T = R / Vgr,
// traced or not and along the acceleration or not as the template says
// (see TraceRules). Returns R; T in `delay`.
template <bool retarded, bool withAcceleration>
double tracedPairVector(const BodyState& s, double inverseGravitySpeed, int i, int k, double r[3], double& delay) {
  double present[3];
  for (int d = 0; d < 3; ++d) r[d] = present[d] = s.position[d][k] - s.position[d][i];
  double distance = std::sqrt(r[0] * r[0] + r[1] * r[1] + r[2] * r[2]);
  delay = distance * inverseGravitySpeed;
  if constexpr (!retarded) return distance;
  for (int iteration = 0; iteration < 2; ++iteration) {
    const double half = withAcceleration ? delay * delay / 2 : 0.0;
    for (int d = 0; d < 3; ++d) r[d] = delay * s.velocity[d][i] + present[d] - half * s.acceleration[d][i];
    distance = std::sqrt(r[0] * r[0] + r[1] * r[1] + r[2] * r[2]);
    delay = distance * inverseGravitySpeed;
  }
  return distance;
}

// The traced pairs of one source, a target per lane: the vectors, R, T,
// the length in the XY plane and 1/R (the source's own lane and those past
// the last body harmless: R is lifted there before the division).
struct TracedRow {
  alignas(64) double r[3][kLanes];
  alignas(64) double distance[kLanes], delay[kLanes], distanceXY[kLanes], inverseDistance[kLanes];
};

template <bool retarded, bool withAcceleration>
void traceRow(const BodyState& s, double inverseGravitySpeed, int i, TracedRow& row) {
  alignas(64) double lift[kLanes];
  for (int k = 0; k < kLanes; ++k) lift[k] = k == i || k >= kBodies ? 1.0 : 0.0;
  for (int k = 0; k < kLanes; ++k) {
    double r[3], delay;
    const double distance = tracedPairVector<retarded, withAcceleration>(s, inverseGravitySpeed, i, k, r, delay);
    for (int d = 0; d < 3; ++d) row.r[d][k] = r[d];
    row.distance[k] = distance;
    row.delay[k] = delay;
    row.distanceXY[k] = std::sqrt(r[0] * r[0] + r[1] * r[1]);
    row.inverseDistance[k] = 1 / (distance + lift[k]);  // R ≥ 0: the other pairs keep theirs
  }
}

void traceRow(const BodyState& s, const TraceRules& rules, int i, TracedRow& row) {
  if (!rules.retarded) traceRow<false, false>(s, rules.inverseGravitySpeed, i, row);
  else if (!rules.withAcceleration) traceRow<true, false>(s, rules.inverseGravitySpeed, i, row);
  else traceRow<true, true>(s, rules.inverseGravitySpeed, i, row);
}

// The direction angles of the pair vector r, and the angles between the
// velocity components of i and of k and the pair's direction.
void measureDirections(const BodyState& s, int i, int k, const double r[3], double distanceXY,
                       const PairGeometryTables& g) {
  const double latitude = std::atan2(r[2], distanceXY);
  const double longitude = directionInPlane(r[0], r[1]);
  g.PairLatitude(i, k) = latitude;
  g.PairLongitude(i, k) = longitude;
  g.dAlfaVX1(i, k) = withinHalfTurn(s.alfaVX[i] - longitude);
  g.dAlfaVY1(i, k) = withinHalfTurn(s.alfaVY[i] - longitude);
  g.dBettaVZ1(i, k) = s.bettaVZ[i] - latitude;
  g.dAlfaVX2(i, k) = withinHalfTurn(s.alfaVX[k] - longitude);
  g.dAlfaVY2(i, k) = withinHalfTurn(s.alfaVY[k] - longitude);
  g.dBettaVZ2(i, k) = s.bettaVZ[k] - latitude;
}

// The pair's geometry (traced in `row`), direction angles (when they will
// be read), Vi' (the step-start source velocity of the next step) and the
// shares of Vi' and V(k) along the pair.
void measurePair(const BodyState& s, const TraceRules& rules, const TracedRow& row, int i, int k,
                 bool withDirections, const PairGeometryTables& g, const PairKinematicsTables& t) {
  const double r[3] = {row.r[0][k], row.r[1][k], row.r[2][k]};
  const double distance = row.distance[k], delay = row.delay[k], distanceXY = row.distanceXY[k];
  g.PairDX(i, k) = r[0];
  g.PairDY(i, k) = r[1];
  g.PairDZ(i, k) = r[2];
  g.PairDistanceXY(i, k) = distanceXY;
  g.PairDistance(i, k) = distance;
  g.PropagationTime(i, k) = delay;

  if (withDirections) measureDirections(s, i, k, r, distanceXY, g);

  const double lag = rules.retarded ? delay : 0.0;
  double source[3], u[3];
  const double inverseDistance = row.inverseDistance[k];
  for (int d = 0; d < 3; ++d) {
    source[d] = s.velocity[d][i] - lag * s.acceleration[d][i];
    u[d] = r[d] * inverseDistance;
  }
  t.StepStartSourceVelocityX(i, k) = source[0];
  t.StepStartSourceVelocityY(i, k) = source[1];
  t.StepStartSourceVelocityZ(i, k) = source[2];
  const double target[3] = {s.velocity[0][k], s.velocity[1][k], s.velocity[2][k]};
  g.dVX1(i, k) = source[0] * u[0];
  g.dVY1(i, k) = source[1] * u[1];
  g.dVZ1(i, k) = source[2] * u[2];
  t.SourceRadialVelocity(i, k) = g.dVX1(i, k) + g.dVY1(i, k) + g.dVZ1(i, k);
  g.dVX2(i, k) = target[0] * u[0];
  g.dVY2(i, k) = target[1] * u[1];
  g.dVZ2(i, k) = target[2] * u[2];
  t.TargetRadialVelocity(i, k) = g.dVX2(i, k) + g.dVY2(i, k) + g.dVZ2(i, k);
}

void measurePairs(bool withDirections) {
  const PairGeometryTables& g = geometryTables();
  const PairKinematicsTables& t = pairKinematicsTables();
  BodyState s;
  gatherBodies(s);
  const TraceRules rules = traceRules();
  for (int i = 0; i < kBodies; ++i) {
    TracedRow row;
    traceRow(s, rules, i, row);
    for (int k = 0; k < kBodies; ++k)
      if (k != i) measurePair(s, rules, row, i, k, withDirections, g, t);
  }
}

// How the radial rates of a step are taken.
struct RateRules {
  double step = 0;           // h, s
  bool sameStep = false;     // the step did not change: rates are taken
  bool jerksKnown = false;   // ... and so are rates of rates
  bool everyStage = true;    // the right-hand side recomputes the kinematics
};

// The rates of Vi and Vk over the step and their rates, kept for the next
// step; then the values the next step starts from: with the kinematics
// recomputed at every stage the rates half a step on (the rates stand for
// the middle of the step just made); otherwise Vi and Vk moved to the
// middle of the next step and the rates a whole step on.
void takeRadialRates(int i, int k, const RateRules& rules, const PairKinematicsTables& t) {
  const double h = rules.step, perStep = 1 / h;
  if (rules.sameStep) {
    t.SourceRadialAcceleration(i, k) = (t.SourceRadialVelocity(i, k) - t.StepStartSourceRadialVelocity(i, k)) * perStep;
    t.TargetRadialAcceleration(i, k) = (t.TargetRadialVelocity(i, k) - t.StepStartTargetRadialVelocity(i, k)) * perStep;
    if (rules.jerksKnown) {
      t.SourceRadialJerk(i, k) = (t.SourceRadialAcceleration(i, k) - t.SavedSourceRadialAcceleration(i, k)) * perStep;
      t.TargetRadialJerk(i, k) = (t.TargetRadialAcceleration(i, k) - t.SavedTargetRadialAcceleration(i, k)) * perStep;
    }
  }
  t.StepStartSourceRadialVelocity(i, k) = t.SourceRadialVelocity(i, k);
  t.StepStartTargetRadialVelocity(i, k) = t.TargetRadialVelocity(i, k);
  t.SavedSourceRadialAcceleration(i, k) = t.SourceRadialAcceleration(i, k);
  t.SavedTargetRadialAcceleration(i, k) = t.TargetRadialAcceleration(i, k);
  if (!rules.everyStage) {
    t.SourceRadialVelocity(i, k) = t.StepStartSourceRadialVelocity(i, k) + h * t.SavedSourceRadialAcceleration(i, k) / 2;
    t.TargetRadialVelocity(i, k) = t.StepStartTargetRadialVelocity(i, k) + h * t.SavedTargetRadialAcceleration(i, k) / 2;
    t.SourceRadialAcceleration(i, k) = t.SavedSourceRadialAcceleration(i, k) + h * t.SourceRadialJerk(i, k);
    t.TargetRadialAcceleration(i, k) = t.SavedTargetRadialAcceleration(i, k) + h * t.TargetRadialJerk(i, k);
  } else {
    t.SourceRadialAcceleration(i, k) = t.SavedSourceRadialAcceleration(i, k) + h * t.SourceRadialJerk(i, k) / 2;
    t.TargetRadialAcceleration(i, k) = t.SavedTargetRadialAcceleration(i, k) + h * t.TargetRadialJerk(i, k) / 2;
  }
  t.RangeRate(i, k) = t.TargetRadialVelocity(i, k) - t.SourceRadialVelocity(i, k);
  t.RangeAcceleration(i, k) = t.TargetRadialAcceleration(i, k) - t.SourceRadialAcceleration(i, k);
}

// For the Л-В law: each body's jerk over the step, and for every pair the
// source's acceleration when its gravity left, Ai' = A(i) − T·jerk(i), kept
// for the next step; without recomputation at every stage Vi' and Ai'
// moved to the middle of the next step, and |Vi'|; then Ai' along the pair.
void keepSourceAccelerations(const RateRules& rules, const PairGeometryTables& g, const PairKinematicsTables& t) {
  const double h = rules.step;
  for (int i = 0; i < kBodies; ++i) {
    const double a[3] = {Main.AccelerationX[i], Main.AccelerationY[i], Main.AccelerationZ[i]};
    if (rules.jerksKnown) {
      Main.JerkX[i] = (a[0] - Main.SavedAccelerationX[i]) / h;
      Main.JerkY[i] = (a[1] - Main.SavedAccelerationY[i]) / h;
      Main.JerkZ[i] = (a[2] - Main.SavedAccelerationZ[i]) / h;
    }
    Main.SavedAccelerationX[i] = a[0];
    Main.SavedAccelerationY[i] = a[1];
    Main.SavedAccelerationZ[i] = a[2];
    const double jerk[3] = {Main.JerkX[i], Main.JerkY[i], Main.JerkZ[i]};
    for (int k = 0; k < kBodies; ++k) {
      if (k == i) continue;
      const double delay = g.PropagationTime(i, k);
      double source[3];
      for (int d = 0; d < 3; ++d) source[d] = a[d] - delay * jerk[d];
      t.SavedSourceAccelerationX(i, k) = source[0];
      t.SavedSourceAccelerationY(i, k) = source[1];
      t.SavedSourceAccelerationZ(i, k) = source[2];
      if (!rules.everyStage) {
        t.SourceVelocityX(i, k) = t.StepStartSourceVelocityX(i, k) + h * a[0] / 2;
        t.SourceVelocityY(i, k) = t.StepStartSourceVelocityY(i, k) + h * a[1] / 2;
        t.SourceVelocityZ(i, k) = t.StepStartSourceVelocityZ(i, k) + h * a[2] / 2;
        for (int d = 0; d < 3; ++d) source[d] += h * jerk[d] / 2;
        t.SourceSpeed(i, k) = std::sqrt(t.SourceVelocityX(i, k) * t.SourceVelocityX(i, k) +
                                        t.SourceVelocityY(i, k) * t.SourceVelocityY(i, k) +
                                        t.SourceVelocityZ(i, k) * t.SourceVelocityZ(i, k));
      }
      t.SourceAccelerationX(i, k) = source[0];
      t.SourceAccelerationY(i, k) = source[1];
      t.SourceAccelerationZ(i, k) = source[2];
      const double distance = g.PairDistance(i, k);
      t.SourceAccelerationAlongX(i, k) = source[0] * g.PairDX(i, k) / distance;
      t.SourceAccelerationAlongY(i, k) = source[1] * g.PairDY(i, k) / distance;
      t.SourceAccelerationAlongZ(i, k) = source[2] * g.PairDZ(i, k) / distance;
      t.SourceAccelerationAlong(i, k) =
          t.SourceAccelerationAlongX(i, k) + t.SourceAccelerationAlongY(i, k) + t.SourceAccelerationAlongZ(i, k);
    }
  }
}

}  // namespace

void ModelRun::keepPairKinematics() {
  const PairKinematicsTables& t = pairKinematicsTables();
  RateRules rules;
  rules.step = Main.Step;
  rules.sameStep = Main.Step == Main.PrevStep;
  rules.jerksKnown = rules.sameStep && kinematicsRatesKnown_;
  rules.everyStage = Main.EveryStageKinematicsFlag != 0;
  // The direction angles of the pairs serve only the eye: the gravity-test
  // text of every step, and whoever reads the tables between passes.
  measurePairs(controls_.gravityTestText || passEndsWithOutput());
  for (int i = 0; i < kBodies; ++i)
    for (int k = 0; k < kBodies; ++k)
      if (k != i) takeRadialRates(i, k, rules, t);
  if (Main.kodPgr == 5) keepSourceAccelerations(rules, geometryTables(), t);
  if (rules.sameStep) kinematicsRatesKnown_ = true;
  Main.PrevStep = Main.Step;
}

// The start state's kinematics as the step-start values of the first step;
// no rates, jerks or source accelerations yet (zero), so that the first
// step takes its rates against the start and not against what an earlier
// run left in the tables.
void ModelRun::primePairKinematics() {
  const PairKinematicsTables& t = pairKinematicsTables();
  measurePairs(true);
  for (int i = 0; i < kBodies; ++i) {
    Main.SavedAccelerationX[i] = Main.AccelerationX[i];
    Main.SavedAccelerationY[i] = Main.AccelerationY[i];
    Main.SavedAccelerationZ[i] = Main.AccelerationZ[i];
    Main.JerkX[i] = Main.JerkY[i] = Main.JerkZ[i] = 0;
    for (int k = 0; k < kBodies; ++k) {
      if (k == i) continue;
      t.StepStartSourceRadialVelocity(i, k) = t.SourceRadialVelocity(i, k);
      t.StepStartTargetRadialVelocity(i, k) = t.TargetRadialVelocity(i, k);
      t.RangeRate(i, k) = t.TargetRadialVelocity(i, k) - t.SourceRadialVelocity(i, k);
      for (const KinematicsView* rate :
           {&t.SourceRadialAcceleration, &t.TargetRadialAcceleration, &t.SavedSourceRadialAcceleration,
            &t.SavedTargetRadialAcceleration, &t.SourceRadialJerk, &t.TargetRadialJerk, &t.RangeAcceleration,
            &t.SourceAccelerationX, &t.SourceAccelerationY, &t.SourceAccelerationZ, &t.SavedSourceAccelerationX,
            &t.SavedSourceAccelerationY, &t.SavedSourceAccelerationZ, &t.SourceAccelerationAlong,
            &t.SourceAccelerationAlongX, &t.SourceAccelerationAlongY, &t.SourceAccelerationAlongZ})
        (*rate)(i, k) = 0;
      t.SourceVelocityX(i, k) = t.StepStartSourceVelocityX(i, k);
      t.SourceVelocityY(i, k) = t.StepStartSourceVelocityY(i, k);
      t.SourceVelocityZ(i, k) = t.StepStartSourceVelocityZ(i, k);
      t.SourceSpeed(i, k) = std::sqrt(t.SourceVelocityX(i, k) * t.SourceVelocityX(i, k) +
                                      t.SourceVelocityY(i, k) * t.SourceVelocityY(i, k) +
                                      t.SourceVelocityZ(i, k) * t.SourceVelocityZ(i, k));
    }
  }
  kinematicsRatesKnown_ = false;
}

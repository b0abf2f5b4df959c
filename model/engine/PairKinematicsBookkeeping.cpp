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
#include "model/engine/ModelRun.h"
#include "model/engine/PairKinematics.h"

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

// Direction of (dx, dy) in the XY plane, radians 0..2π: π/2 or 3π/2 on
// the Y axis, else arctan(dy/dx) turned into its quadrant (a direction
// along +X is 2π).
double directionInPlane(double dx, double dy) {
  const double pi = Main.Pi;
  if (dx == 0) return dy < 0 ? 1.5 * pi : 0.5 * pi;
  const double angle = std::atan(dy / dx);
  if (dx < 0) return angle + pi;
  return dy <= 0 ? angle + 2 * pi : angle;
}

// An angle difference brought into −π..π by one turn.
double withinHalfTurn(double angle) {
  const double pi = Main.Pi;
  if (angle > pi) return angle - 2 * pi;
  if (angle < -pi) return angle + 2 * pi;
  return angle;
}

// Direction angles of each body's velocity components: AlfaVX 0 or π,
// AlfaVY π/2 or 3π/2, BettaVZ π/2 or −π/2 (the second when the component
// is negative).
void measureVelocityDirections() {
  const double pi = Main.Pi;
  for (int b = 0; b < kBodies; ++b) {
    Main.AlfaVX[b] = Main.VX[b] < 0 ? pi : 0.0;
    Main.AlfaVY[b] = Main.VY[b] < 0 ? 1.5 * pi : 0.5 * pi;
    Main.BettaVZ[b] = Main.VZ[b] < 0 ? -0.5 * pi : 0.5 * pi;
  }
}

// The vector from the source's trace to k, two iterations of T = R / Vgr:
// the trace along the present velocity (DX1), and along velocity and
// acceleration (DX2, and DX3 too: the stored traces stay the right-hand
// side's). Returns R; T in `delay`.
double tracedPairVector(int i, int k, double r[3], double& delay) {
  const double present[3] = {Main.X[k] - Main.X[i], Main.Y[k] - Main.Y[i], Main.Z[k] - Main.Z[i]};
  const double v[3] = {Main.VX[i], Main.VY[i], Main.VZ[i]};
  const double a[3] = {Main.AccelerationX[i], Main.AccelerationY[i], Main.AccelerationZ[i]};
  for (int d = 0; d < 3; ++d) r[d] = present[d];
  double distance = std::sqrt(r[0] * r[0] + r[1] * r[1] + r[2] * r[2]);
  delay = distance / Main.Vgr;
  if (Main.FiniteVgrFlag != 1 || Main.kodDX < 1) return distance;
  const bool withAcceleration = Main.kodDX >= 2;
  for (int iteration = 0; iteration < 2; ++iteration) {
    const double half = withAcceleration ? delay * delay / 2 : 0.0;
    for (int d = 0; d < 3; ++d) r[d] = delay * v[d] + present[d] - half * a[d];
    distance = std::sqrt(r[0] * r[0] + r[1] * r[1] + r[2] * r[2]);
    delay = distance / Main.Vgr;
  }
  return distance;
}

// The pair's geometry, direction angles, Vi' (the step-start source
// velocity of the next step) and the shares of Vi' and V(k) along the pair.
void measurePair(int i, int k, const PairGeometryTables& g, const PairKinematicsTables& t) {
  double r[3], delay;
  const double distance = tracedPairVector(i, k, r, delay);
  const double distanceXY = std::sqrt(r[0] * r[0] + r[1] * r[1]);
  g.PairDX(i, k) = r[0];
  g.PairDY(i, k) = r[1];
  g.PairDZ(i, k) = r[2];
  g.PairDistanceXY(i, k) = distanceXY;
  g.PairDistance(i, k) = distance;
  g.PropagationTime(i, k) = delay;

  const double latitude = std::atan2(r[2], distanceXY);
  const double longitude = directionInPlane(r[0], r[1]);
  g.PairLatitude(i, k) = latitude;
  g.PairLongitude(i, k) = longitude;
  g.dAlfaVX1(i, k) = withinHalfTurn(Main.AlfaVX[i] - longitude);
  g.dAlfaVY1(i, k) = withinHalfTurn(Main.AlfaVY[i] - longitude);
  g.dBettaVZ1(i, k) = Main.BettaVZ[i] - latitude;
  g.dAlfaVX2(i, k) = withinHalfTurn(Main.AlfaVX[k] - longitude);
  g.dAlfaVY2(i, k) = withinHalfTurn(Main.AlfaVY[k] - longitude);
  g.dBettaVZ2(i, k) = Main.BettaVZ[k] - latitude;

  const bool retarded = Main.FiniteVgrFlag == 1 && Main.kodDX >= 1;
  const double lag = retarded ? delay : 0.0;
  const double source[3] = {Main.VX[i] - lag * Main.AccelerationX[i], Main.VY[i] - lag * Main.AccelerationY[i],
                            Main.VZ[i] - lag * Main.AccelerationZ[i]};
  t.StepStartSourceVelocityX(i, k) = source[0];
  t.StepStartSourceVelocityY(i, k) = source[1];
  t.StepStartSourceVelocityZ(i, k) = source[2];
  const double u[3] = {r[0] / distance, r[1] / distance, r[2] / distance};
  g.dVX1(i, k) = source[0] * u[0];
  g.dVY1(i, k) = source[1] * u[1];
  g.dVZ1(i, k) = source[2] * u[2];
  t.SourceRadialVelocity(i, k) = g.dVX1(i, k) + g.dVY1(i, k) + g.dVZ1(i, k);
  g.dVX2(i, k) = Main.VX[k] * u[0];
  g.dVY2(i, k) = Main.VY[k] * u[1];
  g.dVZ2(i, k) = Main.VZ[k] * u[2];
  t.TargetRadialVelocity(i, k) = g.dVX2(i, k) + g.dVY2(i, k) + g.dVZ2(i, k);
}

void measurePairs() {
  const PairGeometryTables& g = geometryTables();
  const PairKinematicsTables& t = pairKinematicsTables();
  measureVelocityDirections();
  for (int i = 0; i < kBodies; ++i)
    for (int k = 0; k < kBodies; ++k)
      if (k != i) measurePair(i, k, g, t);
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
  const double h = rules.step;
  if (rules.sameStep) {
    t.SourceRadialAcceleration(i, k) = (t.SourceRadialVelocity(i, k) - t.StepStartSourceRadialVelocity(i, k)) / h;
    t.TargetRadialAcceleration(i, k) = (t.TargetRadialVelocity(i, k) - t.StepStartTargetRadialVelocity(i, k)) / h;
    if (rules.jerksKnown) {
      t.SourceRadialJerk(i, k) = (t.SourceRadialAcceleration(i, k) - t.SavedSourceRadialAcceleration(i, k)) / h;
      t.TargetRadialJerk(i, k) = (t.TargetRadialAcceleration(i, k) - t.SavedTargetRadialAcceleration(i, k)) / h;
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
  measurePairs();
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
  measurePairs();
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

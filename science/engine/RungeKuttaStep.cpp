// The motion of one pass of a model run: the classical fourth-order
// Runge-Kutta step, the unpacking of the state into the per-body tables,
// the origin of the tracked and drawn coordinates, the centre of the
// followed orbit, the clock and the stored traces.
// Reference: Abramowitz & Stegun, Handbook of Mathematical Functions, 25.5.10.
#include <algorithm>
#include <cmath>

#include "core/integration/RungeKutta.h"
#include "core/state/SharedState.h"
#include "science/engine/ModelRun.h"

using namespace nbody;

namespace {

constexpr int kAccelerationCount = kStateSize - kVelocityOffset;

// StageAccelerationN(33..65) := StateDerivative(33..65).
void keepStageAcceleration(Table1<double, 66>& stage) {
  const double* derivative = Main.StateDerivative.data();
  std::copy(derivative + kVelocityOffset, derivative + kStateSize, stage.data() + kVelocityOffset);
}

// The origin of the coordinates that are tracked and drawn.
struct Origin {
  double x = 0, y = 0, z = 0;
};

}  // namespace

void ModelRun::evaluateStage() {
  if (interaction_.model == ForceModelKind::Classical) Diffur();
  if (interaction_.model == ForceModelKind::Relativistic) DiffurOTO();
}

void ModelRun::rungeKuttaStep() {
  const double h = Main.Step;
  const double t = Main.ModelTime;
  Main.StageCounter = 0;
  Main.StageTime = t;
  Main.StageOffset = 0;
  Table1<double, 66>* const stageAcceleration[4] = {&Main.StageAcceleration1, &Main.StageAcceleration2,
                                                    &Main.StageAcceleration3, &Main.StageAcceleration4};
  ::rungeKuttaStep(h, 0, kStateSize, [&](int stage) {
    if (stage == 2) {  // stages 2 and 3 at the middle of the step
      Main.StageTime = t + h * 0.5;
      Main.StageOffset = h * 0.5;
    }
    if (stage == 4) {
      Main.StageTime = t + h;
      Main.StageOffset = h;
    }
    evaluateStage();
    keepStageAcceleration(*stageAcceleration[stage - 1]);
  });

  // After the step the accelerations of StateDerivative are the weighted
  // mean of the four stages; the positions' derivatives stay those of
  // the fourth stage.
  const double* a1 = Main.StageAcceleration1.data() + kVelocityOffset;
  const double* a2 = Main.StageAcceleration2.data() + kVelocityOffset;
  const double* a3 = Main.StageAcceleration3.data() + kVelocityOffset;
  const double* a4 = Main.StageAcceleration4.data() + kVelocityOffset;
  double* mean = Main.StateDerivative.data() + kVelocityOffset;
  for (int j = 0; j < kAccelerationCount; ++j) mean[j] = (a1[j] + 2 * a2[j] + 2 * a3[j] + a4[j]) / 6;
  integratedStep_ = h;
}

void ModelRun::unpackState() {
  const double* y = Main.StateVector.data();
  const double* mean = Main.StateDerivative.data() + kVelocityOffset;
  double* position[3] = {Main.X.data(), Main.Y.data(), Main.Z.data()};
  double* speed[3] = {Main.VX.data(), Main.VY.data(), Main.VZ.data()};
  double* acceleration[3] = {Main.AccelerationX.data(), Main.AccelerationY.data(), Main.AccelerationZ.data()};
  for (int c = 0; c < 3; ++c) {
    std::copy(y + coordinateIndex(c, 0), y + coordinateIndex(c, 0) + kBodyCount, position[c]);
    std::copy(y + kVelocityOffset + coordinateIndex(c, 0), y + kVelocityOffset + coordinateIndex(c, 0) + kBodyCount,
              speed[c]);
    std::copy(mean + coordinateIndex(c, 0), mean + coordinateIndex(c, 0) + kBodyCount, acceleration[c]);
  }
  const int s = Main.SelectedObject;
  checkIndex(s, 0, Main.VX.upper);  // once for the three tables of one size
  const double vx = speed[0][s], vy = speed[1][s], vz = speed[2][s];
  Main.Vpl = std::sqrt(vx * vx + vy * vy + vz * vz);
}

// The origin: the Sun with "Xsol=0", then the Earth with "Xzem=0", then the
// centre of mass of the included bodies with "Хцм=0" (the last ticked one
// wins). The bodies 0..10 are shifted to it, and with "Хцм=0" the
// centre-of-mass slot 14 too, so that it stays in the frame of the bodies.
// The integrated state and the velocities are not shifted.
void ModelRun::shiftToOrigin() {
  Origin origin;
  if (controls_.sunAtOrigin) origin = {Main.X[0], Main.Y[0], Main.Z[0]};
  if (controls_.earthAtOrigin) origin = {Main.X[3], Main.Y[3], Main.Z[3]};
  if (controls_.centreOfMassAtOrigin) {
    double sum[3] = {0, 0, 0};
    for (int i = 0; i < kBodyCount; ++i) {
      const double weight = Main.ObjectIncluded[i] * Main.Mass[i];
      sum[0] += weight * Main.X[i];
      sum[1] += weight * Main.Y[i];
      sum[2] += weight * Main.Z[i];
    }
    Main.X[16] = sum[0];
    Main.Y[16] = sum[1];
    Main.Z[16] = sum[2];
    Main.X[14] = sum[0] / Main.SystemMass;
    Main.Y[14] = sum[1] / Main.SystemMass;
    Main.Z[14] = sum[2] / Main.SystemMass;
    origin = {Main.X[14], Main.Y[14], Main.Z[14]};
  }
  Main.StateVector[66] = origin.x;
  Main.StateVector[67] = origin.y;
  Main.StateVector[68] = origin.z;
  double* x = Main.X.data();
  double* y = Main.Y.data();
  double* z = Main.Z.data();
  for (int i = 0; i < kBodyCount; ++i) {
    x[i] -= origin.x;
    y[i] -= origin.y;
    z[i] -= origin.z;
  }
  if (controls_.centreOfMassAtOrigin) {
    Main.X[14] -= origin.x;
    Main.Y[14] -= origin.y;
    Main.Z[14] -= origin.z;
  }
}

void ModelRun::chooseOrbitCentre() {
  Main.SecondObject = 15;
  if (controls_.sunAtOrigin) Main.SecondObject = 0;
  if (controls_.earthAtOrigin) Main.SecondObject = 3;
  if (controls_.centreOfMassAtOrigin) Main.SecondObject = 14;
}

// The clock advances by the step just integrated (the step control may
// already have chosen another one for the next pass), so that the model
// time always belongs to the state. The Julian Day follows the elapsed time
// from the Julian Day the loop started from: a sum of small steps onto a
// day number of millions would drift by seconds per year of model time.
void ModelRun::advanceClock() {
  const double h = integratedStep_;
  Main.StepCounter = static_cast<int16_t>(Main.StepCounter + 1);
  Main.ModelTime += h;
  Main.ElapsedTime += Main.TimeDirection * h;
  Main.EphemerisJD = dayOfZeroElapsedTime_ + Main.ElapsedTime / Main.SecondsPerDay;
  Main.JD = Main.EphemerisJD;
}

// A new newest record of the stored traces once P00 seconds of model time
// have passed since the last one: the integrated positions at the present
// model time.
void ModelRun::pushHistory() {
  if (history_.empty() || Main.ModelTime < Main.LastHistoryTime + Main.P00) return;
  history_.push(Main.ModelTime, Main.StateVector.data());
  Main.LastHistoryTime = Main.ModelTime;
}

void ModelRun::chooseTimeDirection(int direction) {
  if (direction != Main.TimeDirection) {
    for (int j = kVelocityOffset; j < kStateSize; ++j) Main.StateVector[j] = -Main.StateVector[j];
    Main.M0sys = -Main.M0sys;
  }
  Main.TimeDirection = static_cast<int16_t>(direction);
}

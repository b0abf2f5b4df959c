// Diffur and DiffurOTO: the right-hand sides of one Runge-Kutta stage, and
// the copy of the pair geometry and forces into the shared pair tables.
// Reference: the first post-Newtonian equations of motion of point masses
//   (Einstein, Infeld, Hoffmann), e.g. Soffel, Relativity in Astrometry,
//   Celestial Mechanics and Geodesy, Springer 1989, ch. 3.
#include <algorithm>
#include <cmath>
#include <string>

#include "core/runtime/NumberText.h"
#include "core/state/SharedState.h"
#include "science/engine/LawStage.h"
#include "science/engine/ModelRun.h"
#include "science/engine/PairKernels.h"
#include "science/engine/PairTablesRecord.h"

using namespace nbody;

namespace {

// dY/dt of the positions are the velocities; the accelerations start at 0.
void beginDerivative(const double* state, double* derivative) {
  std::copy(state + kVelocityOffset, state + kStateSize, derivative);
  std::fill(derivative + kVelocityOffset, derivative + kStateSize, 0.0);
}

void unpackStage(const double* state) {
  double* tables[6] = {Main.X.data(), Main.Y.data(), Main.Z.data(), Main.VX.data(), Main.VY.data(), Main.VZ.data()};
  for (int m = 0; m < 6; ++m) std::copy(state + m * kBodyCount, state + (m + 1) * kBodyCount, tables[m]);
}

bool retardedClassical(const Interaction& in) {
  return in.model == ForceModelKind::Classical && in.retardation != RetardationKind::Instant;
}

// The classical accelerations of a stage, under the law of gravity pressure
// when one is in force.
template <class Record>
void classicalStage(const StageContext& c, const Interaction& in, double* acceleration, Record& record) {
  if (in.law == PressureLaw::None) return classicalAccelerations(c, in, acceleration, record);
  if constexpr (Record::active) lawStageAccelerations(c, in, acceleration, record);
  else lawStageAccelerations(c, in, acceleration);
}

// A test line of three labelled values: label1 a label2 b label3 c.
std::string labelled(const char* label1, double a, const char* label2, double b, const char* label3,
                     double c) {
  return label1 + Str(a) + label2 + Str(b) + label3 + Str(c);
}

// "F12=   " F "    R12=   " R "    T12=   " T; names "12" or "21".
std::string forceLine(const char* names, double force, double distance, double time) {
  const std::string n = names;
  return labelled(("F" + n + "=   ").c_str(), force, ("    R" + n + "=   ").c_str(), distance,
                  ("    T" + n + "=   ").c_str(), time);
}

const char* const kIterationLine = " число итераций DX=  2";

// Lines 4 and 14 of the gravity test: the source velocities of the tested
// pair in both directions.
void writeSourceVelocityLines() {
  const int n1 = Main.N1, n2 = Main.N2;
  Main.TextLines[4] = labelled("VX1zap=  ", Main.SourceVelocityX(n1, n2), "    VY1zap=  ", Main.SourceVelocityY(n1, n2),
                               "   VZ1zap=  ", Main.SourceVelocityZ(n1, n2));
  Main.TextLines[14] = labelled("VX2zap=  ", Main.SourceVelocityX(n2, n1), "     VY2zap=  ",
                                Main.SourceVelocityY(n2, n1), "     VZ2zap=  ", Main.SourceVelocityZ(n2, n1));
}

}  // namespace

nbody::StageContext ModelRun::stageContext(double stageTime) const {
  StageContext c;
  c.stage = 1;
  c.step = Main.Step;
  c.state = Main.StateVector.data();
  c.lastAcceleration[0] = Main.AccelerationX.data();
  c.lastAcceleration[1] = Main.AccelerationY.data();
  c.lastAcceleration[2] = Main.AccelerationZ.data();
  c.history = &history_;
  c.stageTime = stageTime;
  return c;
}

// The stage in StateVector at ModelTime + StageOffset; its derivative
// begun in StateDerivative, whose accelerations the pair loops then sum.
StageContext ModelRun::beginStage(double*& acceleration) const {
  const StageContext c = stageContext(Main.ModelTime + Main.StageOffset);
  beginDerivative(c.state, Main.StateDerivative.data());
  acceleration = Main.StateDerivative.data() + kVelocityOffset;
  return c;
}

void ModelRun::Diffur() {
  double* acceleration = nullptr;
  StageContext c = beginStage(acceleration);
  // Under a law of gravity pressure the calls of a step are counted: the
  // kinematics of the law depend on the stage.
  if (interaction_.law != PressureLaw::None) {
    Main.StageCounter = static_cast<int16_t>(Main.StageCounter + 1);
    c.stage = Main.StageCounter;
  }
  if (!controls_.gravityTestText) {
    NoPairRecord none;
    classicalStage(c, interaction_, acceleration, none);
    return;
  }
  // "текст теста": the stage's bodies, the present geometry of the tested
  // pair (line 10), every pair into the tables, then the other lines.
  unpackStage(c.state);
  const int n1 = Main.N1, n2 = Main.N2;
  const double present = norm(Main.X[n2] - Main.X[n1], Main.Y[n2] - Main.Y[n1], Main.Z[n2] - Main.Z[n1]);
  Main.TextLines[10] = forceLine("12", pairForce(interaction_, n1, n2, present), present,
                                 present / interaction_.gravitySpeed);
  PairTablesRecord record(interaction_, false);
  classicalStage(c, interaction_, acceleration, record);
  writeGravityTestLines();
  if (interaction_.law != PressureLaw::None && interaction_.kinematicsEveryStage) writeSourceVelocityLines();
  keepSnapshotForTestBench();
}

void ModelRun::DiffurOTO() {
  double* acceleration = nullptr;
  const StageContext c = beginStage(acceleration);
  if (!controls_.gravityTestText) {
    NoPairRecord none;
    relativisticPairs(c, interaction_, acceleration, none);
    return;
  }
  unpackStage(c.state);
  PairTablesRecord record(interaction_, true);
  relativisticPairs(c, interaction_, acceleration, record);
}

void ModelRun::writeGravityTestLines() {
  const int n1 = Main.N1, n2 = Main.N2;
  if (retardedClassical(interaction_)) Main.TextLines[9] = kIterationLine;
  Main.TextLines[1] = labelled("X1=  ", Main.X[n1], "       Y1=  ", Main.Y[n1], "       Z1=  ", Main.Z[n1]);
  Main.TextLines[2] = labelled("X1zap=  ", Main.X[n2] - Main.PairDX(n1, n2), "     Y1zap=  ",
                               Main.Y[n2] - Main.PairDY(n1, n2), "     Z1zap=  ", Main.Z[n2] - Main.PairDZ(n1, n2));
  Main.TextLines[3] = labelled("VX1=  ", Main.VX[n1], "      VY1=  ", Main.VY[n1], "      VZ1=  ", Main.VZ[n1]);
  Main.TextLines[5] =
      forceLine("12", Main.Force(n1, n2), Main.PairDistance(n1, n2), Main.PropagationTime(n1, n2));
  Main.TextLines[11] = labelled("X2=  ", Main.X[n2], "       Y2=  ", Main.Y[n2], "       Z2=  ", Main.Z[n2]);
  Main.TextLines[12] = labelled("X2zap=  ", Main.X[n1] - Main.PairDX(n2, n1), "     Y2zap=  ",
                                Main.Y[n1] - Main.PairDY(n2, n1), "     Z2zap=  ", Main.Z[n1] - Main.PairDZ(n2, n1));
  Main.TextLines[13] = labelled("VX2=  ", Main.VX[n2], "      VY2=  ", Main.VY[n2], "      VZ2=  ", Main.VZ[n2]);
  Main.TextLines[15] =
      forceLine("21", Main.Force(n2, n1), Main.PairDistance(n2, n1), Main.PropagationTime(n2, n1));
}

void ModelRun::keepSnapshotForTestBench() {
  Main.TestBenchSnapshotTime = Main.StageTime;
  for (int b = 0; b < kBodyCount; ++b) {
    Main.DE405SumX[b] = Main.X[b];
    Main.DE405SumY[b] = Main.Y[b];
    Main.DE405SumZ[b] = Main.Z[b];
    Main.DE405SumVX[b] = Main.VX[b];
    Main.DE405SumVY[b] = Main.VY[b];
    Main.DE405SumVZ[b] = Main.VZ[b];
    Main.DE405SumX[b + kBodyCount] = Main.AccelerationX[b];
    Main.DE405SumY[b + kBodyCount] = Main.AccelerationY[b];
    Main.DE405SumZ[b + kBodyCount] = Main.AccelerationZ[b];
  }
}

// The pair tables as the first stage of the next step will see them: the
// geometry and forces of the state the run has reached. The loop calls it
// before every event pump and when it ends, so that whatever reads the
// tables between passes finds them filled; inside the passes the right-hand
// sides keep the pairs to themselves. With "текст теста" every stage has
// already filled them. Under a law the pairs are evaluated as the first
// stage of the next step evaluates them, so that what the next step reads
// of the kinematics stays as the run loop left it; the geometry is the run
// loop's measure of the pairs after the step.
void ModelRun::publishPairTables() {
  if (controls_.gravityTestText || interaction_.model == ForceModelKind::NoEvaluation) return;
  const StageContext c = stageContext(Main.ModelTime);
  double scratch[kStateSize];
  beginDerivative(c.state, scratch);
  const bool relativistic = interaction_.model == ForceModelKind::Relativistic;
  PairTablesRecord record(interaction_, relativistic, Main.kodPgr != 0);
  if (relativistic) {
    relativisticPairs(c, interaction_, scratch + kVelocityOffset, record);
    return;
  }
  classicalStage(c, interaction_, scratch + kVelocityOffset, record);
  if (retardedClassical(interaction_)) Main.TextLines[9] = kIterationLine;
}

#pragma once
// ModelRun: a computational experiment of the model window, the part that
// computes. It holds what a run keeps besides the shared state: the
// interaction coefficients read between steps, the stored traces of the
// bodies, the controls read at the last event pump, and the files this run
// writes. The shared tables stay the truth between calls: the run loads its
// working copies from them when it enters the loop and after every event
// pump, and writes them back before every event pump and when it leaves.
//
// The procedures with fixed names (Diffur, DiffurOTO, RunExperiment,
// WriteOrbitRecord, WriteXYZLine) are the model window's procedures; the
// window owns one ModelRun and passes itself as the RunWindow.
#include <cstdint>
#include <string>

#include "science/engine/Interaction.h"
#include "science/engine/RunWindow.h"
#include "science/engine/TraceHistory.h"

namespace nbody {
struct StageContext;
}

class ModelRun {
 public:
  // --- Right-hand sides (one Runge-Kutta stage) ---
  // Diffur: classical right-hand side with a finite speed of gravity.
  // Reads:    StateVector (the stage), StageOffset, ModelTime, AccelerationX/Y/Z,
  //           Step, the interaction read at the last pass (gamma, Vgr, Mass,
  //           PairIncluded, DistanceExponent, FiniteVgrFlag, kodDX, kodPgr,
  //           kPgr1, kPgr2, the kinematics flags)
  // Returns:  StateDerivative (velocities, accelerations m/s²); with "текст
  //           теста" also X..VZ of the stage, the pair tables, TextLines and
  //           the snapshot for the test bench in DE405SumX..VZ
  // Notes:    The source acts from its trace: DX1 along the present velocity,
  //           DX2 along velocity and acceleration, DX3 from the stored
  //           positions interpolated on their real times; two iterations of
  //           T = R / Vgr. Forces by vector algebra, −F·r/R. Under a law of
  //           gravity pressure (kodPgr ≠ 0 with a finite speed of gravity)
  //           StageCounter counts the stage, the pair kinematics of the stage
  //           are found in the shared tables (PairKinematics.h) and the law
  //           gives each ordered pair its force (PressureLaws.h).
  void Diffur();
  // DiffurOTO: relativistic right-hand side, first post-Newtonian pair
  // accelerations with Vgr in place of the speed of light; no retardation.
  // Reads StateVector, gamma, Mass, PairIncluded, Vgr; returns StateDerivative.
  void DiffurOTO();

  // --- Start of a run ---
  // The followed orbit's start values from its start elements
  // (StartElements of SelectedObject: AlfaPCurrent, AlfaUCurrent in degrees,
  // BettaCurrent, EksCurrent, RadiusVector), the least and greatest
  // distance, the centre of the orbit (SecondObject: 15 the origin, 0 the
  // Sun with "Xsol=0", 3 the Earth with "Xzem=0") and the four search
  // windows of half-width dAlfa.
  void prepareOrbitTracking(bool sunCentre, bool earthCentre);
  // Records the series file is expected to hold (its count line): three per
  // expected revolution from StartYear to EndYear, with "dEsys, dMsys, %"
  // 1.1 times the expected output passes, and 32000 for Mercury.
  // Reads EndYear, StartYear, Period (days), P00, NC0, BodyNumber.
  static int32_t expectedRecordCount(bool energyBalance);

  // Bodies, state vector and start quantities.
  // Puts every body back on its initial data with the system velocity and
  // the direction of time, fills the stored traces (kodDX = 3), the state
  // vector, E0sys, M0sys, SystemMass and the centre of mass; under a law of
  // gravity pressure the pair kinematics of the start state.
  // Reads:    X0..VZ0, VXsys..VZsys (km/s), TimeDirection, ObjectIncluded,
  //           PairIncluded, Mass, gamma, Vsv, Vgr, P00, kodDX, ModelMode,
  //           SelectedObject, SecondObject, PreciseEnergyFlag
  // Given:    energyBalance: "dEsys, dMsys, %" is ticked
  // Notes:    A history longer than the 16-bit range, or a zero P00 or Vgr
  //           with DX3, raises a RuntimeError for the start's trap.
  void setUpBodies(RunWindow& window, bool energyBalance);

  // --- The run loop ---
  // RunExperiment: continues the run from the shared state until a stop
  // request at an output pass, the end year, no window left, a failure of
  // the DE405 imitator, or an error ("Ошибка решения уравнений", title
  // "Celvan7mmm"; the error also ends a running plan). A model run
  // integrates (ModelMode 1); an imitator run takes the positions of each
  // pass from New0, JPL0 or DE405. Test mode evaluates the test criterion
  // instead.
  void RunExperiment(RunWindow& window);

  // Reads the window's controls, the interaction (masses, pairs, speed of
  // gravity, retardation variant, model) and the stored traces from the
  // shared state. The loop does it when it enters and after every event
  // pump; a single right-hand-side call outside a run needs it first.
  void readPassState(RunWindow& window);

  // "Продолжить" with the direction of time chosen now (+1 or −1): when it
  // differs from TimeDirection, every velocity of the state vector and M0sys
  // change sign; then TimeDirection := direction.
  void chooseTimeDirection(int direction);

  // --- Result files ---
  // Header and count line of the orbit-parameter series at RecordFilePath;
  // the run then rewrites the count line with the number of records
  // written whenever its loop ends.
  void writeOrbitSampleHeader(bool energyBalance);
  // Header of the coordinate file at FilePath.
  void writeTrajectoryHeader();
  // Header and factor lines of the test-plan result file at RecordFilePath.
  void writeTestPlanHeader(bool rotatablePlan);
  // WriteOrbitRecord: one record of the series (the perihelion and node
  // longitudes made continuous against the JPL0 theory, or the energy
  // percentages with "dEsys, dMsys, %"), appended to RecordFilePath.
  void WriteOrbitRecord();
  // WriteXYZLine: one line of the coordinate file, appended to FilePath.
  void WriteXYZLine();
  // The test-plan result file of a plan run by the test criterion, first
  // line of its header (shown in the orbit picture as well).
  static std::string testPlanTitle(bool rotatablePlan);

  // Forgets the series file whose count the run keeps true (a start that
  // writes no series file).
  void forgetOrbitSampleFile() { orbitSampleFile_.clear(); }

 private:
  nbody::Interaction interaction_;
  nbody::TraceHistory history_;
  RunControls controls_;
  double integratedStep_ = 0;      // step of the last Runge-Kutta step, s
  double endYearJulianDay_ = 0;    // JD at which the end year is passed
  double dayOfZeroElapsedTime_ = 0;  // JD at which ElapsedTime was 0
  std::string orbitSampleFile_;    // series whose header this run wrote
  // The rates of the pair kinematics kept at the last step come from a
  // difference over a step of this run (not from the start), so that rates
  // of rates may be taken from them.
  bool kinematicsRatesKnown_ = false;

  // Loop
  void runPasses(RunWindow& window);
  bool pass(RunWindow& window);
  bool outputPass(RunWindow& window);
  void endRun(RunWindow& window);
  void writeSharedTables();
  void loadHistoryFromShared();
  void publishHistory();
  void publishPairTables();
  void requireValidRunParameters() const;
  void computeEndYearBoundary();
  bool endYearPassed() const;
  bool passesEndYear(double julianDay) const;
  bool passEndsWithOutput() const;
  bool endYearWithinNextOutputPass() const;

  // Motion
  void moveByModel(RunWindow& window);
  void rungeKuttaStep();
  void evaluateStage();
  void unpackState();
  void shiftToOrigin();
  void chooseOrbitCentre();
  void advanceClock();
  void pushHistory();
  nbody::StageContext stageContext(double stageTime) const;
  nbody::StageContext beginStage(double*& acceleration) const;

  // Orbit tracking and step control
  void trackOrbit(RunWindow& window);
  void measureNode(RunWindow& window);
  void controlStep(RunWindow& window);
  void measurePassage(RunWindow& window);
  void reduceStepAtSeam();
  bool revolutionCompleted(double longitude, double previous) const;
  double reducedStep() const;

  // Imitators: the positions of the pass from a theory or from DE405;
  // false when the DE405 evaluation failed and the run ends.
  bool imitateMotion();
  void followElementTheory();
  bool followDE405Ephemeris();

  // Force-law state between steps (laws of gravity pressure): the pair
  // kinematics measured after every model step, and primed from the start
  // state when a run starts.
  void keepPairKinematics();
  void primePairKinematics();

  // Output pass
  // The balance of energy and angular momentum of an output pass, shown
  // when the pass draws.
  void balanceEnergy(RunWindow& window, bool draw);
  void evaluateTestCriterion();

  // Start
  void resetBodies();
  void fillHistory();
  void fillStateAndSums();
  void addPreciseEnergy();

  // "текст теста"
  void writeGravityTestLines();
  void keepSnapshotForTestBench();

  // Files
  void rewriteRecordCount();
};

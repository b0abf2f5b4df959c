// RunExperiment: the run loop of the model window. Each pass is one
// Runge-Kutta step of the model, the centre of the followed orbit, the
// orbit tracking with its step control, the clock and the stored traces;
// every NC0 passes an output pass shows, writes and checks, then tests the
// stop request and lets pending window events run.
//
// Inside the passes the loop reads no control and no option: what a user
// can change only changes while events run, so the loop reads the controls
// and the interaction when it enters and after every event pump.
#include <cmath>
#include <limits>

#include "core/runtime/ErrorTrap.h"
#include "core/runtime/RuntimeError.h"
#include "core/state/SharedState.h"
#include "core/time/TimeScales.h"
#include "science/engine/ModelRun.h"

namespace {

constexpr const char* kRunErrorMessage = "Ошибка решения уравнений";
constexpr const char* kRunErrorTitle = "Celvan7mmm";

// Years that the date conversions can place: the end-year test does not
// ask them about a year beyond.
constexpr int32_t kLatestEndYear = 1000000;
constexpr int32_t kEarliestEndYear = -1000000;

}  // namespace

void ModelRun::RunExperiment(RunWindow& window) {
  if (withErrorTrap(kRunErrorMessage, kRunErrorTitle, [&] { runPasses(window); })) return;
  // An error ends the run where it stands, and a running plan with it: the
  // next run by hand is no experiment of that plan.
  Main.PlanNumber = 0;
  publishHistory();
  withErrorTrap(kRunErrorMessage, kRunErrorTitle, [&] { rewriteRecordCount(); });
}

void ModelRun::runPasses(RunWindow& window) {
  if (Main.TestMode != 0) {
    evaluateTestCriterion();
    endRun(window);
    return;
  }
  readPassState(window);
  while (pass(window)) {
  }
}

// One pass; false when the run has ended.
bool ModelRun::pass(RunWindow& window) {
  integratedStep_ = Main.Step;
  if (Main.ModelMode != 0) {
    moveByModel(window);
  } else if (!imitateMotion()) {
    endRun(window);
    return false;
  }
  chooseOrbitCentre();
  if (controls_.trackOrbit) trackOrbit(window);
  reduceStepAtSeam();
  advanceClock();
  if (Main.kodDX == 3) pushHistory();
  if (controls_.endAtYear && endYearPassed()) {
    DateFromJulianDay(Main.JD);
    writeSharedTables();
    endRun(window);
    return false;
  }
  if (Main.StepCounter < Main.NC0) return true;
  return outputPass(window);
}

// Every output pass computes, writes and lets events run; the window draws
// at the passes it is ready for, and always at one that may be the run's
// last, so that what stays on the screen is where the run ended.
bool ModelRun::outputPass(RunWindow& window) {
  Main.StepCounter = 0;
  DateFromJulianDay(Main.JD);
  writeSharedTables();
  const bool draw = window.drawsThisPass(Main.StopFlag == 1 || endYearWithinNextOutputPass());
  if (draw) window.showProgress();
  window.rereadRunParameters();
  requireValidRunParameters();
  if (controls_.writeCoordinates) WriteXYZLine();
  if (draw) window.animateBodies();
  if (draw && Main.CentreOfMassDisplayFlag == 0) window.showFollowedCoordinates();
  if (controls_.energyBalance) balanceEnergy(window, draw);
  throwOnFloatingPointFlags();
  if (Main.StopFlag == 1) {
    endRun(window);
    return false;
  }
  const int openWindows = window.letEventsRun();
  clearFloatingPointFlags();
  if (openWindows == 0) {
    endRun(window);
    return false;
  }
  readPassState(window);
  return true;
}

// The motion of a model run: one Runge-Kutta step, the new state into the
// per-body tables and onto the chosen origin, the gravity-test text, and
// under a law of gravity pressure the pair kinematics of the new state.
void ModelRun::moveByModel(RunWindow& window) {
  rungeKuttaStep();
  unpackState();
  shiftToOrigin();
  if (controls_.gravityTestText) window.showGravityTest();
  if (Main.kodPgr != 0) keepPairKinematics();
}

// Every orderly end: the series file gets its true record count, and a
// running plan gets its next experiment (which runs nested in this call).
void ModelRun::endRun(RunWindow& window) {
  rewriteRecordCount();
  if (Main.PlanNumber > 0) window.handOverToPlan();
  Main.PlanNumber = 0;
}

void ModelRun::readPassState(RunWindow& window) {
  controls_ = window.readControls();
  interaction_ = nbody::readInteraction();
  requireValidRunParameters();
  loadHistoryFromShared();
  computeEndYearBoundary();
  dayOfZeroElapsedTime_ = Main.EphemerisJD - Main.ElapsedTime / Main.SecondsPerDay;
}

// A step that is not positive, or a divisor of 0, would stall the run or
// run it against the clock: the start refuses them, and a run that meets
// them when it rereads its boxes ends with its error.
void ModelRun::requireValidRunParameters() const {
  if (!(Main.P00 > 0) || Main.StepDivisor <= 0)
    throw RuntimeError(ErrorCode::InvalidCall, "the step and its divisor must be positive");
}

// The Julian Day at which the model date passes the end year: the start of
// the year after it forward in time, the start of the end year itself
// backwards, in the calendar in force.
void ModelRun::computeEndYearBoundary() {
  if (!controls_.endAtYear) return;
  const int64_t year = Main.TimeDirection < 0 ? int64_t{Main.EndYear} : int64_t{Main.EndYear} + 1;
  if (year > kLatestEndYear) {
    endYearJulianDay_ = std::numeric_limits<double>::infinity();
  } else if (year < kEarliestEndYear) {
    endYearJulianDay_ = -std::numeric_limits<double>::infinity();
  } else {
    endYearJulianDay_ = JulianDayFromDate(1.0, 1, static_cast<int32_t>(year));
  }
}

bool ModelRun::endYearPassed() const { return passesEndYear(Main.JD); }

// Whether the run may reach its end year before the next output pass: NC0
// steps, none longer than the base step, may carry the date past it.
bool ModelRun::endYearWithinNextOutputPass() const {
  if (!controls_.endAtYear) return false;
  return passesEndYear(Main.JD + Main.TimeDirection * Main.NC0 * Main.P00 / Main.SecondsPerDay);
}

bool ModelRun::passesEndYear(double julianDay) const {
  return Main.TimeDirection < 0 ? julianDay < endYearJulianDay_ : julianDay >= endYearJulianDay_;
}

// Whether this pass ends with the tables written for others to read: an
// output pass, or the end year reached when the clock has advanced by the
// step just integrated (the clock advances as advanceClock does).
bool ModelRun::passEndsWithOutput() const {
  if (Main.StepCounter + 1 >= Main.NC0) return true;
  if (!controls_.endAtYear) return false;
  const double elapsed = Main.ElapsedTime + Main.TimeDirection * integratedStep_;
  return passesEndYear(dayOfZeroElapsedTime_ + elapsed / Main.SecondsPerDay);
}

// The pair tables belong to the model's state vector: an imitator run
// leaves them as they were.
void ModelRun::writeSharedTables() {
  if (Main.ModelMode != 0) publishPairTables();
  publishHistory();
}

void ModelRun::loadHistoryFromShared() {
  const int n = Main.HistoryPoints;
  const bool consistent = n >= 1 && Main.PositionHistoryX.upper1() == nbody::kBodyCount - 1 &&
                          Main.PositionHistoryX.upper2() == n && Main.PositionHistoryY.upper2() == n &&
                          Main.PositionHistoryZ.upper2() == n && Main.PositionHistoryTime.upper() == n;
  if (!consistent) {
    history_.resize(-1);
    return;
  }
  if (history_.lastRecord() != n) history_.resize(n);
  double x[nbody::kBodyCount], y[nbody::kBodyCount], z[nbody::kBodyCount];
  for (int j = 0; j <= n; ++j) {
    for (int b = 0; b < nbody::kBodyCount; ++b) {
      x[b] = Main.PositionHistoryX(b, j);
      y[b] = Main.PositionHistoryY(b, j);
      z[b] = Main.PositionHistoryZ(b, j);
    }
    history_.setRecord(j, Main.PositionHistoryTime[j], x, y, z);
  }
}

// The stored traces into the shared history (record 0 the newest) and into
// the snapshot that the test bench reads.
void ModelRun::publishHistory() {
  if (history_.empty() || history_.lastRecord() != Main.HistoryPoints) return;
  const int n = history_.lastRecord();
  if (Main.HistorySnapshotX.upper2() != n || Main.HistorySnapshotTime.upper() != n) return;
  for (int j = 0; j <= n; ++j) {
    for (int b = 0; b < nbody::kBodyCount; ++b) {
      const double* p = history_.position(j, b);
      Main.PositionHistoryX(b, j) = Main.HistorySnapshotX(b, j) = p[0];
      Main.PositionHistoryY(b, j) = Main.HistorySnapshotY(b, j) = p[1];
      Main.PositionHistoryZ(b, j) = Main.HistorySnapshotZ(b, j) = p[2];
    }
    Main.PositionHistoryTime[j] = Main.HistorySnapshotTime[j] = history_.time(j);
  }
  Main.HistorySnapshotOffset = integratedStep_;
}

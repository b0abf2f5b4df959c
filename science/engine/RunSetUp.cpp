// The start of a computational experiment, the part that computes: the
// followed orbit's start values and search windows, the bodies on their
// initial data, the stored traces, the state vector, the start energy and
// angular momentum, and the expected number of records.
#include <cmath>

#include "core/coordinates/Coordinates.h"
#include "core/runtime/NumberText.h"
#include "core/state/BodyState.h"
#include "core/state/SharedState.h"
#include "science/engine/ModelRun.h"
#include "science/engine/RunGeometry.h"

using namespace nbody;

namespace {

// Light-hours over which the stored traces reach back: gravity from five
// light-hours away (beyond Neptune's distance from the Sun) at the speed
// of light.
constexpr double kHistoryReachLightSeconds = 5 * 3600;


}  // namespace

void ModelRun::prepareOrbitTracking(bool sunCentre, bool earthCentre) {
  const int s = Main.SelectedObject;
  Main.AlfaPCurrent = Main.kUgol * Main.StartElements(1, s);
  Main.AlfaUCurrent = Main.kUgol * Main.StartElements(2, s);
  Main.BettaCurrent = Main.StartElements(3, s);
  Main.EksCurrent = Main.StartElements(4, s);
  Main.RadiusVector[s] = Main.StartElements(5, s);
  Main.MinValue = (1 - Main.EksCurrent) * Main.RadiusVector[s];
  Main.MaxValue = (1 + Main.EksCurrent) * Main.RadiusVector[s];

  Main.X[15] = Main.Y[15] = Main.Z[15] = 0;
  Main.SecondObject = 15;
  if (sunCentre) Main.SecondObject = 0;
  if (earthCentre) Main.SecondObject = 3;
  Main.FollowedRelativeZ = Main.Z[s] - Main.Z[Main.SecondObject];

  Stat.PlanK1 = 1.0;
  const double w = Main.dAlfa * Stat.PlanK1;
  Main.PerihelionWindowHigh = belowFullTurn(Main.AlfaPCurrent + w);
  Main.PerihelionWindowLow = notNegative(Main.AlfaPCurrent - w);
  Main.NodeWindowHigh = belowFullTurn(Main.AlfaUCurrent + w);
  Main.NodeWindowLow = notNegative(Main.AlfaUCurrent - w);
  Main.AphelionWindowHigh = belowFullTurn(Main.AlfaPCurrent + 180 + w);
  Main.AphelionWindowLow = belowFullTurn(Main.AlfaPCurrent + 180 - w);
  Main.DescendingNodeWindowHigh = belowFullTurn(Main.AlfaUCurrent + 180 + w);
  Main.DescendingNodeWindowLow = belowFullTurn(Main.AlfaUCurrent + 180 - w);
}

int32_t ModelRun::expectedRecordCount(bool energyBalance) {
  const int32_t years = Main.EndYear - Main.StartYear;
  double count = Fix(static_cast<double>(years * 3) * 365.25 / Main.Period);
  if (energyBalance) count = Fix(years * 1.1 * 365.25 * 24 * 3600 / Main.P00 / Main.NC0);
  if (Main.BodyNumber == 1) count = 32000;
  return CLng(count);
}

void ModelRun::setUpBodies(RunWindow& window, bool energyBalance) {
  window.eraseBodyMarkers();
  resetBodies();
  if (Main.kodDX == 3) {
    fillHistory();
    window.showHistoryLength();
  }
  if (Main.SelectedObject != 0)
    RelativeEclipticPosition(static_cast<int16_t>(Main.SecondObject), static_cast<int16_t>(Main.SelectedObject));
  fillStateAndSums();
  if (Main.ModelMode == 1 && Main.kodPgr != 0) primePairKinematics();
  if (!energyBalance) return;
  if (Main.PreciseEnergyFlag == 1) addPreciseEnergy();
  window.showStartEnergy();
}

// Every body back on its initial data, with the system velocity (km/s) and
// the direction of time in its velocity; the pair geometry of the new
// positions and the step-start quantities of the force laws cleared.
void ModelRun::resetBodies() {
  const Vector3 systemVelocity = 1000 * Vector3{Main.VXsys, Main.VYsys, Main.VZsys};
  for (int i = 0; i <= Main.LastObjectIndex; ++i) {
    const BodyState start = startState(i);
    setCurrentState(i, {start.position, Main.TimeDirection * (systemVelocity + start.velocity)});
    Main.Xsled[i] = Main.X[i];
    Main.Ysled[i] = Main.Y[i];
    Main.Zsled[i] = Main.Z[i];
  }
  for (int i = 0; i <= Main.LastObjectIndex; ++i)
    for (int k = 0; k <= Main.LastObjectIndex; ++k)
      if (k != i) measurePresentPair(i, k);
  for (int i = 0; i <= Main.LastObjectIndex; ++i) {
    for (int k = 0; k <= Main.LastObjectIndex; ++k) {
      if (k == i) continue;
      Main.StepStartSourceRadialVelocity(i, k) = 0;
      Main.StepStartTargetRadialVelocity(i, k) = 0;
      Main.SourceRadialAcceleration(i, k) = 0;
      Main.TargetRadialAcceleration(i, k) = 0;
    }
  }
}

// The stored traces reach five light-hours back at the speed of gravity:
// HistoryPoints + 1 records, P00 apart, extrapolated backwards along the
// start velocities (at least 3 records; a count beyond the 16-bit range is
// an overflow error).
void ModelRun::fillHistory() {
  int16_t n = CInt(Main.Vsv * kHistoryReachLightSeconds / Main.Vgr / Main.P00);
  if (n < 2) n = 2;
  Main.HistoryPoints = n;
  for (auto* table : {&Main.PositionHistoryX, &Main.PositionHistoryY, &Main.PositionHistoryZ,
                      &Main.HistorySnapshotX, &Main.HistorySnapshotY, &Main.HistorySnapshotZ})
    table->redim(kBodyCount - 1, n);
  Main.PositionHistoryTime.redim(n);
  Main.HistorySnapshotTime.redim(n);
  history_.resize(n);
  double x[kBodyCount], y[kBodyCount], z[kBodyCount];
  for (int j = 0; j <= n; ++j) {
    for (int i = 0; i < kBodyCount; ++i) {
      x[i] = Main.PositionHistoryX(i, j) = Main.X[i] - Main.P00 * Main.VX[i] * j;
      y[i] = Main.PositionHistoryY(i, j) = Main.Y[i] - Main.P00 * Main.VY[i] * j;
      z[i] = Main.PositionHistoryZ(i, j) = Main.Z[i] - Main.P00 * Main.VZ[i] * j;
    }
    Main.PositionHistoryTime[j] = Main.ModelTime - Main.P00 * j;
    history_.setRecord(j, Main.PositionHistoryTime[j], x, y, z);
  }
  Main.LastHistoryTime = Main.ModelTime;
}

// The state vector of bodies 0..b (b = 10 in a model run, 9 for an
// imitator), and over the included ones the start kinetic energy, the
// angular momentum about the Sun, the total mass and the mass moments
// (slot 16 positions, slot 17 velocities).
void ModelRun::fillStateAndSums() {
  const int last = Main.ModelMode == 1 ? 10 : 9;
  Main.BodyNumber = last;
  Main.E0sys = Main.SystemMass = 0;
  for (int l = 0; l <= last; ++l) {
    const double values[6] = {Main.X[l], Main.Y[l], Main.Z[l], Main.VX[l], Main.VY[l], Main.VZ[l]};
    for (int m = 0; m < 6; ++m) Main.StateVector[l + m * kBodyCount] = values[m];
    measurePresentPair(0, l);
    Main.SunDistance[l] = Main.PairDistance(0, l);
    Main.Speed[l] = std::sqrt(Main.VY[l] * Main.VY[l] + Main.VX[l] * Main.VX[l] + Main.VZ[l] * Main.VZ[l]);
    const double weight = Main.ObjectIncluded[l] * Main.Mass[l];
    Main.E0sys += weight * Main.Speed[l] * Main.Speed[l] / 2;
    Main.SystemMass += weight;
  }
  Main.M0sys = angularMomentumAbout(0, 0, last);
  sumMassMoments(last);
}

// The precise start energy: the planets' mutual potential energy added
// (the Sun left out), the centre of mass into slot 14 and the angular
// momentum taken about it.
void ModelRun::addPreciseEnergy() {
  const int last = Main.BodyNumber;
  Main.E0sys += planetPairPotential(last);
  centreOfMassFromMoments();
  Main.M0sys = angularMomentumAbout(14, 0, last);
}

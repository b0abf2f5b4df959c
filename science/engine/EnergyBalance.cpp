// The energy and angular-momentum balance of the output pass ("dEsys,
// dMsys, %"), and the test criterion that a plan run "по тесту" evaluates
// instead of a run.
#include <cmath>

#include "core/runtime/Clock.h"
#include "core/runtime/NumberText.h"
#include "core/runtime/ProgramFolder.h"
#include "core/runtime/TextFile.h"
#include "core/state/SharedState.h"
#include "science/engine/ModelRun.h"
#include "science/engine/RunGeometry.h"
#include "science/engine/RunFileIO.h"

namespace {

double speedOf(int body) {
  return std::sqrt(Main.VX[body] * Main.VX[body] + Main.VY[body] * Main.VY[body] + Main.VZ[body] * Main.VZ[body]);
}

}  // namespace

// Esys: the kinetic energy plus the potential energy of each body in the
// Sun's field counted from its value at the start of the run, and with the
// precise energy also the whole mutual potential energy of the planets;
// MKDsys: the angular momentum about the Sun, or with the precise energy
// about the centre of mass (slot 14).
void ModelRun::balanceEnergy(RunWindow& window, bool draw) {
  Main.Speed[0] = speedOf(0);
  Main.Esys = 0;
  Main.KineticEnergy = Main.ObjectIncluded[0] * Main.Mass[0] * Main.Speed[0] * Main.Speed[0] / 2;
  Main.BodyNumber = Main.ModelMode == 1 ? 10 : 9;
  const int last = Main.BodyNumber;
  Main.MKDsys = angularMomentumAbout(0, 1, last);
  for (int i = 1; i <= last; ++i) {
    measurePresentPair(0, i);
    Main.Speed[i] = speedOf(i);
    Main.KineticEnergy += Main.ObjectIncluded[i] * Main.Mass[i] * Main.Speed[i] * Main.Speed[i] / 2;
    Main.Esys += (1 / Main.SunDistance[i] - 1 / Main.PairDistance(0, i)) * Main.ObjectIncluded[i] * Main.gamma *
                 Main.Mass[0] * Main.Mass[i];
  }
  Main.Esys += Main.KineticEnergy;

  if (Main.PreciseEnergyFlag == 1) {
    Main.Esys += planetPairPotential(last);
    sumMassMoments(last);
    if (Main.InstantCentreOfMassFlag == 1) centreOfMassFromMoments();
    if (draw && Main.CentreOfMassDisplayFlag == 1) window.showCentreOfMass();
    Main.MKDsys = angularMomentumAbout(14, 0, last);
  }
  if (draw) window.showEnergyBalance();
  if (controls_.writeOrbitRecords) WriteOrbitRecord();
}

// The test criterion of a plan experiment: the sum of |δ| and δ² over the
// seven factors, δ = (value − reference) / reference; 0 at the references.
void ModelRun::evaluateTestCriterion() {
  Sleep(1000);
  Main.Y[88] = 88;
  const int r = Stat.RunIndex;
  const double reference[8] = {0, 100, 100, 100, 100, 1, Main.JupiterTestReference, Main.TestReference};
  double deviation[8];
  for (int p = 1; p <= 7; ++p) deviation[p] = (Stat.RunValues(p, r) - reference[p]) / reference[p];
  double criterion = 0;
  for (int p = 1; p <= 7; ++p) criterion += std::fabs(deviation[p]);
  for (int p = 1; p <= 7; ++p) criterion += deviation[p] * deviation[p];
  Stat.Criterion[r] = criterion;
  appendToRunFile(Main.RecordFilePath, Main.RecordFileHandle,
                  [&](int file) { PrintZones(file, {Stat.RunIndex, Fix(Main.MK * criterion)}); });
}

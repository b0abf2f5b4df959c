#include "core/state/ModelStartData.h"

namespace {

// Copies every field between the shared state and a value, one list for both
// directions so that they cannot drift apart.
template <typename From, typename To>
void copyStartData(From& from, To& to) {
  to.X0 = from.X0;
  to.Y0 = from.Y0;
  to.Z0 = from.Z0;
  to.VX0 = from.VX0;
  to.VY0 = from.VY0;
  to.VZ0 = from.VZ0;
  to.Mass = from.Mass;
  to.MassRatio = from.MassRatio;
  to.mSol = from.mSol;
  to.AlfaL = from.AlfaL;
  to.AlfaP = from.AlfaP;
  to.AlfaU = from.AlfaU;
  to.Betta = from.Betta;
  to.Eks = from.Eks;
  to.Rsr = from.Rsr;
  to.RsrAU = from.RsrAU;
  to.Wsr = from.Wsr;
  to.kodMoon = from.kodMoon;
  to.kodBary = from.kodBary;
}

}  // namespace

ModelStartData currentModelStartData() {
  ModelStartData data;
  copyStartData(Main, data);
  return data;
}

void restoreModelStartData(const ModelStartData& data) { copyStartData(data, Main); }

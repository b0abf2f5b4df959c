#pragma once
// The model's start data as the start-up window leaves them: the start
// states, masses and elements of the bodies and the Earth-Moon and
// central-mass options that the initial data were computed with. Tool
// windows (the aberration, converter, Moon and two-body windows) reach the
// element theories and the Kepler procedures, which work on these shared
// tables; they keep what they computed in their own variables and hand the
// tables back as they found them.
#include <cstdint>

#include "core/state/SharedState.h"

struct ModelStartData {
  Table1<double, 13> X0, Z0, VX0, VY0, VZ0;
  Table1<double, 26> Y0;
  Table1<double, 13> Mass, MassRatio;
  double mSol{};
  Table1<double, 13> AlfaL, AlfaP, AlfaU, Betta, Eks, Rsr, RsrAU, Wsr;
  int16_t kodMoon{}, kodBary{};

  bool operator==(const ModelStartData&) const = default;
};

// The start data as the shared state holds them now.
ModelStartData currentModelStartData();
void restoreModelStartData(const ModelStartData& data);

// Takes the start data on construction and puts them back on destruction,
// also when the computation in between ends with an error.
class KeepModelStartData {
 public:
  KeepModelStartData() : saved_(currentModelStartData()) {}
  ~KeepModelStartData() { restoreModelStartData(saved_); }
  KeepModelStartData(const KeepModelStartData&) = delete;
  KeepModelStartData& operator=(const KeepModelStartData&) = delete;

 private:
  ModelStartData saved_;
};

#pragma once
// The shared pair tables that the laws of gravity pressure carry from stage
// to stage and from step to step, seen through unchecked views. The pair
// loops of the right-hand side and the bookkeeping of the run loop index
// them with bodies 0..10 only, well inside every table's bounds, and read
// and write them many times per step: a view skips the bound check of each
// access and keeps the shared tables the one place where the values live.
//
// Element (i, k): i the source (the attracting body), k the attracted body.
#include "core/state/SharedState.h"

namespace nbody {

// One shared Table2<double, Hi1, Hi2> seen as a plain array.
template <class Table>
class PairTableView {
 public:
  explicit PairTableView(Table& table) : base_(&table(0, 0)) {}
  double& operator()(int i, int k) const { return base_[i * kStride + k]; }

 private:
  static constexpr long kStride = Table::upper2 + 1;
  double* base_;
};

template <class Table>
PairTableView<Table> viewOf(Table& table) {
  return PairTableView<Table>(table);
}

using KinematicsView = PairTableView<Table2<double, 13, 13>>;

// The kinematics of the pairs (names as the shared tables), m, s.
struct PairKinematicsTables {
  // Vi', the source's velocity when its gravity left, and its magnitude.
  KinematicsView SourceVelocityX{Main.SourceVelocityX}, SourceVelocityY{Main.SourceVelocityY},
      SourceVelocityZ{Main.SourceVelocityZ}, SourceSpeed{Main.SourceSpeed};
  // Vi, Vk along the pair, dR/dt, d²R/dt².
  KinematicsView SourceRadialVelocity{Main.SourceRadialVelocity}, TargetRadialVelocity{Main.TargetRadialVelocity},
      RangeRate{Main.RangeRate}, RangeAcceleration{Main.RangeAcceleration};
  // Rates of Vi and Vk, their rates, and the values of the previous step.
  KinematicsView SourceRadialAcceleration{Main.SourceRadialAcceleration},
      TargetRadialAcceleration{Main.TargetRadialAcceleration}, SourceRadialJerk{Main.SourceRadialJerk},
      TargetRadialJerk{Main.TargetRadialJerk}, SavedSourceRadialAcceleration{Main.SavedSourceRadialAcceleration},
      SavedTargetRadialAcceleration{Main.SavedTargetRadialAcceleration};
  // Vi, Vk and Vi' at the start of the step.
  KinematicsView StepStartSourceRadialVelocity{Main.StepStartSourceRadialVelocity},
      StepStartTargetRadialVelocity{Main.StepStartTargetRadialVelocity},
      StepStartSourceVelocityX{Main.StepStartSourceVelocityX}, StepStartSourceVelocityY{Main.StepStartSourceVelocityY},
      StepStartSourceVelocityZ{Main.StepStartSourceVelocityZ};
  // Ai' of the Л-В law, its share along the pair and its value kept by the
  // run loop; Rf of the law.
  KinematicsView SourceAccelerationX{Main.SourceAccelerationX}, SourceAccelerationY{Main.SourceAccelerationY},
      SourceAccelerationZ{Main.SourceAccelerationZ}, SourceAccelerationAlong{Main.SourceAccelerationAlong},
      SourceAccelerationAlongX{Main.SourceAccelerationAlongX}, SourceAccelerationAlongY{Main.SourceAccelerationAlongY},
      SourceAccelerationAlongZ{Main.SourceAccelerationAlongZ},
      SavedSourceAccelerationX{Main.SavedSourceAccelerationX}, SavedSourceAccelerationY{Main.SavedSourceAccelerationY},
      SavedSourceAccelerationZ{Main.SavedSourceAccelerationZ}, Rf{Main.Rf};
  // Per body: the rate of change of its acceleration (Л-В with rates of
  // accelerations), m/s³.
  const double* JerkX = Main.JerkX.data();
  const double* JerkY = Main.JerkY.data();
  const double* JerkZ = Main.JerkZ.data();
};

// The views on the shared state (built once: the shared module never moves).
inline const PairKinematicsTables& pairKinematicsTables() {
  static const PairKinematicsTables tables;
  return tables;
}

}  // namespace nbody

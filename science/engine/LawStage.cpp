// The instances of the law kernels: one per retardation and law, chosen
// once per call.
#include "science/engine/LawStage.h"

#include "science/engine/LawKernels.h"

namespace nbody {

void lawStageAccelerations(const StageContext& c, const Interaction& in, double* acceleration) {
  NoPairRecord none;
  pressureLawAccelerations(c, in, acceleration, none);
}

void lawStageAccelerations(const StageContext& c, const Interaction& in, double* acceleration,
                           PairTablesRecord& record) {
  pressureLawAccelerations(c, in, acceleration, record);
}

}  // namespace nbody

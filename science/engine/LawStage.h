#pragma once
// The classical accelerations of one Runge-Kutta stage under the law of
// gravity pressure of the interaction (Interaction::law not None), with or
// without copying every pair into the shared pair tables. The law kernels
// are compiled on their own, apart from the right-hand sides without a law.
#include "science/engine/Interaction.h"
#include "science/engine/PairKernels.h"
#include "science/engine/PairTablesRecord.h"

namespace nbody {

void lawStageAccelerations(const StageContext& c, const Interaction& in, double* acceleration);
void lawStageAccelerations(const StageContext& c, const Interaction& in, double* acceleration,
                           PairTablesRecord& record);

}  // namespace nbody

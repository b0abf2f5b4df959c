// The plan file "\Plan1\CelvanPlan1.dat" loaded as both plan windows load
// it, each failure ending in its message.
#include <cstddef>
#include <cstdint>

#include "core/state/SharedState.h"
#include "core/state/StartUpState.h"
#include "fuzz/FuzzSupport.h"
#include "core/stat/PlanFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  static const bool started = [] {
    startWithStartUpState();
    fuzz::useProgramFolder({"Plan1"});
    return true;
  }();
  (void)started;
  fuzz::writeProgramFile("Plan1/CelvanPlan1.dat", data, size);
  fuzz::runReader([] { loadPlanFile("1", "Celvan7m"); });
  return 0;
}

#include "core/state/SharedState.h"

#include <memory>

void resetSharedState() {
  // The modules are too large for the stack: build the fresh copies on the heap.
  Main = *std::make_unique<MainModule>();
  Stat = *std::make_unique<StatModule>();
}

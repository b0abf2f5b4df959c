#pragma once
// A run window without a window: fixed controls, an event pump that lets
// nothing run, and a hook called at every event pump. The benchmarks and
// the physics checks run the model through it.
#include <functional>

#include "science/engine/RunWindow.h"

class HeadlessRunWindow : public RunWindow {
 public:
  RunControls controls;
  // Called at every event pump (the output pass); may change the shared
  // state as a handler would.
  std::function<void()> onEvents;
  // Number of event pumps so far.
  int eventPumps = 0;

  RunControls readControls() override { return controls; }
  int letEventsRun() override {
    ++eventPumps;
    if (onEvents) onEvents();
    return 1;
  }
};

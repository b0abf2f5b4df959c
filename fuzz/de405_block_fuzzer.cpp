// A DE405 file holding the first day of 2000: the block that holds the day
// is looked for and every object evaluated from it in both frames.
#include <cstddef>
#include <cstdint>

#include "core/de405/DE405.h"
#include "core/state/SharedState.h"
#include "core/state/StartUpState.h"
#include "fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  static const bool started = [] {
    startWithStartUpState();
    fuzz::useProgramFolder({"JPL"});
    return true;
  }();
  (void)started;
  fuzz::writeProgramFile("JPL/ascp2000.405", data, size);
  Main.StopFlag = 0;
  Main.JD = 2451545.0;
  fuzz::runReader([] {
    LoadDE405Block();
    for (int32_t body = 0; body <= 11; ++body)
      for (int16_t frame = 0; frame <= 1; ++frame) EvaluateDE405Body(body, frame);
  });
  Main.FileState = 0;  // the file was closed with every other
  return 0;
}

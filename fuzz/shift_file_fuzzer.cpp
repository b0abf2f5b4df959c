// The secular-shift files as the statistics window reads them: the first
// byte chooses a model file (a count line, a row per experiment) or an
// observed one (a row per body); the rest is the file.
#include <cstddef>
#include <cstdint>

#include "core/runtime/ProgramFolder.h"
#include "core/runtime/TextFile.h"
#include "fuzz/FuzzSupport.h"
#include "science/sample/OrbitSample.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  fuzz::useProgramFolder({});
  fuzz::writeProgramFile("shifts.dat", data + 1, size - 1);
  const bool observed = (data[0] & 1) != 0;
  fuzz::runReader([&] {
    const int file = FreeFile();
    Open(programPath("\\shifts.dat"), OpenMode::Input, file);
    sample::ShiftFileContents contents;
    if (observed)
      sample::readObservedShiftFile(file, contents);
    else
      sample::readModelShiftFile(file, contents);
  });
  return 0;
}

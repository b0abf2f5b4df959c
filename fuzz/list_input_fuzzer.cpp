// List input and whole-line input on any file: the first byte chooses the
// reads (two bits each: a number, a text, a line, a number), the rest is the
// file. Each read either takes at least one byte or refuses, so a file is
// read through in fewer reads than it has bytes.
#include <cstddef>
#include <cstdint>

#include "core/runtime/ProgramFolder.h"
#include "core/runtime/TextFile.h"
#include "fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  fuzz::useProgramFolder({});
  fuzz::writeProgramFile("input.txt", data + 1, size - 1);
  const unsigned reads = data[0];
  fuzz::runReader([&] {
    const int file = FreeFile();
    Open(programPath("\\input.txt"), OpenMode::Input, file);
    for (std::size_t i = 0; !EndOfFile(file); ++i) {
      if (i > size) __builtin_trap();  // a read that took nothing
      switch ((reads >> (2 * (i % 4))) & 3u) {
        case 1: InputText(file); break;
        case 2: LineInput(file); break;
        default: InputNumber(file); break;
      }
    }
  });
  return 0;
}

#include "science/engine/RunFileIO.h"

#include "core/runtime/ProgramFolder.h"

void writeRunFile(const std::string& relativePath, OpenMode mode, int16_t& handle,
                  const std::function<void(int fileNumber)>& write) {
  handle = static_cast<int16_t>(FreeFile());
  Open(programPath(relativePath), mode, handle);
  try {
    write(handle);
  } catch (...) {
    Abandon(handle);  // a file being replaced keeps its old text
    throw;
  }
  Close(handle);
}

#include "core/runtime/ProgramFiles.h"

#include "core/runtime/ErrorTrap.h"
#include "core/runtime/ProgramFolder.h"
#include "core/runtime/TextFile.h"

namespace {

// A free file number under the trap of the opening.
int freeFileNumber(const FileMessages& messages) {
  int file = 0;
  withErrorTrap(messages.cannotOpen, messages.title, [&] { file = FreeFile(); });
  return file;
}

}  // namespace

bool readProgramFile(const std::string& path, const FileMessages& messages,
                     const std::function<void(int)>& read) {
  const int file = freeFileNumber(messages);
  if (file == 0) return false;
  if (!withErrorTrap(messages.cannotOpen, messages.title, [&] { Open(programPath(path), OpenMode::Input, file); }))
    return false;
  const bool done = withErrorTrap(messages.failed, messages.title, [&] { read(file); });
  Close(file);
  return done;
}

bool writeProgramFile(const std::string& path, const FileMessages& messages,
                      const std::function<void(int)>& write) {
  return saveTextFile(programPath(path), messages, write);
}

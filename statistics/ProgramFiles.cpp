#include "statistics/ProgramFiles.h"

#include "core/runtime/ErrorTrap.h"
#include "core/runtime/ProgramFolder.h"
#include "core/runtime/TextFile.h"

namespace {

bool useProgramFile(const std::string& path, OpenMode mode, const FileMessages& messages,
                    const std::function<void(int)>& work) {
  int file = 0;
  const bool opened = withErrorTrap(messages.cannotOpen, messages.title, [&] {
    file = FreeFile();
    Open(programPath(path), mode, file);
  });
  if (!opened) return false;
  const bool done = withErrorTrap(messages.failed, messages.title, [&] { work(file); });
  Close(file);
  return done;
}

}  // namespace

bool readProgramFile(const std::string& path, const FileMessages& messages,
                     const std::function<void(int)>& read) {
  return useProgramFile(path, OpenMode::Input, messages, read);
}

bool writeProgramFile(const std::string& path, const FileMessages& messages,
                      const std::function<void(int)>& write) {
  return useProgramFile(path, OpenMode::Output, messages, write);
}

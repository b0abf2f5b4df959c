#include "core/runtime/SaveFile.h"

#include "core/runtime/ErrorTrap.h"
#include "core/runtime/RuntimeError.h"
#include "core/runtime/TextFile.h"

namespace {

// Runs write on an open file and closes it; when write fails the file is
// abandoned (nothing of it kept) and the error passes on.
void writeAndClose(int fileNumber, const std::function<void(int)>& write) {
  try {
    write(fileNumber);
  } catch (...) {
    Abandon(fileNumber);
    throw;
  }
  Close(fileNumber);
}

}  // namespace

bool saveTextFile(const std::string& path, int fileNumber, const FileMessages& messages,
                  const std::function<void(int)>& write) {
  if (!withFileErrorTrap(messages.cannotOpen, messages.title, [&] { Open(path, OpenMode::Output, fileNumber); }))
    return false;
  return withFileErrorTrap(messages.failed, messages.title, [&] {
    writeAndClose(fileNumber, [&](int file) {
      write(file);
      throwOnFloatingPointFlags();  // a value that could not be formatted
    });
  });
}

bool saveTextFile(const std::string& path, const FileMessages& messages, const std::function<void(int)>& write) {
  int fileNumber = 0;
  if (!withErrorTrap(messages.cannotOpen, messages.title, [&] { fileNumber = FreeFile(); })) return false;
  return saveTextFile(path, fileNumber, messages, write);
}

void appendTextRecord(const std::string& path, const std::function<void(int)>& write) {
  const int fileNumber = FreeFile();
  Open(path, OpenMode::Append, fileNumber);
  writeAndClose(fileNumber, write);
}

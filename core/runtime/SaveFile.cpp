#include "core/runtime/SaveFile.h"

#include "core/runtime/ErrorTrap.h"
#include "core/runtime/RuntimeError.h"
#include "core/runtime/TextFile.h"

bool saveTextFile(const std::string& path, int fileNumber, const FileMessages& messages,
                  const std::function<void(int)>& write) {
  if (!withErrorTrap(messages.cannotOpen, messages.title, [&] { Open(path, OpenMode::Output, fileNumber); }))
    return false;
  return withErrorTrap(messages.failed, messages.title, [&] {
    try {
      write(fileNumber);
      throwOnFloatingPointFlags();
    } catch (...) {
      Abandon(fileNumber);
      throw;
    }
    Close(fileNumber);
  });
}

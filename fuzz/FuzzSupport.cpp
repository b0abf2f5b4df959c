#include "fuzz/FuzzSupport.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>

#include "core/runtime/MessageBox.h"
#include "core/runtime/ProgramFolder.h"
#include "core/runtime/RuntimeError.h"
#include "core/runtime/TextFile.h"

namespace fuzz {

namespace {

std::filesystem::path& folder() {
  static std::filesystem::path path;
  return path;
}

void removeFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(folder(), ignored);
}

}  // namespace

void useProgramFolder(std::initializer_list<const char*> subfolders) {
  if (!folder().empty()) return;
  std::string pattern = std::filesystem::is_directory("/dev/shm") ? "/dev/shm/celvan-fuzz-XXXXXX"
                                                                 : "/tmp/celvan-fuzz-XXXXXX";
  folder() = mkdtemp(pattern.data());
  std::atexit(removeFolder);
  for (const char* sub : subfolders) std::filesystem::create_directories(folder() / sub);
  setProgramFolder(folder().string());
  setMessageBoxHandler([](const MessageBoxRequest& box) {
    return box.buttons == MsgBoxButtons::Ok ? MsgBoxResult::Ok : MsgBoxResult::No;
  });
}

void writeProgramFile(const std::string& relative, const uint8_t* data, std::size_t size) {
  std::ofstream out(folder() / relative, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

void runReader(const std::function<void()>& reader) {
  try {
    reader();
  } catch (const RuntimeError&) {
  }
  try {
    CloseAll();
  } catch (const RuntimeError&) {
  }
}

}  // namespace fuzz

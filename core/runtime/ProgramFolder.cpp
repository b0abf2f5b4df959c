#include "core/runtime/ProgramFolder.h"

#include <filesystem>
#include <optional>

namespace {

std::optional<std::string>& chosenFolder() {
  static std::optional<std::string> folder;
  return folder;
}

std::string executableFolder() {
  std::error_code error;
  const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return std::filesystem::current_path(error).string();
  return executable.parent_path().string();
}

}  // namespace

std::string ProgramFolder() {
  if (!chosenFolder()) chosenFolder() = executableFolder();
  return *chosenFolder();
}

void setProgramFolder(const std::string& folder) { chosenFolder() = folder; }

std::string programPath(const std::string& backslashPath) {
  std::string relative = backslashPath;
  for (char& c : relative)
    if (c == '\\') c = '/';
  std::string folder = ProgramFolder();
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  if (!relative.empty() && relative.front() != '/') folder += '/';
  return folder + relative;
}

bool isPlainFileName(const std::string& name) {
  return name.find_first_of("/\\") == std::string::npos && name.find("..") == std::string::npos;
}

#pragma once
// ScratchFolder: a folder of the test's own under the temporary folder, with
// a name no other run has (users and runs on one machine share /tmp), removed
// with all it holds when the test is done.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <string>
#include <system_error>

class ScratchFolder {
 public:
  explicit ScratchFolder(const std::string& name) {
    std::string pattern = ::testing::TempDir() + "/" + name + "-XXXXXX";
    if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
  }
  ~ScratchFolder() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

#pragma once
// The table of open files behind the file numbers (inside the run-time only).
#include <cstdio>
#include <memory>
#include <string>

#include "core/runtime/TextFile.h"

struct OpenTextFile {
  OpenMode mode = OpenMode::Input;
  std::string path;
  // Input: the whole file as read (Windows-1251 bytes) and the read position.
  std::string bytes;
  std::size_t position = 0;
  // Output and Append: the stream written to. Output writes into a
  // temporary file beside the target (temporaryPath), which replaces the
  // target only when the file is closed without an error.
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> stream{nullptr, &std::fclose};
  std::string temporaryPath;
  bool writeFailed = false;  // a write was refused: the close keeps nothing
};

constexpr int kHighestFileNumber = 511;

// The open file under a number; throws BadFileNumber when none is open and
// BadFileMode when it is not open for reading (or for writing).
OpenTextFile& fileOpenForReading(int fileNumber);
OpenTextFile& fileOpenForWriting(int fileNumber);

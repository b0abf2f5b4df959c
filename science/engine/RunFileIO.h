#pragma once
// The one way the run writes its files: a file below the program folder
// opened on a free file number, written, and closed again whatever happens
// while it is written, so that a failed write leaves no file open.
#include <cstdint>
#include <functional>
#include <string>

#include "core/runtime/TextFile.h"

// Opens the file (path relative to the program folder, written the classic
// way, "\Dat\x.txt") in the mode, keeps its number in `handle`, lets
// `write` print into it and closes it. A file that cannot be opened throws;
// when write throws, a file opened for Output is left as it was before.
void writeRunFile(const std::string& relativePath, OpenMode mode, int16_t& handle,
                  const std::function<void(int fileNumber)>& write);

inline void appendToRunFile(const std::string& relativePath, int16_t& handle,
                            const std::function<void(int fileNumber)>& write) {
  writeRunFile(relativePath, OpenMode::Append, handle, write);
}

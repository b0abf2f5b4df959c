#pragma once
// The table of open files behind the file numbers (inside the run-time only).
#include <sys/types.h>

#include <string>

#include "core/runtime/TextFile.h"

struct OpenTextFile {
  OpenMode mode = OpenMode::Input;
  std::string path;
  // Input: the whole file as read (Windows-1251 bytes) and the read position.
  std::string bytes;
  std::size_t position = 0;
  // Output and Append: the file written to and the lines not yet handed to
  // the system. Output writes into a new file beside the target
  // (temporaryPath), which replaces the target only when the file is closed
  // without an error; Append writes at the end of the target, which is cut
  // back to lengthBefore when a write of this opening fails.
  int descriptor = -1;
  std::string unwritten;
  std::string temporaryPath;
  off_t lengthBefore = 0;
  int refusal = 0;  // the system's error number of a refused write: the close keeps nothing
};

constexpr int kHighestFileNumber = 511;

// The open file under a number; throws BadFileNumber when none is open and
// BadFileMode when it is not open for reading (or for writing).
OpenTextFile& fileOpenForReading(int fileNumber);
OpenTextFile& fileOpenForWriting(int fileNumber);

// Writes a line into a file open for Output or Append; a refusal of the
// system throws DeviceIOError with the file and the reason.
void writeBytes(OpenTextFile& file, const std::string& bytes);

// The reason of a system error number in the user's words.
std::string causeOfFileFailure(int systemError);

#pragma once
// A whole text file below the program folder read or written under a
// handler's error traps: one message when the file cannot be opened, another
// when reading or writing it fails. The file is closed in every case; what
// the work changed before a failure stays changed.
#include <functional>
#include <string>

#include "core/runtime/SaveFile.h"

// readProgramFile: opens path (written the classic way, "\Plan1\...") for
// reading and hands its file number to read.
// Returns:  true when the file was opened and read without an error; false
//           after the message of the failure
bool readProgramFile(const std::string& path, const FileMessages& messages,
                     const std::function<void(int file)>& read);
// writeProgramFile: the same for writing; the file is created or replaced
// only when the whole of it was written (saveTextFile), so a failed write
// leaves the old file as it was.
bool writeProgramFile(const std::string& path, const FileMessages& messages,
                      const std::function<void(int file)>& write);

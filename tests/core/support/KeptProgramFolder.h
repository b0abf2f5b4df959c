#pragma once
// The program folder as a test found it, given back when the guard ends, so
// that a test pointing the program at a folder of its own leaves the next
// test of the same process the folder it would have had.
#include <string>

#include "core/runtime/ProgramFolder.h"

class KeptProgramFolder {
 public:
  KeptProgramFolder() : folder_(ProgramFolder()) {}
  ~KeptProgramFolder() { setProgramFolder(folder_); }
  KeptProgramFolder(const KeptProgramFolder&) = delete;
  KeptProgramFolder& operator=(const KeptProgramFolder&) = delete;

 private:
  std::string folder_;
};

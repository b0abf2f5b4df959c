#include <gtest/gtest.h>

#include <errno.h>  // program_invocation_name

#include <filesystem>
#include <string>

#include "core/runtime/ProgramFolder.h"
#include "core/support/KeptProgramFolder.h"

namespace {

TEST(ProgramFolder, IsTheFolderOfTheRunningProgram) {
  // The test runner lies in the program folder, beside the data tree.
  const std::filesystem::path folder = ProgramFolder();
  EXPECT_TRUE(folder.is_absolute());
  EXPECT_TRUE(std::filesystem::is_regular_file(folder / std::filesystem::path(program_invocation_name).filename()));
}

TEST(ProgramFolder, ClassicPathsBecomePathsBelowTheFolder) {
  const KeptProgramFolder kept;
  setProgramFolder("/opt/celvan");
  EXPECT_EQ(programPath("\\Dat\\Celvan1.dat"), "/opt/celvan/Dat/Celvan1.dat");
  EXPECT_EQ(programPath("\\Plan0\\Txt3\\Celvan3Ras1.txt"), "/opt/celvan/Plan0/Txt3/Celvan3Ras1.txt");
  EXPECT_EQ(programPath("JPL\\ascp1600.405"), "/opt/celvan/JPL/ascp1600.405");
  setProgramFolder("/opt/celvan/");
  EXPECT_EQ(programPath("\\Dat\\x.txt"), "/opt/celvan/Dat/x.txt");
  EXPECT_EQ(ProgramFolder(), "/opt/celvan/");
}

}  // namespace

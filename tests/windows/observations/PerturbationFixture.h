#pragma once
// What the tests of the perturbation windows Form21 and Form22 share: the
// shared state as after the program's start, a program folder of their own
// with a "Dat" folder, a message-box recorder and the user's actions.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "core/runtime/ProgramFolder.h"
#include "core/runtime/TextFile.h"
#include "core/state/SharedState.h"
#include "core/state/StartUpState.h"
#include "ui/FormsRuntime.h"
#include "ui/MessageBoxRecorder.h"
#include "ui/UserActions.h"
#include "windows/support/WindowTest.h"

class PerturbationTest : public WindowTest {
 protected:
  void SetUp() override {
    startWithStartUpState();
    useTemporaryProgramFolder({"Dat"});
  }

  // A file below the program folder, written or read as bytes (UTF-8 text
  // is converted to and from the files' Windows-1251).
  void writeProgramFile(const std::string& relative, const std::string& utf8) const {
    std::ofstream out(folder_ / relative, std::ios::binary);
    out << utf8ToCp1251(utf8);
  }
  std::string readProgramFile(const std::string& relative) const {
    std::ifstream in(folder_ / relative, std::ios::binary);
    return cp1251ToUtf8(std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
  }

  void expectOneMessage(const std::string& text) {
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, text);
    EXPECT_EQ(boxes.last().title, "Celvan7");
  }

};

#pragma once
// What the tests of Form1 share: a program folder of their own (with "Dat"
// and "JPL"), a message-box recorder, the start of the program as a user
// sees it, and a few readers of what the window shows.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/runtime/NumberText.h"
#include "core/runtime/ProgramFolder.h"
#include "core/state/SharedState.h"
#include "setup/Form1.h"
#include "ui/MessageBoxRecorder.h"
#include "ui/UserActions.h"
#include "windows/support/WindowTest.h"

class Form1Test : public WindowTest {
 protected:
  void SetUp() override {
    resetSharedState();
    useTemporaryProgramFolder({"Dat", "JPL"});
  }

  // The program as it stands after its start: Form1 loaded (the start-up
  // sequence ran) and shown (activated).
  Form1& startProgram() {
    Form1& form = form1();
    form.Show();
    return form;
  }

  // The three-block DE405 excerpt around J2000 in the program's "JPL" folder.
  void installDE405Excerpt() {
    std::filesystem::copy_file(
        std::filesystem::path(CELVAN_FIXTURES_DIR) / "de405" / "JPL" / "ascp2000.405",
        folder_ / "JPL" / "ascp2000.405");
  }

  // The date typed into the date boxes of Form1.
  static void typeDate(Form1& form, const std::string& year, const std::string& month,
                       const std::string& day) {
    type(form.Text34, year);
    type(form.Text33, month);
    type(form.Text32, day);
  }

};

// Degrees brought into 0..360.
inline double degreesInOneTurn(double degrees) {
  const double reduced = std::fmod(degrees, 360.0);
  return reduced < 0 ? reduced + 360.0 : reduced;
}

#pragma once
// What the tests of the model window share: a program folder of their own
// (with "Dat" and the plan folders of the series), a message-box recorder,
// the program started as a user sees it (Form1 loaded and shown) and the
// model window opened.
#include <gtest/gtest.h>

#include <QTimer>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "core/runtime/Clock.h"
#include "core/runtime/NumberText.h"
#include "core/runtime/ProgramFolder.h"
#include "core/state/SharedState.h"
#include "model/Form2.h"
#include "setup/Form1.h"
#include "ui/MessageBoxRecorder.h"
#include "ui/UserActions.h"
#include "windows/support/WindowTest.h"

class Form2Test : public WindowTest {
 protected:
  void SetUp() override {
    resetSharedState();
    useTemporaryProgramFolder({"Dat"});
    addPlanFolders(1);
    previousSleep_ = setSleepHandler([](int) {});
    form1().Show();
  }

  void TearDown() override {
    setSleepHandler(previousSleep_);
    WindowTest::TearDown();
  }

  // The model window, opened as "К моделированию" opens it (which also hands
  // the start-up window's elements over as the reference elements).
  Form2& openModelWindow() {
    click(form1().Command1);
    Form2& form = form2();
    form.Show();
    return form;
  }

  // A one-year run from the start date of the initial data (1801): the end
  // year is the year of the start.
  static void endInStartYear(Form2& form) { type(form.Text40, "1801"); }

  std::function<void(int)> previousSleep_;
};

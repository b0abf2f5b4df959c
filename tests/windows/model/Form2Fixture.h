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

class Form2Test : public ::testing::Test {
 protected:
  void SetUp() override {
    resetSharedState();
    char pattern[] = "/tmp/celvan-form2-XXXXXX";
    folder_ = mkdtemp(pattern);
    std::filesystem::create_directory(folder_ / "Dat");
    for (int plan = 0; plan <= 1; ++plan)
      for (int body = 1; body <= 11; ++body)
        std::filesystem::create_directories(folder_ / ("Plan" + std::to_string(plan)) / ("Txt" + std::to_string(body)));
    setProgramFolder(folder_.string());
    previousSleep_ = setSleepHandler([](int) {});
    form1().Show();
  }

  void TearDown() override {
    setSleepHandler(previousSleep_);
    ui::unloadAllForms();
    ui::destroyUnloadedForms();
    std::filesystem::remove_all(folder_);
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

  bool programFileExists(const std::string& relative) const { return std::filesystem::exists(folder_ / relative); }
  std::string fileBytes(const std::string& relative) const {
    std::ifstream in(folder_ / relative, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  static void click(ui::Control& control) { ui::clickAsUser(control); }
  static void type(ui::TextBox& box, const std::string& text) { ui::typeAsUser(box, text); }

  ui::MessageBoxRecorder boxes;

 private:
  std::filesystem::path folder_;
  std::function<void(int)> previousSleep_;
};

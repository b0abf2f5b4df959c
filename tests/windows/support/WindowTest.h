#pragma once
// What the window tests share: a program folder of the test's own (a fresh
// temporary folder with the sub-folders the test names, removed with all it
// holds afterwards, the folder before it given back), every window closed at
// the end of a case, a recorder that answers every message box, and the
// user's actions on controls.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>

#include "core/runtime/NumberText.h"
#include "core/runtime/ProgramFolder.h"
#include "core/support/KeptProgramFolder.h"
#include "ui/Forms.h"
#include "ui/MessageBoxRecorder.h"
#include "ui/UserActions.h"

class WindowTest : public ::testing::Test {
 protected:
  void TearDown() override {
    ui::unloadAllForms();
    ui::destroyUnloadedForms();
    if (!folder_.empty()) std::filesystem::remove_all(folder_);
  }

  // Makes a temporary program folder with the given sub-folders (created with
  // their parents) and points the program at it.
  void useTemporaryProgramFolder(std::initializer_list<const char*> subfolders) {
    char pattern[] = "/tmp/celvan-test-XXXXXX";
    folder_ = mkdtemp(pattern);
    for (const char* sub : subfolders) std::filesystem::create_directories(folder_ / sub);
    setProgramFolder(folder_.string());
  }
  // The model's result folders Plan0..PlanN with Txt1..Txt11 in each.
  void addPlanFolders(int lastPlan) const {
    for (int plan = 0; plan <= lastPlan; ++plan)
      for (int body = 1; body <= 11; ++body)
        std::filesystem::create_directories(folder_ / ("Plan" + std::to_string(plan)) /
                                            ("Txt" + std::to_string(body)));
  }

  std::filesystem::path programFile(const std::string& relative) const { return folder_ / relative; }
  bool programFileExists(const std::string& relative) const {
    return std::filesystem::exists(folder_ / relative);
  }
  // The bytes of a file below the program folder.
  std::string fileBytes(const std::string& relative) const {
    std::ifstream in(folder_ / relative, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  void writeFileBytes(const std::string& relative, const std::string& bytes) const {
    std::ofstream out(folder_ / relative, std::ios::binary);
    out << bytes;
  }

  static void click(ui::Control& control) { ui::clickAsUser(control); }
  static void type(ui::TextBox& box, const std::string& text) { ui::typeAsUser(box, text); }
  // The number a box shows, read with the user's decimal comma.
  static double shown(const ui::TextBox& box) { return CDbl(box.Text()); }
  // A check box ticked or unticked as the user clicks it.
  static void setTicked(ui::CheckBox& box, bool ticked) {
    if ((box.Value() == 1) != ticked) click(box);
  }

  const KeptProgramFolder keptFolder_;  // the program folder given back afterwards
  std::filesystem::path folder_;
  ui::MessageBoxRecorder boxes;
};

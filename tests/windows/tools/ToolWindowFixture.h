#pragma once
// What the tests of the tool windows share: a fresh shared state as after
// the program's start-up, a message-box recorder, the user's actions, and
// the number a box shows; every window is unloaded at the end of a case.
#include <gtest/gtest.h>

#include <string>

#include "core/runtime/NumberText.h"
#include "core/state/SharedState.h"
#include "core/state/StartUpState.h"
#include "ui/FormsRuntime.h"
#include "ui/MessageBoxRecorder.h"
#include "ui/UserActions.h"

class ToolWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { startWithStartUpState(); }
  void TearDown() override {
    ui::unloadAllForms();
    ui::destroyUnloadedForms();
  }
  static void click(ui::Control& control) { ui::clickAsUser(control); }
  static void type(ui::TextBox& box, const std::string& text) { ui::typeAsUser(box, text); }
  // The number a box shows, read with the user's decimal comma.
  static double shown(const ui::TextBox& box) { return CDbl(box.Text()); }

  ui::MessageBoxRecorder boxes;
};

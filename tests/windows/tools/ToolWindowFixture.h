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
#include "windows/support/WindowTest.h"

class ToolWindowTest : public WindowTest {
 protected:
  void SetUp() override { startWithStartUpState(); }
};

#pragma once
// The windows' readers are fuzzed through the windows themselves, as a user
// reaches them: the toolkit runs on its offscreen platform, the program's
// shared state starts as at the program's start, and the user's actions on
// controls come from the forms run-time.
#include "fuzz/FuzzSupport.h"
#include "ui/Forms.h"
#include "ui/UserActions.h"

namespace fuzz {

// Starts the toolkit (offscreen) and the shared state once, with a program
// folder holding the given sub-folders; the start window is loaded and shown
// as at the program's start.
void startWindows(std::initializer_list<const char*> subfolders);

}  // namespace fuzz

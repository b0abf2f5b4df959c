#pragma once
// The message-box responder of tests lives with the message boxes in the core
// run-time; windows' tests know it under ui:: as well.
#include "core/runtime/MessageBoxRecorder.h"

namespace ui {
using ::MessageBoxRecorder;
}  // namespace ui

#pragma once
// Message boxes. The shared modules and the windows call MsgBox; the window
// layer installs a handler that shows a dialog, tests install a responder
// that records every box and answers it.
#include <functional>
#include <string>

enum class MsgBoxButtons { Ok, YesNo };
enum class MsgBoxResult { Ok, Yes, No };

struct MessageBoxRequest {
  std::string text;
  MsgBoxButtons buttons;
  std::string title;
};

using MessageBoxHandler = std::function<MsgBoxResult(const MessageBoxRequest&)>;

MsgBoxResult MsgBox(const std::string& text, MsgBoxButtons buttons, const std::string& title);
inline MsgBoxResult MsgBox(const std::string& text, const std::string& title) {
  return MsgBox(text, MsgBoxButtons::Ok, title);
}

// Installs the handler and returns the previous one. Without a handler a box
// is written to standard error and answered Ok / No.
MessageBoxHandler setMessageBoxHandler(MessageBoxHandler handler);

#include "core/runtime/MessageBox.h"

#include <iostream>
#include <utility>

namespace {
MessageBoxHandler& currentHandler() {
  static MessageBoxHandler handler;
  return handler;
}
}  // namespace

MsgBoxResult MsgBox(const std::string& text, MsgBoxButtons buttons, const std::string& title) {
  if (const auto& handler = currentHandler()) return handler({text, buttons, title});
  std::cerr << "[" << title << "] " << text << '\n';
  return buttons == MsgBoxButtons::YesNo ? MsgBoxResult::No : MsgBoxResult::Ok;
}

MessageBoxHandler setMessageBoxHandler(MessageBoxHandler handler) {
  return std::exchange(currentHandler(), std::move(handler));
}

#pragma once
// A message-box responder for tests: while it lives, every MsgBox is
// recorded (text, buttons, title) and answered at once, so no test blocks
// on a dialog. Boxes with an OK button are answered Ok; questions (Yes and
// No) take the next queued answer, else the default answer.
//
//   MessageBoxRecorder boxes;                // questions answered No
//   boxes.queueAnswer(MsgBoxResult::Yes);    // the first question: Yes
//   form6().Command7_Click();
//   ASSERT_EQ(boxes.count(), 1);
//   EXPECT_EQ(boxes.last().text, "Не могу найти файл ...");
//
#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "core/runtime/MessageBox.h"

class MessageBoxRecorder {
 public:
  explicit MessageBoxRecorder(MsgBoxResult defaultAnswer = MsgBoxResult::No)
      : defaultAnswer_(defaultAnswer),
        previous_(setMessageBoxHandler(
            [this](const MessageBoxRequest& box) { return answer(box); })) {}
  ~MessageBoxRecorder() { setMessageBoxHandler(std::move(previous_)); }
  MessageBoxRecorder(const MessageBoxRecorder&) = delete;
  MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

  void queueAnswer(MsgBoxResult answer) { answers_.push_back(answer); }
  const std::vector<MessageBoxRequest>& boxes() const { return boxes_; }
  int count() const { return static_cast<int>(boxes_.size()); }
  // The last box; an empty request when none was shown.
  MessageBoxRequest last() const { return boxes_.empty() ? MessageBoxRequest{} : boxes_.back(); }
  void clear() { boxes_.clear(); }

 private:
  MsgBoxResult answer(const MessageBoxRequest& box) {
    boxes_.push_back(box);
    if (box.buttons == MsgBoxButtons::Ok) return MsgBoxResult::Ok;
    if (answers_.empty()) return defaultAnswer_;
    MsgBoxResult next = answers_.front();
    answers_.pop_front();
    return next;
  }

  MsgBoxResult defaultAnswer_;
  MessageBoxHandler previous_;
  std::deque<MsgBoxResult> answers_;
  std::vector<MessageBoxRequest> boxes_;
};


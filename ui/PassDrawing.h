#pragma once
// Drawing of a run's passes at most about 30 times a second.
//
// A run loop that showed every pass in its window would spend most of its
// time repainting text boxes and pictures, for more pictures than an eye
// can see. While a HeldDrawing of a window lives, what the passes write into
// its one-line text boxes and pictures is kept (Text gives it back, Change
// handlers fire at once, pictures draw into their images, report files and
// shared values go on as ever) and comes on the screen when the loop draws
// a pass: at most about 30 times a second by DrawingPace, and at every pass
// that must be seen (the last one, a single step, an event).
//
//   const ui::HeldDrawing held(*this);
//   for (;;) {
//     ... one pass ...
//     if (pace_.drawsThisPass(lastPass || event)) showHeldDrawing();
//     if (DoEvents() == 0) break;
//   }
//
// When the last HeldDrawing of a window ends (also by an exception), the
// window shows what it holds; so does every window before a message box.
#include <chrono>

#include "ui/Forms.h"

namespace ui {

// Whether a pass is drawn: when it must be, else when about a 30th of a
// second has gone by since the last drawn one.
class DrawingPace {
 public:
  bool drawsThisPass(bool mustDraw);

 private:
  std::chrono::steady_clock::time_point lastDrawing_{};
};

// Holds the drawing of a window while it lives (Form::holdDrawing).
class HeldDrawing {
 public:
  explicit HeldDrawing(Form& form) : form_(form) { form_.holdDrawing(); }
  ~HeldDrawing() { form_.releaseDrawing(); }
  HeldDrawing(const HeldDrawing&) = delete;
  HeldDrawing& operator=(const HeldDrawing&) = delete;

 private:
  Form& form_;
};

}  // namespace ui

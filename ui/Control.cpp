#include <QPointer>

#include <utility>

#include "core/runtime/RuntimeError.h"
#include "ui/Controls.h"
#include "ui/Forms.h"

namespace ui {

Control::Control(Form* owner, QWidget* widget) : owner_(owner), widget_(widget) {}

// The control takes its widget with it (unless the widget went already with
// a frame or picture that held it), so that nothing on the screen is left
// pointing at a control that is gone. Its handlers are cut off first: the
// parts of the derived control that hold them are gone already.
Control::~Control() {
  if (waitingToShow_) std::erase(owner_->heldControls_, this);
  if (widget_.isNull()) return;
  QObject::disconnect(widget_, nullptr, &context_, nullptr);
  delete widget_.data();
}

bool Control::Enabled() const { return !widget_->testAttribute(Qt::WA_ForceDisabled); }

void Control::setEnabled(bool enabled) { widget_->setEnabled(enabled); }

void Control::setVisible(bool visible) {
  visible_ = visible;
  widget_->setVisible(visible);
}

void Control::fire(const std::function<void()>& handler, EventOrigin origin) const {
  if (suppressed_ > 0) return;
  dispatchEvent(*owner_, origin, handler);
}

bool Control::drawingHeld() const { return owner_->drawingHeld(); }

void Control::showWhenDrawn() {
  if (std::exchange(waitingToShow_, true)) return;
  owner_->heldControls_.push_back(this);
}

void Form::showHeldDrawing() {
  const std::vector<Control*> held = std::exchange(heldControls_, {});
  for (Control* control : held) {
    control->waitingToShow_ = false;
    control->showHeld();
  }
}

void checkControlIndex(int index, int lowest, int highest) { checkIndex(index, lowest, highest); }

}  // namespace ui

#include "core/runtime/RuntimeError.h"
#include "ui/Controls.h"
#include "ui/Forms.h"

namespace ui {

Control::Control(Form* owner, QWidget* widget) : owner_(owner), widget_(widget) {}

// The widget belongs to the window's widget tree, which the window frees.
Control::~Control() = default;

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

void checkControlIndex(int index, int lowest, int highest) { checkIndex(index, lowest, highest); }

}  // namespace ui

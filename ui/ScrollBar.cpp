#include <QScrollBar>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "core/runtime/RuntimeError.h"
#include "ui/Controls.h"
#include "ui/Forms.h"

namespace ui {

// The Qt bar always runs from 0 to |Max - Min|; position 0 is Min, so a bar
// whose Max lies below Min counts down from its left or top end.
ScrollBar::ScrollBar(Form* owner, Qt::Orientation orientation)
    : Control(owner, new QScrollBar(orientation, owner->window())) {
  bar_ = static_cast<QScrollBar*>(widget());
  // Without tracking the bar reports a drag once, when it ends; the thumb's
  // way there comes as sliderMoved.
  bar_->setTracking(false);
  QObject::connect(bar_, &QScrollBar::valueChanged, connectionContext(),
                   [this](int position) { takeUserValue(position, EventOrigin::User, false); });
  QObject::connect(bar_, &QScrollBar::sliderMoved, connectionContext(),
                   [this](int position) { takeUserValue(position, EventOrigin::User, true); });
  applyRange();
}

void ScrollBar::setMin(int min) {
  min_ = min;
  applyRange();
}

void ScrollBar::setMax(int max) {
  max_ = max;
  applyRange();
}

void ScrollBar::setValue(int value) {
  if (value < std::min(min_, max_) || value > std::max(min_, max_))
    throw RuntimeError(ErrorCode::InvalidCall, "Invalid property value: " + std::to_string(value));
  if (value == value_) return;
  value_ = value;
  {
    const QSignalBlocker quiet(bar_);
    bar_->setValue(barPosition(value));
  }
  fire(change_, EventOrigin::Code);
}

void ScrollBar::setSmallChange(int step) {
  smallChange_ = step;
  bar_->setSingleStep(step);
}

void ScrollBar::setLargeChange(int step) {
  largeChange_ = step;
  bar_->setPageStep(step);
}

// A new range keeps Value when it still lies inside, else moves it to the
// nearer end and fires Change.
void ScrollBar::applyRange() {
  const int inRange = std::clamp(value_, std::min(min_, max_), std::max(min_, max_));
  {
    const QSignalBlocker quiet(bar_);
    bar_->setRange(0, std::abs(max_ - min_));
    bar_->setValue(barPosition(inRange));
  }
  if (inRange == value_) return;
  value_ = inRange;
  fire(change_, EventOrigin::Code);
}

int ScrollBar::valueFromBar(int position) const {
  return max_ >= min_ ? min_ + position : min_ - position;
}

int ScrollBar::barPosition(int value) const { return max_ >= min_ ? value - min_ : min_ - value; }

void ScrollBar::takeUserValue(int position, EventOrigin origin, bool scrolling) {
  value_ = valueFromBar(position);
  fire(scrolling ? scroll_ : change_, origin);
}

}  // namespace ui

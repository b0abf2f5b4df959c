#include <QCheckBox>

#include "core/runtime/RuntimeError.h"
#include "ui/Controls.h"
#include "ui/Forms.h"

namespace ui {

CheckBox::CheckBox(Form* owner) : Control(owner, new QCheckBox(owner->window())) {
  box_ = static_cast<QCheckBox*>(widget());
  // clicked comes only from the user; Qt has toggled the box already, the
  // value follows the classic rule instead.
  QObject::connect(box_, &QCheckBox::clicked, connectionContext(), [this] {
    value_ = value_ == 1 ? 0 : 1;
    showValue();
    fire(click_, EventOrigin::User);
  });
}

void CheckBox::setValue(int value) {
  if (value < 0 || value > 2)
    throw RuntimeError(ErrorCode::InvalidCall, "Invalid property value: " + std::to_string(value));
  if (value == value_) return;
  value_ = value;
  showValue();
  fire(click_, EventOrigin::Code);
}

std::string CheckBox::Caption() const { return box_->text().toStdString(); }

void CheckBox::setCaption(const std::string& caption) {
  box_->setText(QString::fromStdString(caption));
}

void CheckBox::showValue() {
  const QSignalBlocker quiet(box_);
  static constexpr Qt::CheckState states[] = {Qt::Unchecked, Qt::Checked, Qt::PartiallyChecked};
  box_->setCheckState(states[value_]);
  box_->setTristate(value_ == 2);
}

}  // namespace ui

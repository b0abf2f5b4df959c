#include <QRadioButton>
#include <QVariant>

#include "ui/Controls.h"
#include "ui/Forms.h"

namespace ui {
namespace {

// Each option widget knows its control, so that an option can find the
// others of its group among the widgets of its frame.
constexpr char ownerProperty[] = "celvanOptionButton";

OptionButton* optionOf(QObject* widget) {
  return static_cast<OptionButton*>(widget->property(ownerProperty).value<void*>());
}

}  // namespace

OptionButton::OptionButton(Form* owner) : Control(owner, new QRadioButton(owner->window())) {
  radio_ = static_cast<QRadioButton*>(widget());
  radio_->setAutoExclusive(false);  // the group is kept here, by frame
  radio_->setProperty(ownerProperty, QVariant::fromValue(static_cast<void*>(this)));
  QObject::connect(radio_, &QRadioButton::clicked, connectionContext(), [this] {
    if (value_)
      showValue();  // a click on the chosen option leaves it chosen
    else
      choose(EventOrigin::User);
  });
}

void OptionButton::setValue(bool value) {
  if (value) {
    choose(EventOrigin::Code);
    return;
  }
  value_ = false;
  showValue();
}

std::string OptionButton::Caption() const { return radio_->text().toStdString(); }

void OptionButton::setCaption(const std::string& caption) {
  radio_->setText(QString::fromStdString(caption));
}

void OptionButton::choose(EventOrigin origin) {
  value_ = true;
  showValue();
  // In the window's constructor the layout, which decides the groups, may
  // still be to come: there each option takes its design-time value alone.
  if (FormLifecycle::handlersEnabled(owner())) clearOthersOfGroup();
  fire(click_, origin);
}

// The group is the widget the option is placed in: a frame, or the window.
void OptionButton::clearOthersOfGroup() {
  QWidget* container = radio_->parentWidget();
  if (container == nullptr) return;
  for (QRadioButton* other :
       container->findChildren<QRadioButton*>(QString(), Qt::FindDirectChildrenOnly)) {
    OptionButton* option = optionOf(other);
    if (option == nullptr || option == this) continue;
    option->value_ = false;
    option->showValue();
  }
}

void OptionButton::showValue() {
  const QSignalBlocker quiet(radio_);
  radio_->setChecked(value_);
}

}  // namespace ui

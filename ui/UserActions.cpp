#include "ui/UserActions.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>

#include <cmath>

#include "ui/Forms.h"

namespace ui {

void clickAsUser(Control& control) {
  if (auto* button = qobject_cast<QAbstractButton*>(control.widget())) button->click();
}

void typeAsUser(TextBox& box, const std::string& text) {
  QWidget* widget = box.widget();
  if (!widget->isEnabled() || box.Locked()) return;
  const QString typed = QString::fromStdString(text);
  if (auto* line = qobject_cast<QLineEdit*>(widget)) {
    line->selectAll();
    line->insert(typed);
  } else if (auto* lines = qobject_cast<QPlainTextEdit*>(widget)) {
    lines->selectAll();
    lines->insertPlainText(typed);
  }
}

void stepAsUser(ScrollBar& bar, int smallSteps) {
  auto* widget = qobject_cast<QScrollBar*>(bar.widget());
  if (!widget->isEnabled()) return;
  const auto action = smallSteps > 0 ? QAbstractSlider::SliderSingleStepAdd
                                     : QAbstractSlider::SliderSingleStepSub;
  for (int i = 0; i < std::abs(smallSteps); ++i) widget->triggerAction(action);
}

void dragAsUser(ScrollBar& bar, int value) {
  auto* widget = qobject_cast<QScrollBar*>(bar.widget());
  if (!widget->isEnabled()) return;
  widget->setSliderDown(true);
  widget->setSliderPosition(std::abs(value - bar.Min()));
  widget->setSliderDown(false);
}

void pressMouseAsUser(PictureBox& picture, double x, double y, int button) {
  const QPointF at((x - picture.ScaleLeft()) / picture.ScaleWidth() * picture.widthPixels(),
                   (y - picture.ScaleTop()) / picture.ScaleHeight() * picture.heightPixels());
  const Qt::MouseButton which = button == 2 ? Qt::RightButton : button == 4 ? Qt::MiddleButton
                                                                            : Qt::LeftButton;
  QMouseEvent press(QEvent::MouseButtonPress, at, picture.widget()->mapToGlobal(at), which, which,
                    Qt::NoModifier);
  QApplication::sendEvent(picture.widget(), &press);
}

void closeAsUser(Form& form) {
  QCloseEvent close;
  QApplication::sendEvent(form.window(), &close);
}

void activateAsUser(Form& form) {
  form.window()->show();
  QApplication::setActiveWindow(form.window());
  QCoreApplication::processEvents();
}

}  // namespace ui

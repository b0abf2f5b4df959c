#include "ui/WheelScrolling.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QWheelEvent>

#include <cstdlib>

namespace ui {
namespace {

class WheelToBars : public QObject {
 public:
  WheelToBars(QObject* parent, QWidget* vertical, QWidget* horizontal)
      : QObject(parent), vertical_(vertical), horizontal_(horizontal) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Wheel) return QObject::eventFilter(watched, event);
    const auto* wheel = static_cast<QWheelEvent*>(event);
    const bool sideways = (wheel->modifiers() & Qt::ShiftModifier) != 0 ||
                          std::abs(wheel->angleDelta().x()) > std::abs(wheel->angleDelta().y());
    QWidget* bar = sideways ? horizontal_ : vertical_;
    if (bar == nullptr) return false;
    // The bar takes the wheel's turn along its own direction.
    const QPoint turn = sideways ? QPoint(0, wheel->angleDelta().x() + wheel->angleDelta().y()) : wheel->angleDelta();
    QWheelEvent forwarded(QPointF(bar->width() / 2.0, bar->height() / 2.0), wheel->globalPosition(),
                          wheel->pixelDelta(), turn, wheel->buttons(), Qt::NoModifier, wheel->phase(),
                          wheel->inverted());
    QCoreApplication::sendEvent(bar, &forwarded);
    return true;
  }

 private:
  QPointer<QWidget> vertical_, horizontal_;
};

}  // namespace

void scrollWithWheel(Control& area, ScrollBar& vertical, ScrollBar& horizontal) {
  area.widget()->installEventFilter(new WheelToBars(area.widget(), vertical.widget(), horizontal.widget()));
}

}  // namespace ui

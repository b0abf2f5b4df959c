#include "ui/ScreenPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace ui {

QRect placedOnScreen(QSize windowSize, const QRect& available) {
  const QSize framed = windowSize.grownBy(kWindowFrame).boundedTo(available.size());
  const QPoint topLeft(available.x() + (available.width() - framed.width()) / 2,
                       available.y() + (available.height() - framed.height()) / 2);
  return {topLeft, framed};
}

void placeOnScreen(QWidget& window) {
  // Shown before (it has its native window), or moved by the code.
  if (window.testAttribute(Qt::WA_WState_Created) || window.testAttribute(Qt::WA_Moved)) return;
  const QScreen* screen = window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  window.adjustSize();
  const QRect frame = placedOnScreen(window.size(), screen->availableGeometry());
  window.resize(frame.size().shrunkBy(kWindowFrame).expandedTo(window.minimumSizeHint()));
  window.move(frame.topLeft());
}

}  // namespace ui

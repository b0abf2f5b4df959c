#include "ui/Fonts.h"

#include <QApplication>
#include <QFont>

namespace ui {

void useProgramFont() { QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9)); }

void useCondensedFont(QWidget* widget, double points) {
  QFont font = widget->font();
  font.setFamily("DejaVu Sans Condensed");
  font.setPointSizeF(points);
  widget->setFont(font);
}

void useCondensedFont(Control& control, double points) { useCondensedFont(control.widget(), points); }

}  // namespace ui

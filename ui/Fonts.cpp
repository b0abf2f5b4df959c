#include "ui/Fonts.h"

#include <QFont>

namespace ui {

void useCondensedFont(QWidget* widget, double points) {
  QFont font = widget->font();
  font.setFamily("DejaVu Sans Condensed");
  font.setPointSizeF(points);
  widget->setFont(font);
}

void useCondensedFont(Control& control, double points) { useCondensedFont(control.widget(), points); }

}  // namespace ui

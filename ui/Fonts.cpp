#include "ui/Fonts.h"

#include <QFont>

namespace ui {

void useCondensedFont(Control& control, double points) {
  QFont font = control.widget()->font();
  font.setFamily("DejaVu Sans Condensed");
  font.setPointSizeF(points);
  control.widget()->setFont(font);
}

}  // namespace ui

// Form5: the window and its picture.
#include "setup/Form5.h"

Form5& form5() { return ui::formInstance<Form5>(); }

Form5::Form5() : Form(5, "Система координат и обозначения в программе    Celvan7m - форма 5") {
  ui::place(grid(), Picture1, 0, 0);
  drawNotation();
}

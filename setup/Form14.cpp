// Form14: design-time defaults of the controls, the wiring of their handlers
// and the accessor.
#include "setup/Form14.h"

Form14& form14() { return ui::formInstance<Form14>(); }

Form14::Form14() : Form(14, "Эллипс и эксцентр (сравнение) - Celvan7m      форма 14") {
  setDesignDefaults();
  connectHandlers();
  layoutControls();
}

void Form14::setDesignDefaults() {
  Check1.setCaption("dAlfa, град");
  Check2.setCaption("dR, тыс.км.");
  Check1.setValue(1);
  Frame1.setCaption("траектория");
  Option1.setCaption("простой эксцентр");
  Option2.setCaption("эксцентр с эквантом");
  Option1.setValue(true);
  Command1.setCaption("Начать расчет");
  Command4.setCaption("Остановить");
  Command5.setCaption("Продолжить");
  Command6.setCaption("Сделать 1 шаг");
  Command8.setCaption("Очистить рисунки");
  Command14.setCaption("Закрыть форму");
  Picture1.setBackColor(RGB(255, 255, 255));
  Picture3.setBackColor(RGB(255, 255, 255));
}

void Form14::connectHandlers() {
  Command1.onClick([this] { Command1_Click(); });
  Command4.onClick([this] { Command4_Click(); });
  Command5.onClick([this] { Command5_Click(); });
  Command6.onClick([this] { Command6_Click(); });
  Command8.onClick([this] { Command8_Click(); });
  Command14.onClick([this] { Command14_Click(); });
}

// Form7: design-time defaults of the controls, the wiring of their handlers
// and the accessor.
#include "model/Form7.h"

#include "model/Form7Texts.h"

Form7& form7() { return ui::formInstance<Form7>(); }

Form7::Form7() : Form(7, "Тестирование алгоритма учета скорости гравитации    Celvan7m  - форма 7") {
  setDesignDefaults();
  connectHandlers();
  layoutControls();
}

void Form7::setDesignDefaults() {
  Check3.setCaption("+");
  Command3.setCaption("Сделать 1 итерацию с заданными условиями движения");
  Frame2.setCaption("показать расчет");
  Option3.setCaption("F12");
  Option4.setCaption("F21");
  Option3.setValue(true);
  Frame1.setCaption("рисовать");
  Option1.setCaption("XY");
  Option2.setCaption("XZ");
  Option1.setValue(true);

  for (int object = 0; object <= 9; ++object) Check1[object].setCaption(form7text::kObjectNames[object]);
  Check1[1].setValue(1);
  Check1[2].setValue(1);
  Text1.setText("0");
  Text2.setText("135");
  Command1.setCaption("Задать положение 2-х планет");
  Check2.setCaption("+  координаты и скорости с формы 2");
  Check4.setCaption("учитывать DX");
  Check4.setValue(1);
  Check5.setCaption("учитывать Pgr");
  Text6.setText("0,001");
  Text40.setText("1");
  Text62.setText("1");
  Text46.setText("10");
  Text23.setText("1000");
  HScroll1.setMin(1);
  HScroll1.setMax(10000);
  HScroll1.setSmallChange(10);
  HScroll1.setLargeChange(100);
  HScroll1.setValue(140);
  Label23.setCaption("Масштаб = 20 млн. км./ см");
  Command4.setCaption("Закрыть форму");
}

void Form7::connectHandlers() {
  Command1.onClick([this] { Command1_Click(); });
  Command3.onClick([this] { Command3_Click(); });
  Command4.onClick([this] { Command4_Click(); });
  HScroll1.onChange([this] { HScroll1_Change(); });
}

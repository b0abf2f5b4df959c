// Form11: design-time defaults of the controls, the wiring of their handlers
// and the accessor.
#include "setup/Form11.h"

#include <array>
#include <utility>

Form11& form11() { return ui::formInstance<Form11>(); }

Form11::Form11()
    : Form(11,
           "Компоненты аберрации (обратный отсчет в эклиптических координатах)   Celvan7m        "
           " форма 11") {
  setDesignDefaults();
  connectHandlers();
  layoutControls();
}

void Form11::setDesignDefaults() {
  Command1.setCaption("Найти параметры Земли и объекта наблюдения ");
  Check2.setCaption("по теории New0 для");
  Text23.setText("1,5");
  Text33.setText("1");
  Text43.setText("2000");
  Command8.setCaption("JD=JD0");
  Text1.setText("270");
  Text2.setText("90");
  // Output boxes show their own names until a result is written.
  const std::array<std::pair<ui::TextBox*, const char*>, 26> outputs{{
      {&Text11, "Text11"}, {&Text13, "Text13"}, {&Text15, "Text15"}, {&Text17, "Text17"},
      {&Text19, "Text19"}, {&Text21, "Text21"}, {&Text30, "Text30"}, {&Text31, "Text31"},
      {&Text24, "Text24"}, {&Text25, "Text25"}, {&Text26, "Text26"}, {&Text27, "Text27"},
      {&Text28, "Text28"}, {&Text29, "Text29"}, {&Text37, "Text37"}, {&Text47, "Text47"},
      {&Text32, "Text32"}, {&Text42, "Text42"}, {&Text34, "Text34"}, {&Text44, "Text44"},
      {&Text35, "Text35"}, {&Text45, "Text45"}, {&Text36, "Text36"}, {&Text46, "Text46"},
      {&Text10, "Text10"}, {&Text9, "0,01"},
  }};
  for (const auto& [box, text] : outputs) box->setText(text);
  Text12.setText("0");
  Text14.setText("0");
  Text16.setText("999888777");
  for (ui::TextBox* v : {&Text18, &Text20, &Text22}) v->setText("0");
  const std::array<const char*, 11> targets{"Солнце", "Меркурий", "Венера", "Земля",
                                            "Марс",   "Юпитер",   "Сатурн", "Уран",
                                            "Нептун", "Плутон",   "Звезда"};
  for (int i = 0; i <= 10; ++i) Check1[i].setCaption(targets[i]);
  Check1[2].setValue(1);
  Check1[3].setEnabled(false);
  Text6.setText("1000");
  Check7.setCaption("* cos(B)");
  Check7.setValue(1);
  Command3.setCaption(
      "Расчет наблюдаемых координат планеты в движущейся Солнечной системе (одна итерация) при "
      "заданной скорости Солнечной системы");
  for (ui::TextBox* v : {&Text3, &Text4, &Text5}) v->setText("0");
  Command5.setCaption("С шагом");
  Command9.setCaption("+1шаг");
  Command6.setCaption("Stop");
  Command7.setCaption("Продолжить");
  Check3.setCaption("Аберрация источника Ais");
  Check4.setCaption("Аберрация приемника Apr");
  Check5.setCaption("Суммарная аберрация As");
  Check4.setValue(1);
  Option3.setCaption("построения");
  Option4.setCaption("развертка");
  Option5.setCaption("фазовая плоскость");
  Option3.setValue(true);
  Check6.setCaption("+abs");
  Frame1.setCaption("плоскость");
  Option1.setCaption("XY");
  Option2.setCaption("XZ");
  Option1.setValue(true);
  Text7.setText("0,25");
  Text8.setText("0,5");
  HScroll1.setMin(1);
  HScroll1.setMax(10000);
  HScroll1.setValue(200);
  Label23.setCaption("Масштаб = 20 млн. км./ см");
  Command2.setCaption("Очистить");
  Command4.setCaption("Закрыть форму");
  Picture1.setBackColor(RGB(255, 255, 255));
}

void Form11::connectHandlers() {
  Command1.onClick([this] { Command1_Click(); });
  Command3.onClick([this] { Command3_Click(); });
  Command5.onClick([this] { Command5_Click(); });
  Command6.onClick([this] { Command6_Click(); });
  Command7.onClick([this] { Command7_Click(); });
  Command8.onClick([this] { Command8_Click(); });
  Command9.onClick([this] { Command9_Click(); });
  Command2.onClick([this] { Command2_Click(); });
  Command4.onClick([this] { Command4_Click(); });
  HScroll1.onChange([this] { HScroll1_Change(); });
}

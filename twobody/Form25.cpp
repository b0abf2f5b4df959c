// Form25: design-time defaults of the controls, the wiring of their handlers
// and the accessor.
#include "twobody/Form25.h"

#include <utility>

#include "science/twobody/TwoBody.h"

Form25& form25() { return ui::formInstance<Form25>(); }

Form25::Form25() : Form(25, "   Celvan7mm  - форма 25    Задача двух тел") {
  setDesignDefaults();
  connectHandlers();
  layoutControls();
}

void Form25::setDesignDefaults() {
  Command6.setCaption("Задать координаты и скорости m1 и m2");
  Check14.setCaption("по параметрам орбиты рассчитаным по теории Ser0 на 1,5.1.1801 для №");
  Text12.setText("11");
  Text4.setText("3,694E-8");
  Text5.setText("3,004E-6");
  Text1.setText("0");
  Label5.setCaption(
      "Координаты m1 рассчитываются по заданным параметрам орбиты и при движении относительно "
      "m2 для планет и ЦМ для звезд, а затем находим  X2 = - X1 * m1 / m2 ...");
  Label8.setCaption(
      "Скорости m1  находим при движении относительно барицентра с массой m2^3 / (m1+m2)^2, а "
      "затем задаем скорости VX2 = -VX1 * m1 / m2 ...");
  Command7.setCaption("Загрузить из файла");
  Command8.setCaption("Сохранить в файле");
  Text2.setText("1913");
  Command5.setCaption("Дополнительные  параметры");
  Text21.setText("1");
  Text22.setText("60");
  Text23.setText("100");
  Command1.setCaption("Проверить параметры орбиты m1");
  Check1.setCaption("от ЦМ");
  Check10.setCaption("+0");
  Text36.setText("100");
  Text24.setText("1");

  Text7.setText("0,055");
  Text8.setText("180");
  Text9.setText("270");
  Text10.setText("384,4");
  Text37.setText("0");
  Text40.setText("0");
  Text13.setText("0");
  // Output boxes show their own names until a run fills them.
  const std::pair<ui::TextBox*, const char*> names[] = {
      {&Text17, "Text17"}, {&Text27, "Text27"}, {&Text18, "Text18"}, {&Text28, "Text28"},
      {&Text19, "Text19"}, {&Text29, "Text29"}, {&Text20, "Text20"}, {&Text30, "Text30"},
      {&Text38, "Text38"}, {&Text39, "Text39"}, {&Text33, "Text33"}, {&Text34, "Text34"},
      {&Text14, "Text14"}, {&Text15, "Text15"}, {&Text16, "Text16"}, {&Text11, "Text11"},
      {&Text35, "Text35"}, {&Text25, "Text25"}, {&Text41, "Text41"}, {&Text42, "Text42"}};
  for (const auto& [box, name] : names) box->setText(name);
  Check5.setCaption("dEks1  /");
  Text43.setText("0,001");
  Check6.setCaption("dAlfaP1 /");
  Text44.setText("0,1");
  Check7.setCaption("dR1  /");
  Text45.setText("10");
  Check8.setCaption("dP1  /");
  Text46.setText("1000");

  Text31.setText("0");
  Text32.setText("0");
  Frame1.setCaption("показывать положения");
  Option1.setCaption("m1 от ЦМ");
  Option2.setCaption("m1 от 0");
  Option6.setCaption(" m1 от m2");
  Option7.setCaption("m1 и m2 от ЦМ");
  Option8.setCaption("m1 и m2 от 0");
  Option8.setValue(true);
  Check3.setCaption("+ траектории");
  Check3.setValue(1);
  Check4.setCaption("+ ЦМ системы");
  Label10.setCaption("масштаб изображения = ");
  HScroll1.setMin(1);
  HScroll1.setMax(30000);
  HScroll1.setValue(100);
  HScroll1.setSmallChange(10);
  HScroll1.setLargeChange(100);
  Frame4.setCaption("расчет с учетом Vgr");
  Option9.setCaption("начать");
  Option10.setCaption("закончить");
  Option10.setValue(true);
  Text3.setText("1E+18");
  Frame2.setCaption("возникающую при этом силу Ft определять");
  Option3.setCaption("численно");
  Option3.setValue(true);
  Option4.setCaption("аналитически");
  Option5.setCaption("с экрана");
  Check9.setCaption("Ft1 определять по V2");
  Check2.setCaption("+ Ft2");
  Text6.setText("365,25");
  Command4.setCaption("Очистить рисунки");
  Command2.setCaption("Остановить");
  Command3.setCaption("Продолжить");
  Command9.setCaption("Закрыть форму");
}

void Form25::connectHandlers() {
  Command6.onClick([this] { Command6_Click(); });
  Command4.onClick([this] { Command4_Click(); });
  Command5.onClick([this] { Command5_Click(); });
  Command9.onClick([this] { Command9_Click(); });
  HScroll1.onChange([this] { HScroll1_Change(); });
  Command1.onClick([this] { Command1_Click(); });
  Command2.onClick([this] { Command2_Click(); });
  Command3.onClick([this] { Command3_Click(); });
  Option9.onClick([this] { Option9_Click(); });
  Option10.onClick([this] { Option10_Click(); });
  Command7.onClick([this] { Command7_Click(); });
  Command8.onClick([this] { Command8_Click(); });
  // The options that act inside the right-hand side take effect at its next
  // call.
  for (ui::OptionButton* option : {&Option3, &Option4, &Option5})
    option->onClick([this] { refreshForceOptions(); });
  for (ui::CheckBox* box : {&Check9, &Check2}) box->onClick([this] { refreshForceOptions(); });
}

// Form20: design-time defaults of the controls, the wiring of their handlers
// and the accessor.
#include "setup/Form20.h"

Form20& form20() { return ui::formInstance<Form20>(); }

Form20::Form20() : Form(20, "Расчет начальных данных для Луны     Celvan7m  - форма 20") {
  setDesignDefaults();
  connectHandlers();
  layoutControls();
}

void Form20::setDesignDefaults() {
  sourceFrame_.setCaption("по выбранной теории или с экрана");
  Option7.setCaption("New0 (JD)");
  Option10.setCaption("Ser0 (J2000)");
  Option9.setCaption("с экрана");
  Option9.setValue(true);
  Command10.setCaption("G->J");
  Command11.setCaption("J->G");

  Text1.setText("0");
  Text7.setText("0,05");
  Text8.setText("180");
  Text9.setText("270");
  Text10.setText("384,4");
  Text40.setText("5,1454");
  Text21.setText("81,300585");
  Text24.setText("1");

  Command6.setCaption("Задать координаты и скорости Луны и Земли");
  Check11.setCaption("+Xz = -Xl * ml / mz");
  Check11.setValue(1);
  Check12.setCaption("+VXl=VXl / (1+ ml / mz)");
  Check5.setCaption("++Xl = Xl + Xz");
  Check7.setCaption("+VXz = -VXl * ml / mz");
  Check7.setValue(1);
  Check9.setCaption("++VXl = VXl + VXz ");

  focusFrame_.setCaption("с фокусом эллипса находящимся в");
  Option5.setCaption("в центре Земли");
  Option5.setValue(true);
  Option6.setCaption("в барицентре Земля+Луна");
  velocityFrame_.setCaption("расчет скоростей по параметрам орбиты вести ");
  earthMassFrame_.setCaption("масса Земли");
  Option1.setCaption("mz");
  Option1.setValue(true);
  Option2.setCaption("mz+ml");
  barycentreMassFrame_.setCaption("масса барицентра");
  Option3.setCaption("mz+ml");
  Option3.setValue(true);
  Option4.setCaption("mz^3/(mz+ml)^2");

  Command1.setCaption("Проверить параметры орбиты Луны");
  Command2.setCaption("Остановить");
  Command3.setCaption("Продолжить");
  Text44.setText("0");
  Check1.setCaption("от ЦМ ");
  Text36.setText("100");
  Text22.setText("360");
  Text23.setText("10");
  Check3.setCaption("траектории");
  Check3.setValue(1);
  Check4.setCaption("центр масс системы");

  HScroll1.setMin(1);
  HScroll1.setMax(2000);
  HScroll1.setValue(100);
  HScroll1.setSmallChange(10);
  HScroll1.setLargeChange(100);
  Label10.setCaption("масштаб изображения = ");
  Command4.setCaption("Очистить рисунок");
  Command9.setCaption("Закрыть форму");
}

void Form20::connectHandlers() {
  Command6.onClick([this] { Command6_Click(); });
  Command1.onClick([this] { Command1_Click(); });
  Command2.onClick([this] { Command2_Click(); });
  Command3.onClick([this] { Command3_Click(); });
  Command10.onClick([this] { Command10_Click(); });
  Command11.onClick([this] { Command11_Click(); });
  Command4.onClick([this] { Command4_Click(); });
  HScroll1.onChange([this] { HScroll1_Change(); });
  Option5.onClick([this] { Option5_Click(); });
  Option6.onClick([this] { Option6_Click(); });
  Option1.onClick([this] { Option1_Click(); });
  Option2.onClick([this] { Option2_Click(); });
  Option3.onClick([this] { Option3_Click(); });
  Option4.onClick([this] { Option4_Click(); });
  Command9.onClick([this] { Command9_Click(); });
}

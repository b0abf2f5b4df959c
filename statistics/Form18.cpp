// Form18: design-time defaults of the controls, the wiring of their handlers
// and the accessor. The window's load handler does nothing: the controls
// start with these defaults.
#include "statistics/Form18.h"

#include <string>

Form18& form18() { return ui::formInstance<Form18>(); }

Form18::Form18() : Form(18, "Планы многофакторного планирования      Celvan7m - форма 18") {
  setDesignDefaults();
  connectHandlers();
  layoutControls();
}

void Form18::setDesignDefaults() {
  Frame5.setCaption("план экспериментов");
  Option12.setCaption("ортогональный");
  Option13.setCaption("рототабельный");
  Option14.setCaption("униформрототабельный");
  Option15.setCaption("Dоптимал Бокса с N0=0");
  Option16.setCaption("композиционный Бокса ");
  Option13.setValue(true);
  for (int i = 1; i <= 6; ++i) {
    Check3[i].setCaption("X" + std::to_string(i) + "=");
    Check3[i].setValue(i <= 4 ? 1 : 0);
    Text1[i].setText("0");
    Text2[i].setText("1");
    Text3[i].setText("0");
    Text4[i].setText("0");
  }
  Text8.setText("Text8");
  Check1.setCaption("Задать N0=");
  Text5.setText("0");
  Command14.setCaption("Создать план");

  Frame3.setCaption("экспериментальные данные");
  Option6.setCaption("ст. теста");
  Option8.setCaption("доп. тестов");
  Option7.setCaption("из файла");
  Option6.setValue(true);
  Frame9.setCaption("критерий оптимизации брать как");
  Option18.setCaption("Y");
  Option19.setCaption("dY= Y - Yopt");
  Option20.setCaption("dY^2");
  Option21.setCaption("Abs(dY)");
  Option18.setValue(true);
  Check4.setCaption("dY/Yopt");
  Text6.setText("100");
  Text7.setText("Text7");
  Text20.setText("Text20");

  Command4.setCaption("Выполнить эксперименты и рассчитать критерий");
  Command1.setCaption("Найти коэффициенты уравнения регрессии");
  Command13.setCaption("Построить графики по уравнению регрессии при X(i)=X(i)opt");
  Command5.setCaption("Оптимизировать параметры");
  Command6.setCaption("задать X(i)opt=0");
  Command9.setCaption("f (X1...X6)=");
  Text9.setText("Text9");
  Command7.setCaption("Очистить рисунок");
  Command3.setCaption("Закрыть форму");

  HScroll1.setMin(0);
  HScroll1.setMax(100);
  HScroll1.setSmallChange(5);
  HScroll1.setLargeChange(20);
  HScroll1.setValue(0);
  VScroll1.setMin(0);
  VScroll1.setMax(100);
  VScroll1.setSmallChange(5);
  VScroll1.setLargeChange(20);
  VScroll1.setValue(100);
}

void Form18::connectHandlers() {
  Command14.onClick([this] { Command14_Click(); });
  Command4.onClick([this] { Command4_Click(); });
  Option8.onClick([this] { Option8_Click(); });
  Command1.onClick([this] { Command1_Click(); });
  Command13.onClick([this] { Command13_Click(); });
  Command5.onClick([this] { Command5_Click(); });
  Command6.onClick([this] { Command6_Click(); });
  Command9.onClick([this] { Command9_Click(); });
  Command7.onClick([this] { Command7_Click(); });
  Command3.onClick([this] { Command3_Click(); });
  // Both events of a bar place the picture the same way.
  HScroll1.onChange([this] { HScroll1_Change(); });
  HScroll1.onScroll([this] { HScroll1_Change(); });
  VScroll1.onChange([this] { VScroll1_Change(); });
  VScroll1.onScroll([this] { VScroll1_Change(); });
}

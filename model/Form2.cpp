// Form2: design-time defaults of the controls, the wiring of their handlers
// and the accessor.
#include "model/Form2.h"

Form2& form2() { return ui::formInstance<Form2>(); }

Form2::Form2() : Form(2, "Моделирование и имитирование движения планет    Celvan7mmm - форма 2") {
  setDesignDefaults();
  connectHandlers();
  layoutControls();
}

void Form2::setDesignDefaults() {
  // The views are black: a body is erased by drawing it again in black.
  Picture1.setBackColor(RGB(0, 0, 0));
  Picture2.setBackColor(RGB(0, 0, 0));
  Picture1.setFillStyle(ui::Fill::Solid);
  Picture2.setFillStyle(ui::Fill::Solid);
  HScroll1.setMin(1);
  HScroll1.setMax(10000);
  HScroll1.setSmallChange(100);
  HScroll1.setLargeChange(500);
  HScroll1.setValue(3000);
  Label1.setCaption("Масштаб орбит = 300 млн. км/см");

  useFrame_.setCaption("использовать");
  Option3.setCaption("модель");
  Option4.setCaption("имитатор");
  Option3.setValue(true);
  modelFrame_.setCaption("модель");
  Option7.setCaption("Классика");
  Option8.setCaption("ОТО");
  Option7.setValue(true);
  imitatorFrame_.setCaption("имитатор");
  Option5.setCaption("New0");
  Option9.setCaption("JPL0");
  Option6.setCaption("JPL2");
  Option9.setValue(true);
  timeFrame_.setCaption("время идет");
  Option1.setCaption("Вперед");
  Option2.setCaption("Назад");
  Option1.setValue(true);

  Check13.setCaption("Vgr=Vsv *");
  Text35.setText("1");
  Text45.setText("2");
  Text38.setText("3600");
  Text39.setText("1000");
  Text37.setText("1000");
  Check14.setCaption("эксперимент закончить в");
  Check14.setValue(1);
  Text40.setText("2000");
  Check4.setCaption("Найти показатели планеты №");
  Check4.setValue(1);
  Text13.setText("1");
  Text17.setText("1");
  Check17.setCaption("Xsol=0");
  Check17.setValue(1);
  Check19.setCaption("Xzem=0");
  Check18.setCaption("Хцм=0");
  Check12.setCaption("dEsys, dMsys, %");
  Check20.setCaption("Записать параметры орбиты в файл");
  Text8.setText("1");
  Check2.setCaption("Записать координаты  X, Y, Z");
  Check3.setCaption("Анимация");
  Check3.setValue(1);
  Check1.setCaption("Траектории ");
  Check21.setCaption("текст теста");

  Text5.setText("100");
  Text9.setText("100");
  Text21.setText("10000");
  Text36.setText("0");

  Check5.setCaption("X, тыс.км");
  Check6.setCaption("Y, тыс.км");
  Check7.setCaption("Z, тыс.км");
  Text47.setText("5030");
  Text48.setText("-0,2");
  Text49.setText("50");
  Check8.setCaption("dAlfaP, сек");
  Check9.setCaption("dAlfaU, сек");
  Check10.setCaption("dBetta, сек");
  Check11.setCaption("dEks");
  Check15.setCaption("dRsr,тыс.км");
  Check16.setCaption("dPeriod, дни");

  Command1.setCaption("Начать");
  Command4.setCaption("Остановить");
  Command5.setCaption("Продолжить");
  Command2.setCaption("NC0 шагов");
  Command9.setCaption("Дополнительные параметры");
  Command7.setCaption("Тест гравитации*");
  Command3.setCaption("К статистике");
  Command10.setCaption("К плану");
  Command8.setCaption("Закрыть форму");
  Command6.setCaption("Выход");

  Text53.setText("Text53");
  Text53.setVisible(false);
}

void Form2::connectHandlers() {
  Command1.onClick([this] { Command1_Click(); });
  Command4.onClick([this] { Command4_Click(); });
  Command5.onClick([this] { Command5_Click(); });
  Command2.onClick([this] { Command2_Click(); });
  Command3.onClick([this] { Command3_Click(); });
  Command9.onClick([this] { Command9_Click(); });
  Command7.onClick([this] { Command7_Click(); });
  Command8.onClick([this] { Command8_Click(); });
  Command6.onClick([this] { Command6_Click(); });
  Command10.onClick([this] { Command10_Click(); });
  Text53.onChange([this] { Text53_Change(); });
  HScroll1.onChange([this] { HScroll1_Change(); });
  Picture2.onMouseDown([this](int Button, int Shift, double X, double Y) { Picture2_MouseDown(Button, Shift, X, Y); });
}

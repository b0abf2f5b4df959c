// Form6: design-time defaults of the controls, the wiring of their handlers
// and the accessor.
#include "statistics/Form6.h"

#include "statistics/Form6Texts.h"

Form6& form6() { return ui::formInstance<Form6>(); }

Form6::Form6() : Form(6, "Статистическая обработка параметров орбит             Celvan7m  - форма 6") {
  setDesignDefaults();
  connectHandlers();
  layoutControls();
}

void Form6::setDesignDefaults() {
  Picture3.embed(Picture1);
  HScroll1.setMin(0);
  HScroll1.setMax(100);
  HScroll1.setSmallChange(1);
  HScroll1.setLargeChange(10);
  HScroll1.setValue(0);
  VScroll1.setMin(0);
  VScroll1.setMax(100);
  VScroll1.setSmallChange(1);
  VScroll1.setLargeChange(10);
  VScroll1.setValue(100);
  Command7.setCaption("Сохранить график как");
  Text26.setText("Celvan1");

  Frame5.setCaption("на");
  Option8.setCaption("модели");
  Option7.setCaption("имитаторе");
  Option8.setValue(true);
  Frame8.setCaption("имитаторы");
  Option13.setCaption("New");
  Option14.setCaption("JPL");
  Option17.setCaption("Ser");
  Option14.setValue(true);
  Text28.setText("1");
  Text10.setText("1");
  Frame9.setCaption("для планеты");
  for (int i = Option3.LBound(); i <= Option3.UBound(); ++i) Option3[i].setCaption(form6text::kPlanetNames[i]);
  Option3[1].setValue(true);
  Frame4.setCaption("по параметру");
  for (int i = Option4.LBound(); i <= Option4.UBound(); ++i) Option4[i].setCaption(form6text::kParameterNames[i]);
  Option4[1].setValue(true);
  Check1.setCaption("Fix(Alfa)");
  Check2.setCaption("как текст");
  Check3.setCaption("с наложением цветом №");
  Text31.setText("11");
  Check10.setCaption("*P");
  Check11.setCaption("*U");
  Text1.setText("15");
  Text2.setText("0,1");
  Command6.setCaption("Загрузить данные полученные");

  Text3.setText("25");
  Text15.setText("1");
  Text17.setText("1");
  Text6.setText("1,5");
  Text8.setText("1");
  Text9.setText("0");
  Text16.setText("25");
  Text18.setText("25");
  Text20.setText("1,5");
  Text21.setText("1");
  Text22.setText("2500");
  Text4.setText("5");

  Command1.setCaption("Удалить точку №");
  Text5.setText("2");
  Command2.setCaption("Добавить в файл точку от");
  Text32.setText("1,5");
  Text33.setText("1");
  Text34.setText("1600");
  Text30.setText("0");
  Text38.setText("1630");

  Frame6.setCaption("ур-е аппроксимации");
  Option9.setCaption("const");
  Option10.setCaption("лин");
  Option11.setCaption("квад");
  Option10.setValue(true);
  Check6.setCaption("+ с перебором всех вариантов разбивки выборки на группы");
  Frame7.setCaption("критерий при переборе");
  Option12.setCaption("min");
  Option15.setCaption("maxmin");
  Option16.setCaption("sr");
  Option15.setValue(true);
  Check4.setCaption("+Ves=1");
  Check7.setCaption("+текст Ves");
  Check9.setCaption("+текст k(i)");
  Check8.setCaption("Теста   Alfa = k0 + k1*dT + k2*dT^2 + k3*(Rnd (dT) - 0,5)");
  Text37.setText("0");
  Text36.setText("1");
  Text35.setText("0");
  Text14.setText("1");
  Text23.setText("2000");
  Text19.setText("2000");
  Text7.setText("10");
  Text29.setText("25");
  Command9.setCaption("Аппроксимировать данные выборки");
  Text11.setText("Text11");
  Text12.setText("Text12");
  Text13.setText("Text13");
  Text24.setText("Text24");
  Label20.setCaption("угл.сек");
  Text27.setText("Text27");
  Text39.setText("Text39");

  Command4.setCaption("Смещение в файле =");
  Text25.setText("Text25");
  Command5.setCaption("Изменить смещение в файле");
  Check12.setCaption("все из плана");

  Command15.setCaption("Файлы*");
  Command16.setCaption("К плану");
  Command3.setCaption("Закрыть форму");
}

void Form6::connectHandlers() {
  Command6.onClick([this] { Command6_Click(); });
  Picture1.onMouseDown([this](int Button, int Shift, double X, double Y) { Picture1_MouseDown(Button, Shift, X, Y); });
  Command1.onClick([this] { Command1_Click(); });
  Command2.onClick([this] { Command2_Click(); });
  Command9.onClick([this] { Command9_Click(); });
  Command4.onClick([this] { Command4_Click(); });
  Command5.onClick([this] { Command5_Click(); });
  Command7.onClick([this] { Command7_Click(); });
  Command3.onClick([this] { Command3_Click(); });
  Command15.onClick([this] { Command15_Click(); });
  Command16.onClick([this] { Command16_Click(); });
  // The change and the scroll of each bar do the same.
  HScroll1.onChange([this] { HScroll1_Change(); });
  HScroll1.onScroll([this] { HScroll1_Change(); });
  VScroll1.onChange([this] { VScroll1_Change(); });
  VScroll1.onScroll([this] { VScroll1_Change(); });
}

// Form15: design-time defaults of the controls, the wiring of their
// handlers and the accessor.
#include "statistics/Form15.h"

#include <string>

#include "statistics/Form15Texts.h"
#include "statistics/ScrolledPicture.h"

Form15& form15() { return ui::formInstance<Form15>(); }

Form15::Form15() : Form(15, "Оптимизация скорости гравитации      Celvan7m - форма 15") {
  setDesignDefaults();
  connectHandlers();
  layoutControls();
}

void Form15::setDesignDefaults() {
  for (int i = 1; i <= 7; ++i) {
    Check3[i].setCaption(form15text::kFactorCaptions[i]);
    Check3[i].setValue(i <= 4 ? 1 : 0);
    Text11[i].setText("0");
    Text12[i].setText("1");
    Text13[i].setText("1");
    Text14[i].setText("0");
    Text15[i].setText("0");
  }
  Frame1.setCaption("");
  Option1.setCaption("Orto");
  Option2.setCaption("Roto");
  Option1.setValue(true);
  Command5.setCaption("1-Создать план");
  Command14.setCaption("2-Загрузить параметры плана №");
  Text4.setText("1");
  Command12.setCaption("Сохранить");

  Frame5.setCaption("");
  Option9.setCaption("New");
  Option11.setCaption("JPL");
  Option12.setCaption("Ser");
  Option12.setValue(true);
  Command4.setCaption("3-Загрузить наблюдаемые вековые смещения параметров орбит планет");

  Command8.setCaption("4-1-Выполнить на математической модели (форма2) эксперименты с №");
  Text5.setText("1");
  Text6.setText("1");
  Check5.setCaption("kPgr2=0");
  Text3.setText(" Сюда приходят \r\n  сообщения с \r\n     формы 2");
  Command6.setCaption("Весовые коэффициенты и данные моделирования *");

  Frame3.setCaption("");
  Option5.setCaption("теста");
  Option6.setCaption("модели");
  Option6.setValue(true);
  Frame2.setCaption("для модели критерий по");
  for (int s = 1; s <= 6; ++s) Check2[s].setCaption(form15text::kParameterCaptions[s]);
  Check2[1].setValue(1);
  Frame4.setCaption("и использовать планеты");
  for (int p = 1; p <= 10; ++p) Check1[p].setCaption(form15text::kPlanetCaptions[p]);
  Check1[1].setValue(1);
  Frame9.setCaption("критерий брать как");
  Option18.setCaption("Y");
  Option19.setCaption("dY");
  Option20.setCaption("dY^2");
  Option21.setCaption("Abs(dY)");
  Option21.setValue(true);
  Command10.setCaption("4-2- Рассчитать критерий оптимизации по данным");
  Text1.setText("1");
  Text2.setText("1");

  Command1.setCaption("5- Найти коэффициенты уравнения регрессии");
  Command7.setCaption("6- Оптимизировать параметры");
  Command9.setCaption("7- задать X0(i) = X(i)opt");
  Check4.setCaption("+X(i)=X(i)opt");
  Command13.setCaption("8- Построить графики");

  scrolled::setUpScrollBars(HScroll1, VScroll1);
  Picture3.embed(Picture1);
  Command16.setCaption("Очистить");
  Command15.setCaption("Файлы*");
  Command3.setCaption("Закрыть форму");
}

void Form15::connectHandlers() {
  Command5.onClick([this] { Command5_Click(); });
  Command14.onClick([this] { Command14_Click(); });
  Command12.onClick([this] { Command12_Click(); });
  Command4.onClick([this] { Command4_Click(); });
  Command8.onClick([this] { Command8_Click(); });
  Text3.onChange([this] { Text3_Change(); });
  Command6.onClick([this] { Command6_Click(); });
  Command10.onClick([this] { Command10_Click(); });
  Command1.onClick([this] { Command1_Click(); });
  Command7.onClick([this] { Command7_Click(); });
  Command9.onClick([this] { Command9_Click(); });
  Command13.onClick([this] { Command13_Click(); });
  HScroll1.onChange([this] { HScroll1_Change(); });
  HScroll1.onScroll([this] { HScroll1_Change(); });
  VScroll1.onChange([this] { VScroll1_Change(); });
  VScroll1.onScroll([this] { VScroll1_Change(); });
  Command16.onClick([this] { Command16_Click(); });
  Command15.onClick([this] { Command15_Click(); });
  Command3.onClick([this] { Command3_Click(); });
}

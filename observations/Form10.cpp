// Form10's design-time captions and defaults, the wiring of its handlers
// and its accessor.
#include "observations/Form10.h"

#include "observations/Form10Texts.h"
#include "statistics/ScrolledPicture.h"

Form10& form10() { return ui::formInstance<Form10>(); }

Form10::Form10() : Form(10, form10text::kCaption) {
  setCaptions();
  setDefaults();
  connectHandlers();
  layoutControls();
}

void Form10::setCaptions() {
  Frame1.setCaption("данные");
  Option1.setCaption("Tab");
  Option2.setCaption("Obs");
  Frame2.setCaption("Tab");
  for (const AncientTablePreset& preset : observationWindowTablePresets())
    Option4[preset.index].setCaption(preset.caption);
  Check19.setCaption("+/-прецесс Tab*");
  Frame3.setCaption("Obs");
  const char* observatories[] = {"", "GREN", "PARI", "USNO", "NIKO", "CAPE", "SUMM", "иное"};
  for (int i = 0; i <= 7; ++i) Option9[i].setCaption(observatories[i]);
  Check3.setCaption("+Good File Obs");

  Frame5.setCaption("параметры орбит планет (p)");
  Option10.setCaption("План");
  Option11.setCaption("JPL0");
  Option12.setCaption("Ser0");
  Frame6.setCaption("параметры в эпохе");
  Option13.setCaption("J2000");
  Option14.setCaption("JD");
  Frame10.setCaption("когда Земля (z) и Луна (l) по");
  Option19.setCaption("JPL0");
  Option20.setCaption("Ser0");
  Option21.setCaption("Ser0+");
  Check31.setCaption("+dLzl");
  Check27.setCaption("+dLp");

  Check15.setCaption("Аберр. ис.");
  Check16.setCaption("Аберр. пр.");
  Check24.setCaption("Параллакс");
  Check23.setCaption("Рефракция");
  Check17.setCaption("Нутация");
  Check18.setCaption("Аберрация");

  Frame4.setCaption("календарь");
  Option5.setCaption("Григорианский");
  Option6.setCaption("Юлианский ");
  Option7.setCaption("Египетский");
  Frame7.setCaption("время от");
  Option15.setCaption("0");
  Option16.setCaption("12   часов");
  Command2.setCaption("DMY->JD");
  Command3.setCaption("JD->DMY");
  Command18.setCaption("JD = JD0");

  Command1.setCaption("Начать");
  Command4.setCaption("Остановить");
  Command5.setCaption("Продолжить");
  Command6.setCaption("Сделать 1 шаг");
  Check28.setCaption("пауза");
  Check4.setCaption("без анимации");
  Check13.setCaption("+File Отладка");
  Check29.setCaption("+Видимость");
  Check25.setCaption("++Hsol<");

  Check20.setCaption("+ dRmax, dLmax <=");
  Frame9.setCaption("критерий");
  Option17.setCaption("dR");
  Option18.setCaption("Abs(dL)");
  Check21.setCaption("+Статистика");
  Check22.setCaption("++File Bad, Good №");
  Check7.setCaption("+ Sqr(E(dR^2)/N)");
  Check26.setCaption("+kVes=");
  Command15.setCaption("++Статистика");

  Check1.setCaption("Ras (ЭКЛ)");
  Check9.setCaption("Nab (ЭКЛ)");
  Check11.setCaption("L-долгота");
  Check12.setCaption("B-широта (градусы)");
  Check10.setCaption("dL, dB, град");
  Check14.setCaption("dR, тыс. км");
  Check34.setCaption("dLsr, dBsr");
  Check35.setCaption("Abs(dL,dB)sr");
  Check6.setCaption("dRsr, тыс. км");
  Frame8.setCaption("наблюденя");
  Option8.setCaption("ГЕО ЭКЛ");
  Option3.setCaption("ТОПО ГОР");
  Check2.setCaption("траектории");
  Check5.setCaption("лучи");

  Label4.setCaption("масштаб");
  Command8.setCaption("Очистить рисунки");
  Command7.setCaption("Выполнить эксперименты с");
  Check8.setCaption("использовать тест");
  Command10.setCaption("Найти коэффициенты уравнения регрессии");
  Command12.setCaption("Построить графики при X(i)=X(i)opt");
  Check30.setCaption("Звук в конце");

  Command9.setCaption("План * ");
  Command16.setCaption("dLl*");
  Command17.setCaption("dLp*");
  Command11.setCaption("К статистике");
  Command14.setCaption("Закрыть форму");
  Command13.setCaption("Выход");
}

void Form10::setDefaults() {
  Option1.setValue(true);
  Option4[0].setValue(true);
  for (int hidden : {0, 5, 6}) Option4[hidden].setVisible(false);
  Option9[0].setValue(true);
  Option9[0].setVisible(false);
  Text59.setText("BERL");
  Text56.setText("100");
  Text57.setText("41");
  Text1.setText("11");
  Text24.setText("0");
  Text25.setText("0");
  Text16.setText("1800");
  Text14.setText("2000");
  Option11.setValue(true);
  Option13.setValue(true);
  Option19.setValue(true);
  Text47.setText("5030");

  Text2.setText("1,5");
  Text3.setText("1");
  Text4.setText("2000");
  Text5.setText("2451545");
  Option5.setValue(true);
  Option15.setValue(true);
  Text65.setText("2000");

  Text18.setText("1,28");
  Text17.setText("1000");
  Text46.setText("1");
  Text48.setText("-0,2");
  Text50.setText("200");
  Option17.setValue(true);
  Text6.setText("1");
  Text19.setText("90");
  Text20.setText("100");
  Text49.setText("50");
  Text53.setText("0");
  // The deviations of both coordinates are plotted unless the user unticks
  // them.
  Check10.setValue(1);
  Check11.setValue(1);
  Check12.setValue(1);
  Option8.setValue(true);
  Check5.setValue(1);

  HScroll2.setMin(1);
  HScroll2.setMax(1000);
  HScroll2.setValue(300);
  scrolled::setUpScrollBars(HScroll1, VScroll1);
  Picture2.embed(Picture4);
  Text28.setText("1");
  Text26.setText("1");
  Text27.setText("43");
  Check30.setValue(1);
  Text51.setText("Text51");
  Text52.setText("Text52");
  Text51.setVisible(false);
  Text52.setVisible(false);
}

void Form10::connectHandlers() {
  Option1.onClick([this] { Option1_Click(); });
  Option2.onClick([this] { Option2_Click(); });
  Option9.onClick([this](int Index) { Option9_Click(Index); });
  Option4.onClick([this](int Index) { Option4_Click(Index); });
  Option10.onClick([this] { Option10_Click(); });
  Option11.onClick([this] { Option11_Click(); });
  Option12.onClick([this] { Option12_Click(); });
  Command2.onClick([this] { Command2_Click(); });
  Command3.onClick([this] { Command3_Click(); });
  Command18.onClick([this] { Command18_Click(); });
  Command1.onClick([this] { Command1_Click(); });
  Command4.onClick([this] { Command4_Click(); });
  Command5.onClick([this] { Command5_Click(); });
  Command6.onClick([this] { Command6_Click(); });
  Command8.onClick([this] { Command8_Click(); });
  Command15.onClick([this] { Command15_Click(); });
  Command7.onClick([this] { Command7_Click(); });
  HScroll2.onChange([this] { HScroll2_Change(); });
  HScroll1.onChange([this] { HScroll1_Change(); });
  HScroll1.onScroll([this] { HScroll1_Change(); });
  VScroll1.onChange([this] { VScroll1_Change(); });
  VScroll1.onScroll([this] { VScroll1_Change(); });
  Text51.onChange([this] { Text51_Change(); });
  Text52.onChange([this] { Text52_Change(); });
  Command10.onClick([this] { Command10_Click(); });
  Command12.onClick([this] { Command12_Click(); });
  Command9.onClick([this] { Command9_Click(); });
  Command16.onClick([this] { Command16_Click(); });
  Command17.onClick([this] { Command17_Click(); });
  Command11.onClick([this] { Command11_Click(); });
  Command14.onClick([this] { Command14_Click(); });
  Command13.onClick([this] { Command13_Click(); });
}

// Form1: design-time defaults of the controls, the wiring of their handlers
// and the accessor.
#include "setup/Form1.h"

#include <array>

#include "setup/Form1Texts.h"

Form1& form1() { return ui::formInstance<Form1>(); }

Form1::Form1() : Form(1, "Параметры объектов и начальные данные  Celvan7m - форма 1") {
  setDesignDefaults();
  connectHandlers();
  layoutControls();
}

void Form1::setDesignDefaults() {
  for (int i = 0; i <= 10; ++i) {
    Check2[i].setCaption(form1text::kObjectNames[i]);
    Check2[i].setValue(i <= 9 ? 1 : 0);
    Option1[i].setCaption(form1text::kObjectNames[i]);
  }
  Option1[1].setValue(true);
  Check3.setCaption("Земля-Луна и Ксена=Луна");
  Check4.setCaption("Bary");

  Text34.setText("1801");
  Text33.setText("1");
  Text32.setText("1,5");
  Command17.setCaption("G->J");
  Command18.setCaption("J->G");

  Option4.setCaption("New0 (JD)");
  Option5.setCaption("JPL0 (J2000)");
  Option8.setCaption("Ser0 (J2000)");
  Option9.setCaption("параметры и данные JPL2 (J2000)");
  Option6.setCaption("параметры и данные из файла");
  Option7.setCaption("параметры или данные с экрана");
  Option8.setValue(true);
  Command3.setCaption("Загрузить параметры на");
  Text23.setText("1");
  Command4.setCaption("Сохранить данные в файле №");
  Command12.setCaption("Рассчитать по параметрам орбит начальные данные");

  displayFrame_.setCaption("Показавать на экране");
  Option2.setCaption("параметры орбит объектов");
  Option3.setCaption("начальные данные");
  Option2.setValue(true);
  const std::array<ui::Label*, 7> rowCaptions{&Label1, &Label2, &Label3, &Label4,
                                              &Label5, &Label6, &Label7};
  const std::array<const char*, 7> designCaptions{"AlfaL, град", "Rsr",         "Wsr",  "Eks",
                                                  "Betta, град", "AlfaP",       "AlfaU"};
  for (std::size_t row = 0; row < rowCaptions.size(); ++row)
    rowCaptions[row]->setCaption(designCaptions[row]);
  Text28.setVisible(false);

  // The picture's background is black: the orbit check erases a body by
  // drawing it again in black.
  Picture1.setBackColor(RGB(0, 0, 0));
  HScroll1.setMin(1);
  HScroll1.setMax(10000);
  HScroll1.setValue(3000);
  HScroll1.setSmallChange(10);
  HScroll1.setLargeChange(500);
  Label10.setCaption("масштаб изображения = ");

  Command15.setCaption("Найти координаты ЦМ системы");
  Command2.setCaption("ЦМ системы в начало координат");
  Command16.setCaption("Найти по Vpl скорость Солнца Vsol");
  Check7.setCaption("ЦМ системы");

  Command13.setCaption("Проверить параметры орбиты и ошибку их определения программой");
  Command5.setCaption("Остановить");
  Command6.setCaption("Продолжить ");
  Command7.setCaption("сделать NC0 шагов");
  Check5.setCaption("при Vsol=const");
  Check1.setCaption("траектории");
  Text29.setText("1000");
  Text30.setText("3600");
  Text31.setText("100");
  Text10.setText("1");

  Command1.setCaption("К моделированию");
  Command20.setCaption("К наблюдениям");
  Command10.setCaption("Скорость системы* ");
  Command25.setCaption("Bary - Geo*");
  Command19.setCaption("ET-UT*");
  Command8.setCaption("About*");
  Command11.setCaption("Обозначения*");
  Command21.setCaption("Планы*");
  Command22.setCaption("Координаты*");
  Command23.setCaption("Эллипс*");
  Command24.setCaption("Аберрация*");
  Command26.setCaption("JPL (DE405)*");
  Command27.setCaption("2-а тела*");
  Command9.setCaption("Выход");
}

void Form1::connectHandlers() {
  Check2.onClick([this](int Index) { Check2_Click(Index); });
  Check3.onClick([this] { Check3_Click(); });
  Command3.onClick([this] { Command3_Click(); });
  Command4.onClick([this] { Command4_Click(); });
  Command12.onClick([this] { Command12_Click(); });
  Option2.onClick([this] { Option2_Click(); });
  Option3.onClick([this] { Option3_Click(); });
  Text28.onChange([this] { Text28_Change(); });
  Command17.onClick([this] { Command17_Click(); });
  Command18.onClick([this] { Command18_Click(); });
  HScroll1.onChange([this] { HScroll1_Change(); });
  Command1.onClick([this] { Command1_Click(); });
  Command9.onClick([this] { Command9_Click(); });
  Command15.onClick([this] { Command15_Click(); });
  Command2.onClick([this] { Command2_Click(); });
  Command16.onClick([this] { Command16_Click(); });
  Command13.onClick([this] { Command13_Click(); });
  Command5.onClick([this] { Command5_Click(); });
  Command6.onClick([this] { Command6_Click(); });
  Command7.onClick([this] { Command7_Click(); });
  Command10.onClick([this] { Command10_Click(); });
  Command20.onClick([this] { Command20_Click(); });
  Command25.onClick([this] { Command25_Click(); });
  Command8.onClick([this] { Command8_Click(); });
  Command11.onClick([this] { Command11_Click(); });
  Command21.onClick([this] { Command21_Click(); });
  Command22.onClick([this] { Command22_Click(); });
  Command23.onClick([this] { Command23_Click(); });
  Command24.onClick([this] { Command24_Click(); });
  Command26.onClick([this] { Command26_Click(); });
  Command27.onClick([this] { Command27_Click(); });
  Command19.onClick([this] { Command19_Click(); });
}

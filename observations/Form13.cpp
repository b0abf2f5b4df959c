// Form13: design-time captions, the wiring of its handlers, the layout and
// the accessor. One row per orbit parameter: the factor tick, the zero
// level, the interval and the two optima.
#include "observations/Form13.h"

#include <QGridLayout>

#include <string>

Form13& form13() { return ui::formInstance<Form13>(); }

namespace {

const char* const kRowLabels[] = {"Rsr, тыс.км.", "Eks", "Betta, град ", "AlfaP, град", "AlfaU, град",
                                  "Wsr, рад/век", "AlfaL0, град", "dP11,рад/век", "dU11,рад/век"};

}  // namespace

Form13::Form13() : Form(13, "План эксперименов (наблюдения) Celvan7m  ф. 13") {
  setCaptions();
  Text16.onChange([this] { Text16_Change(); });
  Command3.onClick([this] { Command3_Click(); });
  Command5.onClick([this] { Command5_Click(); });
  Command6.onClick([this] { Command6_Click(); });
  Command7.onClick([this] { Command7_Click(); });
  Command8.onClick([this] { Command8_Click(); });
  Command4.onClick([this] { Command4_Click(); });
  Command1.onClick([this] { Command1_Click(); });
  Command2.onClick([this] { Command2_Click(); });
  layoutControls();
}

void Form13::setCaptions() {
  Label1.setCaption("нулевые уровни, интервалы варьирования и оптимальные параметры орбиты");
  for (int i = 1; i <= 9; ++i) {
    Text1[i].setText("Text1");
    Text2[i].setText("Text2");
    Text3[i].setText("Text3");
    Text4[i].setText("Text4");
  }
  for (int factor : {2, 3, 4, 5}) Check1[factor].setValue(1);
  Text5.setText("Text5");
  Text6.setText("Text6");
  Text7.setText("Text7");
  Option5.setCaption("Orto");
  Option4.setCaption("Roto");
  Option5.setValue(true);
  Command4.setCaption("Создать план");
  Label20.setCaption("план");
  Text26.setText("Text26");
  Text27.setText("Text27");
  Option2.setCaption("шаблона");
  Option1.setCaption("файла");
  Option2.setValue(true);
  Command1.setCaption("Загрузить параметры плана из");
  Command2.setCaption("Записать план опыта в файл");
  Check2.setCaption("план возмущений от планет №1 или №2");
  Frame3.setCaption("от планеты");
  Option3.setCaption("№1");
  Option6.setCaption("№2");
  Option3.setValue(true);
  Label37.setCaption("X2...X9 = dL3,dL4,dL7,dL5,dL8,dL9,dL10,dL21 ");
  Command3.setCaption("Оптимизировать отмеченные параметры");
  Command5.setCaption("Задать нулевые уровни = X(i)opt");
  Command6.setCaption("X(i)opt=0");
  Command7.setCaption("Добавить оптимальные параметры в файл");
  Command8.setCaption("возмущения на форму 22");
  Text16.setText("Text16");
  Text16.setVisible(false);
}

void Form13::layoutControls() {
  QGridLayout& form = grid();
  form.setContentsMargins(8, 8, 8, 8);
  form.setHorizontalSpacing(6);
  form.setVerticalSpacing(3);
  ui::place(form, Label1, 0, 0, 1, 7);
  ui::addCaption(form, "+/-", 1, 3);
  ui::addCaption(form, "X(i)opt", 1, 6);
  for (int i = 1; i <= 9; ++i) {
    const int row = i + 1;
    ui::place(form, Check1[i], row, 0);
    ui::addCaption(form, kRowLabels[i - 1], row, 1);
    ui::place(form, Text1[i], row, 2);
    ui::place(form, Text2[i], row, 3);
    ui::addCaption(form, "X" + std::to_string(i) + "opt=", row, 4);
    ui::place(form, Text3[i], row, 5);
    ui::place(form, Text4[i], row, 6);
  }
  ui::setWidthPixels(Text1, 130);
  ui::setWidthPixels(Text2, 90);
  ui::setWidthPixels(Text3, 90);
  ui::setWidthPixels(Text4, 130);

  QGridLayout& velocity = ui::addGrid(form, 11, 0, 1, 7);
  ui::placeCaptioned(velocity, "VXsys", Text5, 0, 0, 70);
  ui::placeCaptioned(velocity, "VYsys", Text6, 0, 2, 70);
  ui::placeCaptioned(velocity, "VZsys", Text7, 0, 4, 70);
  ui::addCaption(velocity, "км/с", 0, 6);
  velocity.setColumnStretch(7, 1);

  QGridLayout& plan = ui::addGrid(form, 12, 0, 1, 7);
  ui::place(plan, Frame1, 0, 0);
  ui::place(Frame1.grid(), Option5, 0, 0);
  ui::place(Frame1.grid(), Option4, 0, 1);
  ui::place(plan, Command4, 0, 1);
  ui::place(plan, Label20, 0, 2, 1, 3);
  QGridLayout& numbers = ui::addGrid(plan, 1, 0, 1, 3);
  ui::placeCaptioned(numbers, "План №", Text26, 0, 0, 50);
  ui::placeCaptioned(numbers, "Опыт №", Text27, 0, 2, 50);
  numbers.setColumnStretch(4, 1);
  ui::place(plan, Command1, 2, 0);
  ui::place(plan, Frame2, 2, 1);
  ui::place(Frame2.grid(), Option2, 0, 0);
  ui::place(Frame2.grid(), Option1, 0, 1);
  ui::place(plan, Command2, 2, 2);
  plan.setColumnStretch(5, 1);

  QGridLayout& perturbations = ui::addGrid(form, 13, 0, 1, 7);
  ui::place(perturbations, Check2, 0, 0);
  ui::place(perturbations, Frame3, 0, 1);
  ui::place(Frame3.grid(), Option3, 0, 0);
  ui::place(Frame3.grid(), Option6, 0, 1);
  ui::place(perturbations, Label37, 1, 0, 1, 2);
  perturbations.setColumnStretch(2, 1);

  QGridLayout& optimum = ui::addGrid(form, 14, 0, 1, 7);
  ui::place(optimum, Command3, 0, 0);
  ui::place(optimum, Command5, 0, 1);
  ui::place(optimum, Command6, 0, 2);
  ui::place(optimum, Command7, 1, 0, 1, 2);
  ui::place(optimum, Command8, 1, 2);
  optimum.setColumnStretch(3, 1);
}

// Form23: design-time captions, the wiring of the handlers, the layout and
// the accessor. The window stands in two frames, the laws of gravity
// pressure with their coefficients and switches above, the retardation
// variants below, then the switches of the energy check and the buttons.
#include "model/Form23.h"

#include <QGridLayout>

Form23& form23() { return ui::formInstance<Form23>(); }

Form23::Form23() : Form(23, "Дополнительные параметры   Celvan7mmm - форма 23") {
  setCaptions();
  connectHandlers();
  layoutControls();
}

void Form23::setCaptions() {
  lawFrame_.setCaption("выбор вида динамического воздействия скорости гравитации Vgr или  Ve=Vgr+Vi");
  Option1.setCaption("Не учитывать давление гравитации");
  Option2.setCaption("Вебер   Fik = F0ik * (1 - k1 * (dR/dt)^2  / Vgr^2 + k2 * R * d2R/dt2 /  Vgr^2");
  Option3.setCaption("Гербер Fik = F0ik * (1 - k1  * (dR/dt)^2 / Ve^2 + k2 * R * d2R/dt2  / Ve^2) ");
  Option4.setCaption("Гербер Fik = F0ik *Ve^2* (Ve^2 + 3*(dR/dt)^2 + 6*R*d2R/dt2 - 4*Ve*dR/dt) / (Ve - dR/dt)^4");
  Option5.setCaption("Л-В Fik= (F00ik / Rf / Vgr^2) * ((R' - R*Vi' / Vgr) * (k1*R' * Ai' + Vgr^2 - Vi^2) - k2*R*Rf * Ai')");
  Option6.setCaption("Зорвен Fik = F0ik * (1 - k1 * Vk / Vgr) / (1 - k2 * Vi / Vgr)");
  Option7.setCaption("Fik = F0ik * sqrt (Vgr^2 + V(k)^2 - 2 * Vgr * Vk) / sqrt (Vgr^2 + Vi^2 - 2 * Vgr * Vi)");
  Text1.setText("0");
  Text2.setText("0");
  Check2.setCaption(" рассчитывать dR/dt  и Vi , Vk в Diffur при каждом обращении туда метода Рунге-Кутта");
  Check5.setCaption(
      "при этом d2R/dt2 и Ai рассчитывать не по скоростям, а по ускорениям ускорений          (в Л-В R', V'i и Ai' "
      "это векторы, а Rf=R - R' * Vi' / Vgr, где R, Vi и Ai -запаздывающие)");
  Check6.setCaption("рассчитать Л-В  как Fik= F00ik *( R' - V' * R / Vgr)  / Rf  где  F00ik= G * mi * mk / Rf^2");

  retardationFrame_.setCaption("выбор варианта рассчета для учета запаздывания потенциала по координатам");
  Option8.setCaption("не учитывать запаздвание потенциала по координатам");
  Option9.setCaption("DX1-учитывать запаздывание по скоростям в текущий момент времени");
  Option10.setCaption("DX2-учитывать запаздывание по скоростям и ускорениям в текущий момент времени");
  Option11.setCaption("DX3-учитывать запаздывание по сохраненным в массиве координатам следов планет");

  Check1.setCaption("выполнять уточненый расчет для энергии и момента количества движения системы");
  Check3.setCaption("вместо координат планеты выводить координаты центра масс системы");
  Check4.setCaption("использовать мгновенные значения координат и скорости центра масс системы");
  Command1.setCaption("Задать выбранные параметры взаимодействия для учета Vgr");
  Command2.setCaption("Закрыть форму");
}

void Form23::connectHandlers() {
  Option1.onClick([this] { Option1_Click(); });
  Option2.onClick([this] { Option2_Click(); });
  Option3.onClick([this] { Option3_Click(); });
  Option4.onClick([this] { Option4_Click(); });
  Option5.onClick([this] { Option5_Click(); });
  Option6.onClick([this] { Option6_Click(); });
  Option7.onClick([this] { Option7_Click(); });
  Command1.onClick([this] { Command1_Click(); });
  Command2.onClick([this] { Command2_Click(); });
}

void Form23::layoutControls() {
  QGridLayout& form = grid();
  form.setContentsMargins(8, 8, 8, 8);
  form.setVerticalSpacing(6);

  ui::place(form, lawFrame_, 0, 0, 1, 2);
  QGridLayout& laws = lawFrame_.grid();
  laws.setVerticalSpacing(2);
  int row = 0;
  for (ui::OptionButton* law : {&Option1, &Option2, &Option3, &Option4, &Option5, &Option6, &Option7})
    ui::place(laws, *law, row++, 0, 1, 2);
  QGridLayout& coefficients = ui::addGrid(laws, row++, 0);
  coefficients.setHorizontalSpacing(8);
  ui::placeCaptioned(coefficients, "k1", Text1, 0, 0, 110);
  coefficients.setColumnMinimumWidth(2, 16);
  ui::placeCaptioned(coefficients, "k2", Text2, 0, 3, 110);
  coefficients.setColumnStretch(5, 1);
  for (ui::CheckBox* option : {&Check2, &Check5, &Check6}) ui::place(laws, *option, row++, 0, 1, 2);

  ui::place(form, retardationFrame_, 1, 0, 1, 2);
  QGridLayout& retardation = retardationFrame_.grid();
  retardation.setVerticalSpacing(2);
  row = 0;
  for (ui::OptionButton* variant : {&Option8, &Option9, &Option10, &Option11})
    ui::place(retardation, *variant, row++, 0);

  row = 2;
  for (ui::CheckBox* option : {&Check1, &Check3, &Check4}) ui::place(form, *option, row++, 0, 1, 2);
  ui::place(form, Command1, row, 0);
  ui::place(form, Command2, row, 1);
  form.setRowStretch(row + 1, 1);
}

// Form26: the options window of the two-body run.
#include "twobody/Form26.h"

#include <QGridLayout>

#include "core/runtime/ErrorTrap.h"
#include "core/runtime/NumberText.h"
#include "core/runtime/RuntimeError.h"
#include "core/state/SharedState.h"
#include "twobody/Form25.h"
#include "twobody/Form25Texts.h"
#include "science/twobody/TwoBody.h"

namespace {

constexpr int kScaleBoxWidth = 70;
constexpr double kMetresPerSecondPerKmPerSecond = 1000;


}  // namespace

Form26& form26() { return ui::formInstance<Form26>(); }

Form26::Form26() : Form(26, "Доп. параметры                 форма 26     Celvan7mm") {
  setDesignDefaults();
  Command1.onClick([this] { Command1_Click(); });
  Command2.onClick([this] { Command2_Click(); });
  layoutControls();
}

void Form26::setDesignDefaults() {
  Check1.setCaption("Кол-во импульсов, шт/с  /");
  Text3.setText("0,01");
  Check4.setCaption("Задать обратное движение m1");
  Check2.setCaption("Лучевая скорость (VY), км/с  /");
  Text6.setText("100");
  Check5.setCaption("на графике VY = - VY");
  Check3.setCaption("Запаздывание по Ремеру, с  / ");
  Text7.setText("1");
  Text1.setText("0");
  Text8.setText("60");
  Check6.setCaption("Запаздывание от скорости по СТО, с /");
  Text2.setText("0,001");
  Text9.setText("0");
  Check7.setCaption("Запаздывание от массы по ОТО, с /");
  Text5.setText("0,001");
  Text10.setText("0");
  Frame1.setCaption("Начинать отсчет запаздывания от замедления времени по СТО и по ОТО от");
  Option1.setCaption("от периастра");
  Option1.setValue(true);
  Option2.setCaption("от картинной плоскости, т.е. от восходящего узла");
  Command1.setCaption("Задать дополнительные параметры");
  Command2.setCaption("Закрыть форму");
}

void Form26::layoutControls() {
  QGridLayout& g = grid();
  g.setVerticalSpacing(4);
  ui::place(g, Check1, 0, 0);
  ui::place(g, Text3, 0, 1);
  ui::placeCaptioned(g, "от среднего значения 1/P0=", Text4, 0, 2, kScaleBoxWidth + 20);
  ui::place(g, Check4, 1, 0, 1, 2);
  ui::place(g, Check2, 2, 0);
  ui::place(g, Text6, 2, 1);
  ui::place(g, Check5, 2, 2, 1, 2);
  ui::place(g, Check3, 3, 0);
  ui::place(g, Text7, 3, 1);
  ui::placeCaptioned(g, "Сила сопротивления / V^2=", Text1, 3, 2, kScaleBoxWidth + 20);
  QGridLayout& drag = ui::addGrid(g, 4, 0, 1, 4);
  ui::placeCaptioned(drag, "силу сопротивления учитывать в интервале +/- ", Text8, 0, 0,
                     kScaleBoxWidth);
  ui::addCaption(drag, "градусов от периастра", 0, 2);
  drag.setColumnStretch(3, 1);
  ui::place(g, Check6, 5, 0);
  ui::place(g, Text2, 5, 1);
  QGridLayout& velocityMean = ui::addGrid(g, 5, 2, 1, 2);
  ui::placeCaptioned(velocityMean, " - среднее", Text9, 0, 0, kScaleBoxWidth);
  ui::addCaption(velocityMean, "c / c", 0, 2);
  ui::place(g, Check7, 6, 0);
  ui::place(g, Text5, 6, 1);
  QGridLayout& massMean = ui::addGrid(g, 6, 2, 1, 2);
  ui::placeCaptioned(massMean, " - среднее", Text10, 0, 0, kScaleBoxWidth);
  ui::addCaption(massMean, "c / c", 0, 2);
  ui::place(g, Frame1, 7, 0, 1, 4);
  ui::place(Frame1.grid(), Option1, 0, 0);
  ui::place(Frame1.grid(), Option2, 0, 1);
  ui::place(g, Command1, 8, 0, 1, 2);
  ui::place(g, Command2, 8, 2, 1, 2);
  for (ui::TextBox* box : {&Text3, &Text6, &Text7, &Text2, &Text5})
    ui::setWidthPixels(*box, kScaleBoxWidth);
}

// Form_Load: the emitted pulse rate 1/P0 of the two-body window's step, to
// six decimals, for reference. A step that is no number or not positive
// leaves the box empty.
void Form26::Form_Load() {
  try {
    const double step = CDbl(form25().Text22.Text());
    if (step > 0) Text4.setText(Str(Fix(Main.MK / step) / Main.MK));
  } catch (const RuntimeError&) {
    Text4.setText("");
  }
}

// Command1_Click "Задать дополнительные параметры": the controls into the
// shared options. A box that is no number shows "Задайте правильно данные"
// (title "Celvan7mm") and changes nothing.
void Form26::Command1_Click() {
  withErrorTrap(form25text::kBadData, form25text::kTitle7mm, [&] { applyOptions(); });
}

void Form26::applyOptions() {
  // Every box is read before anything is stored, so that a wrong box leaves
  // the options as they were.
  const double pulseScale = CDbl(Text3.Text());
  const double velocityScale = CDbl(Text6.Text()) * kMetresPerSecondPerKmPerSecond;
  const double roemerScale = CDbl(Text7.Text());
  const double srScale = CDbl(Text2.Text());
  const double grScale = CDbl(Text5.Text());
  const double srRate = CDbl(Text9.Text());
  const double grRate = CDbl(Text10.Text());
  const double dragWindow = CDbl(Text8.Text());
  const double drag = CDbl(Text1.Text());
  twobody::TimingOptions& o = form25().Timing;
  o.pulseRateScale = pulseScale;
  o.velocityScale = velocityScale;
  o.roemerScale = roemerScale;
  o.pulseRateCurve = Check1.Value() == 1;
  o.velocityCurve = Check2.Value() == 1;
  o.roemerCurve = Check3.Value() == 1;
  o.srDelayScale = srScale;
  o.grDelayScale = grScale;
  o.srMeanRate = srRate;
  o.grMeanRate = grRate;
  o.srDelayCurve = Check6.Value() == 1;
  o.grDelayCurve = Check7.Value() == 1;
  o.delaysFromNode = Option2.Value();
  o.dragWindow = dragWindow;
  o.dragCoefficient = drag;
  o.timeDirection = Check4.Value() == 1 ? -1 : 1;
  o.velocitySign = Check5.Value() == 1 ? -1 : 1;
}

// Command2_Click "Закрыть форму": the options stay with the two-body window.
void Form26::Command2_Click() { Unload(); }

#pragma once
// Form26, "Доп. параметры": the options of the two-body run. It keeps
// nothing itself: "Задать дополнительные параметры" copies its controls into
// shared variables, which the run of Form25 reads at its next step:
//   N1, N2, LongScratch      pulse-rate, radial-velocity and Roemer-delay
//                            curves on (1) or off (0)
//   LastStateIndex,          velocity (SR) and mass (GR) delay curves
//   GrDelayCurveFlag
//   Z(27)..Z(31)             scales of the five curves per picture unit
//                            (Z(28) in m/s, the box in km/s)
//   Y(60), Y(61)             mean rates of the two delays taken off at every
//                            step, s per s
//   kPgr2, DragWindow        drag force per squared velocity component,
//                            N/(m/s)², and the half-width in degrees of the
//                            window around periastron where it acts
//   TimeDirection            -1: the start velocities reversed at the next
//                            "Задать координаты и скорости m1 и m2"
//   ForceModel               sign of VY on the graph
//   VsolConstFlag            delay origin: 0 periastron, 1 ascending node
#include "ui/FormsRuntime.h"

class Form26 : public ui::Form {
 public:
  Form26();

  ui::CheckBox Check1{this};  // "Кол-во импульсов, шт/с  /"
  ui::TextBox Text3{this};
  ui::TextBox Text4{this};    // display of 1/P0
  ui::CheckBox Check4{this};  // "Задать обратное движение m1"
  ui::CheckBox Check2{this};  // "Лучевая скорость (VY), км/с  /"
  ui::TextBox Text6{this};
  ui::CheckBox Check5{this};  // "на графике VY = - VY"
  ui::CheckBox Check3{this};  // "Запаздывание по Ремеру, с  / "
  ui::TextBox Text7{this};
  ui::TextBox Text1{this};    // "Сила сопротивления / V^2="
  ui::TextBox Text8{this};    // drag window, degrees
  ui::CheckBox Check6{this};  // "Запаздывание от скорости по СТО, с /"
  ui::TextBox Text2{this};
  ui::TextBox Text9{this};    // mean rate of the velocity delay
  ui::CheckBox Check7{this};  // "Запаздывание от массы по ОТО, с /"
  ui::TextBox Text5{this};
  ui::TextBox Text10{this};   // mean rate of the mass delay
  ui::Frame Frame1{this};
  ui::OptionButton Option1{this};  // "от периастра"
  ui::OptionButton Option2{this};  // "от картинной плоскости, т.е. от восходящего узла"
  ui::CommandButton Command1{this};  // "Задать дополнительные параметры"
  ui::CommandButton Command2{this};  // "Закрыть форму"

  void Command1_Click();
  void Command2_Click();

 protected:
  void Form_Load() override;

 private:
  void setDesignDefaults();
  void layoutControls();
  void applyOptions();
};

// The accessor: loads Form26 (hidden) on first touch.
Form26& form26();

#pragma once
// Form21, "Возмущения  Луны dLdB": the amplitudes of the Moon's periodic
// inequalities caused by the Sun, fourteen in longitude and six in
// latitude. The ticked terms go into MoonPerturbationCoefficients, which
// MoonPerturbationsDLDB adds to the Moon's position. Every load writes the
// default amplitudes and applies them, so the observation and eclipse
// windows load and unload this window to set the defaults.
//
//   Form21.cpp              design-time captions, handler wiring, layout, accessor
//   Form21Coefficients.cpp  Form_Load, apply, close
#include "ui/FormsRuntime.h"

class Form21 : public ui::Form {
 public:
  Form21();

  // One row per term, indices 1..16 and 25..28 (17..24 exist but are
  // hidden and never read).
  ui::ControlArray<ui::CheckBox> Check1{this, 1, 28};
  ui::ControlArray<ui::TextBox> Text1{this, 1, 28};
  ui::Frame anglesFrame_{this};      // "обозначения углов"
  ui::CommandButton Command1{this};  // "Задать значения коэффициентов"
  ui::CommandButton Command2{this};  // "Закрыть форму"

  // Command1_Click: the amplitudes of the ticked rows into
  // MoonPerturbationCoefficients, 0 for the others. A ticked box that holds
  // no number is refused with a message and nothing is stored.
  void Command1_Click();
  // Command2_Click: unloads the window; the stored amplitudes stay.
  void Command2_Click();

 protected:
  // Writes the default amplitudes into the boxes and applies them.
  void Form_Load() override;

 private:
  void setCaptions();
  void layoutControls();
};

Form21& form21();

#pragma once
// Form23, "Дополнительные параметры   Celvan7mmm - форма 23": the options of
// the gravitational interaction of the model window. The researcher chooses
// the law of gravity pressure (kodPgr with its coefficients kPgr1, kPgr2),
// the retardation variant of the potential (kodDX) and six switches of the
// right-hand side and of the energy check; the window shows and stores
// these shared options, and the model's right-hand side and run loop read
// them. Nothing is stored until "Задать выбранные параметры взаимодействия
// для учета Vgr" is pressed.
//
//   Form23.cpp         design-time captions, handler wiring, layout, accessor
//   Form23Options.cpp  Form_Load, the law options, apply, close
#include "ui/FormsRuntime.h"

class Form23 : public ui::Form {
 public:
  Form23();

  // --- The law of gravity pressure ---
  ui::Frame lawFrame_{this};  // "выбор вида динамического воздействия ..."
  ui::OptionButton Option1{this};  // none          kodPgr 0
  ui::OptionButton Option2{this};  // Weber         kodPgr 2
  ui::OptionButton Option3{this};  // Gerber series kodPgr 3
  ui::OptionButton Option4{this};  // Gerber closed kodPgr 4
  ui::OptionButton Option5{this};  // Л-В           kodPgr 5
  ui::OptionButton Option6{this};  // Зорвен        kodPgr 6
  ui::OptionButton Option7{this};  // relative speeds kodPgr 7
  ui::TextBox Text1{this};  // k1
  ui::TextBox Text2{this};  // k2
  ui::CheckBox Check2{this};  // kinematics at every Runge-Kutta stage
  ui::CheckBox Check5{this};  // d²R/dt² and Ai from rates of accelerations
  ui::CheckBox Check6{this};  // the short form of Л-В

  // --- The retardation of the potential by coordinates ---
  ui::Frame retardationFrame_{this};  // "выбор варианта рассчета ..."
  ui::OptionButton Option8{this};   // none  kodDX 0
  ui::OptionButton Option9{this};   // DX1   kodDX 1
  ui::OptionButton Option10{this};  // DX2   kodDX 2
  ui::OptionButton Option11{this};  // DX3   kodDX 3

  // --- Energy check and centre of mass ---
  ui::CheckBox Check1{this};  // precise energy and angular momentum
  ui::CheckBox Check3{this};  // show the centre of mass instead of the planet
  ui::CheckBox Check4{this};  // instantaneous centre of mass

  ui::CommandButton Command1{this};  // "Задать выбранные параметры ..."
  ui::CommandButton Command2{this};  // "Закрыть форму"

  // --- Handlers ---
  // Option1_Click .. Option7_Click: the coefficients proposed for the law
  // into Text1 and Text2 (nothing is stored).
  void Option1_Click();
  void Option2_Click();
  void Option3_Click();
  void Option4_Click();
  void Option5_Click();
  void Option6_Click();
  void Option7_Click();
  // Command1_Click: stores the options shown, or refuses a law without a
  // finite speed of gravity on the model window, or coefficients that are
  // not numbers; a refusal stores nothing.
  void Command1_Click();
  // Command2_Click "Закрыть форму": unloads the window; the options stay.
  void Command2_Click();

 protected:
  // Shows the stored options.
  void Form_Load() override;

 private:
  void setCaptions();
  void connectHandlers();
  void layoutControls();
  void proposeCoefficients(double k1, double k2);
  void storeOptions(double k1, double k2);
};

Form23& form23();

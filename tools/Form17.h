#pragma once
// Form17, "Рассчет ET-UT": the two laws of ET - UT that the eclipse window
// uses (ET1-UT turns universal time into the time of the bodies' motion,
// ET2-UT into the time of the Earth's rotation) and the diameters of the
// Sun, the Earth and the Moon. Everything the window sets lives in the
// shared state (Main.DeltaTLaws, Main.ET1Epoch, Main.ET2Epoch,
// Main.Diameter) and outlives the window.
//
//   Form17.cpp        design-time defaults, handler wiring, accessor
//   Form17Layout.cpp  where the controls stand
//   Form17Laws.cpp    Form_Load, the presets of the law items,
//                     Command1_Click "Задать значения", Text5_Change,
//                     Command2_Click "Закрыть форму"
#include "ui/FormsRuntime.h"

class Form17 : public ui::Form {
 public:
  Form17();

  // --- ET1-UT = Text1 + Text2 (T-T01) + Text3 (T-T01)^2, T01 = Text10 ---
  ui::TextBox Text1{this}, Text2{this}, Text3{this};
  ui::TextBox Text10{this};
  ui::Frame Frame1{this};
  ui::OptionButton Option1{this};  // "+"
  ui::OptionButton Option2{this};  // "--"

  // --- ET2-UT = Text11 + Text12 (T-T02) + Text13 (T-T02)^2, T02 = Text20 ---
  ui::TextBox Text11{this}, Text12{this}, Text13{this};
  ui::TextBox Text20{this};
  ui::Frame Frame2{this};
  ui::OptionButton Option3{this};  // "+"
  ui::OptionButton Option4{this};  // "--"

  // --- The law items 0..5 of ET1 (Option8) and ET2 (Option9) ---
  ui::Frame Frame4{this};
  ui::Frame Frame5{this};
  ui::ControlArray<ui::OptionButton> Option8{this, 0, 5};
  ui::ControlArray<ui::OptionButton> Option9{this, 0, 5};

  // --- Diameters, thousands of km ---
  ui::TextBox Text6{this};  // "Dsun"
  ui::TextBox Text7{this};  // "Death"
  ui::TextBox Text8{this};  // "Dmoon"

  ui::TextBox Text5{this};           // trigger box written by the eclipse window
  ui::CommandButton Command1{this};  // "Задать значения"
  ui::CommandButton Command2{this};  // "Закрыть форму"

  // --- Handlers ---
  void Command1_Click();
  void Command2_Click();
  void Text5_Change();

 protected:
  void Form_Load() override;

 private:
  void setDesignDefaults();
  void connectHandlers();
  void layoutControls();
};

// The accessor: loads Form17 (hidden) on first touch.
Form17& form17();

#pragma once
// Form12, "Преобразователь координат": the coordinate converter. This part
// of the window holds its angle tool (an angle typed in hours, degrees or
// radians read into the angle register and shown back in any unit) and its
// date tools (the universal-time date to a Julian Day and back, with the
// observer's local mean time and the time of a time zone).
//
// The angle register is Main.DecimalDate (degrees), the sign register
// Main.StepReductionState (+1 or -1).
//
//   Form12.cpp        design-time defaults, handler wiring, accessor, load
//                     and activation
//   Form12Layout.cpp  where the controls stand
//   Form12Angles.cpp  Command4_Click "Считать угол ", Command5_Click
//                     "Преобразовать угол", Command12_Click, Command13_Click
//   Form12Dates.cpp   Command10_Click "G->J", Command11_Click "J->G"
#include "ui/FormsRuntime.h"

class Form12 : public ui::Form {
 public:
  Form12();

  // --- Source longitude and latitude, degrees ---
  ui::TextBox Text11{this};  // "L(RA или A), град"
  ui::TextBox Text12{this};  // "B(Dec или H), град"

  // --- Angle tool, frame "преобразование углов" ---
  ui::OptionButton Option4{this};  // "часы-минуты-секунды"
  ui::OptionButton Option5{this};  // "градусы-минуты-секунды"
  ui::OptionButton Option6{this};  // "градусы"
  ui::OptionButton Option7{this};  // "радианы"
  ui::TextBox Text7{this}, Text8{this}, Text9{this};     // hours, minutes, seconds
  ui::TextBox Text17{this}, Text18{this}, Text19{this};  // degrees, minutes, seconds
  ui::TextBox Text10{this};                              // degrees
  ui::TextBox Text20{this};                              // radians
  ui::OptionButton Option11{this};                       // "+"
  ui::OptionButton Option21{this};                       // "--"
  ui::CommandButton Command4{this};                      // "Считать угол "
  ui::CommandButton Command5{this};                      // "Преобразовать угол"
  ui::CommandButton Command12{this};                     // "Задать долготу в град."
  ui::CommandButton Command13{this};                     // "Задать широту в град."

  // --- Observer and date ---
  ui::TextBox Text21{this};  // "ObsL, град", east positive
  ui::TextBox Text22{this};  // "ObsB, град"
  ui::TextBox Text32{this};  // day of the month with its fraction, universal time
  ui::TextBox Text33{this};  // month
  ui::TextBox Text34{this};  // year
  ui::TextBox Text31{this};  // "JD ="
  ui::CommandButton Command10{this};  // "G->J"
  ui::CommandButton Command11{this};  // "J->G"
  ui::TextBox Text30{this};  // local mean time
  ui::TextBox Text27{this};  // zone time
  ui::TextBox Text28{this};  // time zone, hours

  ui::CommandButton Command9{this};  // "Закрыть форму"

  // --- Handlers ---
  void Command4_Click();
  void Command5_Click();
  void Command12_Click();
  void Command13_Click();
  void Command10_Click();
  void Command11_Click();
  void Command9_Click();

 protected:
  void Form_Load() override;
  void Form_Activate() override;

 private:
  void setDesignDefaults();
  void connectHandlers();
  void layoutControls();

  // Steps of the date tools (Form12Dates.cpp).
  void readObserver();
  void showLocalTimes(double julianDay);

  // The parts of the angle last read or shown.
  double angleDegrees_ = 0;
  double angleHours_ = 0;
  double angleMinutes_ = 0;
  double angleSeconds_ = 0;

  ui::Frame angleFrame_{this};  // "преобразование углов"
  ui::Frame signFrame_{this};   // the sign options, a group of their own
};

// The accessor: loads Form12 (hidden) on first touch.
Form12& form12();

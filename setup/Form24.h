#pragma once
// Form24, "Тест эфемерид JPL DE405": the position and velocity of one body
// straight from the DE405 ephemeris for a date, barycentric or heliocentric,
// on the equator or the ecliptic, of J2000 or of the date, in metres or in
// astronomical units; and the date in the calendar or as a Julian Day.
//
// The window keeps no state of its own and has no load or activation
// handler: the calendar and the hour at which a day starts are those the
// window activated last has set.
//
//   Form24.cpp           design-time defaults, handler wiring, accessor
//   Form24Layout.cpp     where the controls stand
//   Form24Ephemeris.cpp  Command1_Click and the frames of its result
//   Form24Dates.cpp      Command2_Click "G > J", Command3_Click "J > G",
//                        Command4_Click "Закрыть"
#include "ui/FormsRuntime.h"

class Form24 : public ui::Form {
 public:
  Form24();

  // --- The date ---
  ui::TextBox Text9{this};           // year
  ui::TextBox Text8{this};           // month
  ui::TextBox Text7{this};           // day of the month with its fraction
  ui::TextBox Text10{this};          // Julian Day
  ui::CommandButton Command2{this};  // "G > J"
  ui::CommandButton Command3{this};  // "J > G"
  ui::Label Label8{this};            // "ET - UT = 0": the date is ephemeris time

  // --- The body and its frame ---
  ui::CommandButton Command1{this};  // "рассчитать по DE405 координаты и скорости для объекта №"
  ui::TextBox Text11{this};          // object number: 0 Sun, 1..9 planets, 10 and 11 the Moon
  ui::OptionButton Option1{this};    // "м , м/с"
  ui::OptionButton Option2{this};    // "АЕ , АЕ/день"
  ui::OptionButton Option3{this};    // "барицентрические"
  ui::OptionButton Option4{this};    // "гелиоцентрические"
  ui::OptionButton Option5{this};    // "J2000"
  ui::OptionButton Option6{this};    // "JD"
  ui::OptionButton Option7{this};    // "экватор"
  ui::OptionButton Option8{this};    // "эклиптика"

  // --- The result ---
  ui::TextBox Text1{this};  // X
  ui::TextBox Text2{this};  // Y
  ui::TextBox Text3{this};  // Z
  ui::TextBox Text4{this};  // VX
  ui::TextBox Text5{this};  // VY
  ui::TextBox Text6{this};  // VZ

  ui::CommandButton Command4{this};  // "Закрыть"

  // --- Handlers ---
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Command4_Click();

 private:
  void setDesignDefaults();
  void connectHandlers();
  void layoutControls();

  // Steps of Command1_Click (Form24Ephemeris.cpp) on the chosen object s.
  void moveOriginToTheSun(int s);
  void turnToTheEcliptic(int s);
  void precessToTheDate(int s);
  void convertToMetres(int s);
  void showResult(int s);

  ui::Frame unitsFrame_{this};   // "размерность"
  ui::Frame originFrame_{this};  // "координаты"
  ui::Frame epochFrame_{this};   // "эпоха"
  ui::Frame planeFrame_{this};   // "плоскость"
};

// The accessor: loads Form24 (hidden) on first touch.
Form24& form24();

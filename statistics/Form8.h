#pragma once
// Form8, "Тесты формы планов": the choice of the test function by which the
// plan designer (Form18) computes the experiments of its plan when "доп.
// тестов" is chosen there. It holds nine option buttons and no code: the
// designer reads which option is chosen when the experiments run.
//
// The test function of run u, with X1..X4 the natural factor values of the
// run, and its reference value Yopt:
//   Option1 Y = u                                            Yopt 10
//   Option2 Y = X1 + X1^2                                    Yopt 2
//   Option3 Y = X1 + X2 + X3 + X4                            Yopt 4
//   Option4 Y = X1 X2 X3 X4                                  Yopt 1
//   Option5 Y = X1 X2 X3 / X4^2                              Yopt 1
//   Option6 Y = sum of the six pair products                 Yopt 6
//   Option7 Y = X1^2 X2^2                                    Yopt 1
//   Option8 Y = X1^2 + X2^2 + X3^2 + X4^2                    Yopt 4
//   Option9 Y = X1 + X2 + X3 + X4 + X1 X4 + X2 X4 + X3 X4 + X4^2
//                                                            Yopt 8 (chosen at start)
// Yopt of functions 2..9 is their value at X1 = X2 = X3 = X4 = 1.
#include "ui/FormsRuntime.h"

class Form8 : public ui::Form {
 public:
  Form8();

  ui::Frame Frame2{this};  // "дополнительные тесты 4-х факторного плана"
  ui::OptionButton Option1{this};
  ui::OptionButton Option2{this};
  ui::OptionButton Option3{this};
  ui::OptionButton Option4{this};
  ui::OptionButton Option5{this};
  ui::OptionButton Option6{this};
  ui::OptionButton Option7{this};
  ui::OptionButton Option8{this};
  ui::OptionButton Option9{this};

  // The number 1..9 of the chosen option (the options are tested in the
  // order 1 to 9); 0 when none is chosen.
  int chosenTest() const;
};

// Loads Form8 hidden on first touch.
Form8& form8();

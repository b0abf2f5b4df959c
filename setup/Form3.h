#pragma once
// Form3, "Справка по кнопкам программы": the program's own help, one long
// text on every window and every button whose action is not self-evident.
// It computes nothing and changes no model state.
#include "ui/FormsRuntime.h"

class Form3 : public ui::Form {
 public:
  Form3();

  ui::TextBox Text1{this, ui::TextBoxStyle::MultiLine};  // the help text
  ui::CommandButton Command1{this};                      // "Закрыть"

  void Command1_Click();

 protected:
  void Form_Load() override;
};

// The accessor: loads Form3 (hidden) on first touch.
Form3& form3();

#pragma once
// Form9, "Файловая система программы": a fixed diagram of the program's
// folders and the files each one holds, as nested frames with their labels.
// It has no state and no load or activation handler; the statistics window
// and the optimisation window open it, and its one button closes it.
#include "ui/FormsRuntime.h"

class Form9 : public ui::Form {
 public:
  Form9();

  ui::CommandButton Command1{this};  // "Закрыть форму"

  void Command1_Click();

 private:
  void layoutDiagram();
};

Form9& form9();

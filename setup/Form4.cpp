// Form4: design-time defaults of the controls, the wiring of their handlers,
// the rows of relative velocities and the accessor.
#include "setup/Form4.h"

#include <string>

Form4& form4() { return ui::formInstance<Form4>(); }

Form4::Form4() : Form(4, "Скорости Солнечной системы       Celvan7m    -  форма 4") {
  setDesignDefaults();
  connectHandlers();
  layoutControls();
}

std::array<Form4::VelocityRow, 5> Form4::velocityRows() {
  return {{
      {Check1, Text4, Text5, Text6, Frame1, Option1, Option2, Text7, Text8, Text9, RGB(200, 0, 0)},
      {Check2, Text10, Text11, Text12, Frame2, Option3, Option4, Text13, Text14, Text15,
       RGB(250, 0, 0)},
      {Check3, Text16, Text17, Text18, Frame3, Option5, Option6, Text19, Text20, Text21,
       RGB(0, 0, 250)},
      {Check4, Text22, Text23, Text24, Frame4, Option7, Option8, Text25, Text26, Text27,
       RGB(80, 190, 255)},
      {Check5, Text28, Text29, Text30, Frame5, Option9, Option10, Text31, Text32, Text33,
       RGB(0, 230, 0)},
  }};
}

// The tabulated velocities as the window opens: speed in km/s, Alfa and
// Betta in degrees; rows 1, 2 and 5 ticked, every sign "+".
void Form4::setDesignDefaults() {
  struct StartRow {
    const char* caption;
    int ticked;
    const char *speed, *alfa, *betta;
  };
  const std::array<StartRow, 5> start{{
      {"Vsol относительно местной группы звезд MGZ (красные линии)", 1, "19,4", "270", "53"},
      {"MGZ относительно центра нашей галактики CG (алые линии)", 1, "225", "347", "60"},
      {"CG относительно местной группы галактик MGG (синие линии)", 0, "105", "28", "33"},
      {"MGG относительно реликтового излучения (голубые линии)", 0, "635", "172", "-31"},
      {"CG относительно реликтового излучения (зеленые линии)", 1, "552", "169", "-30"},
  }};
  const std::array<VelocityRow, 5> rows = velocityRows();
  for (std::size_t r = 0; r < rows.size(); ++r) {
    rows[r].ticked.setCaption(start[r].caption);
    rows[r].ticked.setValue(start[r].ticked);
    rows[r].speed.setText(start[r].speed);
    rows[r].alfa.setText(start[r].alfa);
    rows[r].betta.setText(start[r].betta);
    rows[r].plus.setCaption("+");
    rows[r].minus.setCaption("--");
    rows[r].plus.setValue(true);
  }
  for (ui::TextBox* sum : {&Text34, &Text35, &Text36}) sum->setText("0");
  Text37.setText("50");

  Command2.setCaption("Разложить по осям отмеченные скорости и просуммировать");
  Command1.setCaption("Задать скорость системе");
  Command4.setCaption("Очистить рисунок");
  Command3.setCaption("Закрыть форму");
}

void Form4::connectHandlers() {
  Command2.onClick([this] { Command2_Click(); });
  Command1.onClick([this] { Command1_Click(); });
  Command4.onClick([this] { Command4_Click(); });
  Command3.onClick([this] { Command3_Click(); });
}

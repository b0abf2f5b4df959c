// Form22: design-time texts, the wiring of the buttons, the layout and the
// accessor. The four planets stand one below the other, each with its
// headline and perturbers above two blocks of coefficient boxes, the first
// perturber's on the left, the second's on the right.
#include "observations/Form22.h"

#include <QGridLayout>

#include "observations/Form22Texts.h"

Form22& form22() { return ui::formInstance<Form22>(); }

Form22::Form22() : Form(22, "Возмущения планет dL") {
  setCaptions();
  connectHandlers();
  layoutControls();
}

ui::TextBox& Form22::perturberBox(int p, int q) {
  std::array<std::array<ui::TextBox*, 4>, 2> boxes{{{&Text4, &Text2, &Text6, &Text8},
                                                    {&Text5, &Text3, &Text7, &Text9}}};
  return *boxes[p - 1][q - 1];
}

void Form22::setCaptions() {
  for (int i = Text1.LBound(); i <= Text1.UBound(); ++i) Text1[i].setVisible(i % 10 != 9 && i % 10 != 0);
  for (int q = 1; q <= 4; ++q) {
    perturberBox(1, q).setText(form22text::kPlanets[q - 1].firstPerturber);
    perturberBox(2, q).setText(form22text::kPlanets[q - 1].secondPerturber);
  }
  Text10.setText("1");
  Command1.setCaption("Задать значения коэффициентов (возмущений)");
  Command2.setCaption("Закрыть форму");
  Command3.setCaption("Загрузить из файла №");
  Command4.setCaption("Записать в файл №");
}

void Form22::connectHandlers() {
  Command1.onClick([this] { Command1_Click(); });
  Command2.onClick([this] { Command2_Click(); });
  Command3.onClick([this] { Command3_Click(); });
  Command4.onClick([this] { Command4_Click(); });
}

// A planet's block: the headline with the two perturber boxes, then for
// each perturber terms 1..4 in one column and 5..8 in the next, each box
// with its sine.
void Form22::layoutPlanet(int q, int row) {
  QGridLayout& block = ui::addGrid(grid(), row, 0);
  block.setVerticalSpacing(2);
  block.setHorizontalSpacing(6);
  QGridLayout& headline = ui::addGrid(block, 0, 0, 1, 9);
  ui::addCaption(headline, form22text::kPlanets[q - 1].headline, 0, 0);
  ui::place(headline, perturberBox(1, q), 0, 1);
  ui::addCaption(headline, "и 22=", 0, 2);
  ui::place(headline, perturberBox(2, q), 0, 3);
  ui::setWidthPixels(perturberBox(1, q), 40);
  ui::setWidthPixels(perturberBox(2, q), 40);
  headline.setColumnStretch(4, 1);
  for (int p = 1; p <= 2; ++p) {
    const int firstColumn = (p - 1) * 5;
    for (int t = 1; t <= 8; ++t) {
      const int column = firstColumn + (t <= 4 ? 0 : 2);
      const int termRow = 1 + (t - 1) % 4;
      ui::place(block, coefficientBox(p, q, t), termRow, column);
      ui::setWidthPixels(coefficientBox(p, q, t), 110);
      ui::addCaption(block, form22text::kSines[p - 1][t - 1], termRow, column + 1);
    }
  }
  block.setColumnMinimumWidth(4, 40);
  block.setColumnStretch(9, 1);
}

void Form22::layoutControls() {
  QGridLayout& form = grid();
  form.setContentsMargins(8, 8, 8, 8);
  form.setVerticalSpacing(10);
  for (int q = 1; q <= 4; ++q) layoutPlanet(q, q - 1);
  QGridLayout& buttons = ui::addGrid(form, 4, 0);
  buttons.setHorizontalSpacing(8);
  ui::place(buttons, Command3, 0, 0);
  ui::place(buttons, Text10, 0, 1);
  ui::setWidthPixels(Text10, 40);
  ui::place(buttons, Command4, 0, 2);
  buttons.setColumnMinimumWidth(3, 24);
  ui::place(buttons, Command1, 0, 4);
  ui::place(buttons, Command2, 0, 5);
  buttons.setColumnStretch(6, 1);
  form.setRowStretch(5, 1);
}

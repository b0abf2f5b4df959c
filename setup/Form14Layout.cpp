// Where the controls of Form14 stand: the inputs, the results and the
// buttons in a column on the left, the constructions above the graph of
// the differences on the right.
#include <QGridLayout>
#include <utility>

#include "setup/Form14.h"

namespace {

constexpr int kInputWidth = 90;
// An angle or a distance in full: sign, fifteen digits and the comma.
constexpr int kResultWidth = 160;

}  // namespace

void Form14::layoutControls() {
  QGridLayout& form = grid();
  QGridLayout& left = ui::addGrid(form, 0, 0);
  left.setVerticalSpacing(3);
  const std::pair<const char*, ui::TextBox*> inputs[] = {
      {"Rsr, тыс.км.", &Text1},     {"Eks1 (эллипс)", &Text2},   {"Eks2 (эксцентр)", &Text3},
      {"W, рад/год", &Text4},       {"шаг, дни", &Text10},       {"Mx, тыс.км./см", &Text5},
      {"МТ, дней/см", &Text6},      {"MdAlfa, град/см", &Text8}, {"MdR, тыс.км./см", &Text9},
  };
  int row = 0;
  for (const auto& [caption, box] : inputs) ui::placeCaptioned(left, caption, *box, row++, 0, kInputWidth);

  ui::place(left, Frame1, row++, 0, 1, 2);
  ui::place(Frame1.grid(), Option1, 0, 0);
  ui::place(Frame1.grid(), Option2, 1, 0);

  const std::pair<const char*, ui::TextBox*> results[] = {
      {"AlfaL1, град", &Text11}, {"AlfaL2, град", &Text12}, {"R1, тыс.км.", &Text14},
      {"R2, тыс.км.", &Text15},  {"T, дни", &Text17},
  };
  for (const auto& [caption, box] : results) ui::placeCaptioned(left, caption, *box, row++, 0, kResultWidth);
  ui::place(left, Check1, row, 0);
  ui::place(left, Text13, row++, 1);
  ui::setWidthPixels(Text13, kResultWidth);
  ui::place(left, Check2, row, 0);
  ui::place(left, Text16, row++, 1);
  ui::setWidthPixels(Text16, kResultWidth);

  QGridLayout& buttons = ui::addGrid(form, 1, 0);
  ui::place(buttons, Command1, 0, 0);
  ui::place(buttons, Command4, 0, 1);
  ui::place(buttons, Command5, 1, 0);
  ui::place(buttons, Command6, 1, 1);
  ui::place(buttons, Command8, 2, 0);
  ui::place(buttons, Command14, 2, 1);
  form.setRowStretch(2, 1);

  QGridLayout& pictures = ui::addGrid(form, 0, 1, 3, 1);
  ui::place(pictures, Picture1, 0, 0);
  ui::place(pictures, Picture3, 1, 0);
}

// Where the controls of Form11 stand: on the left the date, the true
// states, the targets, the moving system and the result grid one below the
// other; on the right the picture with its scale bar, its options and the
// stepping loop; the long button of the iteration across the bottom.
#include <QGridLayout>
#include <array>
#include <utility>

#include "setup/Form11.h"

namespace {

constexpr int kShortBox = 60;
// A coordinate in full: sign, fifteen digits, the comma and an exponent.
constexpr int kNumberBox = 130;
constexpr int kResultBox = 140;

using CaptionedBox = std::pair<const char*, ui::TextBox*>;

// Three "caption, box" pairs side by side in one row.
void placeTriple(QGridLayout& grid, const std::array<CaptionedBox, 3>& boxes, int row) {
  for (int i = 0; i < 3; ++i)
    ui::placeCaptioned(grid, boxes[i].first, *boxes[i].second, row, 2 * i, kNumberBox);
}

}  // namespace

void Form11::layoutControls() {
  QGridLayout& form = grid();

  QGridLayout& left = ui::addGrid(form, 0, 0);
  QGridLayout& top = ui::addGrid(left, 0, 0);
  top.setVerticalSpacing(3);
  ui::place(top, Command1, 0, 0, 1, 6);
  QGridLayout& date = ui::addGrid(top, 1, 0, 1, 6);
  ui::place(date, Check2, 0, 0);
  ui::place(date, Text23, 0, 1);
  ui::place(date, Text33, 0, 2);
  ui::place(date, Text43, 0, 3);
  for (ui::TextBox* box : {&Text23, &Text33, &Text43}) ui::setWidthPixels(*box, kShortBox);
  ui::place(date, Command8, 0, 4);
  ui::placeCaptioned(date, "GelioL3", Text1, 0, 5, kNumberBox);
  ui::placeCaptioned(date, "GelioLpl", Text2, 0, 7, kNumberBox);
  date.setColumnStretch(9, 1);

  ui::addCaption(top, "координаты в тыс.км, скорости в км/с", 2, 0, 1, 6);
  placeTriple(top, {{{"X3", &Text11}, {"Y3", &Text13}, {"Z3", &Text15}}}, 3);
  placeTriple(top, {{{"VX3", &Text17}, {"VY3", &Text19}, {"VZ3", &Text21}}}, 4);
  placeTriple(top, {{{"Xpl", &Text12}, {"Ypl", &Text14}, {"Zpl", &Text16}}}, 5);
  placeTriple(top, {{{"VXpl", &Text18}, {"VYpl", &Text20}, {"VZpl", &Text22}}}, 6);

  QGridLayout& targets = ui::addGrid(top, 7, 0, 1, 6);
  for (int i = 0; i <= 10; ++i) ui::place(targets, Check1[i], i / 6, i % 6);
  QGridLayout& light = ui::addGrid(top, 8, 0, 1, 6);
  ui::addCaption(light, "скорость света уменьшить в ", 0, 0);
  ui::place(light, Text6, 0, 1);
  ui::setWidthPixels(Text6, kShortBox);
  ui::addCaption(light, "раз", 0, 2);
  light.setColumnStretch(3, 1);

  QGridLayout& moving = ui::addGrid(left, 1, 0);
  moving.setVerticalSpacing(3);
  placeTriple(moving, {{{"VXsys", &Text3}, {"VYsys", &Text4}, {"VZsys", &Text5}}}, 0);
  placeTriple(moving, {{{"Xpl", &Text24}, {"Ypl", &Text25}, {"Zpl", &Text26}}}, 1);
  placeTriple(moving, {{{"VXpl", &Text27}, {"VYpl", &Text28}, {"VZpl", &Text29}}}, 2);
  ui::placeCaptioned(moving, "S", Text30, 3, 0, kNumberBox);
  ui::placeCaptioned(moving, "T=S/Vsv, с", Text31, 3, 2, kNumberBox);
  ui::place(moving, Check7, 3, 4, 1, 2);

  QGridLayout& results = ui::addGrid(left, 2, 0);
  results.setVerticalSpacing(3);
  results.setColumnStretch(3, 1);
  ui::addCaption(results, "GeoL, град", 0, 1);
  ui::addCaption(results, "GeoB, град", 0, 2);
  ui::addCaption(results, "Реальные  L и  B", 1, 0);
  ui::place(results, Check3, 2, 0);
  ui::place(results, Check4, 3, 0);
  ui::place(results, Check5, 4, 0);
  ui::addCaption(results, "Наблюдаемые  L и  B", 5, 0);
  const std::array<std::pair<ui::TextBox*, ui::TextBox*>, 5> rows{{
      {&Text37, &Text47}, {&Text32, &Text42}, {&Text34, &Text44}, {&Text35, &Text45},
      {&Text36, &Text46},
  }};
  for (int r = 0; r < 5; ++r) {
    ui::place(results, *rows[r].first, r + 1, 1);
    ui::place(results, *rows[r].second, r + 1, 2);
    ui::setWidthPixels(*rows[r].first, kResultBox);
    ui::setWidthPixels(*rows[r].second, kResultBox);
  }

  left.setRowStretch(3, 1);

  QGridLayout& right = ui::addGrid(form, 0, 1);
  right.setVerticalSpacing(3);
  ui::place(right, Picture1, 0, 0, 1, 3);
  ui::place(right, HScroll1, 1, 0, 1, 3);
  ui::place(right, Label23, 2, 0, 1, 3);
  QGridLayout& options = ui::addGrid(right, 3, 0, 1, 3);
  ui::place(options, Frame2, 0, 0, 3, 1);
  ui::place(Frame2.grid(), Option3, 0, 0);
  ui::place(Frame2.grid(), Option4, 1, 0);
  ui::place(Frame2.grid(), Option5, 2, 0);
  ui::place(Frame2.grid(), Check6, 3, 0);
  ui::place(options, Frame1, 0, 1, 1, 2);
  ui::place(Frame1.grid(), Option1, 0, 0);
  ui::place(Frame1.grid(), Option2, 0, 1);
  ui::placeCaptioned(options, "MT, лет/см ", Text7, 1, 1, kShortBox);
  ui::placeCaptioned(options, "MAlfa, град/см", Text8, 2, 1, kShortBox);
  ui::placeCaptioned(options, "сделано итераций", Text10, 3, 1, kShortBox);
  QGridLayout& loop = ui::addGrid(right, 4, 0, 1, 3);
  ui::place(loop, Command5, 0, 0);
  ui::place(loop, Text9, 0, 1);
  ui::setWidthPixels(Text9, kShortBox);
  ui::addCaption(loop, "дня", 0, 2);
  ui::place(loop, Command9, 0, 3);
  ui::place(loop, Command6, 1, 0);
  ui::place(loop, Command7, 1, 1, 1, 2);
  ui::place(loop, Command2, 1, 3);
  ui::place(right, Command4, 5, 0, 1, 3);

  ui::place(form, Command3, 1, 0, 1, 2);
  form.setRowStretch(2, 1);
}

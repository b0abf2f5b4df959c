// Where the controls of Form19 stand: the plan and experiment numbers and
// the buttons across the top; the grid of ten planets by six orbit
// parameters, a shift box and a weight box each, with the planet options
// heading its rows; the scrolled listing below. Readable at 1280 x 800.
#include <QGridLayout>

#include <array>

#include "statistics/Form19.h"

namespace {

constexpr int kNumberBoxWidth = 50;
// A shift in full (up to 15 digits shows its leading ones) and a weight:
// the pair as wide as the heading of its column.
constexpr int kShiftBoxWidth = 100;
constexpr int kWeightBoxWidth = 56;
constexpr std::array<const char*, 7> kColumnHeads{
    "", "перигелий, вес", "угол восхождения, вес", "угол наклона, вес", "эксцентриситет, вес", "полуось, вес",
    "угловая скорость, вес"};

}  // namespace

void Form19::layoutControls() {
  QGridLayout& form = grid();
  form.setContentsMargins(4, 4, 4, 4);
  form.setVerticalSpacing(4);

  QGridLayout& top = ui::addGrid(form, 0, 0);
  top.setHorizontalSpacing(8);
  ui::placeCaptioned(top, "план №", Text7, 0, 0, kNumberBoxWidth);
  ui::place(top, Command4, 0, 2);
  ui::place(top, Command5, 0, 3);
  ui::placeCaptioned(top, "эксперимент№", Text8, 1, 0, kNumberBoxWidth);
  ui::place(top, Command1, 1, 2);
  ui::place(top, Command2, 1, 3);
  ui::placeCaptioned(top, "прочитано записей", Text10, 0, 4, kNumberBoxWidth + 20);
  top.setColumnStretch(6, 1);

  ui::place(form, Frame2, 1, 0);
  QGridLayout& table = Frame2.grid();
  table.setHorizontalSpacing(2);
  table.setVerticalSpacing(1);
  for (int s = 1; s <= 6; ++s) ui::addCaption(table, kColumnHeads[s], 0, 2 * s - 1, 1, 2);
  for (int p = 1; p <= 10; ++p) {
    ui::place(table, Option9[p], p, 0);
    for (int s = 1; s <= 6; ++s) {
      ui::place(table, shiftBox(p, s), p, 2 * s - 1);
      ui::place(table, weightBox(p, s), p, 2 * s);
      ui::setWidthPixels(shiftBox(p, s), kShiftBoxWidth);
      ui::setWidthPixels(weightBox(p, s), kWeightBoxWidth);
    }
  }

  QGridLayout& picture = ui::addGrid(form, 2, 0);
  picture.setSpacing(0);
  ui::place(picture, Picture3, 0, 0);
  ui::place(picture, VScroll1, 0, 1);
  ui::place(picture, HScroll1, 1, 0);
  picture.setColumnStretch(2, 1);
  QGridLayout& close = ui::addGrid(form, 3, 0);
  ui::place(close, Command3, 0, 0);
  close.setColumnStretch(1, 1);
  form.setRowStretch(4, 1);
}

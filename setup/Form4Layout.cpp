// Where the controls of Form4 stand: the five relative velocities on the
// left, each its check box over a line of boxes (speed, angles, sign,
// components), then the sum, the scale, the system velocity and the
// buttons; the picture of the vectors on the right.
#include <QGridLayout>
#include <array>
#include <utility>

#include "setup/Form4.h"

namespace {

constexpr int kInputBoxWidth = 50;
// A component in full: sign, fifteen digits, the comma and an exponent.
constexpr int kComponentBoxWidth = 150;

// Columns of the line of boxes of a velocity.
constexpr int kSpeedColumn = 0;
constexpr int kSignColumn = 3;
constexpr int kFirstComponentColumn = 4;

}  // namespace

void Form4::layoutControls() {
  QGridLayout& form = grid();
  QGridLayout& rows = ui::addGrid(form, 0, 0);
  rows.setVerticalSpacing(2);
  ui::addCaption(rows, "Скорости в км/с,   углы в градусах", 0, 0, 1, 7);
  const std::array<const char*, 7> headings{"V", "Alfa", "Betta", "", "VX", "VY", "VZ"};
  for (int c = 0; c < static_cast<int>(headings.size()); ++c)
    ui::addCaption(rows, headings[c], 1, c);

  int row = 2;
  for (const VelocityRow& velocity : velocityRows()) {
    ui::place(rows, velocity.ticked, row, 0, 1, 7);
    ++row;
    const std::array<ui::TextBox*, 3> inputs{&velocity.speed, &velocity.alfa, &velocity.betta};
    for (int c = 0; c < 3; ++c) {
      ui::place(rows, *inputs[c], row, kSpeedColumn + c);
      ui::setWidthPixels(*inputs[c], kInputBoxWidth);
    }
    ui::Frame& signs = velocity.signs;
    ui::place(rows, signs, row, kSignColumn);
    ui::place(signs.grid(), velocity.plus, 0, 0);
    ui::place(signs.grid(), velocity.minus, 0, 1);
    signs.grid().setContentsMargins(4, 0, 4, 0);
    const std::array<ui::TextBox*, 3> components{&velocity.vx, &velocity.vy, &velocity.vz};
    for (int c = 0; c < 3; ++c) {
      ui::place(rows, *components[c], row, kFirstComponentColumn + c);
      ui::setWidthPixels(*components[c], kComponentBoxWidth);
    }
    ++row;
  }

  const std::array<std::pair<const char*, ui::TextBox*>, 3> sums{
      {{"VXsum", &Text34}, {"VYsum", &Text35}, {"VZsum", &Text36}}};
  const std::array<std::pair<const char*, ui::TextBox*>, 3> system{
      {{"VXsys", &Text1}, {"VYsys", &Text2}, {"VZsys", &Text3}}};
  for (int c = 0; c < 3; ++c) {
    ui::addCaption(rows, sums[c].first, row, kFirstComponentColumn + c);
    ui::place(rows, *sums[c].second, row + 1, kFirstComponentColumn + c);
    ui::setWidthPixels(*sums[c].second, kComponentBoxWidth);
    ui::addCaption(rows, system[c].first, row + 2, kFirstComponentColumn + c);
    ui::place(rows, *system[c].second, row + 3, kFirstComponentColumn + c);
    ui::setWidthPixels(*system[c].second, kComponentBoxWidth);
  }
  ui::addCaption(rows, "MV, (км/с)/см", row, kSpeedColumn, 1, 3);
  ui::place(rows, Text37, row + 1, kSpeedColumn);
  ui::setWidthPixels(Text37, kInputBoxWidth);
  ui::place(rows, Command1, row + 3, kSpeedColumn, 1, 4);

  QGridLayout& buttons = ui::addGrid(form, 1, 0);
  ui::place(buttons, Command2, 0, 0, 1, 3);
  ui::place(buttons, Command4, 1, 0);
  ui::place(buttons, Command3, 1, 2);
  buttons.setColumnStretch(1, 1);
  form.setRowStretch(2, 1);

  ui::place(form, Picture1, 0, 1, 3, 1);
}

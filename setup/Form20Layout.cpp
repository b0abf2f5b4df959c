// Where the controls of Form20 stand: on the left the source and date of the
// Moon's elements, the rows of given, deviation and measured elements, the
// start data with their corrections and the options of the velocity; in the
// middle the picture with its scale; on the right the orbit check with its
// options and the balances of the pair. Readable at 1280 x 800.
#include <QGridLayout>

#include <array>
#include <utility>

#include "setup/Form20.h"

namespace {

constexpr int kNumberBoxWidth = 88;
constexpr int kWideBoxWidth = 130;
constexpr int kShortBoxWidth = 48;
constexpr int kCaptionGap = 6;

// One row of the element table: caption, given value, "+", deviation, the
// joining sign, measured value.
struct ElementRow {
  const char* caption;
  ui::TextBox* given;
  ui::TextBox* deviation;
  const char* joiner;
  ui::TextBox* measured;
};

}  // namespace

void Form20::layoutControls() {
  QGridLayout& form = grid();
  form.setHorizontalSpacing(14);

  // --- Left: the elements and the start data ---
  QGridLayout& left = ui::addGrid(form, 0, 0);
  left.setVerticalSpacing(3);
  left.setHorizontalSpacing(kCaptionGap);
  ui::place(left, sourceFrame_, 0, 0, 1, 6);
  ui::place(sourceFrame_.grid(), Option7, 0, 0);
  ui::place(sourceFrame_.grid(), Option10, 0, 1);
  ui::place(sourceFrame_.grid(), Option9, 0, 2);

  QGridLayout& date = ui::addGrid(left, 1, 0, 1, 6);
  ui::addCaption(date, "на", 0, 0);
  ui::place(date, Text32, 0, 1);
  ui::setWidthPixels(Text32, kShortBoxWidth + 12);
  ui::place(date, Text33, 0, 2);
  ui::setWidthPixels(Text33, kShortBoxWidth - 12);
  ui::place(date, Text34, 0, 3);
  ui::setWidthPixels(Text34, kShortBoxWidth);
  ui::place(date, Command10, 0, 4);
  ui::place(date, Command11, 0, 5);
  date.setColumnStretch(6, 1);

  QGridLayout& times = ui::addGrid(left, 2, 0, 1, 6);
  ui::placeCaptioned(times, "JD =", Text31, 0, 0, kWideBoxWidth);
  ui::placeCaptioned(times, "ET-UT, сек=", Text35, 0, 2, kNumberBoxWidth);
  times.setColumnStretch(4, 1);

  QGridLayout& moon = ui::addGrid(left, 3, 0, 1, 6);
  ui::placeCaptioned(moon, "AlfaL0 ( l ), град", Text1, 0, 0, kNumberBoxWidth);
  ui::placeCaptioned(moon, "ml = mz /", Text21, 0, 2, kNumberBoxWidth);
  moon.setColumnStretch(4, 1);

  const std::array<ElementRow, 6> rows{{
      {"Eks=", &Text7, &Text17, " =", &Text27},
      {"AlfaP=", &Text8, &Text18, " =", &Text28},
      {"AlfaU=", &Text9, &Text19, " =", &Text29},
      {"Rsr =", &Text10, &Text20, " =", &Text30},
      {"Betta=", &Text40, &Text38, " =", &Text39},
      {"Период, дней=", &Text37, &Text2, "=", &Text3},
  }};
  constexpr int kFirstElementRow = 4;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const int row = kFirstElementRow + static_cast<int>(i);
    ui::placeCaptioned(left, rows[i].caption, *rows[i].given, row, 0, kNumberBoxWidth);
    ui::placeCaptioned(left, "+", *rows[i].deviation, row, 2, kNumberBoxWidth);
    ui::placeCaptioned(left, rows[i].joiner, *rows[i].measured, row, 4, kNumberBoxWidth);
  }
  QGridLayout& interval = ui::addGrid(left, 10, 0, 1, 6);
  ui::placeCaptioned(interval, "в интервале, град  +/-", Text24, 0, 0, kShortBoxWidth);
  interval.setColumnStretch(2, 1);

  ui::place(left, Command6, 11, 0, 1, 6);
  ui::place(left, focusFrame_, 12, 0, 1, 6);
  ui::place(focusFrame_.grid(), Option5, 0, 0);
  ui::place(focusFrame_.grid(), Option6, 0, 1);
  QGridLayout& corrections = ui::addGrid(left, 13, 0, 1, 6);
  ui::place(corrections, Check11, 0, 0);
  ui::place(corrections, Check7, 0, 1);
  ui::place(corrections, Check12, 1, 0);
  ui::place(corrections, Check9, 1, 1);
  ui::place(corrections, Check5, 2, 0);

  ui::place(left, velocityFrame_, 14, 0, 1, 6);
  ui::place(velocityFrame_.grid(), earthMassFrame_, 0, 0);
  ui::place(earthMassFrame_.grid(), Option1, 0, 0);
  ui::place(earthMassFrame_.grid(), Option2, 0, 1);
  ui::place(velocityFrame_.grid(), barycentreMassFrame_, 0, 1);
  ui::place(barycentreMassFrame_.grid(), Option3, 0, 0);
  ui::place(barycentreMassFrame_.grid(), Option4, 0, 1);
  left.setRowStretch(15, 1);

  // --- Middle: the picture ---
  QGridLayout& picture = ui::addGrid(form, 0, 1);
  ui::place(picture, Picture1, 0, 0);
  ui::place(picture, HScroll1, 1, 0);
  ui::place(picture, Label10, 2, 0);
  ui::place(picture, Command4, 3, 0);
  picture.setRowStretch(4, 1);

  // --- Right: the orbit check ---
  QGridLayout& check = ui::addGrid(form, 0, 2);
  check.setVerticalSpacing(3);
  check.setHorizontalSpacing(kCaptionGap);
  ui::place(check, Command1, 0, 0, 1, 2);
  QGridLayout& run = ui::addGrid(check, 1, 0, 1, 2);
  ui::place(run, Command2, 0, 0);
  ui::place(run, Command3, 0, 1);
  ui::placeCaptioned(check, "VYsys, км/с", Text44, 2, 0, kShortBoxWidth);
  ui::place(check, Check1, 3, 0, 1, 2);
  QGridLayout& steps = ui::addGrid(check, 4, 0, 1, 2);
  ui::placeCaptioned(steps, "данные выводить через", Text36, 0, 0, kShortBoxWidth);
  ui::addCaption(steps, "шагов", 0, 2);
  QGridLayout& step = ui::addGrid(check, 5, 0, 1, 2);
  ui::placeCaptioned(step, "с шагом, сек", Text22, 0, 0, kShortBoxWidth);
  ui::placeCaptioned(step, "/", Text23, 0, 2, kShortBoxWidth);
  step.setColumnStretch(4, 1);
  ui::place(check, Check3, 6, 0, 1, 2);
  ui::place(check, Check4, 7, 0, 1, 2);

  const std::array<std::pair<const char*, ui::TextBox*>, 7> balances{{
      {"T, лет=", &Text25},
      {"к-во оборотов", &Text6},
      {"dEsys, %", &Text41},
      {"dMsys, %", &Text42},
      {"dKDsysY, %", &Text43},
      {" VXцм, м/с", &Text12},
      {"VYцм, м/с", &Text13},
  }};
  constexpr int kFirstBalanceRow = 8;
  for (std::size_t i = 0; i < balances.size(); ++i)
    ui::placeCaptioned(check, balances[i].first, *balances[i].second,
                       kFirstBalanceRow + static_cast<int>(i), 0, kWideBoxWidth);
  check.setRowStretch(15, 1);
  ui::place(check, Command9, 16, 0, 1, 2);
}

// Where the controls of Form24 stand: the date on top, the body and the
// four frames of its coordinates below it, then the six results.
#include <QGridLayout>
#include <array>
#include <utility>

#include "setup/Form24.h"

namespace {

constexpr int kShortBoxWidth = 60;
constexpr int kJulianDayBoxWidth = 130;
// Wide enough for a distance in metres or AU with fifteen digits, a sign
// and an exponent.
constexpr int kResultBoxWidth = 220;

}  // namespace

void Form24::layoutControls() {
  QGridLayout& form = grid();

  QGridLayout& date = ui::addGrid(form, 0, 0);
  ui::placeCaptioned(date, "год", Text9, 0, 0, kShortBoxWidth);
  ui::placeCaptioned(date, "месяц", Text8, 0, 2, kShortBoxWidth / 2 + 10);
  ui::placeCaptioned(date, "день", Text7, 0, 4, kShortBoxWidth + 20);
  ui::place(date, Command2, 0, 6);
  ui::place(date, Command3, 0, 7);
  ui::placeCaptioned(date, "JD", Text10, 0, 8, kJulianDayBoxWidth);
  ui::place(date, Label8, 1, 0, 1, 4);

  QGridLayout& body = ui::addGrid(form, 1, 0);
  ui::place(body, Command1, 0, 0);
  ui::place(body, Text11, 0, 1);
  ui::setWidthPixels(Text11, kShortBoxWidth / 2 + 10);
  body.setColumnStretch(2, 1);

  QGridLayout& frames = ui::addGrid(form, 2, 0);
  const std::array<std::pair<ui::Frame*, std::pair<ui::OptionButton*, ui::OptionButton*>>, 4>
      choices{{{&unitsFrame_, {&Option1, &Option2}},
               {&originFrame_, {&Option3, &Option4}},
               {&epochFrame_, {&Option5, &Option6}},
               {&planeFrame_, {&Option7, &Option8}}}};
  for (int i = 0; i < static_cast<int>(choices.size()); ++i) {
    const auto& [frame, options] = choices[i];
    ui::place(frames, *frame, 0, i);
    ui::place(frame->grid(), *options.first, 0, 0);
    ui::place(frame->grid(), *options.second, 1, 0);
  }

  QGridLayout& results = ui::addGrid(form, 3, 0);
  const std::array<std::pair<const char*, ui::TextBox*>, 6> boxes{{{"X", &Text1},
                                                                   {"VX", &Text4},
                                                                   {"Y", &Text2},
                                                                   {"VY", &Text5},
                                                                   {"Z", &Text3},
                                                                   {"VZ", &Text6}}};
  for (int i = 0; i < static_cast<int>(boxes.size()); ++i)
    ui::placeCaptioned(results, boxes[i].first, *boxes[i].second, i / 2, 2 * (i % 2),
                       kResultBoxWidth);

  results.setColumnStretch(4, 1);

  QGridLayout& close = ui::addGrid(form, 4, 0);
  close.setColumnStretch(0, 1);
  ui::place(close, Command4, 0, 1);
}

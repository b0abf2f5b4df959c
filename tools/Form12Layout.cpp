// Where the controls of Form12 stand: the source longitude and latitude,
// the observer and the date rows, the angle tool in its frame, and the
// close button.
#include <QGridLayout>

#include "tools/Form12.h"

namespace {

constexpr int kAngleBoxWidth = 110;
constexpr int kShortBoxWidth = 60;
constexpr int kJulianDayBoxWidth = 130;
constexpr int kTimeBoxWidth = 140;

}  // namespace

void Form12::layoutControls() {
  QGridLayout& form = grid();

  QGridLayout& source = ui::addGrid(form, 0, 0);
  ui::placeCaptioned(source, "L(RA или A), град", Text11, 0, 0, kAngleBoxWidth);
  ui::placeCaptioned(source, "B(Dec или H), град", Text12, 0, 2, kAngleBoxWidth);
  source.setColumnStretch(4, 1);

  QGridLayout& observer = ui::addGrid(form, 1, 0);
  ui::addCaption(observer, "координаты обсерватории (топоцентра), часовой угол и звездное время",
                 0, 0, 1, 6);
  ui::placeCaptioned(observer, "ObsL, град", Text21, 1, 0, kShortBoxWidth + 20);
  ui::placeCaptioned(observer, "ObsB, град", Text22, 1, 2, kShortBoxWidth + 20);
  observer.setColumnStretch(5, 1);

  QGridLayout& date = ui::addGrid(form, 2, 0);
  ui::addCaption(date, "всемирное время (зимнее, от 0 часов по Гринвичу) и юлианская дата ", 0,
                 0, 1, 10);
  ui::placeCaptioned(date, "день", Text32, 1, 0, kShortBoxWidth + 20);
  ui::placeCaptioned(date, "месяц", Text33, 1, 2, kShortBoxWidth / 2 + 10);
  ui::placeCaptioned(date, "год", Text34, 1, 4, kShortBoxWidth);
  ui::place(date, Command10, 1, 6);
  ui::place(date, Command11, 1, 7);
  ui::placeCaptioned(date, "JD =", Text31, 1, 8, kJulianDayBoxWidth);
  QGridLayout& times = ui::addGrid(date, 2, 0, 1, 10);
  ui::placeCaptioned(times, "местное время", Text30, 0, 0, kTimeBoxWidth);
  ui::place(times, Text27, 0, 2);
  ui::setWidthPixels(Text27, kTimeBoxWidth);
  ui::placeCaptioned(times, "для", Text28, 0, 3, kShortBoxWidth / 2 + 10);
  ui::addCaption(times, " час. пояса", 0, 5);
  times.setColumnStretch(6, 1);

  ui::place(form, angleFrame_, 3, 0);
  QGridLayout& angle = angleFrame_.grid();
  ui::place(angle, Option4, 0, 0);
  ui::place(angle, Text7, 0, 1);
  ui::place(angle, Text8, 0, 2);
  ui::place(angle, Text9, 0, 3);
  ui::place(angle, Option5, 1, 0);
  ui::place(angle, Text17, 1, 1);
  ui::place(angle, Text18, 1, 2);
  ui::place(angle, Text19, 1, 3);
  ui::place(angle, Option6, 2, 0);
  ui::place(angle, Text10, 2, 1, 1, 3);
  ui::place(angle, Option7, 3, 0);
  ui::place(angle, Text20, 3, 1, 1, 3);
  for (ui::TextBox* box : {&Text7, &Text8, &Text17, &Text18})
    ui::setWidthPixels(*box, kShortBoxWidth);
  for (ui::TextBox* box : {&Text9, &Text19}) ui::setWidthPixels(*box, kAngleBoxWidth);
  ui::place(angle, signFrame_, 0, 4, 2, 1);
  ui::place(signFrame_.grid(), Option11, 0, 0);
  ui::place(signFrame_.grid(), Option21, 1, 0);
  ui::place(angle, Command4, 0, 5);
  ui::place(angle, Command5, 1, 5);
  ui::place(angle, Command12, 2, 5);
  ui::place(angle, Command13, 3, 5);

  QGridLayout& close = ui::addGrid(form, 4, 0);
  close.setColumnStretch(0, 1);
  ui::place(close, Command9, 0, 1);
}

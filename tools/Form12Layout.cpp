// Where the controls of Form12 stand: the body and the frame options on top,
// the source and converted coordinates, the buttons of the conversion, the
// observer and the date rows, the angle tool in its frame; the picture with
// its scale, its check box and the close button on the right.
#include <QGridLayout>

#include "tools/Form12.h"

namespace {

constexpr int kAngleBoxWidth = 110;
constexpr int kShortBoxWidth = 60;
constexpr int kJulianDayBoxWidth = 130;
constexpr int kTimeBoxWidth = 140;
constexpr int kCoordinateBoxWidth = 110;

}  // namespace

void Form12::layoutControls() {
  // Rows close together, so that the window with its title bar fits the
  // height of an 800-pixel screen.
  QGridLayout& form = grid();
  form.setContentsMargins(6, 4, 6, 4);
  form.setVerticalSpacing(1);

  QGridLayout& choices = ui::addGrid(form, 0, 0);
  ui::addCaption(choices, "       ИЛИ             по теории         JPL0 для", 0, 0);
  ui::place(choices, bodyFrame, 1, 0, 3, 1);
  bodyFrame.grid().setVerticalSpacing(0);
  for (int k = Option1.LBound(); k <= Option1.UBound(); ++k)
    ui::place(bodyFrame.grid(), Option1[k], k % 6, k / 6);
  ui::place(choices, equinoxFrame, 1, 1);
  ui::place(equinoxFrame.grid(), Option17, 0, 0);
  ui::place(equinoxFrame.grid(), Option16, 1, 0);
  ui::place(choices, planeFrame, 1, 2);
  ui::place(planeFrame.grid(), Option8, 0, 0);
  ui::place(planeFrame.grid(), Option9, 1, 0);
  ui::place(planeFrame.grid(), Option10, 2, 0);
  ui::place(choices, originFrame, 1, 3);
  ui::place(originFrame.grid(), Option18, 0, 0);
  ui::place(originFrame.grid(), Option19, 1, 0);
  ui::place(originFrame.grid(), Option20, 2, 0);
  ui::place(choices, formFrame, 2, 1);
  ui::place(formFrame.grid(), Option2, 0, 0);
  ui::place(formFrame.grid(), Option3, 1, 0);
  choices.setColumnStretch(4, 1);

  QGridLayout& boxes = ui::addGrid(form, 1, 0);
  ui::addCaption(boxes, "исходные координаты объекта (с экрана или для планеты расчетные)", 0, 0,
                 1, 6);
  const char* captions[2][3] = {{"X, тыс.км.", "Y, тыс.км.", "Z, тыс.км."},
                                {"L(RA или A), град", "B(Dec или H), град", "R,тыс. км."}};
  ui::TextBox* source[2][3] = {{&Text1, &Text2, &Text3}, {&Text11, &Text12, &Text13}};
  ui::TextBox* converted[2][3] = {{&Text4, &Text5, &Text6}, {&Text14, &Text15, &Text16}};
  ui::addCaption(boxes, "преобразованные координаты объекта", 3, 0, 1, 6);
  for (int row = 0; row < 2; ++row)
    for (int i = 0; i < 3; ++i) {
      ui::placeCaptioned(boxes, captions[row][i], *source[row][i], 1 + row, 2 * i,
                         kCoordinateBoxWidth);
      ui::placeCaptioned(boxes, captions[row][i], *converted[row][i], 4 + row, 2 * i,
                         kCoordinateBoxWidth);
    }
  boxes.setColumnStretch(6, 1);

  QGridLayout& commands = ui::addGrid(form, 2, 0);
  ui::place(commands, Command6, 0, 0);
  ui::place(commands, Command2, 0, 1);
  ui::place(commands, Text29, 0, 2);
  ui::setWidthPixels(Text29, kShortBoxWidth);
  ui::place(commands, Command7, 0, 3);
  ui::place(commands, Command1, 1, 0, 1, 4);
  commands.setColumnStretch(4, 1);

  QGridLayout& observer = ui::addGrid(form, 3, 0);
  ui::addCaption(observer, "координаты обсерватории (топоцентра), часовой угол и звездное время",
                 0, 0, 1, 6);
  ui::placeCaptioned(observer, "ObsL, град", Text21, 1, 0, kShortBoxWidth + 20);
  ui::placeCaptioned(observer, "ObsB, град", Text22, 1, 2, kShortBoxWidth + 20);
  ui::placeCaptioned(observer, "TAU, град", Text25, 1, 4, kAngleBoxWidth);
  ui::placeCaptioned(observer, "LMST, час", Text24, 2, 0, kAngleBoxWidth);
  ui::placeCaptioned(observer, "GMST, час", Text26, 2, 2, kAngleBoxWidth);
  ui::placeCaptioned(observer, "ET- UT, мин", Text23, 2, 4, kAngleBoxWidth);
  observer.setColumnStretch(6, 1);

  QGridLayout& date = ui::addGrid(form, 4, 0);
  ui::addCaption(date, "всемирное время (зимнее, от 0 часов по Гринвичу) и юлианская дата ", 0,
                 0, 1, 10);
  ui::placeCaptioned(date, "день", Text32, 1, 0, kShortBoxWidth + 20);
  ui::placeCaptioned(date, "месяц", Text33, 1, 2, kShortBoxWidth / 2 + 10);
  ui::placeCaptioned(date, "год", Text34, 1, 4, kShortBoxWidth);
  ui::place(date, Command10, 1, 6);
  ui::place(date, Command11, 1, 7);
  ui::placeCaptioned(date, "JD =", Text31, 1, 8, kJulianDayBoxWidth);
  date.setColumnStretch(10, 1);
  QGridLayout& times = ui::addGrid(date, 2, 0, 1, 11);
  ui::placeCaptioned(times, "местное время", Text30, 0, 0, kTimeBoxWidth);
  ui::place(times, Text27, 0, 2);
  ui::setWidthPixels(Text27, kTimeBoxWidth);
  ui::placeCaptioned(times, "для", Text28, 0, 3, kShortBoxWidth / 2 + 10);
  ui::addCaption(times, " час. пояса", 0, 5);
  times.setColumnStretch(6, 1);

  ui::place(form, angleFrame_, 5, 0);
  QGridLayout& angle = angleFrame_.grid();
  angle.setVerticalSpacing(1);
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
  angle.setColumnStretch(6, 1);

  // The picture with its scale to the right of everything else.
  QGridLayout& picture = ui::addGrid(form, 0, 1, 7, 1);
  ui::place(picture, Label10, 0, 0);
  ui::place(picture, HScroll1, 1, 0);
  ui::place(picture, Picture1, 2, 0);
  ui::place(picture, Check3, 3, 0);
  picture.setRowStretch(4, 1);
  ui::place(picture, Command9, 5, 0);
}

// Where the controls of Form16 stand: the heliocentric and topocentric
// pictures at the top left with the scale under them and the frames of the
// source, theories, tables and eclipse kind beside them; the date, calendar
// and time boxes and the picture "dAlfa" at the bottom left; the azimuth-
// altitude chart, the ET - UT, observer, body and step boxes, the options,
// the grid of result rows, the times and the run buttons on the right.
#include <QGridLayout>

#include "tools/Form16.h"

namespace {

constexpr int kNumberBoxWidth = 66;
constexpr int kShortBoxWidth = 44;
constexpr int kResultBoxWidth = 80;
constexpr int kTimeBoxWidth = 118;
// The precession boxes show a table's precession in full ("-1,91079200838911E-08").
constexpr int kPrecessionBoxWidth = 160;

}  // namespace

void Form16::layoutControls() {
  QGridLayout& form = grid();
  form.setVerticalSpacing(2);
  form.setHorizontalSpacing(6);

  // --- Left: pictures and scale, the source frames beside them ---
  QGridLayout& left = ui::addGrid(form, 0, 0);
  left.setVerticalSpacing(2);
  QGridLayout& top = ui::addGrid(left, 0, 0);
  top.setVerticalSpacing(1);
  ui::addCaption(top, "ГЕЛИО ЭКЛ декартова сист. коорд.", 0, 0);
  ui::addCaption(top, "ТОПО ГОР декартова сист. коорд.", 0, 1);
  ui::place(top, Picture2, 1, 0);
  ui::place(top, Picture1, 1, 1);
  QGridLayout& scale = ui::addGrid(top, 2, 0, 1, 2);
  ui::place(scale, Label4, 0, 0);
  ui::place(scale, HScroll1, 0, 1);
  ui::place(scale, Check2, 0, 2);
  scale.setColumnStretch(1, 1);
  top.setRowStretch(3, 1);

  QGridLayout& frames = ui::addGrid(left, 0, 1);
  frames.setVerticalSpacing(1);
  ui::place(frames, sourceFrame, 0, 0);
  ui::place(sourceFrame.grid(), Option1, 0, 0);
  ui::place(sourceFrame.grid(), Option2, 0, 1);
  ui::place(frames, theoryFrame, 1, 0);
  for (int k = Option9.LBound(); k <= Option9.UBound(); ++k)
    ui::place(theoryFrame.grid(), Option9[k], k / 3, k % 3);
  ui::place(frames, tableFrame, 2, 0);
  // The shown tables in two columns; the hidden buttons in a row of their
  // own, which takes no room.
  int shownTable = 0;
  for (int k = Option4.LBound(); k <= Option4.UBound(); ++k) {
    if (Option4[k].Visible()) {
      ui::place(tableFrame.grid(), Option4[k], shownTable / 2, shownTable % 2);
      ++shownTable;
    } else {
      ui::place(tableFrame.grid(), Option4[k], 4, 0);
    }
  }
  ui::place(tableFrame.grid(), Check4, 5, 0, 1, 2);
  ui::place(tableFrame.grid(), Text31, 6, 0);
  ui::place(tableFrame.grid(), Text41, 6, 1);
  ui::setWidthPixels(Text31, kPrecessionBoxWidth);
  ui::setWidthPixels(Text41, kPrecessionBoxWidth);
  frames.setRowStretch(3, 1);

  // --- Left bottom: date, calendar, day start, the picture "dAlfa" ---
  QGridLayout& bottom = ui::addGrid(left, 1, 0, 1, 2);
  QGridLayout& date = ui::addGrid(bottom, 0, 0);
  date.setVerticalSpacing(2);
  ui::addCaption(date, "DMYut", 0, 0);
  QGridLayout& dmy = ui::addGrid(date, 1, 0);
  ui::place(dmy, Text2, 0, 0);
  ui::setWidthPixels(Text2, kNumberBoxWidth + 20);
  ui::place(dmy, Text3, 0, 1);
  ui::setWidthPixels(Text3, kShortBoxWidth);
  ui::place(dmy, Text4, 0, 2);
  ui::setWidthPixels(Text4, kNumberBoxWidth);
  ui::place(date, Label16, 2, 0);
  QGridLayout& julian = ui::addGrid(date, 3, 0);
  ui::addCaption(julian, "JDut", 0, 0);
  ui::place(julian, Text5, 0, 1);
  ui::setWidthPixels(Text5, kTimeBoxWidth + 20);
  QGridLayout& conversions = ui::addGrid(date, 4, 0);
  ui::place(conversions, Command2, 0, 0);
  ui::place(conversions, Command3, 0, 1);
  ui::place(conversions, Command18, 0, 2);
  ui::place(date, calendarFrame, 5, 0);
  ui::place(calendarFrame.grid(), Option5, 0, 0);
  ui::place(calendarFrame.grid(), Option6, 1, 0);
  ui::place(calendarFrame.grid(), Option7, 2, 0);
  QGridLayout& times = ui::addGrid(date, 6, 0);
  ui::place(times, dayStartFrame, 0, 0);
  ui::place(dayStartFrame.grid(), Option15, 0, 0);
  ui::place(dayStartFrame.grid(), Option16, 0, 1);
  ui::place(times, directionFrame, 0, 1);
  ui::place(directionFrame.grid(), Option18, 0, 0);
  ui::place(directionFrame.grid(), Option19, 0, 1);
  ui::place(date, eclipseFrame, 7, 0);
  ui::place(eclipseFrame.grid(), Option3, 0, 0);
  ui::place(eclipseFrame.grid(), Option8, 0, 1);
  date.setRowStretch(8, 1);

  QGridLayout& offsets = ui::addGrid(bottom, 0, 1);
  offsets.setVerticalSpacing(1);
  ui::place(offsets, offsetFrame, 0, 0);
  ui::place(offsetFrame.grid(), Option12, 0, 0);
  ui::place(offsetFrame.grid(), Option13, 0, 1);
  ui::place(offsets, Picture3, 1, 0);
  ui::place(offsets, Check3, 2, 0);
  QGridLayout& offsetOptions = ui::addGrid(offsets, 3, 0);
  ui::place(offsetOptions, Check7, 0, 0);
  ui::placeCaptioned(offsetOptions, "MdAlfa", Text27, 0, 1, kShortBoxWidth + 10);
  ui::place(offsetOptions, Command8, 1, 0, 1, 3);
  offsets.setRowStretch(4, 1);
  bottom.setColumnStretch(2, 1);
  left.setRowStretch(2, 1);

  // --- Right: chart, boxes, options, result rows, times, run buttons ---
  QGridLayout& right = ui::addGrid(form, 0, 1);
  right.setVerticalSpacing(2);
  ui::addCaption(right, "ТОПО ГОР полярная система коорд.", 0, 0);
  ui::place(right, Picture4, 1, 0);

  QGridLayout& boxes = ui::addGrid(right, 2, 0);
  boxes.setVerticalSpacing(1);
  ui::placeCaptioned(boxes, "ET1- UT, мин", Text14, 0, 0, kNumberBoxWidth + 10);
  ui::place(boxes, Check5, 0, 2);
  ui::placeCaptioned(boxes, "ObsL", Text24, 0, 3, kNumberBoxWidth);
  ui::placeCaptioned(boxes, "ET2- UT, мин", Text15, 1, 0, kNumberBoxWidth + 10);
  ui::place(boxes, Check6, 1, 2);
  ui::placeCaptioned(boxes, "ObsB", Text25, 1, 3, kNumberBoxWidth);
  ui::place(boxes, Command7, 2, 0, 1, 5);
  ui::placeCaptioned(boxes, "Солнце и планета №", Text1, 3, 0, kShortBoxWidth);
  QGridLayout& step = ui::addGrid(boxes, 3, 2, 1, 3);
  ui::placeCaptioned(step, "шаг решения, дни", Text26, 0, 0, kNumberBoxWidth);
  ui::placeCaptioned(step, "/", Text8, 0, 2, kShortBoxWidth - 10);

  QGridLayout& options = ui::addGrid(right, 3, 0);
  options.setVerticalSpacing(0);
  ui::place(options, Check9, 0, 0);
  ui::place(options, Command9, 0, 1);
  ui::place(options, Check11, 0, 2);
  ui::place(options, Command10, 0, 3);
  ui::place(options, Check13, 1, 0);
  ui::place(options, Check23, 1, 1);
  ui::place(options, Check30, 1, 2);
  ui::place(options, Check8, 1, 3);

  QGridLayout& rows = ui::addGrid(right, 4, 0);
  rows.setVerticalSpacing(0);
  rows.setHorizontalSpacing(2);
  ui::addCaption(rows, "Долгота                          Широта  ", 0, 1, 1, 4);
  ui::addCaption(rows, "Солнце      планета        Солнце      планета", 1, 1, 1, 4);
  ui::Control* labels[9] = {&Label11, &Label13, &Label17, &Label18, &Label19,
                            &Label21, &Label22, &Label23, &Check10};
  for (int row = 0; row < 9; ++row) {
    ui::place(rows, *labels[row], row + 2, 0);
    for (int column = 0; column < 4; ++column) {
      ui::TextBox& box = resultBox(row, column);
      ui::place(rows, box, row + 2, column + 1);
      ui::setWidthPixels(box, kResultBoxWidth);
    }
  }

  QGridLayout& clock = ui::addGrid(right, 5, 0);
  clock.setVerticalSpacing(1);
  ui::place(clock, Text19, 0, 0, 1, 6);
  ui::place(clock, Text16, 1, 0, 1, 2);
  ui::place(clock, Text18, 1, 2, 1, 2);
  ui::place(clock, Text9, 1, 4, 1, 2);
  ui::placeCaptioned(clock, "GMST", Text30, 2, 0, kNumberBoxWidth + 6);
  ui::placeCaptioned(clock, "LMST", Text51, 2, 2, kNumberBoxWidth + 6);
  ui::placeCaptioned(clock, "Tsol", Text17, 2, 4, kNumberBoxWidth + 6);
  ui::placeCaptioned(clock, "восход", Text28, 3, 0, kTimeBoxWidth);
  ui::placeCaptioned(clock, "заход", Text29, 3, 2, kTimeBoxWidth);
  ui::place(clock, timeScaleFrame, 3, 4, 1, 2);
  ui::place(timeScaleFrame.grid(), Option10, 0, 0);
  ui::place(timeScaleFrame.grid(), Option11, 0, 1);

  QGridLayout& run = ui::addGrid(right, 6, 0);
  run.setVerticalSpacing(1);
  ui::place(run, Check1, 0, 0);
  ui::place(run, Command1, 0, 1);
  ui::place(run, Command4, 0, 2);
  ui::place(run, Command5, 1, 0);
  ui::place(run, Command6, 1, 1);
  ui::place(run, Command14, 1, 2);
  right.setRowStretch(7, 1);
}

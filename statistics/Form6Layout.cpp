// Where the controls of Form6 stand: the picture with its scroll bars at the
// top left, its scales and the bitmap below it, then the fit with its
// results and the shift files; on the right what to load, the sample and
// its fit range, the editing rows and the other windows. Readable at
// 1280 x 800.
#include <QGridLayout>
#include <QWidget>

#include "statistics/Form6.h"
#include "ui/Fonts.h"

namespace {

constexpr int kShortBox = 44;
constexpr int kNumberBox = 110;
constexpr int kDayBox = 76;
constexpr int kMonthBox = 28;
constexpr int kYearBox = 44;

// A date of three boxes: day, month, year.
void placeDate(QGridLayout& grid, ui::TextBox& day, ui::TextBox& month, ui::TextBox& year, int row, int column) {
  QGridLayout& date = ui::addGrid(grid, row, column);
  date.setHorizontalSpacing(2);
  ui::place(date, day, 0, 0);
  ui::place(date, month, 0, 1);
  ui::place(date, year, 0, 2);
  ui::setWidthPixels(day, kDayBox);
  ui::setWidthPixels(month, kMonthBox);
  ui::setWidthPixels(year, kYearBox);
}

// A caption, a box and, after it, a caption of its own.
void placeBetween(QGridLayout& grid, const std::string& before, ui::TextBox& box, const std::string& after,
                  int row, int column, int width) {
  ui::placeCaptioned(grid, before, box, row, column, width);
  ui::addCaption(grid, after, row, column + 2);
}

}  // namespace

void Form6::layoutControls() {
  QGridLayout& form = grid();
  form.setContentsMargins(4, 4, 4, 4);
  form.setHorizontalSpacing(8);
  form.setVerticalSpacing(3);
  // A condensed face, a little smaller than the window's, so that the
  // picture and the many boxes of this window fit the screen together.
  ui::useCondensedFont(window(), 8);

  // --- The picture, its bars, the bitmap and the scales ---
  QGridLayout& left = ui::addGrid(form, 0, 0);
  left.setVerticalSpacing(3);
  QGridLayout& view = ui::addGrid(left, 0, 0);
  view.setSpacing(0);
  ui::place(view, Picture3, 0, 0);
  ui::place(view, VScroll1, 0, 1);
  ui::place(view, HScroll1, 1, 0);
  QGridLayout& scales = ui::addGrid(left, 1, 0);
  scales.setHorizontalSpacing(6);
  ui::place(scales, Command7, 0, 0);
  ui::place(scales, Text26, 0, 1);
  ui::setWidthPixels(Text26, 90);
  ui::addCaption(scales, ".bmp   ", 0, 2);
  ui::placeCaptioned(scales, "MX1, лет/см", Text1, 0, 3, kShortBox);
  ui::placeCaptioned(scales, "MP, ед./см", Text2, 0, 5, kShortBox);
  ui::placeCaptioned(scales, "MdP, ед./см", Text7, 0, 7, kShortBox);
  ui::placeCaptioned(scales, "MX2, точек/см", Text29, 0, 9, kShortBox);
  scales.setColumnStretch(11, 1);

  // --- The fit ---
  QGridLayout& fit = ui::addGrid(left, 2, 0);
  fit.setVerticalSpacing(2);
  ui::place(fit, Frame6, 0, 0, 2, 1);
  ui::place(Frame6.grid(), Option9, 0, 0);
  ui::place(Frame6.grid(), Option10, 1, 0);
  ui::place(Frame6.grid(), Option11, 2, 0);
  ui::place(fit, Frame7, 2, 0, 2, 1);
  ui::place(Frame7.grid(), Option12, 0, 0);
  ui::place(Frame7.grid(), Option15, 1, 0);
  ui::place(Frame7.grid(), Option16, 2, 0);
  QGridLayout& settings = ui::addGrid(fit, 0, 1, 4, 1);
  settings.setVerticalSpacing(2);
  ui::place(settings, Check6, 0, 0, 1, 8);
  QGridLayout& ticks = ui::addGrid(settings, 1, 0, 1, 8);
  ui::place(ticks, Check4, 0, 0);
  ui::place(ticks, Check7, 0, 1);
  ui::place(ticks, Check9, 0, 2);
  ticks.setColumnStretch(3, 1);
  ui::place(settings, Check8, 2, 0, 1, 8);
  ui::placeCaptioned(settings, " k0=", Text37, 3, 0, kShortBox);
  ui::placeCaptioned(settings, " k1=", Text36, 3, 2, kShortBox);
  ui::placeCaptioned(settings, " k2=", Text35, 3, 4, kShortBox);
  ui::placeCaptioned(settings, " k3=", Text14, 3, 6, kShortBox);
  QGridLayout& years = ui::addGrid(settings, 4, 0, 1, 8);
  ui::placeCaptioned(years, "k0 для 1,5 .1.", Text23, 0, 0, kShortBox);
  ui::placeCaptioned(years, "рассчитать смещение и параметр для года IG =", Text19, 0, 2, kShortBox);
  years.setColumnStretch(4, 1);
  QGridLayout& results = ui::addGrid(fit, 0, 2, 4, 1);
  results.setVerticalSpacing(2);
  ui::place(results, Command9, 0, 0, 1, 3);
  ui::placeCaptioned(results, "k0", Text11, 1, 0, kNumberBox);
  ui::placeCaptioned(results, "k1", Text12, 2, 0, kNumberBox);
  ui::placeCaptioned(results, "k2", Text13, 3, 0, kNumberBox);
  ui::placeCaptioned(results, "=", Text24, 4, 0, kNumberBox);
  ui::place(results, Label20, 4, 2);
  ui::placeCaptioned(results, "+/-", Text27, 5, 0, kNumberBox);
  ui::placeCaptioned(results, "параметр в  IG ", Text39, 6, 0, kNumberBox);
  fit.setColumnStretch(3, 1);

  // --- The shift files ---
  QGridLayout& shifts = ui::addGrid(left, 3, 0);
  ui::place(shifts, Command4, 0, 0);
  ui::place(shifts, Text25, 0, 1);
  ui::setWidthPixels(Text25, kNumberBox);
  ui::place(shifts, Command5, 0, 2);
  ui::place(shifts, Check12, 0, 3);
  shifts.setColumnStretch(4, 1);
  left.setRowStretch(4, 1);

  // --- What to load ---
  QGridLayout& right = ui::addGrid(form, 0, 1);
  right.setVerticalSpacing(3);
  QGridLayout& source = ui::addGrid(right, 0, 0);
  ui::place(source, Frame5, 0, 0, 2, 1);
  ui::place(Frame5.grid(), Option8, 0, 0);
  ui::place(Frame5.grid(), Option7, 1, 0);
  ui::place(source, Frame8, 0, 1, 2, 1);
  ui::place(Frame8.grid(), Option13, 0, 0);
  ui::place(Frame8.grid(), Option14, 0, 1);
  ui::place(Frame8.grid(), Option17, 0, 2);
  QGridLayout& numbers = ui::addGrid(source, 0, 2, 2, 1);
  numbers.setContentsMargins(6, 0, 0, 0);
  numbers.setHorizontalSpacing(6);
  ui::placeCaptioned(numbers, "план №", Text28, 0, 0, kShortBox);
  ui::placeCaptioned(numbers, "эксперимент №", Text10, 1, 0, kShortBox);
  source.setColumnStretch(3, 1);
  QGridLayout& choice = ui::addGrid(right, 1, 0);
  ui::place(choice, Frame9, 0, 0);
  for (int i = Option3.LBound(); i <= Option3.UBound(); ++i)
    ui::place(Frame9.grid(), Option3[i], (i - 1) % 6, (i - 1) / 6);
  ui::place(choice, Frame4, 0, 1);
  for (int i = Option4.LBound(); i <= Option4.UBound(); ++i)
    ui::place(Frame4.grid(), Option4[i], (i - 1) % 4, (i - 1) / 4);
  QGridLayout& marks = ui::addGrid(choice, 0, 2);
  ui::place(marks, Check1, 0, 0, 1, 2);
  ui::place(marks, Check2, 1, 0, 1, 2);
  ui::place(marks, Check10, 2, 0);
  ui::place(marks, Check11, 2, 1);
  marks.setRowStretch(3, 1);
  choice.setColumnStretch(3, 1);
  QGridLayout& overlay = ui::addGrid(right, 2, 0);
  ui::place(overlay, Check3, 0, 0);
  ui::place(overlay, Text31, 0, 1);
  ui::setWidthPixels(Text31, kShortBox);
  overlay.setColumnStretch(2, 1);
  ui::place(right, Command6, 3, 0);

  // --- The sample and its fit range ---
  QGridLayout& range = ui::addGrid(right, 4, 0);
  range.setVerticalSpacing(2);
  ui::placeCaptioned(range, "точек в выборке", Text3, 0, 0, kShortBox + 16);
  ui::placeCaptioned(range, "начальная точка №", Text15, 1, 0, kShortBox + 16);
  ui::placeCaptioned(range, "с параметром", Text17, 1, 2, kNumberBox);
  ui::addCaption(range, " от", 2, 2);
  placeDate(range, Text6, Text8, Text9, 2, 3);
  ui::placeCaptioned(range, "конечная точка №", Text16, 3, 0, kShortBox + 16);
  ui::placeCaptioned(range, "с параметром", Text18, 3, 2, kNumberBox);
  ui::addCaption(range, " от", 4, 2);
  placeDate(range, Text20, Text21, Text22, 4, 3);
  QGridLayout& groups = ui::addGrid(right, 5, 0);
  placeBetween(groups, "с разбивкой выборки на группы по", Text4, "точек", 0, 0, kShortBox);
  groups.setColumnStretch(3, 1);

  // --- Editing points ---
  QGridLayout& edits = ui::addGrid(right, 6, 0);
  edits.setVerticalSpacing(2);
  ui::place(edits, Command1, 0, 0);
  ui::place(edits, Text5, 0, 1);
  ui::setWidthPixels(Text5, kShortBox);
  ui::place(edits, Command2, 1, 0);
  placeDate(edits, Text32, Text33, Text34, 1, 1);
  QGridLayout& added = ui::addGrid(edits, 2, 0, 1, 3);
  ui::placeCaptioned(added, "с параметром", Text30, 0, 0, kNumberBox);
  ui::place(added, Text38, 0, 2);
  ui::setWidthPixels(Text38, kShortBox);
  added.setColumnStretch(3, 1);
  edits.setColumnStretch(3, 1);

  // --- Other windows ---
  QGridLayout& windows = ui::addGrid(right, 7, 0);
  ui::place(windows, Command15, 0, 0);
  ui::place(windows, Command16, 0, 1);
  ui::place(windows, Command3, 0, 2);
  right.setRowStretch(8, 1);
}

// Where the controls of Form10 stand. Left: the two views with their scale
// and view options, and below them the result picture with its bars. Then
// the source of the observed places and the theories with the corrections;
// then the date, the run and its inputs, the filter and the plots; on the
// right what each stage of the chain shows, the deviations, the plan runs
// and the other windows. Readable at 1280 x 800.
#include <QGridLayout>
#include <QWidget>

#include "observations/Form10.h"
#include "ui/Fonts.h"

namespace {

constexpr int kShortBox = 44;
constexpr int kNumberBox = 96;
constexpr int kStageBox = 92;

// A check box with its box beside it.
void placeTicked(QGridLayout& grid, ui::CheckBox& check, ui::TextBox& box, int row, int column, int width) {
  ui::place(grid, check, row, column);
  ui::place(grid, box, row, column + 1);
  ui::setWidthPixels(box, width);
}

// A caption and a pair of boxes (the two coordinates of a stage).
void placePair(QGridLayout& grid, const std::string& caption, ui::TextBox& first, ui::TextBox& second, int row) {
  ui::addCaption(grid, caption, row, 0);
  ui::place(grid, first, row, 1);
  ui::place(grid, second, row, 2);
  ui::setWidthPixels(first, kStageBox);
  ui::setWidthPixels(second, kStageBox);
}

}  // namespace

void Form10::layoutControls() {
  QGridLayout& form = grid();
  form.setContentsMargins(2, 4, 2, 4);
  form.setHorizontalSpacing(4);
  form.setVerticalSpacing(3);
  ui::useCondensedFont(window(), 8);

  // --- The two views, their scale and options ---
  QGridLayout& views = ui::addGrid(form, 0, 0);
  views.setSpacing(3);
  ui::place(views, Picture1, 0, 0);
  ui::place(views, Picture3, 0, 1);
  ui::place(views, HScroll2, 1, 0);
  ui::place(views, Label4, 1, 1);
  QGridLayout& viewOptions = ui::addGrid(views, 2, 0, 1, 2);
  ui::place(viewOptions, Frame8, 0, 0, 2, 1);
  ui::place(Frame8.grid(), Option8, 0, 0);
  ui::place(Frame8.grid(), Option3, 1, 0);
  ui::place(viewOptions, Check2, 0, 1);
  ui::place(viewOptions, Check5, 1, 1);
  ui::place(viewOptions, Command8, 0, 2);
  ui::place(viewOptions, Check4, 1, 2);
  viewOptions.setColumnStretch(3, 1);

  // --- The result picture ---
  QGridLayout& result = ui::addGrid(form, 1, 0);
  result.setSpacing(0);
  ui::place(result, Picture2, 0, 0);
  ui::place(result, VScroll1, 0, 1);
  ui::place(result, HScroll1, 1, 0);
  QGridLayout& resultScale = ui::addGrid(result, 2, 0, 1, 2);
  resultScale.setHorizontalSpacing(6);
  ui::placeCaptioned(resultScale, "МТ, лет/см", Text6, 0, 0, kShortBox);
  ui::placeCaptioned(resultScale, "MAlfa, град/см", Text19, 0, 2, kShortBox);
  ui::placeCaptioned(resultScale, "kW=", Text28, 0, 4, 30);
  ui::placeCaptioned(resultScale, "MdAlfa, угл.сек/см", Text20, 1, 0, kShortBox);
  ui::placeCaptioned(resultScale, "MdR,тыс.км/см", Text49, 1, 2, kShortBox);
  ui::placeCaptioned(resultScale, "dY, см", Text53, 1, 4, 30);
  resultScale.setColumnStretch(6, 1);

  // --- Source of the observed places ---
  QGridLayout& source = ui::addGrid(form, 0, 1, 2, 1);
  source.setVerticalSpacing(2);
  ui::place(source, Frame1, 0, 0);
  ui::place(Frame1.grid(), Option1, 0, 0);
  ui::place(Frame1.grid(), Option2, 0, 1);
  ui::placeCaptioned(source, "объект №", Text1, 0, 1, 30);
  ui::place(source, Frame3, 1, 0, 1, 3);
  for (int i = 0; i <= 7; ++i) ui::place(Frame3.grid(), Option9[i], i / 4, i % 4);
  QGridLayout& other = ui::addGrid(source, 2, 0, 1, 3);
  ui::placeCaptioned(other, "иная Obs", Text59, 0, 0, 50);
  ui::placeCaptioned(other, "файл Obs №", Text56, 0, 2, 40);
  other.setColumnStretch(4, 1);
  ui::place(source, Check3, 3, 0, 1, 3);
  QGridLayout& observer = ui::addGrid(source, 4, 0, 1, 3);
  ui::placeCaptioned(observer, "ObsL, град", Text24, 0, 0, 60);
  ui::placeCaptioned(observer, "ObsB, град", Text25, 0, 2, 60);
  ui::addCaption(observer, "Obs", 1, 0);
  QGridLayout& years = ui::addGrid(observer, 1, 1, 1, 3);
  ui::place(years, Text16, 0, 0);
  ui::addCaption(years, "...", 0, 1);
  ui::place(years, Text14, 0, 2);
  ui::setWidthPixels(Text16, kShortBox);
  ui::setWidthPixels(Text14, kShortBox);
  years.setColumnStretch(3, 1);
  ui::place(source, Frame2, 5, 0, 1, 3);
  // The tables two to a row (their names are long: more would widen the
  // window past the screen); the hidden buttons (none, and the two tables
  // without cells) in a row of their own, which takes no room.
  int shownTable = 0;
  for (int i = 0; i <= 10; ++i) {
    if (Option4[i].Visible()) {
      ui::place(Frame2.grid(), Option4[i], shownTable / 2, shownTable % 2);
      ++shownTable;
    } else {
      ui::place(Frame2.grid(), Option4[i], 5, i % 2);
    }
  }
  ui::place(Frame2.grid(), Check19, 4, 0, 1, 2);

  // --- Theories and corrections ---
  ui::place(source, Frame5, 6, 0, 1, 3);
  ui::place(Frame5.grid(), Option10, 0, 0);
  ui::place(Frame5.grid(), Option11, 0, 1);
  ui::place(Frame5.grid(), Option12, 0, 2);
  ui::place(source, Frame6, 7, 0, 1, 3);
  ui::place(Frame6.grid(), Option13, 0, 0);
  ui::place(Frame6.grid(), Option14, 0, 1);
  ui::place(source, Frame10, 8, 0, 1, 3);
  ui::place(Frame10.grid(), Option19, 0, 0);
  ui::place(Frame10.grid(), Option20, 0, 1);
  ui::place(Frame10.grid(), Option21, 0, 2);
  QGridLayout& corrections = ui::addGrid(source, 9, 0, 1, 3);
  corrections.setVerticalSpacing(1);
  ui::place(corrections, Check31, 0, 0);
  ui::place(corrections, Check27, 0, 1);
  ui::place(corrections, Check15, 1, 0);
  ui::place(corrections, Check16, 1, 1);
  ui::place(corrections, Check24, 2, 0);
  ui::place(corrections, Check23, 2, 1);
  ui::place(corrections, Check17, 3, 0);
  ui::place(corrections, Check18, 3, 1);
  ui::placeCaptioned(source, "Прецессия, сек", Text47, 10, 0, 50);
  source.setRowStretch(11, 1);

  // --- Date, run, filter, plots ---
  QGridLayout& run = ui::addGrid(form, 0, 2, 2, 1);
  run.setVerticalSpacing(2);
  QGridLayout& date = ui::addGrid(run, 0, 0);
  date.setHorizontalSpacing(3);
  ui::addCaption(date, "DMY", 0, 0);
  ui::place(date, Text2, 0, 1);
  ui::place(date, Text3, 0, 2);
  ui::place(date, Text4, 0, 3);
  // The day with its fraction of the day in full takes the row's spare width.
  ui::takeSpareWidth(Text2, 70);
  date.setColumnStretch(1, 1);
  ui::setWidthPixels(Text3, 26);
  ui::setWidthPixels(Text4, 44);
  ui::place(date, Command2, 0, 4);
  ui::addCaption(date, "JD", 1, 0);
  ui::place(date, Text5, 1, 1, 1, 3);
  ui::place(date, Command3, 1, 4);
  QGridLayout& calendar = ui::addGrid(date, 2, 0, 1, 5);
  ui::place(calendar, Frame4, 0, 0, 2, 1);
  ui::place(Frame4.grid(), Option5, 0, 0);
  ui::place(Frame4.grid(), Option6, 1, 0);
  ui::place(Frame4.grid(), Option7, 2, 0);
  ui::place(calendar, Frame7, 0, 1);
  ui::place(Frame7.grid(), Option15, 0, 0);
  ui::place(Frame7.grid(), Option16, 0, 1);
  ui::place(calendar, Command18, 1, 1);
  ui::place(date, Text58, 3, 0, 1, 5);
  QGridLayout& buttons = ui::addGrid(run, 1, 0);
  buttons.setHorizontalSpacing(3);
  ui::place(buttons, Command1, 0, 0);
  ui::place(buttons, Command4, 0, 1);
  ui::place(buttons, Command5, 1, 0);
  ui::place(buttons, Command6, 1, 1);
  QGridLayout& inputs = ui::addGrid(run, 2, 0);
  inputs.setVerticalSpacing(1);
  ui::placeCaptioned(inputs, "до", Text65, 0, 0, kShortBox);
  ui::placeCaptioned(inputs, "шаг Tab, дни", Text18, 0, 2, kShortBox);
  placeTicked(inputs, Check28, Text17, 1, 0, kShortBox);
  ui::place(inputs, Check13, 1, 2, 1, 2);
  placeTicked(inputs, Check29, Text46, 2, 0, 30);
  ui::addCaption(inputs, "когда Hpl>", 2, 2);
  placeTicked(inputs, Check25, Text48, 3, 0, kShortBox);
  ui::placeCaptioned(inputs, "Азимут", Text54, 4, 0, 60);
  ui::placeCaptioned(inputs, "Высота", Text55, 4, 2, 60);
  placeTicked(inputs, Check20, Text50, 5, 0, kShortBox);
  ui::place(inputs, Frame9, 6, 0, 1, 4);
  ui::place(Frame9.grid(), Option17, 0, 0);
  ui::place(Frame9.grid(), Option18, 0, 1);
  ui::place(inputs, Check21, 7, 0);
  ui::place(inputs, Command15, 7, 2, 1, 2);
  placeTicked(inputs, Check22, Text57, 8, 0, 36);
  ui::place(inputs, Check7, 9, 0, 1, 4);
  placeTicked(inputs, Check26, Text29, 10, 0, kNumberBox);
  QGridLayout& plots = ui::addGrid(run, 3, 0);
  plots.setVerticalSpacing(1);
  ui::place(plots, Check1, 0, 0);
  ui::place(plots, Check9, 0, 1);
  ui::place(plots, Check11, 1, 0);
  ui::place(plots, Check12, 1, 1);
  ui::place(plots, Check10, 2, 0);
  ui::place(plots, Check14, 2, 1);
  ui::place(plots, Check34, 3, 0);
  ui::place(plots, Check35, 3, 1);
  ui::place(plots, Check6, 4, 0);
  run.setRowStretch(4, 1);

  // --- What each stage shows, the deviations, the plan runs, other windows ---
  QGridLayout& stages = ui::addGrid(form, 0, 3, 2, 1);
  stages.setVerticalSpacing(1);
  stages.setHorizontalSpacing(3);
  placePair(stages, "Nab", Text63, Text64, 0);
  ui::placeCaptioned(stages, "ET-UT, сек", Text40, 1, 0, kStageBox);
  placePair(stages, "GEO J2000", Text21, Text22, 2);
  placePair(stages, "Аберр. ис.", Text31, Text41, 3);
  placePair(stages, "Аберр. пр.", Text32, Text42, 4);
  placePair(stages, "EQU JD", Text33, Text43, 5);
  placePair(stages, "Параллакс", Text34, Text44, 6);
  placePair(stages, "Рефракция", Text35, Text45, 7);
  placePair(stages, "Нутация", Text36, Text38, 8);
  placePair(stages, "Ras", Text37, Text39, 9);
  placePair(stages, "dL, dB", Text7, Text8, 10);
  ui::placeCaptioned(stages, "dR", Text15, 11, 0, kStageBox);
  placePair(stages, "dLsr, dBsr", Text9, Text10, 12);
  placePair(stages, "Abs(dL,dB)sr", Text11, Text12, 13);
  ui::placeCaptioned(stages, "dRsr", Text13, 14, 0, kStageBox);
  ui::placeCaptioned(stages, "N", Text23, 15, 0, kStageBox);
  placePair(stages, "+ / -", Text60, Text78, 16);
  QGridLayout& plan = ui::addGrid(stages, 17, 0, 1, 3);
  plan.setHorizontalSpacing(3);
  ui::place(plan, Command7, 0, 0);
  ui::place(plan, Text26, 0, 1);
  ui::addCaption(plan, "по", 0, 2);
  ui::place(plan, Text27, 0, 3);
  ui::setWidthPixels(Text26, 30);
  ui::setWidthPixels(Text27, 30);
  ui::place(plan, Check8, 1, 0, 1, 4);
  ui::place(plan, Check30, 2, 0, 1, 4);
  ui::place(plan, Command10, 3, 0, 1, 4);
  ui::place(plan, Command12, 4, 0, 1, 4);
  ui::place(plan, Text51, 5, 0);
  ui::place(plan, Text52, 5, 1);
  QGridLayout& windows = ui::addGrid(stages, 18, 0, 1, 3);
  windows.setSpacing(3);
  ui::place(windows, Command9, 0, 0);
  ui::place(windows, Command16, 0, 1);
  ui::place(windows, Command17, 0, 2);
  ui::place(windows, Command11, 1, 0, 1, 3);
  ui::place(windows, Command14, 2, 0, 1, 2);
  ui::place(windows, Command13, 2, 2);
  stages.setRowStretch(19, 1);
  form.setColumnStretch(4, 1);
  form.setRowStretch(2, 1);
}

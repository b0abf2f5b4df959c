// Where the controls of Form2 stand: the orbit view with its scale and the
// table of the followed orbit on the left; the overview, the kind of run
// and the run buttons beside it; the numbers of the experiment in the
// middle; the progress of the run, the graphs and the other windows on the
// right. Readable at 1280 x 800.
#include <QGridLayout>

#include "model/Form2.h"
#include "ui/Fonts.h"

namespace {

constexpr int kNumberBoxWidth = 96;
constexpr int kShortBoxWidth = 52;
constexpr int kWideBoxWidth = 104;
// Boxes of the run's progress, wide enough for a Julian Day or a coordinate
// shown in full.
constexpr int kProgressBoxWidth = 150;
constexpr double kPictureTextPoints = 8;

// A row of the orbit table: its caption and the reference, current and
// drift boxes.
void placeElementRow(QGridLayout& grid, const std::string& caption, ui::TextBox& reference, ui::TextBox& current,
                     ui::TextBox& drift, int row) {
  ui::addCaption(grid, caption, row, 0);
  ui::TextBox* boxes[3] = {&reference, &current, &drift};
  for (int c = 0; c < 3; ++c) {
    ui::place(grid, *boxes[c], row, c + 1);
    ui::setWidthPixels(*boxes[c], kNumberBoxWidth + 14);
  }
}

// A date of three boxes: day, month, year, after its caption, across the
// given columns of the grid. The day with its fraction of the day in full
// takes the row's spare width.
void placeDate(QGridLayout& grid, const std::string& caption, ui::TextBox& day, ui::TextBox& month,
               ui::TextBox& year, int row, int columns) {
  QGridLayout& date = ui::addGrid(grid, row, 0, 1, columns);
  date.setHorizontalSpacing(2);
  ui::addCaption(date, caption, 0, 0);
  ui::place(date, day, 0, 1);
  ui::place(date, month, 0, 2);
  ui::place(date, year, 0, 3);
  ui::takeSpareWidth(day, 76);
  date.setColumnStretch(1, 1);
  ui::setWidthPixels(month, 26);
  ui::setWidthPixels(year, 44);
}

}  // namespace

void Form2::layoutControls() {
  QGridLayout& form = grid();
  form.setContentsMargins(4, 4, 4, 4);
  form.setHorizontalSpacing(6);
  form.setVerticalSpacing(3);

  // --- Orbit view, scale, table of the followed orbit ---
  QGridLayout& view = ui::addGrid(form, 0, 0);
  ui::place(view, Picture1, 0, 0);
  // The run's title lines span the picture's width: a condensed face keeps
  // them inside it.
  ui::useCondensedFont(Picture1, kPictureTextPoints);
  ui::place(view, HScroll1, 1, 0);
  ui::place(view, Label1, 2, 0);
  QGridLayout& table = ui::addGrid(view, 3, 0);
  table.setVerticalSpacing(1);
  placeElementRow(table, "AlfaP, град", Text3, Text4, Text25, 0);
  placeElementRow(table, "AlfaU, град", Text7, Text24, Text23, 1);
  placeElementRow(table, "Betta, град", Text6, Text22, Text16, 2);
  placeElementRow(table, "Eks", Text20, Text18, Text29, 3);
  placeElementRow(table, "Rsr, тыс.км.", Text46, Text47, Text10, 4);
  placeElementRow(table, "Period, дни", Text48, Text49, Text15, 5);
  placeDate(table, "AlfaP пройден", Text26, Text27, Text28, 6, 4);
  placeDate(table, "AlfaU пройден", Text31, Text32, Text33, 7, 4);
  view.setRowStretch(4, 1);

  // --- Overview, kind of run, run buttons ---
  QGridLayout& run = ui::addGrid(form, 0, 1);
  ui::place(run, Picture2, 0, 0, 1, 2);
  ui::place(run, useFrame_, 1, 0);
  ui::place(useFrame_.grid(), Option3, 0, 0);
  ui::place(useFrame_.grid(), Option4, 1, 0);
  ui::place(run, modelFrame_, 1, 1);
  ui::place(modelFrame_.grid(), Option7, 0, 0);
  ui::place(modelFrame_.grid(), Option8, 1, 0);
  ui::place(run, imitatorFrame_, 2, 0);
  ui::place(imitatorFrame_.grid(), Option5, 0, 0);
  ui::place(imitatorFrame_.grid(), Option9, 1, 0);
  ui::place(imitatorFrame_.grid(), Option6, 2, 0);
  ui::place(run, timeFrame_, 2, 1);
  ui::place(timeFrame_.grid(), Option1, 0, 0);
  ui::place(timeFrame_.grid(), Option2, 1, 0);
  ui::place(run, Command1, 3, 0, 1, 2);
  ui::place(run, Command4, 4, 0);
  ui::place(run, Command5, 4, 1);
  ui::place(run, Command2, 5, 0);
  ui::place(run, Command9, 6, 0, 1, 2);
  ui::place(run, Command7, 7, 0, 1, 2);
  run.setRowStretch(8, 1);

  // --- Numbers of the experiment ---
  QGridLayout& numbers = ui::addGrid(form, 0, 2);
  numbers.setVerticalSpacing(2);
  ui::place(numbers, Check13, 0, 0);
  ui::place(numbers, Text35, 0, 1);
  ui::setWidthPixels(Text35, kShortBoxWidth - 12);
  ui::placeCaptioned(numbers, "F=G*m*M/R^", Text45, 1, 0, kShortBoxWidth);
  ui::placeCaptioned(numbers, "Шаг решения, с", Text38, 2, 0, kShortBoxWidth);
  ui::placeCaptioned(numbers, "/", Text39, 3, 0, kShortBoxWidth);
  QGridLayout& output = ui::addGrid(numbers, 4, 0, 1, 2);
  ui::addCaption(output, "с выводом через", 0, 0);
  ui::place(output, Text37, 0, 1);
  ui::setWidthPixels(Text37, kShortBoxWidth);
  ui::addCaption(output, "шагов", 0, 2);
  QGridLayout& end = ui::addGrid(numbers, 5, 0, 1, 2);
  ui::place(end, Check14, 0, 0);
  ui::place(end, Text40, 0, 1);
  ui::setWidthPixels(Text40, kShortBoxWidth);
  ui::addCaption(end, "году", 0, 2);
  ui::place(numbers, Check4, 6, 0);
  ui::place(numbers, Text13, 6, 1);
  ui::setWidthPixels(Text13, kShortBoxWidth);
  ui::placeCaptioned(numbers, "при +/- Alfa, град=", Text17, 7, 0, kShortBoxWidth);
  QGridLayout& centre = ui::addGrid(numbers, 8, 0, 1, 2);
  ui::place(centre, Check17, 0, 0);
  ui::place(centre, Check19, 0, 1);
  ui::place(centre, Check18, 0, 2);
  QGridLayout& records = ui::addGrid(numbers, 9, 0, 1, 2);
  ui::place(records, Check20, 0, 0);
  ui::place(records, Text8, 0, 1);
  ui::setWidthPixels(Text8, kShortBoxWidth - 12);
  ui::place(numbers, Check2, 10, 0, 1, 2);
  ui::place(numbers, Check12, 11, 0);
  QGridLayout& balance = ui::addGrid(numbers, 12, 0, 1, 2);
  ui::place(balance, Text19, 0, 0);
  ui::place(balance, Text41, 0, 1);
  ui::setWidthPixels(Text19, kWideBoxWidth);
  ui::setWidthPixels(Text41, kWideBoxWidth);
  QGridLayout& drawing = ui::addGrid(numbers, 13, 0, 1, 2);
  ui::place(drawing, Check3, 0, 0);
  ui::place(drawing, Check1, 0, 1);
  ui::place(numbers, Check21, 14, 0, 1, 2);
  ui::placeCaptioned(numbers, "MdAlfa, сек/см", Text5, 15, 0, kShortBoxWidth);
  ui::placeCaptioned(numbers, "MT, лет/см", Text9, 16, 0, kShortBoxWidth);
  ui::placeCaptioned(numbers, "Mx, тыс.км/см ", Text21, 17, 0, kShortBoxWidth);
  ui::placeCaptioned(numbers, "dY, см", Text36, 18, 0, kShortBoxWidth);
  numbers.setRowStretch(19, 1);

  // --- Progress, graphs, other windows ---
  QGridLayout& progress = ui::addGrid(form, 0, 3);
  progress.setVerticalSpacing(2);
  placeDate(progress, "дата", Text42, Text43, Text44, 0, 2);
  ui::placeCaptioned(progress, "JD=", Text14, 1, 0, kProgressBoxWidth);
  ui::placeCaptioned(progress, " dTmod, лет", Text1, 2, 0, kProgressBoxWidth);
  ui::placeCaptioned(progress, "dTreal, час", Text50, 3, 0, kProgressBoxWidth);
  ui::placeCaptioned(progress, "AlfaEklip, град", Text2, 4, 0, kProgressBoxWidth);
  ui::placeCaptioned(progress, "К-во оборотов, шт", Text34, 5, 0, kProgressBoxWidth);
  ui::place(progress, Check5, 6, 0);
  ui::place(progress, Text11, 6, 1);
  ui::place(progress, Check6, 7, 0);
  ui::place(progress, Text12, 7, 1);
  ui::place(progress, Check7, 8, 0);
  ui::place(progress, Text30, 8, 1);
  for (ui::TextBox* box : {&Text11, &Text12, &Text30}) ui::setWidthPixels(*box, kProgressBoxWidth);
  ui::place(progress, Check8, 9, 0);
  ui::place(progress, Check9, 9, 1);
  ui::place(progress, Check10, 10, 0);
  ui::place(progress, Check11, 10, 1);
  ui::place(progress, Check15, 11, 0);
  ui::place(progress, Check16, 11, 1);
  ui::place(progress, Command3, 12, 0);
  ui::place(progress, Command10, 12, 1);
  ui::place(progress, Command8, 13, 0);
  ui::place(progress, Command6, 13, 1);
  ui::place(progress, Text53, 14, 0);
  progress.setRowStretch(15, 1);
}

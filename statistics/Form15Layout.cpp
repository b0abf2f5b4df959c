// Where the controls of Form15 stand: the seven factor rows across the top
// left, below them the steps of the work in their order (plan, plan file,
// observed shifts, runs, criterion, regression, optimum, graphs); the
// scrolled picture on the right. Readable at 1280 x 800.
#include <QGridLayout>

#include <string>

#include "statistics/Form15.h"
#include "ui/Fonts.h"
#include "ui/WheelScrolling.h"

namespace {

constexpr int kFactorBoxWidth = 70;
constexpr int kShortBoxWidth = 40;
constexpr int kScaleBoxWidth = 80;
constexpr double kPictureTextPoints = 7.5;

}  // namespace

void Form15::layoutControls() {
  QGridLayout& form = grid();
  form.setContentsMargins(4, 4, 4, 4);
  form.setHorizontalSpacing(8);
  form.setVerticalSpacing(3);

  // --- The factors ---
  QGridLayout& left = ui::addGrid(form, 0, 0);
  left.setVerticalSpacing(3);
  ui::addCaption(left, "нулевые уровни, интервалы варьирования и оптимальные значения факторов (параметров)", 0, 0);
  QGridLayout& factors = ui::addGrid(left, 1, 0);
  factors.setVerticalSpacing(1);
  factors.setHorizontalSpacing(4);
  factors.setColumnStretch(9, 1);
  for (int i = 1; i <= 7; ++i) {
    ui::place(factors, Check3[i], i, 0);
    ui::place(factors, Text11[i], i, 1);
    ui::addCaption(factors, "+/-", i, 2);
    ui::place(factors, Text12[i], i, 3);
    ui::addCaption(factors, " =", i, 4);
    ui::place(factors, Text13[i], i, 5);
    ui::addCaption(factors, "X" + std::to_string(i) + "opt=", i, 6);
    ui::place(factors, Text14[i], i, 7);
    ui::place(factors, Text15[i], i, 8);
  }
  for (auto* column : {&Text11, &Text12, &Text13, &Text14, &Text15}) ui::setWidthPixels(*column, kFactorBoxWidth);

  // --- 1 and 2: the plan and its file ---
  QGridLayout& plan = ui::addGrid(left, 2, 0);
  ui::place(plan, Frame1, 0, 0);
  ui::place(Frame1.grid(), Option1, 0, 0);
  ui::place(Frame1.grid(), Option2, 0, 1);
  ui::place(plan, Command5, 0, 1);
  ui::place(plan, Command14, 0, 2);
  ui::place(plan, Text4, 0, 3);
  ui::setWidthPixels(Text4, kShortBoxWidth);
  ui::place(plan, Command12, 0, 4);
  plan.setColumnStretch(5, 1);

  // --- 3: observed shifts ---
  QGridLayout& observed = ui::addGrid(left, 3, 0);
  ui::place(observed, Frame5, 0, 0);
  ui::place(Frame5.grid(), Option9, 0, 0);
  ui::place(Frame5.grid(), Option11, 0, 1);
  ui::place(Frame5.grid(), Option12, 0, 2);
  ui::place(observed, Command4, 0, 1);
  observed.setColumnStretch(1, 1);

  // --- 4-1: runs on the model window ---
  QGridLayout& runs = ui::addGrid(left, 4, 0);
  ui::place(runs, Command8, 0, 0);
  ui::place(runs, Text5, 0, 1);
  ui::setWidthPixels(Text5, kShortBoxWidth);
  ui::addCaption(runs, "по №", 0, 2);
  ui::place(runs, Text6, 0, 3);
  ui::setWidthPixels(Text6, kShortBoxWidth);
  ui::place(runs, Check5, 0, 4);
  runs.setColumnStretch(5, 1);

  // --- 4-2: the criterion ---
  QGridLayout& criterion = ui::addGrid(left, 5, 0);
  ui::place(criterion, Frame3, 0, 0);
  ui::place(Frame3.grid(), Option5, 0, 0);
  ui::place(Frame3.grid(), Option6, 1, 0);
  ui::place(criterion, Frame2, 0, 1);
  ui::placeColumn(Frame2.grid(), Check2, 0, 0);
  ui::place(criterion, Frame4, 0, 2);
  for (int p = 1; p <= 10; ++p) ui::place(Frame4.grid(), Check1[p], (p - 1) % 5, (p - 1) / 5);
  ui::place(criterion, Frame9, 0, 3);
  criterion.setColumnStretch(4, 1);
  ui::place(Frame9.grid(), Option18, 0, 0);
  ui::place(Frame9.grid(), Option19, 1, 0);
  ui::place(Frame9.grid(), Option20, 2, 0);
  ui::place(Frame9.grid(), Option21, 3, 0);
  QGridLayout& compute = ui::addGrid(left, 6, 0);
  ui::place(compute, Command10, 0, 0);
  ui::placeCaptioned(compute, "Ymin", Text1, 0, 1, kScaleBoxWidth);
  ui::placeCaptioned(compute, "М, ед/см", Text2, 0, 3, kScaleBoxWidth);
  compute.setColumnStretch(5, 1);

  // --- 5 to 8: regression, optimum, zero levels, graphs ---
  QGridLayout& optimum = ui::addGrid(left, 7, 0);
  ui::place(optimum, Command1, 0, 0);
  ui::place(optimum, Command7, 0, 1);
  ui::place(optimum, Command9, 1, 0);
  QGridLayout& graphs = ui::addGrid(optimum, 1, 1);
  ui::place(graphs, Check4, 0, 0);
  ui::place(graphs, Command13, 0, 1);

  // --- The trigger and the weights window ---
  QGridLayout& bottom = ui::addGrid(left, 8, 0);
  ui::place(bottom, Text3, 0, 0, 2, 1);
  Text3.widget()->setFixedSize(140, 60);
  ui::place(bottom, Command6, 0, 1);
  bottom.setColumnStretch(2, 1);
  left.setRowStretch(9, 1);

  // --- The picture ---
  // The plan table's columns stand one picture unit apart: a condensed face
  // keeps "-1,41" clear of the number beside it.
  ui::useCondensedFont(Picture1, kPictureTextPoints);
  ui::scrollWithWheel(Picture3, VScroll1, HScroll1);
  QGridLayout& right = ui::addGrid(form, 0, 1);
  right.setSpacing(0);
  ui::place(right, Picture3, 0, 0);
  ui::place(right, VScroll1, 0, 1);
  ui::place(right, HScroll1, 1, 0);
  QGridLayout& buttons = ui::addGrid(right, 2, 0);
  buttons.setContentsMargins(0, 6, 0, 0);
  ui::place(buttons, Command16, 0, 0);
  ui::place(buttons, Command15, 0, 1);
  ui::place(buttons, Command3, 0, 2);
  right.setRowStretch(3, 1);
}

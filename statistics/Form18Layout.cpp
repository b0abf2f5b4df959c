// Where the controls of Form18 stand: the plan, the factors and the
// criterion with the long action buttons down the left; the picture with its
// scroll bars on the right, the short buttons under it. Readable at
// 1280 x 800.
#include <QGridLayout>
#include <QLabel>

#include <initializer_list>
#include <string>

#include "statistics/Form18.h"
#include "ui/Fonts.h"

namespace {

constexpr int kLevelBoxWidth = 70;
constexpr int kOptimumBoxWidth = 96;
constexpr int kShortBoxWidth = 44;
constexpr int kScaleBoxWidth = 90;
// The texts of the picture: its numbers stand one picture unit apart.
constexpr double kPictureTextPoints = 7.5;
// The factors' heading wraps within the width of the left column.
constexpr int kLeftColumnWidth = 480;

// A fixed caption that wraps onto several lines when it is long.
void addWrappedCaption(QGridLayout& grid, const std::string& text, int row, int column) {
  auto* caption = new QLabel(QString::fromStdString(text), grid.parentWidget());
  caption->setTextFormat(Qt::PlainText);
  caption->setWordWrap(true);
  caption->setMaximumWidth(kLeftColumnWidth);
  caption->setMinimumHeight(2 * caption->fontMetrics().lineSpacing() + 2);
  grid.addWidget(caption, row, column);
}

// Controls one below the other in a frame, close together.
void placeInFrame(ui::Frame& frame, std::initializer_list<ui::Control*> controls) {
  QGridLayout& grid = frame.grid();
  grid.setVerticalSpacing(1);
  int row = 0;
  for (ui::Control* control : controls) ui::place(grid, *control, row++, 0);
  grid.setRowStretch(row, 1);
}

}  // namespace

void Form18::layoutControls() {
  QGridLayout& form = grid();
  form.setContentsMargins(6, 6, 6, 6);
  form.setHorizontalSpacing(10);
  form.setVerticalSpacing(4);

  // --- The plan: type, factor count, zero points, creation ---
  QGridLayout& left = ui::addGrid(form, 0, 0);
  left.setVerticalSpacing(4);
  QGridLayout& plan = ui::addGrid(left, 0, 0);
  ui::place(plan, Frame5, 0, 0);
  placeInFrame(Frame5, {&Option12, &Option13, &Option14, &Option15, &Option16});
  QGridLayout& counts = ui::addGrid(plan, 0, 1);
  ui::placeCaptioned(counts, "Nf=", Text8, 0, 0, kShortBoxWidth);
  ui::place(counts, Check1, 1, 0);
  ui::place(counts, Text5, 1, 1);
  ui::setWidthPixels(Text5, kShortBoxWidth);
  ui::addCaption(counts, "<=15", 1, 2);
  ui::place(counts, Command14, 2, 0, 1, 3);
  counts.setRowStretch(3, 1);

  // --- Factors: zero level +/- interval, optimum coded and natural ---
  addWrappedCaption(left, "нулевые уровни, интервалы варьирования и оптимальные значения факторов (параметров)", 1, 0);
  QGridLayout& factors = ui::addGrid(left, 2, 0);
  factors.setVerticalSpacing(2);
  for (int i = 1; i <= 6; ++i) {
    const int row = i - 1;
    ui::place(factors, Check3[i], row, 0);
    ui::place(factors, Text1[i], row, 1);
    ui::addCaption(factors, " +/-", row, 2);
    ui::place(factors, Text2[i], row, 3);
    ui::addCaption(factors, "X" + std::to_string(i) + "opt=", row, 4);
    ui::place(factors, Text3[i], row, 5);
    ui::place(factors, Text4[i], row, 6);
  }
  ui::setWidthPixels(Text1, kLevelBoxWidth);
  ui::setWidthPixels(Text2, kLevelBoxWidth);
  ui::setWidthPixels(Text3, kOptimumBoxWidth);
  ui::setWidthPixels(Text4, kOptimumBoxWidth);

  // --- Source of the experiments and kind of criterion ---
  QGridLayout& criterion = ui::addGrid(left, 3, 0);
  ui::place(criterion, Frame3, 0, 0);
  placeInFrame(Frame3, {&Option6, &Option8, &Option7});
  ui::place(criterion, Frame9, 0, 1);
  placeInFrame(Frame9, {&Option18, &Option19, &Option20, &Option21});
  QGridLayout& values = ui::addGrid(criterion, 1, 0, 1, 2);
  values.setVerticalSpacing(2);
  values.setHorizontalSpacing(6);
  ui::place(values, Check4, 0, 0);
  ui::placeCaptioned(values, "Yopt для dY", Text6, 0, 2, kScaleBoxWidth);
  ui::placeCaptioned(values, "Ymin, ед", Text7, 1, 0, kScaleBoxWidth);
  ui::placeCaptioned(values, "Масштаб, ед/см", Text20, 1, 2, kScaleBoxWidth);

  // --- The long action buttons ---
  ui::place(left, Command4, 4, 0);
  ui::place(left, Command1, 5, 0);
  ui::place(left, Command13, 6, 0);
  ui::place(left, Command5, 7, 0);
  left.setRowStretch(8, 1);

  // --- The picture inside its frame, the scroll bars, the short buttons ---
  QGridLayout& right = ui::addGrid(form, 0, 1);
  right.setSpacing(0);
  Picture3.setBackColor(RGB(255, 255, 255));
  Picture3.embed(Picture1);
  ui::useCondensedFont(Picture1, kPictureTextPoints);
  ui::place(right, Picture3, 0, 0);
  ui::place(right, VScroll1, 0, 1);
  ui::place(right, HScroll1, 1, 0);
  QGridLayout& buttons = ui::addGrid(right, 2, 0, 1, 2);
  buttons.setContentsMargins(0, 6, 0, 0);
  buttons.setHorizontalSpacing(6);
  ui::place(buttons, Command6, 0, 0);
  ui::place(buttons, Command9, 0, 1);
  ui::place(buttons, Text9, 0, 2);
  ui::setWidthPixels(Text9, 2 * kOptimumBoxWidth);
  ui::place(buttons, Command7, 1, 0);
  ui::place(buttons, Command3, 1, 2);
  right.setRowStretch(3, 1);
}

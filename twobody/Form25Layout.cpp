// Where the controls of Form25 stand: on the left the orbit picture with its
// scale and the graph below it; in the middle the masses, the files, the
// steps and the run; on the right the elements of m1, the display options,
// the finite-speed interval and the force Ft, and the balances; under both
// the initial-state button with its theory option.
// Readable at 1280 x 800.
#include <QGridLayout>
#include <QLabel>

#include <array>

#include "twobody/Form25.h"
#include "ui/Fonts.h"

namespace {

constexpr int kNumberBoxWidth = 76;
constexpr int kShortBoxWidth = 44;
constexpr int kWideBoxWidth = 150;
// The element table: the change is shown in full, with its exponent, and
// a period in seconds with six decimals; the explanations above give them
// the room.
constexpr int kGivenBoxWidth = 84;
constexpr int kChangeBoxWidth = 128;
constexpr int kMeasuredBoxWidth = 74;
constexpr int kExplanationWidth = 290;
constexpr double kGraphTextPoints = 7.5;

// One row of the element table: caption, given value, change, measured
// value, and the drift curve with its scale where the row has one.
struct ElementRow {
  const char* caption;
  ui::TextBox* given;
  ui::TextBox* change;
  ui::TextBox* measured;
  ui::CheckBox* curve;
  ui::TextBox* scale;
};

void wrapLabel(ui::Label& label) {
  auto* text = static_cast<QLabel*>(label.widget());
  text->setWordWrap(true);
  text->setFixedWidth(kExplanationWidth);
  text->setMinimumHeight(text->heightForWidth(kExplanationWidth));
}

}  // namespace

void Form25::layoutControls() {
  QGridLayout& form = grid();
  form.setHorizontalSpacing(4);

  // --- Left: the two pictures ---
  QGridLayout& pictures = ui::addGrid(form, 0, 0, 2, 1);
  ui::place(pictures, Picture1, 0, 0);
  ui::place(pictures, HScroll1, 1, 0);
  ui::place(pictures, Label10, 2, 0);
  ui::place(pictures, Picture2, 3, 0);
  // The graph's time axis numbers 0..25 stand 15 pixels apart: a condensed
  // face keeps the two-digit ones apart.
  ui::useCondensedFont(Picture2, kGraphTextPoints);
  pictures.setRowStretch(4, 1);

  // --- Middle: initial data and the run ---
  QGridLayout& start = ui::addGrid(form, 0, 1);
  start.setVerticalSpacing(3);
  wrapLabel(Label5);
  ui::placeCaptioned(start, "m1 / Msol", Text4, 2, 0, kNumberBoxWidth);
  ui::placeCaptioned(start, "m2 / Msol", Text5, 3, 0, kNumberBoxWidth);
  ui::placeCaptioned(start, "AlfaL1, град", Text1, 4, 0, kNumberBoxWidth);
  wrapLabel(Label8);
  ui::place(start, Label5, 5, 0, 1, 4);
  ui::place(start, Label8, 6, 0, 1, 4);
  QGridLayout& files = ui::addGrid(start, 7, 0, 1, 4);
  ui::place(files, Command7, 0, 0);
  ui::place(files, Command8, 0, 1);
  ui::place(files, Text2, 0, 2);
  ui::setWidthPixels(Text2, kShortBoxWidth + 8);
  ui::place(start, Command5, 8, 0, 1, 4);
  ui::placeCaptioned(start, "Vgr = Vsv *", Text21, 9, 0, kNumberBoxWidth);
  ui::placeCaptioned(start, "с шагом, сек", Text22, 10, 0, kNumberBoxWidth);
  ui::placeCaptioned(start, " /", Text23, 10, 2, kShortBoxWidth);
  ui::place(start, Command1, 11, 0, 1, 4);
  ui::place(start, Check1, 12, 0);
  ui::place(start, Check10, 12, 1);
  QGridLayout& output = ui::addGrid(start, 13, 0, 1, 4);
  ui::placeCaptioned(output, "данные выводить через", Text36, 0, 0, kShortBoxWidth);
  ui::addCaption(output, "шагов", 0, 2);
  output.setColumnStretch(3, 1);
  QGridLayout& search = ui::addGrid(start, 14, 0, 1, 4);
  ui::placeCaptioned(search, "поиск в интервале +/- dAlfa, град=", Text24, 0, 0, kShortBoxWidth);
  search.setColumnStretch(2, 1);
  QGridLayout& run = ui::addGrid(start, 15, 0, 1, 4);
  ui::place(run, Command2, 0, 0);
  ui::place(run, Command3, 0, 1);
  ui::place(start, Command4, 16, 0, 1, 2);
  ui::place(start, Command9, 16, 2, 1, 2);
  start.setRowStretch(17, 1);

  // --- Under both: the initial state ---
  QGridLayout& initial = ui::addGrid(form, 1, 1, 1, 2);
  ui::place(initial, Command6, 0, 0);
  ui::place(initial, Check14, 0, 1);
  ui::place(initial, Text12, 0, 2);
  ui::setWidthPixels(Text12, kShortBoxWidth);
  initial.setColumnStretch(3, 1);

  // --- Right: the elements of m1 and the options ---
  QGridLayout& right = ui::addGrid(form, 0, 2);
  right.setVerticalSpacing(3);
  QGridLayout& elements = ui::addGrid(right, 0, 0);
  elements.setHorizontalSpacing(2);
  const std::array<ElementRow, 7> rows{{
      {"Eks1 =", &Text7, &Text17, &Text27, &Check5, &Text43},
      {"AlfaP1, град", &Text8, &Text18, &Text28, &Check6, &Text44},
      {"AlfaU1, град", &Text9, &Text19, &Text29, nullptr, nullptr},
      {"R1, тыс.км.", &Text10, &Text20, &Text30, &Check7, &Text45},
      {"Betta1 ,град", &Text37, &Text38, &Text39, nullptr, nullptr},
      {"P1, дни", &Text40, &Text33, &Text34, nullptr, nullptr},
      {" P1, сек", &Text13, &Text14, &Text15, &Check8, &Text46},
  }};
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const int row = static_cast<int>(i);
    ui::placeCaptioned(elements, rows[i].caption, *rows[i].given, row, 0, kGivenBoxWidth);
    ui::placeCaptioned(elements, " +", *rows[i].change, row, 2, kChangeBoxWidth);
    ui::placeCaptioned(elements, " =", *rows[i].measured, row, 4, kMeasuredBoxWidth);
    if (rows[i].curve == nullptr) continue;
    ui::place(elements, *rows[i].curve, row, 6);
    ui::place(elements, *rows[i].scale, row, 7);
    ui::setWidthPixels(*rows[i].scale, kShortBoxWidth);
  }
  ui::placeCaptioned(elements, "V1, м/с =", Text16, 7, 0, kGivenBoxWidth);

  QGridLayout& system = ui::addGrid(right, 1, 0);
  ui::placeCaptioned(system, "VXsys, км/с", Text31, 0, 0, kShortBoxWidth);
  ui::placeCaptioned(system, "VYsys, км/с", Text32, 0, 2, kShortBoxWidth);
  ui::placeCaptioned(system, "F21 (справочно) =", Text11, 0, 4, kWideBoxWidth);
  system.setColumnStretch(6, 1);

  QGridLayout& display = ui::addGrid(right, 2, 0);
  ui::place(display, Frame1, 0, 0, 2, 1);
  ui::place(Frame1.grid(), Option1, 0, 0);
  ui::place(Frame1.grid(), Option2, 0, 1);
  ui::place(Frame1.grid(), Option6, 0, 2);
  ui::place(Frame1.grid(), Option7, 1, 0);
  ui::place(Frame1.grid(), Option8, 1, 1);
  ui::place(display, Check3, 0, 1);
  ui::place(display, Check4, 1, 1);

  QGridLayout& interval = ui::addGrid(right, 3, 0);
  ui::place(interval, Frame4, 0, 0);
  ui::place(Frame4.grid(), Option9, 0, 0);
  ui::place(Frame4.grid(), Option10, 0, 1);
  ui::placeCaptioned(interval, "Ft1, н", Text3, 0, 1, kNumberBoxWidth);
  interval.setColumnStretch(3, 1);
  ui::place(right, Frame2, 4, 0);
  ui::place(Frame2.grid(), Option3, 0, 0);
  ui::place(Frame2.grid(), Option4, 0, 1);
  ui::place(Frame2.grid(), Option5, 0, 2);
  QGridLayout& analytic = ui::addGrid(right, 5, 0);
  ui::addCaption(analytic, "если аналитически", 0, 0);
  ui::place(analytic, Check9, 0, 1);
  ui::place(analytic, Check2, 0, 2);
  analytic.setColumnStretch(3, 1);

  QGridLayout& balances = ui::addGrid(right, 6, 0);
  ui::placeCaptioned(balances, "к-во оборотов m1", Text35, 0, 0, kNumberBoxWidth);
  ui::placeCaptioned(balances, "прошло лет", Text25, 0, 2, kNumberBoxWidth);
  ui::placeCaptioned(balances, "dEsys, %", Text41, 1, 0, kWideBoxWidth);
  ui::placeCaptioned(balances, "dMsys, %", Text42, 1, 2, kWideBoxWidth);
  ui::placeCaptioned(balances, "MT, дни /см", Text6, 2, 0, kNumberBoxWidth);
  right.setRowStretch(7, 1);
}

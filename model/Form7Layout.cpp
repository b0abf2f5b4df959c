// Where the controls of Form7 stand: the picture on the left with the
// objects to tick below it; on the right the table of the bodies and their
// traces, the starting pair, the system velocity, the calculation of one
// iteration and its button; along the bottom the conditions of the test and
// the scales. Readable at 1280 x 800.
#include <QGridLayout>

#include <initializer_list>

#include "model/Form7.h"

namespace {

constexpr int kTableBoxWidth = 134;
constexpr int kCalculationBoxWidth = 170;
// The starting distance, delay and force, shown in full.
constexpr int kStartBoxWidth = 160;
constexpr int kShortBoxWidth = 48;

struct CaptionedBox {
  const char* caption;
  ui::TextBox* box;
};

// A row of the table: body 1's box and its trace's box, then body 2's.
void placeTableRow(QGridLayout& grid, const char* first, ui::TextBox& body1, ui::TextBox& trace1,
                   const char* second, ui::TextBox& body2, ui::TextBox& trace2, int row) {
  ui::addCaption(grid, first, row, 0);
  ui::place(grid, body1, row, 1);
  ui::place(grid, trace1, row, 2);
  ui::addCaption(grid, second, row, 3);
  ui::place(grid, body2, row, 4);
  ui::place(grid, trace2, row, 5);
  for (ui::TextBox* box : {&body1, &trace1, &body2, &trace2}) ui::setWidthPixels(*box, kTableBoxWidth);
}

// Caption-and-box pairs in a grid, row by row, `columns` pairs wide.
void placePairs(QGridLayout& grid, std::initializer_list<CaptionedBox> pairs, int columns, int boxWidth) {
  int index = 0;
  for (const CaptionedBox& pair : pairs) {
    ui::placeCaptioned(grid, pair.caption, *pair.box, index / columns, 2 * (index % columns), boxWidth);
    ++index;
  }
}

}  // namespace

void Form7::layoutControls() {
  QGridLayout& form = grid();
  form.setContentsMargins(4, 4, 4, 4);
  form.setHorizontalSpacing(8);
  form.setVerticalSpacing(3);

  // --- The picture and the objects ---
  QGridLayout& left = ui::addGrid(form, 0, 0);
  ui::place(left, Picture1, 0, 0);
  QGridLayout& objects = ui::addGrid(left, 1, 0);
  for (int object = Check1.LBound(); object <= Check1.UBound(); ++object)
    ui::place(objects, Check1[object], object / 5, object % 5);
  left.setRowStretch(2, 1);

  // --- Bodies, traces, the starting pair and the system velocity ---
  QGridLayout& right = ui::addGrid(form, 0, 1);
  right.setVerticalSpacing(2);
  QGridLayout& table = ui::addGrid(right, 0, 0);
  table.setVerticalSpacing(1);
  ui::addCaption(table, "X и VX планет (1-я колонка)  а их следов (2-я колонка)", 0, 0, 1, 6);
  placeTableRow(table, "X1", Text11, Text24, "X2", Text12, Text27, 1);
  placeTableRow(table, "Y1", Text13, Text25, "Y2", Text14, Text28, 2);
  placeTableRow(table, "Z1", Text15, Text26, "Z2", Text16, Text29, 3);
  placeTableRow(table, "VX1", Text17, Text47, "VX2", Text18, Text48, 4);
  placeTableRow(table, "VY1", Text19, Text49, "VY2", Text20, Text50, 5);
  placeTableRow(table, "VZ1", Text21, Text51, "VZ2", Text22, Text52, 6);

  QGridLayout& start = ui::addGrid(right, 1, 0);
  placePairs(start, {{"L12=L21=", &Text7}, {"T12=T21=", &Text8}, {"F12=F21", &Text9}}, 3, kStartBoxWidth);
  ui::addCaption(right, "X (тыс.км),   VX (м/с),  T (с),    F(Н)", 2, 0);
  ui::addCaption(right, "F i k - сила притяжения k-ой планеты следом i-ой планеты", 3, 0);
  QGridLayout& system = ui::addGrid(right, 4, 0);
  ui::place(system, Check3, 0, 0);
  QGridLayout& velocity = ui::addGrid(system, 0, 1);
  placePairs(velocity, {{"VXsys", &Text3}, {"VYsys", &Text4}, {"VZsys", &Text5}}, 3, kShortBoxWidth + 24);
  ui::addCaption(system, "(км/с)", 0, 2);
  system.setColumnStretch(3, 1);

  // --- One iteration ---
  QGridLayout& calculation = ui::addGrid(right, 5, 0);
  calculation.setVerticalSpacing(1);
  placePairs(calculation,
             {{"dAlfaVXi", &Text31},       {"dAlfaVXk", &Text35},
              {"dAlfaVYi", &Text32},       {"dAlfaVYk", &Text36},
              {"dBettaVZi", &Text33},      {"dBettaVZk", &Text37},
              {"dVi", &Text34},            {"dVk", &Text38},
              {"Alfa i k", &Text53},       {"Betta i k", &Text54},
              {"L i k", &Text55},          {"T i k", &Text59},
              {"dVk - dVi", &Text60},      {"L12/L21", &Text61},
              {"F12/F21", &Text30},        {"сделано итераций", &Text10},
              {"Fs (по следам)", &Text41}, {"Fsum ", &Text42},
              {"FXsum", &Text43},          {"FXsum - FXs", &Text56},
              {"FYsum", &Text44},          {"FYsum - FYs", &Text57},
              {"FZsum", &Text45},          {"FZsum - FZs", &Text58}},
             2, kCalculationBoxWidth);

  QGridLayout& press = ui::addGrid(right, 6, 0);
  ui::place(press, Command3, 0, 0);
  ui::place(press, Frame2, 0, 1);
  ui::place(Frame2.grid(), Option3, 0, 0);
  ui::place(Frame2.grid(), Option4, 0, 1);
  ui::place(press, Frame1, 0, 2);
  ui::place(Frame1.grid(), Option1, 0, 0);
  ui::place(Frame1.grid(), Option2, 0, 1);
  right.setRowStretch(7, 1);

  // --- Conditions of the test and the scales ---
  QGridLayout& conditions = ui::addGrid(form, 1, 0, 1, 2);
  placePairs(conditions, {{"Alfa1", &Text1}, {"Alfa2", &Text2}}, 2, kShortBoxWidth + 16);
  ui::place(conditions, Command1, 0, 4);
  ui::place(conditions, Check2, 0, 5);
  ui::place(conditions, Check4, 0, 6);
  ui::place(conditions, Check5, 0, 7);
  QGridLayout& speeds = ui::addGrid(conditions, 0, 8);
  placePairs(speeds, {{"Vgr=Vsv*", &Text6}, {"kPgr1=", &Text40}, {"kPgr2=", &Text62}}, 3, kShortBoxWidth + 8);

  QGridLayout& scales = ui::addGrid(form, 2, 0, 1, 2);
  placePairs(scales, {{"MV, (км/с)/см", &Text46}, {"MF, 10^12 Н/см", &Text23}}, 2, kShortBoxWidth + 8);
  ui::place(scales, HScroll1, 0, 4);
  HScroll1.widget()->setMinimumWidth(260);
  ui::place(scales, Label23, 0, 5);
  ui::place(scales, Command4, 0, 6);
  scales.setColumnStretch(5, 1);
}

// Where the controls of Form17 stand: the two laws as formulas, each with
// its sign line, then the six law items with the option columns of ET1 and
// ET2 beside their captions, the diameters and the buttons.
#include <QGridLayout>

#include "tools/Form17.h"
#include "tools/Form17Texts.h"

namespace {

constexpr int kCoefficientBoxWidth = 90;
constexpr int kYearBoxWidth = 60;
constexpr int kDiameterBoxWidth = 90;

}  // namespace

void Form17::layoutControls() {
  QGridLayout& form = grid();

  QGridLayout& laws = ui::addGrid(form, 0, 0);
  struct LawRow {
    const char *head, *linear, *square, *epoch, *jdLine, *difference;
    ui::TextBox &a, &b, &c, &year;
    ui::Frame& signs;
    ui::OptionButton &plus, &minus;
  };
  const LawRow rows[2] = {
      {"ET1-UT, сек =", " * (T-T01) +", " * (T-T01)^2", "T01=", "JDet1= JDut", "ET1- UT", Text1,
       Text2, Text3, Text10, Frame1, Option1, Option2},
      {"ET2-UT, сек =", " * (T-T02) +", " * (T-T02)^2", "T02=", "JDet2= JDut", "ET2- UT", Text11,
       Text12, Text13, Text20, Frame2, Option3, Option4},
  };
  for (int r = 0; r < 2; ++r) {
    const LawRow& row = rows[r];
    const int line = 2 * r;
    ui::placeCaptioned(laws, row.head, row.a, line, 0, kCoefficientBoxWidth);
    ui::addCaption(laws, "+", line, 2);
    ui::place(laws, row.b, line, 3);
    ui::setWidthPixels(row.b, kCoefficientBoxWidth);
    ui::addCaption(laws, row.linear, line, 4);
    ui::place(laws, row.c, line, 5);
    ui::setWidthPixels(row.c, kCoefficientBoxWidth);
    ui::addCaption(laws, row.square, line, 6);
    ui::placeCaptioned(laws, row.epoch, row.year, line, 7, kYearBoxWidth);

    QGridLayout& signLine = ui::addGrid(laws, line + 1, 0, 1, 9);
    ui::addCaption(signLine, row.jdLine, 0, 0);
    ui::place(signLine, row.signs, 0, 1);
    ui::place(row.signs.grid(), row.plus, 0, 0);
    ui::place(row.signs.grid(), row.minus, 0, 1);
    ui::addCaption(signLine, row.difference, 0, 2);
    signLine.setColumnStretch(3, 1);
  }

  // The two option columns stand beside one column of captions: item k of
  // both arrays belongs to caption k. The captions sit in the frame of ET2
  // so that they share its rows.
  QGridLayout& items = ui::addGrid(form, 1, 0);
  ui::place(items, Frame4, 0, 0);
  ui::place(items, Frame5, 0, 1);
  ui::placeColumn(Frame4.grid(), Option8, 0, 0);
  ui::placeColumn(Frame5.grid(), Option9, 0, 0);
  for (int item = 0; item < static_cast<int>(form17text::kLawItems.size()); ++item)
    ui::addCaption(Frame5.grid(), form17text::kLawItems[item], item, 1);
  items.setColumnStretch(2, 1);

  QGridLayout& sizes = ui::addGrid(form, 2, 0);
  ui::addCaption(sizes, "(тыс. км.)", 0, 0);
  ui::placeCaptioned(sizes, "Dsun", Text6, 0, 1, kDiameterBoxWidth);
  ui::placeCaptioned(sizes, "Death", Text7, 0, 3, kDiameterBoxWidth);
  ui::placeCaptioned(sizes, "Dmoon", Text8, 0, 5, kDiameterBoxWidth);
  ui::place(sizes, Text5, 0, 7);
  ui::setWidthPixels(Text5, kYearBoxWidth);
  sizes.setColumnStretch(8, 1);

  QGridLayout& buttons = ui::addGrid(form, 3, 0);
  ui::place(buttons, Command1, 0, 0);
  buttons.setColumnStretch(1, 1);
  ui::place(buttons, Command2, 0, 2);
}

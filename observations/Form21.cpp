// Form21: design-time captions and ticks, the wiring of the buttons, the
// layout and the accessor. The longitude terms stand in the left column,
// the latitude terms and the names of the angles in the right one.
#include "observations/Form21.h"

#include <QGridLayout>

#include "observations/Form21Texts.h"

Form21& form21() { return ui::formInstance<Form21>(); }

Form21::Form21() : Form(21, "Возмущения  Луны dLdB") {
  setCaptions();
  Command1.onClick([this] { Command1_Click(); });
  Command2.onClick([this] { Command2_Click(); });
  layoutControls();
}

void Form21::setCaptions() {
  form21text::forEachTerm([this](const form21text::MoonTerm& term) {
    Check1[term.index].setCaption(term.caption);
    Check1[term.index].setValue(term.ticked ? 1 : 0);
  });
  for (int unused = 17; unused <= 24; ++unused) {
    Check1[unused].setVisible(false);
    Text1[unused].setVisible(false);
  }
  anglesFrame_.setCaption("обозначения углов");
  Command1.setCaption("Задать значения коэффициентов");
  Command2.setCaption("Закрыть форму");
}

namespace {

// One row of a term: its check box, its box and the sine beside it.
void placeTerm(QGridLayout& column, Form21& form, const form21text::MoonTerm& term, int row) {
  ui::place(column, form.Check1[term.index], row, 0);
  ui::place(column, form.Text1[term.index], row, 1);
  ui::setWidthPixels(form.Text1[term.index], 90);
  ui::addCaption(column, term.sine, row, 2);
}

}  // namespace

void Form21::layoutControls() {
  QGridLayout& form = grid();
  form.setContentsMargins(8, 8, 8, 8);
  form.setHorizontalSpacing(24);
  ui::addCaption(form, "значения коэффициентов (возмущений) для Луны от Солнца ", 0, 0, 1, 2);

  QGridLayout& longitude = ui::addGrid(form, 1, 0);
  longitude.setVerticalSpacing(4);
  longitude.setHorizontalSpacing(6);
  int row = 0;
  for (const form21text::MoonTerm& term : form21text::kLongitudeTerms) placeTerm(longitude, *this, term, row++);

  QGridLayout& latitude = ui::addGrid(form, 1, 1);
  latitude.setVerticalSpacing(4);
  latitude.setHorizontalSpacing(6);
  row = 0;
  for (const form21text::MoonTerm& term : form21text::kLatitudeTerms) placeTerm(latitude, *this, term, row++);
  latitude.setRowMinimumHeight(row++, 16);
  ui::place(latitude, anglesFrame_, row++, 0, 1, 3);
  latitude.setRowStretch(row, 1);
  QGridLayout& angles = anglesFrame_.grid();
  ui::addCaption(angles, " для Луны Ipl2=0", 0, 0);
  ui::addCaption(angles, "D = AlfaL(Ipl) - AlfaL(Ipl2)", 1, 0);
  ui::addCaption(angles, "F = AlfaL(Ipl) - AlfaU(Ipl)", 2, 0);
  ui::addCaption(angles, "L = AlfaL(Ipl) - AlfaP(Ipl)", 3, 0);
  ui::addCaption(angles, "Ls = AlfaL(Ipl2) - AlfaP(Ipl2)", 4, 0);

  QGridLayout& buttons = ui::addGrid(form, 2, 0, 1, 2);
  ui::place(buttons, Command1, 0, 0);
  ui::place(buttons, Command2, 0, 1);
  buttons.setColumnStretch(2, 1);
  form.setRowStretch(3, 1);
}

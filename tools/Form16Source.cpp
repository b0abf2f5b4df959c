// The choice of Form16 between modern theories and ancient tables, and of a
// theory: the switch enables one group and disables the other, forgets the
// source chosen, sets the day start that suits the source, relabels the rows
// of the reduction chain and presets the law items and signs of Form17;
// choosing a theory makes Form17 apply its laws again through its trigger
// box.
#include "core/de405/DE405.h"
#include "core/runtime/Clock.h"
#include "core/runtime/ErrorTrap.h"
#include "core/state/SharedState.h"
#include "tools/Form16.h"
#include "tools/Form16Texts.h"
#include "tools/Form17.h"

namespace {

constexpr const char* kTheoryNames[] = {"", "New0", "JPL0", "JPL2", "Ser0"};

// The law items and signs of Form17 for a source: ET1 by `et1Item` added,
// ET2 by item 4 subtracted. Touching Form17 loads it, hidden, when it is not.
void presetLaws(int et1Item) {
  Form17& laws = form17();
  laws.Option8[et1Item].setValue(true);
  laws.Option9[4].setValue(true);
  laws.Option1.setValue(true);
  laws.Option4.setValue(true);
}

}  // namespace

// Option1_Click "таблиц": only on a real switch from theories.
void Form16::Option1_Click() {
  if (Option4[0].Enabled()) return;
  if (!sourceName_.empty()) {  // a theory chosen
    giveReaderBack();
    Option9[0].setValue(true);  // runs Option9_Click(0): no theory
  }
  for (int k = Option4.LBound(); k <= Option4.UBound(); ++k) Option4[k].setEnabled(true);
  for (int k = Option9.LBound(); k <= Option9.UBound(); ++k) Option9[k].setEnabled(false);
  Check4.setEnabled(true);
  sourceName_.clear();
  Option16.setValue(true);
  Label16.setCaption(form16text::kDaysFromEra);
  presetLaws(3);
  Label11.setCaption("");
  Label13.setCaption("");
  Label17.setCaption("");
  Label18.setCaption("ГЕО ЭКЛ JD");
  Label21.setCaption("");
  for (int row : {0, 1, 2, 5})
    for (int column = 0; column < 4; ++column) resultBox(row, column).setText("");
}

// Option2_Click "теорий": only on a real switch from tables.
void Form16::Option2_Click() {
  if (Option9[0].Enabled()) return;
  for (int k = Option9.LBound(); k <= Option9.UBound(); ++k) Option9[k].setEnabled(true);
  for (int k = Option4.LBound(); k <= Option4.UBound(); ++k) Option4[k].setEnabled(false);
  Check4.setEnabled(false);
  // "none" closes the table this window holds.
  if (!tableInWorkbook().empty() || !sourceName_.empty())
    Option4[0].setValue(true);  // runs Option4_Click(0)
  sourceName_.clear();
  Option15.setValue(true);
  Label16.setCaption(form16text::kDaysFromEra);
  presetLaws(1);
  Label11.setCaption("ГЕО ЭКЛ J2000");
  Label13.setCaption("+Аберр. планетн.");
  Label17.setCaption("+Аберр. звездн.");
  Label18.setCaption("J2000 -> JD");
  Label21.setCaption("+Нутация");
}

// Option9_Click: the theory; Gregorian calendar and days from 0 h; Form17's
// laws applied again by the time written into its trigger box.
void Form16::Option9_Click(int Index) {
  withErrorTrap(form16text::kChooseTheory, form16text::kDateTitle, [&] {
    Option15.setValue(true);
    Option5.setValue(true);
    Label16.setCaption(form16text::kDaysFromEra);
    sourceName_ = kTheoryNames[Index];
    form17().Text5.setText(TimeText());  // fires Form17's Text5_Change
    Main.StopFlag = 0;
  });
}

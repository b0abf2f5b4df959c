// Form23's handlers: the stored options shown at load, the coefficients
// proposed for each law, the options stored by "Задать выбранные параметры
// взаимодействия для учета Vgr", and closing the window.
#include <array>
#include <utility>

#include "core/runtime/ErrorTrap.h"
#include "core/runtime/MessageBox.h"
#include "core/runtime/NumberText.h"
#include "core/state/SharedState.h"
#include "model/Form2.h"
#include "model/Form23.h"

namespace {

constexpr const char* kTitle = "Celvan7";
constexpr const char* kNoGravitySpeed = "Давление гравитации не может быть задано без скорости гравитации";
constexpr const char* kBadData = "Задайте правильно данные";

// A check box counts as ticked only with value 1 (a grey box does not).
int16_t flagOf(const ui::CheckBox& box) { return box.Value() == 1 ? 1 : 0; }

// The law options with the kodPgr each stands for, and the retardation
// options in the order of kodDX 0..3.
using LawOptions = std::array<std::pair<int16_t, ui::OptionButton*>, 7>;
LawOptions lawOptionsOf(Form23& f) {
  return {{{0, &f.Option1}, {2, &f.Option2}, {3, &f.Option3}, {4, &f.Option4}, {5, &f.Option5}, {6, &f.Option6},
           {7, &f.Option7}}};
}
std::array<ui::OptionButton*, 4> retardationOptionsOf(Form23& f) {
  return {&f.Option8, &f.Option9, &f.Option10, &f.Option11};
}

// Shows a stored flag: cleared, then ticked when the flag is 1.
void showFlag(ui::CheckBox& box, int16_t flag) {
  box.setValue(0);
  if (flag == 1) box.setValue(1);
}

}  // namespace

// Selecting an option from code runs its click, which proposes the law's
// coefficients: the stored coefficients are written after it, so they are
// what the window shows.
void Form23::Form_Load() {
  for (const auto& [code, option] : lawOptionsOf(*this))
    if (Main.kodPgr == code) option->setValue(true);
  Check2.setValue(1);
  if (Main.EveryStageKinematicsFlag == 0) Check2.setValue(0);
  Text1.setText(Str(Main.kPgr1));
  Text2.setText(Str(Main.kPgr2));
  if (Main.kodDX >= 0 && Main.kodDX <= 3) retardationOptionsOf(*this)[Main.kodDX]->setValue(true);
  showFlag(Check1, Main.PreciseEnergyFlag);
  showFlag(Check3, Main.CentreOfMassDisplayFlag);
  showFlag(Check4, Main.InstantCentreOfMassFlag);
  showFlag(Check5, Main.JerkKinematicsFlag);
  showFlag(Check6, Main.ShortLWFlag);
}

void Form23::proposeCoefficients(double k1, double k2) {
  Text1.setText(Str(k1));
  Text2.setText(Str(k2));
}

void Form23::Option1_Click() { proposeCoefficients(0, 0); }
void Form23::Option2_Click() { proposeCoefficients(0.5, 1); }
void Form23::Option3_Click() { proposeCoefficients(3, 6); }
void Form23::Option4_Click() { proposeCoefficients(3, 6); }
void Form23::Option5_Click() { proposeCoefficients(1, 1); }
void Form23::Option6_Click() { proposeCoefficients(1, 1); }
void Form23::Option7_Click() { proposeCoefficients(0, 0); }

// A law of gravity pressure needs the finite speed of gravity ("Vgr=Vsv *"
// on the model window, which this loads when it is not loaded). Both
// coefficients are read before anything is stored, so that a box that
// holds no number leaves every option as it was.
void Form23::Command1_Click() {
  const bool finiteSpeed = form2().Check13.Value() == 1;
  if (!finiteSpeed && !Option1.Value()) {
    MsgBox(kNoGravitySpeed, kTitle);
    return;
  }
  double k1 = 0, k2 = 0;
  if (!withErrorTrap(kBadData, kTitle, [&] {
        k1 = CDbl(Text1.Text());
        k2 = CDbl(Text2.Text());
      }))
    return;
  storeOptions(k1, k2);
}

// The law and the retardation variant of the selected options (each kept
// when none of its options is selected), the coefficients and the six
// switches.
void Form23::storeOptions(double k1, double k2) {
  for (const auto& [code, option] : lawOptionsOf(*this))
    if (option->Value()) Main.kodPgr = code;
  Main.kPgr1 = k1;
  Main.kPgr2 = k2;
  Main.EveryStageKinematicsFlag = flagOf(Check2);
  const std::array<ui::OptionButton*, 4> variants = retardationOptionsOf(*this);
  for (int16_t code = 0; code < 4; ++code)
    if (variants[code]->Value()) Main.kodDX = code;
  Main.PreciseEnergyFlag = flagOf(Check1);
  Main.CentreOfMassDisplayFlag = flagOf(Check3);
  Main.InstantCentreOfMassFlag = flagOf(Check4);
  Main.JerkKinematicsFlag = flagOf(Check5);
  Main.ShortLWFlag = flagOf(Check6);
}

void Form23::Command2_Click() { Unload(); }

// Form10 coming up and going: its load and activation, the trigger box of
// the date, the buttons that show other windows, "Закрыть форму" and
// "Выход".
#include "core/runtime/TextFile.h"
#include "core/state/SharedState.h"
#include "observations/Form10.h"
#include "observations/Form13.h"
#include "observations/Form21.h"
#include "observations/Form22.h"
#include "statistics/Form6.h"

namespace {

constexpr double kMetresPerScaleStep = 100000.0 * 1000.0;

}  // namespace

// Form_Load: no source chosen, "Tab" as the kind; the observatory buttons
// disabled until "Obs" is chosen; the scale of the two views and the result
// picture; the plan window opened, and the perturbation windows loaded and
// unloaded again so that their load handlers set the shared coefficients.
void Form10::Form_Load() {
  Main.TheoryName.clear();
  Main.SourceKind = "Tab";
  Main.SourceIndex = 0;
  Option9[0].setValue(true);  // runs Option9_Click(0): the presets of the date and the corrections
  for (int i = 0; i <= 7; ++i) Option9[i].setEnabled(false);
  HScroll2_Change();
  PrepareResultPicture();
  form13().Show();
  form21();
  form22();
  ui::unloadForm<Form21>();
  ui::unloadForm<Form22>();
}

// Form_Activate: the shared picture scale follows this window's scroll bar;
// the calendar and the hour of the day's start stay as they are.
void Form10::Form_Activate() { Main.ImageScale = HScroll2.Value() * kMetresPerScaleStep; }

// Text51_Change: written by the plan window as a call of "DMY->JD".
void Form10::Text51_Change() { Command2_Click(); }

void Form10::Command9_Click() { form13().Show(); }   // "План * "
void Form10::Command16_Click() { form21().Show(); }  // "dLl*"
void Form10::Command17_Click() { form22().Show(); }  // "dLp*"
void Form10::Command11_Click() { form6().Show(); }   // "К статистике"

// Command14_Click "Закрыть форму": closes the observatory file, releases
// the table's workbook and unloads this window with the plan and
// perturbation windows. A run in progress ends at its next pass, when it
// finds its window gone.
void Form10::Command14_Click() {
  closeObservatoryFile();
  ReleaseWorkbook();
  Unload();
  ui::unloadForm<Form13>();
  ui::unloadForm<Form21>();
  ui::unloadForm<Form22>();
}
void Form10::closeByTitleBar() { Command14_Click(); }

// Command13_Click "Выход": this window and its own first, then every other
// window in number order; the program ends with the last one.
void Form10::Command13_Click() {
  Command14_Click();
  ui::unloadAllForms();
}

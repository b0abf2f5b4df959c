// Form3: the help text box and the close button.
#include "setup/Form3.h"

#include <QGridLayout>

#include "core/state/SharedState.h"
#include "setup/Form3HelpText.h"

namespace {

// Room for lines of about a hundred characters and forty lines of text.
constexpr int kTextWidth = 900;
constexpr int kTextHeight = 640;

}  // namespace

Form3& form3() { return ui::formInstance<Form3>(); }

Form3::Form3() : Form(3, "Справка по кнопкам программы Celvan7m - ф. 3") {
  Text1.setText("Text1");
  Command1.setCaption("Закрыть");
  Command1.onClick([this] { Command1_Click(); });

  ui::place(grid(), Text1, 0, 0, 1, 2);
  Text1.widget()->setMinimumSize(kTextWidth, kTextHeight);
  ui::place(grid(), Command1, 1, 1);
  grid().setColumnStretch(0, 1);
  grid().setRowStretch(0, 1);
}

// Form_Load: the help text built anew in the shared text buffer, block by
// block, and shown.
// Writes:   Main.ScratchText (the whole help text); Text1
void Form3::Form_Load() {
  Main.ScratchText.clear();
  helptext::appendHelpText(Main.ScratchText);
  Text1.setText(Main.ScratchText);
}

// Command1_Click "Закрыть".
void Form3::Command1_Click() { Unload(); }

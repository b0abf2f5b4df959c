// Form12: design-time defaults of the controls, the wiring of their handlers,
// the accessor, the load and the activation.
#include "tools/Form12.h"

#include "core/runtime/NumberText.h"
#include "core/state/SharedState.h"

Form12& form12() { return ui::formInstance<Form12>(); }

Form12::Form12() : Form(12, "Преобразователь координат -   Celvan7m       форма 12") {
  setDesignDefaults();
  connectHandlers();
  layoutControls();
}

void Form12::setDesignDefaults() {
  Text11.setText("45");
  Text12.setText("10");

  angleFrame_.setCaption("преобразование углов");
  Option4.setCaption("часы-минуты-секунды");
  Option5.setCaption("градусы-минуты-секунды");
  Option6.setCaption("градусы");
  Option7.setCaption("радианы");
  Option5.setValue(true);
  for (ui::TextBox* box : {&Text7, &Text8, &Text9, &Text17, &Text18, &Text19, &Text10, &Text20})
    box->setText("0");
  Option11.setCaption("+");
  Option21.setCaption("--");
  Option11.setValue(true);
  Command4.setCaption("Считать угол ");
  Command5.setCaption("Преобразовать угол");
  Command12.setCaption("Задать долготу в град.");
  Command13.setCaption("Задать широту в град.");

  Text32.setText("1,5");
  Text33.setText("1");
  Text34.setText("2000");
  Command10.setCaption("G->J");
  Command11.setCaption("J->G");
  Text28.setText("3");
  Text30.setText("3");
  Text27.setText("3");

  Command9.setCaption("Закрыть форму");
}

void Form12::connectHandlers() {
  Command4.onClick([this] { Command4_Click(); });
  Command5.onClick([this] { Command5_Click(); });
  Command12.onClick([this] { Command12_Click(); });
  Command13.onClick([this] { Command13_Click(); });
  Command10.onClick([this] { Command10_Click(); });
  Command11.onClick([this] { Command11_Click(); });
  Command9.onClick([this] { Command9_Click(); });
}

// Form_Load: the observer's place, the calendar of the window (Julian up to
// 1582-10-04, Gregorian after, days from 0 h) and the Julian Day of the
// start date.
void Form12::Form_Load() {
  Text21.setText(Str(44.5));
  Text22.setText(Str(48.7));
  Main.CalendarMode = 0;
  Main.DayStartHour = 0;
  Command10_Click();
}

// Form_Activate: another window may have chosen another calendar.
void Form12::Form_Activate() {
  Main.CalendarMode = 0;
  Main.DayStartHour = 0;
}

// Command9_Click "Закрыть форму".
void Form12::Command9_Click() { Unload(); }

// Form17: design-time defaults of the controls, the wiring of their handlers
// and the accessor.
#include "tools/Form17.h"

#include "tools/Form17Texts.h"

Form17& form17() { return ui::formInstance<Form17>(); }

Form17::Form17() : Form(17, "Рассчет ET-UT     Celvan7m -  форма 17 ") {
  setDesignDefaults();
  connectHandlers();
  layoutControls();
}

// The design selection: ET1 by the parabola of 1939 added to universal time,
// ET2 by 31.5 T² about 1800 subtracted from it.
void Form17::setDesignDefaults() {
  Option1.setCaption("+");
  Option2.setCaption("--");
  Option1.setValue(true);
  Option3.setCaption("+");
  Option4.setCaption("--");
  Option4.setValue(true);

  Frame4.setCaption("ET1");
  Frame5.setCaption("ET2");
  for (int item = Option8.LBound(); item <= Option8.UBound(); ++item) {
    Option8[item].setCaption("");
    Option9[item].setCaption("");
  }
  Option8[1].setValue(true);
  Option9[4].setValue(true);

  Text6.setText("1392,0");
  Text7.setText("12,75628");
  Text8.setText("3,475");
  Text5.setText("Time");

  Command1.setCaption("Задать значения");
  Command2.setCaption("Закрыть форму");
}

void Form17::connectHandlers() {
  Command1.onClick([this] { Command1_Click(); });
  Command2.onClick([this] { Command2_Click(); });
  Text5.onChange([this] { Text5_Change(); });
}

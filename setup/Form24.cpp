// Form24: design-time defaults of the controls, the wiring of their handlers
// and the accessor.
#include "setup/Form24.h"

Form24& form24() { return ui::formInstance<Form24>(); }

Form24::Form24() : Form(24, "Тест эфемерид JPL DE405      Celvan7m - форма 24") {
  setDesignDefaults();
  connectHandlers();
  layoutControls();
}

// The window opens on the vector as the ephemeris holds it: astronomical
// units, barycentric, equator and equinox of J2000.
void Form24::setDesignDefaults() {
  Text9.setText("1969");
  Text8.setText("6");
  Text7.setText("28,0");
  Text10.setText("Text10");
  Command2.setCaption("G > J");
  Command3.setCaption("J > G");
  Label8.setCaption("ET - UT = 0");

  Command1.setCaption("рассчитать по DE405 координаты и скорости для объекта №");
  Text11.setText("1");
  unitsFrame_.setCaption("размерность");
  Option1.setCaption("м , м/с");
  Option2.setCaption("АЕ , АЕ/день");
  Option2.setValue(true);
  originFrame_.setCaption("координаты");
  Option3.setCaption("барицентрические");
  Option4.setCaption("гелиоцентрические");
  Option3.setValue(true);
  epochFrame_.setCaption("эпоха");
  Option5.setCaption("J2000");
  Option6.setCaption("JD");
  Option5.setValue(true);
  planeFrame_.setCaption("плоскость");
  Option7.setCaption("экватор");
  Option8.setCaption("эклиптика");
  Option7.setValue(true);

  Command4.setCaption("Закрыть");
}

void Form24::connectHandlers() {
  Command1.onClick([this] { Command1_Click(); });
  Command2.onClick([this] { Command2_Click(); });
  Command3.onClick([this] { Command3_Click(); });
  Command4.onClick([this] { Command4_Click(); });
}

// Form12: design-time defaults of the controls, the wiring of their handlers,
// the accessor, the load and the activation.
#include "tools/Form12.h"

#include "core/runtime/NumberText.h"
#include "core/state/SharedState.h"
#include "tools/Form12Shared.h"

Form12& form12() { return ui::formInstance<Form12>(); }

Form12::Form12() : Form(12, "Преобразователь координат -   Celvan7m       форма 12") {
  setDesignDefaults();
  connectHandlers();
  layoutControls();
}

void Form12::setDesignDefaults() {
  constexpr const char* kBodies[12] = {"Солнце", "Меркурий", "Венера", "Земля",
                                       "Марс",   "Юпитер",   "Сатурн", "Уран",
                                       "Нептун", "Плутон",   "Луна",   "с экрана"};
  for (int k = Option1.LBound(); k <= Option1.UBound(); ++k) Option1[k].setCaption(kBodies[k]);
  Option1[10].setValue(true);

  equinoxFrame.setCaption("к равноденствию эпохи");
  Option17.setCaption("J2000");
  Option16.setCaption("эпоха даты JD");
  Option16.setValue(true);
  planeFrame.setCaption("плоскость");
  Option8.setCaption("эклиптики");
  Option9.setCaption("экватора");
  Option10.setCaption("горизонта");
  Option8.setValue(true);
  originFrame.setCaption("система координат");
  Option18.setCaption("гелиоцентрическая");
  Option19.setCaption("геоцентрическая");
  Option20.setCaption("топоцентрическая");
  Option18.setValue(true);
  Option2.setCaption("полярные");
  Option3.setCaption("декартовы");
  Option2.setValue(true);

  Command6.setCaption("Задать координаты");
  Command2.setCaption("Задать координаты для JD = JD + ");
  Text29.setText("0,25");
  Command7.setCaption("Преобразовать координаты");
  Command1.setCaption("Показать преобразованные координаты в окошках исходных данных");

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

  HScroll1.setMin(1);
  HScroll1.setMax(10000);
  HScroll1.setValue(300);
  Label10.setCaption("масштаб изображения = ");
  Check3.setCaption("с очисткой экрана");
  Check3.setValue(1);
}

void Form12::connectHandlers() {
  Command4.onClick([this] { Command4_Click(); });
  Command5.onClick([this] { Command5_Click(); });
  Command12.onClick([this] { Command12_Click(); });
  Command13.onClick([this] { Command13_Click(); });
  Command10.onClick([this] { Command10_Click(); });
  Command11.onClick([this] { Command11_Click(); });
  Command9.onClick([this] { Command9_Click(); });
  Command6.onClick([this] { Command6_Click(); });
  Command2.onClick([this] { Command2_Click(); });
  Command7.onClick([this] { Command7_Click(); });
  Command1.onClick([this] { Command1_Click(); });
  HScroll1.onChange([this] { HScroll1_Change(); });
}

// Form_Load: the start coordinates, the observer's place, the calendar of
// the window (Julian up to 1582-10-04, Gregorian after, days from 0 h), the
// Julian Day of the start date and the zero vector of the topocentric
// origin.
void Form12::Form_Load() {
  Text1.setText(Str(Main.MK));
  Text2.setText(Str(Main.MK));
  Text3.setText("1000");
  Text11.setText("45");
  Text12.setText("10");
  Text13.setText("300000");
  Text21.setText(Str(44.5));
  Text22.setText(Str(48.7));
  Main.CalendarMode = 0;
  Main.DayStartHour = 0;
  Command10_Click();
  preparePicture();
  Main.X[form12slot::kObserverOrigin] = 0.0;
  Main.Y[form12slot::kObserverOrigin] = 0.0;
  Main.Z[form12slot::kObserverOrigin] = 0.0;
}

// Form_Activate: another window may have chosen another calendar and
// another scale of the pictures; nothing is redrawn.
void Form12::Form_Activate() {
  Main.CalendarMode = 0;
  Main.DayStartHour = 0;
  takeScaleFromScrollBar();
}

// Command9_Click "Закрыть форму".
void Form12::Command9_Click() { Unload(); }

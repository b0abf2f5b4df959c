// Form16: design-time defaults of the controls, the wiring of their
// handlers, the accessor, the load and the activation, the run-control
// buttons, the two date conversions and the closing.
#include "tools/Form16.h"

#include "core/observations/AncientTables.h"
#include "core/runtime/ErrorTrap.h"
#include "core/runtime/NumberText.h"
#include "core/state/SharedState.h"
#include "core/time/TimeScales.h"
#include "observations/Form21.h"
#include "observations/Form22.h"
#include "setup/DateBoxes.h"
#include "tools/Form16Texts.h"
#include "tools/Form17.h"

Form16& form16() { return ui::formInstance<Form16>(); }

namespace {

// Diameters set by the load, metres: the Sun, Mercury, Venus, the Earth,
// Mars and the Moon.
struct BodyDiameter {
  int slot;
  double metres;
};
constexpr BodyDiameter kDiameters[] = {{0, 1392000000.0}, {1, 4879000.0},  {2, 12104000.0},
                                       {3, 12756000.0},   {4, 6794000.0},  {11, 3475000.0}};
// The Sun's and the Moon's semidiameter before the first pass, degrees.
constexpr double kFirstSemidiameter = 0.27;
constexpr int kSun = 0, kEarth = 3, kMoon = 11;
constexpr double kImageScalePerValue = 1e8;  // metres per picture unit per value of HScroll1

}  // namespace

Form16::Form16() : Form(16, "Неравномерность вращения Земли (ET-UT)    Celvan7m - форма 16") {
  setDesignDefaults();
  connectHandlers();
  layoutControls();
}

void Form16::setDesignDefaults() {
  Label16.setCaption("дни от 1.1.1 г. н.э.");
  calendarFrame.setCaption("календарь таблиц");
  Option5.setCaption("Григорианский");
  Option6.setCaption("Юлианский ");
  Option7.setCaption("Египетский");
  Option5.setValue(true);
  dayStartFrame.setCaption("время");
  Option15.setCaption("от 0");
  Option16.setCaption("от 12");
  Option15.setValue(true);
  Command2.setCaption("DMY->JD");
  Command3.setCaption("JD->DMY");
  Command18.setCaption("JD = JD0");

  Text14.setText("0");
  Text15.setText("0");
  Check5.setCaption("с экрана");
  Check6.setCaption("с экрана");
  Check6.setValue(1);
  Command7.setCaption("Выбрать зависимости для  ET1 - UT и  ET2 - UT");
  Check9.setCaption("+dLl");
  Check9.setValue(1);
  Command9.setCaption("dLl*");
  Check11.setCaption("+dLp");
  Check11.setValue(1);
  Command10.setCaption("dLp*");

  sourceFrame.setCaption("использовать данные");
  Option1.setCaption("таблиц");
  Option2.setCaption("теорий");
  Option2.setValue(true);
  theoryFrame.setCaption("современные теории");
  const char* theories[] = {"", "New0", "JPL0", "JPL2", "Ser0+"};
  for (int k = Option9.LBound(); k <= Option9.UBound(); ++k) Option9[k].setCaption(theories[k]);
  Option9[0].setVisible(false);
  Option9[0].setValue(true);
  tableFrame.setCaption("древние таблицы");
  for (const AncientTablePreset& preset : eclipseWindowTablePresets())
    Option4[preset.index].setCaption(preset.caption);
  for (int hidden : {0, 5, 6, 9}) Option4[hidden].setVisible(false);
  Option4[0].setValue(true);
  Check4.setCaption("исправить Prec* от года создания табл.");
  Check4.setEnabled(false);

  eclipseFrame.setCaption("рассчитать затмения");
  Option3.setCaption("Солнца");
  Option8.setCaption("Луны");
  Option3.setValue(true);
  Option10.setCaption("ut");
  Option11.setCaption("et");
  Option11.setValue(true);
  Check10.setCaption("+Рефракция");
  Check10.setValue(1);
  Check13.setCaption("+File TimeYer");
  Check23.setCaption("++Test");
  Check23.setEnabled(false);
  Check30.setCaption("+File Param");
  Check8.setCaption("+обновить");
  Check1.setCaption("Start+Stop");
  directionFrame.setCaption("время");
  Option18.setCaption("вперед");
  Option19.setCaption("назад");
  Option18.setValue(true);

  Command1.setCaption("Начать");
  Command4.setCaption("Остановить");
  Command5.setCaption("Продолжить");
  Command6.setCaption("+ 1 шаг");
  Command14.setCaption("Закрыть форму");

  HScroll1.setMin(1);
  HScroll1.setMax(500);
  HScroll1.setValue(300);
  Check2.setCaption("траектории");
  Check3.setCaption("+ траектории на Солнце");
  Check7.setCaption("+ экватор");
  offsetFrame.setCaption("рисунок dAlfa в координатах");
  Option12.setCaption("ЭКВ");
  Option13.setCaption("ГОР");
  Option12.setValue(true);
  Command8.setCaption("Очистить все рисунки");

  Label11.setCaption("ГЕО ЭКЛ J2000");
  Label13.setCaption("+Аберр. источн.");
  Label17.setCaption("+Аберр. приемн.");
  Label18.setCaption("J2000 -> JD");
  Label19.setCaption("ГЕО ЭКВ");
  Label21.setCaption("+Нутация");
  Label22.setCaption("ТОПО ЭКВ");
  Label23.setCaption("ТОПО ГОР");
}

void Form16::connectHandlers() {
  Command1.onClick([this] { Command1_Click(); });
  Command2.onClick([this] { Command2_Click(); });
  Command3.onClick([this] { Command3_Click(); });
  Command4.onClick([this] { Command4_Click(); });
  Command5.onClick([this] { Command5_Click(); });
  Command6.onClick([this] { Command6_Click(); });
  Command7.onClick([this] { Command7_Click(); });
  Command8.onClick([this] { Command8_Click(); });
  Command9.onClick([this] { Command9_Click(); });
  Command10.onClick([this] { Command10_Click(); });
  Command14.onClick([this] { Command14_Click(); });
  Command18.onClick([this] { Command18_Click(); });
  Check13.onClick([this] { Check13_Click(); });
  HScroll1.onChange([this] { HScroll1_Change(); });
  Option1.onClick([this] { Option1_Click(); });
  Option2.onClick([this] { Option2_Click(); });
  Option9.onClick([this](int Index) { Option9_Click(Index); });
  Option4.onClick([this](int Index) { Option4_Click(Index); });
}

// Form_Load: the default texts, the window's first values, the Julian Day of
// the default date, the pictures, and the laws and coefficients of the
// helper windows, loaded and unloaded at once so that their load handlers
// set them.
void Form16::Form_Load() {
  Text1.setText("11");
  Text2.setText(Str(29.4));
  Text3.setText("3");
  Text4.setText("2006");
  Text8.setText("10");
  Text26.setText(Str(0.0005));
  Text27.setText(Str(0.25));
  Text24.setText(Str(48.153));
  Text25.setText(Str(45.874));

  for (const BodyDiameter& d : kDiameters) Main.Diameter[d.slot] = d.metres;
  Main.PairDistance(kEarth, kSun) = Main.Lae;
  AngularSemidiameter[kSun] = kFirstSemidiameter;
  AngularSemidiameter[kMoon] = kFirstSemidiameter;
  PrevSunSemidiameter = kFirstSemidiameter;

  Command2_Click();
  for (int k = Option4.LBound(); k <= Option4.UBound(); ++k) Option4[k].setEnabled(false);
  HScroll1_Change();
  ClearOffsetPicture();
  ClearHorizonChart();

  form17();
  form21();
  form22();
  ui::unloadForm<Form17>();
  ui::unloadForm<Form21>();
  ui::unloadForm<Form22>();
}

// Form_Activate: the picture scale of the scroll bar; the calendar and day
// start stay as they are.
void Form16::Form_Activate() { Main.ImageScale = HScroll1.Value() * kImageScalePerValue; }

// Command4_Click "Остановить": the loop ends after its current pass.
void Form16::Command4_Click() { Main.StopFlag = 1; }

// Command5_Click "Продолжить": on from the date the loop last reached, in the
// direction chosen now. Pressed during a run, the loop runs inside the
// running one, which goes on from the date the inner one reached.
void Form16::Command5_Click() {
  if (!haveStart_) return;
  direction_ = Option19.Value() ? -1 : 1;
  Main.StopFlag = 0;
  EclipseRunLoop();
}

// Command6_Click "+ 1 шаг": as "Продолжить", for one pass; during a run the
// stop flag it sets ends the running loop after its own next pass.
void Form16::Command6_Click() {
  if (!haveStart_) return;
  direction_ = Option19.Value() ? -1 : 1;
  Main.StopFlag = 1;
  EclipseRunLoop();
}

void Form16::Command7_Click() { form17().Show(); }
void Form16::Command9_Click() { form21().Show(); }
void Form16::Command10_Click() { form22().Show(); }

// Command18_Click "JD = JD0": the start date of the last run, as the start
// normalised it.
void Form16::Command18_Click() {
  Text4.setText(Str(startYear_));
  Text3.setText(Str(startMonth_));
  Text2.setText(Str(startDay_));
}

// Check13_Click: "++Test" only with "+File TimeYer".
void Form16::Check13_Click() {
  if (Check13.Value() == 1) {
    Check23.setEnabled(true);
  } else {
    Check23.setValue(0);
    Check23.setEnabled(false);
  }
}

// The calendar and day start of the options into the date procedures.
void Form16::takeCalendarOptions() {
  Main.CalendarMode = Option6.Value() ? 1 : (Option7.Value() ? 2 : 0);
  Main.DayStartHour = Option16.Value() ? 12.0 : 0.0;
}

// Command2_Click "DMY->JD": the typed date carried over into the following
// months when its day runs past its month, shown back, and its Julian Day
// cut to three decimals.
void Form16::Command2_Click() {
  withErrorTrap(form16text::kBadDate, form16text::kDateTitle, [&] {
    takeCalendarOptions();
    showCarriedDateAndJulianDay(Text4, Text3, Text2, Text5);
    if (Main.DateErrorFlag == 0) Text5.setText(Str(truncateDecimals(Main.JD, 3)));
  });
}

// Command3_Click "JD->DMY": the Julian Day of Text5 as a date of the chosen
// calendar and day start.
void Form16::Command3_Click() {
  withErrorTrap(form16text::kBadDate, form16text::kTitle, [&] {
    takeCalendarOptions();
    showDateOfJulianDay(Text5, Text4, Text3, Text2);
  });
}

// Command14_Click "Закрыть форму": a run of the window ends with it (the
// loop sees the window unloaded after its pass and gives the ephemeris
// reader back); the table's workbook is closed and the window's spreadsheet
// application dropped; Form17 and Form21 go with it.
void Form16::Command14_Click() {
  if (runDepth_ > 0) Main.StopFlag = 1;
  tables_.release();
  Unload();
  ui::unloadForm<Form17>();
  ui::unloadForm<Form21>();
}
void Form16::closeByTitleBar() { Command14_Click(); }

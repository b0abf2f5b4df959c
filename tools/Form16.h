#pragma once
// Form16, "Неравномерность вращения Земли (ET-UT)": the eclipse window. It
// steps a date forward or backward and at every step places the Sun, the
// Earth, the Moon and a chosen body by a theory or by DE405, with the two
// laws of ET - UT of Form17, reduces them to apparent topocentric places
// (science/eclipse) and watches the disks of the Sun and the body touch, the
// Sun rise and set and the Sun pass an equinox or a solstice.
//
// The window keeps its run in its own variables (calendar, day start, step,
// the Julian Day of the step, the previous pass): it leaves the model's
// speed of gravity, force model and step, and the ephemeris reader's state,
// as it found them. A pass places its bodies in the model's shared tables
// (states, masses, elements) and hands them back at its end, so that the
// model's start data stay as the start-up window left them.
//
//   Form16.cpp         design-time defaults, handler wiring, accessor, load,
//                      activation, run control, dates, closing
//   Form16Layout.cpp   where the controls stand
//   Form16Source.cpp   the choice of theories or tables, of a theory
//   Form16Tables.cpp   the table buttons, the table's workbook, the reading
//                      of a table for a date
//   Form16Start.cpp    Command1_Click "Начать": checks, report headers
//   Form16Run.cpp      EclipseRunLoop: time scales, positions, the DE405
//                      walk, the apparent place, the date step
//   Form16Events.cpp   shadow, disks, horizon, refraction, sunrise and
//                      sunset, contacts, the equinox record, report files
//   Form16Picture.cpp  the four pictures
#include <cstdint>
#include <string>
#include <vector>

#include "core/observations/HeldTableWorkbook.h"
#include "core/state/Tables.h"
#include "science/eclipse/EclipseSteps.h"
#include "ui/FormsRuntime.h"

class Form16 : public ui::Form {
 public:
  Form16();

  // --- Body, date, calendar and day start ---
  ui::TextBox Text1{this};  // "Солнце и планета №"
  ui::TextBox Text2{this}, Text3{this}, Text4{this};  // day, month, year "DMYut"
  ui::TextBox Text5{this};                             // "JDut"
  ui::Label Label16{this};                             // "дни от 1.1.1 г. н.э."
  ui::Frame calendarFrame{this};                       // "календарь таблиц"
  ui::OptionButton Option5{this};                      // "Григорианский"
  ui::OptionButton Option6{this};                      // "Юлианский "
  ui::OptionButton Option7{this};                      // "Египетский"
  ui::Frame dayStartFrame{this};                       // "время"
  ui::OptionButton Option15{this};                     // "от 0"
  ui::OptionButton Option16{this};                     // "от 12"
  ui::CommandButton Command2{this};                    // "DMY->JD"
  ui::CommandButton Command3{this};                    // "JD->DMY"
  ui::CommandButton Command18{this};                   // "JD = JD0"

  // --- Step, observer, scale of "dAlfa", ET - UT ---
  ui::TextBox Text26{this};  // "шаг решения, дни"
  ui::TextBox Text8{this};   // "/" its divisor near an equinox
  ui::TextBox Text24{this};  // "ObsL"
  ui::TextBox Text25{this};  // "ObsB"
  ui::TextBox Text27{this};  // "MdAlfa"
  ui::TextBox Text14{this};  // "ET1- UT, мин"
  ui::TextBox Text15{this};  // "ET2- UT, мин"
  ui::CheckBox Check5{this}, Check6{this};  // "с экрана"
  ui::CommandButton Command7{this};         // "Выбрать зависимости для  ET1 - UT и  ET2 - UT"
  ui::CheckBox Check9{this};                // "+dLl"
  ui::CommandButton Command9{this};         // "dLl*"
  ui::CheckBox Check11{this};               // "+dLp"
  ui::CommandButton Command10{this};        // "dLp*"

  // --- Source of the places ---
  ui::Frame sourceFrame{this};     // "использовать данные"
  ui::OptionButton Option1{this};  // "таблиц"
  ui::OptionButton Option2{this};  // "теорий"
  ui::Frame theoryFrame{this};     // "современные теории"
  ui::ControlArray<ui::OptionButton> Option9{this, 0, 4};
  ui::Frame tableFrame{this};  // "древние таблицы"
  ui::ControlArray<ui::OptionButton> Option4{this, 0, 10};
  ui::CheckBox Check4{this};  // "исправить Prec* от года создания табл."
  ui::TextBox Text31{this}, Text41{this};

  // --- Kind of eclipse, options of the events and reports ---
  ui::Frame eclipseFrame{this};    // "рассчитать затмения"
  ui::OptionButton Option3{this};  // "Солнца"
  ui::OptionButton Option8{this};  // "Луны"
  ui::Frame timeScaleFrame{this};
  ui::OptionButton Option10{this};  // "ut"
  ui::OptionButton Option11{this};  // "et"
  ui::CheckBox Check10{this};       // "+Рефракция"
  ui::CheckBox Check13{this};       // "+File TimeYer"
  ui::CheckBox Check23{this};       // "++Test"
  ui::CheckBox Check30{this};       // "+File Param"
  ui::CheckBox Check8{this};        // "+обновить"
  ui::CheckBox Check1{this};        // "Start+Stop"
  ui::Frame directionFrame{this};   // "время"
  ui::OptionButton Option18{this};  // "вперед"
  ui::OptionButton Option19{this};  // "назад"

  // --- Run control ---
  ui::CommandButton Command1{this};   // "Начать"
  ui::CommandButton Command4{this};   // "Остановить"
  ui::CommandButton Command5{this};   // "Продолжить"
  ui::CommandButton Command6{this};   // "+ 1 шаг"
  ui::CommandButton Command14{this};  // "Закрыть форму"

  // --- Pictures ---
  ui::PictureBox Picture2{this, 225, 225};  // "ГЕЛИО ЭКЛ декартова сист. коорд."
  ui::PictureBox Picture1{this, 225, 225};  // "ТОПО ГОР декартова сист. коорд."
  ui::PictureBox Picture4{this, 440, 165};  // "ТОПО ГОР полярная система коорд."
  ui::PictureBox Picture3{this, 215, 215};  // "dAlfa"
  ui::HScrollBar HScroll1{this};
  ui::Label Label4{this};            // "Масштаб = ... млн.км/см"
  ui::CheckBox Check2{this};         // "траектории"
  ui::CheckBox Check3{this};         // "+ траектории на Солнце"
  ui::CheckBox Check7{this};         // "+ экватор"
  ui::Frame offsetFrame{this};       // "рисунок dAlfa в координатах"
  ui::OptionButton Option12{this};   // "ЭКВ"
  ui::OptionButton Option13{this};   // "ГОР"
  ui::CommandButton Command8{this};  // "Очистить все рисунки"

  // --- Result rows: Sun and body longitude, Sun and body latitude ---
  ui::Label Label11{this}, Label13{this}, Label17{this}, Label18{this};
  ui::Label Label19{this}, Label21{this}, Label22{this}, Label23{this};
  ui::TextBox Text32{this}, Text42{this}, Text52{this}, Text62{this};
  ui::TextBox Text33{this}, Text43{this}, Text53{this}, Text63{this};
  ui::TextBox Text34{this}, Text44{this}, Text54{this}, Text64{this};
  ui::TextBox Text35{this}, Text45{this}, Text55{this}, Text65{this};
  ui::TextBox Text36{this}, Text46{this}, Text56{this}, Text66{this};
  ui::TextBox Text37{this}, Text47{this}, Text57{this}, Text67{this};
  ui::TextBox Text38{this}, Text48{this}, Text58{this}, Text68{this};
  ui::TextBox Text39{this}, Text49{this}, Text59{this}, Text69{this};
  ui::TextBox Text40{this}, Text50{this}, Text60{this}, Text70{this};

  // --- Times ---
  ui::TextBox Text19{this};  // "ut=" and the date
  ui::TextBox Text16{this};  // "LTut"
  ui::TextBox Text9{this};   // "UTet2"
  ui::TextBox Text18{this};  // "LTet2"
  ui::TextBox Text30{this};  // "GMST"
  ui::TextBox Text51{this};  // "LMST"
  ui::TextBox Text17{this};  // "Tsol"
  ui::TextBox Text28{this};  // "восход"
  ui::TextBox Text29{this};  // "заход"

  // --- Handlers ---
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Command4_Click();
  void Command5_Click();
  void Command6_Click();
  void Command7_Click();
  void Command8_Click();
  void Command9_Click();
  void Command10_Click();
  void Command14_Click();
  void closeByTitleBar() override;  // as "Закрыть форму"
  void Command18_Click();
  void Check13_Click();
  void HScroll1_Change();
  void Option1_Click();
  void Option2_Click();
  void Option9_Click(int Index);
  void Option4_Click(int Index);

  // ReadAncientTable: one reading of the table this window's workbook
  // holds, for the body of the run, at the table date; shows the table's
  // precession in Text31 and the one the Prec* correction applies in
  // Text41. A failure shows "Ошибка вычислений в таблицах" and sets the
  // stop flag (Form16Tables.cpp).
  void ReadAncientTable();

  // The stepping loop (Form16Run.cpp).
  void EclipseRunLoop();

  // The pictures (Form16Picture.cpp).
  void ClearHelioPicture();
  void ClearTopoPicture();
  void ClearOffsetPicture();
  void ClearHorizonChart();
  void DrawOffsetGrid();
  void DrawHelioMarker();
  void DrawEarthLines();
  void DrawTopoViews();
  void DrawSunInSky();
  void DrawBodyInSky();
  void DrawShadowInSky();

  // --- Window-level values of the run (degrees unless said), by slot ---
  HorizonPlaces Horizon;  // azimuth and altitude
  Table1<double, 13> AngularSemidiameter;
  Table1<double, 38> TopoRightAscension, TopoDeclination;
  Table1<double, 38> PrevAzimuth, PrevAltitude, PrevRightAscension, PrevDeclination;
  Table1<double, 15> PictureX, PictureY, PictureZ;  // picture units
  Table1<double, 15> PrevTopoX, PrevTopoY, PrevTopoZ;  // metres
  Table1<double, 13> PrevSemidiameter;  // the semidiameters drawn at the previous pass
  double LimbSecant = 1.0;
  double HorizonSecant = 1.0;
  double LimbAngle = 0.0;
  double PrevSunSemidiameter = 0.27;  // the Sun's semidiameter of the last solar pass
  int EquinoxFlag = 0;
  double OffsetScale = 1.0;  // degrees per unit of the picture "dAlfa"

  // --- The tables (Form16Tables.cpp) ---
  // The chosen table's worksheet count, east longitude of its meridian
  // (degrees; the run reads the table at the local time there) and the step
  // selector of Option4_Click (TableSwitch).
  int TableSheetCount = 0;
  double TableMeridianLongitude = 0.0;
  int TableSwitchMode = 0;
  // The name of the theory or table chosen ("" when none), as the report
  // headers show it. The window keeps it to itself: the observation window
  // names its own source in the shared TheoryName.
  const std::string& sourceName() const { return sourceName_; }
  // The table whose workbook this window holds ("" when none), and its
  // worksheets 1..n.
  const std::string& tableInWorkbook() const { return tables_.table(); }
  const std::vector<Worksheet>& TableSheet() const { return tables_.sheets(); }

 protected:
  void Form_Load() override;
  void Form_Activate() override;

 private:
  void setDesignDefaults();
  void connectHandlers();
  void layoutControls();

  void takeCalendarOptions();

  // Steps of the start (Form16Start.cpp).
  bool prepareRun();
  bool writeReportHeaders();

  // The tables (Form16Tables.cpp).
  std::string tableRunRefusal(int body) const;
  void placeBodiesByTable();

  // Steps of a pass (Form16Run.cpp).
  bool runPass();
  void showDateOfStep();
  void takeTimeScales();
  void showPrecession();
  void placeBodiesByTheory();
  void placeMoonByTheory(int theory);
  void placePlanetByTheory(int16_t object, int theory);
  void placeBodiesByDE405();
  void walkDE405To(double ephemerisDay);
  void makeGeocentric();
  void reduceToApparentPlace();
  void turnToEquator();
  void advanceDate();
  void showDateBoxes();
  void takeReader();
  void giveReaderBack();
  std::vector<int16_t> sunAndBody() const;
  int chosenTheory() const;
  void restoreCalendar() const;

  // Stages of the events (Form16Events.cpp).
  void testEquinox();
  void placeShadow();
  void placeObserverAndDisks();
  void placeLimbPoints();
  void placeOnHorizon();
  void reportSunriseAndSunset();
  void drawSkyAndKeepPrevious();
  void reportContact();
  void writeEquinoxRecord();
  void appendContactRecord();
  void appendEquinoxRecord();
  void keepPrevious(int k);
  bool disksTouch() const;
  void drawSunOutline();
  void drawOffsetGridAnew();

  // Shown values: the result grid, row 0 "ГЕО ЭКЛ J2000" .. 8 "+Рефракция".
  void showRow(int row);
  void showHorizonRow(int row);
  ui::TextBox& resultBox(int row, int column);

  std::string sourceName_;  // sourceName()
  ui::PictureStamp offsetGrid_;  // DrawOffsetGrid

  // The run's own values, kept between passes and calls.
  int calendarMode_ = 0;        // calendar chosen at the start
  double dayStartHour_ = 0.0;   // hour at which the day starts, chosen at the start
  // The Julian Day (UT) of the next pass is the start's plus the days run
  // since: the days are summed apart, so that the sum of many small steps
  // keeps its digits beside the large Julian Day.
  double startJulianDay_ = 0.0;
  double daysRun_ = 0.0;
  double stepJulianDay() const { return startJulianDay_ + daysRun_; }
  int startYear_ = 0, startMonth_ = 0;
  double startDay_ = 0.0;
  bool haveStart_ = false;
  bool sunAltitudeKnown_ = false;  // a pass has recorded the Sun's altitude
  bool readerOpened_ = false;      // the run opened the ephemeris reader's file
  int16_t readerStateBefore_ = 0;  // the reader's FileState before the run opened it
  int body_ = 11;
  void (*setMassesOfRun_)() = nullptr;  // the mass table of the theory chosen at the start
  int direction_ = 1;  // +1 "вперед", -1 "назад"
  double observerLongitude_ = 0.0, observerLatitude_ = 0.0;  // degrees, east and north
  int runDepth_ = 0;  // loops running, one inside the other
  int refreshFlag_ = 0;    // "+обновить": 1 after a start, 2 after the first refresh
  bool refracted_ = false;  // this pass's altitudes carry refraction
  double localEt2Day_ = 0.0;  // the local date by ET2 of this pass
  int32_t localEt2Month_ = 0, localEt2Year_ = 0;
  // The passes of a run are drawn at most about 30 times a second, and
  // always a pass with an event: a contact begins or ends, the Sun rises or
  // sets, or its longitude passes an equinox or solstice.
  ui::DrawingPace drawingPace_;
  bool eventThisPass_ = false;
  bool disksTouchedBefore_ = false;
  double sunLongitudeBefore_ = 0.0;  // at the previous equinox test, degrees

  // The tables: the window's own spreadsheet application, workbook and
  // worksheets; the date written into the table's input cells (in the
  // table's calendar and day start, local time of its meridian); the Julian
  // Day of the table's preset date and the table's precession then, both
  // taken when the table is chosen.
  HeldTableWorkbook tables_;
  struct TableDate {
    int32_t year = 0, month = 0, day = 0;
    double hours = 0.0;
  };
  TableDate tableDate_;
  double tableStartJulianDay_ = 0.0;
  double savedPrecession_ = 0.0;
};

// The accessor: loads Form16 (hidden) on first touch.
Form16& form16();

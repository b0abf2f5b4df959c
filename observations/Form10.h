#pragma once
// Form10, "Обработка первичных данных наблюдений": the observation window.
//
// It takes observed places of one body from an observatory file ("Obs") or
// from the tables of an ancient astronomer ("Tab"), computes for every epoch
// where the chosen theory puts the body as the observer sees it (the chain
// of science/reduction), compares the two, filters, counts and plots
// the deviations, writes the report files and keeps the mean and
// root-mean-square deviations that the plans over observations read.
//
// The window keeps its own working values: the calendar and the hour at
// which the day starts for a run, the scales, the pause, the filter limit,
// the counters, sums and histogram of a run. Of the shared state it writes
// only what the reduction chain and the other windows read from it (the
// object, the observer, the epoch, the years of the data, the run gate, and
// the per-experiment statistics), so a paused model run keeps its speed of
// gravity, its state vector and its scales.
//
// The handlers live in files by theme:
//   Form10.cpp            design-time captions and defaults, handler wiring, accessor
//   Form10Layout.cpp      where the controls stand
//   Form10Load.cpp        Form_Load, Form_Activate, triggers, other windows, closing, exit
//   Form10Sources.cpp     "Tab"/"Obs", the observatories, the theory of the planet's orbit
//   Form10Tables.cpp      the table buttons, the table's workbook, ReadAncientTable
//   Form10Dates.cpp       "DMY->JD", "JD->DMY", "JD = JD0", the date of an epoch
//   Form10Start.cpp       ReadObservationInputs, "Начать", "Остановить", "Продолжить", "Сделать 1 шаг"
//   Form10Loop.cpp        ReduceObservations, one pass per epoch
//   Form10Deviations.cpp  deviations, filter, histogram, statistics of a pass
//   Form10Pictures.cpp    the two views, the result picture, its scroll bars
//   Form10Horizon.cpp     ShowHorizonView, the visibility test
//   Form10Reports.cpp     the report files and "++Статистика"
//   Form10PlanSummary.cpp the plan summary, its regression and factor plots
//   Form10PlanRuns.cpp    "Выполнить эксперименты с": the experiments of the plan
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "core/observations/AncientTables.h"
#include "core/observations/HeldTableWorkbook.h"
#include "core/observations/ObservationFiles.h"
#include "core/spreadsheet/Spreadsheet.h"
#include "science/reduction/Reduction.h"
#include "science/reduction/DeviationStatistics.h"
#include "ui/FormsRuntime.h"

class Form10 : public ui::Form {
 public:
  Form10();

  // --- Source of the observed places ---
  ui::Frame Frame1{this};            // "данные"
  ui::OptionButton Option1{this};    // "Tab"
  ui::OptionButton Option2{this};    // "Obs"
  ui::Frame Frame2{this};            // "Tab"
  ui::ControlArray<ui::OptionButton> Option4{this, 0, 10};  // ancient tables; 0 = none
  ui::CheckBox Check19{this};        // "+/-прецесс Tab*"
  ui::Frame Frame3{this};            // "Obs"
  ui::ControlArray<ui::OptionButton> Option9{this, 0, 7};   // observatories; 0 = none
  ui::TextBox Text59{this};          // "иная Obs" code
  ui::TextBox Text56{this};          // "файл Obs №"
  ui::CheckBox Check3{this};         // "+Good File Obs"
  ui::TextBox Text1{this};           // "объект №"
  ui::TextBox Text24{this};          // "ObsL, град"
  ui::TextBox Text25{this};          // "ObsB, град"
  ui::TextBox Text16{this};          // first year of the file ("Obs")
  ui::TextBox Text14{this};          // last year of the file ("...")

  // --- Theories ---
  ui::Frame Frame5{this};            // "параметры орбит планет (p)"
  ui::OptionButton Option10{this};   // "План"
  ui::OptionButton Option11{this};   // "JPL0"
  ui::OptionButton Option12{this};   // "Ser0"
  ui::Frame Frame6{this};            // "параметры в эпохе"
  ui::OptionButton Option13{this};   // "J2000"
  ui::OptionButton Option14{this};   // "JD"
  ui::Frame Frame10{this};           // "когда Земля (z) и Луна (l) по"
  ui::OptionButton Option19{this};   // "JPL0"
  ui::OptionButton Option20{this};   // "Ser0"
  ui::OptionButton Option21{this};   // "Ser0+"
  ui::CheckBox Check31{this};        // "+dLzl"
  ui::CheckBox Check27{this};        // "+dLp"
  ui::TextBox Text47{this};          // "Прецессия, сек"

  // --- Corrections of the reduction chain ---
  ui::CheckBox Check15{this};        // "Аберр. ис."
  ui::CheckBox Check16{this};        // "Аберр. пр."
  ui::CheckBox Check24{this};        // "Параллакс"
  ui::CheckBox Check23{this};        // "Рефракция"
  ui::CheckBox Check17{this};        // "Нутация"
  ui::CheckBox Check18{this};        // "Аберрация" (plot of the aberration shifts)

  // --- Date ---
  ui::TextBox Text2{this};           // day with fraction  } "DMY"
  ui::TextBox Text3{this};           // month              }
  ui::TextBox Text4{this};           // year               }
  ui::TextBox Text5{this};           // "JD"
  ui::Frame Frame4{this};            // "календарь"
  ui::OptionButton Option5{this};    // "Григорианский"
  ui::OptionButton Option6{this};    // "Юлианский "
  ui::OptionButton Option7{this};    // "Египетский"
  ui::Frame Frame7{this};            // "время от"
  ui::OptionButton Option15{this};   // "0"
  ui::OptionButton Option16{this};   // "12   часов"
  ui::CommandButton Command2{this};  // "DMY->JD"
  ui::CommandButton Command3{this};  // "JD->DMY"
  ui::CommandButton Command18{this}; // "JD = JD0"
  ui::TextBox Text65{this};          // "до" (last year processed)
  ui::TextBox Text58{this};          // civil date and time of the epoch

  // --- Run ---
  ui::CommandButton Command1{this};  // "Начать"
  ui::CommandButton Command4{this};  // "Остановить"
  ui::CommandButton Command5{this};  // "Продолжить"
  ui::CommandButton Command6{this};  // "Сделать 1 шаг"
  ui::TextBox Text18{this};          // "шаг Tab, дни"
  ui::CheckBox Check28{this};        // "пауза"
  ui::TextBox Text17{this};          // pause, ms
  ui::CheckBox Check4{this};         // "без анимации"
  ui::CheckBox Check13{this};        // "+File Отладка"
  ui::CheckBox Check29{this};        // "+Видимость"
  ui::TextBox Text46{this};          // "когда Hpl>"
  ui::CheckBox Check25{this};        // "++Hsol<"
  ui::TextBox Text48{this};          // greatest altitude of the Sun
  ui::TextBox Text54{this};          // "Азимут"
  ui::TextBox Text55{this};          // "Высота"

  // --- Filter, criterion, files ---
  ui::CheckBox Check20{this};        // "+ dRmax, dLmax <="
  ui::TextBox Text50{this};          // the limit
  ui::Frame Frame9{this};            // "критерий"
  ui::OptionButton Option17{this};   // "dR"
  ui::OptionButton Option18{this};   // "Abs(dL)"
  ui::CheckBox Check21{this};        // "+Статистика"
  ui::CheckBox Check22{this};        // "++File Bad, Good №"
  ui::TextBox Text57{this};          // number of the kept-records copy
  ui::CheckBox Check7{this};         // "+ Sqr(E(dR^2)/N)"
  ui::CheckBox Check26{this};        // "+kVes="
  ui::TextBox Text29{this};          // the weight
  ui::CommandButton Command15{this}; // "++Статистика"

  // --- What each stage shows ---
  ui::TextBox Text63{this};          // observed L (right ascension)
  ui::TextBox Text64{this};          // observed B (declination)
  ui::TextBox Text40{this};          // ET - UT, s
  ui::TextBox Text21{this};          // geometric, ecliptic J2000
  ui::TextBox Text22{this};
  ui::TextBox Text31{this};          // after the light time
  ui::TextBox Text41{this};
  ui::TextBox Text32{this};          // after the receiver aberration
  ui::TextBox Text42{this};
  ui::TextBox Text33{this};          // equator of the date
  ui::TextBox Text43{this};
  ui::TextBox Text34{this};          // after the parallax
  ui::TextBox Text44{this};
  ui::TextBox Text35{this};          // after the refraction
  ui::TextBox Text45{this};
  ui::TextBox Text36{this};          // after the nutation
  ui::TextBox Text38{this};
  ui::TextBox Text37{this};          // final
  ui::TextBox Text39{this};

  // --- Deviations and their statistics ---
  ui::TextBox Text7{this};           // dL
  ui::TextBox Text8{this};           // dB
  ui::TextBox Text15{this};          // dR
  ui::TextBox Text9{this};           // mean dL
  ui::TextBox Text10{this};          // mean dB
  ui::TextBox Text11{this};          // mean |dL| or RMS
  ui::TextBox Text12{this};          // mean |dB| or RMS
  ui::TextBox Text13{this};          // mean dR or RMS
  ui::TextBox Text23{this};          // N
  ui::TextBox Text60{this};          // positive deviations
  ui::TextBox Text78{this};          // N - positive

  // --- Plots ---
  ui::CheckBox Check1{this};         // "Ras (ЭКЛ)"
  ui::CheckBox Check9{this};         // "Nab (ЭКЛ)"
  ui::CheckBox Check11{this};        // "L-долгота"
  ui::CheckBox Check12{this};        // "B-широта (градусы)"
  ui::CheckBox Check10{this};        // "dL, dB, град"
  ui::CheckBox Check14{this};        // "dR, тыс. км"
  ui::CheckBox Check34{this};        // "dLsr, dBsr"
  ui::CheckBox Check35{this};        // "Abs(dL,dB)sr"
  ui::CheckBox Check6{this};         // "dRsr, тыс. км"
  ui::TextBox Text6{this};           // "МТ, лет/см"
  ui::TextBox Text19{this};          // "MAlfa, град/см"
  ui::TextBox Text20{this};          // "MdAlfa, угл.сек/см"
  ui::TextBox Text49{this};          // "MdR,тыс.км/см"
  ui::TextBox Text53{this};          // "dY, см"
  ui::Frame Frame8{this};            // "наблюденя"
  ui::OptionButton Option8{this};    // "ГЕО ЭКЛ"
  ui::OptionButton Option3{this};    // "ТОПО ГОР"
  ui::CheckBox Check2{this};         // "траектории"
  ui::CheckBox Check5{this};         // "лучи"

  // --- Pictures ---
  ui::PictureBox Picture1{this, 186, 205};   // geocentric view, horizon view
  ui::PictureBox Picture3{this, 186, 205};   // heliocentric view
  ui::PictureBox Picture2{this, 372, 300};   // frame of the result picture
  ui::PictureBox Picture4{this, 797, 1196};  // result picture
  ui::HScrollBar HScroll1{this};
  ui::VScrollBar VScroll1{this};
  ui::HScrollBar HScroll2{this};     // scale of the two views
  ui::Label Label4{this};            // "Масштаб = ..."
  ui::TextBox Text28{this};          // "kW="
  ui::CommandButton Command8{this};  // "Очистить рисунки"

  // --- Plans over observations (runs come with the plan window) ---
  ui::CommandButton Command7{this};  // "Выполнить эксперименты с"
  ui::TextBox Text26{this};          // first experiment
  ui::TextBox Text27{this};          // last experiment
  ui::CheckBox Check8{this};         // "использовать тест"
  ui::CommandButton Command10{this}; // "Найти коэффициенты уравнения регрессии"
  ui::CommandButton Command12{this}; // "Построить графики при X(i)=X(i)opt"
  ui::CheckBox Check30{this};        // "Звук в конце"

  // --- Triggers and other windows ---
  ui::TextBox Text51{this};          // trigger: "DMY->JD"
  ui::TextBox Text52{this};          // trigger: plan summary
  ui::CommandButton Command9{this};  // "План * "
  ui::CommandButton Command16{this}; // "dLl*"
  ui::CommandButton Command17{this}; // "dLp*"
  ui::CommandButton Command11{this}; // "К статистике"
  ui::CommandButton Command14{this}; // "Закрыть форму"
  ui::CommandButton Command13{this}; // "Выход"

  // --- Handlers ---
  void Option1_Click();
  void Option2_Click();
  void Option9_Click(int Index);
  void Option4_Click(int Index);
  void Option10_Click();
  void Option11_Click();
  void Option12_Click();
  void Command2_Click();
  void Command3_Click();
  void Command18_Click();
  void Command1_Click();
  void Command4_Click();
  void Command5_Click();
  void Command6_Click();
  void Command8_Click();
  void Command15_Click();
  // Command7_Click "Выполнить эксперименты с": experiments Text26 to Text27
  // of the plan, each a full reduction of the same observations with the
  // experiment's orbit; with "использовать тест" the criteria of a known
  // test function instead.
  void Command7_Click();
  void HScroll2_Change();
  void HScroll1_Change();
  void VScroll1_Change();
  void Text51_Change();
  void Command9_Click();
  void Command16_Click();
  void Command17_Click();
  void Command11_Click();
  void Command14_Click();
  void closeByTitleBar() override;  // as "Закрыть форму"
  void Command13_Click();
  // The plan over the observations on the result picture
  // (Form10PlanSummary.cpp).
  void Text52_Change();
  void PrintPlanSummary();
  void Command10_Click();
  void Command12_Click();

  // ReadObservationInputs: reads and checks every input of a run; leaves
  // Main.StopFlag 0 when the run may start, 1 when it may not. Every box is
  // read before anything is stored: one that holds no number is refused
  // with the message and changes nothing.
  void ReadObservationInputs();
  // ReduceObservations: the run loop, one epoch per pass, until the stop
  // flag, the end of the data, the end year or the window's closing.
  void ReduceObservations();

  // The drawing operations of the pictures.
  void DrawViewGrid(ui::PictureBox& picture);
  void PrepareResultPicture();
  void DrawBodyMark(ui::PictureBox& picture, std::array<double, 12>& keptX, std::array<double, 12>& keptY,
                    std::array<double, 12>& keptZ);
  void DrawEarthSightLines();
  void DrawDirectionRays();
  // ShowHorizonView: the object's azimuth and altitude, the visibility
  // test and, with "ТОПО ГОР", the observing situation in Picture1.
  // Returns false when the object is not visible.
  bool ShowHorizonView();
  // ComputeTablePosition: the table's longitude and latitude of the object
  // for the date ObsYear, ObsMonth, ObsDay and DayHours into LonL and LatB;
  // false when the reading failed.
  bool ComputeTablePosition();
  // ReadAncientTable: one reading of the table this window's workbook holds
  // (AncientTables.h); a failure shows "Ошибка вычислений в таблицах" with
  // the table's name, sets the stop flag and gives false.
  bool ReadAncientTable();
  // ReleaseWorkbook: the table's workbook closed without saving, the
  // spreadsheet application and the worksheets dropped.
  void ReleaseWorkbook();

  // --- Window state (tests read it) ---
  // The line of the result picture below the plan's run table, where the
  // regression and the optimum print (the picture's top before any plan).
  double PlanLineBelow = 48;
  // 9 while the observatory file is open.
  int ObsFileState = 0;
  // Path of the kept-records copy, set by "Начать".
  std::string GoodFilePath;
  // The calendar and the hour at which the day starts for the run, taken
  // from the window's options by "Начать".
  int runCalendarMode = 0;
  double runDayStartHour = 0;
  // Counters, sums and histogram of the run.
  DeviationStatistics statistics;
  DeviationHistogram histogram;
  // Lines of the observatory file passed over as no record (empty, too
  // short, a month none of the twelve) since the file was opened.
  int skippedLines = 0;
  // The tables: the worksheet count of the chosen table's preset, and the
  // step selector of Option4_Click (0 close and open, 1 open, 2 close, 3
  // neither).
  int TableSheetCount = 0;
  int TableSwitchMode = 0;
  // The name of the table whose workbook this window holds open ("" when
  // none). The shared TheoryName may hold another name: it is set before an
  // opening that may fail, and the model window writes its run's label there.
  const std::string& tableInWorkbook() const { return tables_.table(); }
  // Worksheets 1..n of that workbook.
  const std::vector<Worksheet>& TableSheet() const { return tables_.sheets(); }

 protected:
  void Form_Load() override;
  void Form_Activate() override;

 private:
  void setCaptions();
  void setDefaults();
  void connectHandlers();
  void layoutControls();

  // The inputs of a run, read from the boxes by ReadObservationInputs and
  // re-read by the loop after each reduced epoch.
  struct RunInputs {
    double step = 1.28;           // days between table epochs
    double pauseMs = 1000;
    double MT = 1;                // years per picture unit
    double MAlfa = 90;            // degrees per picture unit
    double MdAlfa = 100;          // arc seconds per picture unit
    double Mx = 50;               // thousand km per picture unit
    float plotOffsetY = 0;        // picture units
    double filterLimit = 200;     // thousand km ("dR") or arc seconds ("Abs(dL)")
    double leastAltitude = 1;     // degrees, the object
    double greatestSunAltitude = -0.2;  // degrees, the Sun
  };
  RunInputs inputs_;
  // Reads the boxes the loop re-reads every pass; throws RuntimeError on a
  // box that holds no number.
  RunInputs readRunInputs() const;

  // --- Sources (Form10Sources.cpp) ---
  bool tableSourceChosen() const { return Option1.Value(); }
  // Opens FilePath, reads its header, fills the date and year boxes.
  void openObservatoryFile();
  void reopenObservatoryFile();
  void closeObservatoryFile();
  ObservationCriterion criterion() const;

  // --- Tables (Form10Tables.cpp) ---
  // The workbook's path of the table this window chose.
  std::string tablePath() const;
  // Why a "Tab" run may not start (a table chosen whose workbook is not
  // open, or a body the table does not give); "" when it may.
  std::string tableRunRefusal(int object) const;
  // The window's own spreadsheet application, table workbook and worksheets.
  HeldTableWorkbook tables_;

  // --- Dates (Form10Dates.cpp) ---
  void readCalendarChoice();
  void useRunCalendar() const;
  void showEpochDate();
  void convertDateBoxes();

  // --- The loop (Form10Loop.cpp) ---
  ReductionChoices reductionChoices();
  bool nextObservedEpoch();
  bool nextTableEpoch();
  void reduceEpoch();
  double plotTime() const;
  static std::string shownNumber(double value);
  void showReductionStages(const ReductionStages& stages);
  void drawHeliocentricView();
  void drawGeocentricView();
  void drawHorizonSituation();
  bool endOfPass(bool reduced);
  bool passMustBeSeen() const;
  int letEventsRun();

  // --- Deviations (Form10Deviations.cpp) ---
  void clearRunStatistics();
  void compareWithObserved();
  void plotCoordinates(double t);
  bool filterAccepts(double t);
  void acceptEpoch(double t);
  void plotPoint(double t, double y, int32_t colour);

  // --- Plan runs (Form10PlanRuns.cpp) ---
  void runPlanExperiments();
  void runTestFunction();
  bool runExperiment(int run);
  void printCriterion(int run, double belowTop);

  // --- Reports (Form10Reports.cpp) ---
  bool writeRunFileHeaders();
  void writeReductionTraceLine(const std::string& label);
  void writeObservedTraceLine();
  void appendRejectedEpoch();
  void appendKeptRecord();
  std::string reportName(const std::string& prefix) const;
  std::string keptRecordsPath(int object) const;
  void drawFilterLimits();
  bool keptCopyWouldReplaceSource(const std::string& keptPath) const;

  // The epoch: observed and computed places (degrees), the computed vector
  // (metres), the deviations (degrees, thousand km).
  double Lnab = 0, Bnab = 0, Lras = 0, Bras = 0;
  double Xras = 0, Yras = 0, Zras = 0;
  double dL = 0, dB = 0, dR = 0;
  ReductionStages stages_;
  double epochJD_ = 0;
  double geometricDistance_ = 0;

  // Kept drawing positions of the pictures (objects 0..11).
  std::array<double, 12> keptBodyX_{}, keptBodyY_{}, keptBodyZ_{};
  std::array<double, 12> keptScreenX_{}, keptScreenY_{}, keptScreenZ_{};
  std::array<double, 12> sledX_{}, sledY_{}, sledZ_{};
  double rayAngleL_ = 0, rayAngleB_ = 0;
  double rayEndX_ = 0, rayEndY_ = 0, rayEndZ_ = 0;
  // Table stepping: the current Julian Day as a whole part and a fraction.
  long jdWhole_ = 0;
  double jdFraction_ = 0;
  // The year of the last table epoch (its local date).
  int lastEpochYear_ = 0;
  // Result picture extents.
  double pictureHeight_ = 48;
  double pictureWidth_ = 32;
  // The passes of a run are drawn at most about 30 times a second, and
  // always where they must be seen.
  ui::DrawingPace drawingPace_;
  bool rejectedEpochShown_ = false;
};

Form10& form10();

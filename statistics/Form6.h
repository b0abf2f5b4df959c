#pragma once
// Form6, "Статистическая обработка параметров орбит": the statistics window.
//
// It loads one orbit-parameter series of one body (a model run of a plan,
// an imitator or an observed series) as the shared sample, plots one of its
// parameters against time or lists it as text, lets the user pick, delete
// and add points, fits a constant, linear or quadratic trend to the means of
// groups of points by weighted least squares and turns its slope into the
// secular shift per century with its 2*Sigma band, chooses among all group
// sizes, and keeps the shifts in the model and observed shift files. The
// numbers are worked out by science/sample (no window); this class reads
// the boxes, refuses bad input, hands over and draws.
//
// The sample, the shift tables and the picture's extents are shared (other
// windows read them); what the window needs only for itself (the picked and
// the marked point, the fit's groups, the search's reference level, the
// years of the plot) it keeps here, so that the live state of the model run,
// the test bench and the DE405 reader stays untouched by its work.
//
// The handlers live in files by theme:
//   Form6.cpp        design-time defaults, handler wiring, accessor
//   Form6Layout.cpp  where the controls stand
//   Form6Load.cpp    Form_Load, Form_Activate, Command6_Click (loading)
//   Form6Frame.cpp   DrawSampleFrame, the scroll bars, the bitmap, navigation
//   Form6Points.cpp  Picture1_MouseDown, Command1_Click, Command2_Click
//   Form6Fit.cpp     Command9_Click (the fit and the test series)
//   Form6Search.cpp  SearchGroupSplits
//   Form6Shifts.cpp  Command4_Click, Command5_Click (the shift files)
#include <cstdint>
#include <string>
#include <vector>

#include "science/sample/OrbitSample.h"
#include "ui/FormsRuntime.h"

class Form6 : public ui::Form {
 public:
  Form6();

  // --- The picture: Picture1 inside the frame Picture3, panned by the bars ---
  ui::PictureBox Picture3{this, ui::twipsToPixels(11700), ui::twipsToPixels(4530)};
  ui::PictureBox Picture1{this, ui::twipsToPixels(3735), ui::twipsToPixels(3735)};
  ui::HScrollBar HScroll1{this};
  ui::VScrollBar VScroll1{this};
  ui::CommandButton Command7{this};  // "Сохранить график как"
  ui::TextBox Text26{this};          // name of the bitmap, ".bmp" after it

  // --- What to load ---
  ui::Frame Frame5{this};            // "на"
  ui::OptionButton Option8{this};    // "модели"
  ui::OptionButton Option7{this};    // "имитаторе"
  ui::Frame Frame8{this};            // "имитаторы"
  ui::OptionButton Option13{this};   // "New"
  ui::OptionButton Option14{this};   // "JPL"
  ui::OptionButton Option17{this};   // "Ser"
  ui::TextBox Text28{this};          // "план №"
  ui::TextBox Text10{this};          // "эксперимент №"
  ui::Frame Frame9{this};            // "для планеты"
  ui::ControlArray<ui::OptionButton> Option3{this, 1, 11};  // "Меркурий" .. "Луна"
  ui::Frame Frame4{this};            // "по параметру"
  ui::ControlArray<ui::OptionButton> Option4{this, 1, 8};   // "AlfaP" .. "Ves"
  ui::CheckBox Check1{this};         // "Fix(Alfa)"
  ui::CheckBox Check2{this};         // "как текст"
  ui::CheckBox Check3{this};         // "с наложением цветом №"
  ui::TextBox Text31{this};          // colour number
  ui::CheckBox Check10{this};        // "*P"
  ui::CheckBox Check11{this};        // "*U"
  ui::TextBox Text1{this};           // "MX1, лет/см"
  ui::TextBox Text2{this};           // "MP, ед./см"
  ui::CommandButton Command6{this};  // "Загрузить данные полученные"

  // --- The sample and the fit range ---
  ui::TextBox Text3{this};   // "точек в выборке"
  ui::TextBox Text15{this};  // "начальная точка №"
  ui::TextBox Text17{this};  // its value, "с параметром"
  ui::TextBox Text6{this};   // its day   } " от"
  ui::TextBox Text8{this};   // month     }
  ui::TextBox Text9{this};   // year      }
  ui::TextBox Text16{this};  // "конечная точка №"
  ui::TextBox Text18{this};  // its value
  ui::TextBox Text20{this};  // day
  ui::TextBox Text21{this};  // month
  ui::TextBox Text22{this};  // year
  ui::TextBox Text4{this};   // "с разбивкой выборки на группы по" ... "точек"

  // --- Editing points ---
  ui::CommandButton Command1{this};  // "Удалить точку №"
  ui::TextBox Text5{this};
  ui::CommandButton Command2{this};  // "Добавить в файл точку от"
  ui::TextBox Text32{this};          // day
  ui::TextBox Text33{this};          // month
  ui::TextBox Text34{this};          // year
  ui::TextBox Text30{this};          // "с параметром"
  ui::TextBox Text38{this};          // year at which the interval ends

  // --- The fit ---
  ui::Frame Frame6{this};            // "ур-е аппроксимации"
  ui::OptionButton Option9{this};    // "const"
  ui::OptionButton Option10{this};   // "лин"
  ui::OptionButton Option11{this};   // "квад"
  ui::CheckBox Check6{this};         // "+ с перебором всех вариантов разбивки выборки на группы"
  ui::Frame Frame7{this};            // "критерий при переборе"
  ui::OptionButton Option12{this};   // "min"
  ui::OptionButton Option15{this};   // "maxmin"
  ui::OptionButton Option16{this};   // "sr"
  ui::CheckBox Check4{this};         // "+Ves=1"
  ui::CheckBox Check7{this};         // "+текст Ves"
  ui::CheckBox Check9{this};         // "+текст k(i)"
  ui::CheckBox Check8{this};         // the test series
  ui::TextBox Text37{this};          // " k0="
  ui::TextBox Text36{this};          // " k1="
  ui::TextBox Text35{this};          // " k2="
  ui::TextBox Text14{this};          // " k3="
  ui::TextBox Text23{this};          // "k0 для 1,5 .1." (epoch year)
  ui::TextBox Text19{this};          // "рассчитать смещение и параметр для года IG ="
  ui::TextBox Text7{this};           // "MdP, ед./см"
  ui::TextBox Text29{this};          // "MX2, точек/см"
  ui::CommandButton Command9{this};  // "Аппроксимировать данные выборки"
  ui::TextBox Text11{this};          // k0
  ui::TextBox Text12{this};          // k1
  ui::TextBox Text13{this};          // k2
  ui::TextBox Text24{this};          // the shift per century, "="
  ui::Label Label20{this};           // its unit
  ui::TextBox Text27{this};          // 2*Sigma, "+/-"
  ui::TextBox Text39{this};          // "параметр в  IG "

  // --- The shift files ---
  ui::CommandButton Command4{this};  // "Смещение в файле ="
  ui::TextBox Text25{this};
  ui::CommandButton Command5{this};  // "Изменить смещение в файле"
  ui::CheckBox Check12{this};        // "все из плана"

  // --- Other windows ---
  ui::CommandButton Command15{this};  // "Файлы*"
  ui::CommandButton Command16{this};  // "К плану"
  ui::CommandButton Command3{this};   // "Закрыть форму"

  // --- Handlers ---
  void Command6_Click();
  void Picture1_MouseDown(int Button, int Shift, double X, double Y);
  void Command1_Click();
  void Command2_Click();
  void Command9_Click();
  void Command4_Click();
  void Command5_Click();
  void Command7_Click();
  void Command3_Click();
  void Command15_Click();
  void Command16_Click();
  void HScroll1_Change();
  void VScroll1_Change();

  // --- Drawing procedures ---
  void DrawSampleFrame();
  void SearchGroupSplits();

  // takeExportedSeries: the observed series that the observation plan
  // window has just written and left as the shared sample (Main.FileState
  // 5) becomes this window's loaded series, as after "Загрузить данные
  // полученные", on the parameter chosen now, with markedPoint framed in
  // the next listing, ready for "Аппроксимировать данные выборки".
  void takeExportedSeries(int32_t markedPoint);

  // The colour number of the sample's points and curve (index into the
  // object colour tables).
  int16_t PointColorIndex = 11;

 protected:
  void Form_Load() override;
  void Form_Activate() override;

 private:
  void setDesignDefaults();
  void connectHandlers();
  void layoutControls();

  // Loading (Form6Load.cpp)
  struct LoadChoice;
  bool readLoadChoice(LoadChoice& choice);
  void adoptSeries(const sample::SeriesFile& series, bool finished);
  void showLoadedSample();
  bool samplePictureFits() const;
  void fillSampleBoxes();
  void drawSamplePlot();
  void showDateOf(double julianDay, ui::TextBox& day, ui::TextBox& month, ui::TextBox& year);
  int16_t chosenPlanet() const;
  int16_t chosenColumn() const;
  // Editing (Form6Points.cpp)
  bool refuseEdit(const std::string& firstLine);
  void rewriteSampleFile();
  // Fitting (Form6Fit.cpp)
  void fitSample();
  void storeShift(int column);
  void makeTestSeries(int32_t points, double epochJD);
  sample::TrendKind chosenTrend() const;
  void drawGroups(const sample::SampleGroups& groups, double epochJD);
  void drawTrendBand(const sample::Trend& trend, double epochJD, int32_t lastPoint);
  void printTrendText(const sample::Trend& trend, double shift, double twoSigma, sample::TrendKind kind);
  // Shift files (Form6Shifts.cpp)
  void listModelShifts(const sample::ShiftFileContents& contents, int body);
  void listObservedShifts(const sample::ShiftFileContents& contents);
  bool fitEveryExperiment(std::vector<int>& missing);
  bool loadWithoutItsMessages();
  std::string chosenShiftFile(int16_t plan, int body) const;
  std::string chosenImitatorFolder() const;
  int chosenShiftParameter() const;

  // True when the last "Загрузить данные полученные" read its series whole.
  bool seriesLoaded_ = false;
  // The shift file that the last "Смещение в файле =" chose (relative
  // path): the only file "Изменить смещение в файле" writes the tables to.
  std::string shiftFileRead_;

  // The point picked last by a mouse press (1 after a load).
  int32_t pickedPoint_ = 1;
  // The point deleted or inserted last, framed with dashes in the next
  // listing (0: none).
  int32_t markedPoint_ = 0;
  // True when the last load replaced the Moon's W0 by dP11 or dU11, so the
  // sample differs from its file in that column.
  bool w0Replaced_ = false;
  // The calendar years of the sample's first and last record.
  int32_t sampleStartYear_ = 0;
  int32_t sampleEndYear_ = 0;
  // Shift scale of the search, shift units per picture unit ("MdP, ед./см")
  // and group sizes per picture unit ("MX2, точек/см").
  double MdP = 10;
  double groupSizeScale_ = 25;
  // The shift and the 2*Sigma of each group size of the last fit, display
  // units, indexed by the size.
  std::vector<double> ShiftByGroupSize;
  std::vector<double> TwoSigmaByGroupSize;
  int firstGroupSize_ = 1;
  int lastGroupSize_ = 1;
  // The level of the search's plot drawn on the zero of the deviation axis.
  double searchReferenceLevel_ = 0;
};

Form6& form6();

// Opening the statistics window and "Загрузить данные полученные": one
// orbit-parameter series of one body becomes the shared sample, drawn as a
// plot of the chosen parameter against time or listed as text.
#include "core/runtime/ErrorTrap.h"
#include "core/runtime/MessageBox.h"
#include "core/runtime/NumberText.h"
#include "core/runtime/ProgramFolder.h"
#include "core/runtime/RuntimeError.h"
#include "core/runtime/TextFile.h"
#include "core/state/SharedState.h"
#include "core/time/TimeScales.h"
#include "statistics/Form6.h"
#include "statistics/Form6Texts.h"
#include "statistics/ScrolledPicture.h"

using namespace form6text;

namespace {

// A series longer than this is refused (it is drawn in a picture of one
// point per record).
constexpr int32_t kMostRecords = 32000;
// A picture of this many square units or more is drawn only on the user's
// word.
constexpr double kLargePictureUnits = 3000;

// The shared values that describe which sample is held. A load that cannot
// open its file puts them back, so that the sample in memory keeps its
// body, column and file.
struct HeldSample {
  int16_t fileState = Main.FileState;
  std::string filePath = Main.FilePath2;
  std::string imitatorFolder = Main.ImitatorFolder;
  int32_t body = Main.SelectedObject;
  int16_t column = Main.SampleParameter;
  int16_t plan = Main.PlanNumber;

  void restore() const {
    Main.FileState = fileState;
    Main.FilePath2 = filePath;
    Main.ImitatorFolder = imitatorFolder;
    Main.SelectedObject = body;
    Main.SampleParameter = column;
    Main.PlanNumber = plan;
  }
};

bool isAngleColumn(int column) {
  return column == sample::kAlfaP || column == sample::kAlfaU || column == sample::kAlfaL0;
}

}  // namespace

// The boxes and options of a load, read before anything changes.
struct Form6::LoadChoice {
  int16_t plan = 0;
  int16_t experiment = 0;
  int16_t colour = 0;
  double yearsPerUnit = 0;
  double valuesPerUnit = 0;
};

// Form_Load: nothing is loaded and nothing is marked.
void Form6::Form_Load() {
  Main.PrintLineY = 5;
  Main.FileState = sample::kNoSample;
  Main.MsgBoxAnswer = 0;
  markedPoint_ = 0;
}

// Form_Activate: the dates of this window are in the Julian calendar before
// 1582-10-15 and in the Gregorian one from then on, with days from 0 h.
void Form6::Form_Activate() {
  Main.CalendarMode = 0;
  Main.DayStartHour = 0;
}

int16_t Form6::chosenPlanet() const {
  for (int i = Option3.LBound(); i <= Option3.UBound(); ++i)
    if (Option3[i].Value()) return static_cast<int16_t>(i);
  return 0;
}

// The column of the option chosen in "по параметру": 1..7, and 10 for "Ves".
int16_t Form6::chosenColumn() const {
  for (int i = Option4.LBound(); i <= Option4.UBound(); ++i)
    if (Option4[i].Value()) return static_cast<int16_t>(i == 8 ? sample::kVes : i);
  return 0;
}

bool Form6::readLoadChoice(LoadChoice& choice) {
  return withErrorTrap(kBadData, kTitle, [&] {
    choice.plan = CInt(Text28.Text());
    choice.experiment = CInt(Text10.Text());
    choice.colour = CInt(Text31.Text());
    choice.yearsPerUnit = CDbl(Text1.Text());
    choice.valuesPerUnit = CDbl(Text2.Text());
  });
}

// Command6_Click "Загрузить данные полученные".
void Form6::Command6_Click() {
  seriesLoaded_ = false;
  LoadChoice choice;
  if (!readLoadChoice(choice)) return;
  const HeldSample held;
  Main.PlanNumber = choice.plan;
  PointColorIndex = choice.colour;
  Main.MT = choice.yearsPerUnit;
  Main.MP = choice.valuesPerUnit;
  Main.FileState = sample::kNoSample;
  Main.ImitatorFolder = "\\Ser\\Plan" + Str(choice.plan);
  if (Option14.Value()) Main.ImitatorFolder = "\\JPL";
  if (Option13.Value()) Main.ImitatorFolder = "\\NEW";
  Main.SelectedObject = chosenPlanet();
  Main.SampleParameter = chosenColumn();
  const std::string planet = Str(Main.SelectedObject);
  if (Option7.Value()) {
    Main.FilePath2 = Main.ImitatorFolder + "\\Celvan" + planet + "Nab.txt";
    Main.FileState = Option17.Value() ? sample::kObservedSeries : sample::kImitatorSeries;
  }
  if (Option8.Value()) {
    Main.FilePath2 = "\\Plan" + Str(choice.plan) + "\\Txt" + planet + "\\Celvan" + planet + "Ras" +
                     Str(choice.experiment) + ".txt";
    Main.FileState = sample::kModelSeries;
  }

  const std::string path = Main.FilePath2;
  const int file = FreeFile();
  if (!withErrorTrap(kCannotFindFile + std::string(kCrLf) + path, kTitle,
                     [&] { Open(programPath(path), OpenMode::Input, file); })) {
    held.restore();
    return;
  }
  const bool observed = Main.FileState == sample::kObservedSeries;
  const bool loaded = withErrorTrap(kReadError + std::string(kCrLf) + path, kTitle, [&] {
    sample::SeriesFile series;
    try {
      sample::readSeriesRecords(file, observed, series);
    } catch (...) {
      Close(file);
      adoptSeries(series, false);
      throw;
    }
    Close(file);
    adoptSeries(series, true);
    showLoadedSample();
  });
  // A series read only in part is no sample to edit: its file is not
  // rewritten from it.
  if (!loaded) Main.FileState = sample::kNoSample;
  seriesLoaded_ = loaded;
}

void Form6::takeExportedSeries(int32_t markedPoint) {
  Main.SampleParameter = chosenColumn();
  seriesLoaded_ = true;
  w0Replaced_ = false;
  markedPoint_ = markedPoint;
  pickedPoint_ = 1;
  Text4.setText("1");
  DateFromJulianDay(Main.SeriesStartJD);
  sampleStartYear_ = Main.CalendarYear;
  if (Main.RecordCount >= 1) {
    DateFromJulianDay(Main.SeriesStartJD + Main.dT[Main.RecordCount]);
    sampleEndYear_ = Main.CalendarYear;
  }
}

// The records read become the shared sample; the header lines and the
// start of the listing are kept. The angle of the chosen column is reduced
// to one turn when "Fix(Alfa)" is ticked.
void Form6::adoptSeries(const sample::SeriesFile& series, bool finished) {
  const int32_t n = static_cast<int32_t>(series.records.size());
  const int column = Main.SampleParameter;
  const bool reduceAngle = Check1.Value() == 1 && isAngleColumn(column);
  w0Replaced_ = false;
  Main.TextLines[3] = series.header;
  Main.SeriesStartJD = series.startJD;
  Main.ScratchText2 = series.header + kCrLf + Str(series.declaredCount) + "         " + Str(series.startJD) + kCrLf;
  Main.dT.redim(n);
  Main.ddT.redim(n);
  Main.SampleValues.redim(sample::kLastColumn, n);
  for (int32_t i = 1; i <= n; ++i) {
    sample::SampleRecord record = series.records[i - 1];
    if (reduceAngle) record.value[column] = sample::reduceAngleToOneTurn(record.value[column]);
    Main.dT[i] = record.dT;
    Main.ddT[i] = record.ddT;
    for (int c = 1; c <= sample::kLastColumn; ++c) Main.SampleValues(c, i) = record.value[c];
    if (Check2.Value() == 1) {
      DateFromJulianDay(series.startJD + record.dT);
      Main.ScratchText2 += sample::sampleListingLine(i, Main.CalendarYear, record, i == markedPoint_);
    }
  }
  Main.RecordCount = finished ? n : series.declaredCount;
}

// Steps of a load after the file is read: the record limit, the Moon's
// corrections, the value range, the picture, the boxes, the plot or the
// listing.
void Form6::showLoadedSample() {
  const int32_t n = Main.RecordCount;
  const int column = Main.SampleParameter;
  const bool moon = Main.SelectedObject == sample::kMoon;
  Main.Ymax = -Main.MK;
  Main.Ymin = Main.MK * Main.MK;
  if (n > kMostRecords) {
    MsgBox(tooManyRecords(Str(n)), kTitle);
    return;
  }
  w0Replaced_ = column == sample::kW0 && moon && (Check10.Value() == 1 || Check11.Value() == 1);
  for (int32_t k = 1; k <= n; ++k) {
    if (column == sample::kW0 && moon) {
      if (Check10.Value() == 1) Main.SampleValues(sample::kW0, k) = Main.SampleValues(sample::kdP11, k);
      if (Check11.Value() == 1) Main.SampleValues(sample::kW0, k) = Main.SampleValues(sample::kdU11, k);
    }
    const double value = Main.SampleValues(column, k);
    if (value > Main.Ymax) Main.Ymax = value;
    if (value < Main.Ymin) Main.Ymin = value;
    if ((moon && (column == sample::kAlfaP || column == sample::kAlfaU)) || column == sample::kAlfaL0)
      Main.ddT[k] = 0;
  }
  if (Check3.Value() != 1) {
    if (Check2.Value() == 1) {
      Main.PictureHeight = n / 2.0 + 20;
      Main.PictureScaleWidth = 52;
    } else {
      Main.PictureHeight = Fix(Main.Ymax / Main.MP - Main.Ymin / Main.MP) + 3;
      Main.PictureScaleWidth = (Main.dT[n] + Main.ddT[n]) / sample::kDaysPerJulianYear / Main.MT + 2;
    }
    if (Main.PictureScaleWidth * Main.PictureHeight >= kLargePictureUnits) {
      const bool yes = MsgBox(largePictureQuestion(), MsgBoxButtons::YesNo, kTitle) == MsgBoxResult::Yes;
      Main.MsgBoxAnswer = yes ? 6 : 7;
      if (!yes) return;
    }
    if (!samplePictureFits()) {
      MsgBox(kPictureTooLarge, kTitle);
      return;
    }
    DrawSampleFrame();
  }
  fillSampleBoxes();
  if (Check2.Value() == 1) {
    scrolled::printAt(Picture1, 0.1, Main.PictureHeight - 1, Main.ScratchText2);
  } else {
    drawSamplePlot();
  }
  if (Option17.Value()) Text4.setText("1");
}

// The boxes of the sample: its size, its first and last point as the fit
// range, their values and dates.
void Form6::fillSampleBoxes() {
  const int32_t n = Main.RecordCount;
  const int column = Main.SampleParameter;
  pickedPoint_ = 1;
  Text15.setText("1");
  Text17.setText(Str(Main.SampleValues(column, 1)));
  Text3.setText(Str(n));
  Text16.setText(Str(n));
  Text18.setText(Str(Main.SampleValues(column, n)));
  DateFromJulianDay(Main.SeriesStartJD);
  sampleStartYear_ = Main.CalendarYear;
  showDateOf(Main.SeriesStartJD + Main.dT[1], Text6, Text8, Text9);
  showDateOf(Main.SeriesStartJD + Main.dT[n], Text20, Text21, Text22);
  sampleEndYear_ = Main.CalendarYear;
}

void Form6::showDateOf(double julianDay, ui::TextBox& day, ui::TextBox& month, ui::TextBox& year) {
  DateFromJulianDay(julianDay);
  year.setText(Str(Main.CalendarYear));
  month.setText(Str(Main.CalendarMonth));
  day.setText(Str(Main.CalendarDay));
}

// The plot of the chosen column: each record a small circle at the middle
// of its interval, red lines at the first and the last record, the plan,
// the years of the ends and the value range.
void Form6::drawSamplePlot() {
  const int32_t n = Main.RecordCount;
  const int column = Main.SampleParameter;
  const double height = Main.PictureHeight, width = Main.PictureScaleWidth;
  const int32_t colour =
      RGB(Main.ColorR[PointColorIndex], Main.ColorG[PointColorIndex], Main.ColorB[PointColorIndex]);
  auto xOf = [](int32_t i) { return (Main.dT[i] + Main.ddT[i] / 2) / sample::kDaysPerJulianYear / Main.MT + 1; };
  for (int32_t end : {int32_t{1}, n}) Picture1.Line(xOf(end), height, xOf(end), 0, RGB(255, 0, 0));
  for (int32_t i = 1; i <= n; ++i)
    Picture1.Circle(xOf(i), (Main.SampleValues(column, i) - Main.Ymin) / Main.MP + 1, 0.06, colour);
  scrolled::printAt(Picture1, width / 2, height, "Plan" + Str(Main.PlanNumber));
  scrolled::printAt(Picture1, 2, 0.5, static_cast<double>(sampleStartYear_));
  scrolled::printAt(Picture1, (Main.dT[n] + Main.ddT[n]) / sample::kDaysPerJulianYear / Main.MT - 2, 0.5,
                Fix(Main.ddT[n] / sample::kDaysPerJulianYear) + sampleEndYear_);
  scrolled::printAt(Picture1, 1.1, 8, "Ymax=  " + Str(Main.Ymax));
  scrolled::printAt(Picture1, 1.1, 7.5, "Ymin=  " + Str(Main.Ymin));
}

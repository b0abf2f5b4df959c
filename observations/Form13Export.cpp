// The result of a plan over the observations carried out of the plan
// window: its zero levels (normally the optimum, after "Задать нулевые
// уровни = X(i)opt") become one dated point of the object's observed series
// of the plan, which the statistics window then shows loaded and ready to
// fit; the zero levels of a perturbation plan become the object's
// perturbation coefficients on the perturbation window.
#include <array>
#include <string>
#include <vector>

#include "core/runtime/Clock.h"
#include "core/runtime/ErrorTrap.h"
#include "core/runtime/MessageBox.h"
#include "core/runtime/NumberText.h"
#include "core/runtime/RuntimeError.h"
#include "core/state/SharedState.h"
#include "core/time/TimeScales.h"
#include "observations/Form13.h"
#include "observations/Form13Texts.h"
#include "observations/Form22.h"
#include "statistics/Form6.h"
#include "core/runtime/ProgramFiles.h"
#include "statistics/ScrolledPicture.h"
#include "science/sample/OrbitSample.h"

namespace {

using form13text::kTitle;
constexpr const char* kCrLf = "\r\n";

constexpr int kEarth = 3;
constexpr int kLastObject = 11;
// Objects with perturbation coefficients: Mercury .. Mars.
constexpr int kLastPerturbedObject = 4;
constexpr int kPerturbationTerms = 8;
// The statistics window's picture of the listing is this many units wide.
constexpr double kListingWidth = 52;
constexpr double kThousand = 1000;

// The object the plan is about: the one chosen on the observation window,
// the Earth when none is.
int planObject() { return Main.SelectedObject == 0 ? kEarth : Main.SelectedObject; }

// "\Ser\Plan" & plan & "\Celvan" & object & "Nab.txt"
std::string observedSeriesPath(int plan, int object) {
  return "\\Ser\\Plan" + Str(plan) + "\\Celvan" + Str(object) + "Nab.txt";
}

std::string fileMessage(const char* message, const std::string& path) { return message + std::string(kCrLf) + path; }

// The header lines of a series file, split at its line breaks.
std::vector<std::string> headerLines(const std::string& header) {
  std::vector<std::string> lines;
  std::string::size_type start = 0, end;
  while ((end = header.find(kCrLf, start)) != std::string::npos) {
    lines.push_back(header.substr(start, end - start));
    start = end + 2;
  }
  lines.push_back(header.substr(start));
  return lines;
}

std::string joinedLines(const std::vector<std::string>& lines) {
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) text += (i == 0 ? "" : kCrLf) + lines[i];
  return text;
}

// The weight and the nine elements of a point, in the columns of the
// sample, from the zero-level boxes: row 1 in thousand km into millions of
// km; the weight of the data point from the plan state.
std::array<double, sample::kLastColumn + 1> pointFromZeroLevels(Form13& plan) {
  std::array<double, sample::kLastColumn + 1> value{};
  value[sample::kAlfaP] = CDbl(plan.Text1[4].Text());
  value[sample::kAlfaU] = CDbl(plan.Text1[5].Text());
  value[sample::kBetta] = CDbl(plan.Text1[3].Text());
  value[sample::kEks] = CDbl(plan.Text1[2].Text());
  value[sample::kRsr] = CDbl(plan.Text1[1].Text()) / kThousand;
  value[sample::kW0] = CDbl(plan.Text1[6].Text());
  value[sample::kAlfaL0] = CDbl(plan.Text1[7].Text());
  value[sample::kdP11] = CDbl(plan.Text1[8].Text());
  value[sample::kdU11] = CDbl(plan.Text1[9].Text());
  value[sample::kVes] = Stat.ZeroLevels[10];
  return value;
}

// True when no point of the sample is dated before the one above it: only
// then has a new date one place among them.
bool sampleInDateOrder() {
  for (int32_t k = 2; k <= Main.RecordCount; ++k)
    if (Main.dT[k] < Main.dT[k - 1]) return false;
  return true;
}

void setSamplePoint(int32_t k, double interval, const std::array<double, sample::kLastColumn + 1>& value) {
  Main.ddT[k] = interval;
  for (int c = 1; c <= sample::kLastColumn; ++c) Main.SampleValues(c, k) = value[c];
}

void showDate(double julianDay, ui::TextBox& day, ui::TextBox& month, ui::TextBox& year) {
  DateFromJulianDay(julianDay);
  year.setText(Str(Main.CalendarYear));
  month.setText(Str(Main.CalendarMonth));
  day.setText(Str(Main.CalendarDay));
}

// The statistics window's picture prepared for a listing of n points, with
// the listing's head at its top.
void prepareListing(Form6& statistics, int32_t n, const std::string& head) {
  Main.PictureHeight = n / 2.0 + 10;
  Main.PictureScaleWidth = kListingWidth;
  scrolled::sizeInUnits(statistics.Picture1, Main.PictureScaleWidth, Main.PictureHeight);
  statistics.Picture1.Scale(0, Main.PictureHeight, Main.PictureScaleWidth, 0);
  statistics.Picture1.Cls();
  statistics.VScroll1.setValue(0);
  scrolled::printAt(statistics.Picture1, 0.1, Main.PictureHeight, head);
}

// The boxes of the statistics window describing the sample: its size as the
// fit range, the dates of its first and last point.
void describeSample(Form6& statistics) {
  const int32_t n = Main.RecordCount;
  statistics.Text3.setText(Str(n));
  statistics.Text15.setText("1");
  statistics.Text16.setText(Str(n));
  showDate(Main.SeriesStartJD, statistics.Text6, statistics.Text8, statistics.Text9);
  if (n >= 1) showDate(Main.SeriesStartJD + Main.dT[n], statistics.Text20, statistics.Text21, statistics.Text22);
}

// The listing of the sample under the head, the marked point framed.
void listSample(Form6& statistics, int32_t marked) {
  for (int32_t k = 1; k <= Main.RecordCount; ++k) {
    sample::SampleRecord record;
    record.dT = Main.dT[k];
    record.ddT = Main.ddT[k];
    for (int c = 1; c <= sample::kLastColumn; ++c) record.value[c] = Main.SampleValues(c, k);
    DateFromJulianDay(Main.SeriesStartJD + record.dT);
    std::string line = sample::sampleListingLine(k, Main.CalendarYear, record, k == marked,
                                                 sample::kOptimumExportListing);
    line.erase(line.size() - 2);  // the last line break: Print ends the line itself
    statistics.Picture1.setCurrentX(0.1);
    statistics.Picture1.Print(line);
  }
}

}  // namespace

// Form_Activate: the export button names the series file of the object.
void Form13::Form_Activate() {
  Command7.setCaption("Добавить параметры в файл Celvan" + Str(planObject()) + "Nab.txt");
}

// Command7_Click "Добавить параметры в файл Celvan" & object & "Nab.txt":
// the zero levels become the point of the observed series of the plan dated
// JD0, the start of the processed observations, with the interval 2 × (mean
// Julian Day of the processed observations - JD0). A point already on that
// date (as the file stores dates, to the hundredth of a day) is replaced
// when the user agrees; otherwise no point is added and that point is
// marked. The series file is replaced whole, or not at all. The statistics
// window is shown on the series, listed, with its boxes describing the
// series as written, and the series stays the shared sample for its fit.
// Reads:    Text26, Text1(1..9), Stat.ZeroLevels(10), Main.SelectedObject,
//           JD0, JDet2; the series file
// Writes:   the series file; Main.PlanNumber, FilePath2, FileState = 5,
//           RecordCount, SeriesStartJD, dT, ddT, SampleValues,
//           SavedRecordCount (points read), PictureHeight, PictureScaleWidth,
//           CalendarMode = 0, DayStartHour = 0; the statistics window
// Notes:    a plan number that is no number or an object without an option:
//           "Введите правильно данные"; the file missing or not writable:
//           "Не могу найти файл"; a bad file, a box that is no number or a
//           series out of date order: "Ошибка чтения данных из файла"; a
//           failed write: "Ошибка записи данных в файл", and the sample goes
//           back to the series as the file still holds it. Each names the
//           file's path and ends the handler; a write the system refused
//           adds a line with the file and the reason (no access, no space).
void Form13::Command7_Click() {
  Form6& statistics = form6();
  statistics.Show();
  statistics.Option7.setValue(true);
  statistics.Option17.setValue(true);
  int16_t plan = 0;
  const int object = planObject();
  if (!withErrorTrap(form13text::kBadData, kTitle, [&] {
        plan = CInt(Text26.Text());
        if (object < 1 || object > kLastObject) throw RuntimeError(ErrorCode::InvalidCall, "no such object");
      }))
    return;
  Main.PlanNumber = plan;
  statistics.Text28.setText(Str(plan));
  statistics.Option3[object].setValue(true);

  const std::string path = observedSeriesPath(plan, object);
  sample::SeriesFile series;
  if (!readProgramFile(path, {fileMessage(form13text::kFileNotFound, path), fileMessage(form13text::kReadFailed, path), kTitle},
                       [&](int file) { sample::readSeriesRecords(file, true, series, true); }))
    return;

  Main.CalendarMode = 0;
  Main.DayStartHour = 0;
  const double date = Main.JD0;
  const double interval = 2 * (Main.JDet2 - date);
  std::vector<std::string> header = headerLines(series.header);
  std::array<double, sample::kLastColumn + 1> point{};
  const bool ready = withErrorTrap(fileMessage(form13text::kReadFailed, path), kTitle, [&] {
    if (header.size() != 4) throw RuntimeError(ErrorCode::InvalidCall, "series: header lines");
    point = pointFromZeroLevels(*this);
  });
  if (!ready) return;
  header[2] = "по плану №  " + Str(plan) + "   от " + DateText();
  const int32_t pointsRead = static_cast<int32_t>(series.records.size());
  prepareListing(statistics, pointsRead,
                 joinedLines(header) + kCrLf + "NP1max=  " + Str(series.declaredCount) + "   JD0 =  " +
                     Str(series.startJD));

  sample::takeSeriesAsSample(series);
  Main.FilePath2 = path;
  Main.FileState = sample::kObservedSeries;
  Main.SavedRecordCount = pointsRead;
  int32_t marked = 0;
  const std::vector<int32_t> dated = sample::recordsOnStoredDate(date);
  for (int32_t k : dated) {
    const std::string question = "Точка №  " + Str(k) + "  с такой датой уже есть" + kCrLf +
                                 "Заменить параметры этой точки?" + kCrLf;
    if (MsgBox(question, MsgBoxButtons::YesNo, kTitle) == MsgBoxResult::Yes)
      setSamplePoint(k, 2 * (Main.JDet2 - (Main.SeriesStartJD + Main.dT[k])), point);
    marked = k;
  }
  if (dated.empty()) {
    const bool inserted = withErrorTrap(fileMessage(form13text::kReadFailed, path), kTitle, [&] {
      if (!sampleInDateOrder()) throw RuntimeError(ErrorCode::InvalidCall, "series: points out of date order");
      marked = sample::insertSampleRecord(date, interval, sample::kVes, point[sample::kVes]);
      setSamplePoint(marked, interval, point);
      sample::keepStartOnStoredHundredth();
    });
    if (!inserted) return;
  }

  const std::string writeFailure = fileMessage(form13text::kSeriesWriteFailed, path);
  if (!writeProgramFile(path, {fileMessage(form13text::kFileNotFound, path), writeFailure, kTitle},
                        [&](int file) { sample::writeSampleRecords(file, header, true); })) {
    sample::takeSeriesAsSample(series);
    statistics.takeExportedSeries(0);
    describeSample(statistics);
    return;
  }
  statistics.takeExportedSeries(marked);
  describeSample(statistics);
  listSample(statistics, marked);
}

// Command8_Click "возмущения на форму 22": the zero levels of rows 2..9 (in
// a perturbation plan the eight coefficients "dL3, dL4, dL7, dL5, dL8, dL9,
// dL10, dL21") become the coefficients of terms 1..8 of the object by the
// perturber "№1" or "№2" chosen here, in the shared table and in the
// perturbation window's boxes. The perturbation window is loaded first, so
// that its load, which reloads the coefficient file, comes before the
// transfer and cannot undo it.
// Reads:    Option6, Text1(2..9), Main.SelectedObject (the Earth for 0)
// Writes:   Main.PlanetPerturbationCoefficients(p, 10 × object + 1..8);
//           the perturbation window's boxes of both perturbers of the object
// Notes:    every box is read first; a box that is no number or an object
//           beyond Mars (no coefficients) shows "Загрузите форму 22 (dLp)"
//           and changes nothing.
void Form13::Command8_Click() {
  const int perturber = Option6.Value() ? 2 : 1;
  const int object = planObject();
  Form22& perturbations = form22();
  withErrorTrap(form13text::kLoadForm22, kTitle, [&] {
    if (object < 1 || object > kLastPerturbedObject)
      throw RuntimeError(ErrorCode::SubscriptOutOfRange, "no perturbation coefficients for the object");
    std::array<double, kPerturbationTerms + 1> coefficient{};
    for (int t = 1; t <= kPerturbationTerms; ++t) coefficient[t] = CDbl(Text1[t + 1].Text());
    for (int t = 1; t <= kPerturbationTerms; ++t) {
      Main.PlanetPerturbationCoefficients(perturber, 10 * object + t) = coefficient[t];
      for (int p = 1; p <= 2; ++p)
        perturbations.coefficientBox(p, object, t).setText(Str(Main.PlanetPerturbationCoefficients(p, 10 * object + t)));
    }
  });
}

// Picking a point of the plot with the mouse, deleting a point and adding
// (or replacing) one. Both edits change the shared sample and then rewrite
// the whole series file from it; the plot shows the change after the next
// load.
#include "core/runtime/ErrorTrap.h"
#include "core/runtime/MessageBox.h"
#include "core/runtime/NumberText.h"
#include "core/state/SharedState.h"
#include "core/time/TimeScales.h"
#include "statistics/Form6.h"
#include "statistics/Form6Texts.h"
#include "core/runtime/ProgramFiles.h"

using namespace form6text;

// Picture1_MouseDown: the record whose time is nearest to the press becomes
// the picked point and gets a red line. The left button makes it the start
// of the fit range and fills the add row with its date; the right button
// makes it the end of the fit range.
void Form6::Picture1_MouseDown(int Button, int Shift, double X, double Y) {
  withErrorTrap(kCannotFindPoint, kTitle, [&] {
    const auto t = static_cast<float>((X - 1) * Main.MT * sample::kDaysPerJulianYear);
    pickedPoint_ = sample::pickRecordAtTime(t, pickedPoint_);
    const int32_t n1 = pickedPoint_;
    const double x = (Main.ddT[n1] / 2 + Main.dT[n1]) / sample::kDaysPerJulianYear / Main.MT + 1;
    Picture1.Line(x, Main.PictureHeight, x, 0, RGB(255, 0, 0));
    const std::string value = Str(Main.SampleValues(Main.SampleParameter, n1));
    const double julianDay = Main.SeriesStartJD + Main.dT[n1];
    if (Button == 1) {
      Text15.setText(Str(n1));
      Text17.setText(value);
      showDateOf(julianDay, Text6, Text8, Text9);
      showDateOf(julianDay, Text32, Text33, Text34);
      DateFromJulianDay(julianDay + Main.ddT[n1]);
      Text38.setText(Str(Main.CalendarYear));
    } else if (Button == 2) {
      Text16.setText(Str(n1));
      Text18.setText(value);
      showDateOf(julianDay, Text20, Text21, Text22);
    }
  });
}

// The refusals of both edits: no series from a file is held, or the load
// changed fields that go into the file (the intervals of the angles of the
// Moon and of AlfaL0 in an observed series, and W0 replaced by the Moon's
// corrections), so that a rewrite would store the changed values.
bool Form6::refuseEdit(const std::string& firstLine) {
  if (!sample::isSeriesFromFile(Main.FileState)) {
    MsgBox(kNoSample, kTitle);
    return true;
  }
  const int column = Main.SampleParameter;
  const bool moonAngle =
      Main.SelectedObject == sample::kMoon && (column == sample::kAlfaP || column == sample::kAlfaU);
  const bool corrections = column == sample::kW0 && (Check10.Value() == 1 || Check11.Value() == 1);
  const bool observed = Main.FileState == sample::kObservedSeries;
  if (w0Replaced_ || (observed && (column == sample::kAlfaL0 || moonAngle || corrections))) {
    MsgBox(editRefusal(firstLine), kTitle);
    return true;
  }
  return false;
}

// Command1_Click "Удалить точку №": the point of Text5 (1..N) leaves the
// sample and the file; it is marked for the next listing.
void Form6::Command1_Click() {
  if (refuseEdit(kDeleteRefusal)) return;
  const bool removed = withErrorTrap(kCalculationError, kTitle, [&] {
    const int16_t k = CInt(Text5.Text());
    sample::removeSampleRecord(k);
    markedPoint_ = k;
  });
  if (removed) rewriteSampleFile();
}

// Command2_Click "Добавить в файл точку от": a point of the typed date with
// the typed value of the parameter chosen now, its interval running to the
// year of Text38. A point of the same date, to the hundredth of a day the
// series file keeps, is replaced in that parameter when the user agrees;
// when the user declines every such point, nothing changes.
void Form6::Command2_Click() {
  if (refuseEdit(kAddRefusal)) return;
  double value = 0, julianDay = 0, interval = 0;
  int16_t column = 0;
  const bool typed = withErrorTrap(kCalculationError, kTitle, [&] {
    value = CDbl(Text30.Text());
    const int32_t year = CLng(Text34.Text());
    const int16_t month = CInt(Text33.Text());
    const double day = CDbl(Text32.Text());
    Main.DateErrorFlag = 0;
    julianDay = JulianDayFromDate(day, month, year);
    interval = (CDbl(Text38.Text()) - year) * sample::kDaysPerJulianYear;
    column = chosenColumn();
  });
  // A date the calendar refused has been reported by the date procedure.
  if (!typed || Main.DateErrorFlag == 1) return;
  Main.SampleParameter = column;
  Main.SavedRecordCount = Main.RecordCount;

  const std::vector<int32_t> dated = sample::recordsOnStoredDate(julianDay);
  bool replaced = false;
  for (int32_t i : dated) {
    const bool yes = MsgBox(sameDateQuestion(Str(i)), MsgBoxButtons::YesNo, kTitle) == MsgBoxResult::Yes;
    Main.MsgBoxAnswer = yes ? 6 : 7;
    if (!yes) continue;
    Main.SampleValues(column, i) = value;
    Main.ddT[i] = interval;
    replaced = true;
  }
  if (!dated.empty()) {
    if (replaced) rewriteSampleFile();
    return;
  }
  const bool inserted = withErrorTrap(kCalculationError, kTitle, [&] {
    markedPoint_ = sample::insertSampleRecord(julianDay, interval, column, value);
  });
  if (inserted) rewriteSampleFile();
}

// The series file of the sample rewritten whole, in the record variant of
// its kind, under its own header lines.
void Form6::rewriteSampleFile() {
  const std::string path = Main.FilePath2;
  const bool observed = Main.FileState == sample::kObservedSeries;
  const std::string message = kWriteError + std::string(kCrLf) + path;
  std::vector<std::string> header;
  if (!withErrorTrap(message, kTitle, [&] { header = sample::readSeriesHeader(path); })) return;
  writeProgramFile(path, {message, message, kTitle},
                   [&](int file) { sample::writeSampleRecords(file, header, observed); });
}

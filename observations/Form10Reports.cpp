// Form10's report files: the kept-records copy of the observatory file, the
// rejected epochs, the reduction trace and the deviation statistics
// ("++Статистика"), all in the program folder under "\Obs" and "\Dat".
#include <string>

#include "core/Constants.h"
#include "core/runtime/ErrorTrap.h"
#include "core/runtime/MessageBox.h"
#include "core/runtime/NumberText.h"
#include "core/runtime/ProgramFolder.h"
#include "core/runtime/RuntimeError.h"
#include "core/runtime/SaveFile.h"
#include "core/runtime/TextFile.h"
#include "core/state/SharedState.h"
#include "observations/Form10.h"
#include "observations/Form10Texts.h"
#include "statistics/ScrolledPicture.h"
#include "ui/PictureBox.h"

namespace {

constexpr double kMillion = 1000000;
using astro::kArcSecondsPerDegree;

// Appends one line of the items to a file, whole or not at all.
void appendLine(const std::string& path, const std::vector<PrintItem>& items) {
  appendTextRecord(path, [&](int file) { PrintJoined(file, items); });
}

// A header or the statistics file that cannot be written gives the
// button's own message with the file and the reason.
FileMessages runFileMessages(const char* message) { return {message, message, form10text::kRunTitle}; }

// The angles of a trace line: longitude, two blanks, latitude, then the
// date of the epoch and its Julian Day.
std::string traceText(double longitude, double latitude, const char* afterLatitude) {
  return Format(longitude, "000.000000000") + "  " + Format(latitude, "00.000000000") + afterLatitude +
         Format(Main.ObsDayWithTime, "00.00") + "  " + Str(Main.ObsMonth) + "  " + Str(Main.ObsYear) +
         "  JD= " + Str(Main.JD);
}

std::string planetAndObservatoryHead() {
  return std::string("\r\n") + form10text::kPlanetHead + std::to_string(Main.SelectedObject) +
         form10text::kObservatoryHead + Main.TheoryName + "\r\n";
}

}  // namespace

// "\Dat\" & prefix & code & object & "_" & the file number of "файл Obs №"
// & ".txt".
std::string Form10::reportName(const std::string& prefix) const {
  return programPath("\\Dat\\" + prefix + Main.TheoryName + std::to_string(Main.SelectedObject) + "_" +
                     std::to_string(FileNumberFromText(Text56.Text())) + ".txt");
}

// "\Obs\" & code & object & "_G_" & the copy's number & "LB" (criterion
// "dR") or "L" (criterion "Abs(dL)") & ".txt".
std::string Form10::keptRecordsPath(int object) const {
  return programPath("\\Obs\\" + Main.TheoryName + std::to_string(object) + "_G_" +
                     std::to_string(FileNumberFromText(Text57.Text())) +
                     (Option18.Value() ? "L" : "LB") + ".txt");
}

// The headers of the files the run writes: with "++File Bad, Good №" the
// kept-records copy (the observatory file's header and the run's years;
// not for a table) and the rejected-data file; with "+File Отладка" the trace.
// False after the message of a header that could not be written.
bool Form10::writeRunFileHeaders() {
  const FileMessages messages = runFileMessages(form10text::kBadData);
  if (Check22.Value() == 1) {
    if (!tableSourceChosen() && !saveTextFile(GoodFilePath, messages, [](int file) {
          PrintJoined(file, {Main.TextLines[1]});
          PrintJoined(file, {Main.StartYear, Main.EndYear});
        }))
      return false;
    if (!saveTextFile(reportName("Bad_data"), messages, [](int file) {
          PrintJoined(file, {planetAndObservatoryHead()});
          PrintJoined(file, {std::string("\r\n") + form10text::kRejectedHead1 + form10text::kRejectedHead2 + "\r\n"});
        }))
      return false;
  }
  if (Check13.Value() != 1) return true;
  return saveTextFile(reportName("Ras_data_"), messages, [](int file) {
    PrintJoined(file, {planetAndObservatoryHead()});
    PrintJoined(file, {std::string("\r\n") + form10text::kTraceHead + "\r\n"});
  });
}

// WriteReductionTraceLine: one stage of the chain, the current object's
// coordinates and the stage's label.
void Form10::writeReductionTraceLine(const std::string& label) {
  const int object = Main.CurrentObject;
  appendLine(reportName("Ras_data_"), {traceText(Main.LonL[object], Main.LatB[object], "   ") + label});
}

// The observed place of the epoch after its stages, and an empty line.
void Form10::writeObservedTraceLine() {
  appendLine(reportName("Ras_data_"),
             {traceText(Lnab, Bnab, "  ") + form10text::kObservedTraceLabel + "\r\n"});
}

// A rejected epoch: its date, dL and dB in arc seconds, dR in thousand km.
void Form10::appendRejectedEpoch() {
  appendLine(reportName("Bad_data"),
             {Fix(kMillion * Main.ObsDayWithTime) / kMillion, Main.ObsMonth, Main.ObsYear,
              Fix(dL * 1000 * kArcSecondsPerDegree) / 1000, Fix(dB * 1000 * kArcSecondsPerDegree) / 1000,
              Fix(dR * 10) / 10});
}

// An accepted epoch: the observatory record line as read.
void Form10::appendKeptRecord() { appendLine(GoodFilePath, {Main.ObservationLine}); }

// The limit lines of the filter on the result picture.
void Form10::drawFilterLimits() {
  if (Check20.Value() != 1) return;
  const int32_t green = RGB(0, 240, 0);
  const double offset = inputs_.plotOffsetY;
  if (Option17.Value()) Picture4.Line(0, inputs_.filterLimit / inputs_.Mx + offset, 20, inputs_.filterLimit / inputs_.Mx + offset, green);
  if (Option18.Value()) {
    const double half = inputs_.filterLimit / inputs_.MdAlfa;
    Picture4.Line(0, 4 + half + offset, 20, 4 + half + offset, green);
    Picture4.Line(0, 4 - half + offset, 20, 4 - half + offset, green);
  }
}

// Command15_Click "++Статистика": the three distributions drawn as
// polylines, S epochs per picture unit (three units for the angles); with
// "+Статистика" ticked the statistics file written whole. A run without an
// accepted epoch writes no file and says so.
void Form10::Command15_Click() {
  withErrorTrap(form10text::kBadScale, form10text::kRunTitle, [this] {
    const double S = CLng(Text49.Text());
    if (S == 0) throw RuntimeError(ErrorCode::DivisionByZero, "scale 0");
    if (!histogram.prepared) throw RuntimeError(ErrorCode::SubscriptOutOfRange, "no histogram");
    const auto& C = histogram.counts;
    scrolled::printAt(Picture1, 0, 8, "dLpl");
    for (int i = 1; i <= 19; ++i) Picture1.Line(i - 11, 3 * C[i - 1] / S - 10, i - 10, 3 * C[i] / S - 10);
    scrolled::printAt(Picture3, 0, 8, "dBpl");
    for (int i = 21; i <= 39; ++i) Picture3.Line(i - 31, 3 * C[i - 1] / S - 10, i - 30, 3 * C[i] / S - 10);
    scrolled::printAt(Picture4, 10, 6, "dRpl");
    for (int i = 41; i <= 59; ++i) Picture4.Line(i - 41, C[i - 1] / S, i - 40, C[i] / S);
    if (Check21.Value() != 1) return;
    const std::string text = deviationStatisticsText(histogram, statistics, Main.TheoryName, Main.SelectedObject);
    if (text.empty()) {
      MsgBox(form10text::kNoAcceptedEpochs, form10text::kRunTitle);
      return;
    }
    saveTextFile(reportName("Stat"), runFileMessages(form10text::kBadScale),
                 [&](int file) { PrintJoined(file, {text}); });
  });
}

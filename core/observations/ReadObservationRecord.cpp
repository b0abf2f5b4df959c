// The record reader of the observatory observation files.
#include <array>
#include <string>

#include "core/observations/ObservationFiles.h"
#include "core/runtime/ErrorTrap.h"
#include "core/runtime/NumberText.h"
#include "core/runtime/ProgramFolder.h"
#include "core/runtime/RuntimeError.h"
#include "core/runtime/TextFile.h"
#include "core/state/SharedState.h"

namespace {

// The characters of columns first..first+count-1 (column 1 is the first);
// shorter or empty when the line ends before.
std::string columns(const std::string& line, std::size_t first, std::size_t count) {
  if (line.size() < first) return {};
  return line.substr(first - 1, count);
}

// The number written in the columns; blanks around the digits are allowed,
// an empty or non-numeric field throws RuntimeError(TypeMismatch).
double numberIn(const std::string& line, std::size_t first, std::size_t count) {
  return CDbl(columns(line, first, count));
}

bool isDash(const std::string& line, std::size_t column) { return columns(line, column, 1) == "-"; }

// 1..12 for the English three-letter month names as written ("Jan"), 0 for
// any other text.
int monthNumber(const std::string& name) {
  static const std::array<const char*, 12> kNames{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                  "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  for (int i = 0; i < 12; ++i)
    if (name == kNames[i]) return i + 1;
  return 0;
}

// Sexagesimal parts in the whole unit: unit + minutes/60 + seconds/3600 +
// fraction of a second/3600/fractionScale.
double sexagesimal(double unit, double minutes, double seconds, double fraction, double fractionScale) {
  return unit + minutes / 60.0 + seconds / 3600.0 + fraction / 3600.0 / fractionScale;
}

// Skipped: a record the reader passes over as the format says (before the
// first year, struck out, a coordinate missing); Unusable: a line that is
// no record (empty, too short, a month that is none of the twelve), passed
// over and counted.
enum class Outcome { Skipped, Unusable, Accepted, EndOfData };

// The last column of the year: a line shorter than this, or one of blanks
// only, holds no record.
constexpr std::size_t kYearEnd = 14;

bool holdsNoRecord(const std::string& line) {
  return line.size() < kYearEnd || line.find_first_not_of(" \t") == std::string::npos;
}

// Reads one line and decides on it, storing the fields as it converts them.
Outcome readOneLine(ObservationCriterion criterion) {
  if (EndOfFile(Main.DataFileHandle)) return Outcome::EndOfData;
  const std::string& line = Main.ObservationLine = LineInput(Main.DataFileHandle);
  if (holdsNoRecord(line)) return Outcome::Unusable;

  Main.ObsYear = CLng(numberIn(line, 11, 4));
  if (Main.ObsYear < Main.StartYear) return Outcome::Skipped;
  const int month = monthNumber(columns(line, 19, 3));
  if (month == 0) return Outcome::Unusable;
  Main.ObsDay = CLng(numberIn(line, 16, 2));
  Main.ObsMonth = month;

  const double utHours = numberIn(line, 24, 2);
  if (isDash(line, 23)) return Outcome::Skipped;
  Main.DayHours = sexagesimal(utHours, numberIn(line, 27, 2), numberIn(line, 30, 2), numberIn(line, 33, 4), 1e4);
  Main.ObsDayWithTime = Main.ObsDay + Main.DayHours / 24.0;
  if (Main.ObsYear > Main.EndYear) return Outcome::EndOfData;

  const double raHours = numberIn(line, 44, 2);
  if (raHours > 23 || isDash(line, 43)) return Outcome::Skipped;
  const int object = Main.SelectedObject;
  Main.LonL[object] =
      sexagesimal(raHours, numberIn(line, 47, 2), numberIn(line, 50, 2), numberIn(line, 53, 5), 1e5) * 360.0 / 24.0;
  const double declination =
      sexagesimal(numberIn(line, 70, 2), numberIn(line, 73, 2), numberIn(line, 76, 2), numberIn(line, 79, 4), 1e4);
  Main.LatB[object] = isDash(line, 69) ? -declination : declination;

  if (Main.LonL[object] == 0) return Outcome::Skipped;
  if (criterion == ObservationCriterion::DR && (Main.LatB[object] == 0 || Main.LatB[object] == 90))
    return Outcome::Skipped;
  return Outcome::Accepted;
}

}  // namespace

std::string observationFilePath(const std::string& observatoryCode, int object, int fileNumber) {
  return programPath("\\Obs\\" + observatoryCode + std::to_string(object) + "_G_" + std::to_string(fileNumber) +
                     ".txt");
}

ObservationReadResult readObservationRecord(ObservationCriterion criterion) {
  ObservationReadResult result;
  const bool read = withErrorTrap(Main.FilePath + "\r\nОшибка чтения данных из файла", "Celvan7", [&] {
    Outcome outcome = Outcome::Skipped;
    while (outcome == Outcome::Skipped || outcome == Outcome::Unusable) {
      outcome = readOneLine(criterion);
      if (outcome == Outcome::Unusable) ++result.skippedLines;
    }
    if (outcome == Outcome::EndOfData) Main.DateErrorFlag = 1;
  });
  if (read) return result;
  Main.StopFlag = 1;
  Close(Main.DataFileHandle);
  result.readError = true;
  return result;
}

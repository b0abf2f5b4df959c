#pragma once
// Observatory observation files: plain text files in the "Obs" folder of the
// program folder, one per observatory, object and file number. Lines 1 to 4
// are free text, line 5 holds the first and the last year, and every further
// line is one observation in fixed columns (first column 1):
//
//   11-14 year   16-17 day   19-21 month "Jan".."Dec" (any other text: no record)
//   23 "-" drops the record   24-25 h  27-28 m  30-31 s  33-36 fraction 0.0001 s   (UT)
//   43 "-" drops the record   44-45 h  47-48 m  50-51 s  53-57 fraction 0.00001 s  (right ascension)
//   69 "-" negative           70-71 °  73-74 '  76-77 "  79-82 fraction 0.0001"     (declination)
//
// The observation window opens the file and reads its five header lines;
// readObservationRecord then reads it forward one accepted record at a time.
#include <string>

// Which coordinates a record must have to count: "dR" needs the right
// ascension and the declination, "Abs(dL)" the right ascension only.
enum class ObservationCriterion { DR, AbsDL };

// observationFilePath: program folder & "\Obs\" & code & object & "_G_" & N
// & ".txt"; object without leading zeros (0 the Sun, 1..9 the planets, 11
// the Moon).
std::string observationFilePath(const std::string& observatoryCode, int object, int fileNumber);

// What one call of readObservationRecord met besides the record.
struct ObservationReadResult {
  bool readError = false;  // the file was closed after the read-error message
  int skippedLines = 0;    // lines passed over as no record: empty, all blanks, too
                           // short, or with a month that is none of the twelve
};

// readObservationRecord: reads lines of the open observation file until one
// is accepted or the usable data end.
// Reads:    DataFileHandle (open for input, after the header or the last
//           record read); StartYear, EndYear; SelectedObject; FilePath (for
//           the message)
// Given:    criterion: the reduction's criterion
// Writes:   ObservationLine (the line read last), ObsYear, ObsDay, ObsMonth,
//           DayHours (UT, hours), ObsDayWithTime (day + UT
//           as a fraction of a day), LonL(SelectedObject) right ascension
//           and LatB(SelectedObject) declination in degrees; DateErrorFlag
//           := 1 at the end of the file or at the first record after EndYear
//           that is not dropped by its time flag; StopFlag := 1 after a read
//           error.
// Returns:  whether a read error closed the file, and how many lines were
//           passed over as empty, all blanks, shorter than the year's
//           columns (an empty last line of the file among them) or with a
//           month that is none of the twelve names ("MAR" in capitals
//           included): such a line is no record, and taking the month of
//           the record before would reduce it at a wrong date.
// Notes:    Records before StartYear are passed over, as are those with "-"
//           in column 23 or 43, right-ascension hours above 23, a right
//           ascension of exactly 0 and, for "dR", a declination of exactly 0
//           or +90 (these stand for a missing coordinate). A field that is
//           empty or not a number, or a record line that ends inside one of
//           its fields, is a read error: the file is closed and the message
//           FilePath & CR LF & "Ошибка чтения данных из файла" (title
//           "Celvan7") is shown; the values already stored from that line
//           stay.
ObservationReadResult readObservationRecord(ObservationCriterion criterion);

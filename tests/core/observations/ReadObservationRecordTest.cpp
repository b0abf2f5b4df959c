// The record reader of the observatory observation files: a small file in
// the observatories' fixed columns read through, the records it passes
// over, the end of the data, the missing coordinates of each criterion and
// the read errors.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/observations/ObservationFiles.h"
#include "core/runtime/MessageBoxRecorder.h"
#include "core/runtime/ProgramFolder.h"
#include "core/support/KeptProgramFolder.h"
#include "core/runtime/RuntimeError.h"
#include "core/runtime/TextFile.h"
#include "core/state/SharedState.h"
#include "core/state/StartUpState.h"

namespace {

constexpr int kMoon = 11;

// The fields of a record line, as the observatories write them.
struct Fields {
  const char* year = "1990";
  const char* day = "15";
  const char* month = "Jun";
  const char* timeFlag = " ";
  const char* ut = "12:00:00.0000";        // columns 24-36
  const char* raFlag = " ";
  const char* ra = "06 00 00.00000";       // columns 44-57
  const char* decSign = "+";
  const char* dec = "10 00 00.0000";       // columns 70-82
};

// A record line: columns 1-10 a running number, the fields at their columns.
std::string recordLine(const Fields& f) {
  std::string line = std::string("    42    ") + f.year + " " + f.day + " " + f.month + " " + f.timeFlag + f.ut;
  line.resize(42, ' ');
  line += std::string(f.raFlag) + f.ra;
  line.resize(68, ' ');
  return line + f.decSign + f.dec;
}

class ReadObservationRecordTest : public ::testing::Test {
 protected:
  const KeptProgramFolder keptFolder_;

  void SetUp() override {
    startWithStartUpState();
    char pattern[] = "/tmp/celvan-observations-XXXXXX";
    folder_ = mkdtemp(pattern);
    std::filesystem::create_directory(folder_ / "Obs");
    setProgramFolder(folder_.string());
    Main.SelectedObject = kMoon;
    Main.StartYear = 1990;
    Main.EndYear = 1991;
  }
  void TearDown() override {
    CloseAll();
    std::filesystem::remove_all(folder_);
  }

  // Opens the file as the observation window does: on DataFileHandle, its
  // five header lines read.
  void openObservations(const std::string& path) {
    Main.FilePath = path;
    Main.DataFileHandle = static_cast<int16_t>(FreeFile());
    Open(path, OpenMode::Input, Main.DataFileHandle);
    for (int header = 1; header <= 5; ++header) LineInput(Main.DataFileHandle);
  }

  // A file of four header lines, the year line and the records, opened.
  void openRecords(const std::vector<std::string>& records, const std::string& lastLineEnd = "\r\n") {
    const std::string path = observationFilePath("TEST", kMoon, 1);
    std::ofstream out(path, std::ios::binary);
    out << "header 1\r\nheader 2\r\nheader 3\r\nheader 4\r\n1990, 1991";
    for (const std::string& record : records) out << "\r\n" << record;
    out << lastLineEnd;
    out.close();
    openObservations(path);
  }

  // One call of the reader; true when it accepted a record.
  bool accepted(ObservationCriterion criterion = ObservationCriterion::DR) {
    Main.DateErrorFlag = 0;
    readObservationRecord(criterion);
    return Main.DateErrorFlag == 0 && Main.StopFlag == 0;
  }

  std::filesystem::path folder_;
  MessageBoxRecorder boxes;
};

double hours(double h, double m, double s) { return h + m / 60.0 + s / 3600.0; }

TEST_F(ReadObservationRecordTest, FileNameJoinsCodeObjectAndNumber) {
  EXPECT_EQ(observationFilePath("GREN", 11, 1), (folder_ / "Obs" / "GREN11_G_1.txt").string());
  EXPECT_EQ(observationFilePath("PARI", 0, 12), (folder_ / "Obs" / "PARI0_G_12.txt").string());
}

// The fixture file of ten Moon records over 1989..1992 read with the
// years 1990..1991: record 1 lies before the first year, 3 has its time
// struck out, 4 its right ascension, 5 a right ascension of 24 hours; 6
// is accepted; 8 is struck out after the last year, 9 ends the data
// although 10 lies inside the years again.
TEST_F(ReadObservationRecordTest, FixtureFileReadsTheUsableRecordsInOrder) {
  std::filesystem::copy_file(std::filesystem::path(CELVAN_FIXTURES_DIR) / "observations" / "GREN11_G_1.txt",
                             folder_ / "Obs" / "GREN11_G_1.txt");
  openObservations(observationFilePath("GREN", kMoon, 1));

  ASSERT_TRUE(accepted(ObservationCriterion::AbsDL));
  EXPECT_EQ(Main.ObservationLine.substr(0, 5), "    2");
  EXPECT_EQ(Main.ObsYear, 1990);
  EXPECT_EQ(Main.ObsMonth, 1);
  EXPECT_EQ(Main.ObsDay, 2);
  EXPECT_DOUBLE_EQ(Main.DayHours, hours(20, 15, 30.5));
  EXPECT_DOUBLE_EQ(Main.ObsDayWithTime, 2 + hours(20, 15, 30.5) / 24);
  EXPECT_DOUBLE_EQ(Main.LonL[kMoon], 180.0);
  EXPECT_DOUBLE_EQ(Main.LatB[kMoon], -5.5);

  // Record 6: 5h 30m 45.5s is 82.689583 degrees; +23° 26' 21.406" is the
  // obliquity of the ecliptic at J2000, 23.4392794 degrees.
  ASSERT_TRUE(accepted(ObservationCriterion::AbsDL));
  EXPECT_EQ(Main.ObservationLine.substr(0, 5), "    6");
  EXPECT_EQ(Main.ObsMonth, 3);
  EXPECT_EQ(Main.ObsDay, 12);
  EXPECT_DOUBLE_EQ(Main.DayHours, 0.01);
  EXPECT_NEAR(Main.LonL[kMoon], 82.6895833333, 1e-9);
  EXPECT_NEAR(Main.LatB[kMoon], 23.4392794444, 1e-9);

  ASSERT_TRUE(accepted(ObservationCriterion::AbsDL));
  EXPECT_EQ(Main.ObsYear, 1991);
  EXPECT_EQ(Main.ObsMonth, 12);
  EXPECT_NEAR(Main.DayHours, 24.0, 1e-7);
  EXPECT_DOUBLE_EQ(Main.LonL[kMoon], 15 * hours(18, 40, 12.3456));
  EXPECT_DOUBLE_EQ(Main.LatB[kMoon], -hours(28, 59, 59.9999));

  EXPECT_FALSE(accepted(ObservationCriterion::AbsDL));
  EXPECT_EQ(Main.DateErrorFlag, 1);
  EXPECT_EQ(Main.ObservationLine.substr(0, 5), "    9");
  EXPECT_EQ(Main.StopFlag, 0);
  EXPECT_EQ(boxes.count(), 0);
}

TEST_F(ReadObservationRecordTest, EmptyDataPartEndsAtOnce) {
  openRecords({}, "");
  EXPECT_FALSE(accepted());
  EXPECT_EQ(Main.DateErrorFlag, 1);
  EXPECT_EQ(Main.StopFlag, 0);
  EXPECT_EQ(boxes.count(), 0);
}

struct Coordinates {
  const char* what;
  const char* ra;
  const char* decSign;
  const char* dec;
  bool acceptedForDR;
  bool acceptedForAbsDL;
};

// A right ascension of exactly 0 stands for a missing coordinate under
// both criteria; a declination of exactly 0 or +90 under "dR" only.
TEST_F(ReadObservationRecordTest, MissingCoordinatesOfEachCriterion) {
  const Coordinates cases[] = {
      {"right ascension 0", "00 00 00.00000", "+", "10 00 00.0000", false, false},
      {"declination +0", "06 00 00.00000", "+", "00 00 00.0000", false, true},
      {"declination -0", "06 00 00.00000", "-", "00 00 00.0000", false, true},
      {"declination +90", "06 00 00.00000", "+", "90 00 00.0000", false, true},
      {"declination -90", "06 00 00.00000", "-", "90 00 00.0000", true, true},
      {"both present", "00 00 00.00001", " ", "00 00 00.0001", true, true},
  };
  for (const Coordinates& c : cases)
    for (ObservationCriterion criterion : {ObservationCriterion::DR, ObservationCriterion::AbsDL}) {
      const bool dR = criterion == ObservationCriterion::DR;
      SCOPED_TRACE(std::string(c.what) + (dR ? " dR" : " Abs(dL)"));
      Fields f;
      f.ra = c.ra;
      f.decSign = c.decSign;
      f.dec = c.dec;
      openRecords({recordLine(f)});
      EXPECT_EQ(accepted(criterion), dR ? c.acceptedForDR : c.acceptedForAbsDL);
      CloseAll();
    }
}

TEST_F(ReadObservationRecordTest, DeclinationSignAndFieldsWithBlanks) {
  Fields f;
  f.decSign = "-";
  f.dec = "05 30 00.0000";
  f.ut = " 6: 5: 0.   1";
  openRecords({recordLine(f)});
  ASSERT_TRUE(accepted());
  EXPECT_DOUBLE_EQ(Main.LatB[kMoon], -5.5);
  EXPECT_DOUBLE_EQ(Main.DayHours, hours(6, 5, 0.0001));
  EXPECT_EQ(Main.ObsMonth, 6);
}

struct ReadError {
  const char* what;
  std::string line;
};

// A field that is empty or not a number, or a record that ends inside its
// fields, stops the run with the message, closes the file and leaves the
// end flag alone.
TEST_F(ReadObservationRecordTest, ReadErrorsStopWithTheMessage) {
  Fields blankHoursStruckOut;
  blankHoursStruckOut.timeFlag = "-";
  blankHoursStruckOut.ut = "  :00:00.0000";
  Fields wordForMinutes;
  wordForMinutes.ra = "06 ab 00.00000";
  const ReadError cases[] = {
      {"blank hours under a struck-out time", recordLine(blankHoursStruckOut)},
      {"letters for the minutes of right ascension", recordLine(wordForMinutes)},
      {"a line ending inside the declination", recordLine(Fields{}).substr(0, 75)},
  };
  for (const ReadError& c : cases) {
    SCOPED_TRACE(c.what);
    boxes.clear();
    Main.StopFlag = 0;
    openRecords({c.line, recordLine(Fields{})});
    EXPECT_TRUE(readObservationRecord(ObservationCriterion::DR).readError);
    EXPECT_EQ(Main.StopFlag, 1);
    EXPECT_EQ(Main.DateErrorFlag, 0);
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, Main.FilePath + "\r\nОшибка чтения данных из файла");
    EXPECT_EQ(boxes.last().title, "Celvan7");
    EXPECT_THROW(EndOfFile(Main.DataFileHandle), RuntimeError);
  }
}

// Empty lines, lines of blanks and lines too short to hold a year are
// passed over and counted, wherever they stand (an empty last line too);
// the records around them are read as usual.
TEST_F(ReadObservationRecordTest, BlankAndShortLinesArePassedOverAndCounted) {
  Fields second;
  second.day = "16";
  openRecords({"", recordLine(Fields{}), "      ", "    42", "\t", recordLine(second), ""});
  ObservationReadResult result = readObservationRecord(ObservationCriterion::DR);
  EXPECT_FALSE(result.readError);
  EXPECT_EQ(result.skippedLines, 1);
  EXPECT_EQ(Main.ObsDay, 15);
  result = readObservationRecord(ObservationCriterion::DR);
  EXPECT_EQ(result.skippedLines, 3);
  EXPECT_EQ(Main.ObsDay, 16);
  EXPECT_EQ(Main.DateErrorFlag, 0);
  result = readObservationRecord(ObservationCriterion::DR);
  EXPECT_EQ(result.skippedLines, 1);
  EXPECT_EQ(Main.DateErrorFlag, 1);
  EXPECT_EQ(Main.StopFlag, 0);
  EXPECT_EQ(boxes.count(), 0);
}

// A record whose month is none of the twelve names ("MAR" in capitals,
// another spelling, blanks) is no record: it is passed over and counted
// with the empty lines, and does not take the month of the record before.
TEST_F(ReadObservationRecordTest, RecordsWithAnUnknownMonthArePassedOverAndCounted) {
  std::vector<std::string> lines;
  for (const char* month : {"MAR", "jun", "   "}) {
    Fields unknown;
    unknown.month = month;
    lines.push_back(recordLine(unknown));
  }
  Fields known;
  known.day = "16";
  known.month = "Jul";
  lines.push_back(recordLine(known));
  openRecords(lines);
  const ObservationReadResult result = readObservationRecord(ObservationCriterion::DR);
  EXPECT_FALSE(result.readError);
  EXPECT_EQ(result.skippedLines, 3);
  EXPECT_EQ(Main.ObsDay, 16);
  EXPECT_EQ(Main.ObsMonth, 7);
  EXPECT_EQ(boxes.count(), 0);
}

}  // namespace

// The fixture workbooks of the ancient tables (tests/fixtures/tables, made by
// make_table_workbooks.py beside them) against the textbook: the Julian Day
// each computes from its input cells, and its Sun's apparent longitude.
// Column AB of worksheet 1 holds the steps: in the Julian-calendar tables
// AB5 the Julian Day of the local time, AB8 ET - UT, AB9 the JDE; in the
// Almagest AB4 the Julian Day.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "core/observations/AncientTables.h"
#include "core/runtime/ErrorOf.h"
#include "core/spreadsheet/Spreadsheet.h"
#include "core/state/SharedState.h"

namespace {

namespace fs = std::filesystem;

// A folder of this process, removed at its end.
struct ProcessFolder {
  ProcessFolder() : path(fs::temp_directory_path() / ("celvan-tables-" + std::to_string(getpid()))) {
    fs::create_directories(path);
  }
  ~ProcessFolder() { fs::remove_all(path); }
  fs::path path;
};

// A copy of a fixture workbook in a folder of this process, so that test
// processes running side by side never open the same file.
fs::path tableFixture(const std::string& name) {
  static const ProcessFolder folder;
  const fs::path copy = folder.path / (name + ".xls");
  if (!fs::exists(copy)) fs::copy_file(fs::path(CELVAN_FIXTURES_DIR) / "tables" / (name + ".xls"), copy);
  return copy;
}

// One spreadsheet engine for the cases of this process; the fixtures are only read.
Spreadsheet& engine() {
  static Spreadsheet application;
  return application;
}

struct Date {
  double year, month, day, hours;
};

void writeDate(Worksheet& sheet, const char* const (&cells)[4], const Date& date) {
  CellExchange exchange;
  exchange.write(sheet, cells[0], date.year);
  exchange.write(sheet, cells[1], date.month);
  exchange.write(sheet, cells[2], date.day);
  exchange.write(sheet, cells[3], date.hours);
  exchange.run();
}

TEST(TableWorkbooksTest, EveryTableHasItsWorksheetsAndCountsJulianDaysAsTheTextbook) {
  const std::pair<const char*, int> sheetCounts[] = {
      {"AlBattani", 9}, {"AlfonsoTab", 7}, {"AlKhwarizmi", 9}, {"Almagest", 8},
      {"RudolphineTables", 11}, {"Streete", 10}, {"Tycho", 1}, {"Wing", 10}};
  for (const auto& [name, sheets] : sheetCounts) {
    SCOPED_TRACE(name);
    Workbook book = engine().openWorkbook(tableFixture(name).string());
    EXPECT_EQ(book.worksheetCount(), sheets);
    engine().closeActiveWorkbook();
  }

  // Meeus, example 7.a: 333 January 27 at 12h (Julian calendar) is JD
  // 1842713.0. AlBattani's day begins at noon, so that is day 27, hour 0.
  Worksheet alBattani = engine().openWorkbook(tableFixture("AlBattani").string()).worksheet(1);
  writeDate(alBattani, {"D9", "C9", "B9", "F9"}, {333, 1, 27, 0});
  EXPECT_DOUBLE_EQ(alBattani.readNumber("AB5"), 1842713.0);
  // Tycho's day begins at midnight: the same moment is hour 12.
  Worksheet tycho = engine().openWorkbook(tableFixture("Tycho").string()).worksheet(1);
  writeDate(tycho, {"E11", "D11", "C11", "G11"}, {333, 1, 27, 12});
  EXPECT_DOUBLE_EQ(tycho.readNumber("AB5"), 1842713.0);
  // Ptolemy's autumn equinox of 132 (Almagest III.1): Nabonassar 880, Athyr
  // (month 3) 7, is 132 September 25 (Julian calendar), JD 1769539.0 at noon.
  Worksheet almagest = engine().openWorkbook(tableFixture("Almagest").string()).worksheet(1);
  writeDate(almagest, {"B6", "C6", "D6", "E6"}, {880, 3, 7, 0});
  EXPECT_DOUBLE_EQ(almagest.readNumber("AB4"), 1769539.0);
  for (int i = 0; i < 3; ++i) engine().closeActiveWorkbook();
}

TEST(TableWorkbooksTest, TheSunIsMeeussLowPrecisionApparentLongitude) {
  // Meeus, example 25.a: 1992 October 13.0 TD (Gregorian), JDE 2448908.5:
  // apparent longitude 199.90895 degrees by the low-precision formula. In
  // AlBattani's Julian calendar, with the day from noon, that is 1992
  // September 29, hour 12, of TD; the table's time is the local time of its
  // meridian, 37 degrees east, and UT, so the hour takes 37/15 hours and
  // loses the table's ET - UT.
  Worksheet sheet = engine().openWorkbook(tableFixture("AlBattani").string()).worksheet(1);
  const char* const inputs[4] = {"D9", "C9", "B9", "F9"};
  writeDate(sheet, inputs, {1992, 9, 29, 12 + 37.0 / 15});
  const double deltaT = sheet.readNumber("AB8");
  writeDate(sheet, inputs, {1992, 9, 29, 12 + 37.0 / 15 - deltaT / 3600});
  EXPECT_NEAR(sheet.readNumber("AB9"), 2448908.5, 1e-7);
  EXPECT_NEAR(sheet.readNumber("C14"), 199.90895, 2e-5);
  engine().closeActiveWorkbook();
}

// The reader through a window's bound worksheets: the Almagest's Mars comes
// from worksheet 6, its latitude in minutes with the hemisphere mark; with
// fewer worksheets bound the reading fails.
TEST(TableWorkbooksTest, TheReaderReadsTheWorkbookThroughTheBoundWorksheets) {
  resetSharedState();
  Workbook book = engine().openWorkbook(tableFixture("Almagest").string());
  std::vector<Worksheet> sheets;
  for (int i = 1; i <= 8; ++i) sheets.push_back(book.worksheet(i));
  Main.ObsYear = 880;
  Main.ObsMonth = 3;
  Main.ObsDay = 7;
  Main.DayHours = 5.5;
  TableWorkbookCells cells(sheets);
  readAncientTable(kObservationWindowTableReader, "Almagest", cells, 4, false);

  EXPECT_EQ(sheets[0].readNumber("B6"), 880);
  EXPECT_EQ(sheets[0].readNumber("E6"), 5.5);
  EXPECT_DOUBLE_EQ(Main.LonL[4], sheets[5].readNumber("AD57"));
  const double sign = sheets[5].readText("AE30") == "S" ? -1 : 1;
  EXPECT_DOUBLE_EQ(Main.LatB[4], sign * sheets[5].readNumber("AF30") / 60);

  sheets.resize(5);
  TableWorkbookCells fewer(sheets);
  EXPECT_EQ(errorOf([&] {
              readAncientTable(kObservationWindowTableReader, "Almagest", fewer, 4, false);
            }),
            ErrorCode::SubscriptOutOfRange);
  engine().closeActiveWorkbook();
}

}  // namespace

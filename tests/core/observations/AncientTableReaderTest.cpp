// The table reader over every table's cell map, with a table of cells in
// place of the workbook: every cell gives a number of its own (worksheet x
// 100 + column + row / 1000), so a value read shows where it was read from.
// The cell map in the cases is the tables' documented one, written out here
// independently of the reader's data.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/observations/AncientTables.h"
#include "core/runtime/ErrorOf.h"
#include "core/runtime/RuntimeError.h"
#include "core/state/SharedState.h"

namespace {

// "n:A1" or "A1" (worksheet 1).
std::pair<int, std::string> parseCell(const std::string& text) {
  const auto colon = text.find(':');
  if (colon == std::string::npos) return {1, text};
  return {std::stoi(text.substr(0, colon)), text.substr(colon + 1)};
}

// The number every cell holds unless a case sets it: worksheet x 100 +
// column number + row / 1000 (AD36 of worksheet 8 = 800 + 30 + 0.036).
double cellNumber(int sheet, const std::string& address) {
  int column = 0;
  std::size_t i = 0;
  for (; i < address.size() && std::isalpha(static_cast<unsigned char>(address[i])); ++i)
    column = column * 26 + (address[i] - 'A' + 1);
  return sheet * 100 + column + std::stoi(address.substr(i)) / 1000.0;
}
double cellNumber(const std::string& cell) {
  const auto [sheet, address] = parseCell(cell);
  return cellNumber(sheet, address);
}

// A workbook of numbers: records the writes and the reads, answers every
// read with the cell's number, a text set for it, or a failure.
class CellTable : public TableCellsExchange {
 public:
  void write(const TableCell& cell, double value) override {
    written[{cell.sheet, cell.address}] = value;
  }
  std::size_t read(const TableCell& cell) override {
    reads.emplace_back(cell.sheet, cell.address);
    return reads.size() - 1;
  }
  void run() override { ++runs; }
  double number(std::size_t read) const override {
    const auto& key = reads.at(read);
    if (failing.count(key)) throw RuntimeError(ErrorCode::TypeMismatch, "not a number");
    const auto set = numbers.find(key);
    return set != numbers.end() ? set->second : cellNumber(key.first, key.second);
  }
  std::string text(std::size_t read) const override {
    const auto set = texts.find(reads.at(read));
    return set != texts.end() ? set->second : "";
  }

  void setNumber(const std::string& cell, double value) { numbers[parseCell(cell)] = value; }
  void setText(const std::string& cell, const std::string& text) { texts[parseCell(cell)] = text; }
  void setFailing(const std::string& cell) { failing.insert(parseCell(cell)); }
  double writtenInto(const std::string& cell) const { return written.at(parseCell(cell)); }
  bool wasRead(const std::string& cell) const {
    const auto key = parseCell(cell);
    for (const auto& read : reads)
      if (read == key) return true;
    return false;
  }

  std::map<std::pair<int, std::string>, double> written;
  std::vector<std::pair<int, std::string>> reads;
  std::map<std::pair<int, std::string>, double> numbers;
  std::map<std::pair<int, std::string>, std::string> texts;
  std::set<std::pair<int, std::string>> failing;
  int runs = 0;
};

constexpr double kUntouched = -999;

class AncientTableReaderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    resetSharedState();
    Main.ObsYear = 1201;
    Main.ObsMonth = 7;
    Main.ObsDay = 14;
    Main.DayHours = 9.75;
    Main.JD0 = 2159000;
    Main.JDut = 2159000 + 36525;  // a Julian century after the start
    Main.SavedPrecession = 12.5;
    Main.GeneralPrecession = kUntouched;
    Main.PrecessionL = kUntouched;
    for (int body = 0; body <= 11; ++body) Main.LonL[body] = Main.LatB[body] = kUntouched;
  }
};

struct InputCells {
  const char* table;
  const char* year;
  const char* month;
  const char* day;
  const char* hours;
  const char* precession;  // "" none, "Almagest" the formula
  bool precessionAdded;
};

const InputCells kInputs[] = {
    {"AlBattani", "D9", "C9", "B9", "F9", "", false},
    {"AlfonsoTab", "D13", "C13", "B13", "F13", "D39", false},
    {"AlKhwarizmi", "D9", "C9", "B9", "F9", "C22", true},
    {"Almagest", "B6", "C6", "D6", "E6", "Almagest", false},
    {"RudolphineTables", "C10", "D10", "E10", "F10", "3:F27", false},
    {"Streete", "C14", "D14", "E14", "F14", "G20", false},
    {"Tycho", "E11", "D11", "C11", "G11", "", false},
    {"Wing", "C14", "D14", "E14", "F14", "", false},
};

struct BodyCase {
  const char* table;
  int body;
  const char* longitude;
  const char* latitude;  // "" = latitude 0
  bool minutes;
  const char* hemisphere;
};

const BodyCase kBodies[] = {
    {"AlBattani", 0, "C14", "", false, ""},
    {"AlBattani", 1, "C20", "F20", false, ""},
    {"AlBattani", 2, "C19", "F19", false, ""},
    {"AlBattani", 4, "C18", "F18", false, ""},
    {"AlBattani", 11, "C15", "F15", false, ""},
    {"AlfonsoTab", 0, "D46", "", false, ""},
    {"AlfonsoTab", 1, "D145", "", false, ""},
    {"AlfonsoTab", 2, "D128", "", false, ""},
    {"AlfonsoTab", 4, "D112", "", false, ""},
    {"AlfonsoTab", 11, "D55", "D60", false, ""},
    {"AlKhwarizmi", 0, "C14", "", false, ""},
    {"AlKhwarizmi", 1, "C20", "F20", false, ""},
    {"AlKhwarizmi", 2, "C19", "F19", false, ""},
    {"AlKhwarizmi", 4, "C18", "F18", false, ""},
    {"AlKhwarizmi", 11, "C15", "F15", false, ""},
    {"Almagest", 0, "2:N20", "", false, ""},
    {"Almagest", 1, "8:AD61", "8:AD36", true, ""},
    {"Almagest", 2, "7:AD61", "7:AD36", true, ""},
    {"Almagest", 4, "6:AD57", "6:AF30", true, "6:AE30"},
    {"Almagest", 11, "3:X36", "3:X43", false, ""},
    {"RudolphineTables", 0, "C13", "", false, ""},
    {"RudolphineTables", 1, "C19", "G19", false, ""},
    {"RudolphineTables", 2, "C18", "G18", false, ""},
    {"RudolphineTables", 4, "C17", "G17", false, ""},
    {"RudolphineTables", 11, "C23", "G23", false, ""},
    {"Streete", 0, "D25", "", false, ""},
    {"Streete", 1, "9:S35", "9:S41", false, ""},
    {"Streete", 2, "8:S35", "8:S41", false, ""},
    {"Streete", 4, "7:S35", "7:S41", false, ""},
    {"Streete", 11, "G50", "G46", false, ""},
    {"Tycho", 0, "G20", "", false, ""},
    {"Tycho", 11, "G29", "G52", false, ""},
    {"Wing", 0, "3:P19", "", false, ""},
    {"Wing", 1, "8:V51", "8:V52", false, ""},
    {"Wing", 2, "7:V48", "7:V49", false, ""},
    {"Wing", 4, "6:V48", "6:V49", false, ""},
    {"Wing", 11, "G47", "G43", false, ""},
};

const InputCells& inputsOf(const std::string& table) {
  for (const InputCells& inputs : kInputs)
    if (table == inputs.table) return inputs;
  throw std::logic_error("no inputs for " + table);
}

TEST_F(AncientTableReaderTest, EveryBodyOfEveryTableComesFromItsCells) {
  for (const BodyCase& c : kBodies) {
    for (const std::string hemisphere : {"N", "S"}) {
      if (hemisphere == "S" && !*c.hemisphere) continue;
      SCOPED_TRACE(std::string(c.table) + " body " + std::to_string(c.body) + " " + hemisphere);
      SetUp();
      CellTable cells;
      if (*c.hemisphere) cells.setText(c.hemisphere, hemisphere);
      readAncientTable(kObservationWindowTableReader, c.table, cells, c.body, false);

      const InputCells& inputs = inputsOf(c.table);
      EXPECT_EQ(cells.runs, 1) << "one exchange per reading";
      EXPECT_EQ(cells.written.size(), 4u);
      EXPECT_EQ(cells.writtenInto(inputs.year), 1201);
      EXPECT_EQ(cells.writtenInto(inputs.month), 7);
      EXPECT_EQ(cells.writtenInto(inputs.day), 14);
      EXPECT_EQ(cells.writtenInto(inputs.hours), 9.75);

      double precession = 0;
      if (std::string(inputs.precession) == "Almagest")
        precession = 1 + 3.9;  // a century since the start, plus 3.9 degrees
      else if (*inputs.precession)
        precession = cellNumber(inputs.precession);
      EXPECT_DOUBLE_EQ(Main.GeneralPrecession, precession);

      const double added = inputs.precessionAdded ? precession : 0;
      EXPECT_DOUBLE_EQ(Main.LonL[c.body], cellNumber(c.longitude) + added);
      double latitude = *c.latitude ? cellNumber(c.latitude) : 0;
      if (c.minutes) latitude /= 60;
      if (hemisphere == "S") latitude = -latitude;
      EXPECT_DOUBLE_EQ(Main.LatB[c.body], latitude);
      if (c.body != 0) {
        EXPECT_EQ(Main.LonL[0], kUntouched) << "the Sun is read only as the body";
      }
      EXPECT_EQ(Main.PrecessionL, kUntouched) << "no correction asked for";
      EXPECT_TRUE(ancientTableGivesBody(kObservationWindowTableReader, c.table, c.body));
    }
  }
}

TEST_F(AncientTableReaderTest, ABodyTheTableLacksKeepsItsSlotsAndIsNotGiven) {
  const std::pair<const char*, int> lacking[] = {
      {"AlBattani", 5}, {"Wing", 3}, {"Tycho", 1}, {"Tycho", 2}, {"Tycho", 4}, {"Almagest", 10}};
  for (const auto& [table, body] : lacking) {
    SCOPED_TRACE(std::string(table) + " body " + std::to_string(body));
    SetUp();
    CellTable cells;
    readAncientTable(kObservationWindowTableReader, table, cells, body, false);
    EXPECT_EQ(Main.LonL[body], kUntouched);
    EXPECT_EQ(Main.LatB[body], kUntouched);
    EXPECT_EQ(Main.LonL[0], kUntouched);
    EXPECT_FALSE(ancientTableGivesBody(kObservationWindowTableReader, table, body));
  }
  // Names without cells read and write nothing.
  for (const char* name : {"", "HandyTables", "PrutenticTables", "tycho"}) {
    SCOPED_TRACE(name);
    CellTable cells;
    readAncientTable(kObservationWindowTableReader, name, cells, 0, false);
    EXPECT_TRUE(cells.written.empty());
    EXPECT_TRUE(cells.reads.empty());
    EXPECT_EQ(Main.LonL[0], kUntouched);
    EXPECT_FALSE(ancientTableGivesBody(kObservationWindowTableReader, name, 0));
  }
}

// An Almagest Mars latitude of 30 minutes marked "S" is -0.5 degrees.
TEST_F(AncientTableReaderTest, AnAlmagestSouthernLatitudeInMinutesIsNegativeDegrees) {
  CellTable cells;
  cells.setNumber("6:AF30", 30);
  cells.setText("6:AE30", "S");
  readAncientTable(kObservationWindowTableReader, "Almagest", cells, 4, false);
  EXPECT_DOUBLE_EQ(Main.LatB[4], -0.5);
}

// With the correction the longitude read keeps the table's precession at the
// start and moves on at 5025" per century: here a century since JD0.
TEST_F(AncientTableReaderTest, ThePrecessionCorrectionReplacesTheTablesPrecessionSinceTheStart) {
  const double modern = 5025.0 / 3600;
  struct Case {
    const char* table;
    int body;
    const char* longitude;
    double precession;
    bool added;
  };
  const Case cases[] = {
      {"AlfonsoTab", 11, "D55", cellNumber("D39"), false},
      {"AlKhwarizmi", 0, "C14", cellNumber("C22"), true},
      {"AlKhwarizmi", 2, "C19", cellNumber("C22"), true},
      {"Almagest", 0, "2:N20", 1 + 3.9, false},
      {"Wing", 4, "6:V48", 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.table) + " body " + std::to_string(c.body));
    SetUp();
    CellTable cells;
    readAncientTable(kObservationWindowTableReader, c.table, cells, c.body, true);
    EXPECT_DOUBLE_EQ(Main.PrecessionL, modern);
    const double read = cellNumber(c.longitude) + (c.added ? c.precession : 0);
    EXPECT_NEAR(Main.LonL[c.body], read - c.precession + 12.5 + modern, 1e-12);
  }
  // With no table the correction still sets PrecessionL and moves nothing.
  SetUp();
  CellTable cells;
  readAncientTable(kObservationWindowTableReader, "", cells, 0, true);
  EXPECT_DOUBLE_EQ(Main.PrecessionL, modern);
  EXPECT_EQ(Main.LonL[0], kUntouched);
}

// The eclipse window reads the Sun at every reading, counts the Almagest's
// precession from 6.83 degrees and has no Tycho table.
TEST_F(AncientTableReaderTest, TheEclipseWindowReadsTheSunWithEveryBody) {
  CellTable cells;
  readAncientTable(kEclipseWindowTableReader, "AlKhwarizmi", cells, 4, false);
  const double precession = cellNumber("C22");
  EXPECT_DOUBLE_EQ(Main.LonL[0], cellNumber("C14") + precession);
  EXPECT_EQ(Main.LatB[0], 0);
  EXPECT_DOUBLE_EQ(Main.LonL[4], cellNumber("C18") + precession);
  EXPECT_DOUBLE_EQ(Main.LatB[4], cellNumber("F18"));

  SetUp();
  CellTable jupiter;
  readAncientTable(kEclipseWindowTableReader, "Wing", jupiter, 5, false);
  EXPECT_DOUBLE_EQ(Main.LonL[0], cellNumber("3:P19"));
  EXPECT_EQ(Main.LonL[5], kUntouched);

  SetUp();
  CellTable almagest;
  readAncientTable(kEclipseWindowTableReader, "Almagest", almagest, 0, false);
  EXPECT_DOUBLE_EQ(Main.GeneralPrecession, 1 + 6.83);
  EXPECT_EQ(almagest.reads.size(), 1u) << "the Sun once when it is the body";

  SetUp();
  CellTable tycho;
  readAncientTable(kEclipseWindowTableReader, "Tycho", tycho, 0, false);
  EXPECT_TRUE(tycho.written.empty());
  EXPECT_EQ(Main.LonL[0], kUntouched);
  EXPECT_FALSE(ancientTableGivesBody(kEclipseWindowTableReader, "Tycho", 0));
  EXPECT_TRUE(ancientTableGivesBody(kEclipseWindowTableReader, "Wing", 0));
}

// A cell that is no number fails the reading; what was stored before stays.
TEST_F(AncientTableReaderTest, AFailingCellKeepsWhatWasStoredBeforeIt) {
  CellTable cells;
  cells.setFailing("F18");
  EXPECT_EQ(errorOf([&] {
              readAncientTable(kObservationWindowTableReader, "AlBattani", cells, 4, false);
            }),
            ErrorCode::TypeMismatch);
  EXPECT_DOUBLE_EQ(Main.LonL[4], cellNumber("C18"));
  EXPECT_EQ(Main.LatB[4], kUntouched);
  EXPECT_EQ(Main.GeneralPrecession, 0);
}

}  // namespace

// The spreadsheet layer against a real LibreOffice Calc: a small workbook
// whose formulas are known (tests/fixtures/spreadsheet/Formulas.xls, made by
// make_formulas_workbook.py beside it) is opened, given new inputs, read,
// saved and reopened. The truth is the formula of each result cell.
//
// Sheet "Inputs": A1..A4 year, month, day, hours; B1 = A1*2+A2;
// B2 = A3+A4/24; B3 empty; B4 = 1/(A1-A1); C1 "S"; C2 "Марс"; C3 "12,5";
// C4 = IF(A1<1000;"N";"S"). Sheet "Results": A1 = Inputs.B1*10+Inputs.B2.
// Sheet "Notes": A1 = 3.25.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>

#include "core/runtime/ErrorOf.h"
#include "core/spreadsheet/Spreadsheet.h"

namespace {

namespace fs = std::filesystem;

// A fresh folder with copies of the fixture workbook, removed at the end.
class SpreadsheetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("celvan-spreadsheet-" + std::to_string(getpid()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string copyOfFixture(const std::string& name) {
    const fs::path copy = folder_ / name;
    fs::copy_file(fs::path(CELVAN_FIXTURES_DIR) / "spreadsheet" / "Formulas.xls", copy);
    return copy.string();
  }

  fs::path folder_;
};

// Whether this process has a child that has not been reaped.
bool hasChildProcess() {
  return !(waitpid(-1, nullptr, WNOHANG) < 0 && errno == ECHILD);
}

TEST_F(SpreadsheetTest, ReadsFollowWrittenInputsThroughTheFormulas) {
  Spreadsheet application;
  Workbook book = application.openWorkbook(copyOfFixture("Formulas.xls"));
  application.setVisible(true);
  EXPECT_TRUE(application.visible());
  ASSERT_EQ(book.worksheetCount(), 3);
  Worksheet inputs = book.worksheet(1);
  Worksheet results = book.worksheet(2);

  struct Row {
    double year, month, day, hours;
  };
  const Row rows[] = {{900, 1, 1, 12}, {607, 3, 23, 0}, {1620, 12, 31, 23.75}, {-100, 7, 4, 6.5}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.year);
    inputs.writeCell("A1", row.year);
    inputs.writeCell("A2", row.month);
    inputs.writeCell("A3", row.day);
    inputs.writeCell("A4", row.hours);
    const double b1 = row.year * 2 + row.month;
    const double b2 = row.day + row.hours / 24;
    EXPECT_DOUBLE_EQ(inputs.readNumber("B1"), b1);
    EXPECT_DOUBLE_EQ(inputs.readNumber("B2"), b2);
    EXPECT_DOUBLE_EQ(results.readNumber("A1"), b1 * 10 + b2);
    // A text result recomputes too: "N" before the year 1000, "S" from then.
    EXPECT_EQ(inputs.readText("C4"), row.year < 1000 ? "N" : "S");
  }

  // An empty cell reads as 0 and as no text; texts read as they stand, a
  // text that is a number in the user's locale reads as that number, and a
  // number reads as the default number text.
  EXPECT_EQ(inputs.readNumber("B3"), 0);
  EXPECT_EQ(inputs.readText("B3"), "");
  EXPECT_EQ(inputs.readNumber("Z999"), 0);
  EXPECT_EQ(inputs.readText("C1"), "S");
  EXPECT_EQ(inputs.readText("C2"), "Марс");
  EXPECT_DOUBLE_EQ(inputs.readNumber("C3"), 12.5);
  EXPECT_EQ(book.worksheet(3).readText("A1"), "3,25");
  EXPECT_DOUBLE_EQ(book.worksheet(3).readNumber("A1"), 3.25);
}

TEST_F(SpreadsheetTest, EveryFailureIsARuntimeErrorAndTheLayerGoesOn) {
  Spreadsheet application;
  Workbook book = application.openWorkbook(copyOfFixture("Formulas.xls"));
  Worksheet inputs = book.worksheet(1);
  const std::string noWorkbook = (folder_ / "Empty.xls").string();
  fs::create_directories(noWorkbook);
  const std::string words = (folder_ / "Words.txt").string();
  std::ofstream(words) << "Hello world\nsecond line\n";

  struct Case {
    const char* what;
    std::function<void()> work;
    ErrorCode expected;
  };
  const Case cases[] = {
      {"missing file", [&] { application.openWorkbook((folder_ / "Nowhere.xls").string()); },
       ErrorCode::FileNotFound},
      {"a folder in place of the file", [&] { application.openWorkbook(noWorkbook); },
       ErrorCode::FileNotFound},
      {"a file of words", [&] { application.openWorkbook(words); },
       ErrorCode::PathFileAccessError},
      {"worksheet past the count", [&] { book.worksheet(4); }, ErrorCode::SubscriptOutOfRange},
      {"worksheet 0", [&] { book.worksheet(0); }, ErrorCode::SubscriptOutOfRange},
      {"text that is no number", [&] { inputs.readNumber("C1"); }, ErrorCode::TypeMismatch},
      {"text of letters", [&] { inputs.readNumber("C2"); }, ErrorCode::TypeMismatch},
      {"formula that fails", [&] { inputs.readNumber("B4"); }, ErrorCode::TypeMismatch},
      {"no cell address", [&] { inputs.readNumber("9D"); }, ErrorCode::InvalidCall},
      {"a range, not a cell", [&] { inputs.readNumber("A1:B2"); }, ErrorCode::InvalidCall},
      {"writing no number", [&] { inputs.writeCell("A1", std::nan("")); }, ErrorCode::Overflow},
      {"worksheet never set", [] { Worksheet().readNumber("A1"); }, ErrorCode::InvalidCall},
      {"workbook never set", [] { Workbook().worksheet(1); }, ErrorCode::InvalidCall},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(errorOf(c.work), c.expected);
  }

  // The failures broke nothing: the workbook still computes.
  inputs.writeCell("A1", 1000);
  EXPECT_DOUBLE_EQ(inputs.readNumber("B1"), 2001);
}

TEST_F(SpreadsheetTest, SaveAndCloseActOnTheWorkbookOpenedLast) {
  const std::string first = copyOfFixture("First.xls");
  const std::string second = copyOfFixture("Second.xls");
  {
    Spreadsheet application;
    EXPECT_EQ(errorOf([&] { application.closeActiveWorkbook(); }), ErrorCode::InvalidCall);
    Worksheet firstInputs = application.openWorkbook(first).worksheet(1);
    Worksheet secondInputs = application.openWorkbook(second).worksheet(1);
    firstInputs.writeCell("A1", 1234);
    secondInputs.writeCell("A1", 1580);
    secondInputs.writeCell("A4", 18);

    application.saveActiveWorkbook();
    application.closeActiveWorkbook();
    EXPECT_EQ(errorOf([&] { secondInputs.readNumber("A1"); }), ErrorCode::InvalidCall);
    EXPECT_DOUBLE_EQ(firstInputs.readNumber("B1"), 1234 * 2 + 1);

    firstInputs.writeCell("A1", 1700);
    application.saveActiveWorkbook();
    application.closeActiveWorkbook();
    EXPECT_EQ(errorOf([&] { application.saveActiveWorkbook(); }), ErrorCode::InvalidCall);
  }

  // Reopened, each file holds the inputs last written into it and the
  // results that follow from them.
  Spreadsheet application;
  Worksheet firstInputs = application.openWorkbook(first).worksheet(1);
  Worksheet secondInputs = application.openWorkbook(second).worksheet(1);
  EXPECT_DOUBLE_EQ(firstInputs.readNumber("A1"), 1700);
  EXPECT_DOUBLE_EQ(firstInputs.readNumber("B1"), 1700 * 2 + 1);
  EXPECT_DOUBLE_EQ(secondInputs.readNumber("A1"), 1580);
  EXPECT_DOUBLE_EQ(secondInputs.readNumber("B2"), 1 + 18.0 / 24);
}

TEST_F(SpreadsheetTest, TheHelperEndsWhenTheLastReferenceIsDropped) {
  auto application = std::make_unique<Spreadsheet>();
  EXPECT_FALSE(hasChildProcess()) << "nothing starts before the first opening";
  Workbook book = application->openWorkbook(copyOfFixture("Formulas.xls"));
  Worksheet inputs = book.worksheet(1);
  EXPECT_TRUE(hasChildProcess());

  // The application dropped, the workbook and worksheet taken from it still work.
  application.reset();
  inputs.writeCell("A2", 5);
  EXPECT_DOUBLE_EQ(inputs.readNumber("B1"), 900 * 2 + 5);

  book = Workbook();
  inputs = Worksheet();
  EXPECT_FALSE(hasChildProcess());
}

}  // namespace

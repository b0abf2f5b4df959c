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
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

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

// The state letter and parent of a process, from /proc/<pid>/stat
// ("pid (name) state parent ..."); state 0 when there is no such process.
std::pair<char, pid_t> processStateAndParent(const fs::path& procEntry) {
  std::ifstream stat(procEntry / "stat");
  std::string line;
  std::getline(stat, line);
  const std::size_t nameEnd = line.rfind(')');
  if (nameEnd == std::string::npos) return {0, 0};
  std::istringstream rest(line.substr(nameEnd + 1));
  char state = 0;
  pid_t parent = 0;
  rest >> state >> parent;
  return {state, parent};
}

// The processes this test process has started and not yet reaped.
std::vector<pid_t> childProcesses() {
  std::vector<pid_t> children;
  for (const auto& entry : fs::directory_iterator("/proc")) {
    const std::string name = entry.path().filename().string();
    if (name.find_first_not_of("0123456789") != std::string::npos) continue;
    if (processStateAndParent(entry.path()).second == getpid())
      children.push_back(std::stoi(name));
  }
  return children;
}

// Waits until the child has ended (a zombie, not yet reaped).
void waitUntilEnded(pid_t child) {
  const fs::path entry = fs::path("/proc") / std::to_string(child);
  while (processStateAndParent(entry).first != 'Z')
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
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

// One exchange writes the inputs, then reads results across worksheets; a
// read that fails keeps its failure to itself and the reads around it give
// their values; a write that fails fails the exchange before anything is read.
TEST_F(SpreadsheetTest, OneExchangeWritesThenReadsEachCellWithItsOwnFailure) {
  Spreadsheet application;
  Workbook book = application.openWorkbook(copyOfFixture("Formulas.xls"));
  Worksheet inputs = book.worksheet(1);
  Worksheet results = book.worksheet(2);

  CellExchange step;
  step.write(inputs, "A1", 1620);
  step.write(inputs, "A2", 12);
  step.write(inputs, "A3", 31);
  step.write(inputs, "A4", 18);
  const std::size_t b1 = step.read(inputs, "B1");
  const std::size_t failing = step.read(inputs, "B4");
  const std::size_t total = step.read(results, "A1");
  const std::size_t mark = step.read(inputs, "C4");
  const std::size_t empty = step.read(inputs, "B3");
  step.run();
  EXPECT_DOUBLE_EQ(step.number(b1), 1620 * 2 + 12);
  EXPECT_EQ(errorOf([&] { step.number(failing); }), ErrorCode::TypeMismatch);
  EXPECT_DOUBLE_EQ(step.number(total), (1620 * 2 + 12) * 10 + 31 + 18.0 / 24);
  EXPECT_EQ(step.text(mark), "S");
  EXPECT_EQ(step.number(empty), 0);
  EXPECT_EQ(step.text(empty), "");
  EXPECT_EQ(errorOf([&] { step.number(5); }), ErrorCode::InvalidCall);

  CellExchange badWrite;
  badWrite.write(inputs, "A1", 700);
  badWrite.write(inputs, "9D", 1);
  const std::size_t unread = badWrite.read(inputs, "B1");
  EXPECT_EQ(errorOf([&] { badWrite.run(); }), ErrorCode::InvalidCall);
  EXPECT_EQ(errorOf([&] { badWrite.number(unread); }), ErrorCode::InvalidCall);
  // The write before the bad one was made.
  EXPECT_DOUBLE_EQ(inputs.readNumber("B1"), 700 * 2 + 12);

  Worksheet elsewhere = application.openWorkbook(copyOfFixture("Other.xls")).worksheet(1);
  CellExchange twoBooks;
  twoBooks.read(inputs, "A1");
  EXPECT_EQ(errorOf([&] { twoBooks.read(elsewhere, "A1"); }), ErrorCode::InvalidCall);
  EXPECT_EQ(errorOf([&] { CellExchange().read(Worksheet(), "A1"); }), ErrorCode::InvalidCall);
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
  EXPECT_TRUE(childProcesses().empty()) << "nothing starts before the first opening";
  Workbook book = application->openWorkbook(copyOfFixture("Formulas.xls"));
  Worksheet inputs = book.worksheet(1);
  EXPECT_EQ(childProcesses().size(), 1u);

  // The application dropped, the workbook and worksheet taken from it still work.
  application.reset();
  inputs.writeCell("A2", 5);
  EXPECT_DOUBLE_EQ(inputs.readNumber("B1"), 900 * 2 + 5);

  book = Workbook();
  inputs = Worksheet();
  EXPECT_TRUE(childProcesses().empty());
}

TEST_F(SpreadsheetTest, AHelperThatHasGoneFailsItsCallsAndIsReplacedAtTheNextOpening) {
  Spreadsheet application;
  const std::string path = copyOfFixture("Formulas.xls");
  Worksheet inputs = application.openWorkbook(path).worksheet(1);
  inputs.writeCell("A1", 1000);
  const std::vector<pid_t> children = childProcesses();
  ASSERT_EQ(children.size(), 1u);
  kill(children[0], SIGTERM);
  waitUntilEnded(children[0]);

  EXPECT_EQ(errorOf([&] { inputs.readNumber("B1"); }), ErrorCode::InvalidCall);
  EXPECT_EQ(errorOf([&] { application.saveActiveWorkbook(); }), ErrorCode::InvalidCall);

  // A new helper opens the file as it was last saved: the written input is lost
  // with the helper, the formula gives its result from the saved year 900.
  Worksheet reopened = application.openWorkbook(path).worksheet(1);
  EXPECT_DOUBLE_EQ(reopened.readNumber("B1"), 900 * 2 + 1);
  EXPECT_EQ(errorOf([&] { inputs.readNumber("B1"); }), ErrorCode::InvalidCall);
}

// A folder put first on the search path for as long as the object lives,
// the path as it was given back even when the test fails on the way.
class FolderFirstOnPath {
 public:
  explicit FolderFirstOnPath(const fs::path& folder)
      : original_(std::getenv("PATH") ? std::getenv("PATH") : "/usr/bin:/bin") {
    setenv("PATH", (folder.string() + ":" + original_).c_str(), 1);
  }
  ~FolderFirstOnPath() { setenv("PATH", original_.c_str(), 1); }
  const std::string& original() const { return original_; }

 private:
  std::string original_;
};

// An office that ends before it answers is started again. The first
// "soffice" on the path here ends at once the first time it is called and
// starts the real one after that.
TEST_F(SpreadsheetTest, AnOfficeThatEndsBeforeItAnswersIsStartedAgain) {
  const fs::path bin = folder_ / "bin", calledOnce = folder_ / "called-once";
  fs::create_directories(bin);
  const FolderFirstOnPath path(bin);
  {
    std::ofstream script(bin / "soffice");
    script << "#!/bin/sh\n"
           << "if [ ! -e '" << calledOnce.string() << "' ]; then touch '" << calledOnce.string() << "'; exit 1; fi\n"
           << "PATH='" << path.original() << "' exec soffice \"$@\"\n";
  }
  fs::permissions(bin / "soffice", fs::perms::owner_all);
  Spreadsheet application;
  Worksheet inputs = application.openWorkbook(copyOfFixture("Formulas.xls")).worksheet(1);
  inputs.writeCell("A1", 1000);
  EXPECT_DOUBLE_EQ(inputs.readNumber("B1"), 1000 * 2 + 1);
  EXPECT_TRUE(fs::exists(calledOnce)) << "the first start went to the office that ends at once";
}

}  // namespace

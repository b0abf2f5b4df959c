// The ancient tables as the observation window's source, driven through its
// controls over the fixture workbooks (tests/fixtures/tables): the presets of
// every table button with the Julian Day the workbook itself counts from the
// date written into it, a run on the Sun against the program's own Sun, the
// messages, the table's file left as it was, the workbook of the window's
// own table only beside the eclipse window's, and a lock file left beside a
// workbook.
#include <pwd.h>
#include <unistd.h>

#include <QTimer>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "core/state/SharedState.h"
#include "tools/Form16.h"
#include "windows/observations/Form10Fixture.h"

namespace {

namespace fs = std::filesystem;

constexpr double kArcSecondsPerDegree = 3600;

class Form10TablesTest : public Form10Test {
 protected:
  void SetUp() override {
    Form10Test::SetUp();
    fs::create_directories(programFile("Tab"));
    for (const char* name : {"AlBattani", "AlfonsoTab", "AlKhwarizmi", "Almagest", "RudolphineTables",
                             "Streete", "Tycho", "Wing"})
      putTable(name, name);
  }
  // The fixture workbook `fixture` as the program's table `name`.
  void putTable(const std::string& fixture, const std::string& name) {
    fs::copy_file(fs::path(CELVAN_FIXTURES_DIR) / "tables" / (fixture + ".xls"),
                  programFile("Tab/" + name + ".xls"), fs::copy_options::overwrite_existing);
  }
  // The window with the object typed, then the table's button clicked.
  Form10& chooseTable(int index, int object) {
    Form10& form = openWindow();
    type(form.Text1, std::to_string(object));
    click(form.Option4[index]);
    return form;
  }
};

struct TablePresets {
  int index;
  const char* name;
  int sheets;
  const char* year;
  const char* longitude;
  const char* latitude;
  const char* day;
  const char* month;
  bool egyptian;
  bool dayFromNoon;
  const char* julianDayCell;  // where the workbook counts the Julian Day of its date
};

// The buttons, presets and the calendar and day origin of each table, and
// the workbook's own Julian Day of the date written into it: the same
// moment as the program's Julian Day of the date boxes.
TEST_F(Form10TablesTest, EveryTableButtonSetsItsPresetsAndWritesItsDateInTheTablesCalendar) {
  const TablePresets cases[] = {
      {1, "AlBattani", 9, "900", "37", "36", "1", "1", false, true, "AB5"},
      {2, "AlfonsoTab", 7, "1200", "-4", "39,9", "1", "1", false, true, "AB5"},
      {3, "AlKhwarizmi", 9, "800", "44", "33", "1", "1", false, true, "AB5"},
      {4, "Almagest", 8, "607", "39", "30,97", "23", "3", true, true, "AB4"},
      {7, "RudolphineTables", 11, "1600", "12,5", "55,9", "1", "1", false, true, "AB5"},
      {8, "Streete", 10, "1620", "0", "51,5", "1", "1", false, true, "AB5"},
      {9, "Tycho", 1, "1580", "12,5", "55,9", "1", "1", false, false, "AB5"},
      {10, "Wing", 10, "1640", "0", "51,5", "1", "1", false, true, "AB5"},
  };
  Form10& form = openWindow();
  type(form.Text1, "0");
  for (const TablePresets& c : cases) {
    SCOPED_TRACE(c.name);
    click(form.Option4[c.index]);
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_EQ(Main.TheoryName, c.name);
    EXPECT_EQ(form.tableInWorkbook(), c.name);
    EXPECT_EQ(form.TableSheet().size(), static_cast<std::size_t>(c.sheets));
    EXPECT_EQ(form.Text4.Text(), c.year);
    EXPECT_EQ(form.Text24.Text(), c.longitude);
    EXPECT_EQ(form.Text25.Text(), c.latitude);
    EXPECT_EQ(form.Text2.Text(), c.day);
    EXPECT_EQ(form.Text3.Text(), c.month);
    EXPECT_EQ(form.Option7.Value(), c.egyptian);
    EXPECT_EQ(form.Option6.Value(), !c.egyptian);
    EXPECT_EQ(form.Option16.Value(), c.dayFromNoon);
    EXPECT_EQ(form.Option15.Value(), !c.dayFromNoon);
    EXPECT_EQ(form.Check15.Value(), 1);
    EXPECT_EQ(form.Check16.Value(), 1);
    EXPECT_EQ(form.Check17.Value(), 0);
    EXPECT_EQ(form.Text16.Text(), c.year);
    EXPECT_EQ(form.Text14.Text(), std::to_string(std::stoi(c.year) + 30));
    // The workbook's day count (Meeus's INT rule, the era of Nabonassar)
    // against the program's date conversion of the same boxes.
    EXPECT_NEAR(form.TableSheet()[0].readNumber(c.julianDayCell), Main.JD, 1e-6);
    EXPECT_EQ(Main.JD0, Main.JD);
    // The Sun read at the preset date: the workbook's apparent longitude
    // (AlKhwarizmi's counted from the stars, with its precession added back).
    const std::string sunCell = c.egyptian ? "AB14" : "AB15";
    EXPECT_NEAR(std::fmod(Main.LonL[0], 360), form.TableSheet()[0].readNumber(sunCell), 1e-9);
    EXPECT_EQ(Main.LatB[0], 0);
  }

  // The table already chosen again (by code, as a click on the chosen
  // button does nothing): the presets only, nothing read.
  type(form.Text4, "1700");
  Main.LonL[0] = -1;
  form.Option4[10].setValue(true);
  EXPECT_EQ(form.Text4.Text(), "1640");
  EXPECT_EQ(Main.LonL[0], -1);
  EXPECT_EQ(form.tableInWorkbook(), "Wing");
}

// A run on the Sun over a table: the table's Sun is Meeus's low-precision
// apparent longitude, good to about 0.01 degree, so the program's own Sun
// (the Earth by JPL0, light time and aberration, no nutation as the table
// buttons preset) may differ from it by a few hundredths of a degree at
// most, over the year stepped through. No kept-records copy is written for
// a table.
TEST_F(Form10TablesTest, ASunRunOverATableAgreesWithTheProgramsSun) {
  for (const auto& [index, endYear] : {std::pair{1, "901"}, std::pair{4, "608"}, std::pair{9, "1581"}}) {
    SCOPED_TRACE(index);
    Form10& form = chooseTable(index, 0);
    type(form.Text18, "10");
    type(form.Text65, endYear);
    setTicked(form.Check22, true);
    setTicked(form.Check4, true);
    click(form.Command1);
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_GT(form.statistics.N, 36);
    const double meanAbsDL = form.statistics.cell(2, 1) / kArcSecondsPerDegree;
    const double rmsDL = form.statistics.cell(2, 2) / kArcSecondsPerDegree;
    RecordProperty("mean_abs_dL_degrees_" + std::to_string(index), std::to_string(meanAbsDL));
    RecordProperty("rms_dL_degrees_" + std::to_string(index), std::to_string(rmsDL));
    EXPECT_LT(rmsDL, 0.03);
    EXPECT_LT(std::fabs(form.statistics.sumDL / form.statistics.N), 0.03);
    // The table gives latitude 0; the program's Sun lies off the ecliptic
    // of the date by the seconds that its orbit's frame gives.
    EXPECT_LT(form.statistics.cell(3, 2) / kArcSecondsPerDegree, 0.03);
    for (const auto& entry : fs::directory_iterator(programFile("Obs")))
      EXPECT_EQ(entry.path().filename().string().find("_G_41"), std::string::npos) << entry.path();
    click(form.Command14);
  }
}

// A workbook missing or with too few worksheets: "Не найдена таблица" and
// its path; the window then holds no workbook and no worksheet, and a run
// on that table is refused before it starts. A cell that is not a number:
// "Ошибка вычислений в таблицах" and the table's name, and a run stops after
// the pass that met it.
TEST_F(Form10TablesTest, MessagesOfTheTablesAndNoHalfBoundState) {
  fs::remove(programFile("Tab/Wing.xls"));
  putTable("Tycho", "Streete");  // one worksheet where Streete needs ten
  putTable("NotANumber/AlBattani", "AlBattani");
  Form10& form = chooseTable(1, 0);  // AlBattani, whose Sun's cell holds a word
  ASSERT_EQ(boxes.count(), 1);
  EXPECT_EQ(boxes.last().text, "Ошибка вычислений в таблицахAlBattani");
  EXPECT_EQ(boxes.last().title, "Celvan7.0");
  EXPECT_EQ(Main.StopFlag, 0);
  type(form.Text18, "10");
  type(form.Text65, "901");
  click(form.Command1);
  ASSERT_EQ(boxes.count(), 2);
  EXPECT_EQ(boxes.last().text, "Ошибка вычислений в таблицахAlBattani");
  EXPECT_LE(form.statistics.N, 1) << "the run stops after the pass that met the failure";

  for (const auto& [index, name] : {std::pair{10, "Wing"}, std::pair{8, "Streete"}}) {
    SCOPED_TRACE(name);
    const int before = boxes.count();
    const int epochsBefore = form.statistics.N;
    click(form.Option4[index]);
    ASSERT_EQ(boxes.count(), before + 1);
    EXPECT_EQ(boxes.last().text,
              "Не найдена таблица\r\n" + programFile(std::string("Tab/") + name + ".xls").string());
    EXPECT_EQ(boxes.last().title, "Celvan6");
    EXPECT_EQ(Main.TheoryName, name);
    EXPECT_EQ(form.tableInWorkbook(), "");
    EXPECT_TRUE(form.TableSheet().empty());
    click(form.Command1);
    ASSERT_EQ(boxes.count(), before + 2);
    EXPECT_EQ(boxes.last().text,
              "Не найдена таблица\r\n" + programFile(std::string("Tab/") + name + ".xls").string());
    EXPECT_EQ(form.statistics.N, epochsBefore) << "nothing was run";
  }
}

// A body the table does not give is refused before the run, which would
// otherwise compare the program with its own values.
TEST_F(Form10TablesTest, ABodyTheTableLacksIsRefusedBeforeTheRun) {
  Form10& form = chooseTable(9, 4);  // Tycho gives the Sun and the Moon only
  EXPECT_EQ(boxes.count(), 0);
  const double marsBefore = Main.LonL[4];
  click(form.Command1);
  ASSERT_EQ(boxes.count(), 1);
  EXPECT_EQ(boxes.last().text, "В таблице Tycho нет объекта № 4");
  EXPECT_EQ(boxes.last().title, "Celvan7.0");
  EXPECT_EQ(form.statistics.N, 0);
  EXPECT_EQ(Main.LonL[4], marsBefore);
}

// The program never saves a table: after a run, a switch to another table,
// the switch to "Obs" and the closing, each table's file has its bytes.
TEST_F(Form10TablesTest, TheTablesFilesKeepTheirBytes) {
  const std::string alBattani = fileBytes("Tab/AlBattani.xls");
  const std::string wing = fileBytes("Tab/Wing.xls");
  Form10& form = chooseTable(1, 11);
  type(form.Text18, "30");
  type(form.Text65, "901");
  click(form.Command1);
  EXPECT_GT(form.statistics.N, 10);
  click(form.Option4[10]);
  click(form.Command6);
  click(form.Option2);
  EXPECT_EQ(form.tableInWorkbook(), "");
  click(form.Option1);
  click(form.Option4[10]);
  click(form.Command14);
  EXPECT_EQ(boxes.count(), 0);
  EXPECT_EQ(fileBytes("Tab/AlBattani.xls"), alBattani);
  EXPECT_EQ(fileBytes("Tab/Wing.xls"), wing);
}

// The eclipse window on a table of its own beside this window's, the steps
// of the two interleaved: each window reads the Sun of its own table at its
// own dates (its workbook's apparent longitude of the date last written into
// it), no step fails, and the source this window named stays its own. With
// the eclipse window closed, "Начать" runs on this window's table.
TEST_F(Form10TablesTest, TwoWindowsOnTwoTablesEachReadTheirOwn) {
  const auto sunOfWorkbook = [](const std::vector<Worksheet>& sheets) { return sheets[0].readNumber("AB15"); };
  const auto angleBetween = [](double a, double b) { return std::fabs(std::remainder(a - b, 360.0)); };
  Form10& observations = chooseTable(1, 0);  // AlBattani, the Sun
  type(observations.Text18, "10");
  type(observations.Text65, "901");
  Form16& eclipses = form16();
  eclipses.Show();
  type(eclipses.Text1, "11");
  click(eclipses.Option1);
  click(eclipses.Option4[10]);  // Wing
  setTicked(eclipses.Check1, true);  // "Start+Stop"
  click(eclipses.Command1);
  ASSERT_EQ(eclipses.tableInWorkbook(), "Wing");

  QTimer::singleShot(0, [&observations] { click(observations.Command4); });
  click(observations.Command1);
  for (int step = 0; step < 3; ++step) {
    SCOPED_TRACE(step);
    click(observations.Command6);
    EXPECT_LT(angleBetween(shown(observations.Text63), sunOfWorkbook(observations.TableSheet())), 1e-9);
    click(eclipses.Command6);
    EXPECT_LT(angleBetween(shown(eclipses.Text35), sunOfWorkbook(eclipses.TableSheet())), 2e-6);
  }
  EXPECT_GE(observations.statistics.N, 4);
  EXPECT_EQ(Main.TheoryName, "AlBattani");

  click(eclipses.Command14);
  click(observations.Command1);
  EXPECT_GT(observations.statistics.N, 30);
  EXPECT_EQ(boxes.count(), 0) << boxes.last().text;
}

// A lock file beside the workbook, as the user's own spreadsheet program
// leaves it when it is killed (or holds it while it has the table open):
// the table opens and reads all the same, the program writes no lock of its
// own and leaves that one as it was.
TEST_F(Form10TablesTest, AStaleLockFileBesideTheWorkbookDoesNotBlockIt) {
  char host[256] = {};
  gethostname(host, sizeof host - 1);
  const passwd* user = getpwuid(geteuid());
  ASSERT_NE(user, nullptr);
  const std::string lock = "Tab/.~lock.Wing.xls#";
  writeFileBytes(lock, std::string(",") + user->pw_name + "," + host + ",11.12.2024 10:00,file:///home/" +
                           user->pw_name + "/.config/libreoffice/4;");
  const std::string lockBytes = fileBytes(lock);
  Form10& form = chooseTable(10, 0);
  EXPECT_EQ(boxes.count(), 0) << boxes.last().text;
  ASSERT_EQ(form.tableInWorkbook(), "Wing");
  EXPECT_NEAR(std::fmod(Main.LonL[0], 360), form.TableSheet()[0].readNumber("AB15"), 1e-9);
  EXPECT_EQ(fileBytes(lock), lockBytes);
  for (const auto& entry : fs::directory_iterator(programFile("Tab")))
    if (entry.path().extension() != ".xls") {
      EXPECT_EQ(entry.path().filename().string(), ".~lock.Wing.xls#");
    }
}

}  // namespace

// The ancient tables as the eclipse window's source, driven through its
// controls over the fixture workbooks (tests/fixtures/tables): the presets
// of the table buttons with the Julian Day the workbook itself counts from
// the date written into it, the table's Sun reaching the run at the table's
// local time (against Meeus's low-precision Sun, which the workbooks
// compute), the Prec* correction, the workbook closed by "none" and by the
// closing of the window, the messages, and the values of other windows left
// as they were.
#include <cmath>
#include <filesystem>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#include "Form16Fixture.h"
#include "core/runtime/RuntimeError.h"
#include "core/state/SharedState.h"

namespace {

namespace fs = std::filesystem;

constexpr double kDaysPerCentury = 36525.0;

double sinDegrees(double degrees) { return std::sin(degrees * std::numbers::pi / 180.0); }
double cosDegrees(double degrees) { return std::cos(degrees * std::numbers::pi / 180.0); }
double degrees(double radians) { return radians * 180.0 / std::numbers::pi; }

// ET - UT in seconds for the years 500 to 1700: Espenak and Meeus (2006),
// the polynomials the workbooks use.
double deltaTSeconds(double year) {
  if (year >= 1600.0) {
    const double t = year - 1600.0;
    return 120.0 - 0.9808 * t - 0.01532 * t * t + t * t * t / 7129.0;
  }
  const double u = (year - 1000.0) / 100.0;
  return 1574.2 - 556.01 * u + 71.23472 * u * u + 0.319781 * std::pow(u, 3) -
         0.8503463 * std::pow(u, 4) - 0.005050998 * std::pow(u, 5) + 0.0083572073 * std::pow(u, 6);
}

// The Sun's apparent longitude at a moment of universal time, degrees in
// 0..360: Meeus, Astronomical Algorithms, 2nd ed., ch. 25 (eqs. 25.2-25.8,
// accurate to 0.01 degree), at the dynamical time of ET - UT above.
double meeusApparentSun(double julianDayUt) {
  const double year = 2000.0 + (julianDayUt - 2451545.0) / 365.25;
  const double t = (julianDayUt + deltaTSeconds(year) / 86400.0 - 2451545.0) / kDaysPerCentury;
  const double meanLongitude = 280.46646 + 36000.76983 * t + 0.0003032 * t * t;
  const double meanAnomaly = 357.52911 + 35999.05029 * t - 0.0001537 * t * t;
  const double centre = (1.914602 - 0.004817 * t - 0.000014 * t * t) * sinDegrees(meanAnomaly) +
                        (0.019993 - 0.000101 * t) * sinDegrees(2.0 * meanAnomaly) +
                        0.000289 * sinDegrees(3.0 * meanAnomaly);
  const double node = 125.04 - 1934.136 * t;
  const double longitude = meanLongitude + centre - 0.00569 - 0.00478 * sinDegrees(node);
  return std::fmod(std::fmod(longitude, 360.0) + 360.0, 360.0);
}

// Mean obliquity of the ecliptic (IAU 1980, Meeus eq. 22.2), degrees.
double meanObliquity(double julianDay) {
  const double t = (julianDay - 2451545.0) / kDaysPerCentury;
  return 23.0 + 26.0 / 60.0 + (21.448 - 46.8150 * t - 0.00059 * t * t + 0.001813 * t * t * t) / 3600.0;
}

double angleBetween(double a, double b) { return std::remainder(a - b, 360.0); }

class Form16TablesTest : public Form16Test {
 protected:
  static constexpr int kAlBattani = 1, kAlmagest = 4, kRudolphine = 7, kWing = 10;

  void SetUp() override {
    Form16Test::SetUp();
    fs::create_directories(programFile("Tab"));
    for (const char* name :
         {"AlBattani", "AlfonsoTab", "AlKhwarizmi", "Almagest", "RudolphineTables", "Streete", "Wing"})
      putTable(name, name);
  }
  // The fixture workbook `fixture` as the program's table `name`.
  void putTable(const std::string& fixture, const std::string& name) const {
    fs::copy_file(fs::path(CELVAN_FIXTURES_DIR) / "tables" / (fixture + ".xls"),
                  programFile("Tab/" + name + ".xls"), fs::copy_options::overwrite_existing);
  }
  // The window in table mode with the body typed and the table chosen.
  Form16& chooseTable(int index, const std::string& body = "11") {
    Form16& form = form16();
    type(form.Text1, body);
    click(form.Option1);
    click(form.Option4[index]);
    return form;
  }
};

struct EclipsePresets {
  int index;
  const char* name;
  int sheets;
  double meridian;
  const char* year;
  const char* day;
  const char* month;
  bool egyptian;
  const char* julianDayCell;  // where the workbook counts the Julian Day of its date
};

// Every table button: its presets, the date boxes in the table's calendar
// from noon, and the workbook's own Julian Day of the date written into it
// (Meeus's INT rule, or the era of Nabonassar) the same moment as the
// program's Julian Day of the boxes; the table's precession in Text31.
TEST_F(Form16TablesTest, EveryTableButtonSetsItsPresetsAndReadsTheTableAtThatDate) {
  const EclipsePresets cases[] = {
      {1, "AlBattani", 9, 37, "900", "1", "1", false, "AB5"},
      {2, "AlfonsoTab", 7, -4, "1252", "1", "1", false, "AB5"},
      {3, "AlKhwarizmi", 9, 44, "800", "1", "1", false, "AB5"},
      {4, "Almagest", 8, 30, "884", "16", "6", true, "AB4"},
      {7, "RudolphineTables", 11, 12.5, "1600", "1", "1", false, "AB5"},
      {8, "Streete", 10, 0, "1620", "1", "1", false, "AB5"},
      {10, "Wing", 10, 0, "1640", "1", "1", false, "AB5"},
  };
  Form16& form = form16();
  click(form.Option1);
  for (const EclipsePresets& c : cases) {
    SCOPED_TRACE(c.name);
    click(form.Option4[c.index]);
    ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
    EXPECT_EQ(form.sourceName(), c.name);
    EXPECT_EQ(form.tableInWorkbook(), c.name);
    EXPECT_EQ(form.TableSheet().size(), static_cast<std::size_t>(c.sheets));
    EXPECT_EQ(form.TableMeridianLongitude, c.meridian);
    EXPECT_EQ(form.Text4.Text(), c.year);
    EXPECT_EQ(form.Text3.Text(), c.month);
    EXPECT_EQ(form.Text2.Text(), c.day);
    EXPECT_EQ(form.Option7.Value(), c.egyptian);
    EXPECT_EQ(form.Option6.Value(), !c.egyptian);
    EXPECT_TRUE(form.Option16.Value());
    EXPECT_EQ(form.Label16.Caption(),
              c.egyptian ? "день от 26.2.746 г. до н.э." : "день от 1.1.1 г. н.э.");
    EXPECT_NEAR(form.TableSheet()[0].readNumber(c.julianDayCell), shown(form.Text5), 1e-3);
    EXPECT_EQ(form.Text41.Text(), "0");
  }
  // The Almagest's precession at its own date is 6.83 degrees.
  click(form.Option4[kAlmagest]);
  EXPECT_DOUBLE_EQ(shown(form.Text31), 6.83);
}

// A pass in table mode takes the Sun's longitude from the table, read at
// the first ephemeris time moved to the table's meridian: the workbook's
// local Julian Day is the pass's plus ET1 - UT plus the meridian's hours,
// and the row "ГЕО ЭКЛ JD" shows Meeus's apparent Sun of that moment. The
// equatorial row follows from it by the obliquity of the date: the table's
// Sun is what the rest of the pass works on.
TEST_F(Form16TablesTest, TheTablesSunReachesTheRunAtTheTablesLocalTime) {
  struct Case {
    int index;
    double meridian;
    const char* year;
    const char* month;
    const char* day;
    const char* et1Minutes;
  };
  const Case cases[] = {
      {kAlBattani, 37, "900", "3", "20,3", "0"},
      {kRudolphine, 12.5, "1600", "9", "1", "45,5"},
      {kWing, 0, "1640", "12", "24,75", "-10"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.index);
    Form16& form = chooseTable(c.index);
    setTicked(form.Check5, true);
    type(form.Text14, c.et1Minutes);
    typeDate(form, c.year, c.month, c.day);
    startOnePass(form);
    nextPass(form);
    ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
    const double pass = passDay(form);
    const double firstEphemerisDay = pass + shown(form.Text14) / 1440.0;
    EXPECT_NEAR(form.TableSheet()[0].readNumber("AB5"), firstEphemerisDay + c.meridian / 360.0, 1e-6);

    const double sun = meeusApparentSun(firstEphemerisDay);
    EXPECT_NEAR(angleBetween(shown(form.Text35), sun), 0.0, 2e-5);
    EXPECT_EQ(shown(form.Text55), 0.0);

    const double obliquity = meanObliquity(pass);
    const double rightAscension =
        degrees(std::atan2(sinDegrees(sun) * cosDegrees(obliquity), cosDegrees(sun)));
    EXPECT_NEAR(angleBetween(shown(form.Text36), rightAscension), 0.0, 1e-3);
    EXPECT_NEAR(shown(form.Text56), degrees(std::asin(sinDegrees(obliquity) * sinDegrees(sun))), 1e-3);
    click(form.Command14);
  }
}

// With "исправить Prec*" the longitudes keep the table's precession of its
// own date and move on with 5025" per Julian century from there: a century
// after the Almagest's date its own precession (one degree per century)
// gives way to 1.3958 degrees, and Text41 shows the precession applied.
TEST_F(Form16TablesTest, ThePrecCorrectionMovesTheLongitudeByTheModernRate) {
  Form16& form = chooseTable(kAlmagest, "0");
  const double tableStart = shown(form.Text5);
  click(form.Check4);
  type(form.Text2, "16");
  type(form.Text3, "6");
  type(form.Text4, "984");
  startOnePass(form);
  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
  const double centuries = (passDay(form) - tableStart) / kDaysPerCentury;
  EXPECT_NEAR(centuries, 1.0, 0.001);
  const double modern = centuries * 5025.0 / 3600.0;
  // The table's start day as Text5 shows it, to a thousandth of a day.
  EXPECT_NEAR(shown(form.Text31), 6.83 + centuries, 1e-7);
  EXPECT_NEAR(shown(form.Text41), 6.83 + modern, 1e-7);
  const double tableSun = form.TableSheet()[1].readNumber("N20");
  EXPECT_NEAR(angleBetween(shown(form.Text35), tableSun - centuries + modern), 0.0, 2e-6);
}

// A contact seen in table mode carries the date at which the table was
// read: the local time by ET1 at the table's meridian, in the table's
// calendar and day start, as the workbook's input cells hold it, and not
// the observer's local date by ET2. The fixture table's new moon of
// JD 2054156.9758 (911 December 23, 11:25 UT, Julian calendar), when its
// Moon's latitude is near 0, seen from where the Sun stands overhead.
TEST_F(Form16TablesTest, AContactRecordCarriesTheDateTheTableWasReadAt) {
  Form16& form = chooseTable(kAlBattani);
  setTicked(form.Check5, true);
  type(form.Text14, "0");  // ET1 = UT
  typeObserver(form, "9,725", "-23,42");
  setTicked(form.Check30, true);
  type(form.Text5, Str(2054156.9758));
  click(form.Command3);  // "JD->DMY": the date boxes in the table's calendar from noon
  startOnePass(form);
  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
  ASSERT_EQ(contactRecords(), 1);

  std::istringstream in(fileBytes("Dat/Param_data.txt"));
  std::string line;
  for (int i = 0; i <= kContactHeaderLines; ++i) std::getline(in, line);
  std::istringstream record(line);
  std::vector<double> numbers;
  for (std::string field; record >> field;) numbers.push_back(CDbl(field));
  ASSERT_EQ(numbers.size(), 7u);
  const Worksheet& inputs = form.TableSheet()[0];  // year D9, month C9, day B9, hours F9
  EXPECT_NEAR(numbers[0], 1000 * (inputs.readNumber("B9") + inputs.readNumber("F9") / 24), 1.0);
  EXPECT_EQ(numbers[1], 1000 * inputs.readNumber("C9"));
  EXPECT_EQ(numbers[2], 1000 * inputs.readNumber("D9"));
  // Those cells name the moment of the pass at the table's meridian, 37° east.
  EXPECT_NEAR(inputs.readNumber("AB5"), 2054156.9758 + 37.0 / 360.0, 1e-6);
}

// "none" (the switch to the theories selects it) closes the table's
// workbook and clears the name; a table chosen afterwards opens without
// closing anything; closing the window closes its workbook and drops the
// application. The table's file is never saved.
TEST_F(Form16TablesTest, NoneAndTheClosingOfTheWindowCloseTheWorkbook) {
  const std::string alBattani = fileBytes("Tab/AlBattani.xls");
  Form16& form = chooseTable(kAlBattani);
  startOnePass(form);
  Worksheet first = form.TableSheet()[0];
  click(form.Option2);
  EXPECT_TRUE(form.sourceName().empty());
  EXPECT_EQ(form.tableInWorkbook(), "");
  EXPECT_TRUE(form.TableSheet().empty());
  EXPECT_THROW(first.readNumber("AB5"), RuntimeError);

  click(form.Option1);
  click(form.Option4[kWing]);
  EXPECT_EQ(form.tableInWorkbook(), "Wing");
  Worksheet wing = form.TableSheet()[0];
  EXPECT_GT(wing.readNumber("AB5"), 0.0);
  click(form.Command14);
  EXPECT_THROW(wing.readNumber("AB5"), RuntimeError);
  EXPECT_EQ(boxes.count(), 0) << boxes.last().text;
  EXPECT_EQ(fileBytes("Tab/AlBattani.xls"), alBattani);
}

// The messages: a workbook missing or short of worksheets gives "Не найден
// файл" and its path when chosen, and the start refuses the same way; a
// body the table does not give is refused before the run; a cell that is no
// number gives "Ошибка вычислений в таблицах" and stops the run.
TEST_F(Form16TablesTest, MessagesOfTheTables) {
  fs::remove(programFile("Tab/Wing.xls"));
  putTable("Tycho", "Streete");  // one worksheet where Streete needs ten
  putTable("NotANumber/AlBattani", "AlBattani");
  Form16& form = form16();
  click(form.Option1);
  for (const auto& [index, name] : {std::pair{kWing, "Wing"}, std::pair{8, "Streete"}}) {
    SCOPED_TRACE(name);
    const int before = boxes.count();
    const std::string message =
        "Не найден файл\r\n" + programFile(std::string("Tab/") + name + ".xls").string();
    click(form.Option4[index]);
    ASSERT_EQ(boxes.count(), before + 1);
    EXPECT_EQ(boxes.last().text, message);
    EXPECT_EQ(boxes.last().title, "Celvan7");
    EXPECT_EQ(form.tableInWorkbook(), "");
    click(form.Command1);
    ASSERT_EQ(boxes.count(), before + 2);
    EXPECT_EQ(boxes.last().text, message);
  }

  click(form.Option4[kRudolphine]);
  type(form.Text1, "5");  // Jupiter: no table gives it
  const double jdBefore = shown(form.Text5);
  const int before = boxes.count();
  click(form.Command1);
  ASSERT_EQ(boxes.count(), before + 1);
  EXPECT_EQ(boxes.last().text, "В таблице RudolphineTables нет объекта № 5");
  EXPECT_EQ(shown(form.Text5), jdBefore) << "nothing was run";

  type(form.Text1, "11");
  click(form.Option4[kAlBattani]);  // its Sun's cell holds a word
  ASSERT_EQ(boxes.count(), before + 2);
  EXPECT_EQ(boxes.last().text, "Ошибка вычислений в таблицах");
  EXPECT_EQ(boxes.last().title, "Celvan7.0");
  click(form.Command1);  // runs one pass, which meets the word again
  EXPECT_EQ(boxes.last().text, "Ошибка вычислений в таблицах");
  EXPECT_EQ(Main.StopFlag, 1);
}

// A table run leaves the model's speed of gravity and force model, the
// ephemeris reader's state, and what the observation window keeps for its
// own tables (the start day of its run, the precession it kept, its start
// year) as it found them.
TEST_F(Form16TablesTest, ATableRunLeavesTheValuesOfOtherWindowsAsItFoundThem) {
  Main.FiniteVgrFlag = 1;
  Main.Vgr = 2.5e8;
  Main.ForceModel = 1;
  Main.FileState = 5;
  Main.JD0 = 2400000.5;
  Main.SavedPrecession = 1.25;
  Main.StartYear = 1690;

  Form16& form = chooseTable(kAlmagest);
  click(form.Check4);
  startOnePass(form);
  nextPass(form);
  click(form.Command14);
  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;

  EXPECT_EQ(Main.FiniteVgrFlag, 1);
  EXPECT_EQ(Main.Vgr, 2.5e8);
  EXPECT_EQ(Main.ForceModel, 1);
  EXPECT_EQ(Main.FileState, 5);
  EXPECT_EQ(Main.JD0, 2400000.5);
  EXPECT_EQ(Main.SavedPrecession, 1.25);
  EXPECT_EQ(Main.StartYear, 1690);
}

}  // namespace

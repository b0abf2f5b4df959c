// The DE405 reader on a three-block excerpt of ascp2000.405 (JD 2451536.5 to
// 2451632.5), against JPL's own test values for those days (testpo.405, the
// lines kept in testpo-excerpt.txt), and on ascp2060.405 (its one block, JD
// 2473456.5 to 2473488.5) against JPL's testpo line of 2060-01-01 and values
// computed apart (expected-2060.txt);
// the reader's choice of file, block and sub-interval, and what it says of
// days that its files do not hold.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/de405/DE405.h"
#include "core/runtime/ProgramFolder.h"
#include "core/runtime/RuntimeError.h"
#include "tests/core/support/ScratchFolder.h"
#include "core/runtime/TextFile.h"
#include "core/state/SharedState.h"
#include "core/support/AstroTestSupport.h"
#include "core/support/KeptProgramFolder.h"

namespace {

using astro_test::MessageBoxRecorder;

const std::string kFixtureFolder = std::string(CELVAN_FIXTURES_DIR) + "/de405";
constexpr double kFirstBlockStart = 2451536.5;  // blocks of 32 days from here
constexpr double kExcerptEnd = kFirstBlockStart + 3 * 32.0;
constexpr double kEarthMoonMassRatio = 81.30056;  // EMRAT of DE405
constexpr int16_t kEquatorialAU = 0;
constexpr int16_t kEclipticMetres = 1;
constexpr int32_t kSun = 0, kEarthMoonBarycentre = 3, kMars = 4, kJupiter = 5, kSaturn = 6, kNeptune = 8, kMoon = 11;
// What the fixture's files cover, as the reader's message names it.
constexpr const char* kFixtureCoverage =
    "Файлы DE405 в папке JPL охватывают JD 2451536,5 - 2451632,5 (годы 1999,97 - 2000,23); "
    "JD 2473456,5 - 2473488,5 (годы 2059,99 - 2060,07)";

// Each test points the program folder at its files; the folder and the file
// numbers come back as they were afterwards.
class DE405Reader : public ::testing::Test {
 protected:
  void TearDown() override { closeDE405File(); }

 private:
  const KeptProgramFolder keptFolder_;
};

void startWithTheExcerpt() {
  astro_test::setStartupConstants();
  setProgramFolder(kFixtureFolder);
}

// Loads the block of the day and evaluates the bodies there, frame 0.
void evaluateAt(double julianDay, std::initializer_list<int32_t> bodies, int16_t frame = kEquatorialAU) {
  Main.JD = julianDay;
  LoadDE405Block();
  for (int32_t body : bodies) EvaluateDE405Body(body, frame);
}

struct Vector {
  double x, y, z;
};
Vector positionOf(int32_t body) { return {Main.X[body], Main.Y[body], Main.Z[body]}; }
Vector velocityOf(int32_t body) { return {Main.VX[body], Main.VY[body], Main.VZ[body]}; }
double component(const Vector& v, int coordinate) {
  return coordinate == 1 ? v.x : coordinate == 2 ? v.y : v.z;
}

// The Earth itself, from the barycentre of the Earth and the Moon and the
// geocentric Moon (AU, frame 0).
Vector earthPosition() {
  const Vector emb = positionOf(kEarthMoonBarycentre), moon = positionOf(kMoon);
  const double share = 1.0 / (1.0 + kEarthMoonMassRatio);
  return {emb.x - share * moon.x, emb.y - share * moon.y, emb.z - share * moon.z};
}

// Position of a testpo body or centre, AU: 1..9 the planets (3 the Earth),
// 10 the Moon, 11 the Sun, 12 the barycentre of the Solar System, 13 the
// Earth-Moon barycentre.
Vector testpoPosition(int number) {
  switch (number) {
    case 12: return {0, 0, 0};
    case 3: return earthPosition();
    case 10: {
      const Vector earth = earthPosition(), moon = positionOf(kMoon);
      return {earth.x + moon.x, earth.y + moon.y, earth.z + moon.z};
    }
    case 11: return positionOf(kSun);
    case 13: return positionOf(kEarthMoonBarycentre);
    default: return positionOf(number);
  }
}

// The body runs on from `before` (with its velocity) over `days` to `after`:
// the series of two neighbouring intervals join to the rounding of their
// coefficients (2e-6 km, about 1e-14 AU).
void expectSmoothJoin(int32_t body, double dayBefore, double dayAfter) {
  evaluateAt(dayBefore, {body});
  const Vector before = positionOf(body), velocity = velocityOf(body);
  evaluateAt(dayAfter, {body});
  const Vector after = positionOf(body);
  const double days = dayAfter - dayBefore;
  EXPECT_NEAR(after.x, before.x + velocity.x * days, 1e-13);
  EXPECT_NEAR(after.y, before.y + velocity.y * days, 1e-13);
  EXPECT_NEAR(after.z, before.z + velocity.z * days, 1e-13);
}

struct TestpoLine {
  double julianDay;
  int target, centre, coordinate;
  double value;
  std::string text;
};

// The lines of a file in testpo's layout after its "EOT" header line.
std::vector<TestpoLine> readTestpo(const std::string& name = "testpo-excerpt.txt") {
  std::ifstream file(kFixtureFolder + "/" + name);
  std::string line;
  while (std::getline(file, line) && line.rfind("EOT", 0) != 0) {
  }
  std::vector<TestpoLine> lines;
  while (std::getline(file, line)) {
    std::istringstream fields(line);
    std::string denum, date;
    TestpoLine t{};
    if (fields >> denum >> date >> t.julianDay >> t.target >> t.centre >> t.coordinate >> t.value) {
      t.text = line;
      lines.push_back(t);
    }
  }
  return lines;
}

// JPL's own test: positions to 1e-13 AU. (The nutation line of the excerpt
// is not a body: the program's reader serves the Sun, planets and Moon.)
TEST_F(DE405Reader, AgreesWithJplTestValues) {
  startWithTheExcerpt();
  const std::vector<TestpoLine> lines = readTestpo();
  int checked = 0;
  for (const TestpoLine& t : lines) {
    if (t.target > 13 || t.coordinate > 3) continue;
    SCOPED_TRACE(t.text);
    evaluateAt(t.julianDay, {kSun, kEarthMoonBarycentre, kNeptune, kMoon});
    const double difference =
        component(testpoPosition(t.target), t.coordinate) - component(testpoPosition(t.centre), t.coordinate);
    EXPECT_NEAR(difference, t.value, 1e-13);
    ++checked;
  }
  EXPECT_EQ(checked, 2) << "the fixture holds two body lines";
}

// The days from 2059-12-29 on are read from ascp2060.405, whose one block is
// the last of ascp2040.405; its values agree with JPL's own testpo line for
// 2060-01-01 (testpo-2060.txt) and with an evaluation made apart from the
// reader (expected-2060.txt says how), to the 13 printed decimals.
TEST_F(DE405Reader, ADayOf2060IsReadFromItsOwnFile) {
  startWithTheExcerpt();
  std::vector<TestpoLine> lines = readTestpo("testpo-2060.txt");
  ASSERT_EQ(lines.size(), 1u);
  const std::vector<TestpoLine> computedApart = readTestpo("expected-2060.txt");
  ASSERT_EQ(computedApart.size(), 3u);
  lines.insert(lines.end(), computedApart.begin(), computedApart.end());
  for (const TestpoLine& t : lines) {
    SCOPED_TRACE(t.text);
    MessageBoxRecorder recorder;
    evaluateAt(t.julianDay, {kSun, kEarthMoonBarycentre, kMars, kJupiter, kSaturn, kMoon});
    EXPECT_TRUE(recorder.boxes().empty());
    EXPECT_EQ(Main.DE405FileYear, 2060);
    EXPECT_EQ(Main.DE405BlockStartJD, 2473456.5);
    const double difference =
        component(testpoPosition(t.target), t.coordinate) - component(testpoPosition(t.centre), t.coordinate);
    EXPECT_NEAR(difference, t.value, 1e-13);
  }
}

// Frame 1 turns the equatorial frame about its X axis onto the ecliptic of
// J2000 and gives metres and m/s.
TEST_F(DE405Reader, EclipticFrameInMetres) {
  startWithTheExcerpt();
  const double day = 2451545.0;
  evaluateAt(day, {kSun, kEarthMoonBarycentre});
  const Vector sun0 = positionOf(kSun), emb0 = positionOf(kEarthMoonBarycentre);
  const Vector embVelocity0 = velocityOf(kEarthMoonBarycentre);
  evaluateAt(day, {kSun, kEarthMoonBarycentre}, kEclipticMetres);
  const Vector sun1 = positionOf(kSun), emb1 = positionOf(kEarthMoonBarycentre);
  const Vector embVelocity1 = velocityOf(kEarthMoonBarycentre);

  EXPECT_NEAR(emb1.x, Main.Lae * emb0.x, 1e-15 * Main.Lae);
  EXPECT_NEAR(embVelocity1.x, Main.Lae / 86400.0 * embVelocity0.x, 1e-12);
  EXPECT_NEAR(std::hypot(emb1.x, emb1.y, emb1.z), Main.Lae * std::hypot(emb0.x, emb0.y, emb0.z), 1.0);
  EXPECT_NEAR(std::hypot(embVelocity1.x, embVelocity1.y, embVelocity1.z),
              Main.Lae / 86400.0 * std::hypot(embVelocity0.x, embVelocity0.y, embVelocity0.z), 1e-9);

  // The ecliptic is the plane of the Earth's orbit: from the Earth-Moon
  // barycentre the Sun stands within 1" of it, while in the equatorial frame
  // it stands 23° south (early January).
  const auto latitude = [](const Vector& from, const Vector& to) {
    const double dx = to.x - from.x, dy = to.y - from.y, dz = to.z - from.z;
    return std::atan2(dz, std::hypot(dx, dy)) * 180.0 / M_PI;
  };
  EXPECT_NEAR(latitude(emb1, sun1), 0.0, 1.0 / 3600.0);
  EXPECT_NEAR(latitude(emb0, sun0), -23.0, 0.1);
  // The Earth-Moon barycentre moves at about 29.8 km/s around the Sun.
  EXPECT_NEAR(std::hypot(embVelocity1.x, embVelocity1.y, embVelocity1.z), 30.3e3, 0.6e3);
}

// The velocity series is the time derivative of the position series.
TEST_F(DE405Reader, VelocitiesAreTheRatesOfThePositions) {
  startWithTheExcerpt();
  const double day = kFirstBlockStart + 5.3;  // inside one sub-interval of every body
  const double h = 1e-4;                      // days
  for (int32_t body : {kSun, 1, kEarthMoonBarycentre, 5, kMoon}) {
    SCOPED_TRACE(body);
    evaluateAt(day - h, {body});
    const Vector before = positionOf(body);
    evaluateAt(day + h, {body});
    const Vector after = positionOf(body);
    evaluateAt(day, {body});
    const Vector rate = velocityOf(body);
    const double interval = (day + h) - (day - h);  // as the two days are held
    EXPECT_NEAR(rate.x, (after.x - before.x) / interval, 1e-11);
    EXPECT_NEAR(rate.y, (after.y - before.y) / interval, 1e-11);
    EXPECT_NEAR(rate.z, (after.z - before.z) / interval, 1e-11);
  }
}

// The Moon's block holds eight sub-intervals of four days: each day is
// served by its own, with the normalised time running from -1 to 1, and the
// position runs on without a jump from one sub-interval to the next.
TEST_F(DE405Reader, MoonTakesTheSubIntervalOfTheDay) {
  startWithTheExcerpt();
  struct Row {
    double daysIntoBlock, chebyshevTime;
  };
  const Row rows[] = {{0.0, -1.0}, {5.0, -0.5}, {7.0, 0.5}, {31.0, 0.5}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.daysIntoBlock);
    evaluateAt(kFirstBlockStart + row.daysIntoBlock, {kMoon});
    EXPECT_DOUBLE_EQ(Main.ChebyshevTime, row.chebyshevTime);
  }
  for (double boundary = 4.0; boundary < 32.0; boundary += 4.0) {
    SCOPED_TRACE(boundary);
    const double day = kFirstBlockStart + boundary;
    expectSmoothJoin(kMoon, day - 1e-7, day);
  }
}

TEST_F(DE405Reader, DayAtABlocksEndIsServedByTheNextBlock) {
  startWithTheExcerpt();
  const double blockEnd = kFirstBlockStart + 32.0;
  evaluateAt(blockEnd - 1e-9, {});
  EXPECT_EQ(Main.DE405RecordNumber, 1);
  evaluateAt(blockEnd, {});
  EXPECT_EQ(Main.DE405RecordNumber, 2);
  EXPECT_EQ(Main.IterIndex, 1018);
  EXPECT_EQ(Main.DE405BlockStartJD, blockEnd);
  EXPECT_EQ(Main.DE405BlockEndJD, blockEnd + 32.0);
  EXPECT_EQ(Main.EphemerisJD, blockEnd);
  EXPECT_EQ(Main.FileState, 10);
  for (int32_t body : {kSun, 1, kEarthMoonBarycentre, kNeptune, kMoon}) {
    SCOPED_TRACE(body);
    expectSmoothJoin(body, blockEnd - 1e-7, blockEnd);
  }
}

// File k serves B(k) <= JD < B(k + 1). A file holds the blocks of its range
// and repeats the first block of the next one: 229 blocks, or 230 where the
// range is 7328 days (README of the DE405 data: 230 in the 1980 and 2040
// files).
TEST_F(DE405Reader, PicksTheTwentyYearFileOfTheDay) {
  startWithTheExcerpt();
  struct Row {
    double julianDay;
    int year, blocks;
  };
  const Row rows[] = {{2451545.0, 2000, 229}, {2473456.5, 2060, 229}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.julianDay);
    MessageBoxRecorder recorder;
    Main.JD = row.julianDay;
    LoadDE405Block();
    EXPECT_EQ(Main.DE405FileYear, row.year);
    EXPECT_EQ(Main.DE405RecordsInFile, row.blocks);
    EXPECT_EQ(Main.FileState, 10);
    EXPECT_TRUE(recorder.boxes().empty());
  }
}

// The files present, each as far as its blocks go within its range; files
// that follow each other make one span; no file, no span.
TEST_F(DE405Reader, CoverageIsFoundFromTheFilesPresent) {
  startWithTheExcerpt();
  const std::vector<DE405DaySpan> spans = DE405Coverage();
  ASSERT_EQ(spans.size(), 2u);
  EXPECT_EQ(spans[0].first, 2451536.5);
  EXPECT_EQ(spans[0].end, kExcerptEnd);
  EXPECT_EQ(spans[1].first, 2473456.5);
  EXPECT_EQ(spans[1].end, 2473488.5);
  EXPECT_EQ(DE405CoverageText(), kFixtureCoverage);

  const ScratchFolder scratch("de405-joined");
  const std::filesystem::path& folder = scratch.path();
  std::filesystem::create_directories(folder / "JPL");
  setProgramFolder(folder.string());
  EXPECT_EQ(DE405CoverageText(), "В папке JPL нет файлов DE405 (ascpГГГГ.405)");
  // A 2040 file whose last block ends where the 2060 file begins: one span.
  {
    std::ofstream file(folder / "JPL" / "ascp2040.405");
    file << "     1  1018\n  0.247342450000000000D+07  0.247345650000000000D+07\n";
    for (long i = 3; i <= 1020; ++i) file << "  0.0D+00\n";
  }
  std::filesystem::copy_file(kFixtureFolder + "/JPL/ascp2060.405", folder / "JPL" / "ascp2060.405");
  const std::vector<DE405DaySpan> joined = DE405Coverage();
  ASSERT_EQ(joined.size(), 1u);
  EXPECT_EQ(joined[0].first, 2473424.5);
  EXPECT_EQ(joined[0].end, 2473488.5);
}

// Days the files do not hold: the message with what the files present
// cover, the stop flag, no file left open. Days outside all ranges, and days
// whose file is missing, keep the previous file year (nothing is opened);
// JD 2524592.5, the end of the last file, is outside too (it used to pass
// the range test and then match no file). Only ascp2000.405 (its first three
// blocks) and ascp2060.405 are in the fixture: a day before 2451536.5 is
// served by the missing ascp1980.405, and a day past the blocks of a file
// present is refused after its file was opened.
TEST_F(DE405Reader, DaysTheFilesDoNotHoldAreRefusedWithWhatTheyCover) {
  startWithTheExcerpt();
  struct Row {
    double julianDay;
    bool opensItsFile;
  };
  const Row rows[] = {{2305424.4, false},    {2524592.5, false}, {2600000.0, false}, {0.0, false},
                      {std::nan(""), false}, {2305424.5, false}, {2378480.5 /* 1801 */, false},
                      {2451536.4, false},    {2466128.5, false}, {2524592.4, false},
                      {kExcerptEnd, true},   {2473488.5, true}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.julianDay);
    closeDE405File();
    Main.DE405FileYear = 1900;
    Main.StopFlag = 0;
    MessageBoxRecorder recorder;
    Main.JD = row.julianDay;
    LoadDE405Block();
    ASSERT_EQ(recorder.boxes().size(), 1u);
    EXPECT_EQ(recorder.boxes()[0].text, std::string("В файлах DE405 нет такой даты\r\n") + kFixtureCoverage);
    EXPECT_EQ(recorder.boxes()[0].title, "Celvan7m");
    EXPECT_EQ(Main.StopFlag, 1);
    EXPECT_EQ(Main.FileState, 0);
    if (!row.opensItsFile) { EXPECT_EQ(Main.DE405FileYear, 1900); }
  }
}

// A day outside the block in memory is served from its own block, never
// extrapolated from the block in memory.
TEST_F(DE405Reader, EvaluatingADayOutsideTheBlockLoadsItsBlock) {
  startWithTheExcerpt();
  const double laterDay = kFirstBlockStart + 70.0;  // third block
  evaluateAt(laterDay, {5});
  const Vector direct = positionOf(5);

  evaluateAt(kFirstBlockStart + 1.0, {5});
  Main.EphemerisJD = laterDay;
  EvaluateDE405Body(5, kEquatorialAU);
  EXPECT_EQ(Main.DE405RecordNumber, 3);
  EXPECT_EQ(positionOf(5).x, direct.x);
  EXPECT_EQ(positionOf(5).y, direct.y);
  EXPECT_EQ(positionOf(5).z, direct.z);
}

TEST_F(DE405Reader, EvaluatingADayOutsideTheFilesIsRefused) {
  startWithTheExcerpt();
  evaluateAt(2451545.0, {5});
  const Vector before = positionOf(5);
  MessageBoxRecorder recorder;
  Main.StopFlag = 0;
  Main.EphemerisJD = 2600000.0;
  EvaluateDE405Body(5, kEquatorialAU);
  ASSERT_EQ(recorder.boxes().size(), 1u);
  EXPECT_EQ(recorder.boxes()[0].text.rfind("В файлах DE405 нет такой даты\r\n", 0), 0u);
  EXPECT_EQ(Main.StopFlag, 1);
  EXPECT_EQ(positionOf(5).x, before.x);
}

TEST_F(DE405Reader, EvaluatorErrorsGiveItsMessageAndStop) {
  struct Case {
    const char* what;
    int32_t body;
    double julianDay;
  };
  const Case cases[] = {
      {"object 12 has no record layout", 12, 2451545.0},
      {"object 13 is beyond the layout table", 13, 2451545.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    startWithTheExcerpt();
    evaluateAt(2451545.0, {});
    MessageBoxRecorder recorder;
    Main.EphemerisJD = c.julianDay;
    EvaluateDE405Body(c.body, kEquatorialAU);
    ASSERT_EQ(recorder.boxes().size(), 1u);
    EXPECT_EQ(recorder.boxes()[0].text, "Ошибка чтения файлов JPL");
    EXPECT_EQ(recorder.boxes()[0].title, "Celvan7");
    EXPECT_EQ(Main.StopFlag, 1);
  }
}

TEST_F(DE405Reader, OtherFramesComputeTheSumsOnly) {
  startWithTheExcerpt();
  Main.X[kEarthMoonBarycentre] = 42.0;
  evaluateAt(2451545.0, {kEarthMoonBarycentre}, 2);
  EXPECT_EQ(Main.X[kEarthMoonBarycentre], 42.0);
  // The sums are kilometres: about one astronomical unit from the barycentre.
  EXPECT_NEAR(std::hypot(Main.DE405SumX[3], Main.DE405SumY[3], Main.DE405SumZ[3]), 1.47e8, 0.01e8);
}

// One file at a time: a new load closes the reader's earlier file, and a
// closed file is marked closed, so that a later close never hits a file that
// has since taken its number.
TEST_F(DE405Reader, KeepsOneFileOpenAndMarksItClosed) {
  startWithTheExcerpt();
  evaluateAt(2451545.0, {});
  const int16_t handle = Main.DE405FileHandle;
  for (int load = 0; load < 600; ++load) LoadDE405Block();  // more loads than file numbers
  EXPECT_EQ(Main.DE405FileHandle, handle);
  EXPECT_EQ(Main.FileState, 10);

  closeDE405File();
  EXPECT_EQ(Main.FileState, 0);
  const ScratchFolder scratch("de405-other");
  const std::string otherPath = (scratch.path() / "de405-other.txt").string();
  const int other = FreeFile();
  EXPECT_EQ(other, handle);  // the number is free again
  Open(otherPath, OpenMode::Output, other);
  closeDE405File();          // nothing of the reader's is open: the other file stays
  PrintJoined(other, {std::string("still open")});
  Close(other);
}

// A file that is not in the layout is refused with a run-time error.
TEST_F(DE405Reader, MalformedFilesRaiseARunTimeError) {
  struct Case {
    const char* what;
    std::string text;
  };
  std::ostringstream wrongCount;
  wrongCount << "     1  1017\n";
  for (int i = 0; i < 340; ++i) wrongCount << "  0.245153650000000000D+07  0.245156850000000000D+07  0.1D+00\n";
  std::ostringstream wrongLength;
  wrongLength << "     1  1018\n  0.245153650000000000D+07  0.245157650000000000D+07  0.1D+00\n";
  for (int i = 1; i < 340; ++i) wrongLength << "  0.1D+00  0.1D+00  0.1D+00\n";
  const Case cases[] = {
      {"count is not 1018", wrongCount.str()},
      {"block is not 32 days", wrongLength.str()},
      {"short block", "     1  1018\n  0.245153650000000000D+07  0.245156850000000000D+07\n"},
      {"text instead of a number", "     1  1018\n  0.2451536500D+07  x  0.1D+00\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    astro_test::setStartupConstants();
    const ScratchFolder scratch("de405-bad");
    const std::filesystem::path& folder = scratch.path();
    std::filesystem::create_directories(folder / "JPL");
    std::ofstream(folder / "JPL" / "ascp2000.405") << c.text;
    setProgramFolder(folder.string());
    Main.JD = 2451545.0;
    EXPECT_THROW(LoadDE405Block(), RuntimeError);
    closeDE405File();
  }
}

}  // namespace

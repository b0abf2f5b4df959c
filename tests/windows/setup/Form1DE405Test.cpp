// The source "параметры и данные JPL2 (J2000)": the Sun, the planets and the
// Moon from the DE405 file, checked against JPL's own test values for the
// days of the excerpt in tests/fixtures/de405.
#include <cmath>

#include "Form1Fixture.h"
#include "JplTestValues.h"

namespace {

constexpr double kAUkm = 149597870.691;                      // DE405 astronomical unit
constexpr double kEarthMoonMassRatio = 81.30056;            // DE405 EMRAT
constexpr double kObliquity = 23.43929111 * M_PI / 180;     // of J2000

// The day to type so that the ephemeris time of the load (the date plus the
// parabola's ET-UT) falls on jed.
double dayOfMonthFor(double jed, double firstOfMonthJD) {
  double jd = jed;
  for (int pass = 0; pass < 4; ++pass) {
    const double t = (jd - 2415020.0) / 36525;
    jd = jed - (24.35 + 72.32 * t + 29.95 * t * t) / 86400;
  }
  return 1.0 + (jd - firstOfMonthJD);
}

struct Vector {
  double x, y, z;
};
Vector operator-(Vector a, Vector b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vector operator*(double k, Vector a) { return {k * a.x, k * a.y, k * a.z}; }

// Ecliptic J2000 (m) to equatorial J2000 (AU).
Vector equatorialAU(Vector ecliptic) {
  const double c = std::cos(kObliquity), s = std::sin(kObliquity);
  const double perAU = 1.0 / (kAUkm * 1000);
  return {ecliptic.x * perAU, (c * ecliptic.y - s * ecliptic.z) * perAU,
          (s * ecliptic.y + c * ecliptic.z) * perAU};
}

double component(Vector v, int coordinate) {
  return coordinate == 1 ? v.x : coordinate == 2 ? v.y : v.z;
}

// Position of object i in the grid's initial-data mode, m.
Vector shownPosition(const Form1& form, int i) {
  return {CDbl(form.Text1[i].Text()) * 1e6, CDbl(form.Text2[i].Text()) * 1e6,
          CDbl(form.Text3[i].Text()) * 1e6};
}

Vector moonFromEarth() { return {Main.X[11], Main.Y[11], Main.Z[11]}; }

class Form1DE405Test : public Form1Test {
 protected:
  // Loads "JPL2" with the Moon for the day of a testpo line, grid showing
  // the initial data.
  Form1& loadAt(const TestpoLine& line, const std::string& year, const std::string& month,
                double firstOfMonthJD) {
    installDE405Excerpt();
    Form1& form = startProgram();
    click(form.Check3);
    click(form.Option3);
    click(form.Option9);
    EXPECT_EQ(form.Option9.Caption(), "параметры и данные JPL2 (J2000)");
    typeDate(form, year, month, Str(dayOfMonthFor(line.jed, firstOfMonthJD)));
    click(form.Command3);
    // The date is a double: about 1e-9 day from the wanted day.
    EXPECT_NEAR(Main.JDet1, line.jed, 1e-9);
    return form;
  }
};

}  // namespace

TEST_F(Form1DE405Test, NeptuneSeenFromTheEarthAsJPLsTestGivesIt) {
  const TestpoLine line = testpoLine(8, 3);
  Form1& form = loadAt(line, "2000", "3", 2451604.5);
  ASSERT_EQ(boxes.count(), 1);  // the note on the Moon's orbit
  EXPECT_EQ(boxes.last().text,
            "Для расчета параметров неоскулирующей \nорбиты Луны использована теория Ser0 ");
  // Object 3 is the Earth-Moon barycentre of the ephemeris; the Earth lies
  // 1/(1 + EMRAT) of the Moon's geocentric vector from it.
  const Vector earth =
      shownPosition(form, 3) - (1 / (1 + kEarthMoonMassRatio)) * moonFromEarth();
  const Vector neptune = shownPosition(form, 8);
  // Tolerance: the date's 1e-9 day moves the Earth by up to 3 m.
  EXPECT_NEAR(component(equatorialAU(neptune - earth), line.coordinate), line.value, 3e-11);
  // The Sun is given about the barycentre of the Solar System, within a few
  // of its radii of it.
  EXPECT_LT(std::hypot(Main.X[0], Main.Y[0]), 2e9);
  EXPECT_NE(Main.X[0], 0);
  // The reader's file is closed and known to be closed.
  EXPECT_EQ(Main.FileState, 0);
}

TEST_F(Form1DE405Test, TheMoonAboutTheEarthMoonBarycentreAsJPLsTestGivesIt) {
  const TestpoLine line = testpoLine(10, 13);
  loadAt(line, "2000", "1", 2451544.5);
  const Vector moonFromBarycentre =
      (kEarthMoonMassRatio / (1 + kEarthMoonMassRatio)) * moonFromEarth();
  EXPECT_NEAR(component(equatorialAU(moonFromBarycentre), line.coordinate), line.value, 1e-12);
  // Split about the barycentre, the Moon keeps the ephemeris's geocentric
  // position and velocity relative to the Earth (mm and µm/s: rounding of
  // sums of AU-sized numbers).
  EXPECT_NEAR(Main.X0[10] - Main.X0[3], Main.X[11], 1e-3);
  EXPECT_NEAR(Main.Y0[10] - Main.Y0[3], Main.Y[11], 1e-3);
  EXPECT_NEAR(Main.VX0[10] - Main.VX0[3], Main.VX[11], 1e-6);
}

// A date before all files, and the window's own start date (1801, whose
// file is not there): the load ends after the reader's message, which says
// which days the files present cover, and changes nothing.
TEST_F(Form1DE405Test, ADateTheFilesDoNotHoldEndsTheLoadAfterTheReadersMessage) {
  installDE405Excerpt();
  for (const char* year : {static_cast<const char*>("1500"), static_cast<const char*>(nullptr)}) {
    SCOPED_TRACE(year == nullptr ? "start date" : year);
    Form1& form = startProgram();
    const double mercuryX = Main.X[1];
    const std::string mercuryShown = form.Text1[1].Text();
    click(form.Option9);
    if (year != nullptr) typeDate(form, year, "1", "1");
    boxes.clear();
    click(form.Command3);
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text,
              "В файлах DE405 нет такой даты\r\n"
              "Файлы DE405 в папке JPL охватывают JD 2451536,5 - 2451632,5 (годы 1999,97 - 2000,23)");
    EXPECT_EQ(boxes.last().title, "Celvan7m");
    EXPECT_EQ(Main.X[1], mercuryX);
    EXPECT_EQ(form.Text1[1].Text(), mercuryShown);
    EXPECT_EQ(Main.FileState, 0);
    form.Unload();
  }
}

TEST_F(Form1DE405Test, ExitAfterTheDE405SourceEndsEveryWindow) {
  installDE405Excerpt();
  Form1& form = startProgram();
  click(form.Option9);
  typeDate(form, "2000", "1", "1,5");
  click(form.Command3);
  EXPECT_EQ(Main.FileState, 0);
  click(form.Command9);
  EXPECT_EQ(ui::loadedFormCount(), 0);
  EXPECT_EQ(boxes.count(), 0);
}

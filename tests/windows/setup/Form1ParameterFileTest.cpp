// The parameter file "\Dat\Celvan" & N & ".dat": its layout, a save and load
// round trip within the file's scaling, the start tables it keeps, the Moon
// case, and the refusals of files that cannot be used.
#include <array>
#include <cmath>
#include <sstream>

#include "Form1Fixture.h"
#include "core/runtime/TextFile.h"

namespace {

std::vector<std::string> linesOf(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(bytes.substr(start, end - start));
  if (start < bytes.size()) lines.push_back(bytes.substr(start));
  return lines;
}

std::vector<std::string> fieldsOf(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> fields;
  for (std::string field; in >> field;) fields.push_back(field);
  return fields;
}

// What the tables of one object hold, to compare before and after a load.
struct ObjectParameters {
  double alfaL, rsr, wsr, eks, betta, alfaP, alfaU, x0, y0, z0, vx0, vy0, vz0, massRatio, mass;
};
ObjectParameters parametersOf(int i) {
  return {Main.AlfaL[i], Main.Rsr[i], Main.Wsr[i],  Main.Eks[i],       Main.Betta[i],
          Main.AlfaP[i], Main.AlfaU[i], Main.X0[i], Main.Y0[i],        Main.Z0[i],
          Main.VX0[i],   Main.VY0[i],  Main.VZ0[i], Main.MassRatio[i], Main.Mass[i]};
}

constexpr double kUgol = 180 / 3.14159265359;
constexpr double kSecondsPerJulianYear = 31557600;

// Another window leaves scratch in the current tables.
void scribbleOverCurrentTables() {
  for (int i = 0; i <= 10; ++i) {
    Main.X[i] = Main.Y[i] = Main.Z[i] = 123;
    Main.VX[i] = Main.VY[i] = Main.VZ[i] = 4;
  }
}

}  // namespace

TEST_F(Form1Test, TheSavedFileHasItsLinesZonesAndCodePage) {
  Form1& form = startProgram();
  type(form.Text23, "07");
  click(form.Command4);
  ASSERT_EQ(boxes.count(), 0);
  const std::string bytes = fileBytes("Dat/Celvan7.dat");  // "07" names file 7
  ASSERT_FALSE(bytes.empty());
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
  const std::vector<std::string> lines = linesOf(bytes);
  ASSERT_EQ(lines.size(), 15u);  // four header lines, objects 0..10
  for (const std::string& line : lines) EXPECT_EQ(line.find('\n'), std::string::npos);

  // Line 1: day × 1000, month and year as printed numbers in zones of 14
  // columns, then the constants text from column 43 (Windows-1251).
  const std::string constants =
      "               MK=1 000 000         kUgol=180 град/pi       sekG = 31557600 сек";
  EXPECT_EQ(lines[0], std::string(" 1500         ") + " 1            " + " 1801         " +
                          utf8ToCp1251(constants));
  EXPECT_EQ(lines[1], "mSol / 10^25____gamma * 10^16____Lae");
  EXPECT_EQ(fieldsOf(lines[2]), (std::vector<std::string>{"198976", "667259", "149597870691"}));
  EXPECT_EQ(lines[3].size(), 205u);
  EXPECT_EQ(lines[3].substr(0, 8), "\xB9 \xEE\xE1\xFA\xEA\xF2\xE0");  // "№ объкта"
  for (int i = 0; i <= 10; ++i) {
    SCOPED_TRACE(i);
    const std::vector<std::string> fields = fieldsOf(lines[4 + i]);
    ASSERT_EQ(fields.size(), 15u);
    EXPECT_EQ(fields[0], Format(i, "00"));
    EXPECT_EQ(lines[4 + i].find_first_of(",."), std::string::npos);  // whole numbers only
  }
  // Mercury's eccentricity of the Ser0 theory for the date, in millionths,
  // truncated.
  const double t = (2378862.0 - 2451545.0) / 36525;
  EXPECT_EQ(fieldsOf(lines[5])[4], Format(std::trunc(1e6 * (0.205636 + 0.0000201028 * t)), "0"));
}

TEST_F(Form1Test, SavingAndLoadingBringsBackEveryParameterWithinTheFilesScaling) {
  Form1& form = startProgram();
  std::array<ObjectParameters, 11> saved;
  for (int i = 0; i <= 10; ++i) saved[i] = parametersOf(i);
  const double mSol = Main.mSol, gamma = Main.gamma, lae = Main.Lae;
  scribbleOverCurrentTables();
  click(form.Command4);

  // Something else loaded meanwhile: New0 for another date.
  click(form.Option4);
  typeDate(form, "1900", "6", "15,25");
  click(form.Command3);
  click(form.Command12);

  click(form.Option6);
  click(form.Command3);
  ASSERT_EQ(boxes.count(), 0);
  EXPECT_EQ(form.Text34.Text(), "1801");
  EXPECT_EQ(form.Text33.Text(), "1");
  EXPECT_EQ(form.Text32.Text(), "1,5");
  EXPECT_EQ(form.Text24.Text(), "2378862");
  EXPECT_EQ(Main.StartDay, 1.5);
  EXPECT_EQ(Main.JD, 2378862);
  EXPECT_EQ(Main.JD0, 2378862);
  // The date of the file is the date of the initial data now.
  EXPECT_EQ(Main.InitialDataJD, 2378862);
  EXPECT_EQ(Main.SelectedObject, 10);
  EXPECT_NEAR(Main.mSol, mSol, 1e25);
  EXPECT_NEAR(Main.gamma, gamma, 1e-16);
  EXPECT_NEAR(Main.Lae, lae, 1);

  for (int i = 0; i <= 10; ++i) {
    SCOPED_TRACE(i);
    const ObjectParameters now = parametersOf(i);
    const ObjectParameters& was = saved[i];
    // Angles in micro-degrees, lengths in km, speeds in µm/s, all truncated
    // (the mean distance and Y to the nearest km).
    const double microDegree = 1e-6 / kUgol;
    EXPECT_NEAR(now.alfaL, was.alfaL, microDegree);
    EXPECT_NEAR(now.betta, was.betta, microDegree);
    EXPECT_NEAR(now.alfaP, was.alfaP, microDegree);
    EXPECT_NEAR(now.alfaU, was.alfaU, microDegree);
    EXPECT_NEAR(now.rsr, was.rsr, 501);
    EXPECT_NEAR(now.wsr, was.wsr, 1e-6 / kSecondsPerJulianYear);
    EXPECT_NEAR(now.eks, was.eks, 1e-6);
    // The start tables come back, not the scratch of the current ones.
    EXPECT_NEAR(now.x0, was.x0, 1000);
    EXPECT_NEAR(now.y0, was.y0, 501);
    EXPECT_NEAR(now.z0, was.z0, 1000);
    EXPECT_NEAR(now.vx0, was.vx0, 1e-6);
    EXPECT_NEAR(now.vy0, was.vy0, 1e-6);
    EXPECT_NEAR(now.vz0, was.vz0, 1e-6);
    EXPECT_EQ(Main.X[i], now.x0);
    EXPECT_EQ(Main.VY[i], now.vy0);
    EXPECT_NEAR(now.massRatio, was.massRatio, 1e-3);
    EXPECT_DOUBLE_EQ(now.mass, Main.mSol / now.massRatio);
  }
  // The grid shows what was loaded.
  EXPECT_NEAR(shown(form.Text4[1]), saved[1].eks, 1e-6);
}

TEST_F(Form1Test, TheFileTruncatesToItsUnits) {
  // An eccentricity of 0.2056359 is kept as 205635 millionths; a coordinate
  // of 1999 m is 1 km truncated (X, Z) and 2 km to the nearest (Y).
  Form1& form = startProgram();
  click(form.Option3);
  click(form.Option7);
  type(form.Text1[2], "0,001999");
  type(form.Text2[2], "0,001999");
  type(form.Text3[2], "0,001999");
  click(form.Command3);
  click(form.Option2);
  type(form.Text4[1], "0,2056359");
  click(form.Command3);
  ASSERT_EQ(boxes.count(), 0);
  click(form.Command4);

  const std::vector<std::string> lines = linesOf(fileBytes("Dat/Celvan1.dat"));
  ASSERT_EQ(lines.size(), 15u);
  EXPECT_EQ(fieldsOf(lines[5])[4], "205635");
  const std::vector<std::string> venus = fieldsOf(lines[6]);
  EXPECT_EQ(venus[8], "1");
  EXPECT_EQ(venus[9], "2");
  EXPECT_EQ(venus[10], "1");

  click(form.Option6);
  click(form.Command3);
  EXPECT_DOUBLE_EQ(Main.Eks[1], 0.205635);
  EXPECT_EQ(Main.X0[2], 1000);
  EXPECT_EQ(Main.Y0[2], 2000);
}

TEST_F(Form1Test, TheMoonLoadedFromAFileKeepsTheMoonsMass) {
  Form1& form = startProgram();
  click(form.Check3);
  click(form.Command3);
  click(form.Command12);
  const double earthMass = Main.Mass[3];
  const double moonMass = Main.Mass[10];
  EXPECT_NEAR(moonMass, 7.35e22, 0.01e22);
  click(form.Command4);

  click(form.Option6);
  click(form.Command3);
  ASSERT_EQ(boxes.count(), 0);
  // The file holds the Earth/Moon ratio for object 10: the Moon's mass comes
  // from the Earth's, not from the Sun's.
  EXPECT_NEAR(Main.MassRatio[10], 81.3, 1e-3);
  EXPECT_NEAR(Main.Mass[3], earthMass, 1e-6 * earthMass);
  EXPECT_NEAR(Main.Mass[10], moonMass, 1e-5 * moonMass);
  // The mass slots a model run takes the Earth and the Moon from.
  EXPECT_EQ(Main.Mass[11], Main.Mass[10]);
  EXPECT_EQ(Main.Mass[13], Main.Mass[3]);
}

TEST_F(Form1Test, FilesThatCannotBeUsedAreReportedAndTheObjectsBeforeStay) {
  Form1& form = startProgram();
  click(form.Command4);  // a good file 1
  const std::vector<std::string> good = linesOf(fileBytes("Dat/Celvan1.dat"));
  auto join = [](const std::vector<std::string>& lines, std::size_t count) {
    std::string bytes;
    for (std::size_t i = 0; i < count; ++i) bytes += lines[i] + "\r\n";
    return bytes;
  };
  std::vector<std::string> zeroRatio = good;
  zeroRatio[8].replace(zeroRatio[8].rfind(' ') + 1, std::string::npos, "0");  // Mars

  const struct {
    const char* what;
    std::string bytes;  // file 9; empty: no file
    const char* message;
    bool marsLoaded;
  } cases[] = {
      {"no file", "", "Не могу найти файл \\Dat\\Celvan9.dat", false},
      {"a file cut after Venus", join(good, 7), "Ошибка чтения данных из файла \\Dat\\Celvan9.dat",
       false},
      {"a zero mass ratio for Mars", join(zeroRatio, 15),
       "Ошибка чтения данных из файла \\Dat\\Celvan9.dat", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::filesystem::remove(programFile("Dat/Celvan9.dat"));
    if (!c.bytes.empty()) writeFileBytes("Dat/Celvan9.dat", c.bytes);
    Main.X0[2] = Main.X0[4] = 7;
    type(form.Text23, "9");
    click(form.Option6);
    boxes.clear();
    click(form.Command3);
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, c.message);
    EXPECT_EQ(boxes.last().title, "Celvan7m");
    EXPECT_EQ(Main.X0[2] != 7, !c.bytes.empty());  // Venus is read whenever the file is
    EXPECT_EQ(Main.X0[4] != 7, c.marsLoaded);
    EXPECT_EQ(FreeFile(), Main.DataFileHandle);  // the file was closed
  }
}

TEST_F(Form1Test, TheFileNumberMustBeANumberAndTheFolderMustExist) {
  Form1& form = startProgram();
  type(form.Text23, "N1");
  click(form.Command4);
  click(form.Option6);
  click(form.Command3);
  type(form.Text23, "3");
  std::filesystem::remove_all(programFile("Dat"));
  click(form.Command4);
  ASSERT_EQ(boxes.count(), 3);
  EXPECT_EQ(boxes.boxes()[0].text, "Задайте номер файла");
  EXPECT_EQ(boxes.boxes()[1].text, "Задайте правильно данные");
  EXPECT_EQ(boxes.boxes()[2].text, "Не могу найти файл \\Dat\\Celvan3.dat\r\n" +
                                       programFile("Dat/Celvan3.dat").string() + ": нет такого файла или папки");
  for (const MessageBoxRequest& box : boxes.boxes()) EXPECT_EQ(box.title, "Celvan7m");
}

// Only a whole positive number names a file ("1,5" would round to file 2
// and overwrite it, "-1" would make Celvan-1.dat), and a day no date can
// hold is refused before a file is written.
TEST_F(Form1Test, ASaveNamesOnlyWholePositiveFileNumbersAndDatesThatReadBack) {
  Form1& form = startProgram();
  type(form.Text23, "2");
  click(form.Command4);
  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
  const std::string fileTwo = fileBytes("Dat/Celvan2.dat");
  const struct {
    const char* number;
    const char* day;
  } refused[] = {{"1,5", "1,5"}, {"-1", "1,5"}, {"0", "1,5"}, {"2", "1E+303"}};
  for (const auto& c : refused) {
    SCOPED_TRACE(std::string(c.number) + " / " + c.day);
    boxes.clear();
    type(form.Text23, c.number);
    type(form.Text32, c.day);
    click(form.Command4);
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, "Задайте номер файла");
  }
  EXPECT_EQ(fileBytes("Dat/Celvan2.dat"), fileTwo);
  for (const auto& entry : std::filesystem::directory_iterator(programFile("Dat")))
    EXPECT_EQ(entry.path().filename(), "Celvan2.dat") << "no other file is made";
}

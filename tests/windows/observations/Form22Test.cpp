// The planet perturbation window: its load (zeroed boxes, file 1, default
// perturbers), the coefficient files written and read back in millionths
// of a degree in print zones of 14 columns, and the refusals of boxes and
// files that hold no numbers.
#include <cmath>
#include <filesystem>
#include <string>

#include "core/runtime/NumberText.h"
#include "observations/Form22.h"
#include "tests/windows/observations/PerturbationFixture.h"

namespace {

class Form22Test : public PerturbationTest {
 protected:
  // Writes the same text into every coefficient box.
  static void typeEveryCoefficient(Form22& form, const std::string& text) {
    for (int p = 1; p <= 2; ++p)
      for (int q = 1; q <= 4; ++q)
        for (int t = 1; t <= 8; ++t) type(form.coefficientBox(p, q, t), text);
  }
  static void expectDefaultPerturbers() {
    const int first[] = {2, 3, 2, 3};
    for (int q = 1; q <= 4; ++q) {
      EXPECT_EQ(Main.PerturberFirst[q], first[q - 1]) << q;
      EXPECT_EQ(Main.PerturberSecond[q], 5) << q;
    }
  }
};

// A print list of eight whole numbers: each number with its sign place and
// a trailing blank, each item starting at the next zone of 14 columns.
std::string zonedLine(const std::string (&numbers)[8]) {
  std::string line;
  for (int i = 0; i < 8; ++i) {
    std::string item = numbers[i] + " ";
    if (i < 7) item.resize(14, ' ');
    line += item;
  }
  return line + "\r\n";
}

// A coefficient file with the same eight numbers on every line of
// numbers; the values are millionths of a degree.
std::string fileWithEveryLine(const std::string (&numbers)[8]) {
  std::string text;
  for (const char* title : {"Меркурий", "Венера", "Земля", "Марс"})
    text += std::string(title) + "\r\n" + zonedLine(numbers) + zonedLine(numbers);
  return text;
}

TEST_F(Form22Test, LoadWithoutFileOneAppliesZerosAndDefaultPerturbers) {
  Main.PlanetPerturbationCoefficients(1, 11) = 0.5;
  Form22& form = form22();
  EXPECT_EQ(form.Caption(), "Возмущения планет dL");
  expectOneMessage("Введите правильно данные");
  EXPECT_EQ(form.coefficientBox(2, 4, 8).Text(), "0");
  EXPECT_EQ(Main.PlanetPerturbationCoefficients(1, 11), 0);
  expectDefaultPerturbers();
}

// The program's data tree brings a file 1 of zeros, so that the windows
// that load this one show no message; it is what saving zeros writes.
TEST_F(Form22Test, TheShippedFileOneLoadsWithoutAMessage) {
  std::filesystem::copy_file(std::filesystem::path(CELVAN_FIXTURES_DIR) / ".." / ".." / "data" / "Dat" / "dL1.dat",
                             folder_ / "Dat" / "dL1.dat");
  Form22& form = form22();
  EXPECT_EQ(boxes.count(), 0);
  EXPECT_EQ(Main.PlanetPerturbationCoefficients(2, 48), 0);
  const std::string shipped = readProgramFile("Dat/dL1.dat");
  form.Show();
  click(form.Command4);
  EXPECT_EQ(readProgramFile("Dat/dL1.dat"), shipped);
}

TEST_F(Form22Test, LoadTakesFileOneInDegrees) {
  writeProgramFile("Dat/dL1.dat", fileWithEveryLine({" 1", "-2", " 12345", " 0", " 1000000", " 7", " 8", "-9"}));
  Form22& form = form22();
  EXPECT_EQ(boxes.count(), 0);
  for (int p = 1; p <= 2; ++p)
    for (int q = 1; q <= 4; ++q) {
      EXPECT_DOUBLE_EQ(Main.PlanetPerturbationCoefficients(p, 10 * q + 1), 1e-6);
      EXPECT_DOUBLE_EQ(Main.PlanetPerturbationCoefficients(p, 10 * q + 3), 0.012345);
      EXPECT_DOUBLE_EQ(Main.PlanetPerturbationCoefficients(p, 10 * q + 5), 1.0);
      EXPECT_DOUBLE_EQ(Main.PlanetPerturbationCoefficients(p, 10 * q + 8), -9e-6);
    }
  EXPECT_EQ(form.coefficientBox(1, 1, 3).Text(), "0,012345");
  EXPECT_EQ(form.coefficientBox(2, 4, 5).Text(), "1");
  expectDefaultPerturbers();
}

TEST_F(Form22Test, SavingZerosWritesTitlesAndEightZerosPerLine) {
  Form22& form = form22();
  form.Show();
  type(form.Text10, "3");
  click(form.Command4);
  const std::string zeros[8] = {" 0", " 0", " 0", " 0", " 0", " 0", " 0", " 0"};
  EXPECT_EQ(readProgramFile("Dat/dL3.dat"), fileWithEveryLine(zeros));
}

struct SavedCoefficient {
  const char* typed;
  const char* saved;   // millionths of a degree, cut toward zero
  double loadedBack;   // degrees
};

// Each coefficient is saved as Fix(1e6 × degrees) and read back divided by
// 1e6: the file keeps six decimals of a degree, cut toward zero.
TEST_F(Form22Test, CoefficientsRoundTripThroughAFileInMillionthsOfADegree) {
  const SavedCoefficient cases[] = {
      {"0,0123456789", "12345", 0.012345},
      {"-0,0000015", "-1", -0.000001},
      {"-0,0123456789", "-12345", -0.012345},
      {"2,5", "2500000", 2.5},
      {"0,0000009", "0", 0},
  };
  Form22& form = form22();
  form.Show();
  type(form.Text10, "2");
  for (const SavedCoefficient& c : cases) {
    SCOPED_TRACE(c.typed);
    typeEveryCoefficient(form, "0");
    type(form.coefficientBox(2, 3, 6), c.typed);  // the Earth, second perturber, term 6
    click(form.Command4);
    const std::string text = readProgramFile("Dat/dL2.dat");
    const std::string saved = std::string(c.saved).front() == '-' ? c.saved : " " + std::string(c.saved);
    const std::string earthSecond = zonedLine({" 0", " 0", " 0", " 0", " 0", saved, " 0", " 0"});
    EXPECT_NE(text.find("Земля\r\n" + zonedLine({" 0", " 0", " 0", " 0", " 0", " 0", " 0", " 0"}) + earthSecond),
              std::string::npos);

    typeEveryCoefficient(form, "7");
    click(form.Command3);
    EXPECT_DOUBLE_EQ(Main.PlanetPerturbationCoefficients(2, 36), c.loadedBack);
    EXPECT_EQ(CDbl(form.coefficientBox(2, 3, 6).Text()), c.loadedBack);
    EXPECT_EQ(Main.PlanetPerturbationCoefficients(1, 36), 0);
  }
  EXPECT_EQ(boxes.count(), 1);  // the load found no file 1
}

// Loading a file changes the coefficients only; the perturbers typed on
// the window count once the boxes are applied.
TEST_F(Form22Test, LoadingAFileKeepsThePerturbersUntilApplied) {
  const std::string ones[8] = {" 1", " 1", " 1", " 1", " 1", " 1", " 1", " 1"};
  writeProgramFile("Dat/dL2.dat", fileWithEveryLine(ones));
  Form22& form = form22();
  form.Show();
  type(form.Text2, "4");  // Venus's first perturber: Mars
  type(form.Text10, "2");
  click(form.Command3);
  EXPECT_DOUBLE_EQ(Main.PlanetPerturbationCoefficients(1, 21), 1e-6);
  EXPECT_EQ(Main.PerturberFirst[2], 3);
  click(form.Command1);
  EXPECT_EQ(Main.PerturberFirst[2], 4);
  EXPECT_DOUBLE_EQ(Main.PlanetPerturbationCoefficients(2, 48), 1e-6);
}

// A missing, short or wrong file is refused, and the shared table and the
// boxes keep what they held.
TEST_F(Form22Test, AFileThatCannotBeReadChangesNothing) {
  const std::string ones[8] = {" 1", " 1", " 1", " 1", " 1", " 1", " 1", " 1"};
  const std::string full = fileWithEveryLine(ones);
  const struct {
    const char* what;
    std::string text;
  } cases[] = {
      {"short: Mars has one line", full.substr(0, full.rfind(zonedLine(ones)))},
      {"a word among the numbers", full.substr(0, full.find(" 1")) + "x" + full.substr(full.find(" 1") + 2)},
      {"empty", ""},
  };
  Form22& form = form22();
  form.Show();
  typeEveryCoefficient(form, "0,5");
  click(form.Command1);
  type(form.Text10, "4");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    boxes.clear();
    writeProgramFile("Dat/dL4.dat", c.text);
    click(form.Command3);
    expectOneMessage("Введите правильно данные");
    EXPECT_EQ(Main.PlanetPerturbationCoefficients(1, 11), 0.5);
    EXPECT_EQ(Main.PlanetPerturbationCoefficients(2, 48), 0.5);
    EXPECT_EQ(form.coefficientBox(1, 1, 1).Text(), "0,5");
  }
  boxes.clear();
  type(form.Text10, "5");  // no such file
  click(form.Command3);
  expectOneMessage("Введите правильно данные");
  EXPECT_EQ(Main.PlanetPerturbationCoefficients(1, 11), 0.5);
}

// A box without a number stores nothing: neither the coefficients before
// it nor the perturbers; saving with it writes no file.
TEST_F(Form22Test, ABoxWithoutANumberStoresNothing) {
  Form22& form = form22();
  form.Show();
  boxes.clear();
  type(form.coefficientBox(1, 1, 1), "0,25");
  type(form.coefficientBox(2, 2, 4), "0.1");
  type(form.Text4, "3");
  click(form.Command1);
  expectOneMessage("Введите правильно данные");
  EXPECT_EQ(Main.PlanetPerturbationCoefficients(1, 11), 0);
  EXPECT_EQ(Main.PerturberFirst[1], 2);

  boxes.clear();
  type(form.Text10, "6");
  click(form.Command4);
  expectOneMessage("Введите правильно данные");
  EXPECT_FALSE(std::filesystem::exists(folder_ / "Dat" / "dL6.dat"));

  boxes.clear();
  type(form.coefficientBox(2, 2, 4), "x");
  type(form.Text4, "drei");
  type(form.coefficientBox(2, 2, 4), "0,1");
  click(form.Command1);
  expectOneMessage("Введите правильно данные");
  EXPECT_EQ(Main.PlanetPerturbationCoefficients(1, 11), 0);
}

// Without a "Dat" folder the file cannot be created: the message comes and
// the shared table holds the boxes' values.
TEST_F(Form22Test, SavingWithoutTheDatFolderKeepsTheBoxesInTheTable) {
  Form22& form = form22();
  form.Show();
  std::filesystem::remove_all(folder_ / "Dat");
  boxes.clear();
  type(form.coefficientBox(1, 4, 2), "0,125");
  click(form.Command4);
  expectOneMessage("Введите правильно данные\r\n" + (folder_ / "Dat" / "dL1.dat").string() +
                   ": нет такого файла или папки");
  EXPECT_EQ(Main.PlanetPerturbationCoefficients(1, 42), 0.125);
}

}  // namespace

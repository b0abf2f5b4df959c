// The secular-shift files on the statistics window: reading a model or an
// observed shift file into the shift tables, writing the shift of the last
// fit back into the whole file, the batch that refits every experiment of a
// plan, and the refusals.
#include <functional>
#include <initializer_list>
#include <ostream>

#include "tests/windows/statistics/Form6Fixture.h"

namespace form6test {
namespace {

constexpr const char* kModelShifts = "Plan1/Celvan3Ras.dat";

// A model shift file of three experiments; shifts times 1e6 as the file
// keeps them.
std::string modelShiftFile() {
  return utf8ToCp1251(
      "Обработанные данные расчета для плана № 1  по планете № 3\r\n 3 \r\n"
      "№ эксперимента  перигелий   восхождение     наклон    эксцентриситет    полуось        угл. скорость\r\n"
      " 1  11500000 -2250000  125  -7  3000000  0 \r\n"
      " 2  12000000 -2500000  250  -14  6000000  1 \r\n"
      " 3  12500000 -2750000  375  -21  9000000  2 \r\n");
}

std::string observedShiftFile() {
  std::string text = "Обработанные данные  \\JPL  по всем планетам\r\nзаголовок\r\n";
  for (int b = 1; b <= 11; ++b)
    text += printed(b) + printed(1000000.0 * b) + printed(-500000.0 * b) + " 0  0  0  0 \r\n";
  return utf8ToCp1251(text);
}

class Form6Shifts : public Form6Test {
 protected:
  Form6& openOnEarth() {
    Form6& form = openStatistics();
    click(form.Option3[3]);
    return form;
  }

  // The Earth's series of the experiments given, in plan 1: experiment e
  // drifts 0.1·e degrees per century in perihelion.
  void writeDriftingSeries(std::initializer_list<int> experiments) const {
    for (const int e : experiments) {
      std::vector<Point> points(20);
      for (int i = 0; i < 20; ++i) {
        points[i].dT = 3652.5 * i;
        points[i].alfaP = 77 + 0.1 * e * i / 10;
        points[i].alfaU = 48;
      }
      writeSeries("Plan1/Txt3/Celvan3Ras" + std::to_string(e) + ".txt", 2451545.0, points);
    }
  }
};

TEST_F(Form6Shifts, WritingBeforeReadingIsRefused) {
  Form6& form = openOnEarth();
  click(form.Command5);
  ASSERT_EQ(boxes.count(), 1);
  EXPECT_EQ(boxes.last().text, "У Вас не были загружены данные из файла");
  EXPECT_EQ(boxes.last().title, "Celvan7");
  EXPECT_FALSE(programFileExists(kModelShifts));
}

// A model file of three experiments: its rows divided by 1e6 go into the
// table of the body, the plan has three experiments, the picture is 3/2 +
// 10 units high, and Text25 shows the shift of the experiment of Text10.
// Writing the shift of the last fit into experiment 2 rewrites exactly three
// rows, the others number for number.
TEST_F(Form6Shifts, ModelFileReadsAndWritesBackWhole) {
  writeFileBytes(kModelShifts, modelShiftFile());
  Form6& form = openOnEarth();
  type(form.Text10, "2");
  click(form.Command4);
  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
  EXPECT_EQ(Stat.RunCount, 3);
  EXPECT_EQ(Main.PictureHeight, 11.5);
  EXPECT_EQ(Main.PictureScaleWidth, 42);
  EXPECT_EQ(Main.FileState, sample::kModelShiftsRead);
  EXPECT_DOUBLE_EQ(Main.ModelShifts(3, 1, 1), 11.5);
  EXPECT_DOUBLE_EQ(Main.ModelShifts(3, 2, 3), -2.75);
  EXPECT_DOUBLE_EQ(Main.ModelShifts(3, 4, 2), -14e-6);
  EXPECT_EQ(form.Text25.Text(), "12");

  type(form.Text24, "12,3456789");
  click(form.Command5);
  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
  const std::vector<std::string> lines = fileLines(kModelShifts);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0], "Обработанные данные расчета для плана № 1  по планете № 3");
  EXPECT_EQ(numbersOfLine(lines[1]), (std::vector<double>{3}));
  EXPECT_EQ(lines[2],
            "№ эксперимента  перигелий   восхождение     наклон    эксцентриситет    полуось        угл. скорость");
  EXPECT_EQ(numbersOfLine(lines[3]), (std::vector<double>{1, 11500000, -2250000, 125, -7, 3000000, 0}));
  EXPECT_EQ(numbersOfLine(lines[4]), (std::vector<double>{2, 12345678, -2500000, 250, -14, 6000000, 1}));
  EXPECT_EQ(numbersOfLine(lines[5]), (std::vector<double>{3, 12500000, -2750000, 375, -21, 9000000, 2}));

  click(form.Command4);
  EXPECT_EQ(form.Text25.Text(), "12,345678");
  type(form.Text24, "-0,0000005");
  click(form.Command5);
  EXPECT_EQ(numbersOfLine(fileLines(kModelShifts)[4])[1], 0);
}

// The observed file of a folder: eleven rows of bodies, written back whole
// with the shift of the body and parameter chosen.
TEST_F(Form6Shifts, ObservedFileReadsAndWritesBackWhole) {
  writeFileBytes("JPL/CelvanNab.dat", observedShiftFile());
  Form6& form = openOnEarth();
  click(form.Option7);
  click(form.Option4[2]);
  click(form.Command4);
  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
  EXPECT_EQ(Main.FileState, sample::kObservedShiftsRead);
  EXPECT_EQ(Main.ImitatorFolder, "\\JPL");
  EXPECT_EQ(Main.ObservedShifts(11, 1), 11);
  EXPECT_EQ(form.Text25.Text(), "-1,5");

  type(form.Text24, "-4,25");
  click(form.Command5);
  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
  const std::vector<std::string> lines = fileLines("JPL/CelvanNab.dat");
  ASSERT_EQ(lines.size(), 13u);
  EXPECT_EQ(lines[0], "Обработанные данные  \\JPL  по всем планетам");
  EXPECT_EQ(lines[1],
            "№ планеты      перигелий    восхождение    наклон     эксцентриситет   полуось       угл. скорость");
  EXPECT_EQ(numbersOfLine(lines[4]), (std::vector<double>{3, 3000000, -4250000, 0, 0, 0, 0}));
  EXPECT_EQ(numbersOfLine(lines[12]), (std::vector<double>{11, 11000000, -5500000, 0, 0, 0, 0}));
}

struct BadShiftFile {
  const char* name;
  std::string bytes;
  std::string message;
};
// Printed by its name in the test output, not as the bytes of the struct.
void PrintTo(const BadShiftFile& c, std::ostream* out) { *out << c.name; }

class Form6BadShiftFile : public Form6Shifts, public ::testing::WithParamInterface<BadShiftFile> {};

// A missing or malformed model shift file gives its message; rows read
// before a fault stay in the table; a count beyond 91 experiments draws no
// picture.
TEST_P(Form6BadShiftFile, GivesItsMessage) {
  const BadShiftFile& bad = GetParam();
  if (!bad.bytes.empty()) writeFileBytes(kModelShifts, bad.bytes);
  Form6& form = openOnEarth();
  click(form.Command4);
  ASSERT_EQ(boxes.count(), 1);
  EXPECT_EQ(boxes.last().text, bad.message);
  EXPECT_EQ(form.Text25.Text(), "Text25");
  EXPECT_LE(form.Picture1.heightPixels(), static_cast<int>(std::lround(55.5 * 24.9)));
}

const std::string kTitles = "заголовок\r\n";

INSTANTIATE_TEST_SUITE_P(
    Files, Form6BadShiftFile,
    ::testing::Values(
        BadShiftFile{"Missing", "", "Не могу найти файл\r\n\\Plan1\\Celvan3Ras.dat"},
        BadShiftFile{"ShortRow", kTitles + " 2 \r\n" + kTitles + " 1  1  2  3  4  5  6 \r\n 2  1  2 \r\n",
                     "Ошибка чтения данных из файла\r\n\\Plan1\\Celvan3Ras.dat"},
        BadShiftFile{"NotANumber", kTitles + " 1 \r\n" + kTitles + " 1  1  x  3  4  5  6 \r\n",
                     "Ошибка чтения данных из файла\r\n\\Plan1\\Celvan3Ras.dat"},
        BadShiftFile{"MoreThan91Experiments", kTitles + " 100000000 \r\n" + kTitles,
                     "Ошибка чтения данных из файла\r\n\\Plan1\\Celvan3Ras.dat"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Form6Shifts, RowsBeforeAFaultStayInTheTable) {
  writeFileBytes(kModelShifts, kTitles + " 2 \r\n" + kTitles + " 1  1000000  2  3  4  5  6 \r\n 2  1  2 \r\n");
  Form6& form = openOnEarth();
  click(form.Command4);
  EXPECT_EQ(Main.ModelShifts(3, 1, 1), 1);
  EXPECT_EQ(Stat.RunCount, 2);
}

// "AlfaL0" has no shift slot: the file is read and listed, then the read
// message, and Text25 keeps its text.
TEST_F(Form6Shifts, MeanLongitudeHasNoShiftToShow) {
  writeFileBytes(kModelShifts, modelShiftFile());
  Form6& form = openOnEarth();
  click(form.Option4[7]);
  click(form.Command4);
  ASSERT_EQ(boxes.count(), 1);
  EXPECT_EQ(boxes.last().text, "Ошибка чтения данных из файла\r\n\\Plan1\\Celvan3Ras.dat");
  EXPECT_DOUBLE_EQ(Main.ModelShifts(3, 1, 3), 12.5);
  EXPECT_EQ(form.Text25.Text(), "Text25");
}

// "все из плана": the series of experiments 1..3 of plan 1, drifting 0.1,
// 0.2 and 0.3 degrees per century in perihelion, are loaded and fitted in
// turn, and the model shift file gets their shifts (360, 720 and 1080 arc
// seconds per century) in one writing.
TEST_F(Form6Shifts, BatchFitsEveryExperimentOfThePlan) {
  writeDriftingSeries({1, 2, 3});
  writeFileBytes(kModelShifts, modelShiftFile());
  Form6& form = openOnEarth();
  click(form.Command4);
  click(form.Check12);
  click(form.Command5);
  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
  EXPECT_EQ(form.Text10.Text(), "3");
  const std::vector<std::string> lines = fileLines(kModelShifts);
  ASSERT_EQ(lines.size(), 6u);
  for (int e = 1; e <= 3; ++e) {
    SCOPED_TRACE(e);
    const std::vector<double> row = numbersOfLine(lines[2 + e]);
    EXPECT_NEAR(row[1], 360e6 * e, 1);
    EXPECT_EQ(row[2], -2000000 - 250000.0 * e) << "the other shifts as read";
  }
}

// A batch over a plan whose series of experiments 2 and 3 are missing:
// experiment 1 gets its fit, the missing ones no value (not the fit of the
// experiment before them), and one message names them with their count.
TEST_F(Form6Shifts, BatchLeavesTheShiftOfAMissingSeriesEmpty) {
  writeDriftingSeries({1});
  writeFileBytes(kModelShifts, modelShiftFile());
  Form6& form = openOnEarth();
  click(form.Command4);
  click(form.Check12);
  click(form.Command5);
  ASSERT_EQ(boxes.count(), 1);
  EXPECT_EQ(boxes.last().text,
            "Не удалось загрузить данные экспериментов № 2, 3\r\n"
            "Их смещения не рассчитаны и в файле оставлены пустыми (0).\r\n"
            "Всего пропущено экспериментов: 2");
  EXPECT_EQ(boxes.last().title, "Celvan7");
  const std::vector<std::string> lines = fileLines(kModelShifts);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_NEAR(numbersOfLine(lines[3])[1], 360e6, 1);
  for (int e = 2; e <= 3; ++e) {
    SCOPED_TRACE(e);
    const std::vector<double> row = numbersOfLine(lines[2 + e]);
    EXPECT_EQ(row[1], 0);
    EXPECT_EQ(row[2], -2000000 - 250000.0 * e) << "the other shifts as read";
  }
}

// "Изменить смещение в файле" writes the tables only into the file that
// "Смещение в файле =" read: with another body, plan or kind chosen since,
// nothing is written and the message names both files.
TEST_F(Form6Shifts, WritingIntoAnotherFileThanTheOneReadIsRefused) {
  writeFileBytes(kModelShifts, modelShiftFile());
  const std::string original = fileBytes(kModelShifts);
  const struct {
    const char* name;
    std::function<void(Form6&)> change;
    const char* chosen;
  } cases[] = {
      {"body", [](Form6& f) { click(f.Option3[4]); }, "\\Plan1\\Celvan4Ras.dat"},
      {"plan", [](Form6& f) { type(f.Text28, "2"); }, "\\Plan2\\Celvan3Ras.dat"},
      {"kind", [](Form6& f) { click(f.Option7); }, "\\JPL\\CelvanNab.dat"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Form6& form = openOnEarth();
    click(form.Command4);
    form.Text24.setText("5");
    c.change(form);
    boxes.clear();
    click(form.Command5);
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, std::string("В памяти смещения из файла \\Plan1\\Celvan3Ras.dat\r\n") +
                                     "а выбран файл " + c.chosen + "\r\n" +
                                     "Загрузите его кнопкой \"Смещение в файле =\" или верните прежний выбор");
    EXPECT_EQ(fileBytes(kModelShifts), original);
    EXPECT_FALSE(programFileExists("Plan1/Celvan4Ras.dat"));
    EXPECT_FALSE(programFileExists("JPL/CelvanNab.dat"));
    form.Unload();
  }
}

}  // namespace
}  // namespace form6test

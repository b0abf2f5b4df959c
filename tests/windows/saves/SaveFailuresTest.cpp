// Every window that replaces a file, against every way a save can fail: a
// value that cannot be written, a new file that cannot be created beside
// the old one, a disk that refuses the last lines at the close. The old
// file keeps its bytes in every case and the window shows its own message,
// with the file and the reason when the file was refused.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "core/runtime/Clock.h"
#include "core/runtime/TextFile.h"
#include "core/stat/Stat.h"
#include "core/state/SharedState.h"
#include "core/state/StartUpState.h"
#include "observations/Form10.h"
#include "observations/Form13.h"
#include "observations/Form22.h"
#include "setup/Form1.h"
#include "statistics/Form15.h"
#include "statistics/Form19.h"
#include "statistics/Form6.h"
#include "science/sample/OrbitSample.h"
#include "tests/windows/statistics/Form6Fixture.h"
#include "twobody/Form25.h"

namespace {

enum class Failure { UnformattableValue, TemporaryCannotBeCreated, DiskRefusesTheClose };

// A model shift file of the Earth in plan 1 with three experiments.
const std::string kModelShiftFile = utf8ToCp1251(
    "Обработанные данные расчета для плана № 1  по планете № 3\r\n 3 \r\n"
    "№ эксперимента  перигелий   восхождение     наклон    эксцентриситет    полуось        угл. скорость\r\n"
    " 1  11500000 -2250000  125  -7  3000000  0 \r\n"
    " 2  12000000 -2500000  250  -14  6000000  1 \r\n"
    " 3  12500000 -2750000  375  -21  9000000  2 \r\n");

class SaveFailures : public WindowTest, public testing::WithParamInterface<std::tuple<int, Failure>> {
 public:
  // One window's save: the file it replaces, how to bring the window to a
  // state it can save, an edit that changes what it would write (or makes a
  // value that cannot be written), the save itself and its messages.
  struct Writer {
    const char* name;
    std::string file;  // below the program folder
    std::function<void(SaveFailures&)> prepare;
    std::function<void(bool unformattable)> edit;
    std::function<void()> save;
    std::string cannotCreate, failed, title;
    // The message when a value cannot be written, where the window refuses
    // it before it opens the file; empty when the save itself fails.
    std::string refused = {};
  };

  static std::vector<Writer> writers();

 protected:
  void SetUp() override {
    startWithStartUpState();
    useTemporaryProgramFolder({"Dat", "JPL", "NEW", "Ser/Plan1", "Risunki", "Arhiv", "Obs/Plan1"});
    addPlanFolders(1);
    previousSleep_ = setSleepHandler([](int) {});
  }
  void TearDown() override {
    setDiskFullForTesting(false);
    setSleepHandler(previousSleep_);
    WindowTest::TearDown();
  }

  // A series file in the layout the model writes: header, count line, records.
  void writeSeries(const std::string& relative, const std::vector<form6test::Point>& points,
                   bool observed = false) const {
    std::string text;
    for (const std::string& line : form6test::kSeriesHeader) text += line + "\r\n";
    text += form6test::printed(static_cast<double>(points.size())) + form6test::printed(245154500) + "\r\n";
    for (std::size_t i = 0; i < points.size(); ++i)
      text += form6test::recordLine(static_cast<int>(i) + 1, points[i], observed) + "\r\n";
    writeFileBytes(relative, utf8ToCp1251(text));
  }

 private:
  std::function<void(int)> previousSleep_;
};

std::vector<SaveFailures::Writer> SaveFailures::writers() {
    const std::string planFile = "Ошибка при записи данных в файл \\Plan1\\CelvanPlan1.dat";
    const std::string earthShifts = "Ошибка при записи данных в файл \\Plan1\\Celvan3Ras.dat";
    return {
        {"ParameterFile", "Dat/Celvan3.dat",
         [](SaveFailures&) {
           form1().Show();
           type(form1().Text23, "3");
         },
         [](bool unformattable) {
           if (unformattable)
             Main.MassRatio[2] = 1e306;  // a thousand times it is beyond a Double
           else
             type(form1().Text32, "2,5");
         },
         [] { click(form1().Command4); }, "Не могу найти файл \\Dat\\Celvan3.dat",
         "Ошибка записи в файл \\Dat\\Celvan3.dat", "Celvan7m"},
        {"PulsarFile", "Dat/Pulsar7.dat",
         [](SaveFailures&) {
           form1().Show();
           form25().Show();
           type(form25().Text2, "7");
         },
         [](bool unformattable) { type(unformattable ? form25().Text10 : form25().Text5, unformattable ? "1E+303" : "0,5"); },
         [] { click(form25().Command8); }, "Не могу найти файл \\Dat\\Pulsar7.dat",
         "Ошибка записи в файл \\Dat\\Pulsar7.dat", "Celvan7m", "Задайте правильно данные"},
        {"PlanExperimentFile", "Obs/Plan1/GREN11_100_1.dat",
         [](SaveFailures&) {
           fillDesignColumns();
           Form10& observations = form10();
           observations.Show();
           click(observations.Option2);
           click(observations.Option9[1]);  // GREN: its observation file is missing
         },
         [](bool unformattable) { type(form13().Text1[2], unformattable ? "1E+303" : "0,5"); },
         [] { click(form13().Command2); }, "Ошибка при записи данных в файл\r\n\\Obs\\Plan1\\GREN11_100_1.dat",
         "Ошибка при записи данных в файл\r\n\\Obs\\Plan1\\GREN11_100_1.dat", "Celvan7"},
        {"DLFile", "Dat/dL3.dat",
         [](SaveFailures&) {
           form22().Show();
           type(form22().Text10, "3");
         },
         [](bool unformattable) { type(form22().coefficientBox(1, 1, 1), unformattable ? "1E+303" : "0,125"); },
         [] { click(form22().Command4); }, "Введите правильно данные", "Введите правильно данные", "Celvan7"},
        {"PlanFile", "Plan1/CelvanPlan1.dat",
         [](SaveFailures&) {
           form15().Show();
           type(form15().Text4, "1");
         },
         [](bool unformattable) { type(form15().Text11[1], unformattable ? "1E+303" : "5"); },
         [] { click(form15().Command12); }, "Ошибка при записи данных в файл \\Plan1 \\CelvanPlan1.dat",
         "Ошибка при записи данных в файл \\Plan1 \\CelvanPlan1.dat", "Celvan7m"},
        {"WeightsOfForm19", "Plan1/CelvanPlan1.dat",
         [](SaveFailures&) {
           form15().Show();
           type(form15().Text4, "1");
           click(form15().Command12);
           Main.PlanNumber = 1;
           form19().Show();
           click(form19().Command4);
         },
         [](bool unformattable) {
           if (unformattable)
             Stat.PlanFileZeroLevels[1] = 1e303;  // a plan level beyond whole millionths
           else
             type(form19().weightBox(3, 1), "75");
         },
         [] { click(form19().Command5); }, planFile, planFile, "Celvan7"},
        {"ShiftFileOfForm6", "Plan1/Celvan3Ras.dat",
         [](SaveFailures& test) {
           test.writeFileBytes("Plan1/Celvan3Ras.dat", kModelShiftFile);
           form1().Show();
           form6().Show();
           click(form6().Option3[3]);
           type(form6().Text10, "2");
           click(form6().Command4);
           type(form6().Text24, "11,5");
         },
         [](bool unformattable) { type(form6().Text24, unformattable ? "1E+303" : "12,5"); },
         [] { click(form6().Command5); }, "Ошибка записи данных в файл\r\n\\Plan1\\Celvan3Ras.dat",
         "Ошибка записи данных в файл\r\n\\Plan1\\Celvan3Ras.dat", "Celvan7"},
        {"ShiftFileOfForm19", "Plan1/Celvan3Ras.dat",
         [](SaveFailures& test) {
           test.writeFileBytes("Plan1/Celvan3Ras.dat", kModelShiftFile);
           Main.PlanNumber = 1;
           form19().Show();
           click(form19().Option9[3]);
           type(form19().Text8, "2");
           click(form19().Command1);
         },
         [](bool unformattable) { type(form19().shiftBox(3, 1), unformattable ? "1E+303" : "1,5"); },
         [] { click(form19().Command2); }, earthShifts, earthShifts, "Celvan7"},
        {"SeriesFileWithARemovedPoint", "Plan1/Txt1/Celvan1Ras1.txt",
         [](SaveFailures& test) {
           std::vector<form6test::Point> points(6);
           for (std::size_t i = 0; i < points.size(); ++i) {
             points[i].dT = 10.0 * i;
             points[i].alfaP = 77 + 0.25 * i;
             points[i].eks = 0.2056;
             points[i].rsr = 57.909;
           }
           test.writeSeries("Plan1/Txt1/Celvan1Ras1.txt", points);
           form1().Show();
           form6().Show();
           click(form6().Command6);
           type(form6().Text5, "2");
         },
         [](bool unformattable) {
           if (unformattable) Main.SampleValues(sample::kAlfaP, 1) = 1e303;
         },
         [] { click(form6().Command1); }, "Ошибка записи данных в файл\r\n\\Plan1\\Txt1\\Celvan1Ras1.txt",
         "Ошибка записи данных в файл\r\n\\Plan1\\Txt1\\Celvan1Ras1.txt", "Celvan7"},
        {"ObservedSeriesWithAnExportedOptimum", "Ser/Plan1/Celvan4Nab.txt",
         [](SaveFailures& test) {
           std::vector<form6test::Point> points(4);
           for (std::size_t i = 0; i < points.size(); ++i) {
             points[i].dT = 7305.0 * i;
             points[i].ddT = 3652.5;
             points[i].alfaP = 336 + 0.5 * i;
             points[i].rsr = 227.9366;
           }
           test.writeSeries("Ser/Plan1/Celvan4Nab.txt", points, true);
           form10().Show();
           for (int i = 1; i <= 9; ++i) type(form13().Text1[i], "1");
           type(form13().Text26, "1");
           Stat.ZeroLevels[10] = 1;
           Main.SelectedObject = 4;
           Main.JD0 = 2451545.0 + 10000.25;
           Main.JDet2 = Main.JD0 + 1826.25;
         },
         [](bool unformattable) {
           // Another day, so that the export adds a point rather than asks.
           Main.JD0 += 1;
           Main.JDet2 += 1;
           if (unformattable) type(form13().Text1[4], "1E+303");
         },
         [] { click(form13().Command7); }, "Не могу найти файл\r\n\\Ser\\Plan1\\Celvan4Nab.txt",
         "Ошибка записи данных в файл\r\n\\Ser\\Plan1\\Celvan4Nab.txt", "Celvan7"},
    };
}


TEST_P(SaveFailures, TheOldFileKeepsItsBytesAndTheSaveGivesItsOwnMessage) {
  const auto [index, failure] = GetParam();
  const Writer writer = writers()[index];
  writer.prepare(*this);
  boxes.clear();  // what opening the window said (a missing file of its own)
  writer.save();
  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
  const std::string old = fileBytes(writer.file);
  ASSERT_FALSE(old.empty());

  writer.edit(failure == Failure::UnformattableValue);
  const std::filesystem::path temporary = programFile(writer.file + ".tmp");
  if (failure == Failure::TemporaryCannotBeCreated) std::filesystem::create_directory(temporary);
  if (failure == Failure::DiskRefusesTheClose) setDiskFullForTesting(true);
  writer.save();
  setDiskFullForTesting(false);

  EXPECT_EQ(fileBytes(writer.file), old);
  ASSERT_EQ(boxes.count(), 1);
  // A refusal of the file names it and the system's reason on a line of its own.
  const std::string fileLine = "\r\n" + programFile(writer.file).string() + ": ";
  const std::string expected =
      failure == Failure::TemporaryCannotBeCreated
          ? writer.cannotCreate + fileLine + "на месте нового файла " + temporary.filename().string() + " стоит папка"
      : failure == Failure::DiskRefusesTheClose ? writer.failed + fileLine + "нет места на диске"
      : !writer.refused.empty()                 ? writer.refused
                                                : writer.failed;
  EXPECT_EQ(boxes.last().text, expected);
  EXPECT_EQ(boxes.last().title, writer.title);
  if (failure == Failure::TemporaryCannotBeCreated) {
    std::filesystem::remove(temporary);
  } else {
    EXPECT_FALSE(std::filesystem::exists(temporary)) << "no temporary is left behind";
  }
  // The same save with the fault gone replaces the file.
  if (failure != Failure::UnformattableValue) {
    writer.save();
    EXPECT_EQ(boxes.count(), 1) << boxes.last().text;
    EXPECT_NE(fileBytes(writer.file), old);
  }
}

const char* failureName(Failure failure) {
  static const char* const names[] = {"UnformattableValue", "TemporaryCannotBeCreated", "DiskRefusesTheClose"};
  return names[static_cast<int>(failure)];
}

// The test runner prints a failure by its name, not as raw bytes.
void PrintTo(Failure failure, std::ostream* out) { *out << failureName(failure); }

std::string caseName(const testing::TestParamInfo<std::tuple<int, Failure>>& info) {
  return std::string(SaveFailures::writers()[std::get<0>(info.param)].name) + "_" + failureName(std::get<1>(info.param));
}

INSTANTIATE_TEST_SUITE_P(EveryWriter, SaveFailures,
                         testing::Combine(testing::Range(0, static_cast<int>(SaveFailures::writers().size())),
                                          testing::Values(Failure::UnformattableValue,
                                                          Failure::TemporaryCannotBeCreated,
                                                          Failure::DiskRefusesTheClose)),
                         caseName);

}  // namespace

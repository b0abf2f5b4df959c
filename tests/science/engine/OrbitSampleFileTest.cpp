// The orbit-parameter series of a run, read back as the statistics window
// reads it: four header lines whole, the count and 100·T0 by list input,
// then records of eight numbers by list input to the end of the file. The
// records of a Kepler orbit must carry its elements.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/runtime/MessageBoxRecorder.h"
#include "core/runtime/ProgramFolder.h"
#include "core/support/KeptProgramFolder.h"
#include "core/runtime/TextFile.h"
#include "tests/science/engine/SolarSystemSetup.h"

namespace {

struct Series {
  std::vector<std::string> header;
  double count = 0, startTimes = 0;
  std::vector<std::vector<double>> records;
};

Series readSeries(const std::string& relativePath) {
  Series series;
  const int file = FreeFile();
  Open(programPath(relativePath), OpenMode::Input, file);
  for (int line = 0; line < 4; ++line) series.header.push_back(LineInput(file));
  series.count = InputNumber(file);
  series.startTimes = InputNumber(file);
  while (!EndOfFile(file)) {
    std::vector<double> record(8);
    for (double& field : record) field = InputNumber(file);
    series.records.push_back(record);
  }
  Close(file);
  return series;
}

std::string bytesOf(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Mercury alone with the Sun, its series header written to
// "\Plan0\Txt1\Celvan1Ras1.txt", time running in the direction given.
void startMercuryRun(solar::Experiment& experiment, int direction) {
  solar::resetModel();
  solar::placeBodies({0, 1});
  Main.TimeDirection = static_cast<int16_t>(direction);
  Main.FileNumber = 1;
  Main.TheoryName = "КЛАССИКА   JPL0";
  experiment.window.controls.writeOrbitRecords = true;
  experiment.start();
  Main.RecordFilePath = "\\Plan0\\Txt1\\Celvan1Ras1.txt";
  Main.RecordCount = ModelRun::expectedRecordCount(false);
  experiment.run.writeOrbitSampleHeader(false);
}

class OrbitSampleFile : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() / ("celvan-series-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder_ / "Plan0" / "Txt1");
    setProgramFolder(folder_.string());
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }
  const KeptProgramFolder keptFolder_;
  std::filesystem::path folder_;
};

// Mercury alone with the Sun for two years, forward or backwards in time:
// from the third perihelion passage on, one record per perihelion and per
// aphelion, each with the elements the planet started on.
TEST_P(OrbitSampleFile, RecordsOfAKeplerOrbitCarryItsElements) {
  const int direction = GetParam();
  solar::Experiment experiment;
  startMercuryRun(experiment, direction);
  experiment.runYears(2, 1000);

  const Series series = readSeries(Main.RecordFilePath);
  EXPECT_EQ(series.header[0].rfind("эксперимент № 1 для объекта № 1 из 2 от ", 0), 0u) << series.header[0];
  EXPECT_NE(series.header[0].find(" плоскость эклиптики в эпоху J2000 начало 01,50.01.2000"), std::string::npos);
  EXPECT_EQ(series.header[1].rfind("шаг решения 3600 сек  уменьшен у перигелия в 1000 раз     dAlfa= 1", 0), 0u)
      << series.header[1];
  EXPECT_EQ(series.header[3],
            " № замера     прошло дней   перигелий     восхождение     наклон   эксцентриситет    полуось     "
            "угл.скорость");
  ASSERT_GE(series.records.size(), 10u);
  EXPECT_EQ(series.count, static_cast<double>(series.records.size())) << "the count line holds the records written";
  EXPECT_EQ(series.startTimes, 245154500);

  const double a = solar::kJ2000[1].a * solar::kAU;
  const double meanMotionPerCentury =
      std::sqrt(Main.gamma * (Main.Mass[0] + Main.Mass[1]) / (a * a * a)) * 36525 * 86400;
  double previousTime = 0;
  for (const auto& r : series.records) {
    SCOPED_TRACE(r[1]);
    EXPECT_GE(r[0], 3);
    EXPECT_EQ(r[1] > previousTime, direction > 0) << "time runs with the direction of the run";
    previousTime = r[1];
    EXPECT_NEAR(r[2] / 1e8, solar::kJ2000[1].perihelion, 1e-3);
    EXPECT_NEAR(r[3] / 1e8, solar::kJ2000[1].node, 1e-2);
    EXPECT_NEAR(r[4] / 1e8, solar::kJ2000[1].i, 1e-4);
    EXPECT_NEAR(r[5] / 1e8, solar::kJ2000[1].e, 1e-6);
    EXPECT_NEAR(r[6] * 10 / a, 1.0, 1e-6);
    EXPECT_NEAR(r[7] / 1e8 / meanMotionPerCentury, 1.0, 1e-5);
  }

  const std::string bytes = bytesOf(folder_ / "Plan0" / "Txt1" / "Celvan1Ras1.txt");
  EXPECT_EQ(bytes.rfind("\xFD\xEA\xF1\xEF\xE5\xF0\xE8\xEC\xE5\xED\xF2 ", 0), 0u) << "Windows-1251 text";
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
  EXPECT_EQ(bytes.find('\n'), bytes.find("\r\n") + 1);
}

// At the end of a run the count line is rewritten with the records in the
// file. When that new file cannot be made (the disk full, the name taken),
// the series written during the run stays whole: nothing is lost but the
// count, and the run says it failed.
TEST_F(OrbitSampleFile, ARefusedCountRewriteKeepsEveryRecord) {
  MessageBoxRecorder boxes;
  solar::Experiment experiment;
  startMercuryRun(experiment, 1);
  std::filesystem::create_directory(folder_ / "Plan0" / "Txt1" / "Celvan1Ras1.txt.tmp");
  experiment.runYears(2, 1000);

  EXPECT_GE(boxes.count(), 1);
  EXPECT_EQ(boxes.last().text, "Ошибка решения уравнений");
  const Series series = readSeries(Main.RecordFilePath);
  ASSERT_EQ(series.header.size(), 4u);
  EXPECT_EQ(series.header[0].rfind("эксперимент № 1 для объекта № 1 из 2 от ", 0), 0u) << series.header[0];
  EXPECT_EQ(series.count, ModelRun::expectedRecordCount(false)) << "the count of the run's start";
  ASSERT_GE(series.records.size(), 10u);
  for (std::size_t i = 0; i < series.records.size(); ++i) EXPECT_GT(series.records[i][5], 0) << i;
}

INSTANTIATE_TEST_SUITE_P(Directions, OrbitSampleFile, ::testing::Values(1, -1),
                         [](const auto& info) { return std::string(info.param > 0 ? "Forward" : "Backward"); });

}  // namespace

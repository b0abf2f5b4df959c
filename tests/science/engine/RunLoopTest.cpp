// The run loop's clock, its end year in both directions of time, the centre
// of mass as origin, and its errors.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include "core/runtime/Clock.h"
#include "core/runtime/MessageBox.h"
#include "core/runtime/ProgramFolder.h"
#include "core/support/KeptProgramFolder.h"
#include "tests/science/engine/SolarSystemSetup.h"
#include "core/runtime/MessageBoxRecorder.h"

namespace {

// A body that nothing attracts moves uniformly; where the run puts it must
// agree with the run's own clock, also when the orbit tracking has changed
// the step hundreds of times around Mercury's passages.
TEST(RunClock, ModelTimeBelongsToTheState) {
  solar::resetModel();
  solar::placeBodies({0, 1});
  Main.VX0[10] = 30000;
  Main.VY0[10] = -12000;
  solar::Experiment experiment;
  experiment.start();
  experiment.runYears(1, 1000);
  ASSERT_GE(Main.RevolutionCount, 3) << "the step was reduced at the passages";
  // Sums of a hundred thousand steps round to a few metres in 10^12 m.
  EXPECT_NEAR(Main.StateVector[10] - Main.X0[10], 30000 * Main.ModelTime, 100.0);
  EXPECT_NEAR(Main.StateVector[21] - Main.Y0[10], -12000 * Main.ModelTime, 100.0);
  EXPECT_NEAR((Main.JD - Main.InitialDataJD) * 86400, Main.ElapsedTime, 0.01);
}

struct EndYearCase {
  const char* name;
  int direction;
  int endYear;
};
// Printed by its name in the test output, not as the bytes of the struct.
void PrintTo(const EndYearCase& c, std::ostream* out) { *out << c.name; }

class EndYear : public ::testing::TestWithParam<EndYearCase> {};

// From 2000 January 1.5 a run forward with the end year 2000 ends as 2001
// begins, and a run backwards with the end year 1999 as 1998 begins: each
// 365.5 days of model time, ended by the run itself.
TEST_P(EndYear, RunEndsWhenTheDatePassesTheEndYear) {
  const EndYearCase c = GetParam();
  solar::resetModel();
  solar::placeBodies({0, 1});
  Main.TimeDirection = static_cast<int16_t>(c.direction);
  Main.EndYear = c.endYear;
  solar::Experiment experiment;
  experiment.window.controls.endAtYear = true;
  experiment.start();
  Main.NC0 = 1000;
  experiment.run.RunExperiment(experiment.window);
  EXPECT_EQ(Main.StopFlag, 0) << "not stopped from outside";
  EXPECT_NEAR(c.direction * Main.ElapsedTime / 86400, 365.5, 3600.0 / 86400);
  EXPECT_EQ(Main.CalendarYear, c.direction > 0 ? c.endYear + 1 : c.endYear - 1);
}

INSTANTIATE_TEST_SUITE_P(Directions, EndYear,
                         ::testing::Values(EndYearCase{"Forward", 1, 2000}, EndYearCase{"Backward", -1, 1999}),
                         [](const auto& info) { return std::string(info.param.name); });

// "Хцм=0": the bodies are shown relative to the centre of mass, and the
// centre-of-mass slot in the same frame, where it is the origin.
TEST(CentreOfMassOrigin, CentreSlotIsTheOriginOfTheShiftedBodies) {
  solar::resetModel();
  solar::placeBodies({0, 1, 2, 3, 4, 5});
  solar::Experiment experiment;
  experiment.window.controls.sunAtOrigin = false;
  experiment.window.controls.centreOfMassAtOrigin = true;
  experiment.start();
  experiment.runSteps(50);
  double moment[3] = {0, 0, 0};
  for (int i = 0; i <= 10; ++i) {
    moment[0] += Main.ObjectIncluded[i] * Main.Mass[i] * Main.X[i];
    moment[1] += Main.ObjectIncluded[i] * Main.Mass[i] * Main.Y[i];
    moment[2] += Main.ObjectIncluded[i] * Main.Mass[i] * Main.Z[i];
  }
  const double centre[3] = {Main.X[14], Main.Y[14], Main.Z[14]};
  for (int c = 0; c < 3; ++c) {
    EXPECT_NEAR(moment[c] / Main.SystemMass, 0.0, 1.0);
    EXPECT_NEAR(centre[c], moment[c] / Main.SystemMass, 1.0);
  }
  EXPECT_EQ(Main.SecondObject, 14);
}

struct ErrorCase {
  const char* name;
  void (*spoil)();
};
// Printed by its name in the test output, not as the bytes of the struct.
void PrintTo(const ErrorCase& c, std::ostream* out) { *out << c.name; }

class RunError : public ::testing::TestWithParam<ErrorCase> {};

// A run that meets an error ends with "Ошибка решения уравнений" and ends a
// running plan with it: no hand-over, and no plan number left for the next
// run by hand.
TEST_P(RunError, EndsTheRunAndThePlan) {
  solar::resetModel();
  solar::placeBodies({0, 1, 2});
  solar::Experiment experiment;
  experiment.start();
  GetParam().spoil();
  Main.PlanNumber = 3;
  int handOvers = 0;
  struct PlanWindow : HeadlessRunWindow {
    int* handOvers;
    void handOverToPlan() override { ++*handOvers; }
  } window;
  window.handOvers = &handOvers;
  window.controls = experiment.window.controls;
  MessageBoxRecorder boxes;
  Main.StopFlag = 1;
  Main.NC0 = 10;
  experiment.run.RunExperiment(window);
  ASSERT_EQ(boxes.count(), 1);
  EXPECT_EQ(boxes.last().text, "Ошибка решения уравнений");
  EXPECT_EQ(boxes.last().title, "Celvan7mmm");
  EXPECT_EQ(Main.PlanNumber, 0);
  EXPECT_EQ(handOvers, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Causes, RunError,
    ::testing::Values(ErrorCase{"TwoBodiesAtOnePoint",
                                [] {
                                  for (int m = 0; m < 3; ++m)
                                    Main.StateVector[2 + m * 11] = Main.StateVector[1 + m * 11];
                                }},
                      ErrorCase{"StepOfZero", [] { Main.P00 = Main.Step = 0; }},
                      ErrorCase{"StepDivisorOfZero", [] { Main.StepDivisor = 0; }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace

namespace {

// A plan run "по тесту" integrates nothing: after its pause it evaluates the
// test criterion of the experiment, Σ|δ| + Σδ² over the seven factors with
// δ the relative deviation from the reference (0 at the references), appends
// the experiment's line to the test-plan result file, marks the file as
// begun and hands over to the plan.
TEST(TestPlanRun, AppendsTheCriterionOfTheExperimentAndHandsOver) {
  solar::resetModel();
  Main.MassRatio[2] = 408523.71;
  Main.MassRatio[5] = 1047.3486;
  Main.TestReference = Main.MassRatio[2];
  Main.JupiterTestReference = Main.MassRatio[5];
  const double references[8] = {0, 100, 100, 100, 100, 1, Main.JupiterTestReference, Main.TestReference};
  for (int run = 1; run <= 2; ++run)
    for (int p = 1; p <= 7; ++p) Stat.RunValues(p, run) = references[p];
  Stat.RunValues(4, 2) = 110;  // one factor 10 % above its reference: 0.1 + 0.01

  const KeptProgramFolder keptFolder;
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("celvan-testplan-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder / "Dat");
  setProgramFolder(folder.string());
  std::vector<int> pauses;
  const auto previousSleep = setSleepHandler([&](int ms) { pauses.push_back(ms); });
  struct PlanWindow : HeadlessRunWindow {
    int handOvers = 0;
    void handOverToPlan() override { ++handOvers; }
  } window;
  ModelRun run;
  Main.TestMode = 1;
  Main.RecordFilePath = "\\Dat\\NabPlan3.txt";
  for (int experiment = 1; experiment <= 2; ++experiment) {
    Stat.RunIndex = static_cast<int16_t>(experiment);
    Main.PlanNumber = 1;
    run.RunExperiment(window);
  }
  setSleepHandler(previousSleep);

  EXPECT_EQ(Stat.Criterion[1], 0.0);
  EXPECT_NEAR(Stat.Criterion[2], 0.11, 1e-15);
  EXPECT_EQ(Main.Y[88], 88);
  EXPECT_EQ(window.handOvers, 2);
  EXPECT_EQ(Main.PlanNumber, 0);
  EXPECT_EQ(pauses, (std::vector<int>{1000, 1000}));
  std::ifstream file(folder / "Dat" / "NabPlan3.txt", std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  // Print zones of 14 columns: the second number starts in column 15.
  EXPECT_EQ(bytes, " 1             0 \r\n 2             110000 \r\n");
  std::filesystem::remove_all(folder);
}

}  // namespace

// The model window driven as a user drives it: its load and activation, the
// refusals of "Начать", a run from start to end, the plan's finite speed of
// gravity, stopping a run from inside its event pump, continuing it,
// stepping it, the scale and the exits.
#include <cmath>
#include <ostream>

#include "tests/windows/model/Form2Fixture.h"

namespace {

TEST_F(Form2Test, LoadSetsTheInteractionDefaultsAndAReloadRestoresThem) {
  Form2& form = openModelWindow();
  EXPECT_EQ(Main.kodDX, 1);
  EXPECT_EQ(Main.kodPgr, 0);
  EXPECT_EQ(Main.PreciseEnergyFlag, 1);
  EXPECT_EQ(Main.N1, 1);
  EXPECT_EQ(Main.N2, 2);
  EXPECT_DOUBLE_EQ(Main.OverviewScale, 1.8e12);
  EXPECT_EQ(form.Text14.Text(), Str(Main.InitialDataJD));
  EXPECT_EQ(form.Text44.Text(), "1801");
  // Opening the window gives the orbit view 3e11 m per unit, as its label says.
  EXPECT_DOUBLE_EQ(Main.ImageScale, 3e11);
  EXPECT_EQ(form.Label1.Caption(), "Масштаб орбит = 300 млн. км/см");

  Main.kodDX = 3;
  Main.kodPgr = 5;
  click(form.Command8);  // "Закрыть форму"
  EXPECT_FALSE(ui::isFormLoaded<Form2>());
  EXPECT_TRUE(ui::isFormLoaded<Form1>());
  openModelWindow();
  EXPECT_EQ(Main.kodDX, 1);
  EXPECT_EQ(Main.kodPgr, 0);
}

TEST_F(Form2Test, ScaleBarSetsTheScaleOfTheOrbitView) {
  Form2& form = openModelWindow();
  ui::stepAsUser(form.HScroll1, 1);
  EXPECT_EQ(form.Label1.Caption(), "Масштаб = 310 млн.км/см");
  EXPECT_DOUBLE_EQ(Main.ImageScale, 3.1e11);
  ui::dragAsUser(form.HScroll1, 1);
  EXPECT_EQ(form.Label1.Caption(), "Масштаб = 0,1 млн.км/см");
}

struct Refusal {
  const char* name;
  void (*prepare)(Form2&);
  const char* text;
  const char* title;
};
// Printed by its name in the test output, not as the bytes of the struct.
void PrintTo(const Refusal& c, std::ostream* out) { *out << c.name; }

class Form2Refusal : public Form2Test, public ::testing::WithParamInterface<Refusal> {};

// "Начать" refuses what cannot run with its message, and the run loop is
// not entered.
TEST_P(Form2Refusal, StartShowsTheMessageAndRunsNothing) {
  Form2& form = openModelWindow();
  GetParam().prepare(form);
  Main.StartTimer = -1;
  click(form.Command1);
  ASSERT_EQ(boxes.count(), 1);
  EXPECT_EQ(boxes.last().text, GetParam().text);
  EXPECT_EQ(boxes.last().title, GetParam().title);
  EXPECT_EQ(Main.StartTimer, -1) << "the run did not start";
  EXPECT_EQ(Main.ModelTime, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, Form2Refusal,
    ::testing::Values(
        Refusal{"ObjectBeyond10", [](Form2& f) { ui::typeAsUser(f.Text13, "11"); },
                "номер объекта должен быть от 0 до 10", "Celvan7.0"},
        Refusal{"ObjectWithAFraction", [](Form2& f) { ui::typeAsUser(f.Text13, "3,5"); }, "Задайте правильно данные",
                "Celvan7"},
        Refusal{"RelativisticWithoutFiniteSpeed", [](Form2& f) { ui::clickAsUser(f.Option8); },
                "Надо задать скорость гравитации", "Celvan7mmm"},
        Refusal{"SpeedOfGravityZero", [](Form2& f) { ui::typeAsUser(f.Text35, "0"); },
                "Скорость гравитации не может быть равна нулю", "Celvan7mmm"},
        Refusal{"SunAsFollowedPlanet", [](Form2& f) { ui::typeAsUser(f.Text13, "0"); },
                "Номер планеты для вычисления параметров должен быть от 1 до 10", "Celvan7"},
        Refusal{"StepZero", [](Form2& f) { ui::typeAsUser(f.Text38, "0"); }, "Задайте правильно данные", "Celvan7"},
        Refusal{"StepNegative", [](Form2& f) { ui::typeAsUser(f.Text38, "-3600"); }, "Задайте правильно данные",
                "Celvan7"},
        Refusal{"StepDivisorZero", [](Form2& f) { ui::typeAsUser(f.Text39, "0"); }, "Задайте правильно данные",
                "Celvan7"},
        Refusal{"StepNotANumber", [](Form2& f) { ui::typeAsUser(f.Text38, "час"); }, "Задайте правильно данные",
                "Celvan7"}),
    [](const auto& info) { return std::string(info.param.name); });

// A year of the default model from the start-up window's initial data
// (1801): Mercury, followed from the Sun, passes its perihelion four times;
// the series file of experiment 1 gets its header, records from the third
// passage on and the true count.
TEST_F(Form2Test, DefaultRunOfOneYearFollowsMercuryAndWritesItsSeries) {
  Form2& form = openModelWindow();
  endInStartYear(form);
  click(form.Check20);
  click(form.Command1);
  EXPECT_EQ(boxes.count(), 0) << boxes.last().text;
  // From 1801 January 1.5 to the start of 1802, ended by the run itself.
  EXPECT_EQ(Main.CalendarYear, 1802);
  EXPECT_NEAR(Main.ElapsedTime / 86400, 364.5, 1.0 / 24);
  EXPECT_EQ(form.Text34.Text(), "4");
  // Mercury's period from the crossings of longitude 0, days.
  EXPECT_NEAR(CDbl(form.Text49.Text()), 87.97, 0.1);
  const std::string series = fileBytes("Plan0/Txt1/Celvan1Ras1.txt");
  ASSERT_FALSE(series.empty());
  EXPECT_EQ(Main.TheoryName, "КЛАССИКА   SER0");
  EXPECT_EQ(Main.PlanNumber, 0);
}

// An experiment of a plan runs with a finite speed of gravity: the start
// ticks "Vgr=Vsv *" and writes the series into the plan's folder; the end
// of the run leaves no plan number.
TEST_F(Form2Test, PlanExperimentRunsWithAFiniteSpeedOfGravity) {
  Form2& form = openModelWindow();
  endInStartYear(form);
  click(form.Check20);
  ASSERT_EQ(form.Check13.Value(), 0);
  Main.PlanNumber = 1;
  form.Text53.setText(TimeText());  // the plan window's trigger
  EXPECT_EQ(form.Check13.Value(), 1);
  EXPECT_EQ(Main.FiniteVgrFlag, 1);
  EXPECT_TRUE(programFileExists("Plan1/Txt1/Celvan1Ras1.txt"));
  EXPECT_EQ(Main.PlanNumber, 0);
}

// A plan number left by a plan file or the weights window does not make a
// run started by hand a plan experiment's: the user's "Vgr=Vsv *" stands.
TEST_F(Form2Test, ARunByHandKeepsTheUsersChoiceOfTheSpeedOfGravity) {
  Form2& form = openModelWindow();
  endInStartYear(form);
  ASSERT_EQ(form.Check13.Value(), 0);
  Main.PlanNumber = 1;
  click(form.Command1);
  EXPECT_EQ(form.Check13.Value(), 0);
  EXPECT_EQ(Main.FiniteVgrFlag, 0);
}

// "Остановить" pressed while the run lets events run ends it at the next
// output pass; "NC0 шагов" makes exactly NC0 steps in the direction of the
// run; "Продолжить" with "Назад" reverses the velocities and runs back, so
// that the bodies return to their start; pressed again it goes on
// backwards without reversing them a second time.
TEST_F(Form2Test, StopStepAndContinueBackwards) {
  Form2& form = openModelWindow();
  click(form.Check14);  // no end year
  click(form.Check4);   // no tracking: one-hour steps throughout
  type(form.Text37, "10");
  auto stopAtNextPass = [&] { QTimer::singleShot(0, [&] { ui::clickAsUser(form.Command4); }); };
  stopAtNextPass();
  click(form.Command1);
  EXPECT_DOUBLE_EQ(Main.ElapsedTime, 10 * 3600.0);

  click(form.Option2);   // "Назад"
  click(form.Command2);  // "NC0 шагов": the direction is not looked at
  EXPECT_DOUBLE_EQ(Main.ElapsedTime, 20 * 3600.0);
  EXPECT_EQ(Main.TimeDirection, 1);

  stopAtNextPass();
  click(form.Command5);  // "Продолжить": back for two output passes
  EXPECT_EQ(Main.TimeDirection, -1);
  EXPECT_DOUBLE_EQ(Main.ElapsedTime, 0.0);
  for (int c = 0; c < 3; ++c) {
    const double start[3] = {Main.X0[1], Main.Y0[1], Main.Z0[1]};
    const double startVelocity[3] = {Main.VX0[1], Main.VY0[1], Main.VZ0[1]};
    EXPECT_NEAR(Main.StateVector[1 + 11 * c], start[c], 1000.0) << "Mercury back at its start";
    EXPECT_NEAR(Main.StateVector[34 + 11 * c], -startVelocity[c], 1e-3) << "with its velocity reversed";
  }

  stopAtNextPass();
  click(form.Command5);  // again "Назад": no second reversal
  EXPECT_DOUBLE_EQ(Main.ElapsedTime, -20 * 3600.0);
  EXPECT_GT(Main.StateVector[34] * -Main.VX0[1] + Main.StateVector[45] * -Main.VY0[1], 0.0)
      << "Mercury still moves backwards along its orbit";
}

// "Закрыть форму" pressed while a run lets events run: the run ends with
// its window at that output pass, the start-up window stays.
TEST_F(Form2Test, ClosingTheWindowDuringARunEndsTheRun) {
  Form2& form = openModelWindow();
  click(form.Check14);  // no end year: only the closing ends the run
  type(form.Text37, "10");
  QTimer::singleShot(0, [&] { ui::clickAsUser(form.Command8); });
  click(form.Command1);
  EXPECT_FALSE(ui::isFormLoaded<Form2>());
  EXPECT_TRUE(ui::isFormLoaded<Form1>());
  EXPECT_LE(Main.ElapsedTime, 20 * 3600.0);
  EXPECT_EQ(boxes.count(), 0);
}

TEST_F(Form2Test, ExitUnloadsEveryWindow) {
  Form2& form = openModelWindow();
  click(form.Command6);
  EXPECT_EQ(ui::loadedFormCount(), 0);
}

}  // namespace

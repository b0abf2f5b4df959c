// The experiments of a plan over observations: each a full reduction of
// the synthetic Mars file with the orbit of its plan row, the choice of
// experiments, the stop, the refusals, the test function, and what the
// runs must leave alone.
#include <cmath>
#include <filesystem>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "core/runtime/Clock.h"
#include "core/runtime/ProgramFolder.h"
#include "core/stat/Stat.h"
#include "model/Form2.h"
#include "ui/Runtime.h"
#include "windows/observations/Form10Fixture.h"

namespace {

// A criterion no run can give: what an experiment that did not run keeps.
constexpr double kNotRun = -12345;

class Form10PlanRunsTest : public Form10Test {
 protected:
  void SetUp() override {
    Form10Test::SetUp();
    previousPlayer_ = ui::setWaveFilePlayer([this](const std::string& path) { played.push_back(path); });
    previousSleep_ = setSleepHandler([this](int) {
      if (duringPause) duringPause();
    });
  }
  void TearDown() override {
    setSleepHandler(previousSleep_);
    ui::setWaveFilePlayer(previousPlayer_);
    Form10Test::TearDown();
  }

  // GREN chosen for Mars up to 2004, the planet's orbit from the plan, no
  // animation; on the plan window the template of Mars at the file's start
  // and an orthogonal plan over the perihelion and the mean longitude
  // (nine experiments).
  Form10& preparePlan() {
    Form10& form = chooseGreenwich();
    click(form.Option10);
    setTicked(form.Check4, true);
    Form13& plan = form13();
    click(plan.Command1);
    for (int i = 1; i <= 9; ++i) setTicked(plan.Check1[i], i == 4 || i == 7);
    click(plan.Command4);
    type(form.Text65, "2004");  // after the template, which sets twenty years
    for (int run = 0; run <= 91; ++run) Stat.Criterion[run] = kNotRun;
    boxes.clear();
    return form;
  }

  void runExperiments(Form10& form, int first, int last) {
    type(form.Text26, std::to_string(first));
    type(form.Text27, std::to_string(last));
    click(form.Command7);
  }

  std::string endSound() const { return programPath("\\Arhiv\\tada.wav"); }

  std::vector<std::string> played;
  // Runs at every pause of a run (with "пауза" ticked).
  std::function<void()> duringPause;

 private:
  std::function<void(const std::string&)> previousPlayer_;
  std::function<void(int)> previousSleep_;
};

// Experiments 5..7: the rows of experiments 1..7 hold the zero levels with
// each factor moved by its coded level times its interval; each of the
// three experiments reduces every record of the file from the first one;
// the others keep what they held; then the start date comes back and the
// end sound plays.
TEST_F(Form10PlanRunsTest, ExperimentsFiveToSevenRunFromTheFirstRecordEach) {
  Form10& form = preparePlan();
  runExperiments(form, 5, 7);
  EXPECT_EQ(boxes.count(), 0) << boxes.last().text;
  for (int run = 1; run <= 7; ++run)
    for (int p = 1; p <= 9; ++p) {
      double expected = Stat.ZeroLevels[p];
      if (p == 4) expected += Stat.PlanMatrix(1, run) * Stat.VariationIntervals[4];
      if (p == 7) expected += Stat.PlanMatrix(2, run) * Stat.VariationIntervals[7];
      EXPECT_DOUBLE_EQ(Stat.RunValues(p, run), expected) << run << " " << p;
    }
  EXPECT_EQ(Stat.Criterion[4], kNotRun);
  EXPECT_EQ(Stat.Criterion[8], kNotRun);
  for (int run = 5; run <= 7; ++run) EXPECT_GT(Stat.Criterion[run], 0) << run;
  // Runs 5 and 6 put the perihelion on either side of its zero level: the
  // orbits differ, so do the criteria.
  EXPECT_NE(Stat.Criterion[5], Stat.Criterion[6]);
  EXPECT_EQ(form.Text23.Text(), std::to_string(kMarsRecords));
  EXPECT_EQ(form.Text26.Text(), "1");
  EXPECT_EQ(form.Text2.Text() + "." + form.Text3.Text() + "." + form.Text4.Text(), "1,5.1.2003");
  EXPECT_EQ(played, std::vector<std::string>{endSound()});
}

// A first experiment beyond the last runs nothing: "JD = JD0" follows at
// once (the first experiment back to 1) and the sound plays (unless "Звук
// в конце" is unticked).
TEST_F(Form10PlanRunsTest, FirstBeyondLastRunsNothing) {
  Form10& form = preparePlan();
  runExperiments(form, 5, 3);
  for (int run = 1; run <= 9; ++run) EXPECT_EQ(Stat.Criterion[run], kNotRun) << run;
  EXPECT_EQ(form.Text26.Text(), "1");
  EXPECT_EQ(form.Text2.Text() + "." + form.Text3.Text() + "." + form.Text4.Text(), "1,5.1.2003");
  EXPECT_EQ(played.size(), 1u);
  setTicked(form.Check30, false);
  runExperiments(form, 5, 3);
  EXPECT_EQ(played.size(), 1u);
  EXPECT_EQ(boxes.count(), 0);
}

// "Остановить" during experiment 6 of 5..7: experiment 7 does not run, the
// box shows 6 and the date reached, no sound. A series started afterwards
// from the start date reads the file from its first record again.
TEST_F(Form10PlanRunsTest, StopDuringExperimentSixEndsTheSeries) {
  Form10& form = preparePlan();
  setTicked(form.Check28, true);  // "пауза": the test's pause handler runs at each pass
  int passesOfSix = 0;
  duringPause = [&] {
    if (form.Text26.Text() == "6" && ++passesOfSix == 10) click(form.Command4);
  };
  runExperiments(form, 5, 7);
  EXPECT_GT(Stat.Criterion[5], 0);
  EXPECT_NE(Stat.Criterion[6], kNotRun);
  EXPECT_EQ(Stat.Criterion[7], kNotRun);
  EXPECT_EQ(Stat.RunIndex, 6);
  EXPECT_EQ(form.Text26.Text(), "6");
  EXPECT_LT(CDbl(form.Text23.Text()), kMarsRecords);
  EXPECT_NE(form.Text2.Text() + "." + form.Text3.Text(), "1,5.1");
  EXPECT_TRUE(played.empty());

  duringPause = nullptr;
  click(form.Command18);  // "JD = JD0"
  runExperiments(form, 7, 7);
  EXPECT_EQ(form.Text23.Text(), std::to_string(kMarsRecords));
  EXPECT_NE(Stat.Criterion[7], kNotRun);
  EXPECT_EQ(played.size(), 1u);
}

// Numbers that name no experiment of the plan, and plan boxes that hold no
// number, are refused before any experiment runs.
TEST_F(Form10PlanRunsTest, RefusedExperimentsRunNothing) {
  Form10& form = preparePlan();
  Form13& plan = form13();
  struct Case {
    const char* first;
    const char* last;
    const char* planBox;
    const char* message;
  };
  const Case cases[] = {{"1", "92", "0,1", "Введите правильно данные"},
                        {"1", "10", "0,1", "Введите правильно данные"},  // beyond the nine of the plan
                        {"0", "3", "0,1", "Введите правильно данные"},
                        {"x", "3", "0,1", "Введите правильно данные"},
                        {"1", "3", "0,1x", "Задайте правильно данные для плана"}};
  for (const Case& c : cases) {
    boxes.clear();
    type(plan.Text2[4], c.planBox);
    type(form.Text26, c.first);
    type(form.Text27, c.last);
    click(form.Command7);
    ASSERT_EQ(boxes.count(), 1) << c.first << ".." << c.last;
    EXPECT_EQ(boxes.last().text, c.message);
    for (int run = 1; run <= 9; ++run) EXPECT_EQ(Stat.Criterion[run], kNotRun) << run;
    EXPECT_TRUE(played.empty());
  }
}

// With "использовать тест" and three factors of a rotatable plan, each
// criterion is 1 + Σx_i + Σ_(i<j) x_i·x_j + Σx_i² at the run's coded point.
// The factors' boxes and the plan state both say zero level 0, interval 1;
// the model's bodies keep their places; the regression recovers the
// coefficients.
TEST_F(Form10PlanRunsTest, TestFunctionGivesTheQuadraticWithAllCoefficientsOne) {
  Form10& form = openWindow();
  Form13& plan = form13();
  for (int i = 1; i <= 9; ++i) setTicked(plan.Check1[i], i == 1 || i == 3 || i == 8);
  click(plan.Option4);  // "Roto"
  click(plan.Command4);
  ASSERT_EQ(Stat.Nf, 3);
  const double earthX = Main.X[1], bodyZ = Main.Z[5];
  setTicked(form.Check8, true);
  click(form.Command7);
  ASSERT_GE(Stat.RunCount, 15);
  for (int run = 1; run <= Stat.RunCount; ++run) {
    double x[3];
    for (int i = 0; i < 3; ++i) x[i] = Stat.PlanMatrix(i + 1, run);
    double expected = 1;
    for (int i = 0; i < 3; ++i) expected += x[i] + x[i] * x[i];
    for (int i = 0; i < 3; ++i)
      for (int j = i + 1; j < 3; ++j) expected += x[i] * x[j];
    EXPECT_NEAR(Stat.Criterion[run], expected, 1e-12) << run;
  }
  for (int p : {1, 3, 8}) {
    EXPECT_EQ(plan.Text1[p].Text(), "0");
    EXPECT_EQ(plan.Text2[p].Text(), "1");
    EXPECT_EQ(Stat.ZeroLevels[p], 0);
    EXPECT_EQ(Stat.VariationIntervals[p], 1);
  }
  EXPECT_EQ(Main.X[1], earthX);
  EXPECT_EQ(Main.Z[5], bodyZ);
  EXPECT_TRUE(played.empty());

  // The regression of these criteria gives every coefficient back as 1.
  for (int t = 0; t <= 27; ++t) Stat.RegressionCoefficients[t] = 0;
  form.Text52.setText("12:00:00");  // the plan summary
  click(form.Command10);
  for (int t = 0; t <= 9; ++t) EXPECT_NEAR(Stat.RegressionCoefficients[t], 1, 1e-9) << t;
  EXPECT_EQ(boxes.count(), 0);
}

// A plan over the second perturber's coefficients of Mars: the experiments
// differ by their coefficients alone, and the model's force model, speed of
// gravity and velocity of the Solar System stay as they were.
TEST_F(Form10PlanRunsTest, PerturbationPlanLeavesTheModelAlone) {
  Main.ForceModel = 1;
  Main.Vgr = 7.5e8;
  Main.VXsys = 3;
  Form10& form = chooseGreenwich();
  type(form.Text65, "2004");
  setTicked(form.Check4, true);
  setTicked(form.Check27, true);  // "+dLp"
  Form13& plan = form13();
  for (int i = 1; i <= 9; ++i) {
    setTicked(plan.Check1[i], i == 2 || i == 3);
    type(plan.Text1[i], "0");
    type(plan.Text2[i], "0,01");  // degrees of the coefficients
  }
  type(plan.Text5, "1");
  click(plan.Command4);
  setTicked(plan.Check2, true);
  click(plan.Option6);  // "№2"
  for (int run = 0; run <= 91; ++run) Stat.Criterion[run] = kNotRun;
  runExperiments(form, 1, 2);
  EXPECT_EQ(boxes.count(), 0) << boxes.last().text;
  EXPECT_NE(Stat.Criterion[1], kNotRun);
  EXPECT_NE(Stat.Criterion[1], Stat.Criterion[2]);

  setTicked(plan.Check2, false);  // the same runs without the plan over the perturbations
  runExperiments(form, 1, 2);
  EXPECT_EQ(Stat.Criterion[1], Stat.Criterion[2]);

  EXPECT_EQ(Main.ForceModel, 1);
  EXPECT_EQ(Main.Vgr, 7.5e8);
  EXPECT_EQ(Main.VXsys, 3);
}

// The perihelion and the mean longitude of Mars on the plan window, in
// degrees, as their boxes hold them.
struct MarsElements {
  double perihelion;
  double longitude;
};

// The plans over the observations themselves: rotatable plans over the
// perihelion (parameter 4) and the mean longitude (parameter 7) of Mars,
// each experiment a full reduction of the file with the root-mean-square dR
// as its criterion, and single runs of the same reduction to scan that
// criterion directly.
class Form10RealPlanTest : public Form10PlanRunsTest {
 protected:
  static constexpr int kPerihelion = 4, kLongitude = 7;

  // The plan of Mars over the file, the criterion "+ Sqr(E(dR^2)/N)", the
  // rotatable plan of two factors (eleven experiments). The zero levels are
  // the theory's values at the file's start.
  void SetUp() override {
    Form10PlanRunsTest::SetUp();
    form_ = &preparePlan();
    setTicked(form_->Check7, true);
    click(form13().Option4);  // "Roto"
    click(form13().Command4);
  }

  MarsElements zeroLevels() {
    return {shown(form13().Text1[kPerihelion]), shown(form13().Text1[kLongitude])};
  }

  // Every experiment of the plan around `centre` with these intervals, the
  // regression of their criteria, its stationary point: the natural optimum
  // the optimum boxes show.
  MarsElements optimumOfPlan(MarsElements centre, MarsElements interval) {
    Form13& plan = form13();
    setElements(plan.Text1, centre);
    setElements(plan.Text2, interval);
    click(form_->Command18);  // "JD = JD0"
    runExperiments(*form_, 1, Stat.RunCount);
    EXPECT_EQ(boxes.count(), 0) << boxes.last().text;
    form_->Text52.setText("12:00:00");  // the plan summary
    click(form_->Command10);            // the regression
    click(plan.Command3);               // its stationary point
    EXPECT_EQ(boxes.count(), 0) << boxes.last().text;
    return {shown(plan.Text4[kPerihelion]), shown(plan.Text4[kLongitude])};
  }

  // One run of the observations with these elements as the orbit; the note
  // of the file's empty line, which a single run shows, put away.
  double criterionAt(MarsElements orbit) {
    setElements(form13().Text1, orbit);
    click(form_->Command18);  // "JD = JD0"
    click(form_->Command1);   // "Начать"
    boxes.clear();
    return Stat.Criterion[0];
  }

  // Scans of single runs through `optimum`, along each factor at -2..2
  // quarters of its interval: the optimum's own criterion is the least, or
  // the least lies a quarter of an interval away.
  void expectLeastCriterionNear(MarsElements optimum, MarsElements interval) {
    const double atOptimum = criterionAt(optimum);
    for (double MarsElements::*factor : {&MarsElements::perihelion, &MarsElements::longitude}) {
      SCOPED_TRACE(factor == &MarsElements::perihelion ? "perihelion" : "mean longitude");
      double least = atOptimum;
      int leastAt = 0;
      for (int quarters : {-2, -1, 1, 2}) {
        MarsElements orbit = optimum;
        orbit.*factor += quarters * interval.*factor / 4;
        if (const double y = criterionAt(orbit); y < least) {
          least = y;
          leastAt = quarters;
        }
      }
      EXPECT_LE(std::abs(leastAt), 1);
    }
  }

 private:
  static void setElements(ui::ControlArray<ui::TextBox>& boxes, MarsElements values) {
    type(boxes[kPerihelion], Str(values.perihelion));
    type(boxes[kLongitude], Str(values.longitude));
  }

  Form10* form_ = nullptr;
};

// Started from the theory's values at the file's start, which the
// observations (made from another ephemeris) put a little off their least
// criterion: the stationary point of the regression lies where scans of
// single runs along each factor through it find the least criterion, to a
// quarter of an interval, and its criterion is below that of the start.
TEST_F(Form10RealPlanTest, StartedAtTheTheoryFindsTheLeastCriterion) {
  const MarsElements start = zeroLevels();
  const MarsElements interval{0.05, 0.01};
  const MarsElements optimum = optimumOfPlan(start, interval);
  expectLeastCriterionNear(optimum, interval);
  EXPECT_LT(criterionAt(optimum), criterionAt(start));
}

// Started 1.5° in perihelion and 0.5° in mean longitude off the truth.
// The file was made from another ephemeris than the theory, so the truth
// in the theory's own elements is written nowhere: it is where this file's
// criterion is least, which the direct scans of single runs find. The
// theory's values at the file's start, from an independent ephemeris of the
// same planet, lie within a small fraction of the offsets from it.
// The root-mean-square deviation is a narrow cone in the elements, rounded
// only at its bottom (its floor is the two ephemerides' disagreement, a few
// per cent of its rise over the offsets, reached within some thousandths
// of a degree in mean longitude): the stationary point of a quadratic
// regression over a region wider than that bottom falls far off the least
// criterion. So the user walks first, as one reads the plan's run table:
// five plans, each centred on the experiment with the least criterion of
// the last and with half its intervals (a mean-longitude interval about a
// seventh of the perihelion's, as the criterion is about seven times
// steeper in it); then two narrow plans within the bottom, each centred on
// the stationary point of the last ("Задать нулевые уровни = X(i)opt").
TEST_F(Form10RealPlanTest, StartedOffTheTruthComesBackToIt) {
  const MarsElements theory = zeroLevels();
  const MarsElements start{theory.perihelion + 1.5, theory.longitude + 0.5};
  MarsElements centre = start;
  MarsElements wide{1.7, 0.25};
  for (int round = 1; round <= 5; ++round) {
    optimumOfPlan(centre, wide);
    int least = 1;
    for (int run = 2; run <= Stat.RunCount; ++run)
      if (Stat.Criterion[run] < Stat.Criterion[least]) least = run;
    centre.perihelion += Stat.PlanMatrix(1, least) * wide.perihelion;
    centre.longitude += Stat.PlanMatrix(2, least) * wide.longitude;
    wide = {wide.perihelion / 2, wide.longitude / 2};
  }
  const MarsElements narrow{0.02, 0.002};
  const MarsElements optimum = optimumOfPlan(optimumOfPlan(centre, {0.05, 0.005}), narrow);

  // The scans put the truth within a quarter of the narrow intervals of the
  // optimum, far nearer than the start in each element.
  expectLeastCriterionNear(optimum, narrow);
  EXPECT_LT(std::abs(optimum.perihelion - theory.perihelion), 0.1 * std::abs(start.perihelion - theory.perihelion));
  EXPECT_LT(std::abs(optimum.longitude - theory.longitude), 0.1 * std::abs(start.longitude - theory.longitude));
  EXPECT_LT(criterionAt(optimum), criterionAt(theory));
}

// The optimum of a rotatable plan over the Mars file, made the zero levels
// ("Задать нулевые уровни = X(i)opt") and exported, becomes the point of the
// plan's start date in Mars's observed series of the plan, which the
// statistics window then holds loaded: a series that had no point yet gets
// it as its first, and its start moves to that date.
TEST_F(Form10PlanRunsTest, OptimumOfARealPlanIsExportedIntoTheObservedSeries) {
  Form10& form = preparePlan();
  setTicked(form.Check7, true);  // "+ Sqr(E(dR^2)/N)"
  Form13& plan = form13();
  const int perihelion = 4, longitude = 7;
  type(plan.Text2[longitude], "0,01");
  type(plan.Text2[perihelion], "0,05");
  click(plan.Option4);  // "Roto"
  click(plan.Command4);
  runExperiments(form, 1, Stat.RunCount);
  form.Text52.setText("12:00:00");  // the plan summary
  click(form.Command10);
  click(plan.Command3);
  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
  const double optimum = shown(plan.Text4[longitude]);
  const double optimumPerihelion = shown(plan.Text4[perihelion]);

  std::filesystem::create_directories(programFile("Ser/Plan1"));
  writeFileBytes("Ser/Plan1/Celvan4Nab.txt", "Mars\r\nobserved\r\n-\r\nIG dT ddT\r\n 0  245154500 \r\n");
  click(plan.Command5);  // "Задать нулевые уровни = X(i)opt"
  type(plan.Text26, "1");
  click(plan.Command7);
  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
  const std::vector<std::string> lines = fileLines("Ser/Plan1/Celvan4Nab.txt");
  ASSERT_EQ(lines.size(), 6u);
  std::istringstream point(lines[5]);
  std::vector<double> fields;
  for (double v; point >> v;) fields.push_back(v);
  ASSERT_EQ(fields.size(), 13u);
  EXPECT_NEAR(fields[10] / 1e6, optimum, 1e-6);  // AlfaL0 in millionths of a degree
  EXPECT_NEAR(fields[4] / 1e8, optimumPerihelion, 1e-8);  // AlfaP in 1e-8 degree
  EXPECT_EQ(Main.FileState, 5);
  EXPECT_EQ(Main.RecordCount, 1);
  EXPECT_NEAR(Main.SampleValues(7, 1), optimum, 1e-6);
  EXPECT_NEAR(Main.SeriesStartJD, Main.JD0, 0.01);
}

}  // namespace

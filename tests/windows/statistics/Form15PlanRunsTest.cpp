// Plan runs on the model window: "4-1-..." runs experiments Text5 to Text6
// one after another through the trigger boxes of the two windows, each with
// the natural factor values of its plan row; the sequence ends after the
// last experiment, on "Остановить" (and resumes from the stopped one), on a
// factor that cannot be set, and when the model window refuses a start.
//
// The rows of a two-level factorial come in the order of the design
// strings: factor 1 varies slowest and "+1" comes before "-1", so with two
// factors the first three experiments are (+1, +1), (+1, -1), (-1, +1).
#include <QTimer>

#include "model/Form2.h"
#include "setup/Form1.h"
#include "ui/Runtime.h"
#include "tests/windows/statistics/Form15Fixture.h"

namespace {

class PlanRuns : public Form15Test {
 protected:
  void SetUp() override {
    Form15Test::SetUp();
    previousPlayer_ = ui::setWaveFilePlayer([this](const std::string& path) { played.push_back(path); });
    form1().Show();
  }
  void TearDown() override {
    ui::setWaveFilePlayer(previousPlayer_);
    Form15Test::TearDown();
  }

  // The wave files the runs would have played, in order.
  std::vector<std::string> played;
  // The end-of-plan sound.
  static std::string endOfPlanSound() { return programPath("\\Arhiv\\Zvuk_end1.wav"); }

  // The model window as "К моделированию" opens it, its runs ending with
  // their start year (runs of one year).
  static Form2& openModelWindow() {
    click(form1().Command1);
    Form2& model = form2();
    model.Show();
    type(model.Text40, "1801");
    return model;
  }

  // The optimisation window with a plan over the factors given and levels
  // that a model run accepts: X4 one speed of light, the mass ratios of
  // Jupiter and Venus, no pressure law.
  static Form15& planOver(const std::vector<int>& factors) {
    Form15& form = openOptimisationWindow();
    type(form.Text11[4], "1");
    type(form.Text11[6], "1047,3486");
    type(form.Text11[7], "408523,71");
    createPlan(form, factors);
    return form;
  }

  // The experiment numbers of the lines that the test runs appended to the
  // test-plan result file of k factors (after its header, which ends with a
  // line of three blanks).
  std::vector<int> testedExperiments(int k) const {
    const std::vector<std::string> lines = readLines("Dat/NabPlan" + std::to_string(k) + ".txt");
    std::vector<int> experiments;
    bool afterHeader = false;
    for (const std::string& line : lines) {
      if (afterHeader) experiments.push_back(std::stoi(line));
      if (line == "   ") afterHeader = true;
    }
    return experiments;
  }

  // Line 3 of the orbit-parameter series of experiment e of plan 1, where a
  // run writes its system velocity and mass ratios.
  std::string seriesLine3(int e) const {
    const std::vector<std::string> lines = readLines("Plan1/Txt1/Celvan1Ras" + std::to_string(e) + ".txt");
    return lines.size() > 2 ? lines[2] : "";
  }
  bool seriesExists(int e) const {
    return std::filesystem::exists(programFile("Plan1/Txt1/Celvan1Ras" + std::to_string(e) + ".txt"));
  }

 private:
  std::function<void(const std::string&)> previousPlayer_;
};

// Runs by the test criterion: experiments 3, 4 and 5 in this order, Text5
// left at 6, the last experiment's factors in the model's variables and
// boxes, and no plan left running.
TEST_F(PlanRuns, TestRunsGoFromTheFirstToTheLastExperiment) {
  Form2& model = openModelWindow();
  Form15& form = planOver({1, 2, 3, 4});
  for (int i = 1; i <= 4; ++i) {
    type(form.Text11[i], "100");
    type(form.Text12[i], "10");
  }
  click(form.Option5);
  type(form.Text5, "3");
  type(form.Text6, "5");
  click(form.Command8);
  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
  EXPECT_EQ(testedExperiments(4), (std::vector<int>{3, 4, 5}));
  EXPECT_EQ(form.Text5.Text(), "6");
  EXPECT_EQ(Main.PlanNumber, 0);
  // The end of the plan is heard once.
  EXPECT_EQ(played, (std::vector<std::string>{endOfPlanSound()}));
  // Experiment 5 is (+1, -1, +1, +1).
  EXPECT_EQ(model.Text8.Text(), "5");
  EXPECT_EQ(model.Text35.Text(), "110");
  EXPECT_DOUBLE_EQ(Main.VXsys, 110);
  EXPECT_DOUBLE_EQ(Main.VYsys, 90);
  EXPECT_EQ(form.Text13[2].Text(), "90");
  EXPECT_DOUBLE_EQ(Main.Mass[5], Main.Mass[0] / 1047.3486);

  // A first experiment beyond the last: nothing runs.
  std::filesystem::remove(programFile("Dat/NabPlan4.txt"));
  click(form.Command8);
  EXPECT_FALSE(std::filesystem::exists(programFile("Dat/NabPlan4.txt")));
  EXPECT_EQ(boxes.count(), 0) << boxes.last().text;
}

// Each next run starts inside the end of the one before: a whole plan of
// six factors, 77 experiments, runs by the test criterion to its end.
TEST_F(PlanRuns, AWholeSixFactorPlanRunsToItsEnd) {
  openModelWindow();
  Form15& form = planOver({1, 2, 3, 4, 6, 7});
  type(form.Text12[4], "0,1");
  click(form.Option5);
  click(form.Command8);
  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
  std::vector<int> all(77);
  for (int e = 1; e <= 77; ++e) all[e - 1] = e;
  EXPECT_EQ(testedExperiments(6), all);
  EXPECT_EQ(form.Text5.Text(), "78");
  EXPECT_EQ(Main.PlanNumber, 0);
}

// The pressure law of the runs: none while X5 is neither a plan factor nor
// away from 0, law 5 otherwise with kPgr1 the value of X5 in the
// experiment, and kPgr2 equal to it or 0 with "kPgr2=0".
TEST_F(PlanRuns, PressureLawFollowsTheFifthFactor) {
  struct Case {
    std::vector<int> factors;
    const char* level;
    bool secondZero;
    int law;
    double k1, k2;
  };
  const Case cases[] = {{{1, 2}, "0", false, 0, 0, 0},
                        {{1, 2}, "0,5", false, 5, 0.5, 0.5},
                        {{1, 5}, "0,5", true, 5, 0.6, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.level);
    openModelWindow();
    Form15& form = planOver(c.factors);
    click(form.Option5);
    type(form.Text11[5], c.level);
    type(form.Text12[5], "0,1");
    if ((form.Check5.Value() == 1) != c.secondZero) click(form.Check5);
    type(form.Text6, "1");  // experiment 1: every plan factor at +1
    click(form.Command8);
    ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
    EXPECT_EQ(Main.kodPgr, c.law);
    EXPECT_DOUBLE_EQ(Main.kPgr1, c.k1);
    EXPECT_DOUBLE_EQ(Main.kPgr2, c.k2);
    ui::unloadAllForms();
  }
}

// Three model runs of one year, each an experiment of a plan over VX and
// Jupiter's mass ratio, with a finite speed of gravity: each writes its
// series into the plan's folder with its own system velocity and mass.
TEST_F(PlanRuns, ModelRunsWriteTheSeriesOfEachExperiment) {
  Form2& model = openModelWindow();
  ASSERT_EQ(model.Check13.Value(), 0);
  Form15& form = planOver({1, 6});
  type(form.Text12[1], "10");
  type(form.Text6, "3");
  click(form.Command8);
  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
  for (int e = 1; e <= 3; ++e) EXPECT_TRUE(seriesExists(e)) << e;
  EXPECT_FALSE(seriesExists(4));
  EXPECT_NE(seriesLine3(1).find("VXsys=  10 "), std::string::npos) << seriesLine3(1);
  EXPECT_NE(seriesLine3(1).find("m5= 1048,348"), std::string::npos) << seriesLine3(1);
  EXPECT_NE(seriesLine3(2).find("m5= 1046,348"), std::string::npos) << seriesLine3(2);
  EXPECT_NE(seriesLine3(3).find("VXsys=  -10 "), std::string::npos) << seriesLine3(3);
  EXPECT_EQ(form.Text5.Text(), "4");
  EXPECT_EQ(Main.PlanNumber, 0);
  EXPECT_EQ(model.Check13.Value(), 1);
  EXPECT_EQ(Main.FiniteVgrFlag, 1);
  EXPECT_EQ(Main.kodDX, 2);
  EXPECT_EQ(Main.kodPgr, 0) << "X5 is no plan factor and its level is 0";
  EXPECT_EQ(model.Text35.Text(), "1");
}

// "Остановить" during experiment 2 of 3: experiment 3 does not run and
// Text5 still shows 2; "4-1" again resumes with experiment 2.
TEST_F(PlanRuns, StopEndsTheSequenceAndItResumesFromTheStoppedExperiment) {
  Form2& model = openModelWindow();
  Form15& form = planOver({1, 6});
  type(form.Text6, "3");
  QTimer stopInExperiment2;
  stopInExperiment2.setInterval(0);
  QObject::connect(&stopInExperiment2, &QTimer::timeout, [&] {
    if (Stat.RunIndex != 2) return;
    stopInExperiment2.stop();
    ui::clickAsUser(model.Command4);
  });
  stopInExperiment2.start();
  click(form.Command8);
  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
  EXPECT_TRUE(seriesExists(1));
  EXPECT_TRUE(seriesExists(2));
  EXPECT_FALSE(seriesExists(3));
  EXPECT_EQ(form.Text5.Text(), "2");
  EXPECT_EQ(Main.PlanNumber, 0);
  EXPECT_TRUE(played.empty()) << "a stopped plan has not ended";

  click(form.Command8);
  EXPECT_TRUE(seriesExists(3));
  EXPECT_EQ(form.Text5.Text(), "4");
}

// Every factor is applied, chosen for the plan or not, so a value that
// would divide by zero or make a mass or a speed meaningless is refused
// before the first run, with a message naming the factor, the experiment
// and its boxes: nothing runs, the model's masses and options stay, and no
// plan is left running for the next run by hand.
TEST_F(PlanRuns, MeaninglessFactorsAreRefusedBeforeTheFirstRun) {
  const std::string notInPlan = " (фактор учитывается, даже если он не отмечен в плане)";
  const struct {
    const char* name;
    std::vector<int> plan;
    std::vector<std::pair<int, const char*>> zeroLevels, intervals;
    const char* message;
  } cases[] = {
      {"the window's defaults", {1, 2, 3, 4}, {}, {},
       "Фактор X6=m0/m5 в эксперименте № 1 равен 0: деление на ноль при расчете массы\r\n"
       "Исправьте нулевой уровень X6"},
      {"a mass ratio of 0 in experiment 2", {1, 6}, {{4, "1"}, {6, "1"}, {7, "1"}}, {{6, "1"}},
       "Фактор X6=m0/m5 в эксперименте № 2 равен 0: деление на ноль при расчете массы\r\n"
       "Исправьте нулевой уровень или интервал варьирования X6"},
      {"a negative mass ratio", {1, 2}, {{4, "1"}, {6, "1"}, {7, "-5"}}, {},
       "Фактор X7=m0/m2 в эксперименте № 1 равен -5: масса получается отрицательной\r\n"
       "Исправьте нулевой уровень X7"},
      {"no speed of gravity", {1, 2}, {{6, "1"}, {7, "1"}}, {},
       "Фактор X4=Vgr, Vsv в эксперименте № 1 равен 0: скорость гравитации должна быть больше нуля\r\n"
       "Исправьте нулевой уровень X4"},
      {"a system faster than light", {1, 2}, {{1, "300000"}, {4, "1"}, {6, "1"}, {7, "1"}}, {},
       "Скорость Солнечной системы (X1, X2, X3) в эксперименте № 1 равна 300001,000001667 км/с и не "
       "меньше скорости света\r\nИсправьте нулевые уровни или интервалы X1, X2, X3"},
  };
  openModelWindow();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Form15& form = openOptimisationWindow();
    for (const auto& [factor, text] : c.zeroLevels) type(form.Text11[factor], text);
    for (const auto& [factor, text] : c.intervals) type(form.Text12[factor], text);
    createPlan(form, c.plan);
    click(form.Option5);
    const double jupiter = Main.Mass[5];
    const int16_t retardation = Main.kodDX;
    boxes.clear();
    click(form.Command8);
    ASSERT_EQ(boxes.count(), 1);
    const std::string message = c.message;
    const bool named = message.find("Исправьте нулевой уровень X") != std::string::npos;
    EXPECT_EQ(boxes.last().text, named ? message + notInPlan : message);
    EXPECT_EQ(boxes.last().title, "Celvan7m");
    EXPECT_FALSE(programFileExists("Dat/NabPlan2.txt"));
    EXPECT_EQ(Main.PlanNumber, 0);
    EXPECT_EQ(Main.Mass[5], jupiter);
    EXPECT_EQ(Main.kodDX, retardation);
    form.Unload();
  }
}

// A run by hand while a plan number is set (here by loading a plan file)
// is no experiment of a sequence: its end starts no experiment, even with
// the counters a stopped sequence left.
TEST_F(PlanRuns, ARunByHandStartsNoExperiment) {
  Form2& model = openModelWindow();
  writePlanFile(1, unitFactors(), uniformWeights("100"));
  Form15& form = openOptimisationWindow();
  click(form.Command14);
  ASSERT_EQ(Main.PlanNumber, 1);
  Stat.RunIndex = 1;
  Stat.LastRun = 9;
  click(model.Command1);
  EXPECT_EQ(boxes.count(), 0) << boxes.last().text;
  EXPECT_EQ(form.Text5.Text(), "1");
  EXPECT_EQ(model.Text8.Text(), "1");
  EXPECT_EQ(Main.PlanNumber, 0);
}

// "К плану" shows the optimisation window. A start of the model window
// while the optimisation window is not loaded does not load it, so the plan
// another window built stays.
TEST_F(PlanRuns, TheModelWindowMeetsThePlanWindow) {
  Form2& model = openModelWindow();
  Stat.Nf = 3;
  Stat.RunCount = 15;
  type(model.Text40, "1801");
  click(model.Command1);
  EXPECT_FALSE(ui::isFormLoaded<Form15>());
  EXPECT_EQ(Stat.Nf, 3);
  EXPECT_EQ(Stat.RunCount, 15);

  click(model.Command10);
  ASSERT_TRUE(ui::isFormLoaded<Form15>());
  EXPECT_TRUE(form15().Visible());
}

}  // namespace

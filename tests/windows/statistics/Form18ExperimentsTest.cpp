// Experiments and criterion on the plan designer: the standard quadratic
// test at the natural factor values, the kinds of criterion, the nine test
// functions of Form8 at known points, and the refusals.
#include "Form18Fixture.h"

namespace {

// The natural factor values of run r: zero level + coded level x interval.
std::vector<double> naturalValues(int k, int r, const std::vector<double>& zeroLevels,
                                  const std::vector<double>& intervals) {
  std::vector<double> x;
  for (int i = 1; i <= k; ++i) x.push_back(zeroLevels[i - 1] + Stat.PlanMatrix(i, r) * intervals[i - 1]);
  return x;
}

TEST_F(Form18Test, StandardTestIsTheAllOnesQuadraticAtTheNaturalValues) {
  Form18& form = openDesigner();
  click(form.Command14);
  const std::vector<double> zeroLevels{1, -0.5, 2, 0};
  const std::vector<double> intervals{0.5, 2, 1, 3};
  typeLevels(form, {"1", "-0,5", "2", "0"}, {"0,5", "2", "1", "3"});
  click(form.Command4);

  EXPECT_EQ(boxes.count(), 0);
  // Yopt of four factors: 1 + 2k + k(k-1)/2 = 15, the quadratic at x_i = 1.
  EXPECT_EQ(Stat.Yopt, 15);
  EXPECT_EQ(form.Text6.Text(), "15");
  double lowest = 1e300, highest = -1e300;
  for (int r = 1; r <= Stat.RunCount; ++r) {
    SCOPED_TRACE(r);
    const double y = allOnesQuadratic(naturalValues(4, r, zeroLevels, intervals));
    EXPECT_NEAR(Stat.Criterion[r], y, 1e-12 * std::abs(y) + 1e-12);
    EXPECT_EQ(Stat.RunValues(1, r), Stat.PlanMatrix(1, r));  // the coded level is kept
    lowest = std::min(lowest, y);
    highest = std::max(highest, y);
  }
  EXPECT_NEAR(shown(form.Text7), lowest, 1e-6);
  EXPECT_NEAR(shown(form.Text20), (highest - lowest) / 10, 1e-6);
  EXPECT_DOUBLE_EQ(Main.MP, (highest - lowest) / 10);
  // The experiments are drawn from y = 0 (the lowest) to y = 10 (the highest).
  int lowestRun = 1, highestRun = 1;
  for (int r = 1; r <= Stat.RunCount; ++r) {
    if (Stat.Criterion[r] < Stat.Criterion[lowestRun]) lowestRun = r;
    if (Stat.Criterion[r] > Stat.Criterion[highestRun]) highestRun = r;
  }
  EXPECT_GT(pixelsNear(form.Picture1, lowestRun / 2.0, 0, 4, RGB(0, 0, 250)), 0);
  EXPECT_GT(pixelsNear(form.Picture1, highestRun / 2.0, 10, 4, RGB(0, 0, 250)), 0);
}

// The kinds of criterion with and without "dY/Yopt", from the standard test
// with Yopt = 15 (four factors).
TEST_F(Form18Test, KindsOfCriterionTransformTheExperiments) {
  struct Case {
    const char* name;
    int kind;  // 0 "Y", 1 "dY= Y - Yopt", 2 "dY^2", 3 "Abs(dY)"
    bool divided;
    double (*criterion)(double y);
  };
  const Case cases[] = {
      {"Y", 0, false, [](double y) { return y; }},
      {"Y / Yopt", 0, true, [](double y) { return y / 15; }},
      {"dY", 1, false, [](double y) { return y - 15; }},
      {"dY / Yopt", 1, true, [](double y) { return (y - 15) / 15; }},
      {"dY^2", 2, false, [](double y) { return (y - 15) * (y - 15); }},
      {"dY^2 / Yopt", 2, true, [](double y) { return (y - 15) * (y - 15) / 15; }},
      {"Abs(dY)", 3, false, [](double y) { return std::abs(y - 15); }},
      {"Abs(dY) / Yopt", 3, true, [](double y) { return std::abs(y - 15) / 15; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Form18& form = openDesigner();
    click(form.Command14);
    ui::OptionButton* kinds[] = {&form.Option18, &form.Option19, &form.Option20, &form.Option21};
    click(*kinds[c.kind]);
    if (c.divided) click(form.Check4);
    click(form.Command4);

    EXPECT_EQ(boxes.count(), 0);
    EXPECT_EQ(Stat.Criterion[99], c.divided ? 15 : 1);
    for (int r = 1; r <= Stat.RunCount; ++r) {
      const double y = allOnesQuadratic(naturalValues(4, r, {0, 0, 0, 0}, {1, 1, 1, 1}));
      EXPECT_NEAR(Stat.Criterion[r], c.criterion(y), 1e-12);
    }
    form.Unload();
    ui::destroyUnloadedForms();
  }
}

// The nine test functions of Form8 on a four-factor rotatable plan with zero
// levels 1 and intervals 1/4, 1/2, 3/4, 1/8: a zero-point run sits at X1..X4
// = 1, where each function takes its Yopt; run 1 of the core has every
// factor at its upper level, X = (1.25, 1.5, 1.75, 1.125).
TEST_F(Form18Test, TestFunctionsOfForm8AtTheCentreAndAtACorner) {
  struct Case {
    int option;
    double yopt;
    double atCorner;  // worked by hand from the function's formula
  };
  const Case cases[] = {
      {2, 2, 2.8125},       // X1 + X1^2 = 1.25 + 1.5625
      {3, 4, 5.625},        // X1 + X2 + X3 + X4
      {4, 1, 3.69140625},   // X1 X2 X3 X4
      {5, 1, 3.28125 / 1.265625},  // X1 X2 X3 / X4^2
      {6, 6, 11.75},        // 1.875 + 2.1875 + 1.40625 + 2.625 + 1.6875 + 1.96875
      {7, 1, 3.515625},     // X1^2 X2^2 = 1.5625 * 2.25
      {8, 4, 8.140625},     // 1.5625 + 2.25 + 3.0625 + 1.265625
      {9, 8, 11.953125},    // 5.625 + 1.125 * 4.5 + 1.265625
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.option);
    Form18& form = openDesigner();
    click(form.Command14);
    typeLevels(form, {"1", "1", "1", "1"}, {"0,25", "0,5", "0,75", "0,125"});
    click(form.Option8);
    ASSERT_TRUE(form8().Visible());
    ui::OptionButton* tests[] = {&form8().Option1, &form8().Option2, &form8().Option3,
                                 &form8().Option4, &form8().Option5, &form8().Option6,
                                 &form8().Option7, &form8().Option8, &form8().Option9};
    click(*tests[c.option - 1]);
    click(form.Command4);

    EXPECT_EQ(boxes.count(), 0);
    EXPECT_EQ(Stat.Yopt, c.yopt);
    EXPECT_EQ(shown(form.Text6), c.yopt);
    const int zeroRun = 16 + 8 + 1;
    EXPECT_NEAR(Stat.Criterion[zeroRun], c.yopt, 1e-12);
    EXPECT_NEAR(Stat.Criterion[1], c.atCorner, 1e-12);
    // The natural values of the run are kept.
    EXPECT_EQ(Stat.RunValues(2, 1), 1.5);
    form.Unload();
    ui::destroyUnloadedForms();
  }
}

TEST_F(Form18Test, TestFunctionOneNumbersTheRuns) {
  Form18& form = openDesigner();
  click(form.Command14);
  click(form.Option8);
  click(form8().Option1);
  click(form.Command4);
  EXPECT_EQ(Stat.Yopt, 10);
  for (int r = 1; r <= Stat.RunCount; ++r) EXPECT_EQ(Stat.Criterion[r], r);
}

// The test functions read four factors: a factor the plan does not have
// stays at its zero level, whatever another plan left in the run table.
TEST_F(Form18Test, TestFunctionOfATwoFactorPlanTakesMissingFactorsAtTheirZeroLevels) {
  Form18& form = openDesigner();
  createPlan(form, 2, 2);
  for (int r = 1; r <= 91; ++r) Stat.RunValues(3, r) = Stat.RunValues(4, r) = 100;
  typeLevels(form, {"0", "0", "5", "7"}, {"1", "1", "1", "1"});
  click(form.Option8);
  click(form8().Option3);  // X1 + X2 + X3 + X4
  click(form.Command4);

  EXPECT_EQ(boxes.count(), 0);
  for (int r = 1; r <= Stat.RunCount; ++r)
    EXPECT_NEAR(Stat.Criterion[r], Stat.PlanMatrix(1, r) + Stat.PlanMatrix(2, r) + 12, 1e-12);
}

TEST_F(Form18Test, TestFiveStopsAtTheFirstRunWithXFourZero) {
  Form18& form = openDesigner();
  click(form.Command14);
  for (int r = 1; r <= 91; ++r) Stat.Criterion[r] = -1;
  click(form.Option8);
  click(form8().Option5);
  click(form.Command4);  // zero levels 0, intervals 1: X4 = 0 first in the star runs of X1

  ASSERT_EQ(boxes.count(), 1);
  EXPECT_EQ(boxes.last().text, "Деление на ноль в эксперименте  17");
  EXPECT_EQ(boxes.last().title, "Celvan7m");
  // The core runs before it have their values X1 X2 X3 / X4^2 = +-1.
  for (int r = 1; r <= 16; ++r) EXPECT_EQ(std::abs(Stat.Criterion[r]), 1);
  EXPECT_EQ(Stat.Criterion[17], -1);
  EXPECT_EQ(form.Text6.Text(), "100");  // no criterion was computed
}

TEST_F(Form18Test, LevelsThatAreNoNumbersAreRefused) {
  struct Case {
    const char* name;
    int row;
    bool interval;
  };
  // All six rows are read, whatever the number of factors.
  const Case cases[] = {{"zero level of X1", 1, false}, {"interval of X6", 6, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Form18& form = openDesigner();
    click(form.Command14);
    type(c.interval ? form.Text2[c.row] : form.Text1[c.row], "1.5");
    click(form.Command4);
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, "Введите правильно нулевые уровни и интервалы");
    EXPECT_EQ(boxes.last().title, "Celvan7m");
    boxes.clear();
    form.Unload();
    ui::destroyUnloadedForms();
  }
}

// Every run with the same criterion: the values are printed and the scale
// shows 0, then the plot cannot be scaled.
TEST_F(Form18Test, EqualCriterionInEveryRunEndsInTheCalculationMessage) {
  Form18& form = openDesigner();
  click(form.Command14);
  typeLevels(form, {"1", "1", "1", "1"}, {"0", "0", "0", "0"});
  click(form.Command4);

  ASSERT_EQ(boxes.count(), 1);
  EXPECT_EQ(boxes.last().text, "Ошибка при расчетах");
  EXPECT_EQ(boxes.last().title, "Celvan7m");
  EXPECT_EQ(form.Text20.Text(), "0");
  EXPECT_EQ(shown(form.Text7), 15);
  EXPECT_EQ(pixelsOfColour(form.Picture1, RGB(0, 0, 250)), 0);
}

// The criterion's range sets the plot even when every value lies beyond the
// fixed start values a running minimum and maximum would take (10^12, -10^6).
TEST_F(Form18Test, CriterionRangeComesFromTheRunsThemselves) {
  struct Case {
    const char* name;
    const char* zeroLevel;
    bool sumOfFactors;  // test 3 of Form8 (X1 + X2 + X3 + X4), else the standard test
  };
  const Case cases[] = {{"every value above 10^12: X1^2 with X1 near 2 10^6", "2000000", false},
                        {"every value below -10^6: the sum with X1 near -2 10^6", "-2000000", true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Form18& form = openDesigner();
    click(form.Command14);
    typeLevels(form, {c.zeroLevel, "0", "0", "0"}, {"1", "1", "1", "1"});
    if (c.sumOfFactors) {
      click(form.Option8);
      click(form8().Option3);
    }
    click(form.Command4);
    EXPECT_EQ(boxes.count(), 0);
    double lowest = Stat.Criterion[1], highest = Stat.Criterion[1];
    for (int r = 2; r <= Stat.RunCount; ++r) {
      lowest = std::min(lowest, Stat.Criterion[r]);
      highest = std::max(highest, Stat.Criterion[r]);
    }
    EXPECT_EQ(Main.MinValue, lowest);
    EXPECT_EQ(Main.MaxValue, highest);
    EXPECT_GT(pixelsNear(form.Picture1, 0.5, (Stat.Criterion[1] - lowest) / Main.MP, 4, RGB(0, 0, 250)), 0);
    form.Unload();
    ui::destroyUnloadedForms();
  }
}

TEST_F(Form18Test, ExperimentsOptionShowsTheTestWindowWithTheLastTestChosen) {
  Form18& form = openDesigner();
  EXPECT_FALSE(ui::isFormLoaded<Form8>());
  click(form.Option8);
  ASSERT_TRUE(ui::isFormLoaded<Form8>());
  EXPECT_TRUE(form8().Visible());
  EXPECT_EQ(form8().chosenTest(), 9);
  EXPECT_EQ(form8().Caption(), "Тесты формы планов     Celvan7m");
}

}  // namespace

namespace {

// Form8 may be closed by its title bar: the next experiments load it again,
// hidden, with test 9 chosen as at the start (Yopt 8).
TEST_F(Form18Test, ClosedTestWindowComesBackWithItsStartChoice) {
  Form18& form = openDesigner();
  click(form.Command14);
  click(form.Option8);
  click(form8().Option3);
  ui::closeAsUser(form8());
  ASSERT_FALSE(ui::isFormLoaded<Form8>());
  click(form.Command4);
  EXPECT_EQ(boxes.count(), 0);
  ASSERT_TRUE(ui::isFormLoaded<Form8>());
  EXPECT_FALSE(form8().Visible());
  EXPECT_EQ(Stat.Yopt, 8);
}

}  // namespace

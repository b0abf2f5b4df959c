// Regression, graphs, optimum and the value at a point on the plan designer:
// an exactly quadratic response is recovered by least squares, its
// stationary point found where the calculus puts it.
#include "Form18Fixture.h"

namespace {

int modelTerms(int k) { return 2 * k + k * (k - 1) / 2; }

// Standard test with zero levels 0 and intervals 1: the experiments are the
// all-ones quadratic of the coded values, so the least-squares fit of the
// orthogonal, rotatable and uniform-rotatable plans returns every
// coefficient as 1 and reproduces every run.
TEST_F(Form18Test, RegressionRecoversTheStandardTestExactly) {
  for (int type = 1; type <= 3; ++type) {
    for (int k = 2; k <= 6; ++k) {
      SCOPED_TRACE("type " + std::to_string(type) + ", " + std::to_string(k) + " factors");
      Form18& form = openDesigner();
      createPlan(form, type, k);
      click(form.Command4);
      click(form.Command1);
      ASSERT_EQ(boxes.count(), 0);
      for (int t = 0; t <= modelTerms(k); ++t) EXPECT_NEAR(Stat.RegressionCoefficients[t], 1, 1e-9) << "b" << t;
      for (int r = 1; r <= Stat.RunCount; ++r) EXPECT_NEAR(Stat.CriterionCalc[r], Stat.Criterion[r], 1e-9);
      form.Unload();
      ui::destroyUnloadedForms();
    }
  }
}

// The regression at each run is drawn as a red circle over the run's blue
// experiment (the same height when the fit is exact), with the legend below
// the axis.
TEST_F(Form18Test, RegressionIsDrawnOverTheExperiments) {
  Form18& form = openDesigner();
  click(form.Command14);
  typeLevels(form, {"1", "0", "0", "0"}, {"1", "1", "1", "1"});
  click(form.Command4);
  const int32_t red = RGB(250, 0, 0);
  EXPECT_EQ(pixelsOfColour(form.Picture1, red), 0);
  click(form.Command1);
  ASSERT_EQ(boxes.count(), 0);
  for (int r : {1, 9, 17, 26}) {
    SCOPED_TRACE(r);
    const double height = (Stat.Criterion[r] - Main.MinValue) / Main.MP;
    EXPECT_GT(pixelsNear(form.Picture1, r / 2.0, height, 6, red), 0);
    EXPECT_GT(pixelsNear(form.Picture1, r / 2.0, height, 4, RGB(0, 0, 250)), 0);
  }
  EXPECT_GT(pixelsNear(form.Picture1, 5, -1.3, 6, red), 0);
  EXPECT_GT(pixelsNear(form.Picture1, 5, -1.8, 4, RGB(0, 0, 250)), 0);
}

// The D-optimal plan of four factors fits with its tabulated constants. They
// are rounded to about 5e-6 (0.22917, 0.10417), and the sums they multiply
// reach a few hundred here, so the coefficients are good to about 1e-3.
TEST_F(Form18Test, DOptimalPlanOfFourFactorsFitsToItsTabulatedPrecision) {
  Form18& form = openDesigner();
  createPlan(form, 4, 4);
  click(form.Command4);
  click(form.Command1);
  ASSERT_EQ(boxes.count(), 0);
  for (int t = 0; t <= modelTerms(4); ++t) EXPECT_NEAR(Stat.RegressionCoefficients[t], 1, 2e-3) << "b" << t;
}

// The D-optimal plan has constants for four and five factors only. The type
// of the plan that was created decides, not the option chosen since.
TEST_F(Form18Test, RegressionOfADOptimalPlanNeedsFourOrFiveFactors) {
  struct Case {
    const char* name;
    int createdType;
    int optionAfterwards;
    bool refused;
  };
  const Case cases[] = {
      {"D-optimal plan of three factors", 4, 4, true},
      {"D-optimal plan of three factors, rotatable chosen since", 4, 2, true},
      {"rotatable plan of three factors, D-optimal chosen since", 2, 4, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Form18& form = openDesigner();
    createPlan(form, c.createdType, 3);
    click(form.Command4);
    click(planTypeOption(form, c.optionAfterwards));
    for (int t = 0; t <= 27; ++t) Stat.RegressionCoefficients[t] = -7;
    click(form.Command1);
    if (c.refused) {
      ASSERT_EQ(boxes.count(), 1);
      EXPECT_EQ(boxes.last().text, "D план только для 4-х или 5-и факторов");
      EXPECT_EQ(boxes.last().title, "Celvan7m");
      EXPECT_EQ(Stat.RegressionCoefficients[0], -7);
    } else {
      EXPECT_EQ(boxes.count(), 0);
      EXPECT_NEAR(Stat.RegressionCoefficients[0], 1, 1e-9);
    }
    boxes.clear();
    form.Unload();
    ui::destroyUnloadedForms();
  }
}

// The standard test 1 + sum x_i + sum_{i<j} x_i x_j + sum x_i^2 has its
// gradient 1 + 2 x_i + sum_{j != i} x_j = 0 at x_i = -1/(k+1) for every i,
// a minimum (its Hessian I + J is positive definite) of value
// 1 - k / (2 (k+1)). The factors are given in natural units with their own
// zero levels and intervals; the optimum comes out in both units.
TEST_F(Form18Test, OptimumOfTheStandardTestIsItsAnalyticMinimum) {
  const std::vector<double> zeroLevels{0.5, -1, 2, 0, 0.25, -0.75};
  const std::vector<double> intervals{2, 0.5, 1, 4, 1.5, 0.25};
  for (int k = 2; k <= 6; ++k) {
    SCOPED_TRACE(std::to_string(k) + " factors");
    Form18& form = openDesigner();
    createPlan(form, 2, k);
    typeLevels(form, {"0,5", "-1", "2", "0", "0,25", "-0,75"}, {"2", "0,5", "1", "4", "1,5", "0,25"});
    click(form.Command4);
    const double criterionOfRunOne = Stat.Criterion[1];
    click(form.Command1);
    click(form.Command5);
    ASSERT_EQ(boxes.count(), 0);

    const double optimum = -1.0 / (k + 1);
    for (int i = 1; i <= k; ++i) {
      SCOPED_TRACE(i);
      EXPECT_NEAR(shown(form.Text4[i]), optimum, 1.5e-6);  // cut to six decimals
      EXPECT_NEAR(shown(form.Text3[i]), (optimum - zeroLevels[i - 1]) / intervals[i - 1], 1e-9);
    }
    for (int i = k + 1; i <= 6; ++i) EXPECT_EQ(form.Text3[i].Text(), "0");
    // The experiments stay as they were: a second regression fits them again.
    EXPECT_EQ(Stat.Criterion[1], criterionOfRunOne);
    // The value at the optimum, through "f (X1...X6)=" at the coded optimum.
    for (int i = 1; i <= k; ++i) type(form.Text1[i], form.Text3[i].Text());
    click(form.Command9);
    EXPECT_NEAR(shown(form.Text9), 1 - k / (2.0 * (k + 1)), 1e-9);
    form.Unload();
    ui::destroyUnloadedForms();
  }
}

// The regression is fitted to the criterion, so its values are criterion
// values: with "dY= Y - Yopt" the value at the standard test's minimum is
// 0.6 - 15 for four factors, and "dY/Yopt" divides it by 15 once.
TEST_F(Form18Test, ValueAtAPointIsInTheUnitsOfTheCriterion) {
  struct Case {
    const char* name;
    bool divided;
    double expected;
  };
  const Case cases[] = {{"dY", false, 0.6 - 15}, {"dY / Yopt", true, (0.6 - 15) / 15}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Form18& form = openDesigner();
    click(form.Command14);
    click(form.Option19);
    if (c.divided) click(form.Check4);
    click(form.Command4);
    click(form.Command1);
    for (int i = 1; i <= 4; ++i) type(form.Text1[i], "-0,2");
    click(form.Command9);
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_NEAR(shown(form.Text9), c.expected, 1e-9);
    form.Unload();
    ui::destroyUnloadedForms();
  }
}

TEST_F(Form18Test, ValueAtTheCentreIsTheFreeTerm) {
  Form18& form = openDesigner();
  click(form.Command14);
  typeLevels(form, {"0", "0", "0", "0"}, {"0,5", "0,5", "0,5", "0,5"});
  click(form.Command4);
  click(form.Command1);
  click(form.Command9);
  EXPECT_EQ(boxes.count(), 0);
  EXPECT_NEAR(shown(form.Text9), Stat.RegressionCoefficients[0], 1e-12);
  EXPECT_NEAR(shown(form.Text9), 1, 1e-9);  // the standard test at natural 0
}

TEST_F(Form18Test, PointThatIsNoNumberIsRefused) {
  Form18& form = openDesigner();
  click(form.Command14);
  click(form.Command4);
  click(form.Command1);
  type(form.Text1[2], "x");
  click(form.Command9);
  ASSERT_EQ(boxes.count(), 1);
  EXPECT_EQ(boxes.last().text, "Введите правильно X1...X6 в поля нулевых уровней");
  EXPECT_EQ(form.Text9.Text(), "Text9");
}

// A regression without a stationary point (the linear test X1 + X2 + X3 +
// X4): the system has no pivot and the solve is refused.
TEST_F(Form18Test, SingularSystemOfTheOptimumIsRefused) {
  Form18& form = openDesigner();
  click(form.Command14);
  click(form.Option8);
  click(form8().Option3);
  click(form.Command4);
  click(form.Command1);
  click(form.Command5);
  ASSERT_EQ(boxes.count(), 1);
  EXPECT_EQ(boxes.last().text, "Ошибка при решение системы линейных уравнений\n");
  EXPECT_EQ(boxes.last().title, "Celvan7m");
  EXPECT_EQ(form.Text3[1].Text(), "0");
}

// Test 8 of Form8, the sum of squares, has its minimum 0 at the origin of
// the natural values, here coded -1/2 (zero levels 1, intervals 2).
TEST_F(Form18Test, OptimumOfTheSumOfSquaresIsTheOrigin) {
  Form18& form = openDesigner();
  click(form.Command14);
  typeLevels(form, {"1", "1", "1", "1"}, {"2", "2", "2", "2"});
  click(form.Option8);
  click(form8().Option8);
  click(form.Command4);
  click(form.Command1);
  click(form.Command5);
  ASSERT_EQ(boxes.count(), 0);
  for (int i = 1; i <= 4; ++i) {
    EXPECT_NEAR(shown(form.Text3[i]), -0.5, 1e-9);
    EXPECT_NEAR(shown(form.Text4[i]), 0, 1e-6);
  }
}

TEST_F(Form18Test, ResetOfTheOptimumClearsTheBoxesOfThePlansFactors) {
  Form18& form = openDesigner();
  createPlan(form, 2, 3);
  for (int i = 1; i <= 6; ++i) {
    type(form.Text3[i], "0,5");
    type(form.Text4[i], "7");
  }
  click(form.Command6);
  for (int i = 1; i <= 6; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(form.Text3[i].Text(), i <= 3 ? "0" : "0,5");
    EXPECT_EQ(form.Text4[i].Text(), i <= 3 ? "0" : "7");
  }
}

// The graphs need the scale and Ymin as numbers: their start texts are not.
TEST_F(Form18Test, GraphsBeforeTheCriterionAreRefused) {
  Form18& form = openDesigner();
  click(form.Command14);
  click(form.Command13);
  ASSERT_EQ(boxes.count(), 1);
  EXPECT_EQ(boxes.last().text, "Ошибка при построение графиков");
  EXPECT_EQ(boxes.last().title, "Celvan7m");
}

// Factor b's curve is 33 dots over x = 5b - 4 .. 5b, the other factors at
// their optimum boxes (0: their zero levels). The standard test along x1
// with the others at 0 is 1 + x1 + x1^2: 1 at the middle of the curve, 3 at
// its right end.
TEST_F(Form18Test, GraphsDrawEachFactorsCurveThroughTheOptimumBoxes) {
  Form18& form = openDesigner();
  click(form.Command14);
  click(form.Command4);
  click(form.Command1);
  click(form.Command13);
  ASSERT_EQ(boxes.count(), 0);
  const double lowest = Main.MinValue;
  const double scale = Main.MP;
  const int32_t dots = RGB(1, 0, 0);
  EXPECT_GT(pixelsNear(form.Picture1, 1 + 16 / 8.0, (1 - lowest) / scale, 2, dots), 0);  // x1 = 0
  EXPECT_GT(pixelsNear(form.Picture1, 1 + 32 / 8.0, (3 - lowest) / scale, 2, dots), 0);  // x1 = 1
  EXPECT_GT(pixelsNear(form.Picture1, 16 + 32 / 8.0, (3 - lowest) / scale, 2, dots), 0);  // x4 = 1
  EXPECT_EQ(pixelsNear(form.Picture1, 21 + 2, 5, 12, dots), 0);  // nothing beyond factor 4
}

}  // namespace

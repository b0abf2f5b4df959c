// The optimisation window's plan: the orthogonal plan over X1 to X4 that it
// opens with, plans over any two to six of the seven factors with their
// picture extents, and the refusal of fewer than two or more than six.
#include <cmath>

#include "statistics/Form9.h"
#include "tests/windows/statistics/Form15Fixture.h"

namespace {

// 24.91 pixels per picture unit.
int pixelsOf(double units) { return static_cast<int>(std::lround(24.91 * units)); }

// The window opens with an orthogonal central-composite plan over X1..X4:
// 2^4 corner runs, 8 star runs and one centre run.
TEST_F(Form15Test, OpensWithTheOrthogonalPlanOverTheFirstFourFactors) {
  Form15& form = openOptimisationWindow();
  EXPECT_EQ(Stat.PlanType, 1);
  ASSERT_EQ(Stat.Nf, 4);
  for (int j = 1; j <= 4; ++j) EXPECT_EQ(Stat.FactorIndex[j], j);
  EXPECT_EQ(Stat.RunCount, 25);
  EXPECT_EQ(form.Text6.Text(), "25");
  EXPECT_EQ(form.Text5.Text(), "1");
  EXPECT_EQ(form.Picture1.heightPixels(), pixelsOf(62));
  EXPECT_EQ(form.Picture1.widthPixels(), pixelsOf(32));
  EXPECT_EQ(boxes.count(), 0);
}

// Orthogonal plans over k = 2..6 factors: n = 2^k + 2k + 1 runs; the
// picture 58 units high up to three factors, 4 (k - 3)² more beyond, 32
// wide and 42 for six.
TEST_F(Form15Test, PlanOfEveryFactorCountSizesItsPicture) {
  struct Case {
    std::vector<int> factors;
    int runs;
    double height;
    double width;
  };
  const Case cases[] = {{{1, 2}, 9, 58, 32},           {{1, 2, 3}, 15, 58, 32},        {{1, 2, 3, 4}, 25, 62, 32},
                        {{1, 2, 3, 4, 5}, 43, 74, 32}, {{1, 2, 3, 4, 5, 6}, 77, 94, 42}};
  Form15& form = openOptimisationWindow();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.factors.size());
    createPlan(form, c.factors);
    EXPECT_EQ(Stat.Nf, static_cast<int>(c.factors.size()));
    EXPECT_EQ(Stat.RunCount, c.runs);
    EXPECT_EQ(form.Text6.Text(), Str(c.runs));
    EXPECT_EQ(form.Picture1.heightPixels(), pixelsOf(c.height));
    EXPECT_EQ(form.Picture1.widthPixels(), pixelsOf(c.width));
    EXPECT_DOUBLE_EQ(Main.PrintColumnX, c.factors.size() + 2.0);
    // The row below the last experiment of the table.
    EXPECT_DOUBLE_EQ(Main.PrintLineY, c.height - 19.5 - (c.runs + 1) / 2.0);
  }
  EXPECT_EQ(boxes.count(), 0);
}

// Any two to six boxes in any positions: plan column j stands for the j-th
// ticked factor. "Roto" makes a rotatable plan.
TEST_F(Form15Test, PlanColumnsStandForTheTickedFactorsInTheirOrder) {
  Form15& form = openOptimisationWindow();
  createPlan(form, {2, 5, 7}, true);
  EXPECT_EQ(Stat.PlanType, 2);
  ASSERT_EQ(Stat.Nf, 3);
  EXPECT_EQ(Stat.FactorIndex[1], 2);
  EXPECT_EQ(Stat.FactorIndex[2], 5);
  EXPECT_EQ(Stat.FactorIndex[3], 7);
  EXPECT_DOUBLE_EQ(Main.PrintColumnX, 5);
  // A rotatable plan's star arm is 2^(k/4).
  EXPECT_NEAR(Stat.StarArm, std::pow(2.0, 3 / 4.0), 1e-12);
}

// One factor or all seven: the message, and the previous plan whole.
TEST_F(Form15Test, RefusesFewerThanTwoOrMoreThanSixFactors) {
  const std::vector<int> refused[] = {{3}, {1, 2, 3, 4, 5, 6, 7}};
  for (const std::vector<int>& factors : refused) {
    SCOPED_TRACE(factors.size());
    Form15& form = openOptimisationWindow();
    createPlan(form, {1, 4});
    const double firstLevel = Stat.PlanMatrix(1, 1);
    boxes.clear();
    createPlan(form, factors);
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, "К-во факторов должно быть от 2 до 6");
    EXPECT_EQ(boxes.last().title, "Celvan7");
    EXPECT_EQ(Stat.Nf, 2);
    EXPECT_EQ(Stat.FactorIndex[2], 4);
    EXPECT_EQ(Stat.RunCount, 9);
    EXPECT_EQ(Stat.PlanMatrix(1, 1), firstLevel);
    EXPECT_EQ(form.Text6.Text(), "9");
    ui::unloadAllForms();
  }
}

// "Очистить" draws the frame again with the extents of the last plan: the
// picture is white again above the grid, and its size stays.
TEST_F(Form15Test, ClearingKeepsTheExtentsOfTheLastPlan) {
  Form15& form = openOptimisationWindow();
  createPlan(form, {1, 2, 3, 4, 5, 6});
  click(form.Command16);
  const QImage grid = form.Picture1.image();
  form.Picture1.Line(1.2, 50.2, 1.8, 50.8, RGB(255, 0, 0), ui::LineShape::FilledBox);
  click(form.Command16);
  EXPECT_EQ(form.Picture1.heightPixels(), pixelsOf(94));
  EXPECT_EQ(form.Picture1.widthPixels(), pixelsOf(42));
  EXPECT_EQ(form.Picture1.image(), grid) << "the red box is gone, the grid is back";
}

// "Файлы*" shows the folder diagram; "Закрыть форму" unloads this window
// only, the windows it opened stay.
TEST_F(Form15Test, FilesShowsTheFolderDiagramAndCloseUnloadsThisWindowOnly) {
  Form15& form = openOptimisationWindow();
  click(form.Command6);
  click(form.Command15);
  EXPECT_TRUE(form9().Visible());
  click(form.Command3);
  EXPECT_FALSE(ui::isFormLoaded<Form15>());
  EXPECT_TRUE(ui::isFormLoaded<Form19>());
  EXPECT_TRUE(ui::isFormLoaded<Form9>());
}

}  // namespace

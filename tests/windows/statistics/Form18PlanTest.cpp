// Plan creation on the plan designer: the plan of each type and factor
// count, the zero points typed or by default, the extents of the picture,
// and the refusals.
#include "Form18Fixture.h"

namespace {

TEST_F(Form18Test, DefaultsCreateTheRotatablePlanOverFourFactors) {
  Form18& form = openDesigner();
  EXPECT_TRUE(form.Option13.Value());
  EXPECT_EQ(form.Text8.Text(), "Text8");
  click(form.Command14);

  EXPECT_EQ(boxes.count(), 0);
  EXPECT_EQ(form.Text8.Text(), "4");
  EXPECT_EQ(form.Text5.Text(), "2");
  EXPECT_EQ(Stat.PlanType, 2);
  EXPECT_EQ(Stat.RunCount, 16 + 8 + 2);
  EXPECT_EQ(Main.PictureHeight, 42);
  EXPECT_EQ(Main.PictureScaleWidth, 32);
  for (int j = 1; j <= 4; ++j) EXPECT_EQ(Stat.FactorIndex[j], j);
  // The tabulated constants were cleared: a rotatable plan has none of its
  // own, so the line printed shows zeros.
  EXPECT_EQ(Main.ScratchText4.rfind("расчетные коэффициенты  k1= ", 0), 0u);
}

// Counts of the central-composite plans: n = 2^k core runs + 2k star runs +
// N0 zero runs; the zero points by default or typed; the picture's extents.
TEST_F(Form18Test, PlansOfEveryTypeHaveTheirRunsAndPictureExtents) {
  struct Case {
    const char* name;
    int type;
    int k;
    bool typedZeroPoints;
    const char* text5;
    int zeroPoints;
    double pictureHeight;
    double pictureWidth;
  };
  const Case cases[] = {
      {"orthogonal, 2 factors", 1, 2, false, "0", 1, 38, 32},
      {"rotatable, 3 factors", 2, 3, false, "0", 2, 38, 32},
      {"rotatable, 5 factors, N0 typed", 2, 5, true, "4", 4, 54, 32},
      {"uniform-rotatable, 6 factors: the largest plan", 3, 6, false, "0", 15, 74, 42},
      {"D-optimal, 4 factors: N0 = 0 whatever is typed", 4, 4, true, "7", 0, 42, 32},
      {"Box composite, 3 factors", 5, 3, false, "0", 1, 38, 32},
      {"orthogonal, 2 factors, N0 rounded half to even", 1, 2, true, "2,5", 2, 38, 32},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Form18& form = openDesigner();
    if ((form.Check1.Value() == 1) != c.typedZeroPoints) click(form.Check1);
    type(form.Text5, c.text5);
    createPlan(form, c.type, c.k);

    EXPECT_EQ(boxes.count(), 0);
    EXPECT_EQ(form.Text8.Text(), std::to_string(c.k));
    EXPECT_EQ(form.Text5.Text(), std::to_string(c.zeroPoints));
    EXPECT_EQ(Stat.PlanType, c.type);
    EXPECT_EQ(Stat.N0, c.zeroPoints);
    EXPECT_EQ(Stat.RunCount, (1 << c.k) + 2 * c.k + c.zeroPoints);
    EXPECT_EQ(Main.PictureHeight, c.pictureHeight);
    EXPECT_EQ(Main.PictureScaleWidth, c.pictureWidth);
    // The table ends half a unit per run below the top of the picture.
    EXPECT_DOUBLE_EQ(Main.PrintLineY, c.pictureHeight - Stat.RunCount / 2.0);
    form.Unload();
    ui::destroyUnloadedForms();
  }
}

// The columns of a two-factor plan stand at x = 0, 1.2, 2.2, 3.4 and 4.6 at
// the least, those of a four-factor plan at 0..3.6 (linear), from 4.6 half a
// unit apart (pairs) and from 8.3 (squares); a column moves right as far as
// its numbers need to stand apart from those of the one before, and the
// columns after it with it. The criterion column starts two units right of
// the last, and the regression's values, four units further, still end
// inside the picture, also for six factors.
TEST_F(Form18Test, CriterionColumnStandsTwoUnitsRightOfThePlanTable) {
  struct Case {
    int k;
    double leastPrintColumnX;
  };
  const Case cases[] = {{2, 6.6}, {4, 13.9}, {6, 23.2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.k);
    Form18& form = openDesigner();
    createPlan(form, 2, c.k);
    EXPECT_GE(Main.PrintColumnX, c.leastPrintColumnX - 1e-12);
    EXPECT_LT(Main.PrintColumnX + 6 + form.Picture1.TextWidth("-0,123456"), Main.PictureScaleWidth);
  }
}

TEST_F(Form18Test, FactorCountOutsideTwoToSixIsRefusedWithThePictureUntouched) {
  struct Case {
    int ticked;
    const char* shownCount;
  };
  const Case cases[] = {{0, "0"}, {1, "1"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ticked);
    Form18& form = openDesigner();
    createPlan(form, 2, 4);
    const QImage before = form.Picture1.image();
    const int runsBefore = Stat.RunCount;
    boxes.clear();
    tickFactors(form, c.ticked);
    click(form.Command14);

    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, "К-во факторов должно быть от 2 до 6");
    EXPECT_EQ(boxes.last().title, "Celvan7m");
    EXPECT_EQ(form.Text8.Text(), c.shownCount);
    EXPECT_EQ(Stat.Nf, c.ticked);
    EXPECT_EQ(Stat.RunCount, runsBefore);
    EXPECT_TRUE(form.Picture1.image() == before);
  }
}

TEST_F(Form18Test, FactorsWithAGapAreRefusedAfterThePictureIsPrepared) {
  Form18& form = openDesigner();
  click(form.Check3[3]);  // X1, X2, X4 ticked
  click(form.Command14);

  ASSERT_EQ(boxes.count(), 1);
  EXPECT_EQ(boxes.last().text, "Факторы должны быть отмечены по порядку");
  EXPECT_EQ(boxes.last().title, "Celvan7m");
  EXPECT_EQ(form.Text8.Text(), "3");
  EXPECT_EQ(Stat.RunCount, 0);
  // Cleared and gridded for three factors: 32 x 38 units.
  EXPECT_EQ(form.Picture1.widthPixels(), std::lround(24.91 * 32));
  EXPECT_EQ(form.Picture1.heightPixels(), std::lround(24.91 * 38));
  EXPECT_GT(pixelsNear(form.Picture1, 10, 20.5, 1, RGB(200, 200, 200)), 0);
}

// A run-time error while the plan is made: the box is not a number (even
// with "Задать N0=" unticked), or more zero points than a plan can hold. The
// plan made before stays whole.
TEST_F(Form18Test, PlanErrorsShowTheirMessageAndKeepThePreviousPlan) {
  struct Case {
    const char* name;
    bool typedZeroPoints;
    const char* text5;
    int k;
  };
  const Case cases[] = {
      {"N0 not a number", false, "два", 4},
      {"six factors with 20 zero points: 96 runs", true, "20", 6},
      {"two factors with 13 zero points", true, "13", 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Form18& form = openDesigner();
    createPlan(form, 2, 3);
    const double cell = Stat.PlanMatrix(1, 1);
    boxes.clear();
    if ((form.Check1.Value() == 1) != c.typedZeroPoints) click(form.Check1);
    type(form.Text5, c.text5);
    tickFactors(form, c.k);
    click(form.Command14);

    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, "Ошибка при составление плана");
    EXPECT_EQ(boxes.last().title, "Celvan7m");
    EXPECT_EQ(Stat.RunCount, 8 + 6 + 2);
    EXPECT_EQ(Stat.PlanMatrix(1, 1), cell);
    form.Unload();
    ui::destroyUnloadedForms();
  }
}

TEST_F(Form18Test, TwelveZeroPointsFitATwoFactorPlan) {
  Form18& form = openDesigner();
  click(form.Check1);
  type(form.Text5, "12");
  createPlan(form, 1, 2);
  EXPECT_EQ(boxes.count(), 0);
  EXPECT_EQ(Stat.RunCount, 20);
}

}  // namespace

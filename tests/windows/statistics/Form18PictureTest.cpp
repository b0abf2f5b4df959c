// The plan designer's picture: its size and grid for a plan, the numbers of
// the printed plan, the scroll bars, "Очистить рисунок" and "Закрыть форму".
#include "Form18Fixture.h"

#include <string>
#include <vector>

#include "core/runtime/NumberText.h"
#include "ui/Fonts.h"

namespace {

const int32_t kGrid = RGB(200, 200, 200);
const int32_t kAxis = RGB(100, 100, 100);
const QColor kInk(Qt::black);
constexpr double kLargePrintPoints = 10;

// Whether a pixel column of the band of picture rows [top, bottom) holds ink.
std::vector<bool> inkedColumns(const QImage& image, int top, int bottom) {
  std::vector<bool> inked(image.width(), false);
  for (int x = 0; x < image.width(); ++x)
    for (int y = std::max(top, 0); y < std::min(bottom, image.height()) && !inked[x]; ++y)
      inked[x] = image.pixelColor(x, y) == kInk;
  return inked;
}

// The runs of ink that lie at least `gap` clear pixel columns apart.
int inkRuns(const std::vector<bool>& inked, int gap) {
  int runs = 0, clear = gap;
  for (bool ink : inked) {
    if (ink && clear >= gap) ++runs;
    clear = ink ? 0 : clear + 1;
  }
  return runs;
}

// The widest clear gap between the first and the last ink.
int widestInnerGap(const std::vector<bool>& inked) {
  int widest = 0, clear = 0;
  bool started = false;
  for (bool ink : inked) {
    if (ink) {
      if (started) widest = std::max(widest, clear);
      started = true;
      clear = 0;
    } else {
      ++clear;
    }
  }
  return widest;
}

// Each row of the printed plan shows its numbers apart: gaps wider than
// any gap inside a number printed alone split the row into as many runs of
// ink as the model has columns, so no two numbers of neighbouring columns
// run together, not even in the pair columns, which stand closest; whatever
// size the screen gives the print.
TEST_F(Form18Test, NumbersOfNeighbouringPlanColumnsStandApart) {
  for (int type = 1; type <= 5; ++type)
    for (int k = 2; k <= 6; ++k) {
      SCOPED_TRACE(testing::Message() << "type " << type << ", factors " << k);
      Form18& form = openDesigner();
      // The print as large as a screen of more dots per inch shows it.
      ui::useCondensedFont(form.Picture1, kLargePrintPoints);
      boxes.clear();
      createPlan(form, type, k);
      if (boxes.count() > 0) {  // a plan the type does not have
        form.Unload();
        ui::destroyUnloadedForms();
        continue;
      }
      const QImage plan = form.Picture1.image().copy();
      const double pixelsPerUnit = plan.height() / -form.Picture1.ScaleHeight();
      const int rowPixels = static_cast<int>(pixelsPerUnit / 2);
      const int columns = 2 * k + k * (k - 1) / 2;
      int innerGap = 0;
      for (int r = 1; r <= Stat.RunCount; ++r)
        for (int j = 1; j <= columns; ++j) {
          form.Picture1.Cls();
          form.Picture1.setCurrentX(1);
          form.Picture1.setCurrentY(Main.PictureHeight);
          form.Picture1.Print(truncateDecimals(Stat.PlanMatrix(j, r), 2));
          innerGap = std::max(innerGap, widestInnerGap(inkedColumns(form.Picture1.image(), 0, rowPixels)));
        }
      for (int r = 1; r <= Stat.RunCount; ++r) {
        const int top = static_cast<int>(std::lround((r - 1) / 2.0 * pixelsPerUnit));
        EXPECT_EQ(inkRuns(inkedColumns(plan, top, top + rowPixels), innerGap + 1), columns) << "run " << r;
      }
      form.Unload();
      ui::destroyUnloadedForms();
    }
}

TEST_F(Form18Test, LargestPlanGivesTheLargestPictureWithFortyTwoGridColumns) {
  Form18& form = openDesigner();
  createPlan(form, 3, 6);
  EXPECT_EQ(form.Picture1.heightPixels(), std::lround(24.91 * 74));
  EXPECT_EQ(form.Picture1.widthPixels(), std::lround(24.91 * 42));
  EXPECT_EQ(form.Picture1.ScaleLeft(), 0);
  EXPECT_EQ(form.Picture1.ScaleTop(), 74);
  EXPECT_EQ(form.Picture1.ScaleWidth(), 42);
  EXPECT_EQ(form.Picture1.ScaleHeight(), -76);
  // Grid columns at x = 0..41, each through the whole height; the axis at 0.
  for (int x : {1, 20, 41}) {
    SCOPED_TRACE(x);
    EXPECT_GT(pixelsNear(form.Picture1, x, -1.5, 0, kGrid), 0);
    EXPECT_GT(pixelsNear(form.Picture1, x, 73.5, 0, kGrid), 0);
  }
  EXPECT_EQ(pixelsNear(form.Picture1, 41.5, 73.5, 3, kGrid), 0);  // between gridlines
  EXPECT_GT(pixelsNear(form.Picture1, 30.5, 0, 0, kAxis), 0);
}

// "Очистить рисунок" takes away what was drawn and grids the picture again;
// the plan stays.
TEST_F(Form18Test, ClearingThePictureKeepsThePlan) {
  Form18& form = openDesigner();
  click(form.Command14);
  click(form.Command4);
  ASSERT_GT(pixelsOfColour(form.Picture1, RGB(0, 0, 250)), 0);
  const int runs = Stat.RunCount;
  click(form.Command7);
  EXPECT_EQ(pixelsOfColour(form.Picture1, RGB(0, 0, 250)), 0);
  EXPECT_GT(pixelsNear(form.Picture1, 10.5, 0, 0, kAxis), 0);
  EXPECT_GT(pixelsNear(form.Picture1, 10, 20.5, 0, kGrid), 0);
  EXPECT_EQ(Stat.RunCount, runs);
  EXPECT_EQ(form.Picture1.heightPixels(), std::lround(24.91 * 42));
}

// Before any plan the extents are 0; another window may leave extents far
// beyond any plan's. The picture is then only cleared.
TEST_F(Form18Test, ClearingWithoutUsableExtentsOnlyClears) {
  struct Case {
    const char* name;
    double height;
    double width;
  };
  const Case cases[] = {{"no plan yet", 0, 0}, {"huge extents", 1e7, 32}, {"negative height", -5, 32}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Form18& form = openDesigner();
    const int height = form.Picture1.heightPixels();
    Main.PictureHeight = c.height;
    Main.PictureScaleWidth = c.width;
    click(form.Command7);
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_EQ(form.Picture1.heightPixels(), height);
    EXPECT_EQ(pixelsOfColour(form.Picture1, kGrid), 0);
  }
}

// Left of Picture1 = (its width - the frame's) x (-value) / 100; top = (the
// frame's height - its height - 4) x value / 100.
TEST_F(Form18Test, ScrollBarsPanThePictureInsideItsFrame) {
  Form18& form = openDesigner();
  EXPECT_EQ(form.HScroll1.Value(), 0);
  EXPECT_EQ(form.VScroll1.Value(), 100);
  createPlan(form, 3, 6);
  const int hiddenWidth = form.Picture1.widthPixels() - form.Picture3.widthPixels();
  const int room = form.Picture3.heightPixels() - form.Picture1.heightPixels() - 4;
  EXPECT_EQ(form.Picture1.topPixels(), room);  // the bottom in view at the start
  EXPECT_EQ(form.Picture1.leftPixels(), 0);

  ui::dragAsUser(form.HScroll1, 100);
  EXPECT_EQ(form.Picture1.leftPixels(), -hiddenWidth);
  ui::dragAsUser(form.HScroll1, 50);
  EXPECT_EQ(form.Picture1.leftPixels(), std::lround(-hiddenWidth * 0.5));
  ui::dragAsUser(form.VScroll1, 0);
  EXPECT_EQ(form.Picture1.topPixels(), 0);

  // A new plan is placed by the bar's current value.
  createPlan(form, 2, 2);
  EXPECT_EQ(form.Picture1.topPixels(), 0);
}

TEST_F(Form18Test, ClosingTheDesignerClosesTheTestWindow) {
  Form18& form = openDesigner();
  click(form.Option8);
  ASSERT_TRUE(ui::isFormLoaded<Form8>());
  click(form.Command3);
  EXPECT_FALSE(ui::isFormLoaded<Form18>());
  EXPECT_FALSE(ui::isFormLoaded<Form8>());
}

TEST_F(Form18Test, DesignerStartsWithItsCaptionAndDefaults) {
  Form18& form = openDesigner();
  EXPECT_EQ(form.Caption(), "Планы многофакторного планирования      Celvan7m - форма 18");
  for (int i = 1; i <= 6; ++i) {
    EXPECT_EQ(form.Check3[i].Value(), i <= 4 ? 1 : 0);
    EXPECT_EQ(form.Text1[i].Text(), "0");
    EXPECT_EQ(form.Text2[i].Text(), "1");
  }
  EXPECT_TRUE(form.Option6.Value());
  EXPECT_TRUE(form.Option18.Value());
  EXPECT_EQ(form.Check4.Value(), 0);
  EXPECT_EQ(form.Text6.Text(), "100");
}

}  // namespace

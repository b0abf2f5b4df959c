// The weights window: the weights of a plan file loaded into the grid,
// edited and saved back with the file's other lines kept; the model shift
// file of one planet viewed, one experiment corrected and the file written
// back with every other row as it was; the messages of every failure.
#include <cmath>

#include "tests/windows/statistics/Form15Fixture.h"

namespace {

int pixelsOf(double units) { return static_cast<int>(std::lround(24.91 * units)); }

// Each window keeps the extents of its own picture: the weights listing
// does not change the plan picture of the optimisation window.
TEST_F(Form15Test, EachWindowKeepsItsPictureExtents) {
  writePlanFile(1, unitFactors(), uniformWeights("100"));
  Form15& plan = openOptimisationWindow();
  Main.PlanNumber = 1;
  click(form19().Command4);
  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
  EXPECT_EQ(Main.PictureHeight, 10);
  click(plan.Command16);
  EXPECT_EQ(plan.Picture1.heightPixels(), pixelsOf(62));
  EXPECT_EQ(plan.Picture1.widthPixels(), pixelsOf(32));
}

// The optimisation window's button opens it; a plan number of 0 becomes 1.
TEST_F(Form15Test, WeightsWindowOpensOnPlanOne) {
  Main.PlanNumber = 0;
  click(openOptimisationWindow().Command6);
  Form19& form = form19();
  ASSERT_TRUE(form.Visible());
  EXPECT_EQ(Main.PlanNumber, 1);
  EXPECT_EQ(form.Text7.Text(), "1");
  EXPECT_EQ(form.Text8.Text(), "1");
  EXPECT_EQ(form.shiftBox(10, 6).Text(), "1");
  EXPECT_EQ(form.weightBox(1, 1).Text(), "1");
}

// Weights of 50 for the Earth's perihelion and 12.5 for Venus' eccentricity
// show in their boxes; a save after editing keeps the file's title lines
// and factor rows as they were loaded (also when another window built a
// plan and rewrote the plan arrays meanwhile) and writes the edited weight.
TEST_F(Form15Test, WeightsAreLoadedEditedAndSavedBack) {
  std::array<FactorRow, 7> factors = unitFactors();
  factors[1] = {2500000, 500000, 0, 0};
  std::array<WeightRow, 10> weights = uniformWeights("100");
  weights[2][0] = "50";
  weights[1][3] = "12.5";
  writePlanFile(1, factors, weights);
  const std::vector<std::string> original = readLines("Plan1/CelvanPlan1.dat");
  Main.PlanNumber = 1;
  Form19& form = form19();
  form.Show();
  click(form.Command4);
  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
  EXPECT_EQ(form.weightBox(3, 1).Text(), "50");
  EXPECT_EQ(form.weightBox(2, 4).Text(), "12,5");
  EXPECT_EQ(form.weightBox(1, 1).Text(), "100");
  EXPECT_DOUBLE_EQ(Stat.ZeroLevels[2], 2.5);
  EXPECT_EQ(form.Picture1.widthPixels(), pixelsOf(30));
  EXPECT_EQ(form.Picture1.heightPixels(), pixelsOf(10));

  createPlan(openOptimisationWindow(), {1, 2, 3});
  Stat.ZeroLevels[2] = -1;
  type(form.weightBox(3, 1), "75");
  click(form.Command5);
  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
  const std::vector<std::string> saved = readLines("Plan1/CelvanPlan1.dat");
  ASSERT_EQ(saved.size(), original.size());
  EXPECT_EQ(saved[0], original[0]);
  EXPECT_EQ(saved[1], original[1]);
  EXPECT_EQ(saved[9], original[9]);
  EXPECT_EQ(std::stoll(saved[3]), 2500000) << "factor 2's zero level as the file held it";
  EXPECT_EQ(saved[12].substr(0, 4), " 75 ");
  EXPECT_DOUBLE_EQ(Stat.ShiftWeights(3, 1), 75);
  for (int line : {2, 3, 4, 5, 6, 7, 8, 10, 11, 13, 19})
    EXPECT_EQ(saved[line], original[line]) << "line " << line + 1;
}

// The model shift file of the Earth in plan 1 with 25 experiments. Its
// values include ones that a product n / 10^6 × 10^6 puts a hair below n.
class ShiftView : public Form15Test {
 protected:
  void SetUp() override {
    Form15Test::SetUp();
    for (int e = 1; e <= 25; ++e) rows_.push_back({e * 1000000LL + 249, -(e * 1000LL + 249), 12345678, 249, -249, 1});
    writeModelShiftFile(1, 3, rows_);
    original_ = readLines("Plan1/Celvan3Ras.dat");
    Main.PlanNumber = 1;
  }

  // Views the Earth's file with experiment e shown in the grid.
  Form19& view(int e) {
    Form19& form = form19();
    form.Show();
    click(form.Option9[3]);
    type(form.Text8, std::to_string(e));
    click(form.Command1);
    return form;
  }

  std::vector<ShiftRowMillionths> rows_;
  std::vector<std::string> original_;
};

TEST_F(ShiftView, ViewShowsOneExperimentAndTheWriteBackChangesOnlyIt) {
  Form19& form = view(4);
  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
  EXPECT_EQ(form.Text10.Text(), "25");
  EXPECT_EQ(form.Picture1.heightPixels(), pixelsOf(17.5));
  EXPECT_EQ(form.Picture1.widthPixels(), pixelsOf(36));
  for (int s = 1; s <= 6; ++s) EXPECT_DOUBLE_EQ(shown(form.shiftBox(3, s)), rows_[3][s - 1] / 1e6) << s;
  EXPECT_EQ(Main.SelectedObject, 3);
  EXPECT_DOUBLE_EQ(Main.ModelShifts(3, 1, 25), 25.000249);

  type(form.shiftBox(3, 2), "-7,5");
  click(form.Command2);
  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
  const std::vector<std::string> written = readLines("Plan1/Celvan3Ras.dat");
  ASSERT_EQ(written.size(), 28u);
  EXPECT_EQ(written[0], original_[0]);
  EXPECT_EQ(std::stoi(written[1]), 25);
  EXPECT_EQ(written[2], original_[2]);
  for (int e = 1; e <= 25; ++e) {
    std::istringstream row(written[2 + e]);
    long long number = 0, shift[6] = {};
    row >> number >> shift[0] >> shift[1] >> shift[2] >> shift[3] >> shift[4] >> shift[5];
    EXPECT_EQ(number, e);
    for (int s = 0; s < 6; ++s) {
      const long long expected = e == 4 && s == 1 ? -7500000 : rows_[e - 1][s];
      EXPECT_EQ(shift[s], expected) << "experiment " << e << ", shift " << s + 1;
    }
  }

  type(form.shiftBox(3, 2), "0");
  view(4);
  EXPECT_EQ(form.shiftBox(3, 2).Text(), "-7,5");
}

// Every failure of the view and the write-back with its message; a view
// that failed part way cannot be written back.
TEST_F(ShiftView, FailuresGiveTheirMessages) {
  Form19& form = form19();
  form.Show();
  click(form.Command2);
  EXPECT_EQ(boxes.last().text, "Сначала просмотрите данные моделирования по одной планете");
  EXPECT_EQ(boxes.last().title, "Celvan7");

  click(form.Command1);  // Mercury: no file
  EXPECT_EQ(boxes.last().text, "Не могу найти файл \\Plan1\\Celvan1Ras.dat");
  EXPECT_EQ(boxes.last().title, "Celvan7");

  view(95);
  EXPECT_EQ(boxes.last().text, "Ошибка при чтении данных из файла \\Plan1\\Celvan3Ras.dat");
  EXPECT_EQ(form.Text10.Text(), "25");

  writeModelShiftFile(1, 3, {rows_[0], rows_[1]}, 25);  // says 25, holds 2
  view(1);
  EXPECT_EQ(boxes.last().text, "Ошибка при чтении данных из файла \\Plan1\\Celvan3Ras.dat");
  EXPECT_EQ(form.Text10.Text(), "25");
  const int before = boxes.count();
  click(form.Command2);
  EXPECT_EQ(boxes.count(), before + 1);
  EXPECT_EQ(boxes.last().text, "Сначала просмотрите данные моделирования по одной планете");
  EXPECT_EQ(readLines("Plan1/Celvan3Ras.dat").size(), 5u) << "the file is not rewritten";

  writeModelShiftFile(1, 3, {rows_[0]}, 30000);  // a count no plan has
  view(1);
  EXPECT_EQ(boxes.last().text, "Ошибка при чтении данных из файла \\Plan1\\Celvan3Ras.dat");
  EXPECT_EQ(form.Text10.Text(), "30000");
  EXPECT_LT(form.Picture1.heightPixels(), 1000);

  writeModelShiftFile(1, 3, rows_);
  view(1);
  type(form.Text8, "200");
  click(form.Command2);
  EXPECT_EQ(boxes.last().text, "Задайте правильно данные");

  type(form.Text7, "пять");
  click(form.Command4);
  EXPECT_EQ(boxes.last().text, "Задайте правильно данные");
  type(form.Text7, "5");
  click(form.Command4);
  EXPECT_EQ(boxes.last().text, "Не могу найти файл \\Plan5\\CelvanPlan5.dat");
  click(form.Command5);
  EXPECT_EQ(boxes.last().text, "Ошибка при записи данных в файл \\Plan5\\CelvanPlan5.dat\r\n" +
                                   programFile("Plan5/CelvanPlan5.dat").string() + ": нет такого файла или папки");
  EXPECT_EQ(boxes.last().title, "Celvan7");
}

}  // namespace

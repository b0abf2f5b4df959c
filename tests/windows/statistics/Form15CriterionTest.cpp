// The observed shifts and the optimisation criterion: the observed shift
// file read by the position of its rows, the model shift files of the plan
// compared with it kind by kind, the test function of the plan, and the
// refusals and faults with their messages.
#include <cmath>

#include "tests/windows/statistics/Form15Fixture.h"

namespace {

// Observed rows of bodies 1..11: body b's shift s is b·10^6 + s·1000 + 1
// millionths, so that every value tells where it was read from.
std::array<ShiftRowMillionths, 11> numberedObservedRows() {
  std::array<ShiftRowMillionths, 11> rows{};
  for (int b = 1; b <= 11; ++b)
    for (int s = 1; s <= 6; ++s) rows[b - 1][s - 1] = b * 1000000LL + s * 1000 + 1;
  return rows;
}

// The observed shifts are taken from the folder of the source chosen, rows
// by their position, planets 1..10 only (the Moon's row is not read). The
// window keeps to itself that they are loaded: the shared FileState, which
// marks an open DE405 file, stays as it was.
TEST_F(Form15Test, ObservedShiftsAreReadFromTheChosenSource) {
  writeObservedShiftFile("JPL", numberedObservedRows());
  Main.ObservedShifts(11, 1) = -7;
  Main.FileState = 10;
  Form15& form = openOptimisationWindow();
  click(form.Option11);
  click(form.Command4);
  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
  EXPECT_EQ(Main.ImitatorFolder, "\\JPL");
  EXPECT_EQ(Main.FilePath, "\\JPL\\CelvanNab.dat");
  for (int b = 1; b <= 10; ++b)
    for (int s = 1; s <= 6; ++s) EXPECT_DOUBLE_EQ(Main.ObservedShifts(b, s), b + s / 1000.0 + 1e-6);
  EXPECT_EQ(Main.ObservedShifts(11, 1), -7);
  EXPECT_EQ(Main.FileState, 10);

  click(form.Option9);  // "New": no such file there
  click(form.Command4);
  EXPECT_EQ(boxes.last().text, "Не могу найти файл \\NEW\\CelvanNab.dat");
  EXPECT_EQ(boxes.last().title, "Celvan7m");
}

// A plan over two factors (9 experiments) whose model shift file of
// Mercury holds perihelion shifts M(e) = 5 + e and node shifts 4 - e, on
// both sides of the observed shifts of 10 and -2.
class ModelCriterion : public Form15Test {
 protected:
  void SetUp() override {
    Form15Test::SetUp();
    std::array<ShiftRowMillionths, 11> observed{};
    observed[0] = {10000000, -2000000, 1, 1, 1, 1};
    writeObservedShiftFile("Ser", observed);
    std::vector<ShiftRowMillionths> rows;
    for (int e = 1; e <= 9; ++e) rows.push_back({(5 + e) * 1000000LL, (4 - e) * 1000000LL, 0, 0, 0, 0});
    writeModelShiftFile(1, 1, rows);
  }

  // The plan, the weights of the plan file (Mercury's perihelion and node
  // at the weight given, all else 100), the observed shifts; then "4-2"
  // with the kind chosen.
  Form15& computeCriterion(ui::OptionButton Form15::*kind, const std::string& weight) {
    std::array<WeightRow, 10> weights = uniformWeights("100");
    weights[0][0] = weights[0][1] = weight;
    writePlanFile(1, unitFactors(), weights);
    Form15& form = openOptimisationWindow();
    createPlan(form, {1, 2});
    click(form.Command14);
    click(form.Command4);
    click(form.*kind);
    click(form.Command10);
    return form;
  }

  static double perihelion(int e) { return 5 + e; }
  static double node(int e) { return 4 - e; }
};

// Each kind of criterion with Mercury's perihelion alone, by its definition:
// "Y" the weighted model shift, "dY" the weighted relative deviation from
// the observed shift (signed), "dY^2" the square of the weighted deviation
// (the weight inside the square), "Abs(dY)" its absolute value.
TEST_F(ModelCriterion, EachKindScoresTheDeviationFromTheObservedShift) {
  struct Case {
    ui::OptionButton Form15::*kind;
    const char* weight;
    double (*expected)(double m, double o);
    const char* name;
  };
  const Case cases[] = {
      {&Form15::Option18, "100", [](double m, double) { return m; }, "Y, 100 %"},
      {&Form15::Option18, "50", [](double m, double) { return m / 2; }, "Y, 50 %"},
      {&Form15::Option19, "100", [](double m, double o) { return (m - o) / std::fabs(o); }, "dY, 100 %"},
      {&Form15::Option20, "100", [](double m, double o) { return std::pow((m - o) / o, 2); }, "dY^2, 100 %"},
      {&Form15::Option20, "50", [](double m, double o) { return std::pow((m - o) / o, 2) / 4; }, "dY^2, 50 %"},
      {&Form15::Option21, "50", [](double m, double o) { return std::fabs((m - o) / o) / 2; }, "Abs(dY), 50 %"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Form15& form = computeCriterion(c.kind, c.weight);
    ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
    double lowest = 1e300, highest = -1e300;
    for (int e = 1; e <= 9; ++e) {
      const double expected = c.expected(perihelion(e), 10);
      EXPECT_NEAR(Stat.Criterion[e], expected, 1e-12) << "experiment " << e;
      lowest = std::min(lowest, expected);
      highest = std::max(highest, expected);
    }
    EXPECT_NEAR(Main.MP, (highest - lowest) / 10, 1e-12);
    EXPECT_NEAR(shown(form.Text1), lowest, 1e-6);
    EXPECT_NEAR(shown(form.Text2), (highest - lowest) / 10, 1e-6);
    ui::unloadAllForms();
  }
}

// Ticked planets and parameters add up: Mercury's perihelion and node under
// "Abs(dY)" give the sum of both relative deviations; a planet whose file is
// not ticked is not read.
TEST_F(ModelCriterion, TickedParametersAddUp) {
  Form15& form = openOptimisationWindow();
  click(form.Check2[2]);
  computeCriterion(&Form15::Option21, "100");
  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
  for (int e = 1; e <= 9; ++e)
    EXPECT_NEAR(Stat.Criterion[e], std::fabs(perihelion(e) - 10) / 10 + std::fabs(node(e) + 2) / 2, 1e-12);
  EXPECT_DOUBLE_EQ(Main.ModelShifts(1, 2, 9), -5);
}

// A model file whose count is not the plan's is refused, naming the file;
// no observed shifts, no criterion; an observed shift of 0 under "dY", or no
// parameter ticked (every criterion 0, no scale), is a fault of the data.
TEST_F(ModelCriterion, RefusalsAndFaultsOfTheModelOption) {
  Form15& form = openOptimisationWindow();
  click(form.Command10);
  EXPECT_EQ(boxes.last().text, "Загрузите данные наблюдений");
  EXPECT_EQ(boxes.last().title, "Celvan7");

  writeModelShiftFile(1, 1, std::vector<ShiftRowMillionths>(8, ShiftRowMillionths{1, 1, 1, 1, 1, 1}));
  writePlanFile(1, unitFactors(), uniformWeights("100"));
  Stat.Criterion[1] = 123;
  createPlan(form, {1, 2});
  click(form.Command14);
  click(form.Command4);
  click(form.Command10);
  EXPECT_EQ(boxes.last().text, "К-во экспериментов в плане не равно к-ву в файле \r\n\\Plan1\\Celvan1Ras.dat");
  EXPECT_EQ(boxes.last().title, "Celvan7");
  EXPECT_EQ(Stat.Criterion[1], 123);

  std::vector<ShiftRowMillionths> rows(9, ShiftRowMillionths{5000000, 0, 0, 0, 0, 0});
  writeModelShiftFile(1, 1, rows);
  std::array<ShiftRowMillionths, 11> observed{};  // every observed shift 0
  writeObservedShiftFile("Ser", observed);
  click(form.Command4);
  click(form.Option19);
  click(form.Command10);
  EXPECT_EQ(boxes.last().text, "Ошибка чтения данных из файла\r\n\\Plan1\\Celvan1Ras.dat");
  EXPECT_EQ(boxes.last().title, "Celvan7");

  click(form.Check2[1]);  // no parameter ticked
  const int before = boxes.count();
  click(form.Command10);
  EXPECT_EQ(boxes.count(), before + 1);
  EXPECT_EQ(boxes.last().text, "Ошибка чтения данных из файла\r\n\\Plan1\\Celvan1Ras.dat");
  EXPECT_EQ(form.Text1.Text(), "0");
  EXPECT_EQ(form.Text2.Text(), "0");
}

// The test option: the plan factors become coded (levels 0, intervals 1)
// and the criterion of an experiment is the quadratic with every coefficient
// 1 at its plan point; the regression then finds every coefficient 1 again
// and computes the criterion exactly, for orthogonal and rotatable plans of
// two to six factors.
TEST_F(Form15Test, TestCriterionIsRecoveredByTheRegression) {
  for (bool rotatable : {false, true})
    for (int k = 2; k <= 6; ++k) {
      SCOPED_TRACE(std::string(rotatable ? "Roto " : "Orto ") + std::to_string(k));
      Form15& form = openOptimisationWindow();
      std::vector<int> factors;
      for (int i = 1; i <= k; ++i) factors.push_back(i + (i > 3 ? 1 : 0));  // X4 left out beyond three
      type(form.Text11[factors[0]], "5");
      createPlan(form, factors, rotatable);
      click(form.Option5);
      click(form.Option18);
      click(form.Command10);
      ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
      EXPECT_EQ(form.Text11[factors[0]].Text(), "0");
      EXPECT_EQ(form.Text12[factors[0]].Text(), "1");
      EXPECT_EQ(Stat.ZeroLevels[factors[0]], 0);
      for (int e = 1; e <= Stat.RunCount; ++e) {
        double y = 1;
        for (int i = 1; i <= k; ++i) {
          const double xi = Stat.PlanMatrix(i, e);
          y += xi + xi * xi;
          for (int j = i + 1; j <= k; ++j) y += xi * Stat.PlanMatrix(j, e);
        }
        ASSERT_NEAR(Stat.Criterion[e], y, 1e-12) << "experiment " << e;
      }
      click(form.Command1);
      ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
      const int terms = 2 * k + k * (k - 1) / 2;
      for (int t = 0; t <= terms; ++t) EXPECT_NEAR(Stat.RegressionCoefficients[t], 1, 1e-9) << "b" << t;
      for (int e = 1; e <= Stat.RunCount; ++e) EXPECT_NEAR(Stat.CriterionCalc[e], Stat.Criterion[e], 1e-9);
      ui::unloadAllForms();
    }
}

}  // namespace

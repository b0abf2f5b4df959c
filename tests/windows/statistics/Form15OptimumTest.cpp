// From the runs of a plan to the optimum: model shift files made from a
// criterion whose minimum is known, scored as "dY^2", fitted by "5-" and
// solved by "6-", give that minimum in natural units; "7-" makes it the new
// zero level; "8-" draws the graphs or reports a scale it cannot draw with.
#include <cmath>
#include <string>
#include <vector>

#include "tests/windows/statistics/Form15Fixture.h"

namespace {

// The criterion ((x_f1 - a) / s1)² + ((x_f2 - b) / s2)² of the natural
// values of two factors, as the deviation of two model shifts from their
// observed values: the perihelion M1 = 100 (1 + (x_f1 - a) / s1) against
// 100, the node M2 = 50 (1 + (x_f2 - b) / s2) against 50. Its minimum lies
// at x_f1 = a, x_f2 = b.
struct KnownMinimum {
  std::vector<int> factors;
  bool rotatable;
  double zero[2], interval[2];
  double a, b;
  double s1, s2;
};

class Optimum : public Form15Test {
 protected:
  // The plan file with the levels of the two factors and weights of 100,
  // the plan created and the file loaded, the shift files of the runs
  // written, the observed shifts loaded, "4-2" as "dY^2" over the
  // perihelion and the node, then "5-" and "6-".
  Form15& findOptimum(const KnownMinimum& m) {
    std::array<FactorRow, 7> factors = unitFactors();
    for (int j = 0; j < 2; ++j)
      factors[m.factors[j] - 1] = {std::llround(m.zero[j] * 1e6), std::llround(m.interval[j] * 1e6), 0, 0};
    writePlanFile(1, factors, uniformWeights("100"));
    Form15& form = openOptimisationWindow();
    createPlan(form, m.factors, m.rotatable);
    click(form.Command14);

    std::vector<ShiftRowMillionths> rows;
    for (int e = 1; e <= Stat.RunCount; ++e) {
      const double x1 = m.zero[0] + Stat.PlanMatrix(1, e) * m.interval[0];
      const double x2 = m.zero[1] + Stat.PlanMatrix(2, e) * m.interval[1];
      const double perihelion = 100 * (1 + (x1 - m.a) / m.s1);
      const double node = 50 * (1 + (x2 - m.b) / m.s2);
      rows.push_back({std::llround(perihelion * 1e6), std::llround(node * 1e6), 0, 0, 0, 0});
    }
    writeModelShiftFile(1, 1, rows);
    std::array<ShiftRowMillionths, 11> observed{};
    observed[0] = {100000000, 50000000, 1, 1, 1, 1};
    writeObservedShiftFile("Ser", observed);
    click(form.Command4);
    click(form.Check2[2]);
    click(form.Option20);
    click(form.Command10);
    click(form.Command1);
    click(form.Command7);
    return form;
  }
};

TEST_F(Optimum, RegressionAndOptimumRecoverAKnownMinimum) {
  const KnownMinimum cases[] = {
      {{1, 2}, false, {1.0, 2.0}, {0.5, 0.25}, 1.2, 1.9, 0.5, 0.25},
      {{4, 6}, true, {1.0, 1047.0}, {0.2, 2.0}, 0.93, 1048.1, 0.3, 1.5},
  };
  for (const KnownMinimum& m : cases) {
    SCOPED_TRACE(std::to_string(m.factors[0]) + " and " + std::to_string(m.factors[1]));
    Form15& form = findOptimum(m);
    ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
    const int f1 = m.factors[0], f2 = m.factors[1];
    // Natural optimum, cut to six decimals in its box.
    EXPECT_NEAR(shown(form.Text15[f1]), m.a, 2e-6);
    EXPECT_NEAR(shown(form.Text15[f2]), m.b, 2e-6);
    // Coded optimum: (optimum - zero level) / interval.
    EXPECT_NEAR(shown(form.Text14[f1]), (m.a - m.zero[0]) / m.interval[0], 2e-6);
    EXPECT_NEAR(shown(form.Text14[f2]), (m.b - m.zero[1]) / m.interval[1], 2e-6);
    // Factors outside the plan keep their boxes.
    for (int i = 1; i <= 7; ++i)
      if (i != f1 && i != f2) {
        EXPECT_EQ(form.Text14[i].Text(), "0") << i;
        EXPECT_EQ(form.Text15[i].Text(), "0") << i;
      }
    // The fitted quadratic has exactly the criterion's terms: 1/s² on the
    // squares in coded units scaled by the interval, nothing on the product.
    EXPECT_NEAR(Stat.RegressionCoefficients[3], 0, 1e-6);
    EXPECT_NEAR(Stat.RegressionCoefficients[4], std::pow(m.interval[0] / m.s1, 2), 1e-6);
    EXPECT_NEAR(Stat.RegressionCoefficients[5], std::pow(m.interval[1] / m.s2, 2), 1e-6);
    for (int e = 1; e <= Stat.RunCount; ++e) EXPECT_NEAR(Stat.CriterionCalc[e], Stat.Criterion[e], 1e-6);

    // "7-": the natural optimum, as its box shows it, is the new zero level
    // of each plan factor; the factors outside the plan, which have no
    // optimum, keep theirs.
    std::vector<std::string> zeroLevels(8);
    for (int i = 1; i <= 7; ++i) {
      if (i != f1 && i != f2) type(form.Text11[i], Str(i * 10 + 0.5));
      zeroLevels[i] = form.Text11[i].Text();
    }
    click(form.Command9);
    EXPECT_EQ(form.Text11[f1].Text(), form.Text15[f1].Text());
    EXPECT_EQ(form.Text11[f2].Text(), form.Text15[f2].Text());
    for (int i = 1; i <= 7; ++i)
      if (i != f1 && i != f2) { EXPECT_EQ(form.Text11[i].Text(), zeroLevels[i]) << i; }
    ui::unloadAllForms();
  }
}

// "8-" draws the graphs of the regression along each factor, with the other
// at 0 or at its coded optimum; with a scale of 0 it cannot and says so.
TEST_F(Optimum, GraphsDrawOrReportTheScale) {
  Form15& form = findOptimum({{1, 2}, false, {1.0, 2.0}, {0.5, 0.25}, 1.2, 1.9, 0.5, 0.25});
  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
  type(form.Text1, "0");
  type(form.Text2, "0,5");
  const QImage before = form.Picture1.image();
  click(form.Command13);
  click(form.Check4);
  click(form.Command13);
  EXPECT_EQ(boxes.count(), 0) << boxes.last().text;
  EXPECT_NE(form.Picture1.image(), before);

  type(form.Text2, "0");
  click(form.Command13);
  EXPECT_EQ(boxes.last().text, "Ошибка при построение графиков\r\nПопробуйте увеличить масштаб");
  EXPECT_EQ(boxes.last().title, "Celvan7m");
}

}  // namespace

// Regression coefficients of the quadratic model on a plan, against ordinary
// least squares computed here by normal equations, and the model evaluation.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "StatTestSupport.h"

using namespace stat_test;

namespace {

constexpr int kOrthogonal = 1, kRotatable = 2, kUniform = 3, kDOptimal = 4, kBox = 5;

std::vector<double> fittedCoefficients(int k) {
  const int terms = 2 * k + k * (k - 1) / 2;
  std::vector<double> b;
  for (int t = 0; t <= terms; ++t) b.push_back(Stat.RegressionCoefficients[t]);
  return b;
}

double constantCriterion(const Point&) { return 2.5; }

}  // namespace

// Orthogonal, rotatable and uniform-rotatable plans: the closed formulas are
// the least-squares fit itself, whatever the criterion.
TEST(ComputeRegressionCoefficients, EqualsLeastSquaresOnOrthogonalAndRotatablePlans) {
  struct Row { int type; int k; int zeroPoints; };  // -1: the default count
  const Row rows[] = {
      {kOrthogonal, 2, -1}, {kOrthogonal, 3, -1}, {kOrthogonal, 4, -1}, {kOrthogonal, 5, -1},
      {kOrthogonal, 6, -1}, {kOrthogonal, 3, 4},  {kRotatable, 2, -1},  {kRotatable, 3, -1},
      {kRotatable, 4, -1},  {kRotatable, 5, -1},  {kRotatable, 6, -1},  {kRotatable, 3, 0},
      {kRotatable, 4, 9},   {kUniform, 2, -1},    {kUniform, 3, -1},    {kUniform, 4, -1},
      {kUniform, 5, -1},    {kUniform, 6, -1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE("type " + std::to_string(row.type) + " k " + std::to_string(row.k) + " N0 " +
                 std::to_string(row.zeroPoints));
    resetSharedState();
    buildPlan(row.type, row.k, row.zeroPoints);
    const std::vector<double> y = fillCriterion(curvedCriterion);
    ComputeRegressionCoefficients();
    const std::vector<double> expected = quadraticLeastSquares(planPoints(), y);
    const std::vector<double> actual = fittedCoefficients(row.k);
    for (std::size_t t = 0; t < expected.size(); ++t)
      EXPECT_NEAR(actual[t], expected[t], 1e-12) << "term " << t;
  }
}

// D-optimal (face-centred) plans of 4 and 5 factors: least squares to the
// precision of the tabulated constants, which agree with the exact ones to
// 3.3e-6 (k1 = 11/48 is printed 0.22917, k6 = 5/48 0.10417). Each
// coefficient may be off by that much times the sums it is made of (and by
// the double rounding of those sums where they nearly vanish).
TEST(ComputeRegressionCoefficients, DOptimalPlanIsLeastSquaresToItsTableRounding) {
  const double constantError = 5e-6;
  for (int k : {4, 5}) {
    SCOPED_TRACE("k " + std::to_string(k));
    resetSharedState();
    buildPlan(kDOptimal, k);
    ASSERT_EQ(Stat.N0, 0);
    const std::vector<Point> plan = planPoints();
    const std::vector<double> y = fillCriterion(curvedCriterion);
    ComputeRegressionCoefficients();
    const std::vector<double> expected = quadraticLeastSquares(plan, y);
    const std::vector<double> actual = fittedCoefficients(k);

    // Sums over the runs: of y, of each regressor times y, of the squares' ones.
    const std::size_t terms = expected.size();
    std::vector<double> sums(terms, 0.0);
    for (std::size_t r = 0; r < plan.size(); ++r) {
      const std::vector<double> row = quadraticRegressors(plan[r]);
      for (std::size_t t = 0; t < terms; ++t) sums[t] += row[t] * y[r];
    }
    double squareSums = 0.0;
    for (int i = 0; i < k; ++i) squareSums += std::fabs(sums[terms - k + i]);
    for (std::size_t t = 0; t < terms; ++t) {
      const bool square = t >= terms - k;
      double reach = std::fabs(sums[t]);
      if (t == 0 || square) reach += std::fabs(sums[0]) + squareSums;
      EXPECT_NEAR(actual[t], expected[t], constantError * reach + 1e-13) << "term " << t;
    }
  }
}

TEST(ComputeRegressionCoefficients, DOptimalFourFactorExamples) {
  resetSharedState();
  buildPlan(kDOptimal, 4);
  // y = x1^2: b11 = 0.99978, b22 = b33 = b44 = -0.00022, b0 = 0.00006.
  fillCriterion([](const Point& x) { return x[0] * x[0]; });
  ComputeRegressionCoefficients();
  EXPECT_NEAR(Stat.RegressionCoefficients[0], 0.00006, 5e-9);
  EXPECT_NEAR(Stat.RegressionCoefficients[11], 0.99978, 5e-9);
  for (int t : {12, 13, 14}) EXPECT_NEAR(Stat.RegressionCoefficients[t], -0.00022, 5e-9);
  // A constant criterion c: b0 = 1.00008 c.
  fillCriterion(constantCriterion);
  ComputeRegressionCoefficients();
  EXPECT_NEAR(Stat.RegressionCoefficients[0], 1.00008 * 2.5, 1e-9);
}

// A constant criterion: b0 = c and nothing else for the least-squares plans;
// the Box composite formulas give b0 = c 2k / (4(k - 1)) and b_ii = c - b0.
TEST(ComputeRegressionCoefficients, ConstantCriterionOnEveryPlanType) {
  const double c = 2.5;
  for (int type : {kOrthogonal, kRotatable, kUniform, kBox})
    for (int k = 2; k <= 6; ++k) {
      SCOPED_TRACE("type " + std::to_string(type) + " k " + std::to_string(k));
      resetSharedState();
      buildPlan(type, k);
      fillCriterion(constantCriterion);
      ComputeRegressionCoefficients();
      const double b0 = type == kBox ? c * 2 * k / (4.0 * (k - 1)) : c;
      const double bii = type == kBox ? c - b0 : 0.0;
      EXPECT_NEAR(Stat.RegressionCoefficients[0], b0, 1e-12);
      for (int t = 1; t <= k + k * (k - 1) / 2; ++t)
        EXPECT_NEAR(Stat.RegressionCoefficients[t], 0.0, 1e-12) << "term " << t;
      for (int i = 1; i <= k; ++i)
        EXPECT_NEAR(Stat.RegressionCoefficients[k + k * (k - 1) / 2 + i], bii, 1e-12);
    }
}

// The Box composite formulas recover linear and pair terms exactly.
TEST(ComputeRegressionCoefficients, BoxCompositeLinearAndPairTerms) {
  resetSharedState();
  buildPlan(kBox, 3);
  fillCriterion([](const Point& x) { return 2 * x[0] - x[2] + 0.5 * x[0] * x[1]; });
  ComputeRegressionCoefficients();
  const double expected[] = {2.0, 0.0, -1.0, 0.5, 0.0, 0.0};  // b1 b2 b3 b12 b13 b23
  for (int t = 1; t <= 6; ++t) EXPECT_NEAR(Stat.RegressionCoefficients[t], expected[t - 1], 1e-14);
}

TEST(EvaluateRegression, OrthogonalPlanWithALinearCriterion) {
  resetSharedState();
  buildPlan(kOrthogonal, 2);
  fillCriterion([](const Point& x) { return 1 + x[0]; });
  ComputeRegressionCoefficients();
  const double expected[] = {1, 1, 0, 0, 0, 0};
  for (int t = 0; t <= 5; ++t) EXPECT_NEAR(Stat.RegressionCoefficients[t], expected[t], 1e-15);
  Main.X[1] = 1;
  Main.X[2] = 0;
  Stat.RunIndex = 4;
  EvaluateRegression();
  EXPECT_NEAR(Main.Z[4], 2.0, 1e-15);
}

// The model at arbitrary points equals the quadratic form written out term by
// term; Yopt is the number of coefficients whatever the point.
TEST(EvaluateRegression, MatchesTheQuadraticFormAndSetsYopt) {
  const double coefficientCount[] = {6, 10, 15, 21, 28};
  for (int k = 2; k <= 6; ++k) {
    SCOPED_TRACE("k " + std::to_string(k));
    resetSharedState();
    Stat.Nf = static_cast<int16_t>(k);
    std::vector<double> b;
    for (int t = 0; t < 2 * k + k * (k - 1) / 2 + 1; ++t) {
      b.push_back(std::sin(1.0 + 0.7 * t));
      Stat.RegressionCoefficients[t] = b.back();
    }
    Point x(k);
    for (int i = 0; i < k; ++i) {
      x[i] = 1.9 * std::cos(0.3 + i) - 0.2;
      Main.X[i + 1] = x[i];
    }
    Stat.RunIndex = 91;
    EvaluateRegression();
    EXPECT_NEAR(Main.Z[91], quadraticValue(b, x), 1e-13);
    EXPECT_EQ(Stat.Yopt, coefficientCount[k - 2]);
  }
  resetSharedState();
  Stat.Nf = 7;
  Stat.Yopt = 5;
  Main.Z[1] = 8;
  Stat.RunIndex = 1;
  EvaluateRegression();
  EXPECT_EQ(Main.Z[1], 8);
  EXPECT_EQ(Stat.Yopt, 5);
}

// The grouped weighted least-squares trends of the statistics window and
// the choice among group sizes, without the window: against the certified
// values of the NIST Statistical Reference Datasets, against an independent
// solution of the normal equations, and against groups worked by hand.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/Constants.h"
#include "core/state/SharedState.h"
#include "core/state/StartUpState.h"
#include "science/sample/OrbitSample.h"

namespace {

constexpr double kEpoch = 2451545.0;

// A sample of points (days after T0 = kEpoch, value, interval, weight) in
// column AlfaP of the shared sample.
struct Sampled {
  double days, value, interval = 0, weight = 1;
};

void holdSample(const std::vector<Sampled>& points) {
  const auto n = static_cast<long>(points.size());
  Main.RecordCount = static_cast<int32_t>(n);
  Main.SeriesStartJD = kEpoch;
  Main.dT.redim(n);
  Main.ddT.redim(n);
  Main.SampleValues.redim(sample::kLastColumn, n);
  for (long i = 1; i <= n; ++i) {
    Main.dT[i] = points[i - 1].days;
    Main.ddT[i] = points[i - 1].interval;
    Main.SampleValues(sample::kAlfaP, i) = points[i - 1].value;
    Main.SampleValues(sample::kVes, i) = points[i - 1].weight;
  }
}

sample::GroupingRule everyPoint(int32_t n) {
  sample::GroupingRule rule;
  rule.first = 1;
  rule.last = n;
  rule.size = 1;
  rule.column = sample::kAlfaP;
  rule.startJD = kEpoch;
  rule.epochJD = kEpoch;
  return rule;
}

class TrendFit : public ::testing::Test {
 protected:
  void SetUp() override { startWithStartUpState(); }
};

// NIST StRD "Norris" (linear, lower difficulty): y against x, x taken as the
// time in Julian centuries from the epoch. Certified: B0 =
// -0.262323073774029, B1 = 1.00211681802045, residual standard deviation
// 0.884796396144373 (15 digits).
TEST_F(TrendFit, LinearTrendOfTheNorrisDataMatchesTheCertifiedValues) {
  const double y[36] = {0.1,   338.8, 118.1, 888.0, 9.2,   228.1, 668.5, 998.5, 449.1, 778.9, 559.2, 0.3,
                        0.1,   778.1, 668.8, 339.3, 448.9, 10.8,  557.7, 228.3, 998.0, 888.8, 119.6, 0.3,
                        0.6,   557.6, 339.3, 888.0, 998.5, 778.9, 10.2,  117.6, 228.9, 668.4, 449.2, 0.2};
  const double x[36] = {0.2,   337.4, 118.2, 884.6, 10.1,  226.5, 666.3, 996.3, 448.6, 777.0, 558.2, 0.4,
                        0.6,   775.5, 666.9, 338.0, 447.5, 11.6,  556.0, 228.1, 995.8, 887.6, 120.2, 0.3,
                        0.3,   556.8, 339.1, 887.2, 999.0, 779.0, 11.1,  118.3, 229.2, 669.1, 448.9, 0.5};
  std::vector<Sampled> points;
  for (int i = 0; i < 36; ++i) points.push_back({x[i] * astro::kDaysPerJulianCentury, y[i]});
  holdSample(points);
  const sample::Trend trend = sample::fitTrend(sample::groupSample(everyPoint(36)), sample::TrendKind::Linear);
  EXPECT_NEAR(trend.b0, -0.262323073774029, 1e-11);
  EXPECT_NEAR(trend.b1 / 1.00211681802045, 1, 1e-12);
  EXPECT_NEAR(trend.sigma / 0.884796396144373, 1, 1e-10);
  EXPECT_EQ(trend.b2, 0);
}

// NIST StRD "Pontius" (quadratic, average difficulty), x in days (so the
// time in centuries is x / 36525 and the coefficients scale with it).
// Certified: B0 = 0.673565789473684E-03, B1 = 0.732059160401003E-06,
// B2 = -0.316081871345029E-14, residual standard deviation
// 0.205177424076185E-03.
TEST_F(TrendFit, QuadraticTrendOfThePontiusDataMatchesTheCertifiedValues) {
  const double y[40] = {.11019, .21956, .32949, .43899, .54803, .65694, .76562, .87487, .98292, 1.09146,
                        1.20001, 1.30822, 1.41599, 1.52399, 1.63194, 1.73947, 1.84646, 1.95392, 2.06128, 2.16844,
                        .11052, .22018, .32939, .43886, .54798, .65739, .76596, .87474, .98300, 1.09150,
                        1.20004, 1.30818, 1.41613, 1.52408, 1.63159, 1.73965, 1.84696, 1.95445, 2.06177, 2.16829};
  std::vector<Sampled> points;
  for (int i = 0; i < 40; ++i) points.push_back({150000.0 * (i % 20 + 1), y[i]});
  holdSample(points);
  const sample::Trend trend = sample::fitTrend(sample::groupSample(everyPoint(40)), sample::TrendKind::Quadratic);
  const double century = astro::kDaysPerJulianCentury;
  EXPECT_NEAR(trend.b0 / 0.673565789473684E-03, 1, 1e-8);
  EXPECT_NEAR(trend.b1 / century / 0.732059160401003E-06, 1, 1e-9);
  EXPECT_NEAR(trend.b2 / (century * century) / -0.316081871345029E-14, 1, 1e-8);
  EXPECT_NEAR(trend.sigma / 0.205177424076185E-03, 1, 1e-7);
}

// The weighted normal equations sum w (Y - trend) T^n = 0 solved
// independently (Gaussian elimination with partial pivoting in long
// double), with the residual sum of (w r)^2 over G - m.
struct Independent {
  long double b[3]{};
  long double sigma = 0;
};

Independent solveNormalEquations(const sample::SampleGroups& g, int m) {
  long double a[3][4]{};
  for (std::size_t k = 0; k < g.mean.size(); ++k)
    for (int i = 0; i < m; ++i) {
      for (int j = 0; j < m; ++j) a[i][j] += g.weight[k] * std::pow((long double)g.time[k], i + j);
      a[i][m] += g.weight[k] * std::pow((long double)g.time[k], i) * g.mean[k];
    }
  for (int c = 0; c < m; ++c) {
    int pivot = c;
    for (int r = c + 1; r < m; ++r)
      if (std::fabs(a[r][c]) > std::fabs(a[pivot][c])) pivot = r;
    for (int j = 0; j <= m; ++j) std::swap(a[c][j], a[pivot][j]);
    for (int r = 0; r < m; ++r) {
      if (r == c) continue;
      const long double f = a[r][c] / a[c][c];
      for (int j = c; j <= m; ++j) a[r][j] -= f * a[c][j];
    }
  }
  Independent solution;
  for (int i = 0; i < m; ++i) solution.b[i] = a[i][m] / a[i][i];
  long double residual = 0;
  for (std::size_t k = 0; k < g.mean.size(); ++k) {
    long double f = 0;
    for (int i = 0; i < m; ++i) f += solution.b[i] * std::pow((long double)g.time[k], i);
    residual += std::pow((g.mean[k] - f) * g.weight[k], 2);
  }
  solution.sigma = std::sqrt(residual / (g.mean.size() - m));
  return solution;
}

// An observed series with unequal weights and intervals, grouped by two:
// each trend solves its weighted normal equations.
TEST_F(TrendFit, WeightedTrendsSolveTheirNormalEquations) {
  std::vector<Sampled> points;
  for (int i = 0; i < 24; ++i) {
    const double t = -1.3 + 0.11 * i + 0.02 * std::sin(3.0 * i);
    points.push_back({t * astro::kDaysPerJulianCentury, 5 + 2 * t - 0.7 * t * t + 0.05 * std::cos(7.0 * i),
                      10.0 + i, 0.2 + 0.8 * std::fabs(std::sin(1.7 * i))});
  }
  holdSample(points);
  sample::GroupingRule rule = everyPoint(24);
  rule.size = 2;
  rule.observed = true;
  const sample::SampleGroups groups = sample::groupSample(rule);
  ASSERT_EQ(groups.mean.size(), 12u);
  const struct {
    sample::TrendKind kind;
    int coefficients;
  } rows[] = {{sample::TrendKind::Constant, 1}, {sample::TrendKind::Linear, 2}, {sample::TrendKind::Quadratic, 3}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.coefficients);
    const sample::Trend trend = sample::fitTrend(groups, row.kind);
    const Independent expected = solveNormalEquations(groups, row.coefficients);
    const double b[3] = {trend.b0, trend.b1, trend.b2};
    for (int i = 0; i < 3; ++i)
      EXPECT_NEAR(b[i], i < row.coefficients ? static_cast<double>(expected.b[i]) : 0.0, 1e-11);
    EXPECT_NEAR(trend.sigma, static_cast<double>(expected.sigma), 1e-12);
  }
}

// Groups worked by hand: three groups of two points; an unweighted series
// takes the middle between a group's records, an observed series the middle
// of its last record's interval and that record's weight, the largest
// weight becoming 1.
TEST_F(TrendFit, GroupsTakeTheirMeansTimesAndWeights) {
  const double century = astro::kDaysPerJulianCentury;
  holdSample({{0, 1, 10, 0.5}, {century, 3, 20, 0.25}, {2 * century, 5, 30, 1.0},
              {3 * century, 9, 40, 2.0}, {4 * century, 0, 50, 4.0}, {5 * century, 2, 60, 0.5},
              {6 * century, 100}});
  sample::GroupingRule rule = everyPoint(7);
  rule.size = 2;
  const sample::SampleGroups plain = sample::groupSample(rule);
  EXPECT_EQ(plain.mean, (std::vector<double>{2, 7, 1}));
  EXPECT_EQ(plain.time, (std::vector<double>{0.5, 2.5, 4.5}));
  EXPECT_EQ(plain.weight, (std::vector<double>{1, 1, 1}));
  EXPECT_EQ(plain.weightSum, 3);

  rule.observed = true;
  const sample::SampleGroups observed = sample::groupSample(rule);
  EXPECT_EQ(observed.mean, (std::vector<double>{2, 7, 1}));
  EXPECT_DOUBLE_EQ(observed.time[0], (century + 10) / century);
  EXPECT_DOUBLE_EQ(observed.time[2], (5 * century + 30) / century);
  EXPECT_EQ(observed.weight, (std::vector<double>{0.125, 1, 0.25}));
  EXPECT_EQ(observed.weightMax, 2);
  EXPECT_DOUBLE_EQ(observed.weightSum, 1.375);

  rule.halfInterval = false;
  rule.unitWeights = true;
  const sample::SampleGroups unit = sample::groupSample(rule);
  EXPECT_DOUBLE_EQ(unit.time[1], 3);
  EXPECT_EQ(unit.weight, (std::vector<double>{1, 1, 1}));
}

// A linear trend over a series whose mean time is exactly the epoch is an
// ordinary fit: its normal equations are not singular.
TEST_F(TrendFit, LinearTrendCentredOnTheEpochIsFound) {
  std::vector<Sampled> points;
  for (int i = -5; i <= 5; ++i) points.push_back({i * 0.1 * astro::kDaysPerJulianCentury, 7 + 0.3 * i * 0.1});
  holdSample(points);
  const sample::Trend trend = sample::fitTrend(sample::groupSample(everyPoint(11)), sample::TrendKind::Linear);
  EXPECT_NEAR(trend.b0, 7, 1e-12);
  EXPECT_NEAR(trend.b1, 0.3, 1e-12);
}

// The choice among group sizes. S(L) and D(L) for L = 1..4: the least D is
// at 1 and 4 (the first wins); the band starts as 9..11, rises to the low
// edge 28 of size 3 and falls to the high edge 6 of size 4, so that it meets
// every interval.
TEST(GroupSplitSearch, ChoosesTheLeastSigmaTheBandOfAllSizesAndTheMean) {
  const std::vector<double> S{0, 10, 12, 30, 5}, D{0, 1, 5, 2, 1};
  const sample::SplitChoice choice = sample::searchGroupSplits(S, D, 1, 4);
  EXPECT_EQ(choice.best, 1);
  EXPECT_EQ(choice.bandHigh, 28);
  EXPECT_EQ(choice.bandLow, 6);
  for (int j = 2; j <= 4; ++j) {
    SCOPED_TRACE(j);
    EXPECT_LE(S[j] - D[j], choice.bandHigh);
    EXPECT_GE(S[j] + D[j], choice.bandLow);
  }
  ASSERT_EQ(choice.changes.size(), 2u);
  EXPECT_TRUE(choice.changes[0].above);
  EXPECT_EQ(choice.changes[0].size, 3);
  EXPECT_EQ(choice.changes[0].high, 11);
  EXPECT_EQ(choice.changes[0].spanStart, 0);
  EXPECT_FALSE(choice.changes[1].above);
  EXPECT_EQ(choice.changes[1].spanStart, 2);
  EXPECT_EQ(choice.meanShift, 14.25);
  EXPECT_EQ(choice.meanTwoSigma, 2.25);
}

// One size only: every criterion gives its shift and 2*Sigma.
TEST(GroupSplitSearch, SingleSizeGivesItsOwnInterval) {
  const std::vector<double> S{0, 0, 0, 4.5, 0}, D{0, 0, 0, 0.5, 0};
  const sample::SplitChoice choice = sample::searchGroupSplits(S, D, 3, 3);
  EXPECT_EQ(choice.best, 3);
  EXPECT_EQ(choice.bandHigh, 5);
  EXPECT_EQ(choice.bandLow, 4);
  EXPECT_TRUE(choice.changes.empty());
  EXPECT_EQ(choice.meanShift, 4.5);
  EXPECT_EQ(choice.meanTwoSigma, 0.5);
}

}  // namespace

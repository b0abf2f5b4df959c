// The deviations of a reduction run: how an angle difference is brought
// near zero, the histogram's edges and strict bins, the weight of the data
// point and the statistics text.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "science/reduction/DeviationStatistics.h"

namespace {

TEST(DeviationStatisticsTest, AngleDifferencesAreBroughtNearZeroOnce) {
  const struct {
    double in, out;
  } cases[] = {{300.5, -59.5}, {300, 300}, {-300, -300}, {-359, 1}, {359.9, -0.1}, {12.5, 12.5}};
  for (const auto& c : cases) EXPECT_NEAR(wrapDeviation(c.in), c.out, 1e-12) << c.in;
}

// With the limit 200 thousand km the dR edges run 0, 11,11 ... 200; a value
// equal to an edge is counted in no bin; the last bins are open.
TEST(DeviationStatisticsTest, HistogramEdgesAndStrictBins) {
  DeviationHistogram h;
  h.prepare(200);
  EXPECT_DOUBLE_EQ(h.edges[41], 200.0 / 18);
  EXPECT_DOUBLE_EQ(h.edges[58], 200);
  EXPECT_DOUBLE_EQ(h.edges[2], 2.0 / 3600);
  EXPECT_DOUBLE_EQ(h.edges[22], 0.5 / 3600);
  h.count(2.0 / 3600, 0.1 / 3600, 5);   // dL on an edge: no dL bin
  h.count(-2.5 / 3600, -0.3 / 3600, 250);
  h.count(100.0 / 3600, 10.0 / 3600, -5);  // dR below 0: no dR bin
  int dLCounted = 0;
  for (int k = 1; k <= 19; ++k) dLCounted += h.counts[k];
  EXPECT_EQ(dLCounted, 2);
  EXPECT_EQ(h.counts[3], 1);   // 2,5"
  EXPECT_EQ(h.counts[19], 1);  // 100", the open bin
  EXPECT_EQ(h.counts[21], 1);  // 0,1"
  EXPECT_EQ(h.counts[22], 1);  // 0,3"
  EXPECT_EQ(h.counts[39], 1);  // 10"
  EXPECT_EQ(h.counts[41], 1);  // 5 thousand km
  EXPECT_EQ(h.counts[59], 1);  // 250
  EXPECT_EQ(h.counts[0] + h.counts[20] + h.counts[40], 0);
}

// A criterion of exactly 0 gets the largest finite weight rather than a
// division by zero; the span-and-count factor of Check26 stays finite.
TEST(DeviationStatisticsTest, WeightOfTheDataPoint) {
  EXPECT_DOUBLE_EQ(weightOfCriterion(2), 0.5);
  EXPECT_EQ(weightOfCriterion(0), std::numeric_limits<double>::max());
  EXPECT_DOUBLE_EQ(weightBySpanAndCount(0.5, 1950, 2000, 500), 1.125);
  EXPECT_EQ(weightBySpanAndCount(weightOfCriterion(0), 1950, 2000, 500), std::numeric_limits<double>::max());
}

TEST(DeviationStatisticsTest, MeansAndRootMeanSquares) {
  DeviationStatistics s;
  s.add(1.0 / 3600, -3.0 / 3600, 4, 2451545, true, true);
  s.add(-3.0 / 3600, 1.0 / 3600, -2, 2451547, true, true);
  EXPECT_EQ(s.N, 2);
  EXPECT_EQ(s.positive, 2);
  EXPECT_DOUBLE_EQ(s.cell(1, 1), 1);
  EXPECT_DOUBLE_EQ(s.cell(1, 2), std::sqrt(10.0));
  EXPECT_NEAR(s.cell(2, 1), 2, 1e-12);
  EXPECT_NEAR(s.cell(2, 2), std::sqrt(5.0), 1e-12);
  EXPECT_NEAR(s.cell(3, 1), 2, 1e-12);
  EXPECT_DOUBLE_EQ(s.meanJulianDay(), 2451546);
}

// The statistics text: its title, the first line of bins in the user's
// decimal comma, and nothing at all when no epoch was accepted.
TEST(DeviationStatisticsTest, StatisticsText) {
  DeviationHistogram h;
  h.prepare(200);
  DeviationStatistics s;
  EXPECT_EQ(deviationStatisticsText(h, s, "GREN", 4), "");
  s.add(0.5 / 3600, 0.1 / 3600, 5, 2451545, true, true);
  h.count(0.5 / 3600, 0.1 / 3600, 5);
  const std::string text = deviationStatisticsText(h, s, "GREN", 4);
  std::vector<std::string> lines;
  std::string::size_type start = 0, end;
  while ((end = text.find("\r\n", start)) != std::string::npos) {
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  lines.push_back(text.substr(start));
  ASSERT_EQ(lines.size(), 25u);
  EXPECT_EQ(lines[0], "статистика данных  GREN  по планете 4");
  EXPECT_EQ(lines[1], "интервалы dL и dB в угловых секундах dR в тыс.км.)");
  EXPECT_EQ(lines[3], "00...01   0001        0,00...0,25   0001        000,00...011,11   0001");
  EXPECT_EQ(lines[21], "18...     0000        4,50...       0000        200,00...         0000");
  EXPECT_EQ(lines[23], "                 общее количество точек  1");
  EXPECT_TRUE(lines[24].starts_with("dLsr= 0,5 секунд   dBsr= 0,")) << lines[24];
  EXPECT_TRUE(lines[24].ends_with(" секунд   dRsr= 5 тыс. км.")) << lines[24];
}

}  // namespace

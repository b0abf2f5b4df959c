// "Аппроксимировать данные выборки" driven as a user drives it: the test
// series of known trend, a series of known drift and noise, the refusal of
// too few groups, the search over all group sizes and the storing of the
// shift.
#include <ostream>
#include <random>

#include "tests/windows/statistics/Form6Fixture.h"

namespace form6test {
namespace {

void typeTestTrend(Form6& form, const char* k0, const char* k1, const char* k2, const char* k3) {
  ui::typeAsUser(form.Text37, k0);
  ui::typeAsUser(form.Text36, k1);
  ui::typeAsUser(form.Text35, k2);
  ui::typeAsUser(form.Text14, k3);
}

struct TestSeriesCase {
  const char* name;
  const char* k1;
  const char* k2;
  void (*chooseTrend)(Form6&);
  const char* resultYear;
  double shift;  // degrees per century: the slope of k1 t + k2 t^2 at t = resultYear / 100
};
// Printed by its name in the test output, not as the bytes of the struct.
void PrintTo(const TestSeriesCase& c, std::ostream* out) { *out << c.name; }

class Form6TestSeries : public Form6Test, public ::testing::WithParamInterface<TestSeriesCase> {};

// A test series of 25 points over 25 centuries without noise: the shift is
// the derivative of its trend at the year asked for, in degrees per century
// (its column is AlfaL0), and 2*Sigma is 0 up to rounding.
TEST_P(Form6TestSeries, ShiftIsTheSlopeOfItsTrend) {
  const TestSeriesCase& row = GetParam();
  Form6& form = openStatistics();
  click(form.Check8);
  typeTestTrend(form, "0", row.k1, row.k2, "0");
  row.chooseTrend(form);
  type(form.Text19, row.resultYear);
  click(form.Command9);
  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
  EXPECT_EQ(Main.FileState, sample::kTestSeries);
  EXPECT_EQ(Main.SampleParameter, sample::kAlfaL0);
  EXPECT_EQ(form.Text23.Text(), "0");
  EXPECT_EQ(form.Text1.Text(), "100");
  EXPECT_NEAR(shown(form.Text24), row.shift, 1e-9);
  EXPECT_NEAR(shown(form.Text27), 0, 1e-9);
  click(form.Command9);
  EXPECT_EQ(form.Label20.Caption(), "град");
}

INSTANTIATE_TEST_SUITE_P(
    Trends, Form6TestSeries,
    ::testing::Values(TestSeriesCase{"Linear", "1", "0", [](Form6&) {}, "2000", 1},
                      TestSeriesCase{"QuadraticAtItsStart", "1", "1",
                                     [](Form6& f) { ui::clickAsUser(f.Option11); }, "0", 1},
                      TestSeriesCase{"QuadraticACenturyLater", "1", "1",
                                     [](Form6& f) { ui::clickAsUser(f.Option11); }, "100", 3}),
    [](const auto& info) { return std::string(info.param.name); });

// A perihelion drifting 0.4 degrees per century, 400 records over two
// centuries with Gaussian noise of 0.002 degrees. The shift is 1440 arc
// seconds per century within four of its standard errors, sigma / sqrt(sum
// (t - mean t)^2); 2*Sigma is twice the noise of a group mean, sigma /
// sqrt(L), within four standard deviations of the estimate, 1 / sqrt(2 (G - 2)).
TEST_F(Form6Test, ShiftAndBandOfAKnownDriftWithNoise) {
  constexpr double kDrift = 0.4, kNoise = 0.002;
  constexpr int kRecords = 400;
  std::mt19937 generator(20240601);
  std::normal_distribution<double> noise(0, kNoise);
  std::vector<Point> points(kRecords);
  double sumT = 0, sumT2 = 0;
  for (int i = 0; i < kRecords; ++i) {
    points[i].dT = 182.625 * i;
    const double t = points[i].dT / 36525 - 1;  // centuries from J2000: the series runs 1900..2100
    points[i].alfaP = 77.456 + kDrift * t + noise(generator);
    sumT += t;
    sumT2 += t * t;
  }
  const double spread = sumT2 - sumT * sumT / kRecords;
  writeSeries("Plan1/Txt1/Celvan1Ras1.txt", 2451545.0 - 36525, points);
  Form6& form = openStatistics();
  type(form.Text2, "1");
  click(form.Command6);
  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
  EXPECT_EQ(form.Text3.Text(), "400");

  for (int size : {1, 10}) {
    SCOPED_TRACE(size);
    type(form.Text4, Str(size));
    click(form.Command9);
    ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
    EXPECT_EQ(form.Label20.Caption(), "угл.сек.");
    const double standardError = 3600 * kNoise / std::sqrt(spread);
    EXPECT_NEAR(shown(form.Text24), 3600 * kDrift, 4 * standardError);
    const int groups = kRecords / size;
    const double expectedBand = 2 * 3600 * kNoise / std::sqrt(size);
    EXPECT_NEAR(shown(form.Text27) / expectedBand, 1, 4 / std::sqrt(2.0 * (groups - 2)));
    // The trend's value at J2000 (the epoch) is the drift's start value.
    EXPECT_NEAR(shown(form.Text11), 77.456, 4 * kNoise / std::sqrt(kRecords));
  }
}

// 25 points in groups of 9 make two groups: too few for a quadratic trend.
TEST_F(Form6Test, TooFewGroupsAreRefused) {
  std::vector<Point> points(25);
  for (int i = 0; i < 25; ++i) points[i].dT = 100.0 * i;
  writeSeries("Plan1/Txt1/Celvan1Ras1.txt", 2451545.0, points);
  Form6& form = openStatistics();
  click(form.Command6);
  click(form.Option11);
  type(form.Text4, "9");
  click(form.Command9);
  ASSERT_EQ(boxes.count(), 1);
  EXPECT_EQ(boxes.last().text, "Первичные данные должны быть\r\nразбиты минимум на 4 группы");
  EXPECT_EQ(boxes.last().title, "Celvan7");
  EXPECT_EQ(form.Text24.Text(), "Text24");
}

// The fit of a model series stores its shift, with a plan number in force,
// as the model shift of the experiment of Text10 and leaves the observed
// shift alone; the same series as the imitator's is an observed shift of
// the body; AlfaL0 stores nothing.
TEST_F(Form6Test, FitStoresTheShiftOfTheBodyAndTheExperiment) {
  std::vector<Point> points(30);
  for (int i = 0; i < 30; ++i) {
    points[i].dT = 3652.5 * i;
    points[i].alfaU = 48 + 0.05 * i / 10;  // 0.05 degrees per century: 180 arc seconds
  }
  writeSeries("Plan1/Txt4/Celvan4Ras6.txt", 2451545.0, points);
  Form6& form = openStatistics();
  click(form.Option3[4]);
  click(form.Option4[2]);
  type(form.Text10, "6");
  click(form.Command6);
  click(form.Command9);
  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
  EXPECT_NEAR(shown(form.Text24), 180, 1e-7);
  EXPECT_EQ(Main.ObservedShifts(4, 2), 0);
  EXPECT_EQ(Main.ModelShifts(4, 2, 6), shown(form.Text24));
  EXPECT_EQ(Main.ModelShifts(4, 2, 5), 0);

  writeSeries("JPL/Celvan4Nab.txt", 2451545.0, points);
  click(form.Option7);  // "имитаторе"
  click(form.Command6);
  click(form.Command9);
  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
  EXPECT_EQ(Main.ObservedShifts(4, 2), shown(form.Text24));

  Main.ObservedShifts(4, 2) = 0;
  Main.PlanNumber = 0;
  click(form.Check8);  // a test series is AlfaL0
  click(form.Command9);
  EXPECT_EQ(Main.ObservedShifts(4, 2), 0);
}

// With every group size searched, Text4 ends at the largest size, and "sr"
// gives the mean of the shifts and bands of the single fits of each size.
TEST_F(Form6Test, SearchOverAllGroupSizesGivesTheMeanOfTheSingleFits) {
  std::mt19937 generator(7);
  std::normal_distribution<double> noise(0, 0.01);
  std::vector<Point> points(24);
  for (int i = 0; i < 24; ++i) {
    points[i].dT = 3652.5 * i;
    points[i].alfaP = 77 + 0.02 * i + noise(generator);
  }
  writeSeries("Plan1/Txt1/Celvan1Ras1.txt", 2451545.0, points);
  Form6& form = openStatistics();
  click(form.Command6);
  double shiftSum = 0, bandSum = 0;
  for (int size = 1; size <= 8; ++size) {
    type(form.Text4, Str(size));
    click(form.Command9);
    shiftSum += shown(form.Text24);
    bandSum += shown(form.Text27);
  }
  click(form.Option16);  // "sr"
  click(form.Check6);
  click(form.Command9);
  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
  EXPECT_EQ(form.Text4.Text(), "8") << "24 points make at least 3 groups of up to 8";
  EXPECT_NEAR(shown(form.Text24), shiftSum / 8, 1e-6);
  EXPECT_NEAR(shown(form.Text27), bandSum / 8, 1e-6);
  EXPECT_EQ(Main.ModelShifts(1, 1, CInt(form.Text10.Text())), shown(form.Text24));
}

// An observed series whose weights are all equal fits as with "+Ves=1".
TEST_F(Form6Test, EqualWeightsFitAsUnitWeights) {
  std::vector<Point> points(20);
  for (int i = 0; i < 20; ++i) {
    points[i].dT = 1826.25 * i;
    points[i].ddT = 300;
    points[i].ves = 0.4;
    points[i].alfaP = 77 + 0.01 * i + 0.003 * std::sin(i);
  }
  writeSeries("Ser/Plan1/Celvan1Nab.txt", 2451545.0, points, true);
  Form6& form = openStatistics();
  click(form.Option7);
  click(form.Option17);
  click(form.Command6);
  type(form.Text4, "2");
  click(form.Command9);
  const std::string weighted[2] = {form.Text24.Text(), form.Text27.Text()};
  click(form.Check4);
  click(form.Command9);
  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
  EXPECT_NEAR(shown(form.Text24), CDbl(weighted[0]), 1e-9);
  EXPECT_NEAR(shown(form.Text27), CDbl(weighted[1]), 1e-9);
}

}  // namespace
}  // namespace form6test

// ET-UT by its three laws: the piecewise law against the observed ET-UT
// (Meeus, Astronomical Algorithms, 2nd ed., table 10.A), the edge values of
// its segments, and the two laws that Form17 sets.
#include <gtest/gtest.h>

#include <cmath>

#include "core/state/SharedState.h"
#include "core/time/TimeScales.h"
#include "core/support/AstroTestSupport.h"

namespace {

// Julian Day at T Julian centuries from J2000.
double julianDayAt(double centuries) { return 2451545.0 + 36525.0 * centuries; }

TEST(DeltaT, PiecewiseLawFollowsTheObservedValues) {
  astro_test::setStartupConstants();
  struct Row {
    int year;
    double observedSeconds;
  };
  // Meeus table 10.A (observed ET-UT, start of the year). The law is a set of
  // quarter-century cubics that do not join exactly; it follows the
  // observations to within a second.
  const Row rows[] = {{1850, 7.1},  {1860, 7.9},  {1870, 1.6},  {1880, -5.4},
                      {1890, -5.9}, {1900, -2.7}, {1910, 10.5}, {1920, 21.2},
                      {1930, 24.0}, {1940, 24.3}, {1950, 29.1}, {1960, 33.2},
                      {1970, 40.2}, {1980, 50.5}, {1990, 56.9}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.year);
    Main.JD = julianDayAt((row.year - 2000) / 100.0);
    EXPECT_NEAR(DeltaTPiecewise(), row.observedSeconds, 1.0);
  }
}

TEST(DeltaT, SegmentsAndLawsAtTheirEdges) {
  astro_test::setStartupConstants();
  struct Row {
    const char* source;
    double centuries;
    double seconds;
    double tolerance;
  };
  // The laws' own coefficients evaluated by hand at each edge (two decimals).
  const Row rows[] = {
      {"1975.0 closes the 1950-1975 cubic (t = 0.25)", -0.25, 45.79, 0.005},
      {"1900.0 closes the 1875-1900 cubic (t = 0.25)", -1.0, -3.43, 0.005},
      {"1700.0: the constant 10.4 s", -3.0, 10.4, 1e-12},
      {"1650: the parabola before 1700", -3.5, 30.74, 0.005},
      {"2030: the forecast 65.97 + 90 T", 0.3, 92.97, 1e-9},
      {"2000.0: the forecast meets the 1975-2000 cubic", 0.0, 65.97, 1e-9},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.source);
    Main.JD = julianDayAt(row.centuries);
    EXPECT_NEAR(DeltaTPiecewise(), row.seconds, row.tolerance);
  }
  Main.JD = Main.JD1900;
  EXPECT_NEAR(DeltaTParabola(), 24.35, 1e-12);
}

// The forecast serves from 2000 on: no jump at 2025 (the 1975-2000 cubic run
// on to 2025 would reach 157.5 s there and then drop to 88.5 s).
TEST(DeltaT, NoJumpAt2000Or2025) {
  astro_test::setStartupConstants();
  const double justBefore = 1e-9;
  for (double edge : {0.0, 0.25}) {
    SCOPED_TRACE(edge);
    Main.JD = julianDayAt(edge - justBefore);
    const double before = DeltaTPiecewise();
    Main.JD = julianDayAt(edge + justBefore);
    EXPECT_NEAR(DeltaTPiecewise(), before, 0.01);
  }
  Main.JD = julianDayAt(0.25);
  EXPECT_NEAR(DeltaTPiecewise(), 65.97 + 90.0 * 0.25, 1e-9);
}

TEST(DeltaT, KeepsItsWorkingTimesToItself) {
  astro_test::setStartupConstants();
  Main.ModelTime = 3600.0;  // the running model time of a window
  Main.StageTime = 1800.0;
  Main.TimeScratch = 5.0;
  Main.LoopIndexK = 4;
  for (double centuries : {-4.0, -2.0, -0.6, 0.1}) {
    Main.JD = julianDayAt(centuries);
    DeltaTParabola();
    DeltaTPiecewise();
  }
  EXPECT_EQ(Main.ModelTime, 3600.0);
  EXPECT_EQ(Main.StageTime, 1800.0);
  EXPECT_EQ(Main.TimeScratch, 5.0);
  EXPECT_EQ(Main.LoopIndexK, 4);
}

TEST(DeltaTForDependency, NoLawGivesZero) {
  astro_test::setStartupConstants();
  const double j1950 = julianDayAt(-0.5);
  EXPECT_EQ(DeltaTForDependency(1, j1950), 0.0);
  EXPECT_EQ(DeltaTForDependency(2, j1950), 0.0);
  setDeltaTLaw(1, 1.0, 2.0, 3.0, 1.0);
  EXPECT_EQ(DeltaTForDependency(3, j1950), 0.0);  // no such kind
}

TEST(DeltaTForDependency, QuadraticLawFromItsEpoch) {
  astro_test::setStartupConstants();
  // Form17's items 2..4 preset a = b = 0, c = 31.5 s per century squared
  // from 1800 (the tidal parabola); item 1 the parabola of 1900.
  Main.CalendarMode = 0;
  Main.ET1Epoch = JulianDayFromDate(1.5, 1, 1800);
  setDeltaTLaw(1, 0.0, 0.0, 31.5, 1.0);
  const double twoCenturiesLater = Main.ET1Epoch + 2.0 * 36525.0;
  EXPECT_NEAR(DeltaTForDependency(1, twoCenturiesLater), 31.5 * 4.0, 1e-9);
  // Selector -1: the same law with the opposite sign.
  setDeltaTLaw(1, 0.0, 0.0, 31.5, -1.0);
  EXPECT_NEAR(DeltaTForDependency(1, twoCenturiesLater), -31.5 * 4.0, 1e-9);
  // The second law has its own epoch and coefficients.
  Main.ET2Epoch = Main.JD1900;
  setDeltaTLaw(2, 24.35, 72.32, 29.95, 1.0);
  Main.JD = Main.JD1900 + 0.5 * 36525.0;
  EXPECT_NEAR(DeltaTForDependency(2, Main.JD), DeltaTParabola(), 1e-9);
}

// The piecewise law is evaluated at the given day, not at the shared JD
// (mended: it used to read the shared JD whatever the argument).
TEST(DeltaTForDependency, PiecewiseLawAtTheGivenDay) {
  astro_test::setStartupConstants();
  setDeltaTLaw(2, 0.0, 0.0, 0.0, -2.0);
  const double j1975 = julianDayAt(-0.25);
  Main.JD = julianDayAt(-1.0);  // some other date in the shared JD
  const double atJD = DeltaTPiecewise();
  Main.JD = j1975;
  const double at1975 = DeltaTPiecewise();
  Main.JD = julianDayAt(-1.0);
  EXPECT_NEAR(DeltaTForDependency(2, j1975), -at1975, 1e-12);
  EXPECT_NE(at1975, atJD);
}

// The laws have storage of their own: building an experiment plan fills the
// plan matrix, and the laws stay as they were set.
TEST(DeltaTForDependency, LawsSurviveAPlanMatrixBeingWritten) {
  astro_test::setStartupConstants();
  Main.ET1Epoch = Main.JD1900;
  setDeltaTLaw(1, 24.35, 72.32, 29.95, 1.0);
  Main.JD = Main.JD1900 + 36525.0;
  const double before = DeltaTForDependency(1, Main.JD);
  Stat.PlanMatrix.fill(-1.0);  // every cell, including (1, 0..4) and (2, 0..4)
  EXPECT_EQ(DeltaTForDependency(1, Main.JD), before);
  EXPECT_NEAR(before, 24.35 + 72.32 + 29.95, 1e-9);
}

}  // namespace

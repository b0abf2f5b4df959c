// Greenwich mean sidereal time against Meeus, Astronomical Algorithms, 2nd
// ed., examples 12.a and 12.b, and the value at J2000.0 of the IAU 1982
// expression (Aoki et al. 1982: 18h41m50.54841s).
#include <gtest/gtest.h>

#include <cmath>

#include "core/state/SharedState.h"
#include "core/time/TimeScales.h"
#include "core/support/AstroTestSupport.h"

namespace {

double hoursOf(double hours, double minutes, double seconds) {
  return hours + minutes / 60.0 + seconds / 3600.0;
}

TEST(GreenwichMeanSiderealTime, MeeusExamples) {
  astro_test::setStartupConstants();
  struct Row {
    const char* source;
    double modifiedJulianDay;
    double expectedHours;
  };
  const double april10of1987 = 2446895.5 - 2400000.5;
  const Row rows[] = {
      {"Meeus ex. 12.a: 1987 Apr 10, 0h UT", april10of1987, hoursOf(13, 10, 46.3668)},
      {"Meeus ex. 12.b: 1987 Apr 10, 19h21m UT", april10of1987 + hoursOf(19, 21, 0) / 24.0,
       hoursOf(8, 34, 57.0896)},
      {"IAU 1982 at J2000.0 (2000 Jan 1, 12h UT)", 51544.5, hoursOf(18, 41, 50.54841)},
  };
  // Meeus prints 0.0001 s; the expression's rate term differs from his by
  // far less over a day.
  const double tolerance = 1e-4 / 3600.0;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.source);
    const double hours = GreenwichMeanSiderealTime(row.modifiedJulianDay);
    EXPECT_NEAR(astro_test::reduceDegrees(15.0 * hours) / 15.0, row.expectedHours, tolerance);
  }
}

TEST(GreenwichMeanSiderealTime, IsNotReducedToOneDay) {
  astro_test::setStartupConstants();
  // 2000 Jan 2, 18h UT: about 18.7 h + 18.05 h, past 24.
  const double hours = GreenwichMeanSiderealTime(51545.75);
  EXPECT_GT(hours, 24.0);
  EXPECT_LT(hours, 48.0);
}

TEST(GreenwichMeanSiderealTime, KeepsItsWorkingTimesToItself) {
  astro_test::setStartupConstants();
  Main.ModelTime = 3600.0;
  Main.StageTime = 1800.0;
  GreenwichMeanSiderealTime(46895.806);
  EXPECT_EQ(Main.ModelTime, 3600.0);
  EXPECT_EQ(Main.StageTime, 1800.0);
}

}  // namespace

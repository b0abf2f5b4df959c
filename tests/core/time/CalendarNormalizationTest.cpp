// Carrying day counts into later months and years, and splitting a day
// fraction into hours, minutes and seconds. The expected dates follow from
// the calendars' month lengths and leap-year rules; where a Julian Day helps,
// it is that of Meeus, Astronomical Algorithms, ch. 7.
#include <gtest/gtest.h>

#include "core/runtime/RuntimeError.h"
#include "core/state/SharedState.h"
#include "core/time/TimeScales.h"
#include "core/support/AstroTestSupport.h"

namespace {

struct NormalizationRow {
  const char* source;
  int mode;
  double day;
  int month;
  int year;
  int expectedYear;
  int expectedMonth;
  double expectedDay;
};

const NormalizationRow kNormalizations[] = {
    {"60.25 days from 2001-01-01: Jan 31 + Feb 28, 6 hours", 0, 60.25, 1, 2001, 2001, 3, 1.25},
    {"1900 is no Gregorian leap year", 0, 30.0, 2, 1900, 1900, 3, 2.0},
    {"1900 is a Julian leap year", 1, 30.0, 2, 1900, 1900, 3, 1.0},
    {"2000 is a Gregorian leap year (divisible by 400)", 0, 30.0, 2, 2000, 2000, 3, 1.0},
    {"1500 is a leap year: Julian calendar before the reform", 0, 30.0, 2, 1500, 1500, 3, 1.0},
    {"a day within its month stays", 0, 15.5, 7, 1987, 1987, 7, 15.5},
    {"a day count below 1 stays", 0, 0.5, 7, 1987, 1987, 7, 0.5},
    {"month 13 has no days and carries into January", 0, 5.0, 13, 2000, 2001, 1, 5.0},
    {"over the year end into a leap February", 0, 31.0 + 31.0 + 29.0, 12, 1999, 2000, 2, 29.0},
    {"366 days from 1999-12-01: into 2000, a leap year", 0, 366.0, 12, 1999, 2000, 11, 30.0},
    {"Egyptian: month 12 has the five extra days", 2, 35.0, 12, 1, 1, 12, 35.0},
    {"Egyptian: day 40 of month 12 is day 5 of the next year", 2, 40.0, 12, 1, 2, 1, 5.0},
    {"Egyptian: 400 days from 1 Thoth", 2, 400.0, 1, 7, 8, 2, 5.0},
};

TEST(NormalizeCalendarDate, CarriesDaysIntoTheFollowingMonthsAndYears) {
  for (const NormalizationRow& row : kNormalizations) {
    SCOPED_TRACE(row.source);
    astro_test::setStartupConstants();
    Main.CalendarMode = static_cast<int16_t>(row.mode);
    NormalizeCalendarDate(row.day, row.month, row.year);
    EXPECT_EQ(Main.CalendarYear, row.expectedYear);
    EXPECT_EQ(Main.CalendarMonth, row.expectedMonth);
    EXPECT_NEAR(Main.CalendarDay, row.expectedDay, 1e-9);
  }
}

TEST(NormalizeCalendarDate, SplitsOffTheHoursOfTheDay) {
  astro_test::setStartupConstants();
  NormalizeCalendarDate(60.25, 1, 2001);
  EXPECT_EQ(Main.ObsDay, 1);
  EXPECT_NEAR(Main.DayHours, 6.0, 1e-9);
}

// A long day count lands where the Julian Day of its first day plus the count
// lands (Julian Days of Meeus's table in ch. 7; no reform in between).
TEST(NormalizeCalendarDate, AgreesWithTheJulianDayCount) {
  astro_test::setStartupConstants();
  Main.CalendarMode = 0;
  const double firstOfJanuary1900 = 2415020.5;  // 1900 Jan 1.0
  const double firstOfJanuary1999 = 2451179.5;  // 1999 Jan 1.0
  const double dayCount = firstOfJanuary1999 - firstOfJanuary1900 + 1.0;  // day number of 1999-01-01
  NormalizeCalendarDate(dayCount + 0.75, 1, 1900);
  EXPECT_EQ(Main.CalendarYear, 1999);
  EXPECT_EQ(Main.CalendarMonth, 1);
  EXPECT_NEAR(Main.CalendarDay, 1.75, 1e-9);
}

TEST(NormalizeCalendarDate, MonthBeyondTheTableIsARunTimeError) {
  astro_test::setStartupConstants();
  EXPECT_THROW(NormalizeCalendarDate(40.0, 14, 2000), RuntimeError);
}

TEST(NormalizeCalendarDate, UnsetMonthTableIsARunTimeErrorNotAHang) {
  astro_test::setStartupConstants();
  Main.MonthLength.fill(0);
  EXPECT_THROW(NormalizeCalendarDate(40.0, 1, 2000), RuntimeError);
}

struct ClockRow {
  const char* source;
  double day;
  float hours, minutes, seconds;
};

TEST(DayFractionToHMS, SplitsTheFractionIntoTruncatedUnits) {
  astro_test::setStartupConstants();
  const ClockRow rows[] = {
      {"Meeus ex. 7.a: 1957 Oct 4.81 = 19h26m24s UT", 4.81, 19, 26, 24},
      {"noon of the first day", 1.5, 12, 0, 0},
      {"a quarter day", 2451545.25, 6, 0, 0},
      {"23h59m59.5s truncates to 59 s", (23.0 * 3600 + 59 * 60 + 59.5) / 86400.0, 23, 59, 59},
      {"1h01m01.5s", (3600.0 + 60.0 + 1.5) / 86400.0, 1, 1, 1},
  };
  for (const ClockRow& row : rows) {
    SCOPED_TRACE(row.source);
    DayFractionToHMS(row.day);
    EXPECT_EQ(Main.Hours, row.hours);
    EXPECT_EQ(Main.Minutes, row.minutes);
    EXPECT_EQ(Main.Seconds, row.seconds);
  }
}

}  // namespace

// Calendar dates and Julian Days, both ways, against the worked examples and
// the table of Meeus, Astronomical Algorithms, 2nd ed., chapter 7.
#include <gtest/gtest.h>

#include <cmath>

#include "core/state/SharedState.h"
#include "core/time/TimeScales.h"
#include "core/support/AstroTestSupport.h"

namespace {

struct DateRow {
  const char* source;
  int year;
  int month;
  double day;
  double julianDay;
};

// Day fractions are given to 0.01 day at most: the conversions must agree to
// far better than that (double rounding of a JD near 2.4e6 is ~5e-10 day).
constexpr double kDayTolerance = 1e-6;

void expectDate(const DateRow& row) {
  EXPECT_EQ(Main.CalendarYear, row.year);
  EXPECT_EQ(Main.CalendarMonth, row.month);
  EXPECT_NEAR(Main.CalendarDay, row.day, kDayTolerance);
}

void expectBothWays(const DateRow& row) {
  SCOPED_TRACE(row.source);
  EXPECT_NEAR(JulianDayFromDate(row.day, row.month, row.year), row.julianDay, kDayTolerance);
  DateFromJulianDay(row.julianDay);
  expectDate(row);
  EXPECT_EQ(Main.DateErrorFlag, 0);
}

// Dates in the calendar in use at the time: Julian before 1582-10-15,
// Gregorian from then on (calendar mode 0).
const DateRow kMeeusChapter7[] = {
    {"Meeus ex. 7.a: Sputnik 1", 1957, 10, 4.81, 2436116.31},
    {"Meeus ex. 7.b", 333, 1, 27.5, 1842713.0},
    {"Meeus table ch. 7: J2000.0", 2000, 1, 1.5, 2451545.0},
    {"Meeus table ch. 7", 1999, 1, 1.0, 2451179.5},
    {"Meeus table ch. 7", 1987, 1, 27.0, 2446822.5},
    {"Meeus table ch. 7", 1987, 6, 19.5, 2446966.0},
    {"Meeus table ch. 7", 1988, 1, 27.0, 2447187.5},
    {"Meeus table ch. 7", 1988, 6, 19.5, 2447332.0},
    {"Meeus table ch. 7", 1900, 1, 1.0, 2415020.5},
    {"Meeus table ch. 7", 1600, 1, 1.0, 2305447.5},
    {"Meeus table ch. 7", 1600, 12, 31.0, 2305812.5},
    {"Meeus table ch. 7", 837, 4, 10.3, 2026871.8},
    {"Meeus table ch. 7", -123, 12, 31.0, 1676496.5},
    {"Meeus table ch. 7", -122, 1, 1.0, 1676497.5},
    {"Meeus table ch. 7", -1000, 7, 12.5, 1356001.0},
    {"Meeus table ch. 7: Julian leap day", -1000, 2, 29.0, 1355866.5},
    {"Meeus table ch. 7", -1001, 8, 17.9, 1355671.4},
    {"Meeus table ch. 7: origin of the count", -4712, 1, 1.5, 0.0},
    {"Meeus ex. 7.c (inverse)", -584, 5, 28.63, 1507900.13},
    {"last Julian day: 1582 Oct 4", 1582, 10, 4.0, 2299159.5},
    {"first Gregorian day: 1582 Oct 15", 1582, 10, 15.0, 2299160.5},
};

TEST(JulianDay, MeeusDatesInTheCalendarOfTheirTimeBothWays) {
  astro_test::setStartupConstants();
  Main.CalendarMode = 0;
  for (const DateRow& row : kMeeusChapter7) expectBothWays(row);
}

// Calendar mode 1 keeps the Julian calendar after 1582: the same Julian Days
// as mode 0 before the reform, and from then on the Julian date runs behind
// the Gregorian one by 10 days (to 1700-02-28), 11 (to 1800), 12 (to 1900),
// 13 (1900-03-01 to 2100).
const DateRow kJulianCalendarOnly[] = {
    {"Meeus ex. 7.b, before the reform", 333, 1, 27.5, 1842713.0},
    {"Meeus table ch. 7, before the reform", -1001, 8, 17.9, 1355671.4},
    {"Meeus table ch. 7: origin of the count", -4712, 1, 1.5, 0.0},
    {"Julian 1582 Oct 5 = Gregorian Oct 15", 1582, 10, 5.0, 2299160.5},
    {"Julian 1582 Oct 15 = Gregorian Oct 25", 1582, 10, 15.0, 2299170.5},
    {"Julian 1600 Jan 1 = Gregorian Jan 11", 1600, 1, 1.0, 2305447.5 + 10.0},
    {"Julian 1900 Jan 1 = Gregorian Jan 13", 1900, 1, 1.0, 2415020.5 + 12.0},
    {"Julian 1900 Feb 29 (a Julian leap day) = Gregorian Mar 13", 1900, 2, 29.0,
     2415020.5 + 59.0 + 12.0},
    {"Julian 1957 Oct 4.81 = Gregorian Oct 17.81", 1957, 10, 4.81, 2436116.31 + 13.0},
    {"Julian 2000 Jan 1.5 = Gregorian Jan 14.5", 2000, 1, 1.5, 2451545.0 + 13.0},
};

TEST(JulianDay, JulianCalendarForEveryDateBothWays) {
  astro_test::setStartupConstants();
  Main.CalendarMode = 1;
  for (const DateRow& row : kJulianCalendarOnly) expectBothWays(row);
}

TEST(JulianDay, ADayStartingAtNoonCountsDayOneFromNoon) {
  astro_test::setStartupConstants();
  Main.CalendarMode = 0;
  Main.DayStartHour = 12;
  // 2000 January 1, 12h (J2000.0) is day 1.0 when the day starts at noon.
  EXPECT_NEAR(JulianDayFromDate(1.0, 1, 2000), 2451545.0, kDayTolerance);
  DateFromJulianDay(2451545.25);  // 18h: a quarter day after the day's start
  expectDate({"", 2000, 1, 1.25, 0.0});
}

TEST(JulianDay, DecimalDateTellsTheGregorianSwitch) {
  astro_test::setStartupConstants();
  Main.CalendarMode = 0;
  // 14.995 October 1582 lies after the switch test's bound and is Gregorian:
  // it is the last moments of the Gregorian 14th, i.e. just before JD 2299160.5.
  const double julianDay = JulianDayFromDate(14.995, 10, 1582);
  EXPECT_NEAR(Main.DecimalDate, 1582.1014995, 1e-10);
  EXPECT_NEAR(julianDay, 2299160.5 - 0.005, kDayTolerance);
}

// The Egyptian calendar of the era of Nabonassar: the era begins on 1 Thoth
// of year 1, which is -746 February 26 of the Julian calendar (Ptolemy,
// Almagest III.7), JD 1448637.5 at midnight; its year has 365 days.
TEST(EgyptianCalendar, EraStartsOnTheJulianDateOfNabonassar) {
  astro_test::setStartupConstants();
  Main.CalendarMode = 1;
  const double eraStartFromJulianCalendar = JulianDayFromDate(26.0, 2, -746);
  Main.CalendarMode = 2;
  EXPECT_NEAR(JulianDayFromDate(1.0, 1, 1), 1448637.5, kDayTolerance);
  EXPECT_NEAR(eraStartFromJulianCalendar, 1448637.5, kDayTolerance);
  EXPECT_NEAR(JulianDayFromDate(1.0, 1, 2) - JulianDayFromDate(1.0, 1, 1), 365.0, kDayTolerance);
  EXPECT_NEAR(JulianDayFromDate(1.0, 2, 1) - JulianDayFromDate(1.0, 1, 1), 30.0, kDayTolerance);
}

// Every day of an Egyptian month comes back with its own number, the five
// extra days as days 31..35 of month 12 (mended: the day count used to give
// day 30 back as "day 0" of the next month).
TEST(EgyptianCalendar, EveryDayOfTheYearComesBackAsItself) {
  astro_test::setStartupConstants();
  Main.CalendarMode = 2;
  const DateRow rows[] = {
      {"1 Thoth of year 1", 1, 1, 1.0, 1448637.5},
      {"last day of month 1", 1, 1, 30.5, 1448637.5 + 29.5},
      {"first day of month 2", 1, 2, 1.0, 1448637.5 + 30.0},
      {"last day of month 11", 1, 11, 30.0, 1448637.5 + 329.0},
      {"first extra day", 1, 12, 31.0, 1448637.5 + 360.0},
      {"last extra day", 1, 12, 35.75, 1448637.5 + 364.75},
      {"1 Thoth of year 2", 2, 1, 1.0, 1448637.5 + 365.0},
      {"last extra day of year 0, before the era", 0, 12, 35.0, 1448637.5 - 1.0},
      {"a date before the era", -5, 3, 10.0, 1448637.5 - 6 * 365.0 + 69.0},
  };
  for (const DateRow& row : rows) expectBothWays(row);
}

TEST(EgyptianCalendar, DayStartingAtNoonShiftsTheCountByHalfADay) {
  astro_test::setStartupConstants();
  Main.CalendarMode = 2;
  Main.DayStartHour = 12;
  EXPECT_NEAR(JulianDayFromDate(1.0, 1, 1), 1448638.0, kDayTolerance);
  DateFromJulianDay(1448638.0);
  expectDate({"", 1, 1, 1.0, 0.0});
}

TEST(DateConversions, ImpossibleInputGivesTheMessageAndTheFlag) {
  astro_test::setStartupConstants();
  struct Case {
    const char* what;
    int mode;
    double day;
    int month;
    int year;
  };
  const Case cases[] = {
      {"year beyond a 16-bit integer", 0, 1.0, 1, 40000},
      {"month beyond a 16-bit integer", 1, 1.0, 70000, 2000},
      {"day count beyond 32 bits", 2, 1.0, 1, 10000000},
      {"day that is not a number", 0, std::nan(""), 1, 2000},
      {"infinite day", 2, INFINITY, 1, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    astro_test::MessageBoxRecorder recorder;
    Main.CalendarMode = static_cast<int16_t>(c.mode);
    Main.DateErrorFlag = 0;
    EXPECT_EQ(JulianDayFromDate(c.day, c.month, c.year), 0.0);
    EXPECT_EQ(Main.DateErrorFlag, 1);
    ASSERT_EQ(recorder.boxes().size(), 1u);
    EXPECT_EQ(recorder.boxes()[0].text, "Введите правильно дату");
    EXPECT_EQ(recorder.boxes()[0].title, "Celvan7.0");
  }
}

TEST(DateConversions, UnconvertibleJulianDayKeepsTheOutputs) {
  astro_test::setStartupConstants();
  for (int mode : {0, 2}) {
    for (double julianDay : {1.0e12, -1.0e12, std::nan("")}) {
      SCOPED_TRACE(julianDay);
      astro_test::MessageBoxRecorder recorder;
      Main.CalendarMode = static_cast<int16_t>(mode);
      Main.DateErrorFlag = 0;
      Main.CalendarYear = 1957;
      Main.CalendarMonth = 10;
      Main.CalendarDay = 4.81;
      DateFromJulianDay(julianDay);
      EXPECT_EQ(Main.DateErrorFlag, 1);
      ASSERT_EQ(recorder.boxes().size(), 1u);
      EXPECT_EQ(recorder.boxes()[0].text, "Введите правильно юлианскую дату");
      EXPECT_EQ(recorder.boxes()[0].title, "Celvan7.0");
      expectDate({"", 1957, 10, 4.81, 0.0});
    }
  }
}

TEST(DateConversions, KeepTheirWorkingCountersToThemselves) {
  astro_test::setStartupConstants();
  Main.LoopIndexJ = 7;  // a caller's loop counter
  JulianDayFromDate(4.81, 10, 1957);
  EXPECT_EQ(Main.LoopIndexJ, 7);
}

}  // namespace

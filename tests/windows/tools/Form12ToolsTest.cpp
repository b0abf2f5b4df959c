// The converter's angle and date tools: angles read and shown in every unit
// against the worked examples of Meeus (Astronomical Algorithms, 2nd ed.,
// examples 13.a and 13.b, and the obliquity of (22.2)), the date
// conversions against Meeus ch. 7 (examples 7.a to 7.c), the local mean
// time of an observer against the rule of 4 minutes of time per degree of
// longitude, and the refusals of bad input.
#include <cmath>
#include <string>
#include <vector>

#include "core/state/SharedState.h"
#include "ToolWindowFixture.h"
#include "tools/Form12.h"

namespace {

class Form12ToolsTest : public ToolWindowTest {
 protected:
  Form12& openConverter() {
    Form12& form = form12();
    form.Show();
    return form;
  }
};

// Seconds after midnight of "hh:mm:ss" that follows a head.
double clockSeconds(const std::string& text, const std::string& head) {
  EXPECT_EQ(text.rfind(head, 0), 0u) << text;
  const std::string clock = text.substr(head.size());
  return std::stod(clock.substr(0, 2)) * 3600 + std::stod(clock.substr(3, 2)) * 60 +
         std::stod(clock.substr(6, 2));
}

enum class Unit { Hours, Degrees };

struct Sexagesimal {
  const char* name;
  Unit unit;
  const char *whole, *minutes, *seconds;
  bool negative;
  double degrees;  // the angle, from the source
};

// Sexagesimal angles of the worked examples, read and then shown again in
// the same unit.
TEST_F(Form12ToolsTest, SexagesimalAnglesReadAndShowBack) {
  const std::vector<Sexagesimal> cases = {
      // Meeus example 13.a: Pollux, α = 7h45m18.946s = 116.328942°,
      // δ = +28°01'34.26" = 28.026183°.
      {"right ascension of Pollux", Unit::Hours, "7", "45", "18,946", false, 116.328942},
      {"declination of Pollux", Unit::Degrees, "28", "1", "34,26", false, 28.026183},
      // Meeus example 13.b: α = 23h09m16.641s = 347.3193375°,
      // δ = -6°43'11.61" = -6.719892°.
      {"right ascension of Venus", Unit::Hours, "23", "9", "16,641", false, 347.3193375},
      {"declination of Venus", Unit::Degrees, "6", "43", "11,61", true, -6.719892},
      // Meeus (22.2): the mean obliquity of J2000, 23°26'21.448".
      {"obliquity of J2000", Unit::Degrees, "23", "26", "21,448", false, 23.4392911},
  };
  for (const Sexagesimal& angle : cases) {
    SCOPED_TRACE(angle.name);
    Form12& form = openConverter();
    const bool hours = angle.unit == Unit::Hours;
    click(hours ? form.Option4 : form.Option5);
    click(angle.negative ? form.Option21 : form.Option11);
    ui::TextBox& wholeBox = hours ? form.Text7 : form.Text17;
    ui::TextBox& minutesBox = hours ? form.Text8 : form.Text18;
    ui::TextBox& secondsBox = hours ? form.Text9 : form.Text19;
    type(wholeBox, angle.whole);
    type(minutesBox, angle.minutes);
    type(secondsBox, angle.seconds);
    click(form.Command4);
    EXPECT_NEAR(Main.DecimalDate, angle.degrees, 1e-6);

    // Shown again from the register: the same parts, the seconds cut to six
    // decimals, and the sign option.
    for (ui::TextBox* box : {&wholeBox, &minutesBox, &secondsBox}) type(*box, "0");
    click(form.Option11);
    click(form.Command5);
    EXPECT_EQ(wholeBox.Text(), angle.whole);
    EXPECT_EQ(minutesBox.Text(), angle.minutes);
    EXPECT_NEAR(shown(secondsBox), CDbl(angle.seconds), 1.5e-6);
    EXPECT_EQ(form.Option21.Value(), angle.negative);
    EXPECT_EQ(boxes.count(), 0);
    form.Unload();
  }
}

// An angle read in one unit and shown in another.
TEST_F(Form12ToolsTest, AnglesBetweenUnits) {
  Form12& form = openConverter();

  // One radian is 57.2957795...°, shown cut to six decimals.
  click(form.Option7);
  type(form.Text20, "1");
  click(form.Command4);
  click(form.Option6);
  click(form.Command5);
  EXPECT_EQ(form.Text10.Text(), "57,295779");

  // 180° is π radians, cut: 3.141592.
  type(form.Text10, "180");
  click(form.Command4);
  click(form.Option7);
  click(form.Command5);
  EXPECT_EQ(form.Text20.Text(), "3,141592");

  // -0.5° in degrees-minutes-seconds: 0° 30' 0" with "--".
  click(form.Option6);
  type(form.Text10, "-0,5");
  click(form.Command4);
  click(form.Option5);
  click(form.Command5);
  EXPECT_EQ(form.Text17.Text(), "0");
  EXPECT_EQ(form.Text18.Text(), "30");
  EXPECT_EQ(form.Text19.Text(), "0");
  EXPECT_TRUE(form.Option21.Value());

  // 0° leaves "+" ticked.
  click(form.Option6);
  type(form.Text10, "0");
  click(form.Command4);
  click(form.Option5);
  click(form.Command5);
  EXPECT_TRUE(form.Option11.Value());

  // 6 hours are 90°, in hours-minutes-seconds from degrees.
  click(form.Option6);
  type(form.Text10, "-90");
  click(form.Command4);
  click(form.Option4);
  click(form.Command5);
  EXPECT_EQ(form.Text7.Text(), "6");
  EXPECT_EQ(form.Text8.Text(), "0");
  EXPECT_TRUE(form.Option21.Value());
}

// Typed parts keep their own signs and are added as typed; the sign option
// applies to the sum: -1h + 30m is -0.5h, times "--" is +7.5°.
TEST_F(Form12ToolsTest, TypedPartsAreAddedAsTyped) {
  Form12& form = openConverter();
  click(form.Option4);
  click(form.Option21);
  type(form.Text7, "-1");
  type(form.Text8, "30");
  type(form.Text9, "0");
  click(form.Command4);
  EXPECT_DOUBLE_EQ(Main.DecimalDate, 7.5);
  EXPECT_EQ(Main.StepReductionState, -1);
}

// A box without a number shows the message; the register keeps its angle,
// which the longitude and latitude buttons then hand to the source boxes.
TEST_F(Form12ToolsTest, BadAngleKeepsTheRegister) {
  Form12& form = openConverter();
  click(form.Option6);
  type(form.Text10, "12,25");
  click(form.Command4);
  for (const char* text : {"abc", "", "1.5"}) {
    SCOPED_TRACE(text);
    boxes.clear();
    type(form.Text10, text);
    click(form.Command4);
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, "Введите правильно данные");
    EXPECT_EQ(boxes.last().title, "Celvan7.0");
    EXPECT_DOUBLE_EQ(Main.DecimalDate, 12.25);
  }
  click(form.Command12);
  EXPECT_EQ(form.Text11.Text(), "12,25");
  click(form.Command13);
  EXPECT_EQ(form.Text12.Text(), "12,25");
}

// The load converts the start date 2000 January 1.5 (J2000, JD 2451545.0).
// The observer at 44.5° E is 2 h 58 min ahead of Greenwich (4 minutes of
// time per degree); the zone of 3 hours reads 15:00:00. The clock's seconds
// pass through single precision, so it may fall short by a second.
TEST_F(Form12ToolsTest, LoadConvertsJ2000WithItsLocalTimes) {
  Form12& form = openConverter();
  EXPECT_EQ(form.Text31.Text(), "2451545");
  EXPECT_DOUBLE_EQ(Main.JD, 2451545.0);
  EXPECT_EQ(form.Text21.Text(), "44,5");
  EXPECT_NEAR(clockSeconds(form.Text30.Text(), "LTut  ="), (14 * 60 + 58) * 60.0, 1.0);
  EXPECT_NEAR(clockSeconds(form.Text27.Text(), "LT ="), 15 * 3600.0, 1.0);
  EXPECT_EQ(boxes.count(), 0);
}

// Dates and Julian Days of Meeus ch. 7 both ways, on either side of the
// Gregorian reform.
TEST_F(Form12ToolsTest, DatesAndJulianDaysBothWays) {
  struct Case {
    const char *year, *month, *day;
    double julianDay;
  };
  const std::vector<Case> cases = {
      {"1957", "10", "4,81", 2436116.31},  // example 7.a, Sputnik 1
      {"333", "1", "27,5", 1842713.0},     // example 7.b, Julian calendar
      {"2000", "1", "1,5", 2451545.0},
      {"1582", "10", "15", 2299160.5},     // the first Gregorian day
      {"1582", "10", "4", 2299159.5},      // the last Julian day
  };
  Form12& form = openConverter();
  for (const Case& date : cases) {
    SCOPED_TRACE(date.julianDay);
    type(form.Text34, date.year);
    type(form.Text33, date.month);
    type(form.Text32, date.day);
    click(form.Command10);
    EXPECT_NEAR(shown(form.Text31), date.julianDay, 1e-6);

    type(form.Text34, "0");
    type(form.Text33, "0");
    type(form.Text32, "0");
    type(form.Text31, Str(date.julianDay));
    click(form.Command11);
    EXPECT_EQ(form.Text34.Text(), date.year);
    EXPECT_EQ(form.Text33.Text(), date.month);
    EXPECT_NEAR(shown(form.Text32), CDbl(date.day), 1e-6);
  }
  EXPECT_EQ(boxes.count(), 0);
}

// A day past the end of its month carries into the next: 32 January is
// 1 February (JD 2451575.5 at 0 h in 2000).
TEST_F(Form12ToolsTest, DayPastItsMonthCarriesOver) {
  Form12& form = openConverter();
  type(form.Text32, "32");
  click(form.Command10);
  EXPECT_EQ(form.Text33.Text(), "2");
  EXPECT_EQ(form.Text32.Text(), "1");
  EXPECT_DOUBLE_EQ(shown(form.Text31), 2451575.5);
}

// Converting a date keeps the angle in the register, although the calendar
// procedures work in the same shared variable.
TEST_F(Form12ToolsTest, DateConversionsKeepTheAngleRegister) {
  Form12& form = openConverter();
  click(form.Option6);
  type(form.Text10, "123,456");
  click(form.Command4);
  click(form.Command10);
  click(form.Command11);
  EXPECT_DOUBLE_EQ(Main.DecimalDate, 123.456);
}

// Bad dates, Julian Days, zones and observers: each conversion's message;
// a date refused before its Julian Day is found leaves Main.JD alone.
TEST_F(Form12ToolsTest, BadDateInputShowsItsMessage) {
  struct Case {
    const char* name;
    ui::TextBox Form12::*box;
    const char* text;
    ui::CommandButton Form12::*button;
    const char* message;
    bool keepsJulianDay;
  };
  const std::vector<Case> cases = {
      {"month", &Form12::Text33, "x", &Form12::Command10, "Введите правильно дату", true},
      {"month beyond the table", &Form12::Text33, "14", &Form12::Command10,
       "Введите правильно дату", true},
      {"year beyond the calendar", &Form12::Text34, "40000", &Form12::Command10,
       "Введите правильно дату", true},
      {"observer", &Form12::Text21, "восток", &Form12::Command10, "Введите правильно дату", true},
      {"zone", &Form12::Text28, "", &Form12::Command10, "Введите правильно дату", false},
      {"Julian Day", &Form12::Text31, "2451545.5", &Form12::Command11,
       "Введите правильно юлианскую дату", true},
      {"Julian Day beyond 32 bits", &Form12::Text31, "1E+20", &Form12::Command11,
       "Введите правильно юлианскую дату", true},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.name);
    Form12& form = openConverter();
    type(form.Text34, "1957");
    type(form.Text33, "10");
    type(form.Text32, "4,81");
    Main.JD = 1.0;
    boxes.clear();
    type(form.*test.box, test.text);
    click(form.*test.button);
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, test.message);
    if (test.keepsJulianDay) EXPECT_EQ(Main.JD, 1.0);
    else EXPECT_DOUBLE_EQ(Main.JD, 2436116.31);
    form.Unload();
  }
}

}  // namespace

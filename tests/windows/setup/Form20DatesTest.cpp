// The date buttons of the Moon window, "G->J" and "J->G", against the
// examples and the table of Meeus, Astronomical Algorithms, 2nd ed., ch. 7,
// and the window as it opens.
#include "Form20Fixture.h"

namespace {

struct CalendarDate {
  const char* year;
  const char* month;
  const char* day;
  double julianDay;
  const char* source;
};

// Meeus, ch. 7: examples 7.a, 7.b and the Julian Days listed after them
// (Julian calendar up to 1582 October 4, Gregorian from October 15).
constexpr CalendarDate kMeeusDates[] = {
    {"1957", "10", "4,81", 2436116.31, "Meeus example 7.a"},
    {"333", "1", "27,5", 1842713.0, "Meeus example 7.b"},
    {"2000", "1", "1,5", 2451545.0, "Meeus ch. 7 list"},
    {"1999", "1", "1", 2451179.5, "Meeus ch. 7 list"},
    {"1987", "1", "27", 2446822.5, "Meeus ch. 7 list"},
    {"1987", "6", "19,5", 2446966.0, "Meeus ch. 7 list"},
    {"1988", "1", "27", 2447187.5, "Meeus ch. 7 list"},
    {"1988", "6", "19,5", 2447332.0, "Meeus ch. 7 list"},
    {"1900", "1", "1", 2415020.5, "Meeus ch. 7 list"},
    {"1600", "1", "1", 2305447.5, "Meeus ch. 7 list"},
    {"1600", "12", "31", 2305812.5, "Meeus ch. 7 list"},
    {"837", "4", "10,3", 2026871.8, "Meeus ch. 7 list"},
    {"-123", "12", "31", 1676496.5, "Meeus ch. 7 list"},
    {"-122", "1", "1", 1676497.5, "Meeus ch. 7 list"},
    {"-1000", "7", "12,5", 1356001.0, "Meeus ch. 7 list"},
    {"-1000", "2", "29", 1355866.5, "Meeus ch. 7 list"},
    {"-1001", "8", "17,9", 1355671.4, "Meeus ch. 7 list"},
    {"-4712", "1", "1,5", 0.0, "Meeus ch. 7 list"},
};

void typeDate(Form20& form, const CalendarDate& date) {
  ui::typeAsUser(form.Text34, date.year);
  ui::typeAsUser(form.Text33, date.month);
  ui::typeAsUser(form.Text32, date.day);
}

}  // namespace

TEST_F(Form20Test, OpensWithJ2000TheEarthInTheFocusAndTheEarthAccelerated) {
  Form20& form = openMoonWindow();
  EXPECT_EQ(form.Caption(), "Расчет начальных данных для Луны     Celvan7m  - форма 20");
  EXPECT_EQ(form.Text32.Text(), "1,5");
  EXPECT_EQ(form.Text33.Text(), "1");
  EXPECT_EQ(form.Text34.Text(), "2000");
  EXPECT_EQ(shown(form.Text31), 2451545.0);  // J2000.0
  EXPECT_EQ(Main.VsolConstFlag, 1);
  EXPECT_EQ(form.KodBary, 0);
  EXPECT_TRUE(form.Option5.Value());
  EXPECT_EQ(form.Check12.Value(), 1);
  EXPECT_TRUE(form.Check12.Enabled());
  EXPECT_EQ(form.Check5.Value(), 0);
  EXPECT_FALSE(form.Check5.Enabled());
  EXPECT_EQ(form.Check9.Value(), 0);
  EXPECT_FALSE(form.Check9.Enabled());
  EXPECT_EQ(form.Label10.Caption(), "Масштаб изображения= 100 тыс.км/см");
  EXPECT_EQ(Main.ImageScale, 1e8);
  EXPECT_EQ(boxes.count(), 0);
}

TEST_F(Form20Test, GregorianToJulianDayFollowsMeeus) {
  Form20& form = openMoonWindow();
  for (const CalendarDate& date : kMeeusDates) {
    SCOPED_TRACE(std::string(date.source) + " " + date.year + "-" + date.month + "-" + date.day);
    typeDate(form, date);
    click(form.Command10);
    EXPECT_NEAR(shown(form.Text31), date.julianDay, 1e-6);
  }
  EXPECT_EQ(boxes.count(), 0);
}

TEST_F(Form20Test, JulianDayToGregorianFollowsMeeus) {
  Form20& form = openMoonWindow();
  // Meeus example 7.c and the examples above read backwards.
  struct Case {
    const char* julianDay;
    int year, month;
    double day;
  };
  const Case cases[] = {
      {"2436116,31", 1957, 10, 4.81},
      {"1842713", 333, 1, 27.5},
      {"1507900,13", -584, 5, 28.63},
      {"2451545", 2000, 1, 1.5},
      {"2026871,8", 837, 4, 10.3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.julianDay);
    type(form.Text31, c.julianDay);
    click(form.Command11);
    EXPECT_EQ(shown(form.Text34), c.year);
    EXPECT_EQ(shown(form.Text33), c.month);
    EXPECT_NEAR(shown(form.Text32), c.day, 1e-6);
  }
  EXPECT_EQ(boxes.count(), 0);
}

TEST_F(Form20Test, ADayPastTheEndOfItsMonthIsCarriedIntoTheNext) {
  Form20& form = openMoonWindow();
  // 2000 is a leap year: February 31 is March 2.
  typeDate(form, {"2000", "2", "31", 0, ""});
  click(form.Command10);
  EXPECT_EQ(form.Text32.Text(), "2");
  EXPECT_EQ(form.Text33.Text(), "3");
  EXPECT_EQ(form.Text34.Text(), "2000");
  EXPECT_EQ(shown(form.Text31), 2451605.5);  // 2000 March 2.0 (Meeus ch. 7)
}

TEST_F(Form20Test, ABoxThatIsNoNumberShowsTheDateMessagesAndChangesNothing) {
  Form20& form = openMoonWindow();
  type(form.Text33, "янв");
  click(form.Command10);
  ASSERT_EQ(boxes.count(), 1);
  EXPECT_EQ(boxes.last().text, "Введите правильно дату");
  EXPECT_EQ(boxes.last().title, "Celvan7.0");
  EXPECT_EQ(shown(form.Text31), 2451545.0);

  type(form.Text31, "2451545.5");  // a decimal point, not the locale's comma
  click(form.Command11);
  ASSERT_EQ(boxes.count(), 2);
  EXPECT_EQ(boxes.last().text, "Введите правильно юлианскую дату");
  EXPECT_EQ(boxes.last().title, "Celvan7.0");
  EXPECT_EQ(form.Text34.Text(), "2000");
  EXPECT_EQ(form.Text32.Text(), "1,5");
}

// The grid in its elements mode (values truncated, the mean longitude
// reduced to one turn), the trigger box of other windows, and the date
// conversions G->J and J->G.
#include "Form1Fixture.h"

TEST_F(Form1Test, ElementsAreShownTruncatedWithTheMeanLongitudeInOneTurn) {
  const struct {
    const char* source;
    double alfaL, rsr, eks, alfaP;
    const char *alfaLText, *rsrText, *eksText, *alfaPText;
  } cases[] = {
      // 2pi - 0.5 rad with the stored pi; 7 - 2pi rad
      {"a negative longitude", -0.5, 149597870691, 0.20563593, 7, "331,35211", "149597,870691",
       "0,205635", "401,070456"},
      {"a longitude beyond a turn", 7, 57909226125.5, 0.0167, -0.1, "41,070456", "57909,226125",
       "0,0167", "-5,729577"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.source);
    Form1& form = startProgram();
    Main.AlfaL[1] = c.alfaL;
    Main.Rsr[1] = c.rsr;
    Main.Eks[1] = c.eks;
    Main.AlfaP[1] = c.alfaP;  // shown unreduced
    click(form.Option3);
    click(form.Option2);
    EXPECT_EQ(form.Text1[1].Text(), c.alfaLText);
    EXPECT_EQ(form.Text2[1].Text(), c.rsrText);
    EXPECT_EQ(form.Text4[1].Text(), c.eksText);
    EXPECT_EQ(form.Text6[1].Text(), c.alfaPText);
    EXPECT_GE(Main.AlfaL[1], 0);  // the shared table holds the reduced value
    EXPECT_LT(Main.AlfaL[1], 2 * 3.14159265359);
    ui::unloadAllForms();
    ui::destroyUnloadedForms();
  }
}

TEST_F(Form1Test, AWriteIntoTheTriggerBoxShowsTheInitialData) {
  Form1& form = startProgram();
  ASSERT_TRUE(form.Option2.Value());
  Main.X[4] = 1234567.891;  // another window moved Mars
  form1().Text28.setText("12:00:00");
  EXPECT_EQ(form.Label1.Caption(), "X, тыс.км");
  EXPECT_EQ(form.Label2.Caption(), "Y, тыс.км ");
  EXPECT_EQ(form.Text1[4].Text(), "1,234567891");  // thousands of km
  // Twice within one clock tick: the second write is not lost.
  Main.X[4] = 2e6;
  form1().Text28.setText("12:00:00");
  EXPECT_EQ(form.Text1[4].Text(), "2");
}

TEST_F(Form1Test, GregorianDatesToJulianDaysAndBack) {
  const struct {
    const char *year, *month, *day;  // typed
    const char *jd;                  // shown by G->J
    const char *shownYear, *shownMonth, *shownDay;  // the date boxes after G->J
  } cases[] = {
      // Meeus, Astronomical Algorithms, ch. 7
      {"1957", "10", "4,81", "2436116,31", "1957", "10", "4,81"},
      {"333", "1", "27,5", "1842713", "333", "1", "27,5"},
      {"2000", "1", "1,5", "2451545", "2000", "1", "1,5"},
      // a day count beyond January is carried into February
      {"2000", "1", "32", "2451575,5", "2000", "2", "1"},
      // the first Gregorian day and the last Julian one
      {"1582", "10", "15", "2299160,5", "1582", "10", "15"},
      {"1582", "10", "4", "2299159,5", "1582", "10", "4"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.year) + "-" + c.month + "-" + c.day);
    Form1& form = startProgram();
    typeDate(form, c.year, c.month, c.day);
    click(form.Command17);
    EXPECT_NEAR(shown(form.Text24), CDbl(c.jd), 1e-8);
    EXPECT_EQ(form.Text34.Text(), c.shownYear);
    EXPECT_EQ(form.Text33.Text(), c.shownMonth);
    EXPECT_NEAR(shown(form.Text32), CDbl(c.shownDay), 1e-8);

    typeDate(form, "1", "1", "1");
    click(form.Command18);
    EXPECT_EQ(form.Text34.Text(), c.shownYear);
    EXPECT_EQ(form.Text33.Text(), c.shownMonth);
    EXPECT_NEAR(shown(form.Text32), CDbl(c.shownDay), 1e-8);
    EXPECT_EQ(boxes.count(), 0);
    ui::unloadAllForms();
    ui::destroyUnloadedForms();
  }
}

TEST_F(Form1Test, JulianDay2451545IsJanuaryFirstAtNoon2000) {
  Form1& form = startProgram();
  type(form.Text24, "2451545");
  click(form.Command18);
  EXPECT_EQ(form.Text34.Text(), "2000");
  EXPECT_EQ(form.Text33.Text(), "1");
  EXPECT_EQ(form.Text32.Text(), "1,5");
  // The conversions leave the loaded date alone.
  EXPECT_EQ(Main.StartYear, 1801);
  EXPECT_EQ(Main.InitialDataJD, 2378862);
}

TEST_F(Form1Test, DatesThatCannotBeConvertedAreRefused) {
  const struct {
    const char* what;
    const char *year, *day, *jd;
    bool toJulian;
    const char *text, *title;
  } cases[] = {
      {"a year beyond the calendar", "40000", "1", "", true, "Введите правильно дату",
       "Celvan7.0"},
      {"a letter in the day", "2000", "1,5д", "", true, "Задайте правильно данные", "Celvan7m"},
      {"a Julian Day beyond 32 bits", "2000", "1", "1E+12", false,
       "Введите правильно юлианскую дату", "Celvan7.0"},
      {"an empty Julian Day", "2000", "1", "", false, "Задайте правильно данные", "Celvan7m"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Form1& form = startProgram();
    typeDate(form, c.year, "1", c.day);
    if (!c.toJulian) type(form.Text24, c.jd);
    const std::string julianDay = form.Text24.Text();
    boxes.clear();
    click(c.toJulian ? form.Command17 : form.Command18);
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, c.text);
    EXPECT_EQ(boxes.last().title, c.title);
    // Nothing shown for a date that has none.
    EXPECT_EQ(form.Text24.Text(), julianDay);
    if (!c.toJulian) {
      EXPECT_EQ(form.Text34.Text(), c.year);
    }
    ui::unloadAllForms();
    ui::destroyUnloadedForms();
  }
}

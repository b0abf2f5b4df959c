// "Загрузить параметры на": the elements and constants of the theories for
// the date of the window, checked against the theories' published
// polynomials, and the refusals of bad input.
#include <cmath>

#include "Form1Fixture.h"

namespace {

constexpr double kDefaultDateJD = 2378862.0;  // 1801-01-01.5 (Gregorian)
constexpr double kJ2000 = 2451545.0;
constexpr double kDaysPerCentury = 36525.0;
constexpr double kSecondsPerJulianYear = 31557600.0;

// ET-UT of the parabola the window applies to every theory but Ser0, s.
double deltaTParabola(double jd) {
  const double t = (jd - 2415020.0) / kDaysPerCentury;
  return 24.35 + 72.32 * t + 29.95 * t * t;
}

// Mercury's mean elements as the grid shows them: degrees, thousands of km,
// radians per Julian year.
struct MercuryElements {
  double meanLongitude, axisThousandKm, meanMotionPerYear, eccentricity, inclination, perihelion,
      node;
};

// "Ser0 (J2000)": Mercury's published polynomials, T in Julian centuries
// from J2000.
MercuryElements ser0Mercury(double jd) {
  const double t = (jd - kJ2000) / kDaysPerCentury;
  return {degreesInOneTurn(252.253944 + 149472.674747 * t),
          57917.285 - 0.00596439 * t,
          (2608.790628 + 0.000408236 * t) / 100,
          0.205636 + 0.0000201028 * t,
          7.005067 - 0.00551068 * t,
          77.457563 + 0.160566 * t,
          48.335022 - 0.12032 * t};
}

// "New0 (JD)": Newcomb's mean elements of Mercury for the equinox of the
// date, T in Julian centuries from 1900 January 0.5.
MercuryElements new0Mercury(double jd) {
  const double t = (jd - 2415020.0) / kDaysPerCentury;
  auto dms = [](double degrees, double minutes, double seconds) {
    return degrees + minutes / 60 + seconds / 3600;
  };
  const double arcsecPerDay = 14732.419738 - 0.000001355 * t;
  const double radPerDay = arcsecPerDay / 3600 * (3.14159265359 / 180);
  return {degreesInOneTurn(dms(178, 10, 44.68 + 538106654.8 * t + 1.084 * t * t)),
          0.3870986 * 149597870691.0 / 1e6,
          radPerDay / 86400 * kSecondsPerJulianYear,
          0.20561421 + 0.00002046 * t - 0.00000003 * t * t,
          dms(7, 0, 10.37 + 6.699 * t - 0.066 * t * t),
          dms(75, 53, 58.91 + 5599.76 * t + 1.061 * t * t),
          dms(47, 8, 45.0 + 4266.75 * t + 0.626 * t * t)};
}

// The grid shows values truncated toward zero to six decimals.
void expectMercuryColumn(const Form1& form, const MercuryElements& expected) {
  const struct {
    const char* row;
    const ui::TextBox& box;
    double value;
  } rows[] = {
      {"AlfaL", form.Text1[1], expected.meanLongitude},
      {"R0sr", form.Text2[1], expected.axisThousandKm},
      {"W0sr", form.Text3[1], expected.meanMotionPerYear},
      {"Eks", form.Text4[1], expected.eccentricity},
      {"Betta", form.Text5[1], expected.inclination},
      {"AlfaP", form.Text6[1], expected.perihelion},
      {"AlfaU", form.Text7[1], expected.node},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.row);
    EXPECT_NEAR(CDbl(row.box.Text()), row.value, 1.1e-6);
  }
}

MercuryElements mercuryShown(const Form1& form) {
  auto at = [](const ui::TextBox& box) { return CDbl(box.Text()); };
  return {at(form.Text1[1]), at(form.Text2[1]), at(form.Text3[1]), at(form.Text4[1]),
          at(form.Text5[1]), at(form.Text6[1]), at(form.Text7[1])};
}

// General precession in longitude from the epoch jd to J2000, degrees
// (Lieske et al. 1977, IAU 1976).
double generalPrecessionToJ2000(double jd) {
  const double t = (kJ2000 - jd) / kDaysPerCentury;
  return (5029.0966 * t + 1.11113 * t * t) / 3600;
}

}  // namespace

TEST_F(Form1Test, TheDefaultsShowSer0ElementsOfMercuryForTheDefaultDate) {
  Form1& form = startProgram();
  EXPECT_EQ(form.Text24.Text(), "2378862");
  EXPECT_EQ(form.Label1.Caption(), "AlfaL, град");
  EXPECT_EQ(form.Label2.Caption(), "R0sr, тыс.км");
  // Ser0 takes the date without the ET-UT correction.
  expectMercuryColumn(form, ser0Mercury(kDefaultDateJD));
  EXPECT_EQ(form.Text26.Text(), "6,67259E-11");
  EXPECT_EQ(form.Text25.Text(), "1,98976E+30");
  EXPECT_EQ(form.Text11.Text(), "149597870,691");
  EXPECT_EQ(Main.JD0, kJ2000);
  EXPECT_EQ(Main.InitialDataJD, kDefaultDateJD);
  EXPECT_EQ(Main.SeriesStartJD, kDefaultDateJD);
}

TEST_F(Form1Test, New0GivesMercuryForTheEquinoxOfTheDateAbout2Point78DegreesLower) {
  Form1& form = startProgram();
  const MercuryElements ser0 = mercuryShown(form);
  click(form.Option4);
  click(form.Command3);
  EXPECT_EQ(boxes.count(), 0);
  EXPECT_EQ(form.Text26.Text(), "6,67006E-11");
  EXPECT_EQ(Main.JD0, kDefaultDateJD);
  // New0 is evaluated at ephemeris time: the date plus the parabola's ET-UT.
  const double ephemerisJD = kDefaultDateJD + deltaTParabola(kDefaultDateJD) / 86400;
  expectMercuryColumn(form, new0Mercury(ephemerisJD));

  // 199 years of precession between the equinox of 1801 and that of J2000.
  const MercuryElements new0 = mercuryShown(form);
  const double precession = generalPrecessionToJ2000(kDefaultDateJD);
  EXPECT_NEAR(precession, 2.78, 0.005);
  EXPECT_NEAR(ser0.meanLongitude - new0.meanLongitude, precession, 0.01);
  EXPECT_NEAR(ser0.perihelion - new0.perihelion, precession, 0.01);
  // The node also moves with the ecliptic itself: a looser bound.
  EXPECT_NEAR(ser0.node - new0.node, precession, 0.2);
}

TEST_F(Form1Test, MoonTheoriesTellWhichTheoryTheMoonTakes) {
  const struct {
    const char* theory;
    int messages;
    const char* text;
  } cases[] = {
      {"New0 (JD)", 1,
       "Для расчета параметров орбиты Луны использована \nтеория Брауна в книге Орлинга "},
      {"JPL0 (J2000)", 1,
       "Для расчета параметров орбиты Луны использована \nтеория из Вестрама с пересчетом в "
       "эпоху J2000 "},
      {"Ser0 (J2000)", 0, ""},
  };
  Form1& form = startProgram();
  click(form.Check3);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.theory);
    ui::OptionButton& option = std::string(c.theory) == "New0 (JD)"      ? form.Option4
                               : std::string(c.theory) == "JPL0 (J2000)" ? form.Option5
                                                                         : form.Option8;
    EXPECT_EQ(option.Caption(), c.theory);
    click(option);
    boxes.clear();
    click(form.Command3);
    ASSERT_EQ(boxes.count(), c.messages);
    if (c.messages == 1) {
      EXPECT_EQ(boxes.last().text, c.text);
      EXPECT_EQ(boxes.last().title, "Celvan7");
    }
    // Object 10 is the Moon: its mean distance and the Earth/Moon mass ratio.
    EXPECT_EQ(Main.Rsr[10], 384402000.0);
    EXPECT_NEAR(Main.MassRatio[10], 81.3, 0.001);
  }
}

TEST_F(Form1Test, WithoutTheMoonTheSpareBodyKeepsItsOwnValues) {
  Form1& form = startProgram();
  EXPECT_EQ(Main.MassRatio[10], 9888777);
  EXPECT_EQ(form.Text7[10].Text(), "0,572957");  // node 0.01 rad
  EXPECT_EQ(form.Text6[10].Text(), "90");        // perihelion pi/2
  EXPECT_NEAR(Main.Rsr[10], 50.01 * 149597870691.0, 1);
}

TEST_F(Form1Test, ALetterInTheDayIsRefusedAndTheLoadedParametersStay) {
  Form1& form = startProgram();
  const double mercuryAxis = Main.Rsr[1];
  const std::string mercuryLongitude = form.Text1[1].Text();
  click(form.Option4);
  type(form.Text34, "1900");
  type(form.Text32, "1,5д");
  click(form.Command3);
  ASSERT_EQ(boxes.count(), 1);
  EXPECT_EQ(boxes.last().text, "Задайте правильно данные");
  EXPECT_EQ(boxes.last().title, "Celvan7m");
  EXPECT_EQ(Main.StartYear, 1900);  // read before the day
  EXPECT_EQ(form.Text24.Text(), "2378862");
  EXPECT_EQ(Main.Rsr[1], mercuryAxis);
  EXPECT_EQ(form.Text1[1].Text(), mercuryLongitude);
}

TEST_F(Form1Test, ADateTheCalendarRefusesEndsTheLoadAfterItsMessage) {
  Form1& form = startProgram();
  const double mercuryLongitude = Main.AlfaL[1];
  type(form.Text34, "40000");  // beyond the calendar's 16-bit year
  click(form.Command3);
  ASSERT_EQ(boxes.count(), 1);
  EXPECT_EQ(boxes.last().text, "Введите правильно дату");
  EXPECT_EQ(boxes.last().title, "Celvan7.0");
  EXPECT_EQ(form.Text24.Text(), "2378862");
  EXPECT_EQ(Main.InitialDataJD, kDefaultDateJD);
  EXPECT_EQ(Main.AlfaL[1], mercuryLongitude);
}

TEST_F(Form1Test, TheScreenTakesTypedElementsInTheUnitsOfTheGrid) {
  Form1& form = startProgram();
  click(form.Option7);
  type(form.Text1[4], "10");         // degrees
  type(form.Text2[4], "227900");     // thousands of km
  type(form.Text3[4], "3,34");       // radians per Julian year
  type(form.Text4[4], "0,0934");
  type(form.Text26, "6,674E-11");
  click(form.Command3);
  EXPECT_EQ(boxes.count(), 0);
  EXPECT_NEAR(Main.AlfaL[4] * 180 / 3.14159265359, 10, 1e-12);
  EXPECT_EQ(Main.Rsr[4], 227900e6);
  EXPECT_NEAR(Main.Wsr[4] * kSecondsPerJulianYear, 3.34, 1e-15);
  EXPECT_EQ(Main.Eks[4], 0.0934);
  EXPECT_EQ(Main.gamma, 6.674e-11);
  EXPECT_NEAR(Main.V0sr[4], Main.Wsr[4] * Main.Rsr[4], 1e-9);
}

TEST_F(Form1Test, AZeroMassRatioOnTheScreenStopsAtThatObject) {
  Form1& form = startProgram();
  click(form.Option3);
  click(form.Option7);
  type(form.Text1[2], "1000");  // Venus moved to 1 million km
  type(form.Text7[4], "0");     // Mars without a mass ratio
  type(form.Text1[5], "2000");  // Jupiter after it
  const double jupiterX = Main.X0[5];
  click(form.Command3);
  ASSERT_EQ(boxes.count(), 1);
  EXPECT_EQ(boxes.last().text, "Задайте правильно данные");
  EXPECT_EQ(Main.X0[2], 1e9);      // loaded before the error
  EXPECT_EQ(Main.X0[5], jupiterX);  // not reached
}

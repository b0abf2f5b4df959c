// The DE405 test window: its vectors in every origin, plane, epoch and unit,
// checked against JPL's own test values (testpo.405 lines of the fixture),
// the laws of the two-body problem, the IAU 1976 obliquity and Meeus's
// precession rates; its date conversions against Meeus's examples; and its
// refusals of bad input.
#include <cmath>
#include <filesystem>

#include "Form1Fixture.h"
#include "JplTestValues.h"
#include "setup/Form24.h"

namespace {

constexpr double kAUMetres = 149597870691.0;        // DE405 astronomical unit
constexpr double kEarthMoonMassRatio = 81.30056;    // DE405 EMRAT
constexpr double kGaussianGravity = 0.01720209895;  // k, AU^(3/2) / day
constexpr double kArcSecond = M_PI / 180 / 3600;
// Mean obliquity of J2000, 23°26'21.448" (IAU 1976; Meeus, Astronomical
// Algorithms, 2nd ed., (22.2)).
constexpr double kObliquity = (23 + 26.0 / 60 + 21.448 / 3600) * M_PI / 180;
// The program keeps the obliquity to 1e-8 degree: a vector of r AU turned by
// it may differ by r times this from a turn by the exact value.
constexpr double kObliquityRounding = 0.5e-8 * M_PI / 180;

struct Vector {
  double x, y, z;
};
Vector operator-(Vector a, Vector b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vector operator*(double k, Vector a) { return {k * a.x, k * a.y, k * a.z}; }
double dot(Vector a, Vector b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
double norm(Vector a) { return std::sqrt(dot(a, a)); }
Vector cross(Vector a, Vector b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
double component(Vector v, int coordinate) {
  return coordinate == 1 ? v.x : coordinate == 2 ? v.y : v.z;
}
// Ecliptic of J2000 back to the equator of J2000.
Vector equatorialFromEcliptic(Vector v) {
  const double c = std::cos(kObliquity), s = std::sin(kObliquity);
  return {v.x, c * v.y - s * v.z, s * v.y + c * v.z};
}
// Longitude (or right ascension) and latitude (or declination), radians.
double longitudeOf(Vector v) { return std::atan2(v.y, v.x); }
double latitudeOf(Vector v) { return std::atan2(v.z, std::hypot(v.x, v.y)); }

// The choices of the window's four frames.
enum class Units { Metres, AU };
enum class Origin { Barycentre, Sun };
enum class Epoch { J2000, Date };
enum class Plane { Equator, Ecliptic };
struct Frame {
  Units units;
  Origin origin;
  Epoch epoch;
  Plane plane;
};

// Program objects.
constexpr int kSun = 0, kMercury = 1, kEarthMoonBarycentre = 3, kNeptune = 8, kMoon = 10;

class Form24Test : public Form1Test {
 protected:
  // The program started, its DE405 excerpt around J2000 installed, and the
  // test window opened from it.
  Form24& openWindow() {
    installDE405Excerpt();
    startProgram();
    Form24& form = form24();
    form.Show();
    return form;
  }

  // The one block of 1969-06-28 of the 1960 file.
  void install1969Block() {
    std::filesystem::copy_file(
        std::filesystem::path(CELVAN_FIXTURES_DIR) / "de405-1969" / "JPL" / "ascp1960.405",
        programFile("JPL/ascp1960.405"));
  }

  static void choose(Form24& form, Frame frame) {
    click(frame.units == Units::Metres ? form.Option1 : form.Option2);
    click(frame.origin == Origin::Barycentre ? form.Option3 : form.Option4);
    click(frame.epoch == Epoch::J2000 ? form.Option5 : form.Option6);
    click(frame.plane == Plane::Equator ? form.Option7 : form.Option8);
  }

  // Presses "рассчитать по DE405 ..." for the typed date and object.
  static void compute(Form24& form, const std::string& year, const std::string& month,
                      const std::string& day, int object) {
    type(form.Text9, year);
    type(form.Text8, month);
    type(form.Text7, day);
    type(form.Text11, std::to_string(object));
    click(form.Command1);
  }

  static Vector shownPosition(const Form24& form) {
    return {shown(form.Text1), shown(form.Text2), shown(form.Text3)};
  }
  static Vector shownVelocity(const Form24& form) {
    return {shown(form.Text4), shown(form.Text5), shown(form.Text6)};
  }

  // The position of an object in the chosen frame, converted back to the
  // frame of JPL's test file (AU, equator of J2000).
  static Vector positionAsJPLGivesIt(Form24& form, Frame frame, const std::string& year,
                                     const std::string& month, const std::string& day, int object) {
    choose(form, frame);
    compute(form, year, month, day, object);
    Vector v = shownPosition(form);
    if (frame.units == Units::Metres) v = (1 / kAUMetres) * v;
    if (frame.plane == Plane::Ecliptic) v = equatorialFromEcliptic(v);
    return v;
  }

  std::vector<std::string> results(const Form24& form) const {
    return {form.Text1.Text(), form.Text2.Text(), form.Text3.Text(),
            form.Text4.Text(), form.Text5.Text(), form.Text6.Text()};
  }
};

}  // namespace

// JPL's test value of Neptune seen from the Earth on 2000-03-01 (z, AU), from
// the window's Neptune, Earth-Moon barycentre and geocentric Moon: the Earth
// lies 1/(1 + EMRAT) of the Moon's vector from the barycentre. The Moon is
// given relative to the Earth whichever origin is chosen, so the difference
// comes out the same about the Sun as about the barycentre.
TEST_F(Form24Test, NeptuneSeenFromTheEarthAsJPLsTestGivesItInEveryUnitOriginAndPlane) {
  const TestpoLine line = testpoLine(kNeptune, 3);
  Form24& form = openWindow();
  const Frame frames[] = {
      {Units::AU, Origin::Barycentre, Epoch::J2000, Plane::Equator},
      {Units::Metres, Origin::Barycentre, Epoch::J2000, Plane::Equator},
      {Units::AU, Origin::Sun, Epoch::J2000, Plane::Equator},
      {Units::Metres, Origin::Sun, Epoch::J2000, Plane::Ecliptic},
      {Units::AU, Origin::Barycentre, Epoch::J2000, Plane::Ecliptic},
  };
  for (const Frame& frame : frames) {
    SCOPED_TRACE(testing::Message() << "metres " << (frame.units == Units::Metres) << ", Sun "
                                    << (frame.origin == Origin::Sun) << ", ecliptic "
                                    << (frame.plane == Plane::Ecliptic));
    const Vector neptune = positionAsJPLGivesIt(form, frame, "2000", "3", "1", kNeptune);
    EXPECT_EQ(form.Text10.Text(), "2451604,5");
    const Vector barycentre =
        positionAsJPLGivesIt(form, frame, "2000", "3", "1", kEarthMoonBarycentre);
    const Vector moon = positionAsJPLGivesIt(form, frame, "2000", "3", "1", kMoon);
    const Vector earth = barycentre - (1 / (1 + kEarthMoonMassRatio)) * moon;
    const Vector seen = neptune - earth;
    // testpo prints 13 decimals; the boxes show 15 digits; the ecliptic
    // adds the rounding of the program's obliquity.
    const double tolerance =
        2e-13 + (frame.plane == Plane::Ecliptic ? norm(seen) * kObliquityRounding : 0);
    EXPECT_NEAR(component(seen, line.coordinate), line.value, tolerance);
  }
  EXPECT_EQ(boxes.count(), 0);
  EXPECT_EQ(Main.FileState, 0);  // the reader's file is closed again
}

// JPL's test value of the Moon about the Earth-Moon barycentre on
// 2000-01-01 (y, AU): the geocentric Moon of objects 10 and 11 times
// EMRAT / (1 + EMRAT), the same with the Sun as origin.
TEST_F(Form24Test, TheMoonAboutTheBarycentreOfTheEarthAndMoonAsJPLsTestGivesIt) {
  const TestpoLine line = testpoLine(10, 13);
  Form24& form = openWindow();
  for (int moonObject : {10, 11}) {
    for (Origin origin : {Origin::Barycentre, Origin::Sun}) {
      SCOPED_TRACE(testing::Message()
                   << "object " << moonObject << ", Sun " << (origin == Origin::Sun));
      const Vector moon =
          positionAsJPLGivesIt(form, {Units::Metres, origin, Epoch::J2000, Plane::Ecliptic}, "2000",
                               "1", "1", moonObject);
      const Vector aboutBarycentre = (kEarthMoonMassRatio / (1 + kEarthMoonMassRatio)) * moon;
      EXPECT_NEAR(component(aboutBarycentre, line.coordinate), line.value,
                  2e-13 + norm(moon) * kObliquityRounding);
    }
  }
}

// About the Sun, a planet moves on a Kepler orbit: its speed obeys the
// vis-viva law v² = k² (2/r − 1/a) and its angular momentum stands at the
// inclination of its orbit on the ecliptic. Mean elements of J2000:
// Standish, "Keplerian Elements for Approximate Positions of the Major
// Planets", JPL (table 1, 1800-2050). The elements are mean ones: the
// osculating orbit differs by the perturbations of the other planets
// (about 1e-4 of v², 0.01 degree of inclination); a barycentric origin
// would miss v² by a per cent.
TEST_F(Form24Test, HeliocentricPlanetsMoveOnTheirKeplerOrbits) {
  struct Planet {
    int object;
    double semiMajorAxisAU, inclinationDegrees;
  };
  const Planet planets[] = {
      {kMercury, 0.38709927, 7.00497902},
      {2, 0.72333566, 3.39467605},
      {kEarthMoonBarycentre, 1.00000261, -0.00001531},
      {4, 1.52371034, 1.84969142},
  };
  Form24& form = openWindow();
  choose(form, {Units::AU, Origin::Sun, Epoch::J2000, Plane::Ecliptic});
  for (const Planet& planet : planets) {
    SCOPED_TRACE(planet.object);
    compute(form, "2000", "2", "15,25", planet.object);
    const Vector r = shownPosition(form), v = shownVelocity(form);
    const double visViva =
        kGaussianGravity * kGaussianGravity * (2 / norm(r) - 1 / planet.semiMajorAxisAU);
    EXPECT_NEAR(dot(v, v) / visViva, 1.0, 1e-3);
    const Vector pole = cross(r, v);
    const double inclination = std::acos(pole.z / norm(pole)) * 180 / M_PI;
    EXPECT_NEAR(inclination, std::abs(planet.inclinationDegrees), 0.02);
  }
}

// The window's first press as it opens: 1969-06-28.0 is JD 2440400.5
// (calendar mode 0, day from midnight, as the start-up window leaves them),
// read from the 1960 file; Mercury about the Sun, in metres and m/s, obeys
// the vis-viva law with GM of the Sun (IAU 1976, 1.32712440018e20 m³/s²)
// and lies in its orbit of 7.0 degrees on the ecliptic.
TEST_F(Form24Test, TheStartDateGivesMercuryFromThe1960File) {
  install1969Block();
  Form24& form = openWindow();
  EXPECT_EQ(form.Text9.Text(), "1969");
  EXPECT_EQ(form.Text8.Text(), "6");
  EXPECT_EQ(form.Text7.Text(), "28,0");
  EXPECT_EQ(form.Text11.Text(), "1");
  choose(form, {Units::Metres, Origin::Sun, Epoch::J2000, Plane::Ecliptic});
  click(form.Command1);
  EXPECT_EQ(form.Text10.Text(), "2440400,5");
  EXPECT_EQ(Main.DE405FileYear, 1960);
  const Vector r = shownPosition(form), v = shownVelocity(form);
  const double sunGM = 1.32712440018e20;
  EXPECT_NEAR(dot(v, v) / (sunGM * (2 / norm(r) - 1 / (0.38709927 * kAUMetres))), 1.0, 1e-3);
  const Vector pole = cross(r, v);
  EXPECT_NEAR(std::acos(pole.z / norm(pole)) * 180 / M_PI, 7.005, 0.02);
  EXPECT_EQ(boxes.count(), 0);
}

// The Sun seen from itself is nothing; about the barycentre it stays within
// the Sun's known wobble (the barycentre lies at most about 2.2 solar radii,
// 0.0102 AU, from the Sun's centre).
TEST_F(Form24Test, TheSunAboutItselfIsZeroAndAboutTheBarycentreNear) {
  Form24& form = openWindow();
  for (Units units : {Units::AU, Units::Metres}) {
    for (Epoch epoch : {Epoch::J2000, Epoch::Date}) {
      SCOPED_TRACE(testing::Message() << (units == Units::Metres) << (epoch == Epoch::Date));
      choose(form, {units, Origin::Sun, epoch, Plane::Ecliptic});
      compute(form, "2000", "1", "10", kSun);
      for (const std::string& value : results(form)) EXPECT_EQ(value, "0");
    }
  }
  choose(form, {Units::AU, Origin::Barycentre, Epoch::J2000, Plane::Equator});
  compute(form, "2000", "1", "10", kSun);
  const double distance = norm(shownPosition(form));
  EXPECT_GT(distance, 0);
  EXPECT_LT(distance, 0.0102);
}

// "JD" adds the precession from J2000 to the date, 59.5 days later: on the
// equator by Meeus's annual precession (21.1) (m = 3.07496 s, n = 1.33621 s
// = 20.0431" a year), on the ecliptic by the general precession in
// longitude p = 5029.0966" a century (Lieske 1977), the latitude moving by
// no more than the ecliptic itself (47" a century). Metres and m/s are
// astronomical units times the DE405 unit, per day and per 86400 s.
TEST_F(Form24Test, TheDateEpochAddsThePrecessionToTheDate) {
  Form24& form = openWindow();
  const double years = (2451604.5 - 2451545.0) / 365.25;
  const auto neptune = [&](Units units, Epoch epoch, Plane plane) {
    choose(form, {units, Origin::Barycentre, epoch, plane});
    compute(form, "2000", "3", "1", kNeptune);
    return std::pair{shownPosition(form), shownVelocity(form)};
  };

  const Vector equatorJ2000 = neptune(Units::AU, Epoch::J2000, Plane::Equator).first;
  const Vector equatorOfDate = neptune(Units::AU, Epoch::Date, Plane::Equator).first;
  const double alpha = longitudeOf(equatorJ2000), delta = latitudeOf(equatorJ2000);
  const double m = 3.07496 * 15, n = 20.0431;  // arc seconds a year
  const double expectedDAlpha = (m + n * std::sin(alpha) * std::tan(delta)) * years;
  const double expectedDDelta = n * std::cos(alpha) * years;
  EXPECT_NEAR((longitudeOf(equatorOfDate) - alpha) / kArcSecond, expectedDAlpha, 1e-3);
  EXPECT_NEAR((latitudeOf(equatorOfDate) - delta) / kArcSecond, expectedDDelta, 1e-3);
  EXPECT_NEAR(norm(equatorOfDate), norm(equatorJ2000), 1e-13);

  const Vector eclipticJ2000 = neptune(Units::AU, Epoch::J2000, Plane::Ecliptic).first;
  const auto [eclipticOfDate, eclipticVelocity] = neptune(Units::AU, Epoch::Date, Plane::Ecliptic);
  const double generalPrecession = 5029.0966 * years / 100;
  EXPECT_NEAR((longitudeOf(eclipticOfDate) - longitudeOf(eclipticJ2000)) / kArcSecond,
              generalPrecession, 5e-3);
  EXPECT_NEAR((latitudeOf(eclipticOfDate) - latitudeOf(eclipticJ2000)) / kArcSecond, 0,
              47.0 * years / 100);

  // Both shown to 15 significant digits.
  const auto [metres, metresPerSecond] = neptune(Units::Metres, Epoch::Date, Plane::Ecliptic);
  for (int c = 1; c <= 3; ++c) {
    SCOPED_TRACE(c);
    const double inMetres = component(eclipticOfDate, c) * kAUMetres;
    EXPECT_NEAR(component(metres, c), inMetres, std::abs(inMetres) * 1e-14);
    const double inMetresPerSecond = component(eclipticVelocity, c) * kAUMetres / 86400;
    EXPECT_NEAR(component(metresPerSecond, c), inMetresPerSecond,
                std::abs(inMetresPerSecond) * 1e-14);
  }
}

// "G > J" carries a day past its month into the next; "J > G" goes back.
// Meeus, Astronomical Algorithms, 2nd ed., example 7.a (1957 October 4.81)
// and 7.b (333 January 27.5, Julian calendar); 1969 July 1.0 follows from
// the start date's JD 2440400.5 three days later.
TEST_F(Form24Test, DateConversionsFollowMeeus) {
  struct Row {
    const char *year, *month, *day;
    int shownYear, shownMonth;
    double shownDay, julianDay;
  };
  const Row rows[] = {
      {"1957", "10", "4,81", 1957, 10, 4.81, 2436116.31},
      {"333", "1", "27,5", 333, 1, 27.5, 1842713.0},
      {"1969", "6", "31", 1969, 7, 1.0, 2440403.5},
  };
  Form24& form = openWindow();
  for (const Row& row : rows) {
    SCOPED_TRACE(row.year);
    type(form.Text9, row.year);
    type(form.Text8, row.month);
    type(form.Text7, row.day);
    click(form.Command2);
    EXPECT_EQ(form.Text9.Text(), std::to_string(row.shownYear));
    EXPECT_EQ(form.Text8.Text(), std::to_string(row.shownMonth));
    EXPECT_NEAR(shown(form.Text7), row.shownDay, 1e-9);
    EXPECT_NEAR(shown(form.Text10), row.julianDay, 1e-8);

    type(form.Text9, "2000");
    type(form.Text8, "1");
    type(form.Text7, "1");
    type(form.Text10, Str(row.julianDay));
    click(form.Command3);
    EXPECT_EQ(form.Text9.Text(), std::to_string(row.shownYear));
    EXPECT_EQ(form.Text8.Text(), std::to_string(row.shownMonth));
    EXPECT_NEAR(shown(form.Text7), row.shownDay, 1e-6);
  }
  EXPECT_EQ(boxes.count(), 0);
}

// Input the window cannot use: its message, no result of another input
// left standing as if it were this one's, no file left open. An object the
// ephemeris does not give (12 is the observer's slot) is refused before any
// file is read; a date the files do not hold, or one the calendar refuses,
// gets the reader's or the calendar's message alone.
TEST_F(Form24Test, InputItCannotUseIsRefusedWithItsMessage) {
  struct Row {
    const char* what;
    const char *year, *day, *object, *message, *title;
  };
  const char* kBadData = "Задайте правильно данные";
  const Row rows[] = {
      {"object 12", "2000", "10", "12", kBadData, "Celvan7"},
      {"object -1", "2000", "10", "-1", kBadData, "Celvan7"},
      {"object x", "2000", "10", "x", kBadData, "Celvan7"},
      {"decimal point", "2000", "10.5", "1", kBadData, "Celvan7"},
      {"no year", "", "10", "1", kBadData, "Celvan7"},
      {"file 1960 missing", "1969", "28", "1", "В файлах DE405 нет такой даты\r\n", "Celvan7m"},
      {"before the files", "1500", "10", "1", "В файлах DE405 нет такой даты\r\n", "Celvan7m"},
      {"year the calendar refuses", "40000", "10", "1", "Введите правильно дату", "Celvan7.0"},
  };
  Form24& form = openWindow();
  compute(form, "2000", "1", "10", kMercury);
  const std::vector<std::string> mercury = results(form);
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    boxes.clear();
    type(form.Text9, row.year);
    type(form.Text8, "1");
    type(form.Text7, row.day);
    type(form.Text11, row.object);
    click(form.Command1);
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text.substr(0, std::string(row.message).size()), row.message);
    EXPECT_EQ(boxes.last().title, row.title);
    EXPECT_EQ(results(form), mercury);
    EXPECT_EQ(Main.FileState, 0);
  }
}

TEST_F(Form24Test, CloseUnloadsTheWindow) {
  Form24& form = openWindow();
  EXPECT_EQ(form.Command4.Caption(), "Закрыть");
  click(form.Command4);
  EXPECT_FALSE(ui::isFormLoaded<Form24>());
  EXPECT_TRUE(ui::isFormLoaded<Form1>());
}

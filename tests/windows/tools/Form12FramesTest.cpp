// The converter's frames: a typed position turned between the ecliptic and
// the equator (Meeus, Astronomical Algorithms, 2nd ed., example 13.a),
// precessed between J2000 and a date (example 21.b), turned to the horizon
// of an observer (example 13.b); the Moon seen from the observer against
// the parallax formulas of Meeus ch. 40; the origins and the refusals.
#include <cmath>
#include <string>
#include <vector>

#include "core/state/SharedState.h"
#include "ToolWindowFixture.h"
#include "tools/Form12.h"

namespace {

constexpr double kDegree = M_PI / 180;
constexpr int kTypedBody = 11;
constexpr int kSunBody = 0, kEarthBody = 3, kMoonBody = 10;

enum class Equinox { J2000, Date };
enum class Plane { Ecliptic, Equator, Horizon };
enum class Origin { Sun, Earth, Observer };

class Form12FramesTest : public ToolWindowTest {
 protected:
  Form12& openConverter() {
    Form12& form = form12();
    form.Show();
    return form;
  }

  static void chooseFrame(Form12& form, Equinox equinox, Plane plane, Origin origin) {
    click(equinox == Equinox::J2000 ? form.Option17 : form.Option16);
    // The origin first, so that the horizon never stands without the observer.
    click(origin == Origin::Sun ? form.Option18
                                : origin == Origin::Earth ? form.Option19 : form.Option20);
    click(plane == Plane::Ecliptic ? form.Option8
                                   : plane == Plane::Equator ? form.Option9 : form.Option10);
  }

  static void typeDate(Form12& form, const std::string& year, const std::string& month,
                       const std::string& day) {
    type(form.Text34, year);
    type(form.Text33, month);
    type(form.Text32, day);
  }

  // A direction typed in polar form for the body "с экрана", far enough
  // (1e12 thousand km) that the origin barely matters, in the given frame.
  static void typeDirection(Form12& form, double longitude, double latitude) {
    click(form.Option1[kTypedBody]);
    click(form.Option2);
    type(form.Text11, Str(longitude));
    type(form.Text12, Str(latitude));
    type(form.Text13, "1E+12");
    click(form.Command6);
  }
};

// Example 13.a: Pollux, λ = 113.215630°, β = 6.684170° on the ecliptic of
// J2000 (ε = 23.4392911°) is α = 116.328942°, δ = 28.026183°; and back.
TEST_F(Form12FramesTest, EclipticAndEquatorOfTheDate) {
  Form12& form = openConverter();  // the date is J2000
  chooseFrame(form, Equinox::Date, Plane::Ecliptic, Origin::Earth);
  typeDirection(form, 113.215630, 6.684170);
  chooseFrame(form, Equinox::Date, Plane::Equator, Origin::Earth);
  click(form.Command7);
  EXPECT_NEAR(shown(form.Text14), 116.328942, 2e-6);
  EXPECT_NEAR(shown(form.Text15), 28.026183, 2e-6);
  EXPECT_NEAR(Main.DecimalDate, 116.328942, 2e-6);

  // Taken in again on the equator and shown on the ecliptic.
  click(form.Command1);
  click(form.Command6);
  chooseFrame(form, Equinox::Date, Plane::Ecliptic, Origin::Earth);
  click(form.Command7);
  EXPECT_NEAR(shown(form.Text14), 113.215630, 2e-6);
  EXPECT_NEAR(shown(form.Text15), 6.684170, 2e-6);
  EXPECT_EQ(boxes.count(), 0);
}

// Example 21.b: θ Persei at α0 = 41.054063°, δ0 = 49.227750° (equator and
// equinox of J2000) is at α = 41.547214°, δ = 49.348483° on the mean equator
// of 2028 November 13.19.
TEST_F(Form12FramesTest, PrecessionFromJ2000ToTheDate) {
  Form12& form = openConverter();
  typeDate(form, "2028", "11", "13,19");
  chooseFrame(form, Equinox::J2000, Plane::Equator, Origin::Earth);
  typeDirection(form, 41.054063, 49.227750);
  chooseFrame(form, Equinox::Date, Plane::Equator, Origin::Earth);
  click(form.Command7);
  EXPECT_NEAR(shown(form.Text14), 41.547214, 5e-6);
  EXPECT_NEAR(shown(form.Text15), 49.348483, 5e-6);

  // And back to J2000.
  chooseFrame(form, Equinox::J2000, Plane::Equator, Origin::Earth);
  click(form.Command7);
  EXPECT_NEAR(shown(form.Text14), 41.054063, 1e-6);
  EXPECT_NEAR(shown(form.Text15), 49.227750, 1e-6);
  EXPECT_EQ(boxes.count(), 0);
}

// Example 13.b: Venus at α = 347.3193375°, δ = -6.719892° seen on
// 1987 April 10, 19h21m UT from 77°03'56" W, 38°55'17" N stands at the
// azimuth 68.0337° (from the south, to the west) and the altitude
// 15.1249°; its hour angle is 64.3521°. Meeus uses the apparent sidereal
// time, the window the mean one, which is 0.236 s of time (0.001°) later.
TEST_F(Form12FramesTest, HorizonOfTheObserver) {
  Form12& form = openConverter();
  type(form.Text21, Str(-(77 + 3.0 / 60 + 56.0 / 3600)));
  type(form.Text22, Str(38 + 55.0 / 60 + 17.0 / 3600));
  typeDate(form, "1987", "4", Str(10 + (19 + 21.0 / 60) / 24));
  chooseFrame(form, Equinox::Date, Plane::Equator, Origin::Observer);
  typeDirection(form, 347.3193375, -6.719892);
  chooseFrame(form, Equinox::Date, Plane::Horizon, Origin::Observer);
  click(form.Command7);
  EXPECT_NEAR(shown(form.Text14), 68.0337, 2e-3);
  EXPECT_NEAR(shown(form.Text15), 15.1249, 2e-3);
  // The hour angle is shown as found, not reduced: 64.35° - 360°.
  EXPECT_NEAR(shown(form.Text25), 64.3521 - 360, 2e-3);

  // The horizon taken in again gives the same right ascension and
  // declination.
  click(form.Command1);
  click(form.Command6);
  chooseFrame(form, Equinox::Date, Plane::Equator, Origin::Observer);
  click(form.Command7);
  EXPECT_NEAR(shown(form.Text14), 347.3193375, 2e-6);
  EXPECT_NEAR(shown(form.Text15), -6.719892, 2e-6);
  EXPECT_EQ(boxes.count(), 0);
}

// The Moon by the window's theory, seen from the Earth's centre and from the
// observer: the topocentric right ascension and declination follow from the
// geocentric ones by Meeus (40.2) and (40.3) for a spherical Earth
// (ρ = 1, φ' = φ) and the horizontal parallax sin π = a / Δ.
TEST_F(Form12FramesTest, MoonParallaxOfTheObserver) {
  Form12& form = openConverter();
  click(form.Option1[kMoonBody]);
  chooseFrame(form, Equinox::Date, Plane::Equator, Origin::Earth);
  click(form.Command6);
  const double alpha = shown(form.Text11) * kDegree;
  const double delta = shown(form.Text12) * kDegree;
  const double distance = shown(form.Text13);  // thousands of km
  const double localSiderealTime = shown(form.Text24) * 15 * kDegree;

  chooseFrame(form, Equinox::Date, Plane::Equator, Origin::Observer);
  click(form.Command7);
  const double sinParallax = 6.378140 / distance;  // the Earth radius of 6378.140 km
  const double phi = 48.7 * kDegree;
  const double hourAngle = localSiderealTime - alpha;
  const double shift = std::atan2(-std::cos(phi) * sinParallax * std::sin(hourAngle),
                                  std::cos(delta) - std::cos(phi) * sinParallax * std::cos(hourAngle));
  const double topocentricDelta =
      std::atan2((std::sin(delta) - std::sin(phi) * sinParallax) * std::cos(shift),
                 std::cos(delta) - std::cos(phi) * sinParallax * std::cos(hourAngle));
  // The geocentric angles were read cut to 1e-6°.
  EXPECT_NEAR(shown(form.Text14), (alpha + shift) / kDegree, 5e-6);
  EXPECT_NEAR(shown(form.Text15), topocentricDelta / kDegree, 5e-6);
  // The parallax is large here: a shift of the Moon's place by a good part
  // of a degree.
  EXPECT_GT(std::fabs(shown(form.Text15) - delta / kDegree), 0.3);
  EXPECT_EQ(boxes.count(), 0);
}

// The Sun seen from the Earth's centre is minus the Earth's vector; the
// Earth on 2000 January 1.5 is 0.98333 AU from the Sun (Meeus, table of the
// Earth's radius vector, perihelion early in January); the Moon is the Earth
// plus its geocentric vector.
TEST_F(Form12FramesTest, SunEarthAndMoonOrigins) {
  constexpr double kAUThousandKm = 149597.870691;
  Form12& form = openConverter();
  click(form.Option1[kEarthBody]);
  click(form.Command6);
  const double earth[3] = {shown(form.Text1), shown(form.Text2), shown(form.Text3)};
  EXPECT_NEAR(shown(form.Text13) / kAUThousandKm, 0.98333, 2e-4);

  click(form.Option1[kSunBody]);
  chooseFrame(form, Equinox::Date, Plane::Ecliptic, Origin::Earth);
  click(form.Command6);
  EXPECT_NEAR(shown(form.Text1), -earth[0], 1e-3);
  EXPECT_NEAR(shown(form.Text2), -earth[1], 1e-3);
  EXPECT_NEAR(shown(form.Text3), -earth[2], 1e-3);

  click(form.Option1[kMoonBody]);
  click(form.Command6);
  EXPECT_NEAR(shown(form.Text13), Main.PairDistance(3, 11) / 1e6, 1e-3);
  EXPECT_EQ(boxes.count(), 0);
}

// Venus on 1992 December 20, 0h (Meeus example 33.a): apparent geocentric
// α = 21h04m41.454s = 316.172725°, δ = -18°53'16.84" = -18.888011°. The
// window gives the geometric place by mean elements, without light time,
// aberration and nutation (together under 0.02° here).
TEST_F(Form12FramesTest, VenusFromTheEarthByTheTheory) {
  Form12& form = openConverter();
  typeDate(form, "1992", "12", "20");
  click(form.Option1[2]);
  chooseFrame(form, Equinox::Date, Plane::Equator, Origin::Earth);
  click(form.Command6);
  EXPECT_NEAR(shown(form.Text11), 316.172725, 0.02);
  EXPECT_NEAR(shown(form.Text12), -18.888011, 0.02);
  EXPECT_EQ(boxes.count(), 0);
}

// The Earth's centre seen from the observer lies one Earth radius
// (6378.140 km, a spherical Earth) straight below: at the declination -φ and
// twelve hours of right ascension from the local sidereal time.
TEST_F(Form12FramesTest, EarthCentreLiesBelowTheObserver) {
  Form12& form = openConverter();
  click(form.Option1[kEarthBody]);
  chooseFrame(form, Equinox::Date, Plane::Equator, Origin::Observer);
  click(form.Command6);
  EXPECT_NEAR(shown(form.Text13), 6.378140, 1e-6);
  EXPECT_NEAR(shown(form.Text12), -48.7, 1e-6);
  const double localSiderealTime = shown(form.Text24) * 15;
  EXPECT_NEAR(std::remainder(shown(form.Text11) - localSiderealTime - 180, 360.0), 0.0, 1e-4);
  EXPECT_EQ(boxes.count(), 0);
}

// What the window refuses: the horizon without the observer (both
// buttons), the Sun seen from the Sun, typed text that is no number or a
// Cartesian vector of three zeros, and a day step that is no number.
TEST_F(Form12FramesTest, Refusals) {
  Form12& form = openConverter();
  click(form.Command6);
  const std::string before = form.Text14.Text();

  click(form.Option10);  // horizon, heliocentric
  boxes.clear();
  click(form.Command6);
  click(form.Command7);
  ASSERT_EQ(boxes.count(), 2);
  EXPECT_EQ(boxes.boxes()[0].text, "ГОРизонтальные координаты\nзадаются только ТОПОцентрические");
  EXPECT_EQ(boxes.boxes()[1].text,
            "Преобразование в ГОРизонтальные координаты\nпроизводится только в ТОПОцентрические");
  EXPECT_EQ(form.Text14.Text(), before);
  click(form.Option8);

  boxes.clear();
  click(form.Option1[kSunBody]);
  click(form.Command6);
  ASSERT_EQ(boxes.count(), 1);
  EXPECT_EQ(boxes.last().text, "Введите правильно данные");
  EXPECT_EQ(form.Text1.Text(), "0");

  click(form.Option1[kTypedBody]);
  click(form.Option3);
  for (const char* x : {"abc", "0"}) {
    SCOPED_TRACE(x);
    type(form.Text1, x);
    type(form.Text2, "0");
    type(form.Text3, "0");
    boxes.clear();
    click(form.Command6);
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, "Введите правильно исходные координаты");
  }

  type(form.Text29, "сутки");
  boxes.clear();
  click(form.Command2);
  ASSERT_EQ(boxes.count(), 1);
  EXPECT_EQ(boxes.last().text, "Введите правильно к-во дней");
}

// Twice "Задать координаты для JD = JD + " with 0,25 day moves the date half
// a day on from the last "Задать координаты".
TEST_F(Form12FramesTest, DayStepCountsFromTheLastComputedDate) {
  Form12& form = openConverter();
  click(form.Command6);
  click(form.Command2);
  click(form.Command2);
  EXPECT_DOUBLE_EQ(Main.JDut, 2451545.5);
  EXPECT_EQ(form.Text31.Text(), "2451545,5");
  EXPECT_EQ(form.Text32.Text(), "2");
  EXPECT_EQ(boxes.count(), 0);
}

}  // namespace

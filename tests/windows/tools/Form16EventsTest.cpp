// Events the eclipse window finds with DE405, pass by pass through its
// controls, against published times and against the independent
// computation of tests/fixtures/eclipse (ERFA's reduction of DE405, made by
// make_eclipse_events.py there): the transit of Venus of 2004-06-08, the
// total solar eclipse of 2006-03-29 seen from Accra, sunrise and sunset on
// the Volga, the March equinox of 2006, and the inverse chain of the
// equinox report counting refraction once.
#include <QLineEdit>
#include <QTimer>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "Form16Fixture.h"
#include "core/runtime/TextFile.h"

namespace {

constexpr double kMinute = 1.0 / 1440.0;  // days
constexpr double kArcSecond = 1.0 / 3600.0;
// 2004 June 8, 0h UT and 2006 March 20, 0h UT (Meeus ch. 7: 2000 January
// 1.5 is JD 2451545.0).
constexpr double kJD2004June8 = 2453164.5;
constexpr double kJD2006March20 = 2453814.5;

double radians(double degrees) { return degrees * M_PI / 180.0; }

// Angular distance of two directions given by right ascension and
// declination, degrees.
double separation(double ra1, double dec1, double ra2, double dec2) {
  const double a = std::sin(radians(dec2 - dec1) / 2.0);
  const double b = std::sin(radians(ra2 - ra1) / 2.0);
  const double h = a * a + std::cos(radians(dec1)) * std::cos(radians(dec2)) * b * b;
  return 2.0 * std::asin(std::sqrt(h)) * 180.0 / M_PI;
}

using Form16EventsTest = Form16Test;

// The transit of Venus of 2004-06-08, geocentric: the window's geocentric
// apparent places ("+Нутация") against the published contacts I at 05:13
// and IV at 11:26 UT (NASA, F. Espenak), with the semidiameters of the day
// of the Astronomical Almanac for 2004: the Sun 15'45.5", Venus 28.9".
TEST_F(Form16EventsTest, TransitOfVenusGeocentricContactsAsPublished) {
  Form16& form = windowWithDE405();
  type(form.Text1, "2");
  type(form.Text26, "0,0002");
  const double touching = (945.5 + 28.9) * kArcSecond;
  const auto apart = [&] {
    return separation(shown(form.Text37), shown(form.Text57), shown(form.Text47),
                      shown(form.Text67)) > touching;
  };
  struct Contact {
    const char* name;
    double published;
    bool apartBefore;
  };
  for (const Contact& c : {Contact{"I", kJD2004June8 + (5 * 60 + 13) * kMinute, true},
                           Contact{"IV", kJD2004June8 + (11 * 60 + 26) * kMinute, false}}) {
    SCOPED_TRACE(c.name);
    typeDate(form, "2004", "6", Str(8.0 + (c.published - kJD2004June8) - 10 * kMinute));
    startOnePass(form);
    ASSERT_EQ(apart(), c.apartBefore);
    int passes = 0;
    while (apart() == c.apartBefore && passes++ < 200) nextPass(form);
    EXPECT_NEAR(passDay(form), c.published, 2 * kMinute);
  }
}

// The transit seen from the window's default observer on the Volga
// (48.153 E, 45.874 N): the first and the last pass with a contact record,
// steps of 0.0001 day, without refraction (contacts are a matter of
// geometry), against the independent computation.
TEST_F(Form16EventsTest, TransitOfVenusTopocentricContactsAgreeWithAnIndependentComputation) {
  Form16& form = windowWithDE405();
  type(form.Text1, "2");
  type(form.Text26, "0,0001");
  setTicked(form.Check10, false);
  setTicked(form.Check30, true);
  const double first = independentEvent("venus_volga_I");
  typeDate(form, "2004", "6", Str(8.0 + (first - kJD2004June8) - 5 * kMinute));
  EXPECT_NEAR(firstPassWhere(form, true, 150), first, kMinute);
  const double last = independentEvent("venus_volga_IV");
  typeDate(form, "2004", "6", Str(8.0 + (last - kJD2004June8) - 5 * kMinute));
  EXPECT_NEAR(firstPassWhere(form, false, 150), last, kMinute);
  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
}

// The total solar eclipse of 2006-03-29 (the window's default date) in
// Accra, in the path of totality, with the window's default refraction:
// first and last contact against the independent computation.
TEST_F(Form16EventsTest, SolarEclipseInThePathOfTotalityContactsAgreeWithinAMinute) {
  Form16& form = windowWithDE405();
  typeObserver(form, "-0,187", "5,604");
  type(form.Text26, "0,0001");
  setTicked(form.Check30, true);
  const double kJD2006March29 = kJD2006March20 + 9;
  const double first = independentEvent("eclipse_accra_I");
  typeDate(form, "2006", "3", Str(29.0 + (first - kJD2006March29) - 5 * kMinute));
  EXPECT_NEAR(firstPassWhere(form, true, 150), first, kMinute);
  const double last = independentEvent("eclipse_accra_IV");
  typeDate(form, "2006", "3", Str(29.0 + (last - kJD2006March29) - 5 * kMinute));
  EXPECT_NEAR(firstPassWhere(form, false, 150), last, kMinute);
  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
}

// Local mean time "LTut  =hh:mm:ss" of the sunrise or sunset box as a
// Julian Day (UT) of the day that starts at `midnight`.
double reportedDay(const std::string& text, double midnight, double eastLongitude) {
  const std::string time = text.substr(text.find('=') + 1);
  const int h = std::stoi(time.substr(0, 2)), m = std::stoi(time.substr(3, 2)),
            s = std::stoi(time.substr(6, 2));
  return midnight + (h * 3600.0 + m * 60.0 + s) / 86400.0 - eastLongitude / 360.0;
}

TEST_F(Form16EventsTest, SunriseAndSunsetAgreeWithAnIndependentComputation) {
  Form16& form = windowWithDE405();
  click(form.Option10);  // times by UT
  type(form.Text26, "0,0001");
  const double kJD2006March29 = kJD2006March20 + 9;
  struct Event {
    const char* name;
    ui::TextBox& box;
  };
  for (const Event& e : {Event{"sunrise_volga", form.Text28}, Event{"sunset_volga", form.Text29}}) {
    SCOPED_TRACE(e.name);
    const double independent = independentEvent(e.name);
    typeDate(form, "2006", "3", Str(29.0 + (independent - kJD2006March29) - 4 * kMinute));
    startOnePass(form);
    for (int pass = 0; pass < 100 && e.box.Text().empty(); ++pass) nextPass(form);
    ASSERT_FALSE(e.box.Text().empty());
    // The local day of the reported time began at local midnight.
    EXPECT_NEAR(reportedDay(e.box.Text(), kJD2006March29, 48.153), independent, kMinute);
  }
}

// The records of the equinox report: JDut and the direct longitude of date.
struct EquinoxRecord {
  double julianDay, longitude;
  double directDeclination, inverseDeclination;  // topocentric
  double directAltitude, inverseAltitude;
};

// The numbers of a record line follow fixed heads: "JDut=", then "L=" with
// the direct and inverse ecliptic longitude, "L=" and "B=" geocentric, "L="
// and "B=" topocentric, "A=" and "H=" azimuth and altitude.
std::vector<EquinoxRecord> equinoxRecords(const std::string& bytes) {
  std::istringstream in(bytes);
  std::vector<EquinoxRecord> records;
  for (std::string line; std::getline(in, line);) {
    if (line.rfind("LTet2=", 0) != 0) continue;
    std::istringstream fields(line);
    std::vector<std::string> t;
    for (std::string field; fields >> field;) t.push_back(field);
    size_t j = 0;
    while (j < t.size() && t[j] != "JDut=") ++j;
    if (j + 22 >= t.size()) {
      ADD_FAILURE() << "short record: " << line;
      continue;
    }
    records.push_back({CDbl(t[j + 1]), CDbl(t[j + 3]), CDbl(t[j + 15]), CDbl(t[j + 16]),
                       CDbl(t[j + 21]), CDbl(t[j + 22])});
  }
  return records;
}

// The March equinox of 2006, 2006-03-20 18:26 UT (US Naval Observatory),
// lies within one step of the pass where the Sun's longitude of date in the
// equinox report passes 0.
TEST_F(Form16EventsTest, MarchEquinoxFallsWithinTheStep) {
  Form16& form = windowWithDE405();
  setTicked(form.Check13, true);
  const double step = 0.002;
  type(form.Text26, "0,002");
  type(form.Text8, "1");
  typeDate(form, "2006", "3", "20,7");
  startOnePass(form);
  for (int pass = 0; pass < 60; ++pass) nextPass(form);
  const std::vector<EquinoxRecord> records = equinoxRecords(fileBytes("Dat/TimeYer_data.txt"));
  ASSERT_EQ(records.size(), 61u);
  const double published = kJD2006March20 + (18 * 60 + 26) * kMinute;
  int crossings = 0;
  for (size_t i = 1; i < records.size(); ++i) {
    if (!(records[i - 1].longitude > 359.0 && records[i].longitude < 1.0)) continue;
    ++crossings;
    EXPECT_LT(records[i - 1].julianDay, published + kMinute);
    EXPECT_GT(records[i].julianDay, published - kMinute);
    EXPECT_NEAR(records[i].julianDay - records[i - 1].julianDay, step, 1e-4);
  }
  EXPECT_EQ(crossings, 1);
}

// The inverse chain of the equinox report starts from the observed, that
// is refracted, altitude of the Sun: counted once whether or not the direct
// altitude was refracted, so the inverse columns do not depend on
// "+Рефракция"; the direct altitude shows the refraction of a low Sun.
TEST_F(Form16EventsTest, InverseChainCountsRefractionOnce) {
  std::vector<EquinoxRecord> runs[2];
  for (int refraction = 0; refraction <= 1; ++refraction) {
    Form16& form = windowWithDE405();
    setTicked(form.Check13, true);
    setTicked(form.Check10, refraction == 1);
    typeDate(form, "2006", "3", "20,125");  // soon after sunrise on the Volga
    startOnePass(form);
    runs[refraction] = equinoxRecords(fileBytes("Dat/TimeYer_data.txt"));
    ASSERT_EQ(runs[refraction].size(), 1u);
    click(form.Command14);
    std::filesystem::remove(programFile("JPL/ascp2000.405"));
  }
  const EquinoxRecord& plain = runs[0][0];
  const EquinoxRecord& refracted = runs[1][0];
  EXPECT_DOUBLE_EQ(plain.inverseDeclination, refracted.inverseDeclination);
  EXPECT_DOUBLE_EQ(plain.inverseAltitude, refracted.inverseAltitude);
  EXPECT_DOUBLE_EQ(refracted.directAltitude, refracted.inverseAltitude);
  // Refraction a few degrees above the horizon: between 5' (at 10 degrees)
  // and 34' (at the horizon), Meeus ch. 16.
  EXPECT_GT(plain.inverseAltitude - plain.directAltitude, 0.05);
  EXPECT_LT(plain.inverseAltitude - plain.directAltitude, 0.65);
}

}  // namespace

namespace {

// The contact report: its header names the body and the theory; a record
// holds the local date by ET2 and the topocentric right ascension and
// declination of the Sun and the body, each times 1000, as whole numbers.
TEST_F(Form16EventsTest, ContactRecordsHoldTheDateAndThePlacesTimesAThousand) {
  Form16& form = windowWithDE405();
  typeObserver(form, "-0,187", "5,604");
  setTicked(form.Check30, true);
  typeDate(form, "2006", "3", "29,38");  // 09:07 UT, the Moon on the Sun in Accra
  startOnePass(form);
  std::istringstream in(cp1251ToUtf8(fileBytes("Dat/Param_data.txt")));
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_NE(lines[1].find("планета  № 11   обсерватория JPL2"), std::string::npos);
  std::istringstream record(lines[6]);
  std::vector<double> numbers;
  for (std::string field; record >> field;) numbers.push_back(CDbl(field));
  ASSERT_EQ(numbers.size(), 7u);
  EXPECT_NEAR(numbers[0], 29380.0 - 0.187 / 360.0 * 1000.0, 1.0);  // local mean time
  EXPECT_EQ(numbers[1], 3000.0);
  EXPECT_EQ(numbers[2], 2006000.0);
  EXPECT_NEAR(numbers[3], 1000.0 * shown(form.Text38), 1.0);
  EXPECT_NEAR(numbers[6], 1000.0 * shown(form.Text68), 1.0);
  // The Moon within half a degree of the Sun.
  EXPECT_NEAR(numbers[5], numbers[3], 500.0);
  EXPECT_NEAR(numbers[6], numbers[4], 500.0);
}

// Lunar mode: the Earth's umbra at the Moon's distance, seen from the
// observer, during the penumbral eclipse of 2006-03-14 (greatest at
// 23:47 UT): its radius by Meeus ch. 54 without the enlargement by the
// atmosphere, 0.99834 π - s + π_s with the Moon's parallax π near 0.95 and
// the Sun's semidiameter s near 0.267 degrees, is about 0.68 degrees.
TEST_F(Form16EventsTest, LunarModePlacesTheUmbraAtTheMoonsDistance) {
  Form16& form = windowWithDE405();
  click(form.Option8);  // "Луны"
  typeObserver(form, "48,153", "45,874");
  typeDate(form, "2006", "3", "14,99");
  startOnePass(form);
  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
  EXPECT_NEAR(form.AngularSemidiameter[13], 0.68, 0.04);
}

}  // namespace

namespace {

std::string onScreen(const ui::TextBox& box) {
  return static_cast<QLineEdit*>(box.widget())->text().toStdString();
}

// A run draws at most about 30 of its passes a second, but the screen shows
// the pass of every event as the run lets events run after it: in Accra on
// the day of the eclipse, at one-minute steps from 05:00 to 11:00 UT, the
// sunrise and the first and last contact.
TEST_F(Form16EventsTest, ThePassesOfSunriseAndOfTheContactsAreShown) {
  Form16& form = windowWithDE405();
  typeObserver(form, "-0,187", "5,604");
  setTicked(form.Check30, true);
  type(form.Text26, Str(kMinute));
  typeDate(form, "2006", "3", Str(29 + 5.0 / 24));
  const double end = kJD2006March20 + 9 + 11.0 / 24;
  std::string pass, sunrise;
  int records = 0;
  bool touching = false;
  std::vector<std::string> shownEvents, hiddenEvents;
  QTimer afterEachPass;
  QObject::connect(&afterEachPass, &QTimer::timeout, [&] {
    if (form.Text5.Text() == pass) return;  // no new pass
    pass = form.Text5.Text();
    const int now = contactRecords();
    const bool touchingNow = now > records;
    records = now;
    std::vector<std::string> events;
    if (form.Text28.Text() != sunrise) events.push_back("sunrise");
    if (touchingNow != touching) events.push_back(touchingNow ? "first contact" : "last contact");
    sunrise = form.Text28.Text();
    touching = touchingNow;
    for (const std::string& e : events) (onScreen(form.Text5) == pass ? shownEvents : hiddenEvents).push_back(e);
    if (passDay(form) >= end) click(form.Command4);
  });
  afterEachPass.start(0);
  click(form.Command1);
  EXPECT_EQ(shownEvents, (std::vector<std::string>{"sunrise", "first contact", "last contact"}));
  EXPECT_TRUE(hiddenEvents.empty());
  EXPECT_EQ(onScreen(form.Text5), form.Text5.Text());
  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
}

}  // namespace

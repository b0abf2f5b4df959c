// The aberration window: the light time against distance over the speed of
// light, the Earth's distance and speed from the theory against the
// ephemeris and the vis-viva law, the annual aberration of a distant star
// against the constant of aberration and its direction, the system velocity
// in the source and receiver terms, the light-time iteration, the stepping
// loop and the refusals.
#include <QTimer>

#include <cmath>
#include <string>

#include "Form1Fixture.h"
#include "setup/Form11.h"

namespace {

constexpr double kLightSpeed = 299792458.0;       // m/s
// The program keeps the speed of light to seven digits.
constexpr double kLightSpeedPrecision = 2e-7;
constexpr double kAU = 1.495978707e11;             // m
constexpr double kSunGM = 1.32712440018e20;        // m³/s²
constexpr double kArcsecPerRadian = 206264.806247;
// The constant of aberration: the Earth's mean orbital speed over the speed
// of light, in arc seconds.
constexpr double kAberrationConstant = 20.49552;
constexpr double kEarthEccentricity = 0.0167;

struct Vector {
  double x, y, z;
  double length() const { return std::sqrt(x * x + y * y + z * z); }
};

class Form11Test : public Form1Test {
 protected:
  Form11& openWindow() {
    startProgram();
    Form11& form = form11();
    form.Show();
    return form;
  }

  static void pressAtNextPass(ui::CommandButton& button) {
    QTimer::singleShot(0, button.widget(), [&button] { ui::clickAsUser(button); });
  }

  // Only the target of index `target` ticked.
  void chooseTarget(Form11& form, int target) {
    for (int i = 0; i <= 10; ++i)
      if ((form.Check1[i].Value() == 1) != (i == target) && i != 3) click(form.Check1[i]);
  }

  // Shown in thousand km (or km/s): back to metres (or m/s).
  static Vector shownVector(const ui::TextBox& x, const ui::TextBox& y, const ui::TextBox& z,
                            double unit) {
    return {unit * shown(x), unit * shown(y), unit * shown(z)};
  }
  static Vector earthPosition(const Form11& f) {
    return shownVector(f.Text11, f.Text13, f.Text15, 1e6);
  }
  static Vector earthVelocity(const Form11& f) {
    return shownVector(f.Text17, f.Text19, f.Text21, 1e3);
  }

  // A star at rest at the given place (thousand km), the light at its true
  // speed, the theory New0 at the default date; both buttons pressed.
  void observeStar(Form11& form, const std::string& x, const std::string& y,
                   const std::string& z) {
    chooseTarget(form, 10);
    if (form.Check2.Value() != 1) click(form.Check2);
    type(form.Text6, "1");
    type(form.Text12, x);
    type(form.Text14, y);
    type(form.Text16, z);
    click(form.Command1);
    click(form.Command3);
  }
};

double arcsec(const ui::TextBox& degrees) { return 3600 * CDbl(degrees.Text()); }

}  // namespace

// The light time is the distance over the speed of light divided by N; with
// the theory at 2000 January 1.5 the Sun is 0.98333 AU from the Earth
// (the Earth two days before perihelion).
TEST_F(Form11Test, TheLightTimeIsTheDistanceOverTheSpeedOfLight) {
  Form11& form = openWindow();
  chooseTarget(form, 0);
  click(form.Check2);
  for (double n : {1.0, 1000.0, 0.5}) {
    SCOPED_TRACE(n);
    type(form.Text6, Str(n));
    click(form.Command1);
    const double distance = 1e6 * shown(form.Text30);
    EXPECT_NEAR(shown(form.Text31), distance * n / kLightSpeed, kLightSpeedPrecision * shown(form.Text31));
    EXPECT_NEAR(distance / kAU, 0.98333, 3e-4);
    EXPECT_NEAR(distance, earthPosition(form).length(), 1e-6 * distance);
  }
  EXPECT_EQ(boxes.count(), 0);
}

// The Earth's velocity from the theory obeys the vis-viva law of its orbit
// (a = 1 AU) and is nearly perpendicular to its radius (e sin E at most).
TEST_F(Form11Test, TheEarthsVelocityFollowsTheVisVivaLaw) {
  Form11& form = openWindow();
  click(form.Check2);
  for (const char* day : {"1,5", "15", "28"}) {
    for (const char* month : {"1", "4", "7", "10"}) {
      SCOPED_TRACE(testing::Message() << day << "." << month);
      type(form.Text23, day);
      type(form.Text33, month);
      click(form.Command1);
      const Vector r = earthPosition(form);
      const Vector v = earthVelocity(form);
      const double expected = std::sqrt(kSunGM * (2 / r.length() - 1 / kAU));
      EXPECT_NEAR(v.length() / expected, 1, 2e-3);
      const double cosine = (r.x * v.x + r.y * v.y + r.z * v.z) / r.length() / v.length();
      EXPECT_LT(std::abs(cosine), 1.05 * kEarthEccentricity);
    }
  }
}

// A star at rest far beyond the Solar System (10^15 thousand km, where its
// parallax is 0,03″): no aberration of the source; the receiver's shifts
// the star by v/c towards the Earth's velocity, near the constant of
// aberration. At the pole of the ecliptic the latitude falls by v/c and
// the observed longitude is that of the velocity; on the ecliptic, 90°
// ahead of the velocity, the longitude falls by v/c.
TEST_F(Form11Test, ADistantStarShowsTheAnnualAberration) {
  Form11& form = openWindow();
  click(form.Check7);  // longitudes in full, not times cos(B)
  observeStar(form, "0", "0", "1E+15");
  const Vector v = earthVelocity(form);
  const double vc = v.length() / kLightSpeed * kArcsecPerRadian;
  // Between the speeds at aphelion and perihelion, (1 -+ e) / sqrt(1 - e²)
  // times the mean, to the theory's 0,1 %.
  const double spread = std::sqrt(1 - kEarthEccentricity * kEarthEccentricity);
  EXPECT_GT(vc, 0.999 * kAberrationConstant * (1 - kEarthEccentricity) / spread);
  EXPECT_LT(vc, 1.001 * kAberrationConstant * (1 + kEarthEccentricity) / spread);
  EXPECT_NEAR(arcsec(form.Text32), 0, 1e-3);
  EXPECT_NEAR(arcsec(form.Text42), 0, 1e-3);
  EXPECT_NEAR(arcsec(form.Text44), -vc, 0.02);
  const double velocityLongitude = std::atan2(v.y, v.x) * 180 / M_PI;
  EXPECT_NEAR(std::remainder(shown(form.Text36) - velocityLongitude, 360), 0, 0.2);

  // On the ecliptic, a quarter turn ahead of the velocity.
  const double ahead = std::atan2(v.y, v.x) + M_PI / 2;
  for (int scaled : {1, 0}) {
    SCOPED_TRACE(scaled);
    if (form.Check7.Value() != scaled) click(form.Check7);
    observeStar(form, Str(1e15 * std::cos(ahead)), Str(1e15 * std::sin(ahead)), "0");
    EXPECT_NEAR(arcsec(form.Text34), -vc, 0.02);
    EXPECT_NEAR(arcsec(form.Text44), 0, 0.02);
    EXPECT_NEAR(arcsec(form.Text35), -vc, 0.02);
  }
  EXPECT_EQ(boxes.count(), 0);
}

// A star does not share the system velocity: the whole of it acts through
// the receiver term, and the source term stays 0.
TEST_F(Form11Test, TheSystemVelocityActsOnAStarThroughTheReceiver) {
  Form11& form = openWindow();
  type(form.Text3, "30");
  type(form.Text4, "-10");
  observeStar(form, "0", "0", "1E+15");
  const Vector v = earthVelocity(form);
  const double horizontal = std::hypot(v.x + 30e3, v.y - 10e3);
  EXPECT_NEAR(arcsec(form.Text42), 0, 1e-3);
  EXPECT_NEAR(arcsec(form.Text44), -horizontal / kLightSpeed * kArcsecPerRadian, 0.03);
  EXPECT_EQ(Main.VXsys, 30);
  EXPECT_EQ(Main.VYsys, -10);
}

// For a planet the system velocity enters the source and the receiver terms
// with opposite signs: each component moves far more than their sum. With
// no system velocity the receiver term is the Earth's own aberration, at
// most v/c (about 0,0057°).
TEST_F(Form11Test, ForAPlanetTheSystemVelocityCancelsInTheTotal) {
  Form11& form = openWindow();
  type(form.Text6, "1");
  click(form.Command1);
  click(form.Command3);
  const double source = shown(form.Text32), receiver = shown(form.Text34);
  const double total = shown(form.Text35);
  EXPECT_LE(std::abs(receiver), 1.02 * 0.0057);
  type(form.Text3, "200");
  type(form.Text5, "50");
  click(form.Command1);
  click(form.Command3);
  const double sourceChange = std::abs(shown(form.Text32) - source);
  const double receiverChange = std::abs(shown(form.Text34) - receiver);
  EXPECT_GT(sourceChange, 0.01);
  EXPECT_GT(receiverChange, 0.01);
  EXPECT_LT(std::abs(shown(form.Text35) - total), 1e-3 * std::min(sourceChange, receiverChange));
}

// Successive presses iterate the light time: each keeps c T = S, and the
// changes shrink by about v/c from one press to the next; the counter
// counts them until the first button.
TEST_F(Form11Test, RepeatedPressesIterateTheLightTime) {
  Form11& form = openWindow();
  type(form.Text6, "1");
  click(form.Command1);
  double previous = shown(form.Text31);
  double lastChange = 0;
  for (int press = 1; press <= 3; ++press) {
    SCOPED_TRACE(press);
    click(form.Command3);
    EXPECT_EQ(form.Text10.Text(), std::to_string(press));
    const double lightTime = shown(form.Text31);
    EXPECT_NEAR(lightTime * kLightSpeed, 1e6 * shown(form.Text30),
                kLightSpeedPrecision * 1e6 * shown(form.Text30));
    const double change = std::abs(lightTime - previous);
    if (press == 2) {
      EXPECT_LT(change, 1e-3 * lastChange);
    }
    lastChange = change;
    previous = lightTime;
  }
  click(form.Command1);
  EXPECT_EQ(Main.StageCounter, 0);
}

// "С шагом" ticks the theory, makes passes a step apart until "Stop" (the
// day carries into the next month) and keeps its start for "JD=JD0".
TEST_F(Form11Test, TheSteppingLoopMovesTheDateOn) {
  Form11& form = openWindow();
  type(form.Text23, "30,5");
  type(form.Text9, "1");
  pressAtNextPass(form.Command6);
  click(form.Command5);
  EXPECT_EQ(form.Check2.Value(), 1);
  EXPECT_EQ(form.Text43.Text(), "2000");
  EXPECT_EQ(form.Text33.Text(), "2");
  EXPECT_EQ(form.Text23.Text(), "1,5");
  EXPECT_EQ(form.Text10.Text(), "1");
  click(form.Command9);
  EXPECT_EQ(form.Text23.Text(), "2,5");
  click(form.Command8);
  EXPECT_EQ(form.Text33.Text(), "1");
  EXPECT_EQ(form.Text23.Text(), "30,5");
  EXPECT_EQ(boxes.count(), 0);
}

// A pass that ends with a message ends the stepping loop with that one
// message, the date where it was: a loop that went on would show it again
// at every pass, and no OK would end it.
TEST_F(Form11Test, AMessageEndsTheSteppingLoop) {
  Form11& form = openWindow();
  type(form.Text6, "0");
  type(form.Text23, "30,5");
  pressAtNextPass(form.Command6);  // only reached when the loop went on
  click(form.Command5);
  ASSERT_EQ(boxes.count(), 1);
  EXPECT_EQ(boxes.last().text, "Введите правильно данные ");
  EXPECT_EQ(form.Text23.Text(), "30,5");
  EXPECT_EQ(form.Text33.Text(), "1");
}

// Input the window cannot use: each press ends with its message.
TEST_F(Form11Test, InputItCannotUseGivesItsMessage) {
  struct Row {
    const char* what;
    ui::TextBox Form11::*box;
    const char* text;
    bool secondTarget;
    ui::CommandButton Form11::*button;
    const char* message;
  };
  const Row rows[] = {
      {"two targets", nullptr, "", true, &Form11::Command1, "Должен быть отмечен только 1 объект"},
      {"N = 0", &Form11::Text6, "0", false, &Form11::Command1, "Введите правильно данные "},
      {"year not a number", &Form11::Text43, "двухтысячный", false, &Form11::Command1,
       "Введите правильно данные "},
      {"system velocity not a number", &Form11::Text4, "быстро", false, &Form11::Command3,
       "Ошибка при расчете"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    Form11& form = openWindow();
    if (row.box != nullptr) type(form.*row.box, row.text);
    if (row.secondTarget) click(form.Check1[4]);
    if (row.button == &Form11::Command3) click(form.Command1);
    boxes.clear();
    click(form.*row.button);
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, row.message);
    EXPECT_EQ(boxes.last().title, "Celvan7");
    form.Unload();
  }
  // Two targets also stop a running loop and compute nothing.
  Form11& form = openWindow();
  click(form.Check1[4]);
  Main.StopFlag = 0;
  click(form.Command1);
  EXPECT_EQ(Main.StopFlag, 1);
  EXPECT_EQ(form.Text30.Text(), "Text30");
}

TEST_F(Form11Test, CloseUnloadsTheWindow) {
  Form11& form = openWindow();
  EXPECT_EQ(form.Caption(),
            "Компоненты аберрации (обратный отсчет в эклиптических координатах)   Celvan7m    "
            "     форма 11");
  click(form.Command4);
  EXPECT_FALSE(ui::isFormLoaded<Form11>());
}

// "Аберрация*" on the start-up window shows this window.
TEST_F(Form11Test, TheStartUpWindowsButtonShowsIt) {
  Form1& start = startProgram();
  click(start.Command24);
  ui::Form* shown = ui::activeForm();
  ASSERT_NE(shown, nullptr);
  EXPECT_EQ(shown->Number(), 11);
  EXPECT_TRUE(shown->Visible());
}

// The phase plane plots along the Earth's heliocentric longitude without
// taking the place of the target's true direction: a further press measures
// the source aberration from the same true direction. With "+abs" the
// components are kept as their sizes.
TEST_F(Form11Test, ThePhasePlaneKeepsTheTrueDirection) {
  Form11& form = openWindow();
  type(form.Text6, "1");
  click(form.Option5);
  click(form.Check6);
  click(form.Command1);
  const double trueLongitude = form.GeoL0, trueLatitude = form.GeoB0;
  click(form.Command3);
  const std::string source = form.Text32.Text();
  click(form.Command3);
  EXPECT_EQ(form.GeoL0, trueLongitude);
  EXPECT_EQ(form.GeoB0, trueLatitude);
  EXPECT_NEAR(shown(form.Text32), CDbl(source), 1e-5);
  for (double component : {form.AisL, form.AisB, form.AprL, form.AprB, form.AsL, form.AsB})
    EXPECT_GE(component, 0);
  const Vector earth = earthPosition(form);
  EXPECT_NEAR(std::remainder(form.EarthL - std::atan2(earth.y, earth.x), 2 * M_PI), 0, 1e-6);
  EXPECT_EQ(boxes.count(), 0);
}

// The scale bar: its label in millions of km per unit and the picture's
// scale in metres per unit.
TEST_F(Form11Test, TheScaleBarSetsThePictureScale) {
  Form11& form = openWindow();
  EXPECT_EQ(Main.ImageScale, 2e10);
  struct Row {
    int value;
    const char* label;
  };
  for (const Row& row : {Row{500, "Масштаб = 50 млн.км/см"}, Row{15, "Масштаб = 1,5 млн.км/см"}}) {
    SCOPED_TRACE(row.value);
    form.HScroll1.setValue(row.value);
    EXPECT_EQ(form.Label23.Caption(), row.label);
    EXPECT_EQ(Main.ImageScale, row.value * 1e8);
  }
}

// Closing the window while the stepping loop runs ends the loop.
TEST_F(Form11Test, ClosingTheWindowEndsTheSteppingLoop) {
  Form11& form = openWindow();
  pressAtNextPass(form.Command4);
  click(form.Command5);
  EXPECT_FALSE(ui::isFormLoaded<Form11>());
  EXPECT_EQ(Main.StopFlag, 0);
  EXPECT_EQ(boxes.count(), 0);
}

// Every picture mode in both planes runs a stepping pass without a message;
// against time the receiver's component is plotted in blue from the left
// edge at its size over the angle scale.
TEST_F(Form11Test, EachPictureModeDrawsItsPass) {
  struct Row {
    ui::OptionButton Form11::*mode;
    ui::OptionButton Form11::*plane;
  };
  const Row rows[] = {
      {&Form11::Option3, &Form11::Option1}, {&Form11::Option3, &Form11::Option2},
      {&Form11::Option4, &Form11::Option1}, {&Form11::Option4, &Form11::Option2},
      {&Form11::Option5, &Form11::Option1}, {&Form11::Option5, &Form11::Option2},
  };
  for (const Row& row : rows) {
    Form11& form = openWindow();
    SCOPED_TRACE(testing::Message() << (form.*row.mode).Caption() << " "
                                    << (form.*row.plane).Caption());
    click(form.*row.mode);
    click(form.*row.plane);
    pressAtNextPass(form.Command6);
    click(form.Command5);
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_EQ(form.Text10.Text(), "1");
    if (row.mode == &Form11::Option4 && row.plane == &Form11::Option1) {
      // The passes are at the start date and a hundredth of a day later, so
      // x is -10 to a millionth; y = Apr / MAlfa. A point has a radius of
      // 0,01 unit: its pixel is the nearest one.
      const QImage& image = form.Picture1.image();
      const double y = shown(form.Text34) / 0.5;
      const int py = static_cast<int>(std::lround((10 - y) / 20 * image.height()));
      bool blue = false;
      for (int px = 0; px <= 2; ++px)
        for (int dy = -1; dy <= 1; ++dy)
          blue = blue || (image.pixel(px, py + dy) & 0xFFFFFF) == 0x0000FA;
      EXPECT_TRUE(blue);
    }
    form.Unload();
  }
}

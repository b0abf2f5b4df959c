// The ellipse and eccentric window: its series against the exact Kepler
// motion and the exact circle constructions, the classical agreement of the
// equant with the ellipse, the passes, stops and refusals, and the pictures.
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <vector>

#include "Form1Fixture.h"
#include "setup/Form14.h"

namespace {

constexpr double kTwoPi = 2 * M_PI;

// Angle (radians, from the apsidal line on the side of the larger distance)
// and distance in units of the radius.
struct Place {
  double angle, distance;
};

// The Kepler ellipse of eccentricity e at mean anomaly M counted from the
// aphelion: Kepler's equation solved by Newton's method, the true anomaly
// from the eccentric anomaly.
Place keplerFromAphelion(double e, double M) {
  const double fromPerihelion = M + M_PI;
  double E = fromPerihelion;
  for (int i = 0; i < 50; ++i) E -= (E - e * std::sin(E) - fromPerihelion) / (1 - e * std::cos(E));
  const double trueAnomaly =
      2 * std::atan2(std::sqrt(1 + e) * std::sin(E / 2), std::sqrt(1 - e) * std::cos(E / 2));
  return {trueAnomaly - M_PI, 1 - e * std::cos(E)};
}

// A point at angle M on a unit circle whose centre is e away from the
// observer along +x, seen from the observer.
Place simpleEccentricExact(double e, double M) {
  const double x = e + std::cos(M), y = std::sin(M);
  return {std::atan2(y, x), std::hypot(x, y)};
}

// A point on a unit circle centred e/2 away along +x, lying in direction M
// as seen from the equant e away: the nearer root of the circle's equation
// along that ray.
Place equantExact(double e, double M) {
  const double rho = -e / 2 * std::cos(M) + std::sqrt(1 - e * e / 4 * std::sin(M) * std::sin(M));
  const double x = e + rho * std::cos(M), y = rho * std::sin(M);
  return {std::atan2(y, x), std::hypot(x, y)};
}

class Form14Test : public Form1Test {
 protected:
  Form14& openWindow() {
    startProgram();
    Form14& form = form14();
    form.Show();
    return form;
  }

  // A button pressed while the loop lets events run.
  static void pressAtNextPass(ui::CommandButton& button) {
    QTimer::singleShot(0, button.widget(), [&button] { ui::clickAsUser(button); });
  }

  // The mean motion 365,25 rad per year is one radian a day, so a step of M
  // days puts the second pass at mean anomaly M. "Начать расчет" with
  // "Остановить" pressed at the first pass end: the boxes then show that
  // second pass.
  void passAt(Form14& form, double meanAnomaly) {
    type(form.Text4, "365,25");
    type(form.Text10, Str(meanAnomaly));
    pressAtNextPass(form.Command4);
    click(form.Command1);
  }

  void typeEccentricities(Form14& form, double e1, double e2) {
    type(form.Text2, Str(e1));
    type(form.Text3, Str(e2));
  }

  static double radians(const ui::TextBox& degrees) { return shown(degrees) * M_PI / 180; }
};

}  // namespace

// The worked values of the start inputs (R = 150000, e1 = 0.2, e2 = 0.4) at
// M = 0, 90 and 180 degrees, for both constructions.
TEST_F(Form14Test, TheStartValuesGiveTheWorkedPositions) {
  struct Row {
    double M;
    bool equant;
    double angle, r1, r2;
  };
  const Row rows[] = {
      {0, false, 0, 180000, 210000},          {0, true, 0, 180000, 180000},
      {M_PI / 2, false, 67.081688, 156000, 162000}, {M_PI / 2, true, 67.081688, 156000, 159000},
      {M_PI, false, 180, 120000, 90000},      {M_PI, true, 180, 120000, 120000},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << row.M << (row.equant ? " equant" : " simple"));
    Form14& form = openWindow();
    if (row.equant) click(form.Option2);
    passAt(form, row.M);
    EXPECT_NEAR(shown(form.Text11), row.angle, 5e-7);
    EXPECT_NEAR(shown(form.Text12), row.angle, 5e-7);
    EXPECT_NEAR(shown(form.Text14), row.r1, 1e-6);
    EXPECT_NEAR(shown(form.Text15), row.r2, 1e-6);
    EXPECT_NEAR(shown(form.Text13), 0, 1e-6);
    EXPECT_NEAR(shown(form.Text16), row.r1 - row.r2, 2e-6);  // cut to six decimals
    EXPECT_EQ(boxes.count(), 0);
    form.Unload();
  }
}

// The series of each construction against its exact geometry, around a
// whole turn: the error is of the third order in the eccentricity, so a
// wrong second-order coefficient fails. e = 0 gives the deferent itself.
TEST_F(Form14Test, TheSeriesFollowTheExactMotionToTheThirdOrder) {
  struct Construction {
    const char* name;
    bool ellipse, equant;
    Place (*exact)(double, double);
  };
  const Construction constructions[] = {
      {"ellipse", true, false, keplerFromAphelion},
      {"simple eccentric", false, false, simpleEccentricExact},
      {"eccentric with equant", false, true, equantExact},
  };
  const double R = 150000;
  for (const Construction& c : constructions) {
    for (double e : {0.0, 0.05, 0.1, 0.2}) {
      const double tolerance = 1.5 * e * e * e + 2 * e * e * e * e + 1e-12;
      Form14& form = openWindow();
      if (c.equant) click(form.Option2);
      typeEccentricities(form, e, e);
      for (double degrees = 0; degrees < 360; degrees += 30) {
        SCOPED_TRACE(testing::Message() << c.name << " e=" << e << " M=" << degrees);
        const double M = degrees * M_PI / 180;
        passAt(form, M);
        const Place exact = c.exact(e, M);
        const ui::TextBox& angle = c.ellipse ? form.Text11 : form.Text12;
        const ui::TextBox& distance = c.ellipse ? form.Text14 : form.Text15;
        EXPECT_NEAR(std::remainder(radians(angle) - exact.angle, kTwoPi), 0, tolerance);
        EXPECT_NEAR(shown(distance) / R, exact.distance, tolerance);
      }
      form.Unload();
    }
  }
}

// The classical comparison over a whole turn: an eccentric with an equant
// at twice the ellipse's eccentricity matches the Kepler ellipse both in
// angle and in distance to the first order; a simple eccentric matches the
// angle with the doubled eccentricity but then misses the distance by e R,
// and with the same eccentricity matches the distance but misses the angle
// by 2 e.
TEST_F(Form14Test, TheEquantMatchesTheEllipseToTheFirstOrder) {
  const double e1 = 0.05;
  const double R = 150000;
  struct Row {
    const char* name;
    bool equant;
    double e2;
    double angleLow, angleHigh;        // bounds of the largest |dAlfa|, radians
    double distanceLow, distanceHigh;  // bounds of the largest |dR| / R
  };
  const Row rows[] = {
      {"equant, 2 e", true, 2 * e1, 0, e1 * e1, 0, e1 * e1},
      {"simple, 2 e", false, 2 * e1, 0, e1 * e1, 0.9 * e1, 1.1 * e1},
      {"simple, e", false, e1, 0.9 * e1, 1.1 * e1, 0, e1 * e1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Form14& form = openWindow();
    if (row.equant) click(form.Option2);
    typeEccentricities(form, e1, row.e2);
    const double step = M_PI / 36;
    passAt(form, step);
    double angle = 0, distance = 0;
    for (int pass = 0; pass < 72; ++pass) {
      angle = std::max(angle, std::abs(radians(form.Text13)));
      distance = std::max(distance, std::abs(shown(form.Text16)) / R);
      click(form.Command6);
    }
    EXPECT_GE(angle, row.angleLow);
    EXPECT_LE(angle, row.angleHigh);
    EXPECT_GE(distance, row.distanceLow);
    EXPECT_LE(distance, row.distanceHigh);
    form.Unload();
  }
}

// The time goes on by the step: the start and its stop make two passes,
// each "Сделать 1 шаг" exactly one more; "Продолжить" goes on from the same
// time; the angles grow past a turn.
TEST_F(Form14Test, EachOnePassAdvancesTheTimeByOneStep) {
  Form14& form = openWindow();
  passAt(form, 2.5);
  EXPECT_EQ(shown(form.Text17), 5);
  click(form.Command6);
  EXPECT_EQ(shown(form.Text17), 7.5);
  EXPECT_EQ(Main.ModelTime, 7.5);
  pressAtNextPass(form.Command4);
  click(form.Command5);
  EXPECT_EQ(shown(form.Text17), 12.5);
  // The last pass was at M = 10 radians, beyond one turn.
  const Place exact = keplerFromAphelion(0.2, 10);
  EXPECT_NEAR(std::remainder(radians(form.Text11) - exact.angle, kTwoPi), 0, 0.02);
  EXPECT_NEAR(radians(form.Text11), 10, 0.5);  // not reduced to one turn
  // The start values' mean motion in radians per day.
  type(form.Text4, "6,28");
  pressAtNextPass(form.Command4);
  click(form.Command1);
  EXPECT_NEAR(Main.AngularSpeed[0], 6.28 / 365.25, 1e-15);
}

// Input the window cannot use: a box that is no number refuses the start;
// a graph scale of 0 ends the loop at its first pass, and so does a picture
// scale of 0, with one message (not one at every pass, which no OK ends).
TEST_F(Form14Test, InputItCannotUseGivesItsMessage) {
  struct Row {
    const char* what;
    ui::TextBox Form14::*box;
    const char* text;
    const char* message;
    int messages;
    const char* timeShown;
  };
  const Row rows[] = {
      {"radius not a number", &Form14::Text1, "сто", "Введите правильно данные", 1, ""},
      {"step missing", &Form14::Text10, "", "Введите правильно данные", 1, ""},
      {"time scale 0", &Form14::Text6, "0", "Ошибка при расчете координат", 1, ""},
      {"picture scale 0", &Form14::Text5, "0", "Ошибка при рисовании", 1, ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    Form14& form = openWindow();
    type(form.*row.box, row.text);
    boxes.clear();
    pressAtNextPass(form.Command4);
    click(form.Command1);
    ASSERT_EQ(boxes.count(), row.messages);
    EXPECT_EQ(boxes.last().text, row.message);
    EXPECT_EQ(boxes.last().title, "Celvan7.0");
    EXPECT_EQ(form.Text17.Text(), row.timeShown);
    form.Unload();
  }
}

// Closing the window while its loop runs ends the loop.
TEST_F(Form14Test, ClosingTheWindowEndsItsLoop) {
  Form14& form = openWindow();
  EXPECT_EQ(form.Caption(), "Эллипс и эксцентр (сравнение) - Celvan7m      форма 14");
  pressAtNextPass(form.Command14);
  click(form.Command1);
  EXPECT_FALSE(ui::isFormLoaded<Form14>());
  EXPECT_EQ(boxes.count(), 0);
}

// The pictures: the ellipse's line to its body in red and the eccentric's
// in blue at their places at Mx thousand km per unit; the differences
// against time at T / MT, in red for the angle and in blue for the
// distance.
TEST_F(Form14Test, ThePicturesShowTheBodiesAndTheDifferences) {
  Form14& form = openWindow();
  click(form.Check2);
  const double M = M_PI / 4;
  passAt(form, M);
  const auto colourAt = [](const ui::PictureBox& picture, double x, double y, double left,
                           double top, double width, double height) {
    const QImage& image = picture.image();
    const int px = static_cast<int>(std::lround((x - left) / width * image.width()));
    const int py = static_cast<int>(std::lround((top - y) / height * image.height()));
    std::vector<QRgb> around;
    for (int dx = -1; dx <= 1; ++dx)
      for (int dy = -1; dy <= 1; ++dy) around.push_back(image.pixel(px + dx, py + dy) & 0xFFFFFF);
    return around;
  };
  const auto has = [](const std::vector<QRgb>& pixels, QRgb colour) {
    return std::find(pixels.begin(), pixels.end(), colour) != pixels.end();
  };
  const QRgb red = 0xFF0000, blue = 0x0000FF;
  const double mx = 20000;
  const Place ellipse = keplerFromAphelion(0.2, M);
  const double r1 = shown(form.Text14), r2 = shown(form.Text15);
  const double a1 = radians(form.Text11), a2 = radians(form.Text12);
  EXPECT_NEAR(a1, ellipse.angle, 0.02);
  // Half way from the observer to each body.
  EXPECT_TRUE(has(colourAt(form.Picture1, r1 / 2 * std::cos(a1) / mx, r1 / 2 * std::sin(a1) / mx,
                           -10, 10, 24, 20),
                  red));
  EXPECT_TRUE(has(colourAt(form.Picture1, r2 / 2 * std::cos(a2) / mx, r2 / 2 * std::sin(a2) / mx,
                           -10, 10, 24, 20),
                  blue));
  // The graph point of the pass at T = M days, MT = 36,525 days a unit.
  const double t = M / 36.525;
  EXPECT_TRUE(has(colourAt(form.Picture3, t, shown(form.Text13), 0, 4, 16, 8), red));
  EXPECT_TRUE(has(colourAt(form.Picture3, t, shown(form.Text16) / 10000, 0, 4, 16, 8), blue));
}

// "Эллипс*" on the start-up window shows this window.
TEST_F(Form14Test, TheStartUpWindowsButtonShowsIt) {
  Form1& start = startProgram();
  click(start.Command23);
  ui::Form* shown = ui::activeForm();
  ASSERT_NE(shown, nullptr);
  EXPECT_EQ(shown->Number(), 14);
  EXPECT_TRUE(shown->Visible());
}

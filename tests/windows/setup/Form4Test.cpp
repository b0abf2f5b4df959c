// The velocity window: the decomposition of the tabulated relative
// velocities against the worked example of the start values and the laws of
// spherical coordinates, the drawing of the sum, the refusals, and the
// system velocity added to the start velocities of every body.
#include <cmath>

#include "Form1Fixture.h"
#include "setup/Form4.h"

namespace {

// Angles are turned into radians with the program's pi.
constexpr double kDegree = 3.14159265359 / 180;

struct Components {
  double x, y, z;
};

class Form4Test : public Form1Test {
 protected:
  Form4& openWindow() {
    startProgram();
    Form4& form = form4();
    form.Show();
    return form;
  }

  static Components shownComponents(const ui::TextBox& x, const ui::TextBox& y,
                                    const ui::TextBox& z) {
    return {shown(x), shown(y), shown(z)};
  }
  static Components sums(const Form4& form) {
    return shownComponents(form.Text34, form.Text35, form.Text36);
  }

  // True when the picture has a pixel of the colour at user coordinates
  // (x, y) of the window's scale -10..10 both ways, or next to them.
  static bool drawnNear(const Form4& form, double x, double y, QRgb colour) {
    const QImage& image = form.Picture1.image();
    const int px = static_cast<int>(std::lround((x + 10) / 20 * image.width()));
    const int py = static_cast<int>(std::lround((10 - y) / 20 * image.height()));
    for (int dx = -1; dx <= 1; ++dx)
      for (int dy = -1; dy <= 1; ++dy)
        if ((image.pixel(px + dx, py + dy) & 0xFFFFFF) == colour) return true;
    return false;
  }
};

void expectComponents(const Components& shown, const Components& expected, double tolerance) {
  EXPECT_NEAR(shown.x, expected.x, tolerance);
  EXPECT_NEAR(shown.y, expected.y, tolerance);
  EXPECT_NEAR(shown.z, expected.z, tolerance);
}

}  // namespace

// The worked example of the start values (rows 1, 2 and 5 ticked, all "+"),
// printed to six decimals; each row's components also keep its speed and
// point along its Alfa and Betta, as spherical coordinates do.
TEST_F(Form4Test, TheStartValuesDecomposeAsTheWorkedExample) {
  Form4& form = openWindow();
  click(form.Command2);
  struct Row {
    const ui::TextBox &x, &y, &z;
    double speed, alfa, betta;
    Components expected;
  };
  const Row rows[] = {
      {form.Text7, form.Text8, form.Text9, 19.4, 270, 53, {0, -11.675211, 15.493529}},
      {form.Text13, form.Text14, form.Text15, 225, 347, 60, {109.616632, -25.306994, 194.855716}},
      {form.Text31, form.Text32, form.Text33, 552, 169, -30, {-469.262971, 91.215481, -276}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.speed);
    const Components c = shownComponents(row.x, row.y, row.z);
    expectComponents(c, row.expected, 5e-7);
    EXPECT_NEAR(std::sqrt(c.x * c.x + c.y * c.y + c.z * c.z), row.speed, 1e-9);
    EXPECT_NEAR(std::asin(c.z / row.speed), row.betta * kDegree, 1e-12);
    EXPECT_NEAR(std::remainder(std::atan2(c.y, c.x) - row.alfa * kDegree, 2 * M_PI), 0, 1e-12);
  }
  // Row 1 points along -Y up to the rounding of pi: its X is tiny, not 0.
  EXPECT_LT(std::abs(shown(form.Text7)), 1e-10);
  // Rows not ticked show nothing.
  EXPECT_EQ(form.Text19.Text(), "");
  EXPECT_EQ(form.Text25.Text(), "");

  const Components total = sums(form);
  expectComponents(total, {-359.646339, 54.233276, -65.650755}, 5e-7);
  EXPECT_NEAR(std::sqrt(total.x * total.x + total.y * total.y + total.z * total.z), 369.59, 5e-3);
  EXPECT_EQ(Str(Main.VXsum), form.Text34.Text());
  EXPECT_EQ(Str(Main.VYsum), form.Text35.Text());
  EXPECT_EQ(Str(Main.VZsum), form.Text36.Text());
  EXPECT_EQ(boxes.count(), 0);
}

// The sum is drawn in black from the origin of each diagram to its
// components over the scale (km/s per unit): in XY about (0, -5), in XZ
// about (0, 5). Row 2 alone, at two scales.
TEST_F(Form4Test, TheSumIsDrawnAtItsComponentsOverTheScale) {
  Form4& form = openWindow();
  click(form.Check1);
  click(form.Check5);
  for (double scale : {50.0, 100.0}) {
    SCOPED_TRACE(scale);
    type(form.Text37, Str(scale));
    click(form.Command2);
    const Components total = sums(form);
    const QRgb black = 0;
    for (double along : {0.5, 0.95}) {
      SCOPED_TRACE(along);
      EXPECT_TRUE(drawnNear(form, along * total.x / scale, along * total.y / scale - 5, black));
      EXPECT_TRUE(drawnNear(form, along * total.x / scale, along * total.z / scale + 5, black));
    }
  }
}

// "--" turns a row round: its components and its share of the sum change
// sign. A bad or missing number and a scale of 0 end the press with the
// message; what was shown before the fault stays.
TEST_F(Form4Test, TheSignReversesARowAndItsShareOfTheSum) {
  Form4& form = openWindow();
  click(form.Command2);
  const Components row1 = shownComponents(form.Text7, form.Text8, form.Text9);
  const Components before = sums(form);
  click(form.Option2);
  click(form.Command2);
  expectComponents(shownComponents(form.Text7, form.Text8, form.Text9), {-row1.x, -row1.y, -row1.z},
                   1e-12);
  expectComponents(sums(form),
                   {before.x - 2 * row1.x, before.y - 2 * row1.y, before.z - 2 * row1.z}, 1e-9);
}

TEST_F(Form4Test, InputItCannotUseEndsThePressWithItsMessage) {
  struct Row {
    const char* what;
    ui::TextBox Form4::*box;
    const char* text;
    bool firstRowShown;
  };
  const Row rows[] = {
      {"scale 0", &Form4::Text37, "0", true},
      {"scale not a number", &Form4::Text37, "пятьдесят", false},
      {"speed with a decimal point", &Form4::Text10, "225.0", true},
      {"angle missing", &Form4::Text5, "", false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    Form4& form = openWindow();
    type(form.*row.box, row.text);
    boxes.clear();
    click(form.Command2);
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, "Введите правильно данные");
    EXPECT_EQ(boxes.last().title, "Celvan7");
    EXPECT_EQ(form.Text7.Text() != "", row.firstRowShown);
    EXPECT_EQ(form.Text13.Text(), "");  // the second row is never reached
    form.Unload();
  }
}

// The press computes on its own: a model run going on is not stopped, and
// the Sun's current velocity stays what it was, whatever the rows' signs.
TEST_F(Form4Test, TheDecompositionTouchesNoRunAndNoBody) {
  Form4& form = openWindow();
  const double sunVX = Main.VX[0], sunVY = Main.VY[0], sunVZ = Main.VZ[0];
  for (int stopFlag : {0, 1}) {
    SCOPED_TRACE(stopFlag);
    Main.StopFlag = static_cast<int16_t>(stopFlag);
    click(form.Command2);
    EXPECT_EQ(Main.StopFlag, stopFlag);
    click(form.Option10);  // the last ticked row turned round
    click(form.Command2);
    EXPECT_EQ(Main.StopFlag, stopFlag);
    click(form.Option9);
  }
  EXPECT_EQ(Main.VX[0], sunVX);
  EXPECT_EQ(Main.VY[0], sunVY);
  EXPECT_EQ(Main.VZ[0], sunVZ);
}

// No row ticked: the sums are 0.
TEST_F(Form4Test, NoRowTickedGivesAZeroSum) {
  Form4& form = openWindow();
  for (ui::CheckBox* row : {&form.Check1, &form.Check2, &form.Check5}) click(*row);
  click(form.Command2);
  expectComponents(sums(form), {0, 0, 0}, 0);
  EXPECT_EQ(boxes.count(), 0);
}

// "Задать скорость системе" puts the typed km/s on every body's start
// velocity in m/s, keeps the start positions, and shows the result in the
// start-up window's grid; the start state itself stays, so a second press
// replaces the system velocity and 0, 0, 0 restores the start velocities.
TEST_F(Form4Test, TheSystemVelocityIsAddedToTheStartVelocities) {
  startProgram();
  Main.VXsys = 12.5;
  Form4& form = form4();
  form.Show();
  EXPECT_EQ(form.Text1.Text(), "12,5");
  EXPECT_EQ(form.Text2.Text(), "0");
  struct Row {
    const char *vx, *vy, *vz;
    double x, y, z;
  };
  const Row rows[] = {{"10", "-20", "5,5", 10, -20, 5.5}, {"0", "0", "0", 0, 0, 0}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.vx);
    type(form.Text1, row.vx);
    type(form.Text2, row.vy);
    type(form.Text3, row.vz);
    click(form.Command1);
    EXPECT_EQ(Main.VXsys, row.x);
    EXPECT_EQ(Main.VYsys, row.y);
    EXPECT_EQ(Main.VZsys, row.z);
    for (int i = 0; i <= Main.LastObjectIndex; ++i) {
      SCOPED_TRACE(i);
      EXPECT_EQ(Main.X[i], Main.X0[i]);
      EXPECT_EQ(Main.Z[i], Main.Z0[i]);
      EXPECT_EQ(Main.VX[i], 1000 * row.x + Main.VX0[i]);
      EXPECT_EQ(Main.VY[i], 1000 * row.y + Main.VY0[i]);
      EXPECT_EQ(Main.VZ[i], 1000 * row.z + Main.VZ0[i]);
    }
    EXPECT_TRUE(form1().Option3.Value());
    EXPECT_NEAR(shown(form1().Text5[1]), Main.VY[1], 1e-6);
  }
  EXPECT_EQ(boxes.count(), 0);
}

// A system velocity that does not read: the message, with the components
// read before it already set.
TEST_F(Form4Test, ASystemVelocityThatDoesNotReadStopsAtTheBadBox) {
  Form4& form = openWindow();
  const double vy = Main.VY[1];
  type(form.Text1, "7");
  type(form.Text2, "семь");
  click(form.Command1);
  ASSERT_EQ(boxes.count(), 1);
  EXPECT_EQ(boxes.last().text, "Введите правильно данные");
  EXPECT_EQ(boxes.last().title, "Celvan7");
  EXPECT_EQ(Main.VXsys, 7);
  EXPECT_EQ(Main.VYsys, 0);
  EXPECT_EQ(Main.VY[1], vy);
}

TEST_F(Form4Test, CloseUnloadsTheWindow) {
  Form4& form = openWindow();
  EXPECT_EQ(form.Caption(), "Скорости Солнечной системы       Celvan7m    -  форма 4");
  click(form.Command3);
  EXPECT_FALSE(ui::isFormLoaded<Form4>());
}

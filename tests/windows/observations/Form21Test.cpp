// The Moon perturbation window: the defaults its load applies, the rows a
// user ticks and unticks, a box that holds no number, and the amplitudes
// as MoonPerturbationsDLDB adds them, checked against the periodic terms
// of the Moon's longitude in Meeus, Astronomical Algorithms, table 47.A.
#include <cmath>

#include "core/theory/Theory.h"
#include "observations/Form21.h"
#include "tests/windows/observations/PerturbationFixture.h"

namespace {

constexpr double kDegree = 3.14159265358979323846 / 180.0;

class Form21Test : public PerturbationTest {
 protected:
  // Unticks every row that is ticked.
  static void untickAll(Form21& form) {
    for (int i : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 25, 26, 27, 28})
      if (form.Check1[i].Value() == 1) click(form.Check1[i]);
  }
};

// The mean angles (degrees) that MoonPerturbationsDLDB forms: D elongation,
// l the Moon's mean anomaly, ls the Sun's, F the argument of latitude.
struct Angles {
  double d, l, ls, f;
};

// Mean elements of the Moon (11) and the Earth (3) that give these angles;
// the Sun's longitude and perihelion are the Earth's plus 180 degrees.
void setMeanElements(const Angles& a) {
  const double sun = 100.0;
  const double moon = sun + a.d;
  Main.AlfaL[3] = (sun - 180.0) * kDegree;
  Main.AlfaP[3] = (sun - a.ls - 180.0) * kDegree;
  Main.AlfaL[11] = moon * kDegree;
  Main.AlfaP[11] = (moon - a.l) * kDegree;
  Main.AlfaU[11] = (moon - a.f) * kDegree;
}

// The perturbation MoonPerturbationsDLDB adds to the Moon's longitude and
// latitude at these angles (degrees).
std::pair<double, double> perturbationAt(const Angles& a) {
  setMeanElements(a);
  Main.LonL[11] = 0;
  Main.LatB[11] = 0;
  MoonPerturbationsDLDB();
  return {Main.LonL[11], Main.LatB[11]};
}

double sinDeg(double x) { return std::sin(x * kDegree); }

// Meeus table 47.A, the terms that the window ticks by default, with
// Meeus's amplitudes (degrees; M' the Moon's and M the Sun's anomaly).
double meeusTickedLongitudeTerms(const Angles& a) {
  const double D = a.d, Mm = a.l, M = a.ls, F = a.f;
  return 1.274027 * sinDeg(2 * D - Mm) + 0.658314 * sinDeg(2 * D) - 0.185116 * sinDeg(M) -
         0.034720 * sinDeg(D) + 0.058793 * sinDeg(2 * D - 2 * Mm) + 0.057066 * sinDeg(2 * D - M - Mm) +
         0.053322 * sinDeg(2 * D + Mm) + 0.045758 * sinDeg(2 * D - M) - 0.040923 * sinDeg(M - Mm) -
         0.030383 * sinDeg(M + Mm) + 0.015327 * sinDeg(2 * D - 2 * F);
}

// Meeus table 47.B, the latitude terms ticked by default.
double meeusTickedLatitudeTerms(const Angles& a) {
  const double D = a.d, Mm = a.l, F = a.f;
  return 0.173237 * sinDeg(2 * D - F) + 0.055413 * sinDeg(2 * D - Mm + F) + 0.046271 * sinDeg(2 * D - Mm - F) +
         0.032573 * sinDeg(2 * D + F);
}

TEST_F(Form21Test, LoadAppliesTheTickedDefaults) {
  Form21& form = form21();
  EXPECT_EQ(form.Caption(), "Возмущения  Луны dLdB");
  EXPECT_EQ(form.Text1[3].Text(), "-1,2739");
  EXPECT_EQ(form.Text1[1].Text(), "6,2889");
  for (int unticked : {1, 2, 6, 11, 12}) EXPECT_EQ(Main.MoonPerturbationCoefficients[unticked], 0) << unticked;
  EXPECT_EQ(Main.MoonPerturbationCoefficients[3], -1.2739);
  EXPECT_EQ(Main.MoonPerturbationCoefficients[4], 0.6583);
  EXPECT_EQ(Main.MoonPerturbationCoefficients[16], 0.0326);
  EXPECT_EQ(Main.MoonPerturbationCoefficients[28], -0.0153);
  EXPECT_EQ(boxes.count(), 0);
}

// With the defaults, the perturbation is the sum of the same terms of
// Meeus's lunar series. The window's amplitudes are rounded to 0.0001
// degree and differ from Meeus's by up to 0.0005 (annual equation), so
// the sums agree to the sum of those differences; a wrong argument or sign
// of any term would be off by its full amplitude, 0.015 degree or more.
TEST_F(Form21Test, DefaultTermsAgreeWithMeeusLunarSeries) {
  form21();
  const Angles cases[] = {
      {0, 0, 0, 0},          {30, 60, 90, 120},   {45, 10, 200, 300}, {123.4, 234.5, 345.6, 56.7},
      {270, 135, 315, 225},  {350, 5, 180, 90},   {90, 270, 45, 10},  {200, 100, 50, 25},
  };
  for (const Angles& a : cases) {
    SCOPED_TRACE(testing::Message() << "D " << a.d << " l " << a.l << " ls " << a.ls << " F " << a.f);
    const auto [dL, dB] = perturbationAt(a);
    EXPECT_NEAR(dL, meeusTickedLongitudeTerms(a), 1.5e-3);
    EXPECT_NEAR(dB, meeusTickedLatitudeTerms(a), 3e-4);
  }
}

struct MainTerm {
  const char* name;
  int row;
  Angles angles;  // where the term's sine is +1 or -1
  double meeus;   // Meeus's value of the term there, degrees
};

// Evection, variation and annual equation on their own: only their row is
// ticked, and the perturbation at an argument of ±90 degrees is Meeus's
// amplitude with the sign of table 47.A.
TEST_F(Form21Test, MainInequalitiesHaveMeeusAmplitudes) {
  const MainTerm cases[] = {
      {"evection 1.274027 sin(2D - M')", 3, {0, 90, 0, 0}, -1.274027},
      {"evection at 2D - M' = 90", 3, {45, 0, 0, 0}, 1.274027},
      {"variation 0.658314 sin 2D", 4, {45, 0, 0, 0}, 0.658314},
      {"annual equation -0.185116 sin M", 5, {0, 0, 90, 0}, -0.185116},
      {"annual equation at M = 270", 5, {0, 0, 270, 0}, 0.185116},
  };
  Form21& form = form21();
  form.Show();
  for (const MainTerm& c : cases) {
    SCOPED_TRACE(c.name);
    untickAll(form);
    click(form.Check1[c.row]);
    click(form.Command1);
    EXPECT_NEAR(perturbationAt(c.angles).first, c.meeus, 6e-4);
    EXPECT_EQ(perturbationAt(c.angles).second, 0);
  }
}

TEST_F(Form21Test, TickedRowsAreAppliedAndUntickedOnesCleared) {
  Form21& form = form21();
  form.Show();
  click(form.Check1[1]);
  click(form.Command1);
  EXPECT_EQ(Main.MoonPerturbationCoefficients[1], 6.2889);

  for (int i = 17; i <= 24; ++i) Main.MoonPerturbationCoefficients[i] = 7;
  untickAll(form);
  click(form.Command1);
  for (int i = 1; i <= 28; ++i)
    EXPECT_EQ(Main.MoonPerturbationCoefficients[i], i >= 17 && i <= 24 ? 7 : 0) << i;
}

// An amplitude typed in a box counts only after "Задать значения
// коэффициентов"; a new load of the window brings the defaults back.
TEST_F(Form21Test, TypedAmplitudeAppliesOnTheButtonAndALoadRestoresDefaults) {
  Form21& form = form21();
  form.Show();
  type(form.Text1[4], "0,7");
  EXPECT_EQ(Main.MoonPerturbationCoefficients[4], 0.6583);
  click(form.Command1);
  EXPECT_EQ(Main.MoonPerturbationCoefficients[4], 0.7);

  click(form.Command2);
  EXPECT_FALSE(ui::isFormLoaded<Form21>());
  EXPECT_EQ(Main.MoonPerturbationCoefficients[4], 0.7);
  EXPECT_EQ(form21().Text1[4].Text(), "0,6583");
  EXPECT_EQ(Main.MoonPerturbationCoefficients[4], 0.6583);
}

// A ticked box without a number is refused and every amplitude stays as
// it was; an unticked box is not read at all.
TEST_F(Form21Test, ABoxWithoutANumberChangesNothing) {
  Form21& form = form21();
  form.Show();
  type(form.Text1[1], "abc");  // unticked: not read
  type(form.Text1[3], "-1,3");
  type(form.Text1[10], "0.05");
  click(form.Command1);
  expectOneMessage("Введите правильно данные");
  EXPECT_EQ(Main.MoonPerturbationCoefficients[3], -1.2739);
  EXPECT_EQ(Main.MoonPerturbationCoefficients[10], 0.0533);

  boxes.clear();
  type(form.Text1[10], "0,05");
  click(form.Command1);
  EXPECT_EQ(boxes.count(), 0);
  EXPECT_EQ(Main.MoonPerturbationCoefficients[3], -1.3);
  EXPECT_EQ(Main.MoonPerturbationCoefficients[10], 0.05);
}

}  // namespace

// "Задать координаты и скорости Луны и Земли": the Moon's start data against
// the two-body laws (vis-viva, the angular momentum of the typed ellipse,
// the barycentre at rest), the elements of a theory for a date, and the
// refusals of bad input.
#include <vector>

#include "Form20Fixture.h"

namespace {

using namespace reference;

struct Vec {
  double x, y, z;
  Vec operator-(const Vec& o) const { return {x - o.x, y - o.y, z - o.z}; }
  Vec operator*(double k) const { return {k * x, k * y, k * z}; }
  Vec operator+(const Vec& o) const { return {x + o.x, y + o.y, z + o.z}; }
  double length() const { return std::sqrt(x * x + y * y + z * z); }
};
Vec cross(const Vec& a, const Vec& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

// The window's own start data of the pair.
const ModelStartData& pair() { return form20().PairStartData; }
Vec startPosition(int slot) { return {pair().X0[slot], pair().Y0[slot], pair().Z0[slot]}; }
Vec startVelocity(int slot) { return {pair().VX0[slot], pair().VY0[slot], pair().VZ0[slot]}; }

// The typed ellipse of the window's start: a = 384,4 thousand km, e = 0,05,
// i = 5,1454°, node 270°.
constexpr double kTypedAxis = 384.4e6;
constexpr double kTypedEccentricity = 0.05;
constexpr double kTypedInclination = 5.1454;
constexpr double kTypedNode = 270;
constexpr double kDegree = kPi / 180;

// The orbit a position r and velocity v relative to a centre of
// gravitational parameter mu describe: semi-major axis from vis-viva,
// eccentricity from the angular momentum, inclination and node from its
// direction.
struct Orbit {
  double axis, eccentricity, inclination, node;  // m, -, degrees, degrees
};
Orbit orbitOf(const Vec& r, const Vec& v, double mu) {
  const double axis = 1 / (2 / r.length() - v.length() * v.length() / mu);
  const Vec h = cross(r, v);
  const double eccentricity = std::sqrt(1 - h.length() * h.length() / (mu * axis));
  const double inclination = std::acos(h.z / h.length()) / kDegree;
  double node = std::atan2(h.x, -h.y) / kDegree;
  if (node < 0) node += 360;
  return {axis, eccentricity, inclination, node};
}

void expectTypedEllipse(const Orbit& orbit) {
  EXPECT_NEAR(orbit.axis / kTypedAxis, 1, 1e-12);
  EXPECT_NEAR(orbit.eccentricity, kTypedEccentricity, 1e-9);
  EXPECT_NEAR(orbit.inclination, kTypedInclination, 1e-9);
  EXPECT_NEAR(orbit.node, kTypedNode, 1e-9);
}

// Central masses of the Moon's orbit, kg.
double earthAlone() { return earthMass(); }
double earthAndMoon() { return earthMass() + moonMass(); }
// The Moon about the barycentre: mz³ / (mz + ml)².
double barycentricCentre() {
  const double mz = earthMass();
  return mz * mz * mz / (earthAndMoon() * earthAndMoon());
}

}  // namespace

TEST_F(Form20Test, TheMoonStartsOnTheTypedEllipseForEachCentralMass) {
  // Without corrections the Earth stays at rest at the origin and the Moon
  // moves about it on the typed ellipse with the central mass of the option.
  struct Case {
    const char* name;
    bool focusInBarycentre;
    ui::OptionButton Form20::*massOption;
    double (*centralMass)();
  };
  const Case cases[] = {
      {"mz", false, &Form20::Option1, earthAlone},
      {"mz+ml about the Earth", false, &Form20::Option2, earthAndMoon},
      {"mz+ml about the barycentre", true, &Form20::Option3, earthAndMoon},
      {"mz^3/(mz+ml)^2", true, &Form20::Option4, barycentricCentre},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Form20& form = openMoonWindow();
    click(c.focusInBarycentre ? form.Option6 : form.Option5);
    click(form.*c.massOption);
    for (ui::CheckBox* correction : {&form.Check11, &form.Check12, &form.Check5, &form.Check7,
                                     &form.Check9})
      setTicked(*correction, false);
    click(form.Command6);
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_EQ(pair().kodMoon, 1);
    EXPECT_EQ(startPosition(0).length(), 0);
    EXPECT_EQ(startVelocity(0).length(), 0);
    expectTypedEllipse(orbitOf(startPosition(11), startVelocity(11), kGamma * c.centralMass()));
    form.Unload();
  }
}

TEST_F(Form20Test, TheCorrectionsOfEachFocusPutTheTypedEllipseWhereItBelongs) {
  // In the Earth's centre (corrections a, b, d): the barycentre stays at rest
  // at the origin and the Moon moves about it on the typed ellipse, as a
  // body of a pair does under mz³/(mz+ml)². In the barycentre (a, c, d, e
  // with "mz+ml"): the Moon moves about the Earth on the typed ellipse, as
  // the relative orbit of a pair does under mz+ml.
  Form20& form = openMoonWindow();
  click(form.Command6);
  EXPECT_EQ(boxes.count(), 0);
  const double mz = earthMass(), ml = moonMass();
  const Vec barycentre = (startPosition(0) * mz + startPosition(11) * ml) * (1 / (mz + ml));
  const Vec momentum = startVelocity(0) * mz + startVelocity(11) * ml;
  EXPECT_LT(barycentre.length(), 1e-15 * kTypedAxis);
  EXPECT_LT(momentum.length(), 1e-15 * ml * startVelocity(11).length());
  expectTypedEllipse(orbitOf(startPosition(11), startVelocity(11), kGamma * barycentricCentre()));

  click(form.Option6);
  EXPECT_EQ(form.KodBary, 1);
  click(form.Command6);
  EXPECT_EQ(boxes.count(), 0);
  expectTypedEllipse(orbitOf(startPosition(11) - startPosition(0),
                             startVelocity(11) - startVelocity(0), kGamma * earthAndMoon()));
}

TEST_F(Form20Test, ATheoryGivesTheMoonsMeanElementsForTheDate) {
  // Meeus, Astronomical Algorithms, 2nd ed., ch. 47, at J2000.0: mean
  // longitude L' = 218.3164477°, node 125.0445479°, perigee L' - M' =
  // 83.3530513°, and the mean orbit's e = 0.0549, i = 5.145°. The theories'
  // mean elements agree with them to about 0.01°.
  Form20& form = openMoonWindow();
  click(form.Option10);  // "Ser0 (J2000)"
  click(form.Command6);
  EXPECT_EQ(boxes.count(), 0);
  EXPECT_NEAR(shown(form.Text1), 218.3164477, 0.01);
  EXPECT_NEAR(shown(form.Text8), 83.3530513, 0.01);
  EXPECT_NEAR(shown(form.Text9), 125.0445479, 0.015);
  EXPECT_NEAR(shown(form.Text7), 0.0549, 0.0001);
  EXPECT_NEAR(shown(form.Text40), 5.145, 0.005);
  // ET-UT of the parabola 24,35 + 72,32 T + 29,95 T² with T = 1 Julian
  // century from JD 2415020.
  EXPECT_NEAR(shown(form.Text35), 126.62, 0.005);
  // The Moon sits at the distance its ellipse gives for its mean anomaly
  // (about 135° past perigee): r = a (1 - e²) / (1 + e cos v) with the true
  // anomaly v ≈ M + 2e sin M + 5/4 e² sin 2M (the equation of the centre);
  // with the Earth in the focus and the corrections a, b, d the ellipse is
  // the Moon's about the barycentre, which rests at the origin.
  const double a = pair().Rsr[11];
  const double e = pair().Eks[11];
  const double meanAnomaly = (shown(form.Text1) - shown(form.Text8)) * kDegree;
  const double trueAnomaly = meanAnomaly + 2 * e * std::sin(meanAnomaly) +
                             1.25 * e * e * std::sin(2 * meanAnomaly);
  const double r = startPosition(11).length();
  EXPECT_NEAR(r / (a * (1 - e * e) / (1 + e * std::cos(trueAnomaly))), 1, 1e-4);
}

TEST_F(Form20Test, ARefusedBoxStopsTheStartDataAndKeepsTheEarlierOnes) {
  // Each fails after the node typed into Text9 was read: neither the
  // window's start data of the pair nor the model's change.
  struct Case {
    ui::TextBox Form20::*box;
    const char* text;
  };
  const Case cases[] = {
      {&Form20::Text21, "0"},      // the mass ratio divides the Earth's mass
      {&Form20::Text7, "1"},       // no ellipse
      {&Form20::Text10, "384.4"},  // a decimal point, not the comma
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    Form20& form = openMoonWindow();
    click(form.Command6);
    const ModelStartData before = pair();
    const ModelStartData model = currentModelStartData();
    type(form.Text9, "100");
    type(form.*c.box, c.text);
    boxes.clear();
    click(form.Command6);
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, "Введите правильно данные");
    EXPECT_EQ(boxes.last().title, "Celvan7m");
    EXPECT_TRUE(pair() == before);
    EXPECT_TRUE(currentModelStartData() == model);
    form.Unload();
  }
}

TEST_F(Form20Test, ARefusedDateComputesNothingForTheTheory) {
  // The date message is the only one, and no element of another date takes
  // the place of the Moon's.
  Form20& form = openMoonWindow();
  click(form.Option10);
  click(form.Command6);
  const double meanLongitude = pair().AlfaL[11];
  const double startX = pair().X0[11];
  type(form.Text34, "2000");
  type(form.Text33, "март");
  type(form.Text32, "1");
  boxes.clear();
  click(form.Command6);
  ASSERT_EQ(boxes.count(), 1);
  EXPECT_EQ(boxes.last().text, "Введите правильно дату");
  EXPECT_EQ(pair().AlfaL[11], meanLongitude);
  EXPECT_EQ(pair().X0[11], startX);
}

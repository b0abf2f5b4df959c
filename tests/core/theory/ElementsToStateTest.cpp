// Position and velocity from elements against the laws of the two-body
// problem: vis-viva, the angular momentum and the orbit plane.
#include <gtest/gtest.h>

#include <cmath>

#include "core/state/SharedState.h"
#include "core/theory/Theory.h"
#include "tests/core/theory/TheoryTestSupport.h"

namespace {

using theory_test::kGammaDE405;

struct Vector {
  double x, y, z;
};

Vector cross(const Vector& a, const Vector& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
double norm(const Vector& a) { return std::sqrt(a.x * a.x + a.y * a.y + a.z * a.z); }

Vector positionOf(int body) { return {Main.X[body], Main.Y[body], Main.Z[body]}; }
Vector velocityOf(int body) { return {Main.VX[body], Main.VY[body], Main.VZ[body]}; }

// The two-body laws for a state from elements with μ = gamma Mass(12):
// |v|² = μ (2/r - 1/a), |r × v| = sqrt(μ a (1 - e²)) along the normal of the
// orbit plane (sin i sin Ω, -sin i cos Ω, cos i), a(1 - e) ≤ r ≤ a(1 + e).
void expectTwoBodyLaws(int body) {
  const Vector r = positionOf(body);
  const Vector v = velocityOf(body);
  const double mu = Main.gamma * Main.Mass[12];
  const double a = Main.Rsr[body], e = Main.Eks[body];
  const double distance = norm(r);
  EXPECT_NEAR(distance / Main.RadiusVector[body], 1.0, 1e-13);
  EXPECT_GE(distance, a * (1.0 - e) * (1.0 - 1e-13));
  EXPECT_LE(distance, a * (1.0 + e) * (1.0 + 1e-13));
  const double speedSquared = v.x * v.x + v.y * v.y + v.z * v.z;
  EXPECT_NEAR(speedSquared / (mu * (2.0 / distance - 1.0 / a)), 1.0, 1e-12);
  const Vector h = cross(r, v);
  const double hMagnitude = norm(h);
  EXPECT_NEAR(hMagnitude / std::sqrt(mu * a * (1.0 - e * e)), 1.0, 1e-12);
  const double i = Main.Betta[body], node = Main.AlfaU[body];
  EXPECT_NEAR(h.x / hMagnitude, std::sin(i) * std::sin(node), 1e-12);
  EXPECT_NEAR(h.y / hMagnitude, -std::sin(i) * std::cos(node), 1e-12);
  EXPECT_NEAR(h.z / hMagnitude, std::cos(i), 1e-12);
}

TEST(ElementsToState, PlanetsOfJPL0ObeyTheTwoBodyLaws) {
  theory_test::startWithDE405Masses();
  for (const double jd : {2378862.0, 2451545.0, 2469807.5}) {
    for (int body = 1; body <= 9; ++body) {
      SCOPED_TRACE(jd);
      SCOPED_TRACE(body);
      Main.JD = jd;
      Main.CurrentObject = static_cast<int16_t>(body);
      SetElementsJPL0();
      PositionFromElements();
      VelocityFromElements();
      EXPECT_EQ(Main.SecondObject, 0);
      EXPECT_EQ(Main.Mass[12], Main.Mass[0]);
      expectTwoBodyLaws(body);
    }
  }
}

TEST(ElementsToState, RetrogradeNearlyParabolicCometObeysTheTwoBodyLaws) {
  theory_test::startWithDE405Masses();
  // Comet 1P/Halley, elements of its 1986 apparition (J2000 ecliptic):
  // a = 17.834 AU, e = 0.96714, i = 162.26°, Ω = 58.42°, ω = 111.33°;
  // a mean anomaly of 1 degree, where Kepler's equation needs Newton's method.
  Main.CurrentObject = 10;
  Main.Mass[10] = 2.2e14;
  const double perihelion = 58.42 + 111.33;
  theory_test::setOrbitElements(
      10, {17.834 * Main.Lae, 0.96714, 162.26 / Main.kUgol, 58.42 / Main.kUgol,
           perihelion / Main.kUgol, (perihelion + 1.0) / Main.kUgol});
  PositionFromElements();
  VelocityFromElements();
  expectTwoBodyLaws(10);
}

TEST(ElementsToState, CentralMassFollowsTheChosenOrbitAboutThePair) {
  theory_test::startWithDE405Masses();
  Main.JD = 2451545.0;
  Main.CurrentObject = 11;
  SetElementsSer0();
  const double moon = Main.Mass[11], earth = Main.Mass[13];
  // The relative orbit of the pair has μ = G (M + m) (mode 1). The Moon's own
  // orbit about the barycentre is the relative one scaled by M/(M + m), with
  // the same period: μ = G (M + m) (M/(M + m))³ = G M³/(M + m)² (mode 2).
  struct Mode {
    int16_t kodBary;
    double mu;
  };
  const Mode modes[] = {{0, kGammaDE405 * earth},
                        {1, kGammaDE405 * (earth + moon)},
                        {2, kGammaDE405 * (earth + moon) * std::pow(earth / (earth + moon), 3)},
                        {7, kGammaDE405 * earth}};
  for (const Mode& mode : modes) {
    SCOPED_TRACE(mode.kodBary);
    Main.kodBary = mode.kodBary;
    Main.kodMoon = 1;  // the Earth alone is the centre
    PositionFromElements();
    VelocityFromElements();
    EXPECT_EQ(Main.SecondObject, 13);
    EXPECT_NEAR(Main.gamma * Main.Mass[12] / mode.mu, 1.0, 1e-14);
    expectTwoBodyLaws(11);
  }
  // Without kodMoon the Sun is the centre, for the Moon as well.
  Main.kodMoon = 0;
  Main.kodBary = 0;
  VelocityFromElements();
  EXPECT_EQ(Main.SecondObject, 0);
  EXPECT_EQ(Main.Mass[12], Main.Mass[0]);
}

TEST(ElementsToState, AtPerihelionTheVelocityIsTransverseAndLargest) {
  theory_test::startWithDE405Masses();
  Main.CurrentObject = 1;
  theory_test::setOrbitElements(1, {0.387 * Main.Lae, 0.2056, 7.0 / Main.kUgol, 48.3 / Main.kUgol,
                                    77.5 / Main.kUgol, 77.5 / Main.kUgol});
  PositionFromElements();
  VelocityFromElements();
  // Perihelion speed sqrt(μ/p) (1 + e) = sqrt(μ (1 + e)/(a (1 - e))).
  const double mu = kGammaDE405 * Main.Mass[0];
  const double a = Main.Rsr[1], e = Main.Eks[1];
  EXPECT_EQ(Main.RadialSpeed, 0.0);
  EXPECT_NEAR(Main.TransverseSpeed / std::sqrt(mu * (1.0 + e) / (a * (1.0 - e))), 1.0, 1e-13);
  const Vector r = positionOf(1), v = velocityOf(1);
  EXPECT_NEAR((r.x * v.x + r.y * v.y + r.z * v.z) / (norm(r) * norm(v)), 0.0, 1e-13);
}

}  // namespace

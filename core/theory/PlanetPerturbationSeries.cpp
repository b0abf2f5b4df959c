#include "core/theory/PlanetPerturbationSeries.h"

#include <cmath>

#include "core/state/SharedState.h"
#include "core/theory/Theory.h"

namespace {

constexpr int kTerms = 8;

// An angle in radians as degrees in [0, 360).
double degreesInCircle(double radians) { return 360 * FractionPositive(radians / 2 / Main.Pi); }

// a - b in degrees, brought up by 360 when negative, in radians.
double differenceInRadians(double a, double b) {
  double difference = a - b;
  if (difference < 0) difference += 360;
  return difference / Main.kUgol;
}

// The series of perturber q from the working row, arguments in radians.
double perturbationSum(int q, double m, double mq, double d) {
  auto c = [q](int k) { return Main.PlanetPerturbationCoefficients(q, k); };
  return c(1) * std::sin(m - 2 * d) + c(2) * std::sin(2 * d) + c(3) * std::sin(d) +
         c(4) * std::sin(mq) + c(5) * std::sin(2 * d - 2 * m) + c(6) * std::sin(2 * d - m - mq) +
         c(7) * std::sin(2 * d + m) + c(8) * std::sin(mq - 2 * d);
}

}  // namespace

void copyPlanetPerturbationTerms(int planet) {
  for (int q = 1; q <= 2; ++q)
    for (int k = 1; k <= kTerms; ++k)
      Main.PlanetPerturbationCoefficients(q, k) = Main.PlanetPerturbationCoefficients(q, 10 * planet + k);
}

void addPlanetPerturbations(int planet) {
  const int j1 = Main.PerturberFirst[planet];
  const int j2 = Main.PerturberSecond[planet];
  const double l = degreesInCircle(Main.AlfaL[planet]);
  const double p = degreesInCircle(Main.AlfaP[planet]);
  const double l1 = degreesInCircle(Main.AlfaL[j1]);
  const double l2 = degreesInCircle(Main.AlfaL[j2]);
  const double p1 = degreesInCircle(Main.AlfaP[j1]);
  const double p2 = degreesInCircle(Main.AlfaP[j2]);

  const double m = differenceInRadians(l, p);
  const double m1 = differenceInRadians(l1, p1);
  const double m2 = differenceInRadians(l2, p2);
  const double d1 = differenceInRadians(l, l1);
  const double d2 = differenceInRadians(l, l2);
  Main.LonL[planet] = perturbationSum(1, m, m1, d1) + Main.LonL[planet] + perturbationSum(2, m, m2, d2);
}

// PlanetLongitudePerturbation: periodic perturbation of a planet's
// heliocentric longitude by its two perturbing planets.
// Reads:    Main.CurrentObject (p, 1 Mercury .. 4 Mars); Main.AlfaL,
//           Main.AlfaP (mean longitude and longitude of perihelion, radians)
//           of p and of its perturbers Main.PerturberFirst(p),
//           Main.PerturberSecond(p); Main.PlanetPerturbationCoefficients(j,
//           10 p + k), degrees, term k = 1..8 of perturber j = 1, 2
// Returns:  Main.LonL(p) += the sum of both perturbers' terms, degrees;
//           Main.PlanetPerturbationCoefficients(j, k), k = 1..8 = p's terms
//           (the working copy of the current planet)
// Notes:    With M, Mj the mean anomalies of the planet and of perturber j
//           and D the mean longitude of the planet minus that of perturber j,
//           the terms are the sines of M - 2D, 2D, D, Mj, 2D - 2M,
//           2D - M - Mj, 2D + M and Mj - 2D. A planet above 4 or a perturber
//           outside the element tables is an index error.
#include <array>
#include <cmath>

#include "core/state/SharedState.h"
#include "core/theory/Theory.h"
#include "tools/eclipse/EclipseSteps.h"

namespace {

constexpr int kTerms = 8;
constexpr double kFullTurn = 360.0;

// An angle in radians of any size as degrees in [0, 360).
double degreesInOneTurn(double radians) {
  return FractionPositive(radians / 2.0 / Main.Pi) * kFullTurn;
}

// The difference of two angles in degrees, taken into [0, 360) when negative,
// in radians.
double differenceInRadians(double degreesA, double degreesB) {
  double difference = degreesA - degreesB;
  if (difference < 0.0) difference += kFullTurn;
  return difference / Main.kUgol;
}

// The planet's terms of perturber j copied into the working row k = 1..8.
void copyTermsToWorkingRow(int j, int planet) {
  for (int k = 1; k <= kTerms; ++k)
    Main.PlanetPerturbationCoefficients(j, k) = Main.PlanetPerturbationCoefficients(j, 10 * planet + k);
}

// Sum over the terms of perturber j of coefficient × sine of its argument,
// degrees; m and mj the mean anomalies, d the elongation, radians.
double perturbationOf(int j, double m, double mj, double d) {
  const std::array<double, kTerms> arguments{
      m - 2.0 * d,       2.0 * d,          d,                mj,
      2.0 * d - 2.0 * m, 2.0 * d - m - mj, 2.0 * d + m,      mj - 2.0 * d};
  double sum = 0.0;
  for (int k = 1; k <= kTerms; ++k)
    sum += Main.PlanetPerturbationCoefficients(j, k) * std::sin(arguments[k - 1]);
  return sum;
}

}  // namespace

void PlanetLongitudePerturbation() {
  const int p = Main.CurrentObject;
  const int q1 = Main.PerturberFirst[p];
  const int q2 = Main.PerturberSecond[p];
  const double lp = degreesInOneTurn(Main.AlfaL[p]);
  const double pp = degreesInOneTurn(Main.AlfaP[p]);
  const double l1 = degreesInOneTurn(Main.AlfaL[q1]);
  const double p1 = degreesInOneTurn(Main.AlfaP[q1]);
  const double l2 = degreesInOneTurn(Main.AlfaL[q2]);
  const double p2 = degreesInOneTurn(Main.AlfaP[q2]);

  const double m = differenceInRadians(lp, pp);
  const double m1 = differenceInRadians(l1, p1);
  const double m2 = differenceInRadians(l2, p2);
  const double d1 = differenceInRadians(lp, l1);
  const double d2 = differenceInRadians(lp, l2);

  copyTermsToWorkingRow(1, p);
  copyTermsToWorkingRow(2, p);
  Main.LonL[p] = perturbationOf(1, m, m1, d1) + Main.LonL[p] + perturbationOf(2, m, m2, d2);
}

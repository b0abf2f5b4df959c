// PlanetPerturbationsDL: the periodic perturbations of a planet's longitude
// by its two perturbing planets, added to its longitude.
// Reads:    Main.CurrentObject (planet i, 1..4), Main.AlfaL and Main.AlfaP of
//           i and of its perturbers Main.PerturberFirst(i),
//           Main.PerturberSecond(i) (radians), Main.PlanetPerturbationCoefficients
//           (q, 10 i + k) (degrees), Main.Pi, Main.kUgol; for a plan over the
//           perturbations Main.ForceModel = 1, Main.PlannedPerturber,
//           Main.SelectedObject, Stat.RunValues(2..9, Stat.RunIndex)
// Returns:  Main.LonL(i) += S1 + S2, with for each perturber q
//             S = c1 sin(M - 2D) + c2 sin 2D + c3 sin D + c4 sin Mq
//               + c5 sin(2D - 2M) + c6 sin(2D - M - Mq) + c7 sin(2D + M)
//               + c8 sin(Mq - 2D),
//           M, Mq the mean anomalies of the planet and the perturber, D the
//           planet's mean longitude minus the perturber's; the working
//           coefficients of the call in cells (q, 1..8)
// Notes:    A planet beyond 4 reads the perturber tables out of range: a
//           run-time error for the caller's trap.
#include <cmath>

#include "core/state/SharedState.h"
#include "core/theory/Theory.h"
#include "observations/reduction/Reduction.h"

namespace {

constexpr int kTerms = 8;

// An angle in radians as degrees in [0, 360).
double degreesInCircle(double radians) {
  return 360 * FractionPositive(radians / 2 / Main.Pi);
}

// a - b in degrees, brought up by 360 when negative, in radians.
double differenceInRadians(double a, double b) {
  double difference = a - b;
  if (difference < 0) difference += 360;
  return difference / Main.kUgol;
}

void loadWorkingCoefficients(long planet) {
  for (long k = 1; k <= kTerms; ++k)
    for (long q = 1; q <= 2; ++q)
      Main.PlanetPerturbationCoefficients(q, k) =
          Main.PlanetPerturbationCoefficients(q, 10 * planet + k);
  const bool planOverPerturbations =
      Main.ForceModel == 1 && (Main.SelectedObject == planet || Main.SelectedObject == 0);
  if (!planOverPerturbations) return;
  for (long k = 1; k <= kTerms; ++k)
    Main.PlanetPerturbationCoefficients(Main.PlannedPerturber, k) =
        Stat.RunValues(k + 1, Stat.RunIndex);
}

// The series of perturber q, arguments in radians.
double perturbationSum(long q, double m, double mq, double d) {
  auto c = [q](long k) { return Main.PlanetPerturbationCoefficients(q, k); };
  return c(1) * std::sin(m - 2 * d) + c(2) * std::sin(2 * d) + c(3) * std::sin(d) +
         c(4) * std::sin(mq) + c(5) * std::sin(2 * d - 2 * m) +
         c(6) * std::sin(2 * d - m - mq) + c(7) * std::sin(2 * d + m) +
         c(8) * std::sin(mq - 2 * d);
}

}  // namespace

void PlanetPerturbationsDL() {
  const long i = Main.CurrentObject;
  const long j1 = Main.PerturberFirst[i];
  const long j2 = Main.PerturberSecond[i];
  const double l = degreesInCircle(Main.AlfaL[i]);
  const double p = degreesInCircle(Main.AlfaP[i]);
  const double l1 = degreesInCircle(Main.AlfaL[j1]);
  const double l2 = degreesInCircle(Main.AlfaL[j2]);
  const double p1 = degreesInCircle(Main.AlfaP[j1]);
  const double p2 = degreesInCircle(Main.AlfaP[j2]);

  const double m = differenceInRadians(l, p);
  const double m1 = differenceInRadians(l1, p1);
  const double m2 = differenceInRadians(l2, p2);
  const double d1 = differenceInRadians(l, l1);
  const double d2 = differenceInRadians(l, l2);

  loadWorkingCoefficients(i);
  Main.LonL[i] = perturbationSum(1, m, m1, d1) + Main.LonL[i] + perturbationSum(2, m, m2, d2);
}

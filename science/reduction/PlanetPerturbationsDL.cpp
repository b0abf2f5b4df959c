// PlanetPerturbationsDL: the periodic perturbations of a planet's longitude
// by its two perturbing planets, added to its longitude.
// Reads:    Main.CurrentObject (planet i, 1..4), Main.AlfaL and Main.AlfaP of
//           i and of its perturbers Main.PerturberFirst(i),
//           Main.PerturberSecond(i) (radians), Main.PlanetPerturbationCoefficients
//           (q, 10 i + k) (degrees), Main.Pi, Main.kUgol; for a plan over the
//           perturbations Main.SelectedObject, Stat.RunValues(2..9,
//           Stat.RunIndex)
// Given:    plannedPerturber, 1 or 2 when a plan varies that perturber's
//           coefficients of the observed planet, 0 otherwise
// Returns:  Main.LonL(i) += S1 + S2, with for each perturber q
//             S = c1 sin(M - 2D) + c2 sin 2D + c3 sin D + c4 sin Mq
//               + c5 sin(2D - 2M) + c6 sin(2D - M - Mq) + c7 sin(2D + M)
//               + c8 sin(Mq - 2D),
//           M, Mq the mean anomalies of the planet and the perturber, D the
//           planet's mean longitude minus the perturber's; the working
//           coefficients of the call in cells (q, 1..8)
// Notes:    A planet beyond 4 reads the perturber tables out of range: a
//           run-time error for the caller's trap.
#include "core/state/SharedState.h"
#include "core/theory/PlanetPerturbationSeries.h"
#include "science/reduction/Reduction.h"

namespace {

constexpr int kTerms = 8;

// With a plan over the perturbations of this planet, the planned perturber's
// working row takes the run's factor values.
void applyPlannedTerms(long planet, int plannedPerturber) {
  const bool planOverPerturbations =
      plannedPerturber != 0 && (Main.SelectedObject == planet || Main.SelectedObject == 0);
  if (!planOverPerturbations) return;
  for (long k = 1; k <= kTerms; ++k)
    Main.PlanetPerturbationCoefficients(plannedPerturber, k) = Stat.RunValues(k + 1, Stat.RunIndex);
}

}  // namespace

void PlanetPerturbationsDL(int plannedPerturber) {
  const int i = Main.CurrentObject;
  copyPlanetPerturbationTerms(i);
  applyPlannedTerms(i, plannedPerturber);
  addPlanetPerturbations(i);
}

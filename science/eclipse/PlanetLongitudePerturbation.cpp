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
#include "core/state/SharedState.h"
#include "core/theory/PlanetPerturbationSeries.h"
#include "science/eclipse/EclipseSteps.h"

void PlanetLongitudePerturbation() {
  const int p = Main.CurrentObject;
  copyPlanetPerturbationTerms(p);
  addPlanetPerturbations(p);
}

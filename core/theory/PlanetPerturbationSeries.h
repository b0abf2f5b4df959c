#pragma once
// The periodic perturbations of the longitude of Mercury, Venus, the Earth or
// Mars by its two perturbing planets, as the observation reduction and the
// eclipse run both add them.

// copyPlanetPerturbationTerms: the planet's eight terms of each perturber q
// into the working rows.
// Reads:    Main.PlanetPerturbationCoefficients(q, 10 planet + k), degrees
// Writes:   Main.PlanetPerturbationCoefficients(q, k), q = 1, 2, k = 1..8
void copyPlanetPerturbationTerms(int planet);

// addPlanetPerturbations: the series of both perturbers added to the
// planet's longitude, LonL(p) = S1 + LonL(p) + S2, with for perturber q
//   S = c1 sin(M - 2D) + c2 sin 2D + c3 sin D + c4 sin Mq
//     + c5 sin(2D - 2M) + c6 sin(2D - M - Mq) + c7 sin(2D + M) + c8 sin(Mq - 2D),
// M, Mq the mean anomalies of the planet and the perturber, D the planet's
// mean longitude minus the perturber's, each difference of the angles taken
// in degrees in one turn and brought up by 360 when negative.
// Reads:    Main.AlfaL, Main.AlfaP (radians) of the planet and of
//           Main.PerturberFirst(p), Main.PerturberSecond(p); the working rows
//           Main.PlanetPerturbationCoefficients(q, 1..8), degrees; Main.Pi,
//           Main.kUgol
// Writes:   Main.LonL(p), degrees
// Notes:    A planet beyond 4 reads the perturber tables out of range: a
//           run-time error for the caller's trap.
void addPlanetPerturbations(int planet);

#pragma once
#include "core/Constants.h"
// Constants of the element theories, the Kepler solver and the Moon, each
// named once with its meaning and unit. The start-up constants of the shared
// state (Main.Pi, Main.kUgol, Main.sekG, Main.SecondsPerDay, Main.JD1900,
// Main.JD2000) are read from there, as the procedures always did.

namespace theory {

// Astronomical unit that every element procedure writes into Main.Lae, m.
inline constexpr double kAstronomicalUnitMetres = 149597870691.0;
using astro::kDaysPerJulianCentury;
// Arc seconds per radian, as the lunar series writes it.
inline constexpr double kArcsecondsPerRadian = 206264.8062;
// Arc seconds per full turn.
inline constexpr double kArcsecondsPerTurn = 1296000.0;
using astro::kArcSecondsPerDegree;
// Minutes of arc per degree.
inline constexpr double kArcminutesPerDegree = 60.0;

// Mean distance of the Moon from the Earth, m (all theories).
inline constexpr double kMoonMeanDistance = 384402000.0;

// Convergence bound of the Kepler iteration, rad.
inline constexpr double kKeplerTolerance = 1e-10;
// Steps of the fixed-point iteration E = e sin E + M before Newton's method
// takes over.
inline constexpr int kKeplerFixedPointSteps = 99;

}  // namespace theory

#pragma once
// Reduction of observations: the theory positions of the Earth, the Moon and
// the observed object, the periodic perturbations of a planet's longitude,
// and the chain that carries those positions to the apparent place seen by
// the observer. Plain procedures on the shared state (no window): the
// observation window passes its choices in ReductionChoices and shows what
// comes back in ReductionStages. None has an error trap: a run-time error
// reaches the caller's trap.
#include <functional>
#include <string>

// --- Theory positions of Main.CurrentObject (one file each) ---
// Which Ser0 elements EarthMoonFromSer0 sets; None keeps the element tables.
enum class Ser0Variant { None, Ser0, Ser0EarthVariant };
void EarthMoonFromJPL0();                         // EarthMoonFromJPL0.cpp
void EarthMoonFromSer0(Ser0Variant variant);      // EarthMoonFromSer0.cpp
// precessionRate: arc seconds per Julian century, for elements of the date.
void PlanetElementsFromPlanRow(bool elementsOfDate, double precessionRate);  // PlanetElementsFromPlanRow.cpp
// plannedPerturber: 1 or 2 for a plan over that perturber's coefficients of
// the observed planet, 0 for none.
void PlanetPerturbationsDL(int plannedPerturber = 0);  // PlanetPerturbationsDL.cpp

// --- Reduction chain (ReductionChain.cpp) ---
// Theory of the Earth and the Moon ("JPL0", "Ser0", "Ser0+").
enum class EarthMoonTheory { JPL0, Ser0, Ser0EarthVariant };
// Source of the observed planet's orbit ("План", "JPL0", "Ser0").
enum class PlanetTheory { Plan, JPL0, Ser0 };

struct ReductionChoices {
  EarthMoonTheory earthMoon = EarthMoonTheory::JPL0;
  PlanetTheory planet = PlanetTheory::JPL0;
  // Plan elements refer to the equinox of the date ("JD") instead of J2000.
  bool planElementsOfDate = false;
  bool earthMoonPerturbations = false;  // "+dLzl"
  bool planetPerturbations = false;     // "+dLp"
  bool lightTime = false;               // "Аберр. ис."
  bool receiverAberration = false;      // "Аберр. пр."
  bool parallax = false;                // "Параллакс"
  bool refraction = false;              // "Рефракция"
  bool nutation = false;                // "Нутация"
  // An ancient table gives ecliptic coordinates of the date; an observatory
  // gives right ascension and declination.
  bool tableSource = false;
  // The plan window's own values: the velocity of the Solar System (m/s),
  // added to the velocity of every body; the precession rate (arc seconds
  // per Julian century) of plan elements of the date; the perturber (1 or
  // 2) whose eight coefficients of the observed planet a plan over the
  // perturbations varies, 0 for no such plan.
  double systemVX = 0, systemVY = 0, systemVZ = 0;
  double precessionRate = 5029;
  int plannedPerturber = 0;
  // Called with the stage label after each stage, Main.CurrentObject set to
  // the object the line is about (for the trace file); may be empty.
  std::function<void(const std::string& label)> trace;
};

// A pair of coordinates in degrees: longitude or right ascension, latitude
// or declination.
struct Direction {
  double first = 0.0;
  double second = 0.0;
};

// What the chain shows after each stage (every stage fills its pair whether
// it is switched on or not).
struct ReductionStages {
  double etMinusUtSeconds = 0.0;
  Direction geometricJ2000;      // geometric geocentric ecliptic of J2000
  Direction afterLightTime;
  Direction afterAberration;
  Direction equatorOfDate;       // right ascension and declination of the date
  Direction afterParallax;
  Direction afterRefraction;
  Direction afterNutation;
  Direction result;              // "Tab": ecliptic of the date; "Obs": equatorial
  // Longitude shifts in arc seconds for the aberration plot: the light time,
  // the receiver aberration and both together.
  double lightTimeShiftArcSeconds = 0.0;
  double receiverShiftArcSeconds = 0.0;
  double totalShiftArcSeconds = 0.0;
  // The computed position at the end of the chain, metres.
  double x = 0.0, y = 0.0, z = 0.0;
};

// Sections run on every epoch: the time scales, the Earth, the Moon and the
// observed object from the chosen theories, the observer, and the positions
// of the date for the pictures and the visibility test.
void PlaceBodiesForEpoch(const ReductionChoices& choices, ReductionStages& stages);
// Sections run when the object is visible: from the geocentric vector of
// J2000 through light time, aberration, precession, the equator, parallax,
// refraction and nutation to the apparent place.
void ReduceToApparentPlace(const ReductionChoices& choices, ReductionStages& stages);

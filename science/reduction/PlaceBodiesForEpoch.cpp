// PlaceBodiesForEpoch: the first half of the reduction of one epoch, run on
// every epoch: the Earth, the Moon and the observed object placed by the
// chosen theories, the observer on the rotating Earth, and the positions of
// the date for the pictures.
// Reads:    Main.JD (the epoch, universal time), Main.SelectedObject (p),
//           Main.ObsL, Main.ObsB (degrees), the masses and element tables
//           the theories set, the plan row for "План"
// Given:    choices, the theories and corrections chosen on the window and
//           the plan window's velocity of the Solar System (m/s)
// Returns:  stages.etMinusUtSeconds; Main.JDut, Main.JDet1; heliocentric
//           ecliptic J2000 X, Y, Z and VX, VY, VZ (system velocity included)
//           of the Earth (3), the Moon (11) and p, their copies in slots 23
//           and p + 20, and those of slots 3 and p precessed to the date;
//           Main.LonL/LatB of 3, 11 and p; Main.PairDistance (0, 3), (3, 11),
//           (0, p); the observer's geocentric equatorial vector in slot 12
//           (metres); Main.SiderealTimeHours, Main.LocalSiderealTime
//           (degrees, 0..360), Main.TopoRadius
// Notes:    The theory gives the Earth-Moon barycentre; the Earth is moved
//           from it by the Moon's share of the pair's mass,
//           m_Moon / (m_Earth + m_Moon), so that the barycentre stays the
//           mass-weighted mean of the two bodies.
#include "core/Constants.h"
#include "core/coordinates/Coordinates.h"
#include "core/state/BodyState.h"
#include "core/state/SharedState.h"
#include "core/theory/Theory.h"
#include "core/time/TimeScales.h"
#include "science/reduction/Reduction.h"
#include "science/reduction/ReductionSteps.h"

using namespace reduction;

namespace {

using astro::kSecondsPerDay;

Ser0Variant ser0VariantOf(EarthMoonTheory theory) {
  if (theory == EarthMoonTheory::Ser0) return Ser0Variant::Ser0;
  if (theory == EarthMoonTheory::Ser0EarthVariant) return Ser0Variant::Ser0EarthVariant;
  return Ser0Variant::None;
}

void addSystemVelocity(const ReductionChoices& choices, int object) {
  Main.VX[object] += choices.systemVX;
  Main.VY[object] += choices.systemVY;
  Main.VZ[object] += choices.systemVZ;
}

void setTimeAndSun(const ReductionChoices& choices, ReductionStages& stages) {
  Main.X[kSun] = 0;
  Main.Y[kSun] = 0;
  Main.Z[kSun] = 0;
  Main.VX[kSun] = choices.systemVX;
  Main.VY[kSun] = choices.systemVY;
  Main.VZ[kSun] = choices.systemVZ;

  Main.JDut = Main.JD;
  stages.etMinusUtSeconds = DeltaTParabola();
  Main.JDet1 = Main.JDut + stages.etMinusUtSeconds / kSecondsPerDay;
  Main.kodBary = 0;
  Main.kodMoon = 0;
  Main.JD = Main.JDut;

  PrecessEclipticCoordinates(centuriesOfEpoch(), 0);
  // The mean elements of the planets at the epoch, which the perturbation
  // series read.
  for (int object = 1; object <= 9; ++object) {
    Main.CurrentObject = static_cast<int16_t>(object);
    SetElementsSer0EarthVariant();
  }
}

// Elements of the Earth or the Moon from the Earth-Moon theory.
void earthMoonFromTheory(EarthMoonTheory theory) {
  if (theory == EarthMoonTheory::JPL0)
    EarthMoonFromJPL0();
  else
    EarthMoonFromSer0(ser0VariantOf(theory));
}

// Elements of an object from the plan row, turned to J2000 when they refer
// to the date.
void objectFromPlanRow(const ReductionChoices& choices) {
  PlanetElementsFromPlanRow(choices.planElementsOfDate, choices.precessionRate);
  if (choices.planElementsOfDate) PrecessPosition();
}

void placeEarth(const ReductionChoices& choices) {
  Main.CurrentObject = kEarth;
  if (Main.SelectedObject == kSun && choices.planet == PlanetTheory::Plan)
    objectFromPlanRow(choices);
  else
    earthMoonFromTheory(choices.earthMoon);

  lookFrom(kSun, kEarth);
  Main.PairDistance(kSun, kEarth) = Main.Rpl;
  traceStage(choices, kEarth, "  Zem Gelio Ecl J2000  ");
  if (!choices.earthMoonPerturbations) return;
  Main.CurrentObject = kEarth;
  PlanetPerturbationsDL(choices.plannedPerturber);
  SphericalToRectangular(kEarth, Main.LonL[kEarth], Main.LatB[kEarth],
                         Main.PairDistance(kSun, kEarth));
  traceStage(choices, kEarth, "  Zem_dLdB    GEЛИO ECL JD-J2000 ");
}

void placeMoonAndSplitBarycentre(const ReductionChoices& choices) {
  Main.CurrentObject = kMoon;
  Main.kodMoon = 1;
  if (Main.SelectedObject == kMoon && choices.planet == PlanetTheory::Plan) {
    objectFromPlanRow(choices);
  } else {
    earthMoonFromTheory(choices.earthMoon);
    // The JPL0 Moon refers to the equinox of the date.
    if (choices.earthMoon == EarthMoonTheory::JPL0) PrecessPosition();
  }

  Main.JD = Main.JDut;
  lookFrom(kSun, kMoon);  // the Sun's slot is at 0 and the Moon still geocentric
  Main.PairDistance(kEarth, kMoon) = Main.Rpl;
  traceStage(choices, kMoon, "  Moon  GEO ECL JD-J2000 ");
  if (choices.earthMoonPerturbations) {
    Main.CurrentObject = kMoon;
    MoonPerturbationsDLDB();
    SphericalToRectangular(kMoon, Main.LonL[kMoon], Main.LatB[kMoon],
                           Main.PairDistance(kEarth, kMoon));
    traceStage(choices, kMoon, " MOON_dLdB_012    GEO ECL JD-J2000 ");
  }

  const double moonShare = Main.Mass[kMoon] / (Main.Mass[13] + Main.Mass[kMoon]);
  addScaledPosition(kEarth, kMoon, -moonShare);
  addSystemVelocity(choices, kEarth);
  addScaledPosition(kMoon, kEarth, 1.0);
  Main.VX[kMoon] += Main.VX[kEarth];
  Main.VY[kMoon] += Main.VY[kEarth];
  Main.VZ[kMoon] += Main.VZ[kEarth];

  lookFrom(kEarth, kMoon);
  traceStage(choices, kMoon, "  Moon  GEO ECL J2000 ");
  lookFrom(kSun, kEarth);
  traceStage(choices, kEarth, "  Zem Gelio Ecl J2000  ");
}

void placePlanet(const ReductionChoices& choices, int planet) {
  Main.CurrentObject = static_cast<int16_t>(planet);
  Main.kodMoon = 0;
  if (choices.planet == PlanetTheory::Plan)
    objectFromPlanRow(choices);
  else if (choices.planet == PlanetTheory::JPL0)
    EarthMoonFromJPL0();
  else
    EarthMoonFromSer0(ser0VariantOf(choices.earthMoon));
  addSystemVelocity(choices, planet);

  lookFrom(kSun, planet);
  Main.PairDistance(kSun, planet) = Main.Rpl;
  traceStage(choices, planet, "  Ras Gelio Ecl     ");
  if (!choices.planetPerturbations) return;
  Main.CurrentObject = static_cast<int16_t>(planet);
  PlanetPerturbationsDL(choices.plannedPerturber);
  SphericalToRectangular(static_cast<int16_t>(planet), Main.LonL[planet], Main.LatB[planet],
                         Main.PairDistance(kSun, planet));
  traceStage(choices, planet, "  Planeta_dLdB    GEO ECL JD-J2000 ");
}

// The observer on a sphere of the Earth's radius, at its latitude and at a
// right ascension equal to the local sidereal time.
void placeObserver() {
  Main.JD = Main.JDut;
  const double greenwichHours =
      24 * FractionPositive(GreenwichMeanSiderealTime(Main.JDut - 2400000.5) / 24);
  Main.SiderealTimeHours = greenwichHours;
  double localHours = Main.ObsL / 15 + greenwichHours;
  if (localHours > 24) localHours -= 24;
  if (localHours < 0) localHours += 24;  // west of Greenwich, before its sidereal midnight
  Main.LocalSiderealTime = localHours * 15;
  Main.TopoRadius = astro::kEarthEquatorialRadius;
  SphericalToRectangular(kObserver, Main.LocalSiderealTime, Main.ObsB, Main.TopoRadius);
}

// Keeps the J2000 positions and precesses the Earth and the object to the
// date for the pictures and the visibility test.
void positionsOfTheDate(int object) {
  copyPosition(kEarth, kEarthCopy);
  copyPosition(object, object + kObjectCopyOffset);
  PrecessEclipticCoordinates(0, centuriesOfEpoch());
  Main.CurrentObject = kEarth;
  PrecessPosition();
  Main.CurrentObject = static_cast<int16_t>(object);
  PrecessPosition();
}

}  // namespace

void PlaceBodiesForEpoch(const ReductionChoices& choices, ReductionStages& stages) {
  const int object = Main.SelectedObject;
  setTimeAndSun(choices, stages);
  placeEarth(choices);
  placeMoonAndSplitBarycentre(choices);
  if (object != kSun && object != kMoon) placePlanet(choices, object);
  placeObserver();
  positionsOfTheDate(object);
}

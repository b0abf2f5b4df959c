// ReduceToApparentPlace: the second half of the reduction of one epoch, run
// when the object is visible: from the geometric geocentric vector of J2000
// through light time, receiver aberration, precession to the date, the
// equator, parallax, refraction and nutation to the apparent place.
// Reads:    Main.SelectedObject (p); slots 23 and p + 20 and the velocities
//           left by PlaceBodiesForEpoch; slot 12 (observer); Main.JDut,
//           Main.LocalSiderealTime, Main.ObsB, Main.Vsv
// Given:    choices, the corrections switched on
// Returns:  stages: the coordinates after each stage (filled whether the
//           stage is on or not), the aberration shifts in arc seconds, the
//           result and its vector (metres); Main.LonL/LatB(p);
//           Main.StartDistance (geometric distance), Main.PropagationTime
//           (3, p) (light time, s); Main.HourAngle, Main.Altitude and
//           Stat.Azimuth when refraction is on
// Notes:    Refraction raises the object: the apparent altitude is the true
//           altitude plus the refraction for that zenith distance.
// Reference: Meeus, Astronomical Algorithms, 2nd ed., ch. 16 (refraction),
//           ch. 33 (light time, aberration), ch. 40 (parallax).
#include "core/Constants.h"
#include "core/coordinates/Coordinates.h"
#include "core/coordinates/LightTime.h"
#include "core/state/BodyState.h"
#include "core/state/SharedState.h"
#include "science/reduction/Reduction.h"
#include "science/reduction/ReductionSteps.h"

using namespace reduction;

namespace {

constexpr int kLightTimeIterations = 3;
using astro::kArcSecondsPerDegree;

// a - b in arc seconds, for longitudes that may straddle 0/360.
double longitudeShiftArcSeconds(double a, double b) {
  double degrees = a - b;
  if (degrees > 180) degrees -= 360;
  if (degrees < -180) degrees += 360;
  return degrees * kArcSecondsPerDegree;
}

double positiveDegrees(double degrees) { return degrees < 0 ? degrees + 360 : degrees; }

void geometricGeocentric(const ReductionChoices& choices, ReductionStages& stages, int p) {
  Main.X[kSun] = 0;
  Main.Y[kSun] = 0;
  Main.Z[kSun] = 0;
  copyPosition(kEarthCopy, kEarth);
  copyPosition(p + kObjectCopyOffset, p);

  addScaledPosition(p, kEarth, -1.0);
  Main.X[kSun] = -Main.X[kEarth];
  Main.Y[kSun] = -Main.Y[kEarth];
  Main.Z[kSun] = -Main.Z[kEarth];
  Main.X[kEarth] = 0;
  Main.Y[kEarth] = 0;
  Main.Z[kEarth] = 0;

  lookFrom(kEarth, p);
  Main.StartDistance = Main.Rpl;
  Main.PropagationTime(kEarth, p) = Main.Rpl / Main.Vsv;
  Main.PairLongitude(10, 0) = Main.LonL[p];  // the geometric longitude, for the total shift
  traceStage(choices, p, "  Ras GEO ECL J2000   ");
  stages.geometricJ2000 = currentDirection(p);
}

// Where the object was when the light left it: its vector less its own
// velocity times the light time, three times over.
void lightTime(const ReductionChoices& choices, ReductionStages& stages, int p) {
  if (choices.lightTime) {
    retardForLightTime(kEarth, static_cast<int16_t>(p), kLightTimeIterations);
    stages.lightTimeShiftArcSeconds =
        longitudeShiftArcSeconds(Main.LonL[p], Main.RelativeLongitude[p]);
    lookFrom(kEarth, p);
    traceStage(choices, p, "  GEO ECL Ras Apl    ");
  }
  stages.afterLightTime = currentDirection(p);
}

// The direction turned toward the observer's motion: the vector plus the
// Earth's velocity times the light time.
void receiverAberration(const ReductionChoices& choices, ReductionStages& stages, int p) {
  if (choices.receiverAberration) {
    const double tau = Main.PropagationTime(kEarth, p);
    Main.X[p] += tau * Main.VX[kEarth];
    Main.Y[p] += tau * Main.VY[kEarth];
    Main.Z[p] += tau * Main.VZ[kEarth];
    const double before = Main.LonL[p];
    lookFrom(kEarth, p);
    stages.receiverShiftArcSeconds = longitudeShiftArcSeconds(before, Main.LonL[p]);
    traceStage(choices, p, "  GEO ECL Ras Azv    ");
  }
  stages.afterAberration = currentDirection(p);
  stages.totalShiftArcSeconds = longitudeShiftArcSeconds(Main.PairLongitude(10, 0), Main.LonL[p]);
}

void toEquatorOfDate(const ReductionChoices& choices, ReductionStages& stages, int p, double t) {
  Main.CurrentObject = static_cast<int16_t>(p);
  PrecessEclipticCoordinates(0, t);
  PrecessPosition();
  lookFrom(kEarth, p);
  traceStage(choices, p, "  J2000 -> JD   ");
  Main.CurrentObject = static_cast<int16_t>(p);
  EclipticToEquatorial(t);
  lookFrom(kEarth, p);
  traceStage(choices, p, "  GEO ECL -> GEO EQU   ");
  stages.equatorOfDate = currentDirection(p);
}

void parallax(const ReductionChoices& choices, ReductionStages& stages, int p) {
  if (choices.parallax) {
    addScaledPosition(p, kObserver, -1.0);
    lookFrom(kEarth, p);
    traceStage(choices, p, "  GEO EQU Ras Par   ");
  }
  stages.afterParallax = currentDirection(p);
}

// Through the horizon: altitude raised by the refraction, then back to the
// right ascension and declination, at the geometric distance. The
// direction is taken as it stands: topocentric when the parallax is on,
// geocentric when it is off (no parallax shift either way).
void refraction(const ReductionChoices& choices, ReductionStages& stages, int p) {
  if (choices.refraction) {
    Main.HourAngle = positiveDegrees(Main.LocalSiderealTime - Main.LonL[p]);
    const auto slot = static_cast<int16_t>(p);
    EquatorialToHorizontal(slot);
    RelativeEclipticPosition(kEarth, slot);
    Stat.Azimuth = Main.RelativeLongitude[p];
    Main.Altitude = Main.RelativeLatitude;
    Main.Altitude += AtmosphericRefraction(90 - Main.Altitude);
    HorizontalToEquatorial(slot);
    RelativeEclipticPosition(kEarth, slot);
    Main.LonL[p] = positiveDegrees(Main.LocalSiderealTime - Main.RelativeLongitude[p]);
    Main.LatB[p] = Main.RelativeLatitude;
    SphericalToRectangular(slot, Main.LonL[p], Main.LatB[p], Main.StartDistance);
    traceStage(choices, p, "  GEO EQU Ras Ref   ");
  }
  stages.afterRefraction = currentDirection(p);
}

void nutation(const ReductionChoices& choices, ReductionStages& stages, int p, double t) {
  if (choices.nutation) {
    ApplyNutation(t, Main.X[p], Main.Y[p], Main.Z[p], 0);
    lookFrom(kEarth, p);
    traceStage(choices, p, "  GEO EQU Ras Nut   ");
  }
  stages.afterNutation = currentDirection(p);
}

void backToEclipticForTables(const ReductionChoices& choices, int p, double t) {
  if (!choices.tableSource) return;
  Main.CurrentObject = static_cast<int16_t>(p);
  EquatorialToEcliptic(t);
  lookFrom(kEarth, p);
  traceStage(choices, p, "  GEO EQU -> GEO ECL   ");
}

}  // namespace

void ReduceToApparentPlace(const ReductionChoices& choices, ReductionStages& stages) {
  const int p = Main.SelectedObject;
  const double t = centuriesOfEpoch();
  geometricGeocentric(choices, stages, p);
  lightTime(choices, stages, p);
  receiverAberration(choices, stages, p);
  toEquatorOfDate(choices, stages, p, t);
  parallax(choices, stages, p);
  refraction(choices, stages, p);
  nutation(choices, stages, p, t);
  backToEclipticForTables(choices, p, t);
  stages.result = currentDirection(p);
  stages.x = Main.X[p];
  stages.y = Main.Y[p];
  stages.z = Main.Z[p];
}

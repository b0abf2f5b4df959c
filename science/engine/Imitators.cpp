// The imitators: a run that integrates nothing, the positions and
// velocities of each pass taken for the model's date from a reference
// motion, so that the same tracking, records and outputs as in a model run
// give the series against which model runs are compared. New0 and JPL0
// turn the mean elements of their theory into position and velocity
// (heliocentric, the Sun at rest at the origin); JPL2 evaluates the DE405
// ephemeris (ecliptic of J2000) from the block of its day. The state
// vector, the accelerations and the origin of a model run are left alone.
#include "core/de405/DE405.h"
#include "core/de405/DE405Format.h"
#include "core/state/SharedState.h"
#include "core/theory/Theory.h"
#include "science/engine/ModelRun.h"

namespace {

constexpr int16_t kEclipticMetres = 1;  // frame of the DE405 evaluation
constexpr int kSun = 0, kEarth = 3, kSpareBody = 10, kMoon = 11;
constexpr int kLastPlanet = 9;

// Forward in time the blocks of the open file follow one another: read on
// until the block in memory holds the day (a run whose step outgrows a
// block catches up at once). A day before the block (a run backwards in
// time), a day in the next file, or a file that a window closed meanwhile
// is served by the evaluation, which loads the block of the day itself.
void readOnToTheDay(double day) {
  while (Main.FileState == de405::kFileOpenState && day >= Main.DE405BlockEndJD &&
         Main.DE405RecordNumber < Main.DE405RecordsInFile)
    readDE405Block();
}

// The bodies a JPL2 pass serves: all planets and the Sun when the energy of
// the system is checked; else the Sun, the Earth and the followed body (the
// Moon as body 10 from its geocentric position, with the Earth-Moon split).
void evaluateDE405Bodies(bool energyBalance) {
  if (energyBalance) {
    for (int body = kSun; body <= kLastPlanet; ++body) EvaluateDE405Body(body, kEclipticMetres);
    return;
  }
  EvaluateDE405Body(kSun, kEclipticMetres);
  EvaluateDE405Body(kEarth, kEclipticMetres);
  const int followed = Main.SelectedObject;
  if (followed < kSpareBody) EvaluateDE405Body(followed, kEclipticMetres);
  if (Main.kodMoon == 1 && followed == kSpareBody) {
    EvaluateDE405Body(kMoon, kEclipticMetres);
    Main.X[kSpareBody] = Main.X[kMoon] + Main.X[kEarth];
    Main.Y[kSpareBody] = Main.Y[kMoon] + Main.Y[kEarth];
    Main.Z[kSpareBody] = Main.Z[kMoon] + Main.Z[kEarth];
  }
}

}  // namespace

bool ModelRun::imitateMotion() {
  if (Main.DE405ImitatorFlag == 0) {
    followElementTheory();
    return true;
  }
  return followDE405Ephemeris();
}

// New0 or JPL0 (whichever the window selects now) for the planets 1..9 at
// JD; the Sun stands still at the origin; bodies 10 and 11 are not served.
void ModelRun::followElementTheory() {
  Main.X[kSun] = Main.Y[kSun] = Main.Z[kSun] = 0;
  Main.VX[kSun] = Main.VY[kSun] = Main.VZ[kSun] = 0;
  for (int16_t body = 1; body <= kLastPlanet; ++body) {
    Main.CurrentObject = body;
    if (controls_.imitatorNew0) SetElementsNew0();
    if (controls_.imitatorJPL0) SetElementsJPL0();
    PositionFromElements();
    VelocityFromElements();
  }
}

// DE405 at EphemerisJD. The evaluation reports a failure by StopFlag = 1;
// a stop already requested (as "NC0 шагов" requests one before its passes)
// is kept apart from it, so that only a failure ends the run here.
bool ModelRun::followDE405Ephemeris() {
  readOnToTheDay(Main.EphemerisJD);
  const int16_t requested = Main.StopFlag;
  Main.StopFlag = 0;
  evaluateDE405Bodies(controls_.energyBalance);
  const bool failed = Main.StopFlag == 1;
  Main.StopFlag = failed ? int16_t{1} : requested;
  return !failed;
}

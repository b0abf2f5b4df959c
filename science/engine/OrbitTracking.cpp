// Orbit tracking of the followed body and the step control near its
// perihelion, aphelion and nodes: revolutions at the crossing of longitude
// 0, nodes at the sign changes of Z, and at each passage through perihelion
// or aphelion the perihelion longitude in the orbit plane, the inclination,
// the eccentricity and the mean distance. A run backwards in time crosses
// longitude 0 downwards and meets the nodes the other way round, so the
// revolution and node tests follow the direction of time.
#include <cmath>

#include "core/coordinates/Coordinates.h"
#include "core/runtime/NumberText.h"
#include "core/state/SharedState.h"
#include "core/time/TimeScales.h"
#include "science/engine/ModelRun.h"
#include "science/engine/RunGeometry.h"

namespace {

// Whether the longitude lies in a search window [low, high] (degrees); a
// window whose low bound lies above 360 − 2·dAlfa crosses 0 degrees.
bool insideWindow(double longitude, double low, double high) {
  if (low <= 360 - 2 * Main.dAlfa) return low <= longitude && longitude <= high;
  return longitude <= high || longitude >= low;
}

// Midpoint of the longitudes of two passes; across the 360/0 seam the
// plain mean lies opposite and is turned back by 180 degrees.
double midLongitude(double previous, double longitude) {
  const double mean = (previous + longitude) / 2;
  return std::fabs(longitude - previous) > 355 ? mean - 180 : mean;
}

}  // namespace

double ModelRun::reducedStep() const { return Main.P00 / static_cast<double>(Main.StepDivisor); }

bool ModelRun::revolutionCompleted(double longitude, double previous) const {
  return Main.TimeDirection < 0 ? longitude >= previous : longitude <= previous;
}

void ModelRun::trackOrbit(RunWindow& window) {
  const int s = Main.SelectedObject;
  Main.PreviousStepLongitude = Main.RelativeLongitude[s];
  RelativeEclipticPosition(static_cast<int16_t>(Main.SecondObject), static_cast<int16_t>(s));
  Main.RelativeLatitude = std::fabs(Main.RelativeLatitude / Main.kUgol);
  if (Main.BettaCurrent < Main.RelativeLatitude) Main.BettaCurrent = Main.RelativeLatitude;

  if (revolutionCompleted(Main.RelativeLongitude[s], Main.PreviousStepLongitude)) {
    if (Main.RevolutionCount >= 1) Main.Period = (Main.ModelTime - Main.PrevRevolutionTime) / Main.SecondsPerDay;
    if (Main.RevolutionCount == 2) {
      Main.PrevPeriod = Main.Period;
      window.showReferencePeriod();
    }
    Main.PrevRevolutionTime = Main.ModelTime;
  }
  measureNode(window);
  Main.FollowedRelativeZ = Main.PairDZ(Main.SecondObject, s);
  controlStep(window);
}

void ModelRun::measureNode(RunWindow& window) {
  const int s = Main.SelectedObject;
  if (Sgn(Main.PairDZ(Main.SecondObject, s)) == Sgn(Main.FollowedRelativeZ) || Main.NodeMeasuredFlag == 1) return;
  const double node = midLongitude(Main.PreviousStepLongitude, Main.RelativeLongitude[s]);
  Main.AlfaUCurrent = node;
  // Rising through the ecliptic in the run's own time is the ascending node
  // forward in time and the descending one backwards.
  const bool rising = Sgn(Main.FollowedRelativeZ) <= 0;
  const bool ascending = Main.TimeDirection < 0 ? !rising : rising;
  if (ascending) {
    Main.NodeWindowHigh = belowFullTurn(node + Main.dAlfa);
    Main.NodeWindowLow = notNegative(node - Main.dAlfa);
    DateFromJulianDay(Main.JD);
  } else {
    Main.DescendingNodeWindowHigh = belowFullTurn(node + Main.dAlfa);
    Main.DescendingNodeWindowLow = notNegative(node - Main.dAlfa);
    Main.AlfaUCurrent = belowFullTurn(node + 180);
  }
  Main.NodeMeasuredFlag = 1;
  window.showNode(ascending);
}

// The step near the passages: reduced inside the perihelion window (and the
// aphelion window from the first revolution on) while the distance still
// approaches its extremum; the pass on which it turns is the passage.
// Outside the windows the base step, reduced in the node windows until the
// node is measured.
void ModelRun::controlStep(RunWindow& window) {
  const double longitude = Main.RelativeLongitude[Main.SelectedObject];
  bool searching = false;
  if (insideWindow(longitude, Main.PerihelionWindowLow, Main.PerihelionWindowHigh)) {
    Main.InPerihelionWindow = 1;
    searching = true;
  } else if (insideWindow(longitude, Main.AphelionWindowLow, Main.AphelionWindowHigh)) {
    Main.InPerihelionWindow = 0;
    searching = Main.RevolutionCount != 0;
    if (!searching) Main.StepReductionState = 0;
  } else {
    Main.StepReductionState = 0;
  }

  if (searching && Main.StepReductionState != 2) {
    Main.Step = reducedStep();
    Main.StepReductionState = 0;
    const bool perihelion = Main.InPerihelionWindow == 1;
    if (perihelion ? Main.PrevDistance >= Main.Rpl : Main.PrevDistance <= Main.Rpl) {
      Main.StepReductionState = 1;
      Main.PrevDistance = Main.Rpl;
      (perihelion ? Main.MinValue : Main.MaxValue) = Main.Rpl;
      Main.NodeMeasuredFlag = 0;
      return;
    }
    Main.StepReductionState = 2;
    measurePassage(window);
    return;
  }

  Main.Step = Main.P00;
  Main.PrevDistance = Main.Rpl;
  if (Main.NodeMeasuredFlag != 1 &&
      (insideWindow(longitude, Main.NodeWindowLow, Main.NodeWindowHigh) ||
       insideWindow(longitude, Main.DescendingNodeWindowLow, Main.DescendingNodeWindowHigh)))
    Main.Step = reducedStep();
}

void ModelRun::measurePassage(RunWindow& window) {
  const int s = Main.SelectedObject;
  const bool perihelion = Main.InPerihelionWindow == 1;
  Main.AlfaPCurrent = midLongitude(Main.PreviousStepLongitude, Main.RelativeLongitude[s]);
  if (!perihelion) Main.AlfaPCurrent = belowFullTurn(Main.AlfaPCurrent + 180);

  // Into the orbit plane: the node longitude plus the argument of
  // perihelion measured in the plane of the orbit.
  Main.AngleDiff = Main.AlfaPCurrent - Main.AlfaUCurrent;
  if (Main.AngleDiff > 180) Main.AngleDiff -= 360;
  if (Main.AngleDiff < -180) Main.AngleDiff += 360;
  bool firstPassage = false;
  if (Main.AngleDiff != 90 && Main.AngleDiff != -90) {
    double projected =
        std::fabs(std::atan(std::tan(Main.AngleDiff / Main.kUgol) / std::cos(Main.BettaCurrent))) * Main.kUgol;
    if (std::fabs(Main.AngleDiff) > 90) projected = 180 - projected;
    if (Main.AngleDiff < 0) projected = -projected;
    Main.AngleDiffProjected = projected;
    Main.AlfaPCurrent = belowFullTurn(notNegative(Main.AlfaUCurrent + projected));
    firstPassage = Main.RevolutionCount < 1;
  }

  if (firstPassage) {
    Main.AlfaPPrevious = Main.AlfaPCurrent;
    window.showFirstPerihelion();
  } else {
    Main.RadiusVector[s] = (Main.MaxValue + Main.MinValue) / 2;
    Main.EksCurrent = 1 - Main.MinValue / Main.RadiusVector[s];
    if (Main.RevolutionCount == 1) {
      Main.AlfaUPrevious = Main.AlfaUCurrent;
      Main.BettaPrevious = Main.BettaCurrent;
      Main.EksPrevious = Main.EksCurrent;
      Main.RefRadius = Main.RadiusVector[s];
    }
    window.showPassage();
  }

  if (!firstPassage && !perihelion) {
    Main.AphelionWindowHigh = belowFullTurn(Main.AlfaPCurrent + 180 + Main.dAlfa);
    Main.AphelionWindowLow = belowFullTurn(Main.AlfaPCurrent + 180 - Main.dAlfa);
  } else {
    Main.RevolutionCount += 1;
    Main.PerihelionWindowHigh = belowFullTurn(Main.AlfaPCurrent + Main.dAlfa);
    Main.PerihelionWindowLow = notNegative(Main.AlfaPCurrent - Main.dAlfa);
    DateFromJulianDay(Main.JD);
    window.showPerihelionCount();
  }

  if (Main.RevolutionCount >= 3 && controls_.writeOrbitRecords) WriteOrbitRecord();
  Main.BettaCurrent = 0;
  Main.NodeMeasuredFlag = 0;
}

// The pass across longitude 0, where a revolution is counted, is made with
// the reduced step: above 359 degrees forward in time, below 1 degree
// backwards. Without tracking it tests the last longitude measured.
void ModelRun::reduceStepAtSeam() {
  const double longitude = Main.RelativeLongitude[Main.SelectedObject];
  if (Main.TimeDirection < 0 ? longitude < 1 : longitude > 359) Main.Step = reducedStep();
}

#pragma once
// The two-body orbit check: a pair of bodies integrated alone with the
// classical fourth-order Runge-Kutta method on TwoBodyDerivatives, and the
// orbit of the followed body measured after every step: distance and speed
// extremes, the largest latitude, the ascending node and, once per
// revolution, the perihelion, the period, the mean distance and the
// eccentricity. The start-up window checks a planet around the Sun with it,
// the Moon window the Moon around the Earth.
//
// The pair lives in StateVector(1..12): 1..3 position of the centre, 4..6 of
// the body, 7..9 velocity of the centre, 10..12 of the body (m, m/s), and
// outside the integration in slot 0 (the centre) and slot SelectedObject of
// X..VZ. The centre's mass is Mass(SecondObject), the body's
// Mass(SelectedObject). Nothing here has an error trap: a run-time error or
// a floating-point flag goes to the caller's trap.
#include <cstdint>

#include "core/state/BodyState.h"

namespace orbitcheck {

// What a window does at the moments of a step: right after the new state is
// back in the tables, at an ascending node (AlfaUCurrent is new) and at a
// revolution (AlfaPCurrent, Period, RadiusVector, EksCurrent are new; the
// extremes are re-seeded right after).
class OrbitCheckEvents {
 public:
  virtual ~OrbitCheckEvents() = default;
  virtual void stateAdvanced() {}
  virtual void showAscendingNode() {}
  virtual void showRevolution() {}
};

// The start of a check with the pair in slots 0 and SelectedObject: the
// traces (Xsled..) of both and of their centre of mass (slot 14), the state
// vector, Rpl, Vsol, Vpl, StartDistance, FollowedRelativeZ, E0sys (kinetic:
// the potential energy counts from the start), the seeds MinValue = 2 Rpl,
// MaxValue = Rpl / 2, PrevDistance = MinValue, Ymin = 2 Vpl, Ymax = Vpl / 2,
// ModelTime = PrevRevolutionTime = 0, BettaCurrent = the given inclination
// (rad), StopFlag = 0, StepReductionState = 0; and RelativeLongitude(s), the
// start longitude, so that a node in the first step lies between two true
// longitudes. A body straight above or below its centre is a division by
// zero for the caller's trap.
void prepareOrbitCheck(double givenInclination);

// NC0 = stepsPerPass, P00 = baseStep (s), StepDivisor = divisor, Step =
// P00. A base step or divisor that is not positive would stall the check or
// fill it with infinities: a RuntimeError, before anything changes.
void setOrbitCheckSteps(int16_t stepsPerPass, double baseStep, int16_t divisor);

// dAlfa = halfWidth (degrees) and the perihelion and node windows of that
// half-width around AlfaPPrevious and AlfaUPrevious.
void setSearchWindows(double halfWidth);

// A search window of halfWidth degrees about centre (degrees, brought into
// one turn first): high = centre + halfWidth (minus 360 above 360), low =
// centre - halfWidth (plus 360 below 0).
void setSearchWindow(double centre, double halfWidth, double& low, double& high);

// One Runge-Kutta step of Step seconds, the measurement of the body seen
// from slot `centre`, the step control of the perihelion and node windows,
// StepCounter + 1 and ModelTime + the step taken (so the clock is the time
// of the state also on the steps where the windows change the step).
// Measured per step: the distance and speed extremes since the last
// perihelion (MinValue, MaxValue, Ymin, Ymax), the largest latitude
// (BettaCurrent, rad); the ascending node where Z above the centre turns
// from negative to positive (a step from 0 down is a descending node); in
// the perihelion window (step P00 / StepDivisor while the body approaches)
// the first step at which the distance grows again, which is the
// revolution. The node window reduces the step alike.
void orbitCheckStep(int16_t centre, OrbitCheckEvents& events);

// A longitude (degrees 0..360) inside the window low..high of half-width
// halfWidth; a window that runs past 360 wraps.
bool isInsideSearchWindow(double longitude, double low, double high, double halfWidth);

// The mean of two successive longitudes (degrees), minus 180 when they
// straddle 0/360.
double midLongitude(double previous, double current);

// An angle from the node measured on the ecliptic (degrees) carried into the
// orbit plane of the given inclination (rad); ±90 stays as it is.
double orbitPlaneAngle(double eclipticAngle, double inclination);

// measured - given reduced to -180..180 degrees.
double angleDeviation(double measured, double given);

// The centre of mass of slot 0 and slot SelectedObject, m.
Vector3 pairCentreOfMass();

// Energy of the pair now (J): kinetic energies from Vpl and Vsol plus the
// change of the potential energy since StartDistance, distance in metres.
double pairEnergy(double distance);

}  // namespace orbitcheck

// The two-body orbit check: start, Runge-Kutta step, measurement and step
// control (see TwoBodyOrbitCheck.h).
#include "science/twobody/TwoBodyOrbitCheck.h"

#include <cmath>

#include "core/coordinates/Coordinates.h"
#include "core/integration/RungeKutta.h"
#include "core/runtime/NumberText.h"
#include "core/runtime/RuntimeError.h"
#include "core/state/SharedState.h"
#include "core/theory/Theory.h"

namespace orbitcheck {

namespace {

// Components of the two-body state vector.
constexpr int kStateSize = 12;
constexpr int kCentrePosition = 1;
constexpr int kBodyPosition = 4;
constexpr int kCentreVelocity = 7;
constexpr int kBodyVelocity = 10;
constexpr int kCentreOfMassSlot = 14;

// Two successive samples further apart than this in longitude straddle
// 0/360, degrees.
constexpr double kStraddleGap = 5;

double length(const Vector3& v) { return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z); }

void setTrace(int slot, const Vector3& p) {
  Main.Xsled[slot] = p.x;
  Main.Ysled[slot] = p.y;
  Main.Zsled[slot] = p.z;
}

void putInStateVector(int first, const Vector3& v) {
  Main.StateVector[first] = v.x;
  Main.StateVector[first + 1] = v.y;
  Main.StateVector[first + 2] = v.z;
}

Vector3 fromStateVector(int first) {
  return {Main.StateVector[first], Main.StateVector[first + 1], Main.StateVector[first + 2]};
}

// Slots 0 and s of X..VZ into the state vector and back.
void packState() {
  const BodyState centre = currentState(0);
  const BodyState body = currentState(Main.SelectedObject);
  putInStateVector(kCentrePosition, centre.position);
  putInStateVector(kBodyPosition, body.position);
  putInStateVector(kCentreVelocity, centre.velocity);
  putInStateVector(kBodyVelocity, body.velocity);
}

void unpackState() {
  setCurrentState(0, {fromStateVector(kCentrePosition), fromStateVector(kCentreVelocity)});
  setCurrentState(Main.SelectedObject,
                  {fromStateVector(kBodyPosition), fromStateVector(kBodyVelocity)});
}

// The classical fourth-order Runge-Kutta step of h seconds on the shared
// work arrays; the result goes back into slots 0 and s.
void advancePair(double h) {
  rungeKuttaStep(h, 1, kStateSize + 1, [h](int stage) {
    if (stage == 1) Main.StageTime = Main.ModelTime;
    if (stage == 2) Main.StageTime = Main.ModelTime + h / 2;
    if (stage == 4) Main.StageTime = Main.ModelTime + h;
    TwoBodyDerivatives();
  });
  unpackState();
}

// Where the body stands now, seen from the centre slot: longitude, latitude,
// distance; the previous longitude is kept.
void samplePosition(int16_t centre) {
  const int s = Main.SelectedObject;
  Main.PairDX(0, s) = Main.X[s] - Main.X[0];
  Main.PairDY(0, s) = Main.Y[s] - Main.Y[0];
  Main.PairDZ(0, s) = Main.Z[s] - Main.Z[0];
  Main.PreviousStepLongitude = Main.RelativeLongitude[s];
  RelativeEclipticPosition(centre, static_cast<int16_t>(s));
}

void trackLatitudeAndExtremes() {
  Main.RelativeLatitude = std::fabs(Main.RelativeLatitude / Main.kUgol);
  if (Main.RelativeLatitude > Main.BettaCurrent) Main.BettaCurrent = Main.RelativeLatitude;
  if (Main.MinValue > Main.Rpl) Main.MinValue = Main.Rpl;
  if (Main.MaxValue < Main.Rpl) Main.MaxValue = Main.Rpl;
  Main.Vsol = length(currentState(0).velocity);
  Main.Vpl = length(currentState(Main.SelectedObject).velocity);
  if (Main.Ymin > Main.Vpl) Main.Ymin = Main.Vpl;
  if (Main.Ymax < Main.Vpl) Main.Ymax = Main.Vpl;
}

// An ascending node: Z above the centre was negative (or zero) and is now
// positive (or zero). A step from zero down to negative is a descending
// node and is not taken for an ascending one.
void detectAscendingNode(int16_t centre, OrbitCheckEvents& events) {
  const double dz = Main.PairDZ(centre, Main.SelectedObject);
  const int before = Sgn(Main.FollowedRelativeZ);
  const int now = Sgn(dz);
  if (now != before && before <= 0 && now >= 0) {
    Main.AlfaUCurrent = midLongitude(Main.PreviousStepLongitude,
                                     Main.RelativeLongitude[Main.SelectedObject]);
    events.showAscendingNode();
  }
  Main.FollowedRelativeZ = dz;
}

// The measured perihelion longitude from the ecliptic into the orbit plane
// about the measured node, brought into 0..360.
void projectPerihelionIntoOrbitPlane() {
  Main.AngleDiff = Main.AlfaPCurrent - Main.AlfaUCurrent;
  if (Main.AngleDiff <= -180) Main.AngleDiff += 360;
  if (Main.AngleDiff >= 180) Main.AngleDiff -= 360;
  if (Main.AngleDiff == 90 || Main.AngleDiff == -90) return;
  Main.AngleDiffProjected = orbitPlaneAngle(Main.AngleDiff, Main.BettaCurrent);
  Main.AlfaPCurrent = Main.AngleDiffProjected + Main.AlfaUCurrent;
  if (Main.AlfaPCurrent < 0) Main.AlfaPCurrent += 360;
  if (Main.AlfaPCurrent > 360) Main.AlfaPCurrent -= 360;
}

void takeRevolution(OrbitCheckEvents& events) {
  const int s = Main.SelectedObject;
  Main.AlfaPCurrent = midLongitude(Main.PreviousStepLongitude, Main.RelativeLongitude[s]);
  projectPerihelionIntoOrbitPlane();
  Main.Period = (Main.ModelTime - Main.PrevRevolutionTime) / Main.SecondsPerDay;
  Main.PrevRevolutionTime = Main.ModelTime;
  Main.RadiusVector[s] = (Main.MaxValue + Main.MinValue) / 2;
  Main.EksCurrent = 1 - Main.MinValue / Main.RadiusVector[s];
  events.showRevolution();
  Main.MinValue *= 2;
  Main.MaxValue /= 2;
  Main.Ymin *= 2;
  Main.Ymax /= 2;
  Main.BettaCurrent = 0;
}

double reducedStep() { return Main.P00 / Main.StepDivisor; }

// The perihelion window: P00 / StepDivisor inside it while the body still
// approaches; the first step at which the distance grows again is the
// passage, after which the window no longer reduces the step. Returns false
// when the node window is not to be looked at (the passage already taken).
bool controlStepNearPerihelion(OrbitCheckEvents& events) {
  const double longitude = Main.RelativeLongitude[Main.SelectedObject];
  if (!isInsideSearchWindow(longitude, Main.PerihelionWindowLow, Main.PerihelionWindowHigh,
                            Main.dAlfa)) {
    Main.PrevDistance = Main.Rpl;
    Main.Step = Main.P00;
    Main.StepReductionState = 0;
    return true;
  }
  if (Main.StepReductionState == 2) return false;
  Main.Step = reducedStep();
  Main.StepReductionState = 0;
  if (Main.PrevDistance > Main.Rpl) {
    Main.StepReductionState = 1;
    Main.PrevDistance = Main.Rpl;
    return true;
  }
  Main.StepReductionState = 2;
  Main.Step = Main.P00;
  takeRevolution(events);
  return true;
}

void controlStepNearNode() {
  const double longitude = Main.RelativeLongitude[Main.SelectedObject];
  if (isInsideSearchWindow(longitude, Main.NodeWindowLow, Main.NodeWindowHigh, Main.dAlfa))
    Main.Step = reducedStep();
}

}  // namespace

void prepareOrbitCheck(double givenInclination) {
  const int s = Main.SelectedObject;
  const BodyState centre = currentState(0);
  const BodyState body = currentState(s);
  setTrace(0, centre.position);
  setTrace(s, body.position);
  setTrace(kCentreOfMassSlot, pairCentreOfMass());
  packState();
  RelativeEclipticPosition(0, static_cast<int16_t>(s));
  Main.Vsol = length(centre.velocity);
  Main.Vpl = length(body.velocity);
  Main.StartDistance = Main.Rpl;
  Main.FollowedRelativeZ = body.position.z - centre.position.z;
  Main.E0sys = pairEnergy(Main.StartDistance);
  Main.MinValue = 2 * Main.Rpl;
  Main.MaxValue = Main.Rpl / 2;
  Main.PrevDistance = Main.MinValue;
  Main.Ymin = 2 * Main.Vpl;
  Main.Ymax = Main.Vpl / 2;
  Main.ModelTime = 0;
  Main.PrevRevolutionTime = 0;
  Main.BettaCurrent = givenInclination;
  Main.StopFlag = 0;
  Main.StepReductionState = 0;
}

void setOrbitCheckSteps(int16_t stepsPerPass, double baseStep, int16_t divisor) {
  if (!(baseStep > 0) || divisor <= 0)
    throw RuntimeError(ErrorCode::InvalidCall, "the step and its divisor must be positive");
  Main.NC0 = stepsPerPass;
  Main.P00 = baseStep;
  Main.StepDivisor = divisor;
  Main.Step = baseStep;
}

void setSearchWindows(double halfWidth) {
  Main.dAlfa = halfWidth;
  setSearchWindow(Main.AlfaPPrevious, halfWidth, Main.PerihelionWindowLow, Main.PerihelionWindowHigh);
  setSearchWindow(Main.AlfaUPrevious, halfWidth, Main.NodeWindowLow, Main.NodeWindowHigh);
}

void setSearchWindow(double centre, double halfWidth, double& low, double& high) {
  // A given longitude outside 0..360 would put the window where no
  // measured longitude can enter it.
  centre = std::fmod(centre, 360.0);
  if (centre < 0) centre += 360;
  high = centre + halfWidth;
  if (high > 360) high -= 360;
  low = centre - halfWidth;
  if (low < 0) low += 360;
}

void orbitCheckStep(int16_t centre, OrbitCheckEvents& events) {
  const double h = Main.Step;
  advancePair(h);
  events.stateAdvanced();
  samplePosition(centre);
  trackLatitudeAndExtremes();
  detectAscendingNode(centre, events);
  if (controlStepNearPerihelion(events)) controlStepNearNode();
  Main.StepCounter = static_cast<int16_t>(Main.StepCounter + 1);
  Main.ModelTime += h;
}

bool isInsideSearchWindow(double longitude, double low, double high, double halfWidth) {
  if (360 - 2 * halfWidth >= low) return low <= longitude && longitude <= high;
  return longitude <= high || longitude >= low;
}

double midLongitude(double previous, double current) {
  const double mean = (previous + current) / 2;
  return std::fabs(previous - current) > kStraddleGap ? mean - 180 : mean;
}

double orbitPlaneAngle(double eclipticAngle, double inclination) {
  if (eclipticAngle == 90 || eclipticAngle == -90) return eclipticAngle;
  const double kUgol = Main.kUgol;
  double angle =
      std::fabs(std::atan(std::tan(eclipticAngle / kUgol) / std::cos(inclination))) * kUgol;
  if (std::fabs(eclipticAngle) > 90) angle = 180 - angle;
  return eclipticAngle < 0 ? -angle : angle;
}

double angleDeviation(double measured, double given) {
  double deviation = std::fmod(measured - given, 360.0);
  if (deviation > 180) deviation -= 360;
  if (deviation < -180) deviation += 360;
  return deviation;
}

Vector3 pairCentreOfMass() {
  const int s = Main.SelectedObject;
  const double bodyMass = Main.Mass[s];
  const double centreMass = Main.Mass[Main.SecondObject];
  return (bodyMass * currentState(s).position + centreMass * currentState(0).position) /
         (bodyMass + centreMass);
}

double pairEnergy(double distance) {
  const double bodyMass = Main.Mass[Main.SelectedObject];
  const double centreMass = Main.Mass[Main.SecondObject];
  return Main.gamma * centreMass * bodyMass * (1 / Main.StartDistance - 1 / distance) +
         bodyMass * Main.Vpl * Main.Vpl / 2 + centreMass * Main.Vsol * Main.Vsol / 2;
}

}  // namespace orbitcheck

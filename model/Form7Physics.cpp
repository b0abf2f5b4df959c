// The physics of the retardation test bench: placement of a body, the
// starting geometry of the pair, the traces, the traced pairs and the law
// of gravity pressure (see Form7Physics.h).
#include "model/Form7Physics.h"

#include <cmath>

#include "core/state/SharedState.h"
#include "core/theory/Theory.h"
#include "science/engine/PairAngles.h"
#include "science/engine/PressureLaws.h"

namespace bench {
namespace {

// The objects of the pair loops: 0 .. LastObjectIndex − 1.
int pairLoopEnd() { return Main.LastObjectIndex; }

// Calls pair(j, k) for every ordered pair of distinct objects of the loops,
// j outer, k inner.
template <class Pair>
void forEachOrderedPair(Pair pair) {
  for (int j = 0; j < pairLoopEnd(); ++j)
    for (int k = 0; k < pairLoopEnd(); ++k)
      if (j != k) pair(j, k);
}

using nbody::directionInPlane;
using nbody::withinHalfTurn;

double newtonForce(int i, int k, double distance) {
  return Main.Mass[i] * Main.Mass[k] * Main.gamma / distance / distance;
}

// Writes the vector from (the trace of) i to k with its lengths.
void setPairVector(int i, int k, double dx, double dy, double dz) {
  Main.PairDX(i, k) = dx;
  Main.PairDY(i, k) = dy;
  Main.PairDZ(i, k) = dz;
  Main.PairDistanceXY(i, k) = std::sqrt(dy * dy + dx * dx);
  Main.PairDistance(i, k) = std::sqrt(dz * dz + Main.PairDistanceXY(i, k) * Main.PairDistanceXY(i, k));
}

// Unit vector u of the pair (i, k), from the trace of i toward k.
struct Unit {
  double x, y, z;
};
Unit unitOf(int i, int k) {
  const double r = Main.PairDistance(i, k);
  return {Main.PairDX(i, k) / r, Main.PairDY(i, k) / r, Main.PairDZ(i, k) / r};
}

// Force parts of magnitude F on k toward the trace of i: −F·u.
void setForceParts(int i, int k, double force) {
  const Unit u = unitOf(i, k);
  Main.ForceX(i, k) = -force * u.x;
  Main.ForceY(i, k) = -force * u.y;
  Main.ForceZ(i, k) = -force * u.z;
}

void setAngleDifferences(int j, int k) {
  const double alpha = Main.PairLongitude(j, k), beta = Main.PairLatitude(j, k);
  Main.dAlfaVX1(j, k) = withinHalfTurn(Main.AlfaVX[j] - alpha);
  Main.dAlfaVY1(j, k) = withinHalfTurn(Main.AlfaVY[j] - alpha);
  Main.dBettaVZ1(j, k) = Main.BettaVZ[j] - beta;
  Main.dAlfaVX2(j, k) = withinHalfTurn(Main.AlfaVX[k] - alpha);
  Main.dAlfaVY2(j, k) = withinHalfTurn(Main.AlfaVY[k] - alpha);
  Main.dBettaVZ2(j, k) = Main.BettaVZ[k] - beta;
}

void measureTracedPair(int j, int k) {
  setPairVector(j, k, Main.X[k] - Main.Xsled[j], Main.Y[k] - Main.Ysled[j], Main.Z[k] - Main.Zsled[j]);
  const double r = Main.PairDistance(j, k);
  Main.PropagationTime(j, k) = r / Main.Vgr;
  Main.Force(j, k) = newtonForce(j, k, r);
  Main.PairLatitude(j, k) = std::atan2(Main.PairDZ(j, k), Main.PairDistanceXY(j, k));
  Main.PairLongitude(j, k) = directionInPlane(Main.PairDX(j, k), Main.PairDY(j, k));
  setAngleDifferences(j, k);
  setForceParts(j, k, Main.Force(j, k));
}

// The bench's law ("Зорвен1", the model's law 6): the Newton force times
// (1 − k1·Vk/Vgr) / (1 − k2·Vi/Vgr).
double pressureForce(double newton, double sourceRadial, double targetRadial) {
  nbody::PairMotion motion;
  motion.sourceRadialVelocity = sourceRadial;
  motion.targetRadialVelocity = targetRadial;
  const nbody::LawCoefficients coefficients{Main.kPgr1, Main.kPgr2, Main.Vgr};
  return newton * nbody::pressureFactor<nbody::PressureLaw::Zorven>(motion, coefficients);
}

void applyPressureLawToPair(int j, int k) {
  const Unit u = unitOf(j, k);
  Main.dVX1(j, k) = u.x * Main.SourceVelocityX(j, k);
  Main.dVY1(j, k) = u.y * Main.SourceVelocityY(j, k);
  Main.dVZ1(j, k) = u.z * Main.SourceVelocityZ(j, k);
  Main.dVX2(j, k) = u.x * Main.VX[k];
  Main.dVY2(j, k) = u.y * Main.VY[k];
  Main.dVZ2(j, k) = u.z * Main.VZ[k];
  Main.SourceRadialVelocity(j, k) = Main.dVX1(j, k) + Main.dVZ1(j, k) + Main.dVY1(j, k);
  Main.TargetRadialVelocity(j, k) = Main.dVX2(j, k) + Main.dVZ2(j, k) + Main.dVY2(j, k);
  Main.Force(j, k) =
      pressureForce(Main.Force(j, k), Main.SourceRadialVelocity(j, k), Main.TargetRadialVelocity(j, k));
  setForceParts(j, k, Main.Force(j, k));
}

}  // namespace

void placeOnMeanCircle(int body, double longitude) {
  Main.CurrentObject = static_cast<int16_t>(body);
  SetElementsSer0();
  SetMassesSer0();
  const double radius = Main.Rsr[body], beta = Main.Betta[body];
  Main.TransverseSpeed = Main.Wsr[body] * radius;
  const double speed = Main.TransverseSpeed;
  Main.X[body] = radius * std::cos(longitude) * std::cos(beta);
  Main.Y[body] = radius * std::sin(longitude) * std::cos(beta);
  Main.Z[body] = 0;
  Main.VX[body] = -std::sin(longitude) * speed * std::cos(beta);
  Main.VY[body] = std::cos(longitude) * speed * std::cos(beta);
  Main.VZ[body] = speed * std::sin(beta);
  Main.AccelerationX[body] = Main.AccelerationY[body] = Main.AccelerationZ[body] = 0;
}

void placeSunAtRest() { Main.X[0] = Main.Y[0] = Main.Z[0] = Main.VX[0] = Main.VY[0] = Main.VZ[0] = 0; }

void addSystemVelocity(int body) {
  Main.VX[body] += Main.VXsys * 1000;
  Main.VY[body] += Main.VYsys * 1000;
  Main.VZ[body] += Main.VZsys * 1000;
}

void measureStartingPair(int n1, int n2) {
  setPairVector(n1, n2, Main.X[n2] - Main.X[n1], Main.Y[n2] - Main.Y[n1], Main.Z[n2] - Main.Z[n1]);
  const double dx = Main.PairDX(n1, n2), dy = Main.PairDY(n1, n2), dz = Main.PairDZ(n1, n2);
  const double r = Main.PairDistance(n1, n2);
  Main.PropagationTime(n1, n2) = r / Main.Vgr;
  Main.PropagationTime(n2, n1) = Main.PropagationTime(n1, n2);
  const double force = newtonForce(n1, n2, r);
  Main.Force(n1, n2) = force;
  Main.PairLatitude(n1, n2) = std::fabs(std::atan2(dz, Main.PairDistanceXY(n1, n2)));
  double longitude = dy < 0 ? 1.5 * Main.Pi : 0.5 * Main.Pi;
  if (dx != 0) longitude = std::fabs(std::atan(dy / dx));
  Main.PairLongitude(n1, n2) = longitude;
  Main.ForceX(n1, n2) = force * std::fabs(dx) / r;
  Main.ForceY(n1, n2) = force * std::fabs(dy) / r;
  Main.ForceZ(n1, n2) = force * std::fabs(dz) / r;
}

void setVelocityDirections() {
  for (int j = 0; j < pairLoopEnd(); ++j) {
    Main.AlfaVX[j] = Main.VX[j] >= 0 ? 0.0 : Main.Pi;
    Main.AlfaVY[j] = Main.VY[j] >= 0 ? Main.Pi / 2 : 3 * Main.Pi / 2;
    Main.BettaVZ[j] = Main.VZ[j] >= 0 ? Main.Pi / 2 : -Main.Pi / 2;
  }
}

void traceAtPresentPosition(int body) {
  Main.Xsled[body] = Main.X[body];
  Main.Ysled[body] = Main.Y[body];
  Main.Zsled[body] = Main.Z[body];
}

void traceAlongMotion(int body, double delay, bool withAcceleration) {
  const double half = withAcceleration ? delay * delay / 2 : 0.0;
  Main.Xsled[body] = Main.X[body] - delay * Main.VX[body] + half * Main.AccelerationX[body];
  Main.Ysled[body] = Main.Y[body] - delay * Main.VY[body] + half * Main.AccelerationY[body];
  Main.Zsled[body] = Main.Z[body] - delay * Main.VZ[body] + half * Main.AccelerationZ[body];
}

void measureTracedPairs() { forEachOrderedPair(measureTracedPair); }

NewtonValues newtonValues(int i, int k) {
  return {Main.Force(i, k), Main.ForceX(i, k), Main.ForceY(i, k), Main.ForceZ(i, k)};
}

void setSourceVelocities(bool retarded) {
  forEachOrderedPair([retarded](int j, int k) {
    const double delay = retarded ? Main.PropagationTime(j, k) : 0.0;
    Main.SourceVelocityX(j, k) = Main.VX[j] - delay * Main.AccelerationX[j];
    Main.SourceVelocityY(j, k) = Main.VY[j] - delay * Main.AccelerationY[j];
    Main.SourceVelocityZ(j, k) = Main.VZ[j] - delay * Main.AccelerationZ[j];
  });
}

void applyPressureLaw() { forEachOrderedPair(applyPressureLawToPair); }

}  // namespace bench

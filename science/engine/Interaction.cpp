#include "science/engine/Interaction.h"

#include "core/state/SharedState.h"

namespace nbody {
namespace {

ForceModelKind forceModelOf(int code) {
  if (code == 0) return ForceModelKind::Classical;
  if (code == 1) return ForceModelKind::Relativistic;
  return ForceModelKind::NoEvaluation;
}

RetardationKind retardationOf(int finiteSpeedFlag, int variant) {
  if (finiteSpeedFlag == 0) return RetardationKind::Instant;
  switch (variant) {
    case 1: return RetardationKind::PresentVelocity;
    case 2: return RetardationKind::VelocityAndAcceleration;
    case 3: return RetardationKind::StoredTrace;
    default: return RetardationKind::Instant;
  }
}

// The bodies of the attracting pairs and the coefficient tables among them.
void listAttractingBodies(Interaction& in) {
  bool attracting[kBodyCount] = {};
  for (int i = 0; i < kBodyCount; ++i)
    for (int k = 0; k < kBodyCount; ++k)
      if (in.sourceGM[i][k] != 0) attracting[i] = attracting[k] = true;
  in.attractingBodyCount = 0;
  for (int b = 0; b < kBodyCount; ++b)
    if (attracting[b]) in.attractingBodies[in.attractingBodyCount++] = b;
  in.attractingBodiesLeadTheState = true;
  for (int a = 0; a < in.attractingBodyCount; ++a)
    if (in.attractingBodies[a] != a) in.attractingBodiesLeadTheState = false;
  for (int a = 0; a < in.attractingBodyCount; ++a)
    for (int b = 0; b < in.attractingBodyCount; ++b)
      in.attractingGM[a][b] = in.receivedGM[b][a] = in.sourceGM[in.attractingBodies[a]][in.attractingBodies[b]];
  const int count = in.attractingBodyCount;
  if (count == 10 || count == 11)
    for (int a = 0; a < count; ++a)
      for (int b = 0; b < count; ++b)
        if (a != b) in.tracedGM[tracedSlot(count, a, b)] = in.attractingGM[a][b];
  int p = 0;
  for (int a = 0; a < in.attractingBodyCount; ++a)
    for (int b = a + 1; b < in.attractingBodyCount; ++b, ++p) {
      in.attractingPairs.given[p] = in.attractingGM[a][b];
      in.attractingPairs.received[p] = in.receivedGM[a][b];
    }
}

}  // namespace

Interaction readInteraction() {
  Interaction in;
  in.model = forceModelOf(Main.ForceModel);
  in.retardation = retardationOf(Main.FiniteVgrFlag, Main.kodDX);
  in.gravitationalConstant = Main.gamma;
  in.gravitySpeed = Main.Vgr;
  in.distanceExponent = Main.DistanceExponent;
  in.inverseSquare = Main.DistanceExponent == 2.0;
  for (int i = 0; i < kBodyCount; ++i) in.mass[i] = Main.Mass[i];
  for (int i = 0; i < kBodyCount; ++i)
    for (int k = 0; k < kBodyCount; ++k)
      in.sourceGM[i][k] = in.receivedBySource[k][i] = k == i ? 0.0 : Main.PairIncluded(i, k) * Main.gamma * in.mass[i];
  listAttractingBodies(in);
  if (in.model == ForceModelKind::Classical && Main.FiniteVgrFlag != 0) in.law = pressureLawOf(Main.kodPgr);
  in.lawCoefficients = {Main.kPgr1, Main.kPgr2, Main.Vgr};
  in.kinematicsEveryStage = Main.EveryStageKinematicsFlag != 0;
  in.kinematicsFromJerks = Main.JerkKinematicsFlag != 0;
  in.shortLienardWiechert = Main.ShortLWFlag != 0;
  return in;
}

}  // namespace nbody

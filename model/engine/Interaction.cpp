#include "model/engine/Interaction.h"

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

void listPairs(Interaction& in) {
  in.attractingOrderedCount = 0;
  in.attractingUnorderedCount = 0;
  int ordered = 0, unordered = 0;
  for (int i = 0; i < kBodyCount; ++i) {
    for (int k = 0; k < kBodyCount; ++k) {
      if (k == i) continue;
      in.allOrdered[ordered++] = {i, k};
      if (in.sourceGM[i][k] != 0) in.attractingOrdered[in.attractingOrderedCount++] = {i, k};
      if (k < i) continue;
      in.allUnordered[unordered++] = {i, k};
      if (in.sourceGM[i][k] != 0 || in.sourceGM[k][i] != 0)
        in.attractingUnordered[in.attractingUnorderedCount++] = {i, k};
    }
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
      in.sourceGM[i][k] = k == i ? 0.0 : Main.PairIncluded(i, k) * Main.gamma * in.mass[i];
  listPairs(in);
  return in;
}

}  // namespace nbody

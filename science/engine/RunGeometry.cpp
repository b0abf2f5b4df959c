#include "science/engine/RunGeometry.h"

#include <cmath>

#include "core/state/SharedState.h"

void measurePresentPair(int i, int k) {
  const double dx = Main.X[k] - Main.X[i], dy = Main.Y[k] - Main.Y[i], dz = Main.Z[k] - Main.Z[i];
  Main.PairDX(i, k) = dx;
  Main.PairDY(i, k) = dy;
  Main.PairDZ(i, k) = dz;
  const double distanceXY = std::sqrt(dy * dy + dx * dx);
  Main.PairDistanceXY(i, k) = distanceXY;
  Main.PairDistance(i, k) = std::sqrt(dz * dz + distanceXY * distanceXY);
}

double angularMomentumAbout(int centre, int first, int last) {
  double sum = 0;
  for (int i = first; i <= last; ++i) {
    Main.PairDX(centre, i) = Main.X[i] - Main.X[centre];
    Main.PairDY(centre, i) = Main.Y[i] - Main.Y[centre];
    Main.PairDZ(centre, i) = Main.Z[i] - Main.Z[centre];
    sum += ((Main.VY[i] - Main.VY[centre]) * Main.PairDX(centre, i) -
            (Main.VX[i] - Main.VX[centre]) * Main.PairDY(centre, i)) *
           Main.ObjectIncluded[i] * Main.Mass[i];
  }
  return sum;
}

double planetPairPotential(int last) {
  double potential = 0;
  for (int i = 1; i <= last; ++i) {
    for (int k = 1; k <= last; ++k) {
      if (k == i) continue;
      measurePresentPair(i, k);
      potential -= Main.PairIncluded(i, k) * Main.gamma * Main.Mass[i] * Main.Mass[k] / Main.PairDistance(i, k) * 0.5;
    }
  }
  return potential;
}

void sumMassMoments(int last) {
  Main.X[16] = Main.Y[16] = Main.Z[16] = 0;
  Main.X[17] = Main.Y[17] = Main.Z[17] = 0;
  for (int i = 0; i <= last; ++i) {
    const double weight = Main.ObjectIncluded[i] * Main.Mass[i];
    Main.X[16] += weight * Main.X[i];
    Main.Y[16] += weight * Main.Y[i];
    Main.Z[16] += weight * Main.Z[i];
    Main.X[17] += weight * Main.VX[i];
    Main.Y[17] += weight * Main.VY[i];
    Main.Z[17] += weight * Main.VZ[i];
  }
}

void centreOfMassFromMoments() {
  Main.X[14] = Main.X[16] / Main.SystemMass;
  Main.Y[14] = Main.Y[16] / Main.SystemMass;
  Main.Z[14] = Main.Z[16] / Main.SystemMass;
  Main.VX[14] = Main.X[17] / Main.SystemMass;
  Main.VY[14] = Main.Y[17] / Main.SystemMass;
  Main.VZ[14] = Main.Z[17] / Main.SystemMass;
}

#pragma once
// The record of an evaluation that copies every pair into the shared pair
// tables (the Record of the pair loops of PairKernels.h and LawKernels.h),
// used when something reads the tables: the gravity-test text at every
// stage, and the output passes of the run loop.
#include <cmath>

#include "core/state/SharedState.h"
#include "science/engine/Interaction.h"
#include "science/engine/PairKernels.h"

namespace nbody {

// PairIncluded·gamma·m(i)·m(k) / R^p, newtons; a pair that does not attract
// has no force, whatever its distance.
inline double pairForce(const Interaction& in, int i, int k, double r) {
  const double gm = in.sourceGM[i][k];
  if (gm == 0) return 0.0;
  return gm * in.mass[k] / (in.inverseSquare ? r * r : std::pow(r, in.distanceExponent));
}

// Copies each pair of an evaluation into the shared pair tables: the vector
// from the (trace of the) source, its lengths, the propagation time, and
// the force (classical: newtons, components −F·r/R, and the direction
// angles of r) or the acceleration (relativistic). With the geometry kept,
// only the forces: the run loop's own measure of the pairs stands.
class PairTablesRecord {
 public:
  static constexpr bool active = true;
  PairTablesRecord(const Interaction& in, bool relativistic, bool geometryKept = false)
      : in_(in), relativistic_(relativistic), geometryKept_(geometryKept) {}

  void pair(int i, int k, const PairVector& p, double ax, double ay, double az) {
    if (relativistic_) {
      if (!geometryKept_) writeGeometry(i, k, p);
      Main.ForceX(i, k) = ax;
      Main.ForceY(i, k) = ay;
      Main.ForceZ(i, k) = az;
      return;
    }
    const double force = pairForce(in_, i, k, p.r);
    const double along = force == 0 ? 0.0 : -force / p.r;
    pairWithForce(i, k, p, force, along * p.x, along * p.y, along * p.z);
  }

  // A classical pair with its force (newtons: the magnitude as the law of
  // the pair keeps it, and the components), the propagation time and the
  // direction angles of r.
  void pairWithForce(int i, int k, const PairVector& p, double force, double fx, double fy, double fz) {
    Main.Force(i, k) = force;
    Main.ForceX(i, k) = fx;
    Main.ForceY(i, k) = fy;
    Main.ForceZ(i, k) = fz;
    if (geometryKept_) return;
    writeGeometry(i, k, p);
    Main.PropagationTime(i, k) = p.r / in_.gravitySpeed;
    Main.PairLatitude(i, k) = std::atan2(p.z, Main.PairDistanceXY(i, k));
    Main.PairLongitude(i, k) =
        p.x != 0 ? std::atan(p.y / p.x) : (p.y < 0 ? 1.5 * Main.Pi : 0.5 * Main.Pi);
  }

 private:
  const Interaction& in_;
  bool relativistic_;
  bool geometryKept_;

  static void writeGeometry(int i, int k, const PairVector& p) {
    Main.PairDX(i, k) = p.x;
    Main.PairDY(i, k) = p.y;
    Main.PairDZ(i, k) = p.z;
    Main.PairDistanceXY(i, k) = std::sqrt(p.x * p.x + p.y * p.y);
    Main.PairDistance(i, k) = p.r;
  }
};

}  // namespace nbody

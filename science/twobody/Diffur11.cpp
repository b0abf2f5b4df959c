// Diffur11: the right-hand side of the two-body problem, and the
// Runge-Kutta step over it.
#include <cmath>

#include "core/integration/RungeKutta.h"
#include "core/state/SharedState.h"
#include "science/twobody/TwoBody.h"

namespace twobody {

namespace {

// Coordinate differences of a pair (attracted minus attracting body), the
// distances and the propagation time over them.
struct PairGeometry {
  double dx = 0, dy = 0, dz = 0, dxy = 0, r = 0, t = 0;
};

void measure(PairGeometry& g) {
  g.dxy = std::sqrt(g.dx * g.dx + g.dy * g.dy);
  g.r = std::sqrt(g.dxy * g.dxy + g.dz * g.dz);
  g.t = g.r / Main.Vgr;
}

PairGeometry instantaneousPair(int attracting, int attracted) {
  PairGeometry g;
  g.dx = Main.X[attracted] - Main.X[attracting];
  g.dy = Main.Y[attracted] - Main.Y[attracting];
  g.dz = Main.Z[attracted] - Main.Z[attracting];
  measure(g);
  return g;
}

// The attracting body taken where it was g.t seconds ago, moving back along
// its current velocity.
void retard(PairGeometry& g, int attracting, int attracted) {
  g.dx = g.t * Main.VX[attracting] + (Main.X[attracted] - Main.X[attracting]);
  g.dy = g.t * Main.VY[attracting] + (Main.Y[attracted] - Main.Y[attracting]);
  g.dz = g.t * Main.VZ[attracting] + (Main.Z[attracted] - Main.Z[attracting]);
  measure(g);
}

// Direction of the pair in the XY plane: pi/2 or 3pi/2 when DX is 0, else
// atan(DY/DX) (only its sine and cosine in absolute value matter).
double pairLongitude(const PairGeometry& g) {
  if (g.dx != 0) return std::atan(g.dy / g.dx);
  return g.dy < 0 ? 1.5 * Main.Pi : Main.Pi / 2;
}

// Newton's attraction of `attracted` towards the (retarded) place of
// `attracting`, into the pair tables of (attracting, attracted).
void attract(const PairGeometry& g, int attracting, int attracted) {
  const double force = Main.Mass[Main.SelectedObject] * Main.Mass[Main.SecondObject] *
                       Main.gamma / (g.r * g.r);
  Main.PairDX(attracting, attracted) = g.dx;
  Main.PairDY(attracting, attracted) = g.dy;
  Main.PairDZ(attracting, attracted) = g.dz;
  Main.PairDistanceXY(attracting, attracted) = g.dxy;
  Main.PairDistance(attracting, attracted) = g.r;
  Main.PropagationTime(attracting, attracted) = g.t;
  Main.PairLatitude(attracting, attracted) = std::atan2(g.dz, g.dxy);
  Main.PairLongitude(attracting, attracted) = pairLongitude(g);
  Main.Force(attracting, attracted) = force;
  // Each component points from the attracted body to the attracting one.
  Main.ForceX(attracting, attracted) = -force * g.dx / g.r;
  Main.ForceY(attracting, attracted) = -force * g.dy / g.r;
  Main.ForceZ(attracting, attracted) = -force * g.dz / g.r;
}

// Drag k·v² on each velocity component of `body`, against its sign.
void applyDrag(int attracting, int body, double k) {
  Main.ForceX(attracting, body) -= k * Main.VX[body] * std::fabs(Main.VX[body]);
  Main.ForceY(attracting, body) -= k * Main.VY[body] * std::fabs(Main.VY[body]);
  Main.ForceZ(attracting, body) -= k * Main.VZ[body] * std::fabs(Main.VZ[body]);
}

// The tangential force Ft (N) along the velocity of `body` (speed `speed`).
// A body at rest has no direction of motion and gets none.
void applyTangentialForce(int attracting, int body, double speed, double Ft) {
  if (Ft == 0 || speed == 0) return;
  Main.ForceX(attracting, body) += Main.VX[body] * Ft / speed;
  Main.ForceY(attracting, body) += Main.VY[body] * Ft / speed;
  Main.ForceZ(attracting, body) += Main.VZ[body] * Ft / speed;
}

void unpackBody(int slot, int firstPosition, int firstVelocity) {
  Main.X[slot] = Main.StateVector[firstPosition];
  Main.Y[slot] = Main.StateVector[firstPosition + 1];
  Main.Z[slot] = Main.StateVector[firstPosition + 2];
  Main.VX[slot] = Main.StateVector[firstVelocity];
  Main.VY[slot] = Main.StateVector[firstVelocity + 1];
  Main.VZ[slot] = Main.StateVector[firstVelocity + 2];
}

double speed(int slot) {
  return std::sqrt(Main.VX[slot] * Main.VX[slot] + Main.VY[slot] * Main.VY[slot] +
                   Main.VZ[slot] * Main.VZ[slot]);
}

}  // namespace

void rungeKuttaStep(double h, const ForceOptions& options) {
  ::rungeKuttaStep(h, 1, 13, [&options](int) { Diffur11(options); });
}

}  // namespace twobody

void Diffur11(const twobody::ForceOptions& options) {
  using namespace twobody;
  unpackBody(kM2, 1, 7);
  unpackBody(kM1, 4, 10);
  Main.Vpl = speed(kM1);
  Main.Vsol = speed(kM2);

  PairGeometry onM1 = instantaneousPair(kM2, kM1);
  PairGeometry onM2 = instantaneousPair(kM1, kM2);
  if (Main.FiniteVgrFlag != 0) {
    for (Main.IterIndex = 1; Main.IterIndex <= 2; ++Main.IterIndex) {
      retard(onM1, kM2, kM1);
      retard(onM2, kM1, kM2);
    }
  }
  Main.CurrentObject = kM1;
  Main.LoopIndexK = kM2;

  const bool open = options.intervalOpen;
  attract(onM1, kM2, kM1);
  if (open) {
    applyDrag(kM2, kM1, options.drag);
    Main.TransverseSpeed = options.ftBySecondSpeed ? Main.Vsol : Main.Vpl;
    double Ft = 0;
    if (options.ftMode == FtMode::Analytically)
      Ft = Main.TransverseSpeed * Main.Force(kM2, kM1) / Main.Vgr;
    else if (options.ftMode == FtMode::FromScreen)
      Ft = options.FtScreen;
    applyTangentialForce(kM2, kM1, Main.Vpl, Ft);
  }
  attract(onM2, kM1, kM2);
  if (open) {
    applyDrag(kM1, kM2, options.drag);
    if (options.ftOnM2) {
      Main.TransverseSpeed = options.ftBySecondSpeed ? Main.Vpl : Main.Vsol;
      double Ft = 0;
      if (options.ftMode == FtMode::Analytically)
        Ft = Main.TransverseSpeed * Main.Force(kM1, kM2) / Main.Vgr;
      applyTangentialForce(kM1, kM2, Main.Vsol, Ft);
    }
  }

  for (int j = 1; j <= 6; ++j) Main.StateDerivative[j] = Main.StateVector[j + 6];
  const double m2 = Main.Mass[Main.SecondObject];
  const double m1 = Main.Mass[Main.SelectedObject];
  Main.StateDerivative[7] = Main.ForceX(kM1, kM2) / m2;
  Main.StateDerivative[8] = Main.ForceY(kM1, kM2) / m2;
  Main.StateDerivative[9] = Main.ForceZ(kM1, kM2) / m2;
  Main.StateDerivative[10] = Main.ForceX(kM2, kM1) / m1;
  Main.StateDerivative[11] = Main.ForceY(kM2, kM1) / m1;
  Main.StateDerivative[12] = Main.ForceZ(kM2, kM1) / m1;
}

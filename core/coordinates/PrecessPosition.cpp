// PrecessPosition, PrecessVelocity: apply Main.PrecessionMatrix, as the last
// of the two precession builders left it, to the position or the velocity of
// Main.CurrentObject.
// Reads:    Main.CurrentObject, Main.PrecessionMatrix
// Returns:  Main.X, Main.Y, Main.Z (or Main.VX, Main.VY, Main.VZ) of the
//           object replaced by the matrix times the vector, same unit
#include "core/coordinates/Coordinates.h"
#include "core/state/SharedState.h"

namespace {

void rotateByPrecession(double& x, double& y, double& z) {
  const double v[4] = {0.0, x, y, z};
  double out[4] = {};
  for (long row = 1; row <= 3; ++row)
    for (long column = 1; column <= 3; ++column)
      out[row] += Main.PrecessionMatrix(row, column) * v[column];
  x = out[1];
  y = out[2];
  z = out[3];
}

}  // namespace

void PrecessPosition() {
  const long i = Main.CurrentObject;
  rotateByPrecession(Main.X[i], Main.Y[i], Main.Z[i]);
}

void PrecessVelocity() {
  const long i = Main.CurrentObject;
  rotateByPrecession(Main.VX[i], Main.VY[i], Main.VZ[i]);
}

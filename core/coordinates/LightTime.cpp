#include "core/coordinates/LightTime.h"

#include "core/coordinates/Coordinates.h"
#include "core/state/SharedState.h"

void retardForLightTime(int16_t observer, int16_t body, int passes) {
  Main.X0[body] = Main.X[body];
  Main.Y0[body] = Main.Y[body];
  Main.Z0[body] = Main.Z[body];
  for (int pass = 0; pass < passes; ++pass) {
    const double lightTime = Main.PropagationTime(observer, body);
    Main.X[body] = Main.X0[body] - lightTime * Main.VX[body];
    Main.Y[body] = Main.Y0[body] - lightTime * Main.VY[body];
    Main.Z[body] = Main.Z0[body] - lightTime * Main.VZ[body];
    RelativeEclipticPosition(observer, body);
    Main.PropagationTime(observer, body) = Main.Rpl / Main.Vsv;
  }
}

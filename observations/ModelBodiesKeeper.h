#pragma once
// The model's bodies kept for the length of a scope and put back at its
// end. The theories overwrite the shared positions, velocities, masses,
// elements and date of the bodies they evaluate; the observation windows
// evaluate them for their own use (a reduction epoch, a plan template, a
// pass of the eclipse window), and the initial data of the start-up window
// and a model run waiting on the model window must find their values as
// they left them.
//
//   const auto modelBodies = keepModelBodies();
#include "core/state/KeptValues.h"
#include "core/state/SharedState.h"

inline auto keepModelBodies() {
  return KeptValues(Main.X, Main.Y, Main.Z, Main.VX, Main.VY, Main.VZ, Main.X0, Main.Y0, Main.Z0, Main.Mass,
                    Main.MassRatio, Main.AlfaL, Main.AlfaP, Main.AlfaU, Main.Betta, Main.Eks, Main.Rsr, Main.RsrAU,
                    Main.Wsr, Main.MeanAnomaly, Main.JD, Main.kodMoon, Main.kodBary);
}

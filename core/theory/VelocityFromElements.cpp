// VelocityFromElements: orbital velocity of a body about its central mass.
#include <cmath>

#include "core/state/SharedState.h"
#include "core/theory/Theory.h"

namespace {

// The central mass of the body's orbit (kg) by kodBary: 1 the relative orbit
// of the pair (two-body μ), 2 the body's own orbit about the barycentre of
// the pair, any other value a fixed centre.
double centralMass(double bodyMass, double centreMass) {
  switch (Main.kodBary) {
    case 1:
      return centreMass + bodyMass;
    case 2:
      return centreMass * centreMass * centreMass /
             ((centreMass + bodyMass) * (centreMass + bodyMass));
    default:
      return centreMass;
  }
}

}  // namespace

// VelocityFromElements: velocity of a body from its elements and the masses.
// Reads:    CurrentObject and its Eks, Rsr (m), TrueAnomaly,
//           ArgumentOfLatitude, AlfaU, Betta (rad), RadiusVector, X, Y, Z
//           (m) as the last PositionFromElements left them; kodMoon, kodBary,
//           Mass (kg), gamma (m³/(kg s²))
// Writes:   SecondObject (0 the Sun, or 13 the Earth alone when kodMoon = 1),
//           Mass(12) = the central mass, SemiLatusRectum p = a(1 - e²) (m),
//           RadialSpeed, TransverseSpeed (m/s), VX, VY, VZ of the body (m/s)
// Returns:  the velocity relative to the central body in the frame of the
//           elements: the radial part sqrt(μ/p) e sin v along the radius
//           vector and the transverse part sqrt(μ/p) (1 + e cos v)
//           perpendicular to it in the orbit plane, μ = gamma Mass(12).
// Notes:    The mean motion Wsr plays no part.
// Reference: Danby, Fundamentals of Celestial Mechanics (the two-body problem).
void VelocityFromElements() {
  const int body = Main.CurrentObject;
  Main.SecondObject = Main.kodMoon == 1 ? 13 : 0;
  Main.Mass[12] = centralMass(Main.Mass[body], Main.Mass[Main.SecondObject]);

  const double e = Main.Eks[body];
  Main.SemiLatusRectum = (1.0 - e * e) * Main.Rsr[body];
  const double k = std::sqrt(Main.gamma * Main.Mass[12] / Main.SemiLatusRectum);
  const double v = Main.TrueAnomaly[body];
  Main.RadialSpeed = k * e * std::sin(v);
  Main.TransverseSpeed = k * (1.0 + e * std::cos(v));

  const double u = Main.ArgumentOfLatitude[body];
  const double node = Main.AlfaU[body];
  const double inclination = Main.Betta[body];
  const double radialPerMetre = Main.RadialSpeed / Main.RadiusVector[body];
  Main.VX[body] = Main.TransverseSpeed * (-std::sin(u) * std::cos(node) -
                                          std::sin(node) * std::cos(u) * std::cos(inclination)) +
                  radialPerMetre * Main.X[body];
  Main.VY[body] = Main.TransverseSpeed * (std::cos(node) * std::cos(u) * std::cos(inclination) -
                                          std::sin(u) * std::sin(node)) +
                  radialPerMetre * Main.Y[body];
  Main.VZ[body] =
      Main.TransverseSpeed * std::cos(u) * std::sin(inclination) + radialPerMetre * Main.Z[body];
}

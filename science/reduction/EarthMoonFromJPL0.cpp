// EarthMoonFromJPL0: position and velocity of Main.CurrentObject by the JPL0
// mean elements, evaluated in ephemeris time.
// Reads:    Main.CurrentObject, Main.JDet1
// Returns:  Main.JD = Main.JDet1; the masses of DE405; the elements, X, Y, Z
//           and VX, VY, VZ of the object (heliocentric ecliptic of J2000;
//           the Moon relative to the Earth)
#include "core/state/SharedState.h"
#include "core/theory/Theory.h"
#include "science/reduction/Reduction.h"

void EarthMoonFromJPL0() {
  SetMassesDE405();
  Main.JD = Main.JDet1;
  SetElementsJPL0();
  PositionFromElements();
  VelocityFromElements();
}

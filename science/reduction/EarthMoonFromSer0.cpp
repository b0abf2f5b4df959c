// EarthMoonFromSer0: position and velocity of Main.CurrentObject by the Ser0
// mean elements, evaluated in universal time.
// Reads:    Main.CurrentObject, Main.JDut
// Given:    variant, which element set to take ("Ser0" or "Ser0+"); with
//           None the element tables keep what they already hold
// Returns:  Main.JD = Main.JDut; the masses of Ser0; X, Y, Z and VX, VY, VZ
//           of the object (heliocentric ecliptic of J2000; the Moon relative
//           to the Earth)
#include "core/state/SharedState.h"
#include "core/theory/Theory.h"
#include "science/reduction/Reduction.h"

void EarthMoonFromSer0(Ser0Variant variant) {
  SetMassesSer0();
  Main.JD = Main.JDut;
  if (variant == Ser0Variant::Ser0) SetElementsSer0();
  if (variant == Ser0Variant::Ser0EarthVariant) SetElementsSer0EarthVariant();
  PositionFromElements();
  VelocityFromElements();
}

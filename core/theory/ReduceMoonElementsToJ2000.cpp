// ReduceMoonElementsToJ2000: the Moon's mean elements from the equinox of the
// date to the equinox of J2000.
#include "core/coordinates/GeneralPrecession.h"
#include "core/state/SharedState.h"
#include "core/theory/ElementTheory.h"
#include "core/theory/Theory.h"
#include "core/theory/TheoryConstants.h"

// ReduceMoonElementsToJ2000: refers the Moon's mean elements of the date to
// the mean equinox of J2000.
// Reads:    JD, JD2000, kUgol, sekG; the Moon's AlfaL, AlfaU, AlfaP, Wsr
// Writes:   TCenturies = (JD - JD2000)/36525, TimeScratch = 0 (the target
//           epoch), TheoryT = -TCenturies (the interval), GeneralPrecession
//           (rad); adds the precession to the Moon's AlfaL, AlfaU, AlfaP and
//           takes the precession rate at J2000 off its Wsr (rad/s).
// Notes:    Acts on the Moon (11) whatever CurrentObject holds; call it once
//           after the Moon of "JPL0 (J2000)": a second call adds the
//           precession again.
// Reference: Lieske et al., Astron. Astrophys. 58, 1 (1977); Meeus,
//           Astronomical Algorithms, 2nd ed., eq. 21.5.
void ReduceMoonElementsToJ2000() {
  Main.TCenturies = (Main.JD - Main.JD2000) / theory::kDaysPerJulianCentury;
  Main.TimeScratch = 0.0;
  Main.TheoryT = Main.TimeScratch - Main.TCenturies;
  const double p = precession::generalPrecessionByTerms(Main.TCenturies, Main.TheoryT);
  Main.GeneralPrecession = p / theory::kArcSecondsPerDegree / Main.kUgol;
  Main.AlfaL[11] += Main.GeneralPrecession;
  Main.AlfaU[11] += Main.GeneralPrecession;
  Main.AlfaP[11] += Main.GeneralPrecession;
  Main.Wsr[11] -= theory::meanMotionRadiansPerSecond(precession::kRateAtJ2000,
                                                     theory::MeanMotionUnit::ArcsecondsPerCentury);
}

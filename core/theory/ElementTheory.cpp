// Shared steps of the element theories: see ElementTheory.h.
#include "core/theory/ElementTheory.h"

#include "core/state/SharedState.h"
#include "core/theory/TheoryConstants.h"

namespace theory {

double beginElementTheory(double epochJD) {
  Main.Lae = kAstronomicalUnitMetres;
  Main.TheoryT = (Main.JD - epochJD) / kDaysPerJulianCentury;
  return Main.TheoryT;
}

void storeAnglesFromDegrees(int body, double meanLongitude, double perihelion, double node,
                            double inclination) {
  Main.AlfaL[body] = meanLongitude / Main.kUgol;
  Main.AlfaP[body] = perihelion / Main.kUgol;
  Main.AlfaU[body] = node / Main.kUgol;
  Main.Betta[body] = inclination / Main.kUgol;
}

void storeSemiMajorAxisAU(int body, double axisAU) {
  Main.RsrAU[body] = axisAU;
  Main.Rsr[body] = Main.Lae * axisAU;
}

double meanMotionRadiansPerSecond(double n, MeanMotionUnit unit) {
  switch (unit) {
    case MeanMotionUnit::ArcsecondsPerDay:
      return n / kArcSecondsPerDegree / Main.kUgol / Main.SecondsPerDay;
    case MeanMotionUnit::ArcsecondsPerCentury:
      return n / kArcSecondsPerDegree / Main.kUgol / 100.0 / Main.sekG;
    case MeanMotionUnit::DegreesPerCentury:
      return n / Main.kUgol / 100.0 / Main.sekG;
    case MeanMotionUnit::RadiansPerCentury:
      break;
  }
  return n / 100.0 / Main.sekG;
}

void storeRowDegreesAU(int body, const MeanElementRow& row, double t) {
  storeSemiMajorAxisAU(body, row.semiMajorAxis.at(t));
  Main.Eks[body] = row.eccentricity.at(t);
  storeAnglesFromDegrees(body, row.meanLongitude.at(t), row.perihelion.at(t), row.node.at(t),
                         row.inclination.at(t));
  Main.Wsr[body] =
      meanMotionRadiansPerSecond(row.meanMotion.at(t), MeanMotionUnit::DegreesPerCentury);
}

void storeMoonRowDegrees(const MeanElementRow& row, double t, MeanMotionUnit unit) {
  Main.Rsr[11] = kMoonMeanDistance;
  Main.Eks[11] = row.eccentricity.at(t);
  storeAnglesFromDegrees(11, row.meanLongitude.at(t), row.perihelion.at(t), row.node.at(t),
                         row.inclination.at(t));
  Main.Wsr[11] = meanMotionRadiansPerSecond(row.meanMotion.at(t), unit);
}

}  // namespace theory

#pragma once
// What the element theories share: the polynomial of a mean element in the
// time argument T, the start of every call (Main.Lae and Main.TheoryT), and
// the unit conversions into the element tables.
// Internal to core/theory.

namespace theory {

// c0 + c1 T + c2 T² + c3 T³ in the unit of the row it stands in.
struct Polynomial {
  double c0 = 0.0, c1 = 0.0, c2 = 0.0, c3 = 0.0;
  double at(double t) const { return c0 + t * (c1 + t * (c2 + t * c3)); }
};

// Mean elements of one body as polynomials in T. Angles in degrees unless
// a theory says otherwise; the units of the axis and of the mean motion are
// the theory's own.
struct MeanElementRow {
  Polynomial semiMajorAxis, eccentricity, inclination, meanLongitude, perihelion, node, meanMotion;
};

// Sets Main.Lae to the astronomical unit and Main.TheoryT to the Julian
// centuries from epochJD to Main.JD; returns that T.
double beginElementTheory(double epochJD);

// Writes the four angles of a body, given in degrees, into AlfaL, AlfaP,
// AlfaU and Betta in radians (divided by Main.kUgol, not reduced).
void storeAnglesFromDegrees(int body, double meanLongitude, double perihelion, double node,
                            double inclination);

// Writes RsrAU and Rsr = Main.Lae × RsrAU.
void storeSemiMajorAxisAU(int body, double axisAU);

// Units in which the theories give a mean motion.
enum class MeanMotionUnit {
  ArcsecondsPerDay,
  ArcsecondsPerCentury,
  DegreesPerCentury,
  RadiansPerCentury
};

// A mean motion in rad/s (Julian centuries of Main.sekG × 100 seconds, days
// of Main.SecondsPerDay).
double meanMotionRadiansPerSecond(double n, MeanMotionUnit unit);

// Writes every element of a row whose angles are degrees and whose axis is in
// astronomical units, with the mean motion in degrees per century.
void storeRowDegreesAU(int body, const MeanElementRow& row, double t);

// Writes the Moon's elements (11) from a row in degrees: Rsr = the mean
// distance of the Moon (RsrAU is not written), Eks, the angles, Wsr.
void storeMoonRowDegrees(const MeanElementRow& row, double t, MeanMotionUnit unit);

// The row of planet 1..9 of the theory "JPL0 (J2000)" (SetElementsJPL0.cpp);
// "Ser0 (J2000)" takes Jupiter to Pluto from it.
const MeanElementRow& jpl0PlanetRow(int body);

}  // namespace theory

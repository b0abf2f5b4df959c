#pragma once
// The general precession in longitude p of the IAU 1976 precession, arc
// seconds, from the mean equinox of epoch t0 over the interval t (both in
// Julian centuries, t0 counted from J2000):
//   p = (5029.0966 + 2.22226 t0 - 0.000042 t0²) t
//       + (1.11113 - 0.000042 t0) t² - 0.000006 t³
// Reference: Lieske et al., Astron. Astrophys. 58, 1 (1977); Meeus,
//           Astronomical Algorithms, 2nd ed., (21.5).
// Notes:    Three callers sum the terms in three orders, which round
//           differently in the last bit: the precession of ecliptic
//           coordinates (nested by powers of t), the eclipse window
//           (factored by t, the t0 terms nested) and the reduction of the
//           Moon's elements to J2000 (term by term). Each keeps its own order,
//           so that every result and every file stays as it was.

namespace precession {

// The coefficients, arc seconds.
inline constexpr double kRateAtJ2000 = 5029.0966;  // per century, at J2000
inline constexpr double kRateChange = 2.22226;     // per century², the rate's change with t0
inline constexpr double kRateChange2 = 0.000042;   // per century³, subtracted: t0² of the rate, t0 of t²
inline constexpr double kSquareTerm = 1.11113;     // per century², the t² term at J2000
inline constexpr double kCubeTerm = 0.000006;      // per century³, subtracted

// ((rate of t0) + (t² coefficient of t0 - 0.000006 t) t) t: the precession
// of ecliptic coordinates.
inline double generalPrecessionNested(double t0, double t) {
  return ((kRateAtJ2000 + kRateChange * t0 - kRateChange2 * t0 * t0) +
          (kSquareTerm - kRateChange2 * t0 - kCubeTerm * t) * t) *
         t;
}

// t (5029.0966 + (2.22226 - 0.000042 t0) t0 + (1.11113 - 0.000042 t0 -
// 0.000006 t) t): the eclipse window's precession from a table's epoch.
inline double generalPrecessionFactored(double t0, double t) {
  return t * (kRateAtJ2000 + (kRateChange - kRateChange2 * t0) * t0 +
              (kSquareTerm - kRateChange2 * t0 - kCubeTerm * t) * t);
}

// The terms in t, t² and t³ summed in turn: the Moon's elements to J2000.
inline double generalPrecessionByTerms(double t0, double t) {
  return ((kRateAtJ2000 + kRateChange * t0 - kRateChange2 * t0 * t0) * t + (kSquareTerm - kRateChange2 * t0) * t * t -
          kCubeTerm * t * t * t);
}

}  // namespace precession

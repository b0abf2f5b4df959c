// MoonPerturbationsDLDB: user-set periodic inequalities of the Moon's
// longitude and latitude.
#include <array>
#include <cmath>

#include "core/state/SharedState.h"
#include "core/theory/Theory.h"

namespace {

// One periodic term: the index of its coefficient in
// MoonPerturbationCoefficients (degrees) and the multiples of D, l, l', F in
// its argument.
struct PeriodicTerm {
  int coefficient;
  int d, l, ls, f;
};

constexpr std::array<PeriodicTerm, 14> kLongitudeTerms{{
    {1, 0, 1, 0, 0},    // l
    {2, 0, 2, 0, 0},    // 2l
    {3, -2, 1, 0, 0},   // l - 2D
    {4, 2, 0, 0, 0},    // 2D
    {5, 0, 0, 1, 0},    // l'
    {6, 0, 0, 0, 2},    // 2F
    {7, 1, 0, 0, 0},    // D
    {8, 2, -2, 0, 0},   // 2D - 2l
    {9, 2, -1, -1, 0},  // 2D - l - l'
    {10, 2, 1, 0, 0},   // 2D + l
    {25, -2, 0, 1, 0},  // l' - 2D
    {26, 0, 1, -1, 0},  // l - l'
    {27, 0, 1, 1, 0},   // l' + l
    {28, -2, 0, 0, 2},  // 2F - 2D
}};

constexpr std::array<PeriodicTerm, 6> kLatitudeTerms{{
    {11, 0, 1, 0, 1},    // F + l
    {12, 0, 1, 0, -1},   // l - F
    {13, 2, 0, 0, -1},   // 2D - F
    {14, 2, -1, 0, 1},   // 2D - l + F
    {15, 2, -1, 0, -1},  // 2D - l - F
    {16, 2, 0, 0, 1},    // 2D + F
}};

// Mean angles in radians: D elongation, l the Moon's and l' the Sun's mean
// anomaly, F the Moon's argument of latitude.
struct MeanAngles {
  double d, l, ls, f;
};

// An angle of the element tables (rad) in degrees within [0, 360).
double degreesInOneTurn(double angle) { return 360.0 * FractionPositive(angle / 2.0 / Main.Pi); }

// A difference of angles in degrees, raised by 360 when negative, in radians.
double differenceInRadians(double degrees) {
  return (degrees < 0.0 ? degrees + 360.0 : degrees) / Main.kUgol;
}

// The Sun's mean longitude and perihelion are the Earth's plus 180 degrees.
MeanAngles meanAnglesFromElements() {
  const double moonLongitude = degreesInOneTurn(Main.AlfaL[11]);
  const double sunLongitude = degreesInOneTurn(Main.AlfaL[3]) + 180.0;
  const double moonNode = degreesInOneTurn(Main.AlfaU[11]);
  const double moonPerigee = degreesInOneTurn(Main.AlfaP[11]);
  const double sunPerigee = degreesInOneTurn(Main.AlfaP[3]) + 180.0;
  return {differenceInRadians(moonLongitude - sunLongitude),
          differenceInRadians(moonLongitude - moonPerigee),
          differenceInRadians(sunLongitude - sunPerigee),
          differenceInRadians(moonLongitude - moonNode)};
}

template <std::size_t N>
double sumOfTerms(const std::array<PeriodicTerm, N>& terms, const MeanAngles& a) {
  double sum = 0.0;
  for (const PeriodicTerm& term : terms) {
    const double argument = term.d * a.d + term.l * a.l + term.ls * a.ls + term.f * a.f;
    sum += Main.MoonPerturbationCoefficients[term.coefficient] * std::sin(argument);
  }
  return sum;
}

}  // namespace

// MoonPerturbationsDLDB: adds the periodic inequalities whose amplitudes
// stand in MoonPerturbationCoefficients to the Moon's longitude and latitude.
// Reads:    AlfaL, AlfaU, AlfaP of the Moon (11); AlfaL, AlfaP of the Earth
//           (3); MoonPerturbationCoefficients(1..16, 25..28), degrees (0 for
//           a term switched off); Pi, kUgol
// Writes:   LonL(11) += ΔL, LatB(11) += ΔB, degrees (no reduction to one
//           turn).
// Notes:    Fourteen terms in longitude (coefficients 1..10, 25..28), six in
//           latitude (11..16); 17..24 take no part. Call once per position,
//           right after LonL(11) and LatB(11) were set.
void MoonPerturbationsDLDB() {
  const MeanAngles angles = meanAnglesFromElements();
  Main.LonL[11] += sumOfTerms(kLongitudeTerms, angles);
  Main.LatB[11] += sumOfTerms(kLatitudeTerms, angles);
}

// MoonElementsFromLowPrecisionTheory: the Moon's place, distance and mean
// elements from a short periodic series.
#include <cmath>

#include "core/state/SharedState.h"
#include "core/theory/Theory.h"
#include "core/theory/TheoryConstants.h"

namespace {

using theory::kArcsecondsPerRadian;

// Mean eccentricity and inclination (degrees) of the lunar orbit.
constexpr double kMoonEccentricity = 0.0549;
constexpr double kMoonInclinationDegrees = 5.14444;
// Rate of the Moon's mean longitude, revolutions per Julian century.
constexpr double kMeanLongitudeRate = 1336.855225;

// Fundamental arguments at t Julian centuries from J2000 (rad, the mean
// longitude in revolutions), each reduced to one turn first.
struct LunarArguments {
  double meanLongitudeTurns;  // L0, revolutions in [0, 1)
  double moonAnomaly;         // l, the Moon's mean anomaly
  double sunAnomaly;          // l', the Sun's mean anomaly
  double elongation;          // D, mean elongation of the Moon from the Sun
  double latitudeArgument;    // F, mean distance of the Moon from its node
};

double turnsToRadians(double turns) { return 2.0 * Main.Pi * FractionPositive(turns); }

LunarArguments lunarArguments(double t) {
  LunarArguments a{};
  a.meanLongitudeTurns = FractionPositive(0.606433 + kMeanLongitudeRate * t);
  a.moonAnomaly = turnsToRadians(0.374897 + 1325.55241 * t);
  a.sunAnomaly = turnsToRadians(0.993133 + 99.997361 * t);
  a.elongation = turnsToRadians(0.827361 + 1236.853086 * t);
  a.latitudeArgument = turnsToRadians(0.259086 + 1342.227825 * t);
  return a;
}

// Perturbation of the mean longitude, arc seconds.
double longitudeInequalities(const LunarArguments& a) {
  const double l = a.moonAnomaly, ls = a.sunAnomaly, d = a.elongation, f = a.latitudeArgument;
  return 22640 * std::sin(l) - 4586 * std::sin(l - 2 * d) + 2370 * std::sin(2 * d) +
         769 * std::sin(2 * l) - 668 * std::sin(ls) - 412 * std::sin(2 * f) -
         212 * std::sin(2 * l - 2 * d) - 206 * std::sin(l + ls - 2 * d) +
         192 * std::sin(l + 2 * d) - 165 * std::sin(ls - 2 * d) - 125 * std::sin(d) -
         110 * std::sin(l + ls) + 148 * std::sin(l - ls) - 55 * std::sin(2 * f - 2 * d);
}

// Ecliptic latitude, arc seconds, from the perturbed argument of latitude.
double latitudeArcseconds(const LunarArguments& a, double longitudeInequality) {
  const double l = a.moonAnomaly, ls = a.sunAnomaly, d = a.elongation, f = a.latitudeArgument;
  const double s =
      f + (longitudeInequality + 412 * std::sin(2 * f) + 541 * std::sin(ls)) / kArcsecondsPerRadian;
  const double h = f - 2 * d;
  const double n = -526 * std::sin(h) + 44 * std::sin(l + h) - 31 * std::sin(h - l) -
                   23 * std::sin(ls + h) + 11 * std::sin(h - ls) - 25 * std::sin(f - 2 * l) +
                   21 * std::sin(f - l);
  return 18520 * std::sin(s) + n;
}

// An angle raised by one turn when it is negative.
double raisedWhenNegative(double angle) { return angle < 0.0 ? angle + 2.0 * Main.Pi : angle; }

// Earth-Moon distance (m): second-order expansion of the Keplerian radius in
// the mean anomaly l, written with M = l - pi.
double moonDistance(double moonAnomaly) {
  const double m = raisedWhenNegative(moonAnomaly - Main.Pi);
  const double e = kMoonEccentricity;
  return theory::kMoonMeanDistance *
         (1.0 + e * e / 2.0 + e * std::cos(m) - (e * e / 2.0) * std::cos(2.0 * m));
}

}  // namespace

// MoonElementsFromLowPrecisionTheory: geocentric place of the Moon.
// Given:    t, Julian centuries (ephemeris time) from J2000
// Reads:    Pi, kUgol, SecondsPerDay
// Writes:   LonL(11), LatB(11): ecliptic longitude in [0, 360) and latitude,
//           degrees, mean equinox of the date; PairDistance(3, 11), the
//           Earth-Moon distance (m); the Moon's mean elements AlfaL, AlfaU
//           (node), AlfaP (perigee), Betta (rad), Eks, Rsr (m), Wsr (rad/s).
// Notes:    The short series gives the longitude to a few arc minutes; the
//           distance is Keplerian only (evection and variation, up to about
//           7000 km, are left out).
// Reference: Montenbruck and Pfleger, Astronomy on the Personal Computer,
//           the short lunar series (MiniMoon).
void MoonElementsFromLowPrecisionTheory(double t) {
  const LunarArguments a = lunarArguments(t);
  const double inequality = longitudeInequalities(a);
  Main.LonL[11] =
      360.0 * FractionPositive(a.meanLongitudeTurns + inequality / theory::kArcsecondsPerTurn);
  Main.LatB[11] = latitudeArcseconds(a, inequality) * Main.kUgol / kArcsecondsPerRadian;

  Main.AlfaL[11] = 2.0 * Main.Pi * a.meanLongitudeTurns;
  Main.AlfaU[11] = raisedWhenNegative(Main.AlfaL[11] - a.latitudeArgument);
  Main.AlfaP[11] = raisedWhenNegative(Main.AlfaL[11] - a.moonAnomaly);
  Main.Eks[11] = kMoonEccentricity;
  Main.Rsr[11] = theory::kMoonMeanDistance;
  Main.Betta[11] = kMoonInclinationDegrees / Main.kUgol;
  Main.Wsr[11] =
      2.0 * Main.Pi * kMeanLongitudeRate / theory::kDaysPerJulianCentury / Main.SecondsPerDay;

  Main.PairDistance(3, 11) = moonDistance(a.moonAnomaly);
}

// ET-UT (ephemeris time minus universal time) in seconds, by three laws.
//
// DeltaTParabola: the parabola 24.35 + 72.32 T + 29.95 T², T in Julian
//   centuries from JD 1900 (Main.JD1900).
//   Reads: Main.JD, Main.JD1900.
// DeltaTPiecewise: quarter-century cubics fitted to the observed ET-UT from
//   1825 to 2000, 10.4 s from 1700 to 1825, the parabola before 1700, and
//   the forecast 65.97 + 90 T from 2000 on (T in Julian centuries from
//   J2000). The forecast starts at T = 0, where it meets the 1975-2000 cubic
//   (65.967 s), so the law has no jump at 2025.
//   Reads: Main.JD, Main.JD1900, Main.JD2000.
// DeltaTForDependency(kind, julianDay): law 1 (ET1-UT, the bodies' motion) or
//   law 2 (ET2-UT, the Earth's rotation) of Main.DeltaTLaws at julianDay:
//   selector ±1: selector × (a + b t + c t²), t = (julianDay - epoch)/36525
//   with the epoch Main.ET1Epoch or Main.ET2Epoch; selector ±2: the sign of
//   the selector times DeltaTPiecewise at julianDay; otherwise, and for any
//   other kind, 0.
//
// All three keep their intermediate times to themselves: they run nested in
// loops whose time and counters live in the shared variables.
// Reference: Montenbruck and Pfleger, Astronomy on the Personal Computer,
// ch. 3 (the piecewise law); Spencer Jones (the parabola).
#include <cmath>

#include "core/runtime/NumberText.h"
#include "core/runtime/RuntimeError.h"
#include "core/state/SharedState.h"
#include "core/time/TimeConstants.h"
#include "core/time/TimeScales.h"

namespace {

using timeconst::kDaysPerJulianCentury;

// Length of a segment of the piecewise law, Julian centuries.
constexpr double kSegmentCenturies = 0.25;
// Before this T (1700) the parabola serves; from there to 1825 a constant.
constexpr double kPiecewiseStartT = -3.0;
constexpr double kSeventeenHundredsDeltaT = 10.4;

// Cubic of each quarter century, ET-UT = c0 + c1 t + c2 t² + c3 t³ seconds,
// t in centuries from the segment's start; row k + 7 for segment k = -7..-1.
constexpr double kSegmentCubics[7][4] = {
    {10.4, -80.8, 413.9, -572.3},    // k = -7: 1825..1850
    {6.6, 46.3, -358.4, 18.8},       // k = -6: 1850..1875
    {-3.9, -10.8, -166.2, 867.4},    // k = -5: 1875..1900
    {-2.6, 114.1, 327.5, -1467.4},   // k = -4: 1900..1925
    {24.2, -6.3, -8.2, 483.4},       // k = -3: 1925..1950
    {29.3, 32.5, -3.8, 550.7},       // k = -2: 1950..1975
    {45.3, 130.5, -570.5, 1516.7},   // k = -1: 1975..2000
};
// The forecast from 2000 on: a + b T seconds.
constexpr double kForecastAt2000 = 65.97;
constexpr double kForecastPerCentury = 90.0;

double parabolaDeltaT(double julianDay) {
  const double t = (julianDay - Main.JD1900) / kDaysPerJulianCentury;
  return 24.35 + (72.32 + 29.95 * t) * t;
}

double piecewiseDeltaT(double julianDay) {
  const double centuries = (julianDay - Main.JD2000) / kDaysPerJulianCentury;
  if (centuries < kPiecewiseStartT) return parabolaDeltaT(julianDay);
  if (centuries >= 0.0) return kForecastAt2000 + kForecastPerCentury * centuries;
  // Segment k covers 0.25 k < T <= 0.25 (k + 1), so t runs over (0, 0.25].
  const double segment = Fix(centuries / kSegmentCenturies) - 1.0;
  if (segment < -7.0) return kSeventeenHundredsDeltaT;
  const double* c = kSegmentCubics[static_cast<int>(segment) + 7];
  const double t = centuries - kSegmentCenturies * segment;
  return c[0] + (c[1] + (c[2] + c[3] * t) * t) * t;
}

constexpr long kTermA = 0, kTermB = 1, kTermC = 2, kTermSelector = 4;

}  // namespace

double DeltaTParabola() { return parabolaDeltaT(Main.JD); }

double DeltaTPiecewise() { return piecewiseDeltaT(Main.JD); }

double DeltaTForDependency(int16_t kind, double julianDay) {
  if (kind != 1 && kind != 2) return 0.0;
  const double selector = Main.DeltaTLaws(kind, kTermSelector);
  if (std::fabs(selector) > 1.0) return Sgn(selector) * piecewiseDeltaT(julianDay);
  if (std::fabs(selector) != 1.0) return 0.0;
  const double epoch = kind == 1 ? Main.ET1Epoch : Main.ET2Epoch;
  const double t = (julianDay - epoch) / kDaysPerJulianCentury;
  const double a = Main.DeltaTLaws(kind, kTermA);
  const double b = Main.DeltaTLaws(kind, kTermB);
  const double c = Main.DeltaTLaws(kind, kTermC);
  return selector * (a + (b + c * t) * t);
}

void setDeltaTLaw(int16_t kind, double a, double b, double c, double selector) {
  checkIndex(kind, 1, 2);
  Main.DeltaTLaws(kind, kTermA) = a;
  Main.DeltaTLaws(kind, kTermB) = b;
  Main.DeltaTLaws(kind, kTermC) = c;
  Main.DeltaTLaws(kind, kTermSelector) = selector;
}

// EvaluateDE405Body: position and velocity of a program object from the
// DE405 block in memory.
// Reads:    Main.EphemerisJD, Main.DE405Buffer, the record layout
//           Main.DE405CoefStart / DE405CoefCount / DE405SubDays, Main.Lae,
//           Main.ObliquityJ2000, Main.SecondsPerDay
// Given:    body, the program object: 0 the Sun, 1..9 the planets (3 the
//           Earth-Moon barycentre), 10 and 11 the Moon relative to the Earth;
//           frame 0 = equatorial J2000 in AU and AU/day, 1 = ecliptic J2000
//           in metres and m/s, any other value = the series sums only
// Returns:  Main.X, Y, Z, VX, VY, VZ(body) (frames 0 and 1); the series sums
//           of the body's item in Main.DE405SumX..DE405SumVZ (km, and km per
//           unit of normalised time); the working arrays
//           Main.DE405Coefficients, ChebyshevT, ChebyshevU, DE405SubStartJD
//           and Main.ChebyshevTime
// Notes:    When EphemerisJD lies outside the block in memory, the block
//           that holds it is loaded first (the reader's message and
//           Main.StopFlag = 1 when no file has it; nothing is evaluated
//           then). Any run-time error (an object without a layout, such as
//           12, a file that cannot be read) shows "Ошибка чтения файлов JPL"
//           (title "Celvan7") and sets Main.StopFlag = 1; outputs already
//           written stay.
// Reference: JPL, DE405 ASCII files and their reader (Chebyshev series of
//           the first kind for positions, their derivatives through the
//           second kind for velocities).
#include <cmath>

#include "core/Constants.h"
#include "core/de405/DE405.h"
#include "core/de405/DE405Format.h"
#include "core/runtime/ErrorTrap.h"
#include "core/runtime/NumberText.h"
#include "core/runtime/RuntimeError.h"
#include "core/state/SharedState.h"

using namespace de405;

namespace {

constexpr int kSunItem = 11;
constexpr int kMoonItem = 10;
constexpr int kMoonObject = 11;
using astro::kMetresPerKilometre;

int itemOfObject(int32_t body) {
  if (body == 0) return kSunItem;
  if (body == kMoonObject) return kMoonItem;
  return static_cast<int>(body);
}

bool blockHolds(double day) {
  const auto& buffer = Main.DE405Buffer;
  return buffer.upper() >= kNumbersPerBlock && buffer[1] <= day && day < buffer[2];
}

struct ItemLayout {
  long start;          // position of the item's first coefficient in the block
  long count;          // coefficients per component
  double subDays;      // days per sub-interval
  long subIntervals;   // sub-intervals per block
};

ItemLayout layoutOf(int item) {
  const ItemLayout layout{Main.DE405CoefStart[item], Main.DE405CoefCount[item],
                          static_cast<double>(Main.DE405SubDays[item]),
                          Main.DE405SubDays[item] > 0
                              ? static_cast<long>(kBlockDays) / Main.DE405SubDays[item]
                              : 0};
  if (layout.start < 1 || layout.count < 2 || layout.subIntervals < 1)
    throw RuntimeError(ErrorCode::SubscriptOutOfRange, "DE405: object without a record layout");
  return layout;
}

// Copies the item's coefficients out of the block, sub-interval by
// sub-interval, X then Y then Z.
void takeCoefficients(const ItemLayout& layout, double blockStart) {
  long position = layout.start;
  for (long j = 1; j <= layout.subIntervals; ++j) {
    for (long component = 1; component <= 3; ++component)
      for (long k = 1; k <= layout.count; ++k)
        Main.DE405Coefficients(j, k, component) = Main.DE405Buffer[position++];
    Main.DE405SubStartJD[j] = blockStart + (j - 1) * layout.subDays;
  }
}

// Chebyshev polynomials of both kinds at tau for sub-interval l; index k
// holds degree k - 1.
void fillChebyshev(long l, long count, double tau) {
  Main.ChebyshevT(l, 1) = 1.0;
  Main.ChebyshevT(l, 2) = tau;
  Main.ChebyshevU(l, 1) = 1.0;
  Main.ChebyshevU(l, 2) = 2.0 * tau;
  for (long k = 3; k <= count; ++k) {
    Main.ChebyshevT(l, k) = 2.0 * tau * Main.ChebyshevT(l, k - 1) - Main.ChebyshevT(l, k - 2);
    Main.ChebyshevU(l, k) = 2.0 * tau * Main.ChebyshevU(l, k - 1) - Main.ChebyshevU(l, k - 2);
  }
}

struct Series {
  double position = 0.0;  // km
  double rate = 0.0;      // km per unit of normalised time
};

// Sum of the series of one component; the derivative of T of degree k - 1
// is (k - 1) times U of degree k - 2.
Series sumComponent(long l, long count, long component) {
  Series s{Main.DE405Coefficients(l, 1, component), 0.0};
  for (long k = 2; k <= count; ++k) {
    const double coefficient = Main.DE405Coefficients(l, k, component);
    s.position += coefficient * Main.ChebyshevT(l, k);
    s.rate += (k - 1) * coefficient * Main.ChebyshevU(l, k - 1);
  }
  return s;
}

void evaluateSums(int item) {
  const ItemLayout layout = layoutOf(item);
  const double blockStart = Main.DE405Buffer[1];
  takeCoefficients(layout, blockStart);
  const long l = static_cast<long>(Fix((Main.EphemerisJD - blockStart) / layout.subDays)) + 1;
  Main.ChebyshevTime = 2.0 * (Main.EphemerisJD - Main.DE405SubStartJD[l]) / layout.subDays - 1.0;
  fillChebyshev(l, layout.count, Main.ChebyshevTime);
  const Series x = sumComponent(l, layout.count, 1);
  const Series y = sumComponent(l, layout.count, 2);
  const Series z = sumComponent(l, layout.count, 3);
  Main.DE405SumX[item] = x.position;
  Main.DE405SumY[item] = y.position;
  Main.DE405SumZ[item] = z.position;
  Main.DE405SumVX[item] = x.rate;
  Main.DE405SumVY[item] = y.rate;
  Main.DE405SumVZ[item] = z.rate;
}

// Frame 0: equatorial J2000, AU and AU/day as the file holds it.
void storeEquatorialAU(int32_t body, int item, double subDays) {
  const double perAU = kMetresPerKilometre / Main.Lae;
  const double perAUDay = 2.0 * kMetresPerKilometre / subDays / Main.Lae;
  Main.X[body] = perAU * Main.DE405SumX[item];
  Main.Y[body] = perAU * Main.DE405SumY[item];
  Main.Z[body] = perAU * Main.DE405SumZ[item];
  Main.VX[body] = perAUDay * Main.DE405SumVX[item];
  Main.VY[body] = perAUDay * Main.DE405SumVY[item];
  Main.VZ[body] = perAUDay * Main.DE405SumVZ[item];
}

// Frame 1: turned about X by the obliquity of J2000 onto the ecliptic,
// metres and m/s.
void storeEclipticMetres(int32_t body, int item, double subDays) {
  const double sinE = std::sin(Main.ObliquityJ2000), cosE = std::cos(Main.ObliquityJ2000);
  const double perSecond = 2.0 * kMetresPerKilometre / Main.SecondsPerDay / subDays;
  Main.X[body] = kMetresPerKilometre * Main.DE405SumX[item];
  Main.Y[body] = kMetresPerKilometre * (sinE * Main.DE405SumZ[item] + cosE * Main.DE405SumY[item]);
  Main.Z[body] = kMetresPerKilometre * (cosE * Main.DE405SumZ[item] - sinE * Main.DE405SumY[item]);
  Main.VX[body] = perSecond * Main.DE405SumVX[item];
  Main.VY[body] = perSecond * (sinE * Main.DE405SumVZ[item] + cosE * Main.DE405SumVY[item]);
  Main.VZ[body] = perSecond * (cosE * Main.DE405SumVZ[item] - sinE * Main.DE405SumVY[item]);
}

}  // namespace

void EvaluateDE405Body(int32_t body, int16_t frame) {
  const bool evaluated = withErrorTrap(kReadErrorMessage, kEvaluatorTitle, [&] {
    if (!blockHolds(Main.EphemerisJD) && !loadDE405BlockContaining(Main.EphemerisJD)) return;
    const int item = itemOfObject(body);
    evaluateSums(item);
    const double subDays = Main.DE405SubDays[item];
    if (frame == 0) storeEquatorialAU(body, item, subDays);
    if (frame == 1) storeEclipticMetres(body, item, subDays);
  });
  if (!evaluated) Main.StopFlag = 1;
}

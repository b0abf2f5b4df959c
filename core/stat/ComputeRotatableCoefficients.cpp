#include "core/stat/Stat.h"
#include "core/stat/StatHelpers.h"
#include "core/state/SharedState.h"

using namespace stat_detail;

// A zero divisor in A means that no plan was built (la4 = 0) or that the
// plan is singular: spread = 0 when every run lies on one sphere, as in the
// rotatable plans of 2 and 4 factors without zero points. Once A exists, la2,
// la4 and n are positive and the other divisions are safe.
namespace {

// Rotatable plan, moments la2 and la4 (la4 = sum x_i^2 x_j^2 / n).
void setRotatableConstants(double k, double n, double la2, double la4) {
  const double spread = cancelRoundOff((k + 2) * la4 - k * la2 * la2, (k + 2) * la4);
  Stat.Azimuth = divideOrThrow(1.0, 2 * la4 * spread);
  const double a = Stat.Azimuth;
  Stat.PlanK1 = 2 * (k + 2) * la4 * la4 * a / n;
  Stat.PlanK2 = 2 * a * la4 * la2 / n;
  Stat.PlanK3 = 1 / (la2 * n);
  Stat.PlanK4 = 1 / (n * la4);
  Stat.PlanK5 = spread * a / n;
  Stat.PlanK6 = (la2 * la2 - la4) * a / n;
  Stat.PlanK7 = 2 * a * la4 * la2 / n;
}

// The same constants written with the ratio lambda = la4 / la2^2.
void setUniformRotatableConstants(double k, double n, double la2, double lambda) {
  const double spread = cancelRoundOff((k + 2) * lambda - k, k);
  Stat.Azimuth = divideOrThrow(1.0, spread * 2 * lambda);
  const double a = Stat.Azimuth;
  Stat.PlanK1 = 2 * (k + 2) * lambda * lambda * a / n;
  Stat.PlanK2 = 2 * lambda * a / (la2 * n);
  Stat.PlanK3 = 1 / (la2 * n);
  Stat.PlanK4 = 1 / (n * lambda * la2 * la2);
  Stat.PlanK5 = spread * a / (n * la2 * la2);
  Stat.PlanK6 = (1 - lambda) * a / (n * la2 * la2);
  Stat.PlanK7 = 2 * a * lambda / (n * la2);
}

}  // namespace

void ComputeRotatableCoefficients() {
  if (Stat.PlanType == kRotatable)
    setRotatableConstants(Stat.Nf, Stat.RunCount, Stat.la2, Stat.la4);
  else if (Stat.PlanType == kUniformRotatable)
    setUniformRotatableConstants(Stat.Nf, Stat.RunCount, Stat.la2, Stat.la4z);
}

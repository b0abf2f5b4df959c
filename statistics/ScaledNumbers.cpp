#include "statistics/ScaledNumbers.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "core/runtime/NumberText.h"
#include "core/runtime/TextFile.h"
#include "core/state/SharedState.h"

namespace {

// Units of the last binary place within which a product counts as whole.
constexpr double kWholeTolerance = 8 * DBL_EPSILON;

}  // namespace

double wholeMillionths(double value) {
  const double product = Main.MK * value;
  const double nearest = std::nearbyint(product);
  if (std::fabs(product - nearest) <= kWholeTolerance * std::fabs(product)) return nearest;
  return Fix(product);
}

double cutToMillionths(double value) { return wholeMillionths(value) / Main.MK; }

std::string listInputNumber(double value) {
  std::string text = printedNumber(value);
  std::replace(text.begin(), text.end(), ',', '.');
  return text;
}

#include "core/stat/StatHelpers.h"

#include <cmath>

#include "core/runtime/NumberText.h"
#include "core/runtime/RuntimeError.h"

namespace stat_detail {

double divideOrThrow(double numerator, double denominator) {
  if (denominator == 0.0) throw RuntimeError(ErrorCode::DivisionByZero, "Division by zero");
  return numerator / denominator;
}

double cancelRoundOff(double difference, double scale) {
  return std::abs(difference) <= 1e-12 * std::abs(scale) ? 0.0 : difference;
}

std::string truncatedText(double value, int decimals) {
  // Adding +0 turns a negative zero (from truncating -0.0004) into a plain 0.
  return Str(truncateDecimals(value, decimals) + 0.0);
}

}  // namespace stat_detail

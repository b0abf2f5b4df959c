#include "core/runtime/RuntimeError.h"

#include <cfenv>
#include <string>

void clearFloatingPointFlags() { std::feclearexcept(FE_ALL_EXCEPT); }

void throwOnFloatingPointFlags() {
  const int raised = std::fetestexcept(FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID);
  if (raised == 0) return;
  std::feclearexcept(FE_ALL_EXCEPT);
  if (raised & FE_DIVBYZERO) throw RuntimeError(ErrorCode::DivisionByZero, "Division by zero");
  if (raised & FE_OVERFLOW) throw RuntimeError(ErrorCode::Overflow, "Overflow");
  throw RuntimeError(ErrorCode::InvalidCall, "Invalid procedure call or argument");
}

void throwIndexOutOfRange(long index, long lowest, long highest) {
  throw RuntimeError(ErrorCode::SubscriptOutOfRange,
                     "Subscript out of range: " + std::to_string(index) + " not in " +
                         std::to_string(lowest) + ".." + std::to_string(highest));
}

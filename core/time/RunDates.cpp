// The dates a run over dates (the observation window's tables, the eclipse
// window) may stand on and the steps it may take between them.
#include <cmath>

#include "core/runtime/RuntimeError.h"
#include "core/time/TimeConstants.h"
#include "core/time/TimeScales.h"

bool isRunJulianDay(double julianDay) { return std::fabs(julianDay) <= timeconst::kLargestRunJulianDay; }

double checkedDayStep(double days) {
  if (!(days >= timeconst::kShortestDayStep && days <= timeconst::kLongestDayStep))
    throw RuntimeError(ErrorCode::InvalidCall, "a step of days a run cannot take");
  return days;
}

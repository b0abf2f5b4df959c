#include "core/stat/ScaledNumbers.h"

#include <algorithm>
#include <cmath>

#include "core/runtime/NumberText.h"
#include "core/runtime/TextFile.h"
#include "core/state/SharedState.h"

double wholeUnits(double scaled) {
  const double nearest = std::round(scaled);
  const double noise = 1e-6 + std::abs(scaled) * 1e-12;
  const double whole = std::abs(scaled - nearest) <= noise ? nearest : Fix(scaled);
  return whole + 0.0;  // no negative zero
}

double wholeMillionths(double value) { return wholeUnits(Main.MK * value); }

double cutToMillionths(double value) { return wholeMillionths(value) / Main.MK; }

std::string listInputNumber(double value) {
  std::string text = printedNumber(value);
  std::replace(text.begin(), text.end(), ',', '.');
  return text;
}

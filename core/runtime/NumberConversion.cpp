// Text to number (CDbl, Val) and the checked whole-number conversions.
#include <cmath>
#include <limits>
#include <string_view>

#include "core/runtime/DecimalNumber.h"
#include "core/runtime/NumberText.h"
#include "core/runtime/RuntimeError.h"

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view withoutSurroundingBlanks(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

[[noreturn]] void throwOverflow(const std::string& what) {
  throw RuntimeError(ErrorCode::Overflow, "Overflow: " + what);
}

// Rounds half to even and checks the range of a whole-number type.
template <typename Whole>
Whole roundToWhole(double value, const char* typeName) {
  const double rounded = std::nearbyint(value);  // the default rounding mode is half to even
  if (!(rounded >= std::numeric_limits<Whole>::min() && rounded <= std::numeric_limits<Whole>::max()))
    throwOverflow(std::string(typeName) + " cannot hold the value");
  return static_cast<Whole>(rounded);
}

}  // namespace

double CDbl(const std::string& text) {
  const std::string_view number = withoutSurroundingBlanks(text);
  const DecimalScan scan = scanDecimalNumber(number, ',', false);
  if (scan.length == 0 || scan.length != number.size())
    throw RuntimeError(ErrorCode::TypeMismatch, "Type mismatch: \"" + text + "\" is not a number");
  if (scan.overflow) throwOverflow("\"" + text + "\" is too large");
  return scan.value;
}

int16_t CInt(double value) { return roundToWhole<int16_t>(value, "Integer"); }

int32_t CLng(double value) { return roundToWhole<int32_t>(value, "Long"); }

namespace {

// The typed number when it is a whole number from least to most.
double wholeNumberBetween(const std::string& text, double least, double most, const char* what) {
  const double number = CDbl(text);
  if (!(number >= least && number <= most) || number != std::trunc(number))
    throw RuntimeError(ErrorCode::InvalidCall, "\"" + text + "\" is not " + what);
  return number;
}

}  // namespace

int16_t FileNumberFromText(const std::string& text) {
  return static_cast<int16_t>(
      wholeNumberBetween(text, 1, std::numeric_limits<int16_t>::max(), "a whole positive file number"));
}

int32_t WholeNumberFromText(const std::string& text) {
  return static_cast<int32_t>(wholeNumberBetween(text, std::numeric_limits<int32_t>::min(),
                                                 std::numeric_limits<int32_t>::max(), "a whole number"));
}

double Val(const std::string& text) {
  std::string compact;
  compact.reserve(text.size());
  for (char c : text)
    if (!isBlank(c) && c != '\n') compact += c;
  const DecimalScan scan = scanDecimalNumber(compact, '.', true);
  if (scan.overflow) throwOverflow("\"" + text + "\" is too large");
  return scan.value;
}

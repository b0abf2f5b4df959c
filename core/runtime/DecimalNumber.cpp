#include "core/runtime/DecimalNumber.h"

#include <charconv>
#include <string>
#include <system_error>

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool isExponentLetter(char c, bool acceptDExponent) {
  return c == 'e' || c == 'E' || (acceptDExponent && (c == 'd' || c == 'D'));
}

// Position just past a run of digits starting at position.
std::size_t skipDigits(std::string_view text, std::size_t position) {
  while (position < text.size() && isDigit(text[position])) ++position;
  return position;
}

// Decimal order of magnitude of mantissa x 10^exponent (0 for 1..9.99),
// used only to tell an overflow from an underflow when the conversion
// reports a value out of range. The exponent is read with saturation.
long orderOfMagnitude(std::string_view mantissa, char separator, std::string_view exponent) {
  bool seenSeparator = false, seenNonZero = false;
  long digitsBeforeSeparator = 0, zerosAfterSeparator = 0;
  for (char c : mantissa) {
    if (c == separator) { seenSeparator = true; continue; }
    if (!isDigit(c)) continue;
    if (!seenSeparator) {
      if (c != '0' || seenNonZero) { seenNonZero = true; ++digitsBeforeSeparator; }
    } else if (!seenNonZero) {
      if (c == '0') ++zerosAfterSeparator; else seenNonZero = true;
    }
  }
  const long order = digitsBeforeSeparator > 0 ? digitsBeforeSeparator - 1 : -zerosAfterSeparator - 1;
  long exponentValue = 0;
  bool negativeExponent = false;
  for (char c : exponent) {
    if (c == '-') negativeExponent = true;
    if (isDigit(c) && exponentValue < 100000000) exponentValue = exponentValue * 10 + (c - '0');
  }
  return order + (negativeExponent ? -exponentValue : exponentValue);
}

}  // namespace

DecimalScan scanDecimalNumber(std::string_view text, char decimalSeparator, bool acceptDExponent) {
  std::size_t position = 0;
  const bool negative = !text.empty() && text[0] == '-';
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) ++position;

  const std::size_t mantissaStart = position;
  position = skipDigits(text, position);
  std::size_t digitCount = position - mantissaStart;
  if (position < text.size() && text[position] == decimalSeparator) {
    const std::size_t fractionStart = position + 1;
    position = skipDigits(text, fractionStart);
    digitCount += position - fractionStart;
  }
  if (digitCount == 0) return {};
  const std::string_view mantissa = text.substr(mantissaStart, position - mantissaStart);

  std::string_view exponent;
  if (position < text.size() && isExponentLetter(text[position], acceptDExponent)) {
    std::size_t exponentDigits = position + 1;
    if (exponentDigits < text.size() && (text[exponentDigits] == '+' || text[exponentDigits] == '-'))
      ++exponentDigits;
    const std::size_t exponentEnd = skipDigits(text, exponentDigits);
    if (exponentEnd > exponentDigits) {
      exponent = text.substr(position + 1, exponentEnd - position - 1);
      position = exponentEnd;
    }
  }

  // The conversion takes a decimal point, "e" and no plus sign; the buffer
  // keeps its room between calls, so reading a long file allocates nothing.
  static std::string buffer;
  buffer.assign(mantissa);
  if (decimalSeparator != '.')
    for (char& c : buffer)
      if (c == decimalSeparator) c = '.';
  if (!exponent.empty()) {
    buffer += 'e';
    buffer.append(exponent[0] == '+' ? exponent.substr(1) : exponent);
  }

  DecimalScan scan;
  scan.length = position;
  const auto [end, error] = std::from_chars(buffer.data(), buffer.data() + buffer.size(), scan.value);
  if (error == std::errc::result_out_of_range) {
    scan.value = 0.0;
    scan.overflow = orderOfMagnitude(mantissa, decimalSeparator, exponent) > 0;
  }
  if (negative) scan.value = -scan.value;
  return scan;
}

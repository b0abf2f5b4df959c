#include "core/runtime/DecimalNumber.h"

#include <charconv>
#include <locale.h>
#include <cmath>
#include <cstdlib>
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

// Tells an overflow from an underflow once the fast conversion has found a
// number out of range: the C library's conversion, with the "C" locale so
// that the user's locale cannot change the separator, gives an infinity for
// the first and a zero or a tiny value for the second.
bool isTooLargeForDouble(const std::string& number) {
  static const locale_t cLocale = newlocale(LC_NUMERIC_MASK, "C", locale_t{});
  return std::isinf(strtod_l(number.c_str(), nullptr, cLocale));
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
    scan.overflow = isTooLargeForDouble(buffer);
  }
  if (negative) scan.value = -scan.value;
  return scan;
}

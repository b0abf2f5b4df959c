// Number to text: the default form (Str, StrSingle) and format masks.
#include "core/runtime/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

#include "core/runtime/RuntimeError.h"

namespace {

constexpr char kDecimalComma = ',';

// A finite non-zero value as decimal digits: d1 d2 d3 ... x 10^(exponent - 
// position of d1), i.e. d1,d2d3... E exponent. Trailing zeros removed.
struct DecimalDigits {
  bool negative = false;
  std::string digits;  // at least one digit, no trailing zeros (except "0" for zero)
  int exponent = 0;    // decimal exponent of the first digit
};

void requireFinite(double value) {
  if (!std::isfinite(value))
    throw RuntimeError(ErrorCode::Overflow, "Overflow: the number is not finite");
}

// The value rounded to significantDigits digits, correctly rounded from its
// binary value. The conversion is the standard library's locale-free one:
// the process locale (a Russian desktop's decimal comma) cannot reach it.
DecimalDigits toDecimalDigits(double value, int significantDigits) {
  char buffer[64];
  const auto written =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, significantDigits - 1);
  DecimalDigits result;
  const char* c = buffer;
  if (*c == '-') { result.negative = true; ++c; }
  for (; *c != 'e'; ++c)
    if (*c != '.') result.digits += *c;
  ++c;  // the exponent: a sign, then at least two digits
  const bool negativeExponent = *c == '-';
  for (++c; c != written.ptr; ++c) result.exponent = result.exponent * 10 + (*c - '0');
  if (negativeExponent) result.exponent = -result.exponent;
  while (result.digits.size() > 1 && result.digits.back() == '0') result.digits.pop_back();
  if (result.digits == "0") result.negative = false;
  return result;
}

std::string exponentForm(const DecimalDigits& number) {
  std::string text = number.negative ? "-" : "";
  text += number.digits[0];
  if (number.digits.size() > 1) {
    text += kDecimalComma;
    text.append(number.digits, 1);
  }
  const int magnitude = std::abs(number.exponent);
  text += number.exponent < 0 ? "E-" : "E+";
  if (magnitude < 10) text += '0';
  return text + std::to_string(magnitude);
}

std::string positionalForm(const DecimalDigits& number) {
  std::string text = number.negative ? "-" : "";
  const int wholeDigits = number.exponent + 1;
  if (wholeDigits <= 0) {
    text += "0";
    text += kDecimalComma;
    text.append(-wholeDigits, '0');
    return text + number.digits;
  }
  const std::size_t whole = static_cast<std::size_t>(wholeDigits);
  if (number.digits.size() <= whole) return text + number.digits + std::string(whole - number.digits.size(), '0');
  return text + number.digits.substr(0, whole) + kDecimalComma + number.digits.substr(whole);
}

// The default text of a value kept to significantDigits digits: positional
// for decimal exponents -4 .. significantDigits - 1, the exponent form beyond.
std::string defaultText(double value, int significantDigits) {
  requireFinite(value);
  if (value == 0.0) return "0";
  const DecimalDigits number = toDecimalDigits(value, significantDigits);
  if (number.exponent >= significantDigits || number.exponent < -4) return exponentForm(number);
  return positionalForm(number);
}

// The parts of a mask: digit places before and after its ".".
struct MaskPlaces {
  int requiredWhole = 0;      // "0" places before the point
  int requiredDecimals = 0;   // "0" places after the point
  int decimals = 0;           // all places after the point
  bool hasPoint = false;
};

MaskPlaces readMask(const std::string& mask) {
  MaskPlaces places;
  for (char c : mask) {
    if (c == '.' && !places.hasPoint) { places.hasPoint = true; continue; }
    if (c != '0' && c != '#')
      throw RuntimeError(ErrorCode::InvalidCall, "Unsupported format mask \"" + mask + "\"");
    if (!places.hasPoint) {
      if (c == '0') ++places.requiredWhole;
    } else {
      ++places.decimals;
      if (c == '0') ++places.requiredDecimals;
    }
  }
  return places;
}

// Adds one unit in the last place of a string of decimal digits.
void incrementDigits(std::string& digits) {
  for (auto c = digits.rbegin(); c != digits.rend(); ++c) {
    if (*c != '9') { ++*c; return; }
    *c = '0';
  }
  digits.insert(digits.begin(), '1');
}

}  // namespace

std::string Str(double value) { return defaultText(value, 15); }

std::string StrSingle(float value) { return defaultText(value, 7); }

std::string Format(double value, const std::string& mask) {
  const MaskPlaces places = readMask(mask);
  requireFinite(value);
  const DecimalDigits number = toDecimalDigits(value, 15);

  // All digits written out around the decimal point: whole part, then fraction.
  const int wholeCount = number.exponent + 1;
  std::string whole, fraction;
  if (wholeCount > 0) {
    const std::size_t count = static_cast<std::size_t>(wholeCount);
    whole = number.digits.substr(0, count);
    whole.append(count - whole.size(), '0');
    if (number.digits.size() > count) fraction = number.digits.substr(count);
  } else {
    fraction = std::string(-wholeCount, '0') + number.digits;
  }

  // Round half away from zero to the mask's decimals.
  const std::size_t decimals = static_cast<std::size_t>(places.decimals);
  if (fraction.size() > decimals) {
    const bool roundUp = fraction[decimals] >= '5';
    fraction.resize(decimals);
    if (roundUp) {
      std::string all = whole + fraction;
      incrementDigits(all);
      whole = all.substr(0, all.size() - decimals);
      fraction = all.substr(all.size() - decimals);
    }
  }
  fraction.append(decimals - fraction.size(), '0');

  // Optional decimal places drop their trailing zeros; the whole part keeps
  // no leading zeros beyond the mask's required places.
  while (fraction.size() > static_cast<std::size_t>(places.requiredDecimals) && fraction.back() == '0')
    fraction.pop_back();
  const std::size_t firstSignificant = whole.find_first_not_of('0');
  whole = firstSignificant == std::string::npos ? "" : whole.substr(firstSignificant);
  if (whole.size() < static_cast<std::size_t>(places.requiredWhole))
    whole.insert(0, places.requiredWhole - whole.size(), '0');

  const bool anyNonZeroDigit = (whole + fraction).find_first_not_of('0') != std::string::npos;
  std::string text = number.negative && anyNonZeroDigit ? "-" : "";
  text += whole;
  if (places.hasPoint) text += kDecimalComma + fraction;
  return text;
}

double Fix(double value) { return std::trunc(value); }

double Int(double value) { return std::floor(value); }

int Sgn(double value) { return (value > 0.0) - (value < 0.0); }

double truncateDecimals(double value, int decimals) {
  const double scale = std::pow(10.0, decimals);
  return std::trunc(value * scale) / scale;
}

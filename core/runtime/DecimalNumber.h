#pragma once
// Reading a decimal number from the start of a text. One scanner serves the
// typed-text conversion (decimal comma), Val and list input of files
// (decimal point, exponents written with E or D), so that the three agree
// on what a number looks like and none of them takes "inf" or "nan".
#include <cstddef>
#include <string_view>

struct DecimalScan {
  std::size_t length = 0;  // characters taken; 0 when the text does not start with a number
  double value = 0.0;      // the number (0 on overflow)
  bool overflow = false;   // the number is too large for a Double
};

// scanDecimalNumber: the longest number at the start of text.
// Given:    text; decimalSeparator ('.' or ','); acceptDExponent (true: "1D+07" is 1E+07)
// Returns:  the scan: an optional sign, digits with at most one separator
//           (at least one digit), then an optional exponent letter with an
//           optional sign and at least one digit. An exponent letter without
//           digits is not part of the number. A number too small for a Double
//           reads as 0.
DecimalScan scanDecimalNumber(std::string_view text, char decimalSeparator, bool acceptDExponent);

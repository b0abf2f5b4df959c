#pragma once
// Numbers kept in the plan and shift files as whole millionths, and numbers
// written unscaled so that list input reads them back.
#include <string>

// wholeMillionths: Fix(MK × value), the scaled whole number a file keeps.
// Reads:    Main.MK (1 000 000)
// Notes:    A value read from such a file (n / MK) times MK can land a hair
//           below n in binary arithmetic (249 / 10^6 × 10^6 is
//           248.99999999999997); a product within a few units of the last
//           binary place of a whole number counts as that whole number, so
//           that reading and writing a file again keeps every number.
//           Otherwise cut toward zero: 12.3456789 gives 12345678, -0.0000005
//           gives 0.
double wholeMillionths(double value);
// cutToMillionths: wholeMillionths(value) / MK, the value cut to six decimals.
double cutToMillionths(double value);
// A number as list input reads it back: the printed form (a blank for the
// sign, a trailing blank) with a decimal point, so that "12,5" is not read
// as the two numbers 12 and 5.
std::string listInputNumber(double value);

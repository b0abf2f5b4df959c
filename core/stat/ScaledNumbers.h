#pragma once
// Numbers kept in the plan and shift files as whole millionths, and numbers
// written unscaled so that list input reads them back.
#include <string>

// wholeUnits: the whole number a file keeps for a scaled value, Fix(scaled).
// Notes:    A value read from such a file (n / 10^k) times 10^k, or one
//           computed from Julian Days, can land a hair below n in binary
//           arithmetic (249 / 10^6 × 10^6 is 248.99999999999997); a scaled
//           value within rounding noise of a whole number (10^-6 plus 10^-12
//           of its size) counts as that whole number, so that reading and
//           writing a file again keeps every number. Otherwise cut toward
//           zero: 12345678.9 gives 12345678, -0.5 gives 0 (never -0).
double wholeUnits(double scaled);
// wholeMillionths: wholeUnits(MK × value), the whole millionths a plan or
// shift file keeps.
// Reads:    Main.MK (1 000 000)
double wholeMillionths(double value);
// cutToMillionths: wholeMillionths(value) / MK, the value cut to six decimals.
double cutToMillionths(double value);
// A number as list input reads it back: the printed form (a blank for the
// sign, a trailing blank) with a decimal point, so that "12,5" is not read
// as the two numbers 12 and 5.
std::string listInputNumber(double value);

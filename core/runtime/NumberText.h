#pragma once
// Numbers as text, the way the user's locale writes them: the decimal
// separator is a comma ("0,001", "3,694E-8").
#include <cstdint>
#include <string>

// Typed text to a number (locale comma; a point is refused as the locale
// would). Empty or non-numeric text throws RuntimeError(TypeMismatch).
double CDbl(const std::string& text);
// Whole numbers, rounded half to even; out of range throws Overflow.
int16_t CInt(double value);
int32_t CLng(double value);
inline int16_t CInt(const std::string& text) { return CInt(CDbl(text)); }
inline int32_t CLng(const std::string& text) { return CLng(CDbl(text)); }
// Reads the leading number of a text with a decimal point, as Val does;
// returns 0 when there is none.
double Val(const std::string& text);

// Default number to text: up to 15 significant digits, decimal comma,
// E-notation where needed ("1,5E-07", "1E+16"), no leading blank.
std::string Str(double value);
// The same for single-precision values (up to 7 significant digits).
std::string StrSingle(float value);
// Number through a format mask ("0", "00", "0000.0000", "0.000000000", ...),
// rounded to the mask's decimals, decimal comma.
std::string Format(double value, const std::string& mask);

double Fix(double value);          // toward zero
double Int(double value);          // toward minus infinity
int Sgn(double value);
// Truncation to d decimals toward zero: Fix(x * 10^d) / 10^d.
double truncateDecimals(double value, int decimals);

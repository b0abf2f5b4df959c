#pragma once
// Numbers as text, the way the user's locale writes them: the decimal
// separator is a comma ("0,001", "3,694E-8").
#include <cstdint>
#include <string>

// CDbl: typed text to a number.
// Given:    text with the locale's decimal comma; blanks around it are allowed
//           ("0,001", "-12", " 5 ", "3,694E-8", "1E3", ",5")
// Returns:  the number
// Notes:    throws RuntimeError(TypeMismatch) on empty or non-numeric text and
//           on a decimal point ("0.5" is refused, not read as 5 or 0,5);
//           Overflow beyond the range of a Double; a number too small for a
//           Double reads as 0.
double CDbl(const std::string& text);
// CInt, CLng: whole numbers of 16 and 32 bits, rounded half to even
// (2,5 -> 2, 3,5 -> 4, -2,5 -> -2); out of range (or not a number) throws
// RuntimeError(Overflow).
int16_t CInt(double value);
int32_t CLng(double value);
inline int16_t CInt(const std::string& text) { return CInt(CDbl(text)); }
inline int32_t CLng(const std::string& text) { return CLng(CDbl(text)); }
// FileNumberFromText: the number typed in a box that names a file
// ("\Dat\Celvan" & N & ".dat").
// Returns:  the number, a whole number 1..32767
// Notes:    text that is not a number throws TypeMismatch; a fraction
//           ("1,5" would otherwise round to file 2), zero, a negative number
//           or one beyond 32767 throws InvalidCall, so no box can name a file
//           the user did not mean ("Celvan-1.dat").
int16_t FileNumberFromText(const std::string& text);
// WholeNumberFromText: the number typed in a box that counts or chooses
// (an object, an experiment).
// Returns:  the number, a whole number of 32 bits
// Notes:    text that is not a number throws TypeMismatch; a fraction ("1,5"
//           would otherwise round to 2) or a number beyond 32 bits throws
//           InvalidCall.
int32_t WholeNumberFromText(const std::string& text);
// Val: the leading number of a text, written with a decimal point.
// Notes:    blanks, tabs and line feeds anywhere are ignored ("1 2.5" is 12,5);
//           the exponent may be written with E or D; 0 when the text does not
//           start with a number; Overflow beyond the range of a Double.
double Val(const std::string& text);

// Str: the default number text: up to 15 significant digits, decimal comma,
// no leading blank; the exponent form when the decimal exponent is 15 or more
// or below -4, with at least two exponent digits: 0,1; 1E-05; 1,5E-07; 100;
// 1E+15; 1,23456789012346E+17; -0,5; 0.
// Notes:    a value that is not finite throws RuntimeError(Overflow).
std::string Str(double value);
// StrSingle: the same for single-precision values: up to 7 significant
// digits, the exponent form from an exponent of 7 on (1234567; 1,234568E+07).
std::string StrSingle(float value);
// Format: a number through a mask of digit places.
// Given:    value; mask of "0" (a digit always shown) and "#" (a digit shown
//           when significant) with at most one "." ("0", "00", "0000.0000",
//           "0.000000000", "###0.00")
// Returns:  the value rounded half away from zero to the mask's decimals (on
//           its 15-digit decimal form, so 0,285 gives "0,29" with "0.00"),
//           the whole part padded with zeros to the mask's "0" places (wider
//           values in full), the decimal comma for "."; a minus sign in front
//           of a negative value unless every shown digit is 0.
// Notes:    any other mask character throws RuntimeError(InvalidCall); a
//           value that is not finite throws RuntimeError(Overflow).
std::string Format(double value, const std::string& mask);

double Fix(double value);          // toward zero
double Int(double value);          // toward minus infinity
int Sgn(double value);             // -1, 0 or 1
// truncateDecimals: Fix(value * 10^decimals) / 10^decimals, the product
// taken in Double arithmetic as written: 0,29 with 2 decimals gives 0,28,
// because 0,29 * 100 is 28,999999999999996 in binary. Values shown "to d
// decimals" are cut this way, not rounded.
double truncateDecimals(double value, int decimals);

// Numbers read from typed text and written as text, as the user's locale
// with the decimal comma does it.
#include <gtest/gtest.h>

#include <cfenv>
#include <clocale>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "core/runtime/NumberText.h"
#include "ErrorOf.h"
#include "core/runtime/RuntimeError.h"

namespace {

TEST(CDbl, ReadsNumbersWrittenWithTheDecimalComma) {
  struct Case { std::string text; double expected; };
  const std::vector<Case> cases = {
      {"0,001", 0.001},   {"3,694E-8", 3.694e-8}, {"-12", -12.0},       {" 5 ", 5.0},
      {"1E3", 1000.0},    {"1e3", 1000.0},        {",5", 0.5},          {"5,", 5.0},
      {"+7,25", 7.25},    {"-0,5", -0.5},         {"299792,458", 299792.458},
      {"6,67259E-11", 6.67259e-11},               {"1,5e+300", 1.5e300},
      {"1E-400", 0.0},    {"\t42\t", 42.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(CDbl(c.text), c.expected);
  }
}

TEST(CDbl, RefusesTextThatIsNoNumberInTheLocale) {
  struct Case { std::string text; ErrorCode expected; };
  const std::vector<Case> cases = {
      {"", ErrorCode::TypeMismatch},      {"   ", ErrorCode::TypeMismatch},
      {"abc", ErrorCode::TypeMismatch},   {"0.5", ErrorCode::TypeMismatch},  // a point is no decimal separator here
      {"1,2,3", ErrorCode::TypeMismatch}, {"1 000", ErrorCode::TypeMismatch},
      {"1E", ErrorCode::TypeMismatch},    {"12abc", ErrorCode::TypeMismatch},
      {"-", ErrorCode::TypeMismatch},     {",", ErrorCode::TypeMismatch},
      {"inf", ErrorCode::TypeMismatch},   {"nan", ErrorCode::TypeMismatch},
      {"1D3", ErrorCode::TypeMismatch},   {"--1", ErrorCode::TypeMismatch},
      {"1E400", ErrorCode::Overflow},     {"-2,5E+308", ErrorCode::Overflow},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(errorOf([&] { CDbl(c.text); }), c.expected);
  }
}

TEST(WholeNumbers, RoundHalfToEvenAndRefuseWhatDoesNotFit) {
  struct Case { double value; int expected; };
  const std::vector<Case> roundings = {
      {0.5, 0}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2},
      {2.4999, 2}, {2.5001, 3}, {-7.6, -8}, {32767.4, 32767}, {-32768.5, -32768},
  };
  for (const Case& c : roundings) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(CInt(c.value), c.expected);
    EXPECT_EQ(CLng(c.value), c.expected);
  }
  EXPECT_EQ(CLng(2147483647.4), 2147483647);
  EXPECT_EQ(CLng(-2147483648.5), std::numeric_limits<int32_t>::min());
  EXPECT_EQ(CInt("2,5"), 2);
  EXPECT_EQ(CLng(" 1018 "), 1018);

  const std::vector<double> tooLargeForInteger = {32767.5, -32768.51, 40000.0, 1e300};
  for (double value : tooLargeForInteger) {
    SCOPED_TRACE(value);
    EXPECT_EQ(errorOf([&] { CInt(value); }), ErrorCode::Overflow);
  }
  EXPECT_EQ(errorOf([] { CLng(2147483647.5); }), ErrorCode::Overflow);
  EXPECT_EQ(errorOf([] { CLng(-2147483649.0); }), ErrorCode::Overflow);
  EXPECT_EQ(errorOf([] { CInt(std::numeric_limits<double>::quiet_NaN()); }), ErrorCode::Overflow);
  EXPECT_EQ(errorOf([] { CInt("x"); }), ErrorCode::TypeMismatch);
}

TEST(Str, WritesFifteenSignificantDigitsWithTheDecimalComma) {
  struct Case { double value; std::string expected; };
  const std::vector<Case> cases = {
      {0.1, "0,1"},
      {1e-5, "1E-05"},
      {1.5e-7, "1,5E-07"},
      {123456789012345680.0, "1,23456789012346E+17"},
      {66.7259e-12, "6,67259E-11"},
      {-0.5, "-0,5"},
      {100.0, "100"},
      {1e15, "1E+15"},
      {999999999999999.0, "999999999999999"},
      {0.0, "0"},
      {-0.0, "0"},
      {0.0001, "0,0001"},
      {0.00012345, "0,00012345"},
      {0.1 + 0.2, "0,3"},  // 0,30000000000000004 kept to 15 digits
      {1.0 / 3.0, "0,333333333333333"},
      {2.0 / 3.0, "0,666666666666667"},
      {-1234.5, "-1234,5"},
      {2451545.0, "2451545"},
      {1.989e30, "1,989E+30"},
      {1e100, "1E+100"},
      {-4.5e-300, "-4,5E-300"},
      {9.9999999999999995e14, "1E+15"},  // rounding to 15 digits carries into the exponent
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.expected);
    EXPECT_EQ(Str(c.value), c.expected);
  }
  EXPECT_EQ(errorOf([] { Str(std::numeric_limits<double>::infinity()); }), ErrorCode::Overflow);
}

TEST(Str, TextOfFifteenDigitValuesReadsBackToTheSameDouble) {
  // A Double holds every decimal of 15 significant digits distinctly, so a
  // value given with 15 digits must survive a trip through its text.
  const std::vector<double> values = {0.123456789012345, 299792458.0,     -6.67259e-11,
                                      1.49597870691e11,  2451545.12345678, 1.23456789012345e-250,
                                      9.87654321098765e200, -0.000123456789012345};
  for (double value : values) {
    SCOPED_TRACE(value);
    EXPECT_EQ(CDbl(Str(value)), value);
  }
}

TEST(StrSingle, WritesSevenSignificantDigits) {
  struct Case { float value; std::string expected; };
  const std::vector<Case> cases = {
      {0.1f, "0,1"},          {1234567.0f, "1234567"}, {12345678.0f, "1,234568E+07"},
      {3.14159265f, "3,141593"}, {-2.5e-5f, "-2,5E-05"}, {0.0f, "0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.expected);
    EXPECT_EQ(StrSingle(c.value), c.expected);
  }
}

TEST(Format, PadsRoundsAndWritesTheDecimalComma) {
  struct Case { double value; std::string mask; std::string expected; };
  const std::vector<Case> cases = {
      {1.5, "00.00", "01,50"},                  // a start day as the series header writes it
      {1.5, "00.000", "01,500"},
      {1.0, "00", "01"},
      {1801.0, "0000", "1801"},
      {7.0, "0", "7"},
      {-3.0, "0", "-3"},
      {2.5, "0", "3"},                          // half away from zero
      {-2.5, "0", "-3"},
      {0.285, "0.00", "0,29"},                  // rounded on its 15-digit decimal form
      {1.005, "0.00", "1,01"},
      {9.995, "0.00", "10,00"},                 // carry into a new whole digit
      {-3.14159, "000.00", "-003,14"},
      {123.456, "0.0", "123,5"},
      {0.0004, "0.00", "0,00"},
      {-0.0004, "0.00", "0,00"},                // no minus before a value shown as zero
      {12345.678, "00.0", "12345,7"},           // wider than the mask: written in full
      {2451545.0, "0000000.0000", "2451545,0000"},
      {123456.789, "000000000.000", "000123456,789"},
      {-98765.4321, "0000000.000", "-0098765,432"},
      {23.4392911, "00.000000000", "23,439291100"},
      {359.9999999996, "000.000000000", "360,000000000"},
      {0.5, "###0.00", "0,50"},
      {1234.5, "###0.00", "1234,50"},
      {0.5, "#.##", ",5"},
      {3.0, "0.0#", "3,0"},
      {3.14159, "0.0#", "3,14"},
      {1e20, "0", "100000000000000000000"},
      {0.000123, "0.000000000", "0,000123000"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mask + " " + c.expected);
    EXPECT_EQ(Format(c.value, c.mask), c.expected);
  }
  EXPECT_EQ(errorOf([] { Format(1.0, "0,000"); }), ErrorCode::InvalidCall);
  EXPECT_EQ(errorOf([] { Format(std::nan(""), "0.0"); }), ErrorCode::Overflow);
}

TEST(Truncation, CutsTowardZeroAsTheBinaryProductFalls) {
  struct Case { double value; int decimals; double expected; };
  const std::vector<Case> cases = {
      {1.23456789, 6, 1.234567},
      {-1.239, 2, -1.23},
      {0.29, 2, 0.28},     // 0,29 * 100 is 28,999999999999996 in binary
      {0.5, 2, 0.5},
      {2451545.987654321, 6, 2451545.987654},
      {-0.0000004, 6, 0.0},
      {12.75, 0, 12.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_DOUBLE_EQ(truncateDecimals(c.value, c.decimals), c.expected);
  }
  EXPECT_EQ(Fix(-2.7), -2.0);
  EXPECT_EQ(Int(-2.7), -3.0);
  EXPECT_EQ(Fix(2.7), 2.0);
  EXPECT_EQ(Int(2.7), 2.0);
  EXPECT_EQ(Sgn(-0.1), -1);
  EXPECT_EQ(Sgn(0.0), 0);
  EXPECT_EQ(Sgn(5e-300), 1);
}

TEST(Val, TakesTheLeadingNumberWithADecimalPoint) {
  struct Case { std::string text; double expected; };
  const std::vector<Case> cases = {
      {"12.5abc", 12.5}, {"  -3.25 ", -3.25}, {"1 2 3", 123.0},  {"1,5", 1.0},
      {"", 0.0},         {"abc", 0.0},        {"1.2.3", 1.2},    {"2E3", 2000.0},
      {"2D3", 2000.0},   {"1e", 1.0},         {".5", 0.5},       {"+4", 4.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(Val(c.text), c.expected);
  }
  EXPECT_EQ(errorOf([] { Val("1E999"); }), ErrorCode::Overflow);
}

TEST(NumberText, ConversionsOfOrdinaryValuesRaiseNoFloatingPointFlag) {
  // A trap turns raised flags into errors, so the conversions themselves
  // must leave none behind.
  std::feclearexcept(FE_ALL_EXCEPT);
  Str(0.0);
  Str(1.0 / 3.0);
  Format(0.0, "0.00");
  Format(-2.5, "0");
  CDbl("1E-400");
  CDbl("0,001");
  Val("");
  CInt(3.5);
  truncateDecimals(0.29, 2);
  EXPECT_EQ(std::fetestexcept(FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID), 0);
}

}  // namespace

// A program with windows runs in the user's locale (the window system sets
// it), where the C library writes a decimal comma: the number texts stay
// the same.
TEST(Str, NumberTextDoesNotDependOnTheProcessLocale) {
  const std::string before = setlocale(LC_NUMERIC, nullptr);
  if (setlocale(LC_NUMERIC, "ru_RU.UTF-8") == nullptr) GTEST_SKIP() << "no Russian locale";
  const std::string shown = Str(24.35);
  const std::string masked = Format(-1234.5678, "0000.00");
  const std::string exponent = Str(1.5e-7);
  setlocale(LC_NUMERIC, before.c_str());
  EXPECT_EQ(shown, "24,35");
  EXPECT_EQ(masked, "-1234,57");
  EXPECT_EQ(exponent, "1,5E-07");
}

namespace {

// A box that names a file takes only a whole positive number: "1,5" does not
// round to file 2, "-1" does not name "Celvan-1.dat".
TEST(FileNumberFromText, TakesOnlyWholePositiveNumbers) {
  EXPECT_EQ(FileNumberFromText("1"), 1);
  EXPECT_EQ(FileNumberFromText(" 12 "), 12);
  EXPECT_EQ(FileNumberFromText("32767"), 32767);
  struct Case { std::string text; ErrorCode expected; };
  const std::vector<Case> cases = {
      {"1,5", ErrorCode::InvalidCall}, {"-1", ErrorCode::InvalidCall},     {"0", ErrorCode::InvalidCall},
      {"32768", ErrorCode::InvalidCall}, {"1E+303", ErrorCode::InvalidCall}, {"0,999", ErrorCode::InvalidCall},
      {"", ErrorCode::TypeMismatch},   {"1.5", ErrorCode::TypeMismatch},   {"один", ErrorCode::TypeMismatch},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(errorOf([&] { FileNumberFromText(c.text); }), c.expected);
  }
}

}  // namespace

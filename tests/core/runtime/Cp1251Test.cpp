// The Windows-1251 code page checked byte by byte against the C library's
// own converter.
#include <gtest/gtest.h>

#include <iconv.h>

#include <string>

#include "core/runtime/TextFile.h"

namespace {

// The C library's conversion of text between two code pages.
std::string convertWithIconv(const std::string& text, const char* to, const char* from) {
  iconv_t converter = iconv_open(to, from);
  if (converter == reinterpret_cast<iconv_t>(-1)) return "(no converter)";
  std::string input = text;
  std::string output(16 * text.size() + 16, '\0');
  char* in = input.data();
  char* out = output.data();
  std::size_t inLeft = input.size(), outLeft = output.size();
  const std::size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
  iconv_close(converter);
  if (result == static_cast<std::size_t>(-1)) return "(not convertible)";
  output.resize(output.size() - outLeft);
  return output;
}

TEST(Cp1251, EveryByteMatchesTheCLibraryConverterBothWays) {
  for (int code = 0x01; code <= 0xFF; ++code) {
    if (code == 0x98) continue;  // the one byte without a character
    SCOPED_TRACE(code);
    const std::string byte(1, static_cast<char>(code));
    const std::string utf8 = convertWithIconv(byte, "UTF-8", "CP1251");
    EXPECT_EQ(cp1251ToUtf8(byte), utf8);
    EXPECT_EQ(utf8ToCp1251(utf8), byte);
  }
}

TEST(Cp1251, TextWithoutAWindows1251ByteBecomesQuestionMarks) {
  EXPECT_EQ(utf8ToCp1251("a日b"), "a?b");
  EXPECT_EQ(utf8ToCp1251("Ω"), "?");
  EXPECT_EQ(utf8ToCp1251("x\xD0"), "x?");         // a sequence cut short
  EXPECT_EQ(utf8ToCp1251("\xFF\xC0y"), "??y");    // bytes that begin no sequence
  EXPECT_EQ(cp1251ToUtf8("\x98"), "\xEF\xBF\xBD");  // U+FFFD
  EXPECT_EQ(utf8ToCp1251("Ёё№"), "\xA8\xB8\xB9");
}

}  // namespace

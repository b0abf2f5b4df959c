// Windows-1251 <-> UTF-8: files of the program are single-byte Windows-1251,
// strings inside the program are UTF-8.
#include <array>
#include <cstdint>
#include <string>

#include "core/runtime/TextFile.h"

namespace {

constexpr char32_t kReplacementCharacter = 0xFFFD;

// Code points of the bytes 0x80..0xBF; 0xC0..0xFF are U+0410..U+044F
// (А..я) in order. 0x98 has no character.
constexpr std::array<char32_t, 64> kUpperHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    kReplacementCharacter, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
};

char32_t codePointOfByte(unsigned char byte) {
  if (byte < 0x80) return byte;
  if (byte >= 0xC0) return 0x0410 + (byte - 0xC0);
  return kUpperHalf[byte - 0x80];
}

// The Windows-1251 byte of a code point, or '?' when it has none.
char byteOfCodePoint(char32_t codePoint) {
  if (codePoint < 0x80) return static_cast<char>(codePoint);
  if (codePoint >= 0x0410 && codePoint <= 0x044F) return static_cast<char>(0xC0 + (codePoint - 0x0410));
  for (std::size_t i = 0; i < kUpperHalf.size(); ++i)
    if (kUpperHalf[i] == codePoint && codePoint != kReplacementCharacter) return static_cast<char>(0x80 + i);
  return '?';
}

void appendUtf8(std::string& text, char32_t codePoint) {
  if (codePoint < 0x80) {
    text += static_cast<char>(codePoint);
  } else if (codePoint < 0x800) {
    text += static_cast<char>(0xC0 | (codePoint >> 6));
    text += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else {
    text += static_cast<char>(0xE0 | (codePoint >> 12));
    text += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (codePoint & 0x3F));
  }
}

// Decodes the UTF-8 sequence at position and moves past it; a malformed
// sequence gives the replacement character and moves one byte on.
char32_t nextCodePoint(const std::string& text, std::size_t& position) {
  const auto lead = static_cast<unsigned char>(text[position]);
  if (lead < 0x80) {
    ++position;
    return lead;
  }
  const int continuationCount = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : 1;
  if (lead < 0xC0 || lead >= 0xF8 || position + continuationCount >= text.size()) {
    ++position;
    return kReplacementCharacter;
  }
  char32_t codePoint = lead & (0x3F >> continuationCount);
  for (int i = 1; i <= continuationCount; ++i) {
    const auto next = static_cast<unsigned char>(text[position + i]);
    if ((next & 0xC0) != 0x80) {
      ++position;
      return kReplacementCharacter;
    }
    codePoint = (codePoint << 6) | (next & 0x3F);
  }
  position += continuationCount + 1;
  return codePoint;
}

}  // namespace

std::string utf8ToCp1251(const std::string& text) {
  std::string bytes;
  bytes.reserve(text.size());
  for (std::size_t position = 0; position < text.size();) bytes += byteOfCodePoint(nextCodePoint(text, position));
  return bytes;
}

std::string cp1251ToUtf8(const std::string& bytes) {
  std::string text;
  text.reserve(bytes.size());
  for (char byte : bytes) appendUtf8(text, codePointOfByte(static_cast<unsigned char>(byte)));
  return text;
}

// Windows-1252, the client's code page, to and from UTF-8 for the windows.
#include <array>

#include "dFunc.h"

namespace velomira {

namespace {

// Code points of the bytes 0x80-0x9F; the five unassigned bytes keep their C1 value so
// that every byte survives a round trip.
constexpr std::array<char32_t, 32> HighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t CodePointOf(unsigned char byte) {
  return (byte >= 0x80 && byte <= 0x9F) ? HighControlRange[byte - 0x80] : byte;
}

void AppendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

char ByteOf(char32_t code) {
  if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<char>(code);
  for (std::size_t i = 0; i < HighControlRange.size(); ++i) {
    if (HighControlRange[i] == code) return static_cast<char>(0x80 + i);
  }
  return '?';
}

// Decodes one UTF-8 sequence at text[pos]; a malformed one consumes one byte and gives
// a code point that maps to '?'.
char32_t DecodeUtf8(std::string_view text, std::size_t& pos) {
  constexpr char32_t Invalid = 0xFFFD;
  const auto lead = static_cast<unsigned char>(text[pos++]);
  if (lead < 0x80) return lead;
  int length = 0;
  char32_t code = 0;
  if ((lead & 0xE0) == 0xC0) {
    length = 1;
    code = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 2;
    code = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 3;
    code = lead & 0x07;
  } else {
    return Invalid;
  }
  if (pos + length > text.size()) return Invalid;
  for (int i = 0; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[pos + i]);
    if ((next & 0xC0) != 0x80) return Invalid;
    code = (code << 6) | (next & 0x3F);
  }
  static constexpr char32_t Smallest[] = {0, 0x80, 0x800, 0x10000};
  if (code < Smallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return Invalid;
  pos += length;
  return code;
}

}  // namespace

std::string ToUtf8(std::string_view codePageText) {
  std::string result;
  try {
    result.reserve(codePageText.size());
    for (const char c : codePageText) AppendUtf8(result, CodePointOf(static_cast<unsigned char>(c)));
  } catch (...) {
    result.clear();
  }
  return result;
}

std::string FromUtf8(std::string_view utf8Text) {
  std::string result;
  try {
    result.reserve(utf8Text.size());
    for (std::size_t pos = 0; pos < utf8Text.size();) result += ByteOf(DecodeUtf8(utf8Text, pos));
  } catch (...) {
    result.clear();
  }
  return result;
}

}  // namespace velomira

// The reversible scrambler that keeps remembered credentials out of plain sight in
// user.ini. Each character becomes three decimal digits.
#include <charconv>
#include <cstdio>

#include "AsciiText.h"
#include "dFunc.h"

namespace velomira {

namespace {

std::uint16_t NextKey(std::uint8_t written, std::uint16_t key) {
  return static_cast<std::uint16_t>((written + key) * 37117u + 19403u);
}

// A group that is not a number counts as 0; only its low byte is used.
std::uint8_t GroupValue(std::string_view group) {
  group = TrimBlanks(group);
  int value = 0;
  const auto [end, error] = std::from_chars(group.data(), group.data() + group.size(), value);
  if (group.empty() || error != std::errc() || end != group.data() + group.size()) return 0;
  return static_cast<std::uint8_t>(value);
}

}  // namespace

std::string ScrambleText(std::string_view text, std::uint16_t key) {
  std::string result;
  try {
    result.reserve(text.size() * 3);
    for (const char c : text) {
      const auto written = static_cast<std::uint8_t>(static_cast<std::uint8_t>(c) ^ (key >> 8));
      char digits[8];
      std::snprintf(digits, sizeof digits, "%.3d", written);
      result += digits;
      key = NextKey(written, key);
    }
  } catch (...) {
    result.clear();
  }
  return result;
}

std::string UnscrambleText(std::string_view text, std::uint16_t key) {
  std::string result;
  try {
    result.reserve(text.size() / 3);
    for (std::size_t i = 0; i + 3 <= text.size(); i += 3) {  // an incomplete last group is dropped
      const std::uint8_t read = GroupValue(text.substr(i, 3));
      result += static_cast<char>(read ^ (key >> 8));
      key = NextKey(read, key);
    }
  } catch (...) {
    result.clear();
  }
  return result;
}

}  // namespace velomira

// The service's query decoding: %XX-escaped bytes decode back exactly, a parameter
// reads as it was sent whatever follows it, a number is one optional sign and digits,
// and a LIKE pattern matches its keyword literally.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdio>

#include "FuzzSupport.h"
#include "Query.h"

using namespace velomira::service;
using velomira::fuzz::Require;

namespace {

std::string EscapeEveryByte(std::string_view text) {
  std::string escaped;
  for (const char c : text) {
    char hex[4];
    std::snprintf(hex, sizeof hex, "%%%02X", static_cast<unsigned char>(c));
    escaped += hex;
  }
  return escaped;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsWholeNumber(std::string_view text) {
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) text.remove_prefix(1);
  return !text.empty() && std::all_of(text.begin(), text.end(), IsDigit);
}

// The keyword back from a LIKE pattern; false when a wildcard stands unescaped inside.
bool UnescapeLike(std::string_view pattern, std::string& keyword) {
  if (pattern.size() < 2 || pattern.front() != '%' || pattern.back() != '%') return false;
  pattern = pattern.substr(1, pattern.size() - 2);
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '\\') {
      if (++i == pattern.size()) return false;
    } else if (pattern[i] == '%' || pattern[i] == '_') {
      return false;
    }
    keyword += pattern[i];
  }
  return true;
}

void CheckText(const std::string& text) {
  const std::string decoded = UrlDecode(text);
  Require(decoded.size() <= text.size(), "decoding never grows the text");
  if (text.find_first_of("%+") == std::string::npos) Require(decoded == text, "plain text decodes as itself");
  Require(UrlDecode(EscapeEveryByte(text)) == text, "escaped bytes decode back");

  if (const auto number = ParseNumber(text)) {
    const std::string trimmed = Trim(text);
    Require(IsWholeNumber(trimmed), "a number is a sign and digits");
    Require(std::stoll(trimmed) == *number, "the number has the value of its digits");
  }

  std::string keyword;
  Require(UnescapeLike(LikeContains(text), keyword) && keyword == text, "LIKE pattern matches the keyword literally");

  const std::string lower = Lower(text);
  Require(lower.size() == text.size() && std::none_of(lower.begin(), lower.end(), [](char c) { return c >= 'A' && c <= 'Z'; }),
          "lower case has no capitals");
  const std::string trimmed = Trim(text);
  Require(trimmed.empty() || (trimmed.find_first_of(" \t\r\n") != 0 &&
                              trimmed.find_last_not_of(" \t\r\n") == trimmed.size() - 1),
          "trimmed text has no outer blanks");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string key = input.ConsumeRandomLengthString(16);
  const std::string value = input.ConsumeRandomLengthString(64);
  const std::string rest = input.ConsumeRemainingBytesAsString();

  CheckText(value);
  CheckText(rest);

  // Whatever the rest of a request holds, the first parameter reads back as sent.
  const QueryParams sent =
      QueryParams::FromTarget("/servlet/servlet.Search?" + EscapeEveryByte(key) + "=" + EscapeEveryByte(value) + "&" + rest);
  Require(sent.has(key) && sent.get(key) == value, "a sent parameter reads back");
  Require(sent.raw(key) == EscapeEveryByte(value), "the raw value is as sent");

  // Any target at all: what get() gives is the decoded raw value.
  const QueryParams any = QueryParams::FromTarget(rest);
  Require(any.get(key) == UrlDecode(any.raw(key)), "get decodes raw");
  Require(any.has(key) || (any.get(key).empty() && !any.number(key)), "an absent key reads empty");
  if (const auto number = any.number(key)) Require(ParseNumber(any.get(key)) == number, "number reads the decoded value");
  return 0;
}

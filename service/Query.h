#pragma once
// Query strings of servlet requests: the client sends Windows-1252 bytes
// URL-encoded ("+" for a blank, one %XX per byte), so values are decoded here
// byte by byte rather than through the HTTP library's UTF-8 aware decoder.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velomira::service {

// Decodes "+" and %XX escapes; a malformed escape is kept as it stands.
std::string UrlDecode(std::string_view text);

class QueryParams {
public:
  // Parses the query part of a request target ("/path?a=1&b=2").
  static QueryParams FromTarget(std::string_view target);

  bool has(std::string_view key) const;
  // The decoded value of the first occurrence of key, empty when absent.
  std::string get(std::string_view key) const;
  // The value exactly as it arrived (not decoded), empty when absent.
  std::string raw(std::string_view key) const;
  // A whole decimal number (optional sign, surrounding blanks ignored);
  // nothing when absent, empty or not a number.
  std::optional<std::int64_t> number(std::string_view key) const;

private:
  const std::pair<std::string, std::string>* find(std::string_view key) const;
  std::vector<std::pair<std::string, std::string>> raw_;  // key, undecoded value
};

// A whole decimal number in text (optional sign, blanks around it allowed).
std::optional<std::int64_t> ParseNumber(std::string_view text);

std::string Trim(std::string_view text);

// ASCII letters in lower case (IDs and servlet names compare without case).
std::string Lower(std::string_view text);

// A LIKE pattern (escape character "\\") that finds keyword anywhere, literally.
std::string LikeContains(std::string_view keyword);

}  // namespace velomira::service

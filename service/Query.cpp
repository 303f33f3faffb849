#include "Query.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace velomira::service {

namespace {

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::string UrlDecode(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '+') {
      out.push_back(' ');
    } else if (c == '%' && i + 2 < text.size() && HexValue(text[i + 1]) >= 0 && HexValue(text[i + 2]) >= 0) {
      out.push_back(static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2])));
      i += 2;
    } else {
      out.push_back(c);
    }
  }
  return out;
}

QueryParams QueryParams::FromTarget(std::string_view target) {
  QueryParams params;
  const auto mark = target.find('?');
  if (mark == std::string_view::npos) return params;
  std::string_view query = target.substr(mark + 1);
  while (!query.empty()) {
    const auto amp = query.find('&');
    const std::string_view pair = query.substr(0, amp);
    if (!pair.empty()) {
      const auto eq = pair.find('=');
      std::string key = UrlDecode(pair.substr(0, eq));
      std::string value =
          eq == std::string_view::npos ? std::string() : std::string(pair.substr(eq + 1));
      params.raw_.emplace_back(std::move(key), std::move(value));
    }
    if (amp == std::string_view::npos) break;
    query.remove_prefix(amp + 1);
  }
  return params;
}

const std::pair<std::string, std::string>* QueryParams::find(std::string_view key) const {
  for (const auto& entry : raw_) {
    if (entry.first == key) return &entry;
  }
  return nullptr;
}

bool QueryParams::has(std::string_view key) const { return find(key) != nullptr; }

std::string QueryParams::get(std::string_view key) const {
  const auto* entry = find(key);
  return entry ? UrlDecode(entry->second) : std::string();
}

std::string QueryParams::raw(std::string_view key) const {
  const auto* entry = find(key);
  return entry ? entry->second : std::string();
}

std::optional<std::int64_t> QueryParams::number(std::string_view key) const {
  const auto* entry = find(key);
  if (!entry) return std::nullopt;
  return ParseNumber(UrlDecode(entry->second));
}

std::string Lower(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower;
}

std::string Trim(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t\r\n");
  return std::string(text.substr(first, last - first + 1));
}

std::string LikeContains(std::string_view keyword) {
  std::string pattern = "%";
  for (char c : keyword) {
    if (c == '%' || c == '_' || c == '\\') pattern.push_back('\\');
    pattern.push_back(c);
  }
  pattern.push_back('%');
  return pattern;
}

std::optional<std::int64_t> ParseNumber(std::string_view text) {
  std::string trimmed = Trim(text);
  std::string_view digits = trimmed;
  // One sign only: from_chars would take the "-" of "+-5" as a second one.
  if (digits.starts_with("+")) {
    digits.remove_prefix(1);
    if (digits.starts_with("-")) return std::nullopt;
  }
  if (digits.empty() || digits.size() > 18) return std::nullopt;
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  return value;
}

}  // namespace velomira::service

#include "XmltvFields.h"

#include <optional>
#include <string_view>

#include "GuideText.h"

namespace velomira::service {

namespace {

constexpr std::size_t kMaxLabel = 40;
constexpr std::size_t kMaxIconName = 64;
constexpr std::size_t kMaxAddress = 1024;

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

// "9" or "9/12" (a count of so many), counted from zero; nothing when absent.
std::optional<long> Ordinal(std::string_view part) {
  part = Trimmed(part.substr(0, part.find('/')));
  if (part.empty() || part.size() > 6 || part.find_first_not_of("0123456789") != std::string_view::npos) {
    return std::nullopt;
  }
  return std::stol(std::string(part));
}

std::string XmltvNsLabel(std::string_view text) {
  const auto firstDot = text.find('.');
  if (firstDot == std::string_view::npos) return {};
  const auto secondDot = text.find('.', firstDot + 1);
  const auto season = Ordinal(text.substr(0, firstDot));
  const auto episode = Ordinal(text.substr(firstDot + 1, secondDot == std::string_view::npos
                                                            ? std::string_view::npos
                                                            : secondDot - firstDot - 1));
  std::string label;
  if (season) label = "S" + std::to_string(*season + 1);
  if (episode) label += (label.empty() ? "E" : " E") + std::to_string(*episode + 1);
  return label;
}

}  // namespace

std::string EpisodeLabel(const std::vector<EpisodeNumber>& numbers) {
  for (const auto& number : numbers) {
    if (number.system == "xmltv_ns") {
      if (auto label = XmltvNsLabel(number.text); !label.empty()) return label;
    }
  }
  for (const auto& number : numbers) {
    if (number.system == "onscreen") {
      if (auto label = ToGuideText(number.text, kMaxLabel); !label.empty()) return label;
    }
  }
  return {};
}

std::string IconName(const std::string& source) {
  std::string_view path(source);
  path = path.substr(0, path.find_first_of("?#"));
  path = path.substr(path.find_last_of('/') == std::string_view::npos ? 0 : path.find_last_of('/') + 1);
  path = path.substr(0, path.find_last_of('.'));
  std::string name;
  for (const char c : path) {
    if (name.size() >= kMaxIconName) break;
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_') {
      name += c;
    }
  }
  return name;
}

std::string WebAddress(const std::string& text) {
  const std::string address(Trimmed(text));
  const bool web = address.starts_with("http://") || address.starts_with("https://");
  if (!web || address.size() > kMaxAddress) return {};
  for (const char c : address) {
    if (static_cast<unsigned char>(c) <= 0x20 || static_cast<unsigned char>(c) >= 0x7F) return {};
  }
  return address;
}

}  // namespace velomira::service

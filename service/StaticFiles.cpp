#include "StaticFiles.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>

namespace velomira::service {

namespace {

bool SafeComponent(std::string_view name) {
  if (name.empty() || name == "." || name == ".." || name.size() > 128) return false;
  return std::all_of(name.begin(), name.end(), [](unsigned char c) {
    return std::isalnum(c) || c == '.' || c == '_' || c == '-';
  });
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
           return std::tolower(x) == std::tolower(y);
         });
}

std::optional<std::filesystem::path> Child(const std::filesystem::path& folder,
                                           std::string_view name) {
  std::error_code error;
  const auto exact = folder / std::string(name);
  if (std::filesystem::exists(exact, error)) return exact;
  try {
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
      if (SameIgnoringCase(entry.path().filename().string(), name)) return entry.path();
    }
  } catch (const std::filesystem::filesystem_error&) {
    // An unreadable folder holds nothing to serve.
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::filesystem::path> ResolveInside(const std::filesystem::path& base,
                                                   std::string_view relative) {
  if (base.empty()) return std::nullopt;
  std::filesystem::path current = base;
  while (!relative.empty()) {
    const auto slash = relative.find('/');
    const std::string_view name = relative.substr(0, slash);
    relative = slash == std::string_view::npos ? std::string_view() : relative.substr(slash + 1);
    if (!SafeComponent(name)) return std::nullopt;
    const auto next = Child(current, name);
    if (!next) return std::nullopt;
    current = *next;
  }
  std::error_code error;
  if (!std::filesystem::is_regular_file(current, error)) return std::nullopt;
  return current;
}

std::optional<std::string> ReadWholeFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

}  // namespace velomira::service

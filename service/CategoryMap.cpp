#include "CategoryMap.h"

#include <fnmatch.h>

#include <fstream>
#include <sstream>

#include "Categories.h"

namespace velomira::service {

namespace {

constexpr int kUnmappedCategory = 3;  // Entertainment
constexpr const char* kUnmappedSubCategory = "Other";

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

std::string Lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

const Category* CategoryByName(std::string_view name) {
  for (const auto& category : kCategories) {
    if (Lower(category.name) == Lower(name) || Lower(category.word) == Lower(name)) {
      return &category;
    }
  }
  return nullptr;
}

}  // namespace

std::optional<CategoryMap> CategoryMap::Load(const std::filesystem::path& file,
                                             std::string& error) {
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    error = "cannot read " + file.string();
    return std::nullopt;
  }
  std::ostringstream text;
  text << in.rdbuf();
  auto map = Parse(text.str(), error);
  if (!map) error = file.string() + ":" + error;
  return map;
}

std::optional<CategoryMap> CategoryMap::Parse(std::string_view text, std::string& error) {
  CategoryMap map;
  int lineNumber = 0;
  while (!text.empty()) {
    ++lineNumber;
    const auto end = text.find('\n');
    const std::string_view line = Trimmed(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (line.empty() || line.front() == '#') continue;

    const auto equals = line.find('=');
    if (equals == std::string_view::npos) {
      const std::string_view pattern = line.substr(0, 6) == "radio " ? Trimmed(line.substr(6)) : "";
      if (pattern.empty()) {
        error = std::to_string(lineNumber) + ": neither \"text = Category/Sub-category\" nor \"radio PATTERN\"";
        return std::nullopt;
      }
      map.radioPatterns_.emplace_back(pattern);
      continue;
    }
    const std::string_view key = Trimmed(line.substr(0, equals));
    const std::string_view target = Trimmed(line.substr(equals + 1));
    const auto slash = target.find('/');
    const Category* category = CategoryByName(Trimmed(target.substr(0, slash)));
    const std::string_view sub =
        slash == std::string_view::npos ? std::string_view() : Trimmed(target.substr(slash + 1));
    if (key.empty() || !category || sub.empty()) {
      error = std::to_string(lineNumber) + ": expected \"text = Category/Sub-category\" with one of the nine categories";
      return std::nullopt;
    }
    map.choices_.insert_or_assign(Lower(key), CategoryChoice{category->code, std::string(sub)});
  }
  return map;
}

CategoryChoice CategoryMap::choose(const std::vector<std::string>& texts) const {
  for (const auto& text : texts) {
    const auto found = choices_.find(Lower(Trimmed(text)));
    if (found != choices_.end()) return found->second;
  }
  return CategoryChoice{kUnmappedCategory, kUnmappedSubCategory};
}

bool CategoryMap::isRadio(std::string_view channelId) const {
  const std::string id(channelId);
  for (const auto& pattern : radioPatterns_) {
    if (fnmatch(pattern.c_str(), id.c_str(), FNM_CASEFOLD) == 0) return true;
  }
  return false;
}

}  // namespace velomira::service

#pragma once
// The mapping file of the XMLTV import: listing category texts to one of the
// nine categories and a sub-category, and which channels are radio.
//
//   # comment
//   Football = Sports/Football        (text compared without regard to case)
//   radio *-fm.example                (channel ids matching the wildcard are radio)
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velomira::service {

struct CategoryChoice {
  int category = 0;         // service code
  std::string subCategory;  // sub-category name
};

class CategoryMap {
public:
  // Nothing, and the line and reason in error, when the file cannot be read
  // or a line is not understood.
  static std::optional<CategoryMap> Load(const std::filesystem::path& file, std::string& error);
  static std::optional<CategoryMap> Parse(std::string_view text, std::string& error);

  // The choice of the first text that is mapped; Entertainment/Other when none is.
  CategoryChoice choose(const std::vector<std::string>& texts) const;
  bool isRadio(std::string_view channelId) const;

private:
  std::map<std::string, CategoryChoice, std::less<>> choices_;  // by lower-case text
  std::vector<std::string> radioPatterns_;
};

}  // namespace velomira::service

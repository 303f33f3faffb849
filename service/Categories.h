#pragma once
// The nine program categories: display position (the client's order), the
// service code used in requests and logs, name and the client's file word.
#include <array>
#include <string_view>

namespace velomira::service {

struct Category {
  int position;
  int code;
  const char* name;
  const char* word;
};

inline constexpr std::array<Category, 9> kCategories = {{
    {1, 1, "News", "News"},
    {2, 6, "Money", "Money"},
    {3, 5, "Sports", "Sports"},
    {4, 2, "Music", "Music"},
    {5, 3, "Entertainment", "Enter"},
    {6, 4, "Lifestyle", "Life"},
    {7, 7, "Tech & Sci", "Tech"},
    {8, 8, "Mars & Venus", "Sex"},
    {9, 9, "Chat Event", "Chat"},
}};

inline const Category* CategoryByCode(long long code) {
  for (const auto& category : kCategories) {
    if (category.code == code) return &category;
  }
  return nullptr;
}

// The new-programs request names News, Money and Sports by a letter.
inline const Category* CategoryByNewCode(const std::string_view letter) {
  if (letter == "n") return CategoryByCode(1);
  if (letter == "m") return CategoryByCode(6);
  if (letter == "s") return CategoryByCode(5);
  return nullptr;
}

}  // namespace velomira::service

#pragma once
// The registration wizard's fixed lists and the codes the service takes for them.
#include <array>
#include <string>
#include <string_view>

namespace velomira {

struct CodedItem {
  const char* Label;
  const char* Code;  // what the service is sent
};

// The time zones after the list's "select" item, in list order.
extern const std::array<CodedItem, 52> TimeZoneItems;
// Item 0 "Select" and the ages sent as "13" ... "50" ("00" for "Select").
extern const std::array<CodedItem, 6> AgeItems;
// Item 0 "Select" and the states and territories, sent as their text.
extern const std::array<const char*, 62> StateItems;
// Item 0 "Select" and the countries, sent as their text.
extern const std::array<const char*, 238> CountryItems;

// The text sent for a state or country: the listed text, "" for anything not in list
// (a stored value from elsewhere must not reach the service as if chosen).
template <std::size_t N>
std::string ListedText(const std::array<const char*, N>& list, std::string_view text) {
  for (const char* item : list) {
    if (text == item) return item;
  }
  return {};
}

}  // namespace velomira

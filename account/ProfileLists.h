#pragma once
// The lists a member's profile is chosen from, shared by the registration wizard and
// the preferences panel: time zones with the codes the service takes, the states (as
// the service stores them), countries and age ranges. Texts are core texts.
#include <array>
#include <string>
#include <vector>

namespace velomira {

struct TimeZoneItem {
  const char* Label;  // "(GMT -05:00) Bogota, Lima"
  const char* Code;   // "-0500" as sent in "gmt"; empty for item 0 ("select")
};

// Item 0 "select", then the 52 zones in list order.
const std::vector<TimeZoneItem>& TimeZoneItems();
// The preferences panel's label of item: only the place names, indented, when the
// item above has the same offset.
std::string PreferenceZoneLabel(std::size_t item);
// The first item whose offset, read as a signed hhmm number (-500, 0, 330), is offset;
// 0 ("select") for an offset no item has.
std::size_t ZoneItemForOffset(int offset);

// The 62 states, "Select" first, in the spellings the service stores.
const std::vector<std::string>& States();
// The 238 countries, "Select" first.
const std::vector<std::string>& Countries();

// The age codes of the age range items 1 to 5; item 0 ("Select") sends NoAgeCode.
inline constexpr std::array<const char*, 5> kAgeCodes{"13", "18", "25", "35", "50"};
inline constexpr const char* NoAgeCode = "00";
// The code sent for age range item: kAgeCodes for items 1 to 5, NoAgeCode otherwise.
const char* AgeCode(int item);

// The text of item; "" for an index outside the list (nothing chosen).
std::string ItemText(const std::vector<std::string>& items, int item);

// The index of the item equal to text without regard to ASCII letter case; -1 when
// the list does not hold it.
int FindItemIgnoringCase(const std::vector<std::string>& items, const std::string& text);

}  // namespace velomira

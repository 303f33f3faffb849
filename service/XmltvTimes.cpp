#include "XmltvTimes.h"

#include <array>
#include <chrono>

#include "TimeZone.h"

namespace velomira::service {

namespace {

struct ZoneName {
  std::string_view name;
  int minutes;
};

// The zone names grabbers write (BST is British Summer Time).
constexpr std::array<ZoneName, 21> kZoneNames = {{
    {"UTC", 0}, {"GMT", 0}, {"Z", 0}, {"UT", 0},
    {"WET", 0}, {"WEST", 60}, {"BST", 60},
    {"CET", 60}, {"CEST", 120}, {"MET", 60}, {"MEST", 120},
    {"EET", 120}, {"EEST", 180},
    {"EST", -300}, {"EDT", -240}, {"CST", -360}, {"CDT", -300},
    {"MST", -420}, {"MDT", -360}, {"PST", -480}, {"PDT", -420},
}};

std::optional<int> ZoneByName(std::string_view name) {
  for (const auto& zone : kZoneNames) {
    if (zone.name == name) return zone.minutes;
  }
  return std::nullopt;
}

bool AllDigits(std::string_view text) {
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

int Number(std::string_view digits) {
  int value = 0;
  for (char c : digits) value = value * 10 + (c - '0');
  return value;
}

}  // namespace

std::optional<ListingTime> ParseListingTime(std::string_view text, int defaultOffsetMinutes) {
  std::size_t digits = 0;
  while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9') ++digits;
  // Year, then any whole number of two-digit fields up to the seconds.
  if (digits < 4 || digits > 14 || digits % 2 != 0) return std::nullopt;
  const std::string_view stamp = text.substr(0, digits);
  const auto field = [&](std::size_t at, int absent) {
    return at + 2 <= stamp.size() ? Number(stamp.substr(at, 2)) : absent;
  };
  const int year = Number(stamp.substr(0, 4));
  const int month = field(4, 1), day = field(6, 1);
  const int hour = field(8, 0), minute = field(10, 0), second = field(12, 0);
  const std::chrono::year_month_day date{std::chrono::year(year),
                                         std::chrono::month(static_cast<unsigned>(month)),
                                         std::chrono::day(static_cast<unsigned>(day))};
  if (!date.ok() || hour > 23 || minute > 59 || second > 59) return std::nullopt;

  std::string_view zone = text.substr(digits);
  while (!zone.empty() && zone.front() == ' ') zone.remove_prefix(1);
  while (!zone.empty() && zone.back() == ' ') zone.remove_suffix(1);
  ListingTime result;
  int offset = defaultOffsetMinutes;
  if (!zone.empty()) {
    if (zone.front() == '+' || zone.front() == '-') {
      if (!AllDigits(zone.substr(1))) return std::nullopt;
      const auto numeric = ParseTimeZoneCode(zone);
      if (!numeric) return std::nullopt;
      offset = *numeric;
    } else if (const auto named = ZoneByName(zone)) {
      offset = *named;
    } else {
      result.unknownZone = true;
    }
  }
  const auto days = std::chrono::sys_days(date).time_since_epoch().count();
  result.utc = static_cast<std::int64_t>(days) * 86400 + hour * 3600 + minute * 60 + second -
               static_cast<std::int64_t>(offset) * 60;
  return result;
}

}  // namespace velomira::service

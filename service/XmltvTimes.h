#pragma once
// Listing times as XMLTV writes them: "YYYYMMDDhhmmss" cut anywhere after the
// year, then an optional zone ("+0100", "-0330" or a name such as "CEST").
#include <cstdint>
#include <optional>
#include <string_view>

namespace velomira::service {

struct ListingTime {
  std::int64_t utc = 0;       // seconds since the epoch
  bool unknownZone = false;   // a zone name we do not know: read as the default zone
};

// Nothing for a time that does not exist (month 13, 30 February, 25 o'clock)
// or text that is not a time; times without a zone are in defaultOffsetMinutes.
std::optional<ListingTime> ParseListingTime(std::string_view text, int defaultOffsetMinutes);

}  // namespace velomira::service

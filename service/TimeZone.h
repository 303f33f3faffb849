#pragma once
// Member time zones. Registration and preferences send a code of sign and
// hhmm ("-0500", "+0330", "00000"); the service keeps it as signed minutes.
#include <optional>
#include <string>
#include <string_view>

namespace velomira::service {

std::optional<int> ParseTimeZoneCode(std::string_view code);
// The preferences form: signed hhmm without leading zeros (-500, 0, 330).
std::string PreferenceTimeZone(int minutes);
// Login header characters 33-37: signed hours ("+09", "-05") and minutes
// ("00"-"59"). A negative offset with a minute part rounds the hours down, so
// that hours plus minutes still give the offset (-03:30 is "-04" and "30").
std::string LoginOffset(int minutes);
// The offset the member lives in: the zone plus an hour of daylight saving.
int EffectiveOffset(int zoneMinutes, std::string_view daylightSaving);

}  // namespace velomira::service

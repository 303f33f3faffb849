#include "TimeZone.h"

#include <cstdio>
#include <cstdlib>

namespace velomira::service {

std::optional<int> ParseTimeZoneCode(std::string_view code) {
  if (code == "00000") return 0;
  int sign = 1;
  if (!code.empty() && (code.front() == '+' || code.front() == '-')) {
    sign = code.front() == '-' ? -1 : 1;
    code.remove_prefix(1);
  }
  if (code.size() != 4) return std::nullopt;
  for (char c : code) {
    if (c < '0' || c > '9') return std::nullopt;
  }
  const int hours = (code[0] - '0') * 10 + (code[1] - '0');
  const int minutes = (code[2] - '0') * 10 + (code[3] - '0');
  if (hours > 14 || minutes >= 60) return std::nullopt;
  return sign * (hours * 60 + minutes);
}

std::string PreferenceTimeZone(int minutes) {
  const int sign = minutes < 0 ? -1 : 1;
  const int magnitude = std::abs(minutes);
  return std::to_string(sign * ((magnitude / 60) * 100 + magnitude % 60));
}

std::string LoginOffset(int minutes) {
  int hours = minutes / 60;
  int rest = minutes % 60;
  if (rest < 0) {
    hours -= 1;
    rest += 60;
  }
  char text[16];
  std::snprintf(text, sizeof text, "%+03d%02d", hours, rest);
  return text;
}

int EffectiveOffset(int zoneMinutes, std::string_view daylightSaving) {
  return zoneMinutes + (daylightSaving == "y" || daylightSaving == "Y" ? 60 : 0);
}

}  // namespace velomira::service

// The member's current time and the UTC time stamps of the usage log.
#include <cstdio>

#include "dFunc.h"

namespace velomira {

void UpdateCurrentTime() {
  const DateTime utc = UtcNow();
  ClientState& state = State();
  // Minutes carry into the hour, the hour wraps into the day.
  const int minutes = utc.Minute + state.TimeZoneMinutes;
  const int carry = minutes >= 0 ? minutes / 60 : -((59 - minutes) / 60);
  const int hours = utc.Hour + state.TimeZoneHours + carry;
  state.CurrentTime.Hour = ((hours % 24) + 24) % 24;
  state.CurrentTime.Minute = minutes - carry * 60;
  state.CurrentTime.Second = utc.Second;
  state.CurrentTime.Millisecond = utc.Millisecond;
}

std::string UtcStamp() {
  const DateTime utc = UtcNow();
  char text[64];
  std::snprintf(text, sizeof text, "%04d%02d%02d,%02d%02d%02d", utc.Year, utc.Month, utc.Day, utc.Hour,
                utc.Minute, utc.Second);
  return text;
}

}  // namespace velomira

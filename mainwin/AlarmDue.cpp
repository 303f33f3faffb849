#include "AlarmDue.h"

#include <cstdio>

#include "RowTexts.h"

namespace velomira {

namespace {

std::string TwelveHourText(int hour, int minute, const char* separator) {
  const int shown = hour % 12 == 0 ? 12 : hour % 12;
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d%s%s", shown, minute, separator, hour < 12 ? "am" : "pm");
  return text;
}

}  // namespace

std::string ClockCaption(const TimeOfDay& time) { return TwelveHourText(time.Hour, time.Minute, " "); }

std::string AlarmMinuteText(const TimeOfDay& now) {
  int minutes = (now.Hour * 60 + now.Minute + 1) % (24 * 60);
  return TwelveHourText(minutes / 60, minutes % 60, "");
}

std::string DateStamp(const DateTime& date) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d%02d%02d", date.Year, date.Month, date.Day);
  return text;
}

bool PresetIsDue(const PresetRecord& preset, const std::string& todayStamp,
                 const std::string& alarmMinute) {
  if (preset.Start.size() < 16) return false;
  return EqualsNoCase(preset.Start.substr(0, 8), todayStamp) &&
         EqualsNoCase(preset.Start.substr(9, 7), alarmMinute.substr(0, 7));
}

AlarmNotice AlarmNoticeFor(const PresetRecord& preset) {
  return {preset.Title, preset.Station, preset.Start.size() >= 16 ? preset.Start.substr(9, 7) : std::string(),
          preset.Address};
}

}  // namespace velomira

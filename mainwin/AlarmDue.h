#pragma once
// When a preset rings: in the minute before its start, on the computer's date only.
#include <string>

#include "core/ClientState.h"
#include "core/Clock.h"
#include "platform/qt/DesktopNotification.h"

namespace velomira {

// "hh:nn am" / "hh:nn pm" as the main window's clock shows the member's time.
std::string ClockCaption(const TimeOfDay& time);

// The member's time one minute ahead as "hh:nnam" / "hh:nnpm" (seven characters).
std::string AlarmMinuteText(const TimeOfDay& now);

// "yyyymmdd" of a date.
std::string DateStamp(const DateTime& date);

// The preset's start field holds the service date in characters 1-8 and its start time
// in characters 10-16; both must match (ignoring case).
bool PresetIsDue(const PresetRecord& preset, const std::string& todayStamp,
                 const std::string& alarmMinute);

// The desktop notification of a ringing preset: its title, station, start time and page.
AlarmNotice AlarmNoticeFor(const PresetRecord& preset);

}  // namespace velomira

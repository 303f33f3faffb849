// The texts that show service times in the member's time: 12-hour times with "am" /
// "pm", three-letter day names.
#include <cstdio>

#include "AsciiText.h"
#include "ServiceTime.h"
#include "dFunc.h"

namespace velomira {

const std::array<const char*, 12> HourPrefixes = {"12:", "01:", "02:", "03:", "04:", "05:",
                                                  "06:", "07:", "08:", "09:", "10:", "11:"};
// "Wendeday" is how the day has always been spelled; only three letters are shown.
const std::array<const char*, 7> DayNames = {"Sunday",   "Monday", "Tuesday", "Wendeday",
                                             "Thursday", "Friday", "Saturday"};
const std::array<const char*, 12> MonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

namespace {

constexpr const char* NoEndTime = "  N / A";

// "hh:" + minutes + "am"/"pm". The converted hour is 0-23, so hour 24 of the service's
// day shows as "12:" "am" of the next day.
std::string ClockText(const MemberTime& time) {
  return std::string(HourPrefixes[time.Hour % 12]) + time.Minutes + (time.Hour < 12 ? "am" : "pm");
}

std::string TwoDigits(int value) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d", value);
  return text;
}

std::string ShortDayName(const CalendarDate& date) { return std::string(DayNames[WeekdayOf(date)]).substr(0, 3); }

// Day name and day of month, e.g. "Mon.31".
std::string DayText(const CalendarDate& date, const char* separator) {
  return ShortDayName(date) + separator + TwoDigits(date.Day);
}

bool HasEndTime(std::string_view startEnd) {
  return startEnd.size() > 12 && !TrimBlanks(startEnd.substr(12, 12)).empty();
}

CalendarDate Today() {
  const DateTime now = LocalNow();
  return {now.Year, now.Month, now.Day};
}

// "[" + start + "-" + end, the start part shared by the range and preset texts.
std::string RangeStart(const MemberTime& start) { return "[" + ClockText(start) + "-"; }

}  // namespace

std::string FormatTimeRange(std::string_view startEnd) {
  try {
    const MemberTime start = ConvertServiceTime(startEnd, 0);
    std::string text = RangeStart(start);
    text += HasEndTime(startEnd) ? ClockText(ConvertServiceTime(startEnd, 12)) + "] "
                                 : std::string(NoEndTime) + "  ]  ";
    return text + DayText(start.Date, ".");
  } catch (...) {
    return {};
  }
}

std::string FormatShortTime(std::string_view time) {
  try {
    const MemberTime converted = ConvertServiceTime(time, 0);
    return "[" + ClockText(converted) + "]  " + DayText(converted.Date, ".");
  } catch (...) {
    return {};
  }
}

std::string FormatMonthDayTime(std::string_view time) {
  try {
    const MemberTime converted = ConvertServiceTime(time, 0);
    return "[" + ClockText(converted) + " " + MonthNames[converted.Date.Month - 1] + " " +
           TwoDigits(converted.Date.Day) + "]";
  } catch (...) {
    return {};
  }
}

std::string FormatPresetTime(std::string_view startEnd, std::string_view kind) {
  try {
    const MemberTime start = ConvertServiceTime(startEnd, 0);
    std::string text = RangeStart(start);
    text += HasEndTime(startEnd) ? ClockText(ConvertServiceTime(startEnd, 12)) + "]"
                                 : std::string(NoEndTime) + "  ]";
    if (!kind.empty() && kind.front() == 'r') return text;  // regular programs show no day

    // The day is counted from today: one day back or ahead by the service date, and one
    // more by the hour conversion.
    const CalendarDate today = Today();
    const int serviceDate = NumberAt(startEnd, 0, 8);
    const int todayNumber = (today.Year * 100 + today.Month) * 100 + today.Day;
    const int dateOffset = serviceDate < todayNumber ? -1 : serviceDate > todayNumber ? 1 : 0;
    return text + DayText(AddDays(today, dateOffset + start.DayShift), ".");
  } catch (...) {
    return {};
  }
}

std::string FormatPlayTime(std::string_view startField) {
  try {
    const auto piece = [&](std::size_t offset) {
      return offset < startField.size() ? std::string(startField.substr(offset, 2)) : std::string();
    };
    return "Playtime[" + piece(4) + ":" + piece(6) + ":" + piece(8) + "] " + DayText(Today(), " ");
  } catch (...) {
    return {};
  }
}

}  // namespace velomira

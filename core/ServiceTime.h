#pragma once
// Service times ("yyyymmddhhnn" in the service's clock) converted into the member's
// time by whole hours of TimeZoneHours. Internal to the core.
#include <string>
#include <string_view>

namespace velomira {

struct CalendarDate {
  int Year = 1970, Month = 1, Day = 1;
};

// Days since 1970-01-01 and back; valid for any date of the proleptic Gregorian calendar.
long long DaysFromDate(const CalendarDate& date);
CalendarDate DateFromDays(long long days);
int WeekdayOf(const CalendarDate& date);  // 0 = Sunday
CalendarDate AddDays(const CalendarDate& date, long long days);

struct MemberTime {
  CalendarDate Date;     // the converted date
  int Hour = 0;          // the converted hour, 0-23
  int DayShift = 0;      // days the conversion moved the date (-1, 0, +1 for usual offsets)
  std::string Minutes;   // the minute characters as sent, "00" when missing
  int MinuteValue = 0;
};

// Reads the service time starting at offset of text; missing or non-digit parts count
// as 0, so a short or garbled field still gives a time.
MemberTime ConvertServiceTime(std::string_view text, std::size_t offset);

// The number of characters [offset, offset + count) of text; 0 when missing or not digits.
int NumberAt(std::string_view text, std::size_t offset, std::size_t count);

}  // namespace velomira

#include "ServiceTime.h"

#include <charconv>

#include "dFunc.h"

namespace velomira {

namespace {

long long FloorDiv(long long value, long long divisor) {
  return value / divisor - ((value % divisor != 0) && ((value < 0) != (divisor < 0)) ? 1 : 0);
}

long long NumberOfDate(const CalendarDate& date, int hour, int minute) {
  return ((static_cast<long long>(date.Year) * 100 + date.Month) * 100 + date.Day) * 10000LL + hour * 100 + minute;
}

}  // namespace

// Howard Hinnant's civil-calendar algorithms.
long long DaysFromDate(const CalendarDate& date) {
  const long long year = date.Year - (date.Month <= 2 ? 1 : 0);
  const long long era = FloorDiv(year, 400);
  const long long yearOfEra = year - era * 400;
  const long long month = date.Month;
  const long long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + date.Day - 1;
  const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

CalendarDate DateFromDays(long long days) {
  days += 719468;
  const long long era = FloorDiv(days, 146097);
  const long long dayOfEra = days - era * 146097;
  const long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const long long monthIndex = (5 * dayOfYear + 2) / 153;
  CalendarDate date;
  date.Day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
  date.Month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
  date.Year = static_cast<int>(yearOfEra + era * 400 + (date.Month <= 2 ? 1 : 0));
  return date;
}

int WeekdayOf(const CalendarDate& date) {
  return static_cast<int>(((DaysFromDate(date) + 4) % 7 + 7) % 7);  // 1970-01-01 was a Thursday
}

CalendarDate AddDays(const CalendarDate& date, long long days) {
  return days == 0 ? date : DateFromDays(DaysFromDate(date) + days);
}

int NumberAt(std::string_view text, std::size_t offset, std::size_t count) {
  if (offset >= text.size()) return 0;
  const std::string_view digits = text.substr(offset, count);
  int value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error != std::errc() || end != digits.data() + digits.size()) return 0;
  return value;
}

MemberTime ConvertServiceTime(std::string_view text, std::size_t offset) {
  CalendarDate serviceDate{NumberAt(text, offset, 4), NumberAt(text, offset + 4, 2), NumberAt(text, offset + 6, 2)};
  // A garbled date still needs a calendar day to name.
  if (serviceDate.Month < 1 || serviceDate.Month > 12) serviceDate.Month = 1;
  if (serviceDate.Day < 1 || serviceDate.Day > 31) serviceDate.Day = 1;

  const long long hour = static_cast<long long>(NumberAt(text, offset + 8, 2)) + State().TimeZoneHours;
  MemberTime time;
  time.DayShift = static_cast<int>(FloorDiv(hour, 24));
  time.Hour = static_cast<int>(hour - time.DayShift * 24LL);
  time.Date = AddDays(serviceDate, time.DayShift);
  time.Minutes = offset + 10 < text.size() ? std::string(text.substr(offset + 10, 2)) : std::string("00");
  time.MinuteValue = NumberAt(text, offset + 10, 2);
  return time;
}

int ProgramState(std::string_view startEnd) {
  try {
    const MemberTime end = ConvertServiceTime(startEnd, 12);
    const MemberTime start = ConvertServiceTime(startEnd, 0);
    const DateTime local = LocalNow();
    const long long now = NumberOfDate({local.Year, local.Month, local.Day}, local.Hour, local.Minute);
    if (NumberOfDate(end.Date, end.Hour, end.MinuteValue) <= now) return 1;
    if (NumberOfDate(start.Date, start.Hour, start.MinuteValue) > now) return 3;
    return 2;
  } catch (...) {
    return 1;
  }
}

}  // namespace velomira

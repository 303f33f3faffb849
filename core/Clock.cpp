#include "Clock.h"

#include <chrono>
#include <ctime>
#include <mutex>

namespace velomira {

namespace {

std::mutex g_clockLock;
std::function<DateTime()> g_utcOverride;
std::function<DateTime()> g_localOverride;

DateTime SystemTime(bool utc) {
  const auto now = std::chrono::system_clock::now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  const auto millis =
      std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
  std::tm parts{};
  if (utc) {
    gmtime_r(&seconds, &parts);
  } else {
    localtime_r(&seconds, &parts);
  }
  DateTime result;
  result.Year = parts.tm_year + 1900;
  result.Month = parts.tm_mon + 1;
  result.Day = parts.tm_mday;
  result.Hour = parts.tm_hour;
  result.Minute = parts.tm_min;
  result.Second = parts.tm_sec;
  result.Millisecond = static_cast<int>(millis < 0 ? millis + 1000 : millis);
  return result;
}

DateTime ReadClock(const std::function<DateTime()>& chosen, bool utc) {
  std::function<DateTime()> clock;
  {
    std::lock_guard lock(g_clockLock);
    clock = chosen;
  }
  return clock ? clock() : SystemTime(utc);
}

}  // namespace

DateTime UtcNow() { return ReadClock(g_utcOverride, true); }

DateTime LocalNow() { return ReadClock(g_localOverride, false); }

void SetClockForTests(std::function<DateTime()> utc, std::function<DateTime()> local) {
  std::lock_guard lock(g_clockLock);
  g_utcOverride = std::move(utc);
  g_localOverride = std::move(local);
}

}  // namespace velomira

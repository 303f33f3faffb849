#pragma once
// The one place the client reads the system clock, so tests can set the time.
#include <functional>

namespace velomira {

struct DateTime {
  int Year = 1970, Month = 1, Day = 1;  // Month 1-12, Day 1-31
  int Hour = 0, Minute = 0, Second = 0, Millisecond = 0;
};

struct TimeOfDay {
  int Hour = 0, Minute = 0, Second = 0, Millisecond = 0;
};

DateTime UtcNow();
DateTime LocalNow();

// Tests replace both clocks; passing empty functions restores the system clock.
void SetClockForTests(std::function<DateTime()> utc, std::function<DateTime()> local);

}  // namespace velomira

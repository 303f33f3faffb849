#include "SearchTimes.h"

#include <cstdio>

namespace velomira {

namespace {

constexpr int kWindows = 8;
constexpr int kWindowHours = 3;

// An hour of the clock 0-24 as "hh am" / "hh pm"; midnight reads 12 am, whether it
// is the start (0) or the end (24) of the day.
std::string HourText(int hour) {
  const int shown = hour % 12 == 0 ? 12 : hour % 12;
  const bool afternoon = hour >= 12 && hour <= 23;
  char text[16];
  std::snprintf(text, sizeof text, "%02d %s", shown, afternoon ? "pm" : "am");
  return text;
}

}  // namespace

std::vector<SearchTime> SearchTimeChoices(int hour, int minute) {
  std::vector<SearchTime> choices{{"Anytime", "all"}, {"right now", "rn"}};
  int start = hour + (minute >= 30 ? 1 : 0);
  if (start > 24) start -= 24;
  for (int i = 1; i <= kWindows; ++i) {
    const int end = start + kWindowHours > 24 ? start + kWindowHours - 24 : start + kWindowHours;
    choices.push_back({HourText(start) + " - " + HourText(end), std::to_string(kWindowHours * i)});
    start = end;
  }
  return choices;
}

}  // namespace velomira

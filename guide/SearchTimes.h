#pragma once
// The time choices of the search window: "Anytime", "right now", then eight
// three-hour windows from the member's current hour on, each sent as the number of
// hours from now to its end. Qt-free so the texts can be checked against the clock.
#include <string>
#include <vector>

namespace velomira {

struct SearchTime {
  std::string Text;  // what CmbTime shows
  std::string Code;  // what se_time sends
};

// The choices at the member's time of day (hour 0-23, minute 0-59). The windows
// start at the hour, rounded up from half past.
std::vector<SearchTime> SearchTimeChoices(int hour, int minute);

}  // namespace velomira

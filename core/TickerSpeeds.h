#pragma once
// The three ticker speeds (TickerSpeed 0 fast, 1 medium, 2 slow): the intervals in ms
// of the main list's scrolling timer and ticker timer, and the speed that runs until the
// member picks one. The main window and the preferences panel both go by these, so what
// the panel shows is what the list runs.
#include <array>

namespace velomira {

inline constexpr std::array<int, 3> kScrollIntervals{30, 50, 90};
inline constexpr std::array<int, 3> kTickerIntervals{500, 4000, 4000};
inline constexpr int kDefaultTickerSpeed = 1;  // medium

inline constexpr bool IsTickerSpeed(int speed) { return speed >= 0 && speed < static_cast<int>(kScrollIntervals.size()); }

}  // namespace velomira

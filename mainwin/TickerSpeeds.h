#pragma once
// The three ticker speeds (TickerSpeed 0 fast, 1 medium, 2 slow): the intervals in ms
// of the main list's scrolling timer and ticker timer.
#include <array>

namespace velomira {

inline constexpr std::array<int, 3> kScrollIntervals{30, 50, 90};
inline constexpr std::array<int, 3> kTickerIntervals{500, 4000, 4000};

}  // namespace velomira

#pragma once
// When the ticker mixes banners and new programs into the main list. Counts are the
// number of program lines turned into items so far in this pass (1 after the first).
#include <string>

namespace velomira {

inline constexpr int MyListCategory = 10;  // the member's own list beside categories 1-9

// A rotating banner follows line 5 and every line c with (c + 5) a multiple of
// bannerSteps; a bannerSteps of 0 or less from the service adds only the one after line 5.
bool BannerFollowsLine(int lineCount, int bannerSteps);

// News, Money and Sports (tags 1-3) get new programs after every newCheckSteps-th line;
// a newCheckSteps of 0 or less means never.
bool NewProgramsFollowLine(int lineCount, int newCheckSteps, int category);

// "n", "m", "s" for tags 1-3, empty for every other list.
std::string NewProgramCode(int category);

}  // namespace velomira

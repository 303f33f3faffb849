#pragma once
// Which picture a banner item of the main list shows, where it links to and the
// usage-log line its click adds.
#include <string>
#include <vector>

#include "MainListCycle.h"
#include "core/ClientState.h"
#include "core/dFunc.h"

namespace velomira {

struct BannerChoice {
  bool Found = false;  // false: nothing to lay out
  std::string File;    // in BannerDir
  std::string Link;
  std::string Hint;    // also the usage-log line
  UsageLines Kind = UsageLines::TargetBanner;
};

// keyword: a program's own banner keyword, or empty for the rotating banner of the list
// (category 1-9 or 10 for My list, subIndex 0 or the sub-category number). Advances the
// rotation position of the list used.
BannerChoice ChooseBanner(const std::string& keyword, int category, int subIndex,
                          const std::vector<BannerRecord>& banners,
                          const CategoryBannerTable& lists, BannerRotation& rotation,
                          const std::string& stamp);

// The picture name up to its first ".".
std::string BannerBaseName(const std::string& file);

}  // namespace velomira

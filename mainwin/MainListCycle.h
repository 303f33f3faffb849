#pragma once
// Program-wide state of the main list that outlives a list selection: the reload pass
// counter, the new-programs cycle and the rotation positions of the category banners.
#include <array>
#include <string>
#include <vector>

#include "core/ClientState.h"

namespace velomira {

struct BannerRotation {
  // One position per list of Banners.ByCategory: [entry] for the whole category or
  // My list, [entry][sub - 1] for a sub-category.
  std::array<int, BannerEntryCount> CategoryPositions{};
  std::array<std::vector<int>, BannerEntryCount> SubCategoryPositions;

  int& Position(int entry, int subIndex);
};

struct MainListCycle {
  int ListCycle = 1;
  int NewProgramIndex = 0;
  std::string NewProgramReply;
  BannerRotation BannerPositions;
};

MainListCycle& ListCycleState();
void ResetListCycleState();  // tests

}  // namespace velomira

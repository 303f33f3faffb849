#include "MainListCycle.h"

namespace velomira {

int& BannerRotation::Position(int entry, int subIndex) {
  if (subIndex <= 0) return CategoryPositions.at(static_cast<std::size_t>(entry));
  auto& subs = SubCategoryPositions.at(static_cast<std::size_t>(entry));
  if (subs.size() < static_cast<std::size_t>(subIndex)) subs.resize(static_cast<std::size_t>(subIndex), 0);
  return subs[static_cast<std::size_t>(subIndex - 1)];
}

namespace {
MainListCycle g_cycle;
}

MainListCycle& ListCycleState() { return g_cycle; }

void ResetListCycleState() { g_cycle = MainListCycle{}; }

}  // namespace velomira

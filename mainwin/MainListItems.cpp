#include "MainListItems.h"

#include <algorithm>

namespace velomira {

TVelomiraItem& TVelomiraMainList::AddNew() {
  items_.push_back(std::make_unique<TVelomiraItem>());
  return *items_.back();
}

TVelomiraItem& TVelomiraMainList::Get(int index) { return *items_.at(static_cast<std::size_t>(index)); }

const TVelomiraItem& TVelomiraMainList::Get(int index) const {
  return *items_.at(static_cast<std::size_t>(index));
}

void TVelomiraMainList::Delete(int index) {
  if (index < 0 || index >= Count()) return;
  items_.erase(items_.begin() + index);
}

void TVelomiraMainList::DropFront(int count) {
  if (count <= 0) return;
  items_.erase(items_.begin(), items_.begin() + std::min(count, Count()));
}

void TVelomiraMainList::Clear() { items_.clear(); }

}  // namespace velomira

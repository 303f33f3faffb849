#pragma once
// The items of the main window's scrolling list: one per program line, banner or
// new-programs reply, in the order the ticker produced them.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace velomira {

struct TVelomiraItem {
  std::string Text;  // whole program line (fields split by 0x01) or a banner keyword
  bool IsBanner = false;
  std::int32_t Top = 0;  // where the item's first row went in PnlInfo
};

// Owns its items; removing an item frees it.
class TVelomiraMainList {
 public:
  TVelomiraItem& AddNew();
  TVelomiraItem& Get(int index);
  const TVelomiraItem& Get(int index) const;
  void Delete(int index);
  // Frees the first count items; the others move to the front.
  void DropFront(int count);
  void Clear();
  int Count() const { return static_cast<int>(items_.size()); }

 private:
  std::vector<std::unique_ptr<TVelomiraItem>> items_;
};

}  // namespace velomira

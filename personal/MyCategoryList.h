#pragma once
// The member's own sub-categories as the my-categories editor shows and changes them.
// The service numbers the categories its own way (News 1, Music 2, ...); the editor
// finds the sub-category names through the category's place in CategoryTable.
#include <string>
#include <vector>

#include "core/ClientState.h"

namespace velomira {

struct MyCategoryEntry {
  std::string ServiceCode;     // the record's first character, a digit 1-9
  std::string SubCategoryCode;
};

// A MydbzerList reply as entries, in reply order; nothing for an empty body.
std::vector<MyCategoryEntry> ParseMyCategories(const std::string& reply);

// CategoryTable position (1-9) of a service code, 0 for none; and the reverse.
int CategoryPosition(int serviceCode);
int ServiceCodeAt(int position);

// What a row shows: the category's name and the sub-category's name (empty when the
// lookup lists do not know it).
std::string CategoryLabel(const MyCategoryEntry& entry);
std::string SubCategoryName(const MyCategoryEntry& entry, const CategoryTextLists& codes,
                            const CategoryTextLists& names);

// The rows are kMyListRowHeight pixels high, seen through kMyListViewHeight pixels.
inline constexpr int kMyListRowHeight = 17;
inline constexpr int kMyListViewHeight = 174;
// The row panel's height for count rows, and the scroll bar's maximum: the last row just
// in view, 0 when all rows fit.
int MyListHeight(int count);
int MyListScrollMaximum(int count);

// "code:sub," of each checked entry, in order; empty when none is checked.
std::string DeleteCates(const std::vector<MyCategoryEntry>& entries, const std::vector<bool>& checked);
// "code:sub," of each checked sub-category code; "code:*" when none is checked.
std::string AddCates(int serviceCode, const std::vector<int>& checkedCodes);

}  // namespace velomira

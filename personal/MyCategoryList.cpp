#include "MyCategoryList.h"

#include <algorithm>
#include <string_view>

#include "core/AsciiText.h"
#include "core/dFunc.h"

namespace velomira {

std::vector<MyCategoryEntry> ParseMyCategories(const std::string& reply) {
  std::vector<MyCategoryEntry> entries;
  const std::string_view body = ReplyBody(reply);
  if (body.empty()) return entries;
  std::vector<std::string> records, fields;
  SplitText(body, std::string_view(&RecordSeparator, 1), records);
  for (const std::string& record : records) {
    SplitText(record, std::string_view(&FieldSeparator, 1), fields);
    const std::string code(TrimBlanks(RecordField(fields, 0)));
    entries.push_back({code.substr(0, 1), std::string(TrimBlanks(RecordField(fields, 1)))});
  }
  return entries;
}

int CategoryPosition(int serviceCode) {
  for (std::size_t i = 0; i < CategoryTable.size(); ++i) {
    if (CategoryTable[i].ServiceCode == serviceCode) return static_cast<int>(i) + 1;
  }
  return 0;
}

int ServiceCodeAt(int position) {
  if (position < 1 || position > CategoryCount) return 0;
  return CategoryTable[static_cast<std::size_t>(position - 1)].ServiceCode;
}

namespace {

int EntryPosition(const MyCategoryEntry& entry) {
  if (entry.ServiceCode.size() != 1 || entry.ServiceCode[0] < '1' || entry.ServiceCode[0] > '9') return 0;
  return CategoryPosition(entry.ServiceCode[0] - '0');
}

}  // namespace

std::string CategoryLabel(const MyCategoryEntry& entry) {
  const int position = EntryPosition(entry);
  return position ? CategoryTable[static_cast<std::size_t>(position - 1)].DisplayName : "";
}

std::string SubCategoryName(const MyCategoryEntry& entry, const CategoryTextLists& codes,
                            const CategoryTextLists& names) {
  const int position = EntryPosition(entry);
  if (position == 0) return {};
  const TextList& codeList = codes[static_cast<std::size_t>(position - 1)];
  const TextList& nameList = names[static_cast<std::size_t>(position - 1)];
  for (std::size_t i = 0; i < codeList.size() && i < nameList.size(); ++i) {
    if (TrimBlanks(codeList[i]) == entry.SubCategoryCode) return nameList[i];
  }
  return {};
}

int MyListHeight(int count) { return kMyListRowHeight * count; }

int MyListScrollMaximum(int count) { return std::max(0, MyListHeight(count) - kMyListViewHeight); }

std::string DeleteCates(const std::vector<MyCategoryEntry>& entries, const std::vector<bool>& checked) {
  std::string cates;
  for (std::size_t i = 0; i < entries.size() && i < checked.size(); ++i) {
    if (checked[i]) cates += entries[i].ServiceCode + ":" + entries[i].SubCategoryCode + ",";
  }
  return cates;
}

std::string AddCates(int serviceCode, const std::vector<int>& checkedCodes) {
  const std::string code = std::to_string(serviceCode);
  if (checkedCodes.empty()) return code + ":*";
  std::string cates;
  for (int sub : checkedCodes) cates += code + ":" + std::to_string(sub) + ",";
  return cates;
}

}  // namespace velomira

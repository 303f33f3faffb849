// The per-category lists read from the lookup files, and the category choice lists.
#include "dFunc.h"

namespace velomira {

// The create flag of the original mattered only for allocating the lists; here each
// call publishes whole new lists, so a reader never sees them half filled.
void ReadCategoryDatFiles(bool /*create*/) {
  try {
    SubCategoryLists lists;
    for (int i = 0; i < CategoryCount; ++i) {
      const TextList lines = ReadLookupFile(State().DataDir + CategoryTable[i].Word + ".Dat");
      for (std::size_t line = 0; line < lines.size(); ++line) {
        (line % 2 == 0 ? lists.Codes[i] : lists.Names[i]).push_back(lines[line]);
      }
    }
    State().SubCategories.Set(std::move(lists));
  } catch (...) {
    // Out of memory: the old lists stay.
  }
}

void ReadCategoryUrlFiles(bool /*create*/) {
  try {
    CategoryTextLists urls;
    for (int i = 0; i < CategoryCount; ++i) {
      urls[i] = ReadLookupFile(State().DataDir + CategoryTable[i].Word + "Url.Dat");
    }
    State().CategoryUrlLists.Set(std::move(urls));
  } catch (...) {
    // Out of memory: the old lists stay.
  }
}

void BuildCategoryChoiceLists() {
  ClientState& state = State();
  state.AllCategoriesChoices = {"All Categories"};
  state.SelectCategoryChoices = {"Select Category"};
  for (const CategoryInfo& category : CategoryTable) {
    state.AllCategoriesChoices.emplace_back(category.DisplayName);
    state.SelectCategoryChoices.emplace_back(category.DisplayName);
  }
}

}  // namespace velomira

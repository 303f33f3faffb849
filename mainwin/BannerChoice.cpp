#include "BannerChoice.h"

namespace velomira {

std::string BannerBaseName(const std::string& file) { return file.substr(0, file.find('.')); }

namespace {

const TextList* RotationList(const CategoryBannerTable& lists, int category, int subIndex) {
  if (category < 1 || category > BannerEntryCount) return nullptr;
  const CategoryBanners& entry = lists[static_cast<std::size_t>(category - 1)];
  if (subIndex <= 0) return &entry.Category;
  if (static_cast<std::size_t>(subIndex) > entry.SubCategories.size()) return nullptr;
  return &entry.SubCategories[static_cast<std::size_t>(subIndex - 1)];
}

BannerChoice ProgramBanner(const std::string& keyword, const std::vector<BannerRecord>& banners,
                           const std::string& stamp) {
  BannerChoice choice;
  choice.Found = true;
  choice.File = keyword;
  for (const BannerRecord& record : banners) {
    if (record.Picture.find(keyword) != std::string::npos) {
      choice.Link = record.Link;
      break;
    }
  }
  choice.Hint = "trgt_bnnr,," + BannerBaseName(keyword) + "," + stamp;
  choice.Kind = UsageLines::TargetBanner;
  return choice;
}

}  // namespace

BannerChoice ChooseBanner(const std::string& keyword, int category, int subIndex,
                          const std::vector<BannerRecord>& banners,
                          const CategoryBannerTable& lists, BannerRotation& rotation,
                          const std::string& stamp) {
  if (!keyword.empty()) return ProgramBanner(keyword, banners, stamp);

  BannerChoice choice;
  const TextList* list = RotationList(lists, category, subIndex);
  if (list == nullptr || list->empty()) return choice;

  int& position = rotation.Position(category - 1, subIndex);
  // The refresh may have replaced the list with a shorter one since the last turn.
  if (position < 0 || static_cast<std::size_t>(position) >= list->size()) position = 0;
  const std::string& wanted = (*list)[static_cast<std::size_t>(position)];
  // The search starts at the record with the list's position, as the rotation always did.
  for (std::size_t r = static_cast<std::size_t>(position); r < banners.size(); ++r) {
    if (banners[r].Picture.find(wanted) != std::string::npos) {
      choice.Found = true;
      choice.File = banners[r].Picture;
      choice.Link = banners[r].Link;
      break;
    }
  }
  const std::string name = BannerBaseName(choice.File);
  if (subIndex <= 0) {
    choice.Hint = "top_ctgr_bnnr," + std::to_string(category) + "," + name + "," + stamp;
    choice.Kind = UsageLines::TopCategoryBanner;
  } else {
    choice.Hint = "sub_ctgr_bnnr," + std::to_string(category) + "," + std::to_string(subIndex) +
                  "," + name + "," + stamp;
    choice.Kind = UsageLines::SubCategoryBanner;
  }
  ++position;
  if (static_cast<std::size_t>(position) >= list->size()) position = 0;
  return choice;
}

}  // namespace velomira

// Station icons, station banners and banners: the lists and the missing pictures.
#include <algorithm>
#include <cstdlib>

#include "RefreshData.h"
#include "RefreshSteps.h"

namespace velomira::refresh {

namespace {

constexpr const char* BannerMarks[BannerEntryCount] = {"1", "2", "3", "4", "5",
                                                       "6", "7", "8", "9", "m"};

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// Files the banner under every category and sub-category its marks name.
void AddToBannerLists(const BannerRecord& banner, const CategoryTextLists& codes,
                      CategoryBannerTable& lists) {
  for (int entry = 0; entry < BannerEntryCount; ++entry)
    if (Contains(banner.CategoryMarks, BannerMarks[entry]))
      lists[entry].Category.push_back(banner.Picture);
  for (int k = 1; k <= CategoryCount; ++k) {
    std::vector<TextList>& subLists = lists[k - 1].SubCategories;
    for (const std::string& code : codes[k - 1]) {
      if (!Contains(banner.SubCategoryMarks, std::to_string(k) + ":" + code)) continue;
      // Codes count from 1; a code outside the category's list is ignored.
      const int number = std::atoi(code.c_str());
      if (number >= 1 && static_cast<std::size_t>(number) <= subLists.size())
        subLists[number - 1].push_back(banner.Picture);
    }
  }
}

}  // namespace

void RefreshStationIcons(const std::stop_token& stop) {
  const std::string reply = HttpGetStream(DataServletUrl("a_icon"));
  if (IsBlankReply(reply)) return;
  TextList names;
  SplitText(reply, std::string_view(&FieldSeparator, 1), names);
  for (const std::string& name : names) {
    if (stop.stop_requested()) return;
    if (IsSafePictureName(name)) FetchMissingPicture(State().BasicDir, "icon/", name);
  }
}

void RefreshStationBanners(const std::stop_token& stop) {
  const std::string reply = HttpGetStream(DataServletUrl("a_SttnBnnr"));
  if (IsBlankReply(reply)) return;
  ClientState& state = State();
  std::vector<StationBannerRecord> table;
  for (const TextList& fields : SplitRecords(reply)) {
    if (stop.stop_requested()) return;
    const std::string& picture = RecordField(fields, 0);
    if (!IsSafePictureName(picture)) continue;
    FetchMissingPicture(state.StationBannerDir, "banner/sttn/", picture);
    table.push_back({picture, RecordField(fields, 1), RecordField(fields, 2)});
  }
  state.StationBannerTable.Set(std::move(table));
}

void RefreshBanners(const std::stop_token& stop) {
  const std::string reply = HttpGetStream(DataServletUrl("bannerList"));
  if (IsBlankReply(reply)) return;
  ClientState& state = State();
  const auto subCategories = state.SubCategories.Get();
  BannerLists banners{{}, state.Banners.Get()->ByCategory};
  for (int i = 0; i < CategoryCount; ++i)
    if (banners.ByCategory[i].SubCategories.size() < subCategories->Codes[i].size())
      banners.ByCategory[i].SubCategories.resize(subCategories->Codes[i].size());

  for (const TextList& fields : SplitRecords(reply)) {
    if (stop.stop_requested()) return;
    BannerRecord banner{RecordField(fields, 0), RecordField(fields, 1), RecordField(fields, 2),
                        RecordField(fields, 3), RecordField(fields, 4)};
    if (!IsSafePictureName(banner.Picture)) continue;
    FetchMissingPicture(state.BannerDir, "banner/", banner.Picture);
    AddToBannerLists(banner, subCategories->Codes, banners.ByCategory);
    banners.Table.push_back(std::move(banner));
  }
  state.Banners.Set(std::move(banners));
}

}  // namespace velomira::refresh

// The shared profile lists and the panel's rules without widgets: which zone item an
// offset selects, the indented labels, the lists' lengths and spellings, the checks.
#include <gtest/gtest.h>

#include "account/PreferenceForm.h"
#include "account/ProfileLists.h"

namespace velomira::test {
namespace {

TEST(ProfileLists, ListsHoldTheirItemsAsListed) {
  EXPECT_EQ(TimeZoneItems().size(), 53u);
  EXPECT_EQ(States().size(), 62u);
  EXPECT_EQ(Countries().size(), 238u);
  EXPECT_EQ(States()[1], "OTHERS INCLUDING CANADA");
  EXPECT_EQ(States()[8], "CALIFORNIA");
  EXPECT_EQ(States()[59], "WEST VIRGINIA");
  EXPECT_EQ(Countries()[233], "Zimbabwe");
  EXPECT_EQ(Countries()[237], "Jamaica");
  EXPECT_EQ(Countries()[230], "Yugoslavia Former)");
}

TEST(ProfileLists, EveryOffsetSelectsTheFirstItemOfItsZone) {
  const std::vector<std::pair<int, std::size_t>> table{
      {0, 21},     {100, 23},   {200, 27},   {300, 32},   {330, 34},  {400, 35},  {430, 36},  {500, 37},
      {530, 38},   {600, 39},   {700, 40},   {800, 41},   {900, 43},  {930, 44},  {1000, 46}, {1100, 50},
      {1200, 51},  {-1200, 1},  {-1100, 2},  {-1000, 3},  {-900, 4},  {-800, 5},  {-700, 6},  {-600, 8},
      {-500, 11},  {-400, 14},  {-330, 16},  {-300, 17},  {-200, 19}, {-100, 20}, {545, 0},   {-1300, 0}};
  for (const auto& [offset, item] : table) EXPECT_EQ(ZoneItemForOffset(offset), item) << offset;
}

TEST(ProfileLists, ZonesSharingAnOffsetShowOnlyTheirPlacesIndented) {
  EXPECT_EQ(PreferenceZoneLabel(11), "(GMT -05:00) Bogota, Lima");
  EXPECT_EQ(PreferenceZoneLabel(12), "            Eastern Time (US & Canada)");
  EXPECT_EQ(PreferenceZoneLabel(22), "            Monrovia, Casablanca");
  EXPECT_EQ(PreferenceZoneLabel(34), "(GMT +03:30) Tehran");
  EXPECT_EQ(PreferenceZoneLabel(0), "select");
}

TEST(ProfileLists, CountriesMatchWithoutRegardToCase) {
  EXPECT_EQ(FindItemIgnoringCase(Countries(), "UNITED STATES"), 1);
  EXPECT_EQ(FindItemIgnoringCase(Countries(), "Ontario"), -1);
}

TEST(ProfileLists, AgeItemsSendTheirCodesAndAnythingElseNone) {
  const std::vector<std::pair<int, std::string>> table{
      {-1, "00"}, {0, "00"}, {1, "13"}, {2, "18"}, {3, "25"}, {4, "35"}, {5, "50"}, {6, "00"}};
  for (const auto& [item, code] : table) EXPECT_EQ(AgeCode(item), code) << item;
}

PreferencePages FilledPages() {
  PreferencePages pages;
  pages.ZoneItem = 11;
  pages.Id = "member7";
  pages.Password = pages.Confirm = "secret";
  pages.FirstName = "Kim";
  pages.Email = "kim@example.org";
  pages.CountryItem = 1;
  pages.AgeItem = 2;
  return pages;
}

TEST(PreferenceCheck, FirstFailingCheckNamesItsMessageAndPage) {
  struct Case {
    const char* what;
    void (*change)(PreferencePages&);
    const char* message;  // empty: the check passes
    int page;
    bool clearsEmail;
  };
  const std::vector<Case> cases{
      {"complete", [](PreferencePages&) {}, "", 0, false},
      {"no zone", [](PreferencePages& p) { p.ZoneItem = 0; }, "Please elect a time zone.", 1, false},
      {"no password", [](PreferencePages& p) { p.Password.clear(); }, "Please enter your password.", 2, false},
      {"no confirmation", [](PreferencePages& p) { p.Confirm.clear(); },
       "Please re-type your password to confirm.", 2, false},
      // The password and e-mail shapes are the shared rules' table (ProfileRulesTest);
      // here only where each failure stops and what it empties.
      {"mismatch", [](PreferencePages& p) { p.Confirm = "secreT2"; }, "The two passwords do not match.", 2, false},
      {"no first name", [](PreferencePages& p) { p.FirstName.clear(); }, "Please enter your first name.", 3, false},
      {"no e-mail", [](PreferencePages& p) { p.Email = "kim"; }, "Please enter your e-mail address.", 3, true},
      {"dot before at", [](PreferencePages& p) { p.Email = "k.m@example"; },
       "The e-mail address is not in the correct format. Please try again.", 3, true},
      {"no country", [](PreferencePages& p) { p.CountryItem = 0; }, "Please select a country.", 3, false},
      {"country not in list", [](PreferencePages& p) { p.CountryItem = -1; }, "Please select a country.", 3, false},
      {"no age", [](PreferencePages& p) { p.AgeItem = 0; }, "Please select a age.", 3, false},
  };
  for (const Case& c : cases) {
    PreferencePages pages = FilledPages();
    c.change(pages);
    const auto failure = CheckPreferences(pages);
    if (std::string(c.message).empty()) {
      EXPECT_FALSE(failure) << c.what;
      continue;
    }
    ASSERT_TRUE(failure) << c.what;
    EXPECT_EQ(failure->Message, c.message) << c.what;
    EXPECT_EQ(failure->Page, c.page) << c.what;
    EXPECT_EQ(failure->ClearEmail, c.clearsEmail) << c.what;
  }
}

TEST(PreferenceRecord, AnUnreadableRecordFillsNothing) {
  for (const std::string& reply : {std::string(), std::string(32, ' '),
                                  std::string("100") + std::string(29, ' ') + "\x01" + "abc" + "\x01"}) {
    PreferencePages pages = FilledPages();
    EXPECT_FALSE(FillFromMemberRecord(reply, pages));
    EXPECT_EQ(pages.FirstName, "Kim");
  }
}

TEST(PreferenceRecord, TheStateGoesAsShownAndAnUnlistedCountryEmpty) {
  PreferencePages pages = FilledPages();
  pages.StateName = "Ontario";
  pages.CountryItem = -1;
  const MemberProfile profile = ProfileFromPages(pages);
  EXPECT_EQ(profile.StateName, "Ontario");
  EXPECT_EQ(profile.Country, "");
  EXPECT_EQ(profile.Gmt, "-0500");
  pages.ZoneItem = 0;
  EXPECT_EQ(ProfileFromPages(pages).Gmt, "99999");
}

}  // namespace
}  // namespace velomira::test

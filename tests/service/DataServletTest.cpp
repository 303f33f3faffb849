// The refresh thread's data servlets: bare replies in the layouts it reads.
#include <cctype>

#include "ServiceFixture.h"

namespace velomira::service::test {
namespace {

class DataServletTest : public ServiceTest {};

bool AllDigits(const std::string& text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); });
}

TEST_F(DataServletTest, LookupListsAreBareCodeNameRecords) {
  // GET as the refresh thread sends it.
  const Reply sub = Get("/servlet/servlet.a_SubCtgr");
  ASSERT_EQ(sub.status, 200);
  const auto categories = sub.records(true);
  ASSERT_EQ(categories.size(), 9u);
  EXPECT_EQ(categories[0][0], "1");  // codes count from 1, no header in front
  EXPECT_EQ(categories[0][1], "World");
  EXPECT_EQ(categories[3][1], "Pop & Rock");  // the fourth category is Music
  for (const auto& record : categories) EXPECT_EQ(record.size() % 2, 0u);

  for (const char* name : {"a_SttnCtgr", "a_State"}) {
    const auto records = Get(std::string("/servlet/servlet.") + name).records(true);
    ASSERT_GE(records.size(), 5u) << name;
    for (const auto& record : records) EXPECT_EQ(record.size(), 2u) << name;
  }
  const auto topics = Get("/servlet/servlet.a_911").records(true);
  ASSERT_EQ(topics.size(), 6u);
  EXPECT_EQ(topics[0][0], "http://" + Site() + "/web/help/topic1.htm");
  EXPECT_EQ(Get("/web/help/topic1.htm").status, 200);
}

TEST_F(DataServletTest, TuningValuesAndPictureLists) {
  const auto values = Split(Get("/servlet/servlet.a_var").body, '\x01');
  ASSERT_EQ(values.size(), 6u);
  for (const auto& value : values) EXPECT_TRUE(AllDigits(value)) << value;

  const auto icons = Split(Get("/servlet/servlet.a_icon").body, '\x01');
  ASSERT_EQ(icons.size(), 40u);
  EXPECT_EQ(icons[0], "icon01.gif");
  EXPECT_EQ(icons[39], "icon40.gif");

  // Seven, so that the channel window's grid shows rows of three, three and one.
  const auto stationBanners = Get("/servlet/servlet.a_SttnBnnr").records(true);
  ASSERT_EQ(stationBanners.size(), 7u);
  EXPECT_EQ(stationBanners[0][0], "sttn01.gif");
  EXPECT_EQ(stationBanners[0][2], "1");

  const auto banners = Get("/servlet/servlet.bannerList").records(true);
  ASSERT_EQ(banners.size(), 30u);
  std::string letters;
  for (const auto& banner : banners) {
    ASSERT_EQ(banner.size(), 5u);
    letters += banner[1];
    EXPECT_EQ(banner[4].rfind("http://" + Site() + "/web/promo/", 0), 0u);
  }
  for (char letter : std::string("pdsea")) EXPECT_NE(letters.find(letter), std::string::npos);
  EXPECT_EQ(banners[5][2], "1");
  EXPECT_EQ(banners[5][3], "1:1,1:2");
  EXPECT_EQ(Get("/web/promo/banner06.htm").status, 200);
}

TEST_F(DataServletTest, FrontUrlsLeadToCategoryLists) {
  const Reply reply = Get("/servlet/servlet.a_front_url");
  ASSERT_EQ(reply.status, 200);
  const auto sections = Split(reply.body, '\n');
  // Nine sections of CR LF lines, each ended by an empty line but the last.
  std::vector<std::vector<std::string>> categories(1);
  for (auto line : sections) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) {
      categories.emplace_back();
    } else {
      categories.back().push_back(line);
    }
  }
  while (!categories.empty() && categories.back().empty()) categories.pop_back();
  ASSERT_EQ(categories.size(), 9u);
  EXPECT_EQ(categories[3].size(), 1u + 6u);  // Music: the whole category, then six sub-categories
  const std::string& music = categories[3][0];
  EXPECT_EQ(music.rfind(Site() + "/servlet/servlet.GetProgramList?", 0), 0u);  // no scheme

  const auto records = Post(music.substr(music.find('/'))).records();
  ASSERT_FALSE(records.empty());
  const auto jazz = Post(categories[3][2].substr(categories[3][2].find('/'))).records();
  ASSERT_FALSE(jazz.empty());
  for (const auto& record : jazz) {
    ASSERT_EQ(record.size(), 19u);
    EXPECT_EQ(record[17], "1");
  }
}

}  // namespace
}  // namespace velomira::service::test

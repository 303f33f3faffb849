// The sample guide reaches every view of the channel, daily and search
// windows, and their lists page as the windows page them.
#include <algorithm>
#include <cctype>
#include <ctime>
#include <fstream>
#include <map>
#include <set>

#include "ServiceFixture.h"

namespace velomira::service::test {
namespace {


std::int64_t Now() { return static_cast<std::int64_t>(std::time(nullptr)); }

bool Digits(const std::string& text, std::size_t length) {
  return text.size() == length &&
         std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); });
}

// "yyyymmddhhnn" (service time is UTC) shifted by gmt hours, as a day number.
std::int64_t LocalDay(const std::string& text, int gmt) {
  std::tm parts{};
  parts.tm_year = std::stoi(text.substr(0, 4)) - 1900;
  parts.tm_mon = std::stoi(text.substr(4, 2)) - 1;
  parts.tm_mday = std::stoi(text.substr(6, 2));
  parts.tm_hour = std::stoi(text.substr(8, 2));
  parts.tm_min = std::stoi(text.substr(10, 2));
  return (timegm(&parts) + gmt * 3600) / 86400;
}

using Records = std::vector<std::vector<std::string>>;

class GuideViewsTest : public ServiceTest {
protected:
  // Every page of a paged request; pageField is where the records carry the
  // current page (the total follows it).
  static std::vector<Records> AllPages(const std::string& query, std::size_t pageField) {
    std::vector<Records> pages;
    const Reply first = Servlet(query);
    EXPECT_EQ(first.code(), "100") << query;
    pages.push_back(first.records());
    if (pages[0].empty() || pages[0].back().size() <= pageField + 1) return pages;
    const int total = std::stoi(pages[0].back()[pageField + 1]);
    for (int page = 2; page <= total; ++page) {
      pages.push_back(Servlet(query + "&cur_page=" + std::to_string(page)).records());
    }
    return pages;
  }

  // A station's program list opens on the station it was asked for.
  static void ExpectStationOpens(const std::string& id, const std::string& name) {
    const Reply reply = Servlet("GetProgramList?mode=channel&channel_id=" + id);
    ASSERT_EQ(reply.code(), "100") << id;
    const auto records = reply.records();
    ASSERT_GT(records.size(), 1u) << id;
    ASSERT_EQ(records[0].size(), 19u) << id;
    EXPECT_EQ(records[0][0], id);
    EXPECT_EQ(records[0][5], name);
  }

  // Station ID -> the lookup code that finds it (each station under one code).
  static std::map<std::string, std::string> CodeOfStations(const char* lookup, const std::string& query) {
    const auto codes = Get(std::string("/servlet/servlet.") + lookup).records(true);
    EXPECT_FALSE(codes.empty()) << lookup;
    std::map<std::string, std::string> codeOf;
    for (const auto& code : codes) {
      std::size_t found = 0;
      for (const auto& page : AllPages(query + code[0], 4)) {
        for (const auto& station : page) {
          ++found;
          EXPECT_TRUE(codeOf.emplace(station[0], code[0]).second) << station[0] << " under two codes";
        }
      }
      EXPECT_GT(found, 0u) << lookup << " " << code[0];
    }
    return codeOf;
  }
};

TEST_F(GuideViewsTest, EveryStationNamedToTheMemberOpensItsPrograms) {
  LoginAs();
  // The banner grid, the demo member's channels and found stations name a
  // station by its ID; each must open that station.
  const auto banners = Get("/servlet/servlet.a_SttnBnnr").records(true);
  ASSERT_EQ(banners.size(), 7u);
  std::set<std::string> pictures;
  for (const auto& banner : banners) {
    ASSERT_EQ(banner.size(), 3u);
    EXPECT_TRUE(pictures.insert(banner[0]).second) << banner[0];
    ExpectStationOpens(banner[2], banner[1]);
  }

  const auto mine = Servlet("ChannelMyList?usr_id=demo").records();
  ASSERT_FALSE(mine.empty());
  std::size_t withBanner = 0;
  for (const auto& channel : mine) {
    ASSERT_EQ(channel.size(), 2u);
    ExpectStationOpens(channel[0], channel[1]);
    for (const auto& banner : banners) withBanner += banner[2] == channel[0];
  }
  // A banner of an own channel and one of another station: both grid clicks happen.
  EXPECT_GT(withBanner, 0u);
  EXPECT_LT(withBanner, banners.size());

  for (const auto& station : Servlet("ChannelSearchList?cate1=all&keywd=radio&loc=all").records()) {
    ExpectStationOpens(station[0], station[1]);
  }
}

TEST_F(GuideViewsTest, DemoMemberAddsAChannelAfterItsOwnAndDeletesIt) {
  LoginAs();
  const auto before = Servlet("ChannelMyList?usr_id=demo").records();
  ASSERT_FALSE(before.empty());
  for (const auto& channel : before) ASSERT_NE(channel[0], "6");

  const std::string added = Servlet("ChannelEdit?usr_id=demo&mode=add&sttn_id=6").code();
  EXPECT_EQ(added[0], '1') << added;
  const auto with = Servlet("ChannelMyList?usr_id=demo").records();
  ASSERT_EQ(with.size(), before.size() + 1);
  EXPECT_EQ(with.back()[0], "6");  // the list keeps the order channels were added in
  EXPECT_EQ(with.back()[1], "Market Pulse TV");

  const std::string deleted = Servlet("ChannelEdit?usr_id=demo&mode=del&sttn_id=6").code();
  EXPECT_EQ(deleted[0], '1') << deleted;
  EXPECT_EQ(Servlet("ChannelMyList?usr_id=demo").records(), before);
}

TEST_F(GuideViewsTest, StationBannerPicturesAreServedFromTheirFolder) {
  const auto banners = Get("/servlet/servlet.a_SttnBnnr").records(true);
  ASSERT_FALSE(banners.empty());
  const std::string picture = banners.back()[0];
  std::filesystem::create_directories(assetDir_ / "img" / "banner" / "sttn");
  std::ofstream(assetDir_ / "img" / "banner" / "sttn" / picture, std::ios::binary) << "GIF89a-station";
  EXPECT_EQ(Get("/down/img/banner/sttn/" + picture).body, "GIF89a-station");
  EXPECT_EQ(Get("/down/img/banner/" + picture).status, 404);  // not among the plain banners
}

TEST_F(GuideViewsTest, StationSearchForACommonWordPagesAndClamps) {
  // Every sample station describes itself as "live on the internet".
  for (const char* keyword : {"live", "LIVE", "on+the+internet"}) {
    SCOPED_TRACE(keyword);  // the client sends a blank as "+"
    const std::string query = std::string("ChannelSearchList?cate1=all&keywd=") + keyword + "&loc=all";
    const auto pages = AllPages(query, 4);
    ASSERT_GE(pages.size(), 2u);
    std::set<std::string> ids;
    for (std::size_t page = 0; page < pages.size(); ++page) {
      ASSERT_FALSE(pages[page].empty());
      for (const auto& station : pages[page]) {
        ASSERT_EQ(station.size(), 6u);
        EXPECT_EQ(station[4], std::to_string(page + 1));
        EXPECT_EQ(station[5], std::to_string(pages.size()));
        EXPECT_TRUE(ids.insert(station[0]).second) << "on two pages: " << station[0];
      }
    }
    EXPECT_EQ(ids.size(), 40u);
  }

  const struct {
    const char* page;
    const char* shown;
  } clamps[] = {{"0", "1"}, {"-3", "1"}, {"2", "2"}, {"99", "2"}};
  for (const auto& clamp : clamps) {
    const auto records =
        Servlet(std::string("ChannelSearchList?cate1=all&keywd=live&loc=all&cur_page=") + clamp.page).records();
    ASSERT_FALSE(records.empty()) << clamp.page;
    EXPECT_EQ(records[0][4], clamp.shown) << clamp.page;
  }
  EXPECT_EQ(Servlet("ChannelSearchList?cate1=all&keywd=live&loc=all&cur_page=two").code(), "300");
}

TEST_F(GuideViewsTest, LookupCodesSplitTheStations) {
  // The codes of a_SttnCtgr and a_State are what the client sends as cate1
  // and loc; each finds stations, and together they find each station once.
  const auto category = CodeOfStations("a_SttnCtgr", "ChannelSearchList?keywd=live&loc=all&cate1=");
  const auto state = CodeOfStations("a_State", "ChannelSearchList?cate1=all&keywd=live&loc=");
  EXPECT_EQ(category.size(), 40u);
  EXPECT_EQ(state.size(), 40u);

  // Both filters at once find the stations that pass each.
  std::size_t both = 0;
  for (const auto& [id, code] : category) both += code == "radio" && state.at(id) == "IL";
  ASSERT_GT(both, 0u);
  const auto found = Servlet("ChannelSearchList?cate1=radio&keywd=live&loc=IL").records();
  EXPECT_EQ(found.size(), both);
  for (const auto& station : found) {
    EXPECT_EQ(category.at(station[0]), "radio");
    EXPECT_EQ(state.at(station[0]), "IL");
  }
}

TEST_F(GuideViewsTest, ChannelListPagesKeepTheStationFirst) {
  const auto pages = AllPages("GetProgramList?mode=channel&channel_id=1", 17);
  ASSERT_GE(pages.size(), 2u);
  std::set<std::string> programs;
  std::string lastStart;
  for (std::size_t page = 0; page < pages.size(); ++page) {
    SCOPED_TRACE(page + 1);
    ASSERT_GT(pages[page].size(), 1u);
    const auto& station = pages[page][0];
    ASSERT_EQ(station.size(), 19u);
    EXPECT_EQ(station[0], "1");
    EXPECT_EQ(station[5], "Velo News 24");
    EXPECT_EQ(station[6], "http://" + Site() + "/web/station/1.htm");
    EXPECT_NE(station[11].find("Velo News 24"), std::string::npos);
    EXPECT_EQ(station[17], std::to_string(page + 1));
    EXPECT_EQ(station[18], std::to_string(pages.size()));
    for (std::size_t i = 1; i < pages[page].size(); ++i) {
      const auto& program = pages[page][i];
      ASSERT_EQ(program.size(), 19u);
      EXPECT_EQ(program[7], "Velo News 24");
      EXPECT_EQ(program[17], std::to_string(page + 1));
      EXPECT_TRUE(programs.insert(program[0]).second) << "on two pages: " << program[0];
    }
  }

  const struct {
    const char* page;
    std::size_t shown;  // 0 for the last
  } clamps[] = {{"0", 1}, {"1", 1}, {"999", 0}};
  for (const auto& clamp : clamps) {
    const auto records =
        Servlet(std::string("GetProgramList?mode=channel&channel_id=1&cur_page=") + clamp.page).records();
    ASSERT_GT(records.size(), 1u) << clamp.page;
    EXPECT_EQ(records[0][17], std::to_string(clamp.shown ? clamp.shown : pages.size())) << clamp.page;
  }
}

TEST_F(GuideViewsTest, DailyListsFillEveryDayOfEveryCategory) {
  // cate1 in the daily window's order: News, Money, Sports, Music,
  // Entertainment, Lifestyle, Tech & Sci, Mars & Venus, Chat Event.
  for (int category : {1, 6, 5, 2, 3, 4, 7, 8, 9}) {
    for (int day = 1; day <= 7; ++day) {
      const std::string query = "GetProgramList?mode=daily&cate1=" + std::to_string(category) +
                                "&day=" + std::to_string(day) + "&gmt=0";
      const Reply reply = Servlet(query);
      ASSERT_EQ(reply.code(), "100") << query;
      const auto records = reply.records();
      ASSERT_FALSE(records.empty()) << query;
      ASSERT_EQ(records[0].size(), 19u) << query;
      EXPECT_GE(std::stoi(records[0][18]), 2) << query;  // the paging bar has work
    }
  }
}

TEST_F(GuideViewsTest, DailyDayIsTheMembersOwnDayOfTheComingWeek) {
  for (int gmt : {-12, -5, 0, 5, 9, 14}) {
    SCOPED_TRACE(gmt);
    const std::int64_t today = (Now() + gmt * 3600) / 86400;
    const int weekday = static_cast<int>((today + 4) % 7);  // 0 Sunday; 1 January 1970 was a Thursday
    const struct {
      int day;    // as sent, 1 Sunday .. 7 Saturday
      int ahead;  // days after the member's today
    } cases[] = {{weekday + 1, 0}, {(weekday + 1) % 7 + 1, 1}, {(weekday + 6) % 7 + 1, 6}};
    for (const auto& c : cases) {
      const std::string query = "GetProgramList?mode=daily&cate1=8&day=" + std::to_string(c.day) +
                                "&gmt=" + std::to_string(gmt);
      const auto pages = AllPages(query, 17);
      std::size_t dated = 0;
      for (const auto& page : pages) {
        ASSERT_FALSE(page.empty()) << query;
        for (const auto& program : page) {
          // "w" programs carry the time they were put in the guide, "pltm" a length.
          if (program[13].rfind('w', 0) == 0 || !Digits(program[3], 12)) continue;
          EXPECT_EQ(LocalDay(program[3], gmt), today + c.ahead) << query << " " << program[3];
          ++dated;
        }
      }
      EXPECT_GT(dated, 0u) << query;
    }
  }
}

TEST_F(GuideViewsTest, ProgramSearchPagesAndEveryTimeWindowFindsSomething) {
  const auto pages = AllPages("GetProgramList?mode=search&cate1=0&keywd=live&se_time=all", 17);
  ASSERT_GE(pages.size(), 2u);
  std::set<std::string> firstPage;
  for (const auto& program : pages[0]) firstPage.insert(program[0]);
  ASSERT_FALSE(pages[1].empty());
  for (const auto& program : pages[1]) {
    EXPECT_EQ(program[17], "2");
    EXPECT_EQ(firstPage.count(program[0]), 0u) << program[0];
  }
  const auto beyond = Servlet("GetProgramList?mode=search&cate1=0&keywd=live&se_time=all&cur_page=999").records();
  ASSERT_FALSE(beyond.empty());
  EXPECT_EQ(beyond[0][17], std::to_string(pages.size()));

  for (const char* time : {"rn", "3", "6", "9", "12", "15", "18", "21", "24"}) {
    for (const char* category : {"0", "2", "9"}) {
      const std::string query =
          std::string("GetProgramList?mode=search&cate1=") + category + "&keywd=live&se_time=" + time;
      EXPECT_FALSE(Servlet(query).records().empty()) << query;
    }
  }
}

TEST_F(GuideViewsTest, EveryRecordVariantReachesTheGuideWindows) {
  Records seen;
  for (int station = 1; station <= 40; ++station) {
    auto records = Servlet("GetProgramList?mode=channel&channel_id=" + std::to_string(station)).records();
    if (!records.empty()) seen.insert(seen.end(), records.begin() + 1, records.end());
  }
  // The regular series are the "... Weekly" programs.
  for (const auto& page : AllPages("GetProgramList?mode=search&cate1=0&keywd=weekly&se_time=all", 17)) {
    seen.insert(seen.end(), page.begin(), page.end());
  }

  std::map<std::string, int> variants;
  for (const auto& program : seen) {
    ASSERT_EQ(program.size(), 19u);
    EXPECT_TRUE(Digits(program[17], program[17].size()) && Digits(program[18], program[18].size()));
    const std::string& start = program[3];
    if (program[14].rfind('r', 0) == 0) {
      const std::string& days = program[15];
      if (days == "0") {
        ++variants["repeats every day"];
      } else {
        EXPECT_EQ(days.find_first_not_of("1234567"), std::string::npos) << days;
        if (days.size() > 1 && days.find('1') != std::string::npos && days.find('7') != std::string::npos) {
          ++variants["repeats on Sunday and Saturday"];
        } else {
          ++variants["repeats on other days"];
        }
      }
    }
    if (start.rfind("pltm", 0) == 0) {
      EXPECT_TRUE(Digits(start.substr(4), 6)) << start;
      ++variants["play time"];
    } else {
      EXPECT_TRUE(Digits(start, 12)) << start;
    }
    if (program[13].rfind('w', 0) == 0) ++variants["input time"];
    if (program[13] == "s") ++variants["no page"];
    if (program[9] != " " && !program[9].empty()) {
      EXPECT_FALSE(program[10].empty());
      ++variants["second name"];
    }
    ++variants[std::string("media ") + program[2]];
  }
  for (const char* variant : {"repeats every day", "repeats on Sunday and Saturday", "repeats on other days",
                              "play time", "input time", "no page", "second name", "media v", "media a",
                              "media c"}) {
    EXPECT_GT(variants[variant], 0) << variant;
  }
}

}  // namespace
}  // namespace velomira::service::test

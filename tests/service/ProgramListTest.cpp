// GetProgramList in all its modes, paging and presets.
#include <ctime>

#include "ServiceFixture.h"

namespace velomira::service::test {
namespace {

class ProgramListTest : public ServiceTest {};

std::int64_t Now() { return static_cast<std::int64_t>(std::time(nullptr)); }

// "yyyymmddhhnn" as UTC seconds.
std::int64_t Seconds(const std::string& text) {
  std::tm parts{};
  parts.tm_year = std::stoi(text.substr(0, 4)) - 1900;
  parts.tm_mon = std::stoi(text.substr(4, 2)) - 1;
  parts.tm_mday = std::stoi(text.substr(6, 2));
  parts.tm_hour = std::stoi(text.substr(8, 2));
  parts.tm_min = std::stoi(text.substr(10, 2));
  return timegm(&parts);
}

void ExpectProgramRecord(const std::vector<std::string>& record) {
  ASSERT_EQ(record.size(), 19u);
  EXPECT_FALSE(record[0].empty());
  EXPECT_EQ(record[1].substr(0, 4), "icon");
  EXPECT_NE(std::string("vcat").find(record[2]), std::string::npos) << record[2];
  EXPECT_TRUE(record[3].size() == 12 || record[3].rfind("pltm", 0) == 0) << record[3];
  EXPECT_EQ(record[6].rfind("http://", 0), 0u);
}

TEST_F(ProgramListTest, DailyPagesThroughADayOfACategory) {
  const Reply first = Servlet("GetProgramList?mode=daily&cate1=2&day=3&gmt=-5");
  ASSERT_EQ(first.code(), "100");
  const auto records = first.records();
  ASSERT_EQ(records.size(), 20u);  // a full page
  for (const auto& record : records) ExpectProgramRecord(record);
  EXPECT_EQ(records[0][17], "1");
  const int pages = std::stoi(records[0][18]);
  ASSERT_GE(pages, 2);

  // Every start lies on the member's next Tuesday (day 3), in the member's zone.
  for (const auto& record : records) {
    if (record[3].size() != 12 || record[13] == "w") continue;  // "w" carries its input time
    const std::time_t local = Seconds(record[3]) - 5 * 3600;
    std::tm parts{};
    gmtime_r(&local, &parts);
    EXPECT_EQ(parts.tm_wday, 2) << record[3];
  }

  const auto second = Servlet("GetProgramList?mode=daily&cate1=2&day=3&gmt=-5&cur_page=2").records();
  ASSERT_FALSE(second.empty());
  EXPECT_EQ(second[0][17], "2");
  EXPECT_NE(second[0][0], records[0][0]);
  const auto beyond = Servlet("GetProgramList?mode=daily&cate1=2&day=3&gmt=-5&cur_page=999").records();
  ASSERT_FALSE(beyond.empty());
  EXPECT_EQ(beyond[0][17], std::to_string(pages));
}

TEST_F(ProgramListTest, MalformedListRequestsGetCode300) {
  for (const char* query :
       {"mode=daily&cate1=2&day=3&gmt=-5&cur_page=abc", "mode=daily&cate1=2&day=8&gmt=0",
        "mode=daily&cate1=0&day=1&gmt=0", "mode=daily&cate1=2&day=1", "mode=unknown",
        "mode=new&cate1=x", "mode=channel&channel_id=abc", "mode=search&cate1=1&se_time=all",
        "mode=search&cate1=1&keywd=news&se_time=99", "mode=front&cate1=12"}) {
    const Reply reply = Servlet(std::string("GetProgramList?") + query);
    EXPECT_EQ(reply.status, 200) << query;
    EXPECT_EQ(reply.header(), "300" + std::string(29, ' ')) << query;
  }
}

TEST_F(ProgramListTest, OwnListIsCode212WithoutMyCategories) {
  LoginAs();
  const Reply demo = Servlet("GetProgramList?mode=my&usr_id=demo");
  EXPECT_EQ(demo.code(), "100");
  EXPECT_FALSE(demo.records().empty());
  LoginAs("listener2");
  EXPECT_EQ(Servlet("GetProgramList?mode=my&usr_id=listener2").code(), "212");
  EXPECT_EQ(Servlet("GetProgramList?mode=my&usr_id=nobody_here").code(), "243");
}

TEST_F(ProgramListTest, NewProgramsAreOneRecordOfTheCategory) {
  for (const char* letter : {"n", "m", "s"}) {
    const auto records = Servlet(std::string("GetProgramList?mode=new&cate1=") + letter).records();
    ASSERT_EQ(records.size(), 1u) << letter;
    ExpectProgramRecord(records[0]);
  }
}

TEST_F(ProgramListTest, ChannelListStartsWithTheStation) {
  const Reply reply = Servlet("GetProgramList?mode=channel&channel_id=3");
  ASSERT_EQ(reply.code(), "100");
  const auto records = reply.records();
  ASSERT_GT(records.size(), 5u);
  EXPECT_EQ(records[0][0], "3");
  EXPECT_EQ(records[0][5], "Metro Radio News");
  EXPECT_EQ(records[0][6], "http://" + Site() + "/web/station/3.htm");
  for (std::size_t i = 1; i < records.size(); ++i) {
    ExpectProgramRecord(records[i]);
    EXPECT_EQ(records[i][7], "Metro Radio News");
  }
  const auto page2 = Servlet("GetProgramList?mode=channel&channel_id=3&cur_page=2").records();
  ASSERT_GT(page2.size(), 1u);
  EXPECT_EQ(page2[0][0], "3");
  EXPECT_EQ(page2[1][17], "2");
  EXPECT_EQ(Servlet("GetProgramList?mode=channel&channel_id=999").code(), "250");
}

TEST_F(ProgramListTest, SearchFindsKeywordsAndTimeWindows) {
  // "Market Pulse" arrives as the client encodes a blank.
  const auto found = Servlet("GetProgramList?mode=search&cate1=0&keywd=Market+Pulse&se_time=all").records();
  ASSERT_FALSE(found.empty());
  for (const auto& record : found) EXPECT_EQ(record[7], "Market Pulse TV");
  EXPECT_TRUE(Servlet("GetProgramList?mode=search&cate1=5&keywd=Market+Pulse&se_time=all").records().empty());

  const std::int64_t now = Now();
  const auto onAir = Servlet("GetProgramList?mode=search&cate1=1&keywd=&se_time=rn").records();
  ASSERT_FALSE(onAir.empty());
  for (const auto& record : onAir) {
    if (record[13] == "w" || record[3].size() != 12) continue;
    EXPECT_LE(Seconds(record[3]), now + 60);
    EXPECT_GT(Seconds(record[4]) + 60, now);
  }
  EXPECT_EQ(Servlet("GetProgramList?mode=search&cate1=1&keywd=%25_&se_time=all").records().size(), 0u);
}

TEST_F(ProgramListTest, PresetAddTwiceIs211AndListsFollow) {
  LoginAs();
  const auto programs = Servlet("GetProgramList?mode=daily&cate1=7&day=1&gmt=0&cur_page=2").records();
  ASSERT_FALSE(programs.empty());
  const std::string id = programs[0][0];
  LoginAs("listener5");
  const std::string add = "PresetEdit?prgm_id=" + id + "&usr_id=listener5&mode=add&is_reg=o&regular_no=0";
  EXPECT_EQ(Servlet(add).code(), "100");
  EXPECT_EQ(Servlet(add).code(), "211");
  EXPECT_EQ(Servlet("PresetEdit?prgm_id=abc&usr_id=listener5&mode=add&is_reg=o&regular_no=0").code(), "300");
  EXPECT_EQ(Servlet("PresetEdit?prgm_id=99999999&usr_id=listener5&mode=add&is_reg=o&regular_no=0").code(), "250");

  bool listed = false;
  for (const auto& record : Servlet("New_PresetList?usr_id=listener5").records()) {
    ExpectProgramRecord(record);
    listed = listed || record[0] == id;
  }
  EXPECT_TRUE(listed);
  EXPECT_EQ(Servlet("PresetEdit?mode=del&usr_id=listener5&prgm_id=" + id + "%2C-%3A").code(), "100");
  for (const auto& record : Servlet("New_PresetList?usr_id=listener5").records()) EXPECT_NE(record[0], id);
}

TEST_F(ProgramListTest, RegularPresetStandsForTheSeries) {
  LoginAs();
  auto series = Db().prepare(
      "SELECT id, regular_no FROM programs WHERE regular_no = 7 AND end_utc > ? ORDER BY start_utc "
      "LIMIT 2");
  series.with(Now());
  std::vector<std::string> ids;
  while (series.next()) ids.push_back(series.text(0));
  ASSERT_EQ(ids.size(), 2u);
  LoginAs("listener6");
  EXPECT_EQ(Servlet("PresetEdit?prgm_id=" + ids[1] + "&usr_id=listener6&mode=add&is_reg=r&regular_no=7").code(), "100");
  EXPECT_EQ(Servlet("PresetEdit?prgm_id=" + ids[0] + "&usr_id=listener6&mode=add&is_reg=r&regular_no=7").code(), "211");
  const auto listed = Servlet("PresetList?usr_id=listener6").records();
  ASSERT_EQ(listed.size(), 2u);  // the preview and the series' next occurrence
  const auto& occurrence = listed[0][0] == ids[0] ? listed[0] : listed[1];
  EXPECT_EQ(occurrence[0], ids[0]);
  EXPECT_EQ(occurrence[14], "r");
  EXPECT_EQ(occurrence[15], "0");

  // A rung alarm is not announced again, but the preset window still shows it.
  EXPECT_EQ(Servlet("PresetEdit?mode=mark&usr_id=listener6&prgm_id=" + ids[0]).code(), "100");
  EXPECT_EQ(Servlet("PresetList?usr_id=listener6").records().size(), 1u);
  EXPECT_EQ(Servlet("New_PresetList?usr_id=listener6").records().size(), 2u);
  EXPECT_EQ(Servlet("PresetEdit?mode=del&usr_id=listener6&prgm_id=" + ids[0] + "%2C7%3A").code(), "100");
  EXPECT_EQ(Servlet("New_PresetList?usr_id=listener6").records().size(), 1u);
}

TEST_F(ProgramListTest, TopFiveAreRankedUpcomingPrograms) {
  const auto records = Servlet("PresetTop5").records();
  ASSERT_EQ(records.size(), 5u);
  for (const auto& record : records) {
    ASSERT_EQ(record.size(), 7u);
    EXPECT_EQ(record[2].size(), 12u);
    EXPECT_GT(Seconds(record[3]) + 60, Now());
  }
  EXPECT_EQ(records[0][1], "Velomira Preview");  // preset by every sample member
}

}  // namespace
}  // namespace velomira::service::test

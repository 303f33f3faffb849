// XMLTV listings imported as the command line does, checked through the
// servlets' replies.
#include "MemberLogins.h"
#include "Seed.h"
#include "XmltvFixture.h"

namespace velomira::service::test {
namespace {

const std::string kOneChannel =
    "<channel id=\"one.example\">\n"
    "  <display-name lang=\"de\">Eins</display-name>\n"
    "  <display-name lang=\"en\">One</display-name>\n"
    "  <icon src=\"http://logos.example/img/one-hd.png?v=3\"/>\n"
    "  <url>http://one.example/</url>\n"
    "</channel>\n";

std::string Programme(const std::string& channel, const std::string& start, const std::string& stop,
                      const std::string& inner) {
  return "<programme start=\"" + start + "\"" + (stop.empty() ? "" : " stop=\"" + stop + "\"") +
         " channel=\"" + channel + "\">\n" + inner + "</programme>\n";
}

std::string Title(const std::string& title) { return "  <title>" + title + "</title>\n"; }

TEST_F(XmltvTest, ChannelsBecomeStationsKeptByTheirXmltvId) {
  // Files without programmes or with undeclared channels are not valid XMLTV,
  // but they are what grabbers leave behind.
  const auto first = importText(Listing(kOneChannel), false);
  ASSERT_EQ(first.status, 0) << first.err;
  EXPECT_EQ(first.out, (folder_ / "listing.xml").string() +
                           ": imported 1 stations and 0 programmes, skipped 0 programmes\n");
  const std::string id = stationId("Eins");
  ASSERT_FALSE(id.empty());
  EXPECT_EQ(stations()[0][2], "http://one.example/");
  EXPECT_NE(servlet("a_icon").body.find("one-hd.gif"), std::string::npos);

  // The same id again renames the station rather than adding one.
  ASSERT_EQ(importText(Listing("<channel id=\"one.example\"><display-name>Uno</display-name></channel>\n"), false).status, 0);
  ASSERT_EQ(stations().size(), 1u);
  EXPECT_EQ(stationId("Uno"), id);
  EXPECT_EQ(stations()[0][2], "http://" + std::string("127.0.0.1:") + std::to_string(port_) +
                                  "/web/station/" + id + ".htm");
}

TEST_F(XmltvTest, ProgrammeFieldsReachTheChannelList) {
  const std::string body =
      kOneChannel +
      Programme("one.example", "20260601120000 +0100", "20260601130000 +0100",
                "  <title lang=\"de\">Nachrichten</title>\n  <title lang=\"en\">News</title>\n"
                "  <sub-title>With Ann</sub-title>\n"
                "  <desc lang=\"en\">The day's\n     news,\tfolded. </desc>\n"
                "  <url>https://one.example/news</url>\n"
                "  <episode-num system=\"xmltv_ns\">1 . 9 . 0/1</episode-num>\n") +
      // Without stop: ends where the next one starts.
      Programme("one.example", "20260601093000 -0330", "",
                Title("Late") + "  <episode-num system=\"onscreen\">Ep. 4</episode-num>\n") +
      // The last one without stop lasts an hour.
      Programme("one.example", "202606011430 CEST", "", Title("Last") + "  <desc>No page</desc>\n");
  const auto outcome = importText(Listing(body));
  ASSERT_EQ(outcome.status, 0) << outcome.err;

  const auto list = programs(stationId("Eins"));
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0][kStart], "202606011100");
  EXPECT_EQ(list[0][kEnd], "202606011200");
  EXPECT_EQ(list[0][kTitle], "News");
  EXPECT_EQ(list[0][kPage], "https://one.example/news");
  EXPECT_EQ(list[0][kStationName], "Eins");
  EXPECT_EQ(list[0][kStationPage], "http://one.example/");
  EXPECT_EQ(list[0][kSecondName], "With Ann");
  EXPECT_EQ(list[0][kDescription], "The day's news, folded. S2 E10");
  EXPECT_EQ(list[0][kIcon], "one-hd");
  EXPECT_EQ(list[0][kMedia], "v");

  EXPECT_EQ(list[1][kStart], "202606011230");  // 14:30 CEST
  EXPECT_EQ(list[1][kEnd], "202606011300");
  EXPECT_EQ(list[1][kTitle], "Last");
  EXPECT_EQ(list[1][kPage], "http://127.0.0.1:" + std::to_string(port_) + "/web/program/" +
                                list[1][kId] + ".htm");

  EXPECT_EQ(list[2][kStart], "202606011300");  // 09:30 at -03:30
  EXPECT_EQ(list[2][kEnd], "202606011400");
  EXPECT_EQ(list[2][kDescription], "Ep. 4");
}

TEST_F(XmltvTest, ProgrammesOfUndeclaredChannelsGetAStationNamedByTheId) {
  ASSERT_EQ(importText(Listing(Programme("ghost.example", "20260601100000 +0000", "20260601110000 +0000", Title("Boo"))), false).status, 0);
  const std::string id = stationId("ghost.example");
  ASSERT_FALSE(id.empty());
  ASSERT_EQ(programs(id).size(), 1u);
  EXPECT_EQ(programs(id)[0][kTitle], "Boo");
}

TEST_F(XmltvTest, CategoriesMapToTheNineAndRadioChannelsAreAudio) {
  const std::string body =
      "<channel id=\"radio-two.example\"><display-name>Two FM</display-name></channel>\n" + kOneChannel +
      Programme("one.example", "20260601100000 +0000", "20260601110000 +0000",
                Title("Storms") + "  <category>Drama</category>\n  <category>WEATHER</category>\n") +
      Programme("one.example", "20260601110000 +0000", "20260601120000 +0000",
                Title("Odd") + "  <category>Nothing we know</category>\n") +
      Programme("radio-two.example", "20260601100000 +0000", "20260601110000 +0000",
                Title("Tunes") + "  <category>Jazz</category>\n");
  ASSERT_EQ(importText(Listing(body)).status, 0);

  // Sub-category codes as the client learns them: one record per category.
  const auto subCategories = Reply{200, servlet("a_SubCtgr").body}.records(true);
  ASSERT_EQ(subCategories.size(), 9u);
  const auto titlesOf = [&](const std::string& query) {
    std::vector<std::string> titles;
    for (const auto& record : servlet("GetProgramList?mode=front&" + query).records()) {
      titles.push_back(record[kTitle]);
    }
    return titles;
  };
  // Drama maps to Entertainment/TV Shows: the first category that is mapped wins.
  EXPECT_EQ(titlesOf("cate1=3&sub=0"), (std::vector<std::string>{"Storms", "Odd"}));
  EXPECT_EQ(subCategories[4], (std::vector<std::string>{"1", "TV Shows", "2", "Other"}));
  EXPECT_EQ(titlesOf("cate1=3&sub=2"), std::vector<std::string>{"Odd"});
  EXPECT_EQ(titlesOf("cate1=2&sub=0"), std::vector<std::string>{"Tunes"});
  EXPECT_EQ(subCategories[3], (std::vector<std::string>{"1", "Jazz & Blues"}));

  const auto radio = programs(stationId("Two FM"));
  ASSERT_EQ(radio.size(), 1u);
  EXPECT_EQ(radio[0][kMedia], "a");
  const auto radioStations = servlet("ChannelSearchList?cate1=radio&loc=all&keywd=").records();
  ASSERT_EQ(radioStations.size(), 1u);
  EXPECT_EQ(radioStations[0][1], "Two FM");
}

TEST_F(XmltvTest, TextsArriveInTheClientsCodePage) {
  const std::string programmes =
      Programme("one.example", "20260601100000 +0000", "20260601110000 +0000",
                "  <title>Caf&#233; &amp; Co &#x20AC;5 &#x263A;</title>\n"
                "  <desc>caf\xC3\xA9\r\n\t\xE2\x80\x9Cquoted\xE2\x80\x9D \xE4\xB8\xAD</desc>\n");
  ASSERT_EQ(importText(Listing(kOneChannel + programmes)).status, 0);
  auto list = programs(stationId("Eins"));
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0][kTitle], "Caf\xE9 & Co \x80" "5 ?");
  EXPECT_EQ(list[0][kDescription], "caf\xE9 \x93quoted\x94 ?");

  // The same in a Latin-1 file.
  const std::string latin1 =
      Listing("<channel id=\"l.example\"><display-name>Cha\xEEne</display-name></channel>\n" +
                  Programme("l.example", "20260601100000 +0000", "20260601110000 +0000",
                            Title("Th\xE9\xE2tre")),
              "ISO-8859-1");
  ASSERT_EQ(importText(latin1).status, 0);
  list = programs(stationId("Cha\xEEne"));
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0][kTitle], "Th\xE9\xE2tre");
}

TEST_F(XmltvTest, ImportedProgramsAreInTheDailyAndSearchLists) {
  const std::string body =
      kOneChannel +
      Programme("one.example", "20260602100000 +0000", "20260602110000 +0000",
                Title("Garden Hour") + "  <category>Drama</category>\n");
  ASSERT_EQ(importText(Listing(body)).status, 0);
  // 2 June 2026 is a Tuesday: day 3 counted from Sunday.
  const auto daily = servlet("GetProgramList?mode=daily&cate1=3&day=3&gmt=0").records();
  ASSERT_EQ(daily.size(), 1u);
  EXPECT_EQ(daily[0][kTitle], "Garden Hour");
  const auto found = servlet("GetProgramList?mode=search&cate1=0&keywd=garden&se_time=all").records();
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0][kTitle], "Garden Hour");
}

TEST_F(XmltvTest, AnImportAddsToTheSampleGuide) {
  const auto seeded = SeedSampleGuide(service_->database(), kJune1);
  ASSERT_TRUE(seeded.seeded);
  const std::string body =
      kOneChannel + Programme("one.example", "20260601100000 +0000", "20260601110000 +0000",
                              Title("Imported") + "  <category>Weather</category>\n");
  ASSERT_EQ(importText(Listing(body)).status, 0);
  EXPECT_EQ(servlet("ChannelSearchList?cate1=all&loc=all&keywd=").records().front().back(), "3");  // 41 stations
  EXPECT_EQ(programs(stations("Eins")[0][0])[0][kTitle], "Imported");
  // The sample guide's own sub-category "Weather" of News takes the program.
  bool found = false;
  for (const auto& record : servlet("GetProgramList?mode=front&cate1=1&sub=4").records()) {
    found = found || record[kTitle] == "Imported";
  }
  EXPECT_TRUE(found);
}

TEST_F(XmltvTest, ReimportReplacesTheFilesRangeAndKeepsPresetsOfProgramsStillListed) {
  const std::string other = "<channel id=\"other.example\"><display-name>Other</display-name></channel>\n";
  const auto hourly = [](const std::string& channel, int hour, const std::string& title) {
    char start[32], stop[32];
    std::snprintf(start, sizeof start, "20260601%02d0000 +0000", hour);
    std::snprintf(stop, sizeof stop, "20260601%02d0000 +0000", hour + 1);
    return Programme(channel, start, stop, Title(title));
  };
  ASSERT_EQ(importText(Listing(kOneChannel + other + hourly("one.example", 10, "A") +
                               hourly("one.example", 11, "B") + hourly("one.example", 12, "C") +
                               hourly("one.example", 20, "Late") + hourly("other.example", 11, "Elsewhere")))
                .status, 0);
  const std::string one = stationId("Eins");
  auto before = programs(one);
  ASSERT_EQ(before.size(), 4u);

  db().exec("INSERT INTO members (id, password_hash, tz_minutes, created_utc) VALUES ('ann', 'x', 0, 0)");
  for (int index : {1, 2}) {
    db().prepare("INSERT INTO presets (member_id, program_id, added_utc) VALUES ('ann', ?, 0)")
        .with(before[index][kId]).run();
  }
  OpenLogin(db(), "ann", "127.0.0.1", kJune1);

  // 10:00 to 13:30 again: B keeps its start, C is gone, D is new; "Late" lies
  // outside the range and "Elsewhere" on a channel the file does not list.
  ASSERT_EQ(importText(Listing(kOneChannel + hourly("one.example", 10, "A2") +
                               hourly("one.example", 11, "B2") +
                               Programme("one.example", "20260601123000 +0000", "20260601133000 +0000", Title("D"))))
                .status, 0);
  std::vector<std::string> titles;
  for (const auto& program : programs(one)) titles.push_back(program[kTitle]);
  EXPECT_EQ(titles, (std::vector<std::string>{"A2", "B2", "D", "Late"}));
  ASSERT_EQ(programs(stationId("Other")).size(), 1u);

  const auto presets = servlet("PresetList?usr_id=ann").records();
  ASSERT_EQ(presets.size(), 1u);
  EXPECT_EQ(presets[0][kTitle], "B2");
}

}  // namespace
}  // namespace velomira::service::test

// Listings that are refused whole, and programmes that are skipped or bent
// into shape, without a half-imported file or a crash.
#include <fstream>

#include "XmltvFixture.h"

namespace velomira::service::test {
namespace {

const std::string kChannel = "<channel id=\"one.example\"><display-name>One</display-name></channel>\n";

std::string Programme(const std::string& start, const std::string& stop, const std::string& title,
                      const std::string& more = "") {
  return "<programme start=\"" + start + "\"" + (stop.empty() ? "" : " stop=\"" + stop + "\"") +
         " channel=\"one.example\"><title>" + title + "</title>" + more + "</programme>\n";
}

std::string Nested(int depth) {
  std::string open, close;
  for (int i = 0; i < depth; ++i) {
    open += "<credits>";
    close = "</credits>" + close;
  }
  return open + close;
}

TEST_F(XmltvTest, RefusedFilesLeaveTheGuideAsItWas) {
  ASSERT_EQ(importText(Listing(kChannel + Programme("20260601100000 +0000", "20260601110000 +0000", "Kept"))).status, 0);
  const std::string secret = write("secret.txt", "TOPSECRET").string();

  struct Case {
    const char* name;
    std::string content;
    int line;
    const char* reason;  // part of the message
  };
  const std::string guideStart = "<?xml version=\"1.0\"?>\n<tv>\n" + kChannel +
                                 "<channel id=\"new.example\"><display-name>New</display-name></channel>\n" +
                                 Programme("20260601100000 +0000", "20260601110000 +0000", "Replaced");
  std::string laughs = "<?xml version=\"1.0\"?>\n<!DOCTYPE tv [\n<!ENTITY a0 \"ha\">\n";
  for (int i = 1; i < 12; ++i) {
    laughs += "<!ENTITY a" + std::to_string(i) + " \"" + std::string() +
              [&] { std::string refs; for (int k = 0; k < 10; ++k) refs += "&a" + std::to_string(i - 1) + ";"; return refs; }() +
              "\">\n";
  }
  laughs += "]>\n<tv>\n" + kChannel + Programme("20260601100000 +0000", "", "&a11;") + "</tv>\n";

  const Case cases[] = {
      {"not well-formed", guideStart + "<programme start=\"20260601120000\" channel=\"one.example\">\n<title>Open</programme>\n</tv>\n", 7, "mismatch"},
      {"cut short", guideStart, 0, ""},
      {"not XML", "This is not XML\n", 1, ""},
      {"empty", "", 1, ""},
      {"wrong root", "<?xml version=\"1.0\"?>\n<guide>\n<tv/>\n</guide>\n", 2, "not <tv>"},
      {"billion laughs", laughs, 0, ""},
      {"external entity",
       "<?xml version=\"1.0\"?>\n<!DOCTYPE tv [\n<!ENTITY x SYSTEM \"file://" + secret + "\">\n]>\n<tv>\n" +
           kChannel + Programme("20260601100000 +0000", "", "&x;") + "</tv>\n",
       7, "external entity"},
      {"deeply nested", guideStart + Programme("20260601120000 +0000", "", "Deep", Nested(300)) + "</tv>\n", 0, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto outcome = importText(c.content, false);
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.out, "");
    EXPECT_NE(outcome.err.find("nothing imported"), std::string::npos) << outcome.err;
    EXPECT_NE(outcome.err.find(c.reason), std::string::npos) << outcome.err;
    if (c.line > 0) {
      EXPECT_NE(outcome.err.find("listing.xml:" + std::to_string(c.line) + ":"), std::string::npos) << outcome.err;
    }
    EXPECT_EQ(outcome.err.find("TOPSECRET"), std::string::npos);
    ASSERT_EQ(stations().size(), 1u);
    const auto list = programs(stationId("One"));
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0][kTitle], "Kept");
  }
}

TEST_F(XmltvTest, ProgrammesThatCannotBePlacedAreSkipped) {
  const std::string body =
      kChannel + Programme("20260601120000 +0000", "20260601110000 +0000", "Backwards") +
      Programme("20260230100000 +0000", "", "No such day") +
      Programme("20260601250000 +0000", "", "No such hour") +
      Programme("20260601100000 +0000", "soon", "Bad stop") +
      "<programme start=\"20260601100000 +0000\" channel=\"one.example\"><title></title></programme>\n" +
      Programme("20260601100000 +0000", "20260601110000 +0000", "Fine");
  const auto outcome = importText(Listing(body), false);
  ASSERT_EQ(outcome.status, 0) << outcome.err;
  EXPECT_NE(outcome.out.find("imported 1 stations and 1 programmes, skipped 5 programmes"), std::string::npos)
      << outcome.out;
  EXPECT_NE(outcome.err.find("line 5: skipped: it stops before it starts"), std::string::npos) << outcome.err;
  EXPECT_NE(outcome.err.find("line 6: skipped: start \"20260230100000 +0000\" is not a time"), std::string::npos);
  const auto list = programs(stationId("One"));
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0][kTitle], "Fine");
}

TEST_F(XmltvTest, OverlapsAreKeptAndTheLaterProgrammeWins) {
  const std::string body =
      kChannel + Programme("20260601100000 +0000", "20260601120000 +0000", "Long") +
      Programme("20260601110000 +0000", "20260601113000 +0000", "Inside") +
      Programme("20260601130000 +0000", "20260601140000 +0000", "First at one") +
      Programme("20260601130000 +0000", "20260601143000 +0000", "Second at one");
  const auto outcome = importText(Listing(body));
  ASSERT_EQ(outcome.status, 0) << outcome.err;
  EXPECT_NE(outcome.out.find("3 programmes, skipped 1"), std::string::npos) << outcome.out;
  const auto list = programs(stationId("One"));
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0][kTitle], "Long");
  EXPECT_EQ(list[0][kEnd], "202606011100");
  EXPECT_EQ(list[1][kTitle], "Inside");
  EXPECT_EQ(list[1][kEnd], "202606011130");
  EXPECT_EQ(list[2][kTitle], "Second at one");
  EXPECT_EQ(list[2][kEnd], "202606011430");
}

TEST_F(XmltvTest, HugeTextsAreCutAndManyChannelsFit) {
  const std::string megabyte(1024 * 1024, 'x');
  std::string body = kChannel + Programme("20260601100000 +0000", "", megabyte, "<desc>" + megabyte + "</desc>");
  for (int i = 0; i < 10000; ++i) {
    body += "<channel id=\"c" + std::to_string(i) + ".example\"><display-name>Channel " +
            std::to_string(i) + "</display-name></channel>\n";
  }
  const auto outcome = importText(Listing(body), false);
  ASSERT_EQ(outcome.status, 0) << outcome.err;
  EXPECT_NE(outcome.out.find("imported 10001 stations and 1 programmes"), std::string::npos) << outcome.out;
  const auto list = programs(stations("One")[0][0]);
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0][kTitle], std::string(255, 'x'));
  EXPECT_EQ(list[0][kDescription], std::string(4000, 'x'));
  const auto found = stations("Channel 9999");
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0][5], "1");  // pages
}

}  // namespace
}  // namespace velomira::service::test

// My categories, my channels, station search, mails and usage logs.
#include "ServiceFixture.h"

namespace velomira::service::test {
namespace {

class PersonalServletTest : public ServiceTest {};

TEST_F(PersonalServletTest, MyCategoriesAddReplacesACategoryAndDelRemoves) {
  LoginAs();
  const std::string member = "listener3";
  LoginAs(member);
  EXPECT_TRUE(Servlet("MydbzerList?usr_id=" + member).records().empty());
  EXPECT_EQ(Servlet("GetProgramList?mode=my&usr_id=" + member).code(), "212");

  EXPECT_EQ(Servlet("MydbzerEdit?mode=add&usr_id=" + member + "&cates=2:1,2:3,5:2,").code(), "100");
  auto records = Servlet("MydbzerList?usr_id=" + member).records();
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[0][0], "2");
  EXPECT_EQ(records[0][1], "1");
  EXPECT_EQ(Servlet("GetProgramList?mode=my&usr_id=" + member).code(), "100");

  // The picker sends a category's whole choice; "k:*" (nothing checked) means all of it.
  EXPECT_EQ(Servlet("MydbzerEdit?mode=add&usr_id=" + member + "&cates=2:4,").code(), "100");
  EXPECT_EQ(Servlet("MydbzerList?usr_id=" + member).records().size(), 2u);
  EXPECT_EQ(Servlet("MydbzerEdit?mode=add&usr_id=" + member + "&cates=2:*").code(), "100");
  EXPECT_EQ(Servlet("MydbzerList?usr_id=" + member).records().size(), 7u);  // six of Music, 5:2
  EXPECT_EQ(Servlet("MydbzerEdit?mode=del&usr_id=" + member + "&cates=5:2,").code(), "100");
  EXPECT_EQ(Servlet("MydbzerList?usr_id=" + member).records().size(), 6u);
  // The own list follows the selection: now exactly the whole of Music.
  const auto own = Servlet("GetProgramList?mode=my&usr_id=" + member);
  EXPECT_EQ(own.code(), "100");
  EXPECT_FALSE(own.records().empty());
  EXPECT_EQ(own.records(), Servlet("GetProgramList?mode=front&cate1=2&sub=0").records());
  EXPECT_EQ(Servlet("MydbzerEdit?mode=del&usr_id=" + member + "&cates=2:*").code(), "100");
  EXPECT_TRUE(Servlet("MydbzerList?usr_id=" + member).records().empty());

  for (const char* cates : {"", "x:1,", "12:1,", "2:abc,"}) {
    EXPECT_EQ(Servlet("MydbzerEdit?mode=add&usr_id=" + member + "&cates=" + cates).code(), "300") << cates;
  }
  EXPECT_EQ(Servlet("MydbzerEdit?mode=add&usr_id=nobody_here&cates=2:1,").code(), "243");
}

TEST_F(PersonalServletTest, MyChannelsAndStationSearch) {
  LoginAs();
  const auto mine = Servlet("ChannelMyList?usr_id=demo").records();
  ASSERT_EQ(mine.size(), 3u);
  EXPECT_EQ(mine[0][0], "1");
  EXPECT_EQ(mine[0][1], "Velo News 24");

  const std::string member = "listener4";
  LoginAs(member);
  EXPECT_EQ(Servlet("ChannelMyList?usr_id=" + member).body, std::string("100") + std::string(29, ' '));
  EXPECT_EQ(Servlet("ChannelEdit?usr_id=" + member + "&mode=add&sttn_id=12").code(), "100");
  EXPECT_EQ(Servlet("ChannelEdit?usr_id=" + member + "&mode=add&sttn_id=12").code(), "211");
  EXPECT_EQ(Servlet("ChannelEdit?usr_id=" + member + "&mode=add&sttn_id=999").code(), "250");
  EXPECT_EQ(Servlet("ChannelMyList?usr_id=" + member).records().size(), 1u);
  EXPECT_EQ(Servlet("ChannelEdit?usr_id=" + member + "&mode=del&sttn_id=12").code(), "100");
  EXPECT_TRUE(Servlet("ChannelMyList?usr_id=" + member).records().empty());

  const auto radios = Servlet("ChannelSearchList?cate1=radio&keywd=&loc=all").records();
  ASSERT_EQ(radios.size(), 14u);
  for (const auto& record : radios) {
    ASSERT_EQ(record.size(), 6u);
    EXPECT_EQ(record[4], "1");
    EXPECT_EQ(record[5], "1");
  }
  const auto blue = Servlet("ChannelSearchList?cate1=all&keywd=blue+note&loc=IL").records();
  ASSERT_EQ(blue.size(), 1u);
  EXPECT_EQ(blue[0][1], "Blue Note Lounge");
  EXPECT_TRUE(Servlet("ChannelSearchList?cate1=all&keywd=blue+note&loc=CA").records().empty());
  const auto all = Servlet("ChannelSearchList?cate1=&keywd=&loc=&cur_page=2").records();
  ASSERT_EQ(all.size(), 20u);
  EXPECT_EQ(all[0][4], "2");
  EXPECT_EQ(all[0][5], "2");
}

TEST_F(PersonalServletTest, MailsGoToTheOutbox) {
  LoginAs();
  EXPECT_EQ(Servlet("Tell_A_Friend?from_name=Demo&from=demo%40velomira.example"
                    "&cnt1=World+Report%01Velo+News+24&cnt2=Line+one%5B%40retrn%5DLine+two"
                    "&to_name=Pat&to=pat%40example.org").code(),
            "100");
  {
    auto mail = Db().prepare("SELECT body, to_name FROM outbox WHERE kind = 'tell-a-friend'");
    ASSERT_TRUE(mail.next());
    EXPECT_NE(mail.text(0).find("World Report\r\nVelo News 24"), std::string::npos);
    EXPECT_NE(mail.text(0).find("Line one\r\nLine two"), std::string::npos);
    EXPECT_EQ(mail.text(1), "Pat");
  }  // ends the read, so that later rows are seen
  EXPECT_EQ(Servlet("Tell_A_Friend?from_name=a&from=b&cnt1=c&cnt2=d&to_name=e&to=nowhere").code(), "231");

  EXPECT_EQ(Servlet("Help_me?from=demo%40velomira.example&from_name=demo&cnt=How+do+I%5B%40retrn%5Dpreset%3F"
                    "&to=support%40velomira.example").code(),
            "100");
  {
    auto mail = Db().prepare("SELECT body, to_address FROM outbox WHERE kind = 'help'");
    ASSERT_TRUE(mail.next());
    EXPECT_EQ(mail.text(0), "How do I\r\npreset?");
    EXPECT_EQ(mail.text(1), "support@velomira.example");
  }
  // Malformed sender addresses are refused; help ignores "to" and goes to support.
  for (const char* query : {"Tell_A_Friend?from_name=a&from=nobody&cnt1=c&cnt2=d&to_name=e&to=pat%40example.org",
                            "Help_me?from=&from_name=demo&cnt=Hello&to=support%40velomira.example"}) {
    EXPECT_EQ(Servlet(query).code(), "231") << query;
  }
  EXPECT_EQ(Servlet("Help_me?from=me%40example.org&from_name=demo&cnt=Hello&to=nowhere").code(), "100");
  EXPECT_EQ(Servlet("GetLog?name=20261210120000demo.log&cnt=userid%2Cdemo%0D%0Alogin%2C20261210%2C120000").code(),
            "100");
  auto log = Db().prepare("SELECT content FROM usage_logs WHERE name = '20261210120000demo.log'");
  ASSERT_TRUE(log.next());
  EXPECT_EQ(log.text(0), "userid,demo\r\nlogin,20261210,120000");
}

TEST_F(PersonalServletTest, HelpTopicPagesHoldHeadingsAListAPictureAndLinksToOtherTopics) {
  const Reply page = Get("/web/help/topic2.htm");
  ASSERT_EQ(page.status, 200);
  EXPECT_NE(page.body.find("<h1>Presets and alarms</h1>"), std::string::npos);
  EXPECT_NE(page.body.find("<h2>"), std::string::npos);
  EXPECT_NE(page.body.find("<li>"), std::string::npos);
  EXPECT_NE(page.body.find("<img src=\"/down/img/banner/banner01.gif\""), std::string::npos);
  // Every other topic is linked, and the links lead to pages; the topic itself is not.
  EXPECT_EQ(page.body.find("href=\"/web/help/topic2.htm\""), std::string::npos);
  for (const char* other : {"topic1.htm", "topic6.htm"}) {
    EXPECT_NE(page.body.find(std::string("href=\"/web/help/") + other + "\""), std::string::npos) << other;
    EXPECT_EQ(Get(std::string("/web/help/") + other).status, 200) << other;
  }
}

}  // namespace
}  // namespace velomira::service::test

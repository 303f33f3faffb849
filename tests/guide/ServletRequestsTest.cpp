// The typed servlet requests of the guide windows: the exact address each one sends,
// and the member's channel list read from its reply.
#include <functional>

#include "GuideFixture.h"
#include "core/ServletRequests.h"
#include "core/dFunc.h"

namespace velomira::test {
namespace {

using ServletRequestsTest = GuideTest;

TEST_F(ServletRequestsTest, EachRequestSendsItsKeysInOrderWithEncodedValues) {
  struct Case {
    std::function<std::string()> Send;
    std::string Target;
  };
  const std::string list = "/servlet/servlet.GetProgramList?";
  const Case cases[] = {
      {[] { return RequestChannelPrograms("ch 7&x"); }, list + "mode=channel&channel_id=ch+7%26x"},
      {[] { return RequestChannelPrograms("ch7", 3); }, list + "mode=channel&channel_id=ch7&cur_page=3"},
      {[] { return RequestDailyPrograms(4, 7, -5); }, list + "mode=daily&cate1=4&day=7&gmt=-5"},
      {[] { return RequestDailyPrograms(1, 1, 9, 2); }, list + "mode=daily&cate1=1&day=1&gmt=9&cur_page=2"},
      {[] { return RequestSearchPrograms(2, "jazz & blues", "all"); },
       list + "mode=search&cate1=2&keywd=jazz+%26+blues&se_time=all"},
      {[] { return RequestSearchPrograms(2, "caf\xE9", "rn", 4); },
       list + "mode=search&cate1=2&keywd=caf%E9&se_time=rn&cur_page=4"},
      {[] { return RequestSearchPrograms(9, "", "6", 0); }, list + "mode=search&cate1=9&keywd=&se_time=6"},
      {[] { return RequestChannelSearch("all", "big band", "all"); },
       "/servlet/servlet.ChannelSearchList?cate1=all&keywd=big+band&loc=all"},
      {[] { return RequestChannelSearch("03", "x/y", "NY", 2); },
       "/servlet/servlet.ChannelSearchList?cate1=03&keywd=x%2Fy&loc=NY&cur_page=2"},
      {[] { return RequestMyChannels(); }, "/servlet/servlet.ChannelMyList?usr_id=member7"},
      {[] { return RequestChannelEdit(true, "ch 7"); }, "/servlet/servlet.ChannelEdit?usr_id=member7&mode=add&sttn_id=ch+7"},
      {[] { return RequestChannelEdit(false, "ch7"); }, "/servlet/servlet.ChannelEdit?usr_id=member7&mode=del&sttn_id=ch7"},
  };
  service_.DefaultReply("100 the reply as it came");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Target);
    service_.ClearRequests();
    EXPECT_EQ(c.Send(), "100 the reply as it came");
    EXPECT_EQ(service_.Targets(), std::vector<std::string>{c.Target});
    ASSERT_EQ(service_.AllReceived().size(), 1u);
    EXPECT_EQ(service_.AllReceived().front().Method, "POST");
  }
}

TEST_F(ServletRequestsTest, AFailedRequestGivesAnEmptyReply) {
  service_.Stop();
  EXPECT_EQ(RequestDailyPrograms(4, 5, 0), "");
  EXPECT_EQ(RequestMyChannels(), "");
}

TEST_F(ServletRequestsTest, MyChannelsInReplyOrder) {
  EXPECT_EQ(ParseMyChannels(Reply({"ch1\x01One FM", "ch2\x01Two TV\x01" "extra", "ch3"})),
            (ChannelEntries{{"ch1", "One FM"}, {"ch2", "Two TV"}, {"ch3", ""}}));
  EXPECT_TRUE(ParseMyChannels(Reply({})).empty());
  EXPECT_TRUE(ParseMyChannels("").empty());
}

}  // namespace
}  // namespace velomira::test

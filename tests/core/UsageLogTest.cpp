#include "CoreTestSupport.h"

namespace velomira {
namespace {

using testing::CoreTest;

class UsageLogTest : public CoreTest {
 protected:
  void SetUp() override {
    CoreTest::SetUp();
    State().MemberId = "member7";
    SetClocks({2001, 12, 31, 9, 15, 0, 0}, {});
    StartUsageRecord();
    SetClocks({2001, 12, 31, 23, 59, 58, 0}, {});
    StopUsageRecord();
  }
  static constexpr const char* Head = "userid,member7\r\nlogin,20011231,091500\r\nlogout,20011231,235958";
};

TEST_F(UsageLogTest, RunWithoutClicksSendsThreeLines) {
  EXPECT_EQ(BuildUsageLogText(), Head);
  EXPECT_EQ(UsageLogName(), "20011231235958member7.log");
}

TEST_F(UsageLogTest, ProgramClicksInClickOrder) {
  AddUsageLine(UsageLines::Program, "program,p1,icon07,w,20011231,100000");
  AddUsageLine(UsageLines::Program, "program,p2,icon08,,20011231,100005");
  EXPECT_EQ(BuildUsageLogText(), std::string(Head) +
                                     "\r\nprogram,p1,icon07,w,20011231,100000"
                                     "\r\nprogram,p2,icon08,,20011231,100005");
}

TEST_F(UsageLogTest, CountersAreIndependent) {
  CountUsage(&UsageRecord::OwnViewOpens);
  CountUsage(&UsageRecord::OwnViewOpens);
  EXPECT_EQ(BuildUsageLogText(), std::string(Head) + "\r\nclick_my_dbzer,2");
  CountUsage(&UsageRecord::FriendOpens);
  EXPECT_EQ(BuildUsageLogText(), std::string(Head) + "\r\nclick_friend,1\r\nclick_my_dbzer,2");
}

TEST_F(UsageLogTest, SubCategoryLineNamesServiceCodeAndCode) {
  CategoryTextLists codes;
  codes[1] = {"m01", "m02"};  // Money, service code 6
  State().SubCategories.Set({codes, {}});
  ResizeUsageCounters(codes, std::nullopt);
  for (int i = 0; i < 3; ++i) CountSubCategoryClick(1, 1);
  EXPECT_EQ(BuildUsageLogText(), std::string(Head) + "\r\nsub_ctgr,6,m02,3");
}

TEST_F(UsageLogTest, EveryPartInItsOrder) {
  State().EmergencyNames.Set({"fire", "flood"});
  CategoryTextLists codes;
  codes[0] = {"n01"};
  codes[8] = {"c01", "c02"};
  State().SubCategories.Set({codes, {}});
  ResizeUsageCounters(codes, 2);

  // Counted in an order different from the log's.
  AddUsageLine(UsageLines::WindowBanner, "back_face_bnnr,p,banner03.gif,20011231,120000");
  AddUsageLine(UsageLines::TopCategoryBanner, "top_ctgr_bnnr,banner02.gif");
  AddUsageLine(UsageLines::SubCategoryBanner, "sub_ctgr_bnnr,banner01.gif");
  AddUsageLine(UsageLines::TargetBanner, "trgt_bnnr,banner05.gif");
  AddUsageLine(UsageLines::StationBanner, "sttn_bnnr,sttn01.gif,20011231,120001");
  AddUsageLine(UsageLines::Station, "station,s9,20011231,120002");
  AddUsageLine(UsageLines::Program, "program,p1,icon01,,20011231,120003");
  CountSubCategoryClick(8, 1);
  CountSubCategoryClick(0, 0);
  CountCategoryClick(9);
  CountCategoryClick(2);
  CountCategoryClick(2);
  CountCategoryClick(0);   // not a service code
  CountCategoryClick(10);  // not a service code
  CountEmergencyClick(1);
  for (int UsageRecord::*counter :
       {&UsageRecord::EmergencyOpens, &UsageRecord::RadioClicks, &UsageRecord::ChannelOpens,
        &UsageRecord::DailyOpens, &UsageRecord::SearchOpens, &UsageRecord::PresetOpens, &UsageRecord::EditClicks,
        &UsageRecord::OwnViewOpens, &UsageRecord::FriendOpens, &UsageRecord::TrayHides,
        &UsageRecord::DisplayToggles, &UsageRecord::HelpClicks, &UsageRecord::LogoClicks}) {
    CountUsage(counter);
  }
  CountUsage(&UsageRecord::LogoClicks);

  EXPECT_EQ(BuildUsageLogText(), std::string(Head) +
                                     "\r\nmain_logo,2\r\nmain_help,1\r\nmain_display,1\r\nmain_tray,1"
                                     "\r\nclick_friend,1\r\nclick_my_dbzer,1\r\nclick_edit,1\r\nclick_preset,1"
                                     "\r\nclick_search,1\r\nclick_daily,1\r\nclick_channel,1\r\nclick_radio,1"
                                     "\r\nclick_911,1"
                                     "\r\n911,flood,1"
                                     "\r\ntop_ctgr,2,2\r\ntop_ctgr,9,1"
                                     "\r\nsub_ctgr,1,n01,1\r\nsub_ctgr,9,c02,1"
                                     "\r\nprogram,p1,icon01,,20011231,120003"
                                     "\r\nstation,s9,20011231,120002"
                                     "\r\nsttn_bnnr,sttn01.gif,20011231,120001"
                                     "\r\ntrgt_bnnr,banner05.gif\r\nsub_ctgr_bnnr,banner01.gif"
                                     "\r\ntop_ctgr_bnnr,banner02.gif"
                                     "\r\nback_face_bnnr,p,banner03.gif,20011231,120000");
}

TEST_F(UsageLogTest, CountersBeyondTheKnownListsStillCount) {
  // A click before the refresh sized the counters, or beyond a shrunk name list.
  CountEmergencyClick(2);
  CountSubCategoryClick(3, 0);
  EXPECT_EQ(BuildUsageLogText(), std::string(Head) + "\r\n911,,1\r\nsub_ctgr,2,,1");
  CountSubCategoryClick(-1, 0);
  CountSubCategoryClick(9, 0);
  EXPECT_EQ(BuildUsageLogText(), std::string(Head) + "\r\n911,,1\r\nsub_ctgr,2,,1");
}

}  // namespace
}  // namespace velomira

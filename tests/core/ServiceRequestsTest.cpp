// The core's own service calls (presets, usage log) against a server on 127.0.0.1.
#include "CoreTestSupport.h"
#include "support/CannedService.h"

namespace velomira {
namespace {

using testing::CoreTest;
using test::CannedService;
using test::TempFolder;

const std::string Header100 = "100" + std::string(29, ' ');
const std::string PresetListPath = "/servlet/servlet.PresetList";
const std::string LogPath = "/servlet/servlet.GetLog";

class ServiceRequestsTest : public CoreTest {
 protected:
  void SetUp() override {
    CoreTest::SetUp();
    service_.Reply(LogPath, Header100);
    State().ProgramDir = folder_.Path();
    LoadSettingsPaths();
    service_.PointIniAt(folder_.Path() + "velomira.Ini");
    State().MemberId = "member7";
  }

  // The last POST to path (these servlets take nothing else); empty when none came.
  test::Received LastPost(const std::string& path) const {
    test::Received last;
    for (const test::Received& request : service_.RequestsTo(path)) {
      if (request.Method == "POST") last = request;
    }
    return last;
  }

  TempFolder folder_;
  CannedService service_;
};

TEST_F(ServiceRequestsTest, LoadPresetListReplacesTheTable) {
  service_.Reply(PresetListPath, Header100 + "p1\x01icon07\x01v\x01" "200112311330\x01\x01Show\x01http://a/p1\x02p2\x01i\x01v\x01" "200201010000");
  LoadPresetList();
  EXPECT_EQ(LastPost(PresetListPath).Param("usr_id"), "member7");
  const auto presets = State().PresetTable.Get();
  ASSERT_EQ(presets->size(), 2u);
  EXPECT_EQ((*presets)[0].Title, "Show");
  EXPECT_EQ((*presets)[1].ProgramId, "p2");
  EXPECT_EQ((*presets)[1].Start, "20020101[12:00am-  N / A  ]  Tue.01");

  // An empty body, or no service at all, keeps the presets the member had.
  service_.Reply(PresetListPath, Header100);
  LoadPresetList();
  EXPECT_EQ(State().PresetTable.Get(), presets);
  service_.Stop();
  LoadPresetList();
  EXPECT_EQ(State().PresetTable.Get(), presets);
}

TEST_F(ServiceRequestsTest, UsageLogIsSentOnceEncoded) {
  SetClocks({2001, 12, 31, 9, 15, 0, 0}, {});
  StartUsageRecord();
  AddUsageLine(UsageLines::Program, "program,p1,icon07,w,20011231,091600");
  AddUsageLine(UsageLines::Station, "station,Caf\xe9 & Bar,20011231,091700");
  CountUsage(&UsageRecord::LogoClicks);
  SetClocks({2001, 12, 31, 23, 59, 58, 0}, {});
  StopUsageRecord();

  SendUsageLog();
  const std::string expected =
      "userid,member7\r\nlogin,20011231,091500\r\nlogout,20011231,235958\r\nmain_logo,1"
      "\r\nprogram,p1,icon07,w,20011231,091600\r\nstation,Caf\xe9 & Bar,20011231,091700";
  const test::Received log = LastPost(LogPath);
  EXPECT_EQ(log.Param("name"), "20011231235958member7.log");
  EXPECT_EQ(log.Param("cnt"), expected);
  EXPECT_EQ(log.Target, "/servlet/servlet.GetLog?name=20011231235958member7.log&cnt=" + UrlEncode(expected));
  EXPECT_NE(log.Target.find("Caf%E9+%26+Bar"), std::string::npos);
}

}  // namespace
}  // namespace velomira

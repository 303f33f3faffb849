// The core's own service calls (presets, usage log) against a server on 127.0.0.1.
#include <httplib.h>

#include <thread>

#include "CoreTestSupport.h"

namespace velomira {
namespace {

using testing::CoreTest;
using testing::TempFolder;
using testing::WriteBytes;

const std::string Header100 = "100" + std::string(29, ' ');

class ServiceRequestsTest : public CoreTest {
 protected:
  void SetUp() override {
    CoreTest::SetUp();
    server_.Post("/servlet/servlet.PresetList", [this](const httplib::Request& request, httplib::Response& response) {
      std::lock_guard lock(mutex_);
      presetMember_ = request.get_param_value("usr_id");
      response.set_content(presetReply_, "text/html");
    });
    server_.Post("/servlet/servlet.GetLog", [this](const httplib::Request& request, httplib::Response& response) {
      std::lock_guard lock(mutex_);
      logTarget_ = request.target;
      logName_ = request.get_param_value("name");
      logText_ = request.get_param_value("cnt");
      response.set_content(Header100, "text/html");
    });
    const int port = server_.bind_to_any_port("127.0.0.1");
    ASSERT_GT(port, 0);
    thread_ = std::thread([this] { server_.listen_after_bind(); });
    // The socket already listens after the bind; requests wait in its backlog.

    State().ProgramDir = folder_.Path();
    LoadSettingsPaths();
    WriteBytes(folder_.Path() + "velomira.Ini", "[SERVICE]\r\nROOT=http://127.0.0.1:" + std::to_string(port) + "\r\n");
    State().MemberId = "member7";
  }

  void TearDown() override {
    server_.stop();
    if (thread_.joinable()) thread_.join();
    CoreTest::TearDown();
  }

  TempFolder folder_;
  httplib::Server server_;
  std::thread thread_;
  std::mutex mutex_;
  std::string presetReply_, presetMember_, logTarget_, logName_, logText_;
};

TEST_F(ServiceRequestsTest, LoadPresetListReplacesTheTable) {
  presetReply_ = Header100 + "p1\x01icon07\x01v\x01" "200112311330\x01\x01Show\x01http://a/p1\x02p2\x01i\x01v\x01" "200201010000";
  LoadPresetList();
  EXPECT_EQ(presetMember_, "member7");
  const auto presets = State().PresetTable.Get();
  ASSERT_EQ(presets->size(), 2u);
  EXPECT_EQ((*presets)[0].Title, "Show");
  EXPECT_EQ((*presets)[1].ProgramId, "p2");
  EXPECT_EQ((*presets)[1].Start, "20020101[12:00am-  N / A  ]  Tue.01");

  // An empty body, or no service at all, keeps the presets the member had.
  presetReply_ = Header100;
  LoadPresetList();
  EXPECT_EQ(State().PresetTable.Get(), presets);
  server_.stop();
  thread_.join();
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
  std::lock_guard lock(mutex_);
  EXPECT_EQ(logName_, "20011231235958member7.log");
  EXPECT_EQ(logText_, expected);
  EXPECT_EQ(logTarget_, "/servlet/servlet.GetLog?name=20011231235958member7.log&cnt=" + UrlEncode(expected));
  EXPECT_NE(logTarget_.find("Caf%E9+%26+Bar"), std::string::npos);
}

}  // namespace
}  // namespace velomira

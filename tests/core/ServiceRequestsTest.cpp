// The core's own service calls (presets, usage log) against a server on 127.0.0.1.
#include <sys/stat.h>

#include <algorithm>
#include <optional>

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

  // Ends a run at hh:mm:ss of 2001-12-31 and sends its log: "20011231hhmmssmember7.log".
  static void ExitAt(int hour, int minute, int second) {
    SetClocks({2001, 12, 31, hour, minute, second, 0}, {});
    StopUsageRecord();
    SendUsageLog();
  }

  std::vector<std::string> LogNamesReceived() const {
    std::vector<std::string> names;
    for (const test::Received& request : service_.RequestsTo(LogPath)) names.push_back(request.Param("name"));
    return names;
  }

  std::vector<std::filesystem::path> WaitingLogs() const {
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder_.Path() + "Data/UnsentLogs", error))
      files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
  }

  TempFolder folder_;
  CannedService service_;
};

const std::string Header303 = "303" + std::string(29, ' ');

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

TEST_F(ServiceRequestsTest, LogNotTakenIsSentAgainBeforeTheNextRunsOwn) {
  const struct {
    const char* what;
    std::optional<std::string> reply;  // none: HTTP 404
  } refusals[] = {{"error code", Header303}, {"garbage", std::string("<html>busy</html>")},
                  {"empty reply", std::string()}, {"HTTP 404", std::nullopt}};
  for (const auto& refusal : refusals) {
    SCOPED_TRACE(refusal.what);
    service_.ClearRequests();
    if (refusal.reply)
      service_.Reply(LogPath, *refusal.reply);
    else
      service_.Forget(LogPath);
    ExitAt(10, 0, 0);
    const auto waiting = WaitingLogs();
    ASSERT_EQ(waiting.size(), 1u);
    struct stat info {};
    ASSERT_EQ(::stat(waiting[0].c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);

    service_.Reply(LogPath, Header100);
    ExitAt(11, 0, 0);
    EXPECT_EQ(LogNamesReceived(), (std::vector<std::string>{"20011231100000member7.log", "20011231100000member7.log",
                                                            "20011231110000member7.log"}));
    const auto requests = service_.RequestsTo(LogPath);
    EXPECT_EQ(requests[1].Target, requests[0].Target);  // the same log, word for word
    EXPECT_TRUE(WaitingLogs().empty());
  }
}

TEST_F(ServiceRequestsTest, AtMostThirtyLogsWaitAndTheFirstFailureEndsTheRound) {
  service_.Reply(LogPath, Header303);
  for (int run = 1; run <= 31; ++run) ExitAt(12, run, 0);
  EXPECT_EQ(WaitingLogs().size(), UnsentUsageLogLimit);
  // One request per failed exit: the oldest waiting log, never the ones behind it.
  EXPECT_EQ(service_.Count(LogPath), 31);

  // The service now takes every log but the third oldest.
  service_.ClearRequests();
  service_.Reply(LogPath, Header100);
  service_.ReplyWhen(LogPath, "name", "20011231120400member7.log", Header303);
  ExitAt(13, 0, 0);
  EXPECT_EQ(LogNamesReceived(), (std::vector<std::string>{"20011231120200member7.log", "20011231120300member7.log",
                                                          "20011231120400member7.log"}));
  EXPECT_EQ(WaitingLogs().size(), 29u);  // 28 behind the refused one, and this run's

  service_.ClearRequests();
  service_.ReplyWhen(LogPath, "name", "20011231120400member7.log", Header100);
  ExitAt(14, 0, 0);
  const std::vector<std::string> names = LogNamesReceived();
  ASSERT_EQ(names.size(), 30u);
  EXPECT_EQ(names.front(), "20011231120400member7.log");
  EXPECT_EQ(names[27], "20011231123100member7.log");
  EXPECT_EQ(names[28], "20011231130000member7.log");
  EXPECT_EQ(names.back(), "20011231140000member7.log");
  EXPECT_TRUE(WaitingLogs().empty());
}

}  // namespace
}  // namespace velomira

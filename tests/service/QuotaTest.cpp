// Usage logs: at most 100 per member a day, and logs and mails together
// under the size cap, the oldest dropped first.
#include <gtest/gtest.h>
#include <unistd.h>

#include <sstream>

#include "MemberLogins.h"
#include "RawHttp.h"
#include "Service.h"

namespace velomira::service::test {
namespace {

class QuotaTest : public ::testing::Test {
protected:
  void SetUp() override {
    char pattern[] = "/tmp/velomira-quota-test-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    folder_ = pattern;
    ServiceConfig config;
    config.dataDir = folder_;
    config.storageCap = storageCap_;
    config.log = &log_;
    service_ = std::make_unique<VelomiraService>(config);
    port_ = service_->bind("127.0.0.1", 0);
    ASSERT_GT(port_, 0);
    ASSERT_TRUE(service_->start());
    auto db = service_->database().acquire();
    OpenLogin(*db, "tester01", "127.0.0.1", service_->config().clock());
  }
  void TearDown() override {
    service_.reset();
    std::filesystem::remove_all(folder_);
  }

  static std::string LogName(int number) {
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "20261210%06d", number);
    return std::string(stamp) + "tester01.log";
  }

  // A log of size bytes, sent as they are or with every byte escaped.
  std::string SendLog(int number, std::size_t size, bool escaped = false) {
    const std::string content(size, 'x');
    RawConnection connection(port_);
    connection.send(ClientRequest("/servlet/servlet.GetLog?name=" + LogName(number) + "&cnt=" +
                                      (escaped ? EscapeEveryByte(content) : content),
                                  port_));
    int status = 0;
    return ReplyBody(connection.receiveAll(std::chrono::seconds(10)), status).substr(0, 3);
  }

  std::vector<std::string> StoredLogs() {
    auto db = service_->database().acquire();
    auto rows = db->prepare("SELECT name FROM usage_logs ORDER BY id");
    std::vector<std::string> names;
    while (rows.next()) names.push_back(rows.text(0));
    return names;
  }

  std::int64_t storageCap_ = 100'000;
  std::filesystem::path folder_;
  std::ostringstream log_;
  std::unique_ptr<VelomiraService> service_;
  int port_ = 0;
};

TEST_F(QuotaTest, PastTheSizeCapTheOldestLogsGo) {
  for (int n = 1; n <= 6; ++n) ASSERT_EQ(SendLog(n, 30'000), "100") << n;
  const auto kept = StoredLogs();
  ASSERT_EQ(kept.size(), 3u);
  EXPECT_EQ(kept.front(), "20261210000004tester01.log");
  EXPECT_EQ(kept.back(), "20261210000006tester01.log");
  EXPECT_NE(log_.str().find("warning: usage logs and outbox over 100000 bytes"), std::string::npos);
}

TEST_F(QuotaTest, AHundredLogsAMemberADay) {
  for (int n = 1; n <= 100; ++n) ASSERT_EQ(SendLog(n, 10), "100") << n;
  EXPECT_EQ(SendLog(101, 10), "304");
  EXPECT_EQ(StoredLogs().size(), 100u);
}

// Logs of a million bytes, every byte escaped: each taken whole, under the
// same cap and the same hundred a day.
class LargeLogQuotaTest : public QuotaTest {
protected:
  LargeLogQuotaTest() { storageCap_ = 2'500'000; }

  std::size_t StoredSize(const std::string& name) {
    auto db = service_->database().acquire();
    auto row = db->prepare("SELECT length(CAST(content AS BLOB)) FROM usage_logs WHERE name = ?");
    row.with(name);
    return row.next() ? static_cast<std::size_t>(row.integer(0)) : 0;
  }
};

TEST_F(LargeLogQuotaTest, PastTheSizeCapTheOldestLargeLogGoes) {
  for (int n = 1; n <= 3; ++n) ASSERT_EQ(SendLog(n, 1'000'000, true), "100") << n;
  const auto kept = StoredLogs();
  ASSERT_EQ(kept.size(), 2u);
  EXPECT_EQ(kept.front(), LogName(2));
  EXPECT_EQ(kept.back(), LogName(3));
  EXPECT_EQ(StoredSize(LogName(2)), 1'000'000u);
  EXPECT_EQ(StoredSize(LogName(3)), 1'000'000u);
  EXPECT_NE(log_.str().find("warning: usage logs and outbox over 2500000 bytes"),
            std::string::npos);
}

TEST_F(LargeLogQuotaTest, AfterAHundredLogsALargeOneIsRefusedToo) {
  for (int n = 1; n <= 99; ++n) ASSERT_EQ(SendLog(n, 10), "100") << n;
  EXPECT_EQ(SendLog(100, 1'000'000, true), "100");
  EXPECT_EQ(StoredSize(LogName(100)), 1'000'000u);
  EXPECT_EQ(SendLog(101, 1'000'000, true), "304");
  EXPECT_EQ(StoredSize(LogName(101)), 0u);
  EXPECT_EQ(StoredLogs().size(), 100u);
}

}  // namespace
}  // namespace velomira::service::test

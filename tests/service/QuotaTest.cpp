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
    config.storageCap = 100'000;
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

  std::string SendLog(int number, std::size_t size) {
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "20261210%06d", number);
    RawConnection connection(port_);
    connection.send(ClientRequest("/servlet/servlet.GetLog?name=" + std::string(stamp) +
                                      "tester01.log&cnt=" + std::string(size, 'x'),
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

}  // namespace
}  // namespace velomira::service::test

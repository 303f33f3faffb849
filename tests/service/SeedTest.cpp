// The sample guide holds every variant the windows display.
#include <algorithm>
#include <ctime>

#include "Seed.h"
#include "ServiceFixture.h"

namespace velomira::service::test {
namespace {

class SeedTest : public ServiceTest {};

std::int64_t Count(Connection& db, const char* sql) {
  auto st = db.prepare(sql);
  return st.next() ? st.integer(0) : 0;
}

TEST_F(SeedTest, EveryVariantIsPresent) {
  const struct {
    const char* what;
    const char* sql;
  } variants[] = {
      {"regular every day", "SELECT COUNT(*) FROM programs WHERE schedule = 'r' AND weekdays = '0'"},
      {"regular some days", "SELECT COUNT(*) FROM programs WHERE schedule = 'r' AND weekdays = '135'"},
      {"play time", "SELECT COUNT(*) FROM programs WHERE play_time <> ''"},
      {"kind s", "SELECT COUNT(*) FROM programs WHERE kind = 's'"},
      {"kind w", "SELECT COUNT(*) FROM programs WHERE kind = 'w'"},
      {"media v", "SELECT COUNT(*) FROM programs WHERE media = 'v'"},
      {"media c", "SELECT COUNT(*) FROM programs WHERE media = 'c'"},
      {"media a", "SELECT COUNT(*) FROM programs WHERE media = 'a'"},
      {"media t", "SELECT COUNT(*) FROM programs WHERE media = 't'"},
      {"second names", "SELECT COUNT(*) FROM programs WHERE second_name <> ''"},
      {"program banners", "SELECT COUNT(*) FROM programs WHERE banner <> '0'"},
      {"station banners", "SELECT COUNT(*) FROM stations WHERE banner IS NOT NULL"},
      {"help topics", "SELECT COUNT(*) FROM help_topics"},
  };
  for (const auto& variant : variants) EXPECT_GT(Count(Db(), variant.sql), 0) << variant.what;

  EXPECT_EQ(Count(Db(), "SELECT COUNT(*) FROM stations"), 40);
  EXPECT_EQ(Count(Db(), "SELECT COUNT(DISTINCT category) FROM sub_categories"), 9);
  EXPECT_EQ(Count(Db(), "SELECT COUNT(DISTINCT category) FROM programs"), 9);
  for (const char* letter : {"p", "d", "s", "e", "a"}) {
    auto banners = Db().prepare("SELECT COUNT(*) FROM banners WHERE instr(windows, ?) > 0");
    banners.with(letter);
    ASSERT_TRUE(banners.next());
    EXPECT_GT(banners.integer(0), 0) << letter;
  }
}

// Searching "live" right now must find something whatever the hour the guide is read at:
// every quarter hour of the seeded week, in every category.
TEST_F(SeedTest, EveryCategoryHasALiveProgramOnAirAtAnyHour) {
  const std::int64_t now = std::time(nullptr);
  for (std::int64_t at = now; at < now + 6 * 86400; at += 900) {
    for (int category = 1; category <= 9; ++category) {
      auto live = Db().prepare(
          "SELECT COUNT(*) FROM programs WHERE category = ? AND start_utc <= ? AND end_utc > ? "
          "AND (title LIKE '%live%' OR description LIKE '%live%')");
      live.with(category, at, at);
      ASSERT_TRUE(live.next());
      ASSERT_GT(live.integer(0), 0) << "category " << category << " at " << at;
    }
  }
}

TEST_F(SeedTest, ProgramsAreOnAirAndUpcomingAroundNow) {
  const std::int64_t now = std::time(nullptr);
  auto onAir = Db().prepare("SELECT COUNT(DISTINCT station_id) FROM programs WHERE start_utc <= ? AND end_utc > ?");
  onAir.with(now, now);
  ASSERT_TRUE(onAir.next());
  EXPECT_EQ(onAir.integer(0), 40);  // every station is on air
  auto lastDay = Db().prepare("SELECT COUNT(*) FROM programs WHERE start_utc > ?");
  lastDay.with(now + 6 * 86400);
  ASSERT_TRUE(lastDay.next());
  EXPECT_GT(lastDay.integer(0), 100);  // a week ahead
}

TEST_F(SeedTest, DemoMemberHasListsAndAPresetAboutToStart) {
  LoginAs();
  const Reply presets = Servlet(std::string("PresetList?usr_id=") + kDemoMemberId);
  const auto records = presets.records();
  ASSERT_EQ(records.size(), 6u);
  // A series' occurrence on air now may come before it.
  const auto preview = std::find_if(records.begin(), records.end(),
                                    [](const auto& record) { return record[5] == "Velomira Preview"; });
  ASSERT_NE(preview, records.end());
  std::tm parts{};
  const std::string start = (*preview)[3];
  parts.tm_year = std::stoi(start.substr(0, 4)) - 1900;
  parts.tm_mon = std::stoi(start.substr(4, 2)) - 1;
  parts.tm_mday = std::stoi(start.substr(6, 2));
  parts.tm_hour = std::stoi(start.substr(8, 2));
  parts.tm_min = std::stoi(start.substr(10, 2));
  const std::int64_t minutesAhead = (timegm(&parts) - std::time(nullptr)) / 60;
  EXPECT_GE(minutesAhead, 3);
  EXPECT_LE(minutesAhead, 5);
  EXPECT_EQ(Servlet("MydbzerList?usr_id=demo").records().size(), 4u);

  // Seeding again leaves the guide as it is.
  EXPECT_FALSE(SeedSampleGuide(service_->database(), std::time(nullptr)).seeded);
}

}  // namespace
}  // namespace velomira::service::test

namespace velomira::service::test {
namespace {

class SeedRenewalTest : public ServiceTest {};

TEST_F(SeedRenewalTest, AStaleSampleGuideGetsTheMissingDays) {
  const std::int64_t now = std::time(nullptr);
  EXPECT_EQ(RenewSampleGuide(service_->database(), now), 0);  // a week ahead already

  const std::int64_t later = now + 5 * 86400;
  EXPECT_EQ(RenewSampleGuide(service_->database(), later), 5);
  EXPECT_EQ(RenewSampleGuide(service_->database(), later), 0);
  auto ahead = Db().prepare(
      "SELECT COUNT(DISTINCT station_id) FROM programs "
      "WHERE start_utc <= ?1 AND end_utc > ?1");
  ahead.with(later + 6 * 86400);
  ASSERT_TRUE(ahead.next());
  EXPECT_EQ(ahead.integer(0), 40);  // still every station on air a week after "later"
  // Regular programs keep their time of day across the added days.
  auto series = Db().prepare(
      "SELECT COUNT(DISTINCT start_utc % 86400) FROM programs WHERE regular_no = 7");
  ASSERT_TRUE(series.next());
  EXPECT_EQ(series.integer(0), 1);
}

}  // namespace
}  // namespace velomira::service::test

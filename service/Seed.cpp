#include "Seed.h"

#include <algorithm>
#include <cstdio>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "Categories.h"
#include "Passwords.h"
#include "SeedCatalogue.h"
#include "ServiceSettings.h"

namespace velomira::service {

namespace {

constexpr std::int64_t kMinute = 60;
constexpr std::int64_t kDay = 24 * 60 * kMinute;
constexpr int kDaysAhead = 7;
constexpr const char* kSampleGuideKey = "sample_guide";
// Weekdays of the regular programs ("0" every day, digits 1 Sunday .. 7 Saturday).
constexpr std::array<const char*, 6> kWeekdayPatterns = {"0", "135", "246", "17", "23456", "7"};

std::string Numbered(const char* format, int number) {
  char text[32];
  std::snprintf(text, sizeof text, format, number);
  return text;
}

int SubCategoryCount(int category) {
  for (const auto& list : sample::kSubCategories) {
    if (list.category != category) continue;
    int count = 0;
    while (count < static_cast<int>(list.names.size()) && list.names[count]) ++count;
    return count;
  }
  return 1;
}

struct ProgramRow {
  int station = 0;
  int category = 0;
  int subCategory = 1;
  char media = 'v';
  std::int64_t start = 0;
  std::int64_t end = 0;
  std::string playTime;
  std::int64_t input = 0;
  std::string title;
  std::string secondName;
  std::string description;
  std::string banner = "0";
  std::string kind = "n";
  std::string schedule = "o";
  std::string weekdays;
  int regularNo = 0;
};

class GuideWriter {
public:
  GuideWriter(Connection& db, std::int64_t now) : db_(db), now_(now), random_(20261210) {}

  void lookups() {
    WriteServiceSettings(db_, ServiceSettings{});
    db_.prepare("INSERT OR REPLACE INTO settings (key, value) VALUES (?, '1')").with(kSampleGuideKey).run();
    for (const auto& list : sample::kSubCategories) {
      for (int i = 0; i < SubCategoryCount(list.category); ++i) {
        db_.prepare("INSERT INTO sub_categories (category, code, name) VALUES (?, ?, ?)")
            .with(list.category, i + 1, list.names[i]).run();
      }
    }
    int position = 0;
    for (const auto& entry : sample::kStationCategories) {
      db_.prepare("INSERT INTO station_categories (code, name, position) VALUES (?, ?, ?)")
          .with(entry.code, entry.name, ++position).run();
    }
    position = 0;
    for (const auto& entry : sample::kStates) {
      db_.prepare("INSERT INTO states (code, name, position) VALUES (?, ?, ?)")
          .with(entry.code, entry.name, ++position).run();
    }
    position = 0;
    for (const auto& topic : sample::kHelpTopics) {
      db_.prepare("INSERT INTO help_topics (position, page, title, log_name, body) "
                  "VALUES (?, ?, ?, ?, ?)")
          .with(++position, topic.page, topic.title, topic.logName, topic.body).run();
    }
  }

  // banner01-05 belong to the guide windows, 06-20 to categories and
  // sub-categories (marks by display position), 21-30 to single programs.
  void banners() {
    static constexpr std::array<const char*, 5> kWindowLetters = {"a", "p", "d", "s", "e"};
    static constexpr std::array<const char*, 6> kSharedMarks = {"m", "1m", "24", "35", "68", "79m"};
    for (int n = 1; n <= 30; ++n) {
      std::string windows, categories, subCategories;
      if (n <= 5) {
        windows = kWindowLetters[n - 1];
      } else if (n <= 14) {
        const int position = n - 5;
        categories = std::to_string(position);
        subCategories = Numbered("%d:1,", position) + Numbered("%d:2", position);
      } else if (n <= 20) {
        categories = kSharedMarks[n - 15];
        const int position = n - 14;
        subCategories = Numbered("%d:3", position);
      }
      const std::string file = Numbered("banner%02d.gif", n);
      db_.prepare("INSERT INTO banners (file, windows, category_marks, sub_category_marks, link, "
                  "position) VALUES (?, ?, ?, ?, ?, ?)")
          .with(file, windows, categories, subCategories, Numbered("/web/promo/banner%02d.htm", n),
                n).run();
    }
  }

  void stations() {
    int id = 0;
    for (const auto& station : sample::kStations) {
      ++id;
      const Category* category = CategoryByCode(station.category);
      auto insert = db_.prepare(
          "INSERT INTO stations (id, name, description, category_code, state_code, icon, banner) "
          "VALUES (?, ?, ?, ?, ?, ?, ?)");
      insert.with(id, station.name,
                  std::string(station.name) + " brings you " + category->name +
                      " around the clock, live on the internet.",
                  station.stationCategory, station.state, Numbered("icon%02d", id));
      if (std::find(sample::kBannerStations.begin(), sample::kBannerStations.end(), id) !=
          sample::kBannerStations.end()) {
        insert.bind(7, Numbered("sttn%02d.gif", id));
      } else {
        insert.bindNull(7);
      }
      insert.run();
    }
  }

  // Every station has a fixed day plan (the same on every run); one of its
  // slots is a regular program on some weekdays, the other slots change from
  // day to day. Writes whole days from firstDay (UTC midnight) on.
  void programs(std::int64_t firstDay, int days) {
    for (int index = 0; index < static_cast<int>(sample::kStations.size()); ++index) {
      const auto& station = sample::kStations[index];
      std::mt19937 planRandom(static_cast<unsigned>(index + 1));
      const std::vector<int> plan = DayPlan(planRandom);
      const int regularSlot = static_cast<int>(planRandom() % (plan.size() - 1));
      const std::string pattern = kWeekdayPatterns[index % kWeekdayPatterns.size()];
      const int series = index + 1;
      const auto& titles = sample::kTitles[station.category - 1];
      const std::string seriesTitle = std::string(titles[(index + 3) % titles.size()]) + " Weekly";
      const int subCount = SubCategoryCount(station.category);
      // The first station of each category is always live, so a search for "live" finds
      // something in every category at any hour.
      const bool leads = std::find_if(sample::kStations.begin(), sample::kStations.end(), [&](const auto& other) {
                           return other.category == station.category;
                         }) == sample::kStations.begin() + index;
      for (int day = 0; day < days; ++day) {
        const std::int64_t date = firstDay + day * kDay;
        const int dayNumber = static_cast<int>(date / kDay);
        const char weekday = static_cast<char>('1' + (dayNumber + 4) % 7);
        for (std::size_t slot = 0; slot + 1 < plan.size(); ++slot) {
          ProgramRow row;
          row.station = index + 1;
          row.category = station.category;
          row.media = station.media;
          row.start = date + plan[slot] * kMinute;
          row.end = date + plan[slot + 1] * kMinute;
          row.input = row.start - 3 * kDay - static_cast<std::int64_t>(random_() % kDay);
          row.description = leads ? sample::kLiveDescriptions[(slot + dayNumber) % 2]
                                  : sample::kDescriptions[(slot + dayNumber) % sample::kDescriptions.size()];
          const bool regular = static_cast<int>(slot) == regularSlot &&
                               (pattern == "0" || pattern.find(weekday) != std::string::npos);
          if (regular) {
            row.title = seriesTitle;
            row.subCategory = 1 + index % subCount;
            row.schedule = "r";
            row.weekdays = pattern;
            row.regularNo = series;
          } else {
            row.title = titles[(dayNumber + slot + index) % titles.size()];
            row.subCategory = 1 + static_cast<int>((index + slot) % subCount);
            Vary(row, slot);
          }
          insert(row);
        }
      }
    }
    // The newest entries of News, Money and Sports, for the ticker's new item.
    for (int category : {1, 6, 5}) {
      db_.prepare("UPDATE programs SET input_utc = ?1 WHERE id = (SELECT id FROM programs "
                  "WHERE category = ?2 AND end_utc > ?3 AND kind = 'n' AND play_time = '' "
                  "ORDER BY start_utc, id LIMIT 1 OFFSET 3)")
          .with(now_ - 10 * kMinute, category, now_ + 2 * 60 * kMinute).run();
    }
  }

  // The demo member's preset starts five whole minutes from now.
  std::int64_t previewProgram() {
    ProgramRow row;
    row.station = 1;
    row.category = 1;
    row.subCategory = 1;
    row.start = (now_ / kMinute + 5) * kMinute;
    row.end = row.start + 30 * kMinute;
    row.input = now_;
    row.title = "Velomira Preview";
    row.secondName = "with the Velomira team";
    row.description = "A first look at what is new on Velomira this week.";
    row.banner = "banner21.gif";
    insert(row);
    previewId_ = db_.lastInsertId();
    return row.start;
  }

  void demoPreviewPreset() { preset(kDemoMemberId, previewId_, 0); }

  void members() {
    const auto hash = HashPassword(kDemoPassword);
    if (!hash) throw std::runtime_error("cannot hash the demo password");
    db_.prepare(
           "INSERT INTO members (id, password_hash, tz_minutes, first_name, last_name, email, "
           "city, state, country, age, gender, conn_tp, letter, login_auto, smmr, start_mode, "
           "created_utc) VALUES (?, ?, 0, 'Demo', 'Listener', 'demo@velomira.example', "
           "'San Francisco', 'CALIFORNIA', 'United States', '25', 'f', '3', 'y', 'n', 'n', 'c', ?)")
        .with(kDemoMemberId, *hash, now_).run();
    // Other listeners make the top-5 list; they cannot log in ("!" is no hash).
    for (int n = 1; n <= 6; ++n) {
      db_.prepare("INSERT INTO members (id, password_hash, tz_minutes, first_name, email, "
                  "start_mode, created_utc) VALUES (?, '!', ?, ?, ?, 'a', ?)")
          .with(Numbered("listener%d", n), (n - 3) * 60, Numbered("Listener %d", n),
                Numbered("listener%d@velomira.example", n), now_).run();
    }
    for (const auto& [category, sub] : {std::pair{1, 1}, {2, 1}, {2, 3}, {5, 2}}) {
      db_.prepare("INSERT INTO my_categories (member_id, category, sub_code) VALUES (?, ?, ?)")
          .with(kDemoMemberId, category, sub).run();
    }
    for (int station : {1, 15, 22}) {
      db_.prepare("INSERT INTO my_channels (member_id, station_id, added_utc) VALUES (?, ?, ?)")
          .with(kDemoMemberId, station, now_ - kDay + station).run();  // before any added later
    }
    // Enough presets, plain and repeating, that the demo member's preset list scrolls.
    preset(kDemoMemberId, previewId_, 0);
    preset(kDemoMemberId, SeriesOccurrence(15), 15);
    preset(kDemoMemberId, UpcomingProgram(40), 0);
    preset(kDemoMemberId, SeriesOccurrence(22), 22);
    preset(kDemoMemberId, UpcomingProgram(60), 0);
    preset(kDemoMemberId, UpcomingProgram(90), 0);
    for (int n = 1; n <= 6; ++n) {
      const std::string listener = Numbered("listener%d", n);
      preset(listener, previewId_, 0);
      if (n <= 4) preset(listener, SeriesOccurrence(10), 10);
      if (n <= 3) preset(listener, UpcomingProgram(120), 0);
      if (n <= 2) preset(listener, SeriesOccurrence(3), 3);
      if (n == 1) preset(listener, UpcomingProgram(200), 0);
    }
  }

  int programCount() {
    auto count = db_.prepare("SELECT COUNT(*) FROM programs");
    return count.next() ? static_cast<int>(count.integer(0)) : 0;
  }

private:
  // Slot boundaries in minutes of the day, from 0 to 1440.
  static std::vector<int> DayPlan(std::mt19937& random) {
    static constexpr int kLengths[] = {60, 90, 120, 180, 240};
    std::vector<int> plan{0};
    while (plan.back() < 24 * 60) {
      plan.push_back(std::min(24 * 60, plan.back() + kLengths[random() % 5]));
    }
    return plan;
  }

  // Spreads the variants the windows show over the non-regular programs.
  void Vary(ProgramRow& row, std::size_t slot) {
    const unsigned roll = random_() % 100;
    if (roll < 8) {
      row.kind = "s";  // no page: a click offers a preset
    } else if (roll < 12) {
      row.kind = "w";  // shown with the time it was put in the guide
    } else if (roll < 17) {
      const std::int64_t length = row.end - row.start;
      row.playTime = Numbered("%02d", static_cast<int>(length / 3600)) +
                     Numbered("%02d", static_cast<int>(length % 3600 / 60)) + "00";
    }
    if (row.category == 1 && slot % 5 == 4) row.media = 't';
    if (random_() % 4 == 0) row.secondName = sample::kHosts[random_() % sample::kHosts.size()];
    if (random_() % 10 == 0) row.banner = Numbered("banner%02d.gif", 21 + static_cast<int>(random_() % 10));
  }

  void insert(const ProgramRow& row) {
    db_.prepare(
           "INSERT INTO programs (station_id, category, sub_category, media, start_utc, end_utc, "
           "play_time, input_utc, title, second_name, description, banner, kind, schedule, "
           "weekdays, regular_no) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
        .with(row.station, row.category, row.subCategory, std::string(1, row.media), row.start,
              row.end, row.playTime, row.input, row.title, row.secondName, row.description,
              row.banner, row.kind, row.schedule, row.weekdays, row.regularNo)
        .run();
  }

  std::int64_t SeriesOccurrence(int series) {
    auto row = db_.prepare("SELECT id FROM programs WHERE regular_no = ? AND end_utc > ? "
                           "ORDER BY start_utc LIMIT 1");
    row.with(series, now_);
    return row.next() ? row.integer(0) : 0;
  }

  std::int64_t UpcomingProgram(int rank) {
    // A program that only has a play length has no start to be reminded of, and one shown
    // with the time it was put in the guide shows no start either.
    auto row = db_.prepare("SELECT id FROM programs WHERE start_utc > ? AND regular_no = 0 AND play_time = '' "
                           "AND kind <> 'w' "
                           "ORDER BY start_utc, id LIMIT 1 OFFSET ?");
    row.with(now_ + 60 * kMinute, rank);
    return row.next() ? row.integer(0) : 0;
  }

  void preset(const std::string& member, std::int64_t program, int series) {
    if (program == 0) return;
    db_.prepare("INSERT INTO presets (member_id, program_id, regular_no, added_utc) "
                "VALUES (?, ?, ?, ?)")
        .with(member, program, series, now_).run();
  }

  Connection& db_;
  std::int64_t now_;
  std::mt19937 random_;
  std::int64_t previewId_ = 0;
};

}  // namespace

SeedSummary SeedSampleGuide(Database& database, std::int64_t now) {
  auto connection = database.acquire();
  {
    auto existing = connection->prepare(
        "SELECT (SELECT COUNT(*) FROM programs) + (SELECT COUNT(*) FROM members)");
    if (existing.next() && existing.integer(0) > 0) return {};
  }

  Transaction transaction(*connection);
  GuideWriter writer(*connection, now);
  writer.lookups();
  writer.banners();
  writer.stations();
  writer.programs(now / kDay * kDay - kDay, kDaysAhead + 2);
  SeedSummary summary;
  summary.demoPresetStart = writer.previewProgram();
  writer.members();
  summary.programs = writer.programCount();
  transaction.commit();
  summary.seeded = true;
  summary.stations = static_cast<int>(sample::kStations.size());
  return summary;
}


int RenewSampleGuide(Database& database, std::int64_t now) {
  auto connection = database.acquire();
  std::int64_t lastStart = 0;
  {
    auto marker = connection->prepare(
        "SELECT (SELECT COUNT(*) FROM settings WHERE key = ? AND value = '1'), "
        "(SELECT COALESCE(MAX(p.start_utc), 0) FROM programs p JOIN stations s "
        "ON s.id = p.station_id WHERE s.xmltv_key IS NULL)");
    marker.with(kSampleGuideKey);
    if (!marker.next() || marker.integer(0) == 0) return 0;
    lastStart = marker.integer(1);
  }
  const std::int64_t today = now / kDay * kDay;
  const std::int64_t from = std::max(lastStart / kDay * kDay + kDay, today - kDay);
  const std::int64_t until = today + (kDaysAhead + 1) * kDay;
  if (from + 2 * kDay > until) return 0;  // still reaches far enough ahead

  Transaction transaction(*connection);
  GuideWriter writer(*connection, now);
  const int days = static_cast<int>((until - from) / kDay);
  writer.programs(from, days);
  writer.previewProgram();
  writer.demoPreviewPreset();
  transaction.commit();
  return days;
}

}  // namespace velomira::service

#include "XmltvImport.h"

#include <map>
#include <unordered_map>
#include <utility>

#include "GuideText.h"
#include "XmltvFields.h"
#include "XmltvTimes.h"

namespace velomira::service {

namespace {

constexpr std::size_t kMaxName = 100;
constexpr std::size_t kMaxTitle = 255;
constexpr std::size_t kMaxDescription = 4000;
constexpr int kMaxWarnings = 20;

// Programmes are gathered here first: their ends depend on the programme that
// follows on the channel, and the range they replace on the whole file.
constexpr const char* kStaging = R"SQL(
CREATE TEMP TABLE xmltv_staging (
  seq INTEGER PRIMARY KEY,
  station_id INTEGER NOT NULL,
  start_utc INTEGER NOT NULL,
  stop_utc INTEGER,
  category INTEGER NOT NULL,
  sub_category INTEGER NOT NULL,
  media TEXT NOT NULL,
  title TEXT NOT NULL,
  second_name TEXT NOT NULL,
  description TEXT NOT NULL,
  page TEXT NOT NULL
);
INSERT OR IGNORE INTO station_categories (code, name, position)
  VALUES ('tv', 'TV Channel', (SELECT COALESCE(MAX(position), 0) + 1 FROM station_categories));
INSERT OR IGNORE INTO station_categories (code, name, position)
  VALUES ('radio', 'Radio Station', (SELECT COALESCE(MAX(position), 0) + 1 FROM station_categories));
INSERT OR IGNORE INTO states (code, name, position)
  VALUES ('INT', 'International', (SELECT COALESCE(MAX(position), 0) + 1 FROM states));
)SQL";

// Of two programmes starting together on a channel the later in the file
// stays; a programme ends where the next one on its channel starts, when that
// is earlier than its stop or it has none.
constexpr const char* kMerge = R"SQL(
DELETE FROM xmltv_staging WHERE seq NOT IN
  (SELECT MAX(seq) FROM xmltv_staging GROUP BY station_id, start_utc);
CREATE TEMP TABLE xmltv_ready AS
SELECT station_id, category, sub_category, media, start_utc,
  CASE WHEN next_start IS NOT NULL AND (stop_utc IS NULL OR stop_utc > next_start) THEN next_start
       WHEN stop_utc IS NOT NULL THEN stop_utc
       ELSE start_utc + 3600 END AS end_utc,
  title, second_name, description, page
FROM (SELECT *, LEAD(start_utc) OVER (PARTITION BY station_id ORDER BY start_utc) AS next_start
      FROM xmltv_staging);
DROP TABLE xmltv_staging;
)SQL";

// Programs of the file's stations within its range give way to the new ones;
// presets move to the new program at the same station and start, the others go.
constexpr const char* kSetAside = R"SQL(
CREATE TEMP TABLE xmltv_replaced AS
SELECT p.id, p.station_id, p.start_utc FROM programs p
WHERE p.station_id IN (SELECT DISTINCT station_id FROM xmltv_ready)
  AND p.start_utc >= (SELECT MIN(start_utc) FROM xmltv_ready)
  AND p.start_utc < (SELECT MAX(end_utc) FROM xmltv_ready);
)SQL";
constexpr const char* kInsertNew = R"SQL(
INSERT INTO programs (station_id, category, sub_category, media, start_utc, end_utc, input_utc,
                      title, second_name, description, page)
SELECT station_id, category, sub_category, media, start_utc, end_utc, ?1, title, second_name,
       description, page
FROM xmltv_ready ORDER BY station_id, start_utc
)SQL";
constexpr const char* kMovePresets = R"SQL(
UPDATE presets SET program_id = COALESCE(
  (SELECT n.id FROM xmltv_replaced r JOIN programs n
     ON n.station_id = r.station_id AND n.start_utc = r.start_utc
   WHERE r.id = presets.program_id AND n.id >= ?1),
  program_id)
WHERE program_id IN (SELECT id FROM xmltv_replaced)
)SQL";
constexpr const char* kDropReplaced = R"SQL(
DELETE FROM presets WHERE program_id IN (SELECT id FROM xmltv_replaced);
DELETE FROM programs WHERE id IN (SELECT id FROM xmltv_replaced);
DROP TABLE xmltv_replaced;
DROP TABLE xmltv_ready;
)SQL";

class GuideImport : public XmltvSink {
public:
  GuideImport(Connection& db, const XmltvImportOptions& options) : db_(db), options_(options) {}

  void channel(const XmltvChannel& channel) override {
    if (channel.id.empty()) return skip(channel.line, "a channel without id");
    const std::string name = ToGuideText(channel.name, kMaxName);
    const bool radio = options_.categories->isRadio(channel.id);
    const std::string icon = IconName(channel.icon);
    const std::string page = WebAddress(channel.url);
    const std::string key = Key(channel.id);
    auto known = db_.prepare("SELECT id FROM stations WHERE xmltv_key = ?");
    known.with(key);
    if (known.next()) {
      const std::int64_t id = known.integer(0);
      db_.prepare("UPDATE stations SET name = ?, category_code = ?, icon = ?, page = ? WHERE id = ?")
          .with(name.empty() ? key : name, radio ? "radio" : "tv", icon, page, id).run();
      remember(channel.id, id, radio);
    } else {
      remember(channel.id, insertStation(key, name.empty() ? key : name, radio, icon, page), radio);
    }
  }

  void programme(const XmltvProgramme& programme) override {
    if (programme.channel.empty()) return skip(programme.line, "a programme without channel");
    const auto start = time(programme.start, programme.line);
    if (!start) return skip(programme.line, "start \"" + programme.start + "\" is not a time");
    std::optional<ListingTime> stop;
    if (!programme.stop.empty()) {
      stop = time(programme.stop, programme.line);
      if (!stop) return skip(programme.line, "stop \"" + programme.stop + "\" is not a time");
      if (stop->utc <= start->utc) return skip(programme.line, "it stops before it starts");
    }
    const std::string title = ToGuideText(programme.title, kMaxTitle);
    if (title.empty()) return skip(programme.line, "a programme without title");

    const auto [station, radio] = stationOf(programme.channel);
    const CategoryChoice choice = options_.categories->choose(programme.categories);
    std::string description = ToGuideText(programme.description, kMaxDescription);
    const std::string episode = EpisodeLabel(programme.episodes);
    if (!episode.empty()) description += (description.empty() ? "" : " ") + episode;

    auto insert = db_.prepare(
        "INSERT INTO xmltv_staging (station_id, start_utc, stop_utc, category, sub_category, "
        "media, title, second_name, description, page) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    insert.with(station, start->utc, std::int64_t{0}, choice.category,
                subCategory(choice), radio ? "a" : "v", title,
                ToGuideText(programme.subTitle, kMaxTitle), description, WebAddress(programme.url));
    if (stop) {
      insert.bind(3, stop->utc);
    } else {
      insert.bindNull(3);
    }
    insert.run();
    ++staged_;
  }

  int stations() const { return static_cast<int>(stations_.size()); }
  int staged() const { return staged_; }
  int skipped() const { return skipped_; }

private:
  struct StationEntry {
    std::int64_t id;
    bool radio;
  };

  // Keys are kept as the file has them, only without control bytes.
  static std::string Key(const std::string& id) {
    std::string key;
    for (const char c : id) {
      if (static_cast<unsigned char>(c) >= 0x20) key += c;
    }
    return key.substr(0, kMaxName);
  }

  std::int64_t insertStation(const std::string& key, const std::string& name, bool radio,
                             const std::string& icon, const std::string& page) {
    db_.prepare("INSERT INTO stations (name, description, category_code, state_code, icon, "
                "xmltv_key, page) VALUES (?, '', ?, 'INT', ?, ?, ?)")
        .with(name, radio ? "radio" : "tv", icon, key, page).run();
    return db_.lastInsertId();
  }

  void remember(const std::string& channel, std::int64_t id, bool radio) {
    stations_.insert_or_assign(channel, StationEntry{id, radio});
  }

  // A channel the file never declares becomes a station named by its id.
  StationEntry stationOf(const std::string& channel) {
    if (const auto found = stations_.find(channel); found != stations_.end()) return found->second;
    const std::string key = Key(channel);
    const bool radio = options_.categories->isRadio(channel);
    auto known = db_.prepare("SELECT id FROM stations WHERE xmltv_key = ?");
    known.with(key);
    const std::int64_t id = known.next() ? known.integer(0)
                                         : insertStation(key, ToGuideText(key, kMaxName), radio, "", "");
    remember(channel, id, radio);
    return StationEntry{id, radio};
  }

  int subCategory(const CategoryChoice& choice) {
    const std::string name = ToGuideText(choice.subCategory, kMaxName);
    const auto key = std::make_pair(choice.category, name);
    if (const auto found = subCategories_.find(key); found != subCategories_.end()) return found->second;
    auto known = db_.prepare(
        "SELECT code FROM sub_categories WHERE category = ? AND name = ? COLLATE NOCASE");
    known.with(choice.category, name);
    int code = 0;
    if (known.next()) {
      code = static_cast<int>(known.integer(0));
    } else {
      auto next = db_.prepare(
          "SELECT COALESCE(MAX(code), 0) + 1 FROM sub_categories WHERE category = ?");
      next.with(choice.category);
      code = next.next() ? static_cast<int>(next.integer(0)) : 1;
      db_.prepare("INSERT INTO sub_categories (category, code, name) VALUES (?, ?, ?)")
          .with(choice.category, code, name).run();
    }
    subCategories_.emplace(key, code);
    return code;
  }

  std::optional<ListingTime> time(const std::string& text, int line) {
    auto parsed = ParseListingTime(text, options_.defaultOffsetMinutes);
    if (parsed && parsed->unknownZone) warn(line, "time zone of \"" + text + "\" unknown; read as the default zone");
    return parsed;
  }

  void skip(int line, const std::string& reason) {
    ++skipped_;
    warn(line, "skipped: " + reason);
  }

  void warn(int line, const std::string& message) {
    if (!options_.warnings || ++warnings_ > kMaxWarnings) return;
    *options_.warnings << "line " << line << ": " << message << "\n";
    if (warnings_ == kMaxWarnings) *options_.warnings << "(further warnings left out)\n";
  }

  Connection& db_;
  const XmltvImportOptions& options_;
  std::unordered_map<std::string, StationEntry> stations_;
  std::map<std::pair<int, std::string>, int> subCategories_;
  int staged_ = 0;
  int skipped_ = 0;
  int warnings_ = 0;
};

// A file's indexes grow in one transaction: a larger page cache keeps their
// pages from going to disk and back, for the time of the import only.
class CacheForImport {
public:
  explicit CacheForImport(Connection& db) : db_(db) { db_.exec("PRAGMA cache_size = -16384"); }
  ~CacheForImport() {
    try {
      db_.exec("PRAGMA cache_size = -2000");
    } catch (...) {
    }
  }
  CacheForImport(const CacheForImport&) = delete;
  CacheForImport& operator=(const CacheForImport&) = delete;

private:
  Connection& db_;
};

std::int64_t Scalar(Connection& db, const char* sql) {
  auto count = db.prepare(sql);
  return count.next() ? count.integer(0) : 0;
}

}  // namespace

XmltvImportResult ImportXmltv(Database& database, const std::string& path,
                              const XmltvImportOptions& options) {
  auto db = database.acquire();
  CacheForImport cache(*db);
  Transaction transaction(*db);
  db->exec(kStaging);
  GuideImport import(*db, options);
  XmltvImportResult result;
  result.failure = ReadXmltv(path, import);
  if (result.failure) return result;  // the transaction rolls back

  db->exec(kMerge);
  const int kept = static_cast<int>(Scalar(*db, "SELECT COUNT(*) FROM xmltv_ready"));
  const std::int64_t firstNew = Scalar(*db, "SELECT COALESCE(MAX(id), 0) + 1 FROM programs");
  db->exec(kSetAside);
  db->prepare(kInsertNew).with(options.now).run();
  db->prepare(kMovePresets).with(firstNew).run();
  db->exec(kDropReplaced);
  transaction.commit();
  result.summary.stations = import.stations();
  result.summary.programmes = kept;
  result.summary.skipped = import.skipped() + import.staged() - kept;
  return result;
}

}  // namespace velomira::service

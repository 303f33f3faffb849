#include "ListQueries.h"

#include "ProgramRecords.h"

namespace velomira::service::list_sql {

namespace {

// A program still on the air at the time in parameter now started after this.
std::string EarliestStart(const char* now) {
  return std::string(now) + " - (SELECT COALESCE(MAX(end_utc - start_utc), 0) FROM programs)";
}

std::string Select(const std::string& tail) {
  return std::string("SELECT ") + kProgramColumns + " FROM " + kProgramSource + " " + tail;
}

std::string Count(const std::string& tail) {
  return std::string("SELECT COUNT(*) FROM ") + kProgramSource + " " + tail;
}

std::string SearchFilter(bool indexed) {
  std::string filter =
      std::string("WHERE (?1 = 0 OR p.category = ?1) AND p.end_utc > ?2 AND p.start_utc < ?3 AND "
                  "p.start_utc > ") + EarliestStart("?2") + " AND ";
  if (indexed) {
    return filter +
           "(p.id IN (SELECT rowid FROM programs_text WHERE programs_text MATCH ?4) OR "
           "p.station_id IN (SELECT id FROM stations WHERE name LIKE ?5 ESCAPE '\\'))";
  }
  return filter +
         "(p.title LIKE ?5 ESCAPE '\\' OR p.description LIKE ?5 ESCAPE '\\' OR "
         "s.name LIKE ?5 ESCAPE '\\' OR p.second_name LIKE ?5 ESCAPE '\\')";
}

std::string StationFilter(bool indexed) {
  return std::string(
             " FROM stations WHERE (?1 = '1' OR category_code = ?2) AND (?3 = '1' OR state_code = ?4) "
             "AND ") +
         (indexed ? "id IN (SELECT rowid FROM stations_text WHERE stations_text MATCH ?5)"
                  : "(name LIKE ?5 ESCAPE '\\' OR description LIKE ?5 ESCAPE '\\')");
}

const std::string kChannelFilter =
    std::string("WHERE p.station_id = ?1 AND p.end_utc > ?2 AND p.start_utc > ") + EarliestStart("?2");
const std::string kDailyFilter = "WHERE p.category = ?1 AND p.start_utc >= ?2 AND p.start_utc < ?3";

}  // namespace

const std::string& MyList() {
  static const std::string sql = Select(
      std::string("JOIN my_categories m ON m.category = p.category AND m.sub_code = p.sub_category "
                  "WHERE m.member_id = ?1 AND p.end_utc > ?2 AND p.start_utc > ") +
      EarliestStart("?2") + " ORDER BY p.start_utc, p.id LIMIT ?3");
  return sql;
}

const std::string& NewPrograms() {
  static const std::string sql = Select(
      "WHERE p.category = ?1 AND p.end_utc > ?2 AND p.input_utc <= ?2 "
      "ORDER BY p.input_utc DESC, p.id DESC LIMIT 1");
  return sql;
}

const std::string& FrontList() {
  static const std::string sql = Select(
      "WHERE p.category = ?1 AND (?2 = 0 OR p.sub_category = ?2) AND p.end_utc > ?3 AND "
      "p.start_utc > " + EarliestStart("?3") + " ORDER BY p.start_utc, p.id LIMIT ?4");
  return sql;
}

const std::string& ChannelCount() {
  static const std::string sql = Count(kChannelFilter);
  return sql;
}

const std::string& ChannelPage() {
  static const std::string sql = Select(kChannelFilter + " ORDER BY p.start_utc, p.id LIMIT ?3 OFFSET ?4");
  return sql;
}

const std::string& DailyCount() {
  static const std::string sql = Count(kDailyFilter);
  return sql;
}

const std::string& DailyPage() {
  static const std::string sql =
      Select(kDailyFilter + " ORDER BY p.start_utc, s.name, p.id LIMIT ?4 OFFSET ?5");
  return sql;
}

const std::string& SearchCount(bool indexed) {
  static const std::string sql[] = {Count(SearchFilter(false)), Count(SearchFilter(true))};
  return sql[indexed];
}

const std::string& SearchPage(bool indexed) {
  static const std::string sql[] = {
      Select(SearchFilter(false) + " ORDER BY p.start_utc, p.id LIMIT ?6 OFFSET ?7"),
      Select(SearchFilter(true) + " ORDER BY p.start_utc, p.id LIMIT ?6 OFFSET ?7")};
  return sql[indexed];
}

const std::string& StationCount(bool indexed) {
  static const std::string sql[] = {"SELECT COUNT(*)" + StationFilter(false),
                                    "SELECT COUNT(*)" + StationFilter(true)};
  return sql[indexed];
}

const std::string& StationPage(bool indexed) {
  static const std::string sql[] = {
      "SELECT id, name, description, page" + StationFilter(false) + " ORDER BY name, id LIMIT ?6 OFFSET ?7",
      "SELECT id, name, description, page" + StationFilter(true) + " ORDER BY name, id LIMIT ?6 OFFSET ?7"};
  return sql[indexed];
}

bool IndexCanSearch(std::string_view keyword) {
  if (keyword.size() < 3) return false;
  for (const char c : keyword) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

std::string SearchMatch(std::string_view keyword) {
  std::string match = "\"";
  for (const char c : keyword) {
    if (c == '"') match += '"';
    match += c;
  }
  return match + "\"";
}

std::vector<NamedQuery> IndexedQueries() {
  return {{"my", &MyList()},
          {"new", &NewPrograms()},
          {"front", &FrontList()},
          {"channel count", &ChannelCount()},
          {"channel page", &ChannelPage()},
          {"daily count", &DailyCount()},
          {"daily page", &DailyPage()},
          {"search count", &SearchCount(true)},
          {"search page", &SearchPage(true)},
          {"search count, time window", &SearchCount(false)},
          {"search page, time window", &SearchPage(false)},
          {"station count", &StationCount(true)},
          {"station page", &StationPage(true)}};
}

}  // namespace velomira::service::list_sql

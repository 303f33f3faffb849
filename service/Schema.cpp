#include "Schema.h"

#include <string>

#include "Database.h"

namespace velomira::service {

namespace {

// Times are seconds since the epoch in UTC. Category numbers are the
// service codes (1 News, 2 Music, ... 9 Chat Event).
constexpr const char* kSchema = R"SQL(
CREATE TABLE IF NOT EXISTS settings (
  key TEXT PRIMARY KEY,
  value TEXT NOT NULL
);
CREATE TABLE IF NOT EXISTS sub_categories (
  category INTEGER NOT NULL,
  code INTEGER NOT NULL,
  name TEXT NOT NULL,
  PRIMARY KEY (category, code)
);
CREATE TABLE IF NOT EXISTS station_categories (
  code TEXT PRIMARY KEY,
  name TEXT NOT NULL,
  position INTEGER NOT NULL
);
CREATE TABLE IF NOT EXISTS states (
  code TEXT PRIMARY KEY,
  name TEXT NOT NULL,
  position INTEGER NOT NULL
);
CREATE TABLE IF NOT EXISTS stations (
  id INTEGER PRIMARY KEY,
  name TEXT NOT NULL,
  description TEXT NOT NULL,
  category_code TEXT NOT NULL REFERENCES station_categories(code),
  state_code TEXT NOT NULL REFERENCES states(code),
  icon TEXT NOT NULL,
  banner TEXT
);
CREATE TABLE IF NOT EXISTS programs (
  id INTEGER PRIMARY KEY,
  station_id INTEGER NOT NULL REFERENCES stations(id),
  category INTEGER NOT NULL,
  sub_category INTEGER NOT NULL,
  media TEXT NOT NULL,
  start_utc INTEGER NOT NULL,
  end_utc INTEGER NOT NULL,
  play_time TEXT NOT NULL DEFAULT '',
  input_utc INTEGER NOT NULL,
  title TEXT NOT NULL,
  second_name TEXT NOT NULL DEFAULT '',
  description TEXT NOT NULL,
  banner TEXT NOT NULL DEFAULT '0',
  kind TEXT NOT NULL DEFAULT 'n',
  schedule TEXT NOT NULL DEFAULT 'o',
  weekdays TEXT NOT NULL DEFAULT '',
  regular_no INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX IF NOT EXISTS programs_by_category ON programs (category, start_utc);
-- With the end, a station's count of what is still to come needs no table row.
DROP INDEX IF EXISTS programs_by_station;
CREATE INDEX IF NOT EXISTS programs_by_station_time ON programs (station_id, start_utc, end_utc);
CREATE INDEX IF NOT EXISTS programs_by_series ON programs (regular_no, start_utc);
-- The longest program bounds how far back a program still on the air can
-- have started: the lists of what is still to come search from there.
CREATE INDEX IF NOT EXISTS programs_by_length ON programs (end_utc - start_utc);
CREATE INDEX IF NOT EXISTS programs_by_input ON programs (category, input_utc);
CREATE INDEX IF NOT EXISTS programs_by_start ON programs (start_utc);
CREATE TABLE IF NOT EXISTS banners (
  file TEXT PRIMARY KEY,
  windows TEXT NOT NULL,
  category_marks TEXT NOT NULL,
  sub_category_marks TEXT NOT NULL,
  link TEXT NOT NULL,
  position INTEGER NOT NULL
);
CREATE TABLE IF NOT EXISTS help_topics (
  position INTEGER PRIMARY KEY,
  page TEXT NOT NULL,
  title TEXT NOT NULL,
  log_name TEXT NOT NULL,
  body TEXT NOT NULL
);
CREATE TABLE IF NOT EXISTS members (
  id TEXT PRIMARY KEY COLLATE NOCASE,
  password_hash TEXT NOT NULL,
  tz_minutes INTEGER NOT NULL,
  first_name TEXT NOT NULL DEFAULT '',
  last_name TEXT NOT NULL DEFAULT '',
  email TEXT NOT NULL DEFAULT '',
  address TEXT NOT NULL DEFAULT '',
  city TEXT NOT NULL DEFAULT '',
  state TEXT NOT NULL DEFAULT '',
  post TEXT NOT NULL DEFAULT '',
  country TEXT NOT NULL DEFAULT '',
  age TEXT NOT NULL DEFAULT '00',
  gender TEXT NOT NULL DEFAULT '',
  conn_tp TEXT NOT NULL DEFAULT '',
  letter TEXT NOT NULL DEFAULT 'n',
  login_auto TEXT NOT NULL DEFAULT 'n',
  smmr TEXT NOT NULL DEFAULT 'n',
  start_mode TEXT NOT NULL DEFAULT 'c',
  remember TEXT NOT NULL DEFAULT 'N',
  created_utc INTEGER NOT NULL,
  last_login_utc INTEGER
);
CREATE TABLE IF NOT EXISTS my_channels (
  member_id TEXT NOT NULL REFERENCES members(id) COLLATE NOCASE,
  station_id INTEGER NOT NULL REFERENCES stations(id),
  added_utc INTEGER NOT NULL,
  PRIMARY KEY (member_id, station_id)
);
CREATE TABLE IF NOT EXISTS my_categories (
  member_id TEXT NOT NULL REFERENCES members(id) COLLATE NOCASE,
  category INTEGER NOT NULL,
  sub_code INTEGER NOT NULL,
  PRIMARY KEY (member_id, category, sub_code)
);
CREATE TABLE IF NOT EXISTS presets (
  id INTEGER PRIMARY KEY,
  member_id TEXT NOT NULL REFERENCES members(id) COLLATE NOCASE,
  program_id INTEGER NOT NULL REFERENCES programs(id),
  regular_no INTEGER NOT NULL DEFAULT 0,
  added_utc INTEGER NOT NULL,
  marked_start_utc INTEGER
);
CREATE INDEX IF NOT EXISTS presets_by_member ON presets (member_id);
CREATE TABLE IF NOT EXISTS outbox (
  id INTEGER PRIMARY KEY,
  kind TEXT NOT NULL,
  from_name TEXT NOT NULL,
  from_address TEXT NOT NULL,
  to_name TEXT NOT NULL,
  to_address TEXT NOT NULL,
  body TEXT NOT NULL,
  created_utc INTEGER NOT NULL
);
CREATE TABLE IF NOT EXISTS usage_logs (
  id INTEGER PRIMARY KEY,
  name TEXT NOT NULL,
  content TEXT NOT NULL,
  received_utc INTEGER NOT NULL
);
CREATE TABLE IF NOT EXISTS member_logins (
  member_id TEXT NOT NULL COLLATE NOCASE,
  address TEXT NOT NULL,
  last_seen_utc INTEGER NOT NULL,
  PRIMARY KEY (member_id, address)
);
CREATE INDEX IF NOT EXISTS member_logins_by_address ON member_logins (address, last_seen_utc);
CREATE TABLE IF NOT EXISTS xmltv_files (
  name TEXT PRIMARY KEY,
  size INTEGER NOT NULL,
  modified INTEGER NOT NULL
);
CREATE TABLE IF NOT EXISTS pending_passwords (
  member_id TEXT PRIMARY KEY COLLATE NOCASE,
  password_hash TEXT NOT NULL,
  expires_utc INTEGER NOT NULL
);
)SQL";

struct AddedColumn {
  const char* table;
  const char* column;
  const char* definition;
};

// Columns that came with imported listings; databases made before get them
// when opened. xmltv_key is a station's id in its listings, page the web
// page a listing names for a station or program.
constexpr AddedColumn kAddedColumns[] = {
    {"stations", "xmltv_key", "TEXT"},
    {"stations", "page", "TEXT NOT NULL DEFAULT ''"},
    {"programs", "page", "TEXT NOT NULL DEFAULT ''"},
};

constexpr const char* kAddedIndexes = R"SQL(
CREATE UNIQUE INDEX IF NOT EXISTS stations_by_xmltv_key ON stations (xmltv_key)
  WHERE xmltv_key IS NOT NULL;
)SQL";

bool HasColumn(Connection& connection, const AddedColumn& added) {
  auto present = connection.prepare("SELECT COUNT(*) FROM pragma_table_info(?) WHERE name = ?");
  present.with(added.table, added.column);
  return present.next() && present.integer(0) > 0;
}

// Keyword searches find substrings of three characters or more through
// trigram full-text indexes that triggers keep in step with their tables.
constexpr const char* kTextIndexes = R"SQL(
CREATE VIRTUAL TABLE programs_text USING fts5(
  title, second_name, description, content='programs', content_rowid='id', tokenize='trigram');
CREATE TRIGGER programs_text_insert AFTER INSERT ON programs BEGIN
  INSERT INTO programs_text (rowid, title, second_name, description)
  VALUES (new.id, new.title, new.second_name, new.description);
END;
CREATE TRIGGER programs_text_delete AFTER DELETE ON programs BEGIN
  INSERT INTO programs_text (programs_text, rowid, title, second_name, description)
  VALUES ('delete', old.id, old.title, old.second_name, old.description);
END;
CREATE TRIGGER programs_text_update AFTER UPDATE OF title, second_name, description ON programs BEGIN
  INSERT INTO programs_text (programs_text, rowid, title, second_name, description)
  VALUES ('delete', old.id, old.title, old.second_name, old.description);
  INSERT INTO programs_text (rowid, title, second_name, description)
  VALUES (new.id, new.title, new.second_name, new.description);
END;
INSERT INTO programs_text (programs_text) VALUES ('rebuild');
CREATE VIRTUAL TABLE stations_text USING fts5(
  name, description, content='stations', content_rowid='id', tokenize='trigram');
CREATE TRIGGER stations_text_insert AFTER INSERT ON stations BEGIN
  INSERT INTO stations_text (rowid, name, description) VALUES (new.id, new.name, new.description);
END;
CREATE TRIGGER stations_text_delete AFTER DELETE ON stations BEGIN
  INSERT INTO stations_text (stations_text, rowid, name, description)
  VALUES ('delete', old.id, old.name, old.description);
END;
CREATE TRIGGER stations_text_update AFTER UPDATE OF name, description ON stations BEGIN
  INSERT INTO stations_text (stations_text, rowid, name, description)
  VALUES ('delete', old.id, old.name, old.description);
  INSERT INTO stations_text (rowid, name, description) VALUES (new.id, new.name, new.description);
END;
INSERT INTO stations_text (stations_text) VALUES ('rebuild');
)SQL";

bool HasTextIndexes(Connection& connection) {
  auto present = connection.prepare("SELECT 1 FROM sqlite_master WHERE name = 'programs_text'");
  return present.next();
}

void AddMissingColumns(Connection& connection) {
  for (const auto& added : kAddedColumns) {
    if (HasColumn(connection, added)) continue;
    const std::string sql = std::string("ALTER TABLE ") + added.table + " ADD COLUMN " +
                            added.column + " " + added.definition;
    connection.exec(sql.c_str());
  }
}

}  // namespace

void CreateSchema(Connection& connection) {
  connection.exec(kSchema);
  AddMissingColumns(connection);
  connection.exec(kAddedIndexes);
  // Made (and filled from what is there) once, in one go.
  Transaction transaction(connection);
  if (!HasTextIndexes(connection)) connection.exec(kTextIndexes);
  transaction.commit();
}

}  // namespace velomira::service

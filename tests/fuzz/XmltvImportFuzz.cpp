// XMLTV listings with any bytes: the import either refuses the file and leaves
// the guide as it was, or every program it wrote has a title, ends after it
// starts and holds no control byte.
#include <cstdint>
#include <string>

#include "CategoryMap.h"
#include "Database.h"
#include "FuzzSupport.h"
#include "XmltvImport.h"

using namespace velomira::service;
using velomira::fuzz::Require;

namespace {

Database& Guide() {
  static Database database(velomira::fuzz::Scratch().Path() / "velomira.db");
  return database;
}

const CategoryMap& Categories() {
  static const CategoryMap map = [] {
    std::string error;
    auto loaded = CategoryMap::Load(VELOMIRA_XMLTV_MAP, error);
    Require(loaded.has_value(), "the default category map loads");
    return *loaded;
  }();
  return map;
}

// Programs and stations, and a checksum of their texts and times.
std::string Fingerprint(Connection& db) {
  auto row = db.prepare(
      "SELECT (SELECT COUNT(*) || ':' || COALESCE(SUM(length(title) + start_utc + end_utc), 0) "
      "FROM programs) || '/' || (SELECT COUNT(*) || ':' || COALESCE(SUM(length(name)), 0) FROM stations)");
  return row.next() ? row.text(0) : std::string();
}

bool HasControlByte(const std::string& text) {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) < 0x20) return true;
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static std::int64_t run = 0;
  const auto file = velomira::fuzz::Scratch().Path() / "listing.xml";
  velomira::fuzz::WriteFileBytes(file, std::string_view(reinterpret_cast<const char*>(data), size));

  std::string before;
  {
    auto db = Guide().acquire();
    before = Fingerprint(*db);
  }
  XmltvImportOptions options;
  options.categories = &Categories();
  options.now = ++run;  // marks the programs of this run
  const auto result = ImportXmltv(Guide(), file.string(), options);

  auto db = Guide().acquire();
  if (result.failure) {
    Require(Fingerprint(*db) == before, "a refused file changes nothing");
    return 0;
  }
  auto rows = db->prepare(
      "SELECT p.title, p.second_name, p.description, p.start_utc, p.end_utc, s.name "
      "FROM programs p JOIN stations s ON s.id = p.station_id WHERE p.input_utc = ?");
  rows.with(run);
  int written = 0;
  while (rows.next()) {
    ++written;
    Require(!rows.text(0).empty(), "a program has a title");
    Require(rows.integer(4) > rows.integer(3), "a program ends after it starts");
    for (int column : {0, 1, 2, 5}) Require(!HasControlByte(rows.text(column)), "texts hold no control byte");
  }
  Require(written == result.summary.programmes, "the summary counts the programs written");
  return 0;
}

// Presets: the programs a member wants to be reminded of. A preset of a
// regular (weekly) program stands for its whole series and is shown as the
// series' next occurrence.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "Framing.h"
#include "ProgramRecords.h"
#include "ReplyCodes.h"
#include "Servlet.h"

namespace velomira::service {

namespace {

// The member's presets, each resolved to the occurrence it stands for now.
const std::string& PresetSql() {
  static const std::string sql =
      std::string("SELECT ") + kProgramColumns +
      ", r.marked_start_utc FROM presets r JOIN programs p ON p.id = CASE WHEN r.regular_no > 0 "
      "THEN (SELECT q.id FROM programs q WHERE q.regular_no = r.regular_no AND q.end_utc > ?2 "
      "ORDER BY q.start_utc LIMIT 1) ELSE r.program_id END "
      "JOIN stations s ON s.id = p.station_id "
      "WHERE r.member_id = ?1 AND p.end_utc > ?2 ORDER BY p.start_utc, p.id";
  return sql;
}

constexpr int kMarkedStartColumn = kProgramColumnCount;

std::string ListPresets(ServletCall& call, bool skipRung) {
  const std::string member = call.params.get("usr_id");
  if (member.empty()) return Reply(code::kBadParameters);
  auto rows = call.db.prepare(PresetSql().c_str());
  rows.with(member, call.now);
  RecordWriter out;
  while (rows.next()) {
    // An occurrence whose alarm has rung is not announced again.
    if (skipRung && !rows.isNull(kMarkedStartColumn) &&
        rows.integer(kMarkedStartColumn) == rows.integer(3)) {
      continue;
    }
    WriteProgramRecord(out, rows, call);
  }
  return Reply(code::kOk, out.text());
}

std::string PresetList(ServletCall& call) { return ListPresets(call, true); }
std::string NewPresetList(ServletCall& call) { return ListPresets(call, false); }

// The five programs preset most often that have not ended.
std::string PresetTop5(ServletCall& call) {
  auto ranking = call.db.prepare(
      "SELECT MAX(program_id), regular_no, COUNT(*) AS n FROM presets "
      "GROUP BY CASE WHEN regular_no > 0 THEN -regular_no ELSE program_id END "
      "ORDER BY n DESC, MAX(program_id) LIMIT 50");
  std::vector<std::pair<std::int64_t, std::int64_t>> ranked;
  while (ranking.next()) ranked.emplace_back(ranking.integer(0), ranking.integer(1));

  RecordWriter out;
  for (const auto& [programId, regularNo] : ranked) {
    if (out.records() == 5) break;
    auto program = call.db.prepare(
        "SELECT id, title, start_utc, end_utc, schedule, regular_no FROM programs "
        "WHERE end_utc > ?3 AND ((?2 > 0 AND regular_no = ?2) OR (?2 = 0 AND id = ?1)) "
        "ORDER BY start_utc LIMIT 1");
    program.with(programId, regularNo, call.now);
    if (!program.next()) continue;
    const std::string id = program.text(0);
    out.field(id).field(program.text(1)).field(ServiceTime(program.integer(2)))
        .field(ServiceTime(program.integer(3))).field(call.link("/web/program/" + id + ".htm"))
        .field(program.text(4)).field(program.integer(5));
    out.endRecord();
  }
  return Reply(code::kOk, out.text());
}

std::string AddPreset(ServletCall& call, const std::string& member) {
  const auto programId = call.params.number("prgm_id");
  if (!programId) return Reply(code::kBadParameters);
  auto known = call.db.prepare(
      "SELECT (SELECT COUNT(*) FROM members WHERE id = ?1), "
      "(SELECT regular_no FROM programs WHERE id = ?2)");
  known.with(member, *programId);
  if (!known.next() || known.integer(0) == 0 || known.isNull(1)) return Reply(code::kNotFound);
  const std::string isRegular = call.params.get("is_reg");
  const std::int64_t series =
      !isRegular.empty() && (isRegular[0] == 'r' || isRegular[0] == 'R') ? known.integer(1) : 0;

  auto present = call.db.prepare(
      "SELECT 1 FROM presets WHERE member_id = ?1 AND "
      "((?3 > 0 AND regular_no = ?3) OR (?3 = 0 AND regular_no = 0 AND program_id = ?2))");
  present.with(member, *programId, series);
  if (present.next()) return Reply(code::kAlreadyPresent);
  call.db.prepare(
      "INSERT INTO presets (member_id, program_id, regular_no, added_utc) VALUES (?, ?, ?, ?)")
      .with(member, *programId, series, call.now).run();
  return Reply(code::kOk);
}

// prgm_id holds "program,-:" for a single program and "program,series:" for a
// regular one, several run together.
std::string DeletePresets(ServletCall& call, const std::string& member) {
  std::string_view keys;
  const std::string text = call.params.get("prgm_id");
  keys = text;
  int deleted = 0;
  int valid = 0;
  while (!keys.empty()) {
    const auto end = keys.find(':');
    const std::string_view key = keys.substr(0, end);
    keys = end == std::string_view::npos ? std::string_view() : keys.substr(end + 1);
    if (key.empty()) continue;
    const auto comma = key.find(',');
    const auto programId = ParseNumber(key.substr(0, comma));
    if (!programId) continue;
    const std::string_view series =
        comma == std::string_view::npos ? std::string_view("-") : key.substr(comma + 1);
    const auto seriesNo = series == "-" ? std::optional<std::int64_t>(0) : ParseNumber(series);
    if (!seriesNo) continue;
    ++valid;
    auto remove = call.db.prepare(
        "DELETE FROM presets WHERE member_id = ?1 AND "
        "((?3 > 0 AND regular_no = ?3) OR (?3 = 0 AND program_id = ?2))");
    remove.with(member, *programId, *seriesNo).run();
    deleted += call.db.changes();
  }
  if (valid == 0) return Reply(code::kBadParameters);
  return Reply(deleted > 0 ? code::kOk : code::kNotFound);
}

// The client tells the service that a preset's alarm rang.
std::string MarkPreset(ServletCall& call, const std::string& member) {
  const auto programId = call.params.number("prgm_id");
  if (!programId) return Reply(code::kBadParameters);
  auto mark = call.db.prepare(
      "UPDATE presets SET marked_start_utc = (SELECT start_utc FROM programs WHERE id = ?2) "
      "WHERE member_id = ?1 AND (program_id = ?2 OR (regular_no > 0 AND regular_no = "
      "(SELECT regular_no FROM programs WHERE id = ?2)))");
  mark.with(member, *programId).run();
  return Reply(call.db.changes() > 0 ? code::kOk : code::kNotFound);
}

std::string PresetEdit(ServletCall& call) {
  const std::string member = call.params.get("usr_id");
  const std::string mode = call.params.get("mode");
  if (member.empty()) return Reply(code::kBadParameters);
  if (mode == "add") return AddPreset(call, member);
  if (mode == "del") return DeletePresets(call, member);
  if (mode == "mark") return MarkPreset(call, member);
  return Reply(code::kBadParameters);
}

}  // namespace

void RegisterPresetServlets(ServletTable& table) {
  table.add("PresetList", PresetList);
  table.add("New_PresetList", NewPresetList);
  table.add("PresetTop5", PresetTop5);
  table.add("PresetEdit", PresetEdit);
}

}  // namespace velomira::service

// Stations: the search of the channel window and the member's own channels.
#include <string>

#include "Framing.h"
#include "ListQueries.h"
#include "ProgramRecords.h"
#include "ReplyCodes.h"
#include "Servlet.h"

namespace velomira::service {

namespace {

// Stations by station category and state ("all" for any) and keyword.
std::string ChannelSearchList(ServletCall& call) {
  const std::string category = Trim(call.params.get("cate1"));
  const std::string state = Trim(call.params.get("loc"));
  const std::string keyword = Trim(call.params.get("keywd"));
  if (!call.params.has("keywd") || keyword.size() > 100 || category.size() > 20 ||
      state.size() > 20) {
    return Reply(code::kBadParameters);
  }
  // The client sends empty codes when its lookup files are missing.
  const std::string anyCategory = category.empty() || category == "all" ? "1" : "0";
  const std::string anyState = state.empty() || state == "all" ? "1" : "0";
  const bool indexed = list_sql::IndexCanSearch(keyword);
  const std::string match = indexed ? list_sql::SearchMatch(keyword) : LikeContains(keyword);
  auto counter = call.db.prepare(list_sql::StationCount(indexed).c_str());
  counter.with(anyCategory, category, anyState, state, match);
  const std::int64_t count = counter.next() ? counter.integer(0) : 0;
  const auto page = RequestedPage(call.params, count);
  if (!page) return Reply(code::kBadParameters);
  auto rows = call.db.prepare(list_sql::StationPage(indexed).c_str());
  rows.with(anyCategory, category, anyState, state, match, kPageSize, page->offset());
  RecordWriter out;
  while (rows.next()) {
    const std::string id = rows.text(0);
    out.field(id).field(rows.text(1)).field(PageLink(call, "/web/station/" + id + ".htm", rows.text(3)))
        .field(rows.text(2)).field(page->number).field(page->total);
    out.endRecord();
  }
  return Reply(code::kOk, out.text());
}

std::string ChannelMyList(ServletCall& call) {
  const std::string member = call.params.get("usr_id");
  if (member.empty()) return Reply(code::kBadParameters);
  auto rows = call.db.prepare(
      "SELECT s.id, s.name FROM my_channels m JOIN stations s ON s.id = m.station_id "
      "WHERE m.member_id = ? ORDER BY m.added_utc, s.name");
  rows.with(member);
  RecordWriter out;
  while (rows.next()) {
    out.field(rows.text(0)).field(rows.text(1));
    out.endRecord();
  }
  return Reply(code::kOk, out.text());
}

std::string ChannelEdit(ServletCall& call) {
  const std::string member = call.params.get("usr_id");
  const std::string mode = call.params.get("mode");
  const auto station = call.params.number("sttn_id");
  if (member.empty() || !station || (mode != "add" && mode != "del")) {
    return Reply(code::kBadParameters);
  }
  if (mode == "del") {
    call.db.prepare("DELETE FROM my_channels WHERE member_id = ? AND station_id = ?")
        .with(member, *station).run();
    return Reply(code::kOk);
  }
  auto known = call.db.prepare(
      "SELECT (SELECT COUNT(*) FROM members WHERE id = ?1), "
      "(SELECT COUNT(*) FROM stations WHERE id = ?2)");
  known.with(member, *station);
  if (!known.next() || known.integer(0) == 0 || known.integer(1) == 0) {
    return Reply(code::kNotFound);
  }
  auto insert = call.db.prepare(
      "INSERT OR IGNORE INTO my_channels (member_id, station_id, added_utc) VALUES (?, ?, ?)");
  insert.with(member, *station, call.now).run();
  return Reply(call.db.changes() == 0 ? code::kAlreadyPresent : code::kOk);
}

}  // namespace

void RegisterChannelServlets(ServletTable& table) {
  table.add("ChannelSearchList", ChannelSearchList);
  table.add("ChannelMyList", ChannelMyList);
  table.add("ChannelEdit", ChannelEdit);
}

}  // namespace velomira::service

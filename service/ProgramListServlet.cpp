// servlet.GetProgramList: the program lists of the main window (my, new and the
// category lists announced by a_front_url), the channel, daily and search windows.
#include <limits>
#include <string>

#include "Categories.h"
#include "ListQueries.h"
#include "ProgramRecords.h"
#include "ReplyCodes.h"
#include "Servlet.h"

namespace velomira::service {

namespace {

constexpr std::int64_t kHour = 3600;
constexpr std::int64_t kDay = 24 * kHour;
constexpr int kMainListLength = 40;

bool MemberExists(ServletCall& call, const std::string& id) {
  auto st = call.db.prepare("SELECT 1 FROM members WHERE id = ?");
  st.with(id);
  return st.next();
}

// The whole list in one reply (the main window does not page).
std::string WholeList(ServletCall& call, Statement& rows) {
  RecordWriter out;
  while (rows.next()) WriteProgramRecord(out, rows, call);
  return Reply(code::kOk, out.text());
}

// One page of a paged list; countSql and pageSql share their filter values,
// pageSql takes limit and offset after them.
template <class... Values>
std::string PagedList(ServletCall& call, const std::string& countSql, const std::string& pageSql,
                      const Values&... values) {
  auto counter = call.db.prepare(countSql.c_str());
  counter.with(values...);
  const std::int64_t count = counter.next() ? counter.integer(0) : 0;
  const auto page = RequestedPage(call.params, count);
  if (!page) return Reply(code::kBadParameters);
  auto rows = call.db.prepare(pageSql.c_str());
  rows.with(values..., kPageSize, page->offset());
  RecordWriter out;
  while (rows.next()) WriteProgramRecord(out, rows, call, page->number, page->total);
  return Reply(code::kOk, out.text());
}

std::string MyList(ServletCall& call) {
  const std::string member = call.params.get("usr_id");
  if (member.empty()) return Reply(code::kBadParameters);
  if (!MemberExists(call, member)) return Reply(code::kNotFound);
  auto any = call.db.prepare("SELECT 1 FROM my_categories WHERE member_id = ?");
  any.with(member);
  if (!any.next()) return Reply(code::kNoOwnList);
  auto rows = call.db.prepare(list_sql::MyList().c_str());
  rows.with(member, call.now, kMainListLength);
  return WholeList(call, rows);
}

// The newest program of News, Money or Sports, as one record.
std::string NewPrograms(ServletCall& call) {
  const Category* category = CategoryByNewCode(call.params.get("cate1"));
  if (!category) return Reply(code::kBadParameters);
  auto rows = call.db.prepare(list_sql::NewPrograms().c_str());
  rows.with(category->code, call.now);
  return WholeList(call, rows);
}

// A category's list or one of its sub-categories' (the a_front_url addresses).
std::string FrontList(ServletCall& call) {
  const auto code = call.params.number("cate1");
  const auto sub = call.params.has("sub") ? call.params.number("sub") : std::optional<std::int64_t>(0);
  if (!code || !CategoryByCode(*code) || !sub || *sub < 0) return Reply(code::kBadParameters);
  auto rows = call.db.prepare(list_sql::FrontList().c_str());
  rows.with(*code, *sub, call.now, kMainListLength);
  return WholeList(call, rows);
}

// Record 0 describes the station; the programs follow, one page at a time.
std::string ChannelList(ServletCall& call) {
  const auto station = call.params.number("channel_id");
  if (!station) return Reply(code::kBadParameters);
  auto info = call.db.prepare("SELECT id, name, description, icon, page FROM stations WHERE id = ?");
  info.with(*station);
  if (!info.next()) return Reply(code::kNotFound);

  auto counter = call.db.prepare(list_sql::ChannelCount().c_str());
  counter.with(*station, call.now);
  const std::int64_t count = counter.next() ? counter.integer(0) : 0;
  const auto page = RequestedPage(call.params, count);
  if (!page) return Reply(code::kBadParameters);

  RecordWriter out;
  const std::string id = info.text(0);
  const std::string stationPage = PageLink(call, "/web/station/" + id + ".htm", info.text(4));
  out.field(id).field(info.text(3)).field("v").field("").field("").field(info.text(1))
      .field(stationPage).field(info.text(1)).field(stationPage).field(" ").field("")
      .field(info.text(2)).field("0").field("s").field("o").field("").field(0)
      .field(page->number).field(page->total);
  out.endRecord();
  auto rows = call.db.prepare(list_sql::ChannelPage().c_str());
  rows.with(*station, call.now, kPageSize, page->offset());
  while (rows.next()) WriteProgramRecord(out, rows, call, page->number, page->total);
  return Reply(code::kOk, out.text());
}

// The programs of one category starting on the member's next given weekday.
std::string DailyList(ServletCall& call) {
  const auto code = call.params.number("cate1");
  const auto day = call.params.number("day");
  const auto gmt = call.params.number("gmt");
  if (!code || !CategoryByCode(*code) || !day || *day < 1 || *day > 7 || !gmt || *gmt < -12 ||
      *gmt > 14) {
    return Reply(code::kBadParameters);
  }
  const std::int64_t memberNow = call.now + *gmt * kHour;
  const std::int64_t memberDay = memberNow / kDay;
  const std::int64_t weekday = (memberDay + 4) % 7;  // 1 January 1970 was a Thursday
  const std::int64_t ahead = (*day - 1 - weekday + 7) % 7;
  const std::int64_t from = (memberDay + ahead) * kDay - *gmt * kHour;

  return PagedList(call, list_sql::DailyCount(), list_sql::DailyPage(), *code, from, from + kDay);
}

// Programs matching a keyword in a category (0 = all) and a time window.
std::string SearchList(ServletCall& call) {
  const auto code = call.params.number("cate1");
  const std::string keyword = Trim(call.params.get("keywd"));
  const std::string time = Trim(call.params.get("se_time"));
  if (!code || (*code != 0 && !CategoryByCode(*code)) || !call.params.has("keywd") ||
      keyword.size() > 100) {
    return Reply(code::kBadParameters);
  }
  std::int64_t from = call.now;
  std::int64_t to = std::numeric_limits<std::int64_t>::max();
  if (time == "rn") {
    to = call.now + 1;
  } else if (time != "all") {
    // The client's windows end this many hours after the current hour,
    // rounded to the nearest hour, and last three hours.
    const auto hours = ParseNumber(time);
    if (!hours || *hours < 1 || *hours > 24) return Reply(code::kBadParameters);
    const std::int64_t base = call.now - call.now % kHour + (call.now % kHour >= 1800 ? kHour : 0);
    to = base + *hours * kHour;
    from = std::max(call.now, to - 3 * kHour);
  }
  // A time window holds few programs: reading them is quicker than the text
  // index, which pays off for the whole guide ahead.
  const bool indexed = time == "all" && list_sql::IndexCanSearch(keyword);
  return PagedList(call, list_sql::SearchCount(indexed), list_sql::SearchPage(indexed), *code, from,
                   to, list_sql::SearchMatch(keyword), LikeContains(keyword));
}

std::string GetProgramList(ServletCall& call) {
  const std::string mode = call.params.get("mode");
  if (mode == "daily") return DailyList(call);
  if (mode == "front") return FrontList(call);
  if (mode == "my") return MyList(call);
  if (mode == "new") return NewPrograms(call);
  if (mode == "channel") return ChannelList(call);
  if (mode == "search") return SearchList(call);
  return Reply(code::kBadParameters);
}

}  // namespace

void RegisterProgramListServlet(ServletTable& table) {
  table.add("GetProgramList", GetProgramList);
}

}  // namespace velomira::service

#include "ProgramRecords.h"

#include <algorithm>

namespace velomira::service {

const char* const kProgramColumns =
    "p.id, s.icon, p.media, p.start_utc, p.end_utc, p.play_time, p.input_utc, p.title, "
    "s.name, s.id, p.second_name, p.description, p.banner, p.kind, p.schedule, p.weekdays, "
    "p.regular_no, p.page, s.page";

const char* const kProgramSource = "programs p JOIN stations s ON s.id = p.station_id";

namespace {

enum Column {
  kId, kIcon, kMedia, kStart, kEnd, kPlayTime, kInput, kTitle, kStationName, kStationId,
  kSecondName, kDescription, kBanner, kKind, kSchedule, kWeekdays, kRegularNo, kPage, kStationPage,
  kColumnCount
};
static_assert(kColumnCount == kProgramColumnCount);

}  // namespace

std::string PageLink(const ServletCall& call, const std::string& ownPath, const std::string& page) {
  return page.empty() ? call.link(ownPath) : page;
}

void WriteProgramRecord(RecordWriter& out, const Statement& row, const ServletCall& call,
                        int page, int pages) {
  const std::string id = row.text(kId);
  const std::string kind = row.text(kKind);
  const std::string playTime = row.text(kPlayTime);
  const std::string secondName = row.text(kSecondName);
  out.field(id).field(row.text(kIcon)).field(row.text(kMedia));
  if (!kind.empty() && (kind[0] == 'w' || kind[0] == 'W')) {
    // Shown with the time it was put in the guide.
    out.field(ServiceTime(row.integer(kInput))).field("");
  } else if (!playTime.empty()) {
    out.field("pltm" + playTime).field("");
  } else {
    out.field(ServiceTime(row.integer(kStart))).field(ServiceTime(row.integer(kEnd)));
  }
  out.field(row.text(kTitle))
      .field(PageLink(call, "/web/program/" + id + ".htm", row.text(kPage)))
      .field(row.text(kStationName))
      .field(PageLink(call, "/web/station/" + row.text(kStationId) + ".htm", row.text(kStationPage)))
      .field(secondName.empty() ? " " : secondName)
      .field(secondName.empty() ? "" : call.link("/web/host/" + id + ".htm"))
      .field(row.text(kDescription))
      .field(row.text(kBanner))
      .field(kind)
      .field(row.text(kSchedule))
      .field(row.text(kWeekdays))
      .field(row.integer(kRegularNo))
      .field(page)
      .field(pages);
  out.endRecord();
}

std::optional<Page> RequestedPage(const QueryParams& params, std::int64_t count) {
  Page page;
  page.total = static_cast<int>(std::max<std::int64_t>(1, (count + kPageSize - 1) / kPageSize));
  if (params.has("cur_page")) {
    const auto asked = params.number("cur_page");
    if (!asked) return std::nullopt;
    page.number = static_cast<int>(std::clamp<std::int64_t>(*asked, 1, page.total));
  }
  return page;
}

}  // namespace velomira::service

#pragma once
// The 19-field program record shared by every program list and preset list.
#include <cstdint>
#include <optional>
#include <string>

#include "Database.h"
#include "Framing.h"
#include "Query.h"
#include "Servlet.h"

namespace velomira::service {

// Columns every program query selects first, in this order (programs as p,
// stations as s).
extern const char* const kProgramColumns;
inline constexpr int kProgramColumnCount = 19;
extern const char* const kProgramSource;  // "programs p JOIN stations s ..."

// The page a listing named for a program or station, else the service's own
// page at ownPath.
std::string PageLink(const ServletCall& call, const std::string& ownPath, const std::string& page);

// Writes the row's program record; fields 17 and 18 are page and pages.
void WriteProgramRecord(RecordWriter& out, const Statement& row, const ServletCall& call,
                        int page = 1, int pages = 1);

constexpr int kPageSize = 20;

struct Page {
  int number = 1;
  int total = 1;
  int offset() const { return (number - 1) * kPageSize; }
};

// The page asked for by cur_page (page 1 when absent), kept within the pages
// that count rows fill; nothing when cur_page is not a number.
std::optional<Page> RequestedPage(const QueryParams& params, std::int64_t count);

}  // namespace velomira::service

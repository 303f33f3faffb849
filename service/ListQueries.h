#pragma once
// The SQL of the program and station lists, kept together so that a test can
// check that none of them reads the whole programs table.
#include <string>
#include <string_view>
#include <vector>

namespace velomira::service::list_sql {

// Parameters are named in each comment, in order.
const std::string& MyList();          // member, now, limit
const std::string& NewPrograms();     // category, now
const std::string& FrontList();       // category, sub-category or 0, now, limit
const std::string& ChannelCount();    // station, now
const std::string& ChannelPage();     // station, now, limit, offset
const std::string& DailyCount();      // category, from, to
const std::string& DailyPage();       // category, from, to, limit, offset
// Keyword searches: through the text index (keyword from SearchMatch), or,
// within a time window and for keywords the index cannot serve, through LIKE
// on the programs of the window (keyword from LikeContains).
const std::string& SearchCount(bool indexed);  // category or 0, from, to, keyword, station LIKE pattern
const std::string& SearchPage(bool indexed);   // the same, limit, offset
const std::string& StationCount(bool indexed);  // any category, category, any state, state, keyword
const std::string& StationPage(bool indexed);   // the same, limit, offset

// Whether the text index can find keyword: three characters or more, all ASCII.
bool IndexCanSearch(std::string_view keyword);
// keyword as a full-text query for the substring itself.
std::string SearchMatch(std::string_view keyword);

struct NamedQuery {
  const char* name;
  const std::string* sql;
};
// Every query above that must not read the whole programs table.
std::vector<NamedQuery> IndexedQueries();

}  // namespace velomira::service::list_sql

// Every program and station list reads the programs table through an index,
// never from end to end: a guide of a million programs stays quick.
#include "ListQueries.h"
#include "ServiceFixture.h"

namespace velomira::service::test {
namespace {

class QueryPlanTest : public ServiceTest {};

// "SCAN p", "SCAN programs" or "SCAN p USING INDEX ..." read every row;
// "SCAN programs_text VIRTUAL TABLE" is the text index itself.
bool ReadsAllPrograms(const std::string& detail) {
  for (const char* table : {"SCAN p", "SCAN programs"}) {
    const std::string prefix = table;
    if (detail.rfind(prefix, 0) == 0 && (detail.size() == prefix.size() || detail[prefix.size()] == ' ')) {
      return true;
    }
  }
  return false;
}

TEST_F(QueryPlanTest, NoListReadsTheWholeProgramsTable) {
  for (const auto& query : list_sql::IndexedQueries()) {
    SCOPED_TRACE(query.name);
    const std::string sql = "EXPLAIN QUERY PLAN " + *query.sql;
    auto plan = Db().prepare(sql.c_str());
    std::string details;
    while (plan.next()) {
      const std::string detail = plan.text(3);
      details += detail + "\n";
      EXPECT_FALSE(ReadsAllPrograms(detail)) << detail;
    }
    EXPECT_NE(details, "");
  }
}

TEST_F(QueryPlanTest, OnlyKeywordsOfThreeAsciiCharactersOrMoreUseTheTextIndex) {
  for (const char* keyword : {"", "ab", "caf\xE9", "\xE9t\xE9"}) EXPECT_FALSE(list_sql::IndexCanSearch(keyword));
  for (const char* keyword : {"abc", "blue note", "100%"}) EXPECT_TRUE(list_sql::IndexCanSearch(keyword));
  EXPECT_EQ(list_sql::SearchMatch("say \"hi\""), "\"say \"\"hi\"\"\"");
}

}  // namespace
}  // namespace velomira::service::test

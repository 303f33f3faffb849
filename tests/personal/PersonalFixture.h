#pragma once
// The personal windows on the guide windows' fixture, with a sample of sub-category
// lookups: News (service code 1) has three sub-categories, Music (2) one whose name
// holds "&", and Money (6) none.
#include "GuideFixture.h"
#include "core/dFunc.h"

namespace velomira::test {

class PersonalTest : public GuideTest {
 protected:
  void SetUp() override {
    GuideTest::SetUp();
    SubCategoryLists lists;
    lists.Codes[0] = {"1", "2", "4"};
    lists.Names[0] = {"World", "Politics", "Weather"};
    lists.Codes[3] = {"7"};
    lists.Names[3] = {"Hip-Hop & R&B"};
    State().SubCategories.Set(lists);
  }
};

// A MydbzerList record: service code, sub-category code, name.
inline std::string MyEntry(const std::string& code, const std::string& sub) { return code + "\x01" + sub + "\x01name"; }

}  // namespace velomira::test

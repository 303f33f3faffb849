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
    CategoryTextLists codes, names;
    codes[0] = {"1", "2", "4"};
    names[0] = {"World", "Politics", "Weather"};
    codes[3] = {"7"};
    names[3] = {"Hip-Hop & R&B"};
    State().SubCategoryCodes.Set(codes);
    State().SubCategoryNames.Set(names);
  }
};

// A MydbzerList record: service code, sub-category code, name.
inline std::string MyEntry(const std::string& code, const std::string& sub) { return code + "\x01" + sub + "\x01name"; }

}  // namespace velomira::test

// What the preset window asks of the service: the demo member's presets, the top 5,
// and deleting several presets with one request.
#include <algorithm>

#include "ServiceFixture.h"

namespace velomira::service::test {
namespace {

class PresetServletTest : public ServiceTest {
 protected:
  static std::vector<std::vector<std::string>> Presets(const std::string& member) {
    return Servlet("New_PresetList?usr_id=" + member).records();
  }
  static bool Repeating(const std::vector<std::string>& record) { return record[14] == "r"; }
  static std::vector<std::string> Ids(const std::vector<std::vector<std::string>>& records) {
    std::vector<std::string> ids;
    for (const auto& record : records) ids.push_back(record[0]);
    return ids;
  }
};

TEST_F(PresetServletTest, DemoMemberHasPlainAndRepeatingPresetsEnoughToScroll) {
  LoginAs();
  const auto presets = Presets("demo");
  ASSERT_GE(presets.size(), 4u);  // the window shows about three at once
  int repeating = 0;
  for (const auto& record : presets) {
    ASSERT_EQ(record.size(), 19u);
    EXPECT_EQ(record[3].size(), 12u);
    EXPECT_EQ(record[4].size(), 12u);
    EXPECT_FALSE(record[5].empty());
    EXPECT_EQ(record[6].rfind("http://", 0), 0u);
    EXPECT_FALSE(record[7].empty());
    if (Repeating(record)) {
      ++repeating;
      EXPECT_GT(std::stoi(record[16]), 0);
      EXPECT_FALSE(record[15].empty());
    }
  }
  EXPECT_GE(repeating, 2);
  EXPECT_GE(static_cast<int>(presets.size()) - repeating, 2);
}

TEST_F(PresetServletTest, TopFiveNamesTheSeriesOfARepeatingProgram) {
  const auto top = Servlet("PresetTop5").records();
  ASSERT_EQ(top.size(), 5u);
  // Series 10 is preset by four sample listeners: second after the preview.
  EXPECT_EQ(top[1][5], "r");
  EXPECT_EQ(top[1][6], "10");
  for (const auto& record : top) {
    ASSERT_EQ(record.size(), 7u);
    EXPECT_EQ(record[3].size(), 12u);
    EXPECT_EQ(record[4].rfind("http://", 0), 0u);
  }
}

TEST_F(PresetServletTest, KeysRunTogetherDeleteExactlyThosePresets) {
  LoginAs();
  const auto before = Presets("demo");
  const auto plain = std::find_if(before.begin(), before.end(), [](const auto& r) { return r[5] == "Velomira Preview"; });
  const auto series = std::find_if(before.begin(), before.end(), [](const auto& r) { return Repeating(r); });
  ASSERT_NE(plain, before.end());
  ASSERT_NE(series, before.end());
  LoginAs("listener1");
  const std::size_t listenerPresets = Presets("listener1").size();

  // As the client encodes "id,-:id,regular:".
  const std::string keys = (*plain)[0] + "%2C%2D%3A" + (*series)[0] + "%2C" + (*series)[16] + "%3A";
  EXPECT_EQ(Servlet("PresetEdit?mode=del&usr_id=demo&prgm_id=" + keys).code(), "100");

  std::vector<std::string> expected;
  for (const auto& record : before) {
    if (record[0] != (*plain)[0] && record[0] != (*series)[0]) expected.push_back(record[0]);
  }
  EXPECT_EQ(Ids(Presets("demo")), expected);
  // Another member's preset of the same program stays.
  EXPECT_EQ(Presets("listener1").size(), listenerPresets);

  // Deleting them again finds nothing.
  EXPECT_EQ(Servlet("PresetEdit?mode=del&usr_id=demo&prgm_id=" + keys).code(), "250");
}

}  // namespace
}  // namespace velomira::service::test

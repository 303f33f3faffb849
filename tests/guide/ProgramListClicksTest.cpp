// Lighting and clicking the rows of a guide window's program list: partners, the usage
// lines, and the preset offer of labels without a page.
#include "controls/CodePageText.h"
#include "controls/Mouse.h"
#include "ProgramListFixture.h"
#include "controls/THoverLabel.h"
#include "core/dFunc.h"
#include "core/qt/RunRequest.h"

namespace velomira::test {
namespace {

const std::string kStamp = "20261210,213100";

std::string ProgramClicks() {
  std::lock_guard lock(State().Usage.Lock);
  return State().Usage.ProgramClicks;
}

TEST_F(ProgramListTest, EnteringATimeOrDescriptionLabelLightsItsRow) {
  TfrmTestList* window = OpenWith(Reply(Programs(2, {{9, "Second"}})));
  struct Case {
    char Entered;
    std::string Lit;  // the labels of row 0 lit by entering, besides the label itself
  };
  const Case cases[] = {{'T', "DZ"}, {'D', "TZ"}, {'Z', "TD"}, {'S', ""}, {'H', ""}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Entered);
    Enter(Row(window, c.Entered, 0));
    for (char letter : {'T', 'D', 'Z', 'S', 'H'}) {
      if (letter == c.Entered) continue;
      EXPECT_EQ(Row(window, letter, 0)->Entered(), c.Lit.find(letter) != std::string::npos) << letter;
    }
    for (char letter : {'T', 'D', 'Z'}) EXPECT_FALSE(Row(window, letter, 1)->Entered()) << letter;
    Leave(Row(window, c.Entered, 0));
    for (char letter : {'T', 'D', 'Z'}) EXPECT_FALSE(Row(window, letter, 0)->Entered()) << letter;
  }
}

TEST_F(ProgramListTest, ClickingAProgramLabelMarksItsRowAndCountsTheClick) {
  TfrmTestList* window = OpenWith(Reply(Programs(2, {{9, "Second"}, {10, "www.second.test"}})));
  Click(Row(window, 'T', 0));
  EXPECT_TRUE(Row(window, 'D', 0)->Clicked());
  EXPECT_TRUE(Row(window, 'Z', 0)->Clicked());
  EXPECT_FALSE(Row(window, 'S', 0)->Clicked());
  EXPECT_FALSE(Row(window, 'T', 1)->Clicked());
  EXPECT_EQ(ProgramClicks(), "program,P0,icon0,x," + kStamp);

  Click(Row(window, 'Z', 1));
  EXPECT_TRUE(Row(window, 'T', 1)->Clicked());
  EXPECT_TRUE(Row(window, 'D', 1)->Clicked());
  EXPECT_EQ(ProgramClicks(), "program,P0,icon0,x," + kStamp + "\r\nprogram,P1,icon1,x," + kStamp);

  // Station links open their page and count nothing here.
  Click(Row(window, 'S', 0));
  Click(Row(window, 'H', 1));
  EXPECT_EQ(ProgramClicks(), "program,P0,icon0,x," + kStamp + "\r\nprogram,P1,icon1,x," + kStamp);
  EXPECT_EQ(service_.Count("/servlet/servlet.PresetEdit"), 0);
}

TEST_F(ProgramListTest, ALabelWithoutAPageOffersThePreset) {
  service_.Reply("/servlet/servlet.PresetEdit", Reply({}));
  TfrmTestList* window = OpenWith(Reply({Program(0, {{13, "s"}, {14, "r"}, {15, "0"}, {16, "3"}}),
                                         Program(1, {{8, ""}, {14, "n"}, {16, ""}})}));
  const std::string preset0 = "/servlet/servlet.PresetEdit?prgm_id=P0&usr_id=member7&mode=add&is_reg=r&regular_no=3";
  const std::string preset1 = "/servlet/servlet.PresetEdit?prgm_id=P1&usr_id=member7&mode=add&is_reg=n&regular_no=";
  struct Case {
    char Letter;
    int Row;
    std::string Target;
  };
  // Every label of the program without a page, and a station without an address.
  const Case cases[] = {{'T', 0, preset0}, {'D', 0, preset0}, {'Z', 0, preset0}, {'S', 1, preset1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(1, c.Letter) + std::to_string(c.Row));
    service_.ClearRequests();
    BoxAnswerer answerer(1);
    Click(Row(window, c.Letter, c.Row));
    WaitForRequests();
    Settle(20);
    // The start text is characters 2 to 8 of the row's time label.
    const std::string start = FromQString(Row(window, 'D', c.Row)->text()).substr(1, 7);
    EXPECT_EQ(start, "09:30pm");
    ASSERT_EQ(answerer.Messages().size(), 2u);
    EXPECT_NE(answerer.Messages()[0].find("starts on " + start + "."), std::string::npos) << answerer.Messages()[0];
    EXPECT_NE(answerer.Messages()[1].find("saved on your Preset List"), std::string::npos);
    ASSERT_EQ(service_.RequestsTo("/servlet/servlet.PresetEdit").size(), 1u);
    EXPECT_EQ(service_.Targets().front(), c.Target);
    // The member's presets are read again afterwards.
    EXPECT_EQ(service_.Count("/servlet/servlet.PresetList"), 1);
  }
  // Only the program's own labels count as program clicks.
  EXPECT_EQ(ProgramClicks(), "program,P0,icon0,s," + kStamp + "\r\nprogram,P0,icon0,s," + kStamp +
                                 "\r\nprogram,P0,icon0,s," + kStamp);

  // Declined: nothing is sent.
  service_.ClearRequests();
  {
    BoxAnswerer answerer(2);
    Click(Row(window, 'T', 0));
    WaitForRequests();
    Settle(20);
    EXPECT_EQ(answerer.Messages().size(), 1u);
  }
  EXPECT_EQ(service_.Count("/servlet/servlet.PresetEdit"), 0);
}

}  // namespace
}  // namespace velomira::test

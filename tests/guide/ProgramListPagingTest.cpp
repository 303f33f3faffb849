// Loading replies into a guide window's program list and paging through them: the page
// rules, failed and empty replies, records the list cannot make sense of.
#include <QApplication>
#include <QLabel>
#include <QScrollBar>

#include "ProgramListFixture.h"
#include "controls/CodePageText.h"
#include "controls/Mouse.h"
#include "controls/THoverImage.h"
#include "controls/THoverLabel.h"
#include "controls/TPicturePanel.h"
#include "guide/ProgramListPanel.h"

namespace velomira::test {
namespace {

const std::string kPage = "/servlet/servlet.GetProgramList?mode=daily&cate1=4&day=5&gmt=0&cur_page=";

TEST(PageRules, PageFieldsAndButtons) {
  struct Number {
    std::string Field;
    int Page;
  };
  for (const Number& n : {Number{"3", 3}, Number{"12", 12}, Number{"", 1}, Number{"abc", 1}, Number{"0", 1},
                          Number{"-2", 1}, Number{"2x", 1}}) {
    EXPECT_EQ(PageNumber(n.Field), n.Page) << n.Field;
  }

  struct Button {
    int Tag, Current, Total, Page;  // Page 0: no request
  };
  const Button cases[] = {
      {1, 1, 3, 0}, {2, 1, 3, 0}, {3, 1, 3, 2}, {4, 1, 3, 3},  // first page
      {1, 2, 3, 1}, {2, 2, 3, 1}, {3, 2, 3, 3}, {4, 2, 3, 3},  // middle
      {1, 3, 3, 1}, {2, 3, 3, 2}, {3, 3, 3, 0}, {4, 3, 3, 0},  // last page
      {1, 1, 1, 0}, {2, 1, 1, 0}, {3, 1, 1, 0}, {4, 1, 1, 0},  // the only page
      // A reply whose page lies beyond its total never sends the member off the end.
      {3, 5, 3, 3}, {2, 5, 3, 3}, {1, 5, 3, 1}, {4, 5, 3, 3},
      {5, 1, 3, 0}, {0, 2, 3, 0},  // no such button
  };
  for (const Button& c : cases) {
    EXPECT_EQ(PageForButton(c.Tag, c.Current, c.Total), c.Page)
        << "tag " << c.Tag << " on page " << c.Current << " of " << c.Total;
  }
}

TEST_F(ProgramListTest, PagingButtonsRepeatTheRequestForAnotherPage) {
  TfrmTestList* window = OpenWith(Reply(Programs(1)));
  struct Case {
    std::string Current, Total;
    int Tag;
    std::string Sent;  // empty: nothing is sent
  };
  const Case cases[] = {
      {"3", "3", 3, ""}, {"3", "3", 4, ""}, {"3", "3", 1, kPage + "1"}, {"3", "3", 2, kPage + "2"},
      {"1", "3", 1, ""}, {"1", "3", 2, ""}, {"1", "3", 3, kPage + "2"}, {"1", "3", 4, kPage + "3"},
      // Page fields that are not numbers read as page 1 of 1.
      {"x", "", 3, ""},  {"", "y", 1, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("page " + c.Current + " of " + c.Total + ", button " + std::to_string(c.Tag));
    // The page fields of the reply: the request for another page gets the same reply.
    service_.Reply(kListPath, Reply(Programs(6, {{17, c.Current}, {18, c.Total}})));
    window->List->Load(Reply(Programs(6, {{17, c.Current}, {18, c.Total}})));
    service_.ClearRequests();
    Click(window->List->PagingButtons.at(static_cast<std::size_t>(c.Tag - 1)));
    WaitIdle(window);
    EXPECT_EQ(service_.Targets(), c.Sent.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.Sent});
  }
}

TEST_F(ProgramListTest, APageReplyReplacesTheRowsAndThePageLabel) {
  TfrmTestList* window = OpenWith(Reply(Programs(7, {{17, "1"}, {18, "2"}})));
  EXPECT_EQ(window->List->PageLabel->text(), "1 / 2");
  window->List->scbPreset->setValue(4);
  service_.Reply(kListPath, Reply(Programs(3, {{17, "2"}, {18, "2"}, {5, "Later"}})));
  Click(window->List->PagingButtons[2]);
  WaitIdle(window);
  EXPECT_EQ(window->List->PageLabel->text(), "2 / 2");
  EXPECT_EQ(window->List->Records().size(), 3u);
  EXPECT_EQ(window->List->scbPreset->value(), 0);
  EXPECT_EQ(window->List->scbPreset->maximum(), 2);
  EXPECT_EQ(RowLabelNames(window), (std::vector<std::string>{"T0", "D0", "Z0", "S0", "T1", "D1", "Z1", "S1", "T2",
                                                             "D2", "Z2", "S2"}));
  EXPECT_NE(Header(window, TfrmTestList::kHeaderText), nullptr);
  EXPECT_EQ(FromQString(Row(window, 'T', 0)->text()), "Later");
}

TEST_F(ProgramListTest, AFailedReplyKeepsTheListAnEmptyOneShowsTheEmptyView) {
  TfrmTestList* window = OpenWith(Reply(Programs(7, {{17, "1"}, {18, "2"}})));
  window->List->scbPreset->setValue(2);
  service_.Reply(kListPath, "");
  {
    BoxAnswerer answerer;
    Click(window->List->PagingButtons[2]);
    WaitIdle(window);
    Settle(20);
    EXPECT_EQ(answerer.Messages(), std::vector<std::string>{"Please try again later."});
  }
  EXPECT_EQ(window->List->Records().size(), 7u);
  EXPECT_EQ(window->List->scbPreset->value(), 2);
  EXPECT_NE(Row(window, 'T', 2), nullptr);
  EXPECT_EQ(window->List->PageLabel->text(), "1 / 2");
  EXPECT_TRUE(window->Panel->isEnabled());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);

  // Only a header: the list empties and the window shows its empty view.
  service_.Reply(kListPath, Reply({}));
  Click(window->List->PagingButtons[2]);
  WaitIdle(window);
  EXPECT_EQ(window->EmptyViews, 1);
  EXPECT_TRUE(window->List->Records().empty());
  EXPECT_TRUE(RowLabelNames(window).empty());
  EXPECT_NE(Header(window, TfrmTestList::kEmptyText), nullptr);
  EXPECT_EQ(window->List->PageLabel->text(), "1 / 1");
  // Nothing to page through any more.
  service_.ClearRequests();
  for (THoverImage* button : window->List->PagingButtons) Click(button);
  WaitIdle(window);
  EXPECT_TRUE(service_.Targets().empty());
}

TEST_F(ProgramListTest, WhichRepliesCountAsFailed) {
  TfrmTestList* window = OpenWith(Reply(Programs(2)));
  using Result = ProgramListPanel::LoadResult;
  struct Case {
    std::string Reply;
    bool StatusMustBeNumeric;
    Result Expected;
  };
  const std::string record = Program(0);
  const Case cases[] = {
      {"", false, Result::Failed},
      {"", true, Result::Failed},
      {Reply({}), false, Result::Empty},
      {"100", false, Result::Empty},  // shorter than a header
      {Reply({record}), true, Result::Loaded},
      {Reply({record}, "212"), true, Result::Failed},  // an error code
      {Reply({record}, "303"), false, Result::Failed},
      {Reply({record}, "199"), false, Result::Loaded},
      {Reply({record}, "abc"), false, Result::Loaded},
      {Reply({record}, "abc"), true, Result::Failed},
      {Reply({record}, "000"), true, Result::Failed},
      {Reply({record}, "1"), true, Result::Failed},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Reply.substr(0, 3) + (c.StatusMustBeNumeric ? " (numeric)" : ""));
    window->List->Load(Reply(Programs(2)));
    window->List->StatusMustBeNumeric = c.StatusMustBeNumeric;
    BoxAnswerer answerer;
    EXPECT_EQ(window->List->Load(c.Reply), c.Expected);
    Settle(10);
    EXPECT_EQ(answerer.Messages().size(), c.Expected == Result::Failed ? 1u : 0u);
    EXPECT_EQ(window->List->Records().size(), c.Expected == Result::Failed ? 2u : c.Expected == Result::Empty ? 0u : 1u);
  }
}

TEST_F(ProgramListTest, ShortRecordsStillMakeRows) {
  TfrmTestList* window = OpenWith(Reply({"P1\x01icon1\x01v", "", "P3"}));
  ASSERT_EQ(window->List->Records().size(), 3u);
  for (int n = 0; n < 3; ++n) {
    ASSERT_NE(Row(window, 'T', n), nullptr) << n;
    EXPECT_EQ(Row(window, 'T', n)->text(), "");
    EXPECT_EQ(FromQString(Row(window, 'S', n)->text()), "()");
    EXPECT_EQ(Row(window, 'T', n)->Url(), "");
  }
  EXPECT_EQ(window->List->PageLabel->text(), "1 / 1");
  // Clicking the label offers the preset of a program without an ID; the row survives.
  BoxAnswerer answerer(2);
  Click(Row(window, 'T', 0));
  Settle(20);
  EXPECT_EQ(answerer.Messages().size(), 1u);
}

}  // namespace
}  // namespace velomira::test

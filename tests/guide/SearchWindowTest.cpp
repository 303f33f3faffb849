// The search window against the canned service: the time windows from the member's
// clock, the requests a search and its pages send, the keyword checks, failures, and
// the keyboard.
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <functional>

#include "GuideFixture.h"
#include "ListProbe.h"
#include "controls/Mouse.h"
#include "controls/THoverImage.h"
#include "controls/TPicturePanel.h"
#include "core/dFunc.h"
#include "guide/SearchTimes.h"
#include "guide/TfrmSearch.h"

namespace velomira::test {
namespace {

const char* const kList = "/servlet/servlet.GetProgramList";

std::string Search(const std::string& query, int page = 0) {
  const std::string target = std::string(kList) + "?mode=search&" + query;
  return page ? target + "&cur_page=" + std::to_string(page) : target;
}

TEST(SearchTimes, WindowsStartAtTheMembersHourRoundedFromHalfPast) {
  struct Case {
    int hour, minute;
    std::vector<std::string> windows;
  };
  const Case cases[] = {
      {19,
       40,
       {"08 pm - 11 pm", "11 pm - 02 am", "02 am - 05 am", "05 am - 08 am", "08 am - 11 am", "11 am - 02 pm",
        "02 pm - 05 pm", "05 pm - 08 pm"}},
      {23,
       45,
       {"12 am - 03 am", "03 am - 06 am", "06 am - 09 am", "09 am - 12 pm", "12 pm - 03 pm", "03 pm - 06 pm",
        "06 pm - 09 pm", "09 pm - 12 am"}},
      {23,
       29,
       {"11 pm - 02 am", "02 am - 05 am", "05 am - 08 am", "08 am - 11 am", "11 am - 02 pm", "02 pm - 05 pm",
        "05 pm - 08 pm", "08 pm - 11 pm"}},
      // Midnight reads 12 am at the start of the day as at its end.
      {0,
       10,
       {"12 am - 03 am", "03 am - 06 am", "06 am - 09 am", "09 am - 12 pm", "12 pm - 03 pm", "03 pm - 06 pm",
        "06 pm - 09 pm", "09 pm - 12 am"}},
      {11,
       30,
       {"12 pm - 03 pm", "03 pm - 06 pm", "06 pm - 09 pm", "09 pm - 12 am", "12 am - 03 am", "03 am - 06 am",
        "06 am - 09 am", "09 am - 12 pm"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.hour) + ":" + std::to_string(c.minute));
    const std::vector<SearchTime> choices = SearchTimeChoices(c.hour, c.minute);
    ASSERT_EQ(choices.size(), 10u);
    EXPECT_EQ(choices[0].Text, "Anytime");
    EXPECT_EQ(choices[0].Code, "all");
    EXPECT_EQ(choices[1].Text, "right now");
    EXPECT_EQ(choices[1].Code, "rn");
    for (std::size_t i = 0; i < 8; ++i) {
      EXPECT_EQ(choices[i + 2].Text, c.windows[i]) << i;
      EXPECT_EQ(choices[i + 2].Code, std::to_string(3 * (i + 1)));
    }
  }
}

class SearchWindowTest : public GuideTest {
 protected:
  TfrmSearch* Open() {
    auto* window = new TfrmSearch(host_);
    window->Open();
    WaitIdle(window);
    return window;
  }

  void SearchFor(TfrmSearch* window, const QString& keyword, int category = 0, int time = 0) {
    window->TxtKey->setText(keyword);
    window->CmbCate->setCurrentIndex(category);
    window->CmbTime->setCurrentIndex(time);
    Click(window->imgSearch);
    WaitIdle(window);
  }
};

TEST_F(SearchWindowTest, OpensEmptyWithTheTimesOfTheMembersClockAndTheKeyFocused) {
  SetClock(2026, 12, 10, 21, 40);
  State().TimeZoneHours = -2;  // the member's 19:40
  TfrmSearch* window = Open();

  EXPECT_EQ(host_.Shown, window->Panel);
  EXPECT_EQ(window->Panel->objectName(), "PnlSearch");
  EXPECT_EQ(window->Label2->text(), "Search");
  EXPECT_TRUE(window->Label2->toolTip().startsWith("Explore the Net quickly"));
  EXPECT_EQ(State().Usage.SearchOpens, 1);
  EXPECT_EQ(host_.Frame.focusWidget(), window->TxtKey);
  EXPECT_EQ(window->CmbCate->itemText(0), "All Categories");
  EXPECT_EQ(window->CmbCate->count(), 10);
  ASSERT_EQ(window->CmbTime->count(), 10);
  EXPECT_EQ(window->CmbTime->currentIndex(), 0);
  EXPECT_EQ(window->CmbTime->itemText(2), "08 pm - 11 pm");
  EXPECT_EQ(window->CmbTime->itemText(3), "11 pm - 02 am");
  EXPECT_TRUE(HeaderTexts(*window->List).empty());
  EXPECT_TRUE(ListTargets(service_).empty());
}

TEST_F(SearchWindowTest, ASearchSendsCategoryEncodedKeywordAndTimeCode) {
  struct Case {
    QString keyword;
    int category, time;
    std::string query;
  };
  const Case cases[] = {
      {"jazz", 3, 0, "cate1=5&keywd=jazz&se_time=all"},                  // Sports, Anytime
      {"late news", 0, 1, "cate1=0&keywd=late+news&se_time=rn"},         // All Categories, right now
      {"rock & roll", 4, 4, "cate1=2&keywd=rock+%26+roll&se_time=9"},    // Music, the third window
      {"caf\u00e9=1?", 2, 9, "cate1=6&keywd=caf%E9%3D1%3F&se_time=24"},  // Money, the last window
  };
  service_.Reply(kList, Reply({ProgramRecord("P1", "Found")}));
  TfrmSearch* window = Open();
  std::vector<std::string> expected;
  for (const Case& c : cases) {
    SearchFor(window, c.keyword, c.category, c.time);
    expected.push_back(Search(c.query));
  }
  EXPECT_EQ(ListTargets(service_), expected);
}

TEST_F(SearchWindowTest, FoundProgramsCountInTheHeaderAndPagesRepeatTheKeyword) {
  service_.Reply(
      kList, Reply({ProgramRecord("P1", "Late Night Jazz", "1", "2"), ProgramRecord("P2", "Jazz Brunch", "1", "2")}));
  TfrmSearch* window = Open();
  SearchFor(window, "late night");

  EXPECT_EQ(HeaderTexts(*window->List), std::vector<std::string>{"2 program(s) found."});
  EXPECT_EQ(HeaderLabels(*window->List).front()->pos(), QPoint(2, 4));
  EXPECT_EQ(FindRowLabel(window->List->PnlInfo, 'T', 0)->text(), "Late Night Jazz");
  EXPECT_EQ(FindRowLabel(window->List->PnlInfo, 'T', 1)->text(), "Jazz Brunch");
  EXPECT_EQ(PageText(*window->List), "1 / 2");

  // The member may have typed on meanwhile: the page repeats what was searched.
  window->TxtKey->setText("something else");
  window->CmbCate->setCurrentIndex(5);
  service_.Reply(kList, Reply({ProgramRecord("P3", "Night Owls", "2", "2")}));
  Click(window->List->PagingButtons[2]);
  WaitIdle(window);
  EXPECT_EQ(ListTargets(service_).back(), Search("cate1=0&keywd=late+night&se_time=all", 2));
  EXPECT_EQ(HeaderTexts(*window->List), std::vector<std::string>{"1 program(s) found."});
  EXPECT_EQ(PageText(*window->List), "2 / 2");

  // Next on the last page sends nothing; a page without programs shows the count 0.
  Click(window->List->PagingButtons[2]);
  WaitIdle(window);
  EXPECT_EQ(ListTargets(service_).size(), 2u);
  service_.Reply(kList, Reply({}));
  Click(window->List->PagingButtons[0]);
  WaitIdle(window);
  EXPECT_EQ(ListTargets(service_).back(), Search("cate1=0&keywd=late+night&se_time=all", 1));
  EXPECT_EQ(HeaderTexts(*window->List), std::vector<std::string>{"0 program(s) found."});
  EXPECT_EQ(PageText(*window->List), "1 / 1");
}

TEST_F(SearchWindowTest, AnEmptyKeywordIsRefusedAndAFailedSearchKeepsTheList) {
  TfrmSearch* window = Open();
  {
    BoxAnswerer boxes;
    SearchFor(window, "");
    Settle(50);
    EXPECT_EQ(boxes.Messages(), std::vector<std::string>{"Please enter a keyword."});
  }
  EXPECT_TRUE(ListTargets(service_).empty());

  service_.Reply(kList, Reply({ProgramRecord("P1", "Kept", "1", "3")}));
  SearchFor(window, "kept");
  service_.Reply(kList, "");
  {
    BoxAnswerer boxes;
    SearchFor(window, "gone");
    Settle(50);
    EXPECT_EQ(boxes.Messages(), std::vector<std::string>{"Please try again later."});
  }
  EXPECT_EQ(ListTargets(service_).size(), 2u);
  EXPECT_EQ(HeaderTexts(*window->List), std::vector<std::string>{"1 program(s) found."});
  ASSERT_NE(FindRowLabel(window->List->PnlInfo, 'T', 0), nullptr);
  EXPECT_EQ(FindRowLabel(window->List->PnlInfo, 'T', 0)->text(), "Kept");
  EXPECT_EQ(PageText(*window->List), "1 / 3");

  // Nothing found: the count 0 on page 1 of 1.
  service_.Reply(kList, Reply({}));
  SearchFor(window, "nothing");
  EXPECT_EQ(HeaderTexts(*window->List), std::vector<std::string>{"0 program(s) found."});
  EXPECT_EQ(FindRowLabel(window->List->PnlInfo, 'T', 0), nullptr);
  EXPECT_EQ(PageText(*window->List), "1 / 1");
}

// A search the service cannot answer (an HTTP error, an error code in the header, a
// reply cut off as the connection closes) is told; the list, its pages and the search
// the paging bar repeats stay those of the last search shown.
TEST_F(SearchWindowTest, AFailedSearchIsToldAndKeepsTheListAndItsPages) {
  // Each breaks in a service of its own, which the window is pointed at.
  CannedService failing, coded, cutting;
  failing.FailWith(kList, 500);
  coded.Reply(kList, Reply({ProgramRecord("P9", "Lost")}, "303"));
  cutting.Trickle(kList);
  struct Case {
    const char* What;
    CannedService& Broken;
    bool CutOff = false;
  };
  const Case cases[] = {{"HTTP 500", failing}, {"error code", coded}, {"connection closed", cutting, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    service_.Forget(kList);
    service_.Reply(kList, Reply({ProgramRecord("P1", "Kept", "1", "3")}));
    TfrmSearch* window = Open();
    SearchFor(window, "kept");
    c.Broken.PointIniAt(State().MainIniPath);
    {
      BoxAnswerer boxes;
      window->TxtKey->setText("gone");
      Click(window->imgSearch);
      if (c.CutOff) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return cutting.Count(kList) == 1; }, 3000));
        cutting.Stop();
      }
      WaitIdle(window);
      Settle(50);
      EXPECT_EQ(boxes.Messages(), std::vector<std::string>{"Please try again later."});
    }
    EXPECT_EQ(HeaderTexts(*window->List), std::vector<std::string>{"1 program(s) found."});
    ASSERT_NE(FindRowLabel(window->List->PnlInfo, 'T', 0), nullptr);
    EXPECT_EQ(FindRowLabel(window->List->PnlInfo, 'T', 0)->text(), "Kept");
    EXPECT_EQ(PageText(*window->List), "1 / 3");

    service_.PointIniAt(State().MainIniPath);
    service_.Forget(kList);
    service_.Reply(kList, Reply({ProgramRecord("P2", "Page two", "2", "3")}));
    Click(window->List->PagingButtons[2]);
    WaitIdle(window);
    EXPECT_EQ(ListTargets(service_).back(), Search("cate1=0&keywd=kept&se_time=all", 2));
    delete window;
  }
}

// Counts the key presses that reach a control.
class KeyCounter : public QObject {
 public:
  int Presses = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) ++Presses;
    return QObject::eventFilter(watched, event);
  }
};

TEST_F(SearchWindowTest, EnterInTheKeywordSearchesWhileTheSearchIsOpen) {
  service_.Reply(kList, Reply({ProgramRecord("P1", "Found")}));
  TfrmSearch* window = Open();
  KeyCounter panelKeys;
  window->Panel->installEventFilter(&panelKeys);
  window->TxtKey->setText("news");

  for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
    QTest::keyClick(window->TxtKey, key);
    WaitIdle(window);
  }
  EXPECT_EQ(ListTargets(service_), (std::vector<std::string>{Search("cate1=0&keywd=news&se_time=all"),
                                                             Search("cate1=0&keywd=news&se_time=all")}));
  EXPECT_EQ(panelKeys.Presses, 0);  // swallowed
  EXPECT_EQ(FindRowLabel(window->List->PnlInfo, 'T', 0)->text(), "Found");

  // Not while the search button is off.
  window->imgSearch->setEnabled(false);
  QTest::keyClick(window->TxtKey, Qt::Key_Return);
  WaitIdle(window);
  EXPECT_EQ(ListTargets(service_).size(), 2u);
}

}  // namespace
}  // namespace velomira::test

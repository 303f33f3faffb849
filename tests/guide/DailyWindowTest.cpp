// The daily schedule window against the canned service: the day buttons and the
// header's date in the member's time zone, the category numbers sent, the not-found
// view, failures, and paging with the member's offset as it is at the click.
#include <QComboBox>
#include <QLocale>

#include "GuideFixture.h"
#include "ListProbe.h"
#include "controls/Mouse.h"
#include "controls/THoverImage.h"
#include "controls/TPicturePanel.h"
#include "controls/Tag.h"
#include "core/dFunc.h"
#include "guide/CategoryCombo.h"
#include "guide/TfrmDaily.h"

namespace velomira::test {
namespace {

const char* const kList = "/servlet/servlet.GetProgramList";

class DailyWindowTest : public GuideTest {
 protected:
  void SetUp() override {
    GuideTest::SetUp();
    service_.Reply(kList, Reply({}));
  }

  TfrmDaily* Open() {
    auto* window = new TfrmDaily(host_);
    window->Open();
    WaitIdle(window);
    return window;
  }

  void ChooseCategory(TfrmDaily* window, int index) {
    window->CmbCate->setCurrentIndex(index);
    WaitIdle(window);
  }

  void ClickDay(TfrmDaily* window, int day) {
    Click(window->DayButtons[static_cast<std::size_t>(day - 1)]);
    WaitIdle(window);
  }

  // Which day buttons show pressed, Sunday first, as "0001000".
  static std::string PressedDays(const TfrmDaily* window) {
    std::string pressed;
    for (const THoverImage* button : window->DayButtons) pressed += button->Clicked() ? '1' : '0';
    return pressed;
  }

  static std::string Header(const QDate& date, const std::string& choice) {
    return FromQString(QLocale::c().dayName(date.dayOfWeek()) + "," +
                       QLocale::system().toString(date, QLocale::ShortFormat)) +
           "  " + choice;
  }

  static std::string Daily(int cate1, int day, int gmt, int page = 0) {
    std::string target = std::string(kList) + "?mode=daily&cate1=" + std::to_string(cate1) +
                         "&day=" + std::to_string(day) + "&gmt=" + std::to_string(gmt);
    return page ? target + "&cur_page=" + std::to_string(page) : target;
  }
};

TEST_F(DailyWindowTest, OpeningOnAWednesdayPressesItsButtonAndOnlyShowsTheHint) {
  SetClock(2026, 12, 9, 10, 0);  // a Wednesday
  DrawPicture(State().ButtonDir, "daily_edit.gif", 236, 100);
  TfrmDaily* window = Open();

  EXPECT_EQ(host_.Shown, window->Panel);
  EXPECT_EQ(window->Panel->objectName(), "PnlDaily");
  EXPECT_EQ(window->Label2->text(), "Daily Guide");
  EXPECT_EQ(State().Usage.DailyOpens, 1);
  EXPECT_EQ(PressedDays(window), "0001000");
  EXPECT_EQ(window->DayButtons[3]->objectName(), "imgWe");
  EXPECT_EQ(Tag(window->DayButtons[3]), 4);
  EXPECT_TRUE(ListTargets(service_).empty());
  EXPECT_EQ(HeaderTexts(*window->List), std::vector<std::string>{Header(QDate(2026, 12, 9), "HOTTEST STUFF")});
  EXPECT_EQ(HeaderLabels(*window->List).front()->pos(), QPoint(2, 4));
  const TImage* hint = PictureAt(*window->List, QPoint(8, 24));
  ASSERT_NE(hint, nullptr);
  EXPECT_EQ(hint->size(), QSize(236, 100));
  EXPECT_FALSE(window->List->PagingBar->isEnabled());
}

// Without a category the header names the chosen day's date in the coming week, in
// the member's time zone; only the chosen day's button stays pressed.
TEST_F(DailyWindowTest, ChosenDayWithoutCategoryShowsItsDateInTheComingWeek) {
  struct Case {
    const char* what;
    int clockDay, clockHour, offset;  // December 2026, UTC
    int chosen;
    QDate shown;
    const char* choice;
  };
  const Case cases[] = {
      {"Friday on a Wednesday", 9, 10, 0, 6, QDate(2026, 12, 11), "Not select category"},
      {"Sunday on a Saturday is tomorrow", 12, 10, 0, 1, QDate(2026, 12, 13), "Not select category"},
      {"Wednesday on a Thursday is six days on", 10, 10, 0, 4, QDate(2026, 12, 16), "Not select category"},
      {"today again", 12, 10, 0, 7, QDate(2026, 12, 12), "HOTTEST STUFF"},
      {"the member's Friday while UTC is still Thursday", 10, 21, 5, 6, QDate(2026, 12, 11), "HOTTEST STUFF"},
      {"Thursday on the member's Wednesday while UTC is Thursday", 10, 2, -5, 5, QDate(2026, 12, 10),
       "Not select category"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SetClock(2026, 12, c.clockDay, c.clockHour, 31);
    State().TimeZoneHours = c.offset;
    TfrmDaily* window = Open();
    ClickDay(window, c.chosen);
    EXPECT_EQ(window->SelectedDay(), c.chosen);
    std::string pressed(7, '0');
    pressed[static_cast<std::size_t>(c.chosen - 1)] = '1';
    EXPECT_EQ(PressedDays(window), pressed);
    EXPECT_EQ(HeaderTexts(*window->List), std::vector<std::string>{Header(c.shown, c.choice)});
    EXPECT_TRUE(ListTargets(service_).empty());
    delete window;
  }
}

TEST_F(DailyWindowTest, EveryCategorySendsTheServicesNumberForTheChosenDay) {
  const std::pair<const char*, int> numbers[] = {{"News", 1},       {"Money", 6},         {"Sports", 5},
                                                 {"Music", 2},      {"Entertainment", 3}, {"Lifestyle", 4},
                                                 {"Tech & Sci", 7}, {"Mars & Venus", 8},  {"Chat Event", 9}};
  service_.Reply(kList, Reply({ProgramRecord("P1", "Morning Show")}));
  TfrmDaily* window = Open();  // Thursday
  ASSERT_EQ(window->CmbCate->count(), 10);
  EXPECT_EQ(window->CmbCate->itemText(0), "Select Category");
  std::vector<std::string> expected;
  for (int index = 1; index <= 9; ++index) {
    const auto& [name, cate1] = numbers[index - 1];
    SCOPED_TRACE(name);
    ChooseCategory(window, index);
    EXPECT_EQ(FromQString(window->CmbCate->currentText()), name);
    EXPECT_EQ(CategoryNumber(index), cate1);
    expected.push_back(Daily(cate1, 5, 0));
    EXPECT_EQ(HeaderTexts(*window->List), std::vector<std::string>{Header(QDate(2026, 12, 10), name)});
  }
  EXPECT_EQ(ListTargets(service_), expected);
  EXPECT_EQ(CategoryNumber(0), 0);
  EXPECT_EQ(CategoryNumber(10), 0);

  // A day asks for the chosen category on that day; no category asks for nothing.
  service_.ClearRequests();
  ClickDay(window, 1);
  ChooseCategory(window, 0);
  ClickDay(window, 2);
  EXPECT_EQ(ListTargets(service_), std::vector<std::string>{Daily(9, 1, 0)});
  EXPECT_EQ(HeaderTexts(*window->List), std::vector<std::string>{Header(QDate(2026, 12, 14), "Not select category")});
  EXPECT_FALSE(window->List->PagingBar->isEnabled());
}

TEST_F(DailyWindowTest, AMemberWestOfTheServiceSendsANegativeOffset) {
  State().TimeZoneHours = -5;
  TfrmDaily* window = Open();
  ChooseCategory(window, 4);  // Music
  EXPECT_EQ(ListTargets(service_), std::vector<std::string>{Daily(2, 5, -5)});
  EXPECT_NE(ListTargets(service_).front().find("&gmt=-5"), std::string::npos);
}

TEST_F(DailyWindowTest, ProgramsShowUnderTheHeaderAndPageWithTheOffsetOfTheMoment) {
  DrawPicture(State().BasicDir, "icon_P1.gif");
  service_.Reply(kList,
                 Reply({ProgramRecord("P1", "Morning Show", "1", "3"), ProgramRecord("P2", "Noon News", "1", "3")}));
  TfrmDaily* window = Open();
  ChooseCategory(window, 2);  // Money

  EXPECT_EQ(HeaderTexts(*window->List), std::vector<std::string>{Header(QDate(2026, 12, 10), "Money")});
  ASSERT_NE(FindRowLabel(window->List->PnlInfo, 'T', 0), nullptr);
  EXPECT_EQ(FindRowLabel(window->List->PnlInfo, 'T', 0)->text(), "Morning Show");
  EXPECT_EQ(FindRowLabel(window->List->PnlInfo, 'T', 1)->text(), "Noon News");
  EXPECT_EQ(FindRowLabel(window->List->PnlInfo, 'T', 0)->y(), 23 + 6);
  // This window's pictures sit 7 pixels below the row's top.
  EXPECT_NE(PictureAt(*window->List, QPoint(2, 23 + 7)), nullptr);
  EXPECT_EQ(PageText(*window->List), "1 / 3");
  EXPECT_TRUE(window->List->PagingBar->isEnabled());

  // The member changed the offset since: the next page is asked for in the new one.
  State().TimeZoneHours = 3;
  service_.Reply(kList, Reply({ProgramRecord("P3", "Evening Talk", "2", "3")}));
  Click(window->List->PagingButtons[2]);
  WaitIdle(window);
  EXPECT_EQ(ListTargets(service_).back(), Daily(6, 5, 3, 2));
  EXPECT_EQ(FindRowLabel(window->List->PnlInfo, 'T', 0)->text(), "Evening Talk");
  EXPECT_EQ(PageText(*window->List), "2 / 3");

  // A page without programs shows the not-found view; a failed one keeps the list.
  service_.Reply(kList, Reply({}));
  Click(window->List->PagingButtons[3]);
  WaitIdle(window);
  EXPECT_EQ(ListTargets(service_).back(), Daily(6, 5, 3, 3));
  EXPECT_EQ(HeaderTexts(*window->List),
            (std::vector<std::string>{Header(QDate(2026, 12, 10), "Money"), "program(s) not found."}));
  EXPECT_EQ(PageText(*window->List), "1 / 1");
}

// What each way of asking shows when no program comes back: a reply without programs
// shows the not-found view; a failed one (nothing came, an error code, and for a day's
// request a status that is no number) alerts and leaves the window as it was: its
// list, its pressed day and its category.
TEST_F(DailyWindowTest, NoProgramsShowTheNotFoundViewAndFailuresAlertAndKeepTheView) {
  struct Case {
    const char* what;
    bool byDay;  // the category is chosen first, then a day is clicked with this reply
    std::string reply;
    bool failed;
  };
  const Case cases[] = {
      {"category, header only", false, Reply({}), false},
      {"category, nothing at all", false, "", true},
      {"category, error code", false, Reply({ProgramRecord("P9", "Lost")}, "303"), true},
      {"day, header only", true, Reply({}), false},
      {"day, nothing at all", true, "", true},
      {"day, error code", true, Reply({ProgramRecord("P9", "Lost")}, "500"), true},
      {"day, status not a number", true, Reply({ProgramRecord("P9", "Lost")}, "ab"), true},
      {"day, status zero", true, Reply({ProgramRecord("P9", "Lost")}, "000"), true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    service_.Reply(kList, c.byDay ? Reply({ProgramRecord("P1", "Morning Show", "2", "4")}) : c.reply);
    TfrmDaily* window = Open();
    BoxAnswerer boxes;
    ChooseCategory(window, 1);
    if (c.byDay) {
      service_.Reply(kList, c.reply);
      ClickDay(window, 6);
    }
    Settle(50);
    EXPECT_EQ(boxes.Messages(),
              c.failed ? std::vector<std::string>{"Please try again later."} : std::vector<std::string>{});
    const QDate today(2026, 12, 10);
    if (!c.failed) {
      const QDate shown = c.byDay ? QDate(2026, 12, 11) : today;
      EXPECT_EQ(FindRowLabel(window->List->PnlInfo, 'T', 0), nullptr);
      EXPECT_EQ(HeaderTexts(*window->List), (std::vector<std::string>{Header(shown, "News"), "program(s) not found."}));
      EXPECT_EQ(HeaderLabels(*window->List).back()->pos(), QPoint(2, 18));
      EXPECT_EQ(PageText(*window->List), "1 / 1");
    } else if (c.byDay) {
      // Thursday's programs of News, as before the click.
      ASSERT_NE(FindRowLabel(window->List->PnlInfo, 'T', 0), nullptr);
      EXPECT_EQ(FindRowLabel(window->List->PnlInfo, 'T', 0)->text(), "Morning Show");
      EXPECT_EQ(HeaderTexts(*window->List), std::vector<std::string>{Header(today, "News")});
      EXPECT_EQ(PressedDays(window), "0000100");
      EXPECT_EQ(window->SelectedDay(), 5);
      EXPECT_EQ(PageText(*window->List), "2 / 4");
    } else {
      // The hint of a window without a category, which the choice goes back to.
      EXPECT_EQ(window->CmbCate->currentIndex(), 0);
      EXPECT_EQ(HeaderTexts(*window->List), std::vector<std::string>{Header(today, "HOTTEST STUFF")});
    }
    delete window;
  }
}

// Records with missing fields or page fields that are no numbers still show, and the
// paging bar never asks for a page outside 1 to the total.
TEST_F(DailyWindowTest, MalformedRecordsShowAndPagingStaysInRange) {
  service_.Reply(kList, Reply({Record({{0, "P1"}, {5, "Short"}}, 6), ProgramRecord("P2", "Odd pages", "x", "-2")}));
  TfrmDaily* window = Open();
  ChooseCategory(window, 1);
  ASSERT_NE(FindRowLabel(window->List->PnlInfo, 'T', 0), nullptr);
  EXPECT_EQ(FindRowLabel(window->List->PnlInfo, 'T', 0)->text(), "Short");
  EXPECT_EQ(FindRowLabel(window->List->PnlInfo, 'T', 1)->text(), "Odd pages");
  EXPECT_EQ(PageText(*window->List), "1 / 1");
  service_.ClearRequests();
  for (THoverImage* button : window->List->PagingButtons) {
    Click(button);
    WaitIdle(window);
  }
  EXPECT_TRUE(ListTargets(service_).empty());

  // Page 9 of 4: "next" and "end" both ask for the last page, never beyond it.
  service_.Reply(kList, Reply({ProgramRecord("P1", "Past the end", "9", "4")}));
  ChooseCategory(window, 2);
  service_.ClearRequests();
  Click(window->List->PagingButtons[2]);
  WaitIdle(window);
  Click(window->List->PagingButtons[3]);
  WaitIdle(window);
  EXPECT_EQ(ListTargets(service_), (std::vector<std::string>{Daily(6, 5, 0, 4), Daily(6, 5, 0, 4)}));
}

}  // namespace
}  // namespace velomira::test

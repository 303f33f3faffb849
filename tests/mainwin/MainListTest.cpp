// The main list: loading, ticker, banners, new programs, clicks and the usage log.
#include <QAction>
#include <QMenu>
#include <QPointer>
#include <algorithm>
#include <QTest>

#include "MainWindowFixture.h"
#include "core/qt/RunRequest.h"
#include "controls/THoverLabel.h"
#include "controls/TImage.h"
#include "controls/TMyImage.h"
#include "controls/CodePageText.h"
#include "controls/Tag.h"
#include "core/dFunc.h"
#include "mainwin/MainListCycle.h"
#include "mainwin/TickerRules.h"

namespace velomira::test {
namespace {

std::string Lines(int count, const std::string& banner = "0") {
  std::string body;
  for (int i = 1; i <= count; ++i) {
    if (i > 1) body += '\x02';
    body += SampleProgram("P" + std::to_string(i), "www.example.test/p", "x", "v", banner);
  }
  return body;
}

// Line counts after which the ticker put a rotating banner, from the items' order.
std::vector<int> BannerPlaces(const TVelomiraMainList& items) {
  std::vector<int> places;
  int lines = 0;
  for (int i = 0; i < items.Count(); ++i) {
    if (items.Get(i).IsBanner) {
      places.push_back(lines);
    } else {
      ++lines;
    }
  }
  return places;
}

TEST(TickerRules, ZeroStepsFromTheServiceMeanNever) {
  for (int line = 1; line <= 40; ++line) {
    EXPECT_EQ(BannerFollowsLine(line, 0), line == 5) << line;
    EXPECT_FALSE(NewProgramsFollowLine(line, 0, 1)) << line;
  }
}

TEST_F(MainWindowTest, FirstLineIsLaidOutAtOnceAndEntersFromBelow) {
  ServeCategory(4, Framed(Lines(3)));
  TfrmMain* window = Create();
  Choose(window, 4);

  EXPECT_EQ(window->PnlInfo->y(), 233);
  EXPECT_EQ(window->Items.Count(), 1);
  ASSERT_NE(window->RowLabel('T', 0), nullptr);
  EXPECT_EQ(window->RowLabel('T', 0)->text(), "Title P1");
  EXPECT_EQ(window->RowLabel('S', 0)->text(), "(Station)");
  EXPECT_TRUE(window->TimerMain->isActive());
  EXPECT_TRUE(window->TimerTicker->isActive());
  EXPECT_FALSE(window->ListEmpty);

  // The next line becomes an item at the next ticker step but waits below the visible
  // area until the strip has scrolled up far enough.
  Tick(window);
  EXPECT_EQ(window->Items.Count(), 2);
  EXPECT_EQ(window->NextRenderIndex, 1);
  int ticks = 0;
  while (window->NextRenderIndex == 1 && ticks < 1000) {
    window->TimerMainTimer();
    window->TimerListTimer();
    ++ticks;
  }
  EXPECT_EQ(window->NextRenderIndex, 2);
  EXPECT_LT(window->PnlInfo->y() + window->RowLabel('T', 1)->y(), 240);
  EXPECT_GT(ticks, 1);
}

TEST_F(MainWindowTest, ARowArrivingAfterTheStripRanDryEntersFromBelow) {
  ServeCategory(4, Framed(Lines(3)));
  TfrmMain* window = Create();
  Choose(window, 4);
  // The ticker is slower than the scrolling: the first row has long left the top.
  for (int tick = 0; tick < 600; ++tick) window->TimerMainTimer();
  ASSERT_LT(window->PnlInfo->y() + window->PnlInfo->height(), 0);

  Tick(window);
  THoverLabel* title = window->RowLabel('T', 1);
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(window->PnlInfo->y() + title->y(), 233);
  for (int tick = 0; tick < 100; ++tick) window->TimerMainTimer();
  ASSERT_NE(window->RowLabel('T', 1), nullptr);  // still on its way up, not dropped
  EXPECT_EQ(window->PnlInfo->y() + window->RowLabel('T', 1)->y(), 133);
}

TEST_F(MainWindowTest, RotatingBannersFollowTheLinesOfBannerSteps) {
  struct Case {
    int Steps;
    std::vector<int> Places;
  };
  for (const Case& c : {Case{10, {5, 15, 25}}, Case{7, {2, 5, 9, 16, 23, 30}}}) {
    State().BannerSteps = c.Steps;
    ServeCategory(4, Framed(Lines(30)));
    TfrmMain* window = Create();
    Choose(window, 4);
    for (int step = 1; step < 30; ++step) Tick(window);
    EXPECT_EQ(BannerPlaces(window->Items), c.Places) << "BannerSteps " << c.Steps;
    delete window;
  }
}

TEST_F(MainWindowTest, AProgramsOwnBannerFollowsIt) {
  ServeCategory(4, Framed(Lines(1, "banner09.gif")));
  TfrmMain* window = Create();
  Choose(window, 4);
  ASSERT_EQ(window->Items.Count(), 2);
  EXPECT_TRUE(window->Items.Get(1).IsBanner);
  EXPECT_EQ(window->Items.Get(1).Text, "banner09.gif");
}

TEST_F(MainWindowTest, NewProgramsOnlyInNewsMoneyAndSports) {
  const std::string fresh = SampleProgram("NEW1");
  service_.ReplyWhen("/servlet/servlet.GetProgramList", "mode", "new", Framed(fresh));
  service_.ReplyWhen("/servlet/servlet.GetProgramList", "mode", "my", Framed(Lines(4)));
  struct Case {
    int Category;
    std::string Code;  // empty: never asked
  };
  for (const Case& c : {Case{1, "n"}, Case{2, "m"}, Case{3, "s"}, Case{4, ""}, Case{9, ""}, Case{10, ""}}) {
    ResetListCycleState();
    service_.ClearRequests();
    State().NewCheckSteps = 2;
    if (c.Category != MyListCategory) ServeCategory(c.Category, Framed(Lines(4)));
    TfrmMain* window = Create();
    Choose(window, c.Category);
    for (int step = 1; step < 4; ++step) Tick(window);

    int freshItems = 0;
    for (int i = 0; i < window->Items.Count(); ++i) freshItems += window->Items.Get(i).Text == fresh;
    const auto asked = service_.RequestsTo("/servlet/servlet.GetProgramList");
    int newRequests = 0;
    for (const Received& request : asked) {
      if (request.Param("mode") != "new") continue;
      ++newRequests;
      EXPECT_EQ(request.Param("cate1"), c.Code);
    }
    if (c.Code.empty()) {
      EXPECT_EQ(freshItems, 0) << c.Category;
      EXPECT_EQ(newRequests, 0) << c.Category;
    } else {
      // After lines 2 and 4; the reply is fetched once and reused (NewFetchChecks 0).
      EXPECT_EQ(freshItems, 2) << c.Category;
      EXPECT_EQ(newRequests, 1) << c.Category;
    }
    delete window;
  }
}

TEST_F(MainWindowTest, MyListReply212ShowsTheEditInvitationAndStartsNothing) {
  service_.ReplyWhen("/servlet/servlet.GetProgramList", "mode", "my", Framed("", "212"));
  TfrmMain* window = Create();
  Choose(window, MyListCategory);

  const auto asked = service_.RequestsTo("/servlet/servlet.GetProgramList");
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].Param("usr_id"), "member7");
  EXPECT_TRUE(window->ListEmpty);
  EXPECT_FALSE(window->myedit_img->isHidden());
  EXPECT_TRUE(window->welcome->isHidden());
  EXPECT_FALSE(window->TimerMain->isActive());
  EXPECT_FALSE(window->TimerTicker->isActive());
  EXPECT_EQ(window->Items.Count(), 0);
  EXPECT_EQ(State().Usage.OwnViewOpens, 1);
}

TEST_F(MainWindowTest, AListWithoutProgramsShowsTheNoProgramsPicture) {
  ServeCategory(5, Framed(""));
  TfrmMain* window = Create();
  Choose(window, 5);
  EXPECT_TRUE(window->ListEmpty);
  EXPECT_FALSE(window->welcome2->isHidden());
  EXPECT_FALSE(window->TimerMain->isActive());
  EXPECT_EQ(window->PnlInfo->y(), 233);
}

TEST_F(MainWindowTest, LinesWithMissingFieldsStillBecomeRows) {
  // A bare ID, an empty line, a line of separators only, a repeated program without
  // weekdays and a play time without digits.
  const std::string body = std::string("P1\x02\x02\x01\x01\x01\x02") +
                           ProgramLine({"P4", "", "", "2026", "", "", "", "", "", "", "", "", "", "", "r"}) +
                           '\x02' + ProgramLine({"P5", "", "a", "pltm"});
  ServeCategory(4, Framed(body));
  State().BannerSteps = 0;
  State().NewCheckSteps = 0;
  TfrmMain* window = Create();
  Choose(window, 4);
  ASSERT_NE(window->RowLabel('T', 0), nullptr);
  EXPECT_EQ(window->RowLabel('S', 0)->text(), "()");
  EXPECT_TRUE(window->RowLabel('T', 0)->Url().empty());
  for (int step = 1; step < 5; ++step) Tick(window);
  // Five lines and the banner after the fifth; an empty keyword is no banner of its own.
  EXPECT_EQ(window->Items.Count(), 6);
  for (int tick = 0; tick < 3000 && window->NextRenderIndex < 5; ++tick) {
    window->TimerMainTimer();
    window->TimerListTimer();
  }
  EXPECT_NE(window->RowLabel('D', 4), nullptr);
}

TEST_F(MainWindowTest, AllLinesUsedFetchesTheListAgainAndAppends) {
  ServeCategory(4, Framed(Lines(2)));
  TfrmMain* window = Create();
  Choose(window, 4);
  Tick(window);  // line 2
  Tick(window);  // all used: the second pass starts with its first line
  EXPECT_EQ(service_.RequestsTo("/list/4").size(), 2u);
  EXPECT_EQ(window->Items.Count(), 3);
  EXPECT_EQ(window->LineIndex, 1);
  EXPECT_EQ(window->PnlInfo->y(), 233);  // not laid out afresh
}

TEST_F(MainWindowTest, AfterReloadPassesTheListStartsAfreshAndScrollsIn) {
  State().ReloadPasses = 2;
  ServeCategory(4, Framed(Lines(2)));
  TfrmMain* window = Create();
  Choose(window, 4);
  for (int step = 0; step < 4; ++step) Tick(window);  // two passes of two lines
  ASSERT_EQ(service_.RequestsTo("/list/4").size(), 3u);

  EXPECT_EQ(window->Items.Count(), 1);
  EXPECT_EQ(window->PnlInfo->y(), 233);
  ASSERT_NE(window->RowLabel('T', 0), nullptr);
  EXPECT_TRUE(window->TimerMain->isActive());
  EXPECT_TRUE(window->TimerTicker->isActive());
  for (int tick = 0; tick < 40; ++tick) window->TimerMainTimer();
  EXPECT_EQ(window->PnlInfo->y(), 193);
  EXPECT_TRUE(window->RowLabel('T', 0)->isVisibleTo(window));
  EXPECT_EQ(window->RowLabel('T', 0)->parentWidget(), window->PnlInfo);
  EXPECT_GT(window->PnlInfo->height(), 0);
}

// Without full resets every pass appends its lines again. Over thousands of ticker
// steps (more than 255 loads, at the scroll and layout rates of the medium and of the
// fast speed) the items and the strip stay bounded, the rows on the screen are never
// laid out afresh by a load counted as the first, and every row still names its item.
TEST_F(MainWindowTest, AListRunningForDaysStaysBounded) {
  State().ReloadPasses = 0;
  State().BannerSteps = 0;
  State().NewCheckSteps = 0;
  ServeCategory(4, Framed(Lines(3)));
  TfrmMain* window = Create();
  // The test is the clock: nothing moves but the steps below.
  for (QTimer* timer : {window->TimerMain, window->TimerTicker, window->TimerList}) timer->setInterval(86400000);
  Choose(window, 4);
  struct Speed {
    const char* Name;
    int Steps;
    int ScrollTicksPerStep;  // ticker interval / scroll interval
    int LayoutsPer2Steps;    // 2 × ticker interval / 1000 ms
  };
  int mostItems = 0;
  int tallestStrip = 0;
  for (const Speed& speed : {Speed{"medium", 2400, 80, 8}, Speed{"fast", 1600, 16, 1}}) {
    SCOPED_TRACE(speed.Name);
    for (int step = 0; step < speed.Steps; ++step) {
      std::vector<QPointer<THoverLabel>> shown;
      for (THoverLabel* label : window->PnlInfo->findChildren<THoverLabel*>()) shown.emplace_back(label);
      Tick(window);
      for (const auto& label : shown) {
        ASSERT_TRUE(label && label->parentWidget() == window->PnlInfo) << "step " << step;
      }
      for (int tick = 0; tick < speed.ScrollTicksPerStep; ++tick) window->TimerMainTimer();
      for (int layout = 0; layout < (speed.LayoutsPer2Steps + step % 2) / 2; ++layout) window->TimerListTimer();
      mostItems = std::max(mostItems, window->Items.Count());
      tallestStrip = std::max(tallestStrip, window->PnlInfo->height());
    }
  }
  EXPECT_GT(service_.RequestsTo("/list/4").size(), 300u);
  EXPECT_LE(mostItems, 160);
  EXPECT_LE(tallestStrip, 8000);
  EXPECT_GT(window->LoadCount, 1);

  const auto rows = window->PnlInfo->findChildren<THoverLabel*>();
  ASSERT_FALSE(rows.empty());
  for (THoverLabel* label : rows) {
    const int index = Tag(label);
    ASSERT_GE(index, 0);
    ASSERT_LT(index, window->Items.Count());
    EXPECT_EQ(label->objectName().mid(1), QString::number(index));
    if (label->objectName().startsWith('T')) {
      const std::string& text = window->Items.Get(index).Text;
      EXPECT_EQ(FromQString(label->text()), "Title " + text.substr(0, text.find('\x01')));
    }
  }
  // The step-back button still goes back a good way, and ends at the first item kept.
  for (int back = 0; back < 300; ++back) window->TransparentButton3Click(3);
  EXPECT_EQ(window->TopItemIndex, -1);
  ASSERT_NE(window->RowLabel('T', 0), nullptr);
  EXPECT_GE(window->Items.Count(), 100);
}

TEST_F(MainWindowTest, ClickWithoutAddressOffersAPresetUnlessItIsText) {
  service_.Reply("/servlet/servlet.PresetEdit", Framed(""));
  struct Case {
    std::string Media;
    bool Offered;
  };
  for (const Case& c : {Case{"v", true}, Case{"t", false}}) {
    service_.ClearRequests();
    ServeCategory(4, Framed(SampleProgram("P9", "", "s", c.Media)));
    TfrmMain* window = Create();
    Choose(window, 4);
    THoverLabel* title = window->RowLabel('T', 0);
    ASSERT_NE(title, nullptr);
    EXPECT_TRUE(title->Url().empty());
    {
      ModalAnswerer answerer(1);
      QTest::mouseClick(title, Qt::LeftButton);
      // The question, then the notice that the preset was saved.
      EXPECT_EQ(answerer.Questions(), c.Offered ? 2 : 0) << c.Media;
    }
    const auto edits = service_.RequestsTo("/servlet/servlet.PresetEdit");
    ASSERT_EQ(edits.size(), c.Offered ? 1u : 0u) << c.Media;
    if (c.Offered) {
      EXPECT_EQ(edits[0].Param("mode"), "add");
      EXPECT_EQ(edits[0].Param("prgm_id"), "P9");
      EXPECT_EQ(edits[0].Param("usr_id"), "member7");
      // The preset table reloads in the background.
      WaitForRequests();
      EXPECT_EQ(service_.RequestsTo("/servlet/servlet.PresetList").size(), 1u);
    }
    EXPECT_TRUE(window->TimerMain->isActive());
    EXPECT_FALSE(window->ScrollPaused);
    delete window;
  }
}

TEST_F(MainWindowTest, ClickingARowWritesProgramLinesAndLightsTheRow) {
  ServeCategory(4, Framed(SampleProgram("P1") + '\x02' + SampleProgram("P2")));
  TfrmMain* window = Create();
  Choose(window, 4);
  QTest::mouseClick(window->RowLabel('T', 0), Qt::LeftButton);
  QTest::mouseClick(window->RowLabel('Z', 0), Qt::LeftButton);
  QTest::mouseClick(window->RowLabel('S', 0), Qt::LeftButton);  // the station is not a program

  EXPECT_EQ(State().Usage.ProgramClicks,
            "program,P1,icon07,x,20261210,213100\r\nprogram,P1,icon07,x,20261210,213100");
  EXPECT_TRUE(window->RowLabel('D', 0)->Clicked());
  EXPECT_EQ(window->RowLabel('T', 0)->Url(), "Http://www.example.test/p");
}

TEST_F(MainWindowTest, HoveringATitleHoldsTheListAndLightsItsRow) {
  ServeCategory(4, Framed(SampleProgram("P1")));
  TfrmMain* window = Create();
  Choose(window, 4);
  THoverLabel* title = window->RowLabel('T', 0);
  window->lblMouseEnter(title);
  EXPECT_TRUE(window->ScrollPaused);
  EXPECT_TRUE(window->RowLabel('D', 0)->Entered());
  EXPECT_TRUE(window->RowLabel('Z', 0)->Entered());
  const int top = window->PnlInfo->y();
  window->TimerMainTimer();
  EXPECT_EQ(window->PnlInfo->y(), top);
  window->lblMouseExit(title);
  EXPECT_FALSE(window->RowLabel('D', 0)->Entered());
  window->TimerMainTimer();
  EXPECT_EQ(window->PnlInfo->y(), top - 1);
}

TEST_F(MainWindowTest, ScrolledRowsAreRemovedAndStepButtonsRebuild) {
  ServeCategory(4, Framed(Lines(12)));
  TfrmMain* window = Create();
  Choose(window, 4);
  // Forward does nothing while the strip is short.
  window->TransparentButton3Click(1);
  EXPECT_EQ(window->NextRenderIndex, 1);

  for (int step = 1; step < 12; ++step) Tick(window);
  for (int tick = 0; tick < 600; ++tick) {
    window->TimerMainTimer();
    window->TimerListTimer();
  }
  EXPECT_EQ(window->RowLabel('T', 0), nullptr);
  EXPECT_GE(window->TopItemIndex, 0);
  const int top = window->TopItemIndex;

  window->TransparentButton3Click(3);  // back: from the top item again
  EXPECT_EQ(window->TopItemIndex, top - 1);
  EXPECT_EQ(window->PnlInfo->y(), 0);
  EXPECT_NE(window->RowLabel('T', top), nullptr);
  EXPECT_TRUE(window->TimerMain->isActive());

  window->TransparentButton3Click(2);  // pause
  EXPECT_FALSE(window->TimerMain->isActive());
}

TEST_F(MainWindowTest, ABannerRowShowsItsPictureAndLogsItsClick) {
  ClientState& state = State();
  QImage picture(232, 35, QImage::Format_RGB32);
  picture.fill(Qt::yellow);
  ASSERT_TRUE(picture.save(QString::fromStdString(state.BannerDir + "banner01.gif"), "PNG"));
  BannerLists banners{{{"banner01.gif", "a", "4", "", "www.ad.test"}}, {}};
  banners.ByCategory[3].Category = {"banner01"};
  state.Banners.Set(banners);

  ServeCategory(4, Framed(Lines(6)));
  TfrmMain* window = Create();
  Choose(window, 4);
  for (int step = 1; step < 6; ++step) Tick(window);
  ASSERT_TRUE(window->Items.Get(5).IsBanner);
  for (int tick = 0; tick < 2000 && window->NextRenderIndex <= 5; ++tick) {
    window->TimerMainTimer();
    window->TimerListTimer();
  }
  auto* banner = window->PnlInfo->findChild<TMyImage*>("BA5");
  ASSERT_NE(banner, nullptr);
  EXPECT_EQ(banner->geometry(), QRect(23, window->Items.Get(5).Top, 232, 35));
  EXPECT_EQ(banner->Url(), "www.ad.test");
  QTest::mouseClick(banner, Qt::LeftButton);
  EXPECT_EQ(state.Usage.ListBannerClicks[2], "top_ctgr_bnnr,4,banner01,20261210,213100");
}

TEST_F(MainWindowTest, RowMenuOfAnInputTimeProgramDisablesPlayPresetAndWebsite) {
  ServeCategory(4, Framed(SampleProgram("P1", "www.x.test", "w")));
  service_.Reply("/servlet/servlet.ChannelMyList", Framed(""));
  TfrmMain* window = Create();
  Choose(window, 4);
  window->popMenuPopup(window->RowLabel('T', 0));
  FinishRequests();
  EXPECT_FALSE(window->MenuItem("mnuPlay")->isEnabled());
  EXPECT_FALSE(window->MenuItem("mnuPreset")->isEnabled());
  EXPECT_FALSE(window->MenuItem("mnuWebsite")->isEnabled());
  // No channels: the item has no sub-menu and alerts instead.
  EXPECT_EQ(window->MenuItem("MyChannels")->menu(), nullptr);
  EXPECT_TRUE(window->RowLabel('D', 0)->text().startsWith("Inputtime["));
}

TEST_F(MainWindowTest, MyChannelsListsTheMembersChannels) {
  service_.Reply("/servlet/servlet.ChannelMyList",
                 Framed(std::string("C1\x01One FM\x02") + "C2\x01Two TV"));
  std::string opened;
  MainWindowHooks hooks;
  hooks.OpenChannel = [&opened](MainWindowHost&, const std::string& id) { opened = id; };
  TfrmMain* window = Create(hooks);
  window->mainpopPopup();
  FinishRequests();
  QMenu* channels = window->MenuItem("MyChannels2")->menu();
  ASSERT_NE(channels, nullptr);
  ASSERT_EQ(channels->actions().size(), 2);
  EXPECT_EQ(channels->actions()[1]->text(), "Two TV");
  channels->actions()[1]->trigger();
  EXPECT_EQ(opened, "C2");
}

TEST_F(MainWindowTest, TellAFriendTakesTheDayTimeAndWholeStationLineOfTheRow) {
  ServeCategory(4, Framed(ProgramLine({"P1", "icon07", "v", "202612101330", "202612101430", "Title P1",
                                       "www.example.test/p", "Velo News 24", "www.station.test",
                                       "with the team", "www.second.test", "About P1", "0", "x", "n", "",
                                       "0"})));
  std::string message;
  std::string address;
  MainWindowHooks hooks;
  hooks.OpenTellAFriend = [&](const std::string& text, const std::string&, const std::string& station) {
    message = text;
    address = station;
  };
  TfrmMain* window = Create(hooks);
  Choose(window, 4);
  window->PopupItemIndex = 0;
  window->Help1Click(4);
  EXPECT_EQ(message, "Thu.10\r\n[01:30pm-02:30pm]\r\n(Velo News 24/with the team)");
  EXPECT_EQ(address, "Http://www.station.test");
}

// While the service keeps a reply back, the rows on screen go on scrolling and the
// ticker asks nothing more; the reply continues the list when it comes. A request on
// the window's thread would stop the strip until the request gave up.
TEST_F(MainWindowTest, TheStripScrollsOnWhileTheServiceKeepsItsReplyBack) {
  struct Case {
    const char* What;
    int ReloadPasses;
    int NewCheckSteps;
    std::string HeldPath;
    int TicksToAsk;  // ticker steps after the first line until the held request goes
    int ItemsAfter;
  };
  const Case cases[] = {
      {"next pass", 0, 0, "/list/1", 2, 3},
      {"fresh pass", 1, 0, "/list/1", 2, 1},
      {"new programs", 0, 2, "/servlet/servlet.GetProgramList", 1, 3},
  };
  const ShortRequestTimeouts timeouts(5);
  service_.Reply("/servlet/servlet.GetProgramList", Framed(SampleProgram("NEW1")));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    ResetListCycleState();
    State().BannerSteps = 0;
    State().ReloadPasses = c.ReloadPasses;
    State().NewCheckSteps = c.NewCheckSteps;
    ServeCategory(1, Framed(Lines(2)));
    TfrmMain* window = Create();
    window->TimerMain->setInterval(10);
    Choose(window, 1);
    for (int step = 1; step < c.TicksToAsk; ++step) Tick(window);
    service_.Hold(c.HeldPath);
    const int asked = service_.Count(c.HeldPath);
    const int items = window->Items.Count();

    window->TimerTickerTimer();
    ASSERT_TRUE(QTest::qWaitFor([&] { return service_.Count(c.HeldPath) == asked + 1; }, 3000));
    const int top = window->PnlInfo->y();
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->PnlInfo->y() <= top - 20; }, 3000));
    // The rows it had are still there, and further steps wait for the reply.
    EXPECT_GE(window->Items.Count(), items);
    window->TimerTickerTimer();
    window->TimerTickerTimer();

    service_.Release(c.HeldPath);
    FinishRequests();
    EXPECT_EQ(service_.Count(c.HeldPath), asked + 1);
    EXPECT_EQ(window->Items.Count(), c.ItemsAfter);
    EXPECT_TRUE(window->TimerMain->isActive());
    delete window;
  }
}

TEST_F(MainWindowTest, AReplyArrivingWhileAnotherWindowHoldsTheListLeavesItHeld) {
  const ShortRequestTimeouts timeouts(5);
  ServeCategory(4, Framed(Lines(1)));
  TfrmMain* window = Create();
  Choose(window, 4);
  service_.Hold("/list/4");
  window->TimerTickerTimer();  // the next pass is asked for
  ASSERT_TRUE(QTest::qWaitFor([&] { return service_.Count("/list/4") == 2; }, 3000));
  window->HoldList();  // a guide window opens meanwhile
  service_.Release("/list/4");
  FinishRequests();
  EXPECT_EQ(window->Items.Count(), 2);
  EXPECT_FALSE(window->TimerMain->isActive());
  EXPECT_FALSE(window->TimerTicker->isActive());
  window->RestoreTimers();
  EXPECT_TRUE(window->TimerMain->isActive());
  EXPECT_TRUE(window->TimerTicker->isActive());
}

TEST_F(MainWindowTest, RequestsGoOutInTheirOldOrder) {
  State().BannerSteps = 0;
  State().NewCheckSteps = 2;
  service_.Reply("/servlet/servlet.PresetEdit", Framed(""));
  service_.Reply("/servlet/servlet.GetProgramList", Framed(SampleProgram("NEW1")));
  ServeCategory(1, Framed(Lines(2)));
  TfrmMain* window = Create();
  Choose(window, 1);
  Tick(window);  // line 2, then the new programs
  Tick(window);  // the next pass
  State().PresetTable.Set({{"P7", "20261210[09:32pm-10:00pm] Thu.10", "Show", "www.show.test", ""}});
  {
    ModalAnswerer answerer;
    window->TimerTimeTimer();
    FinishRequests();
    EXPECT_EQ(answerer.Alarms(), 1);
  }
  const std::vector<std::string> expected{
      "/list/1", "/servlet/servlet.GetProgramList", "/list/1", "/servlet/servlet.PresetEdit",
      "/servlet/servlet.PresetList"};
  EXPECT_EQ(service_.Paths(), expected);
}

TEST_F(MainWindowTest, AListChosenWhileAReloadWaitsWinsOverTheLateReply) {
  const ShortRequestTimeouts timeouts(5);
  ServeCategory(1, Framed(Lines(1)));
  ServeCategory(4, Framed(SampleProgram("FOUR")));
  TfrmMain* window = Create();
  Choose(window, 1);
  service_.Hold("/list/1");
  window->TimerTickerTimer();  // the next pass of list 1 waits
  ASSERT_TRUE(QTest::qWaitFor([&] { return service_.Count("/list/1") == 2; }, 3000));
  window->imgNewsClick(4);
  ASSERT_TRUE(QTest::qWaitFor([&] { return window->Items.Count() == 1 && window->CurrentCategory == 4; }, 3000));
  service_.Release("/list/1");  // the old list's reply comes last
  FinishRequests();
  ASSERT_EQ(window->Items.Count(), 1);
  EXPECT_EQ(window->Items.Get(0).Text.substr(0, 4), "FOUR");
  EXPECT_EQ(window->CurrentCategory, 4);
}

}  // namespace
}  // namespace velomira::test

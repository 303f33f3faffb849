// Creation, the title-bar actions, timer restoration, the tray and the exit procedure.
#include <QAction>
#include <QLabel>
#include <QSystemTrayIcon>
#include <QTest>
#include <functional>

#include "MainWindowFixture.h"
#include "controls/THoverImage.h"
#include "controls/TPicturePanel.h"
#include "core/dFunc.h"
#include "mainwin/MainActions.h"
#include "mainwin/TickerRules.h"

namespace velomira::test {
namespace {


TEST_F(MainWindowTest, CreationReadsPlaceSpeedMarksAndAlwaysOnTop) {
  IniFile(State().MainIniPath).WriteInteger("LEFT", "left", 40);
  IniFile user(State().ProgramDir + "user.ini");
  user.WriteInteger("ticker_type", "ticker_type", 2);
  user.WriteInteger("main", "main", 70);
  user.WriteInteger("ticker", "ticker", 3000);
  int refreshStarts = 0;
  MainWindowHooks hooks;
  hooks.StartRefresh = [&refreshStarts] { ++refreshStarts; };
  TfrmMain* window = Create(hooks);

  EXPECT_EQ(frmMain, window);
  EXPECT_EQ(refreshStarts, 1);
  EXPECT_EQ(window->pos(), QPoint(40, 300));
  EXPECT_TRUE(window->AlwaysOnTop());
  EXPECT_TRUE(window->MenuItem("Alwaysontop3")->isChecked());
  EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_TRUE(window->MenuItem("Slow1")->isChecked());
  EXPECT_TRUE(window->MenuItem("Slow2")->isChecked());
  EXPECT_FALSE(window->MenuItem("medium1")->isChecked());
  EXPECT_EQ(window->TimerMain->interval(), 70);
  EXPECT_EQ(window->TimerTicker->interval(), 3000);
  EXPECT_TRUE(window->TimerTime->isActive());
  EXPECT_FALSE(window->TimerMain->isActive());
  EXPECT_EQ(State().Usage.UserId, "member7");
  EXPECT_EQ(State().Usage.LoginTime, "20261210,213100");
  EXPECT_EQ(State().MemberId, "member7");

  // The saved speed is TickerSpeed: the first restoration keeps the member's Slow.
  EXPECT_EQ(State().TickerSpeed, 2);
  window->ListEmpty = false;
  RestoreMainTimers();
  EXPECT_EQ(window->TimerMain->interval(), 90);
  EXPECT_EQ(window->TimerTicker->interval(), 4000);
  EXPECT_TRUE(window->MenuItem("Slow1")->isChecked());
  EXPECT_TRUE(window->MenuItem("Slow2")->isChecked());
  EXPECT_FALSE(window->MenuItem("Fast1")->isChecked());
  EXPECT_TRUE(window->TimerMain->isActive());
  EXPECT_TRUE(window->TimerTicker->isActive());

  delete window;
  EXPECT_EQ(frmMain, nullptr);
}

TEST_F(MainWindowTest, WithoutASavedSpeedMediumRunsAndReturningFromAWindowKeepsIt) {
  for (const int saved : {-1, 7}) {  // none, and one that is no speed
    SCOPED_TRACE(saved);
    State().TickerSpeed = 0;  // the window decides, not what came before
    if (saved >= 0) IniFile(State().ProgramDir + "user.ini").WriteInteger("ticker_type", "ticker_type", saved);
    TfrmMain* window = Create();
    EXPECT_EQ(State().TickerSpeed, 1);
    EXPECT_TRUE(window->MenuItem("medium1")->isChecked());
    EXPECT_TRUE(window->MenuItem("Medium2")->isChecked());
    window->ListEmpty = false;
    RestoreMainTimers();
    EXPECT_EQ(window->TimerMain->interval(), 50);
    EXPECT_EQ(window->TimerTicker->interval(), 4000);
    delete window;
  }
}

TEST_F(MainWindowTest, StartModesShowTheStartPicturesAndRunNoTimer) {
  for (const char* mode : {"a", "b"}) {
    State().StartMode = mode;
    TfrmMain* window = Create();
    EXPECT_TRUE(window->ListEmpty) << mode;
    EXPECT_EQ(window->PnlInfo->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(), 2) << mode;
    EXPECT_FALSE(window->TimerMain->isActive());
    EXPECT_FALSE(window->TimerTicker->isActive());
    // Restoring timers does not start an empty list.
    window->ScrollPaused = true;
    RestoreMainTimers();
    EXPECT_FALSE(window->ScrollPaused);
    EXPECT_FALSE(window->TimerMain->isActive());
    delete window;
  }
  State().StartMode = "c";
  service_.ReplyWhen("/servlet/servlet.GetProgramList", "mode", "my", Framed(SampleProgram("P1")));
  TfrmMain* window = Create();
  FinishRequests();
  EXPECT_EQ(window->SelectedCategory, MyListCategory);
  EXPECT_TRUE(window->TimerMain->isActive());
}

TEST_F(MainWindowTest, SpeedMenuAndAlwaysOnTopFollowTheirItems) {
  TfrmMain* window = Create();
  window->MenuItem("Medium2")->trigger();
  EXPECT_EQ(State().TickerSpeed, 1);
  EXPECT_TRUE(window->MenuItem("medium1")->isChecked());
  EXPECT_EQ(window->TimerMain->interval(), 50);
  EXPECT_EQ(window->TimerTicker->interval(), 4000);
  EXPECT_FALSE(window->TimerMain->isActive());  // running state unchanged
  EXPECT_FALSE(window->ScrollPaused);

  window->MenuItem("AlwaysonTop1")->trigger();
  EXPECT_FALSE(window->AlwaysOnTop());
  EXPECT_FALSE(window->MenuItem("Alwaysontop3")->isChecked());
  EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST_F(MainWindowTest, FunctionPicturesHoldTheListUntilTheirWindowGivesItBack) {
  ServeCategory(4, Framed(SampleProgram("P1")));
  std::vector<int> opened;
  std::vector<int> pickers;
  int myCategories = 0;
  MainWindowHooks hooks;
  hooks.OpenFunctionWindow = [&opened](MainWindowHost&, FunctionWindow window) {
    opened.push_back(static_cast<int>(window));
  };
  hooks.OpenSubCategoryPicker = [&pickers](MainWindowHost&, int category, QWidget*) { pickers.push_back(category); };
  hooks.OpenMyCategories = [&myCategories](MainWindowHost&) { ++myCategories; };
  TfrmMain* window = Create(hooks);
  Choose(window, 4);
  window->imgPresetClick(5);
  EXPECT_EQ(opened, std::vector<int>{5});
  EXPECT_TRUE(window->ScrollPaused);
  EXPECT_FALSE(window->TimerMain->isActive());
  EXPECT_FALSE(window->TimerTicker->isActive());
  RestoreMainTimers();
  EXPECT_FALSE(window->ScrollPaused);
  EXPECT_TRUE(window->TimerMain->isActive());
  EXPECT_TRUE(window->TimerTicker->isActive());

  // The category buttons open the picker, or my categories for My list, and count.
  window->btnNewsClick(3);
  EXPECT_TRUE(window->PickerOpen);
  EXPECT_EQ(pickers, std::vector<int>{3});
  window->btnNewsClick(MyListCategory);
  EXPECT_EQ(myCategories, 1);
  EXPECT_FALSE(window->TimerMain->isActive());
  EXPECT_EQ(State().Usage.EditClicks, 2);
}

TEST_F(MainWindowTest, AFunctionPictureLooksNormalAgainWhenItsWindowGivesThePlaceBack) {
  // The window takes the place while the picture is still pressed; no leave event
  // reaches the picture after that.
  for (const auto& [name, colour] : {std::pair{"Channel.gif", Qt::blue}, std::pair{"Channel_ovr.gif", Qt::red}}) {
    QImage picture(88, 13, QImage::Format_RGB32);
    picture.fill(colour);
    picture.save(QString::fromStdString(State().ButtonDir + name), "PNG");
  }
  QWidget guide;
  MainWindowHooks hooks;
  hooks.OpenFunctionWindow = [&guide](MainWindowHost& host, FunctionWindow) { host.SwapIn(&guide); };
  TfrmMain* window = Create(hooks);
  THoverImage* channel = window->FunctionPictures[4];
  QTest::mouseClick(channel, Qt::LeftButton);
  EXPECT_EQ(channel->Picture().toImage().pixelColor(0, 0), QColor(Qt::red));
  window->SwapBack(&guide);
  EXPECT_EQ(channel->Picture().toImage().pixelColor(0, 0), QColor(Qt::blue));
}

TEST_F(MainWindowTest, ASubCategoryChoiceShowsItsListFromAFreshStart) {
  // Line 0 of the URL list is the whole category, line 2 its second sub-category.
  service_.Reply("/list/4/all", Framed(SampleProgram("ALL")));
  service_.Reply("/list/4/second", Framed(SampleProgram("SECOND")));
  const std::string host = service_.Root().substr(7);
  WriteLookupFile(State().DataDir + "MusicUrl.Dat", {host + "/list/4/all", host + "/list/4/first", host + "/list/4/second"});
  TfrmMain* window = Create();
  Choose(window, 4);
  ASSERT_EQ(window->Items.Count(), 1);
  window->btnNewsClick(4);
  ASSERT_TRUE(window->PickerOpen);

  window->ShowSubCategory(4, 2, "Jazz & Blues");
  FinishRequests();
  EXPECT_EQ(service_.Paths().back(), "/list/4/second");
  EXPECT_EQ(window->CurrentCategory, 4);
  EXPECT_EQ(window->CurrentSubIndex, 2);
  EXPECT_EQ(window->SelectedCategory, 4);
  EXPECT_FALSE(window->PickerOpen);
  EXPECT_TRUE(window->CategoryPictures[3]->Clicked());
  EXPECT_EQ(static_cast<QLabel*>(window->lblTitle)->text(), "Jazz & Blues");
  EXPECT_EQ(window->LoadCount, 1);
  // Only the sub-category's programs come in, none left over from the list before.
  ASSERT_EQ(window->Items.Count(), 1);
  EXPECT_EQ(window->Items.Get(0).Text.substr(0, 6), "SECOND");

  window->btnNewsClick(4);
  window->SubCategoryPickerClosed();
  EXPECT_FALSE(window->PickerOpen);
  EXPECT_TRUE(window->CategoryPictures[3]->Clicked());
}

TEST_F(MainWindowTest, ReducedDisplayShrinksAndGrowsBack) {
  TfrmMain* window = Create();
  MainButtonAction(4);
  EXPECT_TRUE(State().SimpleDisplay);
  EXPECT_EQ(window->height(), 266);
  EXPECT_TRUE(window->CategoryPictures[0]->isHidden());
  EXPECT_TRUE(window->FunctionPictures[5]->isHidden());
  MainButtonAction(4);
  EXPECT_FALSE(State().SimpleDisplay);
  EXPECT_EQ(window->height(), 360);
  EXPECT_FALSE(window->CategoryPictures[9]->isHidden());
  EXPECT_EQ(State().Usage.DisplayToggles, 2);
}

TEST_F(MainWindowTest, ToTrayHoldsTheListAndTheTrayBringsItBack) {
  ServeCategory(4, Framed(SampleProgram("P1")));
  TfrmMain* window = Create();
  window->show();
  Choose(window, 4);
  MainButtonAction(3);
  EXPECT_TRUE(window->InTray);
  EXPECT_TRUE(window->ScrollPaused);
  EXPECT_FALSE(window->TimerMain->isActive());
  EXPECT_FALSE(window->TimerTicker->isActive());
  EXPECT_EQ(State().Usage.TrayHides, 1);
  if (QSystemTrayIcon::isSystemTrayAvailable()) {
    EXPECT_FALSE(window->isVisible());
  } else {
    // Without a tray the window is minimised, never lost.
    EXPECT_TRUE(window->isMinimized());
  }
  window->RxTrayIcon1Click();
  EXPECT_FALSE(window->InTray);
  EXPECT_FALSE(window->ScrollPaused);
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(window->TimerMain->isActive());
  // "open" only restores.
  window->open1Click();
  EXPECT_FALSE(window->InTray);
}

TEST_F(MainWindowTest, ScreenSaverHidesAndShowsTheWindow) {
  ServeCategory(4, Framed(SampleProgram("P1")));
  TfrmMain* window = Create();
  window->show();
  Choose(window, 4);
  window->ScreenSaverChanged(true);
  EXPECT_FALSE(window->isVisible());
  EXPECT_TRUE(window->ScrollPaused);
  EXPECT_TRUE(window->TimerMain->isActive());  // only an empty list stops its timers
  window->ScreenSaverChanged(false);
  EXPECT_TRUE(window->isVisible());
  EXPECT_FALSE(window->ScrollPaused);
}

// A window's panel in the main panel's place, with its Back button where the guide
// windows have theirs (below the reduced height).
QWidget* GuestPanel(TfrmMain* window) {
  auto* panel = new QWidget(window);
  panel->setObjectName("PnlGuest");
  panel->resize(290, 360);
  auto* back = new QWidget(panel);
  back->setObjectName("imgOk");
  back->setGeometry(12, 289, 60, 18);
  panel->hide();
  return panel;
}

bool Reachable(const TfrmMain* window, const QWidget* control) {
  return control->isVisibleTo(window) &&
         window->rect().contains(QRect(control->mapTo(window, QPoint(0, 0)), control->size()));
}

// Coming back from the tray or from behind the screen saver runs the list again only
// when the main panel shows; a window in its place keeps it held until its Back.
TEST_F(MainWindowTest, AWindowInTheMainPanelsPlaceKeepsTheListHeldThroughTrayAndScreenSaver) {
  struct Case {
    const char* What;
    std::function<void(TfrmMain*)> HideAndShow;
  };
  const Case cases[] = {
      {"tray icon",
       [](TfrmMain* window) {
         MainButtonAction(3);
         window->RxTrayIcon1Click();
       }},
      {"tray menu",
       [](TfrmMain* window) {
         MainButtonAction(3);
         window->open1Click();
       }},
      {"screen saver",
       [](TfrmMain* window) {
         window->ScreenSaverChanged(true);
         window->ScreenSaverChanged(false);
       }},
  };
  ServeCategory(4, Framed(SampleProgram("P1")));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    TfrmMain* window = Create();
    window->show();
    Choose(window, 4);
    QWidget* guest = GuestPanel(window);
    window->HoldList();
    window->SwapIn(guest);

    c.HideAndShow(window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->InTray);
    EXPECT_TRUE(window->ScrollPaused);
    EXPECT_FALSE(window->TimerMain->isActive());
    EXPECT_FALSE(window->TimerTicker->isActive());
    EXPECT_TRUE(guest->isVisible());
    EXPECT_TRUE(window->PnlMain->isHidden());

    // Its Back gives the place back and the list runs again.
    window->RestoreTimers();
    window->SwapBack(guest);
    EXPECT_FALSE(window->ScrollPaused);
    EXPECT_TRUE(window->TimerMain->isActive());
    EXPECT_TRUE(window->TimerTicker->isActive());

    // With the main panel showing, coming back runs the list.
    c.HideAndShow(window);
    EXPECT_FALSE(window->ScrollPaused);
    EXPECT_TRUE(window->TimerMain->isActive());
    EXPECT_TRUE(window->TimerTicker->isActive());
    delete window;
  }
}

// The reduced display is for the main panel: a window in its place keeps its full
// height (its Back button lies below the reduced one), whether the display was reduced
// before the window came or while it showed; the main panel comes back reduced.
TEST_F(MainWindowTest, TheReducedDisplayKeepsAWindowsBackButtonReachable) {
  for (const bool reduceFirst : {true, false}) {
    SCOPED_TRACE(reduceFirst ? "reduced, then the window" : "the window, then reduced");
    TfrmMain* window = Create();
    QWidget* guest = GuestPanel(window);
    QWidget* back = guest->findChild<QWidget*>("imgOk");
    if (reduceFirst) MainButtonAction(4);
    window->SwapIn(guest);
    if (!reduceFirst) MainButtonAction(4);
    EXPECT_TRUE(State().SimpleDisplay);
    EXPECT_TRUE(Reachable(window, back));
    EXPECT_EQ(guest->height(), 360);

    window->SwapBack(guest);
    EXPECT_EQ(window->height(), 266);
    EXPECT_EQ(window->PnlMain->height(), 266);
    EXPECT_TRUE(window->CategoryPictures[0]->isHidden());
    EXPECT_TRUE(window->FunctionPictures[5]->isHidden());

    MainButtonAction(4);
    EXPECT_EQ(window->height(), 360);
    EXPECT_FALSE(window->CategoryPictures[0]->isHidden());
    delete window;
  }
}

TEST_F(MainWindowTest, ExitSavesSettingsSendsTheUsageLogAndStopsTheRefresh) {
  service_.Reply("/servlet/servlet.GetLog", Framed(""));
  ServeCategory(4, Framed(SampleProgram("P1")));
  int stops = 0;
  MainWindowHooks hooks;
  hooks.StopRefreshAndWait = [&stops] { ++stops; };
  TfrmMain* window = Create(hooks);
  window->show();
  window->move(120, 80);
  Choose(window, 4);
  window->MenuItem("Slow1")->trigger();
  window->imgDbzerClick(5);
  Settle();

  EXPECT_FALSE(window->isVisible());
  delete window;
  EXPECT_EQ(frmMain, nullptr);
  EXPECT_EQ(stops, 1);
  IniFile user(State().ProgramDir + "user.ini");
  EXPECT_EQ(user.ReadInteger("ticker_type", "ticker_type", -1), 2);
  EXPECT_EQ(user.ReadInteger("main", "main", -1), 90);
  EXPECT_EQ(user.ReadInteger("ticker", "ticker", -1), 4000);
  IniFile main(State().MainIniPath);
  EXPECT_EQ(main.ReadInteger("LEFT", "left", -1), 120);
  EXPECT_EQ(main.ReadInteger("TOP", "top", -1), 80);

  const auto logs = service_.RequestsTo("/servlet/servlet.GetLog");
  ASSERT_EQ(logs.size(), 1u);
  EXPECT_EQ(logs[0].Param("name"), "20261210213100member7.log");
  EXPECT_EQ(logs[0].Param("cnt"),
            "userid,member7\r\nlogin,20261210,213100\r\nlogout,20261210,213100\r\ntop_ctgr,2,1");
}

TEST_F(MainWindowTest, ExitAfterTheRefreshEndedDoesNotWaitForIt) {
  int stops = 0;
  MainWindowHooks hooks;
  hooks.StopRefreshAndWait = [&stops] { ++stops; };
  TfrmMain* window = Create(hooks);
  State().RefreshDone = true;
  window->close1Click();
  Settle();
  EXPECT_EQ(stops, 0);
  EXPECT_EQ(service_.RequestsTo("/servlet/servlet.GetLog").size(), 1u);
}

}  // namespace
}  // namespace velomira::test

// The preset window: the top-5 drop-down, the member's presets as reduced rows, the
// pixel scrolling, deleting, the preset table it publishes, and its openers.
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QScrollBar>
#include <QTest>
#include <algorithm>

#include "GuideFixture.h"
#include "controls/CodePageText.h"
#include "controls/THoverImage.h"
#include "controls/THoverLabel.h"
#include "controls/TImage.h"
#include "controls/TMyCheck.h"
#include "controls/TPicturePanel.h"
#include "controls/Tag.h"
#include "core/dFunc.h"
#include "guide/PresetListPanel.h"
#include "guide/PresetOpeners.h"
#include "guide/TfrmPreset.h"
#include "mainwin/ProgramRows.h"
#include "mainwin/Tfrmalertalam.h"
#include "support/FakeBrowser.h"

namespace velomira::test {
namespace {

const std::string Top5Path = "/servlet/servlet.PresetTop5";
const std::string ListPath = "/servlet/servlet.New_PresetList";
const std::string EditPath = "/servlet/servlet.PresetEdit";

// A New_PresetList record: tomorrow 9 to 10 pm.
std::string Preset(const std::string& id, const std::string& title, const std::string& repeat = "o",
                   const std::string& days = "0", const std::string& regular = "0") {
  return Record({{0, id}, {3, "202612112100"}, {4, "202612112200"}, {5, title}, {6, "www.example.test/p/" + id},
                 {7, "Station " + id}, {8, "http://example.test/s/" + id}, {14, repeat}, {15, days},
                 {16, regular}});
}

std::string Fields(const std::vector<std::string>& fields) {
  std::string record;
  for (std::size_t i = 0; i < fields.size(); ++i) record += (i ? "\x01" : "") + fields[i];
  return record;
}

// A PresetTop5 record.
std::string Top(const std::string& id, const std::string& title, const std::string& start, const std::string& end,
                const std::string& kind = "o", const std::string& regular = "0") {
  return Fields({id, title, start, end, "http://example.test/top/" + id, kind, regular});
}

class PresetWindowTest : public GuideTest {
 protected:
  void SetUp() override {
    GuideTest::SetUp();
    service_.Reply(Top5Path, Reply({}));
    service_.Reply(ListPath, Reply({}));
    service_.Reply(EditPath, Reply({}));
  }

  TfrmPreset* OpenWindow() {
    auto* window = new TfrmPreset(host_);
    window->Open();
    WaitIdle(window);
    return window;
  }

  // The one preset window the openers opened, or null.
  static TfrmPreset* LiveWindow() {
    TfrmPreset* found = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if (auto* window = qobject_cast<TfrmPreset*>(top)) {
        EXPECT_EQ(found, nullptr) << "two preset windows";
        found = window;
      }
    }
    return found;
  }

  static THoverLabel* Label(TfrmPreset* window, char letter, int n) {
    return FindRowLabel(window->List->pnlInfo, letter, n);
  }
  static TMyCheck* Check(TfrmPreset* window, int n) {
    return window->List->pnlInfo->findChild<TMyCheck*>(QString("Check%1").arg(n));
  }
  std::vector<std::string> TargetsTo(const std::string& path) const {
    std::vector<std::string> targets;
    for (const Received& request : service_.RequestsTo(path)) targets.push_back(request.Target);
    return targets;
  }
};

TEST_F(PresetWindowTest, OpensWithTheTopFiveThenTheMembersPresetsAsReducedRows) {
  for (const char* day : {"sun", "mon", "tue", "wed", "thu", "fri", "sat"}) {
    DrawPicture(State().BasicDir, std::string("red_") + day + ".gif", 8, 8);
    DrawPicture(State().BasicDir, std::string("blue_") + day + ".gif", 8, 8);
  }
  service_.Reply(Top5Path, Reply({Top("T1", "Morning Jazz", "202612102145", "202612102245"),
                                  Top("T2", "News Hour", "202612102100", "202612102200")}));
  service_.Reply(ListPath, Reply({Preset("11", "Plain Show"), Preset("12", "Weekly Show", "r", "17", "3")}));
  TfrmPreset* window = OpenWindow();

  EXPECT_EQ(host_.Shown, static_cast<QWidget*>(window->Panel));
  EXPECT_TRUE(PresetWindowOpen);
  EXPECT_EQ(State().Usage.PresetOpens, 1);
  EXPECT_EQ(service_.Targets(),
            (std::vector<std::string>{"/servlet/servlet.PresetTop5", "/servlet/servlet.New_PresetList?usr_id=member7"}));

  ASSERT_EQ(window->CmbTop->count(), 2);
  EXPECT_EQ(window->CmbTop->itemText(0).toStdString(), "[09:45pm Dec 10] Morning Jazz ");
  EXPECT_EQ(window->CmbTop->itemText(1).toStdString(), "[09:00pm Dec 10] News Hour ");
  EXPECT_EQ(window->CmbTop->currentIndex(), -1);

  ASSERT_EQ(window->List->Count(), 2);
  EXPECT_EQ(Label(window, 'T', 0)->text(), "Plain Show");
  EXPECT_EQ(Label(window, 'T', 0)->Url(), "Http://www.example.test/p/11");
  EXPECT_EQ(Label(window, 'D', 0)->text(), "[09:00pm-10:00pm]Fri.11");
  EXPECT_EQ(Label(window, 'D', 0)->Url(), "Http://www.example.test/p/11");
  EXPECT_EQ(Label(window, 'S', 0)->text(), "(Station 11)");
  EXPECT_EQ(Label(window, 'S', 0)->Url(), "http://example.test/s/11");
  // A repeating preset shows its weekdays and no day in its time.
  EXPECT_EQ(Label(window, 'D', 1)->text(), "[09:00pm-10:00pm]");
  EXPECT_EQ(Label(window, 'Z', 0), nullptr);
  EXPECT_EQ(Label(window, 'H', 0), nullptr);

  std::vector<int> dayLefts;
  for (TImage* picture : window->List->pnlInfo->findChildren<TImage*>()) {
    EXPECT_EQ(Tag(picture), 1) << "only the repeating row has day pictures";
    EXPECT_EQ(picture->y(), Label(window, 'D', 1)->y());
    dayLefts.push_back(picture->x());
  }
  std::sort(dayLefts.begin(), dayLefts.end());
  EXPECT_EQ(dayLefts, (std::vector<int>{145, 154, 163, 172, 181, 190, 199}));

  for (int n : {0, 1}) {
    ASSERT_NE(Check(window, n), nullptr);
    EXPECT_EQ(Check(window, n)->x(), window->List->pnlInfo->width() - 16);
    EXPECT_EQ(Check(window, n)->y(), Label(window, 'T', n)->y() + 10);
    EXPECT_TRUE(Check(window, n)->text().isEmpty());
  }
  // Rows stack: title, time, station, then ten pixels to the next row.
  EXPECT_EQ(Label(window, 'T', 0)->y(), 4);
  EXPECT_EQ(Label(window, 'D', 0)->y(), Label(window, 'T', 0)->geometry().bottom() + 1);
  EXPECT_EQ(Label(window, 'T', 1)->y(), Label(window, 'S', 0)->geometry().bottom() + 1 + 10);

  const auto presets = State().PresetTable.Get();
  ASSERT_EQ(presets->size(), 2u);
  EXPECT_EQ((*presets)[0].ProgramId, "11");
  EXPECT_EQ((*presets)[0].Start, "20261211[09:00pm-  N / A  ]  Fri.11");
  EXPECT_EQ((*presets)[1].Title, "Weekly Show");
  EXPECT_EQ((*presets)[1].Address, "www.example.test/p/12");
}

TEST_F(PresetWindowTest, TitleAndTimeLightEachOtherAndAClickNeitherOffersNorLogs) {
  service_.Reply(ListPath, Reply({Preset("11", "Plain Show"), Record({{0, "12"}, {5, "No Page"}})}));
  TfrmPreset* window = OpenWindow();
  emit Label(window, 'T', 0)->OnMouseEnter();
  EXPECT_TRUE(Label(window, 'D', 0)->Entered());
  EXPECT_FALSE(Label(window, 'T', 1)->Entered());
  emit Label(window, 'T', 0)->OnMouseExit();
  EXPECT_FALSE(Label(window, 'D', 0)->Entered());
  emit Label(window, 'S', 0)->OnMouseEnter();
  EXPECT_FALSE(Label(window, 'T', 0)->Entered());

  service_.ClearRequests();
  BoxAnswerer answerer;
  QTest::mouseClick(Label(window, 'D', 1), Qt::LeftButton);
  QTest::mouseClick(Label(window, 'T', 0), Qt::LeftButton);
  Settle(50);
  EXPECT_TRUE(Label(window, 'D', 0)->Clicked());
  EXPECT_TRUE(Label(window, 'T', 1)->Clicked());
  EXPECT_FALSE(Label(window, 'S', 0)->Clicked());
  EXPECT_TRUE(answerer.Messages().empty());
  EXPECT_TRUE(service_.Targets().empty());
  EXPECT_TRUE(State().Usage.ProgramClicks.empty());
}

TEST_F(PresetWindowTest, ScrollMaximumBringsTheLastRowJustIntoTheView) {
  struct Case {
    int rowsBottom, maximum;
  };
  for (const Case& c : {Case{300, 135}, Case{166, 1}, Case{165, 0}, Case{150, 0}, Case{4, 0}}) {
    EXPECT_EQ(PresetScrollMaximum(c.rowsBottom), c.maximum) << c.rowsBottom;
  }

  for (int count : {1, 3, 6, 12}) {
    SCOPED_TRACE(count);
    std::vector<std::string> records;
    for (int n = 0; n < count; ++n) records.push_back(Preset(std::to_string(20 + n), "Show " + std::to_string(n)));
    service_.Reply(ListPath, Reply(records));
    TfrmPreset* window = OpenWindow();
    QScrollBar* bar = window->List->scbPreset;
    QWidget* view = window->List->View;
    const int lastRowBottom = Label(window, 'S', count - 1)->geometry().bottom() + 1;
    EXPECT_EQ(view->height(), 165);
    EXPECT_EQ(window->List->pnlInfo->height(), lastRowBottom + 10);
    if (lastRowBottom <= view->height()) {
      EXPECT_EQ(bar->maximum(), 0);  // all rows fit: nothing to scroll
    } else {
      bar->setValue(bar->maximum());
      const QRect lastRow = Label(window, 'S', count - 1)->geometry().translated(window->List->pnlInfo->pos());
      EXPECT_EQ(lastRow.bottom() + 1, view->height());  // just fully in view
    }
    delete window;
  }
}

TEST_F(PresetWindowTest, PixelScrollingMovesTheListAndAnEmptyListHasNothingToScroll) {
  std::vector<std::string> records;
  for (int n = 0; n < 6; ++n) records.push_back(Preset(std::to_string(20 + n), "Show " + std::to_string(n)));
  service_.Reply(ListPath, Reply(records));
  TfrmPreset* window = OpenWindow();
  QScrollBar* bar = window->List->scbPreset;
  bar->setValue(42);
  EXPECT_EQ(window->List->pnlInfo->y(), -42);
  EXPECT_EQ(bar->singleStep(), 5);
  EXPECT_EQ(bar->pageStep(), 37);

  // Every preset deleted: the list is empty and cannot be scrolled into blank space.
  Check(window, 0)->setChecked(true);
  service_.Reply(ListPath, Reply({}));
  window->imgDeleteClick();
  WaitIdle(window);
  EXPECT_EQ(window->List->Count(), 0);
  EXPECT_EQ(bar->maximum(), 0);
  EXPECT_EQ(window->List->pnlInfo->y(), 0);
}

TEST_F(PresetWindowTest, DeleteSendsTheCheckedKeysRunTogetherAndReloadsFromTheTop) {
  service_.Reply(ListPath, Reply({Preset("11", "Plain"), Preset("12", "Weekly", "R", "0", "3"), Preset("13", "Kept"),
                                  Preset("14", "More"), Preset("15", "More")}));
  TfrmPreset* window = OpenWindow();

  // Nothing checked: nothing is sent.
  service_.ClearRequests();
  window->imgDeleteClick();
  WaitIdle(window);
  EXPECT_TRUE(service_.Targets().empty());

  window->List->scbPreset->setValue(30);
  Check(window, 0)->setChecked(true);
  Check(window, 1)->setChecked(true);
  service_.Reply(ListPath, Reply({Preset("13", "Kept")}));
  window->imgDeleteClick();
  WaitIdle(window);
  EXPECT_EQ(TargetsTo(EditPath),
            std::vector<std::string>{EditPath + "?mode=del&usr_id=member7&prgm_id=11%2C%2D%3A12%2C3%3A"});
  EXPECT_EQ(service_.Count(ListPath), 1);
  EXPECT_EQ(window->List->scbPreset->value(), 0);
  EXPECT_EQ(window->List->pnlInfo->y(), 0);
  ASSERT_EQ(window->List->Count(), 1);
  EXPECT_EQ(Label(window, 'T', 0)->text(), "Kept");
  EXPECT_EQ(Check(window, 1), nullptr);
}

TEST_F(PresetWindowTest, PresetTableFollowsTheListAndAFailedReloadKeepsBoth) {
  service_.Reply(ListPath, Reply({Preset("11", "One"), Preset("12", "Two")}));
  TfrmPreset* window = OpenWindow();
  const int height = window->List->pnlInfo->height();
  const int maximum = window->List->scbPreset->maximum();
  ASSERT_EQ(State().PresetTable.Get()->size(), 2u);

  // The service could not be reached or answered with an error: it is said, and the
  // list and the presets stay as they were.
  for (const std::string& failed : {std::string(), Reply({}, "303")}) {
    service_.Reply(ListPath, failed);
    BoxAnswerer boxes;
    window->ReloadPresetList();
    WaitIdle(window);
    Settle(20);
    EXPECT_EQ(boxes.Messages(), std::vector<std::string>{"Please try again later."});
    EXPECT_EQ(window->List->Count(), 2);
    ASSERT_NE(Label(window, 'T', 1), nullptr);
    EXPECT_EQ(Label(window, 'T', 1)->text(), "Two");
    EXPECT_EQ(window->List->pnlInfo->height(), height);
    EXPECT_EQ(window->List->scbPreset->maximum(), maximum);
    EXPECT_EQ(State().PresetTable.Get()->size(), 2u);
  }

  // The service holds no presets any more: none is left to ring either.
  service_.Reply(ListPath, Reply({}));
  window->ReloadPresetList();
  WaitIdle(window);
  EXPECT_EQ(window->List->Count(), 0);
  EXPECT_EQ(window->List->scbPreset->maximum(), maximum);
  EXPECT_TRUE(State().PresetTable.Get()->empty());
}

TEST_F(PresetWindowTest, ReloadAskedWhileARequestRunsFollowsIt) {
  TfrmPreset* window = new TfrmPreset(host_);
  window->Open();
  ASSERT_TRUE(window->Busy());
  window->ReloadPresetList();
  WaitIdle(window);
  EXPECT_EQ(service_.Count(ListPath), 1);  // the opening's own load serves it

  window->ReloadPresetList();
  window->ReloadPresetList();
  WaitIdle(window);
  EXPECT_EQ(service_.Count(ListPath), 3);
}

TEST_F(PresetWindowTest, ChoosingATopFiveProgramByItsTime) {
  service_.Reply(Top5Path, Reply({Top("T1", "Old", "202612101900", "202612102000"),
                                  Top("T2", "Live", "202612102100", "202612102200"),
                                  Top("T3", "Later", "202612102145", "202612102245", "r", "4"),
                                  Fields({"T4", "Short", "202612102145"}),
                                  Top("T5", "Garbled", "20261210214", "202612102245")}));
  TfrmPreset* window = OpenWindow();
  ASSERT_EQ(window->CmbTop->count(), 5);
  service_.Reply(EditPath, Reply({}, "100"));

  // Ended, and records that are not whole, are only named so.
  for (int index : {0, 3, 4}) {
    FakeBrowser browser(dir_.path());
    service_.ClearRequests();
    BoxAnswerer answerer;
    window->CmbTopChange(index);
    WaitIdle(window);
    EXPECT_EQ(answerer.Messages(), std::vector<std::string>{"This program has been expired"}) << index;
    EXPECT_TRUE(service_.Targets().empty()) << index;
    EXPECT_FALSE(browser.Started()) << index;
  }

  {
    FakeBrowser browser(dir_.path());
    service_.ClearRequests();
    BoxAnswerer answerer;
    window->CmbTopChange(1);
    EXPECT_EQ(browser.Address(), "http://example.test/top/T2");
    EXPECT_TRUE(answerer.Messages().empty());
    EXPECT_TRUE(service_.Targets().empty());
  }

  service_.ClearRequests();
  BoxAnswerer answerer(1);
  window->CmbTop->setCurrentIndex(2);
  window->CmbTopChange(2);
  WaitIdle(window);
  ASSERT_EQ(answerer.Messages().size(), 2u);
  EXPECT_NE(answerer.Messages()[0].find("starts on 09:45pm."), std::string::npos) << answerer.Messages()[0];
  EXPECT_NE(answerer.Messages()[1].find("saved on your Preset List"), std::string::npos);
  EXPECT_EQ(service_.Targets(),
            (std::vector<std::string>{EditPath + "?prgm_id=T3&usr_id=member7&mode=add&is_reg=r&regular_no=4",
                                      ListPath + "?usr_id=member7"}));
}

TEST_F(PresetWindowTest, OpenersHandleThePresetPictureAndPassOnTheRest) {
  std::vector<FunctionWindow> passedOn;
  MainWindowHooks hooks;
  hooks.OpenFunctionWindow = [&passedOn](MainWindowHost&, FunctionWindow window) { passedOn.push_back(window); };
  AddPresetOpeners(hooks);
  hooks.OpenFunctionWindow(host_, FunctionWindow::Daily);
  EXPECT_EQ(passedOn, std::vector<FunctionWindow>{FunctionWindow::Daily});

  hooks.OpenFunctionWindow(host_, FunctionWindow::Preset);
  TfrmPreset* window = LiveWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(host_.Shown, static_cast<QWidget*>(window->Panel));
  EXPECT_EQ(passedOn.size(), 1u);
  // The preset picture cannot open a second one.
  hooks.OpenFunctionWindow(host_, FunctionWindow::Preset);
  EXPECT_EQ(LiveWindow(), window);
  WaitIdle(window);

  // Without an earlier hook the list is given back rather than left frozen.
  MainWindowHooks alone;
  AddPresetOpeners(alone);
  alone.OpenFunctionWindow(host_, FunctionWindow::Help);
  EXPECT_EQ(host_.Resumes, 1);
}

TEST_F(PresetWindowTest, StartsNowBoxReloadsAnOpenWindowOnly) {
  MainWindowHooks hooks;
  AddPresetOpeners(hooks);
  hooks.OpenFunctionWindow(host_, FunctionWindow::Preset);
  TfrmPreset* window = LiveWindow();
  ASSERT_NE(window, nullptr);
  WaitIdle(window);
  ASSERT_EQ(service_.Count(ListPath), 1);

  (new Tfrmalertalam("Show", "http://example.test/p"))->alert_noClick();
  WaitIdle(window);
  EXPECT_EQ(service_.Count(ListPath), 2);
  (new Tfrmalertalam("Show", "http://example.test/p"))->TransparentButton1Click();
  WaitIdle(window);
  EXPECT_EQ(service_.Count(ListPath), 2);

  window->imgOkClick();
  Settle(0);
  EXPECT_FALSE(PresetWindowOpen);
  (new Tfrmalertalam("Show", "http://example.test/p"))->alert_noClick();
  Settle(50);
  EXPECT_EQ(service_.Count(ListPath), 2);
}

}  // namespace
}  // namespace velomira::test

// The openers of the guide and preset windows: what a window shows must not depend on
// which windows were opened before, or on the order the openers were plugged in.
#include <QApplication>
#include <QLineEdit>

#include "GuideFixture.h"
#include "ListProbe.h"
#include "controls/Mouse.h"
#include "controls/THoverImage.h"
#include "controls/TPicturePanel.h"
#include "guide/GuideOpeners.h"
#include "guide/PresetOpeners.h"
#include "guide/ProgramListPanel.h"
#include "guide/TfrmPreset.h"
#include "guide/TfrmSearch.h"
#include "mainwin/Tfrmalertalam.h"

namespace velomira::test {
namespace {

const char* const kList = "/servlet/servlet.GetProgramList";

class WindowOpenersTest : public GuideTest {
 protected:
  void SetUp() override {
    GuideTest::SetUp();
    service_.Reply("/servlet/servlet.PresetTop5", Reply({}));
    service_.Reply("/servlet/servlet.New_PresetList", Reply({}));
    service_.Reply(kList, Reply({}));
  }

  GuideWindow* Shown() const { return host_.Shown ? FindOwner(host_.Shown) : nullptr; }

  // The window whose panel is in the host's frame.
  static GuideWindow* FindOwner(QWidget* panel) {
    for (QWidget* top : QApplication::topLevelWidgets()) {
      auto* window = qobject_cast<GuideWindow*>(top);
      if (window && static_cast<QWidget*>(window->Panel) == panel) return window;
    }
    return nullptr;
  }

  GuideWindow* Open(MainWindowHooks& hooks, FunctionWindow kind) {
    hooks.OpenFunctionWindow(host_, kind);
    GuideWindow* window = Shown();
    if (window) WaitIdle(window);
    return window;
  }
};

// Plugged in either order, the openers open every kind they know.
TEST_F(WindowOpenersTest, EveryKindOpensWhateverTheOrderTheOpenersWereAdded) {
  for (const bool presetFirst : {false, true}) {
    SCOPED_TRACE(presetFirst ? "preset openers first" : "guide openers first");
    MainWindowHooks hooks;
    if (presetFirst) AddPresetOpeners(hooks);
    AddGuideOpeners(hooks);
    if (!presetFirst) AddPresetOpeners(hooks);
    for (const auto& [kind, name] : {std::pair{FunctionWindow::Preset, "frmPreset"},
                                     std::pair{FunctionWindow::Channel, "frmChannel"},
                                     std::pair{FunctionWindow::Search, "frmSearch"},
                                     std::pair{FunctionWindow::Daily, "frmDaily"}}) {
      GuideWindow* window = Open(hooks, kind);
      ASSERT_NE(window, nullptr) << name;
      EXPECT_EQ(window->objectName(), name);
      window->imgOkClick();
      Settle(0);
    }
    EXPECT_EQ(host_.Resumes, 4);
    host_.Resumes = 0;
  }
}

// Back and at once the same kind again (before the old window is freed), or other
// kinds in between: each opening gives a new window, as in a fresh run.
TEST_F(WindowOpenersTest, OpeningAKindAgainRightAfterItsBackGivesANewWindow) {
  MainWindowHooks hooks;
  AddGuideOpeners(hooks);
  AddPresetOpeners(hooks);
  const FunctionWindow order[] = {FunctionWindow::Search, FunctionWindow::Preset, FunctionWindow::Search,
                                  FunctionWindow::Preset, FunctionWindow::Preset};
  QPointer<GuideWindow> last;
  for (FunctionWindow kind : order) {
    GuideWindow* window = Open(hooks, kind);
    ASSERT_NE(window, nullptr) << static_cast<int>(kind);
    EXPECT_NE(window, last.data());
    if (kind == FunctionWindow::Preset) {
      EXPECT_TRUE(PresetWindowOpen);
    }
    last = window;
    window->imgOkClick();  // no event loop: the old window is not freed yet
  }
  Settle(0);
  // The preset window opened last is still known as open after the older ones went.
  GuideWindow* preset = Open(hooks, FunctionWindow::Preset);
  ASSERT_NE(preset, nullptr);
  Settle(0);
  EXPECT_TRUE(PresetWindowOpen);
  const int asked = service_.Count("/servlet/servlet.New_PresetList");
  (new Tfrmalertalam("Show", "http://example.test/p"))->alert_noClick();
  WaitIdle(preset);
  EXPECT_EQ(service_.Count("/servlet/servlet.New_PresetList"), asked + 1);
}

// A search window opened after one that paged through a search starts on page 1 of 1:
// its paging bar has nothing to turn, as in a fresh run.
TEST_F(WindowOpenersTest, ASearchWindowDoesNotTurnThePagesOfAnEarlierOne) {
  MainWindowHooks hooks;
  AddGuideOpeners(hooks);
  auto* first = qobject_cast<TfrmSearch*>(Open(hooks, FunctionWindow::Search));
  ASSERT_NE(first, nullptr);
  service_.Reply(kList, Reply({ProgramRecord("P1", "Jazz", "1", "3")}));
  first->TxtKey->setText("jazz");
  Click(first->imgSearch);
  WaitIdle(first);
  ASSERT_EQ(PageText(*first->List), "1 / 3");
  first->imgOkClick();
  Settle(0);

  auto* second = qobject_cast<TfrmSearch*>(Open(hooks, FunctionWindow::Search));
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(PageText(*second->List), "1 / 1");
  service_.ClearRequests();
  for (THoverImage* button : second->List->PagingButtons) {
    Click(button);
    WaitIdle(second);
  }
  EXPECT_TRUE(ListTargets(service_).empty());
}

}  // namespace
}  // namespace velomira::test

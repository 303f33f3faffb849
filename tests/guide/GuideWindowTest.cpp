// The chrome every guide window shares: opening in the main window's place, the back
// button, the title-bar pictures, and requests that run while the window waits.
#include <QApplication>
#include <QPointer>
#include <QSignalSpy>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <thread>

#include "ProgramListFixture.h"
#include "controls/Mouse.h"
#include "controls/THoverImage.h"
#include "controls/TPicturePanel.h"
#include "controls/TTransparentButton.h"
#include "core/ServletRequests.h"
#include "core/dFunc.h"
#include "core/qt/RunRequest.h"
#include "guide/BannerStrip.h"

namespace velomira::test {
namespace {

const std::string kFirstRequest = "/servlet/servlet.GetProgramList?mode=daily&cate1=4&day=5&gmt=0";

int DailyOpens() {
  std::lock_guard lock(State().Usage.Lock);
  return State().Usage.DailyOpens;
}

// Holds the service's replies to a path until released (or five seconds passed).
class ReplyGate {
 public:
  ReplyGate(CannedService& service, const std::string& path) {
    service.BeforeReply(path, [this] {
      for (int waited = 0; !open_ && waited < 5000; waited += 5) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
      }
    });
  }
  ~ReplyGate() { Open(); }
  void Open() { open_ = true; }

 private:
  std::atomic<bool> open_{false};
};

// Remembers whether the window had taken its panel back when the host was asked for
// a title-bar action.
class WatchingHost : public FakeHost {
 public:
  void TitleBarAction(int tag) override {
    FakeHost::TitleBarAction(tag);
    PanelStillInFrame.push_back(Shown != nullptr && Shown->parentWidget() == &Frame);
  }
  std::vector<bool> PanelStillInFrame;
};

class GuideWindowTest : public ProgramListTest {
 protected:
  void SetUp() override {
    ProgramListTest::SetUp();
    service_.Reply(kListPath, Reply(Programs(3)));
  }
};

TEST_F(GuideWindowTest, OpeningCountsTakesThePlaceOfTheMainPanelAndLoadsTheFirstView) {
  auto* window = new TfrmTestList(host_);
  EXPECT_EQ(host_.Shown, nullptr);
  EXPECT_EQ(DailyOpens(), 0);
  window->Open();
  EXPECT_EQ(DailyOpens(), 1);
  EXPECT_EQ(host_.Shown, window->Panel);
  EXPECT_EQ(window->Panel->parentWidget(), &host_.Frame);
  EXPECT_EQ(window->Panel->objectName(), "PnlTestList");
  WaitIdle(window);
  EXPECT_EQ(service_.Targets(), std::vector<std::string>{kFirstRequest});
  EXPECT_NE(Row(window, 'T', 2), nullptr);
  EXPECT_FALSE(window->isVisible());
}

TEST_F(GuideWindowTest, BackResumesTheListGivesThePlaceBackAndFreesTheWindow) {
  for (int opening = 1; opening <= 2; ++opening) {
    SCOPED_TRACE(opening);
    auto* window = new TfrmTestList(host_);
    window->Open();
    WaitIdle(window);
    QPointer<TfrmTestList> alive(window);
    QSignalSpy closing(window, &GuideWindow::Closing);
    Click(window->imgOk);
    EXPECT_EQ(host_.Resumes, opening);
    EXPECT_EQ(host_.Shown, nullptr);
    ASSERT_TRUE(alive);
    EXPECT_EQ(window->Panel->parentWidget(), window);
    EXPECT_EQ(closing.count(), 1);
    Settle(0);
    EXPECT_FALSE(alive);
    EXPECT_EQ(DailyOpens(), opening);
  }
  EXPECT_TRUE(host_.TitleBarTags.empty());
}

TEST_F(GuideWindowTest, TitleBarPicturesGoToTheHostExitGivesThePanelBackFirst) {
  WatchingHost host;
  auto* window = new TfrmTestList(host);
  window->Open();
  WaitIdle(window);
  for (int tag = 1; tag <= 4; ++tag) Click(window->TitleBarPictures[static_cast<std::size_t>(tag - 1)]);
  EXPECT_EQ(host.TitleBarTags, (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(host.Shown, window->Panel);

  QPointer<TfrmTestList> alive(window);
  QSignalSpy closing(window, &GuideWindow::Closing);
  Click(window->TitleBarPictures[4]);
  EXPECT_EQ(host.TitleBarTags, (std::vector<int>{1, 2, 3, 4, 5}));
  EXPECT_EQ(host.PanelStillInFrame, (std::vector<bool>{true, true, true, true, false}));
  EXPECT_EQ(closing.count(), 1);
  EXPECT_EQ(host.Resumes, 0);  // the program ends; the list does not run again
  Settle(0);
  EXPECT_FALSE(alive);
}

TEST_F(GuideWindowTest, TheSearchStyleTitleBarStopsTheBannersFirst) {
  State().Banners.Set({{{"b1.gif", "p", "", "", "www.b1.test"}}, {}});
  State().BannerSeconds = 7;
  struct Case {
    bool Stops;
    std::vector<bool> RunningAfter;  // after tags 1-5
  };
  const Case cases[] = {{false, {true, true, true, true, false}}, {true, {true, false, false, true, false}}};
  for (const Case& c : cases) {
    for (int tag = 1; tag <= 5; ++tag) {
      SCOPED_TRACE("stops " + std::to_string(c.Stops) + ", tag " + std::to_string(tag));
      auto* window = new TfrmTestList(host_, c.Stops);
      window->Open();
      WaitIdle(window);
      ASSERT_TRUE(window->Banner->TimerBanner->isActive());
      EXPECT_EQ(window->Banner->TimerBanner->interval(), 7000);
      window->imgDbzerClick(tag);
      EXPECT_EQ(window->Banner->TimerBanner->isActive(), c.RunningAfter[static_cast<std::size_t>(tag - 1)]);
      if (tag != 5) delete window;
      Settle(0);
    }
  }
}

TEST_F(GuideWindowTest, WhileARequestRunsThePanelWaitsAndComesBackAfter) {
  ReplyGate gate(service_, kListPath);
  auto* window = new TfrmTestList(host_);
  window->Open();
  Settle(50);
  EXPECT_TRUE(window->Busy());
  EXPECT_FALSE(window->Panel->isEnabled());
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  // A paging click meanwhile sends nothing more.
  window->List->PagingClick(4);
  EXPECT_EQ(service_.Count(kListPath), 1);

  gate.Open();
  WaitIdle(window);
  EXPECT_FALSE(window->Busy());
  EXPECT_TRUE(window->Panel->isEnabled());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_NE(Row(window, 'T', 0), nullptr);

  // A failed reply restores them just the same.
  service_.Reply(kListPath, "");
  window->List->Load(Reply(Programs(1, {{18, "2"}})));
  BoxAnswerer answerer;
  window->List->PagingClick(3);
  WaitIdle(window);
  Settle(20);
  EXPECT_EQ(answerer.Messages(), std::vector<std::string>{"Please try again later."});
  EXPECT_FALSE(window->Busy());
  EXPECT_TRUE(window->Panel->isEnabled());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(GuideWindowTest, TheWindowWaitsUntilTheLastOfItsRequestsIsBack) {
  auto* window = new TfrmTestList(host_);
  window->Open();
  WaitIdle(window);
  ReplyGate gate(service_, "/servlet/servlet.ChannelMyList");
  std::vector<std::string> replies;
  window->Request([] { return RequestMyChannels(); }, [&replies](const std::string&) { replies.push_back("mine"); });
  window->Request([] { return TfrmTestList::RequestPage(2); }, [&replies](const std::string&) { replies.push_back("page"); });
  for (int waited = 0; replies.empty() && waited < 5000; waited += 5) Settle(5);
  ASSERT_EQ(replies, std::vector<std::string>{"page"});
  EXPECT_TRUE(window->Busy());
  EXPECT_FALSE(window->Panel->isEnabled());
  EXPECT_NE(QApplication::overrideCursor(), nullptr);

  gate.Open();
  WaitIdle(window);
  EXPECT_EQ(replies, (std::vector<std::string>{"page", "mine"}));
  EXPECT_FALSE(window->Busy());
  EXPECT_TRUE(window->Panel->isEnabled());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(GuideWindowTest, AWindowFreedWhileItsRequestRunsNeverGetsTheReply) {
  ReplyGate gate(service_, kListPath);
  auto* window = new TfrmTestList(host_);
  window->Open();
  bool delivered = false;
  window->Request([] { return TfrmTestList::RequestPage(2); }, [&delivered](const std::string&) { delivered = true; });
  Settle(50);
  ASSERT_TRUE(window->Busy());
  delete window;
  EXPECT_EQ(host_.Frame.findChildren<QWidget*>().size(), 0u);

  gate.Open();
  WaitForRequests();
  Settle(50);
  EXPECT_FALSE(delivered);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(service_.Count(kListPath), 2);
}

}  // namespace
}  // namespace velomira::test

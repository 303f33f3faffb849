// The member's channels as a drop list beside the channel window's "My channels"
// button.
#include <QPointer>

#include "ChannelFixture.h"
#include "controls/THoverImage.h"
#include "controls/TImage.h"
#include "guide/TfrmChannelList.h"

namespace velomira::test {
namespace {

class ChannelListTest : public ChannelTest {
 protected:
  // Opens the channel window and, on the member's `count` channels, its drop list.
  TfrmChannelList* DropList(int count) {
    service_.Reply(kMyChannels, MyChannelsReply(count));
    window_ = OpenWindow();
    Click(window_->imgMy);
    WaitIdle(window_);
    return TfrmChannelList::OpenList();
  }

  TfrmChannel* window_ = nullptr;
};

TEST_F(ChannelListTest, OpensBesideTheButtonWithTheChannelsOverTintedGlass) {
  TfrmChannelList* list = DropList(3);
  ASSERT_NE(list, nullptr);
  EXPECT_TRUE(list->isVisible());
  EXPECT_TRUE(list->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_TRUE(list->windowFlags().testFlag(Qt::FramelessWindowHint));
  const QWidget* button = window_->imgMy;
  EXPECT_EQ(list->pos(), button->mapToGlobal(QPoint(button->width(), button->height() / 2)));
  EXPECT_EQ(list->width(), 103);
  EXPECT_EQ(list->ItemCount(), 3);

  for (int n = 0; n < 3; ++n) {
    const auto* label = list->PnlChannelList->findChild<THoverLabel*>(QString("Label%1").arg(n));
    ASSERT_NE(label, nullptr) << n;
    EXPECT_EQ(label->text().toStdString(), "Channel " + std::to_string(n + 1));
    EXPECT_EQ(label->toolTip().toStdString(), "C" + std::to_string(n + 1));
    EXPECT_EQ(label->FontColor(), QColor(Qt::white));
    EXPECT_EQ(label->cursor().shape(), Qt::PointingHandCursor);
  }
  // No screen to copy here: the glass is the tint over black.
  const QImage glass = list->PnlChannelList->Picture().toImage();
  EXPECT_EQ(glass.size(), list->PnlChannelList->size());
  EXPECT_EQ(glass.pixelColor(1, 1), QColor(9, 9, 62));
  // The member's channels are known again as well.
  EXPECT_EQ(window_->MyChannelIds(), (TextList{"C1", "C2", "C3"}));
}

TEST_F(ChannelListTest, TheArrowsStepThroughTwelveChannels) {
  TfrmChannelList* list = DropList(12);
  ASSERT_NE(list, nullptr);
  struct Step {
    int nowIndex;
    bool up, down;
  };
  for (const Step step : {Step{0, false, true}, Step{1, true, true}, Step{2, true, false}}) {
    EXPECT_EQ(list->NowIndex(), step.nowIndex);
    EXPECT_EQ(list->imgUp->isEnabled(), step.up) << step.nowIndex;
    EXPECT_EQ(list->imgDown->isEnabled(), step.down) << step.nowIndex;
    // The channels before NowIndex are gone; the first one shown is at the top.
    for (int n = 0; n < 12; ++n) {
      const auto* label = list->PnlChannelList->findChild<THoverLabel*>(QString("Label%1").arg(n));
      EXPECT_EQ(label->isVisible(), n >= step.nowIndex) << n;
      if (n == step.nowIndex) {
        EXPECT_EQ(label->y(), 0);
      }
    }
    Click(list->imgDown);
  }
  EXPECT_EQ(list->NowIndex(), 2);  // a disabled arrow does nothing
  Click(list->imgUp);
  EXPECT_EQ(list->NowIndex(), 1);
  list->SetNowIndex(-4);
  EXPECT_EQ(list->NowIndex(), 0);
  EXPECT_FALSE(list->imgUp->isEnabled());
}

TEST_F(ChannelListTest, ChoosingAChannelShowsItsProgramsAndClosesTheList) {
  service_.Reply(kPrograms, ChannelReply("C3", 2));
  TfrmChannelList* list = DropList(4);
  ASSERT_NE(list, nullptr);
  service_.ClearRequests();
  Click(list->PnlChannelList->findChild<THoverLabel*>("Label2"));
  WaitIdle(window_);
  EXPECT_EQ(TfrmChannelList::OpenList(), nullptr);
  EXPECT_EQ(service_.Targets(), std::vector<std::string>{kPrograms + "?mode=channel&channel_id=C3"});
  EXPECT_EQ(window_->ViewMode(), TfrmChannel::MyChannelView);
  EXPECT_EQ(HeaderTexts(window_->Programs->PnlInfo).front(), "My Channels>");
}

TEST_F(ChannelListTest, NoChannelsOrNoReplyIsToldAndNoListOpens) {
  struct Case {
    const char* name;
    std::string reply, message;
  };
  const std::vector<Case> cases{
      {"no channels", Reply({}), "There is no channel on your list."},
      {"no reply", "", "Please try again later."},
  };
  window_ = OpenWindow();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    service_.Reply(kMyChannels, c.reply);
    BoxAnswerer boxes;
    Click(window_->imgMy);
    WaitIdle(window_);
    EXPECT_EQ(boxes.Messages(), std::vector<std::string>{c.message});
    EXPECT_EQ(TfrmChannelList::OpenList(), nullptr);
  }
}

TEST_F(ChannelListTest, OneListAtATimeAndNoneAfterTheWindow) {
  // The new list may well take the freed one's address: watch the old one itself.
  const QPointer<TfrmChannelList> first = DropList(2);
  ASSERT_NE(first, nullptr);
  Click(window_->imgMy);
  WaitIdle(window_);
  ASSERT_NE(TfrmChannelList::OpenList(), nullptr);
  EXPECT_TRUE(first.isNull());
  int shown = 0;
  for (QWidget* top : QApplication::topLevelWidgets())
    shown += top->objectName() == "frmChannelList" && top->isVisible();
  EXPECT_EQ(shown, 1);

  TfrmChannelList::CloseOpenList();
  EXPECT_EQ(TfrmChannelList::OpenList(), nullptr);

  Click(window_->imgMy);
  WaitIdle(window_);
  ASSERT_NE(TfrmChannelList::OpenList(), nullptr);
  window_->imgOkClick();
  Settle();
  EXPECT_EQ(TfrmChannelList::OpenList(), nullptr);
}

}  // namespace
}  // namespace velomira::test

#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QPainter>
#include <QTest>
#include <QWidget>
#include <vector>

#include "TestSkin.h"
#include "X11Only.h"
#include "core/dFunc.h"
#include "core/qt/WindowChrome.h"
#include "core/qt/WindowDrag.h"

namespace velomira {
namespace {

// A borderless stand-in for the main window: 266 x 200 with a main panel in it.
struct MainWindow {
  MainWindow() {
    window.setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    window.setGeometry(300, 300, 200, 266);
    mainPanel = new QWidget(&window);
    mainPanel->setObjectName("PnlMain");
    mainPanel->setGeometry(window.rect());
    guidePanel->setObjectName("PnlGuide");
    guidePanel->resize(200, 266);
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
  }
  QWidget window;
  QWidget* mainPanel;
  QWidget* guidePanel = new QWidget;  // a guide window's panel, not yet in the window
};

TEST(SwapMainPanel, EndsWithTheNewPanelFillingTheUnmaskedWindow) {
  VELOMIRA_REQUIRE_X11();
  test::TestSkin skin;
  MainWindow main;
  std::vector<int> heights;
  std::vector<QRegion> masks;
  struct Recorder : QObject {
    QWidget* window;
    std::vector<int>* heights;
    std::vector<QRegion>* masks;
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() == QEvent::Resize) {
        heights->push_back(static_cast<QResizeEvent*>(event)->size().height());
        masks->push_back(window->mask());
      }
      return false;
    }
  } recorder;
  recorder.window = &main.window;
  recorder.heights = &heights;
  recorder.masks = &masks;
  main.window.installEventFilter(&recorder);

  SwapMainPanel(main.mainPanel, main.guidePanel);

  EXPECT_EQ(main.guidePanel->parentWidget(), &main.window);
  EXPECT_TRUE(main.guidePanel->isVisible());
  EXPECT_EQ(main.guidePanel->geometry(), QRect(0, 0, 200, 266));
  EXPECT_FALSE(main.mainPanel->isVisible());
  EXPECT_EQ(main.mainPanel->parentWidget(), &main.window);
  EXPECT_EQ(main.window.geometry(), QRect(300, 300, 200, 266));
  EXPECT_TRUE(main.window.mask().isEmpty());
  EXPECT_TRUE(State().PanelSwapDone);
  // Closing: 216, 166, 116, 66, 16, then nothing; opening in 50-pixel steps.
  const std::vector<int> expected = {216, 166, 116, 66, 16, 1, 16, 66, 116, 166, 216, 266};
  EXPECT_EQ(heights, expected);
  ASSERT_EQ(masks.size(), expected.size());
  EXPECT_EQ(masks[0], SwapClosingShape(200, 266, 1));  // shaped while closing
  EXPECT_EQ(masks[6], QRegion(0, 0, 200, 266));        // full rectangle while opening

  // And back: the main panel returns in the same way.
  SwapMainPanel(main.guidePanel, main.mainPanel);
  EXPECT_TRUE(main.mainPanel->isVisible());
  EXPECT_FALSE(main.guidePanel->isVisible());
  EXPECT_EQ(main.mainPanel->geometry(), QRect(0, 0, 200, 266));
  EXPECT_EQ(main.window.geometry(), QRect(300, 300, 200, 266));
  EXPECT_TRUE(main.window.mask().isEmpty());
}

TEST(ScreenCopy, TintsWhatIsOnTheScreen) {
  VELOMIRA_REQUIRE_X11();
  QWidget white;
  white.setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
  white.setAutoFillBackground(true);
  QPalette colors = white.palette();
  colors.setColor(QPalette::Window, Qt::white);
  white.setPalette(colors);
  // A corner of the screen, away from the other windows of this suite.
  white.setGeometry(20, 880, 80, 60);
  white.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&white));
  // Exposed is not yet painted: wait until the screen shows the white.
  QImage tinted;
  EXPECT_TRUE(QTest::qWaitFor([&] {
    tinted = TintImage(CaptureScreenArea(30, 890, 20, 10), 1);
    return tinted.size() == QSize(20, 10) && tinted.pixelColor(10, 5) == QColor(85, 85, 138);
  }, 5000)) << qPrintable(tinted.pixelColor(10, 5).name());
}

TEST(WindowDrag, WindowFollowsTheMouseWithoutAWindowManager) {
  VELOMIRA_REQUIRE_X11();
  QWidget window;
  window.setWindowFlags(Qt::FramelessWindowHint);
  window.setGeometry(200, 200, 120, 80);
  auto* handle = new QWidget(&window);
  handle->setGeometry(window.rect());
  EnableWindowDrag(handle);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  const QPoint start = window.pos();

  const auto send = [handle](QEvent::Type type, QPoint local, Qt::MouseButton button,
                             Qt::MouseButtons buttons) {
    QMouseEvent event(type, local, handle->mapToGlobal(local), button, buttons, {});
    QCoreApplication::sendEvent(handle, &event);
  };
  send(QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton, Qt::LeftButton);
  send(QEvent::MouseMove, {40, 25}, Qt::NoButton, Qt::LeftButton);
  send(QEvent::MouseButtonRelease, {40, 25}, Qt::LeftButton, Qt::NoButton);
  // Xvfb runs no window manager, so the system move is refused and the fallback moves.
  EXPECT_EQ(window.pos(), start + QPoint(30, 15));

  send(QEvent::MouseButtonPress, {10, 10}, Qt::RightButton, Qt::RightButton);
  send(QEvent::MouseMove, {60, 60}, Qt::NoButton, Qt::RightButton);
  EXPECT_EQ(window.pos(), start + QPoint(30, 15));
}

TEST(ControlNameAt, NamesTheControlUnderAScreenPoint) {
  VELOMIRA_REQUIRE_X11();
  QWidget window;
  window.setObjectName("frmTest");
  window.setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
  window.setGeometry(1150, 40, 100, 100);
  auto* button = new QWidget(&window);
  button->setObjectName("imgOk");
  button->setGeometry(10, 10, 20, 20);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  EXPECT_EQ(ControlNameAt(1165, 55), "imgOk");
  EXPECT_EQ(ControlNameAt(1230, 130), "frmTest");
}

}  // namespace
}  // namespace velomira

// "To tray" with a tray on the desktop hides the window; the tray icon brings it back.
#include <QSystemTrayIcon>

#include "MainWindowFixture.h"
#include "mainwin/MainActions.h"

namespace velomira::test {
namespace {

TEST_F(MainWindowTest, WithATrayToTrayHidesAndTheIconRestores) {
  if (!QSystemTrayIcon::isSystemTrayAvailable()) GTEST_SKIP() << "no tray on this desktop";
  ServeCategory(4, Framed(SampleProgram("P1")));
  TfrmMain* window = Create();
  window->show();
  Choose(window, 4);
  EXPECT_TRUE(window->windowFlags().testFlag(Qt::Tool));  // no taskbar button
  EXPECT_TRUE(window->RxTrayIcon1->isVisible());

  MainButtonAction(3);
  EXPECT_FALSE(window->isVisible());
  EXPECT_FALSE(window->isMinimized());
  EXPECT_FALSE(window->TimerMain->isActive());

  window->RxTrayIcon1Click();
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(window->TimerMain->isActive());
  // A click while visible hides again.
  window->RxTrayIcon1Click();
  EXPECT_TRUE(window->InTray);
  EXPECT_FALSE(window->isVisible());
}

}  // namespace
}  // namespace velomira::test

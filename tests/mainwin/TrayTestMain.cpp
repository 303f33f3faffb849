// The tray under a real X server with a stand-in status-notifier watcher on the session
// bus, started before anything looks for a tray (the answer is kept for the run). Without a display or a bus the
// tests skip themselves.
#include <QApplication>
#include <QDBusConnection>
#include <QThread>
#include <cstdlib>
#include <gtest/gtest.h>

#include "FakeTrayWatcher.h"

int main(int argc, char** argv) {
  const bool desktop = std::getenv("DISPLAY") != nullptr;
  if (!desktop) qputenv("QT_QPA_PLATFORM", "offscreen");
  setenv("BROWSER", "true", 1);
  QApplication app(argc, argv);
  // The watcher answers from a thread of its own: the application asks it synchronously.
  QThread watcherThread;
  velomira::test::FakeTrayWatcher* watcher = nullptr;
  if (desktop && QDBusConnection::sessionBus().isConnected()) {
    watcher = new velomira::test::FakeTrayWatcher;
    watcher->moveToThread(&watcherThread);
    watcherThread.start();
    QMetaObject::invokeMethod(watcher, &velomira::test::FakeTrayWatcher::Register, Qt::BlockingQueuedConnection);
  }
  testing::InitGoogleTest(&argc, argv);
  const int result = RUN_ALL_TESTS();
  if (watcher) {
    QMetaObject::invokeMethod(watcher, &QObject::deleteLater);
    watcherThread.quit();
    watcherThread.wait();
  }
  return result;
}

// The screen-saver watcher against fake screen savers on the session bus.
#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

#include "BusExport.h"
#include "platform/qt/ScreenSaverWatch.h"

namespace velomira::test {
namespace {

class FakeFreedesktopSaver : public QObject {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")
 public:
  bool Active = false;
 public slots:
  bool GetActive() const { return Active; }
};

class FakeGnomeSaver : public QObject {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.gnome.ScreenSaver")
 public:
  bool Active = false;
 public slots:
  bool GetActive() const { return Active; }
};

class ScreenSaverWatchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!QDBusConnection::sessionBus().isConnected()) GTEST_SKIP() << "no session bus";
  }
};

TEST_F(ScreenSaverWatchTest, NoScreenSaverOnTheBusCountsAsNotActive) {
  ScreenSaverWatch watch(nullptr, 10);
  QSignalSpy changes(&watch, &ScreenSaverWatch::Changed);
  QTest::qWait(100);
  EXPECT_EQ(changes.count(), 0);
  EXPECT_FALSE(watch.Active());
}

TEST_F(ScreenSaverWatchTest, ReportsTheFreedesktopScreenSaverStartingAndStopping) {
  FakeFreedesktopSaver saver;
  BusExport exported("org.freedesktop.ScreenSaver", "/org/freedesktop/ScreenSaver", &saver);
  ASSERT_TRUE(exported.Registered());
  ScreenSaverWatch watch(nullptr, 10);
  QSignalSpy changes(&watch, &ScreenSaverWatch::Changed);
  saver.Active = true;
  ASSERT_TRUE(WaitFor([&] { return changes.count() == 1; }));
  EXPECT_TRUE(changes.at(0).at(0).toBool());
  saver.Active = false;
  ASSERT_TRUE(WaitFor([&] { return changes.count() == 2; }));
  EXPECT_FALSE(changes.at(1).at(0).toBool());
  watch.Stop();
}

TEST_F(ScreenSaverWatchTest, FallsBackToTheGnomeScreenSaver) {
  FakeGnomeSaver saver;
  saver.Active = true;
  BusExport exported("org.gnome.ScreenSaver", "/org/gnome/ScreenSaver", &saver);
  ASSERT_TRUE(exported.Registered());
  ScreenSaverWatch watch(nullptr, 10);
  EXPECT_TRUE(WaitFor([&] { return watch.Active(); }));
}

}  // namespace
}  // namespace velomira::test

#include "ScreenSaverWatchTest.moc"

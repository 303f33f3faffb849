// The alarm's desktop notification against a fake notification service on the bus.
#include <gtest/gtest.h>

#include <QDBusMessage>
#include <QTemporaryDir>
#include <QVariantMap>

#include "BusExport.h"
#include "MainWindowFixture.h"
#include "core/dFunc.h"
#include "platform/qt/DesktopNotification.h"
#include "support/FakeBrowser.h"

namespace velomira::test {
namespace {

const QString kService = "org.freedesktop.Notifications";
const QString kPath = "/org/freedesktop/Notifications";

class FakeNotifications : public QObject {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
 public:
  struct Sent {
    QString App, Summary, Body;
    QStringList Actions;
    QVariantMap Hints;
  };
  QList<Sent> Received;

 public slots:
  uint Notify(const QString& app, uint /*replaces*/, const QString& /*icon*/, const QString& summary,
              const QString& body, const QStringList& actions, const QVariantMap& hints, int /*timeout*/) {
    Received.append({app, summary, body, actions, hints});
    return 40 + static_cast<uint>(Received.size());
  }
  QStringList GetCapabilities() const { return {"actions", "body"}; }
};

class DesktopNotificationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!QDBusConnection::sessionBus().isConnected()) GTEST_SKIP() << "no session bus";
    ASSERT_TRUE(dir_.isValid());
  }
  // The service tells the client the member picked an action of notification id.
  void Invoke(const BusExport& exported, uint id, const QString& action) {
    QDBusMessage signal = QDBusMessage::createSignal(kPath, kService, "ActionInvoked");
    signal << id << action;
    exported.Connection().send(signal);
  }

  QTemporaryDir dir_;
};

TEST_F(DesktopNotificationTest, NoServiceMeansNoNotification) {
  EXPECT_FALSE(NotificationServiceAvailable());
  NotifyAlarm({"Evening News", "Station 7", "09:32pm", "www.example.test/p1"});  // nothing to wait for
}

TEST_F(DesktopNotificationTest, TheServiceGetsTheAlarmAndItsOpenActionOpensThePage) {
  FakeNotifications server;
  BusExport exported(kService, kPath, &server);
  ASSERT_TRUE(exported.Registered());
  EXPECT_TRUE(NotificationServiceAvailable());
  FakeBrowser browser(dir_.path());

  // The title and station are code-page texts; the body is markup to the service.
  NotifyAlarm({"Caf\xE9 <Live>", "Station & Co", "09:32pm", "www.example.test/p1"});
  ASSERT_TRUE(WaitFor([&] { return server.Received.size() == 1; }));
  const FakeNotifications::Sent& sent = server.Received[0];
  EXPECT_EQ(sent.App, "Velomira");
  EXPECT_EQ(sent.Summary, QString::fromUtf8("Caf\u00e9 <Live>"));
  EXPECT_EQ(sent.Body, "Station &amp; Co\nStarts at 09:32pm");
  EXPECT_EQ(sent.Actions, (QStringList{"open", "Open"}));
  EXPECT_EQ(sent.Hints.value("desktop-entry").toString(), "velomira");

  NotifyAlarm({"Late Show", "", "11:00pm", "www.example.test/p2"});
  ASSERT_TRUE(WaitFor([&] { return server.Received.size() == 2; }));
  EXPECT_EQ(server.Received[1].Body, "Starts at 11:00pm");

  // Another program's notification and another action open nothing; ours opens its page.
  Invoke(exported, 7, "open");
  Invoke(exported, 41, "default");
  Invoke(exported, 42, "open");
  EXPECT_EQ(browser.Address(), "www.example.test/p2");
}

// Behind a screen saver or in the tray the bubble would burst unseen: the notification
// stands alone then; a window in view gets both.
TEST_F(MainWindowTest, AWindowOutOfViewLeavesTheAlarmToTheNotification) {
  if (!QDBusConnection::sessionBus().isConnected()) GTEST_SKIP() << "no session bus";
  FakeNotifications server;
  BusExport exported(kService, kPath, &server);
  ASSERT_TRUE(exported.Registered());
  service_.Reply("/servlet/servlet.PresetEdit", Framed(""));
  TfrmMain* window = Create();  // never shown, as if hidden in the tray
  State().PresetTable.Set({{"P1", "20261210[09:32pm-10:00pm] Thu.10", "Show P1", "www.show.test/P1", "Station 1"}});
  ModalAnswerer answerer;
  window->TimerTimeTimer();
  ASSERT_TRUE(WaitFor([&] { return server.Received.size() == 1; }));
  EXPECT_EQ(answerer.Alarms(), 0);
  EXPECT_EQ(server.Received[0].Summary, "Show P1");
  EXPECT_EQ(server.Received[0].Body, "Station 1\nStarts at 09:32pm");
  EXPECT_TRUE(window->TimerTime->isActive());
  EXPECT_EQ(service_.RequestsTo("/servlet/servlet.PresetEdit").size(), 1u);  // marked all the same

  window->show();
  window->TimerTimeTimer();
  EXPECT_TRUE(WaitFor([&] { return answerer.Alarms() == 1; }));
  EXPECT_TRUE(WaitFor([&] { return server.Received.size() == 2; }));
}

}  // namespace
}  // namespace velomira::test

#include "DesktopNotificationTest.moc"

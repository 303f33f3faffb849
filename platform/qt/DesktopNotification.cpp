#include "platform/qt/DesktopNotification.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QHash>
#include <QStringList>
#include <QVariantMap>

#include "core/dFunc.h"
#include "platform/Browser.h"

namespace velomira {

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kOpenAction = QStringLiteral("open");

QString FromCore(const std::string& text) { return QString::fromStdString(ToUtf8(text)); }

// Remembers the page of every notification sent and opens it when the member picks
// "Open". Lives as long as the application object.
class AlarmNotifications : public QObject {
  Q_OBJECT
 public:
  explicit AlarmNotifications(QObject* parent) : QObject(parent) {
    QDBusConnection::sessionBus().connect(kService, kPath, kService, QStringLiteral("ActionInvoked"), this,
                                          SLOT(ActionInvoked(uint, QString)));
    QDBusConnection::sessionBus().connect(kService, kPath, kService, QStringLiteral("NotificationClosed"), this,
                                          SLOT(NotificationClosed(uint, uint)));
  }

  void Send(const AlarmNotice& notice) {
    QString body;
    if (!notice.Station.empty()) body = FromCore(notice.Station).toHtmlEscaped() + QLatin1Char('\n');
    body += QStringLiteral("Starts at %1").arg(FromCore(notice.StartTime).toHtmlEscaped());
    QVariantMap hints;
    hints.insert(QStringLiteral("desktop-entry"), QStringLiteral("velomira"));
    hints.insert(QStringLiteral("urgency"), QVariant::fromValue<uchar>(2));  // critical: stays up
    QDBusMessage notify = QDBusMessage::createMethodCall(kService, kPath, kService, QStringLiteral("Notify"));
    notify << QStringLiteral("Velomira") << 0u << QStringLiteral("velomira") << FromCore(notice.Title) << body
           << QStringList{kOpenAction, QStringLiteral("Open")} << hints << -1;
    const QDBusPendingCall call = QDBusConnection::sessionBus().asyncCall(notify);
    auto* watcher = new QDBusPendingCallWatcher(call, this);
    const std::string address = notice.Address;
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, address](QDBusPendingCallWatcher* done) {
      const QDBusPendingReply<uint> reply = *done;
      if (!reply.isError()) pages_.insert(reply.value(), address);
      done->deleteLater();
    });
  }

 private slots:
  void ActionInvoked(uint id, const QString& action) {
    const auto page = pages_.constFind(id);
    if (page == pages_.cend() || action != kOpenAction) return;
    OpenWebPage(*page);
  }
  void NotificationClosed(uint id, uint /*reason*/) { pages_.remove(id); }

 private:
  QHash<uint, std::string> pages_;
};

AlarmNotifications& Notifications() {
  static AlarmNotifications* notifications = new AlarmNotifications(QCoreApplication::instance());
  return *notifications;
}

}  // namespace

void NotifyAlarm(const AlarmNotice& notice) {
  if (!QDBusConnection::sessionBus().isConnected()) return;
  Notifications().Send(notice);
}

bool NotificationServiceAvailable() {
  const QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
  if (bus == nullptr) return false;
  return bus->isServiceRegistered(kService) || bus->activatableServiceNames().value().contains(kService);
}

}  // namespace velomira

#include "DesktopNotification.moc"

#pragma once
// Stands in for the desktop's org.kde.StatusNotifierWatcher: a tray host is registered
// and every item that registers is accepted.
#include <QDBusConnection>
#include <QObject>
#include <QStringList>

namespace velomira::test {

class FakeTrayWatcher : public QObject {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
  Q_PROPERTY(bool IsStatusNotifierHostRegistered READ HostRegistered)
  Q_PROPERTY(int ProtocolVersion READ ProtocolVersion)
  Q_PROPERTY(QStringList RegisteredStatusNotifierItems READ Items)

 public:
  ~FakeTrayWatcher() override { QDBusConnection::disconnectFromBus("fake-tray-watcher"); }
  bool HostRegistered() const { return true; }
  int ProtocolVersion() const { return 0; }
  QStringList Items() const { return items_; }

  void Register() {
    QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "fake-tray-watcher");
    bus.registerObject("/StatusNotifierWatcher", this,
                       QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties);
    bus.registerService("org.kde.StatusNotifierWatcher");
  }

 public slots:
  void RegisterStatusNotifierItem(const QString& service) { items_ << service; }
  void RegisterStatusNotifierHost(const QString&) {}

 private:
  QStringList items_;
};

}  // namespace velomira::test

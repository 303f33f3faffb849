#pragma once
// Stand-ins for desktop services on the session bus of the test command.
#include <QDBusConnection>
#include <QElapsedTimer>
#include <QTest>
#include <functional>

namespace velomira::test {

// Registers obj under service and path on a connection of its own, so the client asks
// over the bus like it would ask the desktop.
class BusExport {
 public:
  BusExport(const QString& service, const QString& path, QObject* obj)
      : name_("fake-" + service), service_(service) {
    QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, name_);
    registered_ = bus.registerObject(path, obj, QDBusConnection::ExportAllSlots) && bus.registerService(service);
  }
  ~BusExport() {
    QDBusConnection bus(name_);
    bus.unregisterService(service_);
    QDBusConnection::disconnectFromBus(name_);
  }
  bool Registered() const { return registered_; }
  // The connection the service is registered on, to send its signals from.
  QDBusConnection Connection() const { return QDBusConnection(name_); }

 private:
  QString name_, service_;
  bool registered_ = false;
};

// Runs the event loop until condition holds, for at most 3 s.
inline bool WaitFor(const std::function<bool()>& condition) {
  QElapsedTimer clock;
  clock.start();
  while (!condition() && clock.elapsed() < 3000) QTest::qWait(10);
  return condition();
}

}  // namespace velomira::test

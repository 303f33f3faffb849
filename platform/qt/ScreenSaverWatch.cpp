#include "ScreenSaverWatch.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QTimer>
#include <array>

namespace velomira {

namespace {

struct SaverService {
  const char* Service;
  const char* Path;
  const char* Interface;
};

constexpr std::array<SaverService, 2> kServices{{
    {"org.freedesktop.ScreenSaver", "/org/freedesktop/ScreenSaver", "org.freedesktop.ScreenSaver"},
    {"org.gnome.ScreenSaver", "/org/gnome/ScreenSaver", "org.gnome.ScreenSaver"},
}};

constexpr int kReplyTimeoutMs = 900;

}  // namespace

ScreenSaverWatch::ScreenSaverWatch(QObject* parent, int intervalMs) : QObject(parent), timer_(new QTimer(this)) {
  timer_->setInterval(intervalMs);
  connect(timer_, &QTimer::timeout, this, &ScreenSaverWatch::Poll);
  timer_->start();
}

void ScreenSaverWatch::Stop() { timer_->stop(); }

void ScreenSaverWatch::Poll() {
  if (asking_) return;  // the last question is still open
  Ask(0);
}

void ScreenSaverWatch::Ask(int service) {
  if (service >= static_cast<int>(kServices.size())) {
    Report(false);
    return;
  }
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) {
    Report(false);
    return;
  }
  const SaverService& saver = kServices[static_cast<std::size_t>(service)];
  const QDBusMessage call = QDBusMessage::createMethodCall(saver.Service, saver.Path, saver.Interface, "GetActive");
  asking_ = true;
  auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, kReplyTimeoutMs), this);
  connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, service](QDBusPendingCallWatcher* done) {
    done->deleteLater();
    const QDBusPendingReply<bool> reply = *done;
    if (reply.isError()) {
      Ask(service + 1);
      return;
    }
    Report(reply.value());
  });
}

void ScreenSaverWatch::Report(bool active) {
  asking_ = false;
  if (active == active_) return;
  active_ = active;
  emit Changed(active);
}

}  // namespace velomira

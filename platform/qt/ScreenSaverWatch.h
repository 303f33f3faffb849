#pragma once
// Learns when the desktop's screen saver starts and stops by asking the session bus
// about once a second: org.freedesktop.ScreenSaver, failing that org.gnome.ScreenSaver;
// with neither the screen saver counts as not active. Questions are asynchronous, so a
// slow bus never holds the window.
#include <QObject>

class QTimer;

namespace velomira {

class ScreenSaverWatch : public QObject {
  Q_OBJECT
 public:
  explicit ScreenSaverWatch(QObject* parent = nullptr, int intervalMs = 1000);

  bool Active() const { return active_; }
  void Stop();
  void Poll();  // one question now (the timer calls it)

 signals:
  void Changed(bool active);

 private:
  void Ask(int service);
  void Report(bool active);

  QTimer* timer_;
  bool active_ = false;
  bool asking_ = false;
};

}  // namespace velomira

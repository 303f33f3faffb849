#pragma once
// For widget tests: runs the event loop for a while, freeing what was deleted later.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>

namespace velomira::test {

inline void RunEventLoop(int ms) {
  QElapsedTimer clock;
  clock.start();
  do {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  } while (clock.elapsed() < ms);
}

}  // namespace velomira::test

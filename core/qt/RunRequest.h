#pragma once
// Runs a blocking request function off the UI thread and hands its result back to the
// UI thread. The result reaches `done` only while `context` still exists: a window that
// closed meanwhile never sees it. `done` and everything it captured are destroyed on
// the UI thread, so it may hold widgets or scope objects that restore them.
#include <QCoreApplication>
#include <QPointer>
#include <QThreadPool>
#include <memory>
#include <type_traits>
#include <utility>

namespace velomira {

template <class Work, class Done>
void RunRequest(QObject* context, Work work, Done done) {
  using Result = std::invoke_result_t<Work&>;
  // Only the UI thread looks at the guard; the worker just carries it along.
  auto guard = std::make_shared<QPointer<QObject>>(context);
  auto delivery = std::make_shared<Done>(std::move(done));
  QThreadPool::globalInstance()->start([guard, delivery, work = std::move(work)]() mutable {
    Result result = work();
    // The worker gives up its references here, so the last one dies on the UI thread.
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [guard = std::move(guard), delivery = std::move(delivery), result = std::move(result)]() mutable {
          if (!guard->isNull()) (*delivery)(std::move(result));
        },
        Qt::QueuedConnection);
  });
}

// Waits until every request started with RunRequest has ended (tests, and the end of
// the program). Results already posted still wait for the event loop.
inline void WaitForRequests() { QThreadPool::globalInstance()->waitForDone(); }

}  // namespace velomira

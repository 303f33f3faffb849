#pragma once
// The hourglass for as long as the object lives. Held by a request's completion, it
// comes back to the arrow even when the completion is dropped.
#include <QApplication>

namespace velomira {

class WaitCursor {
 public:
  WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace velomira

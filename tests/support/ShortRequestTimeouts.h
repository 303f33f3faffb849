#pragma once
// Requests give up after a few seconds of silence while it lives, so a test of a silent
// service ends soon, even when the window under test waits on the wrong thread.
#include "core/Requests.h"

namespace velomira::test {

class ShortRequestTimeouts {
 public:
  explicit ShortRequestTimeouts(long seconds = 1) { SetRequestTimeoutsForTests(seconds, seconds); }
  ~ShortRequestTimeouts() { SetRequestTimeoutsForTests(30, 60); }  // the program's own
  ShortRequestTimeouts(const ShortRequestTimeouts&) = delete;
  ShortRequestTimeouts& operator=(const ShortRequestTimeouts&) = delete;
};

}  // namespace velomira::test

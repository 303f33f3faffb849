#pragma once
// Limits of every service request, and how a thread breaks off its own requests (the
// request functions themselves are in dFunc.h).
#include <stop_token>

namespace velomira {

// While one lives, every request of the thread that made it fails at once when stop has
// been requested, and a transfer under way is broken off within a second of the stop.
// Requests of other threads are not affected. Scopes nest; the innermost one counts.
class RequestAbortScope {
 public:
  explicit RequestAbortScope(std::stop_token stop);
  ~RequestAbortScope();
  RequestAbortScope(const RequestAbortScope&) = delete;
  RequestAbortScope& operator=(const RequestAbortScope&) = delete;

 private:
  std::stop_token stop_;
  const std::stop_token* outer_;
};

// A request gives up when connecting takes longer than ConnectSeconds or when nothing
// arrives for IdleSeconds, so a silent server cannot freeze a window. Defaults: 30, 60.
// Tests shorten both; the program never changes them.
void SetRequestTimeoutsForTests(long connectSeconds, long idleSeconds);

}  // namespace velomira

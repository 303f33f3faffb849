#include "RateWindow.h"

namespace velomira::service {

namespace {

// Past this many keys, keys without recent events are dropped.
constexpr std::size_t kSweepAbove = 100'000;

}  // namespace

void RateWindow::forgetOld(std::deque<std::int64_t>& times, std::int64_t now) const {
  while (!times.empty() && times.front() <= now - seconds_) times.pop_front();
}

bool RateWindow::full(const std::string& key, std::int64_t now) {
  std::lock_guard lock(mutex_);
  const auto found = events_.find(key);
  if (found == events_.end()) return false;
  forgetOld(found->second, now);
  return found->second.size() >= limit_;
}

void RateWindow::add(const std::string& key, std::int64_t now) {
  std::lock_guard lock(mutex_);
  if (events_.size() > kSweepAbove) {
    for (auto at = events_.begin(); at != events_.end();) {
      forgetOld(at->second, now);
      at = at->second.empty() ? events_.erase(at) : std::next(at);
    }
  }
  auto& times = events_[key];
  forgetOld(times, now);
  times.push_back(now);
  if (times.size() > limit_) times.pop_front();
}

}  // namespace velomira::service

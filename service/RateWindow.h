#pragma once
// Counts events per key over a sliding window (failed logins, mails, usage
// logs); kept in memory, so a restart starts every count afresh.
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <unordered_map>

namespace velomira::service {

class RateWindow {
public:
  RateWindow(std::size_t limit, std::int64_t seconds) : limit_(limit), seconds_(seconds) {}

  // True when key already had limit events within the window before now.
  bool full(const std::string& key, std::int64_t now);
  void add(const std::string& key, std::int64_t now);

private:
  void forgetOld(std::deque<std::int64_t>& times, std::int64_t now) const;

  const std::size_t limit_;
  const std::int64_t seconds_;
  std::mutex mutex_;
  std::unordered_map<std::string, std::deque<std::int64_t>> events_;
};

}  // namespace velomira::service

#pragma once
// Usage logs and the outbox share one size cap: past it the oldest of either
// are dropped (outbox files too) and a warning is logged.
#include <cstdint>
#include <mutex>
#include <optional>

#include "Servlet.h"

namespace velomira::service {

class StorageQuota {
public:
  // Counts about bytes just stored through call, then drops the oldest
  // logs and mails while the two together exceed the configured cap.
  void stored(ServletCall& call, std::int64_t bytes);

private:
  std::int64_t dropOldest(ServletCall& call);

  std::mutex mutex_;
  std::optional<std::int64_t> used_;  // counted once, then kept up to date
};

}  // namespace velomira::service

#pragma once
// The lock that keeps a second copy of the client from running. It is an flock on a
// per-user file, held for the life of the process: when the process dies, however it
// dies, the system drops the lock.
#include <string>

namespace velomira {

inline constexpr const char* SingleInstanceName = "MY_APP";

// "$XDG_RUNTIME_DIR/velomira-<uid>-<name>.lock", or below /tmp without a runtime folder.
std::string SingleInstanceLockPath(const std::string& name);

class SingleInstanceLock {
 public:
  SingleInstanceLock() = default;
  ~SingleInstanceLock() { Release(); }
  SingleInstanceLock(const SingleInstanceLock&) = delete;
  SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

  // False when another running copy holds the lock (or the lock file cannot be opened).
  bool TryAcquire(const std::string& name = SingleInstanceName);
  void Release();
  bool Held() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

}  // namespace velomira

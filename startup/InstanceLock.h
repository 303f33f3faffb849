#pragma once
// The single-running-copy marker: a lock held for the life of the process, released by
// the system when the process ends however it ends.
#include <string>

namespace velomira {

class InstanceLock {
 public:
  // Tries to take the lock at path; an empty path means the per-user lock of the client.
  explicit InstanceLock(const std::string& path = {});
  ~InstanceLock();
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;

  // False when another copy holds the lock.
  bool Held() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

}  // namespace velomira

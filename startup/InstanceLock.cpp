#include "InstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdlib>

namespace velomira {

namespace {

std::string DefaultLockPath() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime != nullptr && *runtime != '\0') return std::string(runtime) + "/velomira-MY_APP.lock";
  return "/tmp/velomira-MY_APP-" + std::to_string(::getuid()) + ".lock";
}

}  // namespace

InstanceLock::InstanceLock(const std::string& path) {
  const std::string lockPath = path.empty() ? DefaultLockPath() : path;
  int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) return;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    return;
  }
  fd_ = fd;
}

InstanceLock::~InstanceLock() {
  if (fd_ >= 0) ::close(fd_);  // closing releases the lock
}

}  // namespace velomira

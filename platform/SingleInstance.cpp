#include "SingleInstance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdlib>

namespace velomira {

std::string SingleInstanceLockPath(const std::string& name) {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  std::string folder = runtime && *runtime ? runtime : "/tmp";
  if (folder.back() != '/') folder += '/';
  return folder + "velomira-" + std::to_string(getuid()) + "-" + name + ".lock";
}

bool SingleInstanceLock::TryAcquire(const std::string& name) {
  if (Held()) return true;
  // Close-on-exec: a browser started by the client must not inherit the lock and keep
  // the next start of the client from running.
  const int fd = open(SingleInstanceLockPath(name).c_str(),
                      O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd < 0) return false;
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    close(fd);
    return false;
  }
  fd_ = fd;
  return true;
}

void SingleInstanceLock::Release() {
  if (!Held()) return;
  close(fd_);  // closing the only descriptor drops the lock
  fd_ = -1;
}

}  // namespace velomira

#include "Replace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "core/dFunc.h"

namespace velomira::launcher {

namespace {

// The case-insensitive match of name in folder, or the name in the folder as spelled
// on disk when it does not exist yet.
std::string PathInFolder(const std::string& folder, const std::string& name) {
  return ResolvePathForWrite(folder + name);
}

bool Exists(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0;
}

void Remove(const std::string& path) { std::remove(path.c_str()); }

bool CopyData(int from, int to) {
  char buffer[64 * 1024];
  for (;;) {
    ssize_t got = ::read(from, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return false;
    if (got == 0) return true;
    for (ssize_t done = 0; done < got;) {
      ssize_t written = ::write(to, buffer + done, static_cast<std::size_t>(got - done));
      if (written < 0 && errno == EINTR) continue;
      if (written < 0) return false;
      done += written;
    }
  }
}

}  // namespace

bool CopyExclusive(const std::string& from, const std::string& to) {
  int source = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
  if (source < 0) return false;
  struct stat info {};
  if (::fstat(source, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(source);
    return false;
  }
  int target = ::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                      info.st_mode & 07777);
  if (target < 0) {
    ::close(source);
    return false;
  }
  bool copied = CopyData(source, target);
  // The umask may have taken bits away; the copy keeps the source's permissions.
  copied = ::fchmod(target, info.st_mode & 07777) == 0 && copied;
  copied = ::close(target) == 0 && copied;
  ::close(source);
  if (!copied) Remove(to);
  return copied;
}

std::string MainProgramPath(const std::string& folder) {
  return PathInFolder(folder, "VelomiraMain");
}

void ReplaceMainProgram(const std::string& folder, const CopyFunction& copy) {
  const std::string staged = PathInFolder(folder, "Temp/Velomiramain");
  if (!FileExistsAnyCase(staged)) return;
  const std::string installed = MainProgramPath(folder);
  const std::string backup = PathInFolder(folder, "Velomiramain.Bak");
  const std::string package = PathInFolder(folder, "Temp/Velomiramain.Zip");

  if (Exists(installed)) {
    copy(installed, backup);  // fails, not retried, when an old backup is in the way
    // Never delete the only copy of the program: without a backup the new copy fails
    // on the existing target and the installed program stays.
    if (Exists(backup)) Remove(installed);
  }
  if (copy(staged, installed)) {
    Remove(backup);
    Remove(staged);
    Remove(package);
    return;
  }
  copy(backup, installed);
  if (Exists(installed)) Remove(backup);  // the backup is the last copy otherwise

}

}  // namespace velomira::launcher

// Settings and lookup files are replaced as a whole through a sibling temporary file,
// so a crash or a concurrent reader never sees a truncated file.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <string>

#include "AsciiText.h"
#include "dFunc.h"

namespace velomira {

namespace {

std::string FileNameOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// These files hold the member's credentials and proxy password.
bool HoldsCredentials(const std::string& path) {
  const std::string name = FileNameOf(path);
  return EqualsNoCase(name, "user.ini") || EqualsNoCase(name, "proxy.ini");
}

// The mode an ordinary new file gets. The umask is read from /proc because umask()
// can only be read by changing it, which would race with other threads.
mode_t ModeForNewFile() {
  mode_t mask = 022;
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("Umask:", 0) == 0) {
      mask = static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8));
      break;
    }
  }
  return 0666 & ~mask;
}

bool WriteAll(int fd, const std::string& data) {
  std::size_t done = 0;
  while (done < data.size()) {
    const ssize_t written = ::write(fd, data.data() + done, data.size() - done);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<std::size_t>(written);
  }
  return true;
}

}  // namespace

bool ReplaceFileAtomically(const std::string& path, const std::string& content, bool ownerOnly) {
  struct stat existing {};
  mode_t mode = ::stat(path.c_str(), &existing) == 0 ? (existing.st_mode & 07777) : ModeForNewFile();
  if (ownerOnly || HoldsCredentials(path)) mode = 0600;

  std::string temp = path + ".XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return false;
  bool ok = ::fchmod(fd, mode) == 0 && WriteAll(fd, content) && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  if (ok) ok = ::rename(temp.c_str(), path.c_str()) == 0;
  if (!ok) ::unlink(temp.c_str());
  return ok;
}

}  // namespace velomira

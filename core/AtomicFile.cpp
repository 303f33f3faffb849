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
#include "StagedFile.h"
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

}  // namespace

// The umask is read from /proc because umask() can only be read by changing it, which
// would race with other threads.
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

StagedFile::StagedFile(const std::string& path, mode_t mode) : path_(path), temp_(path + ".XXXXXX") {
  fd_ = ::mkstemp(temp_.data());
  if (fd_ >= 0 && ::fchmod(fd_, mode) != 0) Discard();
}

StagedFile::~StagedFile() { Discard(); }

bool StagedFile::Write(std::string_view data) {
  if (!Open()) return false;
  while (!failed_ && !data.empty()) {
    const ssize_t written = ::write(fd_, data.data(), data.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      failed_ = true;
      break;
    }
    data.remove_prefix(static_cast<std::size_t>(written));
  }
  return !failed_;
}

bool StagedFile::Commit() {
  if (!Open() || failed_) return false;
  const bool flushed = ::fsync(fd_) == 0;
  const bool closed = ::close(fd_) == 0;
  fd_ = -1;
  if (flushed && closed && ::rename(temp_.c_str(), path_.c_str()) == 0) {
    temp_.clear();
    return true;
  }
  ::unlink(temp_.c_str());
  temp_.clear();
  return false;
}

void StagedFile::Discard() {
  if (fd_ < 0) return;
  ::close(fd_);
  fd_ = -1;
  ::unlink(temp_.c_str());
  temp_.clear();
}

bool ReplaceFileAtomically(const std::string& path, const std::string& content, bool ownerOnly) {
  struct stat existing {};
  mode_t mode = ::stat(path.c_str(), &existing) == 0 ? (existing.st_mode & 07777) : ModeForNewFile();
  if (ownerOnly || HoldsCredentials(path)) mode = 0600;

  StagedFile file(path, mode);
  return file.Write(content) && file.Commit();
}

}  // namespace velomira

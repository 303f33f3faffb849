// Unpacking of skin and update packages. libzip has no extract-all call, so every
// entry is placed by hand, and nothing an archive says may write outside the target
// folder: unsafe names and link entries are skipped, folders are entered one step at a
// time without following links, and files are created without following links.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zip.h>

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "dFunc.h"

namespace velomira {

namespace {

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd = -1) : fd_(fd) {}
  FileDescriptor(FileDescriptor&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
  FileDescriptor& operator=(FileDescriptor&& other) noexcept {
    if (this != &other) {
      Close();
      fd_ = other.fd_;
      other.fd_ = -1;
    }
    return *this;
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  ~FileDescriptor() { Close(); }

  int Get() const { return fd_; }
  bool Valid() const { return fd_ >= 0; }

 private:
  void Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
  }
  int fd_;
};

struct ArchiveCloser {
  void operator()(zip_t* archive) const { zip_discard(archive); }
};
using Archive = std::unique_ptr<zip_t, ArchiveCloser>;

struct EntryCloser {
  void operator()(zip_file_t* file) const { zip_fclose(file); }
};
using Entry = std::unique_ptr<zip_file_t, EntryCloser>;

// The path components of a safe entry name; empty when the entry must be skipped.
std::vector<std::string> SafeComponents(std::string_view name) {
  if (name.empty() || name.front() == '/') return {};
  if (name.find('\\') != std::string_view::npos || name.find(':') != std::string_view::npos)
    return {};
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (start <= name.size()) {
    std::size_t end = name.find('/', start);
    if (end == std::string_view::npos) end = name.size();
    std::string_view part = name.substr(start, end - start);
    if (part == "..") return {};
    if (!part.empty() && part != ".") parts.emplace_back(part);
    start = end + 1;
  }
  return parts;
}

struct UnixAttributes {
  bool Known = false;
  mode_t Mode = 0;
};

UnixAttributes EntryAttributes(zip_t* archive, zip_uint64_t index) {
  zip_uint8_t system = 0;
  zip_uint32_t attributes = 0;
  if (zip_file_get_external_attributes(archive, index, 0, &system, &attributes) != 0 ||
      system != ZIP_OPSYS_UNIX)
    return {};
  return {true, static_cast<mode_t>(attributes >> 16)};
}

// What one run unpacked so far: the bytes against the limits, and the files and folders
// it placed (relative to the target folder) to remove when the archive is refused.
struct ExtractRun {
  explicit ExtractRun(const ExtractLimits& limits) : Limits(limits) {}

  ExtractLimits Limits;
  std::uint64_t TotalBytes = 0;
  bool OverLimits = false;
  std::vector<std::string> Files, Folders;

  // Counts bytes of one entry; false (and OverLimits) once the archive expands too far.
  bool Count(std::uint64_t bytes, std::uint64_t entryBytes, std::uint64_t packedBytes) {
    TotalBytes += bytes;
    const bool ratioOver = entryBytes > Limits.RatioCheckedAbove &&
                           (packedBytes == 0 || entryBytes / packedBytes > Limits.MaxRatio ||
                            (entryBytes / packedBytes == Limits.MaxRatio && entryBytes % packedBytes != 0));
    if (TotalBytes > Limits.MaxTotalBytes || ratioOver) OverLimits = true;
    return !OverLimits;
  }

  void RemoveWritten(const std::string& folder) const {
    std::error_code ignored;
    for (const std::string& file : Files) std::filesystem::remove(folder + "/" + file, ignored);
    for (auto it = Folders.rbegin(); it != Folders.rend(); ++it)
      std::filesystem::remove(folder + "/" + *it, ignored);  // only when left empty
  }
};

std::string JoinedPath(const std::vector<std::string>& parts, std::size_t count) {
  std::string path;
  for (std::size_t i = 0; i < count; ++i) path += (i == 0 ? "" : "/") + parts[i];
  return path;
}

// Enters (creating when missing) one folder below parent; never follows a link.
FileDescriptor EnterFolder(int parent, const std::string& name, bool& created) {
  created = ::mkdirat(parent, name.c_str(), 0755) == 0;
  if (!created && errno != EEXIST) return FileDescriptor();
  return FileDescriptor(
      ::openat(parent, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
}

bool WriteAll(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    ssize_t written = ::write(fd, data, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}

// Copies the entry's data into an open file; false on a broken entry, a write error or
// an entry expanding past the limits. The bytes are counted as they come, whatever
// sizes the archive declares.
bool CopyEntry(zip_t* archive, zip_uint64_t index, int fd, ExtractRun& run) {
  zip_stat_t stat;
  zip_stat_init(&stat);
  if (zip_stat_index(archive, index, 0, &stat) != 0 || (stat.valid & ZIP_STAT_COMP_SIZE) == 0) return false;
  Entry entry(zip_fopen_index(archive, index, 0));
  if (!entry) return false;
  char buffer[64 * 1024];
  std::uint64_t entryBytes = 0;
  for (;;) {
    zip_int64_t got = zip_fread(entry.get(), buffer, sizeof buffer);
    if (got < 0) return false;
    if (got == 0) return true;
    entryBytes += static_cast<std::uint64_t>(got);
    if (!run.Count(static_cast<std::uint64_t>(got), entryBytes, stat.comp_size)) return false;
    if (!WriteAll(fd, buffer, static_cast<std::size_t>(got))) return false;
  }
}

// Places one entry below root; false only when the archive or the disk failed.
bool ExtractEntry(zip_t* archive, zip_uint64_t index, int root, ExtractRun& run) {
  const char* rawName = zip_get_name(archive, index, ZIP_FL_ENC_RAW);
  if (rawName == nullptr) return false;
  std::string_view name(rawName);
  std::vector<std::string> parts = SafeComponents(name);
  if (parts.empty()) return true;
  UnixAttributes attributes = EntryAttributes(archive, index);
  if (attributes.Known && S_ISLNK(attributes.Mode)) return true;

  bool isFolder = name.back() == '/' || (attributes.Known && S_ISDIR(attributes.Mode));
  std::size_t folderCount = isFolder ? parts.size() : parts.size() - 1;

  FileDescriptor current;
  int at = root;
  for (std::size_t i = 0; i < folderCount; ++i) {
    bool created = false;
    current = EnterFolder(at, parts[i], created);
    if (created) run.Folders.push_back(JoinedPath(parts, i + 1));
    if (!current.Valid()) return true;  // a link or a file stands in the way: skip
    at = current.Get();
  }
  if (isFolder) return true;

  const bool executable = attributes.Known && (attributes.Mode & 0111) != 0;
  const mode_t mode = executable ? 0755 : 0644;
  // Written under a private name and renamed into place when complete: a reader (the
  // launcher picking up a new program) never finds a half-written file, even after a
  // crash, and the rename replaces a link at the final name instead of following it.
  static std::atomic<unsigned> counter{0};
  const std::string partName =
      ".unzip-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".part";
  FileDescriptor file(::openat(at, partName.c_str(),
                               O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode));
  if (!file.Valid()) return false;
  const bool written = CopyEntry(archive, index, file.Get(), run) && ::fchmod(file.Get(), mode) == 0 &&
                       ::fsync(file.Get()) == 0;
  file = FileDescriptor();
  if (!written) {
    ::unlinkat(at, partName.c_str(), 0);
    return false;
  }
  if (::renameat(at, partName.c_str(), at, parts.back().c_str()) != 0) {
    const int error = errno;
    ::unlinkat(at, partName.c_str(), 0);
    return error == EISDIR || error == ENOTEMPTY || error == EEXIST;  // a folder there: skip
  }
  run.Files.push_back(JoinedPath(parts, parts.size()));
  return true;
}

}  // namespace

bool ExtractAll(const std::string& zipPath, const std::string& folder, const ExtractLimits& limits) {
  int error = 0;
  Archive archive(zip_open(zipPath.c_str(), ZIP_RDONLY, &error));
  if (!archive) return false;

  std::error_code ignored;
  std::filesystem::create_directories(folder, ignored);
  FileDescriptor root(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!root.Valid()) return false;

  ExtractRun run(limits);
  bool complete = true;
  zip_int64_t count = zip_get_num_entries(archive.get(), 0);
  for (zip_int64_t i = 0; i < count && !run.OverLimits; ++i)
    if (!ExtractEntry(archive.get(), static_cast<zip_uint64_t>(i), root.Get(), run)) complete = false;
  if (run.OverLimits) run.RemoveWritten(folder);
  return complete && !run.OverLimits;
}

}  // namespace velomira

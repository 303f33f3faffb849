#pragma once
// A file written under a temporary name beside its final path and given that name only
// once it is complete, so no reader and no crash ever meets half of it.
#include <sys/types.h>

#include <string>
#include <string_view>

namespace velomira {

class StagedFile {
 public:
  // Creates the temporary sibling of path; Open() tells whether that worked. The new
  // file gets mode.
  StagedFile(const std::string& path, mode_t mode);
  // Removes the temporary file unless Commit() gave it its name.
  ~StagedFile();
  StagedFile(const StagedFile&) = delete;
  StagedFile& operator=(const StagedFile&) = delete;

  bool Open() const { return fd_ >= 0; }
  // False when not everything reached the file (a full disk among others).
  bool Write(std::string_view data);
  // Flushes the file to disk and renames it to the final path; false when that failed,
  // and the old file at path stays as it was.
  bool Commit();

 private:
  void Discard();

  std::string path_;
  std::string temp_;
  int fd_ = -1;
  bool failed_ = false;
};

// The mode an ordinary new file gets under the process's umask.
mode_t ModeForNewFile();

}  // namespace velomira

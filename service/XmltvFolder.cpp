#include "XmltvFolder.h"

#include <algorithm>
#include <chrono>
#include <vector>

namespace velomira::service {

namespace {

struct FileState {
  std::filesystem::path path;
  std::int64_t size = 0;
  std::int64_t modified = 0;  // nanoseconds of the file clock
};

std::vector<FileState> ListingFiles(const std::filesystem::path& folder) {
  std::vector<FileState> files;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    // Hidden files are editors' and downloaders' work in progress.
    if (!entry.is_regular_file(error) || entry.path().filename().string().starts_with(".")) continue;
    const auto size = entry.file_size(error);
    if (error) continue;
    const auto modified = entry.last_write_time(error);
    if (error) continue;
    files.push_back(FileState{entry.path(), static_cast<std::int64_t>(size),
                              std::chrono::duration_cast<std::chrono::nanoseconds>(
                                  modified.time_since_epoch()).count()});
  }
  std::sort(files.begin(), files.end(),
            [](const FileState& a, const FileState& b) { return a.path < b.path; });
  return files;
}

bool SeenAsIs(Database& database, const FileState& file) {
  auto db = database.acquire();
  auto seen = db->prepare("SELECT 1 FROM xmltv_files WHERE name = ? AND size = ? AND modified = ?");
  seen.with(file.path.filename().string(), file.size, file.modified);
  return seen.next();
}

void Remember(Database& database, const FileState& file) {
  auto db = database.acquire();
  db->prepare("INSERT OR REPLACE INTO xmltv_files (name, size, modified) VALUES (?, ?, ?)")
      .with(file.path.filename().string(), file.size, file.modified).run();
}

}  // namespace

int ImportXmltvFolder(Database& database, const std::filesystem::path& folder,
                      const XmltvCommand& settings, std::ostream& out, std::ostream& err) {
  int imported = 0;
  for (const auto& file : ListingFiles(folder)) {
    if (SeenAsIs(database, file)) continue;
    XmltvCommand command = settings;
    command.file = file.path.string();
    if (RunXmltvImport(database, command, out, err) == 0) ++imported;
    // A refused file is not tried again until it changes.
    Remember(database, file);
  }
  return imported;
}

}  // namespace velomira::service

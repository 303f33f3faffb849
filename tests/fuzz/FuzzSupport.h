#pragma once
// Shared by the fuzz targets: a failed property aborts (libFuzzer reports it as a
// crash and keeps the input), and targets that need files get a private folder.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

namespace velomira::fuzz {

inline void Require(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "property failed: %s\n", what);
  std::abort();
}

// A folder of this process's own, removed when the process ends.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "velomira-fuzz-XXXXXX").string();
    Require(::mkdtemp(pattern.data()) != nullptr, "scratch folder created");
    path_ = pattern;
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

inline const ScratchFolder& Scratch() {
  static const ScratchFolder folder;
  return folder;
}

inline void WriteFileBytes(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  Require(static_cast<bool>(out.flush()), "input file written");
}

inline std::string ReadFileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace velomira::fuzz

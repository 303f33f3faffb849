#pragma once
// A scratch folder with a few file helpers, removed with everything in it when the
// test ends.
#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

namespace velomira::test {

class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "velomira-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create a temporary folder");
    dir_ = pattern;
    path_ = dir_ + "/";
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder's path, ending in "/".
  const std::string& Path() const { return path_; }
  // The same without the final "/", as environment variables name folders.
  const std::string& Dir() const { return dir_; }

  // Names are relative to the folder; missing parent folders are made.
  void Write(const std::string& name, const std::string& content, mode_t mode = 0644) const {
    const std::string path = Path() + name;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << content;
    ::chmod(path.c_str(), mode);
  }
  std::string Read(const std::string& name) const {
    std::ifstream file(Path() + name, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
  }
  bool Exists(const std::string& name) const {
    return std::filesystem::exists(std::filesystem::symlink_status(Path() + name));
  }
  mode_t Mode(const std::string& name) const {
    struct stat info {};
    ::stat((Path() + name).c_str(), &info);
    return info.st_mode & 07777;
  }

 private:
  std::string dir_;
  std::string path_;
};

}  // namespace velomira::test

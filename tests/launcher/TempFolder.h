#pragma once
// A scratch folder with a few file helpers, removed when the test ends.
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "velomira-XXXXXX").string();
    path_ = ::mkdtemp(pattern.data());
    path_ += "/";
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  const std::string& Path() const { return path_; }

  void Write(const std::string& name, const std::string& content, mode_t mode = 0644) const {
    std::filesystem::create_directories(std::filesystem::path(path_ + name).parent_path());
    std::ofstream(path_ + name, std::ios::binary) << content;
    ::chmod((path_ + name).c_str(), mode);
  }
  std::string Read(const std::string& name) const {
    std::ifstream file(path_ + name, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
  }
  bool Exists(const std::string& name) const {
    return std::filesystem::exists(std::filesystem::symlink_status(path_ + name));
  }
  mode_t Mode(const std::string& name) const {
    struct stat info {};
    ::stat((path_ + name).c_str(), &info);
    return info.st_mode & 07777;
  }

 private:
  std::string path_;
};

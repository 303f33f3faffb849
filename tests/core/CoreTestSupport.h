#pragma once
// Shared fixtures of the core tests: a fresh client state, a temporary folder and a
// clock the test sets.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "dFunc.h"

namespace velomira::testing {

class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "velomira-core-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern + "/";
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder's path, ending in "/".
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

inline void WriteBytes(const std::string& path, const std::string& bytes) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Every test starts from a fresh ClientState and the system clock.
class CoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetState();
    SetClockForTests({}, {});
  }
  void TearDown() override { SetClockForTests({}, {}); }

  // Sets both clocks (UTC and local) to fixed times.
  static void SetClocks(DateTime utc, DateTime local) {
    SetClockForTests([utc] { return utc; }, [local] { return local; });
  }
};

}  // namespace velomira::testing

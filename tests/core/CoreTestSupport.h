#pragma once
// Shared fixtures of the core tests: a fresh client state, file helpers and a clock
// the test sets.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "dFunc.h"
#include "support/TempFolder.h"

namespace velomira::testing {

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

#pragma once
// A temporary program folder for request tests: State().ProgramDir points at it, so
// the request functions read their "proxy.ini" from there.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "core/Requests.h"
#include "core/dFunc.h"

namespace velomira::test {

class RequestFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/velomira-requests-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    folder_ = pattern;
    State().ProgramDir = folder_ + "/";
    SetRequestTimeoutsForTests(5, 5);
  }

  void TearDown() override {
    SetRequestTimeoutsForTests(30, 60);
    std::filesystem::remove_all(folder_);
  }

  // Writes section "proxy" of "proxy.ini" from "key=value" lines.
  void WriteProxyIni(const std::string& lines) const {
    std::ofstream(folder_ + "/proxy.ini") << "[proxy]\r\n" << lines;
  }

  std::string Folder() const { return folder_; }

 private:
  std::string folder_;
};

}  // namespace velomira::test

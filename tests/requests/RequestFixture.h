#pragma once
// A temporary program folder for request tests: State().ProgramDir points at it, so
// the request functions read their "proxy.ini" from there.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "core/Requests.h"
#include "core/dFunc.h"
#include "support/TempFolder.h"

namespace velomira::test {

class RequestFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    State().ProgramDir = folder_.Path();
    SetRequestTimeoutsForTests(5, 5);
  }

  void TearDown() override { SetRequestTimeoutsForTests(30, 60); }

  // Writes section "proxy" of "proxy.ini" from "key=value" lines.
  void WriteProxyIni(const std::string& lines) const {
    std::ofstream(folder_.Path() + "proxy.ini") << "[proxy]\r\n" << lines;
  }

  std::string Folder() const { return folder_.Dir(); }

 private:
  TempFolder folder_;
};

}  // namespace velomira::test

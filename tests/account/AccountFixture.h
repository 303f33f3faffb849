#pragma once
// A program folder of its own for each test: velomira.Ini pointing at a canned service,
// a skin drawn on the spot, and a browser stand-in that records the pages it is asked
// to open.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

#include "support/CannedService.h"

namespace velomira::test {

class AccountFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  std::string ProgramDir() const;  // ends in "/"
  std::string ReadUserIni(const std::string& key) const;  // section "user"
  void WriteUserIni(const std::string& key, const std::string& value);
  std::vector<std::string> OpenedPages() const;

  std::unique_ptr<CannedService> server_;
  QTemporaryDir folder_;
};

}  // namespace velomira::test

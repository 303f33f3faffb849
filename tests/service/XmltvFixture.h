#pragma once
// A service with an empty guide per test, a clock fixed at 1 June 2026 00:00
// UTC, and listings written by the test and imported as the command line does.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "Service.h"
#include "ServiceFixture.h"

namespace velomira::service::test {

inline constexpr std::int64_t kJune1 = 1780272000;  // 2026-06-01 00:00 UTC

// Runs args[0] with standard input from input and its output (both streams)
// into output; the exit status, -1 when it did not run or exit.
int RunProgram(std::vector<std::string> args, const std::filesystem::path& input,
               const std::filesystem::path& output, std::vector<std::string> environment = {});

// An XMLTV document around body (channels and programmes).
std::string Listing(const std::string& body, const std::string& encoding = "UTF-8");

struct ImportOutcome {
  int status = -1;
  std::string out;
  std::string err;
};

class XmltvTest : public ::testing::Test {
protected:
  void SetUp() override;
  void TearDown() override;

  std::filesystem::path write(const std::string& name, const std::string& content) const;
  // Imports the file with the default category map (and checks it against the
  // XMLTV DTD first when valid is true and tv_validate_file is installed).
  ImportOutcome import(const std::filesystem::path& file, bool valid = true) const;
  ImportOutcome importText(const std::string& content, bool valid = true) const {
    return import(write("listing.xml", content), valid);
  }

  Reply servlet(const std::string& nameAndQuery) const;
  // ChannelSearchList over every station: records of id, name, page, ...
  std::vector<std::vector<std::string>> stations(const std::string& keyword = "") const;
  std::string stationId(const std::string& name) const;
  // The program records of a station's channel list (first page).
  std::vector<std::vector<std::string>> programs(const std::string& stationId) const;
  Connection& db();

  std::filesystem::path folder_;
  std::unique_ptr<VelomiraService> service_;
  std::unique_ptr<Database::Lease> lease_;
  int port_ = 0;
};

// Program record fields.
enum ProgramField {
  kId = 0, kIcon = 1, kMedia = 2, kStart = 3, kEnd = 4, kTitle = 5, kPage = 6, kStationName = 7,
  kStationPage = 8, kSecondName = 9, kDescription = 11
};

}  // namespace velomira::service::test

#pragma once
// One seeded service per test suite, on 127.0.0.1 and a free port, with its
// data in a temporary folder; requests go over real HTTP.
#include <httplib.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "Service.h"

namespace velomira::service::test {

struct Reply {
  int status = 0;  // HTTP status, 0 when the request failed
  std::string body;

  std::string code() const { return body.substr(0, 3); }
  std::string header() const { return body.substr(0, 32); }
  // Records after the 32-character header (bare: from the start), each split into fields.
  std::vector<std::vector<std::string>> records(bool bare = false) const;
};

std::vector<std::string> Split(const std::string& text, char separator);

class ServiceTest : public ::testing::Test {
protected:
  static void SetUpTestSuite();
  static void TearDownTestSuite();

  static httplib::Client MakeClient();
  static Reply Post(const std::string& target);
  static Reply Get(const std::string& target);
  // Servlet request in the client's form: POST with the query in the URL.
  static Reply Servlet(const std::string& nameAndQuery) {
    return Post("/servlet/servlet." + nameAndQuery);
  }
  // A servlet request sent in the client's way (HTTP/1.0, a new connection)
  // from the local address from.
  static Reply ServletFrom(const std::string& from, const std::string& nameAndQuery);
  // Opens a login for member from the local address from (127.0.0.1 unless
  // named), as the client's login does before member requests and mails
  // (sample listeners have no password to log in with).
  static void LoginAs(const std::string& member = "demo", const std::string& from = "127.0.0.1");
  static Connection& Db();
  static std::string Site();

  static std::filesystem::path dataDir_;
  static std::filesystem::path assetDir_;
  static std::unique_ptr<VelomiraService> service_;
  static Database::Lease* lease_;
  static int port_;
};

}  // namespace velomira::service::test

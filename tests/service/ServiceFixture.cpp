#include "ServiceFixture.h"

#include <unistd.h>

#include <fstream>

#include "MemberLogins.h"
#include "Passwords.h"
#include "RawHttp.h"
#include "Seed.h"

namespace velomira::service::test {

std::filesystem::path ServiceTest::dataDir_;
std::filesystem::path ServiceTest::assetDir_;
std::unique_ptr<VelomiraService> ServiceTest::service_;
Database::Lease* ServiceTest::lease_ = nullptr;
int ServiceTest::port_ = 0;

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> pieces;
  std::size_t start = 0;
  while (true) {
    const auto end = text.find(separator, start);
    pieces.push_back(text.substr(start, end - start));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return pieces;
}

std::vector<std::vector<std::string>> Reply::records(bool bare) const {
  std::vector<std::vector<std::string>> out;
  const std::string content = bare ? body : (body.size() > 32 ? body.substr(32) : "");
  if (content.empty()) return out;
  for (const auto& record : Split(content, '\x02')) out.push_back(Split(record, '\x01'));
  return out;
}

void ServiceTest::SetUpTestSuite() {
  ASSERT_TRUE(InitPasswords());
  char pattern[] = "/tmp/velomira-service-test-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  dataDir_ = std::filesystem::path(pattern) / "data";
  assetDir_ = std::filesystem::path(pattern) / "assets";
  std::filesystem::create_directories(assetDir_ / "img" / "icon");
  std::ofstream(assetDir_ / "img" / "icon" / "icon01.gif", std::ios::binary) << "GIF89a-asset";

  ServiceConfig config;
  config.dataDir = dataDir_;
  config.assetDir = assetDir_;
  service_ = std::make_unique<VelomiraService>(config);
  ASSERT_TRUE(SeedSampleGuide(service_->database(), service_->config().clock()).seeded);
  port_ = service_->bind("127.0.0.1", 0);
  ASSERT_GT(port_, 0);
  service_->start();
}

void ServiceTest::TearDownTestSuite() {
  delete lease_;
  lease_ = nullptr;
  service_.reset();
  std::error_code error;
  std::filesystem::remove_all(dataDir_.parent_path(), error);
}

namespace {

Reply FromResult(const httplib::Result& result) {
  Reply reply;
  if (result) {
    reply.status = result->status;
    reply.body = result->body;
  }
  return reply;
}

}  // namespace

httplib::Client ServiceTest::MakeClient() {
  httplib::Client client("127.0.0.1", port_);
  client.set_url_encode(false);  // targets are written already encoded, as the client sends them
  return client;
}

Reply ServiceTest::Post(const std::string& target) {
  return FromResult(MakeClient().Post(target));
}

Reply ServiceTest::Get(const std::string& target) {
  return FromResult(MakeClient().Get(target));
}

Reply ServiceTest::ServletFrom(const std::string& from, const std::string& nameAndQuery) {
  RawConnection connection(port_, from);
  if (!connection.send(ClientRequest("/servlet/servlet." + nameAndQuery, port_))) return {};
  Reply reply;
  reply.body = ReplyBody(connection.receiveAll(std::chrono::seconds(10)), reply.status);
  return reply;
}

void ServiceTest::LoginAs(const std::string& member, const std::string& from) {
  OpenLogin(Db(), member, from, service_->config().clock());
}

Connection& ServiceTest::Db() {
  if (!lease_) lease_ = new Database::Lease(service_->database().acquire());
  return **lease_;
}

std::string ServiceTest::Site() { return "127.0.0.1:" + std::to_string(port_); }

}  // namespace velomira::service::test

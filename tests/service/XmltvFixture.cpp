#include "XmltvFixture.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "Passwords.h"
#include "XmltvCommand.h"

extern char** environ;

namespace velomira::service::test {

namespace {

constexpr const char* kValidator = "/usr/bin/tv_validate_file";

// tv_validate_file's exit status for file, checked against the DTD installed
// with it (never fetched from the network).
int Validate(const std::filesystem::path& file) {
  return RunProgram({kValidator, file.string()}, "/dev/null", "/dev/null",
                    {"XMLTV_SUPPLEMENT=/usr/share/xmltv"});
}

}  // namespace

int RunProgram(std::vector<std::string> args, const std::filesystem::path& input,
               const std::filesystem::path& output, std::vector<std::string> environment) {
  for (char** entry = environ; *entry; ++entry) environment.emplace_back(*entry);
  std::vector<char*> argv, envp;
  for (auto& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  for (auto& entry : environment) envp.push_back(entry.data());
  envp.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, input.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, output.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
  pid_t child = 0;
  const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return -1;
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string Listing(const std::string& body, const std::string& encoding) {
  return "<?xml version=\"1.0\" encoding=\"" + encoding +
         "\"?>\n<!DOCTYPE tv SYSTEM \"xmltv.dtd\">\n<tv generator-info-name=\"velomira-test\">\n" +
         body + "</tv>\n";
}

void XmltvTest::SetUp() {
  ASSERT_TRUE(InitPasswords());
  char pattern[] = "/tmp/velomira-xmltv-test-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  folder_ = pattern;
  ServiceConfig config;
  config.dataDir = folder_ / "data";
  config.assetDir = folder_ / "assets";
  config.clock = [] { return kJune1; };
  service_ = std::make_unique<VelomiraService>(config);
  port_ = service_->bind("127.0.0.1", 0);
  ASSERT_GT(port_, 0);
  ASSERT_TRUE(service_->start());
}

void XmltvTest::TearDown() {
  lease_.reset();
  service_.reset();
  std::error_code error;
  std::filesystem::remove_all(folder_, error);
}

std::filesystem::path XmltvTest::write(const std::string& name, const std::string& content) const {
  const auto file = folder_ / name;
  std::ofstream(file, std::ios::binary) << content;
  return file;
}

ImportOutcome XmltvTest::import(const std::filesystem::path& file, bool valid) const {
  if (valid && access(kValidator, X_OK) == 0) {
    EXPECT_EQ(Validate(file), 0) << file << " is not valid XMLTV";
  }
  std::ostringstream out, err;
  XmltvCommand command{file.string(), VELOMIRA_XMLTV_MAP, 0, kJune1};
  ImportOutcome outcome;
  outcome.status = RunXmltvImport(service_->database(), command, out, err);
  outcome.out = out.str();
  outcome.err = err.str();
  return outcome;
}

Reply XmltvTest::servlet(const std::string& nameAndQuery) const {
  httplib::Client client("127.0.0.1", port_);
  client.set_url_encode(false);
  Reply reply;
  if (auto result = client.Post("/servlet/servlet." + nameAndQuery)) {
    reply.status = result->status;
    reply.body = result->body;
  }
  return reply;
}

std::vector<std::vector<std::string>> XmltvTest::stations(const std::string& keyword) const {
  return servlet("ChannelSearchList?cate1=all&loc=all&keywd=" + keyword).records();
}

std::string XmltvTest::stationId(const std::string& name) const {
  for (const auto& station : stations()) {
    if (station.size() > 1 && station[1] == name) return station[0];
  }
  return {};
}

std::vector<std::vector<std::string>> XmltvTest::programs(const std::string& stationId) const {
  auto records = servlet("GetProgramList?mode=channel&channel_id=" + stationId).records();
  if (!records.empty()) records.erase(records.begin());  // the station itself
  return records;
}

Connection& XmltvTest::db() {
  if (!lease_) lease_.reset(new Database::Lease(service_->database().acquire()));
  return **lease_;
}

}  // namespace velomira::service::test

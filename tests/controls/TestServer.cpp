#include "TestServer.h"

#include <fstream>

#include "core/dFunc.h"

namespace velomira::test {

TestServer::TestServer() {
  const auto answer = [this](const httplib::Request& request, httplib::Response& response) {
    std::lock_guard guard(lock_);
    // The raw target keeps the query exactly as the client encoded it.
    requests_.push_back(request.method + " " + request.target);
    response.set_content(reply_, "text/plain");
  };
  server_.Get(R"(/servlet/.*)", answer);
  server_.Post(R"(/servlet/.*)", answer);
  // Bound and listening already: early requests wait in the backlog.
  const int port = server_.bind_to_any_port("127.0.0.1");
  thread_ = std::thread([this] { server_.listen_after_bind(); });

  const std::string ini = settings_.path().toStdString() + "/velomira.Ini";
  std::ofstream(ini) << "[SERVICE]\r\nROOT=http://127.0.0.1:" << port << "\r\n";
  State().MainIniPath = ini;
}

TestServer::~TestServer() {
  server_.stop();
  thread_.join();
}

void TestServer::SetReply(const std::string& reply) {
  std::lock_guard guard(lock_);
  reply_ = reply;
}

std::vector<std::string> TestServer::Requests() const {
  std::lock_guard guard(lock_);
  return requests_;
}

}  // namespace velomira::test

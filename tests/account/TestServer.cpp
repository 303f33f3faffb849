#include "TestServer.h"

#include <stdexcept>

namespace velomira::test {

TestServer::TestServer() {
  const auto handle = [this](const httplib::Request& request, httplib::Response& response) {
    std::lock_guard guard(lock_);
    targets_.push_back(request.target);
    const auto reply = replies_.find(request.path);
    if (reply == replies_.end()) {
      response.status = 404;
      return;
    }
    response.set_content(reply->second, "text/html");
  };
  server_.Get(".*", handle);
  server_.Post(".*", handle);
  port_ = server_.bind_to_any_port("127.0.0.1");
  if (port_ <= 0) throw std::runtime_error("test server could not bind");
  thread_ = std::thread([this] { server_.listen_after_bind(); });
}

TestServer::~TestServer() {
  server_.stop();
  thread_.join();
}

std::string TestServer::Root() const { return "http://127.0.0.1:" + std::to_string(port_); }

void TestServer::Reply(const std::string& path, const std::string& body) {
  std::lock_guard guard(lock_);
  replies_[path] = body;
}

std::vector<std::string> TestServer::Targets() const {
  std::lock_guard guard(lock_);
  return targets_;
}

std::vector<std::string> TestServer::TargetsOf(const std::string& path) const {
  std::vector<std::string> matching;
  for (const auto& target : Targets()) {
    if (target.compare(0, path.size(), path) == 0) matching.push_back(target);
  }
  return matching;
}

}  // namespace velomira::test

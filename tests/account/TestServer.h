#pragma once
// A service stand-in on 127.0.0.1 and a free port: canned replies by servlet path,
// every request target recorded.
#include <httplib.h>

#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace velomira::test {

class TestServer {
 public:
  TestServer();
  ~TestServer();

  std::string Root() const;  // "http://127.0.0.1:<port>"
  // The reply to every later request whose path is path (e.g. "/servlet/servlet.UserLogin").
  void Reply(const std::string& path, const std::string& body);
  std::vector<std::string> Targets() const;  // path and query as sent, in order
  std::vector<std::string> TargetsOf(const std::string& path) const;

 private:
  httplib::Server server_;
  int port_ = 0;
  std::thread thread_;
  mutable std::mutex lock_;
  std::map<std::string, std::string> replies_;
  std::vector<std::string> targets_;
};

}  // namespace velomira::test

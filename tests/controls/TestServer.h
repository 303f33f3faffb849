#pragma once
// A service stand-in on 127.0.0.1 and a free port, answering every servlet request
// with a canned reply and recording the requests it saw. State()'s settings file points
// ServiceRoot at it for the life of the object.
#include <httplib.h>

#include <QTemporaryDir>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace velomira::test {

class TestServer {
 public:
  TestServer();
  ~TestServer();
  void SetReply(const std::string& reply);
  std::vector<std::string> Requests() const;  // method + " " + path?query, as received

 private:
  httplib::Server server_;
  std::thread thread_;
  QTemporaryDir settings_;
  mutable std::mutex lock_;
  std::string reply_;
  std::vector<std::string> requests_;
};

}  // namespace velomira::test

#pragma once
// A local stand-in for the service: canned replies by servlet path, and every request
// it received, in order.
#include <httplib.h>

#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace velomira::test {

struct Received {
  std::string Path;
  std::multimap<std::string, std::string> Query;
  std::string Param(const std::string& key) const;
};

class CannedService {
 public:
  CannedService();
  ~CannedService();

  std::string Root() const;  // http://127.0.0.1:port
  // The reply body for a path, e.g. "/servlet/servlet.GetProgramList" (any query);
  // a mode-specific reply wins over it when the query's "mode" matches.
  void Reply(const std::string& path, const std::string& text, const std::string& mode = {});
  std::vector<Received> Requests(const std::string& path) const;
  void ClearRequests();

 private:
  void Answer(const httplib::Request& request, httplib::Response& response);

  httplib::Server server_;
  std::thread thread_;
  int port_ = 0;
  mutable std::mutex mutex_;
  std::map<std::string, std::string> replies_;
  std::vector<Received> received_;
};

// "100" (or code) padded to the 32-character header, then the body.
std::string Framed(const std::string& body, const std::string& code = "100");
// Fields joined by 0x01.
std::string ProgramLine(const std::vector<std::string>& fields);
// A program line of 17 fields with the given ID, address, kind and media letter.
std::string SampleProgram(const std::string& id, const std::string& address = "www.example.test/p",
                          const std::string& kind = "x", const std::string& media = "v",
                          const std::string& banner = "0");

}  // namespace velomira::test

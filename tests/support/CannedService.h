#pragma once
// A service stand-in on 127.0.0.1 and a free port: canned replies by path, and every
// request it received, in order.
#include <httplib.h>

#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace velomira::test {

struct Received {
  std::string Method;
  std::string Target;  // path and query exactly as the client encoded them
  std::string Path;
  std::multimap<std::string, std::string> Params;
  std::string Param(const std::string& key) const;  // empty when absent
};

class CannedService {
 public:
  CannedService();  // listening when it returns
  ~CannedService();
  CannedService(const CannedService&) = delete;
  CannedService& operator=(const CannedService&) = delete;

  std::string Root() const;  // "http://127.0.0.1:<port>"
  // Closes the port early, for tests of an absent service.
  void Stop();
  // Writes [SERVICE] ROOT=Root() into the settings file at iniPath, keeping the rest.
  void PointIniAt(const std::string& iniPath) const;

  // The reply to every later request for path (any query).
  void Reply(const std::string& path, const std::string& body);
  // Drops path's reply (and conditional ones): it answers like an unknown path again.
  void Forget(const std::string& path);
  // A reply for path that wins when the request's parameter key has this value.
  void ReplyWhen(const std::string& path, const std::string& key, const std::string& value,
                 const std::string& body);
  // The reply to paths without one of their own; without it they get 404.
  void DefaultReply(const std::string& body);
  // Runs on the server's thread before the reply to path is sent.
  void BeforeReply(const std::string& path, std::function<void()> action);

  std::vector<Received> AllReceived() const;
  std::vector<Received> RequestsTo(const std::string& path) const;
  std::vector<std::string> Requests() const;  // "METHOD target" each
  std::vector<std::string> Targets() const;
  std::vector<std::string> Paths() const;
  int Count(const std::string& path) const;
  void ClearRequests();

 private:
  void Answer(const httplib::Request& request, httplib::Response& response);
  const std::string* CannedBody(const httplib::Request& request) const;

  httplib::Server server_;
  std::thread thread_;
  int port_ = 0;
  mutable std::mutex mutex_;
  std::map<std::string, std::string> replies_;
  std::map<std::string, std::map<std::pair<std::string, std::string>, std::string>> conditional_;
  std::map<std::string, std::function<void()>> actions_;
  bool hasDefault_ = false;
  std::string default_;
  std::vector<Received> received_;
};

}  // namespace velomira::test

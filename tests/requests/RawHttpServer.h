#pragma once
// A one-thread HTTP server on 127.0.0.1 that records the raw bytes of every request
// and answers with the raw bytes its handler returns, so tests see exactly what went
// over the wire. A handler returning std::nullopt accepts and never answers.
#include <atomic>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace velomira::test {

class RawHttpServer {
 public:
  using Handler = std::function<std::optional<std::string>(const std::string& request)>;

  explicit RawHttpServer(Handler handler);
  ~RawHttpServer();
  RawHttpServer(const RawHttpServer&) = delete;
  RawHttpServer& operator=(const RawHttpServer&) = delete;

  int Port() const { return port_; }
  std::string Url(const std::string& pathAndQuery) const;
  std::vector<std::string> Requests() const;
  int Connections() const { return connections_; }

  // A complete reply with Content-Length.
  static std::string Reply(int status, const std::string& body);

 private:
  void Serve();
  void Answer(int client);

  Handler handler_;
  int listener_ = -1;
  int port_ = 0;
  int wakePipe_[2] = {-1, -1};
  std::atomic<int> connections_{0};
  mutable std::mutex lock_;
  std::vector<std::string> requests_;
  std::vector<int> silentClients_;
  std::thread thread_;
};

}  // namespace velomira::test

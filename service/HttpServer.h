#pragma once
// An event-driven HTTP server (libmicrohttpd, epoll, a small pool of threads):
// idle and slow connections cost memory, not threads. Every request must
// arrive whole within a deadline; the handler runs on a pool thread.
#include <cstddef>
#include <functional>
#include <memory>
#include <string>

namespace velomira::service {

struct HttpRequest {
  std::string method;
  std::string path;    // percent-decoded, without the query
  std::string target;  // the request target exactly as it arrived
  bool tooLong = false;  // the target exceeded its cap (and is left empty)
  std::string host;    // the Host header
  std::string client;  // the peer's address ("127.0.0.1")
};

struct HttpAnswer {
  unsigned status = 200;
  std::string body;
  std::string type = "text/plain";
};

using HttpHandler = std::function<HttpAnswer(const HttpRequest&)>;

struct HttpLimits {
  std::size_t maxTarget = 16 * 1024;
  // Requests to this one path (letter case aside, as the query starts or the
  // target ends) may carry targets up to maxLongTarget. Their connections are
  // told apart by the start of the request and served apart (longThreads
  // threads, at most maxLongConnections at once), so that only they reserve
  // room for the long cap.
  std::string longTargetPath;
  std::size_t maxLongTarget = 0;
  unsigned longThreads = 2;
  unsigned maxLongConnections = 256;
  unsigned idleSeconds = 10;     // no byte moved for this long closes a connection
  unsigned requestSeconds = 10;  // a request must arrive whole within this
  unsigned threads = 4;
  int backlog = 4096;
  unsigned maxConnections = 16000;
};

class HttpServer {
public:
  explicit HttpServer(HttpHandler handler, HttpLimits limits = {});
  ~HttpServer();
  HttpServer(const HttpServer&) = delete;
  HttpServer& operator=(const HttpServer&) = delete;

  // Binds and listens on host and port (0 picks a free one); the port, or -1.
  int bind(const std::string& host, int port);
  // Serves on its own threads until stop(); false when it could not start.
  bool start();
  void stop();

private:
  class Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace velomira::service

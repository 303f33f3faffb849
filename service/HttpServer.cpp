#include "HttpServer.h"

#include <arpa/inet.h>
#include <microhttpd.h>
#include <netdb.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <unordered_map>

namespace velomira::service {

namespace {

using Clock = std::chrono::steady_clock;

// What one request carries between the callbacks of the library.
struct RequestState {
  std::string target;
  bool tooLong = false;
  bool headersSeen = false;
};

std::string PeerAddress(MHD_Connection* connection) {
  const auto* info = MHD_get_connection_info(connection, MHD_CONNECTION_INFO_CLIENT_ADDRESS);
  if (!info || !info->client_addr) return {};
  char text[INET6_ADDRSTRLEN] = "";
  const sockaddr* address = info->client_addr;
  if (address->sa_family == AF_INET) {
    inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in*>(address)->sin_addr, text, sizeof text);
  } else if (address->sa_family == AF_INET6) {
    inet_ntop(AF_INET6, &reinterpret_cast<const sockaddr_in6*>(address)->sin6_addr, text,
              sizeof text);
  }
  return text;
}

// Closes connections whose request has not arrived whole in time. The
// library only knows idle timeouts, which a client sending a byte now and
// then never reaches; shutting the socket down makes the library close it.
class RequestDeadlines {
public:
  explicit RequestDeadlines(unsigned seconds) : allowed_(seconds) {}

  void opened(MHD_Connection* connection) {
    const auto* info = MHD_get_connection_info(connection, MHD_CONNECTION_INFO_CONNECTION_FD);
    if (!info) return;
    std::lock_guard lock(mutex_);
    open_[connection] = Tracked{info->connect_fd, Clock::now() + allowed_};
  }
  // The library closes the socket only after this: no other connection can own it yet.
  void closed(MHD_Connection* connection) {
    std::lock_guard lock(mutex_);
    open_.erase(connection);
  }
  void arrived(MHD_Connection* connection) { setDeadline(connection, Clock::time_point::max()); }
  // Waiting for the next request of a kept-alive connection.
  void answered(MHD_Connection* connection) { setDeadline(connection, Clock::now() + allowed_); }

  void closeLate() {
    std::lock_guard lock(mutex_);
    const auto now = Clock::now();
    for (auto& [connection, tracked] : open_) {
      if (tracked.deadline > now) continue;
      shutdown(tracked.fd, SHUT_RDWR);
      tracked.deadline = Clock::time_point::max();
    }
  }

private:
  struct Tracked {
    int fd;
    Clock::time_point deadline;
  };
  void setDeadline(MHD_Connection* connection, Clock::time_point deadline) {
    std::lock_guard lock(mutex_);
    const auto found = open_.find(connection);
    if (found != open_.end()) found->second.deadline = deadline;
  }

  const std::chrono::seconds allowed_;
  std::mutex mutex_;
  std::unordered_map<MHD_Connection*, Tracked> open_;
};

}  // namespace

class HttpServer::Impl {
public:
  Impl(HttpHandler handler, HttpLimits limits)
      : handler_(std::move(handler)), limits_(limits), deadlines_(limits.requestSeconds) {}

  ~Impl() {
    stop();
    if (listenFd_ >= 0) close(listenFd_);
  }

  int bind(const std::string& host, int port) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_PASSIVE | AI_NUMERICSERV;
    addrinfo* found = nullptr;
    if (getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0) return -1;
    for (addrinfo* at = found; at && listenFd_ < 0; at = at->ai_next) {
      const int fd = socket(at->ai_family, at->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
      if (fd < 0) continue;
      const int on = 1;
      setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
      if (::bind(fd, at->ai_addr, at->ai_addrlen) == 0 && listen(fd, limits_.backlog) == 0) {
        listenFd_ = fd;
      } else {
        close(fd);
      }
    }
    freeaddrinfo(found);
    if (listenFd_ < 0) return -1;
    sockaddr_storage bound{};
    socklen_t length = sizeof bound;
    getsockname(listenFd_, reinterpret_cast<sockaddr*>(&bound), &length);
    return ntohs(bound.ss_family == AF_INET6 ? reinterpret_cast<sockaddr_in6*>(&bound)->sin6_port
                                             : reinterpret_cast<sockaddr_in*>(&bound)->sin_port);
  }

  bool start() {
    if (listenFd_ < 0 || daemon_) return false;
    // Room for the longest target plus the headers of a browser.
    const std::size_t memory = limits_.maxTarget + 64 * 1024;
    daemon_ = MHD_start_daemon(
        MHD_USE_INTERNAL_POLLING_THREAD | MHD_USE_EPOLL | MHD_USE_TURBO, 0, nullptr, nullptr,
        &Impl::Access, this, MHD_OPTION_LISTEN_SOCKET, listenFd_, MHD_OPTION_THREAD_POOL_SIZE,
        limits_.threads, MHD_OPTION_CONNECTION_TIMEOUT, limits_.idleSeconds,
        MHD_OPTION_CONNECTION_MEMORY_LIMIT, memory, MHD_OPTION_CONNECTION_MEMORY_INCREMENT,
        static_cast<std::size_t>(16 * 1024), MHD_OPTION_CONNECTION_LIMIT,
        limits_.maxConnections, MHD_OPTION_URI_LOG_CALLBACK, &Impl::TargetArrived, this,
        MHD_OPTION_NOTIFY_COMPLETED, &Impl::Completed, this, MHD_OPTION_NOTIFY_CONNECTION,
        &Impl::ConnectionEvent, this, MHD_OPTION_END);
    if (!daemon_) return false;
    listenFd_ = -1;  // the daemon owns and closes it
    stopping_ = false;
    reaper_ = std::thread([this] { ReapLate(); });
    return true;
  }

  void stop() {
    if (!daemon_) return;
    {
      std::lock_guard lock(reaperMutex_);
      stopping_ = true;
    }
    reaperWake_.notify_all();
    reaper_.join();
    MHD_stop_daemon(daemon_);
    daemon_ = nullptr;
  }

private:
  void ReapLate() {
    std::unique_lock lock(reaperMutex_);
    while (!reaperWake_.wait_for(lock, std::chrono::milliseconds(250), [this] { return stopping_; })) {
      deadlines_.closeLate();
    }
  }

  static void* TargetArrived(void* self, const char* uri, MHD_Connection*) {
    auto* state = new RequestState;
    const std::size_t length = std::char_traits<char>::length(uri);
    if (length > static_cast<Impl*>(self)->limits_.maxTarget) {
      state->tooLong = true;
    } else {
      state->target.assign(uri, length);
    }
    return state;
  }

  static MHD_Result Access(void* self, MHD_Connection* connection, const char* url,
                           const char* method, const char*, const char*,
                           std::size_t* uploadSize, void** context) {
    auto& impl = *static_cast<Impl*>(self);
    if (!*context) *context = new RequestState;
    auto& state = *static_cast<RequestState*>(*context);
    if (!state.headersSeen) {
      state.headersSeen = true;
      return MHD_YES;
    }
    if (*uploadSize != 0) {  // request bodies carry nothing the service reads
      *uploadSize = 0;
      return MHD_YES;
    }
    impl.deadlines_.arrived(connection);
    HttpRequest request;
    request.method = method;
    request.path = url;
    request.target = std::move(state.target);
    request.tooLong = state.tooLong;
    const char* host = MHD_lookup_connection_value(connection, MHD_HEADER_KIND, "Host");
    request.host = host ? host : "";
    request.client = PeerAddress(connection);
    HttpAnswer answer;
    try {
      answer = impl.handler_(request);
    } catch (...) {
      answer = HttpAnswer{500, {}, "text/plain"};
    }
    MHD_Response* response = MHD_create_response_from_buffer(
        answer.body.size(), answer.body.data(), MHD_RESPMEM_MUST_COPY);
    if (!response) return MHD_NO;
    MHD_add_response_header(response, MHD_HTTP_HEADER_CONTENT_TYPE, answer.type.c_str());
    const MHD_Result queued = MHD_queue_response(connection, answer.status, response);
    MHD_destroy_response(response);
    return queued;
  }

  static void Completed(void* self, MHD_Connection* connection, void** context,
                        MHD_RequestTerminationCode) {
    delete static_cast<RequestState*>(*context);
    *context = nullptr;
    static_cast<Impl*>(self)->deadlines_.answered(connection);
  }

  static void ConnectionEvent(void* self, MHD_Connection* connection, void**,
                              MHD_ConnectionNotificationCode event) {
    auto& deadlines = static_cast<Impl*>(self)->deadlines_;
    if (event == MHD_CONNECTION_NOTIFY_STARTED) {
      deadlines.opened(connection);
    } else {
      deadlines.closed(connection);
    }
  }

  HttpHandler handler_;
  const HttpLimits limits_;
  RequestDeadlines deadlines_;
  int listenFd_ = -1;
  MHD_Daemon* daemon_ = nullptr;
  std::thread reaper_;
  std::mutex reaperMutex_;
  std::condition_variable reaperWake_;
  bool stopping_ = false;
};

HttpServer::HttpServer(HttpHandler handler, HttpLimits limits)
    : impl_(std::make_unique<Impl>(std::move(handler), limits)) {}

HttpServer::~HttpServer() = default;

int HttpServer::bind(const std::string& host, int port) { return impl_->bind(host, port); }

bool HttpServer::start() { return impl_->start(); }

void HttpServer::stop() { impl_->stop(); }

}  // namespace velomira::service

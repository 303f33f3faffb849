#include "HttpServer.h"

#include <arpa/inet.h>
#include <microhttpd.h>
#include <netdb.h>
#include <sys/epoll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <condition_variable>
#include <mutex>
#include <string_view>
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

bool SameLetters(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

// The longest target taken for this one: the long cap on its own path only.
std::size_t TargetCap(std::string_view target, const HttpLimits& limits) {
  if (limits.longTargetPath.empty() || limits.maxLongTarget <= limits.maxTarget) {
    return limits.maxTarget;
  }
  const std::string_view path = target.substr(0, target.find('?'));
  return SameLetters(path, limits.longTargetPath) ? limits.maxLongTarget : limits.maxTarget;
}

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

  // A connection accepted at accepted is about to be handed to the library
  // as fd: its request is due counting from then.
  void expect(int fd, Clock::time_point accepted) {
    std::lock_guard lock(mutex_);
    accepted_[fd] = accepted;
  }
  void forget(int fd) {
    std::lock_guard lock(mutex_);
    accepted_.erase(fd);
  }
  void opened(MHD_Connection* connection) {
    const auto* info = MHD_get_connection_info(connection, MHD_CONNECTION_INFO_CONNECTION_FD);
    if (!info) return;
    std::lock_guard lock(mutex_);
    auto start = Clock::now();
    if (const auto found = accepted_.find(info->connect_fd); found != accepted_.end()) {
      start = std::min(start, found->second);
      accepted_.erase(found);
    }
    open_[connection] = Tracked{info->connect_fd, start + allowed_};
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
    std::erase_if(accepted_, [&](const auto& entry) { return entry.second + allowed_ <= now; });
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
  std::unordered_map<int, Clock::time_point> accepted_;
};

// Which daemon a connection goes to, by the first bytes of its request: the
// long-target one only for the long-target path.
enum class Route { kWait, kShort, kLong };

Route Choose(std::string_view start, std::string_view longPath) {
  const auto space = start.find(' ');
  if (space == std::string_view::npos) return start.size() < 8 ? Route::kWait : Route::kShort;
  const std::string_view target = start.substr(space + 1);
  const std::size_t shown = std::min(target.size(), longPath.size());
  if (!SameLetters(target.substr(0, shown), longPath.substr(0, shown))) return Route::kShort;
  if (target.size() <= longPath.size()) return Route::kWait;
  const char next = target[longPath.size()];
  return next == '?' || next == ' ' ? Route::kLong : Route::kShort;
}

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
    if (!splitting()) {
      daemon_ =
          StartDaemon(0, limits_.maxTarget, limits_.threads, limits_.maxConnections, listenFd_);
      if (!daemon_) return false;
      listenFd_ = -1;  // the daemon owns and closes it
    } else {
      // Every connection of a daemon reserves room for its longest target, and
      // the library clears that room after each request of a kept-alive
      // connection: only connections to the long-target path get the large room.
      daemon_ = StartDaemon(MHD_USE_NO_LISTEN_SOCKET | MHD_USE_ITC, limits_.maxTarget,
                            limits_.threads, limits_.maxConnections, -1);
      longDaemon_ = StartDaemon(MHD_USE_NO_LISTEN_SOCKET | MHD_USE_ITC, limits_.maxLongTarget,
                                limits_.longThreads, limits_.maxLongConnections, -1);
      wakeFd_ = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
      if (!daemon_ || !longDaemon_ || wakeFd_ < 0) {
        stopDaemons();
        return false;
      }
    }
    stopping_ = false;
    reaper_ = std::thread([this] { ReapLate(); });
    if (splitting()) door_ = std::thread([this] { Door(); });
    return true;
  }

  void stop() {
    if (!daemon_) return;
    {
      std::lock_guard lock(reaperMutex_);
      stopping_ = true;
    }
    reaperWake_.notify_all();
    if (door_.joinable()) {
      const std::uint64_t one = 1;
      [[maybe_unused]] const auto written = write(wakeFd_, &one, sizeof one);
      door_.join();
    }
    reaper_.join();
    stopDaemons();
  }

private:
  bool splitting() const {
    return !limits_.longTargetPath.empty() && limits_.maxLongTarget > limits_.maxTarget;
  }

  MHD_Daemon* StartDaemon(unsigned flags, std::size_t maxTarget, unsigned threads,
                          unsigned connections, int listenFd) {
    // Room for the longest target plus the headers of a browser.
    const std::size_t memory = maxTarget + 64 * 1024;
    flags |= MHD_USE_INTERNAL_POLLING_THREAD | MHD_USE_EPOLL | MHD_USE_TURBO;
    if (listenFd >= 0) {
      return MHD_start_daemon(
          flags, 0, nullptr, nullptr, &Impl::Access, this, MHD_OPTION_LISTEN_SOCKET, listenFd,
          MHD_OPTION_THREAD_POOL_SIZE, threads, MHD_OPTION_CONNECTION_TIMEOUT, limits_.idleSeconds,
          MHD_OPTION_CONNECTION_MEMORY_LIMIT, memory, MHD_OPTION_CONNECTION_MEMORY_INCREMENT,
          static_cast<std::size_t>(16 * 1024), MHD_OPTION_CONNECTION_LIMIT, connections,
          MHD_OPTION_URI_LOG_CALLBACK, &Impl::TargetArrived, this, MHD_OPTION_NOTIFY_COMPLETED,
          &Impl::Completed, this, MHD_OPTION_NOTIFY_CONNECTION, &Impl::ConnectionEvent, this,
          MHD_OPTION_END);
    }
    return MHD_start_daemon(
        flags, 0, nullptr, nullptr, &Impl::Access, this, MHD_OPTION_THREAD_POOL_SIZE, threads,
        MHD_OPTION_CONNECTION_TIMEOUT, limits_.idleSeconds, MHD_OPTION_CONNECTION_MEMORY_LIMIT,
        memory, MHD_OPTION_CONNECTION_MEMORY_INCREMENT, static_cast<std::size_t>(16 * 1024),
        MHD_OPTION_CONNECTION_LIMIT, connections, MHD_OPTION_URI_LOG_CALLBACK,
        &Impl::TargetArrived, this, MHD_OPTION_NOTIFY_COMPLETED, &Impl::Completed, this,
        MHD_OPTION_NOTIFY_CONNECTION, &Impl::ConnectionEvent, this, MHD_OPTION_END);
  }

  void stopDaemons() {
    if (daemon_) MHD_stop_daemon(daemon_);
    if (longDaemon_) MHD_stop_daemon(longDaemon_);
    daemon_ = longDaemon_ = nullptr;
    if (wakeFd_ >= 0) close(wakeFd_);
    wakeFd_ = -1;
  }

  // Accepts the connections and hands each to a daemon once the start of its
  // request shows its path (peeked, left for the library to read). A
  // connection that shows too little within the request deadline is closed.
  void Door() {
    struct Waiting {
      Clock::time_point accepted;
      sockaddr_storage address;
      socklen_t length;
    };
    std::unordered_map<int, Waiting> waiting;
    const int poll = epoll_create1(EPOLL_CLOEXEC);
    if (poll < 0) return;
    const auto watch = [poll](int fd, std::uint32_t events) {
      epoll_event event{};
      event.events = events;
      event.data.fd = fd;
      return epoll_ctl(poll, EPOLL_CTL_ADD, fd, &event) == 0;
    };
    const auto drop = [&](int fd) {
      epoll_ctl(poll, EPOLL_CTL_DEL, fd, nullptr);
      close(fd);
      waiting.erase(fd);
    };
    watch(listenFd_, EPOLLIN);
    watch(wakeFd_, EPOLLIN);
    const std::chrono::seconds allowed(limits_.requestSeconds);
    epoll_event events[64];
    bool stopping = false;
    while (!stopping) {
      const int ready = epoll_wait(poll, events, 64, 250);
      for (int i = 0; i < ready; ++i) {
        const int fd = events[i].data.fd;
        if (fd == wakeFd_) {
          stopping = true;
        } else if (fd == listenFd_) {
          while (true) {
            Waiting entry{Clock::now(), {}, sizeof(sockaddr_storage)};
            const int client = accept4(listenFd_, reinterpret_cast<sockaddr*>(&entry.address),
                                       &entry.length, SOCK_NONBLOCK | SOCK_CLOEXEC);
            if (client < 0) {
              // Out of descriptors: let connections end before trying again.
              if (errno == EMFILE || errno == ENFILE) {
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
              }
              break;
            }
            // Edge-triggered: each arrival of bytes is reported once, as peeking leaves them.
            if (waiting.size() >= limits_.maxConnections ||
                !watch(client, EPOLLIN | EPOLLRDHUP | EPOLLET)) {
              close(client);
              continue;
            }
            waiting[client] = entry;
          }
        } else if (const auto found = waiting.find(fd); found != waiting.end()) {
          char start[64];
          const ssize_t got = recv(fd, start, sizeof start, MSG_PEEK);
          if (got == 0 || (got < 0 && errno != EAGAIN && errno != EINTR)) {
            drop(fd);
            continue;
          }
          if (got < 0) continue;
          const Route route = Choose(std::string_view(start, static_cast<std::size_t>(got)),
                                     limits_.longTargetPath);
          if (route == Route::kWait && static_cast<std::size_t>(got) < sizeof start) continue;
          const Waiting entry = found->second;
          epoll_ctl(poll, EPOLL_CTL_DEL, fd, nullptr);
          waiting.erase(found);
          deadlines_.expect(fd, entry.accepted);
          if (MHD_add_connection(route == Route::kLong ? longDaemon_ : daemon_, fd,
                                 reinterpret_cast<const sockaddr*>(&entry.address),
                                 entry.length) != MHD_YES) {
            deadlines_.forget(fd);  // the library closed it
          }
        }
      }
      const auto late = Clock::now() - allowed;
      for (auto at = waiting.begin(); at != waiting.end();) {
        if (at->second.accepted > late) {
          ++at;
          continue;
        }
        epoll_ctl(poll, EPOLL_CTL_DEL, at->first, nullptr);
        close(at->first);
        at = waiting.erase(at);
      }
    }
    for (const auto& [fd, entry] : waiting) close(fd);
    close(poll);
  }

  void ReapLate() {
    std::unique_lock lock(reaperMutex_);
    while (!reaperWake_.wait_for(lock, std::chrono::milliseconds(250), [this] { return stopping_; })) {
      deadlines_.closeLate();
    }
  }

  static void* TargetArrived(void* self, const char* uri, MHD_Connection*) {
    auto* state = new RequestState;
    const std::string_view target(uri);
    if (target.size() > TargetCap(target, static_cast<Impl*>(self)->limits_)) {
      state->tooLong = true;
    } else {
      state->target.assign(target);
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
  MHD_Daemon* longDaemon_ = nullptr;  // connections to the long-target path, when split
  int wakeFd_ = -1;                   // ends the door thread
  std::thread door_;
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

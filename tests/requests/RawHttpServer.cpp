#include "RawHttpServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <cstdlib>
#include <stdexcept>

namespace velomira::test {

namespace {

std::size_t ContentLength(const std::string& head) {
  const std::string key = "\r\nContent-Length:";
  const std::size_t at = head.find(key);
  return at == std::string::npos ? 0 : std::strtoul(head.c_str() + at + key.size(), nullptr, 10);
}

// Reads the head and, when announced, the body. Empty when the client went away.
std::string ReadRequest(int client) {
  std::string data;
  char buffer[4096];
  std::size_t headEnd = std::string::npos;
  while (true) {
    if (headEnd == std::string::npos) headEnd = data.find("\r\n\r\n");
    if (headEnd != std::string::npos && data.size() >= headEnd + 4 + ContentLength(data.substr(0, headEnd + 2)))
      return data;
    const ssize_t received = recv(client, buffer, sizeof buffer, 0);
    if (received <= 0) return {};
    data.append(buffer, static_cast<std::size_t>(received));
  }
}

void SendAll(int client, const std::string& data) {
  std::size_t sent = 0;
  while (sent < data.size()) {
    const ssize_t n = send(client, data.data() + sent, data.size() - sent, MSG_NOSIGNAL);
    if (n <= 0) return;
    sent += static_cast<std::size_t>(n);
  }
}

}  // namespace

RawHttpServer::RawHttpServer(Handler handler) : handler_(std::move(handler)) {
  listener_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  if (listener_ < 0 || bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      listen(listener_, 64) != 0 ||
      getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0 ||
      pipe(wakePipe_) != 0)
    throw std::runtime_error("test server: cannot listen on 127.0.0.1");
  port_ = ntohs(address.sin_port);
  thread_ = std::thread([this] { Serve(); });
}

RawHttpServer::~RawHttpServer() {
  [[maybe_unused]] const ssize_t n = write(wakePipe_[1], "x", 1);
  thread_.join();
  for (int client : silentClients_) close(client);
  close(listener_);
  close(wakePipe_[0]);
  close(wakePipe_[1]);
}

std::string RawHttpServer::Url(const std::string& pathAndQuery) const {
  return "http://127.0.0.1:" + std::to_string(port_) + pathAndQuery;
}

std::vector<std::string> RawHttpServer::Requests() const {
  std::lock_guard guard(lock_);
  return requests_;
}

std::string RawHttpServer::Reply(int status, const std::string& body) {
  return "HTTP/1.1 " + std::to_string(status) + " Status\r\nContent-Length: " + std::to_string(body.size()) +
         "\r\nConnection: close\r\n\r\n" + body;
}

void RawHttpServer::Serve() {
  while (true) {
    pollfd watched[2] = {{listener_, POLLIN, 0}, {wakePipe_[0], POLLIN, 0}};
    if (poll(watched, 2, -1) < 0) continue;
    if (watched[1].revents) return;
    const int client = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
    if (client < 0) continue;
    // A client that connects and sends nothing must not keep the server from stopping.
    const timeval patience{10, 0};
    setsockopt(client, SOL_SOCKET, SO_RCVTIMEO, &patience, sizeof patience);
    ++connections_;
    Answer(client);
  }
}

void RawHttpServer::Answer(int client) {
  const std::string request = ReadRequest(client);
  {
    std::lock_guard guard(lock_);
    requests_.push_back(request);
  }
  const std::optional<std::string> reply = handler_(request);
  if (!reply) {
    silentClients_.push_back(client);  // held open, unanswered, until the server stops
    return;
  }
  SendAll(client, *reply);
  close(client);
}

}  // namespace velomira::test

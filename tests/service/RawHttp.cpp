#include "RawHttp.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>

namespace velomira::service::test {

RawConnection::RawConnection(int port, const std::string& from) {
  fd_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd_ < 0) return;
  sockaddr_in source{};
  source.sin_family = AF_INET;
  inet_pton(AF_INET, from.c_str(), &source.sin_addr);
  sockaddr_in target{};
  target.sin_family = AF_INET;
  target.sin_port = htons(static_cast<uint16_t>(port));
  inet_pton(AF_INET, "127.0.0.1", &target.sin_addr);
  if (::bind(fd_, reinterpret_cast<sockaddr*>(&source), sizeof source) != 0 ||
      connect(fd_, reinterpret_cast<sockaddr*>(&target), sizeof target) != 0) {
    close(fd_);
    fd_ = -1;
  }
}

RawConnection::~RawConnection() {
  if (fd_ >= 0) close(fd_);
}

bool RawConnection::send(const std::string& bytes) {
  std::size_t sent = 0;
  while (fd_ >= 0 && sent < bytes.size()) {
    const ssize_t n = ::send(fd_, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
    if (n <= 0) return false;
    sent += static_cast<std::size_t>(n);
  }
  return fd_ >= 0;
}

ssize_t RawConnection::receiveSome(std::string& into, std::chrono::steady_clock::time_point deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
      deadline - std::chrono::steady_clock::now());
  pollfd wait{fd_, POLLIN, 0};
  if (fd_ < 0 || left.count() <= 0 || poll(&wait, 1, static_cast<int>(left.count())) <= 0) {
    return -1;
  }
  char buffer[65536];
  const ssize_t n = recv(fd_, buffer, sizeof buffer, 0);
  if (n > 0) into.append(buffer, static_cast<std::size_t>(n));
  return n < 0 ? 0 : n;  // a reset counts as closed
}

std::string RawConnection::receiveAll(std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  std::string received;
  while (receiveSome(received, deadline) > 0) {
  }
  return received;
}

bool RawConnection::closedByPeer(std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  std::string ignored;
  ssize_t n = 1;
  while (n > 0) n = receiveSome(ignored, deadline);
  return n == 0;
}

std::string ClientRequest(const std::string& target, int port) {
  return "POST " + target + " HTTP/1.0\r\nHost: 127.0.0.1:" + std::to_string(port) +
         "\r\nContent-Length: 0\r\n\r\n";
}

std::string EscapeEveryByte(const std::string& text) {
  static const char* digits = "0123456789ABCDEF";
  std::string out;
  out.reserve(text.size() * 3);
  for (unsigned char c : text) out += {'%', digits[c >> 4], digits[c & 15]};
  return out;
}

std::string ReplyBody(const std::string& reply, int& status) {
  status = 0;
  const auto end = reply.find("\r\n\r\n");
  if (reply.rfind("HTTP/1.", 0) != 0 || end == std::string::npos) return {};
  status = std::atoi(reply.c_str() + 9);
  return reply.substr(end + 4);
}

void RaiseDescriptorLimit() {
  rlimit limit{};
  if (getrlimit(RLIMIT_NOFILE, &limit) != 0) return;
  limit.rlim_cur = limit.rlim_max;
  setrlimit(RLIMIT_NOFILE, &limit);
}

}  // namespace velomira::service::test

#pragma once
// Plain sockets for what an HTTP library hides: choosing the source address,
// sending a request a byte at a time, holding many connections open.
#include <sys/types.h>

#include <chrono>
#include <string>

namespace velomira::service::test {

class RawConnection {
public:
  // Connects to 127.0.0.1:port from the address from (127.0.0.2 is another client).
  RawConnection(int port, const std::string& from = "127.0.0.1");
  ~RawConnection();
  RawConnection(const RawConnection&) = delete;
  RawConnection& operator=(const RawConnection&) = delete;

  bool connected() const { return fd_ >= 0; }
  bool send(const std::string& bytes);
  // Everything until the peer closes, or what arrived before the timeout.
  std::string receiveAll(std::chrono::milliseconds timeout);
  // True when the peer closes (or resets) the connection within timeout.
  bool closedByPeer(std::chrono::milliseconds timeout);

private:
  // Bytes received (appended to into), 0 when the peer closed, -1 at the deadline.
  ssize_t receiveSome(std::string& into, std::chrono::steady_clock::time_point deadline);

  int fd_ = -1;
};

// A request as the desktop client sends it: HTTP/1.0, empty body.
std::string ClientRequest(const std::string& target, int port);

// text with every byte escaped as "%XX", letters too: the longest form a
// value takes in a target (three bytes a byte).
std::string EscapeEveryByte(const std::string& text);

// The body of a raw HTTP reply, and its status in status (0 when none).
std::string ReplyBody(const std::string& reply, int& status);

// Lets one test process hold thousands of sockets.
void RaiseDescriptorLimit();

}  // namespace velomira::service::test

#pragma once
// A proxy server run by a test: started with an argument list in a process group of its
// own (some proxies fork workers), its output collected in a log file, stopped as a group.
#include <sys/types.h>

#include <string>
#include <vector>

namespace velomira::test {

// A loopback port that was free a moment ago.
int FreeLoopbackPort();
bool PortAccepts(int port);

class ProxyProcess {
 public:
  ProxyProcess() = default;
  ~ProxyProcess() { Stop(); }
  ProxyProcess(const ProxyProcess&) = delete;
  ProxyProcess& operator=(const ProxyProcess&) = delete;

  // Starts argv and waits until port accepts connections; false when it never does.
  bool Start(const std::vector<std::string>& argv, int port, const std::string& logPath);
  void Stop();
  std::string Log() const;

 private:
  pid_t pid_ = -1;
  std::string logPath_;
};

}  // namespace velomira::test

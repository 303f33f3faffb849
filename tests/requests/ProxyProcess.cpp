#include "ProxyProcess.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

namespace velomira::test {

namespace {

sockaddr_in Loopback(int port) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(static_cast<std::uint16_t>(port));
  return address;
}

bool WaitForExit(pid_t pid, std::chrono::milliseconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (std::chrono::steady_clock::now() < deadline) {
    if (waitpid(pid, nullptr, WNOHANG) == pid) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return false;
}

}  // namespace

int FreeLoopbackPort() {
  const int probe = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address = Loopback(0);
  socklen_t length = sizeof address;
  bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof address);
  getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length);
  close(probe);
  return ntohs(address.sin_port);
}

bool PortAccepts(int port) {
  const int probe = socket(AF_INET, SOCK_STREAM, 0);
  const sockaddr_in address = Loopback(port);
  const bool accepted = connect(probe, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  close(probe);
  return accepted;
}

bool ProxyProcess::Start(const std::vector<std::string>& argv, int port, const std::string& logPath) {
  logPath_ = logPath;
  std::vector<char*> args;
  for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);

  pid_ = fork();
  if (pid_ == 0) {
    setpgid(0, 0);
    const int log = open(logPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    dup2(log, STDOUT_FILENO);
    dup2(log, STDERR_FILENO);
    execv(args[0], args.data());
    _exit(127);
  }
  if (pid_ < 0) return false;
  setpgid(pid_, pid_);  // also here, so Stop() can signal the group at once
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (std::chrono::steady_clock::now() < deadline) {
    if (PortAccepts(port)) return true;
    if (waitpid(pid_, nullptr, WNOHANG) == pid_) {
      pid_ = -1;
      return false;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return false;
}

void ProxyProcess::Stop() {
  if (pid_ <= 0) return;
  kill(-pid_, SIGTERM);
  if (!WaitForExit(pid_, std::chrono::seconds(5))) {
    kill(-pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
  kill(-pid_, SIGKILL);  // workers that outlived their parent
  pid_ = -1;
}

std::string ProxyProcess::Log() const {
  std::ifstream file(logPath_);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

}  // namespace velomira::test

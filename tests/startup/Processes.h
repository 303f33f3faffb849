#pragma once
// Starting and watching the real programs for the end-to-end run, always from an
// argument list.
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

// Starts args[0] with its output appended to outputPath ("" keeps the test's output).
inline pid_t Spawn(const std::vector<std::string>& args, const std::string& outputPath = {}) {
  pid_t child = ::fork();
  if (child != 0) return child;
  if (!outputPath.empty()) {
    int fd = ::open(outputPath.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    ::dup2(fd, 1);
    ::dup2(fd, 2);
  }
  std::vector<char*> argv;
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  ::execvp(argv[0], argv.data());
  ::_exit(127);
}

// Runs a program to its end and returns what it printed.
inline std::string RunCapture(const std::vector<std::string>& args) {
  int pipe[2];
  if (::pipe(pipe) != 0) return {};
  pid_t child = ::fork();
  if (child == 0) {
    ::dup2(pipe[1], 1);
    ::close(pipe[0]);
    std::vector<char*> argv;
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    ::execvp(argv[0], argv.data());
    ::_exit(127);
  }
  ::close(pipe[1]);
  std::string output;
  char buffer[4096];
  for (ssize_t got; (got = ::read(pipe[0], buffer, sizeof buffer)) > 0;) output.append(buffer, got);
  ::close(pipe[0]);
  ::waitpid(child, nullptr, 0);
  return output;
}

inline bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return true;
}

// The running process whose program file is path, or 0.
inline pid_t FindProcess(const std::string& path) {
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator("/proc", error)) {
    const std::string name = entry.path().filename().string();
    if (name.find_first_not_of("0123456789") != std::string::npos) continue;
    if (std::filesystem::read_symlink(entry.path() / "exe", error).string() == path)
      return static_cast<pid_t>(std::stoi(name));
  }
  return 0;
}

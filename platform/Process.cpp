#include "Process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string_view>

namespace velomira {

namespace {

bool IsExecutableFile(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && access(path.c_str(), X_OK) == 0;
}

// The PATH search is done before forking: between fork and exec only the simplest
// system calls are safe in a program with threads.
std::string FindProgram(const std::string& program) {
  if (program.find('/') != std::string::npos) return IsExecutableFile(program) ? program : "";
  const char* pathVariable = std::getenv("PATH");
  const std::string_view searchPath = pathVariable && *pathVariable ? pathVariable : "/usr/local/bin:/usr/bin:/bin";
  std::size_t start = 0;
  while (start <= searchPath.size()) {
    std::size_t end = searchPath.find(':', start);
    if (end == std::string_view::npos) end = searchPath.size();
    // An empty entry stands for the current folder.
    std::string candidate(end > start ? searchPath.substr(start, end - start) : ".");
    candidate.append("/").append(program);
    if (IsExecutableFile(candidate)) return candidate;
    start = end + 1;
  }
  return {};
}

// Runs in the grandchild, after fork: async-signal-safe calls only.
[[noreturn]] void ExecProgram(const char* path, char* const argv[], int errorPipe) {
  sigset_t none;
  sigemptyset(&none);
  sigprocmask(SIG_SETMASK, &none, nullptr);
  struct sigaction defaultAction {};
  defaultAction.sa_handler = SIG_DFL;
  sigaction(SIGPIPE, &defaultAction, nullptr);
  sigaction(SIGCHLD, &defaultAction, nullptr);
  // Descriptors the client opened without close-on-exec stay with the client.
  close_range(3, ~0U, CLOSE_RANGE_CLOEXEC);
  execv(path, argv);
  const int error = errno;
  [[maybe_unused]] const ssize_t written = write(errorPipe, &error, sizeof error);
  _exit(127);
}

}  // namespace

bool StartDetached(const std::string& program, const std::vector<std::string>& args) {
  if (program.empty()) return false;
  const std::string path = FindProgram(program);
  if (path.empty()) return false;

  std::vector<char*> argv;
  argv.reserve(args.size() + 2);
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);

  // The exec error, if any, comes back through a close-on-exec pipe: end of file
  // without data means the program runs.
  int errorPipe[2];
  if (pipe2(errorPipe, O_CLOEXEC) != 0) return false;

  // Double fork: the middle process ends at once and is reaped here, the program is
  // left to init, so neither a zombie nor a wait remains.
  const pid_t middle = fork();
  if (middle < 0) {
    close(errorPipe[0]);
    close(errorPipe[1]);
    return false;
  }
  if (middle == 0) {
    close(errorPipe[0]);
    setsid();
    const pid_t started = fork();
    if (started == 0) ExecProgram(path.c_str(), argv.data(), errorPipe[1]);
    if (started < 0) {
      const int error = errno;
      [[maybe_unused]] const ssize_t written = write(errorPipe[1], &error, sizeof error);
    }
    _exit(0);
  }

  close(errorPipe[1]);
  int error = 0;
  ssize_t received;
  do {
    received = read(errorPipe[0], &error, sizeof error);
  } while (received < 0 && errno == EINTR);
  close(errorPipe[0]);
  while (waitpid(middle, nullptr, 0) < 0 && errno == EINTR) {
  }
  return received == 0;
}

}  // namespace velomira

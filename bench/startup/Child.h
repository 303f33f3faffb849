#pragma once
// A program started from an argument list and killed (and reaped) when it goes out of
// scope, so no run leaves a process behind.
#include <sys/types.h>

#include <string>
#include <vector>

class Child {
 public:
  // Starts args[0] (a path); its output goes to outputPath, or /dev/null when empty.
  Child(const std::vector<std::string>& args, const std::string& outputPath = {});
  ~Child();
  Child(const Child&) = delete;
  Child& operator=(const Child&) = delete;

  pid_t Pid() const { return pid_; }
  bool Started() const { return pid_ > 0; }
  // Asks politely (SIGTERM) and waits for the end; SIGKILL after a second.
  void Stop();

 private:
  pid_t pid_ = -1;
};

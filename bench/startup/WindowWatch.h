#pragma once
// Watches the X server for top-level windows being mapped: the moment a program's window
// is shown, seen from outside the program.
#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>

typedef struct _XDisplay Display;

struct WindowShown {
  std::chrono::steady_clock::time_point At;
  std::string Title;
  int Width = 0, Height = 0;
};

class WindowWatch {
 public:
  // Connects to $DISPLAY; Ready() is false when there is no X server.
  WindowWatch();
  ~WindowWatch();
  WindowWatch(const WindowWatch&) = delete;
  WindowWatch& operator=(const WindowWatch&) = delete;

  bool Ready() const { return display_ != nullptr; }
  // Forgets the maps that happened before (a previous run's windows).
  void Discard();
  // The next window of process pid mapped with this title (and height, when not 0),
  // or nothing when none is mapped before the deadline.
  std::optional<WindowShown> WaitFor(pid_t pid, const std::string& title, int height,
                                     std::chrono::steady_clock::time_point deadline);

 private:
  Display* display_ = nullptr;
};

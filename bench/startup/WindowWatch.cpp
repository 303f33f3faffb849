#include "WindowWatch.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>

namespace {

// A window may be gone before its properties are read; that is no fault here.
int IgnoreErrors(Display*, XErrorEvent*) { return 0; }

pid_t WindowPid(Display* display, Window window) {
  const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
  Atom type = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  pid_t pid = 0;
  if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format,
                         &count, &after, &data) == Success &&
      data != nullptr && count == 1 && format == 32)
    pid = static_cast<pid_t>(*reinterpret_cast<unsigned long*>(data));
  if (data) XFree(data);
  return pid;
}

std::string WindowTitle(Display* display, Window window) {
  char* name = nullptr;
  std::string title;
  if (XFetchName(display, window, &name) && name) title = name;
  if (name) XFree(name);
  return title;
}

}  // namespace

WindowWatch::WindowWatch() {
  display_ = XOpenDisplay(nullptr);
  if (!display_) return;
  XSetErrorHandler(IgnoreErrors);
  XSelectInput(display_, DefaultRootWindow(display_), SubstructureNotifyMask);
  XSync(display_, False);
}

WindowWatch::~WindowWatch() {
  if (display_) XCloseDisplay(display_);
}

void WindowWatch::Discard() {
  XSync(display_, False);
  XEvent event;
  while (XPending(display_)) XNextEvent(display_, &event);
}

std::optional<WindowShown> WindowWatch::WaitFor(pid_t pid, const std::string& title, int height,
                                                std::chrono::steady_clock::time_point deadline) {
  using Clock = std::chrono::steady_clock;
  for (;;) {
    while (XPending(display_)) {
      XEvent event;
      XNextEvent(display_, &event);
      // Taken before the property round trips below, so they do not count.
      const Clock::time_point seen = Clock::now();
      if (event.type != MapNotify) continue;
      const Window window = event.xmap.window;
      if (WindowPid(display_, window) != pid) continue;
      WindowShown shown{seen, WindowTitle(display_, window)};
      XWindowAttributes attributes;
      if (XGetWindowAttributes(display_, window, &attributes)) {
        shown.Width = attributes.width;
        shown.Height = attributes.height;
      }
      if (shown.Title == title && (height == 0 || shown.Height == height)) return shown;
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    if (left.count() <= 0) return std::nullopt;
    pollfd ready{ConnectionNumber(display_), POLLIN, 0};
    ::poll(&ready, 1, static_cast<int>(left.count()));
  }
}

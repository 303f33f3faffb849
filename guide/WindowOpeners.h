#pragma once
// What the openers share that plug windows into the main window's hooks.
#include <QPointer>
#include <functional>

#include "GuideWindow.h"
#include "mainwin/MainWindowHooks.h"

namespace velomira {

// Makes instance the live window of its kind until the window begins to close (its
// Back, or exit): from then on the kind opens anew, even before the old window has
// been freed, as in a fresh run.
template <class Window>
Window* Track(QPointer<Window>& instance, Window* window) {
  instance = window;
  QObject::connect(window, &GuideWindow::Closing, window, [&instance, window] {
    if (instance == window) instance = nullptr;
  });
  return window;
}

// Creates and opens a window of this kind unless one is open already.
template <class Window>
void OpenOnce(QPointer<Window>& instance, MainWindowHost& host) {
  if (instance) return;
  Track(instance, new Window(host))->Open();
}

// hooks.OpenFunctionWindow opens kind with open and passes every other kind on to the
// hook set before (without one, the list runs again: it must not stay frozen). The
// openers of different kinds can so be added in any order.
void HandleFunctionWindow(MainWindowHooks& hooks, FunctionWindow kind, std::function<void(MainWindowHost&)> open);

// hooks.CloseSideWindows runs close, then the hook set before.
void AddCloseSideWindows(MainWindowHooks& hooks, std::function<void()> close);

}  // namespace velomira

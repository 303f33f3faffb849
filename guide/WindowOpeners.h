#pragma once
// What the openers share that plug windows into the main window's hooks.
#include <QPointer>
#include <functional>

#include "mainwin/MainWindowHooks.h"

namespace velomira {

// Creates and opens a window of this kind unless one is open already.
template <class Window>
void OpenOnce(QPointer<Window>& instance, MainWindowHost& host) {
  if (instance) return;
  instance = new Window(host);
  instance->Open();
}

// hooks.OpenFunctionWindow opens kind with open and passes every other kind on to the
// hook set before (without one, the list runs again: it must not stay frozen).
void HandleFunctionWindow(MainWindowHooks& hooks, FunctionWindow kind, std::function<void(MainWindowHost&)> open);

}  // namespace velomira

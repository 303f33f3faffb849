#pragma once
// Plugs the channel, daily and search windows into the main window's hooks, passing
// on what it does not handle to the hooks set before. Each window kind has at most one
// live instance; opening a kind that is open already does nothing.
#include "mainwin/MainWindowHooks.h"

namespace velomira {

void AddGuideOpeners(MainWindowHooks& hooks);

}  // namespace velomira

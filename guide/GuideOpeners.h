#pragma once
// Plugs the guide windows into the main window's hooks. Each window kind has at most
// one live instance; opening a kind that is open already does nothing.
#include "mainwin/MainWindowHooks.h"

namespace velomira {

void AddGuideOpeners(MainWindowHooks& hooks);

}  // namespace velomira

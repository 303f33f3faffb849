#pragma once
// Plugs the preferences panel into the main window's hooks, passing on what it does
// not handle to the hooks set before.
#include "mainwin/MainWindowHooks.h"

namespace velomira {

void AddAccountOpeners(MainWindowHooks& hooks);

// The preferences panel in host's place; an open one stays as it is.
void ShowPreferences(MainWindowHost& host);

}  // namespace velomira

#pragma once
// Plugs the my-categories editor, tell a friend and the help window into the main
// window's hooks, passing on what it does not handle to the hooks set before.
#include "mainwin/MainWindowHooks.h"

namespace velomira {

void AddPersonalOpeners(MainWindowHooks& hooks);

// Open the window in the host's place (once: a second call while it is open does
// nothing but give the list back).
void ShowMyCategories(MainWindowHost& host);
void ShowHelp(MainWindowHost& host);

}  // namespace velomira

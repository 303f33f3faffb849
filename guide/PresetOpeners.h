#pragma once
// Plugs the preset window and the sub-category picker into the main window's hooks,
// passing on what it does not handle to the hooks set before.
#include "mainwin/MainWindowHooks.h"

namespace velomira {

void AddPresetOpeners(MainWindowHooks& hooks);

}  // namespace velomira

#pragma once
// Starting the client with the desktop session: an XDG autostart entry
// "velomira.desktop" that runs ProgramDir + "Velomira" (the launcher), or for an installed
// copy (a read-only program folder) the command the package installs.
#include <string>

namespace velomira {

// "$XDG_CONFIG_HOME/autostart/velomira.desktop" (default "$HOME/.config/autostart/...").
std::string AutoStartEntryPath();

// The program the entry starts: ProgramDir + "Velomira", or "/usr/bin/velomira".
std::string AutoStartCommand();

// Writes the entry for AutoStartCommand(); false when it could not be written.
bool WriteAutoStartEntry();
// False only when an existing entry could not be removed.
bool RemoveAutoStartEntry();
bool AutoStartEntryExists();

// One argument quoted for an Exec line, escaped for a desktop entry's string value.
std::string QuoteDesktopExecArgument(const std::string& argument);

}  // namespace velomira

#pragma once
// Starting the client with the desktop session: an XDG autostart entry
// "velomira.desktop" that runs ProgramDir + "Velomira" (the launcher).
#include <string>

namespace velomira {

// "$XDG_CONFIG_HOME/autostart/velomira.desktop" (default "$HOME/.config/autostart/...").
std::string AutoStartEntryPath();

// Writes the entry for State().ProgramDir; false when it could not be written.
bool WriteAutoStartEntry();
// False only when an existing entry could not be removed.
bool RemoveAutoStartEntry();
bool AutoStartEntryExists();

// One argument quoted for an Exec line, escaped for a desktop entry's string value.
std::string QuoteDesktopExecArgument(const std::string& argument);

}  // namespace velomira

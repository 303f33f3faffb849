#include "AutoStart.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "core/dFunc.h"

namespace velomira {

namespace {

constexpr const char* LauncherName = "Velomira";
// What the package puts on the path for an installed copy.
constexpr const char* InstalledCommand = "/usr/bin/velomira";

std::string HomeFolder() {
  const char* home = std::getenv("HOME");
  if (home && *home) return home;
  const passwd* entry = getpwuid(getuid());
  return entry && entry->pw_dir ? entry->pw_dir : "";
}

// A relative $XDG_CONFIG_HOME is invalid and ignored.
std::string ConfigHome() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  if (config && config[0] == '/') return config;
  return HomeFolder() + "/.config";
}

// Inside a quoted Exec argument '"', '`', '$' and '\' take a backslash; '%' is doubled
// everywhere in Exec.
std::string QuoteForExec(const std::string& argument) {
  std::string quoted = "\"";
  for (const char c : argument) {
    if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
    if (c == '%') quoted += '%';
    quoted += c;
  }
  return quoted + "\"";
}

// The desktop entry string escapes, applied on top of the Exec quoting.
std::string EscapeDesktopString(const std::string& value) {
  std::string escaped;
  for (const char c : value) {
    switch (c) {
      case '\\': escaped += "\\\\"; break;
      case '\n': escaped += "\\n"; break;
      case '\t': escaped += "\\t"; break;
      case '\r': escaped += "\\r"; break;
      default: escaped += c;
    }
  }
  return escaped;
}

}  // namespace

std::string QuoteDesktopExecArgument(const std::string& argument) {
  return EscapeDesktopString(QuoteForExec(argument));
}

std::string AutoStartCommand() {
  return ProgramFolderReadOnly() ? InstalledCommand : State().ProgramDir + LauncherName;
}

std::string AutoStartEntryPath() { return ConfigHome() + "/autostart/velomira.desktop"; }

bool WriteAutoStartEntry() {
  const std::filesystem::path entry = AutoStartEntryPath();
  std::error_code error;
  std::filesystem::create_directories(entry.parent_path(), error);
  if (error) return false;
  const std::string content =
      "[Desktop Entry]\n"
      "Type=Application\n"
      "Name=Velomira\n"
      "Exec=" + QuoteDesktopExecArgument(AutoStartCommand()) + "\n"
      "Terminal=false\n"
      "X-GNOME-Autostart-enabled=true\n";
  return ReplaceFileAtomically(entry.string(), content);
}

bool RemoveAutoStartEntry() {
  std::error_code error;
  std::filesystem::remove(AutoStartEntryPath(), error);
  return !error;
}

bool AutoStartEntryExists() {
  std::error_code error;
  return std::filesystem::is_regular_file(AutoStartEntryPath(), error);
}

}  // namespace velomira

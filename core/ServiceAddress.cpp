// Where the service and its web site live: velomira.Ini [SERVICE] ROOT and WEB.
#include "AsciiText.h"
#include "dFunc.h"

namespace velomira {

namespace {

std::string ServiceSetting(const std::string& key, const std::string& fallback) {
  const ClientState& state = State();
  const std::string iniPath = state.MainIniPath.empty() ? SettingsFolder() + "velomira.Ini" : state.MainIniPath;
  std::string value(TrimBlanks(IniFile(iniPath).ReadString("SERVICE", key, fallback)));
  // Callers append "/servlet/..." and "/help/...", so no trailing slash.
  while (!value.empty() && value.back() == '/') value.pop_back();
  return value.empty() ? fallback : value;
}

}  // namespace

std::string ServiceRoot() { return ServiceSetting("ROOT", "http://127.0.0.1:8470"); }

std::string WebRoot() { return ServiceSetting("WEB", "http://127.0.0.1:8470/web"); }

std::string VersionLabel(int version) {
  const std::string digits = std::to_string(version);
  if (digits.size() == 3) return "version-" + digits.substr(0, 1) + "." + digits.substr(1);
  if (digits.size() <= 2) return "version-0." + digits;
  return {};
}

}  // namespace velomira

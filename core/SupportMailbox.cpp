// The support mailbox: velomira.Ini [SERVICE] MAIL.
#include "AsciiText.h"
#include "dFunc.h"

namespace velomira {

std::string SupportMailbox() {
  static constexpr const char* Fallback = "support@velomira.example";
  const ClientState& state = State();
  const std::string iniPath = state.MainIniPath.empty() ? SettingsFolder() + "velomira.Ini" : state.MainIniPath;
  const std::string address(TrimBlanks(IniFile(iniPath).ReadString("SERVICE", "MAIL", Fallback)));
  return address.empty() ? Fallback : address;
}

}  // namespace velomira

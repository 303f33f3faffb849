#include "ProxySettings.h"

#include "IniFile.h"

namespace velomira {

namespace {

constexpr const char* Section = "proxy";

ProxyKind KindOfProtocol(int protocol) {
  switch (protocol) {
    case 1: return ProxyKind::Socks4;
    case 2: return ProxyKind::Socks5;
    case 3: return ProxyKind::Http;
    default: return ProxyKind::Direct;
  }
}

}  // namespace

int ParseProxyPort(const std::string& text) {
  // Blanks around the number are forgiven, as they always were.
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return 0;
  const std::string digits = text.substr(first, text.find_last_not_of(' ') + 1 - first);
  if (digits.size() > 5) return 0;
  int port = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return 0;
    port = port * 10 + (c - '0');
  }
  return port <= 65535 ? port : 0;
}

ProxySettings ReadProxySettings(const std::string& iniPath) {
  const IniFile ini(iniPath);
  ProxySettings settings;
  if (!ini.ReadBool(Section, "proxy_setting", false)) return settings;
  settings.Kind = KindOfProtocol(ini.ReadInteger(Section, "protocol", 0));
  if (settings.Kind == ProxyKind::Direct) return settings;

  settings.Host = ini.ReadString(Section, "proxy_address", "");
  settings.Port = ParseProxyPort(ini.ReadString(Section, "Proxy_port", ""));
  settings.Usable = !settings.Host.empty() && settings.Port != 0;
  if (settings.Kind == ProxyKind::Socks5 && ini.ReadBool(Section, "socks5_checked", false)) {
    settings.UseCredentials = true;
    settings.User = ini.ReadString(Section, "proxy_usename", "");
    settings.Password = ini.ReadString(Section, "proxy_pass", "");
  }
  return settings;
}

}  // namespace velomira

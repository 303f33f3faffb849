#pragma once
// How a request reaches the service, as the member set it in "proxy.ini".
#include <string>

namespace velomira {

enum class ProxyKind { Direct, Socks4, Socks5, Http };

struct ProxySettings {
  ProxyKind Kind = ProxyKind::Direct;
  std::string Host;
  int Port = 0;
  bool UseCredentials = false;  // SOCKS 5 user name and password
  std::string User;
  std::string Password;
  // False when a proxy is switched on but its address or port cannot be used: the
  // request must then not be sent at all (neither through a proxy nor directly).
  bool Usable = true;
};

// Reads section "proxy" of the given file anew; a missing file means a direct connection.
ProxySettings ReadProxySettings(const std::string& iniPath);

// A port as typed by the member: decimal digits (blanks around them allowed), 1-65535;
// 0 when it is not one.
int ParseProxyPort(const std::string& text);

}  // namespace velomira

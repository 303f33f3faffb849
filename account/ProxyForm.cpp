#include "account/ProxyForm.h"

#include "core/dFunc.h"

namespace velomira {

namespace {
constexpr const char* Section = "proxy";
}

const std::array<const char*, 15> ProxyForm::RuledControls = {
    "proxy_serve", "host",   "port",       "ed_host",  "ed_port",
    "protocol",    "rb_socks", "rb_socks5", "rb_https", "socks5_check",
    "auth",        "lb_usename", "lb_pass", "ed_usename", "ed_pass"};

const std::array<const char*, 4> ProxyForm::TintedEdits = {"ed_host", "ed_port", "ed_usename",
                                                           "ed_pass"};

ProxyForm::ProxyForm() {
  // Proxy off: nothing of it may be chosen, the authentication box included, until the
  // member connects through a proxy (or the file says so).
  for (const char* control : RuledControls) enabled_[control] = false;
  for (const char* edit : TintedEdits) tints_[edit] = EditTint::Grey;
}

bool ProxyForm::Enabled(std::string_view control) const {
  const auto it = enabled_.find(control);
  return it != enabled_.end() && it->second;
}

EditTint ProxyForm::Tint(std::string_view edit) const {
  const auto it = tints_.find(edit);
  return it == tints_.end() ? EditTint::Grey : it->second;
}

void ProxyForm::Enable(std::initializer_list<const char*> controls, bool enabled) {
  for (const char* control : controls) enabled_[control] = enabled;
}

void ProxyForm::Paint(std::initializer_list<const char*> edits, EditTint tint) {
  for (const char* edit : edits) tints_[edit] = tint;
}

void ProxyForm::DisableCredentials() {
  Enable({"auth", "lb_usename", "lb_pass", "ed_usename", "ed_pass"}, false);
  Paint({"ed_usename", "ed_pass"}, EditTint::Grey);
}

void ProxyForm::SetUseProxy(bool checked) {
  useProxy_ = checked;
  const auto serverControls = {"proxy_serve", "host",     "port",      "ed_host", "ed_port",
                               "protocol",    "rb_socks", "rb_socks5", "rb_https"};
  Enable(serverControls, checked);
  if (checked) {
    Paint({"ed_host", "ed_port"}, EditTint::White);
    SelectProtocol(HttpsProtocol);
    Enable({"auth", "lb_usename", "lb_pass"}, false);
  } else {
    Paint({"ed_host", "ed_port"}, EditTint::Grey);
    if (protocol_ == HttpsProtocol) protocol_ = NoProtocol;
    SetAuthenticate(false);
    DisableCredentials();
  }
}

void ProxyForm::SelectProtocol(ProxyProtocol protocol) {
  if (protocol_ == Socks5Protocol && protocol != Socks5Protocol) DisableCredentials();
  protocol_ = protocol;
  if (protocol == Socks5Protocol) {
    Enable({"socks5_check", "auth"}, true);
    if (authenticate_) {
      Enable({"lb_usename", "lb_pass", "ed_usename", "ed_pass"}, true);
      Paint({"ed_usename", "ed_pass"}, EditTint::White);
    }
  } else if (protocol != NoProtocol) {
    Enable({"socks5_check"}, false);
    DisableCredentials();
  }
}

void ProxyForm::SetAuthenticate(bool checked) {
  authenticate_ = checked;
  if (checked) {
    Enable({"lb_usename", "lb_pass", "ed_usename", "ed_pass"}, true);
    Paint({"ed_usename", "ed_pass"}, EditTint::White);
  } else {
    DisableCredentials();
  }
}

void ProxyForm::Load(const std::string& proxyIniPath) {
  const IniFile ini(proxyIniPath);
  const bool useProxy = ini.ReadBool(Section, "proxy_setting", false);
  if (useProxy) SetUseProxy(true);
  Host = ini.ReadString(Section, "proxy_address", "");
  Port = ini.ReadString(Section, "Proxy_port", "");

  if (useProxy) {
    Enable({"ed_host", "ed_port"}, true);
    Paint({"ed_host", "ed_port"}, EditTint::SystemWindow);
  } else {
    Enable({"ed_host", "ed_port", "socks5_check"}, false);
    Paint({"ed_host", "ed_port", "ed_usename", "ed_pass"}, EditTint::Grey);
  }

  const int protocol = ini.ReadInteger(Section, "protocol", NoProtocol);
  if (protocol < Socks4Protocol || protocol > HttpsProtocol) return;
  SelectProtocol(static_cast<ProxyProtocol>(protocol));
  if (protocol == Socks5Protocol && ini.ReadBool(Section, "socks5_checked", false)) {
    SetAuthenticate(true);
    Enable({"auth", "lb_usename", "lb_pass", "ed_usename", "ed_pass"}, true);
    Paint({"ed_usename", "ed_pass"}, EditTint::White);
    Password = ini.ReadString(Section, "proxy_pass", "");
    UserName = ini.ReadString(Section, "proxy_usename", "");
  }
}

std::string ProxyForm::Save(const std::string& proxyIniPath) const {
  IniFile ini(proxyIniPath);
  ini.WriteBool(Section, "proxy_setting", useProxy_);
  ini.WriteInteger(Section, "protocol", protocol_);
  ini.WriteString(Section, "proxy_address", Host);
  ini.WriteString(Section, "Proxy_port", Port);

  std::string message;
  if (authenticate_) {
    if (UserName.empty()) {
      message = "Please enter your username.";
    } else if (Password.empty()) {
      message = "Please enter your userpassword.";
    } else {
      ini.WriteBool(Section, "socks5_checked", true);
      ini.WriteString(Section, "proxy_usename", UserName);
      ini.WriteString(Section, "proxy_pass", Password);
    }
  }
  return message;
}

std::string ProxyIniPath() { return ResolvePathCase(SettingsFolder() + "proxy.ini"); }

}  // namespace velomira

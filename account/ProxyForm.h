#pragma once
// The proxy settings form without its window: which controls are enabled and how the
// edit boxes are tinted after each action of the member, and how proxy.ini is read and
// written. The proxy dialog and the registration wizard's network page apply it.
#include <array>
#include <map>
#include <string>
#include <string_view>

namespace velomira {

enum class EditTint { Grey, White, SystemWindow };

enum ProxyProtocol { NoProtocol = 0, Socks4Protocol = 1, Socks5Protocol = 2, HttpsProtocol = 3 };

class ProxyForm {
 public:
  // The controls the rules enable and disable, by their window names.
  static const std::array<const char*, 15> RuledControls;
  // The edit boxes the rules tint.
  static const std::array<const char*, 4> TintedEdits;

  ProxyForm();  // proxy off: SOCKS selected, every ruled control disabled

  void Load(const std::string& proxyIniPath);
  void SetUseProxy(bool checked);
  void SelectProtocol(ProxyProtocol protocol);
  void SetAuthenticate(bool checked);
  // OK: writes proxy.ini and returns the message to show (empty when none). The
  // authentication keys are written only when complete; otherwise what was stored
  // earlier stays in the file.
  std::string Save(const std::string& proxyIniPath) const;

  bool UseProxy() const { return useProxy_; }
  ProxyProtocol Protocol() const { return protocol_; }
  bool Authenticate() const { return authenticate_; }
  bool Enabled(std::string_view control) const;
  EditTint Tint(std::string_view edit) const;

  std::string Host, Port, UserName, Password;  // the edit boxes' texts

 private:
  void Enable(std::initializer_list<const char*> controls, bool enabled);
  void Paint(std::initializer_list<const char*> edits, EditTint tint);
  void DisableCredentials();

  std::map<std::string, bool, std::less<>> enabled_;
  std::map<std::string, EditTint, std::less<>> tints_;
  bool useProxy_ = false;
  ProxyProtocol protocol_ = Socks4Protocol;
  bool authenticate_ = false;
};

std::string ProxyIniPath();  // SettingsFolder() + "proxy.ini"

}  // namespace velomira

#include "account/RememberedLogin.h"

#include "core/dFunc.h"

namespace velomira {

namespace {
constexpr const char* Section = "user";
}

std::string UserIniPath() { return ResolvePathCase(SettingsFolder() + "user.ini"); }

RememberedLogin ReadRememberedLogin() {
  const IniFile ini(UserIniPath());
  RememberedLogin login;
  login.AutoLogin = ini.ReadBool(Section, "autosave", false);
  login.Id = UnscrambleText(ini.ReadString(Section, "username", ""), CredentialKey);
  if (login.AutoLogin) {
    login.Password = UnscrambleText(ini.ReadString(Section, "password", ""), CredentialKey);
  }
  return login;
}

void StoreRememberedLogin(const std::string& id, const std::string& password, bool autoLogin) {
  IniFile ini(UserIniPath());
  ini.WriteString(Section, "username", ScrambleText(id, CredentialKey));
  ini.WriteString(Section, "password", ScrambleText(password, CredentialKey));
  ini.WriteBool(Section, "autosave", autoLogin);
}

void StoreRememberedPassword(const std::string& password, bool autoLogin) {
  IniFile ini(UserIniPath());
  ini.WriteString(Section, "password", autoLogin ? ScrambleText(password, CredentialKey) : std::string());
  ini.WriteBool(Section, "autosave", autoLogin);
}

void SwitchOffAutoLogin() { IniFile(UserIniPath()).WriteBool(Section, "autosave", false); }

}  // namespace velomira

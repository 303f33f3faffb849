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
  IniFile(UserIniPath()).WriteString(Section, "username", ScrambleText(id, CredentialKey));
  StoreRememberedPassword(password, autoLogin);
}

void StoreRememberedPassword(const std::string& password, bool autoLogin) {
  // Only automatic login needs the password; without it none is kept on disk.
  IniFile ini(UserIniPath());
  ini.WriteString(Section, "password", autoLogin ? ScrambleText(password, CredentialKey) : std::string());
  ini.WriteBool(Section, "autosave", autoLogin);
}

void SwitchOffAutoLogin() { IniFile(UserIniPath()).WriteBool(Section, "autosave", false); }

}  // namespace velomira

#pragma once
// The ID and password kept in user.ini for the next start, scrambled.
#include <string>

namespace velomira {

struct RememberedLogin {
  bool AutoLogin = false;
  std::string Id;
  std::string Password;  // read only when AutoLogin is on
};

std::string UserIniPath();  // SettingsFolder() + "user.ini"

RememberedLogin ReadRememberedLogin();
// After a successful login: the ID as typed, the check box state and the password as
// StoreRememberedPassword keeps it.
void StoreRememberedLogin(const std::string& id, const std::string& password, bool autoLogin);
// After a login or once the service accepted a new password: remembered (scrambled)
// when autoLogin is on, forgotten when it is off. The ID stays as it is.
void StoreRememberedPassword(const std::string& password, bool autoLogin);
// After a failed attempt or a cancelled verification: the next start shows the dialog.
void SwitchOffAutoLogin();

}  // namespace velomira

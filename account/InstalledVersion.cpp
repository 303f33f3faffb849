#include "account/InstalledVersion.h"

#include "core/dFunc.h"

namespace velomira {

std::string InstalledVersionLabel() {
  IniFile ini(State().MainIniPath);
  ini.WriteInteger("VERSION", "VER", State().LocalVersion.load());
  return VersionLabel(ini.ReadInteger("VERSION", "ver", 0));
}

}  // namespace velomira

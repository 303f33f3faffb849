#include "UpdateNotice.h"

#include "core/dFunc.h"
#include "mainwin/alertbox/AlertBox.h"

namespace velomira {

void TellOfNewVersion() {
  ClientState& state = State();
  const int version = state.UnannouncedVersion.exchange(0);
  if (version == 0) return;
  // Recorded first: the box is modal, and the member may end the program from the tray.
  IniFile(state.MainIniPath).WriteInteger("UPDATE", "NOTIFIED", version);
  const std::string label = VersionLabel(version);
  ShowAlert("A newer Velomira" + (label.empty() ? std::string() : " (" + label + ")") +
            " is available.\r\nPlease update it from your package source.");
}

}  // namespace velomira

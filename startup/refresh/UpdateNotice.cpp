// An installed copy is updated by the package manager; the refresh only tells of it.
#include "RefreshData.h"

namespace velomira::refresh {

void AnnounceNewVersion() {
  ClientState& state = State();
  const int version = state.LocalVersion;
  if (IniFile(state.MainIniPath).ReadInteger("UPDATE", "NOTIFIED", 0) >= version) return;
  state.UnannouncedVersion = version;
}

}  // namespace velomira::refresh

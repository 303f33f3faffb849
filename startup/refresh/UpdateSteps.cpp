// The member's presets and the update package, or its announcement in an installed copy.
#include "RefreshData.h"
#include "RefreshSteps.h"

namespace velomira::refresh {

void RefreshPresets() { LoadPresetList(); }

void RefreshUpdatePackage() {
  ClientState& state = State();
  if (!state.UpdateAvailable) return;
  // The package manager owns a read-only program folder: the member only hears of it.
  if (ProgramFolderReadOnly()) {
    AnnounceNewVersion();
    return;
  }
  const std::string package = ResolvePathForWrite(state.TempDir + "VelomiraMain.zip");
  if (!HttpGetFile(ServiceRoot() + "/down/app/VelomiraMain.zip", package)) return;
  if (!FileExistsAnyCase(package)) return;
  // The version is recorded only once the new program waits for the launcher, so a
  // broken package is fetched again at the next run.
  if (ExtractAll(package, state.TempDir) && FileExistsAnyCase(state.TempDir + "Velomiramain"))
    IniFile(state.MainIniPath).WriteInteger("VERSION", "VER", state.LocalVersion);
}

}  // namespace velomira::refresh

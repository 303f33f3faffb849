// The member's presets and the update package, or its announcement in an installed copy.
#include <cstdio>

#include "RefreshData.h"
#include "RefreshSteps.h"
#include "core/UpdateSignature.h"

namespace velomira::refresh {

void RefreshPresets(const std::stop_token&) { LoadPresetList(); }

void RefreshUpdatePackage(const std::stop_token&) {
  ClientState& state = State();
  if (!state.UpdateAvailable) return;
  // The package manager owns a read-only program folder: the member only hears of it.
  if (ProgramFolderReadOnly()) {
    AnnounceNewVersion();
    return;
  }
  // Without the service's signing key no package can be trusted, so none is fetched.
  const std::string key = IniFile(state.MainIniPath).ReadString("UPDATE", "KEY", "");
  if (!IsUpdateKey(key)) return;
  const std::string packageUrl = ServiceRoot() + "/down/app/VelomiraMain.zip";
  const std::string package = ResolvePathForWrite(state.TempDir + "VelomiraMain.zip");
  if (!HttpGetFile(packageUrl, package)) return;
  if (!FileExistsAnyCase(package)) return;
  if (!PackageSignatureValid(package, HttpGetStream(packageUrl + ".sig"), key)) {
    std::remove(package.c_str());
    return;
  }
  // The version is recorded only once the new program waits for the launcher, so a
  // broken or unsigned package is fetched again at the next run.
  if (ExtractAll(package, state.TempDir) && FileExistsAnyCase(state.TempDir + "Velomiramain"))
    IniFile(state.MainIniPath).WriteInteger("VERSION", "VER", state.LocalVersion);
}

}  // namespace velomira::refresh

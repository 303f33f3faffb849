// The installation's folder tree below ProgramDir, or below the per-user folder when
// the program folder is read-only.
#include <sys/stat.h>

#include "AsciiText.h"
#include "dFunc.h"

namespace velomira {

namespace {

bool IsFolder(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// The existing folder whatever the case of its names; a missing one is created with
// its missing parents. Returns the folder's path (ending in "/") either way; a folder
// that cannot be created is not reported, later file access in it simply fails.
std::string MakeFolder(const std::string& folder) {
  const std::string resolved = ResolvePathCase(folder);
  if (IsFolder(resolved)) return resolved;
  const std::size_t slash = folder.size() < 2 ? std::string::npos : folder.rfind('/', folder.size() - 2);
  if (slash == std::string::npos) {
    ::mkdir(folder.c_str(), 0777);
    return folder;
  }
  const std::string parent = MakeFolder(folder.substr(0, slash + 1));
  const std::string created = parent + folder.substr(slash + 1);
  ::mkdir(created.c_str(), 0777);
  return created;
}

std::string ExistingFolder(const std::string& folder) { return ResolvePathCase(folder); }

}  // namespace

void LoadSettingsPaths() {
  try {
    ClientState& state = State();
    // An unset ProgramDir stays empty (paths relative to the working folder) rather
    // than becoming "/", the file system's root.
    if (!state.ProgramDir.empty() && state.ProgramDir.back() != '/') state.ProgramDir += '/';
    state.WritableDir = WritableFolder(state.ProgramDir);
    const std::string& program = state.WritableDir;

    state.MainIniPath = program + "velomira.Ini";
    const IniFile mainIni(state.MainIniPath);
    std::string skin(TrimBlanks(mainIni.ReadString("SKIN", "NAME", "Default")));
    if (skin.empty()) skin = "Default";  // an empty name would put the skin in Image/ itself
    state.LocalVersion = mainIni.ReadInteger("VERSION", "VER", state.LocalVersion);

    // Created in this order; the bubble folder comes only with its skin package.
    state.ImageDir = MakeFolder(program + "Image/");
    state.SkinDir = MakeFolder(state.ImageDir + skin + "/");
    state.ButtonDir = MakeFolder(state.SkinDir + "Button/");
    state.BasicDir = MakeFolder(state.SkinDir + "Basic/");
    state.FormDir = MakeFolder(state.SkinDir + "Form/");
    state.MediaDir = MakeFolder(state.SkinDir + "Media/");
    state.BubbleDir = ExistingFolder(state.SkinDir + "bubble/");
    state.BannerDir = MakeFolder(program + "Banner/");
    state.StationBannerDir = MakeFolder(state.BannerDir + "sttn/");
    state.WaveDir = MakeFolder(program + "Wave/");
    state.DataDir = MakeFolder(program + "Data/");
    state.TempDir = MakeFolder(program + "Temp/");
  } catch (...) {
    // Out of memory while building paths: the folders stay as they were.
  }
}

}  // namespace velomira

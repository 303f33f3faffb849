// Where the client writes. A program folder the member owns (the build folder, an
// unpacked archive) holds everything, as it always has; an installed copy in a folder
// the package manager owns writes into the member's own data folder instead and reads
// pictures and sounds there first, then in the program folder.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "dFunc.h"

namespace velomira {

namespace {

bool HasWriteAccess(const std::string& folder) {
  return ::access(folder.empty() ? "." : folder.c_str(), W_OK) == 0;
}

FolderCheck g_writableCheck = HasWriteAccess;

std::string HomeFolder() {
  const char* home = std::getenv("HOME");
  return home && *home ? home : "";
}

std::string ReadWholeFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream content;
  content << file.rdbuf();
  return content.str();
}

// The settings the package installed come along once; the member's copy is theirs from
// then on, except the version, which is the installed program's.
void CarryOverMainIni(const std::string& programDir, const std::string& userDir) {
  const std::string installed = ResolvePathCase(programDir + "velomira.Ini");
  const std::string own = ResolvePathForWrite(userDir + "velomira.Ini");
  if (!FileExistsAnyCase(installed)) return;
  if (!FileExistsAnyCase(own)) {
    ReplaceFileAtomically(own, ReadWholeFile(installed));
    return;
  }
  const int version = IniFile(installed).ReadInteger("VERSION", "VER", 0);
  IniFile ownIni(own);
  if (ownIni.ReadInteger("VERSION", "VER", 0) != version) ownIni.WriteInteger("VERSION", "VER", version);
}

}  // namespace

FolderCheck SetWritableCheck(FolderCheck check) {
  const FolderCheck previous = g_writableCheck;
  g_writableCheck = check ? check : HasWriteAccess;
  return previous;
}

std::string PerUserFolder() {
  // A relative $XDG_DATA_HOME is invalid and ignored.
  const char* dataHome = std::getenv("XDG_DATA_HOME");
  const std::string base = dataHome && dataHome[0] == '/' ? dataHome : HomeFolder() + "/.local/share";
  return base + "/velomira/";
}

std::string WritableFolder(const std::string& programDir) {
  if (g_writableCheck(programDir)) return programDir;
  const std::string folder = PerUserFolder();
  const std::filesystem::path path(folder.substr(0, folder.size() - 1));
  std::error_code error;
  std::filesystem::create_directories(path.parent_path(), error);
  // Credentials and the member's settings live here: nobody else may look in.
  if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) return folder;
  CarryOverMainIni(programDir, folder);
  return folder;
}

std::string SettingsFolder() {
  const ClientState& state = State();
  return state.WritableDir.empty() ? state.ProgramDir : state.WritableDir;
}

bool ProgramFolderReadOnly() {
  const ClientState& state = State();
  return !state.WritableDir.empty() && state.WritableDir != state.ProgramDir;
}

std::string FindReadable(const std::string& path) {
  const std::string resolved = ResolvePathCase(path);
  if (!ProgramFolderReadOnly() || FileExistsAnyCase(resolved)) return resolved;
  const std::string& own = State().WritableDir;
  if (path.compare(0, own.size(), own) != 0) return resolved;
  const std::string installed = ResolvePathCase(State().ProgramDir + path.substr(own.size()));
  return FileExistsAnyCase(installed) ? installed : resolved;
}

}  // namespace velomira

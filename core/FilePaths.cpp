// Case-insensitive file names: the installation and the service were made for a file
// system that ignores case, so "Image/Default" and "image/default" name the same folder.
#include <dirent.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "AsciiText.h"
#include "dFunc.h"

namespace velomira {

namespace {

bool PathExists(const std::string& path) {
  struct stat info {};
  return !path.empty() && ::stat(path.c_str(), &info) == 0;
}

// The entry of folder whose name equals name ignoring case; empty when none does.
// The smallest match wins so the choice does not depend on directory order.
std::string FindEntryNoCase(const std::string& folder, const std::string& name) {
  DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
  if (dir == nullptr) return {};
  std::string best;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string candidate = entry->d_name;
    if (EqualsNoCase(candidate, name) && (best.empty() || candidate < best)) best = candidate;
  }
  ::closedir(dir);
  return best;
}

}  // namespace

std::string ResolvePathCase(const std::string& path) {
  if (path.empty() || PathExists(path)) return path;

  std::string resolved;  // the components matched so far, "/"-joined
  std::size_t start = 0;
  if (path.front() == '/') {
    resolved = "/";
    start = 1;
  }
  while (start <= path.size()) {
    const std::size_t slash = path.find('/', start);
    const std::size_t end = slash == std::string::npos ? path.size() : slash;
    const std::string component = path.substr(start, end - start);
    if (!component.empty()) {
      std::string candidate = resolved + component;
      if (component != "." && component != ".." && !PathExists(candidate)) {
        const std::string match = FindEntryNoCase(resolved, component);
        if (match.empty()) return path;
        candidate = resolved + match;
      }
      resolved = std::move(candidate);
    }
    if (slash == std::string::npos) break;
    resolved += '/';
    start = slash + 1;
  }
  return resolved;
}

std::string ResolvePathForWrite(const std::string& path) {
  const std::string resolved = ResolvePathCase(path);
  if (resolved != path || PathExists(path)) return resolved;
  const std::size_t slash = path.rfind('/', path.size() >= 2 ? path.size() - 2 : 0);
  if (slash == std::string::npos) return path;
  return ResolvePathCase(path.substr(0, slash + 1)) + path.substr(slash + 1);
}

bool FileExistsAnyCase(const std::string& path) {
  struct stat info {};
  const std::string resolved = ResolvePathCase(path);
  return ::stat(resolved.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

}  // namespace velomira

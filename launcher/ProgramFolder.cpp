#include "ProgramFolder.h"

#include <unistd.h>

#include <climits>

namespace velomira::launcher {

std::string ProgramFolder() {
  char path[PATH_MAX];
  ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
  if (length <= 0) return "./";
  std::string folder(path, static_cast<std::size_t>(length));
  folder.erase(folder.rfind('/') + 1);
  return folder;
}

}  // namespace velomira::launcher

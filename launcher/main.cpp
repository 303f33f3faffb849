// Velomira: completes a pending main-program update, starts VelomiraMain and ends.
#include <unistd.h>

#include <climits>
#include <string>

#include "Detached.h"
#include "Replace.h"

namespace {

std::string OwnFolder() {
  char path[PATH_MAX];
  ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
  if (length <= 0) return "./";
  std::string folder(path, static_cast<std::size_t>(length));
  folder.erase(folder.rfind('/') + 1);
  return folder;
}

}  // namespace

int main() {
  const std::string folder = OwnFolder();
  velomira::launcher::ReplaceMainProgram(folder);
  velomira::launcher::StartDetached(velomira::launcher::MainProgramPath(folder), {"/Velomira"});
  return 0;
}

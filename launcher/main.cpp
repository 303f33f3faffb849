// Velomira: completes a pending main-program update, starts VelomiraMain and ends.
#include "ProgramFolder.h"
#include "Replace.h"
#include "platform/Process.h"

int main() {
  using namespace velomira::launcher;
  const std::string folder = ProgramFolder();
  ReplaceMainProgram(folder);
  velomira::StartDetached(MainProgramPath(folder), {"/Velomira"});
  return 0;
}

// Velomira: completes a pending main-program update, starts VelomiraMain and ends.
#include "Detached.h"
#include "ProgramFolder.h"
#include "Replace.h"

int main() {
  using namespace velomira::launcher;
  const std::string folder = ProgramFolder();
  ReplaceMainProgram(folder);
  StartDetached(MainProgramPath(folder), {"/Velomira"});
  return 0;
}

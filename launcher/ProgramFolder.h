#pragma once
#include <string>

namespace velomira::launcher {

// The folder of the running program, ending in "/".
std::string ProgramFolder();

}  // namespace velomira::launcher

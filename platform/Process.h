#pragma once
// Starting other programs: always from an argument list, never through a shell.
#include <string>
#include <vector>

namespace velomira {

// Starts program (looked up in PATH when it holds no "/") with args, in a session of
// its own, and returns at once; the started program is not waited for and leaves no
// zombie behind. False when the program could not be found or executed.
bool StartDetached(const std::string& program, const std::vector<std::string>& args);

}  // namespace velomira
